#include "entities/Form.h"
#include "entities/Procedure.h"
#include "entities/ProcedureInvokation.h"
#include "entities/UniquenessProcedureTable.h"
#include "tests/entities/PageOperationsSupport.h"
#include "tests/entities/PageTestSupport.h"

namespace
{

using PageVariableMappingTest = OrdersPageTest<Form>;

TEST_F(PageVariableMappingTest, FieldVariableLookupsAndTableVariablesSkipMappedFields)
{
    m_page.AddVariableForField(m_price);
    m_page.AddVariablesForTable(&m_table);
    Variable* priceVariable = m_page.GetFieldVariableMapAt(0)->variable;
    EXPECT_EQ(priceVariable->GetFieldName(), "Price");
    EXPECT_EQ(priceVariable->GetKind(), Variable::pageKind);

    EXPECT_EQ(m_page.FindFieldVariableMapByVariableName("price")->variable, priceVariable);
    EXPECT_EQ(m_page.GetMappedFieldOfVariable(priceVariable), m_price);
    EXPECT_EQ(m_page.FindVariableByName("orders_id"), m_page.GetFieldVariableMapAt(1)->variable);
    EXPECT_EQ(m_page.FindVariableByName("Orders_id"), nullptr);
    EXPECT_EQ(m_page.FindMappedFieldByName("Price"), m_price);
    EXPECT_EQ(m_page.GetFieldVariableMapAt(-1), nullptr);
    EXPECT_EQ(m_page.GetFieldVariableMapAt(2), nullptr);
    EXPECT_EQ(m_page.GetMappedFieldOfVariable(nullptr), nullptr);

    std::vector<Variable*> variables{nullptr};
    m_page.GetVariables(variables, false);
    EXPECT_EQ(variables.size(), 3u);
    m_page.GetVariables(variables, true);
    EXPECT_EQ(variables.size(), 5u);

    NewField("Quantity", &m_table);
    EXPECT_EQ(m_page.AddVariablesForTable(&m_table), 3);
    ASSERT_EQ(m_page.GetFieldVariableMaps().size(), 3u);
    const Variable* added = m_page.GetFieldVariableMapAt(2)->variable;
    EXPECT_EQ(added->GetFieldName(), "Quantity");
    EXPECT_EQ(added->GetKind(), Variable::pageKind);
    EXPECT_EQ(m_page.AddVariablesForTable(nullptr), 0);
}

TEST_F(PageVariableMappingTest, RenamingVariablesByTextAfterFieldsAndOnAFieldRename)
{
    Field pageField;
    m_page.AddFieldVariableMap(new FieldVariableMap{&pageField, NewVariable("My Old Name")});
    m_page.RenameVariable("Old", "New Part");
    EXPECT_EQ(m_page.GetFieldVariableMapAt(0)->variable->GetFieldName(), "My_New_Part");

    m_page.AddVariableForField(m_price);
    FieldRep* rep = AddControl(m_page, m_price);
    m_price->SetFieldName("Cost");
    m_price->SetDisplayName("Unit Cost");
    m_page.OnFieldRenamed(m_price, "Price");
    EXPECT_EQ(m_page.GetFieldVariableMapAt(1)->variable->GetFieldName(), "Cost");
    EXPECT_EQ(rep->GetFieldRepData()->GetCaption(), "Unit Cost");

    m_page.RenameVariablesAfterFields();
    EXPECT_EQ(m_page.GetFieldVariableMapAt(0)->variable->GetFieldName(), "My_New_Part");
    EXPECT_EQ(m_page.GetFieldVariableMapAt(1)->variable->GetFieldName(), "Cost");
}

TEST_F(PageVariableMappingTest, RemovingAMapDropsAdjacentPairsOfTheDataCall)
{
    Procedure procedure;
    Variable first;
    Variable second;
    m_page.AddVariableForField(m_price);
    Variable* variable = m_page.GetFieldVariableMapAt(0)->variable;
    auto* call = CallOfProcedure(&procedure);
    call->AddVariablePair(new VariablePair{&first, variable});
    call->AddVariablePair(new VariablePair{&second, variable});
    call->AddVariablePair(nullptr);
    AddControl(m_page, m_price)->GetFieldRepData()->SetDataProcedure(call);

    m_page.RemoveFieldVariableMapAt(5);
    EXPECT_EQ(m_page.GetFieldVariableMaps().size(), 1u);
    m_page.RemoveFieldVariableMapByVariable(variable);

    EXPECT_TRUE(m_page.GetFieldVariableMaps().empty());
    ASSERT_EQ(call->GetVariablePairs().size(), 1u);
    EXPECT_EQ(call->GetVariablePairs().front(), nullptr);
}

TEST_F(PageVariableMappingTest, MatchingMapsAreErasedWithoutDeleting)
{
    Variable priceVariable;
    Variable other;
    FieldVariableMap first{m_price, &priceVariable};
    FieldVariableMap second{m_price, &other};
    FieldVariableMap kept{m_key, &other};
    m_page.AddFieldVariableMap(&first);
    m_page.AddFieldVariableMap(&second);
    m_page.AddFieldVariableMap(&kept);

    m_page.RemoveMatchingFieldVariableMaps(FieldVariableMap{m_price, nullptr});

    ASSERT_EQ(m_page.GetFieldVariableMaps().size(), 1u);
    EXPECT_EQ(m_page.GetFieldVariableMaps().front(), &kept);
    m_page.RemoveMatchingFieldVariableMaps(kept);
    EXPECT_TRUE(m_page.GetFieldVariableMaps().empty());
}

class PageMappingCheckTest : public PageVariableMappingTest
{
protected:
    PageMappingCheckTest()
    {
        m_procedure.SetName("PRC_orders_Select");
        m_call.SetProcedure(&m_procedure);
    }

