#include "designers/DashBoardPageDlg.h"

#include "designers/DesignerPictures.h"
#include "editors/ContextHelp.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"

IMPLEMENT_DYNCREATE(DashBoardPageDlg, CFormView)

namespace
{
using P = DashBoardPageDesigner;

const DialogTemplateRegistration dashBoardPageTemplate{{
    P::IDD,
    "",
    {
        {0, ControlKind::Static, "Name"},
        {P::IDC_NAME, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Header"},
        {P::IDC_HEADER, ControlKind::Edit, ""},
        {P::IDC_PICTURE, ControlKind::Picture, "", false, false, 0, 0, P::IDB_PICTURE},
        {0, ControlKind::Static, "Dashboard"},
        {P::IDC_DASHBOARDS, ControlKind::ComboBox, ""},
        {P::IDC_ADD, ControlKind::PushButton, "Add"},
        {P::IDC_PLACEMENTS, ControlKind::ListCtrl, "", false, false, 220, 120},
        {P::IDC_UP, ControlKind::PushButton, "Up"},
        {P::IDC_DOWN, ControlKind::PushButton, "Down"},
        {P::IDC_SHOW_ONCE, ControlKind::RadioButton, "Show once"},
        {P::IDC_USING_PROCEDURE, ControlKind::RadioButton, "Using Procedure"},
        {P::IDC_ASSIGN_PROCEDURE, ControlKind::PushButton, "Assign Procedure"},
        {P::IDC_REMOVE_PROCEDURE, ControlKind::PushButton, "Remove Procedure"},
        {P::IDC_PROCEDURE_LABEL, ControlKind::Static, "", false, false, 240},
        {P::IDC_VARIABLES, ControlKind::PushButton, "Variables"},
        {0, ControlKind::Static, "Page Variable"},
        {P::IDC_PAGE_VARIABLES, ControlKind::ComboBox, ""},
        {P::IDC_PAIR, ControlKind::PushButton, ">"},
        {P::IDC_UNPAIR, ControlKind::PushButton, "<"},
        {P::IDC_PAIRS, ControlKind::ListCtrl, "", false, false, 260, 110},
        {P::IDC_MAP_FIELDS, ControlKind::ListCtrl, "", false, false, 180, 110},
        {P::IDC_ASSIGN_MAP, ControlKind::PushButton, "Assign"},
        {P::IDC_REMOVE_MAP, ControlKind::PushButton, "Remove"},
        {P::IDC_MAP_VARIABLES, ControlKind::ListCtrl, "", false, false, 260, 110},
        {P::IDC_OK, ControlKind::PushButton, "OK"},
        {P::IDC_CANCEL, ControlKind::PushButton, "Cancel"},
        {P::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    WS_CHILD,
    Lay::Column({
        Lay::Row({Lay::Field(P::IDC_NAME), Lay::Field(P::IDC_HEADER), Lay::Stretch(),
                  Lay::Control(P::IDC_PICTURE)}),
        Lay::Row({Lay::Field(P::IDC_DASHBOARDS), Lay::Control(P::IDC_ADD), Lay::Stretch()}),
        Lay::Row(
            {Lay::Control(P::IDC_PLACEMENTS), Lay::ButtonColumn({P::IDC_UP, P::IDC_DOWN}),
             Lay::Column({Lay::Control(P::IDC_SHOW_ONCE), Lay::Control(P::IDC_USING_PROCEDURE),
                          Lay::ButtonColumn({P::IDC_ASSIGN_PROCEDURE, P::IDC_REMOVE_PROCEDURE}),
                          Lay::Control(P::IDC_PROCEDURE_LABEL)}),
             Lay::Stretch()}),
        Lay::Row({Lay::Control(P::IDC_VARIABLES), Lay::Field(P::IDC_PAGE_VARIABLES),
                  Lay::ButtonColumn({P::IDC_PAIR, P::IDC_UNPAIR}), Lay::Control(P::IDC_PAIRS),
                  Lay::Stretch()}),
        Lay::Row({Lay::Control(P::IDC_MAP_FIELDS),
                  Lay::ButtonColumn({P::IDC_ASSIGN_MAP, P::IDC_REMOVE_MAP}),
                  Lay::Control(P::IDC_MAP_VARIABLES), Lay::Stretch()}),
        Lay::Buttons({P::IDC_OK, P::IDC_CANCEL, P::IDC_HELP_BUTTON}),
    }),
}};
} // namespace

DashBoardPageDlg::DashBoardPageDlg()
    : CFormView(P::IDD), m_host(*this, nullptr),
      m_designer([this](ForgeonProject& project)
                 { return std::make_unique<P>(project, ViewEditorHost::Get(), m_host); }),
      m_view(*this)
{
    RegisterDesignerPictures();
    const std::pair<int, void (P::*)()> buttons[] = {
        {P::IDC_ADD, &P::AddDashBoard},
        {P::IDC_UP, &P::MoveUp},
        {P::IDC_DOWN, &P::MoveDown},
        {P::IDC_SHOW_ONCE, &P::ShowOnce},
        {P::IDC_USING_PROCEDURE, &P::UsingProcedure},
        {P::IDC_ASSIGN_PROCEDURE, &P::AssignProcedure},
        {P::IDC_REMOVE_PROCEDURE, &P::RemoveProcedure},
        {P::IDC_VARIABLES, &P::EditVariables},
        {P::IDC_PAIR, &P::Pair},
        {P::IDC_UNPAIR, &P::Unpair},
        {P::IDC_ASSIGN_MAP, &P::AssignMap},
        {P::IDC_REMOVE_MAP, &P::RemoveMap},
        {P::IDC_OK, &P::Ok},
        {P::IDC_CANCEL, &P::Cancel},
    };
    for (const auto& [id, command] : buttons)
        MapControlRange(BN_CLICKED, id, id, [this, command = command] { Run(command); });
    MapControl(BN_CLICKED, P::IDC_HELP_BUTTON, &DashBoardPageDlg::OnHelp);
    MapNotify(NM_DBLCLK, P::IDC_PLACEMENTS, &DashBoardPageDlg::OnPlacementDoubleClick);
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
        const std::pair<CCellListCtrl*, int> lists[] = {{&m_placements, P::IDC_PLACEMENTS},
                                                        {&m_pairs, P::IDC_PAIRS},
                                                        {&m_mapVariables, P::IDC_MAP_VARIABLES},
                                                        {&m_mapFields, P::IDC_MAP_FIELDS}};
        for (const auto& [list, id] : lists)
            list->SubclassDlgItem(id, this);
        SetListColumns(m_placements, P::PlacementColumns());
        SetListColumns(m_pairs, P::PairColumns());
        SetListColumns(m_mapVariables, P::MapVariableColumns());
        SetListColumns(m_mapFields, P::MapFieldColumns());
        m_picture.SubclassDlgItem(P::IDC_PICTURE, this);
        m_picture.SetBitmap(P::IDB_PICTURE);
    }
    if (!m_toolTipsCreated)
    {
        m_toolTips.Create(this);
        AddToolTips(m_toolTips, *this, P::ToolTips());
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
    if (m_toolTips.GetSafeHwnd() != nullptr)
        m_toolTips.RelayEvent(msg);
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
    m_view.ReadTexts(designer->States(), {P::IDC_NAME, P::IDC_HEADER});
    for (int id : {P::IDC_DASHBOARDS, P::IDC_PAGE_VARIABLES})
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

void DashBoardPageDlg::OnPlacementDoubleClick(NMHDR* header, LRESULT* result)
{
    *result = 0;
    if (GetDesigner() == nullptr)
        return;
    ReadControls();
    m_designer.Current()->SelectPlacement(reinterpret_cast<NMITEMACTIVATE*>(header)->iItem);
    Show();
}

void DashBoardPageDlg::OnHelp()
{
    ShowContextHelp(this, P::HelpContext);
}
