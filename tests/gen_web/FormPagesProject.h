#pragma once

#include "entities/AspFile.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/Form.h"
#include "entities/Function.h"
#include "entities/LinkControl.h"
#include "entities/Menu.h"
#include "entities/Parameter.h"
#include "model/EventRecmpFields.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/FieldVisibility.h"
#include "tests/gen_web/ShopProject.h"
#include "tests/model/ModelBuilders.h"

#include <utility>

// The Shop project with three more forms in its base module, besides the user-account forms:
// - "product_form" on the table "product", two columns, a control of every kind, those that
//   older project files hold among them (a caption
//   with quotes, a backslash and "<%", a radio button with fewer values than texts, a text area
//   on a row of its own, links on a control and above and below the field table, recomputes on
//   change (of both kinds, a text box and a date control as class-recompute targets) and on
//   click; on the Update page one control read-only and one invisible);
// - "stock_form", a copy of it that names its pages itself, one column, with an upload;
// - "note_form", a pop-up form.
class FormPagesProject : public ShopProject
{
public:
    FormPagesProject()
    {
        Project().GetProjectSettings()->SetMasterPageFile("Main.master");
        Module& base = *Project().GetBaseModule();
        CString customerName = "customer";
        Table* customer = base.FindTableByName(customerName);
        Form* customerForm = base.GetMasterFormForTable(customer, false);
        auto* customers = NewMenu("Customers");
        customers->SetAspFile(customerForm->FindAspFileByType(5));
        base.AddMenu(customers);

        Table* product = NewTable("product");
        base.AddTable(product);
        m_product = NewForm("product_form", product);
        FieldRep* name = AddControl("pname", FieldTypeVarchar, FieldRepData::TextBox,
                                    "Owner's \"name\" \\ <%= x %>", true);
        AddControl("quantity", FieldTypeInt, FieldRepData::TextBox, "Quantity", true);
        FieldRep* madeOn =
            AddControl("made_on", FieldTypeDateTime, FieldRepData::DateControl, "Made on", true);
        FieldRep* maker =
            AddControl("maker_id", FieldTypeInt, FieldRepData::ComboBox, "Maker", true);
        FieldRep* colour =
            AddControl("colour", FieldTypeVarchar, FieldRepData::RadioButton, "Colour", false);
        FieldRep* inStock =
            AddControl("in_stock", FieldTypeVarchar, FieldRepData::CheckBox, "In stock", false);
        FieldRep* notes = AddControl("notes", FieldTypeText, FieldRepData::TextArea, "Notes", true);
        AddControl("secret", FieldTypeVarchar, FieldRepData::Password, "Secret", true);
        FieldRep* supplier = AddControl("supplier_id", FieldTypeInt, FieldRepData::EditableComboBox,
                                        "Supplier", true);
        FieldRep* price = AddControl("price", FieldTypeMoney, FieldRepData::TextBox, "Price", true);
        FieldRep* remark =
            AddControl("remark", FieldTypeVarchar, FieldRepData::TextBox, "Remark", true);
        AddControl("code", FieldTypeVarchar, FieldRepData::Hidden, "Code", true);
        AddControl("tags", FieldTypeVarchar, FieldRepData::MultipleComboBox, "Tags", true);
        // The kinds that older project files hold and the editor no longer offers.
        AddControl("order_button", FieldTypeVarchar, FieldRepData::Button, "Order", false);
        AddControl("stamp", FieldTypeDateTime, FieldRepData::DateTime, "Stamp", false);
        AddControl("month", FieldTypeInt, FieldRepData::Month, "Month", false);
        AddControl("year", FieldTypeInt, FieldRepData::Year, "Year", false);
        AddControl("grade", FieldTypeVarchar, FieldRepData::EditableTextBox, "Grade", false);
        AddControl("skipped", FieldTypeVarchar, FieldRepData::TextBox, "Skipped", true)
            ->GetFieldRepData()
            ->SetAddedBySync(true);

        // A text box filled by a call whose parameter is the maker combo's value; the maker
        // combo filled by a call whose parameter is the quantity text box's value; a second
        // editable combo over the supplier's back field, which no control is named after.
        Class* customerClass = Project().GetClassForTable(customer, false);
        Function* selectRecord = customerClass->FindFunctionByName("SelectRecord");
        auto* remarkCall = new ClassInvokation;
        remarkCall->SetFunction(customerClass, selectRecord);
        remarkCall->AddParameterMap(selectRecord->GetParameters()[0], maker->GetField());
        remark->GetFieldRepData()->SetDataCall(remarkCall);
        remark->GetFieldRepData()->SetFrontField(customer->FindFieldByName("name"));
        auto* makerCall = new ClassInvokation;
        makerCall->SetFunction(customerClass, selectRecord);
        makerCall->AddParameterMap(selectRecord->GetParameters()[0],
                                   product->FindFieldByName("quantity"));
        maker->GetFieldRepData()->SetDataCall(makerCall);
        maker->GetFieldRepData()->SetFrontField(customer->FindFieldByName("name"));
        FieldRep* agent =
            AddControl("agent_id", FieldTypeInt, FieldRepData::EditableComboBox, "Agent", false);
        agent->GetFieldRepData()->SetBackField(customer->GetPrimaryKeyField());
        for (FieldRep* combo : {supplier, agent})
        {
            auto* listCall = new ClassInvokation;
            listCall->SetFunction(customerClass,
                                  customerClass->FindFunctionByName("SelectAllRecords"));
            combo->GetFieldRepData()->SetDataCall(listCall);
            combo->GetFieldRepData()->SetFrontField(customer->FindFieldByName("name"));
        }

        colour->GetFieldRepData()->SetDisplayTexts("Red, Green, Blue");
        colour->GetFieldRepData()->SetStoredValues("r, g");
        notes->GetFieldRepData()->SetSeparateRow(true);
        Field* makerKey = customer->GetPrimaryKeyField();
        maker->GetFieldRepData()->SetBackField(makerKey);
        supplier->GetFieldRepData()->SetBackField(makerKey);
        auto* onChange = new EventRecmpFields;
        onChange->SetEventKind(EventRecmpFields::OnChange);
        for (FieldRep* target : {maker, price, supplier, colour})
            onChange->AddProcedureRecompute(target, nullptr);
        // The entries that a loaded project and the control editor hold.
        for (FieldRep* target : {price, madeOn})
            onChange->AddClassRecompute(target);
        maker->GetFieldRepData()->AddEventRecmpFields(onChange);
        auto* onClick = new EventRecmpFields;
        onClick->SetEventKind(EventRecmpFields::OnClick);
        onClick->AddProcedureRecompute(price, nullptr);
        onClick->AddProcedureRecompute(inStock, nullptr);
        inStock->GetFieldRepData()->AddEventRecmpFields(onClick);
        auto* radioClick = new EventRecmpFields;
        radioClick->SetEventKind(EventRecmpFields::OnClick);
        colour->GetFieldRepData()->AddEventRecmpFields(radioClick);

        name->GetFieldRepData()->AddLinkControl(NewLink("Customers", customers, LinkControl::Left));
        name->GetFieldRepData()->AddLinkControl(NewLink("No page", nullptr, LinkControl::Center));
        name->GetFieldRepData()->AddLinkControl(
            NewLink("All & more", customers, LinkControl::Right));
        m_product->AddPreLink(NewLink(" Back - to list", customers, LinkControl::Left));
        m_product->AddPreLink(NewLink("Owners", customers, LinkControl::Right));
        m_product->AddPostLink(NewLink("Help", customers, LinkControl::Center));
        base.AddMasterForm(m_product, true);
        AspFile* update = m_product->FindAspFileByType(7);
        SetVisibility(*update, price, FieldVisibility::ReadOnly);
        SetVisibility(*update, remark, FieldVisibility::Invisible);

        m_stock = new Form(*m_product);
        m_stock->SetName("stock_form");
        m_stock->SetColumnCount(1);
        m_stock->GetFieldReps()[6]->GetFieldRepData()->SetControlKind(FieldRepData::FileUpload);
        base.AddMasterForm(m_stock, true);

        Table* note = NewTable("note", Table::masterKind, {"text"});
        base.AddTable(note);
        m_note = NewForm("note_form", note);
        m_note->SetDisplayType(1);
        m_note->AddFieldRep(
            NewControl(note->FindFieldByName("text"), FieldRepData::TextBox, "Text", true));
        base.AddMasterForm(m_note, true);
    }

