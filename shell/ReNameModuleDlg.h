#pragma once

#include "controls/ToolTipDialog.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Dialog.h"

class ForgeonProject;
class Module;

// "Rename Module": a module chosen in the combo (the current one at first) takes the name typed,
// with the checks and the follow-ups of every module rename.
class ReNameModuleDlg : public ToolTipDialog
{
public:
    static constexpr UINT IDD = 254;
    static constexpr int IDC_MODULE = 1015;
    static constexpr int IDC_NAME = 1728;
    static constexpr int IDC_HELP_BUTTON = 1740;

    explicit ReNameModuleDlg(ForgeonProject* project, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    // A refused name keeps the dialog open; a taken one refreshes the project tree.
    void OnOK() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnModuleChanged();
    void OnHelp();

    ForgeonProject* m_project;
    Module* m_module = nullptr;
    CComboBox m_moduleCombo;
};
