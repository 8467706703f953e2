#pragma once

class ApplicationReport;
class DashBoardPage;
class Form;
class LoginPage;
class Module;
class RDLCReport;
class Table;
class Transaction;

// The writer classes that the Write-All driver runs, one operation per writer. The driver
// decides what is written and in which order; ProjectWriterSet runs the generator's writers,
// and a test puts a recording set in its place.
class WriterSet
{
public:
    virtual ~WriterSet() = default;

    // Project-wide files.
    // VSProjectWriter: folders, solution, user file, assembly information, project file.
    virtual void WriteVSProject() = 0;
    // "Web.config".
    virtual void WriteWebConfig() = 0;
    // SupportFileWriter: "DBHandler.cs", "ControlFieldHandler.cs", "UtilHandler.cs",
    // "CSSHandler.cs" or "ReportXMLWriter.cs".
    virtual void WriteUtilClass(const char* fileName) = 0;
    // ASPXMenuWriter: "Menus.cs".
    virtual void WriteMenus() = 0;
    // SqlScriptWriter: the module's table and foreign-key scripts, or with null the whole
    // database script.
    virtual void WriteSqlScripts(Module* module) = 0;

    // Pages of the current module.
    virtual void WriteLoginPage(LoginPage& page) = 0;
    virtual void WriteFormMarkup(Form& form) = 0;
    virtual void WriteFormCodeBehind(Form& form) = 0;
    // DataClassWriter.
    virtual void WriteDataClass(Table& table) = 0;
    virtual void WriteTransactionMarkup(Transaction& transaction) = 0;
    virtual void WriteTransactionCodeBehind(Transaction& transaction) = 0;
    virtual void WriteTransactionDataClasses(Transaction& transaction) = 0;
    virtual void WriteReportMarkup(ApplicationReport& report) = 0;
    virtual void WriteReportCodeBehind(ApplicationReport& report) = 0;
    // TypedDataSetWriter and RDLCFileWriter of a report built on its table.
    virtual void WriteTypedDataSet(RDLCReport& report) = 0;
    virtual void WriteRDLCFile(RDLCReport& report) = 0;
    virtual void WriteRDLCMarkup(RDLCReport& report) = 0;
    virtual void WriteRDLCCodeBehind(RDLCReport& report) = 0;
    virtual void WriteRDLCPrintPage(RDLCReport& report) = 0;
    virtual void WriteDashBoardPageMarkup(DashBoardPage& page) = 0;
    virtual void WriteDashBoardPageCodeBehind(DashBoardPage& page) = 0;
    // LoginDataClassWriter: the data classes of the base module's system tables.
    virtual void WriteLoginDataClasses() = 0;
};
