#include "platform/ui/DocTemplate.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "platform/ui/RecentFileList.h"
#include "platform/ui/View.h"
#include "tests/platform/ui/DocViewFixtures.h"

#include <gtest/gtest.h>

#include <QMainWindow>

namespace
{
// A view that counts its initial updates.
class InitialUpdateCountingView : public CView
{
    DECLARE_DYNCREATE(InitialUpdateCountingView)

public:
    void OnInitialUpdate() override { ++initialUpdates; }

    int initialUpdates = 0;
};
IMPLEMENT_DYNCREATE(InitialUpdateCountingView, CView)

// An application with the single-document template of TextDocument in a plain frame.
class DocTemplateTest : public ::testing::Test
{
protected:
    DocTemplateTest()
    {
        app.AddTemplate(RUNTIME_CLASS(CFrameWnd), RUNTIME_CLASS(InitialUpdateCountingView));
        WriteTextDocument(first, "first");
        WriteTextDocument(second, "second");
    }

    CSingleDocTemplate& Template() const
    {
        return dynamic_cast<CSingleDocTemplate&>(*app.GetFirstDocTemplate());
    }

    TempFolder folder;
    TestApp app{folder};
    const std::string first = (folder.Path() / "first.wvt").string();
    const std::string second = (folder.Path() / "second.wvt").string();
};

TEST_F(DocTemplateTest, OpeningAnotherFileReusesTheDocumentAndTheFrame)
{
    CDocument* doc = app.OpenDocumentFile(first.c_str());
    ASSERT_NE(doc, nullptr);
    CFrameWnd* frame = Template().GetFrame();
    auto* view = dynamic_cast<InitialUpdateCountingView*>(frame->GetActiveView());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->initialUpdates, 1);

    EXPECT_EQ(app.OpenDocumentFile(second.c_str()), doc);
    EXPECT_EQ(Template().GetFrame(), frame);
    EXPECT_EQ(dynamic_cast<TextDocument*>(doc)->m_text, "second");
    EXPECT_EQ(doc->GetTitle(), "second.wvt");
    EXPECT_EQ(view->initialUpdates, 2) << "the views are refreshed for the new file";
}

TEST_F(DocTemplateTest, ARelativePathIsKeptAsTheAbsoluteOneItNamed)
{
    const std::filesystem::path started = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path());
    CDocument* doc = app.OpenDocumentFile("first.wvt");
    std::filesystem::current_path(started);
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->GetPathName(), first.c_str());
    EXPECT_EQ((*app.GetRecentFileList())[0], first.c_str());
}

TEST_F(DocTemplateTest, CancellingTheSaveQuestionKeepsTheModifiedDocument)
{
    auto* doc = dynamic_cast<TextDocument*>(app.OpenDocumentFile(first.c_str()));
    ASSERT_NE(doc, nullptr);
    doc->m_text = "edited";
    doc->SetModifiedFlag();
    ScriptedMessageBoxes boxes{IDCANCEL};
    EXPECT_EQ(app.OpenDocumentFile(second.c_str()), nullptr);
    EXPECT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(doc->m_text, "edited");
    EXPECT_EQ(doc->GetPathName(), first.c_str());
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(DocTemplateTest, FileThatFailsToOpenLeavesAnUntitledDocumentInTheSameFrame)
{
    auto* doc = dynamic_cast<TextDocument*>(app.OpenDocumentFile(first.c_str()));
    ASSERT_NE(doc, nullptr);
    ScriptedMessageBoxes boxes;
    EXPECT_EQ(app.OpenDocumentFile((folder.Path() / "missing.wvt").c_str()), nullptr);
    EXPECT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(Template().GetDocument(), doc);
    EXPECT_EQ(AfxGetMainWnd(), Template().GetFrame());
    EXPECT_TRUE(doc->m_text.IsEmpty());
    EXPECT_TRUE(doc->GetPathName().IsEmpty()) << "a save must not overwrite first.wvt";
    EXPECT_EQ(doc->GetTitle(), "Untitled");
}

TEST_F(DocTemplateTest, ReplacedClientPaneStaysAliveAndHidden)
{
    app.OnFileNew();
    CFrameWnd* frame = Template().GetFrame();
    CView* firstView = frame->GetActiveView();
    ASSERT_NE(firstView, nullptr);
    auto* window = qobject_cast<QMainWindow*>(frame->GetSafeHwnd());
    EXPECT_EQ(window->centralWidget(), firstView->GetSafeHwnd());

    CCreateContext context{RUNTIME_CLASS(InitialUpdateCountingView), Template().GetDocument(),
                           &Template()};
    firstView->SetDlgCtrlID(0);
    CWnd* secondView = frame->CreateView(&context);
    ASSERT_NE(secondView, nullptr);
    frame->RecalcLayout();
    EXPECT_EQ(window->centralWidget(), secondView->GetSafeHwnd());
    ASSERT_NE(firstView->GetSafeHwnd(), nullptr);
    EXPECT_FALSE(firstView->IsWindowVisible());
    EXPECT_EQ(firstView->GetParentFrame(), frame);
}
} // namespace
