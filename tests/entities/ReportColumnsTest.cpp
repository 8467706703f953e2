#include "entities/ReportFieldControlProperty.h"
#include "entities/Variable.h"
#include "tests/entities/ReportTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{

std::vector<CString> GroupColumnNames(const ReportGroup* group)
{
    std::vector<CString> names;
    for (const ReportField* column : group->GetReportFields())
        names.push_back(column->GetName());
    return names;
}

} // namespace

class ReportColumnSyncTest : public ReportTest
{
protected:
    ReportColumnSyncTest()
    {
        m_price->SetDisplayName("Unit price");
        m_qty->SetDisplayName("Quantity");
        m_foreignKey = NewField("customer_id", &m_table);
        m_foreignKey->SetForeignKey(true);
        for (Field* field : {m_key, m_foreignKey, m_price, m_qty})
            m_function.AddOutputField(
                new ProcedureFieldInfo(field, ProcedureFieldInfo::noAggregate));
    }

    Field* m_foreignKey;
};

TEST_F(ReportColumnSyncTest, AddsColumnsForFunctionFieldsExceptKeysAndForeignKeys)
{
    ReportGroup* group = AddClassGroup();
    ReportField* button = AddButton(group);

    m_report.AddMissingFieldsToGroups();
    m_report.AddMissingFieldsToGroups();

    EXPECT_EQ((std::vector<CString>{"Button", "Unit price", "Quantity"}), GroupColumnNames(group));
    EXPECT_EQ(button, group->GetReportFields()[0]);
    EXPECT_EQ(m_price, group->GetReportFields()[1]->GetFieldInfo()->GetField());
    EXPECT_NE(m_function.GetOutputFields()[2], group->GetReportFields()[1]->GetFieldInfo());
}

TEST_F(ReportColumnSyncTest, RemovesAdjacentColumnsTheFunctionNoLongerOutputsAndNewForeignKeys)
{
    ReportGroup* group = AddClassGroup();
    group->SyncColumnsWithFunction();
    ASSERT_EQ(2u, group->GetReportFields().size());
    m_function.RemoveOutputFieldsOf(m_price);
    m_function.RemoveOutputFieldsOf(m_qty);
    Field* region = nullptr;
    for (const char* name : {"Name", "Region"})
    {
        region = NewField(name, &m_table);
        region->SetDisplayName(name);
        m_function.AddOutputField(new ProcedureFieldInfo(region, ProcedureFieldInfo::noAggregate));
    }
    group->SyncColumnsWithFunction();
    ASSERT_EQ((std::vector<CString>{"Name", "Region"}), GroupColumnNames(group));

    region->SetForeignKey(true);
    group->SyncColumnsWithFunction();
    EXPECT_EQ(std::vector<CString>{"Name"}, GroupColumnNames(group));
}

TEST_F(ReportColumnSyncTest, AColumnTakesTheAggregateOfItsOutputAndStays)
{
    m_function.GetOutputFields()[2]->SetAggregate(ProcedureFieldInfo::sumAggregate);
    ReportGroup* group = AddClassGroup();

    group->SyncColumnsWithFunction();
    group->SyncColumnsWithFunction();

    ASSERT_EQ(2u, group->GetReportFields().size());
    EXPECT_EQ(ProcedureFieldInfo::sumAggregate,
              group->GetReportFields()[0]->GetFieldInfo()->GetAggregate());
    EXPECT_EQ(ProcedureFieldInfo::noAggregate,
              group->GetReportFields()[1]->GetFieldInfo()->GetAggregate());
}

TEST_F(ReportColumnSyncTest, GroupsWithoutFunctionKeepTheirColumnsAndReadNoFunctionColumn)
{
    ReportGroup* procedureGroup = AddProcedureGroup(&m_procedure);
    AddColumn(procedureGroup, m_procedure.GetOutputColumnAt(0));
    ReportGroup* emptyCall = AddClassGroup();
    emptyCall->GetClassCall()->SetFunction(nullptr, nullptr);
    ReportGroup* group = AddClassGroup();

    m_report.AddMissingFieldsToGroups();

    EXPECT_EQ(1u, procedureGroup->GetReportFields().size());
    EXPECT_TRUE(emptyCall->GetReportFields().empty());
    EXPECT_EQ(0, emptyCall->GetFunctionColumnCount());
    EXPECT_EQ(nullptr, emptyCall->GetFunctionColumnAt(0));
    EXPECT_EQ(0, procedureGroup->GetFunctionColumnCount());
    EXPECT_EQ(4, group->GetFunctionColumnCount());
    EXPECT_EQ(m_function.GetOutputFields()[3], group->GetFunctionColumnAt(3));
    EXPECT_EQ(nullptr, group->GetFunctionColumnAt(4));
    EXPECT_EQ(nullptr, group->GetFunctionColumnAt(-1));
}

class ReportFieldTest : public ReportTest
{
protected:
    ReportFieldBinding* Bind(Variable* target, Variable* sourceVariable = nullptr,
                             FieldRep* sourceControl = nullptr,
                             ProcedureFieldInfo* sourceColumn = nullptr)
    {
        auto* binding = new ReportFieldBinding{target, sourceVariable, sourceControl, sourceColumn};
        m_column.SetBinding(binding);
        return binding;
    }

    std::unique_ptr<Variable> m_orderId{NewVariable("OrderId")};
    std::unique_ptr<Variable> m_customer{NewVariable("Customer")};
    std::unique_ptr<Variable> m_source{NewVariable("rep_orders_Qty_var")};
    ReportField m_column;
};

