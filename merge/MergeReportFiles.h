#pragma once

#include "model/GenerationReport.h"
#include "platform/core/CString.h"

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

class TextFile;

// Opens and closes the report and log files of one merge run and remembers, per file, where it
// lies on the host and whether it could be opened and written, so that the run can tell the user
// at its end. A file that cannot be opened stops nothing: its writer keeps the text in its
// buffer. Reports and logs are written whole when they are closed, so that a file that cannot be
// written keeps what it held; a log written as it goes (OpenLog) is emptied when it is opened.
// Both say what they met by one rule (GenerationReport::RecordFile): a file not written, a link
// or a file with other names replaced at its name.
class MergeReportFiles
{
public:
    struct File
    {
        // As the merge names it, for example "C:\temp\Report_x.txt".
        CString path;
        std::string hostPath;
        // Every open of the file succeeded.
        bool opened = false;
        // Every open succeeded and every close wrote all the text.
        bool written = false;
        // The host's reason of the first failure; empty while all went well.
        CString failure;
    };

    MergeReportFiles() = default;
    MergeReportFiles(const MergeReportFiles&) = delete;
    MergeReportFiles& operator=(const MergeReportFiles&) = delete;

    // Opens the writer on the path, its missing folders made, for a file written whole when it is
    // closed (GenerationReport::OpenFile; a writer already open on another file of the run is
    // closed here first). False when the file could not be opened.
    bool Open(TextFile& writer, const CString& path);
    // Opens the writer on the path for a log that each write reaches at once, so that a run cut
    // short leaves what it did (TextFile::Open). False when the file could not be opened.
    bool OpenLog(TextFile& writer, const CString& path);
    // Closes the writer and records whether its text reached the file; nothing for a writer
    // that this service did not open. Every writer it opened is closed here before it goes.
    void Close(TextFile& writer);
    // Closes every writer still open, for the run's end.
    void CloseAll();

    // In the order first opened; a file opened again keeps its place.
    const std::vector<File>& GetFiles() const { return m_files; }
    // The files not opened or not fully written; asked once the run has closed its writers.
    std::vector<const File*> GetFailedFiles() const;
    // Null when the run opened no file of that path.
    const File* FindFile(const CString& path) const;
    // What the files met: those not written and the notes of every writer's closing message.
    const GenerationReport& GetReport() const { return m_report; }

private:
    File& RecordOf(const CString& path);
    // The file failed at its open or its close; keeps its first failure, the last one that the
    // report recorded.
    void RecordFailure(File& file, bool atOpen);

    GenerationReport m_report;
    std::vector<File> m_files;
    // The writers open now, each with the index of its file.
    std::unordered_map<TextFile*, std::size_t> m_openWriters;
};
