#include "gen_web/AspxWriteAll.h"

#include "entities/ApplicationReport.h"
#include "entities/DashBoardPage.h"
#include "entities/Form.h"
#include "entities/LoginPage.h"
#include "entities/RDLCReport.h"
#include "entities/Transaction.h"
#include "gen_web/AspNetPages.h"
#include "gen_web/AspxObjectWriter.h"
#include "gen_web/DataClassUse.h"
#include "gen_web/PageClashCheck.h"
#include "gen_web/ProjectFolder.h"
#include "gen_web/ProjectItemCheck.h"
#include "gen_web/ProjectWriterSet.h"
#include "model/FileUtilities.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/ProjectNameCheck.h"
#include "model/Table.h"
#include "platform/core/HostPath.h"
#include "platform/core/LargeStack.h"
#include "platform/core/MessageBox.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

AspxWriteAll::AspxWriteAll(ForgeonProject* project)
    : m_project(project), m_ownWriters(std::make_unique<ProjectWriterSet>(*project, m_report)),
      m_writers(*m_ownWriters)
{
}

AspxWriteAll::AspxWriteAll(ForgeonProject* project, WriterSet& writers)
    : m_project(project), m_writers(writers)
{
}

AspxWriteAll::~AspxWriteAll() = default;

bool AspxWriteAll::Run(Module* module, bool copyModifiedFiles)
{
    if (!LargeStack::IsActive())
        return LargeStack::Run([&] { return Run(module, copyModifiedFiles); });
    if (!m_namesChecked && !CheckNamesBeforeWrite(*m_project, module, nullptr))
        return false;
    m_report.ForgetFolders();
    if (!IsOutputFolderWritable())
    {
        const int error = errno;
        AfxMessageBox(UnwritableFolderMessage("Could not write output at ", OutputPath(), error));
        return false;
    }
    GuardProjectFolder(m_report, *m_project);
    WriteProjectFiles();
    WriteConfiguration();
    WriteUtilClasses();
    WriteSqlScripts(module);
    Module* const wasCurrent = m_project->GetCurrentModule();
    for (int i = 0; i < m_project->GetModuleCount(); ++i)
    {
        Module* current = m_project->GetModuleAt(i);
        if (module != nullptr && module != current)
            continue;
        m_project->SetCurrentModule(current);
        current->RenameAllVariablesAfterFields();
        WriteModulePages(*current);
    }
    // The project is left as the run found it.
    m_project->SetCurrentModule(wasCurrent);
    ReportPageClashes(*m_project, m_report);
    ReportMissingProjectItems(*m_project, m_report, module);
    if (copyModifiedFiles)
        CopyModifiedFiles();
    if (m_report.IsEmpty())
        return true;
    AfxMessageBox(GetClosingText(""));
    return false;
}

CString AspxWriteAll::OutputPath() const
{
    return m_project->GetProjectSettings() != nullptr ? m_project->GetProjectPath() : CString();
}

bool AspxWriteAll::IsOutputFolderWritable()
{
    const CString path = OutputPath();
    return !path.IsEmpty() && m_report.MakeFolderChain(path) && IsFolderWritable(path);
}

void AspxWriteAll::WriteProjectFiles()
{
    m_writers.WriteVSProject();
}

void AspxWriteAll::WriteConfiguration()
{
    m_writers.WriteWebConfig();
}

void AspxWriteAll::WriteUtilClasses()
{
    for (const char* fileName : {"DBHandler.cs", "ControlFieldHandler.cs", "UtilHandler.cs",
                                 "CSSHandler.cs", "ReportXMLWriter.cs"})
        m_writers.WriteUtilClass(fileName);
    m_writers.WriteMenus();
}

void AspxWriteAll::WriteSqlScripts(Module* module)
{
    m_writers.WriteSqlScripts(module);
}

void AspxWriteAll::WriteModulePages(Module& module)
{
    if (LoginPage* loginPage = module.GetLoginPage())
        m_writers.WriteLoginPage(*loginPage);
    for (Form* form : module.GetMasterForms())
        AspxObjectWriter(m_project, form, m_writers, m_report).WriteForm();
    for (Transaction* transaction : module.GetTransactions())
        AspxObjectWriter(m_project, transaction, m_writers, m_report).WriteTransaction();
    for (ApplicationReport* report : module.GetReports())
        AspxObjectWriter(m_project, report, m_writers, m_report).WriteReport();
    for (RDLCReport* report : module.GetRDLCReports())
        AspxObjectWriter(m_project, report, m_writers, m_report).WriteRDLCReport();
    for (DashBoardPage* page : module.GetDashBoardPages())
        AspxObjectWriter(m_project, page, m_writers, m_report).WriteDashBoardPage();
    WriteCalledDataClasses(module);
    m_writers.WriteLoginDataClasses();
    for (const PageWithoutAspNetWriter& page : PagesWithoutAspNetWriter(module))
        m_report.AddNote("These pages are not generated for the ASP.NET application:",
                         page.page->GetFormName(), page.kind);
}

void AspxWriteAll::CopyModifiedFiles()
{
    const CString source = GetProjectFolder(*m_project) + "_modifiedCode";
    const CString heading = "Your modified files were not copied:";
    const CString shownSource = ToHostPath(source).c_str();
    if (!m_report.IsEmpty())
    {
        m_report.AddNote(heading, shownSource, "not every file was written");
        return;
    }
    std::error_code error;
    std::filesystem::directory_iterator folder(ToHostPath(source), error);
    if (error)
    {
        m_report.AddNote(heading, shownSource, error.message().c_str());
        return;
    }
    ReplaceModifiedFiles(m_project, m_report).Run();
}

// The classes that pages call of tables without a page of their own, which the project file
// lists as it lists those of the tables with pages.
void AspxWriteAll::WriteCalledDataClasses(Module& module)
{
    std::vector<Table*> tables;
    module.GetAllTables(tables);
    for (Table* table : tables)
    {
        if (!table->IsSystemTable() && !m_project->HasPageOnTable(table) &&
            IsDataClassCalled(*m_project, *table))
            m_writers.WriteDataClass(*table);
    }
}
