#include "editors/MapFormDlg.h"

#include "editors/ViewPageDialogs.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ListCtrl.h"

IMPLEMENT_DYNCREATE(MapFormDlg, CFormView)

namespace
{

constexpr int kBottomGroup = 2121;
constexpr int kMapReportGroup = 2122;

const DialogTemplateRegistration mapFormTemplate{{
    MapFormEditor::IDD,
    "",
    {
        {0, ControlKind::Static, "Selected Map Table :"},
        {MapFormEditor::IDC_TABLE_NAME, ControlKind::Static, "", false, false, 240},
        {0, ControlKind::Static, "Form Header"},
        {MapFormEditor::IDC_HEADER, ControlKind::Edit, "", false, false, 260},
        {MapFormEditor::IDC_TOP_FIELDS, ControlKind::RadioButton, "Top Fields"},
        {MapFormEditor::IDC_BOTTOM_FIELDS, ControlKind::RadioButton, "Bottom Fields"},
        {MapFormEditor::IDC_ADD_REF_FIELD, ControlKind::PushButton, "Add &Ref Field"},
        {0, ControlKind::Static, "Fields"},
        {MapFormEditor::IDC_FIELDS, ControlKind::ComboBox, ""},
        {MapFormEditor::IDC_ADD_FIELD, ControlKind::PushButton, "Add"},
        {MapFormEditor::IDC_FIELD_LIST, ControlKind::ListCtrl, "", false, false, 260, 120},
        {MapFormEditor::IDC_INPUT_LABEL, ControlKind::Static, "Input Field Name"},
        {MapFormEditor::IDC_REF_FIELDS, ControlKind::ComboBox, ""},
        {MapFormEditor::IDC_ADD_INPUT, ControlKind::PushButton, "Add"},
        {MapFormEditor::IDC_INPUT_LIST, ControlKind::ListCtrl, "", false, false, 260, 120},
        {MapFormEditor::IDC_UP, ControlKind::PushButton, "Up"},
        {MapFormEditor::IDC_DOWN, ControlKind::PushButton, "Down"},
        {kBottomGroup, ControlKind::GroupBox, "Bottom Field Property"},
        {MapFormEditor::IDC_EDITABLE, ControlKind::RadioButton, "Editable", false, /*group=*/true},
        {MapFormEditor::IDC_SELECTION, ControlKind::RadioButton, "Selection"},
        {0, ControlKind::Static, "Master Forms"},
        {MapFormEditor::IDC_MASTER_FORMS, ControlKind::ComboBox, ""},
        {MapFormEditor::IDC_ASSIGN_MASTER, ControlKind::PushButton, "Assign"},
        {MapFormEditor::IDC_VARIABLES, ControlKind::PushButton, "Set Variables"},
        {MapFormEditor::IDC_LINK_CONTROLS, ControlKind::PushButton, "Assign Link Controls"},
        {MapFormEditor::IDC_FORM_PROCEDURES, ControlKind::PushButton, "&Form Procedures"},
        {kMapReportGroup, ControlKind::GroupBox, "Report for Map form"},
        {MapFormEditor::IDC_ASSIGN_REPORT, ControlKind::PushButton, "Assign Report"},
        {MapFormEditor::IDC_REMOVE_REPORT, ControlKind::PushButton, "Remove Report"},
        {MapFormEditor::IDC_REPORT_LABEL, ControlKind::Static, "", false, false, 260},
        {MapFormEditor::IDC_ADD_MAP_FORM, ControlKind::PushButton, "Add Map Form"},
        {MapFormEditor::IDC_CANCEL, ControlKind::PushButton, "Cancel"},
    },
    WS_CHILD,
    Lay::Column({
        Lay::Row({Lay::Field(MapFormEditor::IDC_TABLE_NAME), Lay::Field(MapFormEditor::IDC_HEADER),
                  Lay::Stretch()}),
        Lay::Row({Lay::Control(MapFormEditor::IDC_TOP_FIELDS),
                  Lay::Control(MapFormEditor::IDC_BOTTOM_FIELDS),
                  Lay::Control(MapFormEditor::IDC_ADD_REF_FIELD), Lay::Stretch()}),
        Lay::Row({Lay::Column({Lay::Row({Lay::Field(MapFormEditor::IDC_FIELDS),
                                         Lay::Control(MapFormEditor::IDC_ADD_FIELD)}),
                               Lay::Control(MapFormEditor::IDC_FIELD_LIST)}),
                  Lay::Column({Lay::Row({Lay::Control(MapFormEditor::IDC_INPUT_LABEL),
                                         Lay::Control(MapFormEditor::IDC_REF_FIELDS),
                                         Lay::Control(MapFormEditor::IDC_ADD_INPUT)}),
                               Lay::Row({Lay::Control(MapFormEditor::IDC_INPUT_LIST),
                                         Lay::ButtonColumn(
                                             {MapFormEditor::IDC_UP, MapFormEditor::IDC_DOWN})})}),
                  Lay::Stretch()}),
        Lay::Group(kBottomGroup,
                   {Lay::Row({Lay::Control(MapFormEditor::IDC_EDITABLE),
                              Lay::Control(MapFormEditor::IDC_SELECTION),
                              Lay::Field(MapFormEditor::IDC_MASTER_FORMS),
                              Lay::Control(MapFormEditor::IDC_ASSIGN_MASTER), Lay::Stretch()})}),
        Lay::Buttons({MapFormEditor::IDC_VARIABLES, MapFormEditor::IDC_LINK_CONTROLS,
                      MapFormEditor::IDC_FORM_PROCEDURES}),
        Lay::Group(kMapReportGroup,
                   {Lay::Row({Lay::Control(MapFormEditor::IDC_ASSIGN_REPORT),
                              Lay::Control(MapFormEditor::IDC_REMOVE_REPORT),
                              Lay::Control(MapFormEditor::IDC_REPORT_LABEL), Lay::Stretch()})}),
        Lay::Stretch(),
        Lay::Buttons({MapFormEditor::IDC_ADD_MAP_FORM, MapFormEditor::IDC_CANCEL}),
    }),
    {{.list = MapFormEditor::IDC_FIELD_LIST, .deleteKey = true, .nameColumn = 1},
     {.list = MapFormEditor::IDC_INPUT_LIST, .deleteKey = true, .nameColumn = 1}},
}};
} // namespace

