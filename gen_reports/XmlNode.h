#pragma once

#include "gen_reports/XmlEntityTable.h"
#include "platform/core/CString.h"

#include <cstddef>
#include <memory>
#include <vector>

// How a text is loaded; one record serves a whole load and receives its first error.
struct XmlParseOptions
{
    // Enough for any report project by far, and some 200 MB of nodes at most.
    static constexpr std::size_t defaultMaxNodes = 1'000'000;

    // Empties the error record and the count of nodes.
    void ClearError();

    bool trimValues = false;
    bool decodeEntities = true;
    const XmlEntityTable* entityTable = &StandardXmlEntityTable();
    // The character after it is never matched in a search, and it is dropped from values
    // (a doubled one gives one); 0 for none.
    char escapeCharacter = 0;
    // Accept end tags that do not match their element.
    bool forceParse = false;
    // A load that would make more elements, comments, CDATA sections and attributes than this
    // stops with an error.
    std::size_t maxNodes = defaultMaxNodes;
    std::size_t nodeCount = 0;

    bool errorFlag = false;
    const char* errorPosition = nullptr;
    int errorCode = 0;
    CString errorMessage;
};

// How a node's text is taken out.
struct XmlTextOptions
{
    bool encodeEntities = true;
    const XmlEntityTable* entityTable = &StandardXmlEntityTable();
};

// The shared records: the standard table, decoding and encoding on, nothing else.
const XmlParseOptions& DefaultXmlParseOptions();
const XmlTextOptions& DefaultXmlTextOptions();

class XmlNode;

struct XmlAttribute
{
    CString name;
    CString value;
    XmlNode* owner = nullptr;
};

// One element, comment or CDATA section of a loaded text, owning its children and attributes.
class XmlNode
{
public:
    static constexpr int elementNode = 0;
    static constexpr int commentNode = 2;
    static constexpr int cdataNode = 3;

    explicit XmlNode(XmlNode* parent = nullptr) : m_parent(parent) {}
    XmlNode(const XmlNode&) = delete;
    XmlNode& operator=(const XmlNode&) = delete;
    ~XmlNode();

    // Loads this node from the first element of the text; returns the position after what it
    // consumed, the position of an end tag met before any element, or null when the text holds
    // no element or on an error, which the options record. Text that ends inside markup is
    // never read past: the node keeps what was loaded up to the end.
    const char* Load(const char* text, XmlParseOptions& options);

    // A comment gives "", a CDATA section its content; an element the texts of its children
    // followed by its own value, entity-encoded when the options say so.
    CString GetText(const XmlTextOptions& options = DefaultXmlTextOptions()) const;

    // The first child or attribute of exactly that name; null when there is none.
    XmlNode* FindChild(const char* name) const;
    XmlAttribute* FindAttribute(const char* name) const;
    // The child's text; "" when there is no such child.
    CString GetChildText(const char* name,
                         const XmlTextOptions& options = DefaultXmlTextOptions()) const;
    // The attribute's value; null when there is no such attribute.
    const char* GetAttributeValue(const char* name) const;
    // Null for a negative or too large index.
    XmlNode* GetChild(int index) const;
    int GetChildCount() const { return static_cast<int>(m_children.size()); }
    const std::vector<std::unique_ptr<XmlNode>>& GetChildren() const { return m_children; }
    const std::vector<std::unique_ptr<XmlAttribute>>& GetAttributes() const { return m_attributes; }

    // Deletes the children and attributes, however deep the tree, without allocating.
    void Clear() noexcept;

    const CString& GetName() const { return m_name; }
    const CString& GetValue() const { return m_value; }
    int GetType() const { return m_type; }
    XmlNode* GetParent() const { return m_parent; }

private:
    // What loading a start tag left: the position to go on from (null on an error or when
    // no element follows), and whether the element is open for its children.
    struct Start
    {
        const char* position;
        bool open;
    };

    // Load within [text, end): the element's start tag, then its descendants up to its end
    // tag, with a stack of the open elements instead of recursion, so that deep nesting
    // cannot exhaust the call stack.
    const char* LoadRange(const char* text, const char* end, XmlParseOptions& options);
    // Markup before the element, the start tag and the first text of the element.
    Start LoadStart(const char* text, const char* end, XmlParseOptions& options);
    // The attributes up to ">" or "/"; null on an error or at the end of the text.
    const char* LoadAttributes(const char* text, const char* end, XmlParseOptions& options);
    // At an end tag after a child: the position after it and whether it closes this element;
    // null on an error.
    const char* LoadEndTag(const char* text, const char* end, XmlParseOptions& options,
                           bool& closes);
    // The text up to the next "<" becomes the value; returns that "<" or the end.
    const char* LoadValue(const char* text, const char* end, const XmlParseOptions& options);
    void AddMarkupChild(int type, const char* name, const char* begin, const char* end);
    void Reset();

    CString m_name;
    CString m_value;
    XmlNode* m_parent = nullptr;
    std::vector<std::unique_ptr<XmlNode>> m_children;
    std::vector<std::unique_ptr<XmlAttribute>> m_attributes;
    int m_type = elementNode;
};
