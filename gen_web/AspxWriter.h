#pragma once

#include "model/TextFile.h"
#include "platform/core/CString.h"

class ForgeonProject;
class FormInterface;
class GenerationReport;

// The base of the ASP.NET page, code-behind, data-class and menu writers: text collects in the
// TextFile member (which has no file) and is saved under the project path. A file that cannot
// be written goes to the report.
class AspxWriter
{
public:
    // The page is null for writers of project-wide files.
    AspxWriter(ForgeonProject* project, FormInterface* page, GenerationReport& report);
    AspxWriter(const AspxWriter&) = delete;
    AspxWriter& operator=(const AspxWriter&) = delete;

    // The fixed using lines of generated C# files.
    void WriteUsings();
    // The page directive of a content page of the theme's master page, whose code-behind is the
    // page name + ".cs" and whose class is className in the project's namespace; an empty line
    // and the opening of the content.
    void WriteContentPageOpening(const CString& pageName, const CString& className);
    // The page directive of that opening and its empty line.
    void WritePageDirective(const CString& pageName, const CString& className);
    // The opening of the master page's content.
    void WriteContentOpening();
    // The script elements of the support scripts, for a page in a module's "UI" folder.
    void WriteScriptIncludes(int indent);
    // Project name, "\", project name and, with withModule, "\" and the current module's name.
    CString GetRelativeFolder(bool withModule) const;
    // The master-page file of the project settings, for "~/Themes/UI/" + the file.
    CString GetMasterPageFile() const;
    // Writes the collected text to project path + folder + "\" + file name (the project path
    // ends with "\") and empties it. Nothing when the folder is empty: the text stays.
    void SaveFile(const CString& fileName, const CString& folder);

protected:
    ForgeonProject* m_project;
    FormInterface* m_page;
    GenerationReport& m_report;
    CString m_libMemberName = "m_LibClassName";
    TextFile m_textFile;
};
