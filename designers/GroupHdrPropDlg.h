#pragma once

#include "designers/logic/GroupHeaderEditor.h"
#include "editors/ControlStatesView.h"
#include "platform/ui/Dialog.h"

// "Group Header Properties..." over a GroupHeaderEditor; after OK the caller reads the choice.
class GroupHdrPropDlg : public CDialog
{
public:
    static constexpr UINT IDD = GroupHeaderEditor::IDD;

    explicit GroupHdrPropDlg(const ReportGroup& group, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    const GroupHeaderEditor& Editor() const { return m_editor; }

protected:
    void OnOK() override;

private:
    GroupHeaderEditor m_editor;
    ControlStatesView m_view;
};
