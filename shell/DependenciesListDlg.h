#pragma once

#include "controls/CellListCtrl.h"
#include "controls/ToolTipDialog.h"
#include "platform/ui/Dialog.h"

class DependenciesDlg;

// "Dependencies...": the objects that may move along, each with a "Move" box, under the
// request's heading; OK sets each record's flag from its box.
class DependenciesListDlg : public ToolTipDialog
{
public:
    static constexpr UINT IDD = 208;
    static constexpr int IDC_HEADING = 1475;
    static constexpr int IDC_LIST = 1101;
    static constexpr int IDC_HELP_BUTTON = 1740;

    explicit DependenciesListDlg(DependenciesDlg& request, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;

    // Shows the dialog for each request of the model; installed by the main frame.
    static int ShowRequest(DependenciesDlg& request);

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnHelp();

    DependenciesDlg& m_request;
    CCellListCtrl m_list;
};
