#include "designers/logic/ReportFilterEditor.h"

#include "designers/logic/OutputColumns.h"
#include "designers/logic/ReportDialogsHost.h"
#include "editors/logic/ListLookup.h"
#include "entities/ApplicationReport.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ReportGroup.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "platform/core/MessageBox.h"

namespace
{
CString FilterName(const FieldRep* filter)
{
    if (filter->GetField() != nullptr)
        return filter->GetField()->GetFieldName();
    return filter->GetFieldRepData() != nullptr ? filter->GetFieldRepData()->GetCaption()
                                                : CString();
}
} // namespace

ReportFilterEditor::ReportFilterEditor(ReportGroup& group, ReportDialogsHost& host)
    : m_group(group), m_host(host)
{
}

CString ReportFilterEditor::GetCaption() const
{
    return "Filters for :" + ReportNameOf(m_group);
}

std::vector<ListColumn> ReportFilterEditor::OutputColumnHeadings()
{
    return OutputColumns::ListColumns("Field Name");
}

std::vector<ListColumn> ReportFilterEditor::FilterHeadings()
{
    return OutputColumns::ListColumns("Filter Name");
}

void ReportFilterEditor::Open()
{
    m_outputs = OutputColumns::Of(m_group);
    m_outputRows = OutputColumns::Rows(m_outputs);
    FillFilters();
    ShowColumnCount();
}

void ReportFilterEditor::FillFilters()
{
    m_filterRows.clear();
    for (const FieldRep* filter : m_group.GetFilters())
        m_filterRows.push_back({{"", FilterName(filter)}});
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

void ReportFilterEditor::Add()
{
    for (const int row : m_selectedOutputs)
    {
        const ProcedureFieldInfo* output = ItemAt(m_outputs, row);
        Field* field = output != nullptr ? output->GetField() : nullptr;
        if (field == nullptr)
            continue;
        if (m_group.HasFilterOnField(field))
        {
            CString message;
            message.Format("Filter already present for %s", field->GetFieldName());
            AfxMessageBox(message);
            continue;
        }
        auto* filter = new FieldRep(field);
        filter->SetFieldRepData(new FieldRepData);
        m_group.AddFilter(filter);
    }
    FillFilters();
}

void ReportFilterEditor::Remove()
{
    FieldRep* filter = m_group.GetFilterAt(m_selectedFilter);
    if (filter == nullptr ||
        AfxMessageBox("Do you really want to remove the filter?", MB_YESNO) != IDYES)
        return;
    const ApplicationReport* report = m_group.GetReport();
    if (report != nullptr && report->HasRecomputeForFieldRep(filter))
    {
        AfxMessageBox(" Cannot Remove the filter. It is being used for recomputation.");
        return;
    }
    m_group.RemoveFilterAt(m_selectedFilter);
    m_selectedFilter = -1;
    FillFilters();
}

void ReportFilterEditor::Move(int step)
{
    FieldRep* filter = m_group.GetFilterAt(m_selectedFilter);
    if (filter == nullptr)
        return;
    if (step < 0)
        m_group.MoveFilterUp(filter);
    else
        m_group.MoveFilterDown(filter);
    m_selectedFilter = PositionOf(m_group.GetFilters(), filter);
    FillFilters();
}

void ReportFilterEditor::SetProperties()
{
    FieldRep* filter = m_group.GetFilterAt(m_selectedFilter);
    if (filter == nullptr)
    {
        AfxMessageBox("Please select the filter");
        return;
    }
    if (ApplicationReport* report = m_group.GetReport())
        m_host.EditControlProperties(*report, *filter);
    FillFilters();
}
