#include "designers/logic/RDLCReportDesigner.h"
#include "designers/logic/DesignerTexts.h"

#include "designers/logic/RDLCDesignerHost.h"
#include "designers/logic/RDLCParamMapper.h"
#include "designers/logic/WebProjectReports.h"
#include "editors/logic/ListLookup.h"
#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "entities/TableAdapter.h"
#include "entities/XSDInfo.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/NameUtilities.h"
#include "model/NamedQuestion.h"
#include "model/SitePageNames.h"
#include "platform/core/HostPath.h"
#include "platform/core/MessageBox.h"

namespace
{

bool DiffersIgnoringCase(const CString& name, const CString& other)
{
    return name.CompareNoCase(other) != 0;
}
} // namespace

RDLCReportDesigner::RDLCReportDesigner(ForgeonProject& project, RDLCDesignerHost& host)
    : PaneEditor(m_states), m_project(project), m_host(host)
{
}

RDLCReportDesigner::~RDLCReportDesigner()
{
    if (m_isNew)
        delete m_report;
}

std::vector<ListColumn> RDLCReportDesigner::AdapterHeadings()
{
    return {{"Selected TableAdapter/s", 75}};
}

void RDLCReportDesigner::Load(RDLCReport* report)
{
    if (m_isNew && report != m_report)
        delete m_report;
    m_report = report;
    m_isNew = report == nullptr;
    if (m_isNew)
        m_report = new RDLCReport;
    m_name = m_isNew ? CString() : m_report->GetFormName();
    m_header = m_isNew ? CString() : m_report->GetHeader();
    CollectAdapters();
    ShowReport();
    NoteLoaded();
}

CString RDLCReportDesigner::ItemName() const
{
    return m_isNew ? m_states.GetText(IDC_NAME) : m_report->GetFormName();
}

std::vector<CString> RDLCReportDesigner::NewItemContent() const
{
    std::vector<CString> content = {m_states.GetText(IDC_RDLC_NAME)};
    AddRows(content, m_adapterRows);
    AddRows(content, m_mapRows);
    return content;
}

void RDLCReportDesigner::StoreItem()
{
    LeaveName();
    LeaveHeader();
    Ok();
}

void RDLCReportDesigner::ForgetReport(RDLCReport* report)
{
    if (report == m_report)
        m_isNew = false;
    ClearPage();
    Load(nullptr);
}

void RDLCReportDesigner::ClearPage()
{
    if (m_isNew)
        delete m_report;
    m_report = nullptr;
    m_isNew = false;
    m_name.Empty();
    m_header.Empty();
    m_adapters.clear();
    m_selectedAdapter = -1;
    m_selectedEntry = -1;
    m_selectedParameter = -1;
    m_selectedFormField = -1;
    m_adapterRows.clear();
    m_mapRows.clear();
    m_states = ControlStates();
    m_states.SetText(IDC_NAME, "");
    m_states.SetText(IDC_HEADER, "");
    m_states.SetText(IDC_RDLC_NAME, "");
}

void RDLCReportDesigner::ShowReport()
{
    m_states.SetText(IDC_NAME, m_name);
    m_states.SetText(IDC_HEADER, m_header);
    m_states.Enable(IDC_NAME, m_isNew || IsPageNameToRename(*m_report));
    const bool single = m_report->GetColumnCount() == 1;
    m_states.SetCheck(IDC_SINGLE_COLUMN, single);
    m_states.SetCheck(IDC_TWO_COLUMNS, !single);
    ShowState();
}

void RDLCReportDesigner::ShowState()
{
    const bool editable = m_report->GetMode() != 0;
    const bool assigned = m_report->GetRDLCInfo() != nullptr;
    for (const int id : {IDC_RDLC, IDC_SET_RDLC, IDC_SYNCHRONIZE, IDC_ADAPTERS, IDC_ADD_ADAPTER,
                         IDC_REMOVE_ADAPTER, IDC_MAP})
        m_states.Enable(id, editable);
    m_states.Enable(IDC_ASSIGN, editable && !assigned);
    m_states.Enable(IDC_REMOVE, editable && assigned);
    m_states.Enable(IDC_REBUILD, editable && assigned);
    m_states.Enable(IDC_MAP_PARAMETERS, editable && !m_adapters.empty());
    m_states.Enable(IDC_REMOVE_MAP, editable && !m_adapters.empty());
    m_states.SetText(IDC_RDLC_NAME, assigned
                                        ? ToHostPath(m_report->GetRDLCInfo()->GetName()).c_str()
                                        : "RDLC Not assigned.");
    m_adapterRows.clear();
    for (const TableAdapter* adapter : m_adapters)
        m_adapterRows.push_back({{adapter->GetName()}});
    FillMaps();
}

void RDLCReportDesigner::FillMaps()
{
    m_mapRows.clear();
    for (const TableAdapterMap& map : m_report->GetTableAdapterMaps())
    {
        const CString adapter = map.m_tableAdapter != nullptr ? map.m_tableAdapter->GetName() : "";
        for (const ColumnFieldPair& pair : map.m_pairs)
            m_mapRows.push_back({{adapter, pair.m_column, FieldNameOrEmpty(pair.m_field)}});
    }
}

