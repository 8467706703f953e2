#pragma once

#include "gen_web/WriterSet.h"

class ForgeonProject;
class GenerationReport;

// The generator's own writers, each built on the stack with the project and the report, run
// once and destroyed.
class ProjectWriterSet : public WriterSet
{
public:
    ProjectWriterSet(ForgeonProject& project, GenerationReport& report);

    void WriteVSProject() override;
    void WriteWebConfig() override;
    void WriteUtilClass(const char* fileName) override;
    void WriteMenus() override;
    void WriteSqlScripts(Module* module) override;
    void WriteLoginPage(LoginPage& page) override;
    void WriteFormMarkup(Form& form) override;
    void WriteFormCodeBehind(Form& form) override;
    void WriteDataClass(Table& table) override;
    void WriteTransactionMarkup(Transaction& transaction) override;
    void WriteTransactionCodeBehind(Transaction& transaction) override;
    void WriteTransactionDataClasses(Transaction& transaction) override;
    void WriteReportMarkup(ApplicationReport& report) override;
    void WriteReportCodeBehind(ApplicationReport& report) override;
    void WriteTypedDataSet(RDLCReport& report) override;
    void WriteRDLCFile(RDLCReport& report) override;
    void WriteRDLCMarkup(RDLCReport& report) override;
    void WriteRDLCCodeBehind(RDLCReport& report) override;
    void WriteRDLCPrintPage(RDLCReport& report) override;
    void WriteDashBoardPageMarkup(DashBoardPage& page) override;
    void WriteDashBoardPageCodeBehind(DashBoardPage& page) override;
    void WriteLoginDataClasses() override;

private:
    ForgeonProject& m_project;
    GenerationReport& m_report;
};
