#include "editors/WvpDialog.h"
#include "model/MainFrameAccess.h"
#include "platform/ui/DesktopServices.h"
#include "platform/ui/Profile.h"
#include "platform/ui/ScriptedDesktop.h"
#include "platform/ui/SystemSettings.h"
#include "platform/ui/View.h"
#include "shell/BackupCopy.h"
#include "shell/ForgeonView.h"
#include "shell/SplitterWnd.h"
#include "tests/shell/ShellTestSupport.h"

#include <QAction>
#include <QIcon>
#include <QImage>
#include <QToolBar>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace
{
// An editor view that counts what the shell asks of it.
class RecordingEditorView : public CView, public WvpDialog
{
    DECLARE_DYNCREATE(RecordingEditorView)

public:
    void ClearPage() override { ++clears; }
    void ReloadPage() override { ++reloads; }

    int clears = 0;
    int reloads = 0;
};
IMPLEMENT_DYNCREATE(RecordingEditorView, CView)

// The table and form views are editors that record; the rest stay as they are.
class RecordingPanes
{
public:
    RecordingPanes()
        : m_table(MainFrame::SetRightPaneClass(RightPane::TableView,
                                               RUNTIME_CLASS(RecordingEditorView))),
          m_form(MainFrame::SetRightPaneClass(RightPane::FormEditor,
                                              RUNTIME_CLASS(RecordingEditorView)))
    {
    }
    ~RecordingPanes()
    {
        MainFrame::SetRightPaneClass(RightPane::TableView, m_table);
        MainFrame::SetRightPaneClass(RightPane::FormEditor, m_form);
    }
    RecordingPanes(const RecordingPanes&) = delete;
    RecordingPanes& operator=(const RecordingPanes&) = delete;

private:
    CRuntimeClass* m_table;
    CRuntimeClass* m_form;
};

RecordingEditorView& Recorder(RunningProgram& program, RightPane pane)
{
    return dynamic_cast<RecordingEditorView&>(*program.Frame().GetRightPaneView(pane));
}

// Milliseconds since 1970 of the local time.
std::int64_t LocalTimeMs(int year, int month, int day, int hour, int minute)
{
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_isdst = -1;
    return static_cast<std::int64_t>(std::mktime(&local)) * 1000;
}

std::size_t FileCount(const std::filesystem::path& folder)
{
    std::error_code error;
    std::size_t count = 0;
    for (auto it = std::filesystem::directory_iterator(folder, error);
         it != std::filesystem::directory_iterator(); ++it)
        ++count;
    return count;
}
} // namespace

TEST(MainFrameTest, EverySwitchLetsTheViewLeftGoOfItsEntity)
{
    RecordingPanes panes;
    RunningProgram program;
    RecordingEditorView& table = Recorder(program, RightPane::TableView);
    RecordingEditorView& form = Recorder(program, RightPane::FormEditor);
    MainFrame& frame = program.Frame();

    frame.ShowRightPane(RightPane::TableView);
    EXPECT_EQ(frame.GetCurrentRightPane(), RightPane::TableView);
    EXPECT_EQ(frame.GetCurrentWvpDialog(), static_cast<WvpDialog*>(&table));
    EXPECT_TRUE(table.IsWindowVisible());
    EXPECT_EQ(frame.GetSplitter()->GetPane(0, 1), static_cast<CWnd*>(&table));
    EXPECT_EQ(table.clears, 0);

    frame.ShowRightPane(RightPane::FormEditor);
    EXPECT_EQ(table.clears, 1);
    EXPECT_FALSE(table.IsWindowVisible());
    EXPECT_TRUE(form.IsWindowVisible());

    frame.ShowStartPage();
    EXPECT_EQ(form.clears, 1);
    EXPECT_EQ(table.clears, 1);

    // New and Open make the view shown let go before the project goes.
    frame.ShowRightPane(RightPane::TableView);
    program.boxes.Answer(IDNO);
    program.Command(ID_FILE_NEW);
    EXPECT_GE(table.clears, 2);
    EXPECT_EQ(frame.GetCurrentRightPane(), RightPane::StartPage);
    EXPECT_EQ(table.reloads + form.reloads, 0);
}

