#pragma once

#include "gen_web/AspxWriter.h"

class RDLCReport;

// The print page of an RDLC report, opened by its page's Print button: it runs the report's
// queries with the values in its URL, renders the report as a PDF document kept for the session
// alone and answers a page that prints that document, which the page itself then sends once. The
// page, its code-behind and its designer file, once per report.
class RDLCPrintPageWriter : public AspxWriter
{
public:
    RDLCPrintPageWriter(ForgeonProject* project, RDLCReport* report,
                        GenerationReport& generationReport);

    void Write();

    // The page identifier followed by "_report_Print": the page's class and file name.
    CString GetPrintPageName() const;

private:
    void WritePage();
    void WritePageDirectives();
    void WriteReportViewer(int indent);
    void WriteCodeFile();
    void WritePageLoad(int indent);
    void WriteDataSources(int indent);
    void WritePdfOutput(int indent);
    void WriteDesignerFile();
    void WriteDeclarations(int indent);

    CString UIFolder() const;

    RDLCReport* m_rdlcReport;
};
