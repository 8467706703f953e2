#include "designers/logic/ReportDesigner.h"
#include "designers/logic/DesignerTexts.h"
#include "designers/logic/OutputColumns.h"

#include "designers/logic/ReportCopy.h"
#include "designers/logic/ReportDesignerHost.h"
#include "editors/logic/EditorHost.h"
#include "editors/logic/ProcedureAssigner.h"
#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/ColumnGraphData.h"
#include "entities/Function.h"
#include "entities/PieChartData.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ReportField.h"
#include "entities/ReportGroup.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/NameUtilities.h"
#include "model/NamedQuestion.h"
#include "model/SitePageNames.h"
#include "model/Table.h"
#include "model/TypedTexts.h"
#include "platform/core/MessageBox.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <typeinfo>

namespace
{
constexpr int groupKind = 0;
constexpr int listKind = 1;
constexpr int gridKind = 2;
constexpr int graphKind = 3;
constexpr int notepadKind = 4;
constexpr int singleRecordKind = 5;

const char* const noProcedureSelected = "Please select correct procedure.";

// "Class.Function" of a group's class call; empty without one.
CString FunctionText(const ReportGroup& group)
{
    const ClassInvokation* call = group.GetClassCall();
    if (call == nullptr || call->GetFunction() == nullptr)
        return {};
    const CString className = call->GetClass() != nullptr ? call->GetClass()->GetFieldName() : "";
    return className + "." + call->GetFunction()->GetFieldName();
}

// The kind radios, with the kind each sets.
constexpr std::pair<int, int> kindRadios[] = {
    {ReportDesigner::IDC_GROUP_REPORT, groupKind},
    {ReportDesigner::IDC_LIST_REPORT, listKind},
    {ReportDesigner::IDC_GRID_REPORT, gridKind},
    {ReportDesigner::IDC_GRAPH_REPORT, graphKind},
    {ReportDesigner::IDC_NOTEPAD_REPORT, notepadKind},
    {ReportDesigner::IDC_SINGLE_RECORD_REPORT, singleRecordKind},
};

// The form-control widgets: the output, filter and column lists and their buttons.
constexpr int formControlWidgets[] = {
    ReportDesigner::IDC_OUTPUT_LIST,    ReportDesigner::IDC_FILTER_LIST,
    ReportDesigner::IDC_COLUMN_LIST,    ReportDesigner::IDC_ADD_FORM_CONTROL,
    ReportDesigner::IDC_ADD_TO_REPORT,  ReportDesigner::IDC_ADD_BUTTON,
    ReportDesigner::IDC_REMOVE_CONTROL, ReportDesigner::IDC_REMOVE_FROM_REPORT,
    ReportDesigner::IDC_COLUMN_UP,      ReportDesigner::IDC_COLUMN_DOWN,
    ReportDesigner::IDC_FILTER_UP,      ReportDesigner::IDC_FILTER_DOWN,
};
} // namespace

ReportDesigner::ReportDesigner(ForgeonProject& project, EditorHost& host,
                               ReportDesignerHost& reportHost)
    : PaneEditor(m_states), m_project(project), m_host(host), m_reportHost(reportHost)
{
    m_states.SetItems(IDC_GRAPH_TYPE, GraphTypes());
}

ReportDesigner::~ReportDesigner()
{
    if (m_isNew)
        delete m_report;
}

const std::vector<ListColumn>& ReportDesigner::GroupColumns()
{
    static const std::vector<ListColumn> columns{{"", 0}, {"Function Name", 70}};
    return columns;
}

const std::vector<ListColumn>& ReportDesigner::OutputColumns()
{
    static const std::vector<ListColumn> columns{{"Output Columns", 60}};
    return columns;
}

const std::vector<ListColumn>& ReportDesigner::FilterColumns()
{
    static const std::vector<ListColumn> columns{{"Form Controls", 60}};
    return columns;
}

const std::vector<ListColumn>& ReportDesigner::ReportColumns()
{
    static const std::vector<ListColumn> columns{{"Report Fields", 60}};
    return columns;
}

