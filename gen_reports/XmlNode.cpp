#include "gen_reports/XmlNode.h"

#include <cctype>
#include <cstring>
#include <string>
#include <utility>

namespace
{
bool IsXmlSpace(char ch)
{
    return std::isspace(static_cast<unsigned char>(ch)) != 0;
}

const char* SkipBlanks(const char* p, const char* end)
{
    while (p < end && IsXmlSpace(*p))
        ++p;
    return p;
}

// The first character for which stops is true, passing over the one after an escape
// character; the end when there is none.
template <typename Stops>
const char* FindStop(const char* p, const char* end, char escape, Stops stops)
{
    while (p < end)
    {
        if (escape != 0 && *p == escape)
        {
            p = end - p >= 2 ? p + 2 : end;
            continue;
        }
        if (stops(*p))
            return p;
        ++p;
    }
    return end;
}

const char* FindChar(const char* p, const char* end, char ch, char escape)
{
    if (escape == 0)
    {
        const void* found = std::memchr(p, ch, end - p);
        return found == nullptr ? end : static_cast<const char*>(found);
    }
    return FindStop(p, end, escape, [ch](char c) { return c == ch; });
}

bool StartsWithNoCase(const char* p, const char* end, const char* sequence)
{
    for (; *sequence != '\0'; ++p, ++sequence)
    {
        if (p == end || std::tolower(static_cast<unsigned char>(*p)) !=
                            std::tolower(static_cast<unsigned char>(*sequence)))
            return false;
    }
    return true;
}

// The start of the sequence, compared without regard to case; the end when it is missing.
const char* FindSequence(const char* p, const char* end, const char* sequence)
{
    for (; p < end; ++p)
    {
        if (StartsWithNoCase(p, end, sequence))
            return p;
    }
    return end;
}

bool IsBlankText(const CString& text)
{
    for (int i = 0; i < text.GetLength(); ++i)
    {
        if (!IsXmlSpace(text[i]))
            return false;
    }
    return true;
}

// The text of the range, trimmed when asked, with escape characters dropped (a doubled one
// gives one) and entities decoded when the options say so. An empty range leaves the target
// as it was.
void SetFromRange(CString& target, const char* begin, const char* end,
                  const XmlParseOptions& options)
{
    if (options.trimValues)
    {
        begin = SkipBlanks(begin, end);
        while (end > begin && IsXmlSpace(end[-1]))
            --end;
    }
    if (end <= begin)
        return;
    CString text(begin, static_cast<int>(end - begin));
    if (options.escapeCharacter != 0)
    {
        const char escape = options.escapeCharacter;
        CString kept;
        for (const char* p = begin; p < end; ++p)
        {
            if (*p == escape && ++p == end)
                break;
            kept += *p;
        }
        text = kept;
    }
    if (options.decodeEntities && options.entityTable != nullptr)
        text = options.entityTable->Decode(text.GetString(), text.GetString() + text.GetLength());
    target = text;
}

// Records the first error of a load; always null, to be returned.
const char* Fail(XmlParseOptions& options, const char* position, int code, const CString& message)
{
    if (!options.errorFlag)
    {
        options.errorFlag = true;
        options.errorPosition = position;
        options.errorCode = code;
        options.errorMessage = message;
    }
    return nullptr;
}

// Counts one more node of the load; false, with the error recorded, past the limit.
bool TakeNode(XmlParseOptions& options, const char* position)
{
    if (++options.nodeCount <= options.maxNodes)
        return true;
    Fail(options, position, 5,
         CString("The text holds more than " + std::to_string(options.maxNodes) +
                 " elements and attributes."));
    return false;
}

CString Formatted(const char* format, const CString& first, const CString& second = CString())
{
    CString text;
    text.Format(format, first, second);
    return text;
}

// Markup met before an element: declarations and processing instructions are skipped, comments
// and CDATA sections kept as children of the parent.
struct Markup
{
    const char* open;
    const char* close;
    int type;
    const char* name;
};

constexpr int skippedMarkup = -1;
constexpr Markup markups[] = {
    {"<?", "?>", skippedMarkup, nullptr},
    {"<!--", "-->", XmlNode::commentNode, "#COMMENT"},
    {"<![CDATA[", "]]>", XmlNode::cdataNode, "#CDATA"},
};

const Markup* MarkupAt(const char* p, const char* end)
{
    for (const Markup& markup : markups)
    {
        if (StartsWithNoCase(p, end, markup.open))
            return &markup;
    }
    return nullptr;
}

bool EndsElementName(char ch)
{
    return ch == ' ' || ch == '/' || ch == '>' || ch == '\t' || ch == '\r' || ch == '\n';
}

bool EndsAttributeName(char ch)
{
    return IsXmlSpace(ch) || ch == '=' || ch == '>' || ch == '/';
}
} // namespace

