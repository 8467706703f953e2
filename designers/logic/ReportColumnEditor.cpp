#include "designers/logic/ReportColumnEditor.h"

#include "designers/logic/OutputColumns.h"
#include "designers/logic/ReportDialogsHost.h"
#include "editors/logic/ListLookup.h"
#include "entities/ReportField.h"
#include "entities/ReportGroup.h"
#include "model/ForgeonProject.h"
#include "model/NamedQuestion.h"
#include "platform/core/MessageBox.h"

ReportColumnEditor::ReportColumnEditor(ReportGroup& group, ForgeonProject& project,
                                       ReportDialogsHost& host)
    : GroupListEditor(group, "Columns for :"), m_project(project), m_host(host)
{
}

std::vector<ListColumn> ReportColumnEditor::EntryHeadings()
{
    return OutputColumns::ListColumns("Column Name");
}

std::vector<CString> ReportColumnEditor::EntryNames() const
{
    std::vector<CString> names;
    for (const ReportField* column : m_group.GetReportFields())
        names.push_back(OutputColumns::DisplayName(column->GetFieldInfo()));
    return names;
}

void ReportColumnEditor::AddEntry(ProcedureFieldInfo& output)
{
    if (m_group.HasColumnForOutputField(&output))
    {
        CString message;
        message.Format("Report column '%s' already present", OutputColumns::DisplayName(&output));
        AfxMessageBox(message);
        return;
    }
    m_group.AddReportField(new ReportField(&output));
}

void ReportColumnEditor::Remove()
{
    if (ItemAt(m_group.GetReportFields(), GetSelectedEntry()) == nullptr ||
        AfxMessageBox(NamedQuestion("Do you really want to remove the column?",
                                    EntryNames()[static_cast<std::size_t>(GetSelectedEntry())]),
                      MB_YESNO) != IDYES)
        return;
    m_group.RemoveReportFieldAt(GetSelectedEntry());
    SelectEntry(-1);
    FillEntries();
}

int ReportColumnEditor::MoveEntry(int index, int step)
{
    ReportField* column = ItemAt(m_group.GetReportFields(), index);
    if (step < 0)
        m_group.MoveReportFieldUp(column);
    else
        m_group.MoveReportFieldDown(column);
    return PositionOf(m_group.GetReportFields(), column);
}

void ReportColumnEditor::SetProperties()
{
    if (ReportField* column = ItemAt(m_group.GetReportFields(), GetSelectedEntry()))
        m_host.EditReportFieldSettings(m_group, *column, m_project.GetCurrentModule());
    FillEntries();
}
