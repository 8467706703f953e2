#include "designers/logic/ReportColumnEditor.h"

#include "designers/logic/OutputColumns.h"
#include "designers/logic/ReportDialogsHost.h"
#include "editors/logic/ListLookup.h"
#include "entities/ApplicationReport.h"
#include "entities/ReportField.h"
#include "entities/ReportGroup.h"
#include "model/ForgeonProject.h"
#include "platform/core/MessageBox.h"

ReportColumnEditor::ReportColumnEditor(ReportGroup& group, ForgeonProject& project,
                                       ReportDialogsHost& host)
    : m_group(group), m_project(project), m_host(host)
{
}

CString ReportColumnEditor::GetCaption() const
{
    return "Columns for :" + ReportNameOf(m_group);
}

std::vector<ListColumn> ReportColumnEditor::OutputColumnHeadings()
{
    return OutputColumns::ListColumns("Field Name");
}

std::vector<ListColumn> ReportColumnEditor::ColumnHeadings()
{
    return OutputColumns::ListColumns("Column Name");
}

void ReportColumnEditor::Open()
{
    m_outputs = OutputColumns::Of(m_group);
    m_outputRows = OutputColumns::Rows(m_outputs);
    FillColumns();
}

void ReportColumnEditor::FillColumns()
{
    m_columnRows.clear();
    for (const ReportField* column : m_group.GetReportFields())
        m_columnRows.push_back({{"", OutputColumns::DisplayName(column->GetFieldInfo())}});
}

void ReportColumnEditor::Add()
{
    for (const int row : m_selectedOutputs)
    {
        if (row < 0 || static_cast<std::size_t>(row) >= m_outputs.size())
            continue;
        ProcedureFieldInfo* output = m_outputs[row];
        if (m_group.HasColumnForOutputField(output))
        {
            CString message;
            message.Format("Report column '%s' already present",
                           OutputColumns::DisplayName(output));
            AfxMessageBox(message);
            continue;
        }
        m_group.AddReportField(new ReportField(output));
    }
    FillColumns();
}

void ReportColumnEditor::Remove()
{
    if (ItemAt(m_group.GetReportFields(), m_selectedColumn) == nullptr ||
        AfxMessageBox("Do you really want to remove the column?", MB_YESNO) != IDYES)
        return;
    m_group.RemoveReportFieldAt(m_selectedColumn);
    m_selectedColumn = -1;
    FillColumns();
}

void ReportColumnEditor::Move(int step)
{
    ReportField* column = ItemAt(m_group.GetReportFields(), m_selectedColumn);
    if (column == nullptr)
        return;
    if (step < 0)
        m_group.MoveReportFieldUp(column);
    else
        m_group.MoveReportFieldDown(column);
    m_selectedColumn = PositionOf(m_group.GetReportFields(), column);
    FillColumns();
}

void ReportColumnEditor::SetProperties()
{
    if (ReportField* column = ItemAt(m_group.GetReportFields(), m_selectedColumn))
        m_host.EditReportFieldSettings(m_group, *column, m_project.GetCurrentModule());
    FillColumns();
}
