#include "gen_reports/XmlFile.h"

#include "platform/core/CFile.h"
#include "platform/core/HostPath.h"

#include <cerrno>
#include <cstdint>
#include <new>
#include <string>
#include <unistd.h>
#include <utility>

XmlFile::XmlFile(CString path) : m_path(std::move(path)) {}

const char* XmlFile::Load()
{
    try
    {
        ReadFile();
        return Parse();
    }
    catch (const std::bad_alloc&)
    {
        Refuse("too large to read in the memory available");
        return nullptr;
    }
}

bool XmlFile::LoadDocument()
{
    const char* stop = Load();
    if (m_openError != 0 || !m_readRefusal.IsEmpty())
        return false;
    const CString failure = DescribeParseFailure(stop);
    if (!failure.IsEmpty())
        Refuse(failure);
    return failure.IsEmpty();
}

void XmlFile::Refuse(const CString& reason)
{
    m_root.Clear();
    m_content.Empty();
    m_readRefusal = reason;
}

CString XmlFile::DescribeParseFailure(const char* stop) const
{
    if (m_options.errorFlag)
        return "not well-formed XML: " + m_options.errorMessage;
    const CString& root = m_root.GetName();
    if (stop == nullptr || root.IsEmpty())
        return "no XML element in it";
    CString text = m_content.Left(static_cast<int>(stop - m_content.GetString()));
    text.TrimRight();
    const CString endTag = "</" + root + ">";
    const bool selfClosed = m_root.GetChildCount() == 0 && text.Right(2) == "/>";
    if (selfClosed || text.Right(endTag.GetLength()) == endTag)
        return "";
    return "not well-formed XML: it ends before " + endTag;
}

void XmlFile::ReadFile()
{
    m_content.Empty();
    const RegularFileOpening opening = OpenRegularFile(ToHostPath(m_path));
    const int descriptor = opening.descriptor;
    m_readRefusal = opening.refusal.c_str();
    m_openError = opening.osError;
    if (descriptor < 0)
        return;
    const auto refuseTooLarge = [this]
    { m_readRefusal.Format("larger than %lld MB", maxFileSize / (1024 * 1024)); };
    if (opening.size > static_cast<std::uint64_t>(maxFileSize))
        refuseTooLarge();
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
            refuseTooLarge();
            break;
        }
    }
    ::close(descriptor);
    // The parser reads up to the first NUL: UTF-16 and binary files would be taken in part.
    if (content.find('\0') != std::string::npos)
        m_readRefusal = "holds NUL bytes: not UTF-8 or ASCII text (UTF-16?)";
    else
        m_content = CString(std::move(content));
}

CString XmlFile::DescribeRefusal() const
{
    return m_readRefusal.IsEmpty() ? CString()
                                   : CString(ToHostPath(m_path).c_str()) + ": " + m_readRefusal;
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
