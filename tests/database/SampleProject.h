#pragma once

#include "entities/Designation.h"
#include "entities/Form.h"
#include "entities/MapForm.h"
#include "entities/Procedure.h"
#include "entities/Transaction.h"
#include "model/Field.h"
#include "model/FieldFilter.h"
#include "model/ForgeonProject.h"
#include "model/GenerationReport.h"
#include "model/Module.h"
#include "model/ProjectSettings.h"
#include "model/Relation.h"
#include "model/Table.h"
#include "tests/support/TempFolder.h"

#include <initializer_list>

// The sample project "Sample" of the script tests, a PostgreSQL project without a database
// name. "BaseModule": personnel_role, useraccount, customer (defaults, quotes among them) and
// orders (two keys to customer, one to product of "Stock" and one to itself); the
// master-detail pair invoice_basic / invoice_detail; the roles "admin" and "Sales O'Brien".
// "Stock": product, the map table product_customer_map with its map form under the customer
// form, the role "Storekeeper". Each module has procedures of every kind on its tables.
class SampleProject
{
public:
    // The project folder is made when missing.
    explicit SampleProject(const CString& projectPath)
    {
        Designation::ResetIdCounter();
        auto* settings = new ProjectSettings;
        settings->SetProjectName("Sample");
        settings->SetDatabaseKind(0);
        m_project.SetProjectSettings(settings);
        m_project.SetProjectPath(projectPath);
        BuildBaseModule();
        BuildStockModule();
        AddProcedures();
    }

    ForgeonProject& Project() { return m_project; }
    Module& Base() { return *m_base; }
    Module& Stock() { return *m_stock; }
    Table& Customer() { return *m_customer; }

private:
    static Field* AddField(Table* table, const char* name, int type, int size, bool allowNull,
                           const char* defaultValue = "", Field* foreign = nullptr)
    {
        auto* field = new Field;
        field->Set(name, name, type, size, type == FieldTypeDecimal ? size : 0, foreign,
                   defaultValue, false, foreign != nullptr, allowNull, false, false);
        field->SetTable(table);
        table->AddField(field);
        return field;
    }

    static Table* NewTable(const char* name, int kind)
    {
        auto* table = new Table;
        table->SetTableName(name);
        table->SetKind(kind);
        table->EnsureDefaultFields();
        return table;
    }

    static Field* Key(const Table* table) { return table->GetPrimaryKeyField(); }

    static Designation* NewRole(const char* name, BOOL active, Designation* reportsTo)
    {
        auto* role = new Designation(TRUE);
        role->SetName(name);
        role->SetActive(active);
        role->SetReportsTo(reportsTo);
        return role;
    }

    // A standard procedure on the table with a parameter for each named field.
    static Procedure* NewProcedure(Module& module, const char* name, Table* table,
                                   std::initializer_list<Field*> parameters)
    {
        auto* procedure = new Procedure;
        procedure->SetName(name);
        procedure->SetMainTable(table);
        procedure->SetKind(Procedure::standardKind);
        for (Field* field : parameters)
            procedure->AddFieldParameter(field);
        module.Append(procedure);
        return procedure;
    }

    void BuildBaseModule()
    {
        m_base = new Module("BaseModule");
        m_project.AddModule(m_base);
        m_project.SetCurrentModule(m_base);

        Table* role = NewTable("personnel_role", Table::masterKind);
        AddField(role, "role_name", FieldTypeVarchar, 50, true);
        AddField(role, "role_no", FieldTypeInt, 4, true);
        Table* account = NewTable("useraccount", Table::masterKind);
        AddField(account, "username", FieldTypeVarchar, 50, true);
        AddField(account, "password", FieldTypeVarchar, 50, true);
        AddField(account, "personnel_role_id", FieldTypeInt, 4, true, "", Key(role));

        m_customer = NewTable("customer", Table::masterKind);
        m_name = AddField(m_customer, "name", FieldTypeVarchar, 50, false, "O'Neil");
        m_credit = AddField(m_customer, "credit", FieldTypeDecimal, 10, true, " 0 ");
        AddField(m_customer, "joined", FieldTypeDateTime, 8, true, "2020-01-31");
        AddField(m_customer, "note", FieldTypeNVarchar, 40, true, "it's");
        AddField(m_customer, "photo", FieldTypeImage, 16, true);

        m_orders = NewTable("orders", Table::masterKind);
        m_billTo = AddField(m_orders, "bill_to", FieldTypeInt, 4, false, "", Key(m_customer));
        AddField(m_orders, "ship_to", FieldTypeInt, 4, true, "", Key(m_customer));
        m_productKey = AddField(m_orders, "product_id", FieldTypeInt, 4, true);
        AddField(m_orders, "parent_id", FieldTypeInt, 4, true, "", Key(m_orders));

        m_basic = NewTable("invoice_basic", Table::masterDetailKind);
        AddField(m_basic, "customer_id", FieldTypeInt, 4, false, "", Key(m_customer));
        AddField(m_basic, "total", FieldTypeMoney, 8, true);
        m_detail = NewTable("invoice_detail", Table::masterDetailKind);
        AddField(m_detail, "invoice_basic_id", FieldTypeInt, 4, false, "", Key(m_basic));
        AddField(m_detail, "qty", FieldTypeBigInt, 8, true);
        AddField(m_detail, "remark", FieldTypeText, 16, true);

        for (Table* table : {role, account, m_customer, m_orders})
            m_base->AppendMasterTable(table);
        m_base->AppendTransactionTable(m_basic);
        m_base->AppendTransactionTable(m_detail);

        auto* invoice = new Transaction;
        invoice->SetName("invoice_form");
        invoice->SetBasicTable(m_basic);
        invoice->AddDetailTable(m_detail);
        m_base->Append(invoice);
        m_customerForm = new Form;
        m_customerForm->SetName("customer_form");
        m_customerForm->SetTable(m_customer);
        m_base->Append(m_customerForm);

        Designation* admin = NewRole("admin", TRUE, nullptr);
        m_sales = NewRole("Sales O'Brien", FALSE, admin);
        m_base->Append(admin);
        m_base->Append(m_sales);
    }

