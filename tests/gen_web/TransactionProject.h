#pragma once

#include "entities/AspxFile.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/Function.h"
#include "entities/Transaction.h"
#include "model/EventRecmpFields.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/FieldVisibility.h"
#include "model/ProjectSettings.h"
#include "model/Table.h"

#include "tests/gen_web/GenWebProject.h"
#include "tests/model/ModelBuilders.h"

#include <filesystem>

// The project "Shop" (date format "dd/mm/yyyy", page template 3) with "customer" (cname,
// credit) and, in its base module, two master-detail pages:
// - "sale": master "sale_basic" (a combo of customers whose change recomputes the text box
//   "remark" and the date, the date, the text box), one detail table "sale_line" (a combo of
//   customers whose change recomputes the row's text box "remark", a check box, a date, a text box
//   "qty" that is invisible on the Update page, and the text box); the master combo also refills
//   the detail combo;
// - "order entry" (a name with a blank): master "order_basic" (a text box, an upload, and a
//   combo of customers whose change refills an editable combo of customer names and the combo of
//   "order_line", whose call takes the master combo's value), detail tables "order_line" (a
//   check box, a mandatory text box whose caption has quotes and that combo) and
//   "order_payment" (a check box and a date).
// Every detail table has the link column to its master table.
class TransactionProject : public GenWebProject
{
public:
    TransactionProject()
    {
        Project().GetProjectSettings()->SetDateFormat("dd/mm/yyyy");
        Project().GetProjectSettings()->SetPageTemplate(3);
        m_customer =
            AddTable("customer", {{"cname", FieldTypeVarchar}, {"credit", FieldTypeMoney}});
        Field* customerKey = m_customer->GetPrimaryKeyField();

        Table* saleBasic = AddTable("sale_basic", {{"customer_id", FieldTypeInt, customerKey},
                                                   {"sdate", FieldTypeDateTime},
                                                   {"remark", FieldTypeVarchar}});
        Table* saleLine =
            AddTable("sale_line", {{"sale_id", FieldTypeInt, saleBasic->GetPrimaryKeyField()},
                                   {"customer_id", FieldTypeInt, customerKey},
                                   {"shipped", FieldTypeVarchar},
                                   {"ddate", FieldTypeDateTime},
                                   {"qty", FieldTypeInt},
                                   {"remark", FieldTypeVarchar}});
        m_sale = AddTransaction("sale", saleBasic, {saleLine});
        FieldRep* masterCombo = AddCustomerCombo(*m_sale, saleBasic);
        FieldRep* saleDate = AddControl(*m_sale, saleBasic, "sdate", FieldRepData::DateControl);
        FieldRep* masterRemark = AddControl(*m_sale, saleBasic, "remark", FieldRepData::TextBox);
        Recompute(*masterCombo, *masterRemark);
        FillFromCustomerRecord(*masterCombo, *saleDate);
        masterCombo->GetFieldRepData()->GetEventRecmpFieldsList()[0]->AddClassRecompute(saleDate);
        FieldRep* lineCombo = AddCustomerCombo(*m_sale, saleLine);
        AddControl(*m_sale, saleLine, "shipped", FieldRepData::CheckBox);
        AddControl(*m_sale, saleLine, "ddate", FieldRepData::DateControl);
        FieldRep* qty = AddControl(*m_sale, saleLine, "qty", FieldRepData::TextBox);
        FieldRep* lineRemark = AddControl(*m_sale, saleLine, "remark", FieldRepData::TextBox);
        Recompute(*lineCombo, *lineRemark);
        masterCombo->GetFieldRepData()->GetEventRecmpFieldsList()[0]->AddClassRecompute(lineCombo);
        auto* hidden = new FieldVisibility(qty->GetField());
        hidden->SetVisibilityKind(FieldVisibility::Invisible);
        m_sale->FindAspFileByType(3)->AddFieldVisibility(hidden);

        Table* orderBasic = AddTable("order_basic", {{"note", FieldTypeVarchar},
                                                     {"scan", FieldTypeVarchar},
                                                     {"customer_id", FieldTypeInt, customerKey},
                                                     {"agent", FieldTypeVarchar}});
        Table* orderLine =
            AddTable("order_line", {{"order_id", FieldTypeInt, orderBasic->GetPrimaryKeyField()},
                                    {"packed", FieldTypeVarchar},
                                    {"item", FieldTypeVarchar},
                                    {"buyer_id", FieldTypeInt, customerKey}});
        Table* orderPayment =
            AddTable("order_payment", {{"order_id", FieldTypeInt, orderBasic->GetPrimaryKeyField()},
                                       {"paid", FieldTypeVarchar},
                                       {"pdate", FieldTypeDateTime}});
        m_order = AddTransaction("order entry", orderBasic, {orderLine, orderPayment});
        AddControl(*m_order, orderBasic, "note", FieldRepData::TextBox);
        AddControl(*m_order, orderBasic, "scan", FieldRepData::FileUpload);
        FieldRep* buyer = AddCustomerCombo(*m_order, orderBasic);
        FieldRep* agent = AddCustomerCombo(*m_order, orderBasic, "agent");
        agent->GetFieldRepData()->SetControlKind(FieldRepData::EditableComboBox);
        agent->GetFieldRepData()->SetBackField(m_customer->FindFieldByName("cname"));
        auto* onChange = new EventRecmpFields;
        onChange->AddClassRecompute(agent);
        buyer->GetFieldRepData()->AddEventRecmpFields(onChange);
        AddControl(*m_order, orderLine, "packed", FieldRepData::CheckBox);
        FieldRep* item = AddControl(*m_order, orderLine, "item", FieldRepData::TextBox);
        FieldRep* lineBuyer = AddCustomerCombo(*m_order, orderLine, "buyer_id");
        FillFromCustomerRecord(*buyer, *lineBuyer);
        lineBuyer->GetFieldRepData()->SetFrontField(m_customer->FindFieldByName("cname"));
        onChange->AddClassRecompute(lineBuyer);
        item->SetMandatory(true);
        item->GetFieldRepData()->SetCaption("Item \"name\"");
        AddControl(*m_order, orderPayment, "paid", FieldRepData::CheckBox);
        AddControl(*m_order, orderPayment, "pdate", FieldRepData::DateControl);
    }

