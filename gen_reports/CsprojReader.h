#pragma once

#include "gen_reports/XmlFile.h"
#include "platform/core/CString.h"

#include <vector>

class ForgeonProject;

// Reads the web project file back and registers in the project every report definition and
// typed data set that it lists, unless the project has one of that name already. Files that
// are missing read as empty; nothing is reported.
class CsprojReader : public XmlFile
{
public:
    CsprojReader(CString projectFilePath, ForgeonProject* project);

    void Read();

    // The "Include" of every "EmbeddedResource" item, in file order.
    void CollectEmbeddedResources(std::vector<CString>& resources) const;
    // The "Include" of every "None" item that names a data set.
    void CollectDataSetItems(std::vector<CString>& items) const;
    // Ends in "xsd", compared exactly.
    static bool IsDataSetItem(const CString& include);

    void ReadReportFiles();
    void ReadDataSetFiles();
    void ReadReportFile(const CString& fullPath, const CString& relativeName);
    void ReadDataSetFile(const CString& fullPath, const CString& relativeName);

private:
    // The item's path under the web project folder.
    CString FullPathOf(const CString& relativeName) const;
    // The "Include" values of the elements of that name; items without one are passed over.
    void CollectIncludes(const char* elementName, bool (*accept)(const CString&),
                         std::vector<CString>& includes) const;

    CString m_projectFilePath;
    ForgeonProject* m_project;
};
