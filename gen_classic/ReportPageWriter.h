#pragma once

#include "gen_classic/ClassicPageWriter.h"

#include <functional>
#include <vector>

class ApplicationReport;
class AspFile;
class FieldRep;
class ReportSectionWriter;
struct FieldVariableMap;

// The classic page of a list report: prologue, ExtractData of the filters, the filter form
// with the result section and the ShowOutput_ functions; with button columns also the action
// page the buttons post to.
class ReportPageWriter : public ClassicPageWriter
{
public:
    ReportPageWriter(ForgeonProject* project, ApplicationReport* report,
                     GenerationReport& generation);

    // Every page file of the report into the current module's folder; the variant writes the
    // collector's print pages under their variant names.
    void Write(bool variant);
    // The page of a report with several page files: the grouped section only; saved under the
    // file's name.
    void WriteGroupPage(AspFile* file);
    // Controls whose fields the section leaves out of its filters.
    void AddExcludedControl(FieldRep* control) { m_excluded.push_back(control); }

private:
    void WriteReportPage(AspFile* file, bool variant);
    void WriteButtonActionPage(AspFile* file);
    // The server script opening: prologue with the posted maps, then the page's own part.
    void WriteServerScript(AspFile* file, const std::vector<FieldRep*>& reads, bool groupPage);
    // Pre-links, the form with the section the function writes, post-links; leaves the
    // ShowOutput_ functions collected. Returns the position after the inserted text.
    int WriteForm(AspFile* file, int position, int formIndent, int tableCloseIndent,
                  const std::function<void(ReportSectionWriter&)>& writeSection);
    void WriteFilterExtractData(const std::vector<FieldVariableMap*>& maps);

    ApplicationReport* m_page;
    std::vector<FieldRep*> m_excluded;
};
