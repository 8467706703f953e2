#pragma once

#include "entities/Transaction.h"
#include "model/Field.h"
#include "model/Table.h"

#include "tests/gen_web/GenWebProject.h"
#include "tests/model/ModelBuilders.h"

#include <filesystem>

// The project "Shop" with the login tables and, in its base module:
// - "customer" (front field cname, a money column with a default, a text column with a
//   default holding a quote), whose data class has no functions yet;
// - "orders" with a required and a nullable foreign key to customer, a date, an int, a text and
//   an upload column, whose class has the default functions;
// - the master-detail page "sale": basic table "sale_basic", detail tables "sale_detail" and
//   "sale_payment_detail", each detail linked by sale_id, sale_detail also referring to
//   customer; the classes of sale_basic and sale_detail have the default functions; and the
//   page "note" with one detail table.
class DataClassProject : public GenWebProject
{
public:
    DataClassProject()
    {
        Base().EnsureSystemTables();
        m_customer = NewTable("customer");
        AddField(m_customer, "cname", FieldTypeVarchar)->SetFrontField(true);
        AddField(m_customer, "credit_limit", FieldTypeMoney)->SetDefaultValue("100");
        AddField(m_customer, "remark", FieldTypeNVarchar)->SetDefaultValue("Owner's \"best\"");
        Base().AddTable(m_customer);

        m_orders = NewTable("orders");
        AddField(m_orders, "customer_id", FieldTypeInt, m_customer->GetPrimaryKeyField())
            ->SetAllowNull(false);
        AddField(m_orders, "odate", FieldTypeDateTime);
        AddField(m_orders, "quantity", FieldTypeInt);
        AddField(m_orders, "ship_to_id", FieldTypeInt, m_customer->GetPrimaryKeyField());
        AddField(m_orders, "notes", FieldTypeText);
        AddField(m_orders, "photo", FieldTypeVarchar);
        Base().AddTable(m_orders);
        Base().AddDefaultClassFunctions(Base().GetClassForTable(m_orders, true));

        m_sale = AddTransaction("sale", {"sale_detail", "sale_payment_detail"});
        Table* saleDetail = m_sale->GetDetailTableAt(0);
        AddField(saleDetail, "customer_id", FieldTypeInt, m_customer->GetPrimaryKeyField());
        for (Table* table : {m_sale->GetBasicTable(), saleDetail})
            Base().AddDefaultClassFunctions(Base().GetClassForTable(table, true));
        m_note = AddTransaction("note", {"note_detail"});
    }

    Table& Customer() { return *m_customer; }
    Table& Orders() { return *m_orders; }
    Transaction& Sale() { return *m_sale; }
    Transaction& Note() { return *m_note; }
    // Shop\Shop\BaseModule\CS on the host.
    std::filesystem::path ClassFolder() const
    {
        return Root() / "Shop" / "Shop" / "BaseModule" / "CS";
    }

private:
    static Field* AddField(Table* table, const CString& name, int type, Field* foreign = nullptr)
    {
        auto* field = new Field;
        field->Set(name, name, type, 50, 0, foreign, "", false, foreign != nullptr, true, false,
                   false);
        field->SetTable(table);
        table->AddField(field);
        return field;
    }

    // The basic table "<name>_basic" with a date and a remark with a default, and the detail
    // tables, each with the link column "<name>_id", an item and a quantity.
    Transaction* AddTransaction(const CString& name, std::initializer_list<const char*> details)
    {
        Table* basic = NewTable(name + "_basic", Table::masterDetailKind);
        AddField(basic, "sdate", FieldTypeDateTime);
        AddField(basic, "remark", FieldTypeVarchar)->SetDefaultValue("n/a");
        Base().AddTable(basic);
        auto* transaction = new Transaction;
        transaction->SetName(name);
        transaction->SetBasicTable(basic);
        for (const char* detailName : details)
        {
            Table* detail = NewTable(detailName, Table::masterDetailKind);
            AddField(detail, name + "_id", FieldTypeInt, basic->GetPrimaryKeyField())
                ->SetAllowNull(false);
            AddField(detail, "item", FieldTypeNVarchar);
            AddField(detail, "amount", FieldTypeDecimal);
            Base().AddTable(detail);
            transaction->AddDetailTable(detail);
        }
        Base().AddTransaction(transaction, false);
        return transaction;
    }

    Table* m_customer = nullptr;
    Table* m_orders = nullptr;
    Transaction* m_sale = nullptr;
    Transaction* m_note = nullptr;
};
