#include "designers/RDLCParamMapDlg.h"

#include "editors/ControlStatesView.h"
#include "platform/ui/DialogTemplate.h"

namespace
{

const DialogTemplateRegistration paramMapTemplate{{
    RDLCParamMapper::IDD,
    "Map parameters",
    {
        {RDLCParamMapper::IDC_FILTERS, ControlKind::ListCtrl, "", false, false, 200, 160},
        {RDLCParamMapper::IDC_PARAMETERS, ControlKind::ListCtrl, "", false, false, 200, 160},
        {RDLCParamMapper::IDC_ASSIGN, ControlKind::PushButton, "Assign"},
        {RDLCParamMapper::IDC_REMOVE, ControlKind::PushButton, "Remove"},
        {RDLCParamMapper::IDC_MAPS, ControlKind::ListCtrl, "", false, false, 420, 160},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {RDLCParamMapper::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    0,
    Lay::Column({
        Lay::Row({Lay::Control(RDLCParamMapper::IDC_FILTERS),
                  Lay::Control(RDLCParamMapper::IDC_PARAMETERS)}),
        Lay::Buttons({RDLCParamMapper::IDC_ASSIGN, RDLCParamMapper::IDC_REMOVE}),
        Lay::Control(RDLCParamMapper::IDC_MAPS),
        Lay::Buttons({IDOK, RDLCParamMapper::IDC_HELP_BUTTON}),
    }),
    {{.list = RDLCParamMapper::IDC_FILTERS},
     {.list = RDLCParamMapper::IDC_PARAMETERS},
     {.list = RDLCParamMapper::IDC_MAPS, .remove = RDLCParamMapper::IDC_REMOVE, .nameColumn = 1}},
}};
} // namespace

RDLCParamMapDlg::RDLCParamMapDlg(RDLCReport& report, TableAdapter& adapter, CWnd* parent)
    : CDialog(IDD, parent), m_mapper(report, adapter)
{
    MapControl(BN_CLICKED, RDLCParamMapper::IDC_ASSIGN, &RDLCParamMapDlg::OnAssign);
    MapControl(BN_CLICKED, RDLCParamMapper::IDC_REMOVE, &RDLCParamMapDlg::OnRemove);
}

BOOL RDLCParamMapDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_filters.SubclassDlgItem(RDLCParamMapper::IDC_FILTERS, this);
    m_parameters.SubclassDlgItem(RDLCParamMapper::IDC_PARAMETERS, this);
    m_maps.SubclassDlgItem(RDLCParamMapper::IDC_MAPS, this);
    SetListColumns(m_filters, RDLCParamMapper::FilterHeadings());
    SetListColumns(m_parameters, RDLCParamMapper::ParameterHeadings());
    SetListColumns(m_maps, RDLCParamMapper::MapHeadings());
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