const std::vector<ToolTip>& ReportDesigner::ToolTips()
{
    static const std::vector<ToolTip> tips = WithToolTipStrings({
        {IDC_NAME, 64710, "Report name"},
        {IDC_HEADER, 64711, "Report header"},
        {IDC_ASSIGN, 64712, "Assign function"},
        {IDC_REMOVE, 64713, "Remove function"},
        {IDC_SET_FILTERS, 64714, "Sert report filters"},
        {IDC_SET_COLUMNS, 64715, "Set report columns"},
        {IDC_LINK_CONTROLS, 64716, "Assign link"},
        {IDC_OK, 64717, "Add report"},
        {IDC_CANCEL, 64718, "Cancel report"},
        {IDC_HELP_BUTTON, 64719, "Help on reports"},
    });
    return tips;
}

const std::vector<CString>& ReportDesigner::GraphTypes()
{
    static const std::vector<CString> types{"None",       "Area2D", "Column2D", "Column3D",
                                            "Doughnut2D", "Pie2D",  "Pie3D",    "SSGrid"};
    return types;
}

bool ReportDesigner::AreSubGroupsShown() const
{
    return m_report != nullptr && m_report->GetReportKind() != listKind;
}

void ReportDesigner::LoadReport(ApplicationReport* report)
{
    // A new report never stored goes when another one is shown.
    if (m_isNew && report != m_report)
        delete m_report;
    if (report != nullptr)
    {
        m_report = report;
        m_isNew = false;
        const std::vector<ReportGroup*>& groups = report->GetReportGroups();
        m_currentGroup = groups.empty() ? nullptr : groups.front();
    }
    else
    {
        m_report = new ApplicationReport;
        m_isNew = true;
        m_currentGroup = nullptr;
    }
    m_name = m_report->GetFormName();
    m_header = m_report->GetTitle();
    m_subHeader = m_report->GetSubHeader();
    m_subHeaderOn = !m_subHeader.IsEmpty();
    m_paging = m_report->IsPagingRequired();
    m_withoutLinks = false;
    m_selectedGroupRow = m_selectedFilter = m_selectedColumn = -1;
    m_states.Enable(IDC_NAME, m_isNew || IsPageNameToRename(*m_report));
    m_states.Enable(IDC_WITHOUT_LINKS, !m_isNew && !m_report->HasCompanionWithoutLinks());
    m_states.Select(IDC_GRAPH_TYPE, m_report->GetChartType());
    RefreshAll();
    RefreshSubHeaderControls();
    RefreshLayout();
    RefreshFunctionLabel();
    WriteMembers();
    NoteLoaded();
}

CString ReportDesigner::ItemName() const
{
    return m_isNew ? m_states.GetText(IDC_NAME) : m_report->GetFormName();
}

std::vector<CString> ReportDesigner::NewItemContent() const
{
    std::vector<CString> content = {m_states.GetText(IDC_FUNCTION_LABEL),
                                    CString(std::to_string(m_report->GetReportKind()))};
    for (const std::vector<ListRow>* rows : {&m_groupRows, &m_filterRows, &m_columnRows})
        AddRows(content, *rows);
    return content;
}

void ReportDesigner::ClearPage()
{
    if (m_isNew)
        delete m_report;
    m_report = nullptr;
    m_currentGroup = nullptr;
    m_module = nullptr;
    m_isNew = false;
    m_name.Empty();
    m_header.Empty();
    m_subHeader.Empty();
    m_subHeaderOn = false;
    m_paging = false;
    m_withoutLinks = false;
    m_selectedGroupRow = m_selectedFilter = m_selectedColumn = -1;
    m_groupRows.clear();
    m_outputRows.clear();
    m_filterRows.clear();
    m_columnRows.clear();
    m_states.SetText(IDC_FUNCTION_LABEL, "");
    WriteMembers();
}

void ReportDesigner::ForgetReport(ApplicationReport* report)
{
    if (report == m_report)
        m_isNew = false;
    ClearPage();
    LoadReport(nullptr);
}

void ReportDesigner::ReadControls()
{
    m_name = m_states.GetText(IDC_NAME);
    m_header = m_states.GetText(IDC_HEADER);
    m_subHeader = m_states.GetText(IDC_SUB_HEADER);
}

void ReportDesigner::WriteMembers()
{
    m_states.SetText(IDC_NAME, m_name);
    m_states.SetText(IDC_HEADER, m_header);
    m_states.SetText(IDC_SUB_HEADER, m_subHeader);
    m_states.SetCheck(IDC_SUB_HEADER_ON, m_subHeaderOn);
    m_states.SetCheck(IDC_PAGING, m_paging);
    m_states.SetCheck(IDC_WITHOUT_LINKS, m_withoutLinks);
}

