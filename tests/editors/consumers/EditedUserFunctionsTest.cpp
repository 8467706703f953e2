#include "editors/logic/FunctionAssignment.h"
#include "editors/logic/FunctionOutputFields.h"
#include "editors/logic/UserFunctionEditor.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/Form.h"
#include "entities/Function.h"
#include "entities/ProcedureFieldInfo.h"
#include "gen_web/AspxWriteAll.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ProjectStore.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/editors/consumers/WrittenApplication.h"
#include "tests/editors/logic/DesignedProject.h"
#include "tests/gen_web/GenWebProject.h"
#include "tests/gen_web/PreparedProjectFolder.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
namespace fs = std::filesystem;

int PositionIn(const std::vector<CString>& items, const char* text)
{
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i] == text)
            return static_cast<int>(i);
    return -1;
}

// The designed library project after a first Write All, with the author class's "_partial.cs"
// edited as a developer would: two methods "AuthorsOf", one of them returning the authors of a
// name. That method is registered through the user function editor with the author table's
// fields as output, and the author form's publisher combo is filled by it, its parameter taken
// from the combo's own field.
struct EditedUserFunctions
{
    explicit EditedUserFunctions(const CString& path, const fs::path& hostPath)
        : designed(path, /*databaseKind=*/1), application(hostPath / "Library" / "Library")
    {
        ForgeonProject& project = designed.project;
        Module& base = *project.GetBaseModule();
        PrepareProjectFolder(project);
        AspxWriteAll first(&project);
        written = first.Run(nullptr);
        const fs::path partial = application / "BaseModule" / "CS" / "author_partial.cs";
        std::string text = ReadHostFile(partial);
        const std::string methods = "\t\tpublic DataTable AuthorsOf(String name, int limit)\r\n"
                                    "\t\t{\r\n"
                                    "\t\t\treturn AuthorsOf(name);\r\n"
                                    "\t\t}\r\n"
                                    "\t\tpublic DataTable AuthorsOf(String name)\r\n"
                                    "\t\t{\r\n"
                                    "\t\t\tDataTable table = new DataTable();\r\n"
                                    "\t\t\ttable.Columns.Add(\"author_id\");\r\n"
                                    "\t\t\ttable.Columns.Add(\"name\");\r\n"
                                    "\t\t\ttable.Rows.Add(\"1\", name);\r\n"
                                    "\t\t\treturn table;\r\n"
                                    "\t\t}\r\n";
        text.insert(text.rfind("\t}"), methods);
        WriteHostFile(partial, text);

        RecordingHost host;
        host.editOutputFields = [&project](Function& function)
        {
            FunctionOutputFields fields(project, function);
            fields.Open();
            fields.ChooseTable(0);
            fields.AddAll();
        };
        UserFunctionEditor editor(project, host);
        editor.LoadFunction(nullptr);
        editor.ChooseClass(
            PositionIn(editor.States().GetItems(UserFunctionEditor::IDC_CLASS), "_author"));
        methods_offered = editor.States().GetItems(UserFunctionEditor::IDC_FUNCTION);
        editor.ChooseMethod(PositionIn(methods_offered, "AuthorsOf") + 1);
        shownParameters = editor.GetParameterRows().size();
        function = editor.GetFunction();
        editor.AddOutputFields();
        editor.Ok();

        page = base.FindMasterFormByName("author_form");
        for (FieldRep* each : page->GetFieldReps())
            if (each->GetField()->GetFieldName() == "publisher_id")
                combo = each;
        Field* nameField = nullptr;
        for (FieldRep* each : page->GetFieldReps())
            if (each->GetField()->GetFieldName() == "name")
                nameField = each->GetField();
        FunctionAssignment assignment(project, *page, nullptr, true);
        assignment.Open();
        Class* author = function->GetClass();
        assignment.ChooseClass(PositionIn(
            assignment.States().GetItems(FunctionAssignment::IDC_CLASS), author->GetFieldName()));
        assignment.ChooseFunction(PositionIn(
            assignment.States().GetItems(FunctionAssignment::IDC_FUNCTION), "AuthorsOf"));
        assignment.Assign();
        for (size_t i = 0; i < assignment.GetFieldRows().size(); ++i)
            if (assignment.GetFieldRows()[i].cells[1] == "publisher_id")
                assignment.SelectField(static_cast<int>(i));
        assignment.SelectParameter(0);
        assignment.Map();
        FieldRepData& data = *combo->GetFieldRepData();
        data.SetControlKind(FieldRepData::ComboBox);
        data.SetDataCall(assignment.TakeCreatedInvokation());
        data.SetFrontField(nameField);
        data.SetBackField(author->GetTable()->GetPrimaryKeyField());
    }

