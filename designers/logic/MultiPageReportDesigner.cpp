#include "designers/logic/MultiPageReportDesigner.h"

#include "editors/logic/EditorHost.h"
#include "editors/logic/ProcedureAssigner.h"
#include "entities/ApplicationReport.h"
#include "entities/MultiPageData.h"
#include "entities/MultiPageReport.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/NamedQuestion.h"
#include "model/SitePageNames.h"
#include "platform/core/MessageBox.h"

#include <memory>

MultiPageReportDesigner::MultiPageReportDesigner(ForgeonProject& project, EditorHost& host)
    : PaneEditor(m_states), m_project(project), m_host(host)
{
}

MultiPageReportDesigner::~MultiPageReportDesigner()
{
    if (m_isNew)
        delete m_page;
}

const std::vector<ListColumn>& MultiPageReportDesigner::PageColumns()
{
    static const std::vector<ListColumn> columns{{"Report", 32}, {"Assigned Procedure", 32}};
    return columns;
}

const std::vector<ListColumn>& MultiPageReportDesigner::VariableColumns()
{
    static const std::vector<ListColumn> columns{{"Report Variables", 32},
                                                 {"Multiple Page Report Variables", 32}};
    return columns;
}

const std::vector<ListColumn>& MultiPageReportDesigner::ProcedureFieldColumns()
{
    static const std::vector<ListColumn> columns{{"Procedure Fields", 62}};
    return columns;
}

const std::vector<ListColumn>& MultiPageReportDesigner::FieldRepColumns()
{
    static const std::vector<ListColumn> columns{{"Multiple Page Report Field Representation", 62}};
    return columns;
}

const std::vector<ToolTip>& MultiPageReportDesigner::ToolTips()
{
    static const std::vector<ToolTip> tips = WithToolTipStrings({
        {IDC_NAME, 64730, "Multi page report name"},
        {IDC_ADD_REPORT, 64731, "Add the report as a page"},
        {IDC_SET_VARIABLES, 64732, "Set page variables"},
        {IDC_ASSIGN, 64733, "Map the report variable"},
        {IDC_REMOVE, 64734, "Remove the variable map"},
        {IDC_ASSIGN_PROCEDURE, 64735, "Assign procedure"},
        {IDC_REMOVE_PROCEDURE, 64736, "Remove procedure"},
        {IDC_ADD_FIELD_REP, 64737, "Add field representation"},
        {IDC_REMOVE_FIELD_REP, 64738, "Remove field representation"},
        {IDC_ADD_MULTI_PAGE, 64739, "Add multi page report"},
        {IDC_CANCEL, 64740, "Cancel multi page report"},
    });
    return tips;
}

void MultiPageReportDesigner::LoadReport(MultiPageReport* page)
{
    ClearPage();
    if (page != nullptr)
        m_page = page;
    else
    {
        m_page = new MultiPageReport;
        m_isNew = true;
    }
    m_states.SetText(IDC_NAME, m_page->GetFormName());
    RefreshReports();
    RefreshPageVariables();
    RefreshPages();
    NoteLoaded();
}

CString MultiPageReportDesigner::ItemName() const
{
    return m_isNew ? m_states.GetText(IDC_NAME) : m_page->GetFormName();
}

std::vector<CString> MultiPageReportDesigner::NewItemContent() const
{
    std::vector<CString> content;
    AddRows(content, m_pageRows);
    return content;
}

void MultiPageReportDesigner::ClearPage()
{
    if (m_isNew)
        delete m_page;
    m_page = nullptr;
    m_isNew = false;
    m_currentReport = nullptr;
    m_selectedPage = m_selectedVariable = m_selectedProcedureField = m_selectedFieldRep = -1;
    m_states.SetText(IDC_NAME, "");
    m_states.SetCheck(IDC_ALERT_PAGE, false);
    m_reports.clear();
    m_pageVariables.clear();
    m_states.SetItems(IDC_REPORT, {});
    m_states.SetItems(IDC_PAGE_VARIABLE, {});
    RefreshPages();
}

void MultiPageReportDesigner::RefreshReports()
{
    Module* module = m_project.GetCurrentModule();
    m_reports = module != nullptr ? module->GetReports() : std::vector<ApplicationReport*>{};
    std::vector<CString> names;
    for (const ApplicationReport* report : m_reports)
        names.push_back(report->GetFormName());
    m_states.SetItems(IDC_REPORT, names);
}

