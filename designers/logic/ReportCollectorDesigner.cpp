#include "designers/logic/ReportCollectorDesigner.h"
#include "designers/logic/DesignerTexts.h"

#include "designers/logic/ReportDesignerHost.h"
#include "editors/logic/EditorHost.h"
#include "entities/ApplicationReport.h"
#include "entities/ReportCollector.h"
#include "entities/ReportGroup.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/NamedQuestion.h"
#include "model/SitePageNames.h"
#include "model/TypedText.h"
#include "platform/core/MessageBox.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace
{
constexpr int resetHeight = 200;
constexpr int resetWidth = 400;

CString Number(int value)
{
    CString text;
    text.Format("%d", value);
    return text;
}

// The same field, or a key column and a field whose foreign field it is.
bool FieldsMatch(const Field* first, const Field* second)
{
    if (first == nullptr || second == nullptr)
        return false;
    if (first == second)
        return true;
    if (first->IsKey() == second->IsKey())
        return false;
    return first->IsKey() ? second->GetForeignField() == first : first->GetForeignField() == second;
}

bool ReportFiltersOnMatch(const ApplicationReport& report, const Field* field)
{
    for (const ReportGroup* group : report.GetReportGroups())
    {
        for (const FieldRep* filter : group->GetFilters())
        {
            if (FieldsMatch(field, filter->GetField()))
                return true;
        }
    }
    return false;
}

} // namespace

ReportCollectorDesigner::ReportCollectorDesigner(ForgeonProject& project, EditorHost& host,
                                                 ReportDesignerHost& reportHost)
    : PaneEditor(m_states), m_project(project), m_host(host), m_reportHost(reportHost)
{
}

ReportCollectorDesigner::~ReportCollectorDesigner()
{
    if (m_isNew)
        delete m_collector;
}

const std::vector<ListColumn>& ReportCollectorDesigner::EntryColumns()
{
    static const std::vector<ListColumn> columns{
        {"Report Name", 32}, {"Height", 15}, {"Width", 15}};
    return columns;
}

const std::vector<ListColumn>& ReportCollectorDesigner::CommonFieldColumns()
{
    static const std::vector<ListColumn> columns{{"Field Reps", 60}};
    return columns;
}

const std::vector<ListColumn>& ReportCollectorDesigner::FilterColumns()
{
    static const std::vector<ListColumn> columns{{"Filters", 60}};
    return columns;
}

const std::vector<ToolTip>& ReportCollectorDesigner::ToolTips()
{
    static const std::vector<ToolTip> tips = WithToolTipStrings({
        {IDC_NAME, 64750, "Report collector name"},
        {IDC_NUM_COLUMNS, 64751, "Number of report columns"},
        {IDC_ADD_REPORT, 64752, "Add the report"},
        {IDC_UPDATE, 64753, "Update height and width"},
        {IDC_FILTERS_ON, 64754, "Filters on the common fields"},
        {IDC_ADD_FILTER, 64755, "Add filter"},
        {IDC_ADD_COLLECTOR, 64756, "Add report collector"},
    });
    return tips;
}

std::vector<FieldRep*> ReportCollectorDesigner::FindCommonFields(const ReportCollector& collector)
{
    std::vector<FieldRep*> common;
    const std::vector<ReportCollectorEntry>& entries = collector.GetEntries();
    if (entries.empty() || entries.front().m_report == nullptr)
        return common;
    for (const ReportGroup* group : entries.front().m_report->GetReportGroups())
    {
        for (FieldRep* candidate : group->GetFilters())
        {
            if (std::ranges::find(common, candidate) != common.end())
                continue;
            const bool everyReport =
                std::all_of(entries.begin() + 1, entries.end(),
                            [candidate](const ReportCollectorEntry& entry)
                            {
                                return entry.m_report != nullptr &&
                                       ReportFiltersOnMatch(*entry.m_report, candidate->GetField());
                            });
            if (everyReport && candidate->GetField() != nullptr)
                common.push_back(candidate);
        }
    }
    return common;
}