    DesignedProject designed;
    fs::path application;
    bool written = false;
    std::vector<CString> methods_offered;
    size_t shownParameters = 0;
    Function* function = nullptr;
    Form* page = nullptr;
    FieldRep* combo = nullptr;
};
} // namespace

// The registered function is called by the author page, and the page, the data classes and the
// edited class file compile together.
TEST(EditedUserFunctions, ThePageCallsTheRegisteredFunctionAndCompiles)
{
    ScriptedMessageBoxes boxes;
    TempFolder folder;
    EditedUserFunctions edited(folder.ModelPath(), folder.Path());
    ASSERT_TRUE(edited.written);
    EXPECT_EQ(edited.methods_offered,
              (std::vector<CString>{"HandlePreAdd", "HandlePostAdd", "HandlePreUpdate",
                                    "HandlePostUpdate", "HandlePreDelete", "HandlePostDelete",
                                    "AuthorsOf", "AuthorsOf"}));
    EXPECT_EQ(edited.shownParameters, 1u);
    ASSERT_NE(edited.function->GetClass(), nullptr);
    int registered = 0;
    for (const Function* each : edited.function->GetClass()->GetFunctions())
        registered += each->GetFieldName() == "AuthorsOf" ? 1 : 0;
    EXPECT_EQ(registered, 1);
    EXPECT_EQ(edited.function->GetParameters().size(), 1u);
    EXPECT_FALSE(edited.function->GetOutputFields().empty());
    const ClassInvokation* call = edited.combo->GetFieldRepData()->GetDataCall();
    ASSERT_NE(call, nullptr);
    EXPECT_EQ(call->GetFunction(), edited.function);
    EXPECT_EQ(call->GetParameterMaps().size(), 1u);
    EXPECT_TRUE(boxes.Shown().empty());

    AspxWriteAll writeAll(&edited.designed.project);
    ASSERT_TRUE(writeAll.Run(nullptr)) << writeAll.GetReport().GetText();
    std::string code;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(edited.application))
        if (entry.path().filename().string().ends_with(".aspx.cs") &&
            entry.path().filename().string().find("author") != std::string::npos)
            code += ReadHostFile(entry.path());
    EXPECT_NE(code.find("m_author.AuthorsOf(name)"), std::string::npos);
    EXPECT_NE(code.find("name = this.Request.Params[\"publisher_id\"];"), std::string::npos);

    const ToolResult compile =
        CompileWrittenApplication(edited.application, folder.Path() / "Library.dll");
    EXPECT_EQ(0, compile.exitCode) << compile.output;
}

// The project with its user function and data call saves, loads and saves again to the same
// bytes.
TEST(EditedUserFunctions, TheProjectRoundTripsToTheSameBytes)
{
    ScriptedMessageBoxes boxes;
    TempFolder folder;
    const std::string first = (folder.Path() / "first.wvt").string();
    const std::string second = (folder.Path() / "second.wvt").string();
    ProjectStore store;
    {
        EditedUserFunctions edited(folder.ModelPath(), folder.Path());
        ASSERT_TRUE(store.ArchiveProject(&edited.designed.project, first.c_str(), FALSE));
    }
    ASSERT_TRUE(store.ArchiveProject(nullptr, first.c_str(), TRUE));
    const Form* page = store.GetProject()->GetBaseModule()->FindMasterFormByName("author_form");
    ASSERT_NE(page, nullptr);
    bool called = false;
    for (const FieldRep* each : page->GetFieldReps())
        called = called || (each->GetFieldRepData()->GetDataCall() != nullptr &&
                            each->GetFieldRepData()->GetDataCall()->GetFunction() != nullptr &&
                            each->GetFieldRepData()->GetDataCall()->GetFunction()->GetFieldName() ==
                                "AuthorsOf");
    EXPECT_TRUE(called);
    ASSERT_TRUE(store.ArchiveProject(store.GetProject(), second.c_str(), FALSE));
    EXPECT_EQ(ReadHostFile(first), ReadHostFile(second));
}