MapFormDlg::MapFormDlg()
    : CFormView(MapFormEditor::IDD),
      m_editor(
          [](ForgeonProject& project)
          {
              return std::make_unique<MapFormEditor>(project, ViewEditorHost::Get(),
                                                     ViewPageDialogs::Get());
          }),
      m_view(*this)
{
    const std::pair<int, void (MapFormEditor::*)()> buttons[] = {
        {MapFormEditor::IDC_TOP_FIELDS, &MapFormEditor::ShowTopFields},
        {MapFormEditor::IDC_BOTTOM_FIELDS, &MapFormEditor::ShowBottomFields},
        {MapFormEditor::IDC_EDITABLE, &MapFormEditor::MakeEditable},
        {MapFormEditor::IDC_SELECTION, &MapFormEditor::MakeSelectable},
        {MapFormEditor::IDC_ADD_FIELD, &MapFormEditor::AddField},
        {MapFormEditor::IDC_ADD_INPUT, &MapFormEditor::AddInputField},
        {MapFormEditor::IDC_ASSIGN_MASTER, &MapFormEditor::AssignMasterForm},
        {MapFormEditor::IDC_UP, &MapFormEditor::MoveInputUp},
        {MapFormEditor::IDC_DOWN, &MapFormEditor::MoveInputDown},
        {MapFormEditor::IDC_ADD_REF_FIELD, &MapFormEditor::AddRefField},
        {MapFormEditor::IDC_VARIABLES, &MapFormEditor::SetVariables},
        {MapFormEditor::IDC_LINK_CONTROLS, &MapFormEditor::LinkControls},
        {MapFormEditor::IDC_FORM_PROCEDURES, &MapFormEditor::FormProcedures},
        {MapFormEditor::IDC_REMOVE_REPORT, &MapFormEditor::RemoveReport},
        {MapFormEditor::IDC_ADD_MAP_FORM, &MapFormEditor::AddMapForm},
        {MapFormEditor::IDC_CANCEL, &MapFormEditor::Cancel},
    };
    for (const auto& [id, command] : buttons)
        MapControlRange(BN_CLICKED, id, id, [this, command] { Run(command); });
    MapControlRange(EN_KILLFOCUS, MapFormEditor::IDC_HEADER, MapFormEditor::IDC_HEADER,
                    [this] { Run(&MapFormEditor::LeaveHeader); });
    MapControl(CBN_SELCHANGE, MapFormEditor::IDC_MASTER_FORMS, &MapFormDlg::OnMasterForm);
    MapRowSelection(MapFormEditor::IDC_FIELD_LIST, &MapFormDlg::OnFieldSelected);
    MapRowSelection(MapFormEditor::IDC_INPUT_LIST, &MapFormDlg::OnInputSelected);
    MapNotify(NM_DBLCLK, MapFormEditor::IDC_INPUT_LIST, &MapFormDlg::OnInputDoubleClick);
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
    m_fields.SubclassDlgItem(MapFormEditor::IDC_FIELD_LIST, this);
    m_inputs.SubclassDlgItem(MapFormEditor::IDC_INPUT_LIST, this);
    SetListColumns(m_fields, MapFormEditor::FieldColumns());
    SetListColumns(m_inputs, MapFormEditor::InputColumns());
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
    const std::pair<CCellListCtrl*, void (MapFormEditor::*)()> deletions[] = {
        {&m_fields, &MapFormEditor::RemoveField}, {&m_inputs, &MapFormEditor::RemoveInputField}};
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
    m_view.ReadTexts(editor.States(), {MapFormEditor::IDC_HEADER});
    for (const int id : {MapFormEditor::IDC_FIELDS, MapFormEditor::IDC_REF_FIELDS,
                         MapFormEditor::IDC_MASTER_FORMS})
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
        m_editor.Current()->States().GetSelection(MapFormEditor::IDC_MASTER_FORMS));
    Show();
}

void MapFormDlg::OnFieldSelected(int row)
{
    if (GetEditor() != nullptr)
        m_editor.Current()->SelectField(row);
}

void MapFormDlg::OnInputSelected(int row)
{
    if (GetEditor() != nullptr)
        m_editor.Current()->SelectInput(row);
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
