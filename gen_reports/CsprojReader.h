#pragma once

#include "gen_reports/XmlFile.h"
#include "model/ReportNameIndex.h"
#include "platform/core/CString.h"

#include <vector>

class ForgeonProject;

// Reads the web project file back and registers in the project every report definition and
// typed data set that it lists, unless the project uses that name already. A missing project
// file reads as empty. Project files and listed files that are not regular, too large, not
// text or not whole XML documents, and listed files that are missing, are refused and listed.
class CsprojReader : public XmlFile
{
public:
    CsprojReader(CString projectFilePath, ForgeonProject* project);

    // Reads the project file and, when it is a whole XML document, the files it lists; false
    // when the project file is missing or refused.
    bool Read();

    // The "Include" of every "EmbeddedResource" item, in file order.
    void CollectEmbeddedResources(std::vector<CString>& resources) const;
    // The "Include" of every "None" item that names a data set.
    void CollectDataSetItems(std::vector<CString>& items) const;
    // Ends in "xsd", compared exactly.
    static bool IsDataSetItem(const CString& include);

    // The project file and the files it lists that were refused, each as its path, ": " and
    // the reason, in reading order.
    const std::vector<CString>& GetRefusedFiles() const { return m_refusedFiles; }

private:
    void ReadReportFiles();
    void ReadDataSetFiles();
    void ReadReportFile(const CString& fullPath, const CString& relativeName);
    void ReadDataSetFile(const CString& fullPath, const CString& relativeName);
    // The item's path under the web project folder.
    CString FullPathOf(const CString& relativeName) const;
    // The "Include" values of the elements of that name; items without one are passed over.
    void CollectIncludes(const char* elementName, bool (*accept)(const CString&),
                         std::vector<CString>& includes) const;

    // Lists the file when the reader refused it.
    void NoteRefusal(const XmlFile& reader);

    CString m_projectFilePath;
    ForgeonProject* m_project;
    // The names the project uses, as Read found them, with those registered since.
    ReportNameIndex m_names;
    std::vector<CString> m_refusedFiles;
};
