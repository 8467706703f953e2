#include "platform/ui/SplitterWnd.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "platform/ui/Button.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/FormView.h"
#include "platform/ui/TreeView.h"
#include "tests/platform/ui/DocViewFixtures.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QSplitter>
#include <QWidget>

#include <cstdio>
#include <vector>

namespace
{
constexpr UINT IDD_NAME_FORM = 9101;
constexpr UINT IDD_COUNT_FORM = 9102;
constexpr int IDC_PANE_NAME = 1001;
constexpr int IDC_PANE_ACTIVE = 1002;
constexpr int IDC_PANE_COUNT = 2001;

const DialogTemplateRegistration formTemplates{
    {IDD_NAME_FORM,
     "Name",
     {{-1, ControlKind::Static, "Name"},
      {IDC_PANE_NAME, ControlKind::Edit, ""},
      {IDC_PANE_ACTIVE, ControlKind::CheckBox, "Active"}}},
    {IDD_COUNT_FORM,
     "Count",
     {{-1, ControlKind::Static, "Count"}, {IDC_PANE_COUNT, ControlKind::Edit, ""}}},
};

class NameForm : public CFormView
{
    DECLARE_DYNCREATE(NameForm)

public:
    NameForm() : CFormView(IDD_NAME_FORM) {}

    CString m_name = "first";
    int m_active = BST_CHECKED;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_PANE_NAME, m_name);
        DDX_Check(pDX, IDC_PANE_ACTIVE, m_active);
    }
};
IMPLEMENT_DYNCREATE(NameForm, CFormView)

class CountForm : public CFormView
{
    DECLARE_DYNCREATE(CountForm)

public:
    CountForm() : CFormView(IDD_COUNT_FORM) {}

    int m_count = 5;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_PANE_COUNT, m_count);
        DDV_MinMaxInt(pDX, m_count, 0, 10);
    }
};
IMPLEMENT_DYNCREATE(CountForm, CFormView)

// The right pane holds several views and shows one: the others keep no cell id and stay hidden.
class SwitchingSplitter : public CSplitterWnd
{
public:
    int AddRightView(CRuntimeClass* viewClass, CCreateContext* context)
    {
        HideRightView();
        if (!CreateView(0, 1, viewClass, CSize{225, 225}, context))
            return -1;
        m_rightViews.push_back(GetPane(0, 1));
        return static_cast<int>(m_rightViews.size()) - 1;
    }

    void ShowRightView(int index)
    {
        HideRightView();
        CWnd* view = m_rightViews[static_cast<std::size_t>(index)];
        view->SetDlgCtrlID(IdFromRowCol(0, 1));
        view->ShowWindow(SW_SHOW);
        RecalcLayout();
    }

    CWnd* RightView(int index) const { return m_rightViews[static_cast<std::size_t>(index)]; }

private:
    void HideRightView()
    {
        if (CWnd* shown = GetPane(0, 1))
        {
            shown->SetDlgCtrlID(0);
            shown->ShowWindow(SW_HIDE);
        }
    }

    std::vector<CWnd*> m_rightViews;
};

// Tree on the left; the name form and then the count form added to the right pane.
class SplitFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(SplitFrame)

public:
    SwitchingSplitter m_splitter;

protected:
    BOOL OnCreateClient(LPCREATESTRUCT, CCreateContext* context) override
    {
        return m_splitter.CreateStatic(this, 1, 2) &&
               m_splitter.CreateView(0, 0, RUNTIME_CLASS(CTreeView), CSize{200, 100}, context) &&
               m_splitter.AddRightView(RUNTIME_CLASS(NameForm), context) == 0 &&
               m_splitter.AddRightView(RUNTIME_CLASS(CountForm), context) == 1;
    }
};
IMPLEMENT_DYNCREATE(SplitFrame, CFrameWnd)

// Starts the application's new document in a split frame of 800 by 600.
SplitFrame& OpenSplitFrame(TestApp& app)
{
    app.AddTemplate(RUNTIME_CLASS(SplitFrame), RUNTIME_CLASS(CTreeView));
    app.OnFileNew();
    auto* frame = dynamic_cast<SplitFrame*>(AfxGetMainWnd());
    frame->GetSafeHwnd()->resize(800, 600);
    QApplication::processEvents();
    return *frame;
}

