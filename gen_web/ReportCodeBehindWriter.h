#pragma once

#include "gen_web/AspxWriter.h"

#include <vector>

class ApplicationReport;
class AspxFile;
class FieldRep;

// The code-behind and designer files of every ASP.NET page file of a search report: the answers
// to the page's SHOW, DELETE, PREVIOUS, NEXT and RECOMPUTE requests, each the report's XML.
class ReportCodeBehindWriter : public AspxWriter
{
public:
    ReportCodeBehindWriter(ForgeonProject* project, ApplicationReport* report,
                           GenerationReport& generationReport);

    void Write();

private:
    void WriteCodeBehind();
    void WriteMembers();
    void WritePageLoad();
    void WriteHandleRecompute();
    void WriteHandleShow();
    void WriteHandleDelete();
    void WriteAnswerLines(int indent);
    void WriteDesigner();

    std::vector<FieldRep*> RecomputingControls() const;
    bool IsSingleRecord() const;
    // The page file name without ".aspx".
    CString ClassName() const;

    ApplicationReport* m_applicationReport;
    AspxFile* m_pageFile = nullptr;
    int m_pageTemplate;
};

// The filter controls of the report's first group without the ones the project store added.
std::vector<FieldRep*> ReportFilterControls(const ApplicationReport& report);
