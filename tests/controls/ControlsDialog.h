#pragma once

#include "controls/ColorButton.h"
#include "controls/ListControl.h"
#include "controls/StaticCtrl.h"
#include "controls/TabCtrl.h"
#include "controls/ThumbListCtrl.h"
#include "controls/TreeControl.h"
#include "platform/ui/DialogTemplate.h"

#include <QWidget>

#include <memory>
#include <vector>

constexpr int IDC_ROWS = 4101;
constexpr int IDC_THUMBS = 4102;
constexpr int IDC_TREE = 4103;
constexpr int IDC_TABS = 4104;
constexpr int IDC_PICTURE = 4105;
constexpr int IDC_START = 4106;

// A tab page that counts how often its dialog data was saved.
class CountingPage : public CWnd
{
public:
    explicit CountingPage(CWnd& tabs) { SetOwnedWidget(new QWidget(tabs.GetSafeHwnd())); }
    int m_saves = 0;

protected:
    void DoDataExchange(CDataExchange*) override { ++m_saves; }
};

// Two pages, "Fields" and "Events"; records the pages it was told were selected.
class TwoPageTabs : public TabCtrl
{
public:
    void InitPages() override
    {
        for (const char* text : {"Fields", "Events"})
            AddPage(text, std::make_unique<CountingPage>(*this));
    }
    CountingPage& Page(int index) { return *static_cast<CountingPage*>(GetPage(index)); }
    std::vector<CWnd*> m_selected;

protected:
    void OnPageSelected(CWnd* page) override { m_selected.push_back(page); }
};

// A window with one control of each kind, bound to its members as a dialog binds them.
class ControlsDialog : public CWnd
{
public:
    ControlsDialog()
    {
        static const DialogTemplate layout{
            9411,
            "Controls",
            {{IDC_ROWS, ControlKind::ListCtrl, "", false, false, 320, 120},
             {IDC_THUMBS, ControlKind::ListCtrl, "", false, false, 320, 120},
             {IDC_TREE, ControlKind::TreeCtrl, "", false, false, 320, 160},
             {IDC_TABS, ControlKind::TabCtrl, "", false, false, 320, 140},
             {IDC_PICTURE, ControlKind::Picture, "", false, false, 48, 48},
             {IDC_START, ControlKind::PushButton, "Start", false, false, 120, 40}}};
        SetOwnedWidget(new QWidget);
        CreateControls(layout);
        m_rows.SubclassDlgItem(IDC_ROWS, this);
        m_thumbs.SubclassDlgItem(IDC_THUMBS, this);
        m_tree.SubclassDlgItem(IDC_TREE, this);
        m_tree.ModifyStyle(0, TVS_CHECKBOXES);
        m_tabs.SubclassDlgItem(IDC_TABS, this);
        m_picture.SubclassDlgItem(IDC_PICTURE, this);
        m_start.SubclassDlgItem(IDC_START, this);
        GetSafeHwnd()->resize(360, 700);
    }

    ListControl m_rows;
    CThumbListCtrl m_thumbs;
    TreeControl m_tree;
    TwoPageTabs m_tabs;
    StaticCtrl m_picture;
    ColorButton m_start;
};