TableAdapter* RDLCReportDesigner::FindEntryAdapter(const RDLCDataSetEntry& entry) const
{
    const XSDInfo* dataSet = m_project.FindXSDInfoMatchingName(entry.m_dataSetName + ".xsd");
    return dataSet != nullptr ? dataSet->FindTableAdapter(entry.m_tableAdapterName) : nullptr;
}

void RDLCReportDesigner::CollectAdapters()
{
    m_adapters.clear();
    m_selectedAdapter = -1;
    const RDLCInfo* info = m_report != nullptr ? m_report->GetRDLCInfo() : nullptr;
    if (info == nullptr)
        return;
    for (const RDLCDataSetEntry& entry : info->GetEntries())
    {
        if (TableAdapter* adapter = FindEntryAdapter(entry))
            m_adapters.push_back(adapter);
    }
}

void RDLCReportDesigner::ReadProjectFile()
{
    m_states.SetItems(IDC_RDLC,
                      ReadShownReportDefinitions(m_project).value_or(std::vector<CString>{}));
}

void RDLCReportDesigner::LeaveName()
{
    if (m_report == nullptr)
        return;
    m_name = m_states.GetText(IDC_NAME);
    if (DiffersIgnoringCase(m_name, m_report->GetFormName()) &&
        IsReportNameTaken(m_project, m_name, m_report))
    {
        AfxMessageBox(duplicateReportName);
        m_name = m_report->GetFormName();
        m_states.SetText(IDC_NAME, m_name);
        return;
    }
    if (const CString refusal = RefuseDesignedPageName(m_project, *m_report, m_name);
        !refusal.IsEmpty())
    {
        AfxMessageBox(refusal);
        m_name = m_report->GetFormName();
        m_states.SetText(IDC_NAME, m_name);
        return;
    }
    if (HasSpecialCharacters(m_name))
    {
        AfxMessageBox("Special charater in report name. Please check.");
        if (!m_isNew && !m_report->GetFormName().IsEmpty())
        {
            m_name = m_report->GetFormName();
            m_states.SetText(IDC_NAME, m_name);
        }
        return;
    }
    m_report->SetName(m_name);
    if (!m_isNew)
        NoteStored(IDC_NAME);
}

void RDLCReportDesigner::LeaveHeader()
{
    if (m_report == nullptr)
        return;
    m_header = m_states.GetText(IDC_HEADER);
    m_report->SetHeader(m_header);
    if (!m_isNew)
        NoteStored(IDC_HEADER);
}

void RDLCReportDesigner::SetColumnCount(int count)
{
    if (m_report == nullptr)
        return;
    m_report->SetColumnCount(count);
    ShowReport();
}

void RDLCReportDesigner::AssignRDLC()
{
    if (m_report == nullptr)
        return;
    m_host.AssignRDLC(*m_report);
    CollectAdapters();
    ShowState();
}

void RDLCReportDesigner::RemoveRDLC()
{
    if (m_report == nullptr ||
        AfxMessageBox(NamedQuestion("Do you really want to remove the assigned RDLC ?",
                                    m_report->GetRDLCInfo() != nullptr
                                        ? m_report->GetRDLCInfo()->GetName()
                                        : CString()),
                      MB_YESNO) != IDYES)
        return;
    m_report->ClearTableAdapterMaps();
    m_report->SetRDLCInfo(nullptr);
    CollectAdapters();
    ShowState();
}

void RDLCReportDesigner::Rebuild()
{
    if (m_report == nullptr ||
        AfxMessageBox("Updare Report will remove all Parameter-Form Control mappings.\n"
                      "Do you really want to update report?",
                      MB_OKCANCEL) != IDOK)
        return;
    m_report->ClearTableAdapterMaps();
    m_adapters.clear();
    ReadProjectFile();
    if (const RDLCInfo* assigned = m_report->GetRDLCInfo())
    {
        if (RDLCInfo* refreshed = m_project.FindRDLCInfoByName(assigned->GetName()))
            m_report->SetRDLCInfo(refreshed);
    }
    CollectAdapters();
    ShowState();
}

void RDLCReportDesigner::FormControls()
{
    if (m_report != nullptr)
        m_host.EditFormControls(*m_report);
}

void RDLCReportDesigner::ReferenceFields()
{
    if (m_report != nullptr)
        m_host.EditReferenceFields(*m_report, m_report->GetTable());
}

void RDLCReportDesigner::LinkControls()
{
    if (m_report != nullptr)
        m_host.EditLinkControls(*m_report);
}

void RDLCReportDesigner::MapParameters()
{
    TableAdapter* adapter = ItemAt(m_adapters, m_selectedAdapter);
    if (m_report != nullptr && adapter != nullptr)
        m_host.MapParameters(*m_report, *adapter);
}