    Form& Product() { return *m_product; }
    Form& Stock() { return *m_stock; }
    Form& Note() { return *m_note; }
    // Shop\Shop\BaseModule\UI on the host.
    std::filesystem::path PageFolder() const { return ApplicationFolder() / "BaseModule" / "UI"; }

    // The fields of "product" that the script checks and resets, renamed as the table designer
    // and a project file take names: with "-" and with characters above ASCII that are no
    // letters (the euro sign, a guillemet, a no-break space). The ids of their controls: column_1_x
    // (the quantity), made_on, supplier_id, p_name, col_our.
    void RenameProductFields()
    {
        const std::pair<const char*, const char*> renamed[] = {
            {"quantity", "column_1-x"},
            {"made_on", "made\xE2\x82\xACon"},
            {"supplier_id", "supplier\xC2\xA0id"},
            {"pname", "p\xC2\xABname"},
            {"colour", "col-our"},
        };
        for (const auto& [from, to] : renamed)
            m_product->GetTable()->FindFieldByName(from)->SetFieldName(to);
    }

    static FieldRep* NewControl(Field* field, int kind, const char* caption, bool mandatory)
    {
        auto* control = new FieldRep(field);
        auto* data = new FieldRepData;
        data->SetControlKind(kind);
        data->SetCaption(caption);
        data->SetMaxLength(field->GetSize());
        control->AttachFieldRepData(data);
        control->SetMandatory(mandatory);
        return control;
    }

    static LinkControl* NewLink(const char* caption, Menu* target, int alignment)
    {
        auto* link = new LinkControl(target, 0, 0, alignment);
        link->SetCaption(caption);
        return link;
    }

private:
    FieldRep* AddControl(const char* name, int type, int kind, const char* caption, bool mandatory)
    {
        Table* table = m_product->GetTable();
        auto* field = new Field;
        field->Set(name, name, type, type == FieldTypeVarchar ? 50 : 0, 0, nullptr, "", false,
                   false, !mandatory, false, false);
        field->SetTable(table);
        table->AddField(field);
        FieldRep* control = NewControl(field, kind, caption, mandatory);
        m_product->AddFieldRep(control);
        return control;
    }

    static void SetVisibility(AspFile& file, FieldRep* control, int kind)
    {
        auto* visibility = new FieldVisibility(control->GetField());
        visibility->SetVisibilityKind(kind);
        file.AddFieldVisibility(visibility);
    }

    Form* m_product = nullptr;
    Form* m_stock = nullptr;
    Form* m_note = nullptr;
};
