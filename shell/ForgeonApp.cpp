#include "shell/ForgeonApp.h"

#include "model/ProjectStore.h"
#include "platform/core/Descriptor.h"
#include "platform/core/FileReplacementAt.h"
#include "platform/core/FileWriters.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/DocTemplate.h"
#include "platform/ui/WaitPainting.h"
#include "shell/ForgeonDoc.h"
#include "shell/ForgeonView.h"
#include "shell/MainFrame.h"
#include "shell/ShellResources.h"
#include "shell/SplashWnd.h"

#include <QApplication>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace
{
// The kind of file written here and the rules its writer keeps.
const FileWriterRegistration desktopEntryWriter("desktop entry",
                                                replacesLinks | wholeOnFullDisk | wholeAfterKill);

constexpr UINT IDD_ABOUTBOX = 100;
int startupPauseMs = 2500;

const DialogTemplateRegistration aboutTemplate{{
    IDD_ABOUTBOX,
    "About Kestrane Weavo",
    {
        {0, ControlKind::Static, "Kestrane Weavo"},
        {0, ControlKind::Static, "Version"},
        {0, ControlKind::Static, "Build- 2008.12.12"},
        {IDOK, ControlKind::DefPushButton, "OK"},
    },
}};

// Writes the text as the whole file, making its folder; false when it cannot. It replaces the file
// through a temporary (FileReplacementAt): a link or a file with other names at the path is
// replaced, never written through, a file that holds the text stays as it is, and a full disk or
// a kill part way leaves the file before whole.
bool WriteDesktopFile(const std::filesystem::path& path, const std::string& text)
{
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    const Descriptor folder(::open(path.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    FileReplacementAt file;
    return folder.IsOpen() &&
           file.Begin(folder.Get(), path.filename().string(), 0666,
                      FileReplacementAt::FolderHold::borrow, FileReplacementAt::NameExpected::taken,
                      FileReplacementAt::Bytes::whole) &&
           file.CommitWhole(text);
}

std::string RunningProgramPath()
{
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).string();
}
} // namespace

ForgeonApp::ForgeonApp() : CWinApp("KestraneWeavo")
{
    RegisterShellResources();
    MapCommand(ID_APP_ABOUT, &ForgeonApp::OnAppAbout);
}

void ForgeonApp::SetStartupPause(int milliseconds)
{
    startupPauseMs = milliseconds;
}

BOOL ForgeonApp::InitInstance()
{
    CSplashWnd::ShowSplashScreen();
    QApplication::processEvents();
    std::this_thread::sleep_for(std::chrono::milliseconds(startupPauseMs));
    SetRegistryKey("Local AppWizard-Generated Applications");
    // The windows paint while a save waits for another instance.
    ProjectStore::SetSaveLockWaiting(&PaintWhileWaiting);
    LoadStdProfileSettings(4);
    RegisterFileAssociation();
    AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(ForgeonDoc),
                                          RUNTIME_CLASS(MainFrame), RUNTIME_CLASS(ForgeonView)));
    CCommandLineInfo info;
    ParseCommandLine(info);
    // A file that does not open has been reported; the program goes on with a new project.
    const bool opened = ProcessShellCommand(info) != FALSE;
    auto* frame = dynamic_cast<MainFrame*>(m_pMainWnd);
    if (frame == nullptr)
        return FALSE;
    // The owner-drawn menu takes the place of the frame's plain one.
    if (HMENU menu = frame->BuildOwnerDrawnMenu())
    {
        const HMENU plain =
            frame->GetMenu() != nullptr ? frame->GetMenu()->GetSafeHmenu() : nullptr;
        frame->SetMenu(CMenu::FromHandle(menu));
        ::DestroyMenu(plain);
    }
    frame->ActivateFrame(SW_SHOWMAXIMIZED);
    frame->UpdateWindow();
    if (info.m_strFileName.IsEmpty() || !opened)
    {
        if (ForgeonDoc* doc = GetForgeonDoc())
            doc->NewProject();
    }
    return TRUE;
}

CDocument* ForgeonApp::OpenDocumentFile(const char* path)
{
    auto* docTemplate = dynamic_cast<CSingleDocTemplate*>(GetFirstDocTemplate());
    if (docTemplate == nullptr)
        return nullptr;
    if (docTemplate->GetDocument() == nullptr && docTemplate->OpenDocumentFile(nullptr) == nullptr)
        return nullptr;
    auto* doc = dynamic_cast<ForgeonDoc*>(docTemplate->GetDocument());
    if (doc == nullptr || path == nullptr)
        return doc;
    // The open project's changes are saved or given up first; Cancel keeps it open.
    if (!doc->SaveChangesOrCancel())
        return doc;
    return doc->OpenProjectFile(path) ? doc : nullptr;
}

ForgeonDoc* ForgeonApp::GetForgeonDoc() const
{
    auto* frame = dynamic_cast<MainFrame*>(m_pMainWnd);
    return frame != nullptr ? frame->GetDoc() : nullptr;
}

void ForgeonApp::RegisterFileAssociation()
{
    const std::filesystem::path data = UserDataFolder().GetString();
    const std::string desktopEntry = "[Desktop Entry]\n"
                                     "Type=Application\n"
                                     "Name=KestraneWeavo\n"
                                     "Exec=\"" +
                                     RunningProgramPath() +
                                     "\" %f\n"
                                     "MimeType=application/x-kestraneweavo;\n"
                                     "Terminal=false\n";
    const std::string mimeType =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
        "  <mime-type type=\"application/x-kestraneweavo\">\n"
        "    <comment>KestraneWeavo project</comment>\n"
        "    <glob pattern=\"*.wvt\"/>\n"
        "  </mime-type>\n"
        "</mime-info>\n";
    WriteDesktopFile(data / "applications" / "kestraneweavo.desktop", desktopEntry);
    WriteDesktopFile(data / "mime" / "packages" / "kestraneweavo.xml", mimeType);
}

void ForgeonApp::OnAppAbout()
{
    CDialog about(IDD_ABOUTBOX, m_pMainWnd);
    about.DoModal();
}

CString UserDataFolder()
{
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data != nullptr && *data != '\0')
        return data;
    const char* home = std::getenv("HOME");
    return CString(home != nullptr ? home : "") + "/.local/share";
}
