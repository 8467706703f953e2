#include "model/ProjectDiagnostics.h"

#include "model/EntityUsageSet.h"
#include "model/ForgeonProject.h"
#include "model/MainFrameAccess.h"
#include "model/Ownership.h"
#include "model/TextFile.h"
#include "platform/core/MessageBox.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace
{
bool IsIndexOf(const std::vector<CString>& list, int index)
{
    return index >= 0 && static_cast<std::size_t>(index) < list.size();
}

CString TextAt(const std::vector<CString>& list, int index)
{
    return IsIndexOf(list, index) ? list[static_cast<std::size_t>(index)] : CString();
}

void RemoveAt(std::vector<CString>& list, int index)
{
    if (IsIndexOf(list, index))
        list.erase(list.begin() + index);
}

bool Lists(const std::vector<CString>& list, const CString& text)
{
    return std::find(list.begin(), list.end(), text) != list.end();
}
} // namespace

ProjectDiagnostics::ProjectDiagnostics()
{
    PushUsageSet();
}

ProjectDiagnostics::~ProjectDiagnostics()
{
    DeleteAll(m_usageSets);
}

CString ProjectDiagnostics::GetError(int index) const
{
    return TextAt(m_errors, index);
}

CString ProjectDiagnostics::GetWarning(int index) const
{
    return TextAt(m_warnings, index);
}

CString ProjectDiagnostics::GetIgnoredWarning(int index) const
{
    return TextAt(m_ignoredWarnings, index);
}

bool ProjectDiagnostics::IsWarning(const CString& text) const
{
    return Lists(m_warnings, text);
}

bool ProjectDiagnostics::IsIgnoredWarning(const CString& text) const
{
    return Lists(m_ignoredWarnings, text);
}

void ProjectDiagnostics::RemoveWarningAt(int index)
{
    RemoveAt(m_warnings, index);
}

void ProjectDiagnostics::RemoveIgnoredWarningAt(int index)
{
    RemoveAt(m_ignoredWarnings, index);
}

void ProjectDiagnostics::SetTextLists(TextLists lists)
{
    m_errors = std::move(lists.errors);
    m_warnings = std::move(lists.warnings);
    m_ignoredWarnings = std::move(lists.ignoredWarnings);
}

void ProjectDiagnostics::ClearErrorsAndWarnings()
{
    m_errors.clear();
    m_warnings.clear();
}

void ProjectDiagnostics::ClearAll()
{
    ClearErrorsAndWarnings();
    m_ignoredWarnings.clear();
}

void ProjectDiagnostics::PushUsageSet()
{
    m_usageSets.push_back(new EntityUsageSet);
    m_currentUsageSet = m_usageSets.back();
}

void ProjectDiagnostics::PopUsageSet()
{
    if (m_usageSets.size() < 2)
        return;
    delete m_usageSets.back();
    m_usageSets.pop_back();
    m_currentUsageSet = m_usageSets.back();
}

ProjectDiagnostics& TheProjectDiagnostics()
{
    static ProjectDiagnostics diagnostics;
    return diagnostics;
}

void ProjectDiagnostics::ReportErrors(bool show) const
{
    CString report;
    for (const CString& error : m_errors)
        report += error + "\n";
    for (const CString& warning : m_warnings)
        report += warning + "\n";
    const ForgeonProject* project = MainFrameAccess::GetProject();
    if (project != nullptr && project->GetProjectSettings() != nullptr &&
        !project->GetProjectPath().IsEmpty())
    {
        TextFile log(project->GetProjectPath() + "errorLog.txt", true, '=', 60, false, false);
        log.Write(0, "%s", report);
    }
    if (show && !report.IsEmpty())
        AfxMessageBox(report, MB_OK | MB_ICONERROR);
}