void MultiPageReportDesigner::RefreshPageVariables()
{
    m_pageVariables.clear();
    if (m_page != nullptr)
        m_page->GetVariables(m_pageVariables, true);
    std::vector<CString> names;
    for (const Variable* variable : m_pageVariables)
        names.push_back(variable->GetFieldName());
    m_states.SetItems(IDC_PAGE_VARIABLE, names);
}

void MultiPageReportDesigner::RefreshPages()
{
    m_pageRows.clear();
    if (m_page != nullptr)
    {
        for (const MultiPageData* data : m_page->GetPages())
        {
            const Procedure* procedure = data->GetProcedure();
            m_pageRows.push_back(
                {{data->GetReport() != nullptr ? data->GetReport()->GetFormName() : CString(),
                  procedure != nullptr ? procedure->GetName() : CString()}});
        }
    }
    RefreshVariables();
    RefreshProcedureFields();
    RefreshFieldReps();
}

void MultiPageReportDesigner::RefreshVariables()
{
    m_variableRows.clear();
    m_reportVariables.clear();
    if (m_currentReport == nullptr)
        return;
    m_currentReport->GetVariables(m_reportVariables, false);
    for (Variable* variable : m_reportVariables)
    {
        const VariablePair* pair = m_page->FindParameterMapping(m_currentReport, variable);
        m_variableRows.push_back(
            {{variable->GetFieldName(), pair != nullptr && pair->second != nullptr
                                            ? pair->second->GetFieldName()
                                            : CString()}});
    }
}

void MultiPageReportDesigner::RefreshProcedureFields()
{
    m_procedureFieldRows.clear();
    const Procedure* procedure =
        m_currentReport != nullptr ? m_page->GetProcedureForReport(m_currentReport) : nullptr;
    if (procedure == nullptr)
        return;
    for (const ProcedureFieldInfo* column : procedure->GetOutputColumns())
    {
        CString name;
        column->GetDisplayName(name);
        m_procedureFieldRows.push_back({{name}});
    }
}

void MultiPageReportDesigner::RefreshFieldReps()
{
    m_fieldRepRows.clear();
    if (m_page == nullptr)
        return;
    for (const FieldRep* fieldRep : m_page->GetFieldReps())
        m_fieldRepRows.push_back(
            {{fieldRep->GetField() != nullptr ? fieldRep->GetField()->GetFieldName() : CString()}});
}

ApplicationReport* MultiPageReportDesigner::SelectedReport() const
{
    return m_page != nullptr ? m_page->GetReportAt(m_selectedPage) : nullptr;
}

Variable* MultiPageReportDesigner::SelectedReportVariable() const
{
    if (m_selectedVariable < 0 ||
        static_cast<std::size_t>(m_selectedVariable) >= m_reportVariables.size())
        return nullptr;
    return m_reportVariables[m_selectedVariable];
}

void MultiPageReportDesigner::AddReport()
{
    const int index = m_states.GetSelection(IDC_REPORT);
    if (m_page == nullptr || index < 0 || static_cast<std::size_t>(index) >= m_reports.size())
        return;
    ApplicationReport* report = m_reports[index];
    if (!m_page->HasReport(report))
        m_page->AddPage(new MultiPageData(report));
    m_states.Select(IDC_REPORT, -1);
    RefreshPages();
}

void MultiPageReportDesigner::SetVariables()
{
    if (m_page == nullptr)
        return;
    m_host.EditVariables(m_page->EditFieldVariableMaps(), m_page);
    RefreshPageVariables();
    RefreshVariables();
}

void MultiPageReportDesigner::ClickPageRow(int row)
{
    m_selectedPage = m_page != nullptr && m_page->GetReportAt(row) != nullptr ? row : -1;
    m_currentReport = SelectedReport();
    m_selectedVariable = m_selectedProcedureField = -1;
    RefreshVariables();
    RefreshProcedureFields();
}

void MultiPageReportDesigner::Assign()
{
    Variable* reportVariable = SelectedReportVariable();
    const int pageIndex = m_states.GetSelection(IDC_PAGE_VARIABLE);
    if (m_currentReport == nullptr || reportVariable == nullptr || pageIndex < 0 ||
        static_cast<std::size_t>(pageIndex) >= m_pageVariables.size())
        return;
    Variable* pageVariable = m_pageVariables[pageIndex];
    if (VariablePair* pair = m_page->FindParameterMapping(m_currentReport, reportVariable))
    {
        if (m_host.ConfirmWarning(
                "Do you really want to change the existing map of selected variables?"))
            pair->second = pageVariable;
    }
    else
    {
        auto pairOfPage =
            std::make_unique<VariablePair>(VariablePair{reportVariable, pageVariable});
        if (m_page->AddParameterMapping(m_currentReport, pairOfPage.get()))
            pairOfPage.release();
    }
    m_selectedVariable = -1;
    m_states.Select(IDC_PAGE_VARIABLE, -1);
    RefreshVariables();
}

