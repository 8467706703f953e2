#pragma once

#include "editors/logic/PaneEditor.h"

#include <vector>

class ApplicationReport;
class EditorHost;
class ForgeonProject;
class MultiPageReport;
class Variable;

// The multi-page report designer: the reports a page shows one after another, the page's own
// variables and how each report's variables map onto them, a procedure per report and the field
// representations made from its output columns. A page started here is owned by the designer
// until "Add Multi Page Report" stores it.
class MultiPageReportDesigner : public PaneEditor
{
public:
    static constexpr UINT IDD = 201;
    static constexpr UINT HelpContext = 201;

    static constexpr int IDC_REMOVE_FIELD_REP = 1039;
    static constexpr int IDC_UP = 1068;
    static constexpr int IDC_DOWN = 1069;
    static constexpr int IDC_NAME = 1434;
    static constexpr int IDC_ADD_REPORT = 1435;
    static constexpr int IDC_REPORT = 1436;
    static constexpr int IDC_SET_VARIABLES = 1437;
    static constexpr int IDC_VARIABLE_LIST = 1438;
    static constexpr int IDC_PAGE_VARIABLE = 1439;
    static constexpr int IDC_ASSIGN = 1440;
    static constexpr int IDC_REMOVE = 1441;
    static constexpr int IDC_ASSIGN_PROCEDURE = 1442;
    static constexpr int IDC_REMOVE_PROCEDURE = 1443;
    static constexpr int IDC_PAGE_LIST = 1444;
    static constexpr int IDC_ADD_MULTI_PAGE = 1445;
    static constexpr int IDC_CANCEL = 1446;
    static constexpr int IDC_ALERT_PAGE = 1447;
    static constexpr int IDC_ADD_FIELD_REP = 1464;
    static constexpr int IDC_FIELD_REP_LIST = 1467;
    static constexpr int IDC_PROCEDURE_FIELDS = 1470;

    MultiPageReportDesigner(ForgeonProject& project, EditorHost& host);
    MultiPageReportDesigner(const MultiPageReportDesigner&) = delete;
    MultiPageReportDesigner& operator=(const MultiPageReportDesigner&) = delete;
    // A page never stored is deleted.
    ~MultiPageReportDesigner();

    static const std::vector<ListColumn>& PageColumns();
    static const std::vector<ListColumn>& VariableColumns();
    static const std::vector<ListColumn>& ProcedureFieldColumns();
    static const std::vector<ListColumn>& FieldRepColumns();
    static const std::vector<ToolTip>& ToolTips();

    ControlStates& States() { return m_states; }
    std::vector<int> ItemBoxes() const override { return {IDC_NAME}; }
    const std::vector<ListRow>& GetPageRows() const { return m_pageRows; }
    const std::vector<ListRow>& GetVariableRows() const { return m_variableRows; }
    const std::vector<ListRow>& GetProcedureFieldRows() const { return m_procedureFieldRows; }
    const std::vector<ListRow>& GetFieldRepRows() const { return m_fieldRepRows; }
    int GetSelectedPage() const { return m_selectedPage; }
    int GetSelectedVariable() const { return m_selectedVariable; }
    MultiPageReport* GetPage() const { return m_page; }
    ApplicationReport* GetCurrentReport() const { return m_currentReport; }
    bool IsNew() const { return m_isNew; }
    // The "Alert Page" checkbox as last read; the model does not keep it.
    bool IsAlertPage() const { return m_states.IsChecked(IDC_ALERT_PAGE); }

    // Shows the page; null starts a new one.
    void LoadReport(MultiPageReport* page);
    // Deletes a page still new, forgets the page and empties the controls.
    void ClearPage();

    void AddReport();
    void SetVariables();
    void ClickPageRow(int row);
    void SelectVariableRow(int row) { m_selectedVariable = row; }
    void SelectProcedureFieldRow(int row) { m_selectedProcedureField = row; }
    void SelectFieldRepRow(int row) { m_selectedFieldRep = row; }
    void Assign();
    void Remove();
    void AssignProcedure();
    void RemoveProcedure();
    void MoveUp() { Move(-1); }
    void MoveDown() { Move(1); }
    void AddFieldRepresentation();
    void RemoveFieldRepresentation();
    void AddMultiPageReport();
    void Cancel();
    void ToggleAlertPage() { m_states.SetCheck(IDC_ALERT_PAGE, !IsAlertPage()); }

private:
    bool HoldsItem() const override { return m_page != nullptr; }
    bool IsNewItem() const override { return m_isNew; }
    const char* ItemKind() const override { return "multi-page report"; }
    CString ItemName() const override;
    std::vector<CString> NewItemContent() const override;
    void StoreItem() override { AddMultiPageReport(); }
    void ReloadItem() override { LoadReport(m_isNew ? nullptr : m_page); }

    void RefreshReports();
    void RefreshPageVariables();
    void RefreshPages();
    void RefreshVariables();
    void RefreshProcedureFields();
    void RefreshFieldReps();
    void Move(int step);
    // The selected page's report; null without one.
    ApplicationReport* SelectedReport() const;
    Variable* SelectedReportVariable() const;

    ForgeonProject& m_project;
    EditorHost& m_host;
    MultiPageReport* m_page = nullptr;
    bool m_isNew = false;
    ApplicationReport* m_currentReport = nullptr;
    std::vector<ApplicationReport*> m_reports;
    std::vector<Variable*> m_pageVariables;
    std::vector<Variable*> m_reportVariables;
    ControlStates m_states;
    std::vector<ListRow> m_pageRows;
    std::vector<ListRow> m_variableRows;
    std::vector<ListRow> m_procedureFieldRows;
    std::vector<ListRow> m_fieldRepRows;
    int m_selectedPage = -1;
    int m_selectedVariable = -1;
    int m_selectedProcedureField = -1;
    int m_selectedFieldRep = -1;
};
