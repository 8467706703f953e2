#include "designers/logic/WebProjectReports.h"

#include "gen_reports/CsprojReader.h"
#include "model/ForgeonProject.h"

namespace
{
// The file was read and parsed without an error up to its root element's end: a file cut short
// is not taken in part.
bool IsWholeDocument(const XmlFile& file)
{
    CString text = file.GetContent();
    text.TrimRight();
    const CString& root = file.GetRoot().GetName();
    if (text.IsEmpty() || root.IsEmpty() || file.GetParseOptions().errorFlag)
        return false;
    const CString endTag = "</" + root + ">";
    const bool selfClosed = file.GetRoot().GetChildCount() == 0 && text.Right(2) == "/>";
    return selfClosed || text.Right(endTag.GetLength()) == endTag;
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
    reader.Load();
    if (!IsWholeDocument(reader))
        return false;
    reader.ReadReportFiles();
    reader.ReadDataSetFiles();
    return true;
}
