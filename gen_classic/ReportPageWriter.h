#pragma once

#include "gen_web/TemplatePageWriter.h"

#include <vector>

class ApplicationReport;
class AspFile;
class FieldRep;
struct FieldVariableMap;

// The classic page of a list report: prologue, ExtractData of the filters, the filter form
// with the result section and the ShowOutput_ functions; with button columns also the action
// page the buttons post to.
class ReportPageWriter : public TemplatePageWriter
{
public:
    ReportPageWriter(ForgeonProject* project, ApplicationReport* report,
                     GenerationReport& generation);

    // Every page file of the report into the current module's folder; the variant writes the
    // collector's print pages under their variant names.
    void Write(bool variant);
    // Controls whose fields the section leaves out of its filters.
    void AddExcludedControl(FieldRep* control) { m_excluded.push_back(control); }

private:
    void WriteReportPage(AspFile* file, bool variant);
    void WriteButtonActionPage(AspFile* file);
    void WriteFilterExtractData(const std::vector<FieldVariableMap*>& maps);
    void Save(AspFile* file, bool variant);

    ApplicationReport* m_page;
    std::vector<FieldRep*> m_excluded;
};
