#include "platform/core/ScriptedMessageBoxes.h"
#include "platform/ui/DocTemplate.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/RecentFileList.h"
#include "platform/ui/View.h"
#include "tests/platform/ui/DocViewFixtures.h"

#include <gtest/gtest.h>

#include <QWidget>

#include <filesystem>
#include <fstream>

namespace
{
// A view that counts the updates it is sent.
class UpdateRecordingView : public CView
{
public:
    void OnUpdate(CView* sender, LPARAM hint, CObject*) override
    {
        ++updates;
        lastSender = sender;
        lastHint = hint;
    }

    int updates = 0;
    CView* lastSender = nullptr;
    LPARAM lastHint = 0;
};

// A modified document with text, saved before to path when path is given.
void PrepareModified(TextDocument& doc, const std::string& path)
{
    doc.m_text = "changed";
    if (!path.empty())
        doc.SetPathName(path.c_str(), FALSE);
    doc.SetModifiedFlag();
}
} // namespace

TEST(DocumentTest, TitleIsTheFileNameOfEitherPathForm)
{
    TextDocument doc;
    doc.SetPathName("C:\\Projects\\Shop\\Shop.wvt", FALSE);
    EXPECT_EQ(doc.GetTitle(), "Shop.wvt");
    EXPECT_EQ(doc.GetPathName(), "C:\\Projects\\Shop\\Shop.wvt");
    doc.SetPathName("/home/u/Other.wvt", FALSE);
    EXPECT_EQ(doc.GetTitle(), "Other.wvt");
    doc.SetPathName("plain.wvt", FALSE);
    EXPECT_EQ(doc.GetTitle(), "plain.wvt");
}

TEST(DocumentTest, SavedDocumentReadsBackUnmodified)
{
    TempFolder folder;
    const std::string path = (folder.Path() / "doc.wvt").string();
    TextDocument saved;
    saved.m_text = "hello";
    saved.SetModifiedFlag();
    ASSERT_TRUE(saved.OnSaveDocument(path.c_str()));
    EXPECT_FALSE(saved.IsModified());

    TextDocument read;
    read.m_text = "stale";
    read.SetModifiedFlag();
    ASSERT_TRUE(read.OnOpenDocument(path.c_str()));
    EXPECT_EQ(read.m_text, "hello");
    EXPECT_FALSE(read.IsModified());
}

TEST(DocumentTest, UnreadableFileLeavesTheDocumentEmptyWithTheHostReason)
{
    TempFolder folder;
    const std::string path = (folder.Path() / "short.wvt").string();
    std::ofstream(path) << "\x05"
                           "ab";
    ScriptedMessageBoxes boxes;
    TextDocument doc;
    doc.m_text = "before";
    EXPECT_FALSE(doc.OnOpenDocument(path.c_str()));
    EXPECT_TRUE(doc.m_text.IsEmpty());
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text.rfind("Failed to open document.\n", 0), 0u);
    EXPECT_GT(boxes.Shown()[0].text.size(), std::string("Failed to open document.\n").size());
}

TEST(DocumentTest, SaveThatFailsKeepsTheModifiedFlag)
{
    TempFolder folder;
    ScriptedMessageBoxes boxes;
    TextDocument doc;
    doc.SetModifiedFlag();
    EXPECT_FALSE(doc.OnSaveDocument((folder.Path() / "no" / "such" / "doc.wvt").c_str()));
    EXPECT_TRUE(doc.IsModified());
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text.rfind("Failed to save document.\n", 0), 0u);
}

TEST(DocumentTest, AnswersToTheSaveQuestion)
{
    TempFolder folder;
    const std::string path = (folder.Path() / "doc.wvt").string();
    {
        ScriptedMessageBoxes boxes;
        TextDocument doc;
        EXPECT_TRUE(doc.SaveModified());
        EXPECT_TRUE(boxes.Shown().empty()) << "an unmodified document needs no question";
    }
    {
        ScriptedMessageBoxes boxes{IDCANCEL};
        TextDocument doc;
        PrepareModified(doc, path);
        EXPECT_FALSE(doc.SaveModified());
        EXPECT_TRUE(doc.IsModified());
        ASSERT_EQ(boxes.Shown().size(), 1u);
        EXPECT_EQ(boxes.Shown()[0].text, "Save changes to doc.wvt?");
        EXPECT_EQ(boxes.Shown()[0].type & MB_TYPEMASK, MB_YESNOCANCEL);
    }
    {
        ScriptedMessageBoxes boxes{IDNO};
        TextDocument doc;
        PrepareModified(doc, path);
        EXPECT_TRUE(doc.SaveModified());
        EXPECT_FALSE(std::filesystem::exists(path));
    }
    {
        ScriptedMessageBoxes boxes{IDYES};
        TextDocument doc;
        PrepareModified(doc, path);
        EXPECT_TRUE(doc.SaveModified());
        EXPECT_FALSE(doc.IsModified());
        TextDocument read;
        ASSERT_TRUE(read.OnOpenDocument(path.c_str()));
        EXPECT_EQ(read.m_text, "changed");
    }
}

TEST(DocumentTest, SavingAnUntitledDocumentAsksWhereAndTakesThatPath)
{
    TempFolder folder;
    TestApp app(folder);
    const std::string path = (folder.Path() / "chosen.wvt").string();
    ScriptedMessageBoxes boxes{IDYES, IDYES};
    ScriptedFileChooser chooser;
    chooser.Cancel();
    chooser.Answer(path.c_str());
    TextDocument doc;
    doc.SetTitle("Untitled");
    PrepareModified(doc, "");

    EXPECT_FALSE(doc.SaveModified());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(doc.GetPathName().IsEmpty());

    EXPECT_TRUE(doc.SaveModified());
    ASSERT_EQ(chooser.Requests().size(), 2u);
    EXPECT_EQ(chooser.Requests()[1].kind, FileChoice::Kind::SaveFile);
    EXPECT_EQ(chooser.Requests()[1].fileName, "Untitled");
    EXPECT_EQ(doc.GetPathName(), path.c_str());
    EXPECT_EQ(doc.GetTitle(), "chosen.wvt");
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ((*app.GetRecentFileList())[0], path.c_str());
}

TEST(DocumentTest, UpdateAllViewsSkipsTheSender)
{
    QWidget parent;
    TextDocument doc;
    UpdateRecordingView first;
    UpdateRecordingView second;
    CCreateContext context{nullptr, &doc, nullptr};
    ASSERT_TRUE(first.Create(&parent, 1, &context));
    ASSERT_TRUE(second.Create(&parent, 2, &context));
    EXPECT_EQ(first.GetDocument(), &doc);

    doc.UpdateAllViews(&first, 7);
    EXPECT_EQ(first.updates, 0);
    EXPECT_EQ(second.updates, 1);
    EXPECT_EQ(second.lastSender, &first);
    EXPECT_EQ(second.lastHint, 7);

    doc.RemoveView(&second);
    EXPECT_EQ(second.GetDocument(), nullptr);
    doc.UpdateAllViews(nullptr);
    EXPECT_EQ(first.updates, 1);
    EXPECT_EQ(second.updates, 1);
}

TEST(DocumentTest, ViewsOutlivingTheirDocumentLoseIt)
{
    QWidget parent;
    UpdateRecordingView view;
    {
        TextDocument doc;
        CCreateContext context{nullptr, &doc, nullptr};
        ASSERT_TRUE(view.Create(&parent, 1, &context));
    }
    EXPECT_EQ(view.GetDocument(), nullptr);
}
