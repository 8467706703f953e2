#include "model/ProjectFolders.h"

#include "model/ForgeonProject.h"
#include "model/GenerationReport.h"

CString GetProjectFolder(const ForgeonProject& project)
{
    CString path = project.GetProjectPath();
    if (!path.IsEmpty() && path.Right(1) != "\\")
        path += "\\";
    return path + project.GetProjectName() + "\\";
}

CString GetOutputRoot(const ForgeonProject& project)
{
    return GetProjectFolder(project) + project.GetProjectName() + "\\";
}

void GuardProjectFolder(GenerationReport& report, const ForgeonProject& project)
{
    report.SetOutputRoot(GetProjectFolder(project));
    report.FollowLinkAt(GetOutputRoot(project));
}
