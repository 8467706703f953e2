#include "entities/AspFile.h"
#include "entities/DerivedField.h"
#include "entities/FormulaTreeNode.h"
#include "entities/LinkControl.h"
#include "entities/Procedure.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ProcedureTable.h"
#include "entities/UniquenessProcedureTable.h"
#include "model/EventRecmpFields.h"
#include "model/RefField.h"
#include "tests/entities/PageOperationsSupport.h"
#include "tests/entities/PageTestSupport.h"
#include "tests/support/ListedRelease.h"

namespace
{

using PageLookupTest = OrdersPageTest<FormInterface>;

TEST_F(PageLookupTest, ControlLookupsByFieldName)
{
    FieldRep* automatic = AddControl(m_page, m_price);
    automatic->GetFieldRepData()->SetAddedBySync(true);
    FieldRep* confirmed = AddControl(m_page, m_price);
    AddControl(m_page, nullptr);
    EXPECT_EQ(m_page.GetFieldRep(-1), nullptr);
    EXPECT_EQ(m_page.GetFieldRep(3), nullptr);

    EXPECT_EQ(m_page.FindFieldRepByFieldName("Price"), confirmed);
    EXPECT_EQ(m_page.FindFieldRepByFieldName("price"), nullptr);
    EXPECT_EQ(m_page.FindFieldRepByFieldNameNoCase("PRICE"), automatic);
    EXPECT_TRUE(m_page.IsFieldNameUsed("Price"));
    EXPECT_FALSE(m_page.IsFieldNameUsed("Missing"));
}

TEST_F(PageLookupTest, QualifiedNamesAndTablesOfReferenceAndDerivedFields)
{
    Field* pageField = NewField("Customer");
    m_page.AddRefField(new RefField(pageField, &m_table));
    Field* loose = NewField("Loose");

    EXPECT_EQ(m_page.GetQualifiedFieldName(AddControl(m_page, m_price)), "orders_Price");
    EXPECT_EQ(m_page.GetQualifiedFieldName(AddControl(m_page, pageField)), "orders_Customer");
    EXPECT_EQ(m_page.GetQualifiedFieldName(AddControl(m_page, loose)), "Loose");
    EXPECT_EQ(m_page.GetQualifiedFieldName(AddControl(m_page, nullptr)), "");
    EXPECT_EQ(m_page.GetQualifiedFieldName(nullptr), "");
    EXPECT_EQ(m_page.FindRefFieldByName("customer"), m_page.GetRefFields().front());
    EXPECT_EQ(m_page.GetRefFieldByName("customer"), nullptr);
    EXPECT_EQ(m_page.GetRefOrDerivedFieldTable(m_price), nullptr);
    delete loose;

    auto* derived = new DerivedField(NewField("Total"), &m_table);
    auto* root = new FormulaTreeNode;
    root->SetLeft(new FormulaTreeNode);
    derived->SetFormula(root);
    m_page.AddDerivedField(derived);
    FormulaTreeNode unrelated;
    EXPECT_TRUE(m_page.IsNodeUsedByDerivedField(root->GetLeft()));
    EXPECT_FALSE(m_page.IsNodeUsedByDerivedField(&unrelated));
    EXPECT_EQ(m_page.GetDerivedFieldByName("Total"), derived);
    EXPECT_EQ(m_page.GetRefOrDerivedFieldTable(derived->GetField()), &m_table);
}

TEST_F(PageLookupTest, LinksMoveBetweenAndWithinTheirLists)
{
    auto* first = new LinkControl;
    first->SetCaption("Home");
    auto* second = new LinkControl;
    m_page.AddPreLink(first);
    m_page.AddPreLink(second);

    m_page.MovePreLinkUp(1);
    EXPECT_EQ(m_page.GetPreLinkList(), (std::vector<LinkControl*>{second, first}));
    m_page.SetLinkPlacement(first, false);
    m_page.SetLinkPlacement(first, false);
    EXPECT_EQ(m_page.GetPostLinkList(), (std::vector<LinkControl*>{first}));
    EXPECT_EQ(m_page.FindPostLinkByCaption("Home"), first);
    EXPECT_EQ(m_page.FindPreLinkByCaptionNoCase("HOME"), nullptr);
    EXPECT_EQ(m_page.FindLinkControl(nullptr, LinkControl::Right), second);
    std::vector<LinkControl*> out{first};
    m_page.GetPreLinks(out);
    EXPECT_EQ(out, (std::vector<LinkControl*>{second}));
}

TEST_F(PageLookupTest, RecordProceduresByTableAndKind)
{
    Procedure update;
    Procedure remove;
    auto* updateCall = new ProcedureInvokation;
    updateCall->SetProcedure(&update);
    auto* removeCall = new ProcedureInvokation;
    removeCall->SetProcedure(&remove);
    m_page.AddProcedureTable(
        new ProcedureTable(&m_table, updateCall, ProcedureTable::recordUpdateKind));
    m_page.AddProcedureTable(
        new ProcedureTable(&m_table, removeCall, ProcedureTable::recordDeleteKind));
    m_page.AddProcedureTable(
        new ProcedureTable(&m_table, nullptr, ProcedureTable::controlDefaultValueKind));
    m_page.AddUniquenessProcedureTable(new UniquenessProcedureTable(&m_table, nullptr));

    EXPECT_EQ(m_page.GetUpdateProcedure(&m_table), &update);
    EXPECT_EQ(m_page.GetDeleteProcedure(&m_table), &remove);
    EXPECT_EQ(m_page.GetDefaultValueProcedure(&m_table), nullptr);

    m_page.RemoveUpdateProcedureTable(&m_table);
    m_page.RemoveUpdateProcedureTable(&m_table);
    m_page.RemoveUniquenessProcedureTable(&m_table);
    EXPECT_EQ(m_page.GetProcedureTables().size(), 2u);
    EXPECT_EQ(m_page.FindUpdateProcedureTable(&m_table), nullptr);
    EXPECT_TRUE(m_page.GetUniquenessProcedureTables().empty());
}

TEST_F(PageLookupTest, TableFlagsOfAMissingTableAreBothTrue)
{
    Table other;
    other.SetTableName("Customers");
    for (Table* table : {&m_table, &other, &m_table, &other})
        m_page.AddTableFlags(PageTableFlags{table, false, false});

    const PageTableFlags missing = m_page.GetTableFlags(nullptr);
    EXPECT_EQ(missing.table, nullptr);
    EXPECT_TRUE(missing.firstFlag && missing.secondFlag);
    m_page.SetTableFlags(PageTableFlags{&other, true, false});
    EXPECT_TRUE(m_page.GetTableFlags(&other).firstFlag);
    m_page.RemoveTableFlagsByName("customers");
    EXPECT_EQ(m_page.GetTableFlagsList()[1].table, &m_table);

    m_page.ClearTableFlags();
    EXPECT_TRUE(m_page.GetTableFlagsList().empty());
}

TEST_F(PageLookupTest, ControlsFromATableSkipKeyAndMappedOnes)
{
    Field* deleted = NewField("Is_Deleted", &m_table);
    m_page.AddVariablesForTable(&m_table);

    m_page.CreateFieldRepsForTable(&m_table);
    m_page.CreateFieldRepsForTable(&m_table);
    ASSERT_EQ(m_page.GetFieldReps().size(), 1u);
    const FieldRep* rep = m_page.GetFieldReps().front();
    EXPECT_EQ(rep->GetField(), m_price);
    EXPECT_EQ(rep->GetFieldRepData()->GetVariable(),
              m_page.FindFieldVariableMapByField(m_price)->variable);

    Field* added = NewField("Quantity", &m_table);
    m_page.SyncFieldRepsWithTable(&m_table);
    ASSERT_EQ(m_page.GetFieldReps().size(), 2u);
    EXPECT_TRUE(m_page.GetFieldReps()[1]->GetFieldRepData()->IsAddedBySync());
    EXPECT_EQ(m_page.GetFieldReps()[1]->GetField(), added);

    AddControl(m_page, m_key);
    AddControl(m_page, deleted);
    m_page.AddFieldRep(new FieldRep(m_price));
    m_page.RemoveInvalidFieldReps();
    EXPECT_EQ(m_page.GetFieldReps().size(), 2u);
}

TEST_F(PageLookupTest, EventControlsAndRecomputeTests)
{
    FieldRep* source = AddControl(m_page, m_price);
    FieldRep* target = AddControl(m_page, m_key);
    FieldRep* plain = AddControl(m_page, nullptr);
    auto* list = new EventRecmpFields;
    list->AddProcedureRecompute(target, nullptr);
    list->AddClassRecompute(target);
    source->GetFieldRepData()->AddEventRecmpFields(list);
    source->GetFieldRepData()->SetBackField(m_key);
    target->GetFieldRepData()->SetBackField(m_key);

    std::vector<FieldRep*> out{plain};
    m_page.GetEventFieldReps(out);
    EXPECT_EQ(out, (std::vector<FieldRep*>{source}));
    EXPECT_TRUE(m_page.IsFieldRecomputedOnEvent(m_key, false));
    EXPECT_FALSE(m_page.IsFieldRecomputedOnEvent(m_price, true));
    EXPECT_TRUE(FormInterface::RecomputesSameBackField(source));
    EXPECT_FALSE(FormInterface::RecomputesSameBackField(plain));
    EXPECT_FALSE(m_page.IsFieldRepUnused(target));
    EXPECT_TRUE(m_page.IsFieldRepUnused(source));
}

TEST_F(PageLookupTest, AControlNamedInAUniquenessVariableIsInUse)
{
    FieldRep* rep = AddControl(m_page, nullptr);
    rep->GetFieldRepData()->SetCaption("Unit Price");
    Variable pageVariable;
    pageVariable.SetName("txt_Unit_Price");
    auto* call = new ProcedureInvokation;
    call->AddVariablePair(new VariablePair{nullptr, &pageVariable});
    call->AddVariablePair(nullptr);
    m_page.AddUniquenessProcedureTable(new UniquenessProcedureTable(&m_table, call));

    EXPECT_TRUE(m_page.IsNameInUniquenessVariables("Unit_Price"));
    EXPECT_FALSE(m_page.IsFieldRepUnused(rep));
    rep->GetFieldRepData()->SetCaption("Other");
    EXPECT_TRUE(m_page.IsFieldRepUnused(rep));
}

TEST_F(PageLookupTest, PageFilesByKindAndAddress)
{
    EXPECT_FALSE(m_page.HasFileUploadControl());
    AddControl(m_page, m_price)->GetFieldRepData()->SetControlKind(FieldRepData::FileUpload);
    EXPECT_TRUE(m_page.HasFileUploadControl());

    m_page.CreateAspFile(1, AspFile::transactionOwner);
    m_page.CreateAspFile(3, AspFile::transactionOwner);
    AspFile* update = m_page.GetAspFileAt(1);
    const CString url = update->GetRelativeUrl(FALSE, FALSE);
    ASSERT_FALSE(url.IsEmpty());
    EXPECT_EQ(m_page.FindAspFileByName(url), update);
    EXPECT_EQ(m_page.FindAspFile(url), update);
    EXPECT_EQ(m_page.FindAspFile("nowhere"), nullptr);
    EXPECT_EQ(m_page.FindAspFileByType(3), update);
}

TEST_F(PageLookupTest, MapsWithoutVariableAreSkipped)
{
    m_page.AddFieldVariableMap(new FieldVariableMap{m_price, nullptr});
    std::vector<Variable*> variables;
    m_page.GetVariables(variables, true);
    m_page.RenameVariablesAfterFields();
    m_page.RenameVariable("x", "y");
    m_page.OnFieldRenamed(m_price, "Price");

    EXPECT_TRUE(variables.empty());
    EXPECT_EQ("Orders_", FirstListedUse(m_page, m_price));
}

} // namespace
