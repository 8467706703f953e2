#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardCellInfo.h"
#include "entities/Form.h"
#include "entities/Grid.h"
#include "entities/GridCell.h"
#include "entities/MapForm.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "entities/ReportField.h"
#include "entities/ReportGroup.h"
#include "entities/TableAdapter.h"
#include "entities/Transaction.h"
#include "entities/XSDInfo.h"
#include "model/EntityUsageSet.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/FieldVisibility.h"
#include "model/VisibilityData.h"
#include "tests/model/DeletionFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// A customer table with a select procedure P showing the name column and a second procedure Q
// on the same table; pages are added by the tests.
class ModuleChecksUsageTest : public DeletionFixture
{
protected:
    ModuleChecksUsageTest()
    {
        TheProjectDiagnostics().ClearAll();
        m_customer = NewTable("customer", Table::masterKind, {"name", "region"});
        m_name = m_customer->FindFieldByName("name");
        m_region = m_customer->FindFieldByName("region");
        m_module->AppendMasterTable(m_customer);
        m_selectAll = NewProcedure("PRC_customer_SelectAll");
        m_column = new ProcedureFieldInfo(m_name, ProcedureFieldInfo::noAggregate);
        m_selectAll->AddOutputColumn(m_column);
        m_other = NewProcedure("PRC_customer_Other");
    }

    Procedure* NewProcedure(const char* name)
    {
        auto* procedure = new Procedure;
        procedure->SetName(name);
        procedure->SetMainTable(m_customer);
        m_module->Append(procedure);
        return procedure;
    }

    static ProcedureInvokation* CallOf(Procedure* procedure)
    {
        auto* call = new ProcedureInvokation;
        call->SetProcedure(procedure);
        return call;
    }

    // A lookup control of the region whose data procedure calls the procedure and shows the
    // field as front field.
    FieldRep* AddLookup(FormInterface* page, Procedure* procedure, Field* front)
    {
        auto* control = new FieldRep(m_region);
        auto* data = new FieldRepData;
        data->SetControlKind(FieldRepData::ComboBox);
        if (procedure != nullptr)
            data->SetDataProcedure(CallOf(procedure));
        data->SetFrontField(front);
        control->AttachFieldRepData(data);
        page->AddFieldRep(control);
        return control;
    }

    // A visibility rule of a page file of the page that reads the column through the procedure.
    AspFile* AddVisibilityRule(FormInterface* page, Procedure* procedure)
    {
        AspFile* file = AddPageFile(page);
        auto* visibility = new FieldVisibility(m_region);
        auto* data = new VisibilityData;
        data->SetDataProcedure(CallOf(procedure));
        data->SetResultField(m_column);
        visibility->SetVisibilityData(data);
        file->AddFieldVisibility(visibility);
        return file;
    }

    // A report whose group calls the procedure, with a column bound to the output column.
    ApplicationReport* AddReportShowingColumn(const char* name, Procedure* procedure)
    {
        auto* report = NewPage<ApplicationReport>(name);
        auto* group = new ReportGroup;
        group->SetProcedureCall(CallOf(procedure));
        group->AddReportField(new ReportField(m_column));
        report->AddReportGroup(group);
        m_module->Append(report);
        return report;
    }

    ApplicationReport* AddReportFilteringOn(const char* name, Field* field)
    {
        auto* report = NewPage<ApplicationReport>(name);
        auto* group = new ReportGroup;
        report->AddReportGroup(group);
        auto* filter = new FieldRep(field);
        filter->AttachFieldRepData(new FieldRepData);
        group->AddFilter(filter);
        m_module->Append(report);
        return report;
    }

    DashBoard* AddDashBoardShowingColumn(const char* name)
    {
        auto* dashBoard = NewPage<DashBoard>(name);
        auto* grid = new Grid(1, 1);
        auto* cell = new DashBoardCellInfo(false);
        cell->AddDisplayField(m_column, "Name");
        grid->GetRows().front().front()->SetCellData(cell, GridCell::kDashBoardCellInfo);
        dashBoard->SetGrid(grid);
        m_module->Append(dashBoard);
        return dashBoard;
    }

    static std::vector<std::string> Errors()
    {
        std::vector<std::string> errors;
        for (const CString& error : TheProjectDiagnostics().GetErrors())
            errors.emplace_back(error.str());
        return errors;
    }

