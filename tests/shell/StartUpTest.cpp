#include "editors/ContextHelp.h"
#include "editors/ProgramFiles.h"
#include "platform/ui/DesktopServices.h"
#include "platform/ui/RecentFileList.h"
#include "platform/ui/ScriptedDesktop.h"
#include "platform/ui/TreeView.h"
#include "shell/EmptyEditorView.h"
#include "shell/ForgeonView.h"
#include "shell/ShellResources.h"
#include "shell/SplashWnd.h"
#include "shell/SplitterWnd.h"
#include "tests/shell/ShellTestSupport.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <fstream>

namespace
{
// The texts of the module items under the project's root item.
std::vector<CString> TreeItems(ForgeonView& tree)
{
    std::vector<CString> items;
    CTreeCtrl& control = tree.GetTreeCtrl();
    for (HTREEITEM item = control.GetChildItem(control.GetRootItem()); item != nullptr;
         item = control.GetNextSiblingItem(item))
        items.push_back(control.GetItemText(item));
    return items;
}
} // namespace

TEST(StartUpTest, WithoutArgumentsANewProjectWithBaseModuleShowsTheStartPage)
{
    RunningProgram program;
    ASSERT_TRUE(program.started);
    EXPECT_TRUE(program.Frame().GetSafeHwnd()->windowState().testFlag(Qt::WindowMaximized));
    // Where no window manager maximises it, and once restored, it covers most of the screen.
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    EXPECT_EQ(program.Frame().GetSafeHwnd()->normalGeometry().size(),
              QSize(screen.width() * 3 / 4, screen.height() * 3 / 4));
    EXPECT_EQ(program.Project().GetModuleNames(), std::vector<CString>{"BaseModule"});
    EXPECT_NE(program.Project().GetBaseModule()->GetLoginPage(), nullptr);
    EXPECT_EQ(program.Doc().GetPath(), "");
    EXPECT_EQ(program.Caption(), "Untitled - KestraneWeavo");
    EXPECT_EQ(program.Frame().GetCurrentRightPane(), RightPane::StartPage);
    EXPECT_EQ(TreeItems(*program.Frame().GetTreeView()), std::vector<CString>{"BaseModule"});

    // Sixteen views share the right pane, each made by its class; only the start page shows.
    SplitterWnd& splitter = *program.Frame().GetSplitter();
    ASSERT_EQ(splitter.GetViewCount(1), kRightPaneCount);
    for (int index = 0; index < kRightPaneCount; ++index)
    {
        CWnd* view = program.Frame().GetRightPaneView(static_cast<RightPane>(index));
        ASSERT_NE(view, nullptr) << index;
        EXPECT_EQ(view->GetRuntimeClass(),
                  MainFrame::GetRightPaneClass(static_cast<RightPane>(index)));
        EXPECT_EQ(view->IsWindowVisible() != FALSE, index == kRightPaneCount - 1) << index;
    }
    EXPECT_EQ(splitter.GetPane(0, 1), program.Frame().GetRightPaneView(RightPane::StartPage));
    EXPECT_EQ(program.boxes.Shown().size(), 0u);
}

TEST(StartUpTest, AProjectFileOnTheCommandLineIsOpenedAndNoNewProjectMade)
{
    TempFolder files;
    const std::string path = (files.Path() / "Shop.wvt").string();
    WriteTwoModuleProject(path);
    RunningProgram program({path.c_str()});
    ASSERT_TRUE(program.started);
    EXPECT_EQ(program.Project().GetModuleNames(), (std::vector<CString>{"BaseModule", "Module2"}));
    EXPECT_EQ(program.Doc().GetPath(), path.c_str());
    EXPECT_EQ(program.Doc().GetTitle(), path.c_str());
    EXPECT_EQ(program.Project().GetProjectFilePath(), path.c_str());
    EXPECT_EQ((*program.app.GetRecentFileList())[0], path.c_str());
    EXPECT_EQ(TreeItems(*program.Frame().GetTreeView()),
              (std::vector<CString>{"BaseModule", "Module2"}));
    EXPECT_EQ(program.Frame().GetCurrentRightPane(), RightPane::StartPage);
    EXPECT_EQ(program.boxes.Shown().size(), 0u);
}

TEST(StartUpTest, AMissingFileOnTheCommandLineIsReportedOnceAndANewProjectStarts)
{
    TempFolder files;
    const std::string path = (files.Path() / "Missing.wvt").string();
    RunningProgram program({path.c_str()});
    ASSERT_TRUE(program.started);
    ASSERT_EQ(program.boxes.Shown().size(), 1u);
    EXPECT_EQ(program.boxes.Shown()[0].text.rfind("Error in archiving\n", 0), 0u);
    EXPECT_NE(program.boxes.Shown()[0].text.find("Missing.wvt"), std::string::npos);
    EXPECT_EQ(program.Project().GetModuleNames(), std::vector<CString>{"BaseModule"});
    EXPECT_EQ(program.Doc().GetPath(), "");
    EXPECT_EQ(program.app.GetRecentFileList()->GetCount(), 0);
}

