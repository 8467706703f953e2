#include "designers/AssignRDLCDlg.h"
#include "designers/RDLCReportdlg.h"
#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "entities/TableAdapter.h"
#include "entities/XSDInfo.h"
#include "gen_reports/RDLCFilesWriter.h"
#include "gen_web/ProjectFileWriter.h"
#include "model/GenerationReport.h"
#include "model/RDLCCreator.h"
#include "model/Table.h"
#include "model/TextFile.h"
#include "shell/ForgeonView.h"
#include "shell/ShellResources.h"
#include "tests/model/ModelBuilders.h"
#include "tests/shell/ShellTestSupport.h"

namespace
{
// The text of the module's category item that starts with the caption; empty when none.
CString CategoryText(CTreeCtrl& tree, HTREEITEM item, const CString& caption)
{
    for (; item != nullptr; item = tree.GetNextSiblingItem(item))
    {
        if (tree.GetItemText(item).Find(caption) == 0)
            return tree.GetItemText(item);
        const CString found = CategoryText(tree, tree.GetChildItem(item), caption);
        if (!found.IsEmpty())
            return found;
    }
    return "";
}

HTREEITEM FindItem(CTreeCtrl& tree, HTREEITEM item, const CString& text)
{
    for (; item != nullptr; item = tree.GetNextSiblingItem(item))
    {
        if (tree.GetItemText(item) == text)
            return item;
        if (const HTREEITEM found = FindItem(tree, tree.GetChildItem(item), text))
            return found;
    }
    return nullptr;
}

// The program with the project "Shop" whose table "product" has its RDLC report written by the
// generator (data set and report definition) and listed in the web project file that the
// generator wrote. The report and its descriptions are then taken out of the project again, so
// that only the files tell of them.
class RDLCProjectFilesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(program.started);
        ForgeonProject& project = program.Project();
        project.SetProjectName("Shop");
        project.SetProjectPath(program.folder.ModelPath("work"));
        Module& base = *project.GetCurrentModule();
        Table* product = NewTable("product", Table::masterKind, {"title", "shelf"});
        base.AddTable(product);
        base.AddDefaultClassFunctions(base.GetClassForTable(product, true));
        RDLCCreator(product, &project).CreateReport();
        ASSERT_EQ(base.GetRDLCReports().size(), 1u);
        RDLCReport* generated = base.GetRDLCReports()[0];
        // The project file first: it gives the report its default file names.
        {
            TextFile file(project.GetProjectPath() + "Shop\\Shop\\Shop.csproj", false, '=', 60,
                          false, false);
            ProjectFileWriter(project, {}, file).Write();
        }
        GenerationReport generation;
        RDLCFilesWriter(&project, generated, generation).WriteDataSetFiles();
        RDLCFilesWriter(&project, generated, generation).WriteReportDefinition();
        definition = generated->GetRDLCInfo()->GetName();
        adapter = generated->GetXSDInfo()->GetTableAdapters()[0]->GetName();
        ASSERT_TRUE(project.DeleteRDLCReport(generated));
        while (!project.GetRDLCInfos().empty())
            ASSERT_TRUE(project.DeleteRDLCInfo(project.GetRDLCInfos().front()));
        while (!project.GetXSDInfos().empty())
            ASSERT_TRUE(project.DeleteXSDInfo(project.GetXSDInfos().front()));
        program.Frame().GetTreeView()->RefreshTree();
    }

    RunningProgram program;
    CString definition;
    CString adapter;
};

// "Select RDLC for" lists the written definition.
TEST_F(RDLCProjectFilesTest, AssignDialogReadsTheWrittenProjectFile)
{
    RDLCReport report;
    report.SetName("Stock");
    program.dialogs.Answer(
        [this](CDialog&, DialogDriver& user)
        {
            EXPECT_EQ(user.GetText(RDLCAssigner::IDC_RDLC), "");
            EXPECT_TRUE(user.Select(RDLCAssigner::IDC_RDLC, 0));
            EXPECT_TRUE(user.Click(RDLCAssigner::IDC_ASSIGN));
            EXPECT_EQ(user.GetText(RDLCAssigner::IDC_RDLC_NAME), ToHostPath(definition).c_str());
            user.PressOk();
        });
    EXPECT_EQ(AssignRDLCDlg(report, program.Project()).DoModal(), IDOK);
    ASSERT_NE(report.GetRDLCInfo(), nullptr);
    EXPECT_EQ(report.GetRDLCInfo()->GetName(), definition);
}

