#include "designers/RDLCParamMapDlg.h"

#include "editors/ControlStatesView.h"
#include "platform/ui/DialogTemplate.h"

namespace
{
using M = RDLCParamMapper;

const DialogTemplateRegistration paramMapTemplate{{
    M::IDD,
    "Map parameters",
    {
        {M::IDC_FILTERS, ControlKind::ListCtrl, "", false, false, 200, 160},
        {M::IDC_PARAMETERS, ControlKind::ListCtrl, "", false, false, 200, 160},
        {M::IDC_ASSIGN, ControlKind::PushButton, "Assign"},
        {M::IDC_REMOVE, ControlKind::PushButton, "Remove"},
        {M::IDC_MAPS, ControlKind::ListCtrl, "", false, false, 420, 160},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {M::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    0,
    Lay::Column({
        Lay::Row({Lay::Control(M::IDC_FILTERS), Lay::Control(M::IDC_PARAMETERS)}),
        Lay::Buttons({M::IDC_ASSIGN, M::IDC_REMOVE}),
        Lay::Control(M::IDC_MAPS),
        Lay::Buttons({IDOK, M::IDC_HELP_BUTTON}),
    }),
}};
} // namespace

RDLCParamMapDlg::RDLCParamMapDlg(RDLCReport& report, TableAdapter& adapter, CWnd* parent)
    : CDialog(IDD, parent), m_mapper(report, adapter)
{
    MapControl(BN_CLICKED, M::IDC_ASSIGN, &RDLCParamMapDlg::OnAssign);
    MapControl(BN_CLICKED, M::IDC_REMOVE, &RDLCParamMapDlg::OnRemove);
}

BOOL RDLCParamMapDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_filters.SubclassDlgItem(M::IDC_FILTERS, this);
    m_parameters.SubclassDlgItem(M::IDC_PARAMETERS, this);
    m_maps.SubclassDlgItem(M::IDC_MAPS, this);
    SetListColumns(m_filters, M::FilterHeadings());
    SetListColumns(m_parameters, M::ParameterHeadings());
    SetListColumns(m_maps, M::MapHeadings());
    m_mapper.Open();
    ShowListRows(m_filters, m_mapper.GetFilterRows());
    ShowListRows(m_parameters, m_mapper.GetParameterRows());
    ShowMaps();
    return TRUE;
}

void RDLCParamMapDlg::OnAssign()
{
    const int parameter = m_parameters.GetCurSel();
    m_mapper.SelectFilter(m_filters.GetCurSel());
    m_mapper.Assign(parameter >= 0 ? m_parameters.GetItemText(parameter, 1) : CString());
    ShowMaps();
}

void RDLCParamMapDlg::OnRemove()
{
    m_mapper.SelectMap(m_maps.GetCurSel());
    m_mapper.Remove();
    ShowMaps();
}

void RDLCParamMapDlg::ShowMaps()
{
    ShowListRows(m_maps, m_mapper.GetMapRows());
}
