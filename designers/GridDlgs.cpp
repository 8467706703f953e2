#include "designers/GridDlgs.h"

#include "editors/ContextHelp.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/DialogTemplate.h"

namespace
{
using S = GridSizeInput;
using M = GridMover;

const DialogTemplateRegistration addGridTemplate{{
    S::IDD,
    "Add New Grid in Dashboard",
    {
        {0, ControlKind::Static, "Num Rows"},
        {S::IDC_NUM_ROWS, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Num Columns"},
        {S::IDC_NUM_COLUMNS, ControlKind::Edit, ""},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {IDCANCEL, ControlKind::PushButton, "Cancel"},
        {S::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
}};

const DialogTemplateRegistration moveGridTemplate{{
    M::IDD,
    "Move table",
    {
        {0, ControlKind::Static, "Move to grid"},
        {M::IDC_GRIDS, ControlKind::ComboBox, ""},
        {0, ControlKind::Static, "Grid Cell"},
        {M::IDC_CELLS, ControlKind::ComboBox, ""},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {IDCANCEL, ControlKind::PushButton, "Cancel"},
        {M::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
}};

int ComboSelection(CWnd& dialog, int id)
{
    const auto* combo = dynamic_cast<CComboBox*>(dialog.GetDlgItem(id));
    return combo != nullptr ? combo->GetCurSel() : -1;
}
} // namespace

AddGridDlg::AddGridDlg(CWnd* parent) : CDialog(IDD, parent)
{
    MapControl(BN_CLICKED, S::IDC_HELP_BUTTON, &AddGridDlg::OnHelp);
}

BOOL AddGridDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_toolTips.Create(this);
    AddToolTips(m_toolTips, *this, S::ToolTips());
    return TRUE;
}

void AddGridDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, S::IDC_NUM_ROWS, m_size.rows);
    DDV_MinMaxUInt(pDX, m_size.rows, S::kMinRows, S::kMaxRows);
    DDX_Text(pDX, S::IDC_NUM_COLUMNS, m_size.columns);
    DDV_MinMaxUInt(pDX, m_size.columns, S::kMinColumns, S::kMaxColumns);
}

void AddGridDlg::OnHelp()
{
    ShowContextHelp(this, S::HelpContext);
}

MoveGridDlg::MoveGridDlg(DashBoard& page, GridCell& cell, CWnd* parent)
    : CDialog(IDD, parent), m_mover(page, cell), m_view(*this)
{
    MapControl(CBN_SELCHANGE, M::IDC_GRIDS, &MoveGridDlg::OnGrid);
    MapControl(CBN_SELCHANGE, M::IDC_CELLS, &MoveGridDlg::OnCell);
    MapControl(BN_CLICKED, M::IDC_HELP_BUTTON, &MoveGridDlg::OnHelp);
}

BOOL MoveGridDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (const CString title = m_mover.GetTitle(); !title.IsEmpty())
        SetWindowText(title);
    m_mover.Open();
    m_view.Show(m_mover.States());
    m_toolTips.Create(this);
    AddToolTips(m_toolTips, *this, M::ToolTips());
    return TRUE;
}

void MoveGridDlg::OnGrid()
{
    m_mover.ChooseGrid(ComboSelection(*this, M::IDC_GRIDS));
    m_view.Show(m_mover.States());
}

void MoveGridDlg::OnCell()
{
    m_mover.ChooseCell(ComboSelection(*this, M::IDC_CELLS));
}

void MoveGridDlg::OnOK()
{
    m_mover.ChooseCell(ComboSelection(*this, M::IDC_CELLS));
    if (m_mover.Ok())
        EndDialog(IDOK);
}

void MoveGridDlg::OnHelp()
{
    ShowContextHelp(this, M::HelpContext);
}
