#include "designers/logic/ReportFieldSettings.h"
#include "designers/logic/DesignerTexts.h"

#include "designers/logic/OutputColumns.h"
#include "designers/logic/ReportDialogsHost.h"
#include "editors/logic/ListLookup.h"
#include "editors/logic/ModuleCombo.h"
#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/DashBoardPage.h"
#include "entities/Form.h"
#include "entities/MapForm.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ReportCollector.h"
#include "entities/ReportField.h"
#include "entities/ReportFieldControlProperty.h"
#include "entities/ReportGroup.h"
#include "entities/Transaction.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/NamedQuestion.h"
#include "model/TypedTexts.h"
#include "platform/core/MessageBox.h"

#include <cstdlib>

namespace
{
template <class Page> std::vector<FormInterface*> AsPages(const std::vector<Page*>& pages)
{
    return {pages.begin(), pages.end()};
}

// The module's pages of the kind: master forms, master details, reports, map forms, dashboard
// pages, report collectors.
std::vector<FormInterface*> PagesOfKind(const Module* module, int kind)
{
    if (module == nullptr)
        return {};
    switch (kind)
    {
    case 0:
        return AsPages(module->GetMasterForms());
    case 1:
        return AsPages(module->GetTransactions());
    case 2:
        return AsPages(module->GetReports());
    case 3:
        return AsPages(module->GetMapForms());
    case 4:
        return AsPages(module->GetDashBoardPages());
    case 5:
        return AsPages(module->GetReportCollectors());
    default:
        return {};
    }
}

int PageKindOf(const FormInterface* page)
{
    if (dynamic_cast<const Transaction*>(page) != nullptr)
        return 1;
    if (dynamic_cast<const ApplicationReport*>(page) != nullptr)
        return 2;
    if (dynamic_cast<const MapForm*>(page) != nullptr)
        return 3;
    if (dynamic_cast<const DashBoardPage*>(page) != nullptr)
        return 4;
    if (dynamic_cast<const ReportCollector*>(page) != nullptr)
        return 5;
    return 0;
}

// Page files that a column may open: not the action, print and extra pages.
bool IsLinkableFile(const AspFile* file)
{
    switch (file->GetFileKind())
    {
    case 2:
    case 4:
    case 6:
    case 8:
    case 9:
    case 10:
    case 11:
        return false;
    default:
        return true;
    }
}

FormInterface* LinkedPage(const ReportField& column)
{
    return column.GetAspFile() != nullptr ? column.GetAspFile()->GetOwnerPage() : nullptr;
}

std::vector<Variable*> VariablesOf(const FormInterface* page)
{
    std::vector<Variable*> variables;
    if (page != nullptr)
        page->GetVariables(variables, true);
    return variables;
}
} // namespace

ReportFieldSettings::ReportFieldSettings(ReportGroup& group, ReportField& column, Module* module,
                                         ForgeonProject& project, ReportDialogsHost& host)
    : m_group(group), m_column(column), m_project(project), m_host(host), m_module(module)
{
}

CString ReportFieldSettings::GetCaption() const
{
    return "Report field settings:" + ColumnName();
}

CString ReportFieldSettings::ColumnName() const
{
    return m_column.GetName().IsEmpty() ? OutputColumns::DisplayName(m_column.GetFieldInfo())
                                        : m_column.GetName();
}

std::vector<ListColumn> ReportFieldSettings::PageVariableHeadings()
{
    return {{"ASPX Variable", 175}, {"Mapped Variable", 75}};
}

std::vector<ListColumn> ReportFieldSettings::SourceHeadings()
{
    return {{"Variable", 175}};
}

void ReportFieldSettings::ShowNumber(int id, int value)
{
    CString text;
    text.Format("%d", value);
    m_states.SetText(id, text);
}

int ReportFieldSettings::ReadNumber(int id) const
{
    return std::atoi(m_states.GetText(id).GetString());
}

