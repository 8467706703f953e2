#pragma once

#include "editors/logic/PaneEditor.h"

#include <vector>

class ApplicationReport;
class EditorHost;
class Field;
class FieldRep;
class ForgeonProject;
class ReportCollector;
class ReportDesignerHost;

// The report collector designer: the reports a page shows side by side, each in a frame of its
// own height and width, the number of columns, and the filters on the fields every collected
// report can filter on. A collector started here is owned by the designer until
// "Add Collector" stores it.
class ReportCollectorDesigner : public PaneEditor
{
public:
    static constexpr UINT IDD = 212;
    static constexpr UINT HelpContext = 212;

    static constexpr int IDC_ADD_REPORT = 1019;
    static constexpr int IDC_ADD_COLLECTOR = 1039;
    static constexpr int IDC_ADD_FILTER = 1040;
    static constexpr int IDC_WIDTH = 1049;
    static constexpr int IDC_NAME = 1155;
    static constexpr int IDC_FILTER_LIST = 1174;
    static constexpr int IDC_ENTRY_LIST = 1377;
    static constexpr int IDC_COMMON_FIELDS = 1379;
    static constexpr int IDC_REPORT = 1474;
    static constexpr int IDC_NUM_COLUMNS = 1475;
    static constexpr int IDC_ENTRY_NAME = 1476;
    static constexpr int IDC_HEIGHT = 1477;
    static constexpr int IDC_UPDATE = 1479;
    static constexpr int IDC_FILTERS_ON = 1482;

    ReportCollectorDesigner(ForgeonProject& project, EditorHost& host,
                            ReportDesignerHost& reportHost);
    ReportCollectorDesigner(const ReportCollectorDesigner&) = delete;
    ReportCollectorDesigner& operator=(const ReportCollectorDesigner&) = delete;
    // A collector never stored is deleted.
    ~ReportCollectorDesigner();

    static const std::vector<ListColumn>& EntryColumns();
    static const std::vector<ListColumn>& CommonFieldColumns();
    static const std::vector<ListColumn>& FilterColumns();
    static const std::vector<ToolTip>& ToolTips();
    // The controls of the candidates that every report of the collector can filter on, in the
    // order of the first report's groups and filters.
    static std::vector<FieldRep*> FindCommonFields(const ReportCollector& collector);

    ControlStates& States() { return m_states; }
    const std::vector<ListRow>& GetEntryRows() const { return m_entryRows; }
    const std::vector<ListRow>& GetCommonFieldRows() const { return m_commonRows; }
    const std::vector<ListRow>& GetFilterRows() const { return m_filterRows; }
    int GetSelectedEntry() const { return m_selectedEntry; }
    ReportCollector* GetCollector() const { return m_collector; }
    bool IsNew() const { return m_isNew; }
    bool AreFiltersOn() const { return m_filtersOn; }

    // Shows the collector; null starts a new one.
    void LoadReportCollector(ReportCollector* collector);
    // Deletes a collector still new, forgets it and empties the controls.
    void ClearPage();

    void NameLostFocus();
    void ColumnCountChanged();
    void AddReport();
    void ClickEntryRow(int row);
    void DeleteEntry();
    void Update();
    void ToggleFilters();
    void SelectCommonFieldRow(int row) { m_selectedCommon = row; }
    void AddFilter();
    void SelectFilterRow(int row) { m_selectedFilter = row; }
    void DeleteFilter();
    void AddCollector();

    std::vector<int> ItemBoxes() const override { return {IDC_NAME, IDC_NUM_COLUMNS}; }
    std::vector<int> RowBoxes() const override { return {IDC_HEIGHT, IDC_WIDTH}; }

private:
    bool HoldsItem() const override { return m_collector != nullptr; }
    bool IsNewItem() const override { return m_isNew; }
    const char* ItemKind() const override { return "report collector"; }
    CString ItemName() const override;
    std::vector<CString> NewItemContent() const override;
    void StoreItem() override { AddCollector(); }
    void ReloadItem() override { LoadReportCollector(m_isNew ? nullptr : m_collector); }
    bool TakeTypedRows() override { return TakeTypedSize(); }

    // Yes updates the selected entry's size, No shows it again; false on Cancel.
    bool TakeTypedSize();
    void RefreshEntries();
    void RefreshCommonFields();
    void RefreshFilters();
    void ResetSelection();
    // Algorithms of the filters flag: the common fields, or the flag off with the filters gone.
    void EvaluateFilters();
    // "ReportCollector" with the lowest number no collector of the project has taken.
    CString FreeDefaultName() const;

    ForgeonProject& m_project;
    EditorHost& m_host;
    ReportDesignerHost& m_reportHost;
    ReportCollector* m_collector = nullptr;
    bool m_isNew = false;
    bool m_filtersOn = false;
    int m_selectedEntry = -1;
    int m_selectedCommon = -1;
    int m_selectedFilter = -1;
    std::vector<FieldRep*> m_commonFields;
    std::vector<ApplicationReport*> m_reports;
    ControlStates m_states;
    std::vector<ListRow> m_entryRows;
    std::vector<ListRow> m_commonRows;
    std::vector<ListRow> m_filterRows;
};
