#pragma once

#include "editors/logic/ControlStates.h"

#include <vector>

class ForgeonProject;
class RDLCDesignerHost;
class RDLCReport;
class TableAdapter;

// The RDLC report designer: the report's name, header and layout, its report definition from
// the generated web project, the table adapters that definition's data sets use and the map of
// their parameters. A new report belongs to the designer until OK stores it into the current
// module.
class RDLCReportDesigner
{
public:
    static constexpr UINT IDD = 261;
    static constexpr int IDC_REFERENCE_FIELDS = 1039;
    static constexpr int IDC_FORM_CONTROLS = 1048;
    static constexpr int IDC_SET_RDLC = 1526;
    static constexpr int IDC_NAME = 1535;
    static constexpr int IDC_ADD_ADAPTER = 1663;
    static constexpr int IDC_CLEAR = 1692;
    static constexpr int IDC_OK = 1693;
    static constexpr int IDC_RDLC_NAME = 1703;
    static constexpr int IDC_MAP = 1712;
    static constexpr int IDC_SYNCHRONIZE = 1717;
    static constexpr int IDC_LINK_CONTROLS = 1718;
    static constexpr int IDC_REBUILD = 1719;
    static constexpr int IDC_REMOVE_ADAPTER = 1724;
    static constexpr int IDC_HEADER = 1725;
    static constexpr int IDC_RDLC = 1727;
    static constexpr int IDC_ADAPTERS = 1728;
    static constexpr int IDC_SINGLE_COLUMN = 1734;
    static constexpr int IDC_CANCEL = 1735;
    static constexpr int IDC_TWO_COLUMNS = 1736;
    static constexpr int IDC_HELP_BUTTON = 1742;
    static constexpr int IDC_ASSIGN = 1784;
    static constexpr int IDC_REMOVE = 1785;
    static constexpr int IDC_REMOVE_MAP = 1787;
    static constexpr int IDC_MAP_PARAMETERS = 1788;

    RDLCReportDesigner(ForgeonProject& project, RDLCDesignerHost& host);
    ~RDLCReportDesigner();
    RDLCReportDesigner(const RDLCReportDesigner&) = delete;
    RDLCReportDesigner& operator=(const RDLCReportDesigner&) = delete;

    static std::vector<ListColumn> AdapterHeadings();
    ControlStates& States() { return m_states; }
    const std::vector<ListRow>& GetAdapterRows() const { return m_adapterRows; }
    const std::vector<TableAdapter*>& GetAdapters() const { return m_adapters; }
    RDLCReport* GetReport() const { return m_report; }
    bool IsNew() const { return m_isNew; }

    // Shows the report; null starts a new one.
    void Load(RDLCReport* report);
    // The report went away elsewhere: it is let go of, not deleted, and a new one is started.
    void ForgetReport(RDLCReport* report);
    // Deletes a new report never stored and empties the controls.
    void ClearPage();

    // Kill focus of the name and header edits: their texts are read from the states.
    void LeaveName();
    void LeaveHeader();
    void SingleColumn() { SetColumnCount(1); }
    void TwoColumns() { SetColumnCount(2); }
    void AssignRDLC();
    void RemoveRDLC();
    void Rebuild();
    void FormControls();
    void ReferenceFields();
    void LinkControls();
    void SelectAdapter(int row) { m_selectedAdapter = row; }
    void MapParameters();
    void Ok();
    void Cancel();

private:
    void SetColumnCount(int count);
    void ReadProjectFile();
    void CollectAdapters();
    void ShowReport();
    void ShowState();
    bool IsNameUsedByAnotherReport(const CString& name) const;

    ForgeonProject& m_project;
    RDLCDesignerHost& m_host;
    RDLCReport* m_report = nullptr;
    bool m_isNew = false;
    CString m_name;
    CString m_header;
    std::vector<TableAdapter*> m_adapters;
    int m_selectedAdapter = -1;
    ControlStates m_states;
    std::vector<ListRow> m_adapterRows;
};
