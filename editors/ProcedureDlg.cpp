#include "editors/ProcedureDlg.h"

#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ListCtrl.h"

IMPLEMENT_DYNCREATE(ProcedureDlg, CFormView)

namespace
{

const DialogTemplateRegistration procedureTemplate{{
    ProcedureEditor::IDD,
    "",
    {
        {0, ControlKind::Static, "Module"},
        {ProcedureEditor::IDC_MODULE, ControlKind::ComboBox, ""},
        {0, ControlKind::Static, "Procedure Name"},
        {ProcedureEditor::IDC_NAME, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Main Table"},
        {ProcedureEditor::IDC_MAIN_TABLE, ControlKind::ComboBox, ""},
        {ProcedureEditor::IDC_ADD_MAIN_TABLE, ControlKind::PushButton, "Add Main Table"},
        {ProcedureEditor::IDC_MAIN_TABLE_LABEL, ControlKind::Static, "MainTable : ", false, false,
         220},
        {0, ControlKind::Static, "Detail Table"},
        {ProcedureEditor::IDC_DETAIL_TABLE, ControlKind::ComboBox, ""},
        {ProcedureEditor::IDC_ADD_DETAIL_TABLE, ControlKind::PushButton, "Add Detail Table"},
        {ProcedureEditor::IDC_RELATION, ControlKind::PushButton, "Relation"},
        {ProcedureEditor::IDC_DETAIL_LIST, ControlKind::ListCtrl, "", false, false, 300, 110},
        {ProcedureEditor::IDC_OUTPUT_LIST, ControlKind::ListCtrl, "", false, false, 380, 110},
        {ProcedureEditor::IDC_ADD_FIELD_INFO, ControlKind::PushButton, "Add Field Info"},
        {0, ControlKind::Static, "Parameter Table"},
        {ProcedureEditor::IDC_PARAMETER_TABLE, ControlKind::ComboBox, ""},
        {0, ControlKind::Static, "Parameter Field"},
        {ProcedureEditor::IDC_PARAMETER_FIELD, ControlKind::ComboBox, ""},
        {0, ControlKind::Static, "Parameter Name"},
        {ProcedureEditor::IDC_PARAMETER_NAME, ControlKind::Edit, ""},
        {ProcedureEditor::IDC_ADD_PARAMETER, ControlKind::PushButton, "Add Parameter"},
        {ProcedureEditor::IDC_PARAMETER_LIST, ControlKind::ListCtrl, "", false, false, 300, 110},
        {ProcedureEditor::IDC_ALLOW_VARIATION, ControlKind::CheckBox, "Allow Parameter variation"},
        {ProcedureEditor::IDC_SELECT_VARIATION, ControlKind::PushButton, "Select Variation  Param"},
        {ProcedureEditor::IDC_VARIATION_LIST, ControlKind::ListCtrl, "", false, false, 300, 110},
        {ProcedureEditor::IDC_CREATE_DERIVED, ControlKind::PushButton, "Create Derived Procedures"},
        {ProcedureEditor::IDC_WRITE_PROCEDURE, ControlKind::CheckBox, "Write Procedure"},
        {ProcedureEditor::IDC_TEXT, ControlKind::MultiLineEdit, "", false, false, 700, 220},
        {ProcedureEditor::IDC_APPLY, ControlKind::PushButton, "Apply"},
        {ProcedureEditor::IDC_ADD_PROCEDURE, ControlKind::PushButton, "Add Procedure"},
        {ProcedureEditor::IDC_CANCEL, ControlKind::PushButton, "Cancel"},
    },
    WS_CHILD,
    Lay::Column({
        Lay::Row({Lay::Field(ProcedureEditor::IDC_MODULE), Lay::Field(ProcedureEditor::IDC_NAME),
                  Lay::Stretch()}),
        Lay::Row({Lay::Field(ProcedureEditor::IDC_MAIN_TABLE),
                  Lay::Control(ProcedureEditor::IDC_ADD_MAIN_TABLE),
                  Lay::Control(ProcedureEditor::IDC_MAIN_TABLE_LABEL), Lay::Stretch()}),
        Lay::Row({Lay::Field(ProcedureEditor::IDC_DETAIL_TABLE),
                  Lay::Control(ProcedureEditor::IDC_ADD_DETAIL_TABLE),
                  Lay::Control(ProcedureEditor::IDC_RELATION), Lay::Stretch()}),
        Lay::Row({Lay::Control(ProcedureEditor::IDC_DETAIL_LIST),
                  Lay::Control(ProcedureEditor::IDC_OUTPUT_LIST),
                  Lay::ButtonColumn({ProcedureEditor::IDC_ADD_FIELD_INFO})}),
        Lay::Row({Lay::Field(ProcedureEditor::IDC_PARAMETER_TABLE),
                  Lay::Field(ProcedureEditor::IDC_PARAMETER_FIELD),
                  Lay::Field(ProcedureEditor::IDC_PARAMETER_NAME),
                  Lay::Control(ProcedureEditor::IDC_ADD_PARAMETER)}),
        Lay::Row({Lay::Control(ProcedureEditor::IDC_PARAMETER_LIST),
                  Lay::ButtonColumn(
                      {ProcedureEditor::IDC_SELECT_VARIATION, ProcedureEditor::IDC_CREATE_DERIVED}),
                  Lay::Control(ProcedureEditor::IDC_VARIATION_LIST)}),
        Lay::Row({Lay::Control(ProcedureEditor::IDC_ALLOW_VARIATION),
                  Lay::Control(ProcedureEditor::IDC_WRITE_PROCEDURE), Lay::Stretch()}),
        Lay::Control(ProcedureEditor::IDC_TEXT),
        Lay::Buttons({ProcedureEditor::IDC_APPLY, ProcedureEditor::IDC_ADD_PROCEDURE,
                      ProcedureEditor::IDC_CANCEL}),
    }),
    {{.list = ProcedureEditor::IDC_DETAIL_LIST, .deleteKey = true, .nameColumn = 1},
     {.list = ProcedureEditor::IDC_OUTPUT_LIST},
     {.list = ProcedureEditor::IDC_PARAMETER_LIST,
      .panel = ProcedureEditor::IDC_PARAMETER_NAME,
      .deleteKey = true},
     {.list = ProcedureEditor::IDC_VARIATION_LIST, .deleteKey = true}},
}};
} // namespace

ProcedureDlg::ProcedureDlg() : CFormView(ProcedureEditor::IDD), m_view(*this)
{
    MapControl(CBN_SELCHANGE, ProcedureEditor::IDC_MODULE, &ProcedureDlg::OnModule);
    MapControl(CBN_SELCHANGE, ProcedureEditor::IDC_PARAMETER_TABLE,
               &ProcedureDlg::OnParameterTable);
    MapControl(BN_CLICKED, ProcedureEditor::IDC_ADD_MAIN_TABLE, &ProcedureDlg::OnAddMainTable);
    MapControl(BN_CLICKED, ProcedureEditor::IDC_ADD_DETAIL_TABLE, &ProcedureDlg::OnAddDetailTable);
    MapControl(BN_CLICKED, ProcedureEditor::IDC_ADD_PARAMETER, &ProcedureDlg::OnAddParameter);
    MapControl(EN_KILLFOCUS, ProcedureEditor::IDC_NAME, &ProcedureDlg::OnNameKillFocus);
    MapControl(BN_CLICKED, ProcedureEditor::IDC_ADD_FIELD_INFO, &ProcedureDlg::OnAddFieldInfo);
    MapControl(BN_CLICKED, ProcedureEditor::IDC_RELATION, &ProcedureDlg::OnRelation);
    MapControl(BN_CLICKED, ProcedureEditor::IDC_WRITE_PROCEDURE, &ProcedureDlg::OnWriteProcedure);
    MapControl(BN_CLICKED, ProcedureEditor::IDC_ALLOW_VARIATION, &ProcedureDlg::OnAllowVariation);
    MapControl(BN_CLICKED, ProcedureEditor::IDC_SELECT_VARIATION, &ProcedureDlg::OnSelectVariation);
    MapControl(BN_CLICKED, ProcedureEditor::IDC_CREATE_DERIVED, &ProcedureDlg::OnCreateDerived);
    MapControl(BN_CLICKED, ProcedureEditor::IDC_APPLY, &ProcedureDlg::OnApply);
    MapControl(BN_CLICKED, ProcedureEditor::IDC_ADD_PROCEDURE, &ProcedureDlg::OnAddProcedure);
    MapControl(BN_CLICKED, ProcedureEditor::IDC_CANCEL, &ProcedureDlg::OnCancelProcedure);
    MapRowSelection(ProcedureEditor::IDC_PARAMETER_LIST, &ProcedureDlg::OnParameterSelected);
}

ProcedureDlg::~ProcedureDlg() = default;

ProcedureEditor* ProcedureDlg::GetEditor()
{
    return m_editor.Get();
}

void ProcedureDlg::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    if (m_detailList.GetSafeHwnd() != nullptr)
        return;
    const std::pair<CCellListCtrl*, int> lists[] = {
        {&m_detailList, ProcedureEditor::IDC_DETAIL_LIST},
        {&m_parameterList, ProcedureEditor::IDC_PARAMETER_LIST},
        {&m_variationList, ProcedureEditor::IDC_VARIATION_LIST},
        {&m_outputList, ProcedureEditor::IDC_OUTPUT_LIST}};
    for (const auto& [list, id] : lists)
        list->SubclassDlgItem(id, this);
    SetListColumns(m_detailList, ProcedureEditor::DetailColumns());
    SetListColumns(m_parameterList, ProcedureEditor::ParameterColumns());
    SetListColumns(m_variationList, ProcedureEditor::ParameterColumns());
    SetListColumns(m_outputList, ProcedureEditor::OutputColumns());
}

