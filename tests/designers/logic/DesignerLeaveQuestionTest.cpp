#include "designers/logic/DashBoardDesigner.h"
#include "designers/logic/DashBoardPageDesigner.h"
#include "designers/logic/MultiPageReportDesigner.h"
#include "designers/logic/RDLCReportDesigner.h"
#include "designers/logic/ReportCollectorDesigner.h"
#include "designers/logic/ReportDesigner.h"
#include "entities/DashBoardPage.h"
#include "entities/MultiPageReport.h"
#include "entities/ReportCollector.h"
#include "tests/designers/logic/DashBoardTestSupport.h"
#include "tests/designers/logic/DesignerTestSupport.h"
#include "tests/designers/logic/RDLCFixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace
{
// The report fixture's project open, with the hosts of every designer.
struct DesignerDesk
{
    ReportProject report;
    ScopedOpenProject open{&report.project};
    RecordingDesignerHost host;
    FakeDashBoardHost dash;
    RecordingRDLCHost rdlc{report.project};
    // The designers of the case, alive until the case ends.
    std::vector<std::shared_ptr<PaneEditor>> designers;

    Module& Current() { return report.Current(); }
    template <class Designer, class... Hosts> Designer& Make(Hosts&... hosts)
    {
        auto designer = std::make_shared<Designer>(report.project, hosts...);
        designers.push_back(designer);
        return *designer;
    }
};

struct DesignerCase
{
    const char* what;
    // Loads the page and types into it; the designer asked.
    std::function<PaneEditor&(DesignerDesk&)> edit;
    std::string question;
    // Yes stores it; otherwise OK's check refuses and the designer stays.
    bool yesStores;
    // The project holds what was typed.
    std::function<bool(DesignerDesk&)> holds;
};
} // namespace

TEST(DesignerLeaveQuestionTest, EveryDesignerAsksBeforeItLetsGoOfWhatWasTypedOrMade)
{
    const DesignerCase cases[] = {
        {"a header typed for a stored dashboard",
         [](DesignerDesk& d) -> PaneEditor&
         {
             auto& designer = d.Make<DashBoardDesigner>(d.host, d.dash);
             designer.LoadDashBoard(d.Current().GetDashBoards().front());
             designer.States().SetText(DashBoardDesigner::IDC_HEADER, "Board");
             return designer;
         },
         "The dashboard \"BaseModule_Dashboard\" has not been updated. Update it?", true,
         [](DesignerDesk& d)
         { return d.Current().GetDashBoards().front()->GetHeader() == "Board"; }},
        {"a header typed for a stored dashboard page",
         [](DesignerDesk& d) -> PaneEditor&
         {
             auto& designer = d.Make<DashBoardPageDesigner>(d.host, d.dash);
             designer.LoadDashBoardPage(d.Current().GetDashBoardPages().front());
             designer.States().SetText(DashBoardPageDesigner::IDC_HEADER, "Overview");
             return designer;
         },
         "The dashboard page \"BaseModule_Dashboard\" has not been updated. Update it?", true,
         [](DesignerDesk& d)
         { return d.Current().GetDashBoardPages().front()->GetHeader() == "Overview"; }},
        {"a new search report named, with a header and a kind",
         [](DesignerDesk& d) -> PaneEditor&
         {
             auto& designer = d.Make<ReportDesigner>(d.host, d.host);
             designer.LoadReport(nullptr);
             designer.States().SetText(ReportDesigner::IDC_NAME, "Sales");
             designer.States().SetText(ReportDesigner::IDC_HEADER, "Sales");
             designer.ChooseKind(1);
             return designer;
         },
         "The search report \"Sales\" has not been added. Add it?", false,
         [](DesignerDesk& d) { return d.Current().FindReportByName("Sales") != nullptr; }},
        {"a new RDLC report named",
         [](DesignerDesk& d) -> PaneEditor&
         {
             auto& designer = d.Make<RDLCReportDesigner>(d.rdlc);
             designer.Load(nullptr);
             designer.States().SetText(RDLCReportDesigner::IDC_NAME, "Sales");
             designer.States().SetText(RDLCReportDesigner::IDC_HEADER, "Sales");
             return designer;
         },
         "The report \"Sales\" has not been added. Add it?", false,
         [](DesignerDesk& d) { return d.Current().FindRDLCReportByName("Sales") != nullptr; }},
        {"a new multi-page report named",
         [](DesignerDesk& d) -> PaneEditor&
         {
             auto& designer = d.Make<MultiPageReportDesigner>(d.host);
             designer.LoadReport(nullptr);
             designer.States().SetText(MultiPageReportDesigner::IDC_NAME, "Overview");
             return designer;
         },
         "The multi-page report \"Overview\" has not been added. Add it?", true,
         [](DesignerDesk& d)
         {
             return !d.Current().GetMultiPageReports().empty() &&
                    d.Current().GetMultiPageReports().front()->GetFormName() == "Overview";
         }},
        {"a new report collector named",
         [](DesignerDesk& d) -> PaneEditor&
         {
             auto& designer = d.Make<ReportCollectorDesigner>(d.host, d.host);
             designer.LoadReportCollector(nullptr);
             designer.States().SetText(ReportCollectorDesigner::IDC_NAME, "Desk");
             return designer;
         },
         "The report collector \"Desk\" has not been added. Add it?", true,
         [](DesignerDesk& d) { return d.Current().FindReportCollectorByName("Desk") != nullptr; }},
    };
    for (const int answer : {IDCANCEL, IDNO, IDYES})
        for (const DesignerCase& each : cases)
        {
            SCOPED_TRACE(each.what);
            SCOPED_TRACE(answer);
            DesignerDesk desk;
            PaneEditor& designer = each.edit(desk);
            const bool stores = answer == IDYES && each.yesStores;
            {
                ScriptedMessageBoxes boxes{answer};
                EXPECT_EQ(answer == IDNO || stores, designer.MayLeave());
                ASSERT_FALSE(boxes.Shown().empty());
                EXPECT_EQ(each.question, boxes.Shown().front().text);
                // A refusing check says why after the question.
                EXPECT_EQ(answer == IDYES && !stores ? 2u : 1u, boxes.Shown().size());
                EXPECT_EQ(stores, each.holds(desk));
            }
            // What the answer let go of leaves nothing to ask about; what it kept is asked
            // about again.
            EXPECT_EQ(answer == IDCANCEL || (answer == IDYES && !stores), designer.HasChanges());
        }
}
