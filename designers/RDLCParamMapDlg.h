#pragma once

#include "controls/CellListCtrl.h"
#include "designers/logic/RDLCParamMapper.h"
#include "platform/ui/Dialog.h"

// The parameter map of one table adapter of an RDLC report, over an RDLCParamMapper.
class RDLCParamMapDlg : public CDialog
{
public:
    static constexpr UINT IDD = RDLCParamMapper::IDD;

    RDLCParamMapDlg(RDLCReport& report, TableAdapter& adapter, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;

private:
    void OnAssign();
    void OnRemove();
    void ShowMaps();

    RDLCParamMapper m_mapper;
    CCellListCtrl m_filters;
    CCellListCtrl m_parameters;
    CCellListCtrl m_maps;
};
