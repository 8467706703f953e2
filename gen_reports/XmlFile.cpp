#include "gen_reports/XmlFile.h"

#include "platform/core/HostPath.h"

#include <cstdio>
#include <string>
#include <utility>

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

void XmlFile::FindElements(CString name, std::vector<XmlNode*>& found) const
{
    found.clear();
    // Depth first in document order, without recursion: the next sibling waits on the stack.
    std::vector<std::pair<const XmlNode*, int>> stack{{&m_root, 0}};
    while (!stack.empty())
    {
        auto& [node, next] = stack.back();
        if (next == node->GetChildCount())
        {
            stack.pop_back();
            continue;
        }
        XmlNode* child = node->GetChild(next++);
        if (child->GetName() == name)
            found.push_back(child);
        stack.emplace_back(child, 0);
    }
}
