#include "designers/logic/WebProjectReports.h"

#include "gen_reports/CsprojReader.h"
#include "model/ForgeonProject.h"

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
    reader.Load();
    if (reader.GetContent().IsEmpty() || reader.GetParseOptions().errorFlag)
        return false;
    reader.ReadReportFiles();
    reader.ReadDataSetFiles();
    return true;
}
