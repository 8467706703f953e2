#include "editors/logic/ControlPropertiesEditor.h"
#include "editors/logic/FieldVisibilityEditor.h"
#include "editors/logic/FormControlsEditor.h"
#include "editors/logic/RefFieldEditor.h"
#include "entities/AspFile.h"
#include "model/EventRecmpFields.h"
#include "model/FieldVisibility.h"
#include "model/ProjectStore.h"
#include "model/RefField.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/editors/consumers/EditedUserFunctions.h"
#include "tests/editors/consumers/WrittenApplication.h"
#include "tests/gen_web/PageScript.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
namespace fs = std::filesystem;

// The function dialog of the control properties: "AuthorsOf", fed by the publisher control.
class AuthorsOfHost : public ControlPropertiesHost
{
public:
    AuthorsOfHost(ForgeonProject& project, Function& function)
        : m_project(project), m_function(function)
    {
    }
    ClassInvokation* AssignFunction(FormInterface& page, ClassInvokation* current) override
    {
        return AssignAuthorsOf(m_project, page, m_function, current);
    }
    void EditFieldLinks(FieldRep&, FormInterface&) override {}

private:
    ForgeonProject& m_project;
    Function& m_function;
};

FieldRep* ControlOf(const FormInterface& page, const char* fieldName)
{
    for (FieldRep* each : page.GetFieldReps())
        if (each->GetField() != nullptr && each->GetField()->GetFieldName() == fieldName)
            return each;
    return nullptr;
}

// The author form of the library project with the user function "AuthorsOf", its controls
// changed through the controllers of the control dialogs: the publisher control made a combo
// box fed by "AuthorsOf" (front "name", back the key) that recomputes the name control on
// "On Change"; the name control's caption and compulsory flag changed; the "born" control
// removed; publisher and name swapped; the reference field "nickname" added; "name" made
// read-only on the Update page.
struct EditedControls
{
    EditedControls(const CString& path, const fs::path& hostPath)
        : functions(path, hostPath), page(*functions.page)
    {
        ForgeonProject& project = functions.designed.project;
        FieldRep& publisher = *functions.combo;
        FieldRep& name = *ControlOf(page, "name");
        compulsory = name.IsMandatory();
        // The combo as Write All first wrote it: a text box without a call.
        publisher.GetFieldRepData()->ClearClassInvokation();
        publisher.GetFieldRepData()->SetControlKind(FieldRepData::TextBox);

        AuthorsOfHost host(project, *functions.function);
        ControlPropertiesEditor combo(page, publisher, &host);
        combo.Load();
        combo.SelectKind(PositionIn(combo.GetKinds(), "Combo Box"));
        combo.AssignFunction();
        combo.frontSelection = PositionIn(combo.GetFrontBackItems(), "author.name");
        combo.backSelection = PositionIn(combo.GetFrontBackItems(), "author.author_id");
        combo.SelectEvent(ControlPropertiesEditor::OnChange);
        const auto& candidates = combo.GetCandidates();
        combo.AddRecompute(
            static_cast<int>(std::ranges::find(candidates, &name) - candidates.begin()));
        written = combo.Ok(false);

        ControlPropertiesEditor caption(page, name);
        caption.Load();
        caption.caption = "Author Name";
        caption.ToggleCompulsory();
        written = caption.Ok(false) && written;

        std::vector<Field*> fields;
        for (Field* each : page.GetTable()->GetFields())
            if (!each->IsKeyOrDeletedFlag())
                fields.push_back(each);
        FormControlsEditor controls(fields, page, project.GetBaseModule(), functions.designed.host);
        controls.Load();
        const auto row = [&controls](const char* fieldName)
        {
            const auto& shown = controls.GetControls();
            return static_cast<int>(
                std::ranges::find_if(shown, [fieldName](const FieldRep* each)
                                     { return each->GetField()->GetFieldName() == fieldName; }) -
                shown.begin());
        };
        controls.SelectControl(row("born"));
        controls.RemoveControl();
        controls.SelectControl(row("name"));
        controls.MoveUp();

        RefFieldEditor refFields(page, page.GetTable());
        refFields.Load();
        refFields.SetName("nickname");
        refFields.SelectType(4);
        refFields.AddOrUpdate();
        // The form editor offers the page fields of the reference fields after the table's.
        fields.push_back(page.GetRefFields().back()->GetField());
        FormControlsEditor withReference(fields, page, project.GetBaseModule(),
                                         functions.designed.host);
        withReference.Load();
        withReference.SelectField(static_cast<int>(fields.size()) - 1);
        withReference.CreateControl();

        update = page.FindAspFileByType(7);
        FieldVisibilityEditor visibility(page, update);
        visibility.Load();
        const auto& shown = visibility.GetCandidates();
        visibility.SelectRow(static_cast<int>(std::ranges::find(shown, &name) - shown.begin()));
        visibility.ToggleRadio(FieldVisibilityEditor::ReadOnlyRadio);
        visibility.Update();
    }

