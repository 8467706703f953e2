#pragma once

#include "platform/core/CString.h"
#include "platform/core/HostPath.h"

#include <vector>

class TextFile;

// What one run of the generators could not do: every file it could not write and every page it
// skipped, each with its reason. Writers add to it; the driver shows it once at the end. It also
// remembers the folders the run made, so that each is made or looked at once.
class GenerationReport
{
public:
    struct Entry
    {
        CString name;
        CString reason;
    };

    void AddUnwrittenFile(const CString& path, const CString& reason);
    void AddSkippedPage(const CString& page, const CString& reason);
    // After the file was closed: records it when it did not open or a write failed; true when
    // it was written.
    bool RecordFile(const CString& path, const TextFile& file);

    bool IsEmpty() const { return m_unwrittenFiles.empty() && m_skippedPages.empty(); }
    const std::vector<Entry>& GetUnwrittenFiles() const { return m_unwrittenFiles; }
    const std::vector<Entry>& GetSkippedPages() const { return m_skippedPages; }
    // The unwritten files and then the skipped pages, one a line with its reason.
    CString GetText() const;

    // EnsureFolderChain that looks at each folder once while this report's run lasts.
    bool MakeFolderChain(const CString& path) { return m_folders.Ensure(path); }
    // MakeFolderChain of the folder that holds the file; true for a path without a folder.
    bool MakeFileFolder(const CString& filePath);
    // Makes the file's folder and opens the file for writing; a folder that cannot be made or a
    // file that does not open is recorded with the host's reason. True when the file is open.
    bool OpenFile(TextFile& file, const CString& path);
    // Forgets the folders made, for a new run.
    void ForgetFolders() { m_folders.Clear(); }

private:
    FolderChainCache m_folders;
    std::vector<Entry> m_unwrittenFiles;
    std::vector<Entry> m_skippedPages;
};

// Makes the file's folder with every missing parent, writes the text as the whole file and
// records a failure in the report; true when the file was written.
bool SaveTextFile(const CString& path, const CString& text, GenerationReport& report);
