// The overwrite pass over a first project read back through the project store: what it
// removes, what it leaves, and the report it writes under the host temp folder.
#include "entities/DerivedField.h"
#include "entities/Designation.h"
#include "entities/LinkControl.h"
#include "entities/LoginPage.h"
#include "entities/Parameter.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ReportField.h"
#include "entities/Variable.h"
#include "merge/MergeOverwriteSet.h"
#include "merge/MergeReportFiles.h"
#include "model/RefField.h"
#include "model/Relation.h"
#include "tests/merge/MergeInputs.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

namespace
{
// The text with each "\n" written as "\r\n", as a written file holds it.
std::string WithCrLf(const std::string& text)
{
    std::string out;
    for (const char c : text)
        out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
}

// Each heading of the report, in order, with the name the fixture's run writes under it.
struct Section
{
    const char* heading;
    std::string name;
};

std::vector<Section> FixtureSections(const std::string& variableName)
{
    return {{"VARIABLES", variableName},
            {"PROCEDUREINFO", "qty"},
            {"FUNCTIONINFO", "qty"},
            {"FUNCTION PARAMETER", "from"},
            {"FIELDS", ""},
            {"DASHBOARDS", "StockBoard"},
            {"DASHBOARD PAGES", "Stock_dash"},
            {"Enitities of FormInterface", ""},
            {"DERIVED FIELDS", "total"},
            {"REFERENCE FIELDS", "unit_name"},
            {"REPORT FIELDS", "qty"},
            {"LINK CONTROLS", "Back"},
            {"PROC DETAIL TABLE", "stock_old"},
            {"FUNC DEPENDENT TABLE", "unit"},
            {"MENUS", "StockMenu"},
            {"MASTERFORMS", "stock_form"},
            {"MAPFORMS", "stock_link_form"},
            {"TRANSACTIONS", "stock_trn"},
            {"XSDINFOS", "DataSets\\Stock.xsd"},
            {"RDLCINFOS", "Reports\\stock.rdlc"},
            // The first record's map went with its dataset.
            {"RDLCTABLEADAPTERMAPS", "OtherAdapter"},
            {"RDLCREPORTS", "stock_rdlc"},
            {"REPORTS", "stock_report"},
            {"DESIGNATIONS", "clerk"},
            {"PROCS", "PRC_stock_List"},
            {"FUNCTIONS", "Total"},
            {"TABLES", "stock_old"}};
}

// The report's text: "\nDELETED <heading>: \n" and, with names, each non-empty name and "\n".
std::string ReportOf(const std::vector<Section>& sections, bool withNames)
{
    std::string text;
    for (const Section& section : sections)
    {
        text += std::string("\nDELETED ") + section.heading + ": \n";
        if (withNames && !section.name.empty())
            text += section.name + "\n";
    }
    return text;
}

// A field of no table, for a reference or derived field to own.
Field* NewPageField(const char* name)
{
    auto* field = new Field;
    field->Set(name, name, FieldTypeVarchar, 50, 0, nullptr, "", false, false, true, false, false);
    return field;
}

// Two master forms over "stock" with same-named parts, two reports with a same-named column,
// two procedures with a same-named column, two classes with a same-named function, and one
// entity of every other kind the pass removes.
std::unique_ptr<ForgeonProject> BuildOverwriteFirst()
{
    Module* sales = nullptr;
    auto project = NewMergeProject("First", sales);
    Table* stock = NewTable("stock", Table::masterKind, {"qty"});
    Table* stockOld = NewTable("stock_old", Table::masterKind, {"qty_old"});
    Table* unit = NewTable("unit", Table::masterKind, {"unit_name"});
    for (Table* table : {stock, stockOld, unit})
        sales->AppendMasterTable(table);
    Table* link = NewTable("stock_link", Table::mapKind);
    sales->AppendMapTable(link);

    for (const char* name : {"other_form", "stock_form"})
    {
        Form* form = NewForm(name, stock);
        auto* variable = new Variable;
        variable->SetName("qty_var");
        form->AddFieldVariableMap(new FieldVariableMap{stock->FindFieldByName("qty"), variable});
        form->AddRefField(new RefField(NewPageField("unit_name"), unit));
        form->AddDerivedField(new DerivedField(NewPageField("total"), stock));
        auto* back = new LinkControl;
        back->SetCaption("Back");
        form->AddPostLink(back);
        sales->Append(form);
    }
    for (const char* name : {"other_report", "stock_report"})
    {
        auto* report = NewPage<ApplicationReport>(name);
        auto* group = new ReportGroup;
        auto* column = new ReportField;
        column->SetName("qty");
        group->AddReportField(column);
        report->AddReportGroup(group);
        sales->Append(report);
    }
    for (const char* name : {"PRC_other", "PRC_stock_List"})
    {
        Procedure* procedure = NewProcedure(name, stock, Procedure::customKind);
        procedure->AddOutputField(stock->FindFieldByName("qty"));
        sales->Append(procedure);
    }
    Procedure* list = sales->FindProcedureByName("PRC_stock_List");
    list->AddTable(stockOld);
    auto* relation = new Relation;
    relation->SetFirstTable(stock);
    relation->SetSecondTable(stockOld);
    list->AddRelation(relation);
    list->AddOutputField(stockOld->FindFieldByName("qty_old"));

    for (Table* table : {unit, stock})
    {
        Function* total =
            AddClassFunction(sales, table, table == unit ? "_unit" : "_stock", "Total");
        auto* from = new Parameter;
        from->SetName("from");
        total->AddParameter(from);
        total->AddOutputField(
            new ProcedureFieldInfo(stock->FindFieldByName("qty"), ProcedureFieldInfo::noAggregate));
        total->AddUsedTable(unit);
    }

    sales->Append(NewPage<DashBoard>("StockBoard"));
    sales->Append(NewPage<DashBoardPage>("Stock_dash"));
    sales->Append(NewMenu("StockMenu"));
    auto* mapForm = NewPage<MapForm>("stock_link_form");
    mapForm->SetMappingTable(link);
    sales->Append(mapForm);
    auto* transaction = NewPage<Transaction>("stock_trn");
    sales->Append(transaction);
    auto* clerk = new Designation;
    clerk->SetName("clerk");
    sales->Append(clerk);
    // The base module's role reports to it and its menu lists it on the menu's side only.
    auto* supervisor = new Designation;
    supervisor->SetName("supervisor");
    supervisor->SetReportsTo(clerk);
    project->GetBaseModule()->Append(supervisor);
    Menu* baseMenu = NewMenu("BaseMenu");
    baseMenu->AddRole(clerk);
    project->GetBaseModule()->Append(baseMenu);

    auto* stockSet = new XSDInfo;
    stockSet->SetFilePath("DataSets\\Stock.xsd");
    auto* adapter = new TableAdapter;
    adapter->SetName("StockAdapter");
    stockSet->AddTableAdapter(adapter);
    project->AddXSDInfo(stockSet);
    auto* otherSet = new XSDInfo;
    otherSet->SetFilePath("DataSets\\Other.xsd");
    auto* otherAdapter = new TableAdapter;
    otherAdapter->SetName("OtherAdapter");
    otherSet->AddTableAdapter(otherAdapter);
    project->AddXSDInfo(otherSet);
    auto* info = new RDLCInfo;
    info->SetName("Reports\\stock.rdlc");
    project->AddRDLCInfo(info);
    auto* rdlcReport = NewPage<RDLCReport>("stock_rdlc");
    rdlcReport->SetRDLCInfo(info);
    rdlcReport->AddTableAdapterMap({adapter, {}});
    rdlcReport->AddTableAdapterMap({otherAdapter, {}});
    sales->Append(rdlcReport);
    return project;
}
} // namespace

