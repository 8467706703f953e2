#pragma once

#include "merge/MergeDependencyCollector.h"
#include "tests/merge/MergeInputs.h"

#include <string>
#include <vector>

// The second project: module "Sales" with tables, their classes, forms and transactions,
// reports, report descriptions, dashboards and a menu; modules "Extra" and "UPPER". The first
// project has "Sales" with the table "CUSTOMER", and "Upper".
inline std::unique_ptr<ForgeonProject> BuildSelectionSecond()
{
    Module* sales = nullptr;
    auto project = NewMergeProject("Second", sales);
    Table* customer = NewTable("customer", Table::masterKind, {"name"});
    Table* orders = NewTable("orders", Table::masterKind, {"amount"});
    Table* product = NewTable("product", Table::masterKind, {"weight"});
    AddVarcharField(orders, "product_ref", product->GetPrimaryKeyField());
    for (Table* table : {customer, orders, product})
        sales->AppendMasterTable(table);
    Table* invoice = NewTable("invoice", Table::masterDetailKind);
    Table* invoiceLine = NewTable("invoice_line", Table::masterDetailKind);
    for (Table* table : {invoice, invoiceLine})
        sales->AppendTransactionTable(table);

    AddClassFunction(sales, customer, "_customer", "Balance");
    AddClassFunction(sales, invoiceLine, "_invoice_line", "Lines");
    AddClassFunction(sales, orders, "_orders", "Total");
    AddClassFunction(sales, product, "_product", "Weight")->SetKind(1);

    for (Form* form : {NewForm("customer_form", customer), NewForm("orders_form", orders),
                       NewForm("product_form", product)})
        sales->Append(form);
    auto* customerTrn = NewPage<Transaction>("customer_trn");
    customerTrn->SetBasicTable(customer);
    customerTrn->AddDetailTable(invoiceLine);
    auto* invoiceTrn = NewPage<Transaction>("invoice_trn");
    invoiceTrn->SetBasicTable(invoice);
    invoiceTrn->AddDetailTable(invoiceLine);
    invoiceTrn->AddDetailTable(customer);
    sales->Append(customerTrn);
    sales->Append(invoiceTrn);
    sales->Append(NewPage<ApplicationReport>("sales_report"));
    sales->Append(NewPage<ApplicationReport>("stock_report"));

    const StockDescriptions descriptions = AddStockDescriptions(project.get());
    RDLCReport* ordersRdlc = descriptions.ordersRdlc;
    RDLCReport* stockRdlc = descriptions.stockRdlc;
    sales->Append(ordersRdlc);
    sales->Append(stockRdlc);

    auto* boardA = NewPage<DashBoard>("board_a");
    auto* boardB = NewPage<DashBoard>("board_b");
    auto* page = NewPage<DashBoardPage>("dash_page");
    page->AddPlacement(new DashBoardPageData(boardA));
    sales->Append(boardA);
    sales->Append(boardB);
    sales->Append(page);
    sales->Append(NewMenu("SalesMenu"));

    Module* extra = NewModule("Extra", 3);
    extra->AppendMasterTable(NewTable("extra_table"));
    project->AddModule(extra);
    Module* upper = NewModule("UPPER", 4);
    upper->AppendMasterTable(NewTable("upper_table"));
    project->AddModule(upper);
    return project;
}

inline std::unique_ptr<ForgeonProject> BuildSelectionFirst()
{
    Module* sales = nullptr;
    auto project = NewMergeProject("First", sales);
    sales->AppendMasterTable(NewTable("CUSTOMER", Table::masterKind, {"full_name"}));
    project->AddModule(NewModule("Upper", 3));
    return project;
}

inline std::vector<std::string> TextsOf(const std::vector<CString>& texts)
{
    std::vector<std::string> result;
    for (const CString& text : texts)
        result.emplace_back(text.GetString());
    return result;
}

// The name an entity is shown by.
template <class T> CString NameOf(const T* item)
{
    if constexpr (requires { item->GetTableName(); })
        return item->GetTableName();
    else if constexpr (requires { item->GetFormName(); })
        return item->GetFormName();
    else if constexpr (requires { item->GetFieldName(); })
        return item->GetFieldName();
    else
        return item->GetName();
}

// The names of a list of entities or of a selection list.
template <class List> std::vector<std::string> NamesOf(const List& list)
{
    std::vector<std::string> names;
    for (const auto* item : list)
        names.emplace_back(NameOf(item).GetString());
    return names;
}

// The inputs loaded and a collector over them.
class MergeSelectionTest : public MergeInputs
{
protected:
    void SetUp() override
    {
        Load(BuildSelectionFirst(), BuildSelectionSecond());
        m_collector = std::make_unique<MergeDependencyCollector>(First(), Second());
    }

    MergeDependencyCollector& Collector() { return *m_collector; }
    Table* SecondTable(const char* name) const
    {
        CString text = name;
        return SecondSales()->FindTableByName(text);
    }
    template <class Page> Page* SecondPage(const char* name) const
    {
        return dynamic_cast<Page*>(SecondSales()->FindPageByName(name));
    }
    Function* SecondFunction(const char* name) const
    {
        for (const Class* dataClass : SecondSales()->GetClasses())
        {
            for (Function* function : dataClass->GetFunctions())
            {
                if (function->GetFieldName() == name)
                    return function;
            }
        }
        return nullptr;
    }

    std::unique_ptr<MergeDependencyCollector> m_collector;
};
