#include "gen_web/PageControls.h"

#include "entities/AspFile.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/Form.h"
#include "entities/Transaction.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/FieldVisibility.h"
#include "model/Table.h"

#include <algorithm>

namespace
{
std::vector<FieldRep*> PlacedOf(const std::vector<FieldRep*>& all)
{
    std::vector<FieldRep*> controls;
    for (FieldRep* control : all)
    {
        if (control != nullptr && control->GetField() != nullptr &&
            control->GetFieldRepData() != nullptr && !control->GetFieldRepData()->IsAddedBySync())
            controls.push_back(control);
    }
    return controls;
}
} // namespace

const ClassInvokation* GetUsableDataCall(const FieldRep& control)
{
    const ClassInvokation* call = control.GetFieldRepData()->GetDataCall();
    return call != nullptr && call->GetClass() != nullptr && call->GetFunction() != nullptr
               ? call
               : nullptr;
}

bool HasFrontAndBackFields(const FieldRep& control)
{
    return control.GetFieldRepData()->GetFrontField() != nullptr &&
           control.GetFieldRepData()->GetBackField() != nullptr;
}

bool IsComboControlKind(int kind)
{
    return kind == FieldRepData::ComboBox || kind == FieldRepData::EditableComboBox;
}

CString GetPrimaryKeyName(const Table* table)
{
    const Field* key = table != nullptr ? table->GetPrimaryKeyField() : nullptr;
    return key != nullptr ? key->GetFieldName() : CString();
}

int GetTextColumnLength(const Field* field)
{
    if (field == nullptr)
        return 0;
    switch (field->GetTypeCode())
    {
    case FieldTypeChar:
    case FieldTypeVarchar:
    case FieldTypeNChar:
    case FieldTypeNVarchar:
        return std::max(field->GetSize(), 0);
    default:
        return 0;
    }
}

int GetWrittenControlKind(const FieldRep& control)
{
    const FieldRepData* data = control.GetFieldRepData();
    if (data == nullptr)
        return -1;
    // The account form's new password and its confirmation, page fields of their own.
    const Field* field = control.GetField();
    if (field != nullptr && field->GetTable() == nullptr &&
        (field->GetFieldName() == "new_password" || field->GetFieldName() == "confirm_password"))
        return FieldRepData::Password;
    switch (const int kind = data->GetControlKind())
    {
    case FieldRepData::MultipleComboBox:
    case FieldRepData::EditableTextBox:
        return FieldRepData::ComboBox;
    case FieldRepData::DateTime:
        return FieldRepData::DateControl;
    case FieldRepData::Month:
    case FieldRepData::Year:
        return FieldRepData::TextBox;
    case FieldRepData::Button:
        return FieldRepData::Hidden;
    default:
        return kind;
    }
}

bool HasValueMember(const FieldRep& control)
{
    const int kind = GetWrittenControlKind(control);
    return kind == FieldRepData::ComboBox || kind == FieldRepData::RadioButton ||
           kind == FieldRepData::EditableComboBox;
}

std::vector<FieldRep*> GetPlacedControls(FormInterface& page)
{
    return PlacedOf(page.GetFieldReps());
}

std::vector<FieldRep*> GetPlacedControls(Transaction& transaction, Table* table)
{
    std::vector<FieldRep*> controls;
    if (table != nullptr)
        transaction.GetFieldRepsOfTable(table, controls);
    return PlacedOf(controls);
}

CString GetPageBaseName(const Form& form)
{
    if (form.IsCopy() || form.GetTable() == nullptr)
        return form.GetFormName();
    return form.GetTable()->GetTableName();
}

CString GetPageClassName(const AspFile& file)
{
    CString name = file.GetFileName(FALSE);
    const int dot = name.Find('.');
    if (dot >= 0)
        name.Delete(dot, 5);
    return name;
}

CString GetPrintPageName(const FormInterface& rdlcReport)
{
    return GetFormNameStem(rdlcReport) + "_report_Print";
}

CString GetFormNameStem(const FormInterface& page)
{
    CString name = page.GetFormName();
    name.Trim();
    name.Replace(" ", "_");
    return name;
}

CString GetGridRowPrefix(const Transaction& transaction, const Table& table)
{
    return transaction.GetDetailTables().size() < 2 ? CString() : table.GetTableName() + "_";
}

bool IsRecomputeTarget(FormInterface& page, const FieldRep* control)
{
    for (const FieldRep* other : page.GetFieldReps())
    {
        if (other != nullptr && other->GetFieldRepData() != nullptr &&
            other->GetFieldRepData()->HasClassRecomputeFor(control))
            return true;
    }
    return false;
}

CString GetVisibilityText(const AspFile& pageFile, const FieldRep& control)
{
    const FieldVisibility* visibility = pageFile.FindFieldVisibility(control.GetField());
    return visibility != nullptr ? visibility->GetVisibilityName() : CString();
}

std::vector<RadioItem> GetRadioItems(const FieldRepData& data)
{
    std::vector<CString> texts;
    std::vector<CString> values;
    data.GetHardCodedStrings(texts, values);
    std::vector<RadioItem> items;
    for (std::size_t i = 0; i < texts.size(); ++i)
    {
        RadioItem item{texts[i], i < values.size() ? values[i] : CString()};
        item.text.Trim();
        item.value.Trim();
        if (item.value.IsEmpty())
            item.value = item.text;
        items.push_back(item);
    }
    return items;
}