class OverwriteSetTest : public MergeInputs
{
protected:
    void SetUp() override
    {
        Module* unused = nullptr;
        Load(BuildOverwriteFirst(), NewMergeProject("Second", unused));
    }

    template <class Page> Page* FirstPage(const char* name) const
    {
        return dynamic_cast<Page*>(FirstSales()->FindPageByName(name));
    }
    // The variable mapped to the field "qty" of the form (named after the field by the load).
    Variable* QtyVariable(const FormInterface* form) const
    {
        const FieldVariableMap* map =
            form->FindFieldVariableMapByField(FirstTable("stock")->FindFieldByName("qty"));
        return map != nullptr ? map->variable : nullptr;
    }
    Table* FirstTable(const char* name) const { return First()->FindTableByName(name); }
    Function* Total(const char* className) const
    {
        Class* dataClass = FirstSales()->FindClassByName(className);
        return dataClass != nullptr ? dataClass->FindFunctionByName("Total") : nullptr;
    }

    // Lists one entity of every kind the pass removes, each the one of "stock".
    void FillLists(MergeOverwriteSet& set) const
    {
        auto* form = FirstPage<Form>("stock_form");
        set.GetVariableList().push_back(QtyVariable(form));
        set.GetDerivedFieldList().push_back(form->GetDerivedFields().front());
        set.GetRefFieldList().push_back(form->GetRefFields().front());
        set.GetLinkControlList().push_back(form->FindPostLinkByCaption("Back"));
        auto* report = FirstPage<ApplicationReport>("stock_report");
        set.GetReportFieldList().push_back(
            report->GetReportGroups().front()->GetReportFields().front());
        Procedure* procedure = FirstSales()->FindProcedureByName("PRC_stock_List");
        set.GetOwnerProcedureList().push_back(procedure);
        set.GetProcedureColumnList().push_back(procedure->FindOutputColumnByDisplayName("qty"));
        set.GetProcedureDetailTableList().push_back(FirstTable("stock_old"));
        Function* total = Total("_stock");
        set.GetOwnerClassList().push_back(FirstSales()->FindClassByName("_unit"));
        set.GetOwnerClassList().push_back(FirstSales()->FindClassByName("_stock"));
        set.GetFunctionList().push_back(total);
        set.GetFunctionColumnList().push_back(total->FindProcedureFieldInfoByName("qty"));
        set.GetFunctionParameterList().push_back(total->FindParameterByName("from"));
        set.GetFunctionTableList().push_back(total->FindTableByName("unit"));
        set.GetDashBoardList().push_back(FirstSales()->FindDashBoardByName("StockBoard"));
        set.GetDashBoardPageList().push_back(FirstSales()->FindDashBoardPageByName("Stock_dash"));
        set.GetMenuList().push_back(FirstSales()->FindMenuByName("StockMenu"));
        set.GetMasterFormList().push_back(form);
        set.GetMapFormList().push_back(FirstPage<MapForm>("stock_link_form"));
        set.GetTransactionList().push_back(FirstPage<Transaction>("stock_trn"));
        set.GetXSDInfoList().push_back(First()->GetXSDInfos().front());
        set.GetRDLCInfoList().push_back(First()->GetRDLCInfos().front());
        auto* rdlcReport = FirstPage<RDLCReport>("stock_rdlc");
        set.GetRDLCReportList().push_back(rdlcReport);
        // The first record's map goes with its dataset before the records are removed.
        for (const TableAdapterMap& record : rdlcReport->GetTableAdapterMaps())
            set.GetTableAdapterMapList().push_back(record);
        set.GetReportList().push_back(report);
        set.GetDesignationList().push_back(FirstSales()->FindDesignationByName("clerk"));
        set.GetProcedureList().push_back(procedure);
        set.GetTableList().push_back(FirstTable("stock_old"));
    }

