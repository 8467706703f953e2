#include "platform/ui/WinApp.h"

#include "platform/core/LargeStack.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/DocTemplate.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/Profile.h"
#include "platform/ui/QtMessageBox.h"
#include "platform/ui/RecentFileList.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <utility>

namespace
{
CWinApp* theApp = nullptr;

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// True when DISPLAY names a server this host can reach: a local display (":N", ":N.S") needs
// its socket; a remote one is taken on trust.
bool X11DisplayReachable(const std::string& display)
{
    if (display.empty())
        return false;
    if (display.front() != ':')
        return true;
    const std::string number = display.substr(1, display.find('.') - 1);
    std::error_code error;
    return std::filesystem::exists("/tmp/.X11-unix/X" + number, error);
}
} // namespace

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

void CCommandLineInfo::ParseParam(const char* param, BOOL flag, BOOL)
{
    if (flag || m_nShellCommand == FileOpen)
        return;
    m_strFileName = param;
    m_nShellCommand = FileOpen;
}

CWinApp::CWinApp(const char* appName)
{
    theApp = this;
    std::error_code error;
    m_appName = appName != nullptr
                    ? std::string(appName)
                    : std::filesystem::read_symlink("/proc/self/exe", error).stem().string();
    MapCommand(ID_FILE_NEW, &CWinApp::OnFileNew);
    MapCommand(ID_FILE_OPEN, &CWinApp::OnFileOpen);
    MapCommand(ID_APP_EXIT, &CWinApp::OnAppExit);
    MapCommandRange(ID_FILE_MRU_FILE1, ID_FILE_MRU_LAST, [this](UINT id) { OnOpenRecentFile(id); });
}

CWinApp::~CWinApp()
{
    m_templates.clear();
    if (theApp == this)
        theApp = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::Run()
{
    const int code = QApplication::exec();
    const int exitCode = ExitInstance();
    return code != 0 ? code : exitCode;
}

int CWinApp::ExitInstance()
{
    return 0;
}

void CWinApp::SetCommandLine(int argc, const char* const* argv)
{
    m_arguments.assign(argv, argv + argc);
}

void CWinApp::ParseCommandLine(CCommandLineInfo& info) const
{
    const std::size_t count = m_arguments.size();
    for (std::size_t index = 1; index < count; ++index)
    {
        std::string_view param = m_arguments[index];
        const BOOL flag = param.size() > 1 && param.front() == '-';
        if (flag)
            param.remove_prefix(param.starts_with("--") ? 2 : 1);
        info.ParseParam(std::string(param).c_str(), flag, index + 1 == count);
    }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& info)
{
    switch (info.m_nShellCommand)
    {
    case CCommandLineInfo::FileNew:
        if (!OnCmdMsg(ID_FILE_NEW, 0))
            OnFileNew();
        return m_pMainWnd != nullptr;
    case CCommandLineInfo::FileOpen:
        return OpenDocumentFile(info.m_strFileName) != nullptr;
    default:
        return TRUE;
    }
}

void CWinApp::SetProfileFolder(const char* folder)
{
    m_profileFolder = folder;
    m_profile.reset();
}

void CWinApp::SetRegistryKey(const char* key)
{
    m_registryKey = key;
    m_profile.reset();
}

Profile& CWinApp::GetProfile()
{
    if (!m_profile)
    {
        const std::string folder = m_profileFolder.empty() ? UserConfigFolder() : m_profileFolder;
        m_profile = std::make_unique<Profile>(ProfileFilePath(folder, m_registryKey, m_appName));
    }
    return *m_profile;
}

CString CWinApp::GetProfileString(const char* section, const char* entry, const char* defaultValue)
{
    return GetProfile().GetString(section, entry, defaultValue);
}

BOOL CWinApp::WriteProfileString(const char* section, const char* entry, const char* value)
{
    return GetProfile().WriteString(section, entry, value);
}

UINT CWinApp::GetProfileInt(const char* section, const char* entry, int defaultValue)
{
    return static_cast<UINT>(GetProfile().GetInt(section, entry, defaultValue));
}

BOOL CWinApp::WriteProfileInt(const char* section, const char* entry, int value)
{
    return GetProfile().WriteInt(section, entry, value);
}

void CWinApp::LoadStdProfileSettings(UINT maxMRU)
{
    m_recentFiles.reset();
    if (maxMRU == 0)
        return;
    m_recentFiles = std::make_unique<CRecentFileList>(ID_FILE_MRU_FILE1, "Recent File List",
                                                      "File%d", static_cast<int>(maxMRU));
    m_recentFiles->ReadList(GetProfile());
}

void CWinApp::AddToRecentFileList(const char* path)
{
    if (!m_recentFiles)
        return;
    m_recentFiles->Add(path);
    m_recentFiles->WriteList(GetProfile());
}

void CWinApp::AddDocTemplate(CDocTemplate* docTemplate)
{
    m_templates.emplace_back(docTemplate);
}

CDocTemplate* CWinApp::GetFirstDocTemplate() const
{
    return m_templates.empty() ? nullptr : m_templates.front().get();
}

CDocument* CWinApp::OpenDocumentFile(const char* path)
{
    CDocTemplate* docTemplate = GetFirstDocTemplate();
    return docTemplate != nullptr ? docTemplate->OpenDocumentFile(path) : nullptr;
}

void CWinApp::OnFileNew()
{
    if (CDocTemplate* docTemplate = GetFirstDocTemplate())
        docTemplate->OpenDocumentFile(nullptr);
}

void CWinApp::OnFileOpen()
{
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, nullptr,
                       m_pMainWnd);
    if (dialog.DoModal() == IDOK)
        OpenDocumentFile(dialog.GetPathName());
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd != nullptr)
        m_pMainWnd->SendMessage(WM_CLOSE);
}

