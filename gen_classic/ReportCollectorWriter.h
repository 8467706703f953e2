#pragma once

#include "gen_classic/ClassicPageWriter.h"

class ApplicationReport;
class AspFile;
class ReportCollector;
struct ReportCollectorEntry;

// The classic pages of a report collector: the frame page, a filter form shared by the
// collected reports over a table of frames, one a report, whose addresses pass the filter
// values on; and the print pages of the collected reports, written in their variant form
// without the collector's filters.
class ReportCollectorWriter : public ClassicPageWriter
{
public:
    ReportCollectorWriter(ForgeonProject* project, ReportCollector* collector,
                          GenerationReport& generation);

    // The frame page for the page file of kind 0, the print pages of the report owning each
    // page file of kind 10.
    void Write();

private:
    void WriteFramePage(AspFile* file);
    void WritePrintPages(const AspFile& file);
    void WriteFrames(int columns);
    // The quoted address of the report's print page with the collector's filter values; empty
    // when the collector holds no page file for the report.
    void WriteFrameAddress(const ApplicationReport* report);

    ReportCollector* m_collector;
};
