#pragma once

#include "controls/ColorButton.h"
#include "controls/RichToolTipCtrl.h"
#include "controls/StaticCtrl.h"
#include "designers/logic/StartPage.h"
#include "editors/WvpDialog.h"
#include "platform/ui/FormView.h"

#include <array>
#include <memory>

// The start page in the right pane: ten picture buttons over a StartPage, each opening an
// editor on a new entity through the shell that the main frame installs.
class WeavoDashBoardDlg : public CFormView, public WvpDialog
{
    DECLARE_DYNCREATE(WeavoDashBoardDlg)

public:
    WeavoDashBoardDlg();
    ~WeavoDashBoardDlg() override;

    void OnInitialUpdate() override;
    // The start page holds no entity.
    void ClearPage() override {}
    void ReloadPage() override {}

    // What a click on the button with the id does.
    void ClickButton(int controlId);
    const CRichToolTipCtrl& GetToolTips() const { return m_toolTips; }

private:
    class ShellForwarder;

    std::unique_ptr<ShellForwarder> m_shell;
    std::unique_ptr<StartPage> m_page;
    std::array<ColorButton, 10> m_buttons;
    StaticCtrl m_picture;
    CRichToolTipCtrl m_toolTips;
};
