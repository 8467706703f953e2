#include "entities/LinkControl.h"
#include "entities/Menu.h"
#include "entities/Parameter.h"
#include "entities/Variable.h"
#include "model/EventRecmpFields.h"
#include "tests/entities/ReportTestSupport.h"
#include "tests/support/ListedRelease.h"
#include "tests/support/PageReferences.h"

#include <gtest/gtest.h>

#include <memory>

class ReportUsageTest : public ReportTest
{
protected:
    // A group calling the procedure whose call gives the variable to the procedure's key
    // parameter.
    ReportGroup* AddGroupMapping(Variable* callerVariable)
    {
        if (m_procedure.GetFieldParameters().empty())
            m_procedure.AddFieldParameter(m_key);
        ReportGroup* group = AddProcedureGroup(&m_procedure);
        group->GetProcedureCall()->AddVariablePair(
            new VariablePair{m_procedure.GetFieldParameterVariableAt(0), callerVariable});
        return group;
    }

    std::unique_ptr<Variable> m_callerVariable{NewVariable("rep_orders_Price_var")};
    Procedure m_other;
};

TEST_F(ReportUsageTest, ProcedureReleaseDeletesAdjacentCallingGroupsAndKeepsTheOthers)
{
    AddProcedureGroup(&m_procedure);
    ReportGroup* group = AddProcedureGroup(&m_procedure);
    AddFilter(group, m_price);
    AddColumn(group, m_procedure.GetOutputColumnAt(0));
    ReportGroup* classGroup = AddClassGroup();
    AddFilter(classGroup, m_qty);
    m_report.AddReportGroup(new ReportGroup(*classGroup));
    ReportGroup* otherGroup = AddProcedureGroup(&m_other);
    AddColumn(otherGroup, m_procedure.GetOutputColumnAt(1));

    ReleaseListed(m_report, m_procedure.FreedWithIt());

    ASSERT_EQ(3u, m_report.GetReportGroups().size());
    EXPECT_EQ(classGroup, m_report.GetReportGroups()[0]);
    EXPECT_EQ(1u, classGroup->GetFilters().size());
    EXPECT_EQ(otherGroup, m_report.GetReportGroups()[2]);
    EXPECT_EQ(otherGroup->GetProcedureCall()->GetProcedure(), &m_other);
    EXPECT_TRUE(otherGroup->GetReportFields().empty()) << "the column showed a freed column";
    EXPECT_FALSE(m_report.IsProcedureUsed(&m_procedure, TRUE));
}

TEST_F(ReportUsageTest, ControlNamesAreLookedUpInReportAndGroupCallsPastClassGroups)
{
    FieldRep price(m_price);
    FieldRep qty(m_qty);
    FieldRep captionOnly;
    captionOnly.AttachFieldRepData(new FieldRepData);
    captionOnly.GetFieldRepData()->SetCaption("orders Price");
    FieldRep bare;
    ProcedureInvokation* call = CallOfProcedure(&m_procedure);
    call->AddVariablePair(new VariablePair{nullptr, m_callerVariable.get()});
    call->AddVariablePair(nullptr);
    m_report.SetReportProcedureCall(call);
    EXPECT_TRUE(m_report.IsFieldRepMappedToReportVariable(&price));
    m_report.SetReportProcedureCall(nullptr);
    AddClassGroup();
    AddGroupMapping(m_callerVariable.get());

    EXPECT_TRUE(m_report.IsFieldRepMappedToReportVariable(&price));
    EXPECT_TRUE(m_report.IsFieldRepMappedToReportVariable(&captionOnly));
    EXPECT_FALSE(m_report.IsFieldRepMappedToReportVariable(&qty));
    EXPECT_FALSE(m_report.IsFieldRepMappedToReportVariable(&bare));
    EXPECT_FALSE(m_report.IsFieldRepMappedToReportVariable(nullptr));
}