    static EntityUsageSet& CurrentSet() { return TheProjectDiagnostics().GetCurrentUsageSet(); }

    Table* m_customer = nullptr;
    Field* m_name = nullptr;
    Field* m_region = nullptr;
    Procedure* m_selectAll = nullptr;
    ProcedureFieldInfo* m_column = nullptr;
    Procedure* m_other = nullptr;
};

const std::string used = "Procedure Field is used in ";
} // namespace

TEST_F(ModuleChecksUsageTest, ColumnUsedByAControlAndAVisibilityRuleOfAFormGivesTwoTexts)
{
    Form* form = NewForm("Customers", m_customer);
    m_module->Append(form);
    AddLookup(form, m_selectAll, m_name);
    AddVisibilityRule(form, m_selectAll);

    m_module->CheckProcedureFieldUse(m_selectAll, m_column);
    EXPECT_EQ((std::vector<std::string>{used + "Customers", used + "Customers as VisibilityData"}),
              Errors());
    EXPECT_EQ((std::vector<Form*>{form}), CurrentSet().GetForms());
}

TEST_F(ModuleChecksUsageTest, ColumnUsesAreSoughtInEveryPageKindInTheirOrder)
{
    // Appended in the reverse of the expected order.
    AddReportFilteringOn("FilteredReport", m_name);
    ApplicationReport* showing = AddReportShowingColumn("ShowingReport", m_selectAll);
    AddReportShowingColumn("OtherReport", m_other);
    DashBoard* board = AddDashBoardShowingColumn("Board");
    auto* orders = NewPage<Transaction>("Orders");
    m_module->Append(orders);
    AddLookup(orders, m_other, m_name);
    AddVisibilityRule(orders, m_selectAll);
    auto* links = NewPage<MapForm>("Links");
    links->SetMappingTable(m_customer);
    m_module->Append(links);
    AddLookup(links, m_selectAll, m_name);
    AddVisibilityRule(links, m_selectAll);
    Form* form = NewForm("Customers", m_customer);
    m_module->Append(form);
    AddLookup(form, m_selectAll, m_region);

    m_module->CheckProcedureFieldUse(m_selectAll, m_column);
    EXPECT_EQ(
        (std::vector<std::string>{used + "Links", used + "Orders as VisibilityData", used + "Board",
                                  used + "FilteredReport", used + "ShowingReport"}),
        Errors());
    EXPECT_TRUE(CurrentSet().GetForms().empty());
    EXPECT_TRUE(CurrentSet().GetTransactions().empty());
    EXPECT_EQ((std::vector<MapForm*>{links}), CurrentSet().GetMapForms());
    EXPECT_EQ((std::vector<DashBoard*>{board}), CurrentSet().GetDashBoards());
    ASSERT_EQ(2u, CurrentSet().GetReports().size());
    EXPECT_EQ(showing, CurrentSet().GetReports()[1]);
}

TEST_F(ModuleChecksUsageTest, RemovingColumnUsesClearsWhatTheCheckFindsExceptDashboards)
{
    Form* form = NewForm("Customers", m_customer);
    m_module->Append(form);
    FieldRep* formLookup = AddLookup(form, m_selectAll, m_name);
    AspFile* formFile = AddVisibilityRule(form, m_selectAll);
    auto* links = NewPage<MapForm>("Links");
    links->SetMappingTable(m_customer);
    m_module->Append(links);
    FieldRep* mapLookup = AddLookup(links, m_selectAll, m_name);
    AspFile* mapFile = AddVisibilityRule(links, m_selectAll);
    auto* orders = NewPage<Transaction>("Orders");
    m_module->Append(orders);
    FieldRep* otherLookup = AddLookup(orders, m_other, m_name);
    ApplicationReport* filtered = AddReportFilteringOn("FilteredReport", m_name);
    ApplicationReport* showing = AddReportShowingColumn("ShowingReport", m_selectAll);
    ApplicationReport* other = AddReportShowingColumn("OtherReport", m_other);
    AddDashBoardShowingColumn("Board");

    m_module->RemoveProcedureFieldUse(m_selectAll, m_column);
    EXPECT_EQ(nullptr, formLookup->GetFieldRepData()->GetFrontField());
    EXPECT_TRUE(formFile->GetFieldVisibilities().empty());
    EXPECT_EQ(nullptr, mapLookup->GetFieldRepData()->GetFrontField());
    EXPECT_EQ(1u, mapFile->GetFieldVisibilities().size());
    EXPECT_EQ(m_name, otherLookup->GetFieldRepData()->GetFrontField());
    EXPECT_TRUE(filtered->GetReportGroups().front()->GetFilters().empty());
    EXPECT_TRUE(showing->GetReportGroups().front()->GetReportFields().empty());
    EXPECT_EQ(1u, other->GetReportGroups().front()->GetReportFields().size());
    EXPECT_TRUE(Errors().empty());

    m_module->CheckProcedureFieldUse(m_selectAll, m_column);
    EXPECT_EQ((std::vector<std::string>{used + "Board"}), Errors());
}

