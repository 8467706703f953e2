#pragma once

#include "platform/core/CString.h"
#include "platform/ui/CmdTarget.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CDocTemplate;
class CDocument;
class CRecentFileList;
class CWnd;
class Profile;

// What the command line asks of the application at start-up.
class CCommandLineInfo
{
public:
    enum
    {
        FileNew,
        FileOpen,
        FileNothing = -1,
    };

    virtual ~CCommandLineInfo() = default;

    // One argument: flag is TRUE for an argument that began with "-" (given without its dashes),
    // last for the final argument. The first argument that is not a flag names the file to open.
    virtual void ParseParam(const char* param, BOOL flag, BOOL last);

    int m_nShellCommand = FileNew;
    CString m_strFileName;
};

// The application object: one per process, reached through AfxGetApp. It keeps the profile,
// the recent-file list, the document templates and the main window.
class CWinApp : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinApp)

public:
    // appName names the profile file; null takes the running program's file name.
    explicit CWinApp(const char* appName = nullptr);
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // FALSE ends the process before the event loop.
    virtual BOOL InitInstance();
    // Runs the event loop until the main window closes; returns ExitInstance's code.
    virtual int Run();
    // Clean-up after the event loop; returns the process exit code (0 here).
    virtual int ExitInstance();

    const CString& GetAppName() const { return m_appName; }
    void SetCommandLine(int argc, const char* const* argv);
    void ParseCommandLine(CCommandLineInfo& info) const;
    // Starts a new document or opens the named file; FALSE when that fails.
    BOOL ProcessShellCommand(CCommandLineInfo& info);

    // The folder that holds the profile file: the user's configuration folder unless set.
    void SetProfileFolder(const char* folder);
    // The profile file becomes <folder>/<key>/<application name>.ini.
    void SetRegistryKey(const char* key);
    Profile& GetProfile();

    CString GetProfileString(const char* section, const char* entry,
                             const char* defaultValue = nullptr);
    BOOL WriteProfileString(const char* section, const char* entry, const char* value);
    UINT GetProfileInt(const char* section, const char* entry, int defaultValue);
    BOOL WriteProfileInt(const char* section, const char* entry, int value);

    // Reads the recent-file list of maxMRU entries (none for 0) from the profile.
    void LoadStdProfileSettings(UINT maxMRU = 4);
    // Puts the file at the top of the recent-file list and writes the list to the profile.
    virtual void AddToRecentFileList(const char* path);
    CRecentFileList* GetRecentFileList() const { return m_recentFiles.get(); }

    // The application owns the templates it is given.
    void AddDocTemplate(CDocTemplate* docTemplate);
    CDocTemplate* GetFirstDocTemplate() const;
    // Opens the file through the first template; null when it cannot be opened.
    virtual CDocument* OpenDocumentFile(const char* path);

    void OnFileNew();
    // Asks for a file to open and opens it.
    void OnFileOpen();
    // Closes the main window as its close button does.
    void OnAppExit();
    // Opens the file of a recent-file menu command; an entry that no longer opens leaves the list.
    void OnOpenRecentFile(UINT id);

    CWnd* m_pMainWnd = nullptr;

private:
    CString m_appName;
    std::vector<std::string> m_arguments;
    std::string m_profileFolder;
    CString m_registryKey;
    std::unique_ptr<Profile> m_profile;
    std::unique_ptr<CRecentFileList> m_recentFiles;
    std::vector<std::unique_ptr<CDocTemplate>> m_templates;
};

// The one application object, or null when none exists.
CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();

// The reason the user interface cannot start here (no display to reach), or "" when it can.
std::string MissingDisplayMessage();

// The program's main: checks for a display, starts Qt with its message boxes, makes the
// application object, runs its InitInstance and event loop. The object goes before Qt does. Returns
// the process exit code.
int AfxWinMain(int argc, char** argv, const std::function<std::unique_ptr<CWinApp>()>& createApp);
