#include "gen_reports/XmlFile.h"

#include "platform/core/CFile.h"
#include "platform/core/HostPath.h"

#include <cerrno>
#include <cstdint>
#include <string>
#include <unistd.h>
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
    const RegularFileOpening opening = OpenRegularFile(ToHostPath(m_path));
    const int descriptor = opening.descriptor;
    m_readRefusal = opening.refusal.c_str();
    if (descriptor < 0)
        return;
    if (opening.size > static_cast<std::uint64_t>(maxFileSize))
        m_readRefusal.Format("larger than %lld MB", maxFileSize / (1024 * 1024));
    if (!m_readRefusal.IsEmpty())
    {
        ::close(descriptor);
        return;
    }
    // Read by blocks rather than lines so that a long line and a NUL byte are kept whole; a
    // file that grows while it is read is cut at the limit.
    std::string content;
    char buffer[8192];
    for (;;)
    {
        const ssize_t count = ::read(descriptor, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            break;
        content.append(buffer, static_cast<std::size_t>(count));
        if (static_cast<long long>(content.size()) > maxFileSize)
        {
            content.clear();
            m_readRefusal.Format("larger than %lld MB", maxFileSize / (1024 * 1024));
            break;
        }
    }
    ::close(descriptor);
    m_content = CString(content);
}

CString XmlFile::DescribeRefusal() const
{
    return m_readRefusal.IsEmpty() ? CString() : m_path + ": " + m_readRefusal;
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
