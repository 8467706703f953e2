#pragma once

#include "designers/GroupListDlg.h"
#include "designers/logic/ReportFilterEditor.h"

// "Filters for :" over a ReportFilterEditor.
class ReportFilterDlg : public GroupListDlg
{
public:
    static constexpr UINT IDD = ReportFilterEditor::IDD;

    ReportFilterDlg(ReportGroup& group, ForgeonProject& project, CWnd* parent = nullptr);

private:
    ReportFilterEditor m_editor;
};
