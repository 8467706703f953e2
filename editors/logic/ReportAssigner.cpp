#include "editors/logic/ReportAssigner.h"

#include "editors/logic/ModuleCombo.h"
#include "entities/ApplicationReport.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"

ReportAssigner::ReportAssigner(ForgeonProject& project, FormInterface* page, Table* table,
                               ApplicationReport* preset)
    : m_project(project), m_page(page), m_table(table), m_chosen(preset)
{
}

void ReportAssigner::Open()
{
    m_module = FillModuleCombo(m_states, IDC_MODULE, m_project);
    FillReports();
}

void ReportAssigner::ChooseModule(int index)
{
    m_states.Select(IDC_MODULE, index);
    m_module = m_project.GetModuleAt(index);
    FillReports();
}

void ReportAssigner::FillReports()
{
    std::vector<CString> names;
    int selected = -1;
    if (m_module != nullptr)
    {
        for (const ApplicationReport* report : m_module->GetReports())
        {
            if (report == m_chosen)
                selected = static_cast<int>(names.size());
            names.push_back(report->GetFormName());
        }
    }
    m_states.SetItems(IDC_REPORT, std::move(names));
    m_states.Select(IDC_REPORT, selected);
}

void ReportAssigner::Ok()
{
    m_chosen =
        m_module != nullptr ? m_module->GetReportAt(m_states.GetSelection(IDC_REPORT)) : nullptr;
}
