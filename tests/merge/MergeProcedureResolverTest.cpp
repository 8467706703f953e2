// The resolvers of procedures and procedure invocations, run by an engine once its table phase
// is done: every report line of the table, field and procedure resolvers once and in the order
// met, a procedure reached twice resolved once, a new procedure owned by the first project, an
// invocation rebuilt from its source alone, and the overwrite registrations.
#include "entities/BooleanTreeNode.h"
#include "entities/ProcedureInvokation.h"
#include "merge/MergeDependencyCollector.h"
#include "merge/MergeOverwriteSet.h"
#include "model/FieldFilter.h"
#include "tests/merge/MergeRunFixture.h"

#include <memory>

namespace
{

Field* FieldOf(const Table* table, const char* name)
{
    Field* field = table->FindFieldByName(name);
    EXPECT_NE(field, nullptr) << name;
    return field;
}

auto* NewVariable(const char* name, const char* value = "")
{
    auto* variable = new Variable;
    variable->SetName(name);
    variable->SetValue(value);
    return variable;
}

// A tableless computed field.
Field* NewAliasField(const char* name)
{
    auto* field = new Field;
    field->SetFieldName(name);
    return field;
}

// First "Sales": customer(name, city), the procedure PRC_customer_SelectAll (the second's
// PRC_Customer_SelectAll, its name in another case) and PRC_orders_X
// on customer with the detail table region_list and the columns name and city.
// Second "Sales": Customer(name, city, Phone, region_ref -> Geo.region.code), orders(amount),
// the procedure PRC_Customer_SelectAll (parameter name, columns name and the alias total,
// variation variable) and PRC_orders_X on Customer with the column name; second "Geo":
// region(code).
std::unique_ptr<ForgeonProject> BuildProcedureResolverFirst()
{
    Module* sales = nullptr;
    auto project = NewMergeProject("First", sales);
    Table* customer = NewTable("customer", Table::masterKind, {"name", "city"});
    sales->AppendMasterTable(customer);
    Table* regionList = NewTable("region_list", Table::masterKind, {"label"});
    sales->AppendMasterTable(regionList);
    sales->Append(NewProcedure("PRC_customer_SelectAll", customer));
    Procedure* ordersX = NewProcedure("PRC_orders_X", customer, Procedure::customKind);
    ordersX->AddTable(regionList);
    ordersX->AddOutputField(FieldOf(customer, "name"));
    ordersX->AddOutputField(FieldOf(customer, "city"));
    sales->Append(ordersX);
    return project;
}

std::unique_ptr<ForgeonProject> BuildProcedureResolverSecond()
{
    Module* sales = nullptr;
    auto project = NewMergeProject("Second", sales);
    Module* geo = NewModule("Geo", 3);
    Table* region = NewTable("region", Table::masterKind, {"code"});
    geo->AppendMasterTable(region);
    project->AddModule(geo);
    Table* customer = NewTable("Customer", Table::masterKind, {"name", "city", "Phone"});
    AddVarcharField(customer, "region_ref", FieldOf(region, "code"));
    sales->AppendMasterTable(customer);
    sales->AppendMasterTable(NewTable("orders", Table::masterKind, {"amount"}));

    Procedure* selectAll = NewProcedure("PRC_Customer_SelectAll", customer);
    selectAll->SetProcedureText("SELECT 1");
    Variable* parameter = NewVariable("PRC_Customer_name_Var", "7");
    selectAll->AddFieldParameterPair(FieldOf(customer, "name"), parameter);
    selectAll->AddFieldParameterPair(FieldOf(customer, "city"),
                                     NewVariable("PRC_CUSTOMER_NAME_VAR", "8"));
    selectAll->AddVariationVariable(parameter);
    selectAll->AddOutputField(FieldOf(customer, "name"));
    Field* total = NewAliasField("total");
    selectAll->AddAliasField(total, true);
    auto* relation = new Relation;
    relation->SetFirstTable(customer);
    relation->SetSecondTable(customer);
    relation->AddJoinField(FieldOf(customer, "city"));
    selectAll->AddRelation(relation);
    sales->Append(selectAll);

    Procedure* ordersX = NewProcedure("PRC_orders_X", customer, Procedure::customKind);
    ordersX->AddOutputField(FieldOf(customer, "name"));
    sales->Append(ordersX);
    return project;
}

// The scripted choice, then the maps of the merge dialogs: orders and Customer.Phone to none.
class MappingSelection : public MergeSelection
{
public:
    explicit MappingSelection(bool overwrite)
        : m_scripted(ScriptedMergeSelection::Entities(
              "Sales",
              {{ScriptedMergeSelection::Kind::Table, "Customer"},
               {ScriptedMergeSelection::Kind::Table, "orders"},
               {ScriptedMergeSelection::Kind::Procedure, "PRC_Customer_SelectAll"},
               {ScriptedMergeSelection::Kind::Procedure, "PRC_orders_X"}},
              overwrite))
    {
    }

