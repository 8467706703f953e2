#pragma once

#include "entities/AspxFile.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/Form.h"
#include "entities/Function.h"
#include "entities/LinkControl.h"
#include "entities/Menu.h"
#include "model/EventRecmpFields.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ProjectSettings.h"
#include "model/Table.h"

#include "tests/gen_web/GenWebProject.h"
#include "tests/model/ModelBuilders.h"

#include <filesystem>

// The project "Shop" (date format "dd/mm/yyyy", page template 3) with, in its base module:
// - "customer" (cname, credit_limit) and the lower-case tables "orders" and "document", each
//   with the default class functions;
// - "orders_form": a combo filled by customer.SelectAllRecords whose change recomputes the text
//   box "credit" through customer.SelectRecord(customer_id), a date, radio buttons with stored
//   values, a check box, a text box; an Update page titled with quotes; a link before the
//   fields to the Add page and one after them to a menu item without a page;
// - "document_form": a text area and an upload.
class FormProject : public GenWebProject
{
public:
    FormProject()
    {
        Project().GetProjectSettings()->SetDateFormat("dd/mm/yyyy");
        Project().GetProjectSettings()->SetPageTemplate(3);
        m_customer =
            AddTable("customer", {{"cname", FieldTypeVarchar}, {"credit_limit", FieldTypeMoney}});
        Table* customer = m_customer;
        Field* customerKey = customer->GetPrimaryKeyField();
        m_orders = AddTable("orders", {{"customer_id", FieldTypeInt, customerKey},
                                       {"odate", FieldTypeDateTime},
                                       {"status", FieldTypeVarchar},
                                       {"urgent", FieldTypeVarchar},
                                       {"notes", FieldTypeVarchar},
                                       {"credit", FieldTypeMoney}});
        m_document =
            AddTable("document", {{"title", FieldTypeVarchar}, {"scan", FieldTypeVarchar}});
        for (Table* table : {customer, m_orders, m_document})
            Base().AddDefaultClassFunctions(Project().GetClassForTable(table, true));
        Class* customerClass = Project().GetClassForTable(customer, false);

        m_ordersForm = AddForm("orders_form", m_orders);
        FieldRep* combo = AddControl(*m_ordersForm, "customer_id", FieldRepData::ComboBox);
        auto* listCall = new ClassInvokation;
        listCall->SetFunction(customerClass, customerClass->FindFunctionByName("SelectAllRecords"));
        SetDataCall(*combo, listCall, customer->FindFieldByName("cname"), customerKey);
        AddControl(*m_ordersForm, "odate", FieldRepData::DateControl);
        FieldRep* radio = AddControl(*m_ordersForm, "status", FieldRepData::RadioButton);
        radio->GetFieldRepData()->SetDisplayTexts("Open,Closed,Held");
        radio->GetFieldRepData()->SetStoredValues("O,C\",H");
        AddControl(*m_ordersForm, "urgent", FieldRepData::CheckBox);
        AddControl(*m_ordersForm, "notes", FieldRepData::TextBox);
        FieldRep* credit = AddControl(*m_ordersForm, "credit", FieldRepData::TextBox);
        auto* recordCall = new ClassInvokation;
        Function* selectRecord = customerClass->FindFunctionByName("SelectRecord");
        recordCall->SetFunction(customerClass, selectRecord);
        recordCall->AddParameterMap(selectRecord->GetParameters()[0],
                                    m_orders->FindFieldByName("customer_id"));
        SetDataCall(*credit, recordCall, customer->FindFieldByName("credit_limit"), nullptr);
        auto* onChange = new EventRecmpFields;
        onChange->AddClassRecompute(credit);
        combo->GetFieldRepData()->AddEventRecmpFields(onChange);
        m_ordersForm->GetAspFiles()[1]->SetTitle("Edit \"Orders\"");

        Menu* list = NewMenu("Order List");
        list->SetAspFile(m_ordersForm->GetAspFiles()[0]);
        Base().AddMenu(list);
        Menu* home = NewMenu("Home");
        Base().AddMenu(home);
        m_ordersForm->AddPreLink(NewLink(list, "Order List", LinkControl::Left));
        m_ordersForm->AddPostLink(NewLink(home, " Back - Home ", LinkControl::Right));

        m_documentForm = AddForm("document_form", m_document);
        AddControl(*m_documentForm, "title", FieldRepData::TextArea);
        AddControl(*m_documentForm, "scan", FieldRepData::FileUpload);
    }

    Form& OrdersForm() { return *m_ordersForm; }
    Form& DocumentForm() { return *m_documentForm; }
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

    Table* AddTable(const char* name, std::initializer_list<Column> columns)
    {
        Table* table = NewTable(name);
        for (const Column& column : columns)
        {
            auto* field = new Field;
            field->Set(column.name, column.name, column.type, 50, 0, column.foreign, "", false,
                       column.foreign != nullptr, true, false, false);
            field->SetTable(table);
            table->AddField(field);
        }
        Base().AddTable(table);
        return table;
    }

    // The form with its Add and Update page files.
    Form* AddForm(const char* name, Table* table)
    {
        Form* form = NewForm(name, table);
        for (int kind : {5, 7})
        {
            auto* file = new AspxFile;
            file->SetOwnerKind(AspFile::formOwner);
            file->SetFileKind(kind);
            file->SetOwnerPage(form);
            form->AddAspFile(file);
        }
        Base().AddMasterForm(form, false);
        return form;
    }

    static FieldRep* AddControl(Form& form, const char* fieldName, int kind)
    {
        auto* control = new FieldRep(form.GetTable()->FindFieldByName(fieldName));
        auto* data = new FieldRepData;
        data->SetControlKind(kind);
        control->AttachFieldRepData(data);
        form.AddFieldRep(control);
        return control;
    }

    static void SetDataCall(FieldRep& control, ClassInvokation* call, Field* front, Field* back)
    {
        control.GetFieldRepData()->SetDataCall(call);
        control.GetFieldRepData()->SetFrontField(front);
        control.GetFieldRepData()->SetBackField(back);
    }

    static LinkControl* NewLink(Menu* target, const char* caption, int alignment)
    {
        auto* link = new LinkControl(target, 0, 0, alignment);
        link->SetCaption(caption);
        return link;
    }

    Table* m_customer = nullptr;
    Table* m_orders = nullptr;
    Table* m_document = nullptr;
    Form* m_ordersForm = nullptr;
    Form* m_documentForm = nullptr;
};
