#pragma once

#include "gen_web/VisualStudioTarget.h"
#include "platform/core/CString.h"

#include <vector>

class ForgeonProject;
class TextFile;

// The web application project file (P.csproj): build settings, references and every file of
// the generated application that Visual Studio shows, compiles or embeds.
class ProjectFileWriter
{
public:
    // The master pages are the base names of the theme's ".master" files. Table-based RDLC
    // reports get their default data set and report file names set.
    ProjectFileWriter(ForgeonProject& project, const std::vector<CString>& masterPages,
                      TextFile& file);

    void Write();

private:
    // What one module contributes to the page groups, names XML-escaped.
    struct ModulePages
    {
        CString module;
        // Page file names, each RDLC print page after its report page.
        std::vector<CString> files;
        // Only the base module's login page is listed: with several login pages (after a
        // merge) the project would hold the class Login twice.
        bool listsLogin = false;
    };
    // A data class: its module and table, XML-escaped.
    struct DataClass
    {
        CString module;
        CString table;
    };

    void CollectModulePages();
    void CollectDataClasses();
    // The data sets (the project's own, then those of the RDLC reports) and the report
    // definitions; a report built on its table gets its default names first.
    void CollectReportFiles();
    // Appends the path unless it is empty or listed already; a file the user supplied (status
    // other than 0) only when it exists in the application folder.
    void AddListed(std::vector<CString>& listed, const CString& path, int status) const;

    void WriteHeader();
    void WriteDebugGroup();
    void WriteReleaseGroup();
    // The version's own references, then those both versions share.
    void WriteReferences();
    void WriteReferences2005();
    void WriteReferences2008();
    void WriteContent();
    void WriteStaticContent();
    void WriteCompile();
    void WriteDataClassItems();
    void WritePageCodeItems();
    void WriteMasterPageCodeItems();
    void WriteFixedCodeItems();
    void WriteDataSetCodeItems();
    void WriteNone();
    void WriteEmbeddedResources();
    void WriteTail();

    ForgeonProject& m_project;
    TextFile& m_file;
    VisualStudioTarget m_target;
    // The project name as the namespace of the site's types.
    CString m_projectName;
    CString m_applicationFolder;
    std::vector<CString> m_masterPages;
    std::vector<ModulePages> m_modulePages;
    std::vector<DataClass> m_dataClasses;
    // Data set (.xsd) and report definition paths relative to the application folder.
    std::vector<CString> m_dataSets;
    std::vector<CString> m_reportFiles;
};