void XmlParseOptions::ClearError()
{
    errorFlag = false;
    errorPosition = nullptr;
    errorCode = 0;
    errorMessage.Empty();
    nodeCount = 0;
}

const XmlParseOptions& DefaultXmlParseOptions()
{
    static const XmlParseOptions options;
    return options;
}

const XmlTextOptions& DefaultXmlTextOptions()
{
    static const XmlTextOptions options;
    return options;
}

XmlNode::~XmlNode()
{
    Clear();
}

void XmlNode::Clear() noexcept
{
    // Down to a leaf through the last children, which goes; then on from its parent. Neither
    // recursion nor a list of its own: a deep tree is freed on a small stack, and freeing
    // cannot fail for want of memory.
    XmlNode* node = this;
    while (node != this || !m_children.empty())
    {
        if (!node->m_children.empty())
        {
            node = node->m_children.back().get();
            continue;
        }
        XmlNode* parent = node->m_parent;
        parent->m_children.pop_back();
        node = parent;
    }
    m_attributes.clear();
}

void XmlNode::Reset()
{
    Clear();
    m_name.Empty();
    m_value.Empty();
    m_type = elementNode;
}

const char* XmlNode::Load(const char* text, XmlParseOptions& options)
{
    if (text == nullptr)
    {
        Reset();
        return nullptr;
    }
    return LoadRange(text, text + std::strlen(text), options);
}

const char* XmlNode::LoadRange(const char* p, const char* end, XmlParseOptions& options)
{
    const Start start = LoadStart(p, end, options);
    if (!start.open)
        return start.position;
    std::vector<XmlNode*> open{this};
    // Nameless elements still open are dropped when the load ends.
    const auto leave = [&open](const char* position)
    {
        for (std::size_t i = open.size() - 1; i > 0; --i)
        {
            if (open[i]->m_name.IsEmpty())
                open[i - 1]->m_children.pop_back();
        }
        return position;
    };
    p = start.position;
    while (p < end)
    {
        XmlNode* node = open.back();
        auto child = std::make_unique<XmlNode>(node);
        XmlNode* loading = child.get();
        const Start childStart = loading->LoadStart(p, end, options);
        // A nameless element is dropped; one that is open is kept until its end tag.
        if (!loading->m_name.IsEmpty() || childStart.open)
            node->m_children.push_back(std::move(child));
        if (childStart.open)
        {
            open.push_back(loading);
            p = childStart.position;
            continue;
        }
        if (childStart.position == nullptr)
            return leave(nullptr);
        p = childStart.position;
        // After a child: end tags close the open elements one by one; a mismatched one passed
        // over leads to the next child.
        bool passedOver = false;
        while (!passedOver && end - p >= 2 && p[0] == '<' && p[1] == '/')
        {
            node = open.back();
            bool closes = false;
            p = node->LoadEndTag(p, end, options, closes);
            if (p == nullptr)
                return leave(nullptr);
            passedOver = !closes;
            if (passedOver)
                break;
            open.pop_back();
            if (open.empty())
                return p;
            if (node->m_name.IsEmpty())
                open.back()->m_children.pop_back();
        }
        node = open.back();
        if (!passedOver && p < end && *p != '<' && IsBlankText(node->m_value))
            p = node->LoadValue(p, end, options);
    }
    return leave(end);
}

XmlNode::Start XmlNode::LoadStart(const char* p, const char* end, XmlParseOptions& options)
{
    Reset();
    for (;;)
    {
        p = FindChar(p, end, '<', 0);
        if (p == end)
            return {nullptr, false};
        if (end - p >= 2 && p[1] == '/')
            return {p, false};
        const Markup* markup = MarkupAt(p, end);
        if (markup == nullptr)
            break;
        const char* content = p + std::strlen(markup->open);
        const char* close = FindSequence(content, end, markup->close);
        const char* after = close == end ? end : close + std::strlen(markup->close);
        if (markup->type != skippedMarkup && m_parent != nullptr)
        {
            if (!TakeNode(options, p))
                return {nullptr, false};
            m_parent->AddMarkupChild(markup->type, markup->name, content, close);
            return {after, false};
        }
        if (after == end)
            return {end, false};
        p = after;
    }

    if (!TakeNode(options, p))
        return {nullptr, false};
    const char* nameEnd = FindStop(p + 1, end, 0, EndsElementName);
    m_name = CString(p + 1, static_cast<int>(nameEnd - p - 1));
    p = LoadAttributes(nameEnd, end, options);
    if (p == nullptr)
        return {nullptr, false};
    if (*p == '/')
    {
        if (end - p >= 2 && p[1] == '>')
            return {p + 2, false};
        return {Fail(options, p, 1, "Element must be closed."), false};
    }
    return {LoadValue(p + 1, end, options), true};
}

