#include "designers/MultiPageReportDlg.h"

#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ListCtrl.h"

IMPLEMENT_DYNCREATE(MultiPageReportDlg, CFormView)

namespace
{

const DialogTemplateRegistration multiPageTemplate{{
    MultiPageReportDesigner::IDD,
    "",
    {
        {0, ControlKind::Static, "Multi Page Report Header"},
        {MultiPageReportDesigner::IDC_NAME, ControlKind::Edit, ""},
        {MultiPageReportDesigner::IDC_ALERT_PAGE, ControlKind::CheckBox, "Alert Page"},
        {0, ControlKind::Static, "Report"},
        {MultiPageReportDesigner::IDC_REPORT, ControlKind::ComboBox, ""},
        {MultiPageReportDesigner::IDC_ADD_REPORT, ControlKind::PushButton, "Add Report"},
        {MultiPageReportDesigner::IDC_SET_VARIABLES, ControlKind::PushButton, "Set Variables"},
        {MultiPageReportDesigner::IDC_PAGE_LIST, ControlKind::ListCtrl, "", false, false, 330, 110},
        {MultiPageReportDesigner::IDC_UP, ControlKind::PushButton, "^"},
        {MultiPageReportDesigner::IDC_DOWN, ControlKind::PushButton, "v"},
        {MultiPageReportDesigner::IDC_ASSIGN_PROCEDURE, ControlKind::PushButton,
         "Assign Procedure"},
        {MultiPageReportDesigner::IDC_REMOVE_PROCEDURE, ControlKind::PushButton,
         "Remove Procedure"},
        {MultiPageReportDesigner::IDC_VARIABLE_LIST, ControlKind::ListCtrl, "", false, false, 330,
         110},
        {0, ControlKind::Static, "Page Variable"},
        {MultiPageReportDesigner::IDC_PAGE_VARIABLE, ControlKind::ComboBox, ""},
        {MultiPageReportDesigner::IDC_ASSIGN, ControlKind::PushButton, "Assign"},
        {MultiPageReportDesigner::IDC_REMOVE, ControlKind::PushButton, "Remove"},
        {MultiPageReportDesigner::IDC_PROCEDURE_FIELDS, ControlKind::ListCtrl, "", false, false,
         330, 110},
        {MultiPageReportDesigner::IDC_ADD_FIELD_REP, ControlKind::PushButton,
         "Add Field Representation"},
        {MultiPageReportDesigner::IDC_REMOVE_FIELD_REP, ControlKind::PushButton,
         "Remove Field Representation"},
        {MultiPageReportDesigner::IDC_FIELD_REP_LIST, ControlKind::ListCtrl, "", false, false, 240,
         110},
        {MultiPageReportDesigner::IDC_ADD_MULTI_PAGE, ControlKind::PushButton,
         "Add Multi Page Report"},
        {MultiPageReportDesigner::IDC_CANCEL, ControlKind::PushButton, "Cancel "},
    },
    WS_CHILD,
    Lay::Column({
        Lay::Row({Lay::Field(MultiPageReportDesigner::IDC_NAME),
                  Lay::Control(MultiPageReportDesigner::IDC_ALERT_PAGE), Lay::Stretch()}),
        Lay::Row({Lay::Field(MultiPageReportDesigner::IDC_REPORT),
                  Lay::Control(MultiPageReportDesigner::IDC_ADD_REPORT),
                  Lay::Control(MultiPageReportDesigner::IDC_SET_VARIABLES), Lay::Stretch()}),
        Lay::Row(
            {Lay::Control(MultiPageReportDesigner::IDC_PAGE_LIST),
             Lay::ButtonColumn({MultiPageReportDesigner::IDC_UP, MultiPageReportDesigner::IDC_DOWN,
                                MultiPageReportDesigner::IDC_ASSIGN_PROCEDURE,
                                MultiPageReportDesigner::IDC_REMOVE_PROCEDURE}),
             Lay::Stretch()}),
        Lay::Row({Lay::Control(MultiPageReportDesigner::IDC_VARIABLE_LIST),
                  Lay::Column({Lay::Field(MultiPageReportDesigner::IDC_PAGE_VARIABLE),
                               Lay::ButtonColumn({MultiPageReportDesigner::IDC_ASSIGN,
                                                  MultiPageReportDesigner::IDC_REMOVE})}),
                  Lay::Stretch()}),
        Lay::Row({Lay::Control(MultiPageReportDesigner::IDC_PROCEDURE_FIELDS),
                  Lay::ButtonColumn({MultiPageReportDesigner::IDC_ADD_FIELD_REP,
                                     MultiPageReportDesigner::IDC_REMOVE_FIELD_REP}),
                  Lay::Control(MultiPageReportDesigner::IDC_FIELD_REP_LIST), Lay::Stretch()}),
        Lay::Buttons(
            {MultiPageReportDesigner::IDC_ADD_MULTI_PAGE, MultiPageReportDesigner::IDC_CANCEL}),
    }),
    {{.list = MultiPageReportDesigner::IDC_PAGE_LIST,
      .remove = MultiPageReportDesigner::IDC_REMOVE_PROCEDURE,
      .nameColumn = 1},
     {.list = MultiPageReportDesigner::IDC_VARIABLE_LIST,
      .remove = MultiPageReportDesigner::IDC_REMOVE},
     {.list = MultiPageReportDesigner::IDC_PROCEDURE_FIELDS},
     {.list = MultiPageReportDesigner::IDC_FIELD_REP_LIST,
      .remove = MultiPageReportDesigner::IDC_REMOVE_FIELD_REP}},
}};
} // namespace