bool ReportDesigner::IsDuplicateName(const CString& name) const
{
    return name.CompareNoCase(m_report->GetFormName()) != 0 &&
           IsReportNameTaken(m_project, name, m_report);
}

ReportGroup* ReportDesigner::GroupOfRow(int row) const
{
    if (m_report == nullptr || row < 0)
        return nullptr;
    const std::vector<ReportGroup*>& groups = m_report->GetReportGroups();
    return static_cast<std::size_t>(row) + 1 < groups.size() ? groups[row + 1] : nullptr;
}

void ReportDesigner::RefreshAll()
{
    RefreshGroupRows();
    RefreshGroupLists();
    RefreshKindControls();
    RefreshTables();
}

void ReportDesigner::RefreshGroupRows()
{
    m_groupRows.clear();
    if (m_report == nullptr)
        return;
    const std::vector<ReportGroup*>& groups = m_report->GetReportGroups();
    for (std::size_t i = 1; i < groups.size(); ++i)
        m_groupRows.push_back({{"", FunctionText(*groups[i])}});
    if (m_selectedGroupRow >= static_cast<int>(m_groupRows.size()))
        m_selectedGroupRow = -1;
}

void ReportDesigner::RefreshGroupLists()
{
    m_outputRows.clear();
    m_filterRows.clear();
    m_columnRows.clear();
    if (m_currentGroup == nullptr)
        return;
    for (int i = 0; i < m_currentGroup->GetFunctionColumnCount(); ++i)
        m_outputRows.push_back(
            {{OutputColumns::DisplayName(m_currentGroup->GetFunctionColumnAt(i))}});
    for (const FieldRep* filter : m_currentGroup->GetFilters())
        m_filterRows.push_back({{FilterName(*filter)}});
    for (const ReportField* column : m_currentGroup->GetReportFields())
        m_columnRows.push_back({{column->GetName()}});
}

void ReportDesigner::RefreshFunctionLabel()
{
    const std::vector<ReportGroup*>* groups =
        m_report != nullptr ? &m_report->GetReportGroups() : nullptr;
    const CString text =
        groups != nullptr && !groups->empty() ? FunctionText(*groups->front()) : "";
    m_states.SetText(IDC_FUNCTION_LABEL, text.IsEmpty() ? CString("Function not assigned.") : text);
}

void ReportDesigner::RefreshKindControls()
{
    const int kind = m_report != nullptr ? m_report->GetReportKind() : listKind;
    for (const auto& [id, radioKind] : kindRadios)
        m_states.SetCheck(id, radioKind == kind);
    const bool graph = kind == graphKind;
    const bool notepad = kind == notepadKind;
    m_states.Enable(IDC_GRAPH_TYPE, !notepad);
    m_states.Enable(IDC_GRAPH_DATA, !notepad);
    m_states.Enable(IDC_NUM_COLUMNS, !notepad);
    if (graph)
    {
        m_states.Select(IDC_GRAPH_TYPE, m_report->GetChartType());
        m_states.Enable(IDC_GRAPH_TYPE, true);
        m_states.Enable(IDC_GRAPH_DATA, true);
    }
    for (int id : formControlWidgets)
        m_states.Enable(id, !graph);
    const bool tables = kind == singleRecordKind;
    for (int id : {IDC_TABLE, IDC_SELECT_TABLE, IDC_MODULE})
        m_states.Enable(id, tables);
    m_states.SetCheck(IDC_PAGING, m_report != nullptr && m_report->IsPagingRequired());
    m_paging = m_report != nullptr && m_report->IsPagingRequired();
}

void ReportDesigner::RefreshTables()
{
    m_modules = m_project.GetModules();
    std::vector<CString> moduleNames;
    int moduleIndex = -1;
    Module* current = m_project.GetCurrentModule();
    for (std::size_t i = 0; i < m_modules.size(); ++i)
    {
        moduleNames.push_back(m_modules[i]->GetName());
        if (m_modules[i] == current)
            moduleIndex = static_cast<int>(i);
    }
    m_states.SetItems(IDC_MODULE, moduleNames);
    m_states.Select(IDC_MODULE, moduleIndex);
    if (m_module == nullptr)
        m_module = current;
    m_tables = m_module != nullptr ? m_module->GetMasterTables() : std::vector<Table*>{};
    std::vector<CString> tableNames;
    int selection = -1;
    Table* source = m_report != nullptr ? m_report->GetTable() : nullptr;
    for (std::size_t i = 0; i < m_tables.size(); ++i)
    {
        tableNames.push_back(m_tables[i]->GetTableName());
        if (m_tables[i] == source)
            selection = static_cast<int>(i);
    }
    m_states.SetItems(IDC_TABLE, tableNames);
    m_states.Select(IDC_TABLE, selection);
    m_states.SetText(IDC_TABLE_NAME, source != nullptr ? source->GetTableName() : CString());
}

