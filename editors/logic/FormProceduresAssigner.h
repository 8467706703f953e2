#pragma once

#include "editors/logic/ControlStates.h"

#include <vector>

class EditorHost;
class ForgeonProject;
class FormInterface;
class Table;

// "Procedures for Forms": the uniqueness, record update, record delete and control default
// value procedures of one table of a page, each assigned through the procedure assignment.
class FormProceduresAssigner
{
public:
    static constexpr UINT IDD = 222;
    static constexpr int IDC_ASSIGN = 1103;
    static constexpr int IDC_REMOVE = 1104;
    static constexpr int IDC_UNIQUENESS = 1310;
    static constexpr int IDC_UPDATE = 1311;
    static constexpr int IDC_DELETE = 1314;
    static constexpr int IDC_TYPE = 1507;
    static constexpr int IDC_DEFAULT_VALUE = 1518;

    FormProceduresAssigner(ForgeonProject& project, EditorHost& host, FormInterface* page,
                           Table* table);

    ControlStates& States() { return m_states; }

    void Open();
    void Assign();
    void Remove();

private:
    void RefreshStatics();

    ForgeonProject& m_project;
    EditorHost& m_host;
    FormInterface* m_page;
    Table* m_table;
    ControlStates m_states;
};
