#include "designers/DashBoardPageDlg.h"

#include "designers/DesignerPictures.h"
#include "editors/ContextHelp.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"

IMPLEMENT_DYNCREATE(DashBoardPageDlg, CFormView)

namespace
{

const DialogTemplateRegistration dashBoardPageTemplate{{
    DashBoardPageDesigner::IDD,
    "",
    {
        {0, ControlKind::Static, "Name"},
        {DashBoardPageDesigner::IDC_NAME, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Header"},
        {DashBoardPageDesigner::IDC_HEADER, ControlKind::Edit, ""},
        {DashBoardPageDesigner::IDC_PICTURE, ControlKind::Picture, "", false, false, 0, 0,
         DashBoardPageDesigner::IDB_PICTURE},
        {0, ControlKind::Static, "Dashboard"},
        {DashBoardPageDesigner::IDC_DASHBOARDS, ControlKind::ComboBox, ""},
        {DashBoardPageDesigner::IDC_ADD, ControlKind::PushButton, "Add"},
        {DashBoardPageDesigner::IDC_PLACEMENTS, ControlKind::ListCtrl, "", false, false, 220, 120},
        {DashBoardPageDesigner::IDC_UP, ControlKind::PushButton, "Up"},
        {DashBoardPageDesigner::IDC_DOWN, ControlKind::PushButton, "Down"},
        {DashBoardPageDesigner::IDC_SHOW_ONCE, ControlKind::RadioButton, "Show once"},
        {DashBoardPageDesigner::IDC_USING_PROCEDURE, ControlKind::RadioButton, "Using Procedure"},
        {DashBoardPageDesigner::IDC_ASSIGN_PROCEDURE, ControlKind::PushButton, "Assign Procedure"},
        {DashBoardPageDesigner::IDC_REMOVE_PROCEDURE, ControlKind::PushButton, "Remove Procedure"},
        {DashBoardPageDesigner::IDC_PROCEDURE_LABEL, ControlKind::Static, "", false, false, 240},
        {DashBoardPageDesigner::IDC_VARIABLES, ControlKind::PushButton, "Variables"},
        {0, ControlKind::Static, "Page Variable"},
        {DashBoardPageDesigner::IDC_PAGE_VARIABLES, ControlKind::ComboBox, ""},
        {DashBoardPageDesigner::IDC_PAIR, ControlKind::PushButton, ">"},
        {DashBoardPageDesigner::IDC_UNPAIR, ControlKind::PushButton, "<"},
        {DashBoardPageDesigner::IDC_PAIRS, ControlKind::ListCtrl, "", false, false, 260, 110},
        {DashBoardPageDesigner::IDC_MAP_FIELDS, ControlKind::ListCtrl, "", false, false, 180, 110},
        {DashBoardPageDesigner::IDC_ASSIGN_MAP, ControlKind::PushButton, "Assign"},
        {DashBoardPageDesigner::IDC_REMOVE_MAP, ControlKind::PushButton, "Remove"},
        {DashBoardPageDesigner::IDC_MAP_VARIABLES, ControlKind::ListCtrl, "", false, false, 260,
         110},
        {DashBoardPageDesigner::IDC_OK, ControlKind::PushButton, "OK"},
        {DashBoardPageDesigner::IDC_CANCEL, ControlKind::PushButton, "Cancel"},
        {DashBoardPageDesigner::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    WS_CHILD,
    Lay::Column({
        Lay::Row({Lay::Field(DashBoardPageDesigner::IDC_NAME),
                  Lay::Field(DashBoardPageDesigner::IDC_HEADER), Lay::Stretch(),
                  Lay::Control(DashBoardPageDesigner::IDC_PICTURE)}),
        Lay::Row({Lay::Field(DashBoardPageDesigner::IDC_DASHBOARDS),
                  Lay::Control(DashBoardPageDesigner::IDC_ADD), Lay::Stretch()}),
        Lay::Row(
            {Lay::Control(DashBoardPageDesigner::IDC_PLACEMENTS),
             Lay::ButtonColumn({DashBoardPageDesigner::IDC_UP, DashBoardPageDesigner::IDC_DOWN}),
             Lay::Column({Lay::Control(DashBoardPageDesigner::IDC_SHOW_ONCE),
                          Lay::Control(DashBoardPageDesigner::IDC_USING_PROCEDURE),
                          Lay::ButtonColumn({DashBoardPageDesigner::IDC_ASSIGN_PROCEDURE,
                                             DashBoardPageDesigner::IDC_REMOVE_PROCEDURE}),
                          Lay::Control(DashBoardPageDesigner::IDC_PROCEDURE_LABEL)}),
             Lay::Stretch()}),
        Lay::Row({Lay::Control(DashBoardPageDesigner::IDC_VARIABLES),
                  Lay::Field(DashBoardPageDesigner::IDC_PAGE_VARIABLES),
                  Lay::ButtonColumn(
                      {DashBoardPageDesigner::IDC_PAIR, DashBoardPageDesigner::IDC_UNPAIR}),
                  Lay::Control(DashBoardPageDesigner::IDC_PAIRS), Lay::Stretch()}),
        Lay::Row({Lay::Control(DashBoardPageDesigner::IDC_MAP_FIELDS),
                  Lay::ButtonColumn({DashBoardPageDesigner::IDC_ASSIGN_MAP,
                                     DashBoardPageDesigner::IDC_REMOVE_MAP}),
                  Lay::Control(DashBoardPageDesigner::IDC_MAP_VARIABLES), Lay::Stretch()}),
        Lay::Buttons({DashBoardPageDesigner::IDC_OK, DashBoardPageDesigner::IDC_CANCEL,
                      DashBoardPageDesigner::IDC_HELP_BUTTON}),
    }),
    {{.list = DashBoardPageDesigner::IDC_PLACEMENTS, .deleteKey = true},
     {.list = DashBoardPageDesigner::IDC_PAIRS, .remove = DashBoardPageDesigner::IDC_UNPAIR},
     {.list = DashBoardPageDesigner::IDC_MAP_FIELDS},
     {.list = DashBoardPageDesigner::IDC_MAP_VARIABLES,
      .remove = DashBoardPageDesigner::IDC_REMOVE_MAP}},
}};
} // namespace

DashBoardPageDlg::DashBoardPageDlg()
    : CFormView(DashBoardPageDesigner::IDD), m_host(*this, nullptr),
      m_designer(
          [this](ForgeonProject& project) {
              return std::make_unique<DashBoardPageDesigner>(project, ViewEditorHost::Get(),
                                                             m_host);
          }),
      m_view(*this)
{
    RegisterDesignerPictures();
    const std::pair<int, void (DashBoardPageDesigner::*)()> buttons[] = {
        {DashBoardPageDesigner::IDC_ADD, &DashBoardPageDesigner::AddDashBoard},
        {DashBoardPageDesigner::IDC_UP, &DashBoardPageDesigner::MoveUp},
        {DashBoardPageDesigner::IDC_DOWN, &DashBoardPageDesigner::MoveDown},
        {DashBoardPageDesigner::IDC_SHOW_ONCE, &DashBoardPageDesigner::ShowOnce},
        {DashBoardPageDesigner::IDC_USING_PROCEDURE, &DashBoardPageDesigner::UsingProcedure},
        {DashBoardPageDesigner::IDC_ASSIGN_PROCEDURE, &DashBoardPageDesigner::AssignProcedure},
        {DashBoardPageDesigner::IDC_REMOVE_PROCEDURE, &DashBoardPageDesigner::RemoveProcedure},
        {DashBoardPageDesigner::IDC_VARIABLES, &DashBoardPageDesigner::EditVariables},
        {DashBoardPageDesigner::IDC_PAIR, &DashBoardPageDesigner::Pair},
        {DashBoardPageDesigner::IDC_UNPAIR, &DashBoardPageDesigner::Unpair},
        {DashBoardPageDesigner::IDC_ASSIGN_MAP, &DashBoardPageDesigner::AssignMap},
        {DashBoardPageDesigner::IDC_REMOVE_MAP, &DashBoardPageDesigner::RemoveMap},
        {DashBoardPageDesigner::IDC_OK, &DashBoardPageDesigner::Ok},
        {DashBoardPageDesigner::IDC_CANCEL, &DashBoardPageDesigner::Cancel},
    };
    for (const auto& [id, command] : buttons)
        MapControlRange(BN_CLICKED, id, id, [this, command = command] { Run(command); });
    MapControl(BN_CLICKED, DashBoardPageDesigner::IDC_HELP_BUTTON, &DashBoardPageDlg::OnHelp);
    MapRowSelection(DashBoardPageDesigner::IDC_PLACEMENTS, &DashBoardPageDlg::OnPlacementSelected);
}

DashBoardPageDlg::~DashBoardPageDlg() = default;

DashBoardPageDesigner* DashBoardPageDlg::GetDesigner()
{
    return m_designer.Get();
}

void DashBoardPageDlg::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    if (m_placements.GetSafeHwnd() == nullptr)
    {
        const std::pair<CCellListCtrl*, int> lists[] = {
            {&m_placements, DashBoardPageDesigner::IDC_PLACEMENTS},
            {&m_pairs, DashBoardPageDesigner::IDC_PAIRS},
            {&m_mapVariables, DashBoardPageDesigner::IDC_MAP_VARIABLES},
            {&m_mapFields, DashBoardPageDesigner::IDC_MAP_FIELDS}};
        for (const auto& [list, id] : lists)
            list->SubclassDlgItem(id, this);
        SetListColumns(m_placements, DashBoardPageDesigner::PlacementColumns());
        SetListColumns(m_pairs, DashBoardPageDesigner::PairColumns());
        SetListColumns(m_mapVariables, DashBoardPageDesigner::MapVariableColumns());
        SetListColumns(m_mapFields, DashBoardPageDesigner::MapFieldColumns());
        m_picture.SubclassDlgItem(DashBoardPageDesigner::IDC_PICTURE, this);
        m_picture.SetBitmap(DashBoardPageDesigner::IDB_PICTURE);
    }
    if (!m_toolTipsCreated)
    {
        m_toolTips.Create(this);
        AddToolTips(m_toolTips, *this, DashBoardPageDesigner::ToolTips());
        m_toolTipsCreated = true;
    }
    if (DashBoardPageDesigner* designer = GetDesigner();
        designer != nullptr && designer->GetPage() == nullptr)
        LoadDashBoardPage(nullptr);
}

void DashBoardPageDlg::LoadDashBoardPage(DashBoardPage* page)
{
    if (DashBoardPageDesigner* designer = GetDesigner())
    {
        designer->LoadDashBoardPage(page);
        Show();
    }
}

void DashBoardPageDlg::ForgetDashBoardPage(DashBoardPage* page)
{
    if (DashBoardPageDesigner* designer = GetDesigner())
    {
        designer->ForgetDashBoardPage(page);
        Show();
    }
}

void DashBoardPageDlg::ClearPage()
{
    if (m_designer.Current() == nullptr)
        return;
    m_designer.Current()->ClearPage();
    Show();
}

void DashBoardPageDlg::ReloadPage()
{
    if (DashBoardPageDesigner* designer = GetDesigner())
    {
        designer->ReloadPage();
        Show();
    }
}

BOOL DashBoardPageDlg::PreTranslateMessage(MSG* msg)
{
    if (IsDeleteKeyFor(*msg, m_placements))
    {
        Run(&DashBoardPageDesigner::RemovePlacement);
        return TRUE;
    }
    return CFormView::PreTranslateMessage(msg);
}

void DashBoardPageDlg::ReadControls()
{
    DashBoardPageDesigner* designer = m_designer.Current();
    m_view.ReadTexts(designer->States(),
                     {DashBoardPageDesigner::IDC_NAME, DashBoardPageDesigner::IDC_HEADER});
    for (int id :
         {DashBoardPageDesigner::IDC_DASHBOARDS, DashBoardPageDesigner::IDC_PAGE_VARIABLES})
    {
        if (const auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(id)))
            designer->States().Select(id, combo->GetCurSel());
    }
    designer->SelectPair(m_pairs.GetCurSel());
    designer->SelectMapVariable(m_mapVariables.GetCurSel());
    designer->SelectMapField(m_mapFields.GetCurSel());
}

void DashBoardPageDlg::Run(void (DashBoardPageDesigner::*command)())
{
    if (GetDesigner() == nullptr)
        return;
    ReadControls();
    (m_designer.Current()->*command)();
    Show();
}

void DashBoardPageDlg::Show()
{
    DashBoardPageDesigner* designer = m_designer.Current();
    if (designer == nullptr || m_placements.GetSafeHwnd() == nullptr)
        return;
    ShowListRows(m_placements, designer->GetPlacementRows());
    ShowListRows(m_pairs, designer->GetPairRows());
    ShowListRows(m_mapVariables, designer->GetMapVariableRows());
    ShowListRows(m_mapFields, designer->GetMapFieldRows());
    if (designer->GetSelectedPlacement() >= 0)
        m_placements.SetItemState(designer->GetSelectedPlacement(), LVIS_SELECTED, LVIS_SELECTED);
    m_view.Show(designer->States());
}

void DashBoardPageDlg::OnPlacementSelected(int row)
{
    if (GetDesigner() == nullptr)
        return;
    ReadControls();
    m_designer.Current()->SelectPlacement(row);
    Show();
}

void DashBoardPageDlg::OnHelp()
{
    ShowContextHelp(this, DashBoardPageDesigner::HelpContext);
}