void ReportDesigner::RefreshLayout()
{
    const int columns = m_report != nullptr ? m_report->GetColumnLayout() : 0;
    m_states.SetCheck(IDC_SINGLE_COLUMN, columns == 1);
    m_states.SetCheck(IDC_TWO_COLUMNS, columns != 1);
    m_states.SetText(IDC_NUM_COLUMNS, CString(std::to_string(columns)));
}

void ReportDesigner::RefreshSubHeaderControls()
{
    m_states.SetCheck(IDC_SUB_HEADER_ON, m_subHeaderOn);
    m_states.Enable(IDC_SUB_HEADER, m_subHeaderOn);
    m_states.Enable(IDC_SUB_HEADER_LABEL, m_subHeaderOn);
}

void ReportDesigner::NameLostFocus()
{
    if (m_report == nullptr)
        return;
    ReadControls();
    bool duplicate = false;
    if (IsDuplicateName(m_name))
    {
        AfxMessageBox(duplicateReportName);
        m_states.SetText(IDC_NAME, m_report->GetFormName());
        duplicate = true;
    }
    else if (const CString refusal = RefuseDesignedPageName(m_project, *m_report, m_name);
             !refusal.IsEmpty())
    {
        AfxMessageBox(refusal);
        m_states.SetText(IDC_NAME, m_report->GetFormName());
        duplicate = true;
    }
    if (HasSpecialCharacters(m_name))
    {
        AfxMessageBox("Special charater in report name.Please check.");
        if (!m_report->GetFormName().IsEmpty() && !m_isNew)
            m_states.SetText(IDC_NAME, m_report->GetFormName());
    }
    else if (!duplicate)
    {
        m_report->SetName(m_name);
        if (!m_isNew)
            NoteStored(IDC_NAME);
    }
}

void ReportDesigner::AssignFunction()
{
    if (m_report == nullptr)
        return;
    const std::vector<ReportGroup*>& groups = m_report->GetReportGroups();
    if (!groups.empty())
    {
        if (ClassInvokation* call = groups.front()->GetClassCall())
            m_reportHost.AssignFunction(*m_report, *call, true);
        RefreshFunctionLabel();
        RefreshGroupLists();
        return;
    }
    auto call = std::make_unique<ClassInvokation>();
    if (!m_reportHost.AssignFunction(*m_report, *call, true) || call->GetFunction() == nullptr)
        return;
    m_report->AddReportGroup(new ReportGroup(m_report, call.release()));
    m_currentGroup = m_report->GetReportGroups().front();
    RefreshFunctionLabel();
    RefreshGroupRows();
    RefreshGroupLists();
}

void ReportDesigner::RemoveFunction()
{
    if (m_report == nullptr || m_report->GetReportGroups().empty())
        return;
    if (!AskYesNo(NamedQuestion("Do you really want to remove population function?",
                                FunctionText(*m_report->GetReportGroups().front()))))
        return;
    m_report->DeleteAllReportGroups();
    m_currentGroup = nullptr;
    m_selectedGroupRow = -1;
    RefreshFunctionLabel();
    RefreshGroupRows();
    RefreshGroupLists();
}

void ReportDesigner::SetFilters()
{
    if (m_report != nullptr && !m_report->GetReportGroups().empty())
        m_reportHost.EditReportFilters(*m_report->GetReportGroups().front());
    RefreshGroupLists();
}

void ReportDesigner::SetColumns()
{
    if (m_report != nullptr && !m_report->GetReportGroups().empty())
        m_reportHost.EditReportColumns(*m_report->GetReportGroups().front());
    RefreshGroupLists();
}

void ReportDesigner::LinkControls()
{
    if (m_report != nullptr)
        m_reportHost.EditLinkControls(*m_report);
}