TEST(StartUpTest, TheSplashShowsAtMostOncePerProcess)
{
    RegisterShellResources();
    const bool enabled = CSplashWnd::IsEnabled();
    CSplashWnd::ShowSplashScreen();
    CSplashWnd* shown = CSplashWnd::GetShown();
    // Another test of this process may have shown and closed it already.
    EXPECT_EQ(shown != nullptr, enabled);
    if (shown != nullptr)
    {
        EXPECT_TRUE(shown->IsWindowVisible());
        CSplashWnd::ShowSplashScreen();
        EXPECT_EQ(CSplashWnd::GetShown(), shown) << "a second call makes no second splash";
        // A modal window keeps it until that window is gone.
        {
            QWidget modal;
            modal.setWindowModality(Qt::ApplicationModal);
            modal.show();
            CSplashWnd::HideSplashScreen();
            EXPECT_EQ(CSplashWnd::GetShown(), shown);
        }
        CSplashWnd::HideSplashScreen();
    }
    EXPECT_FALSE(CSplashWnd::IsEnabled());
    CSplashWnd::ShowSplashScreen();
    EXPECT_EQ(CSplashWnd::GetShown(), nullptr);
}

TEST(StartUpTest, TheFileAssociationIsADesktopEntryAndAMimeTypeInTheDataFolder)
{
    RunningProgram program;
    const std::filesystem::path data = program.folder.Path() / "data";
    const std::string entry = ReadHostFile(data / "applications" / "kestraneweavo.desktop");
    EXPECT_NE(entry.find("[Desktop Entry]\n"), std::string::npos);
    EXPECT_NE(entry.find("MimeType=application/x-kestraneweavo;\n"), std::string::npos);
    const std::size_t exec = entry.find("Exec=\"/");
    ASSERT_NE(exec, std::string::npos);
    EXPECT_NE(entry.find("\" %f\n", exec), std::string::npos);
    const std::string mime = ReadHostFile(data / "mime" / "packages" / "kestraneweavo.xml");
    EXPECT_NE(mime.find("<mime-type type=\"application/x-kestraneweavo\">"), std::string::npos);
    EXPECT_NE(mime.find("<glob pattern=\"*.wvt\"/>"), std::string::npos);

    // A data folder that cannot be made is ignored.
    std::ofstream(program.folder.Path() / "blocked") << "a file";
    ::setenv("XDG_DATA_HOME", (program.folder.Path() / "blocked").c_str(), 1);
    program.app.RegisterFileAssociation();
    EXPECT_EQ(program.boxes.Shown().size(), 0u);
}

TEST(StartUpTest, LanguageAbbreviations)
{
    const struct
    {
        const char* locale;
        const char* abbreviation;
    } cases[] = {
        {"en_US.UTF-8", "ENU"}, {"de_DE", "DED"}, {"fr_CA.UTF-8@euro", "FRC"},
        {"C", "ENU"},           {"POSIX", "ENU"}, {"", "ENU"},
        {"en", "ENU"},          {nullptr, "ENU"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AbbreviatedLanguageName(c.locale), c.abbreviation)
            << (c.locale != nullptr ? c.locale : "null");
}

TEST(StartUpTest, HelpOpensTheHelpFileAtItsContextOrSaysNoneIsInstalled)
{
    RunningProgram program;
    ScriptedDesktop desktop;
    ::unsetenv("LC_ALL");
    ::unsetenv("LC_MESSAGES");
    ::setenv("LANG", "xx_YY", 1);
    const std::filesystem::path help =
        std::filesystem::path(GetProgramFolder().GetString()) / "Help";
    std::filesystem::create_directories(help);
    std::filesystem::remove(help / "KestraneWeavo.chm");
    EXPECT_EQ(GetHelpFilePath(), GetProgramFolder() + "\\Help\\KestraneWeavo.chm");

    program.Command(ID_HELP_FILE);
    ASSERT_EQ(program.boxes.Shown().size(), 1u);
    // The file named as the host writes its path, one kind of separator throughout.
    EXPECT_EQ(program.boxes.Shown()[0].text, "No help is installed: the help file " +
                                                 (help / "KestraneWeavo.chm").string() +
                                                 " does not exist.");
    EXPECT_TRUE(desktop.HelpCalls().empty());

    std::ofstream(help / "KestraneWeavo.chm") << "help";
    program.Command(ID_HELP_FILE);
    std::filesystem::remove(help / "KestraneWeavo.chm");
    ASSERT_EQ(desktop.HelpCalls().size(), 1u);
    EXPECT_EQ(desktop.HelpCalls()[0].file, GetProgramFolder() + "\\Help\\KestraneWeavo.chm");
    EXPECT_EQ(desktop.HelpCalls()[0].command, HH_HELP_CONTEXT);
    EXPECT_EQ(desktop.HelpCalls()[0].data, 100u);
}

TEST(StartUpTest, TheAboutBoxShowsTheProductAndItsBuild)
{
    RunningProgram program;
    CString caption;
    program.dialogs.Answer(
        [&caption](CDialog& dialog, DialogDriver& user)
        {
            dialog.GetWindowText(caption);
            user.PressOk();
        });
    program.Command(ID_APP_ABOUT);
    EXPECT_EQ(program.dialogs.Shown(), std::vector<UINT>{100});
    EXPECT_EQ(caption, "About Kestrane Weavo");
}