TEST(MainFrameTest, FiveMinutesOfSwitchingWriteOneStampedBackupBesideTheProject)
{
    // The backup is due at 09:05:00.001.
    ScriptedDesktop desktop(LocalTimeMs(2008, 3, 3, 9, 0));
    RunningProgram program;
    const std::string path = program.PathOf("Shop.wvt");
    program.files.Answer(path.c_str());
    ASSERT_TRUE(program.Doc().Save());
    MainFrame& frame = program.Frame();
    const std::filesystem::path backups = program.folder.Path() / "Shop_backup";

    frame.ShowRightPane(RightPane::TableView);
    desktop.Advance(200'000);
    frame.ShowStartPage();
    EXPECT_FALSE(std::filesystem::exists(backups));
    // Time without a switch counts at the next switch.
    desktop.Advance(100'001);
    frame.ShowRightPane(RightPane::MenuView);
    EXPECT_TRUE(std::filesystem::exists(backups / "Shop~3Mar2008(9-5).wvt"));
    EXPECT_EQ(FileCount(backups), 1u);
    EXPECT_EQ(frame.GetBackupStopwatch()->GetAccumulatedSeconds(), 0.0);
    EXPECT_EQ(frame.GetStatusBar()->GetPaneText(0), "");

    desktop.Advance(60'000);
    frame.ShowStartPage();
    EXPECT_EQ(FileCount(backups), 1u) << "the count started again";
    EXPECT_EQ(program.boxes.Shown().size(), 0u);
}

TEST(MainFrameTest, ARelativelyOpenedProjectIsBackedUpBesideItAndAFailedBackupIsTriedAgain)
{
    ScriptedDesktop desktop(LocalTimeMs(2008, 3, 3, 9, 0));
    RunningProgram program;
    WriteTwoModuleProject(program.PathOf("Shop.wvt"));
    const std::filesystem::path started = std::filesystem::current_path();
    std::filesystem::current_path(program.folder.Path());
    const bool opened = program.Doc().OpenProjectFile("Shop.wvt");
    std::filesystem::current_path(started);
    ASSERT_TRUE(opened);
    EXPECT_EQ(program.Doc().GetPath(), program.PathOf("Shop.wvt").c_str());

    // A file stands where the backup folder goes.
    const std::filesystem::path backups = program.folder.Path() / "Shop_backup";
    std::ofstream(backups) << "in the way";
    MainFrame& frame = program.Frame();
    frame.ShowRightPane(RightPane::TableView);
    desktop.Advance(300'001);
    frame.ShowStartPage();
    const std::string folder = program.folder.Path().string() + "/Shop_backup";
    EXPECT_EQ(frame.GetStatusBar()->GetPaneText(0),
              ("Back up file " + folder +
               "/Shop~3Mar2008(9-5).wvt could not be written: The folder " + folder +
               " could not be made: Not a directory")
                  .c_str());
    EXPECT_TRUE(program.boxes.Shown().empty());

    std::filesystem::remove(backups);
    desktop.Advance(300'001);
    frame.ShowRightPane(RightPane::MenuView);
    EXPECT_TRUE(std::filesystem::exists(backups / "Shop~3Mar2008(9-10).wvt"));
    EXPECT_EQ(frame.GetStatusBar()->GetPaneText(0), "");
}

// A never-saved project asks to be saved instead, once it differs from a new project.
TEST(MainFrameTest, ABackupDueForANeverSavedProjectAsksToSaveInstead)
{
    ScriptedDesktop desktop(LocalTimeMs(2008, 3, 3, 9, 5));
    RunningProgram program;
    for (const RightPane pane : {RightPane::TableView, RightPane::MenuView, RightPane::StartPage})
    {
        program.Frame().ShowRightPane(pane);
        desktop.Advance(300'001);
    }
    program.Command(ID_FILE_NEW);
    program.Frame().ShowRightPane(RightPane::TableView);
    desktop.Advance(300'001);
    program.Frame().ShowStartPage();
    EXPECT_TRUE(program.boxes.Shown().empty());

    program.Project().GetBaseModule()->SetName("Shop");
    program.Frame().ShowRightPane(RightPane::TableView);
    desktop.Advance(300'001);
    program.boxes.Answer(IDNO);
    program.Frame().ShowStartPage();
    ASSERT_EQ(program.boxes.Shown().size(), 1u);
    EXPECT_EQ(program.boxes.Shown()[0].text,
              "Your application is not saved! Do you want to save it?");
    EXPECT_EQ(program.boxes.Shown()[0].type, MB_YESNO | MB_ICONINFORMATION);
    EXPECT_TRUE(program.files.Requests().empty());
    EXPECT_EQ(program.Doc().GetPath(), "");
}

TEST(MainFrameTest, BackupStampsAndPlaces)
{
    const struct
    {
        SYSTEMTIME time;
        const char* stamp;
    } stamps[] = {
        {{2008, 3, 1, 3, 9, 5, 0, 0}, "~3Mar2008(9-5)"},
        {{2026, 12, 1, 31, 23, 59, 59, 999}, "~31Dec2026(23-59)"},
        {{1999, 1, 5, 1, 0, 0, 0, 0}, "~1Jan1999(0-0)"},
    };
    for (const auto& s : stamps)
        EXPECT_EQ(BackupStamp(s.time), s.stamp);

    const BackupPlace windows("C:\\Work\\Shop.wvt");
    EXPECT_EQ(windows.BackupFolder(), "C:\\Work\\Shop_backup");
    EXPECT_EQ(windows.CopyPath("~3Mar2008(9-5)"), "C:\\Work\\Shop_backup\\Shop~3Mar2008(9-5).wvt");
    EXPECT_EQ(BackupPlace("/home/u/My Shop.wvt").BackupFolder(), "/home/u\\My Shop_backup");
    // A name too long for the suffix is cut as a temporary's is: its start, "~" and a hash.
    const BackupPlace longName("/home/u/" + CString(std::string(250, 'S').c_str()) + ".wvt");
    const std::string folder = longName.BackupFolder().str();
    EXPECT_EQ(folder.substr(0, 8 + 239), "/home/u\\" + std::string(239, 'S'));
    EXPECT_EQ(folder[8 + 239], '~');
    EXPECT_EQ(folder.size() - 8, 255u);
    EXPECT_TRUE(folder.ends_with("_backup"));
    const std::string copy = longName.CopyPath("~3Mar2008(9-5)").str();
    EXPECT_EQ(copy.size() - folder.size() - 1, 255u);
    EXPECT_TRUE(copy.ends_with("~3Mar2008(9-5).wvt"));
}

TEST(MainFrameTest, SaveBackupCopyUsesTheGivenStamp)
{
    RunningProgram program;
    program.files.Answer(program.PathOf("Shop.wvt").c_str());
    ASSERT_TRUE(program.Doc().Save());
    program.Doc().SaveBackupCopy("~given");
    EXPECT_TRUE(std::filesystem::exists(program.folder.Path() / "Shop_backup" / "Shop~given.wvt"));
}

TEST(MainFrameTest, ThePaneSizesAreWrittenToTheProfileWhenTheFrameGoes)
{
    TempFolder profile;
    std::string file;
    int paneWidth = 0;
    {
        RunningProgram program({}, profile.Path());
        file = program.app.GetProfile().FilePath();
        paneWidth = program.Frame().GetTreeView()->GetPaneWidth();
        SplitterWnd& splitter = *program.Frame().GetSplitter();
        splitter.ShowView(1, -1);
        EXPECT_EQ(splitter.GetCurrentIndex(1), 0) << "past the last view comes the first";
        splitter.ShowView(1, -1);
        EXPECT_EQ(splitter.GetCurrentIndex(1), 1);
        EXPECT_EQ(Profile(file).GetString("SplitterWnd", "Panes_0", "none"), "none");
    }
    // Hidden column, width of the tree, hidden row, width of the right pane.
    const CString value = Profile(file).GetString("SplitterWnd", "Panes_0", "none");
    int hiddenColumn = 0;
    int tree = 0;
    int hiddenRow = 0;
    int right = 0;
    ASSERT_EQ(std::sscanf(value, "%d %d %d %d", &hiddenColumn, &tree, &hiddenRow, &right), 4)
        << value;
    EXPECT_EQ(hiddenColumn, -1);
    EXPECT_EQ(hiddenRow, -1);
    // The tree starts wide enough for its category names.
    EXPECT_EQ(tree, std::max(225, paneWidth));
    EXPECT_GT(right, tree);
}

TEST(MainFrameTest, EveryToolBarButtonHasItsPictureOnTheFaceColour)
{
    RunningProgram program;
    const auto* bar = program.Frame().GetSafeHwnd()->findChild<QToolBar*>();
    ASSERT_NE(bar, nullptr);
    const COLORREF face = GetSysColor(COLOR_3DFACE);
    std::vector<QString> tips;
    for (QAction* action : bar->actions())
    {
        if (action->isSeparator())
            continue;
        tips.push_back(action->toolTip());
        ASSERT_FALSE(action->icon().isNull()) << action->toolTip().toStdString();
        const QImage picture = action->icon().pixmap(32, 32).toImage();
        EXPECT_EQ(picture.pixel(1, 1), qRgb(GetRValue(face), GetGValue(face), GetBValue(face)))
            << "the light grey corner became the face colour";
    }
    EXPECT_EQ(tips.size(), 14u);
    EXPECT_EQ(tips.front(), "New");
    EXPECT_EQ(tips.back(), "About");
}

TEST(MainFrameTest, StatusTextsOfTheModelShowInTheStatusBarWhileTheFrameLives)
{
    {
        RunningProgram program;
        MainFrameAccess::SetStatusText("Resolving Tables");
        EXPECT_EQ(program.Frame().GetStatusBar()->GetPaneText(0), "Resolving Tables");
    }
    // Without a frame the text goes nowhere.
    MainFrameAccess::SetStatusText("Merging completed.");
}