    TempFolder m_hostTemp{"WeavoMergeTemp"};
    MergeReportFiles m_files;
};

TEST_F(OverwriteSetTest, WithEveryListEmptyTheReportHoldsTheHeadingsAlone)
{
    const TempFolderOverride temp(m_hostTemp.Path());
    MergeOverwriteSet set(First(), m_files);
    set.OpenReport("empty run");
    set.ApplyDeletions();
    const std::filesystem::path written = temp.Own() / "Merge_OverwriteReport_empty run.txt";
    EXPECT_EQ(ReadHostFile(written), WithCrLf(ReportOf(FixtureSections(""), false)));
    ASSERT_EQ(m_files.GetFiles().size(), 1u);
    EXPECT_EQ(m_files.GetFiles().front().hostPath, written.string());
    EXPECT_TRUE(m_files.GetFiles().front().written);
    EXPECT_NE(FirstSales(), nullptr);
}

TEST_F(OverwriteSetTest, AReportThatCannotBeOpenedKeepsItsTextAndTheRunGoesOn)
{
    const TempFolderOverride temp(m_hostTemp.Path());
    std::filesystem::create_directory(temp.Own() / "Merge_OverwriteReport_blocked.txt");
    MergeOverwriteSet set(First(), m_files);
    set.OpenReport("blocked");
    set.GetMenuList().push_back(FirstSales()->FindMenuByName("StockMenu"));
    set.ApplyDeletions();
    std::vector<Section> sections = FixtureSections("");
    for (Section& section : sections)
        section.name = section.heading == std::string("MENUS") ? "StockMenu" : "";
    EXPECT_EQ(std::string(set.GetReport().GetBuffer().GetString()), ReportOf(sections, true));
    EXPECT_EQ(FirstSales()->FindMenuByName("StockMenu"), nullptr);
    ASSERT_EQ(m_files.GetFailedFiles().size(), 1u);
    EXPECT_FALSE(m_files.GetFailedFiles().front()->failure.IsEmpty());
}

