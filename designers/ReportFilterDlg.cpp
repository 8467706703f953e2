#include "designers/ReportFilterDlg.h"

#include "platform/ui/DialogTemplate.h"

namespace
{

const DialogTemplateRegistration reportFilterTemplate{{
    ReportFilterEditor::IDD,
    "Filters for :",
    {
        {ReportFilterEditor::IDC_OUTPUTS, ControlKind::ListCtrl, "", false, false, 220, 220},
        {ReportFilterEditor::IDC_ADD, ControlKind::PushButton, ">"},
        {ReportFilterEditor::IDC_REMOVE, ControlKind::PushButton, "<"},
        {ReportFilterEditor::IDC_FILTERS, ControlKind::ListCtrl, "", false, false, 220, 220},
        {ReportFilterEditor::IDC_UP, ControlKind::PushButton, "Up"},
        {ReportFilterEditor::IDC_DOWN, ControlKind::PushButton, "Down"},
        {ReportFilterEditor::IDC_PROPERTIES, ControlKind::PushButton, "Set Properties"},
        {ReportFilterEditor::IDC_SINGLE_COLUMN, ControlKind::RadioButton, "Single Column"},
        {ReportFilterEditor::IDC_TWO_COLUMNS, ControlKind::RadioButton, "Two Columns"},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {IDCANCEL, ControlKind::PushButton, "Cancel"},
        {ReportFilterEditor::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    0,
    Lay::Column({
        Lay::Row({Lay::Control(ReportFilterEditor::IDC_OUTPUTS),
                  Lay::ButtonColumn({ReportFilterEditor::IDC_ADD, ReportFilterEditor::IDC_REMOVE}),
                  Lay::Control(ReportFilterEditor::IDC_FILTERS),
                  Lay::ButtonColumn({ReportFilterEditor::IDC_UP, ReportFilterEditor::IDC_DOWN,
                                     ReportFilterEditor::IDC_PROPERTIES})}),
        Lay::Row({Lay::Control(ReportFilterEditor::IDC_SINGLE_COLUMN),
                  Lay::Control(ReportFilterEditor::IDC_TWO_COLUMNS), Lay::Stretch()}),
        Lay::Buttons({IDOK, IDCANCEL, ReportFilterEditor::IDC_HELP_BUTTON}),
    }),
    {{.list = ReportFilterEditor::IDC_OUTPUTS},
     {.list = ReportFilterEditor::IDC_FILTERS,
      .remove = ReportFilterEditor::IDC_REMOVE,
      .nameColumn = 1}},
}};
} // namespace

ReportFilterDlg::ReportFilterDlg(ReportGroup& group, ForgeonProject& project, CWnd* parent)
    : GroupListDlg(IDD,
                   {ReportFilterEditor::IDC_FILTERS, ReportFilterEditor::EntryHeadings(),
                    ReportFilterEditor::IDC_ADD, ReportFilterEditor::IDC_REMOVE,
                    ReportFilterEditor::IDC_HELP_BUTTON},
                   project, parent),
      m_editor(group, m_host)
{
    Attach(m_editor);
    MapCommand(ReportFilterEditor::IDC_SINGLE_COLUMN, m_editor, &ReportFilterEditor::SingleColumn);
    MapCommand(ReportFilterEditor::IDC_TWO_COLUMNS, m_editor, &ReportFilterEditor::TwoColumns);
}