void CWinApp::OnOpenRecentFile(UINT id)
{
    if (!m_recentFiles)
        return;
    const int index = static_cast<int>(id - m_recentFiles->GetStartId());
    const CString path = (*m_recentFiles)[index];
    if (path.IsEmpty() || OpenDocumentFile(path) != nullptr)
        return;
    m_recentFiles->Remove(index);
    m_recentFiles->WriteList(GetProfile());
}

CWinApp* AfxGetApp()
{
    return theApp;
}

CWnd* AfxGetMainWnd()
{
    return theApp != nullptr ? theApp->m_pMainWnd : nullptr;
}

std::string MissingDisplayMessage()
{
    const std::string platform = Environment("QT_QPA_PLATFORM");
    const std::string display = Environment("DISPLAY");
    const std::string wayland = Environment("WAYLAND_DISPLAY");
    bool reachable = true;
    if (platform.empty())
        reachable = !wayland.empty() || X11DisplayReachable(display);
    else if (platform.starts_with("xcb"))
        reachable = X11DisplayReachable(display);
    else if (platform.starts_with("wayland"))
        reachable = !wayland.empty();
    if (reachable)
        return "";
    return "Kestrane Weavo needs a display: set DISPLAY, or QT_QPA_PLATFORM=offscreen to run "
           "without one.";
}

int AfxWinMain(int argc, char** argv, const std::function<std::unique_ptr<CWinApp>()>& createApp)
{
    const std::string missing = MissingDisplayMessage();
    if (!missing.empty())
    {
        std::fprintf(stderr, "%s\n", missing.c_str());
        return 1;
    }
    // The windows live and answer on the large stack: Qt's item views lay out and free their
    // items recursively, as deep as a menu chain that the trees show expanded.
    return LargeStack::Run(
        [&]
        {
            QApplication application(argc, argv);
            InstallQtMessageBoxHandler();
            const std::unique_ptr<CWinApp> app = createApp();
            app->SetCommandLine(argc, argv);
            if (!app->InitInstance())
            {
                const int code = app->ExitInstance();
                return code != 0 ? code : 1;
            }
            return app->Run();
        });
}
