#include "designers/logic/WebProjectReports.h"

#include "gen_reports/CsprojReader.h"
#include "model/ForgeonProject.h"
#include "platform/core/MessageBox.h"

namespace
{
// The file was read and parsed without an error up to its root element's end: a file cut short
// is not taken in part; what follows the root element is not looked at.
bool IsWholeDocument(const XmlFile& file, const char* stop)
{
    const CString& content = file.GetContent();
    const CString& root = file.GetRoot().GetName();
    if (stop == nullptr || root.IsEmpty() || file.GetParseOptions().errorFlag)
        return false;
    CString text = content.Left(static_cast<int>(stop - content.GetString()));
    text.TrimRight();
    const CString endTag = "</" + root + ">";
    const bool selfClosed = file.GetRoot().GetChildCount() == 0 && text.Right(2) == "/>";
    return selfClosed || text.Right(endTag.GetLength()) == endTag;
}

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
    const char* stop = reader.Load();
    if (!reader.GetReadRefusal().IsEmpty())
    {
        ShowRefusedFiles({reader.DescribeRefusal()});
        return false;
    }
    if (!IsWholeDocument(reader, stop))
        return false;
    reader.ReadReportFiles();
    reader.ReadDataSetFiles();
    ShowRefusedFiles(reader.GetRefusedFiles());
    return true;
}
