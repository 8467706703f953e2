#include "editors/SetMenuParent.h"

#include "editors/ContextHelp.h"
#include "editors/ControlStatesView.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"

#include <utility>

namespace
{
const DialogTemplateRegistration setMenuParentTemplate{{
    SetMenuParent::IDD,
    "Change parent for",
    {
        {0, ControlKind::Static, "Select parent"},
        {SetMenuParent::IDC_PARENT, ControlKind::ComboBox, ""},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {IDCANCEL, ControlKind::PushButton, "Cancel"},
        {SetMenuParent::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
}};
} // namespace

SetMenuParent::SetMenuParent(ForgeonProject& project, Menu& menu, CWnd* parent,
                             MenuParentChange::CandidateSource candidates)
    : ToolTipDialog(IDD, parent), m_change(project, menu, std::move(candidates))
{
    MapControl(BN_CLICKED, IDC_HELP_BUTTON, &SetMenuParent::OnHelp);
}

BOOL SetMenuParent::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(m_change.GetCaption());
    m_change.Load();
    if (auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(IDC_PARENT)))
        ShowComboItems(*combo, m_change.GetCandidateNames(), -1);
    AddControlTips(m_toolTips, *this, {{IDC_PARENT, "Select parent"}});
    return TRUE;
}

void SetMenuParent::OnOK()
{
    auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(IDC_PARENT));
    m_change.SelectParent(combo != nullptr ? combo->GetCurSel() : -1);
    if (!m_change.Apply())
        return;
    EndDialog(IDOK);
}

void SetMenuParent::OnHelp()
{
    ShowContextHelp(this, IDD);
}