// A report made new in the view takes the written definition, shows the adapter of its written
// data set, is rebuilt from the file again and goes into the current module and the tree.
TEST_F(RDLCProjectFilesTest, ViewMakesAReportOnTheWrittenDefinition)
{
    using D = RDLCReportDesigner;
    CTreeCtrl& tree = program.Frame().GetTreeView()->GetTreeCtrl();
    EXPECT_EQ(CategoryText(tree, tree.GetRootItem(), "Reports"), "Reports");
    program.Frame().ShowRightPane(RightPane::RDLCReportView);
    auto* view =
        dynamic_cast<RDLCReportdlg*>(program.Frame().GetRightPaneView(RightPane::RDLCReportView));
    ASSERT_NE(view, nullptr);
    view->LoadRDLCReport(nullptr);
    DialogDriver user(*view);
    EXPECT_TRUE(user.SetText(D::IDC_NAME, "Stock"));
    EXPECT_TRUE(user.SetText(D::IDC_HEADER, "Stock on the shelves"));
    program.dialogs.Answer(
        [](CDialog&, DialogDriver& assign)
        {
            EXPECT_TRUE(assign.Select(RDLCAssigner::IDC_RDLC, 0));
            EXPECT_TRUE(assign.Click(RDLCAssigner::IDC_ASSIGN));
            assign.PressOk();
        });
    EXPECT_TRUE(user.Click(D::IDC_ASSIGN));
    EXPECT_EQ(user.GetText(D::IDC_RDLC_NAME), ToHostPath(definition).c_str());
    auto* adapters = dynamic_cast<CListCtrl*>(view->GetDlgItem(D::IDC_ADAPTERS));
    ASSERT_NE(adapters, nullptr);
    ASSERT_EQ(adapters->GetItemCount(), 1);
    EXPECT_EQ(adapters->GetItemText(0, 0), adapter);

    program.boxes.Answer(IDOK);
    EXPECT_TRUE(user.Click(D::IDC_REBUILD));
    EXPECT_EQ(adapters->GetItemCount(), 1);
    EXPECT_TRUE(user.Click(D::IDC_OK));
    Module& base = *program.Project().GetCurrentModule();
    ASSERT_EQ(base.GetRDLCReports().size(), 1u);
    EXPECT_EQ(base.GetRDLCReports()[0]->GetFormName(), "Stock");
    EXPECT_EQ(CategoryText(tree, tree.GetRootItem(), "Reports("), "Reports(1)");
    EXPECT_EQ(user.GetText(D::IDC_NAME), "");

    // The stored report's tree item opens it in the view.
    const HTREEITEM item = FindItem(tree, tree.GetRootItem(), "Stock");
    ASSERT_NE(item, nullptr);
    program.Frame().GetTreeView()->OpenItem(item);
    EXPECT_EQ(user.GetText(D::IDC_NAME), "Stock");
    EXPECT_FALSE(view->GetDlgItem(D::IDC_NAME)->IsWindowEnabled());

    // Deleting it from the tree leaves the view on a new report.
    tree.SelectItem(item);
    program.boxes.Answer(IDOK);
    program.Command(ID_DELETE_TREE_ITEM);
    EXPECT_TRUE(base.GetRDLCReports().empty());
    EXPECT_EQ(user.GetText(D::IDC_NAME), "");
    EXPECT_TRUE(view->GetDlgItem(D::IDC_NAME)->IsWindowEnabled());
    ASSERT_NE(view->GetDesigner()->GetReport(), nullptr);
    EXPECT_TRUE(view->GetDesigner()->IsNew());
    EXPECT_EQ(program.dialogs.UnscriptedCount(), 0u);
}
} // namespace
