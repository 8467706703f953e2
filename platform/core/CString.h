#pragma once

#include "platform/core/StringFormat.h"
#include "platform/core/Types.h"

#include <compare>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

// A byte string that may hold NULs. Indexes are int; arguments out of range are clamped.
class CString
{
public:
    CString() = default;
    CString(const char* text);
    CString(const char* bytes, int length);
    explicit CString(char ch, int repeat = 1);
    CString(const std::string& text) : m_str(text) {}
    CString(std::string&& text) noexcept : m_str(std::move(text)) {}
    CString(const CString&) = default;
    CString(CString&&) noexcept = default;

    CString& operator=(const CString&) = default;
    CString& operator=(CString&&) noexcept = default;
    CString& operator=(const char* text);
    CString& operator=(char ch);

    CString& operator+=(const CString& text);
    CString& operator+=(const char* text);
    CString& operator+=(char ch);

    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }

    // '\0' when index is out of range.
    char GetAt(int index) const;
    char operator[](int index) const { return GetAt(index); }
    // Ignored when index is out of range.
    void SetAt(int index, char ch);

    CString Left(int count) const;
    CString Mid(int start) const;
    CString Mid(int start, int count) const;
    CString Right(int count) const;

    // -1 when not found.
    int Find(char ch) const { return Find(ch, 0); }
    int Find(const char* sub) const { return Find(sub, 0); }
    int Find(char ch, int start) const;
    int Find(const char* sub, int start) const;
    int ReverseFind(char ch) const;
    int FindOneOf(const char* set) const;

    // Return the number of replacements / removals.
    int Replace(char oldCh, char newCh);
    int Replace(const char* oldText, const char* newText);
    int Remove(char ch);

    // Return the new length.
    int Insert(int index, char ch);
    int Insert(int index, const char* text);
    int Delete(int index, int count = 1);

    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();

    CString& TrimLeft();
    CString& TrimRight();
    CString& Trim();
    CString& TrimLeft(char ch);
    CString& TrimRight(char ch);
    CString& Trim(char ch);
    CString& TrimLeft(const char* set);
    CString& TrimRight(const char* set);
    CString& Trim(const char* set);

    CString SpanIncluding(const char* set) const;
    CString SpanExcluding(const char* set) const;

    // Byte order; return -1, 0 or 1.
    int Compare(const char* text) const;
    int CompareNoCase(const char* text) const;
    // The whole of both strings, also past a NUL byte that one of them holds.
    int CompareNoCase(const CString& text) const;
    // The byte as CompareNoCase compares it: ASCII letters folded to lower case.
    static char FoldNoCase(char ch)
    {
        return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
    }
    int Collate(const char* text) const { return Compare(text); }

    template <typename... Args> void Format(const char* format, const Args&... args)
    {
        m_str = FormatString(format, args...);
    }

    // The buffer holds at least minLength bytes; ReleaseBuffer sets the length (from the first
    // NUL when newLength is -1).
    char* GetBuffer(int minLength);
    void ReleaseBuffer(int newLength = -1);

    const char* GetString() const { return m_str.c_str(); }
    operator const char*() const { return m_str.c_str(); }
    explicit operator std::string() const { return m_str; }
    const std::string& str() const { return m_str; }

    friend CString operator+(const CString& left, const CString& right);
    friend CString operator+(const CString& left, const char* right);
    friend CString operator+(const char* left, const CString& right);
    friend CString operator+(const CString& left, char right);
    friend CString operator+(char left, const CString& right);

    friend bool operator==(const CString& left, const CString& right);
    friend bool operator==(const CString& left, const char* right);
    friend std::strong_ordering operator<=>(const CString& left, const CString& right);
    friend std::strong_ordering operator<=>(const CString& left, const char* right);

private:
    CString& trimLeftOf(std::string_view set);
    CString& trimRightOf(std::string_view set);

    std::string m_str;
};

template <> struct std::hash<CString>
{
    std::size_t operator()(const CString& text) const noexcept
    {
        return std::hash<std::string>()(text.str());
    }
};
