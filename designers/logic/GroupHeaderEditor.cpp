#include "designers/logic/GroupHeaderEditor.h"

#include "designers/logic/OutputColumns.h"
#include "editors/logic/ListLookup.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ReportGroup.h"
#include "model/Field.h"

namespace
{
const char* const nullItem = "Null";

// "Null" and the columns' names.
std::vector<CString> NullAndNames(const std::vector<ProcedureFieldInfo*>& columns)
{
    std::vector<CString> items{nullItem};
    for (const CString& name : OutputColumns::Names(columns))
        items.push_back(name);
    return items;
}

// The combo position of the column: 0 ("Null") for none, -1 when it is not listed.
int ComboPosition(const std::vector<ProcedureFieldInfo*>& columns, const ProcedureFieldInfo* column)
{
    if (column == nullptr)
        return 0;
    const int position = PositionOf(columns, column);
    return position < 0 ? -1 : position + 1;
}
} // namespace

GroupHeaderEditor::GroupHeaderEditor(const ReportGroup& group) : m_group(group) {}

void GroupHeaderEditor::Open()
{
    m_outputs = OutputColumns::Of(m_group);
    m_keys.clear();
    for (ProcedureFieldInfo* column : m_outputs)
    {
        const Field* field = column->GetField();
        if (field != nullptr && (field->IsKey() || field->IsForeignKey()))
            m_keys.push_back(column);
    }
    m_states.SetText(IDC_HEADER, m_group.GetHeader());
    m_states.SetItems(IDC_HEADER_VALUE, NullAndNames(m_outputs));
    m_states.Select(IDC_HEADER_VALUE, ComboPosition(m_outputs, m_group.GetHeaderValue()));
    m_states.SetItems(IDC_NEXT_KEY, NullAndNames(m_keys));
    m_states.Select(IDC_NEXT_KEY, ComboPosition(m_keys, m_group.GetNextProcKey()));
}

void GroupHeaderEditor::Ok()
{
    m_value = ItemAt(m_outputs, m_states.GetSelection(IDC_HEADER_VALUE) - 1);
    m_text = m_value != nullptr ? m_states.GetText(IDC_HEADER) : CString();
    m_nextKey = ItemAt(m_keys, m_states.GetSelection(IDC_NEXT_KEY) - 1);
}
