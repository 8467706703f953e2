#include "editors/logic/RefFieldEditor.h"

#include "entities/FormInterface.h"
#include "model/Field.h"
#include "model/NamedQuestion.h"
#include "model/ProjectNameCheck.h"
#include "model/RefField.h"
#include "model/SitePageNames.h"
#include "model/Table.h"
#include "model/TypedText.h"
#include "platform/core/MessageBox.h"

RefFieldEditor::RefFieldEditor(FormInterface& page, Table* table) : m_page(page), m_table(table) {}

std::vector<ListColumn> RefFieldEditor::GetColumns()
{
    return {{"", 0}, {"Field Name", 45}, {"Data Type", 20}};
}

const std::vector<ToolTip>& RefFieldEditor::GetToolTips()
{
    static const std::vector<ToolTip> tips = WithToolTipStrings({
        {NameBox, 61528, "Field name"},
        {TypeCombo, 61529, "Data type"},
        {AddButton, 61530, "Add reference field"},
        {DeleteButton, 61531, "Delete reference field"},
        {ClearButton, 61532, "Clear"},
        {FieldList, 61533, "List of reference field"},
        {IDOK, 61534, "OK"},
        {HelpButton, 61535, "reference field help"},
    });
    return tips;
}

const std::vector<CString>& RefFieldEditor::GetTypeNames()
{
    static const std::vector<CString> names = {"int",     "float",    "Decimal", "char",
                                               "varchar", "DateTime", "text"};
    return names;
}

void RefFieldEditor::Load()
{
    m_states.SetItems(TypeCombo, GetTypeNames());
    m_states.SetText(TableLabel,
                     "Table : " + (m_table != nullptr ? m_table->GetTableName() : CString()));
    m_states.SetCheck(ValidateCheck, true);
    Clear();
    FillList();
}

void RefFieldEditor::ToggleValidate()
{
    m_states.SetCheck(ValidateCheck, !m_states.IsChecked(ValidateCheck));
}

std::vector<RefField*> RefFieldEditor::TableRefFields() const
{
    std::vector<RefField*> fields;
    for (RefField* refField : m_page.GetRefFields())
        if (refField != nullptr && refField->GetTable() == m_table &&
            refField->GetField() != nullptr)
            fields.push_back(refField);
    return fields;
}

void RefFieldEditor::FillList()
{
    m_rows.clear();
    for (const RefField* refField : TableRefFields())
    {
        const int type = refField->GetField()->GetTypeCode();
        const bool named = type >= 0 && type < static_cast<int>(GetTypeNames().size());
        ListRow row;
        row.cells = {"", refField->GetField()->GetFieldName(),
                     named ? GetTypeNames()[static_cast<size_t>(type)] : CString()};
        row.data = static_cast<int>(m_rows.size());
        m_rows.push_back(row);
    }
}

RefField* RefFieldEditor::SelectedRefField() const
{
    const std::vector<RefField*> fields = TableRefFields();
    return m_selectedRow >= 0 && m_selectedRow < static_cast<int>(fields.size())
               ? fields[static_cast<size_t>(m_selectedRow)]
               : nullptr;
}

void RefFieldEditor::SelectRow(int row)
{
    m_selectedRow = row;
    const RefField* refField = SelectedRefField();
    if (refField == nullptr)
    {
        m_selectedRow = -1;
        return;
    }
    m_states.SetText(NameBox, refField->GetField()->GetFieldName());
    m_states.Select(TypeCombo, refField->GetField()->GetTypeCode());
    m_states.SetCheck(ValidateCheck, refField->GetValidate());
    m_states.SetText(AddButton, "Update");
    m_states.Enable(DeleteButton, true);
}

void RefFieldEditor::AddOrUpdate()
{
    const CString name = m_states.GetText(NameBox);
    const int type = m_states.GetSelection(TypeCombo);
    if (name.IsEmpty() || type < 0)
        return;
    if (const CString refusal = RefuseControlCharacters(name); !refusal.IsEmpty())
    {
        AfxMessageBox(refusal);
        return;
    }
    // The name stays as typed; the id the generated page makes of it must be its own. A name
    // the page holds already is left to the checks below.
    RefField* selected = SelectedRefField();
    if (const CString other = FindPageIdOfFieldName(
            m_page, name, selected != nullptr ? selected->GetField() : nullptr);
        !other.IsEmpty() && !m_page.IsFieldNameUsed(name))
    {
        AfxMessageBox("The generated page names this field as " + other +
                      ". Please enter another name.");
        return;
    }
    if (RefField* refField = selected)
    {
        Field* field = refField->GetField();
        const CString oldName = field->GetFieldName();
        if (!m_page.IsFieldNameUsed(name))
            field->SetFieldName(name);
        field->SetType(type);
        field->EnsureDisplayName();
        refField->SetValidate(m_states.IsChecked(ValidateCheck));
        m_page.OnFieldRenamed(field, oldName);
    }
    else
    {
        if (m_page.IsFieldNameUsed(name))
        {
            AfxMessageBox("Field with this name exists.");
            return;
        }
        auto* field = new Field;
        field->SetFieldName(name);
        field->SetType(type);
        field->EnsureDisplayName();
        auto* added = new RefField(field, m_table);
        added->SetValidate(m_states.IsChecked(ValidateCheck));
        m_page.AddRefField(added);
    }
    FillList();
    Clear();
}

void RefFieldEditor::Delete()
{
    RefField* refField = SelectedRefField();
    if (refField == nullptr || AfxMessageBox(NamedQuestion("Do you want to delete the field?",
                                                           refField->GetField()->GetFieldName()),
                                             MB_OKCANCEL) != IDOK)
        return;
    m_page.RemoveRefField(refField);
    FillList();
    Clear();
}

bool RefFieldEditor::Close()
{
    const CString name = m_states.GetText(NameBox);
    const RefField* selected = SelectedRefField();
    if (selected != nullptr && selected->GetField()->GetFieldName() == name)
        return true;
    return TakeOrDropTypedText("field", name, selected != nullptr,
                               [this]
                               {
                                   AddOrUpdate();
                                   return m_states.GetText(NameBox).IsEmpty();
                               });
}

void RefFieldEditor::Clear()
{
    m_states.SetText(NameBox, "");
    m_states.Select(TypeCombo, 0);
    m_selectedRow = -1;
    m_states.SetText(AddButton, "Add");
    m_states.Enable(DeleteButton, false);
}