void ReportFieldSettings::Open()
{
    ShowNumber(IDC_COLUMN_NUMBER, m_column.GetColNo());
    ShowNumber(IDC_WIDTH, m_column.GetWidth());
    m_states.SetText(IDC_NAME, ColumnName());
    m_states.SetCheck(IDC_LEFT, m_column.GetAlignment() == 0);
    m_states.SetCheck(IDC_CENTER, m_column.GetAlignment() == 1);
    m_states.SetCheck(IDC_RIGHT, m_column.GetAlignment() == 2);
    m_states.SetCheck(IDC_FILE_CONTENT, m_column.IsImageFromFileContent());
    ShowNumber(IDC_IMAGE_HEIGHT, m_column.GetImageHeight());
    ShowNumber(IDC_IMAGE_WIDTH, m_column.GetImageWidth());
    m_states.SetCheck(IDC_MONEY, m_column.IsMoney());

    Module* current = FillModuleCombo(m_states, IDC_MODULE, m_project);
    if (m_module == nullptr)
        m_module = current;
    const FormInterface* linked = LinkedPage(m_column);
    if (linked != nullptr)
    {
        m_pageKind = PageKindOf(linked);
        for (Module* module : m_project.GetModules())
        {
            if (PositionOf(PagesOfKind(module, m_pageKind), linked) >= 0)
                m_module = module;
        }
    }
    m_states.Select(IDC_MODULE, PositionOf(m_project.GetModules(), m_module));
    m_states.SetItems(IDC_PAGE_KIND, {"Master forms", "Master detail", "Reports"});
    m_states.SetItems(IDC_SOURCE_KIND,
                      {"Function Fields", "Report Variables", "Hidden Controls", "Record Id"});
    ChooseSourceKind(FunctionFields);
    FillPages();
    ShowLink();
}

void ReportFieldSettings::ChooseModule(int index)
{
    m_module = m_project.GetModuleAt(index);
    m_states.Select(IDC_MODULE, index);
    FillPages();
}

void ReportFieldSettings::ChoosePageKind(int index)
{
    m_pageKind = index;
    FillPages();
}

void ReportFieldSettings::FillPages()
{
    m_states.Select(IDC_PAGE_KIND, m_pageKind);
    m_pages = PagesOfKind(m_module, m_pageKind);
    std::vector<CString> names;
    for (const FormInterface* page : m_pages)
        names.push_back(page->GetFormName());
    m_states.SetItems(IDC_PAGE, std::move(names));
    const int linked = PositionOf(m_pages, LinkedPage(m_column));
    ChoosePage(linked >= 0 ? linked : (m_pages.empty() ? -1 : 0));
}

void ReportFieldSettings::ChoosePage(int index)
{
    m_states.Select(IDC_PAGE, index);
    m_files.clear();
    std::vector<CString> urls;
    if (const FormInterface* page = ItemAt(m_pages, index))
    {
        for (AspFile* file : page->GetAspFiles())
        {
            if (!IsLinkableFile(file))
                continue;
            m_files.push_back(file);
            urls.push_back(file->GetRelativeUrl(FALSE, FALSE));
        }
    }
    m_states.SetItems(IDC_PAGE_FILE, std::move(urls));
    const int linked = PositionOf(m_files, m_column.GetAspFile());
    m_states.Select(IDC_PAGE_FILE, linked >= 0 ? linked : (m_files.empty() ? -1 : 0));
}

void ReportFieldSettings::ShowLink()
{
    const AspFile* file = m_column.GetAspFile();
    m_states.SetText(IDC_FILE_NAME,
                     "ASPX NAME:" + (file != nullptr ? file->GetRelativeUrl(FALSE, FALSE) : ""));
    m_pageVariables = VariablesOf(LinkedPage(m_column));
    m_pageVariableRows.clear();
    for (Variable* variable : m_pageVariables)
    {
        CString source;
        m_column.GetBindingSourceText(source, variable);
        m_pageVariableRows.push_back(
            {{variable->GetFieldName(), source.IsEmpty() ? CString("NOT SET") : source}});
    }
}

void ReportFieldSettings::ChooseSourceKind(int index)
{
    m_states.Select(IDC_SOURCE_KIND, index);
    m_states.Enable(IDC_SOURCES, index != RecordId);
    FillSources();
}

