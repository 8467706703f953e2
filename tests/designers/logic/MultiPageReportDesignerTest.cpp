#include "designers/logic/MultiPageReportDesigner.h"
#include "editors/logic/ProcedureAssigner.h"
#include "entities/MultiPageData.h"
#include "entities/MultiPageReport.h"
#include "entities/Procedure.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Variable.h"
#include "model/FieldRep.h"
#include "tests/designers/logic/DesignerTestSupport.h"

#include <gtest/gtest.h>

namespace
{

// A designer on a new page of the project's two reports "Sales" (variables from, to) and
// "Stock", with the page variables start and end.
struct MultiPageDesignerFixture
{
    MultiPageDesignerFixture() : designer(fixture.project, host)
    {
        sales = fixture.AddReport("Sales", fixture.listBooks);
        AddPageVariable(*sales, "from");
        AddPageVariable(*sales, "to");
        stock = fixture.AddReport("Stock", fixture.listPublishers);
        procedure = new Procedure;
        procedure->SetName("PRC_book_all");
        for (Field* field : fixture.book->GetFields())
            procedure->AddOutputColumn(new ProcedureFieldInfo(field, 6));
        fixture.Current().AddProcedure(procedure);
        designer.LoadReport(nullptr);
        AddPageVariable(*designer.GetPage(), "start");
        AddPageVariable(*designer.GetPage(), "end");
        designer.SetVariables();
    }
    void Add(const char* name)
    {
        SelectItem(designer.States(), MultiPageReportDesigner::IDC_REPORT, name);
        designer.AddReport();
    }
    void Map(int reportVariable, int pageVariable)
    {
        designer.SelectVariableRow(reportVariable);
        designer.States().Select(MultiPageReportDesigner::IDC_PAGE_VARIABLE, pageVariable);
        designer.Assign();
    }
    void AnswerProcedure()
    {
        host.assignProcedure = [this](ProcedureAssigner& assigner)
        {
            assigner.GetInvocation()->SetProcedure(procedure);
            return true;
        };
    }