    EditedUserFunctions functions;
    Form& page;
    AspFile* update = nullptr;
    bool compulsory = false;
    bool written = false;
};
} // namespace

// Write All turns the changed controls into the author pages; the C# compiles and node accepts
// the pages' scripts.
TEST(EditedControls, WriteAllWritesTheChangedControlsAndTheOutputCompiles)
{
    ScriptedMessageBoxes boxes;
    TempFolder folder;
    EditedControls edited(folder.ModelPath(), folder.Path());
    ASSERT_TRUE(edited.functions.written);
    EXPECT_TRUE(edited.written);
    EXPECT_TRUE(boxes.Shown().empty());
    const Form& page = edited.page;
    const FieldRep* publisher = ControlOf(page, "publisher_id");
    const FieldRep* name = ControlOf(page, "name");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(ControlOf(page, "born"), nullptr);
    EXPECT_EQ(name->IsMandatory(), !edited.compulsory);
    EXPECT_EQ(publisher->GetFieldRepData()->GetControlKind(), FieldRepData::ComboBox);
    ASSERT_NE(publisher->GetFieldRepData()->FindEventRecmpFields(ControlPropertiesEditor::OnChange),
              nullptr);
    ASSERT_EQ(page.GetRefFields().size(), 1u);

    AspxWriteAll writeAll(&edited.functions.designed.project);
    ASSERT_TRUE(writeAll.Run(nullptr)) << writeAll.GetReport().GetText();
    std::vector<std::string> pages;
    std::vector<std::string> codes;
    for (int kind : {5, 7})
    {
        const std::string file = std::string(page.FindAspFileByType(kind)->GetFileName(FALSE));
        std::string markup;
        std::string code;
        for (const fs::directory_entry& entry :
             fs::recursive_directory_iterator(edited.functions.application))
        {
            if (entry.path().filename() == file)
                markup = ReadHostFile(entry.path());
            if (entry.path().filename() == file + ".cs")
                code = ReadHostFile(entry.path());
        }
        pages.push_back(markup);
        codes.push_back(code);
        const fs::path script = folder.Path() / (file + ".js");
        WriteHostFile(script, PageScript(markup));
        const ToolResult check = RunTool("node --check " + ShellQuoted(script));
        EXPECT_EQ(0, check.exitCode) << check.output;
    }

    ASSERT_EQ(pages.size(), 2u);
    const auto has = [](const std::string& text, const std::string& line)
    { return text.find(line) != std::string::npos; };
    const std::string readOnlyName = "<asp:TextBox CssClass =\"TextControl\" id=\"name\" "
                                     "maxlength = \"50\" ReadOnly = \"true\"  runat=\"server\">";
    const std::string combo =
        "<asp:DropDownList  CssClass= \"ComboControl\" ID=\"publisher_id\" runat=\"server\"  "
        "onChange=\"HandleAction('RECOMPUTEONPUBLISHER_ID', 'publisher_id');\"";
    for (std::size_t i = 0; i < pages.size(); ++i)
    {
        SCOPED_TRACE(i == 0 ? "Add page" : "Update page");
        const std::string& markup = pages[i];
        const std::string& code = codes[i];
        // The caption without the compulsory mark, the combo with its recompute event, the
        // reference field's box; "born" is gone and "name" now stands before the publisher.
        EXPECT_TRUE(has(markup, "<td class = \"TDClassLabel\"> Author Name </td>"));
        EXPECT_TRUE(has(markup, combo));
        EXPECT_TRUE(has(markup, "<asp:TextBox CssClass =\"TextControl\" id=\"nickname\""));
        EXPECT_FALSE(has(markup, "id=\"born\""));
        EXPECT_LT(markup.find("id=\"name\""), markup.find("ID=\"publisher_id\""));
        EXPECT_EQ(has(markup, readOnlyName), i == 1);
        EXPECT_TRUE(has(markup, "FillControlFromFunction(doc,'name', "
                                "document.aspnetForm.ctl00_KestraneWeavoContent_name);"));
        // The Add page passes the request's value, the Update page its record's.
        EXPECT_TRUE(has(code, i == 0 ? "dataTable = m_author.AuthorsOf(name);"
                                     : "dataTable = m_author.AuthorsOf(this.m_publisher_id);"));
        for (const char* line :
             {"cntrl.AddItemsToDropDownListFromDataTable(dataTable, publisher_id , \"name\", "
              "\"author_id\");",
              "if (action != null && action.Equals(\"RECOMPUTEONPUBLISHER_ID\"))",
              "void recomputeOnPUBLISHER_ID()",
              "fillRecomputeTextControls(dataTable, \"name\", \"\");"})
            EXPECT_TRUE(has(code, line)) << line;
    }

    const ToolResult compile =
        CompileWrittenApplication(edited.functions.application, folder.Path() / "Library.dll");
    EXPECT_EQ(0, compile.exitCode) << compile.output;
}

