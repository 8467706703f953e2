#pragma once

#include "editors/logic/ControlStates.h"

#include <vector>

class ApplicationReport;
class ForgeonProject;
class FormInterface;
class Module;
class Table;

// "Assign Search Report": a module and one of its search reports. The chosen report starts as
// the caller's preset and becomes the report at the selection on OK.
class ReportAssigner
{
public:
    static constexpr UINT IDD = 173;
    static constexpr int IDC_REPORT = 1216;
    static constexpr int IDC_MODULE = 1226;

    ReportAssigner(ForgeonProject& project, FormInterface* page, Table* table,
                   ApplicationReport* preset);

    ControlStates& States() { return m_states; }
    FormInterface* GetPage() const { return m_page; }
    Table* GetTable() const { return m_table; }
    ApplicationReport* GetChosenReport() const { return m_chosen; }

    void Open();
    void ChooseModule(int index);
    void ChooseReport(int index) { m_states.Select(IDC_REPORT, index); }
    void Ok();

private:
    void FillReports();

    ForgeonProject& m_project;
    FormInterface* m_page;
    Table* m_table;
    ApplicationReport* m_chosen;
    Module* m_module = nullptr;
    ControlStates m_states;
};
