#pragma once

#include "platform/core/CString.h"

class ForgeonProject;
class FormInterface;
class GenerationReport;
class Table;
class WriterSet;

// Writes every file of one page through the writer set. A page whose model data the writers
// cannot use is skipped and listed in the report with the reason.
class AspxObjectWriter
{
public:
    // The page is a Form, Transaction, ApplicationReport, RDLCReport or DashBoardPage; an
    // operation for another kind writes nothing.
    AspxObjectWriter(ForgeonProject* project, FormInterface* page, WriterSet& writers,
                     GenerationReport& report);

    // Markup, code-behind and, unless the table is "useraccount", the table's data class.
    void WriteForm();
    // Markup, code-behind and data classes.
    void WriteTransaction();
    // Markup and code-behind of a search report.
    void WriteReport();
    // A report built on its table gets its default data set and report file first; the pages
    // are written when the report's files exist.
    void WriteRDLCReport();
    void WriteDashBoardPage();

private:
    // False, with the page listed as skipped, when the table is missing or has no key field.
    bool HasKeyedTable(const Table* table);
    void Skip(const CString& reason);

    ForgeonProject* m_project;
    FormInterface* m_page;
    WriterSet& m_writers;
    GenerationReport& m_report;
};