// The left edge of the view's widget in the frame's coordinates, and its width.
std::pair<int, int> Placement(CWnd& view, CWnd& frame)
{
    HWND widget = view.GetSafeHwnd();
    return {widget->mapTo(frame.GetSafeHwnd(), QPoint(0, 0)).x(), widget->width()};
}

int ColumnSize(CSplitterWnd& splitter, int col)
{
    int current = 0;
    int min = 0;
    splitter.GetColumnInfo(col, current, min);
    return current;
}

// An application with a new document open in a SplitFrame.
class SplitterWndTest : public ::testing::Test
{
protected:
    TempFolder folder;
    TestApp app{folder};
    SplitFrame& frame = OpenSplitFrame(app);
    SwitchingSplitter& splitter = frame.m_splitter;
};

TEST_F(SplitterWndTest, TreeOnTheLeftAndTheLastAddedViewOnTheRight)
{

    auto* tree = dynamic_cast<CTreeView*>(splitter.GetPane(0, 0));
    ASSERT_NE(tree, nullptr);
    EXPECT_NE(tree->GetTreeCtrl().InsertItem("BaseModule"), nullptr);
    EXPECT_EQ(tree->GetDocument(), frame.GetActiveDocument());
    EXPECT_EQ(frame.GetActiveView(), tree);

    EXPECT_EQ(splitter.GetPane(0, 1), splitter.RightView(1));
    EXPECT_TRUE(splitter.RightView(1)->IsWindowVisible());
    EXPECT_FALSE(splitter.RightView(0)->IsWindowVisible());
    const auto [treeLeft, treeWidth] = Placement(*tree, frame);
    const auto [formLeft, formWidth] = Placement(*splitter.RightView(1), frame);
    EXPECT_EQ(treeWidth, 200);
    EXPECT_GT(formLeft, treeLeft + treeWidth - 1);
    EXPECT_GT(formWidth, 500);
}

TEST_F(SplitterWndTest, RightPaneSwitchesBetweenTwoFormViews)
{
    CWnd* nameForm = splitter.RightView(0);
    CWnd* countForm = splitter.RightView(1);

    splitter.ShowRightView(0);
    QApplication::processEvents();
    EXPECT_EQ(splitter.GetPane(0, 1), nameForm);
    EXPECT_TRUE(nameForm->IsWindowVisible());
    EXPECT_FALSE(countForm->IsWindowVisible());
    EXPECT_EQ(countForm->GetDlgCtrlID(), 0);
    EXPECT_GT(Placement(*nameForm, frame).second, 500) << "the shown view fills the pane";

    splitter.ShowRightView(1);
    QApplication::processEvents();
    EXPECT_EQ(splitter.GetPane(0, 1), countForm);
    EXPECT_TRUE(countForm->IsWindowVisible());
    EXPECT_FALSE(nameForm->IsWindowVisible());
    EXPECT_EQ(Placement(*countForm, frame).first, Placement(*nameForm, frame).first);
}

TEST_F(SplitterWndTest, FormViewsExchangeTheirMembersWithTheirControls)
{
    auto& nameForm = dynamic_cast<NameForm&>(*splitter.RightView(0));
    auto& countForm = dynamic_cast<CountForm&>(*splitter.RightView(1));

    DialogDriver names(nameForm);
    EXPECT_EQ(names.GetText(IDC_PANE_NAME), "first") << "initial update fills the controls";
    auto* active = dynamic_cast<CButton*>(nameForm.GetDlgItem(IDC_PANE_ACTIVE));
    ASSERT_NE(active, nullptr);
    EXPECT_EQ(active->GetCheck(), static_cast<int>(BST_CHECKED));
    names.SetText(IDC_PANE_NAME, "renamed");
    names.SetCheck(IDC_PANE_ACTIVE, false);
    EXPECT_TRUE(nameForm.UpdateData(TRUE));
    EXPECT_EQ(nameForm.m_name, "renamed");
    EXPECT_EQ(nameForm.m_active, BST_UNCHECKED);

    ScriptedMessageBoxes boxes;
    DialogDriver counts(countForm);
    EXPECT_EQ(counts.GetText(IDC_PANE_COUNT), "5");
    counts.SetText(IDC_PANE_COUNT, "11");
    EXPECT_FALSE(countForm.UpdateData(TRUE));
    EXPECT_EQ(boxes.Shown().size(), 1u);
}

