#include "gen_classic/AspWriteAll.h"

#include "database/PgSqlScriptWriter.h"
#include "database/SqlScriptWriter.h"
#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/DashBoardPage.h"
#include "entities/Form.h"
#include "entities/LoginPage.h"
#include "entities/MapForm.h"
#include "entities/ReportCollector.h"
#include "entities/Transaction.h"
#include "gen_classic/DashBoardPageWriter.h"
#include "gen_classic/GraphReportWriter.h"
#include "gen_classic/LoginWriter.h"
#include "gen_classic/MapFormPageWriter.h"
#include "gen_classic/MasterFormPageWriter.h"
#include "gen_classic/MenuWriter.h"
#include "gen_classic/ReportCollectorWriter.h"
#include "gen_classic/ReportPageWriter.h"
#include "gen_classic/TransactionPageWriter.h"
#include "gen_web/EnumerateFolders.h"
#include "model/FileUtilities.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/ProjectDiagnostics.h"
#include "model/ProjectNameCheck.h"
#include "platform/core/FileWriters.h"
#include "platform/core/HostPath.h"
#include "platform/core/LargeStack.h"
#include "platform/core/MessageBox.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>

namespace
{
// The kind of file written here and the rules its writer keeps.
const FileWriterRegistration classicLogWriter("classic write-errors log",
                                              replacesLinks | usersOwnOnly | usersOwnFolderOnly);

// A module's output folder replaced by the user's copy of its files.
class ModifiedFilesCopy : public MirroringEnumerateFolders
{
public:
    ModifiedFilesCopy(ForgeonProject* project, const CString& source, const CString& destination,
                      GenerationReport& report)
        : MirroringEnumerateFolders(project, source, destination, /*overwrite=*/true, report)
    {
    }
};

} // namespace

ClassicPageWriters::ClassicPageWriters(ForgeonProject& project, GenerationReport& report)
    : m_project(project), m_report(report)
{
}

void ClassicPageWriters::ReportMissingWriter(const CString& pageName)
{
    m_report.AddSkippedPage(pageName, "no classic page writer for this page kind");
}

void ClassicPageWriters::WriteLoginPage(LoginPage& page, Module& module)
{
    AspFile* file = page.GetAspFileAt(0);
    if (file == nullptr)
    {
        m_report.AddSkippedPage(page.GetFormName(), "the login page has no page file");
        return;
    }
    CString templatePath = m_project.GetClassicTemplatePath();
    templatePath.Replace("Template.asp", "LoginTemplate.asp");
    LoginWriter(m_project.GetProjectPath() + "Login/", file, templatePath, &page, false, &module,
                m_report)
        .Write();
}

void ClassicPageWriters::WriteMasterForm(Form& form, TextFile&)
{
    MasterFormPageWriter(&m_project, form, m_report).Write();
}

void ClassicPageWriters::WriteMapForm(MapForm& form)
{
    MapFormPageWriter(&m_project, form, m_report).Write();
}

void ClassicPageWriters::WriteTransaction(Transaction& transaction)
{
    TransactionPageWriter(&m_project, transaction, m_report).Write();
}

void ClassicPageWriters::WriteDashboard(DashBoardPage& page)
{
    DashBoardPageWriter(&m_project, &page, m_report).Write();
}

void ClassicPageWriters::WriteReport(ApplicationReport& report)
{
    ReportPageWriter(&m_project, &report, m_report).Write(false);
}

void ClassicPageWriters::WriteGroupReport(ApplicationReport& report, AspFile* firstFile)
{
    ReportPageWriter(&m_project, &report, m_report).WriteGroupPage(firstFile);
}

void ClassicPageWriters::WriteGraphReport(ApplicationReport& report)
{
    GraphReportWriter(&m_project, &report, m_report).Write();
}

void ClassicPageWriters::WriteReportCollector(ReportCollector& collector)
{
    ReportCollectorWriter(&m_project, &collector, m_report).Write();
}

void ClassicPageWriters::WriteMenus(const CString& folder)
{
    MenuWriter(m_project, folder, m_report).Write();
}

AspWriteAll::AspWriteAll(ForgeonProject* project, const DbSchema* schema,
                         ClassicWriteServices& services)
    : m_project(project), m_schema(schema), m_services(services),
      m_ownWriters(std::make_unique<ClassicPageWriters>(*project, m_report)),
      m_writers(*m_ownWriters)
{
}

