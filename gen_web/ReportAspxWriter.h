#pragma once

#include "gen_web/AspxWriter.h"

#include <vector>

class ApplicationReport;
class AspFile;
class FieldRep;

// The markup of every ASP.NET page file of a search report: its filter controls with a View
// button, the reportDiv the report's HTML goes into, links, menus, the message area and the
// client functions; a single-record report pages through its records with its own buttons.
// Every page lies inside the master page's one server form, aspnetForm, which its scripts use.
class ReportAspxWriter : public AspxWriter
{
public:
    ReportAspxWriter(ForgeonProject* project, ApplicationReport* report,
                     GenerationReport& generationReport);

    void Write();

private:
    void WritePageHead();
    void WriteListPage();
    void WriteSingleRecordPage();
    void WriteOnShow();
    void WriteOpenWindow();
    // Starts the page's client functions and focuses its first filter control on loading.
    void WriteOnLoad();
    void WriteFilterTable();
    void WriteRecordButtons();

    ApplicationReport* m_applicationReport;
    AspFile* m_pageFile = nullptr;
    int m_pageTemplate;
    std::vector<FieldRep*> m_controls;
};
