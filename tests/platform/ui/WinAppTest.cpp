#include "platform/core/ScriptedMessageBoxes.h"
#include "platform/ui/DocTemplate.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/RecentFileList.h"
#include "platform/ui/View.h"
#include "tests/platform/ui/DocViewFixtures.h"
#include "tests/support/ScopedEnvironment.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace
{
// Records every argument the way the application hands it over.
class RecordingCommandLine : public CCommandLineInfo
{
public:
    struct Param
    {
        std::string text;
        BOOL flag;
        BOOL last;
    };

    void ParseParam(const char* param, BOOL flag, BOOL last) override
    {
        params.push_back({param, flag, last});
        CCommandLineInfo::ParseParam(param, flag, last);
    }

    std::vector<Param> params;
};

CCommandLineInfo Parse(CWinApp& app, std::initializer_list<const char*> args)
{
    std::vector<const char*> argv(args);
    app.SetCommandLine(static_cast<int>(argv.size()), argv.data());
    CCommandLineInfo info;
    app.ParseCommandLine(info);
    return info;
}
} // namespace

TEST(WinAppTest, FirstArgumentThatIsNoFlagNamesTheFileToOpen)
{
    TempFolder folder;
    TestApp app(folder);
    const CCommandLineInfo none = Parse(app, {"kestrane-weavo"});
    EXPECT_EQ(none.m_nShellCommand, CCommandLineInfo::FileNew);
    EXPECT_TRUE(none.m_strFileName.IsEmpty());

    const CCommandLineInfo info =
        Parse(app, {"kestrane-weavo", "-x", "/home/u/My Shop.wvt", "second.wvt"});
    EXPECT_EQ(info.m_nShellCommand, CCommandLineInfo::FileOpen);
    EXPECT_EQ(info.m_strFileName, "/home/u/My Shop.wvt");
}

TEST(WinAppTest, FlagsReachTheParserWithoutTheirDashes)
{
    TempFolder folder;
    TestApp app(folder);
    const std::vector<const char*> argv{"kestrane-weavo", "--version", "-v", "-", "file.wvt"};
    app.SetCommandLine(static_cast<int>(argv.size()), argv.data());
    RecordingCommandLine info;
    app.ParseCommandLine(info);
    ASSERT_EQ(info.params.size(), 4u);
    EXPECT_EQ(info.params[0].text, "version");
    EXPECT_TRUE(info.params[0].flag);
    EXPECT_EQ(info.params[1].text, "v");
    EXPECT_TRUE(info.params[1].flag);
    EXPECT_EQ(info.params[2].text, "-");
    EXPECT_FALSE(info.params[2].flag);
    EXPECT_EQ(info.params[3].text, "file.wvt");
    EXPECT_TRUE(info.params[3].last);
    EXPECT_FALSE(info.params[2].last);
    EXPECT_EQ(info.m_strFileName, "-");
}

TEST(WinAppTest, NewDocumentCommandMakesTheMainFrameWithAnUntitledDocument)
{
    TempFolder folder;
    TestApp app(folder);
    app.AddTemplate(RUNTIME_CLASS(CFrameWnd), RUNTIME_CLASS(CView));
    CCommandLineInfo info;
    ASSERT_TRUE(app.ProcessShellCommand(info));

    auto* frame = dynamic_cast<CFrameWnd*>(AfxGetMainWnd());
    ASSERT_NE(frame, nullptr);
    ASSERT_NE(frame->GetActiveDocument(), nullptr);
    EXPECT_TRUE(frame->GetActiveDocument()->IsKindOf(RUNTIME_CLASS(TextDocument)));
    EXPECT_EQ(frame->GetActiveDocument()->GetTitle(), "Untitled");
    CString caption;
    frame->GetWindowText(caption);
    EXPECT_EQ(caption, "Untitled - KestraneWeavo");
    EXPECT_TRUE(frame->IsWindowVisible());
}

TEST(WinAppTest, FileOnTheCommandLineIsOpenedAndListedAsRecent)
{
    TempFolder folder;
    const std::string path = (folder.Path() / "Shop.wvt").string();
    WriteTextDocument(path, "saved text");
    TestApp app(folder);
    app.AddTemplate(RUNTIME_CLASS(CFrameWnd), RUNTIME_CLASS(CView));
    CCommandLineInfo info = Parse(app, {"kestrane-weavo", path.c_str()});
    ASSERT_TRUE(app.ProcessShellCommand(info));

    auto* frame = dynamic_cast<CFrameWnd*>(AfxGetMainWnd());
    ASSERT_NE(frame, nullptr);
    auto* doc = dynamic_cast<TextDocument*>(frame->GetActiveDocument());
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->m_text, "saved text");
    EXPECT_EQ(doc->GetPathName(), path.c_str());
    EXPECT_EQ(doc->GetTitle(), "Shop.wvt");
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ((*app.GetRecentFileList())[0], path.c_str());
}