TEST_F(OverwriteSetTest, EachListedObjectLeavesItsOwnOwnerAndSameNamedOnesStay)
{
    ASSERT_NE(Total("_stock"), nullptr);
    ASSERT_NE(First()->GetBaseModule()->GetLoginPage(), nullptr);
    const TempFolderOverride temp(m_hostTemp.Path());
    MergeOverwriteSet set(First(), m_files);
    set.OpenReport("baseMODULE");
    FillLists(set);
    ASSERT_NE(set.GetVariableList().front(), nullptr);
    const std::string variableName = set.GetVariableList().front()->GetFieldName().GetString();
    set.ApplyDeletions();

    EXPECT_EQ(ReadHostFile(temp.Own() / "Merge_OverwriteReport_baseMODULE.txt"),
              WithCrLf(ReportOf(FixtureSections(variableName), true)));

    struct Outcome
    {
        const char* what;
        std::function<bool()> holds;
    };
    const Outcome outcomes[] = {
        {"the other form keeps its variable",
         [this, &name = variableName]
         {
             const Variable* variable = QtyVariable(FirstPage<Form>("other_form"));
             return variable != nullptr && variable->GetFieldName().GetString() == name;
         }},
        {"the other form keeps its reference field",
         [this] { return FirstPage<Form>("other_form")->GetRefFields().size() == 1; }},
        {"the other form keeps its derived field",
         [this] { return FirstPage<Form>("other_form")->GetDerivedFields().size() == 1; }},
        {"the other form keeps its link", [this]
         { return FirstPage<Form>("other_form")->FindPostLinkByCaption("Back") != nullptr; }},
        {"the other report keeps its column",
         [this]
         {
             return FirstPage<ApplicationReport>("other_report")
                        ->GetReportGroups()
                        .front()
                        ->GetReportFields()
                        .size() == 1;
         }},
        {"the other procedure keeps its column", [this]
         { return FirstSales()->FindProcedureByName("PRC_other")->HasOutputColumnNamed("qty"); }},
        {"the other class keeps its function", [this] { return Total("_unit") != nullptr; }},
        {"the other class's function keeps its parts",
         [this]
         {
             Function* total = Total("_unit");
             return total->FindParameterByName("from") != nullptr &&
                    total->FindTableByName("unit") != nullptr &&
                    total->FindProcedureFieldInfoByName("qty") != nullptr;
         }},
        {"the listed function is gone", [this] { return Total("_stock") == nullptr; }},
        {"the listed pages are gone",
         [this]
         {
             return FirstSales()->FindPageByName("stock_form") == nullptr &&
                    FirstSales()->FindPageByName("stock_report") == nullptr &&
                    FirstSales()->FindPageByName("stock_rdlc") == nullptr &&
                    FirstSales()->FindDashBoardByName("StockBoard") == nullptr;
         }},
        {"the listed table and procedure are gone",
         [this]
         {
             return FirstTable("stock_old") == nullptr &&
                    FirstSales()->FindProcedureByName("PRC_stock_List") == nullptr;
         }},
        {"the report descriptions are gone",
         [this]
         {
             return First()->GetXSDInfos().size() == 1 &&
                    First()->GetXSDInfos().front()->GetName() == "DataSets\\Other.xsd" &&
                    First()->GetRDLCInfos().empty();
         }},
        {"the role is gone, and the base module's role and menu let go of it",
         [this]
         {
             const Module* base = First()->GetBaseModule();
             return FirstSales()->FindDesignationByName("clerk") == nullptr &&
                    base->FindDesignationByName("supervisor")->GetReportsTo() == nullptr &&
                    base->FindMenuByName("BaseMenu")->GetRoles().empty();
         }},
        {"the base module's login page is gone",
         [this] { return First()->GetBaseModule()->GetLoginPage() == nullptr; }},
    };
    for (const Outcome& outcome : outcomes)
        EXPECT_TRUE(outcome.holds()) << outcome.what;
}