void ReportDesigner::AssignSubGroupFunction()
{
    if (m_report == nullptr)
        return;
    if (m_report->GetReportGroups().empty())
    {
        AfxMessageBox("Please assign report population function first");
        return;
    }
    auto call = std::make_unique<ClassInvokation>();
    if (!m_reportHost.AssignFunction(*m_report, *call, true) || call->GetClass() == nullptr)
        return;
    if (m_report->HasGroupForClass(call->GetClass()))
    {
        AfxMessageBox("Function already present for the Report");
        return;
    }
    m_report->AddReportGroup(new ReportGroup(m_report, call.release()));
    RefreshGroupRows();
}

void ReportDesigner::RemoveSubGroupFunction()
{
    RemoveSelectedGroup("Do you really want to remove the group population function?");
}

void ReportDesigner::RemoveSelectedGroup(const char* question)
{
    if (GroupOfRow(m_selectedGroupRow) == nullptr ||
        !AskYesNo(NamedQuestion(question, CellOf(m_groupRows, m_selectedGroupRow, 1))))
        return;
    m_report->DeleteReportGroupAt(m_selectedGroupRow + 1);
    m_currentGroup = nullptr;
    m_selectedGroupRow = -1;
    RefreshAll();
}

void ReportDesigner::MapParameters()
{
    ReportGroup* group = GroupOfRow(m_selectedGroupRow);
    if (group != nullptr && group->GetClassCall() != nullptr)
        m_reportHost.AssignFunction(*m_report, *group->GetClassCall(), false);
}

void ReportDesigner::ClickGroupRow(int row)
{
    m_selectedGroupRow = GroupOfRow(row) != nullptr ? row : -1;
    m_currentGroup = GroupOfRow(m_selectedGroupRow);
    m_selectedFilter = m_selectedColumn = -1;
    RefreshGroupLists();
}

void ReportDesigner::Ok()
{
    if (m_report != nullptr && Store())
        m_host.ShowStartPage();
}

bool ReportDesigner::Store()
{
    ReadControls();
    if (m_report->GetReportKind() == graphKind && m_report->GetChartData() == nullptr)
    {
        AfxMessageBox("Can not add or modify report. Please set graph data.");
        return false;
    }
    if (m_name.IsEmpty() || m_header.IsEmpty())
    {
        AfxMessageBox("Please enter report name and header");
        return false;
    }
    if (m_isNew && m_project.IsReportNameUsed(m_name))
    {
        AfxMessageBox(duplicateReportName);
        return false;
    }
    if (HasSpecialCharacters(m_name))
    {
        AfxMessageBox("Special charater in report name.Please Check.");
        return false;
    }
    if (const CString refusal = RefuseLineBreaks({{"sub-header", m_subHeader}}); !refusal.IsEmpty())
    {
        AfxMessageBox(refusal);
        return false;
    }
    if (IsDuplicateName(m_name))
    {
        AfxMessageBox(duplicateReportName);
        return false;
    }
    if (const CString refusal = RefuseDesignedPageName(m_project, *m_report, m_name);
        !refusal.IsEmpty())
    {
        AfxMessageBox(refusal);
        return false;
    }
    m_report->SetName(m_name);
    m_report->SetTitle(m_header);
    m_report->SetSubHeader(m_subHeader);
    m_report->SetChartData(std::max(0, m_states.GetSelection(IDC_GRAPH_TYPE)),
                           m_report->GetChartData());
    m_report->SetPagingRequired(m_paging);
    if (m_isNew)
    {
        Module* module = m_project.GetCurrentModule();
        if (m_report->GetReportGroups().empty())
        {
            AfxMessageBox("Report method is not assigned");
            return false;
        }
        if (module == nullptr)
            return false;
        module->AddReport(m_report, true);
        m_isNew = false;
        m_reportHost.AddApplicationReportItem(*module, *m_report);
    }
    else
        m_host.UpdateFormItemText(*m_report);
    NoteLoaded();
    return true;
}

void ReportDesigner::Cancel()
{
    // What Cancel leaves is not asked about.
    NoteLoaded();
    m_host.ShowStartPage();
}

void ReportDesigner::Clear()
{
    ClearPage();
    LoadReport(nullptr);
}

