#pragma once

#include "controls/ToolTipDialog.h"
#include "editors/logic/AlterScriptScope.h"
#include "platform/ui/Dialog.h"

// "Generate Alter script for": the selected table, the selected module or the project. After
// OK the caller reads the scope's flags.
class AlterScriptSelDlg : public ToolTipDialog
{
public:
    static constexpr UINT IDD = 319;
    static constexpr int IDC_TABLE = 1808;
    static constexpr int IDC_MODULE = 1809;
    static constexpr int IDC_PROJECT = 1810;
    static constexpr int IDC_HELP_BUTTON = 1740;

    explicit AlterScriptSelDlg(bool tableSelected, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;

    const AlterScriptScope& GetScope() const { return m_scope; }

private:
    void Choose(AlterScriptScope::Scope scope);
    void OnHelp();

    AlterScriptScope m_scope;
};
