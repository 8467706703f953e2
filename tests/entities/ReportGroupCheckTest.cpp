#include "entities/Parameter.h"
#include "entities/Variable.h"
#include "tests/entities/ReportTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

class ReportGroupCheckTest : public ReportTest
{
protected:
    // A group calling the procedure with its one key parameter mapped, a column of its first
    // output column and a filter on Price.
    ReportGroup* AddSoundGroup()
    {
        m_procedure.AddFieldParameter(m_key);
        ReportGroup* group = AddProcedureGroup(&m_procedure);
        group->GetProcedureCall()->AddVariablePair(
            new VariablePair{m_procedure.GetFieldParameterVariableAt(0), m_pageVariable.get()});
        AddColumn(group, m_procedure.GetOutputColumnAt(0));
        AddFilter(group, m_price);
        return group;
    }

    std::unique_ptr<Variable> m_pageVariable{NewVariable("key_var")};
};

TEST_F(ReportGroupCheckTest, SoundGroupsAndGroupsWithoutProcedureCallAddNothing)
{
    AddButton(AddSoundGroup());
    ReportGroup* classGroup = AddClassGroup();
    m_report.AddReportGroup(new ReportGroup(*classGroup));
    AddFilter(classGroup, m_price);

    m_report.CheckGroups();
    ReportGroup().CheckGroup();

    EXPECT_TRUE(Errors().empty());
}

TEST_F(ReportGroupCheckTest, EachFindingHasItsText)
{
    ReportGroup* group = AddSoundGroup();
    group->GetProcedureCall()->ClearVariablePairs();
    ProcedureFieldInfo foreignColumn(m_price, ProcedureFieldInfo::noAggregate);
    AddColumn(group, &foreignColumn);
    AddFilter(group, m_key);
    auto* dataCall = CallOfProcedure(&m_procedure);
    group->GetFilterAt(0)->GetFieldRepData()->SetDataProcedure(dataCall);
    group->GetFilterAt(0)->GetFieldRepData()->SetFrontField(m_price);

    m_report.CheckGroups();

    ASSERT_EQ(4u, Errors().size());
    EXPECT_EQ("Procedure variables are not mapped!\n\tSales - PRC_orders_Select", Errors()[0]);
    EXPECT_EQ("Report Field contains a field that is not output in procedure!\n\t - Sales - "
              "PRC_orders_Select",
              Errors()[1]);
    EXPECT_EQ("One of the field reps is not output in proceure!\n\tSales - PRC_orders_Select",
              Errors()[2]);
    EXPECT_EQ(
        "Field is not having front or back field for the assigned procedure!\n\tSales - Price",
        Errors()[3]);
}

TEST_F(ReportGroupCheckTest, ReportWithoutGroupsIsInvalidOnce)
{
    m_report.CheckGroups();

    ASSERT_EQ(1u, Errors().size());
    EXPECT_EQ("Invalid Form!\n\t - Sales", Errors()[0]);
}

TEST_F(ReportGroupCheckTest, FunctionParameterCheckNumbersEachGroupAndHeadsTheFirst)
{
    auto* first = new Parameter;
    auto* second = new Parameter;
    m_function.AddParameter(first);
    m_function.AddParameter(second);
    ReportGroup* group = AddClassGroup();
    group->GetClassCall()->AddParameterMap(first, m_price);
    CString text;
    int counter = 1;

    group->CheckFunctionParameterMapping(text, counter);
    group->CheckFunctionParameterMapping(text, counter);
    ReportGroup().CheckFunctionParameterMapping(text, counter);

    EXPECT_EQ("Parameter mapping missing on following Search Report/s\n"
              "1.Sales for report group function GetOrders\n"
              "2.Sales for report group function GetOrders\n",
              text);
    EXPECT_EQ(3, counter);
    group->GetClassCall()->AddParameterMap(second, m_qty);
    group->CheckFunctionParameterMapping(text, counter);
    EXPECT_EQ(3, counter);
}
