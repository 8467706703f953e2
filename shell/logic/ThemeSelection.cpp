#include "shell/logic/ThemeSelection.h"

#include "gen_web/ProjectFolder.h"
#include "model/ForgeonProject.h"
#include "model/ListAccess.h"
#include "model/ProjectNameCheck.h"
#include "model/ProjectSettings.h"
#include "platform/core/MessageBox.h"
#include "shell/logic/ProjectProperties.h"

#include <algorithm>
#include <utility>

ThemeSelection::ThemeSelection(ForgeonProject& project, CString programFolder)
    : m_project(project), m_programFolder(std::move(programFolder))
{
}

std::vector<CString> ThemeSelection::Pictures(const CString& folder) const
{
    ThemesEnumerateFolders pictures(&m_project, ".jpg", /*copy=*/false, /*overwrite=*/false);
    pictures.Walk(folder);
    return pictures.GetCollectedFiles();
}

CString ThemeSelection::SchemeLabel(const CString& picture)
{
    const CString scheme = FolderOfPath(picture);
    return FileNameOfPath(FolderOfPath(scheme)) + "/" + FileNameOfPath(scheme);
}

void ThemeSelection::Load()
{
    m_themes.clear();
    m_themeFolders.clear();
    for (const CString& picture : Pictures(m_programFolder + "\\themes\\"))
    {
        const CString themeFolder = FolderOfPath(FolderOfPath(picture));
        if (std::ranges::find(m_themeFolders, themeFolder) != m_themeFolders.end())
            continue;
        m_themeFolders.push_back(themeFolder);
        m_themes.push_back({picture, FileNameOfPath(themeFolder)});
    }
    FillSchemes(m_selectedTheme >= 0 ? m_selectedTheme : 0);
    m_preview.reset();
    m_current.reset();
    const ProjectSettings* settings = m_project.GetProjectSettings();
    if (settings == nullptr || settings->GetThemeName().IsEmpty() ||
        settings->GetColorSchemeName().IsEmpty() || !RefuseThemeNames(*settings).IsEmpty())
        return;
    const std::vector<CString> current =
        Pictures(m_programFolder + "\\themes\\" + settings->GetThemeName() + "\\" +
                 settings->GetColorSchemeName() + "\\");
    if (!current.empty())
        m_current = ThemePicture{current.front(),
                                 settings->GetThemeName() + "/" + settings->GetColorSchemeName()};
}

void ThemeSelection::FillSchemes(int theme)
{
    m_schemes.clear();
    m_selectedScheme = -1;
    if (!IsValidIndex(m_themeFolders, theme))
        return;
    for (const CString& picture : Pictures(m_themeFolders[static_cast<std::size_t>(theme)] + "\\"))
        m_schemes.push_back({picture, FileNameOfPath(FolderOfPath(picture))});
}

void ThemeSelection::SelectTheme(int index)
{
    m_selectedTheme = index;
    FillSchemes(index);
}

void ThemeSelection::SelectScheme(int index)
{
    if (!IsValidIndex(m_schemes, index))
        return;
    m_selectedScheme = index;
    const CString& picture = m_schemes[static_cast<std::size_t>(index)].path;
    m_preview = ThemePicture{picture, SchemeLabel(picture)};
}

bool ThemeSelection::Select()
{
    ProjectSettings* settings = m_project.GetProjectSettings();
    if (m_selectedScheme < 0 || settings == nullptr)
        return false;
    if (AfxMessageBox("By continuing, your changes (if any) to theme/scheme will be overwritten.\n "
                      "Do you wish to continue?",
                      MB_OKCANCEL) != IDOK)
        return false;
    const CString picture = m_schemes[static_cast<std::size_t>(m_selectedScheme)].path;
    const CString schemeFolder = FolderOfPath(picture);
    m_current = ThemePicture{picture, SchemeLabel(picture)};
    settings->SetThemeName(FileNameOfPath(FolderOfPath(schemeFolder)));
    settings->SetColorSchemeName(FileNameOfPath(schemeFolder));
    ThemesEnumerateFolders masterPages(&m_project, ".master", /*copy=*/false, /*overwrite=*/false);
    masterPages.Walk(schemeFolder + "\\UI\\");
    if (!masterPages.GetCollectedFiles().empty())
        settings->SetMasterPageFile(FileNameOfPath(masterPages.GetCollectedFiles().front()));
    CopyThemeIntoProject(m_project, m_programFolder, /*overwrite=*/true);
    return true;
}