CString ReportCollectorDesigner::FreeDefaultName() const
{
    for (int number = 1;; ++number)
    {
        const CString name = "ReportCollector" + Number(number);
        const bool taken = std::ranges::any_of(
            m_project.GetModules(),
            [&name](const Module* module)
            {
                return std::ranges::any_of(
                    module->GetReportCollectors(), [&name](const ReportCollector* collector)
                    { return collector->GetFormName().CompareNoCase(name) == 0; });
            });
        if (!taken)
            return name;
    }
}

void ReportCollectorDesigner::LoadReportCollector(ReportCollector* collector)
{
    ClearPage();
    if (collector != nullptr)
        m_collector = collector;
    else
    {
        m_collector = new ReportCollector;
        m_collector->SetName(FreeDefaultName());
        m_isNew = true;
    }
    m_states.SetText(IDC_NAME, m_collector->GetFormName());
    m_states.SetText(IDC_NUM_COLUMNS, Number(m_collector->GetNumColumns()));
    m_filtersOn = !m_collector->GetFieldReps().empty();
    m_states.SetCheck(IDC_FILTERS_ON, m_filtersOn);
    if (m_filtersOn)
        m_commonFields = FindCommonFields(*m_collector);
    Module* module = m_project.GetCurrentModule();
    m_reports = module != nullptr ? module->GetReports() : std::vector<ApplicationReport*>{};
    std::vector<CString> names;
    for (const ApplicationReport* report : m_reports)
        names.push_back(report->GetFormName());
    m_states.SetItems(IDC_REPORT, names);
    RefreshEntries();
    RefreshCommonFields();
    RefreshFilters();
    NoteLoaded();
}

CString ReportCollectorDesigner::ItemName() const
{
    return m_isNew ? m_states.GetText(IDC_NAME) : m_collector->GetFormName();
}

std::vector<CString> ReportCollectorDesigner::NewItemContent() const
{
    std::vector<CString> content;
    AddRows(content, m_entryRows);
    AddRows(content, m_filterRows);
    return content;
}

void ReportCollectorDesigner::ClearPage()
{
    if (m_isNew)
        delete m_collector;
    m_collector = nullptr;
    m_isNew = false;
    m_filtersOn = false;
    m_commonFields.clear();
    m_reports.clear();
    m_selectedCommon = m_selectedFilter = -1;
    m_states.SetText(IDC_NAME, "");
    m_states.SetText(IDC_NUM_COLUMNS, "");
    m_states.SetCheck(IDC_FILTERS_ON, false);
    m_states.SetItems(IDC_REPORT, {});
    ResetSelection();
    RefreshEntries();
    RefreshCommonFields();
    RefreshFilters();
}

void ReportCollectorDesigner::ResetSelection()
{
    m_selectedEntry = -1;
    m_states.SetText(IDC_ENTRY_NAME, "");
    m_states.SetText(IDC_HEIGHT, Number(resetHeight));
    m_states.SetText(IDC_WIDTH, Number(resetWidth));
    m_states.Enable(IDC_HEIGHT, false);
    m_states.Enable(IDC_WIDTH, false);
}

void ReportCollectorDesigner::RefreshEntries()
{
    m_entryRows.clear();
    if (m_collector == nullptr)
        return;
    for (const ReportCollectorEntry& entry : m_collector->GetEntries())
        m_entryRows.push_back(
            {{entry.m_report != nullptr ? entry.m_report->GetFormName() : CString(),
              Number(entry.m_height), Number(entry.m_width)}});
}

void ReportCollectorDesigner::RefreshCommonFields()
{
    m_commonRows.clear();
    for (const FieldRep* control : m_commonFields)
        m_commonRows.push_back({{ControlFieldName(control)}});
}

void ReportCollectorDesigner::RefreshFilters()
{
    m_filterRows.clear();
    m_selectedFilter = -1;
    if (m_collector == nullptr)
        return;
    for (const FieldRep* filter : m_collector->GetFieldReps())
        m_filterRows.push_back({{ControlFieldName(filter)}});
}