void ReportDesigner::ChooseKind(int kind)
{
    if (m_report == nullptr)
        return;
    if (kind != m_report->GetReportKind() &&
        AskYesNo("Do you really want to change Report type? Current report data will get lost",
                 MB_ICONQUESTION))
        ChangeKind(kind);
    RefreshKindControls();
}

void ReportDesigner::ChangeKind(int kind)
{
    if (kind == gridKind && m_report->GetReportGroups().size() > 1)
    {
        AfxMessageBox("Can not assign as Grid report.");
        return;
    }
    m_report->SetReportKind(kind);
    if (kind == singleRecordKind)
    {
        m_report->SetTable(nullptr);
        RefreshTables();
    }
}

void ReportDesigner::ChooseGraphType(int index)
{
    const int previous = m_states.GetSelection(IDC_GRAPH_TYPE);
    m_states.Select(IDC_GRAPH_TYPE, index);
    if (m_report == nullptr || m_report->GetChartData() == nullptr)
        return;
    if (AskYesNo("Do you really want to change graph type? Graph data will get lost"))
        m_report->DeleteGraphData();
    else
        m_states.Select(IDC_GRAPH_TYPE, previous);
}

void ReportDesigner::EditGraphData()
{
    if (m_report == nullptr)
        return;
    if (GroupOfRow(m_selectedGroupRow) == nullptr)
    {
        AfxMessageBox(noProcedureSelected);
        return;
    }
    const int chartType = m_states.GetSelection(IDC_GRAPH_TYPE);
    const bool pie = chartType >= 4 && chartType <= 6;
    if (chartType < 1 || chartType > 7)
        return;
    GraphData* stored = m_report->GetChartData();
    if (stored == nullptr && m_report->GetFormName().IsEmpty())
    {
        AfxMessageBox("Please Give Report Name.");
        return;
    }
    std::unique_ptr<GraphData> chart;
    if (pie)
    {
        auto pieChart = std::make_unique<PieChartData>();
        if (const auto* storedPie = dynamic_cast<const PieChartData*>(stored))
            pieChart->Assign(*storedPie);
        chart = std::move(pieChart);
    }
    else
    {
        auto columnChart = std::make_unique<ColumnGraphData>();
        if (const auto* storedColumn = dynamic_cast<const ColumnGraphData*>(stored))
            columnChart->Assign(*storedColumn);
        chart = std::move(columnChart);
    }
    const bool matching = stored != nullptr && typeid(*stored) == typeid(*chart);
    if (!matching)
        chart->SetCaption(m_report->GetFormName());
    if (!m_reportHost.EditChartData(*m_report, m_selectedGroupRow + 1, *chart))
        return;
    chart->SetChartType(static_cast<UINT>(chartType));
    if (matching)
    {
        if (pie)
            static_cast<PieChartData*>(stored)->Assign(static_cast<PieChartData&>(*chart));
        else
            static_cast<ColumnGraphData*>(stored)->Assign(static_cast<ColumnGraphData&>(*chart));
        m_report->SetChartData(chartType, stored);
    }
    else
        m_report->SetChartData(chartType, chart.release());
}

void ReportDesigner::TogglePaging()
{
    m_paging = !m_paging;
    m_states.SetCheck(IDC_PAGING, m_paging);
}

void ReportDesigner::AssignGroupHeader()
{
    ReportGroup* group = GroupOfRow(m_selectedGroupRow);
    if (group == nullptr)
    {
        AfxMessageBox(noProcedureSelected);
        return;
    }
    GroupHeader header{group->GetHeader(), group->GetHeaderValue(), group->GetNextProcKey()};
    if (!m_reportHost.EditGroupHeader(*group, header))
        return;
    group->SetHeaderValue(header.value);
    group->SetHeader(header.value != nullptr ? header.text : CString());
    group->SetNextProcKey(header.nextKey);
}

void ReportDesigner::AssignProcedure()
{
    if (m_report == nullptr)
        return;
    if (m_report->GetReportKind() == gridKind && !m_report->GetReportGroups().empty())
    {
        AfxMessageBox("This is a Grid report so can not assign muliple procedures.");
        return;
    }
    auto call = std::make_unique<ProcedureInvokation>();
    ProcedureAssigner assigner(m_project, m_report, call.get(), true);
    if (!m_host.AssignProcedure(assigner))
        return;
    Procedure* procedure = call->GetProcedure();
    if (procedure == nullptr)
        return;
    if (m_report->IsProcedureUsed(procedure, FALSE))
    {
        AfxMessageBox("Procedure already present for the Report");
        return;
    }
    // A procedure no group calls feeds a group of its own.
    auto* group = new ReportGroup(m_report, nullptr);
    group->SetProcedureCall(call.release());
    m_report->AddReportGroup(group);
    RefreshGroupRows();
}

