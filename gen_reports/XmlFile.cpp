#include "gen_reports/XmlFile.h"

#include "platform/core/HostPath.h"

#include <cstdio>
#include <string>

XmlFile::XmlFile(CString path) : m_path(std::move(path)) {}

const char* XmlFile::Load()
{
    ReadFile();
    return Parse();
}

void XmlFile::ReadFile()
{
    m_content.Empty();
    const std::string hostPath = ToHostPath(m_path);
    FILE* file = std::fopen(hostPath.c_str(), "r");
    if (file == nullptr)
        return;
    // Read by blocks rather than lines so that a long line and a NUL byte are kept whole.
    std::string content;
    char buffer[2000];
    for (std::size_t count; (count = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        content.append(buffer, count);
    std::fclose(file);
    m_content = CString(content);
}

const char* XmlFile::Parse()
{
    m_options = DefaultXmlParseOptions();
    m_options.ClearError();
    return m_root.Load(m_content, m_options);
}

namespace
{
void AppendMatching(const XmlNode& node, const CString& name, std::vector<XmlNode*>& found)
{
    for (const auto& child : node.GetChildren())
    {
        if (child->GetName() == name)
            found.push_back(child.get());
        AppendMatching(*child, name, found);
    }
}
} // namespace

void XmlFile::FindElements(CString name, std::vector<XmlNode*>& found) const
{
    found.clear();
    AppendMatching(m_root, name, found);
}
