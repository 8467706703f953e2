#include "designers/logic/WebProjectReports.h"

#include "entities/RDLCInfo.h"
#include "gen_reports/CsprojReader.h"
#include "model/ForgeonProject.h"
#include "platform/core/HostPath.h"
#include "platform/core/MessageBox.h"

namespace
{
void ShowRefusedFiles(const std::vector<CString>& refused)
{
    if (refused.empty())
        return;
    CString message = "These files of the web project were not read:\n";
    for (const CString& file : refused)
        message += file + "\n";
    AfxMessageBox(message);
}
} // namespace

CString WebProjectFilePath(const ForgeonProject& project)
{
    const CString name = project.GetProjectName();
    return project.GetProjectPath() + name + "\\" + name + "\\" + name + ".csproj";
}

bool ReadWebProjectReports(ForgeonProject& project)
{
    if (project.GetProjectSettings() == nullptr)
        return false;
    CsprojReader reader(WebProjectFilePath(project), &project);
    const bool read = reader.Read();
    ShowRefusedFiles(reader.GetRefusedFiles());
    return read;
}

std::optional<std::vector<CString>> ReadShownReportDefinitions(ForgeonProject& project)
{
    if (!ReadWebProjectReports(project))
        return std::nullopt;
    std::vector<CString> names;
    for (const RDLCInfo* info : project.GetRDLCInfos())
        names.push_back(ToHostPath(info->GetName()).c_str());
    return names;
}