    std::optional<MergeChoice> Choose(ForgeonProject* first, ForgeonProject* second,
                                      MergeDependencyCollector& dependencies) override
    {
        std::optional<MergeChoice> choice = m_scripted.Choose(first, second, dependencies);
        Module* sales = second->FindModuleByName("Sales");
        CString orders = "orders";
        dependencies.MapTable(sales->FindTableByName(orders), nullptr);
        CString customer = "Customer";
        dependencies.MapField(FieldOf(sales->FindTableByName(customer), "Phone"), nullptr);
        return choice;
    }

private:
    ScriptedMergeSelection m_scripted;
};
} // namespace

class MergeProcedureResolverTest : public MergeRun
{
protected:
    Table* SecondTable(const char* name) const
    {
        for (Module* module : Second()->GetModules())
        {
            CString lookup = name;
            if (Table* table = module->FindTableByName(lookup))
                return table;
        }
        ADD_FAILURE() << name;
        return nullptr;
    }
    std::string ResolverLines(const ProjectMerger& merger) const
    {
        return merger.GetReport().GetBuffer().GetString();
    }
};

TEST_F(MergeProcedureResolverTest, EveryReportLineIsWrittenOnceInTheOrderMet)
{
    Load(BuildProcedureResolverFirst(), BuildProcedureResolverSecond());
    MappingSelection selection(false);
    auto merger = std::make_unique<ProjectMerger>(First(), Second(), selection);
    ASSERT_TRUE(merger->Merge());

    // The table phase: the run's report file. The unresolved table's line comes before or
    // after those of Customer, by the table list's order.
    const std::string tableLine = "orders table not found in first file\n\n";
    const std::string customerLines =
        "Customer.Phone field in Customer table not found in first file!\n\n"
        "region foreign Table for Customer.region_ref field not found in first file!\n\n"
        "region.code foreign field for Customer.region_ref field not found in first file!\n\n";
    const std::string report = TempText("Report_ .txt");
    EXPECT_TRUE(report == tableLine + customerLines + reportSeparator ||
                report == customerLines + tableLine + reportSeparator)
        << report;

    // A procedure that the new-entities collector does not know, into a namesake of the
    // first project.
    Table* customer = SecondTable("Customer");
    Table* region = SecondTable("region");
    Procedure* source = NewProcedure("PRC_x", customer, Procedure::customKind);
    Second()->FindModuleByName("Sales")->Append(source);
    source->AddTable(customer);
    source->AddTable(region);
    Variable* nameVariable = NewVariable("PRC_name_Var");
    source->AddFieldParameterPair(FieldOf(customer, "name"), nameVariable);
    source->AddFieldParameterPair(FieldOf(region, "code"), NewVariable("PRC_code_Var"));
    source->AddVariationVariable(nameVariable);
    auto* relation = new Relation;
    relation->SetFirstTable(customer);
    relation->SetSecondTable(region);
    source->AddRelation(relation);
    auto* filter = new FieldFilter;
    filter->SetField(FieldOf(customer, "name"));
    filter->SetVariable(nameVariable);
    filter->SetComparisonKind(2);
    source->AddFilter(filter);
    auto* leaf = new BooleanTreeNode;
    leaf->SetFilter(filter);
    source->AddFilterTreeRoot(leaf);
    // A combined condition: a leaf of the listed filter and one of a filter of its own.
    auto* combined = new BooleanTreeNode;
    combined->SetOperator(0);
    combined->SetLeft(new BooleanTreeNode);
    combined->GetLeft()->SetFilter(filter);
    combined->SetRight(new BooleanTreeNode);
    auto ownFilter = std::make_unique<FieldFilter>();
    ownFilter->SetField(FieldOf(customer, "city"));
    combined->GetRight()->SetFilter(ownFilter.get());
    source->AddFilterTreeRoot(combined);
    source->AddOutputField(FieldOf(customer, "name"));
    source->AddOutputField(FieldOf(region, "code"));
    source->AddAliasField(NewAliasField("total"), true);
    Procedure* target = NewProcedure("PRC_x", nullptr, Procedure::customKind);
    FirstSales()->Append(target);

    Procedure* noMainTable = NewProcedure("PRC_y", region);
    Second()->FindModuleByName("Sales")->Append(noMainTable);
    Procedure* noMainTarget = NewProcedure("PRC_y");
    FirstSales()->Append(noMainTarget);

    // Reached from two invocations, the procedure is resolved once.
    ProcedureInvokation invokation;
    invokation.SetProcedure(source);
    auto caller = std::unique_ptr<Variable>(NewVariable("page_name"));
    invokation.AddVariablePair(new VariablePair{nameVariable, caller.get()});
    auto city = std::unique_ptr<Variable>(NewVariable("page_city"));
    invokation.AddFieldVariableMap(new FieldVariableMap{FieldOf(customer, "city"), city.get()});
    Variable* known = Second()
                          ->FindModuleByName("Sales")
                          ->FindProcedureByName("PRC_Customer_SelectAll")
                          ->GetFieldParameters()
                          .front()
                          .variable;
    invokation.AddFieldVariableMap(new FieldVariableMap{FieldOf(region, "code"), known});
    for (int reach = 0; reach < 2; ++reach)
    {
        ProcedureInvokation resolved;
        EXPECT_TRUE(merger->ResolveProcedureInvokation(&invokation, &resolved)) << reach;
        EXPECT_EQ(resolved.GetProcedure(), target) << reach;
    }
    merger->ResolveProcedure(noMainTable, noMainTarget);

    const std::string invokationLines =
        "PRC_name_Var variable is not mapped in  procedure in first file!\n\n"
        "page_city variable is not mapped in  procedure in first file!\n\n"
        "code field mapping not found in  procedure used in recomput fields in first file!\n\n";
    EXPECT_EQ(ResolverLines(*merger),
              "region detailTable not found in PRC_x procedure in first file!\n\n"
              "PRC_name_Var mapped variable not found in PRC_x procedure in first file!\n\n"
              "code input field not found in PRC_x procedure in first file!\n\n"
              "Relation between Customer table and region table has been removed in PRC_x "
              "procedure\n\n"
              "PRC_name_Var variable not found in first file!\n\n"
              "code fieldInfo not found in PRC_x procedure first file!\n\n"
              "total fieldInfo not found in procedure in first file!\n\n"
              "PRC_name_Var variable not found in first file!\n\n" +
                  invokationLines + invokationLines +
                  "region Maintable not found in PRC_y procedure in first file!\n\n");
    EXPECT_EQ(
        DescribeModule(*FirstSales()).substr(DescribeModule(*FirstSales()).find("procedure PRC_x")),
        "procedure PRC_x on customer kind 1 text ''\n"
        "  details:\n"
        "  parameters:\n"
        "  relations:\n"
        "  filters: name>=- city=-\n"
        "  columns: name\n"
        "  aliases:\n"
        "  variables:\n"
        "procedure PRC_y on - kind 0 text ''\n"
        "  details:\n"
        "  parameters:\n"
        "  relations:\n"
        "  filters:\n"
        "  columns:\n"
        "  aliases:\n"
        "  variables:\n");
    // Leaves of listed filters take the target's filter at the same place; another filter joins
    // the target's filters.
    ASSERT_EQ(target->GetFilterTrees().size(), 2u);
    ASSERT_EQ(target->GetFilters().size(), 2u);
    EXPECT_EQ(target->GetFilterTrees().front()->GetFilter(), target->GetFilters()[0]);
    const BooleanTreeNode* copied = target->GetFilterTrees().back();
    EXPECT_EQ(copied->GetOperator(), 0);
    EXPECT_EQ(copied->GetFilter(), nullptr);
    ASSERT_NE(copied->GetLeft(), nullptr);
    ASSERT_NE(copied->GetRight(), nullptr);
    EXPECT_EQ(copied->GetLeft()->GetFilter(), target->GetFilters()[0]);
    EXPECT_EQ(copied->GetRight()->GetFilter(), target->GetFilters()[1]);
    EXPECT_EQ(copied->GetRight()->GetOperator(), 2);
    EXPECT_EQ(noMainTarget->GetMergeMark(), 0);
}

