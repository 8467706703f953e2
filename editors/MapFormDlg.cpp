#include "editors/MapFormDlg.h"

#include "editors/ViewPageDialogs.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ListCtrl.h"

IMPLEMENT_DYNCREATE(MapFormDlg, CFormView)

namespace
{
using M = MapFormEditor;

constexpr int kBottomGroup = 2121;
constexpr int kReportGroup = 2122;

const DialogTemplateRegistration mapFormTemplate{{
    M::IDD,
    "",
    {
        {0, ControlKind::Static, "Selected Map Table :"},
        {M::IDC_TABLE_NAME, ControlKind::Static, "", false, false, 240},
        {0, ControlKind::Static, "Form Header"},
        {M::IDC_HEADER, ControlKind::Edit, "", false, false, 260},
        {M::IDC_TOP_FIELDS, ControlKind::RadioButton, "Top Fields"},
        {M::IDC_BOTTOM_FIELDS, ControlKind::RadioButton, "Bottom Fields"},
        {M::IDC_ADD_REF_FIELD, ControlKind::PushButton, "Add &Ref Field"},
        {0, ControlKind::Static, "Fields"},
        {M::IDC_FIELDS, ControlKind::ComboBox, ""},
        {M::IDC_ADD_FIELD, ControlKind::PushButton, "Add"},
        {M::IDC_FIELD_LIST, ControlKind::ListCtrl, "", false, false, 260, 120},
        {M::IDC_INPUT_LABEL, ControlKind::Static, "Input Field Name"},
        {M::IDC_REF_FIELDS, ControlKind::ComboBox, ""},
        {M::IDC_ADD_INPUT, ControlKind::PushButton, "Add"},
        {M::IDC_INPUT_LIST, ControlKind::ListCtrl, "", false, false, 260, 120},
        {M::IDC_UP, ControlKind::PushButton, "Up"},
        {M::IDC_DOWN, ControlKind::PushButton, "Down"},
        {kBottomGroup, ControlKind::GroupBox, "Bottom Field Property"},
        {M::IDC_EDITABLE, ControlKind::RadioButton, "Editable", false, /*group=*/true},
        {M::IDC_SELECTION, ControlKind::RadioButton, "Selection"},
        {0, ControlKind::Static, "Master Forms"},
        {M::IDC_MASTER_FORMS, ControlKind::ComboBox, ""},
        {M::IDC_ASSIGN_MASTER, ControlKind::PushButton, "Assign"},
        {M::IDC_VARIABLES, ControlKind::PushButton, "Set Variables"},
        {M::IDC_LINK_CONTROLS, ControlKind::PushButton, "Assign Link Controls"},
        {M::IDC_FORM_PROCEDURES, ControlKind::PushButton, "&Form Procedures"},
        {kReportGroup, ControlKind::GroupBox, "Report for Map form"},
        {M::IDC_ASSIGN_REPORT, ControlKind::PushButton, "Assign Report"},
        {M::IDC_REMOVE_REPORT, ControlKind::PushButton, "Remove Report"},
        {M::IDC_REPORT_LABEL, ControlKind::Static, "", false, false, 260},
        {M::IDC_ADD_MAP_FORM, ControlKind::PushButton, "Add Map Form"},
        {M::IDC_CANCEL, ControlKind::PushButton, "Cancel"},
    },
    WS_CHILD,
    Lay::Column({
        Lay::Row({Lay::Field(M::IDC_TABLE_NAME), Lay::Field(M::IDC_HEADER), Lay::Stretch()}),
        Lay::Row({Lay::Control(M::IDC_TOP_FIELDS), Lay::Control(M::IDC_BOTTOM_FIELDS),
                  Lay::Control(M::IDC_ADD_REF_FIELD), Lay::Stretch()}),
        Lay::Row(
            {Lay::Column({Lay::Row({Lay::Field(M::IDC_FIELDS), Lay::Control(M::IDC_ADD_FIELD)}),
                          Lay::Control(M::IDC_FIELD_LIST)}),
             Lay::Column(
                 {Lay::Row({Lay::Control(M::IDC_INPUT_LABEL), Lay::Control(M::IDC_REF_FIELDS),
                            Lay::Control(M::IDC_ADD_INPUT)}),
                  Lay::Row({Lay::Control(M::IDC_INPUT_LIST),
                            Lay::ButtonColumn({M::IDC_UP, M::IDC_DOWN})})}),
             Lay::Stretch()}),
        Lay::Group(kBottomGroup,
                   {Lay::Row({Lay::Control(M::IDC_EDITABLE), Lay::Control(M::IDC_SELECTION),
                              Lay::Field(M::IDC_MASTER_FORMS), Lay::Control(M::IDC_ASSIGN_MASTER),
                              Lay::Stretch()})}),
        Lay::Buttons({M::IDC_VARIABLES, M::IDC_LINK_CONTROLS, M::IDC_FORM_PROCEDURES}),
        Lay::Group(kReportGroup, {Lay::Row({Lay::Control(M::IDC_ASSIGN_REPORT),
                                            Lay::Control(M::IDC_REMOVE_REPORT),
                                            Lay::Control(M::IDC_REPORT_LABEL), Lay::Stretch()})}),
        Lay::Stretch(),
        Lay::Buttons({M::IDC_ADD_MAP_FORM, M::IDC_CANCEL}),
    }),
}};
} // namespace

