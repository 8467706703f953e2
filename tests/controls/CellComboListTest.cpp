#include "controls/CellComboList.h"
#include "controls/CellListCtrl.h"

#include <QListWidget>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

namespace
{
// The list a drop-down reports to: records the messages by name.
class SpyOwner : public CWnd
{
public:
    SpyOwner()
    {
        SetOwnedWidget(new QWidget);
        const std::pair<UINT, const char*> names[] = {{CellComboReturnMessage(), "return"},
                                                      {CellComboEscapeMessage(), "escape"},
                                                      {CellComboKeyDownMessage(), "keydown"},
                                                      {CellComboLButtonUpMessage(), "lbuttonup"}};
        for (const auto& [message, name] : names)
            MapMessageHandler(message,
                              [this, name](WPARAM, LPARAM)
                              {
                                  m_sent.push_back(name);
                                  return LRESULT(0);
                              });
    }

    std::vector<std::string> m_sent;
};

class TestComboList : public CCellComboList
{
public:
    using CCellComboList::CCellComboList;
    using CCellComboList::OnKillFocus;
};

// Twenty entries "e00".."e19" and "zulu" at 21, shown ten rows high with entry 12 selected.
struct OpenComboList
{
    OpenComboList()
    {
        combo.Create(CRect(10, 10, 160, 400), nullptr);
        for (int i = 0; i < 20; ++i)
        {
            char text[8];
            std::snprintf(text, sizeof(text), "e%02d", i);
            combo.AddEntry(text);
        }
        combo.AddEntry("zulu");
        combo.SetSelection(12);
        entries = combo.GetSafeHwnd()->findChild<QListWidget*>();
        const int rowHeight = entries->sizeHintForRow(0);
        combo.MoveWindow(10, 10, 150, rowHeight * 10 + 2);
        combo.Show(11);
    }

    SpyOwner owner;
    TestComboList combo{&owner, 1000};
    QListWidget* entries = nullptr;
};
} // namespace

TEST(CellComboListTest, ShowSizesTenRowsAndScrollsToTheSelection)
{
    OpenComboList open;
    CRect window;
    open.combo.GetWindowRect(&window);
    EXPECT_EQ(window.Height(), open.entries->sizeHintForRow(0) * 10 + 4);
    EXPECT_EQ(window.Width(), 150);
    EXPECT_EQ(open.combo.GetScrollPos(), 12);
    EXPECT_EQ(open.entries->indexAt(QPoint(2, 2)).row(), 11);

    auto* bar =
        open.combo.GetSafeHwnd()->findChild<QScrollBar*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_NE(bar, nullptr);
    bar->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(open.entries->indexAt(QPoint(2, 2)).row(), 0);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(open.entries->indexAt(QPoint(2, 2)).row(), 1);
}

TEST(CellComboListTest, KeysMoveTheScrollBarAndTellTheList)
{
    OpenComboList open;
    QTest::keyClick(open.entries, Qt::Key_PageUp);
    EXPECT_EQ(open.combo.GetScrollPos(), 3);
    EXPECT_EQ(open.owner.m_sent, std::vector<std::string>{"keydown"});

    open.combo.SetSelection(5);
    QTest::keyClick(open.entries, Qt::Key_Q);
    EXPECT_EQ(open.combo.GetSelection(), 5);
    EXPECT_EQ(open.combo.GetScrollPos(), 3);
    EXPECT_EQ(open.owner.m_sent.size(), 1u);

    QTest::keyClick(open.entries, Qt::Key_Z);
    EXPECT_EQ(open.combo.GetSelectedText(), "zulu");
    EXPECT_EQ(open.combo.GetScrollPos(), 20);
    QTest::keyClick(open.entries, Qt::Key_Home);
    EXPECT_EQ(open.combo.GetScrollPos(), 0);

    open.owner.m_sent.clear();
    QTest::keyClick(open.entries, Qt::Key_Escape);
    QTest::keyClick(open.entries, Qt::Key_Return);
    EXPECT_EQ(open.owner.m_sent, (std::vector<std::string>{"escape", "return"}));
}

TEST(CellComboListTest, TheThirdFocusLossEscapesAndAClickCommits)
{
    OpenComboList open;
    open.combo.OnKillFocus(nullptr);
    open.combo.OnKillFocus(nullptr);
    EXPECT_TRUE(open.owner.m_sent.empty());
    open.combo.OnKillFocus(nullptr);
    EXPECT_EQ(open.owner.m_sent, std::vector<std::string>{"escape"});

    open.owner.m_sent.clear();
    QTest::mouseClick(open.entries->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(open.owner.m_sent, std::vector<std::string>{"lbuttonup"});
}

TEST(CellComboListTest, TheEntryUnderTheMouseBecomesTheSelection)
{
    SpyOwner owner;
    CCellComboList combo(&owner, 1);
    combo.Create(CRect(10, 10, 160, 200), nullptr);
    for (const char* entry : {"int", "varchar", "date", "money"})
        combo.AddEntry(entry);
    combo.SetSelection(0);
    combo.Show(11);
    auto* entries = combo.GetSafeHwnd()->findChild<QListWidget*>();
    const QRect money = entries->visualItemRect(entries->item(3));
    QCursor::setPos(entries->viewport()->mapToGlobal(money.center()));
    // The hover reaches the list through the event loop, later on a busy machine.
    EXPECT_TRUE(QTest::qWaitFor([&] { return combo.GetSelectedText() == "money"; }, 2000));
    EXPECT_EQ(combo.GetSelectedText(), "money");
    EXPECT_TRUE(owner.m_sent.empty());
}
