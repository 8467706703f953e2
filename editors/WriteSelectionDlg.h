#pragma once

#include "platform/ui/Dialog.h"

// Asks what the classic generator writes besides the pages: the menus and the user's modified
// files.
class WriteSelectionDlg : public CDialog
{
public:
    static constexpr UINT IDD = 250;
    static constexpr int IDC_MESSAGE = 1626;
    static constexpr int IDC_MENUS = 1617;
    static constexpr int IDC_MODIFIED_FILES = 1618;

    explicit WriteSelectionDlg(CWnd* parent = nullptr);

    BOOL m_writeMenus = FALSE;
    BOOL m_useModifiedFiles = TRUE;
    CString m_message;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
