#include "gen_reports/XmlNode.h"

#include <cctype>
#include <cstring>

namespace
{
bool IsBlank(char ch)
{
    return std::isspace(static_cast<unsigned char>(ch)) != 0;
}

const char* SkipBlanks(const char* p, const char* end)
{
    while (p < end && IsBlank(*p))
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
        if (!IsBlank(text[i]))
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
        while (end > begin && IsBlank(end[-1]))
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
    return IsBlank(ch) || ch == '=' || ch == '>' || ch == '/';
}
} // namespace

void XmlParseOptions::ClearError()
{
    errorFlag = false;
    errorPosition = nullptr;
    errorCode = 0;
    errorMessage.Empty();
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

XmlNode::~XmlNode() = default;

void XmlNode::Clear()
{
    m_children.clear();
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
    Reset();
    for (;;)
    {
        p = FindChar(p, end, '<', 0);
        if (p == end)
            return nullptr;
        if (end - p >= 2 && p[1] == '/')
            return p;
        const Markup* markup = MarkupAt(p, end);
        if (markup == nullptr)
            break;
        const char* content = p + std::strlen(markup->open);
        const char* close = FindSequence(content, end, markup->close);
        const char* after = close == end ? end : close + std::strlen(markup->close);
        if (markup->type != skippedMarkup && m_parent != nullptr)
        {
            m_parent->AddMarkupChild(markup->type, markup->name, content, close);
            return after;
        }
        if (after == end)
            return end;
        p = after;
    }

    const char* nameEnd = FindStop(p + 1, end, 0, EndsElementName);
    m_name = CString(p + 1, static_cast<int>(nameEnd - p - 1));
    p = LoadAttributes(nameEnd, end, options);
    if (p == nullptr)
        return nullptr;
    if (*p == '/')
    {
        if (end - p >= 2 && p[1] == '>')
            return p + 2;
        return Fail(options, p, 1, "Element must be closed.");
    }
    p = LoadValue(p + 1, end, options);
    return LoadChildren(p, end, options);
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
                                    [](char c) { return IsBlank(c) || c == '>'; });
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

const char* XmlNode::LoadChildren(const char* p, const char* end, XmlParseOptions& options)
{
    while (p < end)
    {
        auto child = std::make_unique<XmlNode>(this);
        const char* next = child->LoadRange(p, end, options);
        if (!child->m_name.IsEmpty())
            m_children.push_back(std::move(child));
        if (next == nullptr)
            return nullptr;
        p = next;
        if (end - p >= 2 && p[0] == '<' && p[1] == '/')
        {
            const char* tagStart = SkipBlanks(p + 2, end);
            const char* tagEnd =
                FindStop(tagStart, end, 0, [](char c) { return IsBlank(c) || c == '>'; });
            if (tagEnd == end)
                return Fail(options, p, 2, Formatted("it must be closed with </%s>", m_name));
            const CString tagName(tagStart, static_cast<int>(tagEnd - tagStart));
            // Blanks between the name and ">" belong to the tag.
            const char* close = SkipBlanks(tagEnd, end);
            const char* after = close < end && *close == '>' ? close + 1 : tagEnd + 1;
            if (tagName == m_name)
                return after;
            if (!options.forceParse)
                return Fail(options, p, 3,
                            Formatted("'<%s> ... </%s>' is not wel-formed.", m_name, tagName));
            p = after;
        }
        else if (p < end && *p != '<' && IsBlankText(m_value))
            p = LoadValue(p, end, options);
    }
    return end;
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
    CString text;
    for (const auto& child : m_children)
        text += child->GetText(DefaultXmlTextOptions());
    if (options.encodeEntities && options.entityTable != nullptr)
        text += options.entityTable->Encode(m_value);
    else
        text += m_value;
    return text;
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