    void BuildStockModule()
    {
        m_stock = new Module("Stock");
        m_project.AddModule(m_stock);
        m_product = NewTable("product", Table::masterKind);
        AddField(m_product, "title", FieldTypeNChar, 20, false);
        AddField(m_product, "description", FieldTypeNText, 16, true);
        AddField(m_product, "price", FieldTypeMoney, 8, true, "0");
        AddField(m_product, "weight", FieldTypeFloat, 8, true);
        AddField(m_product, "code", FieldTypeChar, 5, true, "A'1");
        m_productKey->SetForeignKey(true);
        m_productKey->SetForeignField(Key(m_product));

        m_map = NewTable("product_customer_map", Table::mapKind);
        m_mapProduct = AddField(m_map, "product_id", FieldTypeInt, 4, false, "", Key(m_product));
        m_mapCustomer = AddField(m_map, "customer_id", FieldTypeInt, 4, false, "", Key(m_customer));
        m_stock->AppendMasterTable(m_product);
        m_stock->AppendMapTable(m_map);

        auto* mapForm = new MapForm;
        mapForm->SetName("product_customer_map_form");
        mapForm->SetMappingTable(m_map);
        mapForm->SetBottomMasterForm(m_customerForm);
        mapForm->AddBottomField(m_mapCustomer);
        m_stock->Append(mapForm);
        m_stock->Append(NewRole("Storekeeper", TRUE, m_sales));
    }

    void AddProcedures()
    {
        Module& base = *m_base;
        NewProcedure(
            base, "PRC_customer_Insert", m_customer,
            {Key(m_customer), m_customer->FindFieldByName("Is_Deleted"), m_name, m_credit});
        NewProcedure(base, "PRC_customer_Update", m_customer,
                     {Key(m_customer), m_name, m_credit, m_customer->FindFieldByName("note")});
        NewProcedure(base, "PRC_customer_Delete", m_customer, {Key(m_customer)});
        Procedure* all = NewProcedure(base, "PRC_customer_SelectAll", m_customer, {});
        all->SetRowStatusFilter(Procedure::deletedRowsOnly);
        auto* record = new Procedure(m_customer, false);
        base.Append(record);
        Procedure* hidden = NewProcedure(base, "PRC_customer_SelectLast", m_customer, {});
        hidden->SetWriteFlag(false);

        Procedure* orders = NewProcedure(base, "PRC_orders_SelectAll", m_orders, {m_billTo});
        orders->SetRowStatusFilter(Procedure::allRows);
        auto* relation = new Relation;
        relation->SetFirstTable(m_customer);
        relation->SetSecondTable(m_orders);
        orders->AddRelation(relation);
        orders->AddFieldFilter(m_billTo);
        orders->AddFieldFilter(m_name);
        orders->GetFilters().back()->SetComparisonKind(3);

        NewProcedure(base, "PRC_invoice_basic_Insert", m_basic,
                     {m_basic->GetFieldAt(1), m_basic->GetFieldAt(2)});
        NewProcedure(base, "PRC_invoice_basic_Delete", m_basic, {Key(m_basic)});
        NewProcedure(base, "PRC_invoice_detail_Insert", m_detail,
                     {m_detail->GetFieldAt(1), m_detail->GetFieldAt(2), m_detail->GetFieldAt(3)});
        Procedure* custom = NewProcedure(base, "Find big orders", nullptr, {});
        custom->SetKind(Procedure::customKind);

        Module& stock = *m_stock;
        NewProcedure(stock, "PRC_product_customer_map_Insert", m_map,
                     {m_mapProduct, m_name, m_credit});
        // A mapping row that takes only the master's new key.
        NewProcedure(stock, "PRC_customer_only_map_Insert", m_map, {m_name, m_credit})
            ->SetCustomNameFlag(true);
        NewProcedure(stock, "PRC_product_customer_map_Update", m_map,
                     {Key(m_map), m_mapProduct, Key(m_customer), m_name});
        NewProcedure(stock, "PRC_product_customer_map_SelectAll", m_map, {});
        NewProcedure(stock, "PRC_product_customer_map_SelectRecord", m_map, {Key(m_map)});
        NewProcedure(stock, "PRC_product_customer_map_Delete", m_map, {Key(m_map)});
    }

    ForgeonProject m_project;
    Module* m_base = nullptr;
    Module* m_stock = nullptr;
    Table* m_customer = nullptr;
    Table* m_orders = nullptr;
    Table* m_basic = nullptr;
    Table* m_detail = nullptr;
    Table* m_product = nullptr;
    Table* m_map = nullptr;
    Field* m_name = nullptr;
    Field* m_credit = nullptr;
    Field* m_billTo = nullptr;
    Field* m_productKey = nullptr;
    Field* m_mapProduct = nullptr;
    Field* m_mapCustomer = nullptr;
    Form* m_customerForm = nullptr;
    Designation* m_sales = nullptr;
};

// The sample project in a fresh temp folder, and the report its writers fill.
struct SampleProjectFolder
{
    // The SQL Server database script.
    std::filesystem::path ScriptPath() const
    {
        return folder.Path() / "Sample" / "scripts" / "KestraneWeavo_Sample_Script.sql";
    }

    TempFolder folder;
    SampleProject sample{folder.ModelPath()};
    GenerationReport report;
};
