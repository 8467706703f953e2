#pragma once

#include "editors/logic/EditorHost.h"

// What the editors ask of the main frame: the project tree's items kept current
// and the start page. It works on the frame that is open; without one it does nothing.
class FrameEditorShell final : public EditorShell
{
public:
    static FrameEditorShell& Get();

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
};
