#pragma once

#include "designers/GroupListDlg.h"
#include "designers/logic/ReportColumnEditor.h"

// "Columns for :" over a ReportColumnEditor.
class ReportColumnDlg : public GroupListDlg
{
public:
    static constexpr UINT IDD = ReportColumnEditor::IDD;

    ReportColumnDlg(ReportGroup& group, ForgeonProject& project, CWnd* parent = nullptr);

private:
    ReportColumnEditor m_editor;
};
