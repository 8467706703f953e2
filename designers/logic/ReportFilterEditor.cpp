#include "designers/logic/ReportFilterEditor.h"
#include "designers/logic/DesignerTexts.h"

#include "designers/logic/OutputColumns.h"
#include "designers/logic/ReportDialogsHost.h"
#include "editors/logic/ListLookup.h"
#include "entities/ApplicationReport.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ReportGroup.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/NamedQuestion.h"
#include "platform/core/MessageBox.h"

ReportFilterEditor::ReportFilterEditor(ReportGroup& group, ReportDialogsHost& host)
    : GroupListEditor(group, "Filters for :"), m_host(host)
{
}

std::vector<ListColumn> ReportFilterEditor::EntryHeadings()
{
    return OutputColumns::ListColumns("Filter Name");
}

void ReportFilterEditor::Open()
{
    GroupListEditor::Open();
    ShowColumnCount();
}

std::vector<CString> ReportFilterEditor::EntryNames() const
{
    std::vector<CString> names;
    for (const FieldRep* filter : m_group.GetFilters())
        names.push_back(FilterName(*filter));
    return names;
}

void ReportFilterEditor::ShowColumnCount()
{
    const ApplicationReport* report = m_group.GetReport();
    const bool single = report != nullptr && report->GetColumnLayout() == 1;
    m_states.SetCheck(IDC_SINGLE_COLUMN, single);
    m_states.SetCheck(IDC_TWO_COLUMNS, !single);
}

void ReportFilterEditor::SetColumnCount(int count)
{
    if (ApplicationReport* report = m_group.GetReport())
        report->SetColumnLayout(count);
    ShowColumnCount();
}

void ReportFilterEditor::AddEntry(ProcedureFieldInfo& output)
{
    Field* field = output.GetField();
    if (field == nullptr)
        return;
    if (m_group.HasFilterOnField(field))
    {
        CString message;
        message.Format("Filter already present for %s", field->GetFieldName());
        AfxMessageBox(message);
        return;
    }
    auto* filter = new FieldRep(field);
    filter->SetFieldRepData(new FieldRepData);
    m_group.AddFilter(filter);
}

void ReportFilterEditor::Remove()
{
    FieldRep* filter = m_group.GetFilterAt(GetSelectedEntry());
    if (filter == nullptr ||
        AfxMessageBox(NamedQuestion("Do you really want to remove the filter?",
                                    EntryNames()[static_cast<std::size_t>(GetSelectedEntry())]),
                      MB_YESNO) != IDYES)
        return;
    const ApplicationReport* report = m_group.GetReport();
    if (report != nullptr && report->HasRecomputeForFieldRep(filter))
    {
        AfxMessageBox(" Cannot Remove the filter. It is being used for recomputation.");
        return;
    }
    m_group.RemoveFilterAt(GetSelectedEntry());
    SelectEntry(-1);
    FillEntries();
}

int ReportFilterEditor::MoveEntry(int index, int step)
{
    FieldRep* filter = m_group.GetFilterAt(index);
    if (step < 0)
        m_group.MoveFilterUp(filter);
    else
        m_group.MoveFilterDown(filter);
    return PositionOf(m_group.GetFilters(), filter);
}

void ReportFilterEditor::SetProperties()
{
    FieldRep* filter = m_group.GetFilterAt(GetSelectedEntry());
    if (filter == nullptr)
    {
        AfxMessageBox("Please select the filter");
        return;
    }
    if (ApplicationReport* report = m_group.GetReport())
        m_host.EditControlProperties(*report, *filter);
    FillEntries();
}
