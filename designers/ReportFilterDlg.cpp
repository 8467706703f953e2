#include "designers/ReportFilterDlg.h"

#include "platform/ui/DialogTemplate.h"

namespace
{
using E = ReportFilterEditor;

const DialogTemplateRegistration reportFilterTemplate{{
    E::IDD,
    "Filters for :",
    {
        {E::IDC_OUTPUTS, ControlKind::ListCtrl, "", false, false, 220, 220},
        {E::IDC_ADD, ControlKind::PushButton, ">"},
        {E::IDC_REMOVE, ControlKind::PushButton, "<"},
        {E::IDC_FILTERS, ControlKind::ListCtrl, "", false, false, 220, 220},
        {E::IDC_UP, ControlKind::PushButton, "Up"},
        {E::IDC_DOWN, ControlKind::PushButton, "Down"},
        {E::IDC_PROPERTIES, ControlKind::PushButton, "Set Properties"},
        {E::IDC_SINGLE_COLUMN, ControlKind::RadioButton, "Single Column"},
        {E::IDC_TWO_COLUMNS, ControlKind::RadioButton, "Two Columns"},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {IDCANCEL, ControlKind::PushButton, "Cancel"},
        {E::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    0,
    Lay::Column({
        Lay::Row({Lay::Control(E::IDC_OUTPUTS), Lay::ButtonColumn({E::IDC_ADD, E::IDC_REMOVE}),
                  Lay::Control(E::IDC_FILTERS),
                  Lay::ButtonColumn({E::IDC_UP, E::IDC_DOWN, E::IDC_PROPERTIES})}),
        Lay::Row(
            {Lay::Control(E::IDC_SINGLE_COLUMN), Lay::Control(E::IDC_TWO_COLUMNS), Lay::Stretch()}),
        Lay::Buttons({IDOK, IDCANCEL, E::IDC_HELP_BUTTON}),
    }),
}};
} // namespace

ReportFilterDlg::ReportFilterDlg(ReportGroup& group, ForgeonProject& project, CWnd* parent)
    : GroupListDlg(
          IDD, {E::IDC_FILTERS, E::EntryHeadings(), E::IDC_ADD, E::IDC_REMOVE, E::IDC_HELP_BUTTON},
          project, parent),
      m_editor(group, m_host)
{
    Attach(m_editor);
    MapCommand(E::IDC_SINGLE_COLUMN, m_editor, &E::SingleColumn);
    MapCommand(E::IDC_TWO_COLUMNS, m_editor, &E::TwoColumns);
}
