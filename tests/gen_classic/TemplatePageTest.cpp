#include "gen_classic/FormControlWriter.h"
#include "gen_classic/PageLinkWriter.h"
#include "gen_classic/PagePrologue.h"
#include "gen_web/TemplatePageWriter.h"

#include "model/EventRecmpFields.h"

#include "tests/gen_classic/ClassicGolden.h"
#include "tests/gen_classic/ClassicPageFixture.h"
#include "tests/gen_web/GenWebProject.h"
#include "tests/gen_web/ToolRun.h"

#include <gtest/gtest.h>

namespace
{
// Fills a template page with the pieces a classic form page is made of.
class PiecesPageWriter : public TemplatePageWriter
{
public:
    using TemplatePageWriter::LoadPage;
    using TemplatePageWriter::TemplatePageWriter;

    void WritePage(ClassicPageFixture& form, AspFile* file)
    {
        Form& page = form.Page();
        std::vector<CString> refusals;
        PagePrologue prologue(file, m_textFile, refusals);
        prologue.WritePagePrologue({}, page.GetFieldVariableMaps(), page.GetFieldReps(), 0);
        prologue.WriteDerivedFieldQueries();
        prologue.WriteExtractDataFunction(page.GetFieldVariableMaps(), {}, page.GetFieldReps(),
                                          /*withAction=*/false, 0);
        int position = InsertGeneratedText(FindIncludePosition(0));

        PageLinkWriter links;
        links.WriteLinkTable(/*pre=*/true, page, m_textFile, 0);
        m_textFile.Write(1, "<FORM name = \"frmorders\" method = \"post\">\n");
        m_textFile.Write(1, "<TABLE>\n");
        FormControlWriter(file).WriteFieldGrid(page.GetFieldReps(), 2, "frmorders", m_textFile, 1);
        m_textFile.Write(1, "</TABLE>\n");
        m_textFile.Write(1, "</FORM>\n");
        links.WriteLinkTable(/*pre=*/false, page, m_textFile, 0);
        WriteCloseConnection(1);
        InsertGeneratedText(FindIncludePosition(position));
    }
};

// A form with a control of every kind, a recompute on a combo box and links on both sides.
void FillForm(ClassicPageFixture& form)
{
    std::vector<Field*> fields;
    for (int kind = 0; kind < FieldRepData::ControlKindCount; ++kind)
    {
        const int type = kind == FieldRepData::DateControl || kind == FieldRepData::DateTime
                             ? FieldTypeDateTime
                         : kind == FieldRepData::ComboBox ? FieldTypeInt
                                                          : FieldTypeVarchar;
        Field* field = form.AddField(("f" + std::to_string(kind)).c_str(), type);
        form.MapVariable(field, ("v" + std::to_string(kind)).c_str());
        FieldRep* control = form.AddControl(field, kind);
        control->GetFieldRepData()->SetStoredValues("1,2");
        control->GetFieldRepData()->SetDisplayTexts("One,Two");
        fields.push_back(field);
    }
    FieldRep* combo = form.Page().GetFieldReps()[FieldRepData::ComboBox];
    Procedure* procedure = form.AddProcedure("PRC_orders_fill");
    auto* call = new ProcedureInvokation;
    call->SetProcedure(procedure);
    ClassicPageFixture::AddArgument(*procedure, *call, fields[FieldRepData::ComboBox],
                                    form.Page().FindVariableByName("v1"));
    call->AddFieldVariableMap(
        new FieldVariableMap{fields[0], form.Page().FindVariableByName("v0")});
    auto* onChange = new EventRecmpFields;
    onChange->AddProcedureRecompute(form.Page().GetFieldReps()[0], call);
    combo->GetFieldRepData()->AddEventRecmpFields(onChange);
    auto* search = new ProcedureInvokation;
    search->SetProcedure(form.AddProcedure("PRC_orders_search"));
    form.Page().GetFieldReps()[FieldRepData::EditableComboBox]->GetFieldRepData()->SetDataProcedure(
        search);
    Menu* edit = form.AddMenu("Edit", form.File(3));
    LinkControl* link = ClassicPageFixture::NewLink("Edit", edit, LinkControl::Left);
    link->AddVariableMap(new LinkVariableMap{form.Page().FindVariableByName("v0"),
                                             form.Page().FindVariableByName("v1")});
    form.Page().AddPreLink(link);
    form.Page().AddPostLink(ClassicPageFixture::NewLink("Back", edit, LinkControl::Right));
}

// A page made of the pieces on a template passes the page check, and its scripts pass node.
TEST(TemplatePageTest, APageOfThePiecesPassesThePageCheckAndItsScriptsNode)
{
    GenWebProject project;
    ClassicPageFixture form;
    FillForm(form);
    PiecesPageWriter writer(&project.Project(), project.Report());
    ASSERT_TRUE(writer.LoadPage(ClassicData("Template.asp").string().c_str()));
    writer.WritePage(form, form.File(3));
    writer.SavePage("orders_upd.asp", "BaseModule");
    std::filesystem::copy_file(project.Root() / "BaseModule" / "orders_upd.asp",
                               "/tmp/assembled.asp",
                               std::filesystem::copy_options::overwrite_existing);
    ASSERT_TRUE(project.Report().IsEmpty()) << project.Report().GetText().GetString();

    const std::filesystem::path page = project.Root() / "BaseModule" / "orders_upd.asp";
    std::filesystem::copy(ClassicData("_system"), project.Root() / "_system",
                          std::filesystem::copy_options::recursive);
    EXPECT_EQ("", Joined(CheckPageFile(page)));

    const std::vector<std::string> scripts = PageScripts(ReadHostFile(page));
    ASSERT_EQ(2u, scripts.size());
    for (std::size_t i = 0; i < scripts.size(); ++i)
    {
        const std::filesystem::path script =
            project.Root() / ("script" + std::to_string(i) + ".js");
        std::ofstream(script) << scripts[i];
        const ToolResult node = RunTool("node --check " + ShellQuoted(script.string()));
        EXPECT_EQ(0, node.exitCode) << scripts[i] << "\n" << node.output;
    }
}
} // namespace
