#include "platform/core/CString.h"

#include <algorithm>

namespace
{

constexpr std::string_view whitespace = " \t\n\v\f\r";

// A null pointer reads as the empty string.
std::string_view viewOf(const char* text)
{
    return text != nullptr ? std::string_view(text) : std::string_view();
}

char foldUpper(char ch)
{
    return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch;
}

// -1, 0 or 1 as a orders before, like or after b with ASCII letters folded to lower case.
int CompareFolded(std::string_view a, std::string_view b)
{
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i)
    {
        // Equal bytes fold alike; only a difference needs folding.
        if (a[i] == b[i])
            continue;
        const auto x = static_cast<unsigned char>(CString::FoldNoCase(a[i]));
        const auto y = static_cast<unsigned char>(CString::FoldNoCase(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

int sign(int value)
{
    return (value > 0) - (value < 0);
}

// The position in [0, size] nearest to index.
std::size_t clampedPosition(int index, std::size_t size)
{
    return index <= 0 ? 0 : std::min(static_cast<std::size_t>(index), size);
}

int found(std::size_t position)
{
    return position == std::string::npos ? -1 : static_cast<int>(position);
}

} // namespace

CString::CString(const char* text) : m_str(viewOf(text)) {}

CString::CString(const char* bytes, int length)
{
    if (bytes != nullptr && length > 0)
    {
        m_str.assign(bytes, static_cast<std::size_t>(length));
    }
}

CString::CString(char ch, int repeat) : m_str(static_cast<std::size_t>(std::max(repeat, 0)), ch) {}

CString& CString::operator=(const char* text)
{
    m_str = viewOf(text);
    return *this;
}

CString& CString::operator=(char ch)
{
    m_str.assign(1, ch);
    return *this;
}

CString& CString::operator+=(const CString& text)
{
    m_str += text.m_str;
    return *this;
}

CString& CString::operator+=(const char* text)
{
    m_str += viewOf(text);
    return *this;
}

CString& CString::operator+=(char ch)
{
    m_str += ch;
    return *this;
}

char CString::GetAt(int index) const
{
    return index >= 0 && index < GetLength() ? m_str[static_cast<std::size_t>(index)] : '\0';
}

void CString::SetAt(int index, char ch)
{
    if (index >= 0 && index < GetLength())
    {
        m_str[static_cast<std::size_t>(index)] = ch;
    }
}

CString CString::Left(int count) const
{
    return Mid(0, count);
}

CString CString::Mid(int start) const
{
    return Mid(start, GetLength());
}

CString CString::Mid(int start, int count) const
{
    const std::size_t first = clampedPosition(start, m_str.size());
    return m_str.substr(first, clampedPosition(count, m_str.size() - first));
}

CString CString::Right(int count) const
{
    const std::size_t length = clampedPosition(count, m_str.size());
    return m_str.substr(m_str.size() - length);
}

int CString::Find(char ch, int start) const
{
    return start >= GetLength() ? -1 : found(m_str.find(ch, clampedPosition(start, m_str.size())));
}

int CString::Find(const char* sub, int start) const
{
    return start > GetLength()
               ? -1
               : found(m_str.find(viewOf(sub), clampedPosition(start, m_str.size())));
}

int CString::ReverseFind(char ch) const
{
    return found(m_str.rfind(ch));
}

int CString::FindOneOf(const char* set) const
{
    return found(m_str.find_first_of(viewOf(set)));
}

int CString::Replace(char oldCh, char newCh)
{
    if (oldCh == newCh)
    {
        return 0;
    }
    int count = 0;
    for (char& ch : m_str)
    {
        if (ch == oldCh)
        {
            ch = newCh;
            ++count;
        }
    }
    return count;
}

int CString::Replace(const char* oldText, const char* newText)
{
    const std::string_view from = viewOf(oldText);
    if (from.empty())
    {
        return 0;
    }
    const std::string_view to = viewOf(newText);
    std::string result;
    int count = 0;
    std::size_t done = 0;
    for (std::size_t at = m_str.find(from); at != std::string::npos; at = m_str.find(from, done))
    {
        result.append(m_str, done, at - done).append(to);
        done = at + from.size();
        ++count;
    }
    result.append(m_str, done);
    m_str = std::move(result);
    return count;
}

int CString::Remove(char ch)
{
    const auto removed = std::erase(m_str, ch);
    return static_cast<int>(removed);
}

int CString::Insert(int index, char ch)
{
    m_str.insert(clampedPosition(index, m_str.size()), 1, ch);
    return GetLength();
}

int CString::Insert(int index, const char* text)
{
    m_str.insert(clampedPosition(index, m_str.size()), viewOf(text));
    return GetLength();
}

int CString::Delete(int index, int count)
{
    const std::size_t first = clampedPosition(index, m_str.size());
    m_str.erase(first, clampedPosition(count, m_str.size() - first));
    return GetLength();
}

CString& CString::MakeUpper()
{
    std::ranges::transform(m_str, m_str.begin(), foldUpper);
    return *this;
}

CString& CString::MakeLower()
{
    std::ranges::transform(m_str, m_str.begin(), CString::FoldNoCase);
    return *this;
}

CString& CString::MakeReverse()
{
    std::ranges::reverse(m_str);
    return *this;
}

CString& CString::trimLeftOf(std::string_view set)
{
    m_str.erase(0, std::min(m_str.find_first_not_of(set), m_str.size()));
    return *this;
}

CString& CString::trimRightOf(std::string_view set)
{
    const std::size_t last = m_str.find_last_not_of(set);
    m_str.erase(last == std::string::npos ? 0 : last + 1);
    return *this;
}

CString& CString::TrimLeft()
{
    return trimLeftOf(whitespace);
}

CString& CString::TrimRight()
{
    return trimRightOf(whitespace);
}

CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}

CString& CString::TrimLeft(char ch)
{
    return trimLeftOf(std::string_view(&ch, 1));
}

CString& CString::TrimRight(char ch)
{
    return trimRightOf(std::string_view(&ch, 1));
}

CString& CString::Trim(char ch)
{
    return TrimRight(ch).TrimLeft(ch);
}

CString& CString::TrimLeft(const char* set)
{
    return trimLeftOf(viewOf(set));
}

CString& CString::TrimRight(const char* set)
{
    return trimRightOf(viewOf(set));
}

CString& CString::Trim(const char* set)
{
    return TrimRight(set).TrimLeft(set);
}

CString CString::SpanIncluding(const char* set) const
{
    return m_str.substr(0, m_str.find_first_not_of(viewOf(set)));
}

CString CString::SpanExcluding(const char* set) const
{
    return m_str.substr(0, m_str.find_first_of(viewOf(set)));
}

int CString::Compare(const char* text) const
{
    return sign(m_str.compare(viewOf(text)));
}

int CString::CompareNoCase(const char* text) const
{
    return CompareFolded(m_str, viewOf(text));
}

int CString::CompareNoCase(const CString& text) const
{
    return CompareFolded(m_str, text.m_str);
}

char* CString::GetBuffer(int minLength)
{
    if (minLength > GetLength())
    {
        m_str.resize(static_cast<std::size_t>(minLength));
    }
    return m_str.data();
}

void CString::ReleaseBuffer(int newLength)
{
    m_str.resize(newLength < 0 ? std::min(m_str.find('\0'), m_str.size())
                               : clampedPosition(newLength, m_str.size()));
}

CString operator+(const CString& left, const CString& right)
{
    return CString(left) += right;
}

CString operator+(const CString& left, const char* right)
{
    return CString(left) += right;
}

CString operator+(const char* left, const CString& right)
{
    return CString(left) += right;
}

CString operator+(const CString& left, char right)
{
    return CString(left) += right;
}

CString operator+(char left, const CString& right)
{
    return CString(left) += right;
}

bool operator==(const CString& left, const CString& right)
{
    return left.m_str == right.m_str;
}

bool operator==(const CString& left, const char* right)
{
    return left.m_str == viewOf(right);
}

std::strong_ordering operator<=>(const CString& left, const CString& right)
{
    return left.m_str <=> right.m_str;
}

std::strong_ordering operator<=>(const CString& left, const char* right)
{
    return std::string_view(left.m_str) <=> viewOf(right);
}
