#include "designers/logic/DashBoardPageDesigner.h"
#include "editors/logic/ProcedureAssigner.h"
#include "entities/DashBoardCellInfo.h"
#include "entities/DashBoardPage.h"
#include "entities/DashBoardPageData.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Variable.h"
#include "tests/designers/logic/DashBoardTestSupport.h"
#include "tests/designers/logic/DesignerTestSupport.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace
{

// The dashboards Alpha (variables Region and Year, and the parameter Code), Beta and Gamma in the
// module; the procedure Totals with the output fields Amount and Count; a designer on a new page
// with the variable PageRegion.
class PageDesignerTest : public ::testing::Test
{
protected:
    PageDesignerTest()
    {
        Module& module = open.Current();
        for (const char* name : {"Alpha", "Beta", "Gamma"})
        {
            auto* dashBoard = new DashBoard;
            dashBoard->SetName(name);
            module.AddDashBoard(dashBoard, false);
        }
        alpha = module.FindDashBoardByName("Alpha");
        AddPageVariable(*alpha, "Region");
        AddPageVariable(*alpha, "Year");
        AddPageVariable(*alpha, "Code", Variable::parameterKind);
        Table* table = NewTable("SalesTable", Table::masterKind, {"Amount", "Count"});
        module.AppendMasterTable(table);
        procedure = NewProcedure("Totals", table);
        for (const char* name : {"Amount", "Count"})
            procedure->AddOutputColumn(new ProcedureFieldInfo(table->FindFieldByName(name),
                                                              ProcedureFieldInfo::noAggregate));
        module.Append(procedure);
        designer.LoadDashBoardPage(nullptr);
        AddPageVariable(*designer.GetPage(), "PageRegion");
        designer.LoadDashBoardPage(designer.GetPage());
    }
    void Place(const char* name)
    {
        const auto& names = designer.States().GetItems(DashBoardPageDesigner::IDC_DASHBOARDS);
        designer.States().Select(
            DashBoardPageDesigner::IDC_DASHBOARDS,
            static_cast<int>(std::find(names.begin(), names.end(), CString(name)) - names.begin()));
        designer.AddDashBoard();
    }
    // Alpha placed and selected, with the procedure when asked.
    void PlaceAlpha(bool withProcedure)
    {
        Place("Alpha");
        designer.SelectPlacement(0);
        if (!withProcedure)
            return;
        auto* invokation = new ProcedureInvokation;
        invokation->SetProcedure(procedure);
        designer.GetPage()->SetDashBoardProcedureInvokation(alpha, invokation);
        designer.SelectPlacement(0);
    }

    ScriptedMessageBoxes boxes;
    OpenNewProject open;
    RecordingHost host;
    FakeDashBoardHost dash;
    DashBoard* alpha = nullptr;
    Procedure* procedure = nullptr;
    DashBoardPageDesigner designer{open.project, host, dash};
};

TEST_F(PageDesignerTest, PlacementsAreAddedOnceAndMoveWithinTheEnds)
{
    // This designer only lost its page when the page was given back.
    EXPECT_TRUE(designer.IsNew());
    for (const char* name : {"Alpha", "Beta", "Alpha", "Gamma"})
        Place(name);
    EXPECT_EQ(designer.States().GetSelection(DashBoardPageDesigner::IDC_DASHBOARDS), -1);
    EXPECT_EQ(RowTexts(designer.GetPlacementRows()),
              (std::vector<std::string>{"Alpha", "Beta", "Gamma"}));
    struct Step
    {
        int select;
        void (DashBoardPageDesigner::*command)();
        std::vector<std::string> rows;
        int selected;
    };
    const Step steps[] = {
        {0, &DashBoardPageDesigner::MoveUp, {"Alpha", "Beta", "Gamma"}, 0},
        {2, &DashBoardPageDesigner::MoveDown, {"Alpha", "Beta", "Gamma"}, 2},
        {0, &DashBoardPageDesigner::MoveDown, {"Beta", "Alpha", "Gamma"}, 1},
        {2, &DashBoardPageDesigner::MoveUp, {"Beta", "Gamma", "Alpha"}, 1},
        {0, &DashBoardPageDesigner::RemovePlacement, {"Gamma", "Alpha"}, -1},
        {-1, &DashBoardPageDesigner::RemovePlacement, {"Gamma", "Alpha"}, -1},
    };
    for (const Step& step : steps)
    {
        designer.SelectPlacement(step.select);
        (designer.*step.command)();
        EXPECT_EQ(RowTexts(designer.GetPlacementRows()), step.rows);
        EXPECT_EQ(designer.GetSelectedPlacement(), step.selected);
    }
}

TEST_F(PageDesignerTest, ProcedureButtonsDoNothingWhileShowOnce)
{
    PlaceAlpha(false);
    EXPECT_TRUE(designer.IsShowOnce());
    EXPECT_EQ(designer.States().GetText(DashBoardPageDesigner::IDC_PROCEDURE_LABEL),
              "Procedure not assigned.");
    designer.AssignProcedure();
    designer.RemoveProcedure();
    EXPECT_TRUE(host.calls.empty());

    designer.UsingProcedure();
    EXPECT_TRUE(designer.States().IsChecked(DashBoardPageDesigner::IDC_USING_PROCEDURE));
    host.assign = [this](ProcedureAssigner& assigner)
    {
        assigner.GetInvocation()->SetProcedure(procedure);
        return true;
    };
    designer.AssignProcedure();
    EXPECT_EQ(designer.GetPage()->GetDashBoardProcedure(alpha), procedure);
    EXPECT_EQ(designer.States().GetText(DashBoardPageDesigner::IDC_PROCEDURE_LABEL),
              "AssignedProcedure : Totals");
    EXPECT_EQ(RowTexts(designer.GetMapFieldRows()), (std::vector<std::string>{"Amount", "Count"}));

    // Cancelled: the procedure stays.
    host.assign = nullptr;
    designer.AssignProcedure();
    EXPECT_EQ(designer.GetPage()->GetDashBoardProcedure(alpha), procedure);

    designer.ShowOnce();
    designer.RemoveProcedure();
    EXPECT_EQ(designer.GetPage()->GetDashBoardProcedure(alpha), procedure);
    designer.SelectPlacement(0);
    EXPECT_FALSE(designer.IsShowOnce());
    designer.RemoveProcedure();
    EXPECT_EQ(designer.GetPage()->GetDashBoardProcedure(alpha), nullptr);
    EXPECT_EQ(
        host.calls,
        (std::vector<CString>{
            "assign procedure", "warning Do you want to replace the procedure for this dashboard?",
            "assign procedure",
            "warning Do you want to remove the procedure for this dashboard \"Totals\"?"}));
}

TEST_F(PageDesignerTest, PairsAndMapsFollowTheSelectedVariables)
{
    PlaceAlpha(true);
    EXPECT_EQ(RowTexts(designer.GetPairRows()), (std::vector<std::string>{"Region|", "Year|"}));
    designer.SelectPair(1);
    designer.States().Select(DashBoardPageDesigner::IDC_PAGE_VARIABLES, 0);
    designer.Pair();
    EXPECT_EQ(RowTexts(designer.GetPairRows()),
              (std::vector<std::string>{"Region|", "Year|PageRegion"}));
    AddPageVariable(*designer.GetPage(), "PageYear");
    designer.EditVariables();
    designer.States().Select(DashBoardPageDesigner::IDC_PAGE_VARIABLES, 1);
    designer.Pair();
    EXPECT_EQ(RowTexts(designer.GetPairRows()),
              (std::vector<std::string>{"Region|", "Year|PageYear"}));
    EXPECT_EQ(designer.GetPage()->GetPlacements()[0]->GetVariablePairs().size(), 1u);
    designer.Unpair();
    EXPECT_EQ(RowTexts(designer.GetPairRows()), (std::vector<std::string>{"Region|", "Year|"}));

    EXPECT_EQ(RowTexts(designer.GetMapVariableRows()),
              (std::vector<std::string>{"Region|", "Year|", "Code|"}));
    designer.SelectMapVariable(1);
    designer.SelectMapField(0);
    designer.AssignMap();
    designer.SelectMapField(1);
    designer.AssignMap();
    designer.SelectMapVariable(0);
    designer.AssignMap();
    EXPECT_EQ(RowTexts(designer.GetMapVariableRows()),
              (std::vector<std::string>{"Region|Count", "Year|Count", "Code|"}));
    designer.SelectMapVariable(1);
    designer.RemoveMap();
    EXPECT_EQ(RowTexts(designer.GetMapVariableRows()),
              (std::vector<std::string>{"Region|Count", "Year|", "Code|"}));
    EXPECT_EQ(designer.GetPage()->GetPlacements()[0]->GetVariableMaps().size(), 1u);
    EXPECT_EQ(host.calls,
              (std::vector<CString>{
                  "variables",
                  "warning Do you really want to chnage the existing map of selected variables?",
                  "warning Do you really want to remove the existing map of selected variables "
                  "\"Year\"?"}));
}

TEST_F(PageDesignerTest, OkStoresTheTrimmedNameWithUnderscores)
{
    DashBoardPage* page = designer.GetPage();
    struct Step
    {
        const char* name;
        const char* header;
        bool placed;
        std::vector<std::string> messages;
    };
    const char* const question = "Do you want to change the name?";
    const Step refusals[] = {
        {"", "Header", true, {"Please enter the dashboard page name and header."}},
        {" My page ", "", true, {"Please enter the dashboard page name and header."}},
        {" My/page ",
         "Header",
         true,
         {"Special character is present in the form name. Please change the name"}},
        {" My page ", "Header", false, {question, "Please add dashboards"}},
    };
    for (const Step& step : refusals)
    {
        SCOPED_TRACE(step.name);
        if (step.placed && designer.GetPlacementRows().empty())
            Place("Beta");
        if (!step.placed)
        {
            designer.SelectPlacement(0);
            designer.RemovePlacement();
        }
        designer.States().SetText(DashBoardPageDesigner::IDC_NAME, step.name);
        designer.States().SetText(DashBoardPageDesigner::IDC_HEADER, step.header);
        const std::size_t shown = boxes.Shown().size();
        designer.Ok();
        EXPECT_EQ(designer.GetPage(), page);
        EXPECT_TRUE(designer.IsNew());
        std::vector<std::string> texts;
        for (std::size_t i = shown; i < boxes.Shown().size(); ++i)
            texts.push_back(boxes.Shown()[i].text);
        EXPECT_EQ(texts, step.messages);
    }
    Place("Beta");
    designer.Ok();
    EXPECT_EQ(page->GetFormName(), "My_page");
    EXPECT_EQ(page->GetHeader(), "Header");
    EXPECT_TRUE(open.Current().ContainsDashBoardPage(page));
    EXPECT_FALSE(page->GetAspFiles().empty());
    EXPECT_EQ(dash.calls.back(), "add page to " + open.Current().GetName());
    EXPECT_NE(designer.GetPage(), page);
    EXPECT_TRUE(designer.IsNew());
    EXPECT_TRUE(designer.States().IsChecked(DashBoardPageDesigner::IDC_SHOW_ONCE));

    // A stored page takes the name and stays.
    designer.LoadDashBoardPage(page);
    EXPECT_FALSE(designer.States().IsEnabled(DashBoardPageDesigner::IDC_NAME));
    designer.States().SetText(DashBoardPageDesigner::IDC_HEADER, "Other");
    designer.Ok();
    EXPECT_EQ(designer.GetPage(), page);
    EXPECT_EQ(page->GetHeader(), "Other");
    designer.ForgetDashBoardPage(page);
    EXPECT_EQ(designer.GetPage(), nullptr);
    EXPECT_EQ(host.calls.back(), "start page");
}
// A stored page whose file is longer than a file system holds, as earlier versions took, opens
// with its name box enabled; the module's own dashboard page and a page named as others open
// with it disabled.
TEST_F(PageDesignerTest, OnlyAPageNamedLongerThanItsFileMayHoldOpensWithItsNameBoxEnabled)
{
    Module& module = open.Current();
    auto* longPage = new DashBoardPage;
    longPage->SetName(CString(std::string(240, 'p').c_str()));
    module.AddDashBoardPage(longPage, false);
    auto* shortPage = new DashBoardPage;
    shortPage->SetName("Sales");
    module.AddDashBoardPage(shortPage, false);
    DashBoardPage* own = module.FindDashBoardPageByName(Module::DashboardNameOf(module.GetName()));
    ASSERT_NE(own, nullptr);
    for (const auto& [page, enabled] :
         {std::pair{longPage, true}, std::pair{shortPage, false}, std::pair{own, false}})
    {
        designer.LoadDashBoardPage(page);
        EXPECT_EQ(designer.States().IsEnabled(DashBoardPageDesigner::IDC_NAME), enabled)
            << page->GetFormName();
    }
}
} // namespace
