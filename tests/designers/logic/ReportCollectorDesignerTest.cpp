#include "designers/logic/ReportCollectorDesigner.h"
#include "entities/Variable.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "tests/designers/logic/DesignerTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace
{

struct CollectorDesignerFixture
{
    CollectorDesignerFixture() : designer(fixture.project, host, host)
    {
        designer.LoadReportCollector(nullptr);
    }

    // A stored report with a filter on each named field ("table.field").
    ApplicationReport* Report(const char* name, const std::vector<std::string>& filters)
    {
        ApplicationReport* report = fixture.AddReport(name, fixture.listBooks);
        for (const std::string& filter : filters)
        {
            const std::size_t dot = filter.find('.');
            const Table* table = filter.substr(0, dot) == "book" ? fixture.book : fixture.publisher;
            auto* control =
                new FieldRep(ReportProject::FieldOf(table, filter.substr(dot + 1).c_str()));
            control->SetFieldRepData(new FieldRepData);
            report->GetReportGroups().front()->AddFilter(control);
        }
        return report;
    }
    void Add(const char* name)
    {
        SelectItem(designer.States(), ReportCollectorDesigner::IDC_REPORT, name);
        designer.AddReport();
    }

    ReportProject fixture;
    RecordingDesignerHost host;
    ReportCollectorDesigner designer;
};

TEST(ReportCollectorDesignerTest, ANewCollectorAndItsReportsStartWithTheDefaults)
{
    CollectorDesignerFixture d;
    d.Report("Sales", {"book.title"});
    d.designer.LoadReportCollector(nullptr);
    const ReportCollector* collector = d.designer.GetCollector();
    EXPECT_EQ("ReportCollector1", d.designer.States().GetText(ReportCollectorDesigner::IDC_NAME));
    EXPECT_EQ("2", d.designer.States().GetText(ReportCollectorDesigner::IDC_NUM_COLUMNS));
    EXPECT_FALSE(d.designer.States().IsChecked(ReportCollectorDesigner::IDC_FILTERS_ON));
    ScriptedMessageBoxes boxes;
    d.Add("Sales");
    EXPECT_EQ(-1, d.designer.States().GetSelection(ReportCollectorDesigner::IDC_REPORT));
    d.Add("Sales");
    EXPECT_EQ(std::vector<std::string>{"Report aleady present"}, boxes.ShownTexts());
    ASSERT_EQ(1u, d.designer.GetEntryRows().size());
    EXPECT_EQ((std::vector<CString>{"Sales", "250", "450"}), d.designer.GetEntryRows()[0].cells);
    // One report has all its filters in common.
    EXPECT_TRUE(d.designer.AreFiltersOn());
    EXPECT_EQ((std::vector<CString>{"title"}), Cells(d.designer.GetCommonFieldRows()));

    d.designer.ClickEntryRow(0);
    EXPECT_EQ("Sales", d.designer.States().GetText(ReportCollectorDesigner::IDC_ENTRY_NAME));
    EXPECT_TRUE(d.designer.States().IsEnabled(ReportCollectorDesigner::IDC_HEIGHT));
    d.designer.States().SetText(ReportCollectorDesigner::IDC_HEIGHT, "300");
    d.designer.States().SetText(ReportCollectorDesigner::IDC_WIDTH, "500");
    d.designer.Update();
    EXPECT_EQ((std::vector<CString>{"Sales", "300", "500"}), d.designer.GetEntryRows()[0].cells);
    EXPECT_EQ("200", d.designer.States().GetText(ReportCollectorDesigner::IDC_HEIGHT));
    EXPECT_EQ("400", d.designer.States().GetText(ReportCollectorDesigner::IDC_WIDTH));
    EXPECT_FALSE(d.designer.States().IsEnabled(ReportCollectorDesigner::IDC_WIDTH));

    for (const auto& [typed, stored] : {std::pair{"3", 3}, {"x3", 0}, {"", 0}, {"12", 12}})
    {
        d.designer.States().SetText(ReportCollectorDesigner::IDC_NUM_COLUMNS, typed);
        d.designer.ColumnCountChanged();
        EXPECT_EQ(stored, collector->GetNumColumns()) << typed;
    }
}

TEST(ReportCollectorDesignerTest, ANewCollectorTakesTheLowestNumberNoCollectorHas)
{
    CollectorDesignerFixture d;
    Module& module = *d.fixture.project.GetCurrentModule();
    for (const char* taken : {"ReportCollector1", "reportcollector2", "ReportCollector4"})
    {
        auto* stored = new ReportCollector;
        stored->SetName(taken);
        module.Append(stored);
    }
    d.designer.LoadReportCollector(nullptr);
    EXPECT_EQ("ReportCollector3", d.designer.States().GetText(ReportCollectorDesigner::IDC_NAME));
}

TEST(ReportCollectorDesignerTest, OnlyASecondReportCanLeaveNoCommonField)
{
    CollectorDesignerFixture d;
    d.Report("Plain", {});
    d.Report("Sales", {"book.title"});
    d.designer.LoadReportCollector(nullptr);
    ScriptedMessageBoxes boxes;
    d.Add("Plain");
    EXPECT_EQ(boxes.ShownTexts(), std::vector<std::string>{});
    EXPECT_FALSE(d.designer.AreFiltersOn());
    d.Add("Sales");
    EXPECT_EQ(boxes.ShownTexts(),
              std::vector<std::string>{"There are no common fields in above reports. Filters "
                                       "can not be assigned."});
}

TEST(ReportCollectorDesignerTest, CommonFieldsMatchTheSameFieldOrAKeyAndItsForeignKey)
{
    struct Case
    {
        const char* title;
        std::vector<std::vector<std::string>> reports;
        std::vector<CString> common;
    };
    const Case cases[] = {
        {"same field", {{"book.title", "book.id"}, {"book.id"}}, {"id"}},
        {"key then foreign key", {{"publisher.id"}, {"book.publisher_id"}}, {"id"}},
        {"foreign key then key", {{"book.publisher_id"}, {"publisher.id"}}, {"publisher_id"}},
        {"two keys never", {{"book.id"}, {"publisher.id"}}, {}},
        {"two other fields never", {{"book.title"}, {"publisher.name"}}, {}},
        {"every report must have it",
         {{"book.title", "book.id"}, {"book.id", "book.title"}, {"book.title"}},
         {"title"}},
    };
    for (const Case& c : cases)
    {
        CollectorDesignerFixture d;
        for (std::size_t i = 0; i < c.reports.size(); ++i)
            d.Report(("R" + std::to_string(i)).c_str(), c.reports[i]);
        d.designer.LoadReportCollector(nullptr);
        ScriptedMessageBoxes boxes;
        for (std::size_t i = 0; i < c.reports.size(); ++i)
            d.Add(("R" + std::to_string(i)).c_str());
        EXPECT_EQ(c.common, Cells(d.designer.GetCommonFieldRows())) << c.title;
        EXPECT_EQ(!c.common.empty(), d.designer.AreFiltersOn()) << c.title;
        const std::vector<std::string> texts = boxes.ShownTexts();
        EXPECT_EQ(c.common.empty(), !texts.empty() && texts.back() ==
                                                          "There are no common fields in above "
                                                          "reports. Filters can not be assigned.")
            << c.title;
    }
}

TEST(ReportCollectorDesignerTest, FiltersAreMadeOncePerFieldAndGoWheneverTheFlagEndsOff)
{
    CollectorDesignerFixture d;
    d.Report("Sales", {"book.title", "book.id"});
    d.Report("Stock", {"book.id", "book.title"});
    d.designer.LoadReportCollector(nullptr);
    d.Add("Sales");
    d.Add("Stock");
    ReportCollector* collector = d.designer.GetCollector();
    d.designer.SelectCommonFieldRow(0);
    d.designer.AddFilter();
    d.designer.SelectCommonFieldRow(0);
    d.designer.AddFilter();
    d.designer.SelectCommonFieldRow(1);
    d.designer.AddFilter();
    EXPECT_EQ((std::vector<CString>{"title", "id"}), Cells(d.designer.GetFilterRows()));
    Variable* variable = collector->FindVariableByName("title");
    ASSERT_NE(nullptr, variable);
    EXPECT_EQ(Variable::pageKind, variable->GetKind());
    EXPECT_EQ(ReportProject::FieldOf(d.fixture.book, "title"),
              collector->GetMappedFieldOfVariable(variable));
    EXPECT_EQ(2u, collector->GetFieldVariableMaps().size());

    // A filter deleted can be made again.
    d.designer.SelectFilterRow(0);
    d.designer.DeleteFilter();
    EXPECT_EQ((std::vector<CString>{"id"}), Cells(d.designer.GetFilterRows()));
    EXPECT_EQ(nullptr, collector->FindVariableByName("title"));
    d.designer.SelectCommonFieldRow(0);
    d.designer.AddFilter();
    EXPECT_EQ(2u, d.designer.GetFilterRows().size());

    // Turning the flag off deletes the filters; on again shows the common fields.
    ScriptedMessageBoxes boxes;
    d.designer.ToggleFilters();
    EXPECT_TRUE(collector->GetFieldReps().empty());
    EXPECT_TRUE(collector->GetFieldVariableMaps().empty());
    EXPECT_TRUE(d.designer.GetCommonFieldRows().empty());
    d.designer.ToggleFilters();
    EXPECT_EQ(2u, d.designer.GetCommonFieldRows().size());
    d.designer.SelectCommonFieldRow(1);
    d.designer.AddFilter();

    // Removing a report asks; removing the last one turns the filters off.
    d.host.warningAnswer = false;
    d.designer.ClickEntryRow(0);
    d.designer.DeleteEntry();
    EXPECT_EQ(2u, collector->GetEntries().size());
    d.host.warningAnswer = true;
    d.designer.ClickEntryRow(0);
    d.designer.DeleteEntry();
    EXPECT_EQ(1u, collector->GetFieldReps().size());
    d.designer.ClickEntryRow(0);
    d.designer.DeleteEntry();
    EXPECT_FALSE(d.designer.AreFiltersOn());
    EXPECT_TRUE(collector->GetFieldReps().empty());
    EXPECT_EQ("warning Do you want to remove the report \"Stock\"?", d.host.calls.back());
    EXPECT_EQ(std::vector<std::string>{"Please select reports before defining filters."},
              boxes.ShownTexts());
}

TEST(ReportCollectorDesignerTest, AddCollectorRefusesAnotherOfTheNameButNotItself)
{
    CollectorDesignerFixture d;
    d.designer.States().SetText(ReportCollectorDesigner::IDC_NAME, "Board");
    d.designer.AddCollector();
    ASSERT_EQ(1u, d.fixture.Current().GetReportCollectors().size());
    ReportCollector* board = d.fixture.Current().GetReportCollectors().front();
    EXPECT_EQ("collector item BaseModule Board", d.host.calls.back());
    EXPECT_TRUE(d.designer.IsNew());

    // A name with a line break, or with a special character, which no file or script named after
    // the collector may hold, is refused when the box is left and at Add Collector.
    for (const auto& [name, shown] :
         {std::pair{"Bo\nard", "\"Bo\\x0Aard\" cannot be taken: it holds "
                               "control"},
          std::pair{"Bo/ard", "\"Bo/ard\" cannot be taken: it holds "
                              "special"}})
    {
        ScriptedMessageBoxes refused;
        d.designer.States().SetText(ReportCollectorDesigner::IDC_NAME, name);
        d.designer.NameLostFocus();
        d.designer.AddCollector();
        EXPECT_EQ(std::vector<std::string>(2, std::string("The name ") + shown +
                                                  " characters.\nPlease enter another name."),
                  refused.ShownTexts());
        EXPECT_EQ("Board", board->GetFormName());
    }
    ScriptedMessageBoxes boxes;
    d.designer.States().SetText(ReportCollectorDesigner::IDC_NAME, "Board");
    d.designer.AddCollector();
    EXPECT_EQ(std::vector<std::string>{"ReportColector already exists. Please check the name."},
              boxes.ShownTexts());
    EXPECT_EQ(1u, d.fixture.Current().GetReportCollectors().size());

    // The stored collector is stored again under its own name.
    d.designer.LoadReportCollector(board);
    d.designer.States().SetText(ReportCollectorDesigner::IDC_NUM_COLUMNS, "3");
    d.designer.AddCollector();
    EXPECT_EQ(1u, boxes.ShownTexts().size());
    EXPECT_EQ(3, board->GetNumColumns());
    EXPECT_EQ("page item Board", d.host.calls.back());
    EXPECT_EQ(1u, d.fixture.Current().GetReportCollectors().size());

    d.designer.LoadReportCollector(board);
    d.designer.States().SetText(ReportCollectorDesigner::IDC_NAME, "Panel");
    d.designer.NameLostFocus();
    EXPECT_EQ("Panel", board->GetFormName());
    EXPECT_EQ("page item Panel", d.host.calls.back());
}
} // namespace

TEST(ReportCollectorDesignerTest, ASizeTypedAndNotUpdatedIsAskedAboutBeforeAddCollectorOrAnotherRow)
{
    const struct
    {
        int answer;
        bool added;
        CString height;
    } cases[] = {{IDCANCEL, false, "250"}, {IDNO, true, "250"}, {IDYES, true, "300"}};
    for (const auto& each : cases)
    {
        SCOPED_TRACE(each.answer);
        CollectorDesignerFixture d;
        d.Report("Sales", {"book.title"});
        d.designer.LoadReportCollector(nullptr);
        d.Add("Sales");
        ReportCollector* collector = d.designer.GetCollector();
        d.designer.ClickEntryRow(0);
        d.designer.States().SetText(ReportCollectorDesigner::IDC_HEIGHT, "300");
        ScriptedMessageBoxes boxes{each.answer};
        d.designer.AddCollector();
        EXPECT_EQ(std::vector<std::string>{"The size of the report \"Sales\" has not been "
                                           "updated. Update it?"},
                  boxes.ShownTexts());
        EXPECT_EQ(each.added, d.designer.GetCollector() != collector);
        EXPECT_EQ(each.height, collector->GetEntries().front().m_height == 300 ? "300" : "250");
    }
}
