#pragma once

#include "controls/ToolTipDialog.h"
#include "designers/logic/GridDialogs.h"
#include "editors/ControlStatesView.h"
#include "platform/ui/Dialog.h"

// "Add New Grid in Dashboard": rows 1 to 10 and columns 1 to 6, read by the caller after OK.
class AddGridDlg : public ToolTipDialog
{
public:
    static constexpr UINT IDD = GridSizeInput::IDD;

    explicit AddGridDlg(CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    const GridSizeInput& GetSize() const { return m_size; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnHelp();

    GridSizeInput m_size;
};

// "Move table: " over a GridMover.
class MoveGridDlg : public ToolTipDialog
{
public:
    static constexpr UINT IDD = GridMover::IDD;

    MoveGridDlg(DashBoard& page, GridCell& cell, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;
    GridMover& Mover() { return m_mover; }

private:
    void OnGrid();
    void OnCell();
    void OnHelp();

    GridMover m_mover;
    ControlStatesView m_view;
};