void ReportFieldSettings::FillSources()
{
    m_sourceRows.clear();
    m_selectedSource = -1;
    switch (m_states.GetSelection(IDC_SOURCE_KIND))
    {
    case FunctionFields:
        for (const CString& name : OutputColumns::Names(OutputColumns::Of(m_group)))
            m_sourceRows.push_back({{name}});
        break;
    case ReportVariables:
        for (const Variable* variable : VariablesOf(m_group.GetReport()))
            m_sourceRows.push_back({{variable->GetFieldName()}});
        break;
    case HiddenControls:
        for (const FieldRep* control : m_group.GetFilters())
            m_sourceRows.push_back({{ControlFieldName(control)}});
        break;
    default:
        break;
    }
}

void ReportFieldSettings::AddFile()
{
    AspFile* file = ItemAt(m_files, m_states.GetSelection(IDC_PAGE_FILE));
    if (file == nullptr)
        return;
    if (m_column.GetAspFile() != nullptr &&
        AfxMessageBox("Do you want to change the ASPX file?", MB_OKCANCEL) != IDOK)
        return;
    m_column.ClearBindings();
    m_column.SetAspFile(file);
    ShowLink();
}

void ReportFieldSettings::RemoveFile()
{
    if (m_column.GetAspFile() == nullptr)
    {
        AfxMessageBox("No asp file attached to this field.");
        return;
    }
    if (AfxMessageBox(NamedQuestion("Do you really want to remove the assigned asp file?",
                                    m_column.GetAspFile()->GetDefaultFileName()),
                      MB_YESNO) != IDYES)
        return;
    m_column.ClearBindings();
    m_column.SetAspFile(nullptr);
    ShowLink();
}

void ReportFieldSettings::Map()
{
    Variable* target = ItemAt(m_pageVariables, m_selectedPageVariable);
    if (target == nullptr)
        return;
    auto binding = std::make_unique<ReportFieldBinding>();
    binding->m_target = target;
    switch (m_states.GetSelection(IDC_SOURCE_KIND))
    {
    case FunctionFields:
        binding->m_sourceColumn = ItemAt(OutputColumns::Of(m_group), m_selectedSource);
        if (binding->m_sourceColumn == nullptr)
            return;
        break;
    case ReportVariables:
        binding->m_sourceVariable = ItemAt(VariablesOf(m_group.GetReport()), m_selectedSource);
        if (binding->m_sourceVariable == nullptr)
            return;
        break;
    case HiddenControls:
        binding->m_sourceControl = m_group.GetFilterAt(m_selectedSource);
        if (binding->m_sourceControl == nullptr)
            return;
        break;
    case RecordId:
        m_column.RemoveRecordIdBinding();
        break;
    default:
        return;
    }
    m_column.SetBinding(binding.release());
    ShowLink();
}

void ReportFieldSettings::Unmap()
{
    Variable* target = ItemAt(m_pageVariables, m_selectedPageVariable);
    if (target == nullptr ||
        AfxMessageBox(NamedQuestion("Do you want to remove the assigned report variable ?",
                                    target->GetFieldName()),
                      MB_OKCANCEL) != IDOK)
        return;
    m_column.RemoveBindingForVariable(target);
    ShowLink();
}

void ReportFieldSettings::ToggleMoney()
{
    m_column.SetMoney(!m_column.IsMoney());
    m_states.SetCheck(IDC_MONEY, m_column.IsMoney());
}

void ReportFieldSettings::EditControlProperty()
{
    m_host.EditReportFieldControl(m_group, m_column);
}

bool ReportFieldSettings::Ok()
{
    if (const CString refusal = RefuseLineBreaks({{"caption", m_states.GetText(IDC_NAME)}});
        !refusal.IsEmpty())
    {
        AfxMessageBox(refusal);
        return false;
    }
    m_column.SetColNo(ReadNumber(IDC_COLUMN_NUMBER));
    m_column.SetWidth(ReadNumber(IDC_WIDTH));
    m_column.SetName(m_states.GetText(IDC_NAME));
    m_column.SetAlignment(m_states.IsChecked(IDC_CENTER)  ? 1
                          : m_states.IsChecked(IDC_RIGHT) ? 2
                                                          : 0);
    m_column.SetImageFromFileContent(m_states.IsChecked(IDC_FILE_CONTENT));
    m_column.SetImageHeight(ReadNumber(IDC_IMAGE_HEIGHT));
    m_column.SetImageWidth(ReadNumber(IDC_IMAGE_WIDTH));
    return true;
}