TEST_F(MergeProcedureResolverTest,
       InvokedProceduresJoinTheFirstProjectAndOverwriteListsWhatOnlyItHad)
{
    const std::string selectAll =
        "procedure PRC_customer_SelectAll on customer kind 0 text 'SELECT 1'\n"
        "  details:\n"
        "  parameters: name=PRC_Customer_name_Var/7 city=PRC_CUSTOMER_NAME_VAR/8\n"
        "  relations: customer-customer[city;]\n"
        "  filters:\n"
        "  columns: name total\n"
        "  aliases: total\n"
        "  variables: PRC_Customer_name_Var/7\n";
    struct Case
    {
        bool overwrite;
        std::string procedures;
    };
    const Case cases[] = {
        {false, selectAll + "procedure PRC_orders_X on customer kind 1 text ''\n"
                            "  details: region_list\n"
                            "  parameters:\n"
                            "  relations:\n"
                            "  filters:\n"
                            "  columns: name city\n"
                            "  aliases:\n"
                            "  variables:\n"},
        {true, selectAll + "procedure PRC_orders_X on customer kind 1 text ''\n"
                           "  details:\n"
                           "  parameters:\n"
                           "  relations:\n"
                           "  filters:\n"
                           "  columns: name\n"
                           "  aliases:\n"
                           "  variables:\n"},
    };
    for (const Case& test : cases)
    {
        Load(BuildProcedureResolverFirst(), BuildProcedureResolverSecond());
        MappingSelection selection(test.overwrite);
        auto merger = std::make_unique<ProjectMerger>(First(), Second(), selection);
        Module* sales = Second()->FindModuleByName("Sales");
        Procedure* selectAll = sales->FindProcedureByName("PRC_Customer_SelectAll");
        Variable* parameter = selectAll->GetFieldParameters().front().variable;

        // The invocation of a page, resolved where the page phases run; the target's own pairs
        // and maps go.
        ProcedureInvokation invokation;
        invokation.SetProcedure(selectAll);
        invokation.AddVariablePair(new VariablePair{parameter, parameter});
        // Its caller variable differs from the first pair's only in case: dropped.
        Variable* other = selectAll->GetFieldParameters().back().variable;
        invokation.AddVariablePair(new VariablePair{other, other});
        invokation.AddFieldVariableMap(
            new FieldVariableMap{selectAll->GetAliasFields().front(), parameter});
        ProcedureInvokation ordersInvokation;
        ordersInvokation.SetProcedure(sales->FindProcedureByName("PRC_orders_X"));
        auto own = std::unique_ptr<Variable>(NewVariable("own"));
        ProcedureInvokation resolved;
        resolved.AddVariablePair(new VariablePair{own.get(), own.get()});
        resolved.AddFieldVariableMap(new FieldVariableMap{nullptr, own.get()});
        ProcedureInvokation ordersResolved;
        const MainFrameAccess::StatusTextSink recording = MainFrameAccess::SetStatusTextSink(
            [&](const char* text)
            {
                if (std::string(text) != "Resolving Master Forms")
                    return;
                EXPECT_TRUE(merger->ResolveProcedureInvokation(&invokation, &resolved));
                EXPECT_TRUE(merger->ResolveProcedureInvokation(&ordersInvokation, &ordersResolved));
            });
        const bool merged = merger->Merge();
        MainFrameAccess::SetStatusTextSink(recording);
        ASSERT_TRUE(merged) << test.overwrite;

        const std::string module = DescribeModule(*FirstSales());
        EXPECT_EQ(module.substr(module.find("procedure ")), test.procedures) << test.overwrite;
        // The procedure whose name differs only in case takes the second's in its own name.
        Procedure* adopted = FirstSales()->FindProcedureByName("PRC_customer_SelectAll");
        ASSERT_NE(adopted, nullptr);
        EXPECT_EQ(resolved.GetProcedure(), adopted);
        Variable* adoptedParameter = adopted->GetFieldParameters().front().variable;
        ASSERT_EQ(resolved.GetVariablePairs().size(), 1u) << test.overwrite;
        EXPECT_EQ(resolved.GetVariablePairs().front()->first, adoptedParameter);
        ASSERT_EQ(resolved.GetFieldVariableMaps().size(), 1u) << test.overwrite;
        EXPECT_EQ(resolved.GetFieldVariableMaps().front()->field,
                  adopted->GetAliasFields().front());
        EXPECT_EQ(merger->GetReport().GetBuffer(), CString());
        if (test.overwrite)
        {
            MergeOverwriteSet& overwrite = *merger->GetOverwriteSet();
            EXPECT_EQ(overwrite.GetProcedureDetailTableList().size(), 1u);
            EXPECT_EQ(overwrite.GetProcedureColumnList().size(), 1u);
            EXPECT_EQ(overwrite.GetOwnerProcedureList().size(), 2u);
        }

        // What the first project took over stays with it once the merger and the second
        // input are gone.
        merger.reset();
        const CString path = m_folder.ModelPath("merged.wvt");
        ASSERT_TRUE(m_store.ArchiveProject(First(), path, FALSE)) << LastBox();
        m_store.DeleteMergeProjects();
        ASSERT_TRUE(m_store.LoadFirstMergeProject(path)) << LastBox();
        const std::string reloaded = DescribeModule(*FirstSales());
        EXPECT_EQ(reloaded.substr(reloaded.find("procedure ")), test.procedures) << test.overwrite;
    }
}
