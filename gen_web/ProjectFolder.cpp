#include "gen_web/ProjectFolder.h"

#include "model/ForgeonProject.h"
#include "model/ProjectNameCheck.h"
#include "model/ProjectSettings.h"
#include "platform/core/HostPath.h"
#include "platform/core/MessageBox.h"

#include <algorithm>
#include <sys/stat.h>

namespace
{
bool IsFolder(const CString& path)
{
    struct stat info;
    return ::stat(ToHostPath(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}
} // namespace

CString FileNameOfPath(const CString& path)
{
    return path.Mid(std::max(path.ReverseFind('\\'), path.ReverseFind('/')) + 1);
}

CString FolderOfPath(const CString& path)
{
    const int separator = std::max(path.ReverseFind('\\'), path.ReverseFind('/'));
    return separator < 0 ? CString() : path.Left(separator);
}

GenerationReport SetUpProjectFolder(ForgeonProject& project, const CString& programFolder)
{
    GenerationReport report;
    GuardProjectFolder(report, project);
    WeavoEnumerateFolders(&project, programFolder, report).Run();
    for (const CString& folder :
         {GetProjectFolder(project) + "_modifiedCode", GetOutputRoot(project) + "uploadedData",
          GetOutputRoot(project) + "Themes", GetOutputRoot(project) + "Themes\\UI"})
        report.MakeFolder(folder);
    return report;
}

void CopyProjectTheme(ForgeonProject& project, const CString& programFolder, bool overwrite,
                      GenerationReport* report)
{
    const ProjectSettings* settings = project.GetProjectSettings();
    if (settings == nullptr || settings->GetThemeName().IsEmpty() ||
        settings->GetColorSchemeName().IsEmpty())
        return;
    GenerationReport ownReport;
    GenerationReport& copies = report != nullptr ? *report : ownReport;
    if (!copies.HasOutputRoot())
        GuardProjectFolder(copies, project);
    // A name that is a path would copy files from outside the themes folder.
    if (const CString refusal = RefuseThemeNames(*settings); !refusal.IsEmpty())
    {
        copies.AddUnwrittenFile(GetOutputRoot(project) + "Themes\\UI", refusal);
    }
    else
    {
        ThemesEnumerateFolders copy(&project, "", /*copy=*/true, overwrite);
        copy.ReportFailuresTo(&copies);
        copy.Walk(programFolder + "\\themes\\" + settings->GetThemeName() + "\\" +
                  settings->GetColorSchemeName() + "\\");
    }
    if (report == nullptr && !ownReport.IsEmpty())
        AfxMessageBox("The colour scheme was not copied completely.\n" + ownReport.GetText(),
                      MB_OK | MB_ICONWARNING);
    else if (const CString notes = ownReport.ClosingText(""); report == nullptr && !notes.IsEmpty())
        AfxMessageBox("The colour scheme was copied.\n" + notes, MB_OK | MB_ICONINFORMATION);
}

void ApplyDefaultTheme(ForgeonProject& project, const CString& programFolder)
{
    ProjectSettings* settings = project.GetProjectSettings();
    if (settings == nullptr)
        return;
    const CString themes = programFolder + "\\themes\\";
    ThemesEnumerateFolders pictures(&project, ".jpg", /*copy=*/false, /*overwrite=*/false);
    pictures.Walk(themes);
    if (!pictures.GetCollectedFiles().empty())
    {
        const CString schemeFolder = FolderOfPath(pictures.GetCollectedFiles().front());
        settings->SetColorSchemeName(FileNameOfPath(schemeFolder));
        settings->SetThemeName(FileNameOfPath(FolderOfPath(schemeFolder)));
    }
    ThemesEnumerateFolders masterPages(&project, ".master", /*copy=*/false, /*overwrite=*/false);
    masterPages.Walk(themes);
    if (!masterPages.GetCollectedFiles().empty())
        settings->SetMasterPageFile(FileNameOfPath(masterPages.GetCollectedFiles().front()));
}

bool EnsureFolderExists(const CString& path)
{
    return EnsureFolderChain(path);
}

CString NextFreeProjectName(const CString& programFolder)
{
    CString name;
    for (int number = 1;; ++number)
    {
        name.Format("Project%d", number);
        if (!IsFolder(programFolder + "\\" + name))
            return name;
    }
}

WeavoEnumerateFolders::WeavoEnumerateFolders(ForgeonProject* project, const CString& programFolder,
                                             GenerationReport& report)
    : MirroringEnumerateFolders(project, programFolder + "\\KestraneWeavoFiles\\",
                                GetOutputRoot(*project), /*overwrite=*/false, report)
{
}

CString ModuleFolderCopyRefusal(const CString& oldName, const CString& newName)
{
    for (const CString& name : {oldName, newName})
    {
        if (name.IsEmpty() || name == "." || name == ".." || name.FindOneOf("\\/") >= 0)
            return "the module name \"" + name + "\" is not a folder name of its own";
    }
    if (oldName == newName)
        return "the module folder \"" + oldName + "\" would be copied into itself";
    return "";
}

ModuleEnumerateFolders::ModuleEnumerateFolders(ForgeonProject* project, const CString& newName,
                                               const CString& oldName, GenerationReport& report)
    : ModuleEnumerateFolders(project, newName, oldName, GetOutputRoot(*project), report)
{
}

ModuleEnumerateFolders::ModuleEnumerateFolders(ForgeonProject* project, const CString& newName,
                                               const CString& oldName, const CString& parentFolder,
                                               GenerationReport& report)
    : MirroringEnumerateFolders(project, parentFolder + oldName + "\\",
                                parentFolder + newName + "\\", /*overwrite=*/true, report),
      m_newName(newName), m_oldName(oldName)
{
    DoNotFollowRootLink();
}

CString ModuleEnumerateFolders::MapRelativeFolder(const CString& relative) const
{
    // Only a folder of the module's own name is renamed, never a part of another name.
    CString mapped;
    CString component;
    for (int index = 0; index <= relative.GetLength(); ++index)
    {
        const bool last = index == relative.GetLength();
        const char c = last ? '\\' : relative[index];
        if (c != '\\' && c != '/')
        {
            component += c;
            continue;
        }
        mapped += component == m_oldName ? m_newName : component;
        if (!last)
            mapped += c;
        component.Empty();
    }
    return mapped;
}

ReplaceModifiedFiles::ReplaceModifiedFiles(ForgeonProject* project, GenerationReport& report)
    : MirroringEnumerateFolders(project, GetProjectFolder(*project) + "_modifiedCode\\",
                                GetOutputRoot(*project), /*overwrite=*/true, report)
{
}

ThemesEnumerateFolders::ThemesEnumerateFolders(ForgeonProject* project, const CString& extension,
                                               bool copy, bool overwrite)
    : m_project(project), m_copy(copy), m_overwrite(overwrite)
{
    if (copy)
        GuardProjectFolder(m_ownReport, *project);
    if (extension.IsEmpty())
        return;
    m_extensions.push_back(extension);
    if (extension.CompareNoCase(".jpg") == 0)
        m_extensions.push_back(".jpeg");
}

int ThemesEnumerateFolders::OnFile(const CString& filePath)
{
    if (IsWanted(filePath))
        m_collectedFiles.push_back(filePath);
    if (!m_copy)
        return 1;
    CString folder;
    if (IsBelowFolderNamed(filePath, "UI"))
        folder = GetOutputRoot(*m_project) + "Themes\\UI\\";
    else if (IsBelowFolderNamed(filePath, "CSS"))
        folder = GetOutputRoot(*m_project) + "includes\\CSS\\";
    else
        return 1;
    m_report->CopyFile(filePath, folder + FileNameOfPath(filePath), m_overwrite);
    return 1;
}

void ThemesEnumerateFolders::OnSkipped(const CString& path, const CString& reason)
{
    if (m_copy)
        m_report->NoteSkippedEntry(path, reason);
}

bool ThemesEnumerateFolders::IsBelowFolderNamed(const CString& filePath, const char* name) const
{
    CString folders = FolderOfPath(RelativePath(filePath));
    while (!folders.IsEmpty())
    {
        if (FileNameOfPath(folders).CompareNoCase(name) == 0)
            return true;
        folders = FolderOfPath(folders);
    }
    return false;
}

bool ThemesEnumerateFolders::IsWanted(const CString& filePath) const
{
    const CString name = FileNameOfPath(filePath);
    const int dot = name.ReverseFind('.');
    if (dot < 0)
        return false;
    const CString extension = name.Mid(dot);
    return std::ranges::any_of(m_extensions, [&extension](const CString& wanted)
                               { return extension.CompareNoCase(wanted) == 0; });
}
