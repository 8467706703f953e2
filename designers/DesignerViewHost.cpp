#include "designers/DesignerViewHost.h"

#include "editors/AssignFunctionDlg.h"
#include "editors/LinkDialogs.h"
#include "editors/ViewEditorHost.h"
#include "model/MainFrameAccess.h"

#include <utility>

DesignerViewHost& DesignerViewHost::Get()
{
    static DesignerViewHost host;
    return host;
}

ReportTreeShell* DesignerViewHost::SetTreeShell(ReportTreeShell* shell)
{
    return std::exchange(Get().m_tree, shell);
}

void DesignerViewHost::UpdateFieldItemText(const Table& table, const Field& field)
{
    ViewEditorHost::Get().UpdateFieldItemText(table, field);
}

void DesignerViewHost::UpdateTableItemNames(const Table& table)
{
    ViewEditorHost::Get().UpdateTableItemNames(table);
}

void DesignerViewHost::UpdateFormItemText(const FormInterface& page)
{
    ViewEditorHost::Get().UpdateFormItemText(page);
}

void DesignerViewHost::RefreshTree()
{
    ViewEditorHost::Get().RefreshTree();
}

void DesignerViewHost::ShowStartPage()
{
    ViewEditorHost::Get().ShowStartPage();
}

void DesignerViewHost::AddProcedureItem(Module& module, Procedure& procedure)
{
    ViewEditorHost::Get().AddProcedureItem(module, procedure);
}

void DesignerViewHost::AddUserFunctionItem(Module& module, Function& function)
{
    ViewEditorHost::Get().AddUserFunctionItem(module, function);
}

void DesignerViewHost::RenameSelectedItem(const CString& text)
{
    ViewEditorHost::Get().RenameSelectedItem(text);
}

bool DesignerViewHost::ConfirmWarning(const CString& message)
{
    return ViewEditorHost::Get().ConfirmWarning(message);
}

void DesignerViewHost::EditVariables(std::vector<FieldVariableMap*>& maps, FormInterface* page)
{
    ViewEditorHost::Get().EditVariables(maps, page);
}

bool DesignerViewHost::AssignProcedure(ProcedureAssigner& assigner)
{
    return ViewEditorHost::Get().AssignProcedure(assigner);
}

void DesignerViewHost::EditRelations(Procedure& procedure)
{
    ViewEditorHost::Get().EditRelations(procedure);
}

void DesignerViewHost::EditOutputFields(Function& function)
{
    ViewEditorHost::Get().EditOutputFields(function);
}

void DesignerViewHost::AddApplicationReportItem(Module& module, ApplicationReport& report)
{
    if (m_tree != nullptr)
        m_tree->AddApplicationReportItem(module, report);
}

void DesignerViewHost::AddReportCollectorItem(Module& module, ReportCollector& collector)
{
    if (m_tree != nullptr)
        m_tree->AddReportCollectorItem(module, collector);
}

void DesignerViewHost::RenameItemIfSelected(int id, const CString& text)
{
    if (m_tree != nullptr)
        m_tree->RenameItemIfSelected(id, text);
}

bool DesignerViewHost::AssignFunction(FormInterface& page, ClassInvokation& invokation,
                                      bool allowChange)
{
    ForgeonProject* project = MainFrameAccess::GetProject();
    if (project == nullptr)
        return false;
    AssignFunctionDlg dialog(*project, page, &invokation, allowChange);
    return dialog.DoModal() == IDOK;
}

void DesignerViewHost::EditLinkControls(FormInterface& page)
{
    if (ForgeonProject* project = MainFrameAccess::GetProject())
    {
        LinkControlDlg dialog(*project, page);
        dialog.DoModal();
    }
}

void DesignerViewHost::EditControlSettings(FormInterface&, FieldRep&) {}

void DesignerViewHost::EditReportFilters(ReportGroup&) {}

void DesignerViewHost::EditReportColumns(ReportGroup&) {}

void DesignerViewHost::EditReportFieldSettings(ReportGroup&, ReportField&, Module*) {}

bool DesignerViewHost::EditGroupHeader(ReportGroup&, GroupHeader&)
{
    return false;
}

bool DesignerViewHost::EditChartData(ApplicationReport&, int, GraphData&)
{
    return false;
}
