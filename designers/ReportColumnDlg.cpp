#include "designers/ReportColumnDlg.h"

#include "platform/ui/DialogTemplate.h"

namespace
{
using E = ReportColumnEditor;

const DialogTemplateRegistration reportColumnTemplate{{
    E::IDD,
    "Columns for :",
    {
        {E::IDC_OUTPUTS, ControlKind::ListCtrl, "", false, false, 220, 220},
        {E::IDC_ADD, ControlKind::PushButton, ">"},
        {E::IDC_REMOVE, ControlKind::PushButton, "<"},
        {E::IDC_COLUMNS, ControlKind::ListCtrl, "", false, false, 220, 220},
        {E::IDC_UP, ControlKind::PushButton, "Up"},
        {E::IDC_DOWN, ControlKind::PushButton, "Down"},
        {E::IDC_PROPERTIES, ControlKind::PushButton, "Set Properties"},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {IDCANCEL, ControlKind::PushButton, "Cancel"},
        {E::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    0,
    Lay::Column({
        Lay::Row({Lay::Control(E::IDC_OUTPUTS), Lay::ButtonColumn({E::IDC_ADD, E::IDC_REMOVE}),
                  Lay::Control(E::IDC_COLUMNS),
                  Lay::ButtonColumn({E::IDC_UP, E::IDC_DOWN, E::IDC_PROPERTIES})}),
        Lay::Buttons({IDOK, IDCANCEL, E::IDC_HELP_BUTTON}),
    }),
}};
} // namespace

ReportColumnDlg::ReportColumnDlg(ReportGroup& group, ForgeonProject& project, CWnd* parent)
    : GroupListDlg(
          IDD, {E::IDC_COLUMNS, E::EntryHeadings(), E::IDC_ADD, E::IDC_REMOVE, E::IDC_HELP_BUTTON},
          project, parent),
      m_editor(group, project, m_host)
{
    Attach(m_editor);
}
