#pragma once

#include "editors/logic/ControlStates.h"

#include <vector>

class ForgeonProject;
class Form;

// The editors the start page opens on a new entity.
enum class NewEntity
{
    MasterTable,
    DetailTable,
    Transaction,
    ApplicationReport,
    RDLCReport,
    DashBoard,
    DashBoardPage,
    Menu,
    UserFunction,
};

// What the start page asks of the main frame: the right pane switched to an editor.
class StartPageHost
{
public:
    virtual ~StartPageHost() = default;
    // The editor of the kind, loaded with no entity so that it starts a new one.
    virtual void EditNew(NewEntity entity) = 0;
    // The form editor loaded with the form.
    virtual void EditForm(Form& form) = 0;
};

// One picture button of the start page.
struct StartButton
{
    int controlId;
    UINT stringId;
    const char* toolTip;
    UINT normalBitmap;
    UINT secondBitmap;
    // The editor it opens; the "Add master form" button opens the module's first form instead.
    NewEntity entity;
    bool firstForm;
};

// The start page: ten picture buttons, each opening an editor in the right pane.
class StartPage
{
public:
    static constexpr UINT IDD = 284;
    static constexpr int IDC_PICTURE = 1818;
    static constexpr UINT IDB_PICTURE = 342;

    explicit StartPage(StartPageHost& host) : m_host(host) {}

    static const std::vector<StartButton>& Buttons();
    static const std::vector<ToolTip>& ToolTips();

    // The button's editor; nothing for another control, and "Add master form" does nothing
    // without a project or in a module without forms.
    void Click(int controlId, const ForgeonProject* project);
    // True the first time only: the tool tips are set up once.
    bool TakeToolTipSetUp();

private:
    StartPageHost& m_host;
    bool m_toolTipsSetUp = false;
};
