#pragma once

#include "editors/logic/ControlStates.h"

class ForgeonProject;
class RDLCReport;

// "Select RDLC for": the report definitions that the generated web project lists; "Assign" sets
// the report's definition at once.
class RDLCAssigner
{
public:
    static constexpr UINT IDD = 306;
    static constexpr int IDC_ASSIGN = 1526;
    static constexpr int IDC_HELP_BUTTON = 1740;
    static constexpr int IDC_RDLC_NAME = 1783;
    static constexpr int IDC_RDLC = 1789;

    RDLCAssigner(RDLCReport& report, ForgeonProject& project);

    CString GetCaption() const;
    ControlStates& States() { return m_states; }
    // Reads the web project file and lists its definitions; none when it cannot be read.
    void Open();
    void ChooseRDLC(int index) { m_states.Select(IDC_RDLC, index); }
    void Assign();

private:
    void ShowAssigned();

    RDLCReport& m_report;
    ForgeonProject& m_project;
    bool m_read = false;
    ControlStates m_states;
};