TEST(WinAppTest, FileThatCannotBeOpenedEndsStartUpWithoutAFrame)
{
    TempFolder folder;
    TestApp app(folder);
    app.AddTemplate(RUNTIME_CLASS(CFrameWnd), RUNTIME_CLASS(CView));
    ScriptedMessageBoxes boxes;
    CCommandLineInfo info;
    info.m_nShellCommand = CCommandLineInfo::FileOpen;
    info.m_strFileName = (folder.Path() / "missing.wvt").c_str();
    EXPECT_FALSE(app.ProcessShellCommand(info));
    EXPECT_EQ(AfxGetMainWnd(), nullptr);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text.rfind("Failed to open document.\n", 0), 0u);
    EXPECT_EQ(app.GetRecentFileList()->GetCount(), 0);
}

TEST(WinAppTest, RecentFileThatNoLongerOpensLeavesTheList)
{
    TempFolder folder;
    const std::string kept = (folder.Path() / "kept.wvt").string();
    const std::string gone = (folder.Path() / "gone.wvt").string();
    WriteTextDocument(kept, "kept");
    TestApp app(folder);
    app.AddTemplate(RUNTIME_CLASS(CFrameWnd), RUNTIME_CLASS(CView));
    app.AddToRecentFileList(kept.c_str());
    app.AddToRecentFileList(gone.c_str());
    ScriptedMessageBoxes boxes;

    EXPECT_TRUE(app.OnCmdMsg(ID_FILE_MRU_FILE1, 0));
    EXPECT_EQ(app.GetRecentFileList()->GetCount(), 1);
    EXPECT_EQ((*app.GetRecentFileList())[0], kept.c_str());
    EXPECT_EQ(app.GetProfileString("Recent File List", "File2", "none"), "none");

    app.OnCmdMsg(ID_FILE_MRU_FILE1, 0);
    auto* doc =
        dynamic_cast<TextDocument*>(dynamic_cast<CFrameWnd*>(AfxGetMainWnd())->GetActiveDocument());
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->m_text, "kept");
}

TEST(WinAppTest, OpenCommandOpensTheChosenFileAndExitClosesTheMainWindow)
{
    TempFolder folder;
    const std::string path = (folder.Path() / "Chosen.wvt").string();
    WriteTextDocument(path, "chosen");
    TestApp app(folder);
    app.AddTemplate(RUNTIME_CLASS(CFrameWnd), RUNTIME_CLASS(CView));
    ScriptedFileChooser chooser;
    chooser.Cancel();
    chooser.Answer(path.c_str());

    EXPECT_TRUE(app.OnCmdMsg(ID_FILE_OPEN, 0));
    EXPECT_EQ(AfxGetMainWnd(), nullptr) << "cancelled";
    app.OnCmdMsg(ID_FILE_OPEN, 0);
    ASSERT_EQ(chooser.Requests().size(), 2u);
    EXPECT_EQ(chooser.Requests()[1].kind, FileChoice::Kind::OpenFile);
    auto* frame = dynamic_cast<CFrameWnd*>(AfxGetMainWnd());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(dynamic_cast<TextDocument*>(frame->GetActiveDocument())->m_text, "chosen");

    EXPECT_TRUE(frame->IsWindowVisible());
    app.OnCmdMsg(ID_APP_EXIT, 0);
    EXPECT_FALSE(frame->IsWindowVisible());
}

TEST(WinAppTest, MissingDisplayIsReportedUnlessAPlatformNeedsNone)
{
    ScopedEnvironment environment;
    environment.Set("WAYLAND_DISPLAY", nullptr);
    environment.Set("DISPLAY", nullptr);
    environment.Set("QT_QPA_PLATFORM", nullptr);
    const std::string message = MissingDisplayMessage();
    EXPECT_NE(message.find("needs a display"), std::string::npos);
    EXPECT_NE(message.find("QT_QPA_PLATFORM=offscreen"), std::string::npos);
    EXPECT_EQ(message.find('\n'), std::string::npos);

    environment.Set("DISPLAY", ":98765");
    EXPECT_FALSE(MissingDisplayMessage().empty()) << "a local display without its socket";
    environment.Set("DISPLAY", "buildhost:0");
    EXPECT_TRUE(MissingDisplayMessage().empty());

    environment.Set("DISPLAY", nullptr);
    environment.Set("WAYLAND_DISPLAY", "wayland-0");
    EXPECT_TRUE(MissingDisplayMessage().empty());
    environment.Set("QT_QPA_PLATFORM", "xcb");
    EXPECT_FALSE(MissingDisplayMessage().empty());
    environment.Set("QT_QPA_PLATFORM", "offscreen");
    EXPECT_TRUE(MissingDisplayMessage().empty());
}