void ReportCollectorDesigner::NameLostFocus()
{
    if (m_collector == nullptr)
        return;
    const CString name = m_states.GetText(IDC_NAME);
    if (const CString refusal = RefuseDesignedPageName(m_project, *m_collector, name);
        !refusal.IsEmpty())
    {
        AfxMessageBox(refusal);
        return;
    }
    m_collector->SetName(name);
    if (!m_isNew)
    {
        m_host.UpdateFormItemText(*m_collector);
        NoteStored(IDC_NAME);
    }
}

void ReportCollectorDesigner::ColumnCountChanged()
{
    if (m_collector == nullptr)
        return;
    m_collector->SetNumColumns(std::atoi(m_states.GetText(IDC_NUM_COLUMNS)));
    if (!m_isNew)
        NoteStored(IDC_NUM_COLUMNS);
}

void ReportCollectorDesigner::AddReport()
{
    const int index = m_states.GetSelection(IDC_REPORT);
    if (m_collector == nullptr || index < 0 || static_cast<std::size_t>(index) >= m_reports.size())
        return;
    ApplicationReport* report = m_reports[index];
    const std::vector<ReportCollectorEntry>& entries = m_collector->GetEntries();
    if (std::ranges::any_of(entries, [report](const ReportCollectorEntry& entry)
                            { return entry.m_report == report; }))
    {
        AfxMessageBox("Report aleady present");
        return;
    }
    m_collector->AddReport({report, 250, 450});
    m_states.Select(IDC_REPORT, -1);
    RefreshEntries();
    m_filtersOn = true;
    EvaluateFilters();
}

bool ReportCollectorDesigner::TakeTypedSize()
{
    if (m_collector == nullptr || m_selectedEntry < 0 ||
        static_cast<std::size_t>(m_selectedEntry) >= m_collector->GetEntries().size())
        return true;
    const ReportCollectorEntry& entry = m_collector->GetEntries()[m_selectedEntry];
    if (m_states.GetText(IDC_HEIGHT) == Number(entry.m_height) &&
        m_states.GetText(IDC_WIDTH) == Number(entry.m_width))
        return true;
    const int selected = m_selectedEntry;
    if (!TakeOrDropTypedText("size of the report", m_states.GetText(IDC_ENTRY_NAME),
                             /*update=*/true,
                             [this]
                             {
                                 Update();
                                 return true;
                             }))
        return false;
    // Dropped: the boxes show the entry's size again.
    if (m_selectedEntry == selected)
    {
        m_states.SetText(IDC_HEIGHT, Number(entry.m_height));
        m_states.SetText(IDC_WIDTH, Number(entry.m_width));
    }
    return true;
}

void ReportCollectorDesigner::ClickEntryRow(int row)
{
    if (row == m_selectedEntry || !TakeTypedSize())
        return;
    if (m_collector == nullptr || row < 0 ||
        static_cast<std::size_t>(row) >= m_collector->GetEntries().size())
    {
        ResetSelection();
        return;
    }
    const ReportCollectorEntry& entry = m_collector->GetEntries()[row];
    m_selectedEntry = row;
    m_states.SetText(IDC_ENTRY_NAME,
                     entry.m_report != nullptr ? entry.m_report->GetFormName() : CString());
    m_states.SetText(IDC_HEIGHT, Number(entry.m_height));
    m_states.SetText(IDC_WIDTH, Number(entry.m_width));
    m_states.Enable(IDC_HEIGHT, true);
    m_states.Enable(IDC_WIDTH, true);
}

void ReportCollectorDesigner::DeleteEntry()
{
    if (m_collector == nullptr || m_selectedEntry < 0 ||
        static_cast<std::size_t>(m_selectedEntry) >= m_collector->GetEntries().size())
        return;
    if (!m_host.ConfirmWarning(
            NamedQuestion("Do you want to remove the report?", m_states.GetText(IDC_ENTRY_NAME))))
        return;
    m_collector->RemoveReportAt(m_selectedEntry);
    RefreshEntries();
    ResetSelection();
    EvaluateFilters();
}