void ReportDesigner::RemoveProcedure()
{
    RemoveSelectedGroup("Do you really want to remove sub group function?");
}

void ReportDesigner::AddFormControl(const std::vector<int>& outputRows)
{
    if (m_currentGroup == nullptr)
        return;
    for (int row : outputRows)
    {
        if (row < 0 || row >= m_currentGroup->GetFunctionColumnCount())
            continue;
        Field* field = m_currentGroup->GetFunctionColumnAt(row)->GetField();
        if (field == nullptr)
            continue;
        if (m_currentGroup->HasFilterOnField(field))
        {
            CString message;
            message.Format("Report field '%s' already present", field->GetFieldName().GetString());
            AfxMessageBox(message);
            continue;
        }
        auto* filter = new FieldRep(field);
        filter->SetFieldRepData(new FieldRepData);
        m_currentGroup->AddFilter(filter);
    }
    RefreshGroupLists();
}

void ReportDesigner::AddToReport(const std::vector<int>& outputRows)
{
    if (m_currentGroup == nullptr)
        return;
    for (int row : outputRows)
    {
        if (row < 0 || row >= m_currentGroup->GetFunctionColumnCount())
            continue;
        ProcedureFieldInfo* column = m_currentGroup->GetFunctionColumnAt(row);
        if (m_currentGroup->HasColumnForOutputField(column))
        {
            CString message;
            message.Format("Report field '%s' already present",
                           OutputColumns::DisplayName(column).GetString());
            AfxMessageBox(message);
            continue;
        }
        m_currentGroup->AddReportField(new ReportField(column));
    }
    RefreshGroupLists();
}

void ReportDesigner::AddButtonControl()
{
    if (m_currentGroup == nullptr)
        return;
    m_currentGroup->AddReportField(new ReportField(nullptr));
    RefreshGroupLists();
}

void ReportDesigner::RemoveControl()
{
    FieldRep* filter =
        m_currentGroup != nullptr ? m_currentGroup->GetFilterAt(m_selectedFilter) : nullptr;
    if (filter == nullptr)
        return;
    if (m_report->HasRecomputeForFieldRep(filter))
    {
        AfxMessageBox(" Cannot Remove the FieldRep. It is being used for Recomputation.");
        return;
    }
    m_currentGroup->RemoveFilterAt(m_selectedFilter);
    m_selectedFilter = -1;
    RefreshGroupLists();
}

void ReportDesigner::RemoveFromReport(const std::vector<int>& columnRows)
{
    if (m_currentGroup == nullptr)
        return;
    std::vector<ReportField*> chosen;
    const std::vector<ReportField*>& columns = m_currentGroup->GetReportFields();
    for (int row : columnRows)
    {
        if (row >= 0 && static_cast<std::size_t>(row) < columns.size())
            chosen.push_back(columns[row]);
    }
    CString names;
    for (const ReportField* column : chosen)
        names += (names.IsEmpty() ? "" : "\", \"") + column->GetName();
    if (chosen.empty() ||
        !m_host.ConfirmWarning(
            NamedQuestion("Do you really want to remove the Report field from Report ?", names)))
        return;
    for (ReportField* column : chosen)
        m_currentGroup->RemoveReportField(column);
    m_selectedColumn = -1;
    RefreshGroupLists();
}

void ReportDesigner::MoveColumn(int step)
{
    if (m_currentGroup == nullptr)
        return;
    const std::vector<ReportField*>& columns = m_currentGroup->GetReportFields();
    const int count = static_cast<int>(columns.size());
    if (m_selectedColumn < 0 || m_selectedColumn >= count)
        return;
    ReportField* column = columns[m_selectedColumn];
    if (step < 0)
        m_currentGroup->MoveReportFieldUp(column);
    else
        m_currentGroup->MoveReportFieldDown(column);
    m_selectedColumn = std::clamp(m_selectedColumn + step, 0, count - 1);
    RefreshGroupLists();
}