// The project with its changed controls saves, loads and saves again to the same bytes, from the
// first save on.
TEST(EditedControls, TheProjectRoundTripsToTheSameBytes)
{
    ScriptedMessageBoxes boxes;
    TempFolder folder;
    const std::string first = (folder.Path() / "first.wvt").string();
    const std::string second = (folder.Path() / "second.wvt").string();
    const std::string third = (folder.Path() / "third.wvt").string();
    ProjectStore store;
    {
        EditedControls edited(folder.ModelPath(), folder.Path());
        ASSERT_TRUE(store.ArchiveProject(&edited.functions.designed.project, first.c_str(), FALSE));
    }
    ASSERT_TRUE(store.ArchiveProject(nullptr, first.c_str(), TRUE));
    const auto check = [&store]
    {
        const Form* page = store.GetProject()->GetBaseModule()->FindMasterFormByName("author_form");
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(ControlOf(*page, "born"), nullptr);
        ASSERT_EQ(page->GetRefFields().size(), 1u);
        EXPECT_EQ(std::string(page->GetRefFields()[0]->GetField()->GetFieldName()), "nickname");
        ASSERT_NE(ControlOf(*page, "nickname"), nullptr);
        const FieldRep* publisher = ControlOf(*page, "publisher_id");
        ASSERT_NE(publisher, nullptr);
        EXPECT_EQ(publisher->GetFieldRepData()->GetControlKind(), FieldRepData::ComboBox);
        EXPECT_NE(
            publisher->GetFieldRepData()->FindEventRecmpFields(ControlPropertiesEditor::OnChange),
            nullptr);
        const AspFile* update = page->FindAspFileByType(7);
        ASSERT_NE(update, nullptr);
        const FieldVisibility* visibility =
            update->FindFieldVisibility(ControlOf(*page, "name")->GetField());
        ASSERT_NE(visibility, nullptr);
        EXPECT_EQ(visibility->GetVisibilityKind(), FieldVisibility::ReadOnly);
    };
    check();
    ASSERT_TRUE(store.ArchiveProject(store.GetProject(), second.c_str(), FALSE));
    ASSERT_TRUE(store.ArchiveProject(nullptr, second.c_str(), TRUE));
    check();
    ASSERT_TRUE(store.ArchiveProject(store.GetProject(), third.c_str(), FALSE));
    EXPECT_TRUE(ReadHostFile(first) == ReadHostFile(second));
    EXPECT_TRUE(ReadHostFile(second) == ReadHostFile(third));
}