TEST_F(ReportFieldTest, CaptionComesFromTheOutputColumnOrIsButtonAndAlignmentHasItsText)
{
    m_price->SetDisplayName("Unit price");
    ProcedureFieldInfo sum(m_price, ProcedureFieldInfo::sumAggregate);
    EXPECT_EQ("Unit price Sum", ReportField(&sum).GetName());
    m_column.SetFieldInfo(nullptr);
    EXPECT_EQ("Button", m_column.GetName());

    const std::pair<int, CString> expected[] = {
        {0, "left"}, {1, "center"}, {2, "right"}, {3, ""}, {-1, ""}};
    for (const auto& [alignment, text] : expected)
    {
        CString out = "stale";
        m_column.SetAlignment(alignment);
        m_column.GetAlignmentText(out);
        EXPECT_EQ(text, out) << alignment;
    }
}

TEST_F(ReportFieldTest, ControlQuestionsAnswerFalseWithoutCompleteControl)
{
    EXPECT_FALSE(m_column.IsButton());
    EXPECT_EQ(nullptr, m_column.GetControlFieldRep());
    m_column.SetControlProperty(new ReportFieldControlProperty);
    ReportFieldControlProperty* property = m_column.GetControlProperty();
    CString typeName = "stale";
    property->GetControlTypeName(typeName);
    EXPECT_EQ("", typeName);
    EXPECT_FALSE(m_column.IsButton());
    property->SetControl(new FieldRep);
    EXPECT_FALSE(m_column.HasControl());
    EXPECT_EQ(-1, property->GetControlKind());

    property->GetControl()->AttachFieldRepData(new FieldRepData);
    property->GetControl()->GetFieldRepData()->SetControlKind(FieldRepData::Button);
    EXPECT_TRUE(m_column.IsButton());
    property->GetControlTypeName(typeName);
    EXPECT_EQ(FieldRep::GetControlTypeNameOf(FieldRepData::Button), typeName);
}

TEST_F(ReportFieldTest, SetBindingReplacesTheSameTargetAndRemovalsIgnoreWhatIsNotThere)
{
    Bind(m_orderId.get());
    ReportFieldBinding* customer = Bind(m_customer.get(), m_source.get());
    ReportFieldBinding* replacement = Bind(m_orderId.get(), m_source.get());
    ASSERT_EQ(2u, m_column.GetBindings().size());
    EXPECT_EQ(customer, m_column.GetBindings()[0]);
    EXPECT_EQ(replacement, m_column.GetBindings()[1]);
    EXPECT_EQ(-1, m_column.FindBindingIndex(m_source.get()));
    EXPECT_EQ(-1, m_column.FindRecordIdBindingIndex());

    Bind(m_orderId.get());
    m_column.RemoveBindingAt(-1);
    m_column.RemoveBindingAt(2);
    m_column.RemoveBindingForVariable(m_source.get());
    m_column.SetBinding(nullptr);
    EXPECT_EQ(2u, m_column.GetBindings().size());
    EXPECT_EQ(1, m_column.FindRecordIdBindingIndex());
    m_column.RemoveRecordIdBinding();
    m_column.RemoveRecordIdBinding();
    ASSERT_EQ(1u, m_column.GetBindings().size());
    EXPECT_EQ(m_customer.get(), m_column.GetBindings()[0]->m_target);
}

TEST_F(ReportFieldTest, SourceTextNamesWhatFeedsTheTargetAndNamesFindBindingsIgnoringCase)
{
    FieldRep control(m_qty);
    ProcedureFieldInfo column(m_price, ProcedureFieldInfo::noAggregate);
    ProcedureFieldInfo sum(m_price, ProcedureFieldInfo::sumAggregate);
    std::unique_ptr<Variable> other{NewVariable("Other")};
    std::unique_ptr<Variable> last{NewVariable("Last")};
    ReportFieldBinding* orderId = Bind(m_orderId.get());
    Bind(m_customer.get(), m_source.get(), &control);
    Bind(other.get(), nullptr, &control, &column);
    Bind(last.get(), nullptr, nullptr, &column);
    ReportFieldBinding* untargeted = Bind(nullptr, nullptr, nullptr, &sum);
    const std::pair<Variable*, CString> expected[] = {{m_orderId.get(), "Record Id"},
                                                      {m_customer.get(), "rep_orders_Qty_var"},
                                                      {other.get(), "Qty"},
                                                      {last.get(), "Price"},
                                                      {m_source.get(), ""}};
    for (const auto& [target, source] : expected)
    {
        CString text = "stale";
        m_column.GetBindingSourceText(text, target);
        EXPECT_EQ(source, text);
    }

    EXPECT_EQ(orderId, m_column.FindBindingByName("ORDERID"));
    EXPECT_EQ(untargeted, m_column.FindBindingByName("price_sum"));
    EXPECT_EQ(nullptr, m_column.FindBindingByName("Rep_orders_Qty_var"));
}

TEST(ReportFieldControlPropertyTest, BindingsAreFoundAndRemovedByTarget)
{
    std::unique_ptr<Variable> target{NewVariable("OrderId")};
    std::unique_ptr<Variable> missing{NewVariable("Missing")};
    ReportFieldControlProperty property;
    property.AddBinding(new ReportFieldBinding{nullptr, nullptr, nullptr, nullptr});
    property.AddBinding(new ReportFieldBinding{target.get(), nullptr, nullptr, nullptr});
    int index = -5;

    ReportFieldBinding* found = property.FindBinding(target.get(), &index);

    ASSERT_NE(nullptr, found);
    EXPECT_EQ(1, index);
    EXPECT_EQ(nullptr, property.FindBinding(missing.get(), &index));
    EXPECT_EQ(-1, index);
    property.RemoveBinding(found);
    EXPECT_EQ(nullptr, property.FindBinding(target.get()));
    EXPECT_EQ(1u, property.GetBindings().size());
}