const char* XmlNode::LoadAttributes(const char* p, const char* end, XmlParseOptions& options)
{
    for (;;)
    {
        p = SkipBlanks(p, end);
        if (p == end)
            return nullptr;
        if (*p == '>' || *p == '/')
            return p;
        const char* nameEnd = FindStop(p, end, 0, EndsAttributeName);
        if (nameEnd == end)
            return Fail(options, p, 4, Formatted("<%s> attribute has error ", m_name));
        if (!TakeNode(options, p))
            return nullptr;
        auto attribute = std::make_unique<XmlAttribute>();
        attribute->name = CString(p, static_cast<int>(nameEnd - p));
        attribute->owner = this;
        p = SkipBlanks(nameEnd, end);
        if (p < end && *p == '=')
        {
            p = SkipBlanks(p + 1, end);
            const char* valueEnd;
            if (p < end && (*p == '"' || *p == '\''))
            {
                const char quote = *p++;
                valueEnd = FindChar(p, end, quote, options.escapeCharacter);
                SetFromRange(attribute->value, p, valueEnd, options);
                p = valueEnd == end ? end : valueEnd + 1;
            }
            else
            {
                valueEnd = FindStop(p, end, options.escapeCharacter,
                                    [](char c) { return IsXmlSpace(c) || c == '>'; });
                SetFromRange(attribute->value, p, valueEnd, options);
                p = valueEnd;
            }
        }
        m_attributes.push_back(std::move(attribute));
    }
}

const char* XmlNode::LoadValue(const char* p, const char* end, const XmlParseOptions& options)
{
    const char* valueEnd = FindChar(p, end, '<', options.escapeCharacter);
    SetFromRange(m_value, p, valueEnd, options);
    return valueEnd;
}

const char* XmlNode::LoadEndTag(const char* p, const char* end, XmlParseOptions& options,
                                bool& closes)
{
    const char* tagStart = SkipBlanks(p + 2, end);
    const char* tagEnd =
        FindStop(tagStart, end, 0, [](char c) { return IsXmlSpace(c) || c == '>'; });
    if (tagEnd == end)
        return Fail(options, p, 2, Formatted("it must be closed with </%s>", m_name));
    const CString tagName(tagStart, static_cast<int>(tagEnd - tagStart));
    // Blanks between the name and ">" belong to the tag.
    const char* close = SkipBlanks(tagEnd, end);
    const char* after = close < end && *close == '>' ? close + 1 : tagEnd + 1;
    closes = tagName == m_name;
    if (!closes && !options.forceParse)
        return Fail(options, p, 3,
                    Formatted("'<%s> ... </%s>' is not wel-formed.", m_name, tagName));
    return after;
}

void XmlNode::AddMarkupChild(int type, const char* name, const char* begin, const char* end)
{
    auto child = std::make_unique<XmlNode>(this);
    child->m_type = type;
    child->m_name = name;
    child->m_value = CString(begin, static_cast<int>(end - begin));
    m_children.push_back(std::move(child));
}

CString XmlNode::GetText(const XmlTextOptions& options) const
{
    if (m_type == commentNode)
        return CString();
    if (m_type == cdataNode)
        return m_value;
    // The texts of the children in order, each followed by its own value, without recursion.
    std::string text;
    std::vector<std::pair<const XmlNode*, std::size_t>> stack{{this, 0}};
    while (!stack.empty())
    {
        auto& [node, next] = stack.back();
        if (next < node->m_children.size())
        {
            const XmlNode* child = node->m_children[next++].get();
            if (child->m_type == cdataNode)
                text += child->m_value.str();
            else if (child->m_type == elementNode)
                stack.emplace_back(child, 0);
            continue;
        }
        const XmlTextOptions& own = node == this ? options : DefaultXmlTextOptions();
        if (own.encodeEntities && own.entityTable != nullptr)
            text += own.entityTable->Encode(node->m_value).str();
        else
            text += node->m_value.str();
        stack.pop_back();
    }
    return CString(text);
}

XmlNode* XmlNode::FindChild(const char* name) const
{
    for (const auto& child : m_children)
    {
        if (child->m_name == name)
            return child.get();
    }
    return nullptr;
}

XmlAttribute* XmlNode::FindAttribute(const char* name) const
{
    for (const auto& attribute : m_attributes)
    {
        if (attribute->name == name)
            return attribute.get();
    }
    return nullptr;
}

CString XmlNode::GetChildText(const char* name, const XmlTextOptions& options) const
{
    const XmlNode* child = FindChild(name);
    return child == nullptr ? CString() : child->GetText(options);
}

const char* XmlNode::GetAttributeValue(const char* name) const
{
    const XmlAttribute* attribute = FindAttribute(name);
    return attribute == nullptr ? nullptr : attribute->value.GetString();
}

XmlNode* XmlNode::GetChild(int index) const
{
    if (index < 0 || index >= GetChildCount())
        return nullptr;
    return m_children[index].get();
}
