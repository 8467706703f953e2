#pragma once

#include "model/GenerationReport.h"
#include "model/TextFile.h"

#include <memory>

class ApplicationReport;
class AspFile;
class DashBoardPage;
class DbSchema;
class ForgeonProject;
class Form;
class LoginPage;
class MapForm;
class Module;
class ReportCollector;
class Transaction;

// What the classic Write All asks of the shell.
class ClassicWriteServices
{
public:
    virtual ~ClassicWriteServices() = default;
    // Saves a copy of the project named with the stamp.
    virtual void SaveBackupCopy(const CString& stamp) = 0;
    // Shows the "Selection For Write" dialog with the message and the two options; false on
    // Cancel, else the options as the user left them.
    virtual bool SelectForWrite(const CString& message, bool& writeMenus,
                                bool& copyModifiedFiles) = 0;
    virtual void SetStatusText(const CString& text) = 0;
};

// The classic page writers, one call per page; a page or file they cannot write goes to the
// report. Page kinds whose classic writer this program lacks are reported as skipped.
class ClassicPageWriters
{
public:
    ClassicPageWriters(ForgeonProject& project, GenerationReport& report);
    virtual ~ClassicPageWriters() = default;
    ClassicPageWriters(const ClassicPageWriters&) = delete;
    ClassicPageWriters& operator=(const ClassicPageWriters&) = delete;

    // The login form, its action page and the logout page into the project path's "Login"
    // folder.
    virtual void WriteLoginPage(LoginPage& page, Module& module);
    virtual void WriteMasterForm(Form& form, TextFile& writeErrorsLog);
    virtual void WriteMapForm(MapForm& form);
    virtual void WriteTransaction(Transaction& transaction);
    virtual void WriteDashboard(DashBoardPage& page);
    virtual void WriteReport(ApplicationReport& report);
    virtual void WriteGroupReport(ApplicationReport& report, AspFile* firstFile);
    virtual void WriteGraphReport(ApplicationReport& report);
    virtual void WriteReportCollector(ReportCollector& collector);
    // The four menu scripts below the folder.
    virtual void WriteMenus(const CString& folder);

protected:
    void ReportMissingWriter(const CString& pageName);

    ForgeonProject& m_project;
    GenerationReport& m_report;
};

// Writes the classic ASP application of the project, or of one module: checks the project,
// writes the database script once, then the pages of each module in a fixed order, copies the
// user's modified files over them, and tells the user what could not be written.
class AspWriteAll
{
public:
    // The schema, when given, makes the SQL Server script an alter script.
    AspWriteAll(ForgeonProject* project, const DbSchema* schema, ClassicWriteServices& services);
    // Runs the given page writers; they report into GetReport().
    AspWriteAll(ForgeonProject* project, const DbSchema* schema, ClassicWriteServices& services,
                ClassicPageWriters& writers);
    virtual ~AspWriteAll();
    AspWriteAll(const AspWriteAll&) = delete;
    AspWriteAll& operator=(const AspWriteAll&) = delete;

    // Null writes every module, else that module only. A project path that cannot be written
    // gets "Could not write output at " + path and nothing written. True when the run wrote
    // everything.
    bool Run(Module* module);
    // Runs the module checks and offers the options; true when writing may go on.
    bool CheckBeforeWrite(Module* module);

    // The caller has refused the names to rename just before (CheckNamesBeforeWrite), and they
    // have not changed since: Run does not look for them again.
    void NamesChecked() { m_namesChecked = true; }

    GenerationReport& GetReport() { return m_report; }
    bool GetWriteMenus() const { return m_writeMenus; }
    bool GetCopyModifiedFiles() const { return m_copyModifiedFiles; }
    // Where every page and file of the run that was not written is listed.
    static CString WriteErrorsLogPath() { return "C:\\temp\\Forgeon\\ForgeonWriteErrors.txt"; }
    // Another place for the log, for a run beside others.
    void SetWriteErrorsLogPath(const CString& path) { m_writeErrorsLogPath = path; }

protected:
    // The checks of one module, filing errors and warnings in the project diagnostics.
    virtual void RunModuleChecks(Module& module);

private:
    CString ProjectPath() const;
    void WriteDatabaseScript();
    void WriteModule(Module& module);
    void WriteLoginPages(Module& module);
    void WriteMasterForms(Module& module);
    void WriteMapForms(Module& module);
    void WriteTransactions(Module& module);
    void WriteDashboards(Module& module);
    void WriteReports(Module& module);
    void WriteGroupReports(Module& module);
    void WriteGraphReports(Module& module);
    void WriteReportCollectors(Module& module);
    void WriteMenus(Module& module);
    // The user's files of "_modifiedCode\<name>" over "<name>" under the project path.
    void CopyModifiedFiles(const CString& name);
    void Status(const Module& module, const char* text);
    // The write-errors log, with the report after what the master form writer logged into it
    // during the run, written whole; then the closing status text and message.
    void Finish();

    ForgeonProject* m_project;
    const DbSchema* m_schema;
    ClassicWriteServices& m_services;
    GenerationReport m_report;
    std::unique_ptr<ClassicPageWriters> m_ownWriters;
    ClassicPageWriters& m_writers;
    CString m_writeErrorsLogPath = WriteErrorsLogPath();
    // Never opened: what is written into it collects until Finish writes the log.
    TextFile m_writeErrorsLog{false, true, '=', 60};
    bool m_writeMenus = false;
    bool m_copyModifiedFiles = true;
    bool m_namesChecked = false;
};
