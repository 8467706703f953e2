#include "designers/GroupHdrPropDlg.h"

#include "designers/DialogChoices.h"
#include "platform/ui/DialogTemplate.h"

namespace
{
using E = GroupHeaderEditor;

const DialogTemplateRegistration groupHeaderTemplate{{
    E::IDD,
    "Group Header Properties...",
    {
        {0, ControlKind::Static, "Header:"},
        {E::IDC_HEADER, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Header Value:"},
        {E::IDC_HEADER_VALUE, ControlKind::ComboBox, ""},
        {0, ControlKind::Static, "Input Key for Next Proc:"},
        {E::IDC_NEXT_KEY, ControlKind::ComboBox, ""},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {IDCANCEL, ControlKind::PushButton, "Cancel"},
    },
}};
} // namespace

GroupHdrPropDlg::GroupHdrPropDlg(const ReportGroup& group, CWnd* parent)
    : CDialog(IDD, parent), m_editor(group), m_view(*this)
{
}

BOOL GroupHdrPropDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_editor.Open();
    m_view.Show(m_editor.States());
    return TRUE;
}

void GroupHdrPropDlg::OnOK()
{
    ReadChoices(*this, m_view, m_editor.States(), {E::IDC_HEADER},
                {E::IDC_HEADER_VALUE, E::IDC_NEXT_KEY});
    m_editor.Ok();
    CDialog::OnOK();
}
