#include "designers/logic/RDLCAssigner.h"

#include "designers/logic/WebProjectReports.h"
#include "editors/logic/ListLookup.h"
#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "model/ForgeonProject.h"
#include "platform/core/HostPath.h"

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
    std::optional<std::vector<CString>> names = ReadShownReportDefinitions(m_project);
    m_read = names.has_value();
    m_states.SetItems(IDC_RDLC, std::move(names).value_or(std::vector<CString>{}));
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
    m_states.SetText(IDC_RDLC_NAME,
                     info != nullptr ? ToHostPath(info->GetName()).c_str() : "RDLC Not assigned.");
}