// A shared variable outlives its map, so the bindings to it stay.
TEST_F(OverwriteSetTest, AFormOrVariableThatGoesTakesTheBindingsOfOtherReportsToItWithIt)
{
    const struct
    {
        bool wholeForm;
        bool shared;
    } cases[] = {{true, false}, {false, false}, {false, true}};
    for (const auto& test : cases)
    {
        SetUp(); // fresh merge inputs for each run
        auto* form = FirstPage<Form>("stock_form");
        ReportField* column = FirstPage<ApplicationReport>("other_report")
                                  ->GetReportGroups()
                                  .front()
                                  ->GetReportFields()
                                  .front();
        Variable* variable = QtyVariable(form);
        ASSERT_NE(variable, nullptr);
        if (test.shared)
            variable->SetKind(Variable::sharedKind);
        // A shared map is freed by the last page that holds it, here the test.
        FieldVariableMap* map = form->FindFieldVariableMapByVariable(variable);
        // A merge finds a binding's target by name in any page of the open project.
        column->AddBinding(new ReportFieldBinding{variable, nullptr, nullptr, nullptr});
        {
            const TempFolderOverride temp(m_hostTemp.Path());
            MergeOverwriteSet set(First(), m_files);
            set.OpenReport("form");
            if (test.wholeForm)
                set.GetMasterFormList().push_back(form);
            else
                set.GetVariableList().push_back(variable);
            set.ApplyDeletions();
        }

        EXPECT_EQ(test.wholeForm, FirstPage<Form>("stock_form") == nullptr);
        EXPECT_EQ(column->GetBindings().empty(), !test.shared) << test.wholeForm;
        EXPECT_TRUE(m_store.ArchiveProject(First(), m_folder.ModelPath("merged.wvt"), FALSE))
            << LastBox();
        if (test.shared)
        {
            column->RemoveBindingForVariable(variable);
            delete variable;
            delete map;
        }
    }
}
