#include "designers/GroupHdrPropDlg.h"

#include "designers/DialogChoices.h"
#include "platform/ui/DialogTemplate.h"

namespace
{

const DialogTemplateRegistration groupHeaderTemplate{{
    GroupHeaderEditor::IDD,
    "Group Header Properties...",
    {
        {0, ControlKind::Static, "Header:"},
        {GroupHeaderEditor::IDC_HEADER, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Header Value:"},
        {GroupHeaderEditor::IDC_HEADER_VALUE, ControlKind::ComboBox, ""},
        {0, ControlKind::Static, "Input Key for Next Proc:"},
        {GroupHeaderEditor::IDC_NEXT_KEY, ControlKind::ComboBox, ""},
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
    ReadChoices(*this, m_view, m_editor.States(), {GroupHeaderEditor::IDC_HEADER},
                {GroupHeaderEditor::IDC_HEADER_VALUE, GroupHeaderEditor::IDC_NEXT_KEY});
    m_editor.Ok();
    CDialog::OnOK();
}