MapFormDlg::MapFormDlg()
    : CFormView(M::IDD), m_editor(
                             [](ForgeonProject& project)
                             {
                                 return std::make_unique<MapFormEditor>(
                                     project, ViewEditorHost::Get(), ViewPageDialogs::Get());
                             }),
      m_view(*this)
{
    const std::pair<int, void (M::*)()> buttons[] = {
        {M::IDC_TOP_FIELDS, &M::ShowTopFields},
        {M::IDC_BOTTOM_FIELDS, &M::ShowBottomFields},
        {M::IDC_EDITABLE, &M::MakeEditable},
        {M::IDC_SELECTION, &M::MakeSelectable},
        {M::IDC_ADD_FIELD, &M::AddField},
        {M::IDC_ADD_INPUT, &M::AddInputField},
        {M::IDC_ASSIGN_MASTER, &M::AssignMasterForm},
        {M::IDC_UP, &M::MoveInputUp},
        {M::IDC_DOWN, &M::MoveInputDown},
        {M::IDC_ADD_REF_FIELD, &M::AddRefField},
        {M::IDC_VARIABLES, &M::SetVariables},
        {M::IDC_LINK_CONTROLS, &M::LinkControls},
        {M::IDC_FORM_PROCEDURES, &M::FormProcedures},
        {M::IDC_REMOVE_REPORT, &M::RemoveReport},
        {M::IDC_ADD_MAP_FORM, &M::AddMapForm},
        {M::IDC_CANCEL, &M::Cancel},
    };
    for (const auto& [id, command] : buttons)
        MapControlRange(BN_CLICKED, id, id, [this, command] { Run(command); });
    MapControlRange(EN_KILLFOCUS, M::IDC_HEADER, M::IDC_HEADER, [this] { Run(&M::LeaveHeader); });
    MapControl(CBN_SELCHANGE, M::IDC_MASTER_FORMS, &MapFormDlg::OnMasterForm);
    MapNotify(NM_CLICK, M::IDC_FIELD_LIST, &MapFormDlg::OnFieldClick);
    MapNotify(NM_CLICK, M::IDC_INPUT_LIST, &MapFormDlg::OnInputClick);
    MapNotify(NM_DBLCLK, M::IDC_INPUT_LIST, &MapFormDlg::OnInputDoubleClick);
}

MapFormDlg::~MapFormDlg() = default;

MapFormEditor* MapFormDlg::GetEditor()
{
    return m_editor.Get();
}

