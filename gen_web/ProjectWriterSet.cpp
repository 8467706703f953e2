#include "gen_web/ProjectWriterSet.h"

#include "database/SqlScriptWriter.h"
#include "gen_reports/RDLCFilesWriter.h"
#include "gen_web/ASPXMenuWriter.h"
#include "gen_web/DashBoardPageCodeBehindWriter.h"
#include "gen_web/DashBoardPageMarkupWriter.h"
#include "gen_web/DataClassWriter.h"
#include "gen_web/FormCodeBehindWriter.h"
#include "gen_web/FormMarkupWriter.h"
#include "gen_web/LoginDataClassWriter.h"
#include "gen_web/LoginPageWriter.h"
#include "gen_web/RDLCPrintPageWriter.h"
#include "gen_web/RDLCReportPageWriter.h"
#include "gen_web/ReportAspxWriter.h"
#include "gen_web/ReportCodeBehindWriter.h"
#include "gen_web/SupportFileWriter.h"
#include "gen_web/TransactionCodeBehindWriter.h"
#include "gen_web/TransactionDataClassWriter.h"
#include "gen_web/TransactionMarkupWriter.h"
#include "gen_web/VSProjectWriter.h"
#include "model/GenerationReport.h"

ProjectWriterSet::ProjectWriterSet(ForgeonProject& project, GenerationReport& report)
    : m_project(project), m_report(report)
{
}

void ProjectWriterSet::WriteVSProject()
{
    VSProjectWriter(&m_project, m_report).Write();
}

void ProjectWriterSet::WriteWebConfig()
{
    SupportFileWriter(&m_project, m_report).WriteWebConfig();
}

void ProjectWriterSet::WriteUtilClass(const char* fileName)
{
    if (!SupportFileWriter(&m_project, m_report).WriteUtilClass(fileName))
        m_report.AddUnwrittenFile(fileName, "no writer for this Util class");
}

void ProjectWriterSet::WriteMenus()
{
    ASPXMenuWriter(&m_project, m_report).Write();
}

void ProjectWriterSet::WriteSqlScripts(Module* module)
{
    SqlScriptWriter writer(m_project, nullptr, m_report);
    if (module == nullptr)
    {
        writer.WriteDatabaseScript();
        return;
    }
    writer.WriteModuleTables(*module);
    writer.WriteModuleForeignKeys(*module);
}

void ProjectWriterSet::WriteLoginPage(LoginPage&)
{
    LoginPageWriter(&m_project, m_report).Write();
}

void ProjectWriterSet::WriteFormMarkup(Form& form)
{
    FormMarkupWriter(&m_project, form, m_report).Write();
}

void ProjectWriterSet::WriteFormCodeBehind(Form& form)
{
    FormCodeBehindWriter(&m_project, form, m_report).Write();
}

void ProjectWriterSet::WriteDataClass(Table& table)
{
    DataClassWriter(&m_project, table, m_report).Write();
}

void ProjectWriterSet::WriteTransactionMarkup(Transaction& transaction)
{
    TransactionMarkupWriter(&m_project, transaction, m_report).Write();
}

void ProjectWriterSet::WriteTransactionCodeBehind(Transaction& transaction)
{
    TransactionCodeBehindWriter(&m_project, transaction, m_report).Write();
}

void ProjectWriterSet::WriteTransactionDataClasses(Transaction& transaction)
{
    TransactionDataClassWriter(&m_project, transaction, m_report).Write();
}

void ProjectWriterSet::WriteReportMarkup(ApplicationReport& report)
{
    ReportAspxWriter(&m_project, &report, m_report).Write();
}

void ProjectWriterSet::WriteReportCodeBehind(ApplicationReport& report)
{
    ReportCodeBehindWriter(&m_project, &report, m_report).Write();
}

void ProjectWriterSet::WriteTypedDataSet(RDLCReport& report)
{
    RDLCFilesWriter(&m_project, &report, m_report).WriteDataSetFiles();
}

void ProjectWriterSet::WriteRDLCFile(RDLCReport& report)
{
    RDLCFilesWriter(&m_project, &report, m_report).WriteReportDefinition();
}

void ProjectWriterSet::WriteRDLCMarkup(RDLCReport& report)
{
    RDLCReportPageWriter(&m_project, &report, m_report).WritePages();
}

void ProjectWriterSet::WriteRDLCCodeBehind(RDLCReport& report)
{
    RDLCReportPageWriter(&m_project, &report, m_report).WriteCodeBehindFiles();
}

void ProjectWriterSet::WriteRDLCPrintPage(RDLCReport& report)
{
    RDLCPrintPageWriter(&m_project, &report, m_report).Write();
}

void ProjectWriterSet::WriteDashBoardPageMarkup(DashBoardPage& page)
{
    DashBoardPageMarkupWriter(&m_project, page, m_report).Write();
}

void ProjectWriterSet::WriteDashBoardPageCodeBehind(DashBoardPage& page)
{
    DashBoardPageCodeBehindWriter(&m_project, page, m_report).Write();
    DashBoardPageDesignerWriter(&m_project, page, m_report).Write();
}

void ProjectWriterSet::WriteLoginDataClasses()
{
    LoginDataClassWriter(&m_project, m_report).Write();
}