AspWriteAll::AspWriteAll(ForgeonProject* project, const DbSchema* schema,
                         ClassicWriteServices& services, ClassicPageWriters& writers)
    : m_project(project), m_schema(schema), m_services(services), m_writers(writers)
{
}

AspWriteAll::~AspWriteAll() = default;

CString AspWriteAll::ProjectPath() const
{
    return m_project->GetProjectPath();
}

bool AspWriteAll::Run(Module* module)
{
    if (!LargeStack::IsActive())
        return LargeStack::Run([&] { return Run(module); });
    if (!m_namesChecked && !CheckNamesBeforeWrite(*m_project, module, nullptr))
        return false;
    m_services.SaveBackupCopy("_BeforeWriteAll");
    const CString path = m_project->GetProjectSettings() != nullptr ? ProjectPath() : CString();
    if (path.IsEmpty() || !m_report.MakeFolderChain(path) || !IsFolderWritable(path))
    {
        AfxMessageBox(UnwritableFolderMessage("Could not write output at ", path, errno));
        return false;
    }
    if (m_project->HasDuplicateNames())
        return false;
    if (!CheckBeforeWrite(module))
        return false;
    m_report.ForgetFolders();
    m_writeErrorsLog.ClearBuffer();
    m_report.SetOutputRoot(path);
    WriteDatabaseScript();
    // The current module comes back, so that the project stays as it was saved.
    Module* const wasCurrent = m_project->GetCurrentModule();
    for (int index = 0; index < m_project->GetModuleCount(); ++index)
    {
        Module* current = m_project->GetModuleAt(index);
        if (module != nullptr && module != current)
            continue;
        m_project->SetCurrentModule(current);
        current->RenameAllVariablesAfterFields();
        WriteModule(*current);
    }
    m_project->SetCurrentModule(wasCurrent);
    if (m_copyModifiedFiles)
        CopyModifiedFiles("Login");
    Finish();
    return m_report.IsEmpty();
}

bool AspWriteAll::CheckBeforeWrite(Module* module)
{
    ProjectDiagnostics& diagnostics = TheProjectDiagnostics();
    diagnostics.ClearErrorsAndWarnings();
    for (int index = 0; index < m_project->GetModuleCount(); ++index)
    {
        Module* current = m_project->GetModuleAt(index);
        if (module != nullptr && module != current)
            continue;
        RunModuleChecks(*current);
    }
    CString errorText;
    CString fullText;
    for (const CString& error : diagnostics.GetErrors())
    {
        errorText += "Error : \n" + error + "\n";
        fullText += "Error : \n" + error + "\n";
    }
    for (const CString& warning : diagnostics.GetWarnings())
        fullText += "Warning : \n" + warning + "\n";
    const CString path = ProjectPath();
    GenerationReport logReport;
    logReport.SetOutputRoot(path);
    CString message;
    bool result = true;
    if (!diagnostics.GetErrors().empty())
    {
        message = "Error has occured! \nPlease resolve the errorLog file before write all\n"
                  "ErrorLog is at " +
                  path;
        SaveTextFile(path + "ErrorLog.txt", errorText, logReport);
        result = false;
    }
    if (!diagnostics.GetWarnings().empty() && result)
    {
        SaveTextFile(path + "WarningLog.txt", fullText, logReport);
        message.Format(" Number of warnings = %d\n\nPlease See the warnings at\n%sWarningLog.txt",
                       static_cast<int>(diagnostics.GetWarnings().size()), path.GetString());
    }
    if (const CString logs = logReport.ClosingText(""); !logs.IsEmpty())
        message += "\n\n" + logs;
    if (message.IsEmpty())
        message = "There are no Errors or Warnings";
    bool writeMenus = m_writeMenus;
    bool copyModifiedFiles = m_copyModifiedFiles;
    if (!m_services.SelectForWrite(message, writeMenus, copyModifiedFiles))
        return false;
    m_writeMenus = writeMenus;
    m_copyModifiedFiles = copyModifiedFiles;
    return result;
}

void AspWriteAll::RunModuleChecks(Module& module)
{
    module.CheckProcedures();
    module.ValidateTransactions();
    module.CheckForeignFields();
    module.CheckAllFieldReps();
    module.CheckReportProcedures();
}

void AspWriteAll::WriteDatabaseScript()
{
    if (m_project->IsSqlServerDatabase() != 0)
        SqlScriptWriter(*m_project, m_schema, m_report).WriteDatabaseScript();
    else
    {
        m_report.MakeFolder(ProjectPath() + "_system\\scripts");
        PgSqlScriptWriter(*m_project, m_report).Write();
    }
}

