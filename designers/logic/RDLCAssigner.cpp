#include "designers/logic/RDLCAssigner.h"

#include "designers/logic/WebProjectReports.h"
#include "editors/logic/ListLookup.h"
#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "model/ForgeonProject.h"

RDLCAssigner::RDLCAssigner(RDLCReport& report, ForgeonProject& project)
    : m_report(report), m_project(project)
{
}

CString RDLCAssigner::GetCaption() const
{
    return "Select RDLC for " + m_report.GetFormName();
}

void RDLCAssigner::Open()
{
    m_read = ReadWebProjectReports(m_project);
    std::vector<CString> names;
    if (m_read)
    {
        for (const RDLCInfo* info : m_project.GetRDLCInfos())
            names.push_back(info->GetName());
    }
    m_states.SetItems(IDC_RDLC, std::move(names));
    m_states.Select(IDC_RDLC,
                    m_read ? PositionOf(m_project.GetRDLCInfos(), m_report.GetRDLCInfo()) : -1);
    ShowAssigned();
}

void RDLCAssigner::Assign()
{
    m_report.SetRDLCInfo(m_read ? ItemAt(m_project.GetRDLCInfos(), m_states.GetSelection(IDC_RDLC))
                                : nullptr);
    ShowAssigned();
}

void RDLCAssigner::ShowAssigned()
{
    const RDLCInfo* info = m_report.GetRDLCInfo();
    m_states.SetText(IDC_RDLC_NAME, info != nullptr ? info->GetName() : "RDLC Not assigned.");
}