void ProcedureDlg::LoadProcedure(Procedure* procedure)
{
    if (ProcedureEditor* editor = GetEditor())
    {
        editor->LoadProcedure(procedure);
        Show();
        // Each procedure shows from its top.
        ScrollToPosition(CPoint(0, 0));
    }
}

void ProcedureDlg::ForgetProcedure(Procedure* procedure)
{
    if (ProcedureEditor* editor = GetEditor())
    {
        editor->ForgetProcedure(procedure);
        Show();
    }
}

void ProcedureDlg::ClearPage()
{
    if (m_editor.Current() == nullptr)
        return;
    m_editor.Current()->ClearPage();
    Show();
}

void ProcedureDlg::ReloadPage()
{
    LoadProcedure(nullptr);
}

BOOL ProcedureDlg::PreTranslateMessage(MSG* msg)
{
    if (IsEnterKeyIn(*msg, *this, {ProcedureEditor::IDC_PARAMETER_NAME}))
    {
        Run(&ProcedureEditor::AddOrUpdateParameter);
        return TRUE;
    }
    const std::pair<CCellListCtrl*, void (ProcedureEditor::*)(int)> deletions[] = {
        {&m_detailList, &ProcedureEditor::DeleteDetailRow},
        {&m_parameterList, &ProcedureEditor::DeleteParameterRow},
        {&m_variationList, &ProcedureEditor::DeleteVariationRow}};
    for (const auto& [list, command] : deletions)
    {
        if (IsDeleteKeyFor(*msg, *list))
        {
            RunRow(command, *list);
            return TRUE;
        }
    }
    return CFormView::PreTranslateMessage(msg);
}