    // A field parameter of the procedure for the field, with its variable.
    Variable* AddParameter(Field* field, const char* name)
    {
        Variable* variable = NewVariable(name);
        m_procedure.AddFieldParameterPair(field, variable);
        return variable;
    }

    void AddPair(Variable* procedureVariable, Variable* pageVariable)
    {
        m_call.AddVariablePair(new VariablePair{procedureVariable, pageVariable});
    }

    Procedure m_procedure;
    ProcedureInvokation m_call;
};

TEST_F(PageMappingCheckTest, WarnsOnceOfAProcedureVariableWithoutFieldUnlessIgnored)
{
    Variable unmapped;
    unmapped.SetName("p_id");
    AddPair(&unmapped, nullptr);
    m_call.AddVariablePair(nullptr);

    m_page.CheckInvocationMapping(&m_call);
    m_page.CheckInvocationMapping(&m_call);

    ASSERT_EQ(Warnings().size(), 1u);
    const CString warning = Warnings().front();
    EXPECT_EQ(
        warning,
        "No field mapped with procedure variable\n\t Orders - in PRC_orders_Select\n\t\tp_id");

    TheProjectDiagnostics().ClearErrorsAndWarnings();
    TheProjectDiagnostics().AddIgnoredWarning(warning);
    m_page.CheckInvocationMapping(&m_call);
    EXPECT_TRUE(Warnings().empty());
}

TEST_F(PageMappingCheckTest, WarnsOfAPageVariableWithoutFieldOnlyForKindZero)
{
    Variable* parameter = AddParameter(m_key, "orders_id");
    Variable* kindZero = NewVariable("loose", Variable::parameterKind);
    Variable* kindOne = NewVariable("free", Variable::pageKind);
    Variable* kindTwo = NewVariable("shared", Variable::sharedKind);
    AddPair(parameter, kindZero);
    AddPair(parameter, kindOne);
    AddPair(parameter, kindTwo);

    m_page.CheckInvocationMapping(&m_call);

    ASSERT_EQ(Warnings().size(), 1u);
    EXPECT_EQ(Warnings().front(), "No field mapped with form variable \n\t Orders - loose");
    delete kindZero;
    delete kindOne;
    delete kindTwo;
}

TEST_F(PageMappingCheckTest, WarnsOfAVariableMappedToANonKeyField)
{
    Variable* parameter = AddParameter(m_price, "Price");
    m_page.AddVariableForField(m_price);
    AddPair(parameter, m_page.GetFieldVariableMapAt(0)->variable);
    AddPair(parameter, nullptr);

    m_page.CheckInvocationMapping(&m_call);

    ASSERT_EQ(Warnings().size(), 2u);
    EXPECT_EQ(Warnings()[0], "Field mapped with this variable is not primary field.\n\t Orders - "
                             "PRC_orders_Select\n\t\tPrice - Price");
    EXPECT_EQ(Warnings()[1], "Field mapped with this variable is not primary field.\n\t Orders - "
                             "PRC_orders_Select\n\t\tPrice - ");
}

TEST_F(PageMappingCheckTest, AForeignKeyToAKeyColumnHasThatKeyAndIsNotWarnedOf)
{
    Table customers;
    Field* customerKey = NewField("customers_id", &customers, true);
    Field* foreignKey = NewField("customer", &m_table);
    foreignKey->SetForeignKey(true);
    foreignKey->SetForeignField(customerKey);
    Variable* parameter = AddParameter(foreignKey, "customer");
    m_page.AddVariablesForTable(&m_table);
    AddPair(parameter, m_page.FindFieldVariableMapByField(foreignKey)->variable);

    m_page.CheckInvocationMapping(&m_call);
    m_page.CheckInvocationMapping(nullptr);

    EXPECT_TRUE(Warnings().empty());
    EXPECT_EQ(FormInterface::GetKeyFieldOf(m_key), m_key);
    EXPECT_EQ(FormInterface::GetKeyFieldOf(foreignKey), customerKey);
    foreignKey->SetForeignField(NewField("Name", &customers));
    EXPECT_EQ(FormInterface::GetKeyFieldOf(foreignKey), nullptr);
    EXPECT_EQ(FormInterface::GetKeyFieldOf(m_price), nullptr);
    EXPECT_EQ(FormInterface::GetKeyFieldOf(nullptr), nullptr);
}

TEST_F(PageMappingCheckTest, ProcedureMappingChecksTheFirstUniquenessCallOfTheProcedure)
{
    Variable unmapped;
    unmapped.SetName("p_id");
    for (int i = 0; i < 2; ++i)
    {
        auto* call = CallOfProcedure(&m_procedure);
        call->AddVariablePair(new VariablePair{&unmapped, nullptr});
        m_page.AddUniquenessProcedureTable(new UniquenessProcedureTable(&m_table, call));
    }

    m_page.CheckProcedureMapping(&m_procedure);

    EXPECT_EQ(Warnings().size(), 1u);
}

TEST_F(PageMappingCheckTest, ValidateFilesEveryTextAsAnError)
{
    AddParameter(m_key, "orders_id");
    for (int i = 0; i < 2; ++i)
        m_page.AddUniquenessProcedureTable(
            new UniquenessProcedureTable(&m_table, CallOfProcedure(&m_procedure)));
    FieldRep* rep = AddControl(m_page, m_price);
    rep->GetFieldRepData()->SetDataProcedure(CallOfProcedure(&m_procedure));
    rep->GetFieldRepData()->SetFrontField(m_price);
    AddControl(m_page, m_key)->GetFieldRepData()->SetFrontField(m_key);

    m_page.FormInterface::Validate();

    ASSERT_EQ(Errors().size(), 3u);
    EXPECT_EQ(Errors()[0], "Uniqueness Procedure variables are not mapped!\n\t - Orders");
    EXPECT_EQ(Errors()[1], "Uniqueness Procedure variables are not mapped!\n\t - Orders");
    EXPECT_EQ(
        Errors()[2],
        "Field is not having front or back field for the assigned procedure!\n\tOrders - Price");
}

TEST_F(PageMappingCheckTest, ValidateSkipsEntriesWithoutCallAndMappedCalls)
{
    Variable* parameter = AddParameter(m_key, "orders_id");
    m_page.AddUniquenessProcedureTable(new UniquenessProcedureTable(&m_table, nullptr));
    auto* call = CallOfProcedure(&m_procedure);
    call->AddVariablePair(new VariablePair{parameter, nullptr});
    m_page.AddUniquenessProcedureTable(new UniquenessProcedureTable(&m_table, call));

    m_page.FormInterface::Validate();

    EXPECT_TRUE(Errors().empty());
}

} // namespace