void MultiPageReportDesigner::Remove()
{
    Variable* reportVariable = SelectedReportVariable();
    if (m_currentReport == nullptr || reportVariable == nullptr)
        return;
    VariablePair* pair = m_page->FindParameterMapping(m_currentReport, reportVariable);
    if (pair != nullptr &&
        m_host.ConfirmWarning(
            NamedQuestion("Do you really want to remove the existing map of selected variables?",
                          reportVariable->GetFieldName())))
        m_page->RemoveParameterMapping(m_currentReport, pair);
    m_selectedVariable = -1;
    RefreshVariables();
}

void MultiPageReportDesigner::AssignProcedure()
{
    ApplicationReport* report = SelectedReport();
    if (report == nullptr)
        return;
    if (m_page->GetProcedureForReport(report) != nullptr &&
        !m_host.ConfirmWarning("Do you want to replace the procedure for this dashboard?"))
        return;
    auto call = std::make_unique<ProcedureInvokation>();
    ProcedureAssigner assigner(m_project, m_page, call.get(), true);
    if (m_host.AssignProcedure(assigner) && m_page->SetProcedureCallForReport(report, call.get()))
        call.release();
    RefreshPages();
}

void MultiPageReportDesigner::RemoveProcedure()
{
    ApplicationReport* report = SelectedReport();
    if (report == nullptr || m_page->GetProcedureForReport(report) == nullptr)
        return;
    if (m_host.ConfirmWarning(
            NamedQuestion("Do you want to remove the procedure for this dashboard?",
                          m_page->GetProcedureForReport(report)->GetName())))
        m_page->DeleteProcedureCallForReport(report);
    RefreshPages();
}

void MultiPageReportDesigner::Move(int step)
{
    if (SelectedReport() == nullptr)
    {
        AfxMessageBox("Please Select Report");
        return;
    }
    m_page->SwapPages(m_selectedPage, m_selectedPage + step);
    m_selectedPage = -1;
    RefreshPages();
}

void MultiPageReportDesigner::AddFieldRepresentation()
{
    if (m_currentReport == nullptr)
    {
        AfxMessageBox("Please select the Report associated Procedure");
        return;
    }
    const Procedure* procedure = m_page->GetProcedureForReport(m_currentReport);
    if (procedure == nullptr)
    {
        AfxMessageBox("Please select the Procedure Field");
        return;
    }
    const ProcedureFieldInfo* column = procedure->GetOutputColumnAt(m_selectedProcedureField);
    if (column == nullptr)
        return;
    if (!m_page->AddFilterForOutputField(column))
        AfxMessageBox("Field Representation is already present, Can not be created Again");
    RefreshFieldReps();
}

void MultiPageReportDesigner::RemoveFieldRepresentation()
{
    FieldRep* fieldRep = m_page != nullptr ? m_page->GetFieldRep(m_selectedFieldRep) : nullptr;
    if (fieldRep == nullptr)
    {
        AfxMessageBox("Please select the Field Representation");
        return;
    }
    if (m_host.ConfirmWarning(NamedQuestion("Do you want to remove the field representation?",
                                            CellOf(m_fieldRepRows, m_selectedFieldRep, 0))))
        m_page->DeleteFieldRep(fieldRep);
    m_selectedFieldRep = -1;
    RefreshFieldReps();
}

void MultiPageReportDesigner::AddMultiPageReport()
{
    if (m_page == nullptr)
        return;
    const CString name = m_states.GetText(IDC_NAME);
    if (name.IsEmpty())
    {
        AfxMessageBox("Please enter the Alert Page name.");
        return;
    }
    if (const CString refusal = RefuseControlCharacters(name); !refusal.IsEmpty())
    {
        AfxMessageBox(refusal);
        return;
    }
    m_page->SetName(name);
    Module* module = m_project.GetCurrentModule();
    if (m_isNew && module != nullptr && !module->ContainsMultiPageReport(m_page))
    {
        module->AddMultiPageReport(m_page);
        m_isNew = false;
    }
    m_host.RefreshTree();
    LoadReport(nullptr);
}

void MultiPageReportDesigner::Cancel()
{
    LoadReport(nullptr);
}
