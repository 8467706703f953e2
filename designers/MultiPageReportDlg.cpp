#include "designers/MultiPageReportDlg.h"

#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ListCtrl.h"

IMPLEMENT_DYNCREATE(MultiPageReportDlg, CFormView)

namespace
{
using M = MultiPageReportDesigner;

const DialogTemplateRegistration multiPageTemplate{{
    M::IDD,
    "",
    {
        {0, ControlKind::Static, "Multi Page Report Header"},
        {M::IDC_NAME, ControlKind::Edit, ""},
        {M::IDC_ALERT_PAGE, ControlKind::CheckBox, "Alert Page"},
        {0, ControlKind::Static, "Report"},
        {M::IDC_REPORT, ControlKind::ComboBox, ""},
        {M::IDC_ADD_REPORT, ControlKind::PushButton, "Add Report"},
        {M::IDC_SET_VARIABLES, ControlKind::PushButton, "Set Variables"},
        {M::IDC_PAGE_LIST, ControlKind::ListCtrl, "", false, false, 330, 110},
        {M::IDC_UP, ControlKind::PushButton, "^"},
        {M::IDC_DOWN, ControlKind::PushButton, "v"},
        {M::IDC_ASSIGN_PROCEDURE, ControlKind::PushButton, "Assign Procedure"},
        {M::IDC_REMOVE_PROCEDURE, ControlKind::PushButton, "Remove Procedure"},
        {M::IDC_VARIABLE_LIST, ControlKind::ListCtrl, "", false, false, 330, 110},
        {0, ControlKind::Static, "Page Variable"},
        {M::IDC_PAGE_VARIABLE, ControlKind::ComboBox, ""},
        {M::IDC_ASSIGN, ControlKind::PushButton, "Assign"},
        {M::IDC_REMOVE, ControlKind::PushButton, "Remove"},
        {M::IDC_PROCEDURE_FIELDS, ControlKind::ListCtrl, "", false, false, 330, 110},
        {M::IDC_ADD_FIELD_REP, ControlKind::PushButton, "Add Field Representation"},
        {M::IDC_REMOVE_FIELD_REP, ControlKind::PushButton, "Remove Field Representation"},
        {M::IDC_FIELD_REP_LIST, ControlKind::ListCtrl, "", false, false, 240, 110},
        {M::IDC_ADD_MULTI_PAGE, ControlKind::PushButton, "Add Multi Page Report"},
        {M::IDC_CANCEL, ControlKind::PushButton, "Cancel "},
    },
    WS_CHILD,
    Lay::Column({
        Lay::Row({Lay::Field(M::IDC_NAME), Lay::Control(M::IDC_ALERT_PAGE), Lay::Stretch()}),
        Lay::Row({Lay::Field(M::IDC_REPORT), Lay::Control(M::IDC_ADD_REPORT),
                  Lay::Control(M::IDC_SET_VARIABLES), Lay::Stretch()}),
        Lay::Row({Lay::Control(M::IDC_PAGE_LIST),
                  Lay::ButtonColumn(
                      {M::IDC_UP, M::IDC_DOWN, M::IDC_ASSIGN_PROCEDURE, M::IDC_REMOVE_PROCEDURE}),
                  Lay::Stretch()}),
        Lay::Row({Lay::Control(M::IDC_VARIABLE_LIST),
                  Lay::Column({Lay::Field(M::IDC_PAGE_VARIABLE),
                               Lay::ButtonColumn({M::IDC_ASSIGN, M::IDC_REMOVE})}),
                  Lay::Stretch()}),
        Lay::Row({Lay::Control(M::IDC_PROCEDURE_FIELDS),
                  Lay::ButtonColumn({M::IDC_ADD_FIELD_REP, M::IDC_REMOVE_FIELD_REP}),
                  Lay::Control(M::IDC_FIELD_REP_LIST), Lay::Stretch()}),
        Lay::Buttons({M::IDC_ADD_MULTI_PAGE, M::IDC_CANCEL}),
    }),
}};
} // namespace

MultiPageReportDlg::MultiPageReportDlg()
    : CFormView(M::IDD), m_designer(DesignerViewHost::MakeController<MultiPageReportDesigner>),
      m_view(*this)
{
    const std::pair<int, void (M::*)()> buttons[] = {
        {M::IDC_ADD_REPORT, &M::AddReport},
        {M::IDC_SET_VARIABLES, &M::SetVariables},
        {M::IDC_ASSIGN, &M::Assign},
        {M::IDC_REMOVE, &M::Remove},
        {M::IDC_ASSIGN_PROCEDURE, &M::AssignProcedure},
        {M::IDC_REMOVE_PROCEDURE, &M::RemoveProcedure},
        {M::IDC_UP, &M::MoveUp},
        {M::IDC_DOWN, &M::MoveDown},
        {M::IDC_ADD_FIELD_REP, &M::AddFieldRepresentation},
        {M::IDC_REMOVE_FIELD_REP, &M::RemoveFieldRepresentation},
        {M::IDC_ADD_MULTI_PAGE, &M::AddMultiPageReport},
        {M::IDC_CANCEL, &M::Cancel},
        {M::IDC_ALERT_PAGE, &M::ToggleAlertPage},
    };
    for (const auto& [id, command] : buttons)
        MapControlRange(BN_CLICKED, id, id,
                        [this, command] { Run([command](M& m) { (m.*command)(); }); });
    MapNotify(NM_CLICK, M::IDC_PAGE_LIST, &MultiPageReportDlg::OnPageClick);
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
    const std::pair<CCellListCtrl*, int> lists[] = {{&m_pages, M::IDC_PAGE_LIST},
                                                    {&m_variables, M::IDC_VARIABLE_LIST},
                                                    {&m_procedureFields, M::IDC_PROCEDURE_FIELDS},
                                                    {&m_fieldReps, M::IDC_FIELD_REP_LIST}};
    for (const auto& [list, id] : lists)
        list->SubclassDlgItem(id, this);
    SetListColumns(m_pages, M::PageColumns());
    SetListColumns(m_variables, M::VariableColumns());
    SetListColumns(m_procedureFields, M::ProcedureFieldColumns());
    SetListColumns(m_fieldReps, M::FieldRepColumns());
    m_toolTips.Create(this);
    AddToolTips(m_toolTips, *this, M::ToolTips());
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

BOOL MultiPageReportDlg::PreTranslateMessage(MSG* msg)
{
    if (m_toolTips.GetSafeHwnd() != nullptr)
        m_toolTips.RelayEvent(msg);
    return CFormView::PreTranslateMessage(msg);
}

void MultiPageReportDlg::ReadControls()
{
    MultiPageReportDesigner& designer = *m_designer.Current();
    m_view.ReadTexts(designer.States(), {M::IDC_NAME});
    for (int id : {M::IDC_REPORT, M::IDC_PAGE_VARIABLE})
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

void MultiPageReportDlg::OnPageClick(NMHDR* header, LRESULT* result)
{
    *result = 0;
    const int row = reinterpret_cast<NMITEMACTIVATE*>(header)->iItem;
    Run([row](M& m) { m.ClickPageRow(row); });
}
