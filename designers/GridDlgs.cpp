#include "designers/GridDlgs.h"

#include "editors/ContextHelp.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/DialogTemplate.h"

namespace
{

const DialogTemplateRegistration addGridTemplate{{
    GridSizeInput::IDD,
    "Add New Grid in Dashboard",
    {
        {0, ControlKind::Static, "Num Rows"},
        {GridSizeInput::IDC_NUM_ROWS, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Num Columns"},
        {GridSizeInput::IDC_NUM_COLUMNS, ControlKind::Edit, ""},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {IDCANCEL, ControlKind::PushButton, "Cancel"},
        {GridSizeInput::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
}};

const DialogTemplateRegistration moveGridTemplate{{
    GridMover::IDD,
    "Move table",
    {
        {0, ControlKind::Static, "Move to grid"},
        {GridMover::IDC_GRIDS, ControlKind::ComboBox, ""},
        {0, ControlKind::Static, "Grid Cell"},
        {GridMover::IDC_CELLS, ControlKind::ComboBox, ""},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {IDCANCEL, ControlKind::PushButton, "Cancel"},
        {GridMover::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
}};

int ComboSelection(CWnd& dialog, int id)
{
    const auto* combo = dynamic_cast<CComboBox*>(dialog.GetDlgItem(id));
    return combo != nullptr ? combo->GetCurSel() : -1;
}
} // namespace

AddGridDlg::AddGridDlg(CWnd* parent) : ToolTipDialog(IDD, parent)
{
    MapControl(BN_CLICKED, GridSizeInput::IDC_HELP_BUTTON, &AddGridDlg::OnHelp);
}

BOOL AddGridDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_toolTips.Create(this);
    AddToolTips(m_toolTips, *this, GridSizeInput::ToolTips());
    return TRUE;
}

void AddGridDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, GridSizeInput::IDC_NUM_ROWS, m_size.rows);
    DDV_MinMaxUInt(pDX, m_size.rows, GridSizeInput::kMinRows, GridSizeInput::kMaxRows);
    DDX_Text(pDX, GridSizeInput::IDC_NUM_COLUMNS, m_size.columns);
    DDV_MinMaxUInt(pDX, m_size.columns, GridSizeInput::kMinColumns, GridSizeInput::kMaxColumns);
}

void AddGridDlg::OnHelp()
{
    ShowContextHelp(this, GridSizeInput::HelpContext);
}

MoveGridDlg::MoveGridDlg(DashBoard& page, GridCell& cell, CWnd* parent)
    : ToolTipDialog(IDD, parent), m_mover(page, cell), m_view(*this)
{
    MapControl(CBN_SELCHANGE, GridMover::IDC_GRIDS, &MoveGridDlg::OnGrid);
    MapControl(CBN_SELCHANGE, GridMover::IDC_CELLS, &MoveGridDlg::OnCell);
    MapControl(BN_CLICKED, GridMover::IDC_HELP_BUTTON, &MoveGridDlg::OnHelp);
}

BOOL MoveGridDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (const CString title = m_mover.GetTitle(); !title.IsEmpty())
        SetWindowText(title);
    m_mover.Open();
    m_view.Show(m_mover.States());
    m_toolTips.Create(this);
    AddToolTips(m_toolTips, *this, GridMover::ToolTips());
    return TRUE;
}

void MoveGridDlg::OnGrid()
{
    m_mover.ChooseGrid(ComboSelection(*this, GridMover::IDC_GRIDS));
    m_view.Show(m_mover.States());
}

void MoveGridDlg::OnCell()
{
    m_mover.ChooseCell(ComboSelection(*this, GridMover::IDC_CELLS));
}

void MoveGridDlg::OnOK()
{
    m_mover.ChooseCell(ComboSelection(*this, GridMover::IDC_CELLS));
    if (m_mover.Ok())
        EndDialog(IDOK);
}

void MoveGridDlg::OnHelp()
{
    ShowContextHelp(this, GridMover::HelpContext);
}
