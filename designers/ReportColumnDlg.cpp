#include "designers/ReportColumnDlg.h"

#include "platform/ui/DialogTemplate.h"

namespace
{

const DialogTemplateRegistration reportColumnTemplate{{
    ReportColumnEditor::IDD,
    "Columns for :",
    {
        {ReportColumnEditor::IDC_OUTPUTS, ControlKind::ListCtrl, "", false, false, 220, 220},
        {ReportColumnEditor::IDC_ADD, ControlKind::PushButton, ">"},
        {ReportColumnEditor::IDC_REMOVE, ControlKind::PushButton, "<"},
        {ReportColumnEditor::IDC_COLUMNS, ControlKind::ListCtrl, "", false, false, 220, 220},
        {ReportColumnEditor::IDC_UP, ControlKind::PushButton, "Up"},
        {ReportColumnEditor::IDC_DOWN, ControlKind::PushButton, "Down"},
        {ReportColumnEditor::IDC_PROPERTIES, ControlKind::PushButton, "Set Properties"},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {IDCANCEL, ControlKind::PushButton, "Cancel"},
        {ReportColumnEditor::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    0,
    Lay::Column({
        Lay::Row({Lay::Control(ReportColumnEditor::IDC_OUTPUTS),
                  Lay::ButtonColumn({ReportColumnEditor::IDC_ADD, ReportColumnEditor::IDC_REMOVE}),
                  Lay::Control(ReportColumnEditor::IDC_COLUMNS),
                  Lay::ButtonColumn({ReportColumnEditor::IDC_UP, ReportColumnEditor::IDC_DOWN,
                                     ReportColumnEditor::IDC_PROPERTIES})}),
        Lay::Buttons({IDOK, IDCANCEL, ReportColumnEditor::IDC_HELP_BUTTON}),
    }),
    {{.list = ReportColumnEditor::IDC_OUTPUTS},
     {.list = ReportColumnEditor::IDC_COLUMNS,
      .remove = ReportColumnEditor::IDC_REMOVE,
      .nameColumn = 1}},
}};
} // namespace

ReportColumnDlg::ReportColumnDlg(ReportGroup& group, ForgeonProject& project, CWnd* parent)
    : GroupListDlg(IDD,
                   {ReportColumnEditor::IDC_COLUMNS, ReportColumnEditor::EntryHeadings(),
                    ReportColumnEditor::IDC_ADD, ReportColumnEditor::IDC_REMOVE,
                    ReportColumnEditor::IDC_HELP_BUTTON},
                   project, parent),
      m_editor(group, project, m_host)
{
    Attach(m_editor);
}
