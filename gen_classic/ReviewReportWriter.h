#pragma once

#include "model/TextFile.h"

class ForgeonProject;
class GenerationReport;

// The check list "_system/scripts/ReviewReport.txt" of the project path for the current
// module: procedures whose write flag is clear, page files that other items open but that
// have no menus, and leaf menus without a page.
class ReviewReportWriter
{
public:
    ReviewReportWriter(const ForgeonProject& project, GenerationReport& report);
    ReviewReportWriter(const ReviewReportWriter&) = delete;
    ReviewReportWriter& operator=(const ReviewReportWriter&) = delete;

    // Writes the three blocks and saves the file; a file that cannot be written goes to the
    // report.
    void Write();
    const CString& GetText() const { return m_text.GetBuffer(); }

private:
    void WriteProcedures();
    void WritePageFiles();
    void WriteMenus();

    const ForgeonProject& m_project;
    GenerationReport& m_report;
    TextFile m_text{false, false, '=', 60};
};