void ProcedureDlg::ReadControls()
{
    m_view.ReadTexts(m_editor.Current()->States(),
                     {ProcedureEditor::IDC_NAME, ProcedureEditor::IDC_PARAMETER_NAME,
                      ProcedureEditor::IDC_TEXT});
    for (int id : {ProcedureEditor::IDC_MAIN_TABLE, ProcedureEditor::IDC_DETAIL_TABLE,
                   ProcedureEditor::IDC_PARAMETER_FIELD})
    {
        if (const auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(id)))
            m_editor.Current()->States().Select(id, combo->GetCurSel());
    }
}

void ProcedureDlg::Run(void (ProcedureEditor::*command)())
{
    if (GetEditor() == nullptr)
        return;
    ReadControls();
    (m_editor.Current()->*command)();
    Show();
}

void ProcedureDlg::RunRow(void (ProcedureEditor::*command)(int), const CCellListCtrl& list)
{
    if (GetEditor() == nullptr)
        return;
    ReadControls();
    (m_editor.Current()->*command)(list.GetCurSel());
    Show();
}

void ProcedureDlg::RunChoice(void (ProcedureEditor::*command)(int), int combo)
{
    if (GetEditor() == nullptr)
        return;
    ReadControls();
    const auto* box = dynamic_cast<CComboBox*>(GetDlgItem(combo));
    (m_editor.Current()->*command)(box != nullptr ? box->GetCurSel() : -1);
    Show();
}

void ProcedureDlg::Show()
{
    if (m_editor.Current() == nullptr || m_detailList.GetSafeHwnd() == nullptr)
        return;
    ShowListRows(m_detailList, m_editor.Current()->GetDetailRows());
    ShowListRows(m_parameterList, m_editor.Current()->GetParameterRows());
    m_parameterList.SetCurSel(m_editor.Current()->GetSelectedParameter());
    ShowListRows(m_variationList, m_editor.Current()->GetVariationRows());
    ShowListRows(m_outputList, m_editor.Current()->GetOutputRows());
    m_view.Show(m_editor.Current()->States());
}

void ProcedureDlg::OnParameterSelected(int row)
{
    if (GetEditor() == nullptr)
        return;
    ReadControls();
    m_editor.Current()->ClickParameterRow(row);
    Show();
}