TEST_F(ReportUsageTest, VariableUsagePassesGroupsWithoutCall)
{
    m_procedure.AddFieldParameter(m_key);
    Variable* keyParameter = m_procedure.GetFieldParameterVariableAt(0);
    AddClassGroup();
    EXPECT_TRUE(PageUsersOf(m_report, {keyParameter}).empty());

    AddGroupMapping(m_callerVariable.get());
    EXPECT_EQ(PageUsersOf(m_report, {keyParameter}), std::vector<CString>{"Sales"});
}

TEST_F(ReportUsageTest, VariableMappingUsageListsGroupCallsBindingsAndFilterProcedures)
{
    ReportGroup* group = AddGroupMapping(m_callerVariable.get());
    ReportField* column = AddColumn(group, m_procedure.GetOutputColumnAt(1));
    column->SetBinding(new ReportFieldBinding{nullptr, m_callerVariable.get(), nullptr, nullptr});
    // A column after it without the variable is not listed.
    AddColumn(group, m_procedure.GetOutputColumnAt(0));
    FieldRep* filter = AddFilter(group, m_price);
    ProcedureInvokation* dataCall = CallOfProcedure(&m_other);
    dataCall->AddVariablePair(new VariablePair{nullptr, m_callerVariable.get()});
    filter->GetFieldRepData()->SetDataProcedure(dataCall);
    AddClassGroup();
    CString list;

    m_report.CollectVariableMappingUsage(m_callerVariable.get(), list);

    EXPECT_EQ("Sales__Var Mapped with group procedure\n"
              "Sales_Qty_Var Mapped with asp file atached to report field\n"
              "Sales_Procedure mapped for front back field\n",
              list);
    EXPECT_EQ(1u, UsageSet().GetReports().size());
}

TEST_F(ReportUsageTest, FieldUsageTakesTheFirstOfMapFilterAndColumn)
{
    ReportGroup* group = AddProcedureGroup(&m_procedure);
    AddFilter(group, m_price);
    EXPECT_EQ("Sales_Price", FirstListedUse(m_report, m_price));

    m_report.DetachReportVariableForField(m_price);
    EXPECT_EQ("Sales_fieldRepresentation", FirstListedUse(m_report, m_price));

    Table customers;
    customers.SetTableName("customers");
    Field* customerName = NewField("Name", &customers);
    customerName->SetFrontField(true);
    Field* customerId = NewField("customers_id", &customers, true);
    Field* foreign = NewField("customer_id", &m_table);
    foreign->SetForeignField(customerId);
    foreign->SetForeignKey(true);
    m_procedure.SetMainTable(&m_table);
    ProcedureFieldInfo nameColumn(customerName, ProcedureFieldInfo::noAggregate);
    AddColumn(group, &nameColumn);

    EXPECT_EQ("Sales_ report output field", FirstListedUse(m_report, customerName));
    EXPECT_EQ("", FirstListedUse(m_report, foreign));
    EXPECT_TRUE(m_report.ShowsRowReferredBy(foreign));
    EXPECT_FALSE(m_report.ShowsRowReferredBy(m_qty));
    EXPECT_EQ("", FirstListedUse(m_report, m_qty));
}

TEST_F(ReportUsageTest, TheTableTakesTheFiltersAndColumnsOfItsFieldsThroughTheList)
{
    ReportGroup* group = AddProcedureGroup(&m_procedure);
    AddFilter(group, m_price);
    AddFilter(group, m_qty);
    AddColumn(group, m_procedure.GetOutputColumnAt(0));
    AddColumn(group, m_procedure.GetOutputColumnAt(1));
    AddButton(group);
    EXPECT_EQ(std::vector<CString>{"Sales"}, PageUsersOf(m_report, {&m_table}));

    EXPECT_EQ(4, ReleaseListed(m_report, {&m_table}));

    EXPECT_TRUE(group->GetFilters().empty());
    ASSERT_EQ(1u, group->GetReportFields().size());
    EXPECT_TRUE(group->GetReportFields()[0]->IsButton());
    Field alias;
    ProcedureFieldInfo aliasColumn(&alias, ProcedureFieldInfo::noAggregate);
    AddColumn(group, &aliasColumn);
    EXPECT_TRUE(PageUsersOf(m_report, {&m_table}).empty());
}

