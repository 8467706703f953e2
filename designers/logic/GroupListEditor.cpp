#include "designers/logic/GroupListEditor.h"

#include "designers/logic/OutputColumns.h"
#include "editors/logic/ListLookup.h"

GroupListEditor::GroupListEditor(ReportGroup& group, const char* captionPrefix)
    : m_group(group), m_captionPrefix(captionPrefix)
{
}

CString GroupListEditor::GetCaption() const
{
    return m_captionPrefix + ReportNameOf(m_group);
}

std::vector<ListColumn> GroupListEditor::OutputColumnHeadings()
{
    return OutputColumns::ListColumns("Field Name");
}

void GroupListEditor::Open()
{
    m_outputs = OutputColumns::Of(m_group);
    m_outputRows = OutputColumns::Rows(m_outputs);
    FillEntries();
}

void GroupListEditor::FillEntries()
{
    m_entryRows.clear();
    for (const CString& name : EntryNames())
        m_entryRows.push_back({{"", name}});
}

void GroupListEditor::Add()
{
    for (const int row : m_selectedOutputs)
    {
        if (ProcedureFieldInfo* output = ItemAt(m_outputs, row))
            AddEntry(*output);
    }
    FillEntries();
}

void GroupListEditor::Move(int step)
{
    if (m_selectedEntry < 0 || static_cast<std::size_t>(m_selectedEntry) >= m_entryRows.size())
        return;
    m_selectedEntry = MoveEntry(m_selectedEntry, step);
    FillEntries();
}