void MapFormDlg::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    if (m_fields.GetSafeHwnd() != nullptr)
        return;
    m_fields.SubclassDlgItem(M::IDC_FIELD_LIST, this);
    m_inputs.SubclassDlgItem(M::IDC_INPUT_LIST, this);
    SetListColumns(m_fields, M::FieldColumns());
    SetListColumns(m_inputs, M::InputColumns());
    Show();
}

void MapFormDlg::LoadTable(Table* table)
{
    if (MapFormEditor* editor = GetEditor())
    {
        editor->LoadTable(table);
        Show();
    }
}

void MapFormDlg::ClearPage()
{
    if (m_editor.Current() == nullptr)
        return;
    m_editor.Current()->ClearPage();
    Show();
}

BOOL MapFormDlg::PreTranslateMessage(MSG* msg)
{
    const std::pair<CCellListCtrl*, void (M::*)()> deletions[] = {
        {&m_fields, &M::RemoveField}, {&m_inputs, &M::RemoveInputField}};
    for (const auto& [list, command] : deletions)
    {
        if (list->GetSafeHwnd() != nullptr && IsDeleteKeyFor(*msg, *list))
        {
            Run(command);
            return TRUE;
        }
    }
    return CFormView::PreTranslateMessage(msg);
}

void MapFormDlg::ReadControls()
{
    MapFormEditor& editor = *m_editor.Current();
    m_view.ReadTexts(editor.States(), {M::IDC_HEADER});
    for (const int id : {M::IDC_FIELDS, M::IDC_REF_FIELDS, M::IDC_MASTER_FORMS})
    {
        if (const auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(id)))
            editor.States().Select(id, combo->GetCurSel());
    }
    if (m_fields.GetSafeHwnd() != nullptr)
    {
        editor.SelectField(m_fields.GetCurSel());
        editor.SelectInput(m_inputs.GetCurSel());
    }
}

void MapFormDlg::Run(void (MapFormEditor::*command)())
{
    if (GetEditor() == nullptr)
        return;
    ReadControls();
    (m_editor.Current()->*command)();
    Show();
}

void MapFormDlg::OnMasterForm()
{
    if (GetEditor() == nullptr)
        return;
    ReadControls();
    m_editor.Current()->ChooseMasterForm(
        m_editor.Current()->States().GetSelection(M::IDC_MASTER_FORMS));
    Show();
}

void MapFormDlg::OnFieldClick(NMHDR* header, LRESULT* result)
{
    *result = 0;
    if (GetEditor() != nullptr)
        m_editor.Current()->SelectField(reinterpret_cast<NMITEMACTIVATE*>(header)->iItem);
}

void MapFormDlg::OnInputClick(NMHDR* header, LRESULT* result)
{
    *result = 0;
    if (GetEditor() != nullptr)
        m_editor.Current()->SelectInput(reinterpret_cast<NMITEMACTIVATE*>(header)->iItem);
}

void MapFormDlg::OnInputDoubleClick(NMHDR* header, LRESULT* result)
{
    *result = 0;
    if (GetEditor() == nullptr)
        return;
    ReadControls();
    m_editor.Current()->EditInputField(reinterpret_cast<NMITEMACTIVATE*>(header)->iItem);
    Show();
}

void MapFormDlg::Show()
{
    if (m_editor.Current() == nullptr || m_fields.GetSafeHwnd() == nullptr)
        return;
    const MapFormEditor& editor = *m_editor.Current();
    ShowListRows(m_fields, editor.GetFieldRows());
    if (editor.GetSelectedField() >= 0)
        m_fields.SetCurSel(editor.GetSelectedField());
    ShowListRows(m_inputs, editor.GetInputRows());
    if (editor.GetSelectedInput() >= 0)
        m_inputs.SetCurSel(editor.GetSelectedInput());
    m_view.Show(m_editor.Current()->States());
}
