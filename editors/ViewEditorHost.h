#pragma once

#include "editors/logic/EditorHost.h"

// The EditorHost the views give their controllers: the real modal dialogs, and the shell part
// that the main frame installs (without one, the tree and start-page requests do nothing).
class ViewEditorHost final : public EditorHost
{
public:
    static ViewEditorHost& Get();
    // Installs the shell part (null removes it); returns the one installed before.
    static EditorShell* SetShell(EditorShell* shell);

    void UpdateFieldItemText(const Table& table, const Field& field) override;
    void UpdateTableItemNames(const Table& table) override;
    void UpdateFormItemText(const FormInterface& page) override;
    void RefreshTree() override;
    void ShowStartPage() override;
    void AddProcedureItem(Module& module, Procedure& procedure) override;
    void AddUserFunctionItem(Module& module, Function& function) override;
    void AddTransactionItem(Module& module, Transaction& transaction) override;
    void UpdateProcedureItemText(const Procedure& procedure) override;
    void UpdateMenuItemText(const Menu& menu) override;
    bool AssignProcedure(ProcedureAssigner& assigner) override;
    void EditRelations(Procedure& procedure) override;
    void EditOutputFields(Function& function) override;
    bool ConfirmWarning(const CString& message) override;
    void EditVariables(std::vector<FieldVariableMap*>& maps, FormInterface* page) override;

private:
    EditorShell* m_shell = nullptr;
};
