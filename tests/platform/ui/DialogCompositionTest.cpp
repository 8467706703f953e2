#include "platform/ui/DC.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/ScriptedDesktop.h"
#include "platform/ui/TabCtrl.h"

#include <QTabBar>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace
{
constexpr UINT IDD_PAGES = 9901;
constexpr UINT IDD_FIRST_PAGE = 9902;
constexpr UINT IDD_SECOND_PAGE = 9903;
constexpr UINT IDD_PICK = 9904;
constexpr int IDC_TABS = 3501;
constexpr int IDC_PREVIEW = 3502;
constexpr int IDC_APPLY = 3503;
constexpr int IDC_ROWS = 3504;
constexpr UINT WM_FILL_ROWS = WM_USER + 7;

const DialogTemplateRegistration templates{
    {IDD_PAGES,
     "Pages",
     {{IDC_TABS, ControlKind::TabCtrl, "", false, false, 360, 240},
      {IDC_PREVIEW, ControlKind::Custom, "", false, false, 40, 20},
      {IDOK, ControlKind::DefPushButton, "OK"}}},
    {IDD_FIRST_PAGE, "First", {{IDC_APPLY, ControlKind::PushButton, "Apply"}}, WS_CHILD},
    {IDD_SECOND_PAGE, "Second", {{IDC_APPLY, ControlKind::PushButton, "Apply"}}, WS_CHILD},
    {IDD_PICK,
     "Pick",
     {{IDC_ROWS, ControlKind::ListCtrl, "", false, false, 400, 200},
      {IDOK, ControlKind::DefPushButton, "OK"},
      {IDCANCEL, ControlKind::PushButton, "Cancel"}}},
};

// A page that counts its Apply clicks.
class PageDlg : public CDialog
{
public:
    explicit PageDlg(UINT templateId) : CDialog(templateId)
    {
        MapCommand(IDC_APPLY, &PageDlg::OnApply);
    }
    int m_applied = 0;

private:
    void OnApply() { ++m_applied; }
};

// A custom control painted by its own class.
class PreviewWnd : public CWnd
{
public:
    int m_paints = 0;

protected:
    void OnPaint() override
    {
        CPaintDC dc(this);
        dc.FillSolidRect(CRect(0, 0, 4, 4), RGB(0, 0, 255));
        ++m_paints;
    }
};

// A dialog with a tab control that holds two embedded pages, shown one at a time.
class PagesDlg : public CDialog
{
public:
    PagesDlg() : CDialog(IDD_PAGES) { MapNotify(TCN_SELCHANGE, IDC_TABS, &PagesDlg::OnTab); }

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_preview.SubclassDlgItem(IDC_PREVIEW, this);
        m_tabs.SubclassDlgItem(IDC_TABS, this);
        m_tabs.InsertItem(0, "Menus");
        m_tabs.InsertItem(1, "Roles");
        for (UINT id : {IDD_FIRST_PAGE, IDD_SECOND_PAGE})
        {
            m_pages.push_back(std::make_unique<PageDlg>(id));
            m_pages.back()->Create(id, &m_tabs);
        }
        ShowPage(0);
        return TRUE;
    }

    CTabCtrl m_tabs;
    PreviewWnd m_preview;
    std::vector<std::unique_ptr<PageDlg>> m_pages;

private:
    void OnTab(NMHDR*, LRESULT*) { ShowPage(m_tabs.GetCurSel()); }

    // Each page fills the control below the tabs.
    void ShowPage(int shown)
    {
        CRect area;
        m_tabs.GetClientRect(&area);
        CRect tab;
        m_tabs.GetItemRect(0, &tab);
        area.top = tab.bottom + 1;
        for (std::size_t index = 0; index < m_pages.size(); ++index)
        {
            m_pages[index]->MoveWindow(&area);
            m_pages[index]->ShowWindow(static_cast<int>(index) == shown ? SW_SHOW : SW_HIDE);
        }
        m_tabs.SetCurSel(shown);
    }
};

// A dialog whose list is filled by a message it posts to itself during set-up.
class PickDlg : public CDialog
{
public:
    PickDlg() : CDialog(IDD_PICK)
    {
        MapMessage(WM_FILL_ROWS, &PickDlg::OnFillRows);
        MapNotify(NM_CLICK, IDC_ROWS, &PickDlg::OnRowClick);
    }

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_rows.SubclassDlgItem(IDC_ROWS, this);
        m_rows.InsertColumn(0, "Name", LVCFMT_LEFT, 60);
        m_rows.InsertColumn(1, "Type", LVCFMT_LEFT, 200);
        PostMessage(WM_FILL_ROWS);
        return TRUE;
    }

    CListCtrl m_rows;
    NMITEMACTIVATE m_click{};
    int m_hitRow = -2;

private:
    LRESULT OnFillRows(WPARAM, LPARAM)
    {
        for (const char* name : {"id", "title", "price", "stock"})
            m_rows.SetItemText(m_rows.InsertItem(m_rows.GetItemCount(), name), 1, "int");
        return 0;
    }
    void OnRowClick(NMHDR* header, LRESULT*)
    {
        m_click = *reinterpret_cast<NMITEMACTIVATE*>(header);
        m_hitRow = m_rows.HitTest(m_click.ptAction);
    }
};
} // namespace

