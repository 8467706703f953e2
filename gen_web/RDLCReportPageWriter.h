#pragma once

#include "gen_web/AspxWriter.h"

#include <vector>

class AspFile;
class FieldRep;
class LinkControl;
class RDLCReport;

// The page of an RDLC report for each of its ASP.NET page files: its parameter controls with a
// View and a Print button and the report viewer fed by one data source per data set; and the
// page's code-behind, which on SHOW runs the report's queries with the controls' values, on
// PRINT opens the print page, answers the controls' recomputes and otherwise fills the
// controls; and its designer file.
class RDLCReportPageWriter : public AspxWriter
{
public:
    RDLCReportPageWriter(ForgeonProject* project, RDLCReport* report,
                         GenerationReport& generationReport);

    // The .aspx file of every page file.
    void WritePages();
    // The .aspx.cs and .aspx.designer.cs files of every page file.
    void WriteCodeBehindFiles();

    // The report's name trimmed, every blank made "_".
    CString GetPageIdentifier() const;
    // The controls the page shows: bound to a field, with data, not hidden.
    void CollectShownControls(std::vector<FieldRep*>& controls) const;
    bool HasShownControls() const;

private:
    // Runs the step for every ASP.NET page file in list order, the page file set.
    void ForEachPageFile(void (RDLCReportPageWriter::*write)());
    void WritePage();
    void WritePageDirectives();
    void WriteShowScript(int indent);
    void WritePrintScript(int indent);
    // The form posted to the page itself with the action.
    void WriteSubmit(int indent, const char* action);
    void WriteButtonRow(int indent);
    void WriteLinkTable(int indent, bool pre);
    void WriteReportViewer(int indent);

    void WriteCodeFile();
    void WriteDesignerFile();
    void WritePreInit(int indent);
    void WriteMemberStrings(int indent);
    void WritePageLoad(int indent);
    void WriteInitializeControls(int indent);
    void WriteHandleRecompute(int indent);
    void WriteRecomputeDispatch(int indent);
    void WriteRecomputeMethods(int indent);
    void WriteHandleShow(int indent);
    void WriteHandlePrint(int indent);
    void WriteManageLinkVisibility(int indent);
    void WriteControlDeclarations(int indent);
    void WriteLinkDeclarations(int indent);

    // The page file name without the five characters from its first ".".
    CString GetClassName() const;
    // The shown controls with recompute events.
    std::vector<FieldRep*> RecomputingControls() const;
    // The pre-links followed by the post-links.
    std::vector<LinkControl*> AllLinks() const;
    CString UIFolder() const;

    RDLCReport* m_rdlcReport;
    AspFile* m_pageFile = nullptr;
    int m_pageTemplate;
};
