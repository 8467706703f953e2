#include "platform/ui/FileDialog.h"

#include "platform/core/HostPath.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/QtText.h"
#include "platform/ui/Wnd.h"

#include <QDir>
#include <QFileDialog>
#include <QStringList>

#include <utility>

namespace
{
FileChooser*& InstalledChooser()
{
    static FileChooser* chooser = nullptr;
    return chooser;
}

// One "description|patterns" pair in Qt's form; "*.*" means every file.
QString QtFilterOf(const QString& description, const QString& patterns)
{
    QStringList globs = patterns.split(';', Qt::SkipEmptyParts);
    for (QString& glob : globs)
    {
        glob = glob.trimmed() == "*.*" ? QStringLiteral("*") : glob.trimmed();
    }
    QString shown = description.trimmed();
    const qsizetype open = shown.lastIndexOf('(');
    if (open > 0 && shown.endsWith(')'))
    {
        shown = shown.left(open).trimmed();
    }
    return QStringLiteral("%1 (%2)").arg(shown, globs.join(' '));
}

// The index of the last '.' of the file name part, or -1.
int ExtensionDot(const CString& path)
{
    const int dot = path.ReverseFind('.');
    const int slash = path.ReverseFind('/');
    return dot > slash + 1 ? dot : -1;
}
// The folder of the latest choice; a dialog without a folder of its own starts there.
CString& LastChosenFolder()
{
    static CString folder;
    return folder;
}

// Asks until the user chooses a path the program can use, or cancels. The program keeps paths
// with "\" as separators, so a host name holding a "\" would lead to another file; such a
// choice is refused with a message naming it, and the dialog comes again in its folder.
std::optional<CString> ChooseUsablePath(FileChoice choice, CWnd* parent)
{
    if (choice.initialFolder.IsEmpty())
        choice.initialFolder = LastChosenFolder();
    for (;;)
    {
        std::optional<CString> chosen = GetFileChooser().Choose(choice, parent);
        if (!chosen)
            return chosen;
        const int slash = chosen->ReverseFind('/');
        if (!HostNamesHoldBackslash(*chosen))
        {
            LastChosenFolder() = choice.kind == FileChoice::Kind::Folder ? *chosen
                                 : slash >= 0                            ? chosen->Left(slash + 1)
                                                                         : CString();
            return chosen;
        }
        AfxMessageBox(CString(BackslashNameRefusal(*chosen)) + " Please choose another name.",
                      MB_OK | MB_ICONWARNING);
        if (choice.kind != FileChoice::Kind::Folder && slash >= 0)
        {
            choice.initialFolder = chosen->Left(slash);
            choice.fileName = chosen->Mid(slash + 1);
        }
    }
}
} // namespace

FileChooser* SetFileChooser(FileChooser* chooser)
{
    return std::exchange(InstalledChooser(), chooser);
}

FileChooser& GetFileChooser()
{
    static QtFileChooser qtChooser;
    return InstalledChooser() != nullptr ? *InstalledChooser() : qtChooser;
}

std::optional<CString> QtFileChooser::Choose(const FileChoice& choice, CWnd* parent)
{
    QWidget* parentWidget = parent != nullptr ? parent->GetSafeHwnd() : nullptr;
    const QString title = ToQString(choice.title);
    const QString start =
        QDir(ToQString(choice.initialFolder)).filePath(ToQString(choice.fileName));
    QString chosen;
    switch (choice.kind)
    {
    case FileChoice::Kind::OpenFile:
        chosen = QFileDialog::getOpenFileName(parentWidget, title, start, ToQString(choice.filter));
        break;
    case FileChoice::Kind::SaveFile:
        chosen = QFileDialog::getSaveFileName(
            parentWidget, title, start, ToQString(choice.filter), nullptr,
            choice.confirmOverwrite ? QFileDialog::Options() : QFileDialog::DontConfirmOverwrite);
        break;
    case FileChoice::Kind::Folder:
        chosen =
            QFileDialog::getExistingDirectory(parentWidget, title, ToQString(choice.initialFolder));
        break;
    }
    if (chosen.isEmpty())
    {
        return std::nullopt;
    }
    return FromQString(chosen);
}

