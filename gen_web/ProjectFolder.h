#pragma once

#include "gen_web/EnumerateFolders.h"
#include "model/GenerationReport.h"
#include "model/ProjectFolders.h"
#include "platform/core/CString.h"

#include <vector>

class ForgeonProject;

// The part of a path after its last separator ("\" or "/"), and the part before it (empty
// when it has none).
CString FileNameOfPath(const CString& path);
CString FolderOfPath(const CString& path);

// Copies the support files of the program folder into the output root, keeping files that
// exist there, and makes the fixed folders "_modifiedCode", "uploadedData", "Themes" and
// "Themes\UI". The shell passes the program's own folder. Returns the files not copied and
// the folders not made, each with its reason.
GenerationReport SetUpProjectFolder(ForgeonProject& project, const CString& programFolder);
// Copies the colour scheme that the settings name from the program's theme library into the
// output root: its UI files to "Themes\UI", its CSS files to "includes\CSS"; files that exist
// there stay unless overwrite is set. Nothing when the settings name no theme or no scheme; names
// that are no folder names of the library (RefuseThemeNames) copy nothing and are reported.
// The files not copied go to the report, which is guarded by the project folder when it has no
// output root; without a report a message box names them.
void CopyProjectTheme(ForgeonProject& project, const CString& programFolder, bool overwrite = false,
                      GenerationReport* report = nullptr);
// The settings take the theme and colour scheme of the first picture of the program's theme
// library and the first master page in it; what the library lacks stays as it was.
void ApplyDefaultTheme(ForgeonProject& project, const CString& programFolder);
// Makes the folder with every missing parent; false when it cannot be made or a file stands in
// its place.
bool EnsureFolderExists(const CString& path);
// "Project%d" with the smallest number from 1 whose folder is not in the program folder.
CString NextFreeProjectName(const CString& programFolder);

// The support files of "KestraneWeavoFiles" into the output root; existing files stay.
class WeavoEnumerateFolders : public MirroringEnumerateFolders
{
public:
    WeavoEnumerateFolders(ForgeonProject* project, const CString& programFolder,
                          GenerationReport& report);
};

// Why a module's folder cannot be copied from the old name to the new one: a name that is not
// one plain folder name ("", ".", "..", or holding a separator) would copy another folder, or a
// folder into itself. Empty when it can.
CString ModuleFolderCopyRefusal(const CString& oldName, const CString& newName);

// A module's output folder copied under the module's new name; every occurrence of the old
// name below the output root is replaced, existing files are replaced. The names pass
// ModuleFolderCopyRefusal.
class ModuleEnumerateFolders : public MirroringEnumerateFolders
{
public:
    ModuleEnumerateFolders(ForgeonProject* project, const CString& newName, const CString& oldName,
                           GenerationReport& report);
    // The module's folder below parentFolder (ending with "\") instead of the output root.
    ModuleEnumerateFolders(ForgeonProject* project, const CString& newName, const CString& oldName,
                           const CString& parentFolder, GenerationReport& report);

protected:
    CString MapRelativeFolder(const CString& relative) const override;

private:
    CString m_newName;
    CString m_oldName;
};

// The user's files of "_modifiedCode" over the generated output, replacing it; the files not
// copied go to the report.
class ReplaceModifiedFiles : public MirroringEnumerateFolders
{
public:
    ReplaceModifiedFiles(ForgeonProject* project, GenerationReport& report);
};

// Collects the paths of files of one extension and, with copy set, copies theme files into the
// project: those in a folder "UI" below the walked folder to "Themes\UI", those in a folder
// "CSS" to "includes\CSS" (the folder names in any case; a file's own name does not count).
// The copies go through a report guarded by the project folder, its own unless one is given.
class ThemesEnumerateFolders : public EnumerateFolders
{
public:
    // ".jpg" also wants ".jpeg"; an empty extension wants nothing.
    ThemesEnumerateFolders(ForgeonProject* project, const CString& extension, bool copy,
                           bool overwrite);
    // The report in use may be the walker's own.
    ThemesEnumerateFolders(const ThemesEnumerateFolders&) = delete;
    ThemesEnumerateFolders& operator=(const ThemesEnumerateFolders&) = delete;
    // The files are copied through the report, which holds those that could not be.
    void ReportFailuresTo(GenerationReport* report)
    {
        m_report = report != nullptr ? report : &m_ownReport;
    }
    const GenerationReport& GetReport() const { return *m_report; }

    int OnFile(const CString& filePath) override;
    // Noted in the report when copying.
    void OnSkipped(const CString& path, const CString& reason) override;

    std::vector<CString> GetCollectedFiles() const { return m_collectedFiles; }

private:
    bool IsWanted(const CString& filePath) const;
    // The folders of the path below the walked folder hold one of that name.
    bool IsBelowFolderNamed(const CString& filePath, const char* name) const;

    ForgeonProject* m_project;
    std::vector<CString> m_extensions;
    std::vector<CString> m_collectedFiles;
    bool m_copy;
    bool m_overwrite;
    GenerationReport m_ownReport;
    GenerationReport* m_report = &m_ownReport;
};
