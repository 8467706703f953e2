#pragma once

#include "gen_classic/ClassicPageWriter.h"

class ApplicationReport;
class AspFile;

// The classic pages of a report with a chart: the graph page, a filter form over a chart
// object that loads its data from the chart data page, and the chart data page, which runs the
// procedure of the report's first group and answers with the chart's XML.
class GraphReportWriter : public ClassicPageWriter
{
public:
    GraphReportWriter(ForgeonProject* project, ApplicationReport* report,
                      GenerationReport& generation);

    // The graph page for the page file of kind 0, the chart data page for that of kind 11,
    // each saved under its file name in the current module's folder. A report whose first group
    // calls no procedure (a function of a data class instead), or that has no page file of kind
    // 11, gets no chart data page, and the report lists it with the reason.
    void Write();

private:
    void WriteGraphPage(AspFile* file);
    // False, nothing written and the page listed in the report, without the first group's
    // procedure.
    bool WriteChartDataPage(const AspFile& file);
    void WriteChartBlock();

    ApplicationReport* m_page;
};