    ReportProject fixture;
    RecordingDesignerHost host;
    MultiPageReportDesigner designer;
    ApplicationReport* sales = nullptr;
    ApplicationReport* stock = nullptr;
    Procedure* procedure = nullptr;
};

TEST(MultiPageReportDesignerTest, AReportIsAddedOnceAndTheComboSelectionClears)
{
    MultiPageDesignerFixture d;
    d.Add("Sales");
    d.Add("Stock");
    d.Add("Sales");
    EXPECT_EQ((std::vector<CString>{"Sales", "Stock"}), Cells(d.designer.GetPageRows(), 0));
    EXPECT_EQ(-1, d.designer.States().GetSelection(MultiPageReportDesigner::IDC_REPORT));
    EXPECT_EQ((std::vector<CString>{"start", "end"}),
              d.designer.States().GetItems(MultiPageReportDesigner::IDC_PAGE_VARIABLE));
}

TEST(MultiPageReportDesignerTest, VariablePairsAreAddedReplacedAndRemovedAfterAsking)
{
    MultiPageDesignerFixture d;
    d.Add("Sales");
    // Without a page clicked nothing is mapped.
    d.Map(0, 0);
    EXPECT_TRUE(d.designer.GetPage()->GetPages().front()->GetParameterPairs().empty());
    d.designer.ClickPageRow(0);
    d.Map(0, 0);
    d.Map(1, 1);
    EXPECT_EQ((std::vector<CString>{"start", "end"}), Cells(d.designer.GetVariableRows(), 1));
    // Replacing asks; Cancel keeps the pair.
    d.host.warningAnswer = false;
    d.Map(0, 1);
    EXPECT_EQ("start", d.designer.GetVariableRows().at(0).cells.at(1));
    d.host.warningAnswer = true;
    d.Map(0, 1);
    EXPECT_EQ("end", d.designer.GetVariableRows().at(0).cells.at(1));
    EXPECT_EQ("warning Do you really want to change the existing map of selected variables?",
              d.host.calls.back());
    EXPECT_EQ(2u, d.designer.GetPage()->GetPages().front()->GetParameterPairs().size());
    EXPECT_EQ(-1, d.designer.GetSelectedVariable());

    d.designer.SelectVariableRow(1);
    d.designer.Remove();
    EXPECT_EQ((std::vector<CString>{"end", ""}), Cells(d.designer.GetVariableRows(), 1));
    EXPECT_EQ("warning Do you really want to remove the existing map of selected variables \"to\"?",
              d.host.calls.back());
}

TEST(MultiPageReportDesignerTest, EachPageHasItsProcedureAndItsOutputFieldsOnce)
{
    MultiPageDesignerFixture d;
    d.Add("Sales");
    d.Add("Stock");
    ScriptedMessageBoxes boxes;
    d.designer.AddFieldRepresentation();
    d.designer.ClickPageRow(1);
    d.designer.AddFieldRepresentation();
    d.AnswerProcedure();
    d.designer.AssignProcedure();
    EXPECT_EQ((std::vector<CString>{"", "PRC_book_all"}), Cells(d.designer.GetPageRows(), 1));
    d.designer.ClickPageRow(1);
    EXPECT_EQ((std::vector<CString>{"id", "title", "publisher_id"}),
              Cells(d.designer.GetProcedureFieldRows(), 0));
    d.designer.SelectProcedureFieldRow(1);
    d.designer.AddFieldRepresentation();
    d.designer.AddFieldRepresentation();
    EXPECT_EQ((std::vector<CString>{"title"}), Cells(d.designer.GetFieldRepRows(), 0));
    EXPECT_EQ((std::vector<std::string>{"Please select the Report associated Procedure",
                                        "Please select the Procedure Field",
                                        "Field Representation is already present, Can not be "
                                        "created Again"}),
              boxes.ShownTexts());

    // Replacing asks first; Cancel keeps the procedure.
    d.host.warningAnswer = false;
    d.designer.AssignProcedure();
    EXPECT_EQ("warning Do you want to replace the procedure for this dashboard?",
              d.host.calls.back());
    d.host.warningAnswer = true;
    d.designer.RemoveProcedure();
    EXPECT_EQ((std::vector<CString>{"", ""}), Cells(d.designer.GetPageRows(), 1));
    // A cancelled assignment stores nothing.
    d.host.assignProcedure = nullptr;
    d.designer.ClickPageRow(0);
    d.designer.AssignProcedure();
    EXPECT_EQ(nullptr, d.designer.GetPage()->GetProcedureForReport(d.sales));

    d.designer.SelectFieldRepRow(-1);
    d.designer.RemoveFieldRepresentation();
    d.designer.SelectFieldRepRow(0);
    d.designer.RemoveFieldRepresentation();
    EXPECT_TRUE(d.designer.GetFieldRepRows().empty());
    EXPECT_EQ("Please select the Field Representation", boxes.ShownTexts().back());
}

TEST(MultiPageReportDesignerTest, PagesMoveWithinTheListOnly)
{
    struct Case
    {
        int row;
        bool up;
        std::vector<CString> order;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {0, true, {"Sales", "Stock"}, {}},
        {0, false, {"Stock", "Sales"}, {}},
        {1, true, {"Stock", "Sales"}, {}},
        {1, false, {"Sales", "Stock"}, {}},
        {-1, true, {"Sales", "Stock"}, {"Please Select Report"}},
    };
    for (const Case& c : cases)
    {
        MultiPageDesignerFixture d;
        d.Add("Sales");
        d.Add("Stock");
        d.designer.ClickPageRow(c.row);
        ScriptedMessageBoxes boxes;
        if (c.up)
            d.designer.MoveUp();
        else
            d.designer.MoveDown();
        EXPECT_EQ(c.order, Cells(d.designer.GetPageRows(), 0)) << c.row << c.up;
        EXPECT_EQ(c.messages, boxes.ShownTexts());
        EXPECT_EQ(-1, d.designer.GetSelectedPage());
    }
}

TEST(MultiPageReportDesignerTest, AddStoresANewPageOnceAndCancelDiscardsIt)
{
    MultiPageDesignerFixture d;
    ScriptedMessageBoxes boxes;
    d.designer.AddMultiPageReport();
    EXPECT_EQ(std::vector<std::string>{"Please enter the Alert Page name."}, boxes.ShownTexts());
    d.designer.States().SetText(MultiPageReportDesigner::IDC_NAME, "Over\u202Eview");
    d.designer.AddMultiPageReport();
    EXPECT_EQ(boxes.ShownTexts().back(), "The name \"Over\\xE2\\x80\\xAEview\" cannot be taken: it "
                                         "holds control characters.\nPlease enter another name.");
    EXPECT_TRUE(d.fixture.Current().GetMultiPageReports().empty());
    d.designer.States().SetText(MultiPageReportDesigner::IDC_NAME, "Overview");
    MultiPageReport* page = d.designer.GetPage();
    d.designer.AddMultiPageReport();
    ASSERT_EQ(1u, d.fixture.Current().GetMultiPageReports().size());
    EXPECT_EQ(page, d.fixture.Current().GetMultiPageReports().front());
    EXPECT_EQ("Overview", page->GetFormName());
    EXPECT_EQ("refresh tree", d.host.calls.back());
    EXPECT_TRUE(d.designer.IsNew());
    EXPECT_NE(page->GetId(), d.designer.GetPage()->GetId());

    // Stored under another name, it is not added again.
    d.designer.LoadReport(page);
    EXPECT_EQ("Overview", d.designer.States().GetText(MultiPageReportDesigner::IDC_NAME));
    d.designer.States().SetText(MultiPageReportDesigner::IDC_NAME, "Summary");
    d.designer.AddMultiPageReport();
    EXPECT_EQ(1u, d.fixture.Current().GetMultiPageReports().size());
    EXPECT_EQ("Summary", page->GetFormName());

    // "Cancel " drops the unsaved page for a new one.
    const int unsaved = d.designer.GetPage()->GetId();
    d.designer.States().SetText(MultiPageReportDesigner::IDC_NAME, "Draft");
    d.designer.Cancel();
    EXPECT_NE(unsaved, d.designer.GetPage()->GetId());
    EXPECT_TRUE(d.designer.IsNew());
    EXPECT_EQ("", d.designer.States().GetText(MultiPageReportDesigner::IDC_NAME));
    EXPECT_EQ(1u, d.fixture.Current().GetMultiPageReports().size());
}
} // namespace
