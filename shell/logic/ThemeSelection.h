#pragma once

#include "platform/core/CString.h"

#include <optional>
#include <vector>

class ForgeonProject;

// A picture of a picture list with its caption.
struct ThemePicture
{
    CString path;
    CString label;
    bool operator==(const ThemePicture&) const = default;
};

// The choice of a theme and colour scheme from the program's theme library ("Select Color
// scheme"): the themes with their first picture, the schemes of the chosen theme, the preview
// of the scheme clicked and the project's current scheme.
class ThemeSelection
{
public:
    ThemeSelection(ForgeonProject& project, CString programFolder);

    // The themes, the schemes of the first theme and the project's current scheme.
    void Load();
    void SelectTheme(int index);
    void SelectScheme(int index);
    // After the user's confirmation, the scheme clicked becomes the project's: its names and
    // first master page go into the settings and its files replace the project's theme files.
    // False when no scheme is clicked or the user cancelled.
    bool Select();

    const std::vector<ThemePicture>& Themes() const { return m_themes; }
    const std::vector<ThemePicture>& Schemes() const { return m_schemes; }
    int GetSelectedTheme() const { return m_selectedTheme; }
    int GetSelectedScheme() const { return m_selectedScheme; }
    const std::optional<ThemePicture>& Preview() const { return m_preview; }
    const std::optional<ThemePicture>& Current() const { return m_current; }

private:
    // "theme/scheme" of a picture of a scheme folder.
    static CString SchemeLabel(const CString& picture);
    std::vector<CString> Pictures(const CString& folder) const;
    void FillSchemes(int theme);

    ForgeonProject& m_project;
    CString m_programFolder;
    std::vector<ThemePicture> m_themes;
    // The folder of each theme listed.
    std::vector<CString> m_themeFolders;
    std::vector<ThemePicture> m_schemes;
    int m_selectedTheme = -1;
    int m_selectedScheme = -1;
    std::optional<ThemePicture> m_preview;
    std::optional<ThemePicture> m_current;
};