TEST(FormViewTest, ViewWithoutItsTemplateIsNotCreated)
{
    class MissingForm : public CFormView
    {
    public:
        MissingForm() : CFormView(9199) {}
    };
    QWidget parent;
    MissingForm form;
    EXPECT_FALSE(form.Create(&parent, 1, nullptr));
    EXPECT_EQ(form.GetSafeHwnd(), nullptr);
}

TEST(SplitterShapeTest, OnlyOneRowOrOneColumnIsAccepted)
{
    QWidget parentWidget;
    CWnd parent;
    parent.Attach(&parentWidget);
    CSplitterWnd square;
    EXPECT_FALSE(square.CreateStatic(&parent, 2, 2));
    CSplitterWnd stacked;
    ASSERT_TRUE(stacked.CreateStatic(&parent, 2, 1));
    EXPECT_EQ(stacked.GetRowCount(), 2);
    EXPECT_EQ(stacked.IdFromRowCol(1, 0), static_cast<int>(AFX_IDW_PANE_FIRST) + 16);
    EXPECT_FALSE(stacked.CreateView(0, 1, RUNTIME_CLASS(CView), CSize{10, 10}, nullptr));
    EXPECT_TRUE(stacked.CreateView(1, 0, RUNTIME_CLASS(CView), CSize{10, 40}, nullptr));
    EXPECT_EQ(stacked.GetPane(0, 0), nullptr);
    ASSERT_NE(stacked.GetPane(1, 0), nullptr);
    int current = 0;
    int min = 0;
    stacked.GetRowInfo(1, current, min);
    EXPECT_EQ(current, 40) << "the ideal height while not shown";
    stacked.GetColumnInfo(0, current, min);
    EXPECT_EQ(current, 10);
    stacked.GetColumnInfo(1, current, min);
    EXPECT_EQ(current, 0) << "no such column";
    parent.Detach();
}

TEST(SplitterPaneSizesTest, SizesSavedInTheProfileComeBackInTheNextApplication)
{
    TempFolder folder;
    {
        TestApp app(folder);
        SplitFrame& frame = OpenSplitFrame(app);
        CSplitterWnd& splitter = frame.m_splitter;
        EXPECT_EQ(ColumnSize(splitter, 0), 200);

        // The user drags the bar.
        auto* widget = splitter.GetSafeHwnd();
        const int total = widget->width();
        static_cast<QSplitter*>(widget)->setSizes({310, total - 310});
        EXPECT_EQ(ColumnSize(splitter, 0), 310);

        CString sizes;
        sizes.Format("%d %d %d %d", -1, ColumnSize(splitter, 0), -1, ColumnSize(splitter, 1));
        app.WriteProfileString("SplitterWnd", "Panes_0", sizes);
    }
    TestApp app(folder);
    SplitFrame& frame = OpenSplitFrame(app);
    CSplitterWnd& splitter = frame.m_splitter;
    int hiddenColumn = 0;
    int left = 0;
    int hiddenRow = 0;
    int right = 0;
    ASSERT_EQ(std::sscanf(app.GetProfileString("SplitterWnd", "Panes_0"), "%d %d %d %d",
                          &hiddenColumn, &left, &hiddenRow, &right),
              4);
    splitter.SetColumnInfo(0, left, 10);
    splitter.RecalcLayout();
    EXPECT_EQ(ColumnSize(splitter, 0), 310);
    EXPECT_EQ(ColumnSize(splitter, 1), right);
    int current = 0;
    int min = 0;
    splitter.GetColumnInfo(0, current, min);
    EXPECT_EQ(min, 10);
}
} // namespace
