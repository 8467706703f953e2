#include "editors/ViewEditorHost.h"

#include "editors/AssignProcedureDlg.h"
#include "editors/ProcedureFieldInfoDlg.h"
#include "editors/RelationDlg.h"
#include "editors/VariableDlg.h"
#include "editors/WarningDlg.h"
#include "model/MainFrameAccess.h"

#include <utility>

ViewEditorHost& ViewEditorHost::Get()
{
    static ViewEditorHost host;
    return host;
}

EditorShell* ViewEditorHost::SetShell(EditorShell* shell)
{
    return std::exchange(Get().m_shell, shell);
}

void ViewEditorHost::UpdateFieldItemText(const Table& table, const Field& field)
{
    if (m_shell != nullptr)
        m_shell->UpdateFieldItemText(table, field);
}

void ViewEditorHost::UpdateTableItemNames(const Table& table)
{
    if (m_shell != nullptr)
        m_shell->UpdateTableItemNames(table);
}

void ViewEditorHost::UpdateFormItemText(const FormInterface& page)
{
    if (m_shell != nullptr)
        m_shell->UpdateFormItemText(page);
}

void ViewEditorHost::UpdateMenuItemText(const Menu& menu)
{
    if (m_shell != nullptr)
        m_shell->UpdateMenuItemText(menu);
}

void ViewEditorHost::RefreshTree()
{
    if (m_shell != nullptr)
        m_shell->RefreshTree();
}

void ViewEditorHost::ShowStartPage()
{
    if (m_shell != nullptr)
        m_shell->ShowStartPage();
}

bool ViewEditorHost::ConfirmWarning(const CString& message)
{
    WarningDlg dialog;
    dialog.m_message = message;
    return dialog.DoModal() == IDOK;
}

void ViewEditorHost::EditVariables(std::vector<FieldVariableMap*>& maps, FormInterface* page)
{
    if (ForgeonProject* project = MainFrameAccess::GetProject())
    {
        VariableDlg dialog(*project, maps, page);
        dialog.DoModal();
    }
}

void ViewEditorHost::AddProcedureItem(Module& module, Procedure& procedure)
{
    if (m_shell != nullptr)
        m_shell->AddProcedureItem(module, procedure);
}

void ViewEditorHost::AddUserFunctionItem(Module& module, Function& function)
{
    if (m_shell != nullptr)
        m_shell->AddUserFunctionItem(module, function);
}

void ViewEditorHost::AddTransactionItem(Module& module, Transaction& transaction)
{
    if (m_shell != nullptr)
        m_shell->AddTransactionItem(module, transaction);
}

void ViewEditorHost::UpdateProcedureItemText(const Procedure& procedure)
{
    if (m_shell != nullptr)
        m_shell->UpdateProcedureItemText(procedure);
}

bool ViewEditorHost::AssignProcedure(ProcedureAssigner& assigner)
{
    AssignProcedureDlg dialog(assigner);
    return dialog.DoModal() == IDOK;
}

void ViewEditorHost::EditRelations(Procedure& procedure)
{
    RelationDlg dialog(procedure);
    dialog.DoModal();
}

void ViewEditorHost::EditOutputFields(Function& function)
{
    if (ForgeonProject* project = MainFrameAccess::GetProject())
    {
        ProcedureFieldInfoDlg dialog(*project, function);
        dialog.DoModal();
    }
}
