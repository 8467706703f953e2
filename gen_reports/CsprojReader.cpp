#include "gen_reports/CsprojReader.h"

#include "gen_reports/ReportFileReaders.h"
#include "model/ForgeonProject.h"

CsprojReader::CsprojReader(CString projectFilePath, ForgeonProject* project)
    : XmlFile(projectFilePath), m_projectFilePath(std::move(projectFilePath)), m_project(project)
{
}

bool CsprojReader::Read()
{
    const bool loaded = LoadDocument();
    NoteRefusal(*this);
    if (!loaded)
        return false;
    m_names = ReportNameIndex(*m_project);
    ReadReportFiles();
    ReadDataSetFiles();
    return true;
}

void CsprojReader::CollectIncludes(const char* elementName, bool (*accept)(const CString&),
                                   std::vector<CString>& includes) const
{
    includes.clear();
    std::vector<XmlNode*> items;
    FindElements(elementName, items);
    for (const XmlNode* item : items)
    {
        const char* include = item->GetAttributeValue("Include");
        if (include != nullptr && *include != '\0' && accept(include))
            includes.emplace_back(include);
    }
}

void CsprojReader::CollectEmbeddedResources(std::vector<CString>& resources) const
{
    CollectIncludes(
        "EmbeddedResource", [](const CString&) { return true; }, resources);
}

void CsprojReader::CollectDataSetItems(std::vector<CString>& items) const
{
    CollectIncludes("None", IsDataSetItem, items);
}

bool CsprojReader::IsDataSetItem(const CString& include)
{
    return include.Right(3) == "xsd";
}

void CsprojReader::ReadReportFiles()
{
    std::vector<CString> resources;
    CollectEmbeddedResources(resources);
    for (const CString& resource : resources)
        ReadReportFile(FullPathOf(resource), resource);
}

void CsprojReader::ReadDataSetFiles()
{
    std::vector<CString> items;
    CollectDataSetItems(items);
    for (const CString& item : items)
        ReadDataSetFile(FullPathOf(item), item);
}

void CsprojReader::ReadReportFile(const CString& fullPath, const CString& relativeName)
{
    RdlcFileReader reader(fullPath, relativeName, m_project, m_names);
    reader.Read();
    NoteRefusal(reader);
}

void CsprojReader::ReadDataSetFile(const CString& fullPath, const CString& relativeName)
{
    XsdFileReader reader(fullPath, relativeName, m_project, m_names);
    reader.Read();
    NoteRefusal(reader);
}

void CsprojReader::NoteRefusal(const XmlFile& reader)
{
    if (!reader.GetReadRefusal().IsEmpty())
        m_refusedFiles.push_back(reader.DescribeRefusal());
}

CString CsprojReader::FullPathOf(const CString& relativeName) const
{
    const CString projectName = m_project->GetProjectName();
    return m_project->GetProjectPath() + projectName + "\\" + projectName + "\\" + relativeName;
}
