#include "editors/ProcedureDlg.h"

#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ListCtrl.h"

IMPLEMENT_DYNCREATE(ProcedureDlg, CFormView)

namespace
{
using P = ProcedureEditor;

const DialogTemplateRegistration procedureTemplate{{
    P::IDD,
    "",
    {
        {0, ControlKind::Static, "Module"},
        {P::IDC_MODULE, ControlKind::ComboBox, ""},
        {0, ControlKind::Static, "Procedure Name"},
        {P::IDC_NAME, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Main Table"},
        {P::IDC_MAIN_TABLE, ControlKind::ComboBox, ""},
        {P::IDC_ADD_MAIN_TABLE, ControlKind::PushButton, "Add Main Table"},
        {P::IDC_MAIN_TABLE_LABEL, ControlKind::Static, "MainTable : ", false, false, 220},
        {0, ControlKind::Static, "Detail Table"},
        {P::IDC_DETAIL_TABLE, ControlKind::ComboBox, ""},
        {P::IDC_ADD_DETAIL_TABLE, ControlKind::PushButton, "Add Detail Table"},
        {P::IDC_RELATION, ControlKind::PushButton, "Relation"},
        {P::IDC_DETAIL_LIST, ControlKind::ListCtrl, "", false, false, 300, 110},
        {P::IDC_OUTPUT_LIST, ControlKind::ListCtrl, "", false, false, 380, 110},
        {P::IDC_ADD_FIELD_INFO, ControlKind::PushButton, "Add Field Info"},
        {0, ControlKind::Static, "Parameter Table"},
        {P::IDC_PARAMETER_TABLE, ControlKind::ComboBox, ""},
        {0, ControlKind::Static, "Parameter Field"},
        {P::IDC_PARAMETER_FIELD, ControlKind::ComboBox, ""},
        {0, ControlKind::Static, "Parameter Name"},
        {P::IDC_PARAMETER_NAME, ControlKind::Edit, ""},
        {P::IDC_ADD_PARAMETER, ControlKind::PushButton, "Add Parameter"},
        {P::IDC_PARAMETER_LIST, ControlKind::ListCtrl, "", false, false, 300, 110},
        {P::IDC_ALLOW_VARIATION, ControlKind::CheckBox, "Allow Parameter variation"},
        {P::IDC_SELECT_VARIATION, ControlKind::PushButton, "Select Variation  Param"},
        {P::IDC_VARIATION_LIST, ControlKind::ListCtrl, "", false, false, 300, 110},
        {P::IDC_CREATE_DERIVED, ControlKind::PushButton, "Create Derived Procedures"},
        {P::IDC_WRITE_PROCEDURE, ControlKind::CheckBox, "Write Procedure"},
        {P::IDC_TEXT, ControlKind::MultiLineEdit, "", false, false, 700, 220},
        {P::IDC_APPLY, ControlKind::PushButton, "Apply"},
        {P::IDC_ADD_PROCEDURE, ControlKind::PushButton, "Add Procedure"},
        {P::IDC_CANCEL, ControlKind::PushButton, "Cancel"},
    },
    WS_CHILD,
    Lay::Column({
        Lay::Row({Lay::Field(P::IDC_MODULE), Lay::Field(P::IDC_NAME), Lay::Stretch()}),
        Lay::Row({Lay::Field(P::IDC_MAIN_TABLE), Lay::Control(P::IDC_ADD_MAIN_TABLE),
                  Lay::Control(P::IDC_MAIN_TABLE_LABEL), Lay::Stretch()}),
        Lay::Row({Lay::Field(P::IDC_DETAIL_TABLE), Lay::Control(P::IDC_ADD_DETAIL_TABLE),
                  Lay::Control(P::IDC_RELATION), Lay::Stretch()}),
        Lay::Row({Lay::Control(P::IDC_DETAIL_LIST), Lay::Control(P::IDC_OUTPUT_LIST),
                  Lay::ButtonColumn({P::IDC_ADD_FIELD_INFO})}),
        Lay::Row({Lay::Field(P::IDC_PARAMETER_TABLE), Lay::Field(P::IDC_PARAMETER_FIELD),
                  Lay::Field(P::IDC_PARAMETER_NAME), Lay::Control(P::IDC_ADD_PARAMETER)}),
        Lay::Row({Lay::Control(P::IDC_PARAMETER_LIST),
                  Lay::ButtonColumn({P::IDC_SELECT_VARIATION, P::IDC_CREATE_DERIVED}),
                  Lay::Control(P::IDC_VARIATION_LIST)}),
        Lay::Row({Lay::Control(P::IDC_ALLOW_VARIATION), Lay::Control(P::IDC_WRITE_PROCEDURE),
                  Lay::Stretch()}),
        Lay::Control(P::IDC_TEXT),
        Lay::Buttons({P::IDC_APPLY, P::IDC_ADD_PROCEDURE, P::IDC_CANCEL}),
    }),
}};
} // namespace

ProcedureDlg::ProcedureDlg() : CFormView(P::IDD), m_view(*this)
{
    MapControl(CBN_SELCHANGE, P::IDC_MODULE, &ProcedureDlg::OnModule);
    MapControl(CBN_SELCHANGE, P::IDC_PARAMETER_TABLE, &ProcedureDlg::OnParameterTable);
    MapControl(BN_CLICKED, P::IDC_ADD_MAIN_TABLE, &ProcedureDlg::OnAddMainTable);
    MapControl(BN_CLICKED, P::IDC_ADD_DETAIL_TABLE, &ProcedureDlg::OnAddDetailTable);
    MapControl(BN_CLICKED, P::IDC_ADD_PARAMETER, &ProcedureDlg::OnAddParameter);
    MapControl(EN_KILLFOCUS, P::IDC_NAME, &ProcedureDlg::OnNameKillFocus);
    MapControl(BN_CLICKED, P::IDC_ADD_FIELD_INFO, &ProcedureDlg::OnAddFieldInfo);
    MapControl(BN_CLICKED, P::IDC_RELATION, &ProcedureDlg::OnRelation);
    MapControl(BN_CLICKED, P::IDC_WRITE_PROCEDURE, &ProcedureDlg::OnWriteProcedure);
    MapControl(BN_CLICKED, P::IDC_ALLOW_VARIATION, &ProcedureDlg::OnAllowVariation);
    MapControl(BN_CLICKED, P::IDC_SELECT_VARIATION, &ProcedureDlg::OnSelectVariation);
    MapControl(BN_CLICKED, P::IDC_CREATE_DERIVED, &ProcedureDlg::OnCreateDerived);
    MapControl(BN_CLICKED, P::IDC_APPLY, &ProcedureDlg::OnApply);
    MapControl(BN_CLICKED, P::IDC_ADD_PROCEDURE, &ProcedureDlg::OnAddProcedure);
    MapControl(BN_CLICKED, P::IDC_CANCEL, &ProcedureDlg::OnCancelProcedure);
    MapNotify(NM_CLICK, P::IDC_PARAMETER_LIST, &ProcedureDlg::OnParameterClick);
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
    const std::pair<CCellListCtrl*, int> lists[] = {{&m_detailList, P::IDC_DETAIL_LIST},
                                                    {&m_parameterList, P::IDC_PARAMETER_LIST},
                                                    {&m_variationList, P::IDC_VARIATION_LIST},
                                                    {&m_outputList, P::IDC_OUTPUT_LIST}};
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
                     {P::IDC_NAME, P::IDC_PARAMETER_NAME, P::IDC_TEXT});
    for (int id : {P::IDC_MAIN_TABLE, P::IDC_DETAIL_TABLE, P::IDC_PARAMETER_FIELD})
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
    ShowListRows(m_variationList, m_editor.Current()->GetVariationRows());
    ShowListRows(m_outputList, m_editor.Current()->GetOutputRows());
    m_view.Show(m_editor.Current()->States());
}

void ProcedureDlg::OnParameterClick(NMHDR* header, LRESULT* result)
{
    *result = 0;
    if (GetEditor() == nullptr)
        return;
    ReadControls();
    m_editor.Current()->ClickParameterRow(reinterpret_cast<NMITEMACTIVATE*>(header)->iItem);
    Show();
}