TEST_F(ReportUsageTest, DeletingAPageControlClearsItFromTheFirstGroupsFilters)
{
    FieldRep* control = AddControl(m_report, m_price);
    ReportGroup* group = AddClassGroup();
    FieldRep* filter = AddFilter(group, m_qty);
    auto* events = new EventRecmpFields;
    events->AddClassRecompute(control);
    filter->GetFieldRepData()->AddEventRecmpFields(events);
    auto* dataCall = new ClassInvokation;
    dataCall->SetFunction(&m_class, &m_function);
    Parameter parameter;
    dataCall->AddParameterMap(&parameter, m_price);
    filter->GetFieldRepData()->SetDataCall(dataCall);
    ASSERT_TRUE(m_report.HasRecomputeForFieldRep(control));

    m_report.DeleteFieldRep(control);

    EXPECT_TRUE(m_report.GetFieldReps().empty());
    EXPECT_FALSE(m_report.HasRecomputeForFieldRep(control));
    EXPECT_TRUE(dataCall->GetParameterMaps().empty());
    EXPECT_EQ(1u, group->GetFilters().size());
}

TEST_F(ReportUsageTest, ProcedureUsageCountsGroupCallsAndWithTheFlagFilterProcedures)
{
    ReportGroup* group = AddClassGroup();
    FieldRep* filter = AddFilter(group, m_price);
    filter->GetFieldRepData()->SetDataProcedure(CallOfProcedure(&m_other));
    AddProcedureGroup(&m_procedure);
    AddClassGroup();
    Procedure unused;
    Class otherClass;
    CString list;

    EXPECT_TRUE(m_report.IsProcedureUsed(&m_procedure, FALSE));
    EXPECT_FALSE(m_report.IsProcedureUsed(&m_other, FALSE));
    EXPECT_TRUE(m_report.IsProcedureUsed(&m_other, TRUE));
    EXPECT_EQ(PageUsersOf(m_report, {&m_other}), std::vector<CString>{"Sales"});
    EXPECT_TRUE(PageUsersOf(m_report, {&unused}).empty());

    EXPECT_TRUE(m_report.CollectClassUsage(&m_class, list));
    EXPECT_FALSE(m_report.CollectClassUsage(&otherClass, list));
    EXPECT_EQ("Sales\nSales\n", list) << "one line per group of the class";
    EXPECT_TRUE(m_report.HasGroupForClass(&m_class));
    EXPECT_FALSE(m_report.HasGroupForClass(&otherClass));
}

TEST_F(ReportUsageTest, MenuLinksOfGroupFiltersAreErrorsOnePerLink)
{
    Menu menu;
    ReportGroup* group = AddClassGroup();
    FieldRep* filter = AddFilter(group, m_price);
    filter->GetFieldRepData()->AddLinkControl(new LinkControl(&menu, 0, 0, LinkControl::Left));
    filter->GetFieldRepData()->AddLinkControl(new LinkControl(&menu, 0, 0, LinkControl::Left));

    EXPECT_TRUE(m_report.CollectMenuLinkUsage(&menu));

    EXPECT_EQ((std::vector<CString>{"Sales\n", "Sales\n"}), Errors());
    EXPECT_EQ(1u, UsageSet().GetReports().size());
    EXPECT_EQ(2, ReleaseListed(m_report, {&menu}));
    EXPECT_EQ(nullptr, filter->GetFieldRepData()->GetLinkControls()[0]->GetTarget());
}

TEST_F(ReportUsageTest, FunctionFrontBackUseIsFoundAndClearedInFiltersAndColumns)
{
    m_function.AddOutputField(new ProcedureFieldInfo(m_price, ProcedureFieldInfo::noAggregate));
    ReportGroup* group = AddClassGroup();
    FieldRep* filter = AddFilter(group, m_qty);
    filter->GetFieldRepData()->SetBackField(m_price);
    AddColumn(group, m_procedure.GetOutputColumnAt(0));
    AddColumn(group, m_procedure.GetOutputColumnAt(1));

    EXPECT_TRUE(m_report.IsFunctionFieldUsedAsFrontBack(&m_function, &m_table));
    m_report.ClearFunctionFieldFrontBack(&m_function, &m_table);

    EXPECT_EQ(nullptr, filter->GetFieldRepData()->GetBackField());
    ASSERT_EQ(1u, group->GetReportFields().size());
    EXPECT_EQ(m_qty, group->GetReportFields()[0]->GetFieldInfo()->GetField());
    EXPECT_FALSE(m_report.IsFunctionFieldUsedAsFrontBack(&m_function, &m_table));
    EXPECT_EQ(1u, UsageSet().GetReports().size());
}

