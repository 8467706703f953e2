#pragma once

#include "platform/core/CString.h"
#include "platform/core/Types.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <vector>

class CWnd;

// Flags of the file dialog.
constexpr DWORD OFN_READONLY = 0x1;
constexpr DWORD OFN_OVERWRITEPROMPT = 0x2;
constexpr DWORD OFN_HIDEREADONLY = 0x4;
constexpr DWORD OFN_PATHMUSTEXIST = 0x800;
constexpr DWORD OFN_FILEMUSTEXIST = 0x1000;

// What the user is asked to choose.
struct FileChoice
{
    enum class Kind
    {
        OpenFile,
        SaveFile,
        Folder,
    };

    Kind kind = Kind::OpenFile;
    CString title;
    // The folder shown first, and the file name proposed in it.
    CString initialFolder;
    CString fileName;
    // Qt's form: "Projects (*.wvt);;All files (*)".
    CString filter;
    // A save asks before replacing a file.
    bool confirmOverwrite = true;
};

// Asks the user for a file or folder: one interface, a Qt implementation and a scripted double.
class FileChooser
{
public:
    virtual ~FileChooser() = default;
    // The path chosen, or nothing when the user cancelled.
    virtual std::optional<CString> Choose(const FileChoice& choice, CWnd* parent) = 0;
};

// Installs a chooser (null restores the Qt one) and returns the previous one.
FileChooser* SetFileChooser(FileChooser* chooser);
FileChooser& GetFileChooser();

// The chooser on Qt's file dialog.
class QtFileChooser : public FileChooser
{
public:
    std::optional<CString> Choose(const FileChoice& choice, CWnd* parent) override;
};

// Test double: installed for its lifetime, it records every request and answers from a script.
// A request with the script used up is cancelled and counted.
class ScriptedFileChooser : public FileChooser
{
public:
    ScriptedFileChooser();
    ~ScriptedFileChooser() override;
    ScriptedFileChooser(const ScriptedFileChooser&) = delete;
    ScriptedFileChooser& operator=(const ScriptedFileChooser&) = delete;

    // Queues the path chosen by the next request, or a cancel.
    void Answer(const char* path);
    void Cancel();

    std::optional<CString> Choose(const FileChoice& choice, CWnd* parent) override;

    const std::vector<FileChoice>& Requests() const { return m_requests; }
    std::size_t UnscriptedCount() const { return m_unscripted; }

private:
    std::deque<std::optional<CString>> m_answers;
    std::vector<FileChoice> m_requests;
    std::size_t m_unscripted = 0;
    FileChooser* m_previous;
};

// "Projects (*.wvt)|*.wvt|All Files (*.*)|*.*||" in Qt's form: "Projects (*.wvt);;All Files (*)".
CString ConvertFileFilter(const char* filter);

// The open or save dialog, through the installed chooser.
class CFileDialog
{
public:
    struct OpenFileName
    {
        LPCTSTR lpstrTitle = nullptr;
        LPCTSTR lpstrInitialDir = nullptr;
        DWORD Flags = 0;
    };

    // filter in the "description|patterns|...||" form; fileName may include a folder.
    explicit CFileDialog(BOOL openFileDialog, LPCTSTR defExt = nullptr, LPCTSTR fileName = nullptr,
                         DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                         LPCTSTR filter = nullptr, CWnd* parentWnd = nullptr);
    virtual ~CFileDialog() = default;

    // IDOK with the path chosen (a save gets the default extension when it has none), or
    // IDCANCEL.
    virtual INT_PTR DoModal();

    CString GetPathName() const { return m_pathName; }
    // The name with its extension, the extension alone (no dot), the name without it.
    CString GetFileName() const;
    CString GetFileExt() const;
    CString GetFileTitle() const;
    CString GetFolderPath() const;

    OpenFileName m_ofn;

private:
    BOOL m_open;
    CString m_defExt;
    CString m_fileName;
    CString m_filter;
    CWnd* m_parentWnd;
    CString m_pathName;
};

// Asks for a folder, starting from folder; TRUE with the choice in folder, FALSE when cancelled.
BOOL BrowseForFolder(CWnd* parent, LPCTSTR title, CString& folder);