void ReportDesigner::MoveFilter(int step)
{
    if (m_currentGroup == nullptr)
        return;
    const int count = static_cast<int>(m_currentGroup->GetFilters().size());
    FieldRep* filter = m_currentGroup->GetFilterAt(m_selectedFilter);
    if (filter == nullptr)
        return;
    if (step < 0)
        m_currentGroup->MoveFilterUp(filter);
    else
        m_currentGroup->MoveFilterDown(filter);
    m_selectedFilter = std::clamp(m_selectedFilter + step, 0, count - 1);
    RefreshGroupLists();
}

void ReportDesigner::EditFilterSettings(int row)
{
    FieldRep* filter = m_currentGroup != nullptr ? m_currentGroup->GetFilterAt(row) : nullptr;
    if (filter != nullptr)
        m_reportHost.EditControlSettings(*m_report, *filter);
    RefreshGroupLists();
}

void ReportDesigner::EditColumnSettings(int row)
{
    if (m_currentGroup == nullptr || row < 0)
        return;
    const std::vector<ReportField*>& columns = m_currentGroup->GetReportFields();
    if (static_cast<std::size_t>(row) < columns.size())
        m_reportHost.EditReportFieldSettings(*m_currentGroup, *columns[row], m_module);
    RefreshGroupLists();
}

void ReportDesigner::EditVariables()
{
    if (m_report != nullptr)
        m_host.EditVariables(m_report->EditFieldVariableMaps(), m_report);
}

void ReportDesigner::ColumnCountChanged()
{
    if (m_report != nullptr)
        m_report->SetColumnLayout(std::atoi(m_states.GetText(IDC_NUM_COLUMNS)));
}

void ReportDesigner::ChooseLayout(int columns)
{
    if (m_report == nullptr)
        return;
    m_report->SetColumnLayout(columns);
    RefreshLayout();
}

void ReportDesigner::ToggleSubHeader()
{
    ReadControls();
    m_subHeaderOn = !m_subHeaderOn;
    if (!m_subHeaderOn)
        m_subHeader.Empty();
    m_states.SetText(IDC_SUB_HEADER, m_subHeader);
    RefreshSubHeaderControls();
}

void ReportDesigner::ToggleWithoutLinks()
{
    Module* module = m_report != nullptr ? m_report->GetModule() : nullptr;
    if (module == nullptr || m_isNew || m_report->HasCompanionWithoutLinks())
        return;
    m_withoutLinks = !m_withoutLinks;
    if (!m_withoutLinks)
    {
        m_states.SetCheck(IDC_WITHOUT_LINKS, false);
        return;
    }
    // The copy's name is checked as the designer checks a typed one.
    const CString name = m_report->GetFormName() + "_WithoutLinks";
    const CString refusal = IsReportNameTaken(m_project, name, m_report)
                                ? CString(duplicateReportName)
                                : RefuseDesignedPageName(module, *m_report, name);
    if (!refusal.IsEmpty())
    {
        AfxMessageBox(refusal);
        m_withoutLinks = false;
        m_states.SetCheck(IDC_WITHOUT_LINKS, false);
        return;
    }
    ApplicationReport* copy = CopyReportWithoutLinks(*m_report);
    module->AddReport(copy, true);
    auto* file = new AspFile;
    file->SetOwnerKind(2);
    file->SetFileKind(12);
    file->SetOwnerPage(copy);
    copy->AddAspFile(file);
    m_report->SetHasCompanionWithoutLinks(true);
    copy->SetHasCompanionWithoutLinks(true);
    m_states.SetCheck(IDC_WITHOUT_LINKS, true);
    m_states.Enable(IDC_WITHOUT_LINKS, false);
    m_host.RefreshTree();
}

void ReportDesigner::ChooseModule(int index)
{
    if (index >= 0 && static_cast<std::size_t>(index) < m_modules.size())
        m_module = m_modules[index];
    RefreshTables();
}

void ReportDesigner::SelectTable()
{
    if (m_report == nullptr)
        return;
    if (m_report->GetReportKind() != singleRecordKind)
    {
        AfxMessageBox("This is not a formView report");
        return;
    }
    const int index = m_states.GetSelection(IDC_TABLE);
    if (index < 0 || static_cast<std::size_t>(index) >= m_tables.size())
        return;
    m_report->SetTable(m_tables[index]);
    m_states.SetText(IDC_TABLE_NAME, m_tables[index]->GetTableName());
}