TEST_F(ReportUsageTest, QualifiedNamesJoinGroupHeaderAndColumnName)
{
    ReportGroup* group = AddProcedureGroup(&m_procedure);
    group->SetHeader("Totals");
    AddColumn(group, m_procedure.GetOutputColumnAt(0));
    ReportField* qty = AddColumn(group, m_procedure.GetOutputColumnAt(1));

    EXPECT_EQ(qty, m_report.FindReportFieldByQualifiedName("TotalsQty"));
    EXPECT_EQ(nullptr, m_report.FindReportFieldByQualifiedName("Qty"));
    EXPECT_EQ(nullptr, m_report.FindReportFieldByQualifiedName("totalsqty"));
}

// Named as a load names every mapped variable, so that a reopened report is unchanged.
TEST_F(ReportUsageTest, ReportVariablesAreNamedAfterTheirFieldOnce)
{
    Field total;
    total.SetFieldName("Total");

    m_report.AddReportVariableForField(m_price);
    m_report.AddReportVariableForField(m_price);
    m_report.AddReportVariableForField(&total);
    m_report.AddReportVariableForField(nullptr);

    ASSERT_EQ(2u, m_report.GetFieldVariableMaps().size());
    EXPECT_EQ("Price", m_report.GetFieldVariableMaps()[0]->variable->GetFieldName());
    EXPECT_EQ(Variable::pageKind, m_report.GetFieldVariableMaps()[0]->variable->GetKind());
    EXPECT_EQ("Total", m_report.GetFieldVariableMaps()[1]->variable->GetFieldName());
}

TEST_F(ReportUsageTest, FiltersMoveRemoveAndAreFoundByNameOrField)
{
    ReportGroup* withoutFilters = AddClassGroup();
    ReportGroup* group = AddClassGroup();
    Parameter parameter;
    group->GetClassCall()->AddParameterMap(&parameter, m_price);
    FieldRep* price = AddFilter(group, m_price);
    FieldRep* qty = AddFilter(group, m_qty);
    auto* events = new EventRecmpFields;
    events->AddProcedureRecompute(price, nullptr);
    qty->GetFieldRepData()->AddEventRecmpFields(events);
    std::vector<FieldRep*> withEvents{price, price};

    group->CollectFiltersWithEvents(withEvents);
    group->MoveFilterUp(price);
    group->MoveFilterDown(qty);
    group->MoveFilterUp(nullptr);

    EXPECT_EQ(std::vector<FieldRep*>{qty}, withEvents);
    EXPECT_EQ((std::vector<FieldRep*>{price, qty}), group->GetFilters());
    EXPECT_TRUE(group->HasFilterNamed("Price"));
    EXPECT_FALSE(group->HasFilterNamed("price"));
    group->MoveFilterDown(price);
    EXPECT_EQ((std::vector<FieldRep*>{qty, price}), group->GetFilters());

    group->RemoveFilterAt(2);
    group->RemoveFilterAt(-1);
    group->AddFilter(nullptr);
    EXPECT_EQ(2u, group->GetFilters().size());
    group->RemoveFilterAt(1);
    EXPECT_FALSE(group->HasFilterOnField(m_price));
    EXPECT_TRUE(group->GetClassCall()->GetParameterMaps().empty());
    FieldRep* ownControl = AddControl(m_report, m_key);
    EXPECT_EQ(nullptr, withoutFilters->GetFilterAt(0));
    EXPECT_EQ(qty, m_report.GetFieldRepForField(m_qty));
    EXPECT_EQ(nullptr, m_report.GetFieldRepForField(m_key)) << "filters only";
    EXPECT_EQ(ownControl, m_report.GetFieldRep(0));
}
