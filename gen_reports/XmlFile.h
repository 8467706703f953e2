#pragma once

#include "gen_reports/XmlNode.h"
#include "platform/core/CString.h"

#include <vector>

// A whole XML file loaded into a tree under one root element.
class XmlFile
{
public:
    // The path is a model path.
    explicit XmlFile(CString path);
    virtual ~XmlFile() = default;
    XmlFile(const XmlFile&) = delete;
    XmlFile& operator=(const XmlFile&) = delete;

    // Files larger than this are not read.
    static constexpr long long maxFileSize = 64LL * 1024 * 1024;

    // ReadFile, then Parse; the position where parsing stopped, or null. A load that runs out
    // of memory leaves the file empty and refused.
    const char* Load();
    // Load; true when the file was read and is a whole XML document. A file that was read but
    // is not is refused with the reason (DescribeParseFailure).
    bool LoadDocument();
    // The whole file as the content, its bytes as read; a file that cannot be opened leaves
    // the content empty (GetOpenError says why). Only a regular file of at most maxFileSize
    // bytes without a NUL byte is read: anything else leaves the content empty and says why in
    // GetReadRefusal.
    void ReadFile();
    // Loads the root from the content with the default options and an error record of this
    // load's own.
    const char* Parse();

    // Every node below the root of exactly that name, depth first in document order.
    void FindElements(CString name, std::vector<XmlNode*>& found) const;

    const CString& GetPath() const { return m_path; }
    const CString& GetContent() const { return m_content; }
    // Why the last ReadFile refused the file; empty when it was read or could not be opened.
    const CString& GetReadRefusal() const { return m_readRefusal; }
    // The errno of the last ReadFile's failed open; 0 when the file was opened.
    int GetOpenError() const { return m_openError; }
    // Why the content of the last Load, which stopped at the position, is not a whole XML
    // document up to its root element's end tag; empty when it is. What follows the root
    // element is not looked at.
    CString DescribeParseFailure(const char* stop) const;
    // The host path, ": " and the refusal; empty when the file was not refused.
    CString DescribeRefusal() const;
    XmlNode& GetRoot() { return m_root; }
    const XmlNode& GetRoot() const { return m_root; }
    // The options of the last Parse with its first error, if any.
    const XmlParseOptions& GetParseOptions() const { return m_options; }

protected:
    // The file is not taken, for the reason given.
    void Refuse(const CString& reason);

private:
    CString m_path;
    CString m_content;
    CString m_readRefusal;
    int m_openError = 0;
    XmlNode m_root;
    XmlParseOptions m_options;
};
