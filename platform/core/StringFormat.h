#pragma once

#include <array>
#include <concepts>
#include <cstddef>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>

class CString;

template <typename T>
concept Enumeration = std::is_enum_v<T>;

// A format call that does not match its arguments: a programming error.
class FormatError : public std::logic_error
{
public:
    using std::logic_error::logic_error;
};

// One argument of a printf-style call. Strings are held as views: an argument lives only as long
// as the call it is passed to.
class FormatArg
{
public:
    enum class Kind
    {
        SignedInteger,
        UnsignedInteger,
        Floating,
        String,
        Pointer,
    };

    template <std::integral T> FormatArg(T value) : m_wide(sizeof(T) > sizeof(int))
    {
        if constexpr (std::is_signed_v<T>)
        {
            m_kind = Kind::SignedInteger;
            m_signed = value;
        }
        else
        {
            m_kind = Kind::UnsignedInteger;
            m_unsigned = value;
        }
    }

    template <Enumeration T>
    FormatArg(T value) : FormatArg(static_cast<std::underlying_type_t<T>>(value))
    {
    }

    template <std::floating_point T> FormatArg(T value) : m_kind(Kind::Floating), m_floating(value)
    {
    }

    FormatArg(const char* text);
    FormatArg(const CString& text);
    FormatArg(const std::string& text);
    FormatArg(std::string_view text);
    FormatArg(const void* pointer) : m_kind(Kind::Pointer), m_pointer(pointer) {}

    Kind kind() const { return m_kind; }
    long long signedValue() const { return m_signed; }
    unsigned long long unsignedValue() const { return m_unsigned; }
    double floatingValue() const { return m_floating; }
    // Empty for a null string.
    std::string_view stringValue() const { return {m_string.data, m_string.size}; }
    const void* pointerValue() const { return m_pointer; }
    // An integer wider than int, printed in full without a length modifier.
    bool isWide() const { return m_wide; }

private:
    struct StringView
    {
        const char* data;
        std::size_t size;
    };

    Kind m_kind;
    bool m_wide = false;
    union
    {
        long long m_signed;
        unsigned long long m_unsigned;
        double m_floating;
        StringView m_string;
        const void* m_pointer;
    };
};

// printf formatting with type checking: conversions d i u o x X c e E f g G s p and %%, flags
// "-+ #0", width and precision (either may be *), length modifiers h hh l ll I64. Without a
// modifier, or with l, an integer prints at its own width (at least int's).
// Arguments the format does not use are ignored, as printf ignores them. Throws FormatError on a
// missing or mismatched argument or an unknown conversion.
std::string FormatPrintf(const char* format, std::span<const FormatArg> args);

template <typename... Args> std::string FormatString(const char* format, const Args&... args)
{
    const std::array<FormatArg, sizeof...(Args)> list{FormatArg(args)...};
    return FormatPrintf(format, list);
}
