#pragma once

#include "controls/ToolTipDialog.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Edit.h"

class ForgeonProject;

// Shown before Write All: the destination folder and whether the user's modified files replace
// the generated ones afterwards.
class WriteAllDlg : public ToolTipDialog
{
public:
    static constexpr UINT IDD = 357;
    static constexpr int IDC_DESTINATION = 1535;
    static constexpr int IDC_MODIFIED_FILES = 1822;
    static constexpr int IDC_HELP_BUTTON = 1039;

    // The destination shown is the project path followed by the project name.
    explicit WriteAllDlg(ForgeonProject* project, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;

    BOOL m_useModifiedFiles = TRUE;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnHelp();

    CString m_destination;
    CEdit m_destinationEdit;
};
