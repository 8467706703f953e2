#pragma once

#include "platform/ui/Dialog.h"

// The Yes/No confirmation with the caller's message; Yes ends with IDOK.
class WarningDlg : public CDialog
{
public:
    static constexpr UINT IDD = 142;
    static constexpr int IDC_MESSAGE = 1075;

    explicit WarningDlg(CWnd* parent = nullptr);

    CString m_message;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