TEST_F(ModuleChecksUsageTest, FunctionFieldIsSoughtInFormsTransactionsAndReportFiltersOnly)
{
    AddReportFilteringOn("FilteredReport", m_name);
    AddReportFilteringOn("RegionReport", m_region);
    auto* links = NewPage<MapForm>("Links");
    links->SetMappingTable(m_customer);
    m_module->Append(links);
    AddLookup(links, nullptr, m_name);
    auto* orders = NewPage<Transaction>("Orders");
    m_module->Append(orders);
    AddLookup(orders, nullptr, nullptr)->GetFieldRepData()->SetBackField(m_name);
    Form* form = NewForm("Customers", m_customer);
    m_module->Append(form);
    AddLookup(form, nullptr, m_name);
    AddDashBoardShowingColumn("Board");

    m_module->CheckFunctionFieldUse(nullptr, m_name);
    const std::string text = "Function Field is used in ";
    EXPECT_EQ(
        (std::vector<std::string>{text + "Customers", text + "Orders", text + "FilteredReport"}),
        Errors());
    EXPECT_EQ((std::vector<Form*>{form}), CurrentSet().GetForms());
    EXPECT_EQ((std::vector<Transaction*>{orders}), CurrentSet().GetTransactions());
    EXPECT_EQ(1u, CurrentSet().GetReports().size());
    EXPECT_TRUE(CurrentSet().GetMapForms().empty());
}

TEST_F(ModuleChecksUsageTest, AUsedReportDescriptionIsReportedAndDroppedByItsUsersOnly)
{
    RDLCInfo used;
    used.SetName("BaseModule\\Printout.rdlc");
    RDLCInfo unused;
    unused.SetName("BaseModule\\Other.rdlc");
    auto* printout = NewPage<RDLCReport>("Printout");
    printout->SetRDLCInfo(&used);
    m_module->Append(printout);

    EXPECT_TRUE(m_module->CanDeleteRDLCInfo(&unused));
    EXPECT_FALSE(DumpWritten());
    EXPECT_EQ(&used, printout->GetRDLCInfo());

    EXPECT_TRUE(m_module->CanDeleteRDLCInfo(&used));
    EXPECT_EQ(0u, DumpText().find("Can not delete BaseModule\\Printout.rdlc. It is used in "
                                  "following objects!"));
    EXPECT_NE(std::string::npos, DumpText().find("Printout"));
    EXPECT_EQ(nullptr, printout->GetRDLCInfo());
}

TEST_F(ModuleChecksUsageTest, AUsedDatasetDescriptionLeavesTheReportsThatMapItsAdapters)
{
    XSDInfo dataset;
    dataset.SetFilePath("BaseModule\\Printout.xsd");
    auto* adapter = new TableAdapter;
    adapter->SetName("customerTableAdapter");
    dataset.AddTableAdapter(adapter);
    auto* printout = NewPage<RDLCReport>("Printout");
    printout->SetXSDInfo(&dataset);
    printout->AddTableAdapterMap(TableAdapterMap{adapter, {ColumnFieldPair{"name", m_name}}});
    m_module->Append(printout);

    EXPECT_TRUE(m_module->CanDeleteXSDInfo(&dataset));
    EXPECT_EQ(0u, DumpText().find("Can not delete BaseModule\\Printout.xsd."));
    EXPECT_TRUE(printout->GetTableAdapterMaps().empty());
    EXPECT_EQ(nullptr, printout->GetXSDInfo());
}