void ReportCollectorDesigner::Update()
{
    if (m_collector == nullptr || m_selectedEntry < 0)
        return;
    m_collector->SetEntrySize(m_selectedEntry, std::atoi(m_states.GetText(IDC_HEIGHT)),
                              std::atoi(m_states.GetText(IDC_WIDTH)));
    RefreshEntries();
    ResetSelection();
}

void ReportCollectorDesigner::ToggleFilters()
{
    if (m_collector == nullptr)
        return;
    m_filtersOn = !m_filtersOn;
    EvaluateFilters();
}

void ReportCollectorDesigner::EvaluateFilters()
{
    m_commonFields.clear();
    if (m_filtersOn && m_collector->GetEntries().empty())
    {
        AfxMessageBox("Please select reports before defining filters.");
        m_filtersOn = false;
    }
    else if (m_filtersOn)
    {
        m_commonFields = FindCommonFields(*m_collector);
        // One report alone has nothing to share yet.
        if (m_commonFields.empty() && m_collector->GetEntries().size() > 1)
            AfxMessageBox("There are no common fields in above reports. Filters can not be "
                          "assigned.");
        if (m_commonFields.empty())
            m_filtersOn = false;
    }
    if (!m_filtersOn)
        m_collector->ClearFilters();
    m_states.SetCheck(IDC_FILTERS_ON, m_filtersOn);
    m_selectedCommon = -1;
    RefreshCommonFields();
    RefreshFilters();
}

void ReportCollectorDesigner::AddFilter()
{
    if (m_collector == nullptr || m_selectedCommon < 0 ||
        static_cast<std::size_t>(m_selectedCommon) >= m_commonFields.size())
        return;
    Field* field = m_commonFields[m_selectedCommon]->GetField();
    if (m_collector->FindFieldRepByFieldName(field->GetFieldName()) == nullptr)
    {
        Variable* variable = m_collector->AddVariableForField(field);
        auto* filter = new FieldRep(field);
        filter->SetFieldRepData(new FieldRepData);
        filter->SetVariable(variable);
        m_collector->AddFieldRep(filter);
    }
    RefreshFilters();
}

void ReportCollectorDesigner::DeleteFilter()
{
    FieldRep* filter =
        m_collector != nullptr ? m_collector->GetFieldRep(m_selectedFilter) : nullptr;
    if (filter == nullptr)
        return;
    // The mapping and the control go together, so that the field can be filtered on again.
    if (FieldVariableMap* map = m_collector->FindFieldVariableMapByField(filter->GetField()))
    {
        m_collector->RemoveFieldVariableMapByField(filter->GetField());
        FormInterface::DeleteFieldVariableMap(map);
    }
    m_collector->DeleteFieldRep(filter);
    RefreshFilters();
}

void ReportCollectorDesigner::AddCollector()
{
    Module* module = m_project.GetCurrentModule();
    if (m_collector == nullptr || module == nullptr || !TakeTypedSize())
        return;
    const CString name = m_states.GetText(IDC_NAME);
    if (const CString refusal = RefuseDesignedPageName(m_project, *m_collector, name);
        !refusal.IsEmpty())
    {
        AfxMessageBox(refusal);
        return;
    }
    const ReportCollector* named = module->FindReportCollectorByName(name);
    if (named != nullptr && named != m_collector)
    {
        AfxMessageBox("ReportColector already exists. Please check the name.");
        return;
    }
    m_collector->SetName(name);
    ColumnCountChanged();
    if (m_isNew)
    {
        module->AddReportCollector(m_collector);
        m_isNew = false;
        m_reportHost.AddReportCollectorItem(*module, *m_collector);
    }
    else
        m_host.UpdateFormItemText(*m_collector);
    LoadReportCollector(nullptr);
}