void AspWriteAll::Status(const Module& module, const char* text)
{
    m_services.SetStatusText(module.GetName() + text);
}

void AspWriteAll::WriteModule(Module& module)
{
    m_report.MakeFolder(ProjectPath() + module.GetName());
    Status(module, " : Writing SQL File completed");
    WriteLoginPages(module);
    WriteMasterForms(module);
    Status(module, " : Writing Master forms completed");
    WriteMapForms(module);
    Status(module, " : Writing Map forms completed");
    WriteTransactions(module);
    Status(module, " : Writing Tansactions completed");
    WriteDashboards(module);
    Status(module, " : Writing Dashboards completed");
    WriteReports(module);
    Status(module, " : Writing Reports completed");
    WriteGroupReports(module);
    Status(module, " : Writing Group Reports completed");
    WriteGraphReports(module);
    Status(module, " : Writing Graph Reports completed");
    WriteReportCollectors(module);
    Status(module, " : Writing Report Collectors completed");
    WriteMenus(module);
    Status(module, " : Writing Menus completed");
    if (m_copyModifiedFiles)
        CopyModifiedFiles(module.GetName());
}

void AspWriteAll::WriteLoginPages(Module& module)
{
    m_report.MakeFolder(ProjectPath() + "Login");
    if (LoginPage* page = module.GetLoginPage())
        m_writers.WriteLoginPage(*page, module);
}

void AspWriteAll::WriteMasterForms(Module& module)
{
    for (Form* form : module.GetMasterForms())
        m_writers.WriteMasterForm(*form, m_writeErrorsLog);
}

void AspWriteAll::WriteMapForms(Module& module)
{
    for (MapForm* form : module.GetMapForms())
        m_writers.WriteMapForm(*form);
}

void AspWriteAll::WriteTransactions(Module& module)
{
    for (Transaction* transaction : module.GetTransactions())
        m_writers.WriteTransaction(*transaction);
}

void AspWriteAll::WriteDashboards(Module& module)
{
    for (DashBoardPage* page : module.GetDashBoardPages())
        m_writers.WriteDashboard(*page);
}

void AspWriteAll::WriteReports(Module& module)
{
    for (ApplicationReport* report : module.GetReports())
    {
        if (report->GetAspFiles().size() != 1)
            continue;
        report->CreateButtonAspFileIfNeeded();
        m_writers.WriteReport(*report);
    }
}

void AspWriteAll::WriteGroupReports(Module& module)
{
    for (ApplicationReport* report : module.GetReports())
        if (report->GetAspFiles().size() > 1)
            m_writers.WriteGroupReport(*report, report->GetAspFileAt(0));
}

void AspWriteAll::WriteGraphReports(Module& module)
{
    for (ApplicationReport* report : module.GetReports())
        if (report->GetChartData() != nullptr)
            m_writers.WriteGraphReport(*report);
}

void AspWriteAll::WriteReportCollectors(Module& module)
{
    for (ReportCollector* collector : module.GetReportCollectors())
        m_writers.WriteReportCollector(*collector);
}

void AspWriteAll::WriteMenus(Module& module)
{
    if (m_writeMenus && module.GetName() == "BaseModule")
        m_writers.WriteMenus(ProjectPath());
}

void AspWriteAll::CopyModifiedFiles(const CString& name)
{
    const CString source = ProjectPath() + "_modifiedCode\\" + name;
    std::error_code error;
    if (!std::filesystem::is_directory(ToHostPath(source), error))
        return;
    ModifiedFilesCopy(m_project, source, ProjectPath() + name, m_report).Run();
}

void AspWriteAll::Finish()
{
    const CString fullText = m_report.GetFullText();
    const CString shown = m_report.GetText();
    // Outside the output folder, written whole; a log not written is named, as no file of the
    // output.
    const CString text = GenerationReport::WithLogWritten(shown, m_writeErrorsLogPath,
                                                          /*linesLeftOut=*/shown != fullText,
                                                          m_writeErrorsLog.GetBuffer() + fullText);
    m_writeErrorsLog.ClearBuffer();
    if (m_report.IsEmpty())
    {
        m_services.SetStatusText("Writing completed");
        if (!text.IsEmpty())
            AfxMessageBox(text);
        return;
    }
    const int count =
        static_cast<int>(m_report.GetUnwrittenFiles().size() + m_report.GetSkippedPages().size());
    CString status;
    status.Format("Writing completed with %d errors", count);
    m_services.SetStatusText(status);
    AfxMessageBox(text);
}