TEST(DialogCompositionTest, TabControlHoldsTwoEmbeddedPages)
{
    PagesDlg dialog;
    ASSERT_TRUE(dialog.Create(IDD_PAGES));
    PageDlg& first = *dialog.m_pages[0];
    PageDlg& second = *dialog.m_pages[1];

    EXPECT_FALSE(first.GetSafeHwnd()->isWindow());
    EXPECT_EQ(first.GetParent(), &dialog.m_tabs);
    EXPECT_EQ(dialog.m_tabs.GetParent(), &dialog);
    EXPECT_TRUE(first.IsWindowVisible());
    EXPECT_FALSE(second.IsWindowVisible());

    auto* tabs = static_cast<QTabBar*>(dialog.m_tabs.GetSafeHwnd());
    QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(1).center());
    EXPECT_EQ(dialog.m_tabs.GetCurSel(), 1);
    EXPECT_FALSE(first.IsWindowVisible());
    EXPECT_TRUE(second.IsWindowVisible());
    CRect page;
    second.GetWindowRect(&page);
    CRect control;
    dialog.m_tabs.GetWindowRect(&control);
    EXPECT_GT(page.top, control.top);
    EXPECT_EQ(page.bottom, control.bottom);

    DialogDriver user(second);
    EXPECT_TRUE(user.Click(IDC_APPLY));
    EXPECT_EQ(second.m_applied, 1);
    EXPECT_EQ(first.m_applied, 0);

    dialog.GetSafeHwnd()->grab();
    EXPECT_GT(dialog.m_preview.m_paints, 0);
}

// Escape in a page is Escape in the dialog the page is in: that dialog ends, modal or not, and
// the page is not ended alone. In a window that is no dialog, Escape leaves the page as it is.
TEST(DialogCompositionTest, EscapeInAPageReachesTheDialogItIsIn)
{
    PagesDlg modeless;
    ASSERT_TRUE(modeless.Create(IDD_PAGES));
    QTest::keyClick(modeless.m_pages[1]->GetDlgItem(IDC_APPLY)->GetSafeHwnd(), Qt::Key_Escape);
    EXPECT_TRUE(modeless.IsEnded());
    EXPECT_FALSE(modeless.m_pages[1]->IsEnded());

    ScriptedDialogs dialogs;
    PagesDlg modal;
    dialogs.Answer(
        [&modal](CDialog&, DialogDriver&) {
            QTest::keyClick(modal.m_pages[0]->GetDlgItem(IDC_APPLY)->GetSafeHwnd(), Qt::Key_Escape);
        });
    EXPECT_EQ(modal.DoModal(), IDCANCEL);

    CWnd frame;
    ASSERT_TRUE(frame.CreateEx(0, nullptr, "Frame", WS_POPUP | WS_CAPTION, CRect(0, 0, 300, 200),
                               nullptr, 0));
    PageDlg page(IDD_FIRST_PAGE);
    ASSERT_TRUE(page.Create(IDD_FIRST_PAGE, &frame));
    frame.ShowWindow(SW_SHOW);
    QTest::keyClick(page.GetDlgItem(IDC_APPLY)->GetSafeHwnd(), Qt::Key_Escape);
    EXPECT_FALSE(page.IsEnded());
    EXPECT_TRUE(page.IsWindowVisible());
}

TEST(DialogCompositionTest, ScriptClicksAListRowAtTheRealColumnWidths)
{
    ScriptedDialogs dialogs;
    int rowsWhenScripted = 0;
    dialogs.Answer(
        [&rowsWhenScripted](CDialog& dialog, DialogDriver& user)
        {
            auto& pick = static_cast<PickDlg&>(dialog);
            rowsWhenScripted = pick.m_rows.GetItemCount();
            EXPECT_TRUE(user.ClickListRow(IDC_ROWS, 2, 1));
            EXPECT_FALSE(user.ClickListRow(IDC_ROWS, 9, 0));
            user.PressOk();
        });
    PickDlg dialog;

    EXPECT_EQ(dialog.DoModal(), IDOK);

    EXPECT_EQ(rowsWhenScripted, 4);
    EXPECT_EQ(dialog.m_click.iItem, 2);
    EXPECT_EQ(dialog.m_click.iSubItem, 1);
    EXPECT_EQ(dialog.m_hitRow, 2);
    EXPECT_GE(dialog.m_click.ptAction.x, 60);
    EXPECT_LT(dialog.m_click.ptAction.x, 260);
}

TEST(DialogCompositionTest, HelpLinksSoundsAndTheClockAreScripted)
{
    ScriptedDesktop desktop(1'000'000);

    EXPECT_NE(HtmlHelp(reinterpret_cast<HWND>(1), "Help/KestraneWeavo.chm", HH_HELP_CONTEXT, 130),
              nullptr);
    EXPECT_GT(ShellExecute(nullptr, "open", "http://example.org/", nullptr, nullptr, SW_MAXIMIZE),
              32);
    PlaySound("click.wav", nullptr, SND_FILENAME | SND_ASYNC);
    const DWORD start = GetTickCount();
    desktop.Advance(301'000);
    desktop.SetOpensSucceed(false);

    EXPECT_EQ(GetTickCount() - start, 301'000u);
    EXPECT_EQ(ShellExecute(nullptr, "open", "missing.doc", nullptr, nullptr, SW_SHOW),
              SE_ERR_NOASSOC);
    ASSERT_EQ(desktop.HelpCalls().size(), 1u);
    EXPECT_EQ(desktop.HelpCalls()[0].file, "Help/KestraneWeavo.chm");
    EXPECT_EQ(desktop.HelpCalls()[0].data, 130u);
    EXPECT_EQ(desktop.Opened(), (std::vector<CString>{"http://example.org/", "missing.doc"}));
    EXPECT_EQ(desktop.Sounds(), std::vector<CString>{"click.wav"});
    SYSTEMTIME time{};
    GetLocalTime(&time);
    EXPECT_EQ(time.wYear, 1970);
}
