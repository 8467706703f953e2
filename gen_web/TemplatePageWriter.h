#pragma once

#include "model/TextFile.h"
#include "platform/core/CString.h"

class ForgeonProject;
class FormInterface;
class GenerationReport;

// The base of the writers that fill a page text: generated text collects in the TextFile
// member (which has no file), is inserted into the page after "**Include" marker lines of a
// template or makes up the page by itself, and the page is saved under the project path. A
// file that cannot be written goes to the report.
class TemplatePageWriter
{
public:
    TemplatePageWriter(ForgeonProject* project, GenerationReport& report);
    TemplatePageWriter(const TemplatePageWriter&) = delete;
    TemplatePageWriter& operator=(const TemplatePageWriter&) = delete;

    // The page becomes the project's page template, each line ending in "\n" and one empty
    // line more; false, and an empty page, when there is no template or it cannot be read.
    bool LoadTemplate();
    // The same with the classic page template, and with the classic frame-report template.
    bool LoadClassicTemplate();
    bool LoadFrameTemplate();
    // The start of the line after the first marker line at or after start; start when there is
    // no marker.
    int FindIncludePosition(int start) const;
    // Moves the collected text into the page at the position; returns the position after it.
    int InsertGeneratedText(int position);
    // Writes the page to project path (with a "\" added when missing), folder, "\", file name,
    // then empties the page and the collected text. Nothing when the folder is empty.
    void SavePage(const CString& fileName, const CString& folder);

    void WriteCloseConnection(int indent);
    void WriteErrTrap();
    // One conditional assignment per derived field of the page that has a formula.
    void WriteDerivedFieldAssignments(FormInterface* page);

    const CString& GetPageText() const { return m_pageText; }

protected:
    // Project path (with a "\" added when missing), folder, "\", file name.
    CString PagePath(const CString& fileName, const CString& folder) const;
    // Empties the page and the collected text.
    void ClearPage();

    CString m_pageText;
    ForgeonProject* m_project;
    GenerationReport& m_report;
    TextFile m_textFile;

    // The page becomes the file's lines as LoadTemplate reads them.
    bool LoadPage(const CString& path);
};

// Appends the template's lines to the text, each ending in "\n" whatever its line end, and one
// "\n" more for the end of the file; false when it is not a readable file.
bool ReadPageTemplate(const CString& path, CString& text);