MultiPageReportDlg::MultiPageReportDlg() : CFormView(MultiPageReportDesigner::IDD), m_view(*this)
{
    const std::pair<int, void (MultiPageReportDesigner::*)()> buttons[] = {
        {MultiPageReportDesigner::IDC_ADD_REPORT, &MultiPageReportDesigner::AddReport},
        {MultiPageReportDesigner::IDC_SET_VARIABLES, &MultiPageReportDesigner::SetVariables},
        {MultiPageReportDesigner::IDC_ASSIGN, &MultiPageReportDesigner::Assign},
        {MultiPageReportDesigner::IDC_REMOVE, &MultiPageReportDesigner::Remove},
        {MultiPageReportDesigner::IDC_ASSIGN_PROCEDURE, &MultiPageReportDesigner::AssignProcedure},
        {MultiPageReportDesigner::IDC_REMOVE_PROCEDURE, &MultiPageReportDesigner::RemoveProcedure},
        {MultiPageReportDesigner::IDC_UP, &MultiPageReportDesigner::MoveUp},
        {MultiPageReportDesigner::IDC_DOWN, &MultiPageReportDesigner::MoveDown},
        {MultiPageReportDesigner::IDC_ADD_FIELD_REP,
         &MultiPageReportDesigner::AddFieldRepresentation},
        {MultiPageReportDesigner::IDC_REMOVE_FIELD_REP,
         &MultiPageReportDesigner::RemoveFieldRepresentation},
        {MultiPageReportDesigner::IDC_ADD_MULTI_PAGE, &MultiPageReportDesigner::AddMultiPageReport},
        {MultiPageReportDesigner::IDC_CANCEL, &MultiPageReportDesigner::Cancel},
        {MultiPageReportDesigner::IDC_ALERT_PAGE, &MultiPageReportDesigner::ToggleAlertPage},
    };
    for (const auto& [id, command] : buttons)
        MapControlRange(BN_CLICKED, id, id,
                        [this, command]
                        { Run([command](MultiPageReportDesigner& m) { (m.*command)(); }); });
    MapRowSelection(MultiPageReportDesigner::IDC_PAGE_LIST, &MultiPageReportDlg::OnPageSelected);
}

MultiPageReportDlg::~MultiPageReportDlg() = default;

MultiPageReportDesigner* MultiPageReportDlg::GetDesigner()
{
    return m_designer.Get();
}

void MultiPageReportDlg::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    if (m_pages.GetSafeHwnd() != nullptr)
        return;
    const std::pair<CCellListCtrl*, int> lists[] = {
        {&m_pages, MultiPageReportDesigner::IDC_PAGE_LIST},
        {&m_variables, MultiPageReportDesigner::IDC_VARIABLE_LIST},
        {&m_procedureFields, MultiPageReportDesigner::IDC_PROCEDURE_FIELDS},
        {&m_fieldReps, MultiPageReportDesigner::IDC_FIELD_REP_LIST}};
    for (const auto& [list, id] : lists)
        list->SubclassDlgItem(id, this);
    SetListColumns(m_pages, MultiPageReportDesigner::PageColumns());
    SetListColumns(m_variables, MultiPageReportDesigner::VariableColumns());
    SetListColumns(m_procedureFields, MultiPageReportDesigner::ProcedureFieldColumns());
    SetListColumns(m_fieldReps, MultiPageReportDesigner::FieldRepColumns());
    m_toolTips.Create(this);
    AddToolTips(m_toolTips, *this, MultiPageReportDesigner::ToolTips());
    Show();
}

void MultiPageReportDlg::LoadReport(MultiPageReport* page)
{
    if (MultiPageReportDesigner* designer = GetDesigner())
    {
        designer->LoadReport(page);
        Show();
    }
}

void MultiPageReportDlg::ClearPage()
{
    if (m_designer.Current() == nullptr)
        return;
    m_designer.Current()->ClearPage();
    Show();
}

void MultiPageReportDlg::ReloadPage() {}

void MultiPageReportDlg::ReadControls()
{
    MultiPageReportDesigner& designer = *m_designer.Current();
    m_view.ReadTexts(designer.States(), {MultiPageReportDesigner::IDC_NAME});
    for (int id : {MultiPageReportDesigner::IDC_REPORT, MultiPageReportDesigner::IDC_PAGE_VARIABLE})
    {
        if (const auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(id)))
            designer.States().Select(id, combo->GetCurSel());
    }
    designer.SelectVariableRow(m_variables.GetCurSel());
    designer.SelectProcedureFieldRow(m_procedureFields.GetCurSel());
    designer.SelectFieldRepRow(m_fieldReps.GetCurSel());
}

void MultiPageReportDlg::Run(const std::function<void(MultiPageReportDesigner&)>& command)
{
    if (GetDesigner() == nullptr)
        return;
    if (m_pages.GetSafeHwnd() != nullptr)
        ReadControls();
    command(*m_designer.Current());
    Show();
}

void MultiPageReportDlg::Show()
{
    MultiPageReportDesigner* designer = m_designer.Current();
    if (designer == nullptr || m_pages.GetSafeHwnd() == nullptr)
        return;
    ShowListRows(m_pages, designer->GetPageRows());
    ShowListRows(m_variables, designer->GetVariableRows());
    ShowListRows(m_procedureFields, designer->GetProcedureFieldRows());
    ShowListRows(m_fieldReps, designer->GetFieldRepRows());
    m_pages.SetCurSel(designer->GetSelectedPage());
    m_variables.SetCurSel(designer->GetSelectedVariable());
    m_view.Show(designer->States());
}

void MultiPageReportDlg::OnPageSelected(int row)
{
    Run([row](MultiPageReportDesigner& m) { m.ClickPageRow(row); });
}
