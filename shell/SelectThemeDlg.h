#pragma once

#include "controls/ThumbListCtrl.h"
#include "controls/ToolTipDialog.h"
#include "platform/ui/Dialog.h"
#include "shell/logic/ThemeSelection.h"

struct NMHDR;

// "Select Color scheme": the themes and the schemes of the theme clicked as pictures, the
// scheme clicked as a preview and the project's scheme; "Select" makes the preview the
// project's.
class SelectThemeDlg : public ToolTipDialog
{
public:
    static constexpr UINT IDD = 285;
    static constexpr int IDC_THEMES = 1377;
    static constexpr int IDC_SCHEMES = 1378;
    static constexpr int IDC_PREVIEW = 1379;
    static constexpr int IDC_SELECTED = 1380;
    static constexpr int IDC_SELECT = 1039;
    static constexpr int IDC_HELP_BUTTON = 1736;

    SelectThemeDlg(ForgeonProject& project, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnThemeSelected(int row);
    void OnSchemeSelected(int row);
    void OnSelect();
    void OnHelp();
    void ShowSchemes();
    static void ShowPictures(CThumbListCtrl& list, const std::vector<ThemePicture>& pictures);

    ThemeSelection m_selection;
    CThumbListCtrl m_themes;
    CThumbListCtrl m_schemes;
    CThumbListCtrl m_preview;
    CThumbListCtrl m_selected;
};
