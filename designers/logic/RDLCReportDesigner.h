#pragma once

#include "editors/logic/PaneEditor.h"

#include <vector>

class ForgeonProject;
class RDLCDesignerHost;
class RDLCReport;
struct RDLCDataSetEntry;
class TableAdapter;

// The RDLC report designer: the report's name, header and layout, its report definition from
// the generated web project, the table adapters that definition's data sets use and the map of
// their parameters. A new report belongs to the designer until OK stores it into the current
// module.
class RDLCReportDesigner : public PaneEditor
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
    std::vector<int> ItemBoxes() const override { return {IDC_NAME, IDC_HEADER}; }
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

    // The commands of the controls the template keeps hidden, on the selections below.
    // "Synchronize": the web project file read again into the RDLC combo.
    void Synchronize();
    // "Set RDLC": the combo's RDLC becomes the report's, unless maps exist or another report
    // uses it.
    void SetRDLC();
    // The data set entry of the report's RDLC, the selected adapter's query parameter and the
    // report control whose field a parameter is mapped to; -1 for none.
    void SelectEntry(int index) { m_selectedEntry = index; }
    void SelectParameter(int index) { m_selectedParameter = index; }
    void SelectFormField(int index) { m_selectedFormField = index; }
    // ">": the adapter of the selected entry joins the selected adapters.
    void AddAdapter();
    // "<" and the hidden "Remove": the selected adapter leaves them, refused while mapped.
    void RemoveAdapter();
    // "v": the selected parameter of the selected adapter mapped onto the selected form field.
    void MapParameter();
    // The map rows: adapter, parameter and field name of every pair of the report.
    const std::vector<ListRow>& GetMapRows() const { return m_mapRows; }
    void Ok();
    void Cancel();

private:
    bool HoldsItem() const override { return m_report != nullptr; }
    bool IsNewItem() const override { return m_isNew; }
    const char* ItemKind() const override { return "report"; }
    CString ItemName() const override;
    std::vector<CString> NewItemContent() const override;
    // The boxes taken as when they lose the focus, then OK.
    void StoreItem() override;
    void ReloadItem() override { Load(m_isNew ? nullptr : m_report); }

    void SetColumnCount(int count);
    void ReadProjectFile();
    void CollectAdapters();
    void ShowReport();
    void ShowState();
    void FillMaps();
    // The adapter of the RDLC entry's data set, or null.
    TableAdapter* FindEntryAdapter(const RDLCDataSetEntry& entry) const;

    ForgeonProject& m_project;
    RDLCDesignerHost& m_host;
    RDLCReport* m_report = nullptr;
    bool m_isNew = false;
    CString m_name;
    CString m_header;
    std::vector<TableAdapter*> m_adapters;
    int m_selectedAdapter = -1;
    int m_selectedEntry = -1;
    int m_selectedParameter = -1;
    int m_selectedFormField = -1;
    std::vector<ListRow> m_mapRows;
    ControlStates m_states;
    std::vector<ListRow> m_adapterRows;
};