    Transaction& Sale() { return *m_sale; }
    Transaction& Order() { return *m_order; }
    Table& Customer() { return *m_customer; }
    // Shop\Shop\BaseModule\UI on the host.
    std::filesystem::path PageFolder() const
    {
        return Root() / "Shop" / "Shop" / "BaseModule" / "UI";
    }

private:
    struct Column
    {
        const char* name;
        int type;
        Field* foreign = nullptr;
    };

    Table* AddTable(const char* name, std::initializer_list<Column> columns,
                    int kind = Table::masterDetailKind)
    {
        Table* table = NewTable(name, kind);
        for (const Column& column : columns)
        {
            auto* field = new Field;
            field->Set(column.name, column.name, column.type, 50, 0, column.foreign, "", false,
                       column.foreign != nullptr, true, false, false);
            field->SetTable(table);
            table->AddField(field);
        }
        Base().AddTable(table);
        Base().AddDefaultClassFunctions(Project().GetClassForTable(table, true));
        return table;
    }

    // The page with its Add and Update page files.
    Transaction* AddTransaction(const char* name, Table* basic,
                                std::initializer_list<Table*> details)
    {
        auto* transaction = new Transaction;
        transaction->SetName(name);
        transaction->SetBasicTable(basic);
        for (Table* detail : details)
            transaction->AddDetailTable(detail);
        for (int kind : {1, 3})
        {
            auto* file = new AspxFile;
            file->SetOwnerKind(AspFile::transactionOwner);
            file->SetFileKind(kind);
            file->SetOwnerPage(transaction);
            transaction->AddAspFile(file);
        }
        Base().AddTransaction(transaction, false);
        return transaction;
    }

    static FieldRep* AddControl(Transaction& page, Table* table, const char* fieldName, int kind)
    {
        auto* control = new FieldRep(table->FindFieldByName(fieldName));
        auto* data = new FieldRepData;
        data->SetControlKind(kind);
        data->SetCaption(fieldName);
        control->AttachFieldRepData(data);
        page.AddFieldRep(control);
        return control;
    }

    // A combo of the table's field filled by customer.SelectAllRecords.
    FieldRep* AddCustomerCombo(Transaction& page, Table* table,
                               const char* fieldName = "customer_id")
    {
        FieldRep* combo = AddControl(page, table, fieldName, FieldRepData::ComboBox);
        Class* customerClass = Project().GetClassForTable(m_customer, false);
        auto* call = new ClassInvokation;
        call->SetFunction(customerClass, customerClass->FindFunctionByName("SelectAllRecords"));
        combo->GetFieldRepData()->SetDataCall(call);
        combo->GetFieldRepData()->SetFrontField(m_customer->FindFieldByName("cname"));
        combo->GetFieldRepData()->SetBackField(m_customer->GetPrimaryKeyField());
        return combo;
    }

    // The control takes its value from customer.SelectRecord(the combo's customer_id).
    void FillFromCustomerRecord(const FieldRep& combo, FieldRep& control)
    {
        Class* customerClass = Project().GetClassForTable(m_customer, false);
        Function* selectRecord = customerClass->FindFunctionByName("SelectRecord");
        auto* call = new ClassInvokation;
        call->SetFunction(customerClass, selectRecord);
        call->AddParameterMap(selectRecord->GetParameters()[0], combo.GetField());
        control.GetFieldRepData()->SetDataCall(call);
        control.GetFieldRepData()->SetFrontField(m_customer->FindFieldByName("cname"));
    }

    // A change of the combo fills the text box from customer.SelectRecord(customer_id).
    void Recompute(FieldRep& combo, FieldRep& text)
    {
        FillFromCustomerRecord(combo, text);
        auto* onChange = new EventRecmpFields;
        onChange->AddClassRecompute(&text);
        combo.GetFieldRepData()->AddEventRecmpFields(onChange);
    }

    Table* m_customer = nullptr;
    Transaction* m_sale = nullptr;
    Transaction* m_order = nullptr;
};