void RDLCReportDesigner::Synchronize()
{
    if (m_report != nullptr)
        ReadProjectFile();
}

void RDLCReportDesigner::SetRDLC()
{
    RDLCInfo* info = ItemAt(m_project.GetRDLCInfos(), m_states.GetSelection(IDC_RDLC));
    if (m_report == nullptr || info == nullptr)
        return;
    if (!m_report->GetTableAdapterMaps().empty())
    {
        AfxMessageBox("Cannot change RDLC selection as it is involved in Parameter-Field map. \n"
                      "To change this selection please remove the related maps mannually.");
        return;
    }
    if (m_project.IsRDLCInfoUsedByOtherReport(info, m_report))
    {
        AfxMessageBox("Can not use selected RDLC as it is already used by some report.");
        return;
    }
    m_report->SetRDLCInfo(info);
    CollectAdapters();
    ShowState();
}

void RDLCReportDesigner::AddAdapter()
{
    RDLCInfo* info = m_report != nullptr ? m_report->GetRDLCInfo() : nullptr;
    const RDLCDataSetEntry* entry = info != nullptr ? info->GetEntryAt(m_selectedEntry) : nullptr;
    TableAdapter* adapter = entry != nullptr ? FindEntryAdapter(*entry) : nullptr;
    if (adapter == nullptr)
        return;
    if (std::ranges::find(m_adapters, adapter) != m_adapters.end())
    {
        AfxMessageBox("Selected TableAdapter already present.");
        return;
    }
    m_adapters.push_back(adapter);
    ShowState();
}

void RDLCReportDesigner::RemoveAdapter()
{
    TableAdapter* adapter = ItemAt(m_adapters, m_selectedAdapter);
    if (m_report == nullptr || adapter == nullptr)
        return;
    if (!m_report->IsTableAdapterMapEmpty(adapter))
    {
        AfxMessageBox("Cannot remove the selected TableAdapter as it \t\t\t\t\t\t\tis invilved in "
                      "Parameter-Field map.\n\t\t\t\t\t\t\tTo remove this TableAdapter, please "
                      "remove the \t\t\t\t\t\t\trelated maps mannually.");
        return;
    }
    m_report->RemoveTableAdapterMapAt(m_report->FindTableAdapterMapIndex(adapter));
    m_adapters.erase(m_adapters.begin() + m_selectedAdapter);
    m_selectedAdapter = -1;
    ShowState();
}

void RDLCReportDesigner::MapParameter()
{
    if (m_report == nullptr)
        return;
    TableAdapter* adapter = ItemAt(m_adapters, m_selectedAdapter);
    if (adapter == nullptr)
    {
        AfxMessageBox("Please select TableAdapter From selected TableAdapter list\nand then try to "
                      "add Parameter-Form Control map.");
        return;
    }
    const CString parameter = adapter->GetParameterAt(m_selectedParameter);
    const FieldRep* control = ItemAt(m_report->GetFieldReps(), m_selectedFormField);
    if (parameter.IsEmpty() || control == nullptr)
        return;
    if (RDLCParamMapper::MapParameter(*m_report, *adapter, parameter, control->GetField(),
                                      "Selected Parameter-Form Control map already present."))
        FillMaps();
}

void RDLCReportDesigner::Ok()
{
    if (m_report == nullptr)
        return;
    if (m_name.IsEmpty() || m_header.IsEmpty())
    {
        AfxMessageBox("Please enter report name and header.");
        ShowReport();
        return;
    }
    if (m_isNew && IsReportNameTaken(m_project, m_name, m_report))
    {
        AfxMessageBox(duplicateReportName);
        return;
    }
    if (HasSpecialCharacters(m_name))
    {
        AfxMessageBox("Special charater in report name.Please check.");
        return;
    }
    if (DiffersIgnoringCase(m_name, m_report->GetFormName()) &&
        IsReportNameTaken(m_project, m_name, m_report))
    {
        AfxMessageBox(duplicateReportName);
        return;
    }
    if (const CString refusal = RefuseDesignedPageName(m_project, *m_report, m_name);
        !refusal.IsEmpty())
    {
        AfxMessageBox(refusal);
        return;
    }
    if (m_isNew && m_report->GetRDLCInfo() == nullptr)
    {
        AfxMessageBox("Report is not complete. Please select RDLC and set to report.");
        return;
    }
    m_report->SetName(m_name);
    m_report->SetHeader(m_header);
    if (m_isNew)
    {
        Module* module = m_project.GetCurrentModule();
        if (module == nullptr)
            return;
        module->AddRDLCReport(m_report, true);
        m_isNew = false;
        m_host.AddRDLCReportItem(*module, *m_report);
    }
    else
    {
        m_host.UpdateFormItemText(*m_report);
    }
    ClearPage();
    Load(nullptr);
}

void RDLCReportDesigner::Cancel()
{
    // What Cancel leaves is not asked about.
    NoteLoaded();
    m_host.ShowStartPage();
}
