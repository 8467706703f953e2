#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/Form.h"
#include "entities/Function.h"
#include "entities/Variable.h"
#include "model/EntityUsageSet.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ListAccess.h"
#include "model/ReferenceList.h"
#include "tests/entities/PageFileKinds.h"
#include "tests/entities/PageOperationsSupport.h"
#include "tests/support/ListedRelease.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace
{

// The form "Orders" over the table "orders", with the report "Sales" whose variables are
// report variables (kind 1) mapped to its own fields.
class FormOperationsTest : public OrdersPageTest<Form>
{
protected:
    FormOperationsTest()
    {
        m_page.SetTable(&m_table);
        m_report.SetName("Sales");
    }

    // A report variable of the report, mapped to a field of its own.
    Variable* AddReportVariable(const char* name)
    {
        Variable* variable = NewVariable(name, Variable::pageKind);
        m_report.AddFieldVariableMap(
            new FieldVariableMap{NewField(name, &m_reportTable), variable});
        return variable;
    }

    // A map of a report variable to a new page variable of the name; the page owns it.
    ReportVariableMap* MapToPageVariable(Variable* reportVariable, const char* pageName)
    {
        Variable* pageVariable = NewVariable(pageName);
        m_page.AddFieldVariableMap(new FieldVariableMap{nullptr, pageVariable});
        auto* map = new ReportVariableMap{reportVariable, pageVariable};
        m_page.AddReportVariableMap(map);
        return map;
    }

    Table m_reportTable;
    ApplicationReport m_report;
};

TEST_F(FormOperationsTest, ClassicPagesAddOnlyTheMissingKindsAndTheReportKindsWithAReport)
{
    m_page.CreateDefaultAspFiles(0);
    EXPECT_EQ((std::vector<int>{1, 2, 3, 4}), FileKindsOf(m_page));

    Form withReport;
    withReport.SetReport(&m_report);
    withReport.CreateAspFile(1, 0);
    withReport.CreateAspFile(5, 0);
    withReport.CreateDefaultAspFiles(0);
    withReport.CreateDefaultAspFiles(0);
    EXPECT_EQ((std::vector<int>{1, 5, 2, 3, 4, 6, 7, 8}), FileKindsOf(withReport));
    for (const AspFile* file : withReport.GetAspFiles())
    {
        EXPECT_EQ(0, file->GetOwnerKind());
        EXPECT_EQ(&withReport, file->GetOwnerPage());
    }
}

TEST_F(FormOperationsTest, AspNetPagesGetKindsFiveAndSevenOnceAndOtherModesNothing)
{
    m_page.CreateAspFile(7, 0);

    m_page.CreateDefaultAspFiles(1);
    m_page.CreateDefaultAspFiles(2);
    m_page.CreateDefaultAspFiles(-1);

    EXPECT_EQ((std::vector<int>{7, 5}), FileKindsOf(m_page));
}

TEST_F(FormOperationsTest, FormWithoutTableIsReportedInvalidAndNothingElseIsChecked)
{
    m_page.SetTable(nullptr);
    m_page.SetReport(&m_report);
    AddReportVariable("FromDate");

    m_page.Validate();

    EXPECT_EQ((std::vector<CString>{"Invalid Form!\n\t - Orders"}), Errors());
}

TEST_F(FormOperationsTest, MoreReportVariablesThanMapsAreReportedUnmappedNullMapsCount)
{
    m_page.SetReport(&m_report);
    MapToPageVariable(AddReportVariable("FromDate"), "From_Var");
    MapToPageVariable(AddReportVariable("ToDate"), "To_Var");
    AddReportVariable("Region");
    m_report.AddFieldVariableMap(new FieldVariableMap{nullptr, NewVariable("Hidden", 0)});
    m_page.Validate();
    EXPECT_EQ((std::vector<CString>{"Report variables are not mapped!\n\t - Orders - "}), Errors());

    TheProjectDiagnostics().ClearAll();
    m_page.AddReportVariableMap(nullptr);
    m_page.Validate();
    EXPECT_TRUE(Errors().empty());
}

TEST_F(FormOperationsTest, ReportVariableMapsAnswerByPageVariableNameAndRemovalLeavesNullEntries)
{
    Variable* fromDate = AddReportVariable("FromDate");
    Variable* toDate = AddReportVariable("ToDate");
    ReportVariableMap* first = MapToPageVariable(fromDate, "From_Var");
    ReportVariableMap* second = MapToPageVariable(toDate, "To_Var");

    EXPECT_EQ(first, m_page.GetReportVariableMapAt(0));
    EXPECT_TRUE(m_page.IsReportVariableMapped("To_Var"));
    EXPECT_FALSE(m_page.IsReportVariableMapped("To"));
    EXPECT_FALSE(m_page.IsReportVariableMapped("FromDate"));

    m_page.RemoveReportVariableMapsOf(second->pageVariable);
    m_page.RemoveReportVariableMapsOf(fromDate);
    m_page.RemoveReportVariableMapsOf(nullptr);

    EXPECT_EQ((std::vector<ReportVariableMap*>{nullptr, nullptr}), m_page.GetReportVariableMaps());
    EXPECT_FALSE(m_page.IsReportVariableMapped("To_Var"));
}

TEST_F(FormOperationsTest, ControlIsMappedWhenAPageVariableNameContainsItsNameWithUnderscores)
{
    MapToPageVariable(AddReportVariable("FromDate"), "Orders_Price_Var");
    MapToPageVariable(AddReportVariable("ToDate"), "Due_Date_Var");
    m_page.AddReportVariableMap(nullptr);
    FieldRep* price = AddControl(m_page, m_price);
    FieldRep* dueDate = AddControl(m_page, nullptr);
    dueDate->GetFieldRepData()->SetCaption("Due Date");
    FieldRep* key = AddControl(m_page, m_key);
    FieldRep* bare = AddControl(m_page, nullptr);

    EXPECT_TRUE(m_page.IsFieldRepMappedToReportVariable(price));
    EXPECT_TRUE(m_page.IsFieldRepMappedToReportVariable(dueDate));
    EXPECT_FALSE(m_page.IsFieldRepMappedToReportVariable(key));
    EXPECT_FALSE(m_page.IsFieldRepMappedToReportVariable(bare));
    EXPECT_FALSE(m_page.IsFieldRepMappedToReportVariable(nullptr));
}

TEST_F(FormOperationsTest, ReportVariableUsageNamesThePageWithoutLineBreak)
{
    Variable* fromDate = AddReportVariable("FromDate");
    ReportVariableMap* map = MapToPageVariable(fromDate, "From_Var");
    CString list;

    m_page.CollectReportVariableUsage(AddReportVariable("Unused"), list);
    EXPECT_TRUE(list.IsEmpty());
    m_page.CollectReportVariableUsage(map->pageVariable, list);
    m_page.CollectReportVariableUsage(fromDate, list);

    EXPECT_EQ(
        "Orders_Report variable Mapped with variableOrders_Report variable Mapped with variable",
        list);
    EXPECT_TRUE(Contains(UsageSet().GetForms(), static_cast<Form*>(&m_page)));
}

TEST_F(FormOperationsTest, TheFormListsItsTableAndTheTableOfAControlsClassCall)
{
    Table customers;
    Class dataClass;
    Function function;
    dataClass.SetTable(&customers);
    auto* call = new ClassInvokation;
    call->SetFunction(&dataClass, &function);
    {
        ReferenceList listed;
        m_page.ListReferences(listed);
        EXPECT_FALSE(listed.Refers({&customers}));
    }
    FieldRep* control = AddControl(m_page, nullptr);
    control->GetFieldRepData()->SetDataCall(call);
    {
        ReferenceList listed;
        m_page.ListReferences(listed);
        EXPECT_TRUE(listed.Refers({&customers}));
        EXPECT_EQ(1, listed.Release({&customers}));
        EXPECT_EQ(nullptr, control->GetFieldRepData()->GetDataCall());
    }

    ReferenceList listed;
    m_page.ListReferences(listed);
    EXPECT_FALSE(listed.Refers({&customers}));
    EXPECT_EQ(1, listed.Release({&m_table}));
    EXPECT_EQ(nullptr, m_page.GetTable());
}

TEST_F(FormOperationsTest, TheLinkedReportIsListedAndGoesWithItsVariableMaps)
{
    ApplicationReport other;
    EXPECT_FALSE(ReferenceList::Reaches(m_page, {&m_report}));
    m_page.SetReport(&m_report);
    EXPECT_FALSE(ReferenceList::Reaches(m_page, {&other}));
    EXPECT_TRUE(ReferenceList::Reaches(m_page, {&m_report}));

    EXPECT_EQ(1, ReleaseListed(m_page, {&m_report}));
    EXPECT_EQ(nullptr, m_page.GetReport());
}

TEST_F(FormOperationsTest, TableFlagsFollowTheReportLink)
{
    m_page.SyncTableFlags();
    EXPECT_TRUE(m_page.GetTableFlagsList().empty());

    m_page.SetReport(&m_report);
    m_page.SyncTableFlags();
    m_page.SyncTableFlags();
    ASSERT_EQ(1u, m_page.GetTableFlagsList().size());
    EXPECT_EQ(&m_table, m_page.GetTableFlagsList()[0].table);
    EXPECT_TRUE(m_page.GetTableFlagsList()[0].firstFlag);
    EXPECT_TRUE(m_page.GetTableFlagsList()[0].secondFlag);

    MapToPageVariable(AddReportVariable("FromDate"), "From_Var");
    m_page.RemoveReport();
    EXPECT_EQ(nullptr, m_page.GetReport());
    EXPECT_TRUE(m_page.GetReportVariableMaps().empty());
    EXPECT_TRUE(m_page.GetTableFlagsList().empty());

    m_page.SetTable(nullptr);
    m_page.SetReport(&m_report);
    m_page.SyncTableFlags();
    EXPECT_TRUE(m_page.GetTableFlagsList().empty());
}

TEST_F(FormOperationsTest, ClassNameAndKeyMap)
{
    FormInterface& base = m_page;
    EXPECT_EQ("Form", base.GetClassName());
    EXPECT_EQ("FormInterface", FormInterface().GetClassName());

    EXPECT_EQ(nullptr, m_page.GetKeyFieldVariableMap());
    m_page.AddVariableForField(m_price);
    m_page.AddVariableForField(m_key);
    ASSERT_NE(nullptr, m_page.GetKeyFieldVariableMap());
    EXPECT_EQ(m_key, m_page.GetKeyFieldVariableMap()->field);
}

} // namespace
