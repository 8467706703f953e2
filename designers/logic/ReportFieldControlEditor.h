#pragma once

#include "editors/logic/ControlStates.h"

#include <vector>

class ForgeonProject;
class ReportDialogsHost;
class ReportField;
class ReportFieldControlProperty;
class ReportGroup;
class Variable;

// "Report Field Control Property Dlg": the control behind a report column and, for a button,
// the procedure it calls with the bindings of that procedure's parameters. Changes are made at
// once; Cancel deletes only a property that the dialog made.
class ReportFieldControlEditor
{
public:
    static constexpr UINT IDD = 227;
    static constexpr int IDC_ASSIGN = 1103;
    static constexpr int IDC_REMOVE = 1104;
    static constexpr int IDC_ASSIGN_PROCEDURE = 1312;
    static constexpr int IDC_PARAMETERS = 1377;
    static constexpr int IDC_ASSIGN_CONTROL = 1510;
    static constexpr int IDC_SOURCES = 1512;
    static constexpr int IDC_SOURCE_KIND = 1513;
    static constexpr int IDC_PROCEDURE_NAME = 1514;

    // Positions in the source-kind combo.
    enum SourceKind
    {
        ReportVariables,
        HiddenControls,
        ProcedureFields,
    };

    ReportFieldControlEditor(ReportGroup& group, ReportField& column, ForgeonProject& project,
                             ReportDialogsHost& host);

    static std::vector<ListColumn> ParameterHeadings();
    static std::vector<ListColumn> SourceHeadings();
    ControlStates& States() { return m_states; }
    const std::vector<ListRow>& GetParameterRows() const { return m_parameterRows; }
    const std::vector<ListRow>& GetSourceRows() const { return m_sourceRows; }
    ReportFieldControlProperty* GetProperty() const { return m_property; }

    void Open();
    void AssignControl();
    void AssignProcedure();
    void ChooseSourceKind(int index);
    void SelectParameter(int row) { m_selectedParameter = row; }
    void SelectSource(int row) { m_selectedSource = row; }
    void Assign();
    void Remove();
    // False, with the message, while the dialog must stay open.
    bool Ok();
    void Cancel();

private:
    bool IsButton() const;
    void Refresh();
    void FillSources();
    std::vector<Variable*> Parameters() const;

    ReportGroup& m_group;
    ReportField& m_column;
    ForgeonProject& m_project;
    ReportDialogsHost& m_host;
    ReportFieldControlProperty* m_property = nullptr;
    bool m_created = false;
    ControlStates m_states;
    std::vector<ListRow> m_parameterRows;
    std::vector<ListRow> m_sourceRows;
    int m_selectedParameter = -1;
    int m_selectedSource = -1;
};
