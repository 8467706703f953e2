#pragma once

#include "model/GenerationReport.h"

#include <memory>

class ForgeonProject;
class Module;
class WriterSet;

// Writes the generated web application of the project: the project-wide files, then the pages
// of each module. Every file not written and every page skipped goes to the one report, shown
// once at the end of a run.
class AspxWriteAll
{
public:
    // Runs the generator's writers.
    explicit AspxWriteAll(ForgeonProject* project);
    // Runs the given writers; they may add to GetReport().
    AspxWriteAll(ForgeonProject* project, WriterSet& writers);
    ~AspxWriteAll();
    AspxWriteAll(const AspxWriteAll&) = delete;
    AspxWriteAll& operator=(const AspxWriteAll&) = delete;

    // Null writes every module's pages, a module only its own; the project-wide files are
    // written in both cases, and nothing outside the project folder. When the project path
    // cannot be made or written, the message "Could not write output at " + path and nothing
    // written. With copyModifiedFiles, a run that wrote everything then copies the user's files
    // of "_modifiedCode" over the output. A report with failures is shown in one message, notes
    // included. True when everything was written and copied and every Compile and Content item
    // of the project file names a file; the report's notes are then for the caller to show.
    bool Run(Module* module, bool copyModifiedFiles = false);

    // The caller has refused the names to rename just before (CheckNamesBeforeWrite), and they
    // have not changed since: Run does not look for them again.
    void NamesChecked() { m_namesChecked = true; }

    GenerationReport& GetReport() { return m_report; }
    // The run's closing message (GenerationReport::ClosingText); when the box leaves lines out,
    // every line is in ReportLogPath.
    CString GetClosingText(const CString& done) const
    {
        return m_report.ClosingText(done, ReportLogPath());
    }
    static CString ReportLogPath() { return "C:\\temp\\KestraneWeavoWriteAll.txt"; }

private:
    // The project path; empty for a project without settings.
    CString OutputPath() const;
    bool IsOutputFolderWritable();
    void WriteProjectFiles();
    void WriteConfiguration();
    void WriteUtilClasses();
    void WriteSqlScripts(Module* module);
    void WriteModulePages(Module& module);
    void WriteCalledDataClasses(Module& module);
    // The user's files of "_modifiedCode" over the output; when the run failed, or the folder
    // cannot be read, a note says why they were not copied.
    void CopyModifiedFiles();

    ForgeonProject* m_project;
    GenerationReport m_report;
    std::unique_ptr<WriterSet> m_ownWriters;
    WriterSet& m_writers;
    bool m_namesChecked = false;
};