ScriptedFileChooser::ScriptedFileChooser() : m_previous(SetFileChooser(this)) {}

ScriptedFileChooser::~ScriptedFileChooser()
{
    SetFileChooser(m_previous);
}

void ScriptedFileChooser::Answer(const char* path)
{
    m_answers.emplace_back(CString(path));
}

void ScriptedFileChooser::Cancel()
{
    m_answers.emplace_back(std::nullopt);
}

std::optional<CString> ScriptedFileChooser::Choose(const FileChoice& choice, CWnd*)
{
    m_requests.push_back(choice);
    if (m_answers.empty())
    {
        ++m_unscripted;
        return std::nullopt;
    }
    std::optional<CString> answer = std::move(m_answers.front());
    m_answers.pop_front();
    return answer;
}

CString ConvertFileFilter(const char* filter)
{
    const QStringList parts = ToQString(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
    {
        if (!parts[i].isEmpty())
        {
            filters << QtFilterOf(parts[i], parts[i + 1]);
        }
    }
    return FromQString(filters.join(QStringLiteral(";;")));
}

CFileDialog::CFileDialog(BOOL openFileDialog, LPCTSTR defExt, LPCTSTR fileName, DWORD flags,
                         LPCTSTR filter, CWnd* parentWnd)
    : m_open(openFileDialog), m_defExt(defExt != nullptr ? defExt : ""),
      m_fileName(fileName != nullptr ? fileName : ""),
      m_filter(filter != nullptr ? ConvertFileFilter(filter) : CString()), m_parentWnd(parentWnd)
{
    m_ofn.Flags = flags;
}

INT_PTR CFileDialog::DoModal()
{
    FileChoice choice;
    choice.kind = m_open ? FileChoice::Kind::OpenFile : FileChoice::Kind::SaveFile;
    choice.title = m_ofn.lpstrTitle != nullptr ? m_ofn.lpstrTitle : "";
    choice.initialFolder = m_ofn.lpstrInitialDir != nullptr ? m_ofn.lpstrInitialDir : "";
    choice.fileName = m_fileName;
    choice.filter = m_filter;
    choice.confirmOverwrite = (m_ofn.Flags & OFN_OVERWRITEPROMPT) != 0;
    const std::optional<CString> chosen = ChooseUsablePath(choice, m_parentWnd);
    if (!chosen)
    {
        return IDCANCEL;
    }
    m_pathName = *chosen;
    if (!m_open && !m_defExt.IsEmpty() && ExtensionDot(m_pathName) < 0)
    {
        m_pathName += "." + m_defExt;
    }
    return IDOK;
}

CString CFileDialog::GetFileName() const
{
    return m_pathName.Mid(m_pathName.ReverseFind('/') + 1);
}

CString CFileDialog::GetFileExt() const
{
    const int dot = ExtensionDot(m_pathName);
    return dot >= 0 ? m_pathName.Mid(dot + 1) : CString();
}

CString CFileDialog::GetFileTitle() const
{
    const CString name = GetFileName();
    const int dot = ExtensionDot(name);
    return dot >= 0 ? name.Left(dot) : name;
}

CString CFileDialog::GetFolderPath() const
{
    const int slash = m_pathName.ReverseFind('/');
    return slash >= 0 ? m_pathName.Left(slash) : CString();
}

BOOL BrowseForFolder(CWnd* parent, LPCTSTR title, CString& folder)
{
    FileChoice choice;
    choice.kind = FileChoice::Kind::Folder;
    choice.title = title != nullptr ? title : "";
    choice.initialFolder = folder;
    const std::optional<CString> chosen = ChooseUsablePath(choice, parent);
    if (!chosen)
    {
        return FALSE;
    }
    folder = *chosen;
    return TRUE;
}
