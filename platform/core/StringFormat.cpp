#include "platform/core/StringFormat.h"

#include "platform/core/CString.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>

FormatArg::FormatArg(const char* text) : m_kind(Kind::String)
{
    m_string = {text, text != nullptr ? std::strlen(text) : 0};
}

FormatArg::FormatArg(const CString& text) : FormatArg(std::string_view(text.str())) {}

FormatArg::FormatArg(const std::string& text) : FormatArg(std::string_view(text)) {}

FormatArg::FormatArg(std::string_view text) : m_kind(Kind::String)
{
    m_string = {text.data(), text.size()};
}

namespace
{
const char* kindName(FormatArg::Kind kind)
{
    switch (kind)
    {
    case FormatArg::Kind::SignedInteger:
        return "a signed integer";
    case FormatArg::Kind::UnsignedInteger:
        return "an unsigned integer";
    case FormatArg::Kind::Floating:
        return "a floating-point number";
    case FormatArg::Kind::String:
        return "a string";
    case FormatArg::Kind::Pointer:
        return "a pointer";
    }
    return "of an unknown kind";
}

bool isIntegral(FormatArg::Kind kind)
{
    return kind == FormatArg::Kind::SignedInteger || kind == FormatArg::Kind::UnsignedInteger;
}

// The integer's bits, whatever its signedness.
unsigned long long rawBits(const FormatArg& arg)
{
    return arg.kind() == FormatArg::Kind::SignedInteger
               ? static_cast<unsigned long long>(arg.signedValue())
               : arg.unsignedValue();
}

long long asSigned(unsigned long long raw, int bits)
{
    switch (bits)
    {
    case 8:
        return static_cast<std::int8_t>(raw);
    case 16:
        return static_cast<std::int16_t>(raw);
    case 32:
        return static_cast<std::int32_t>(raw);
    }
    return static_cast<long long>(raw);
}

unsigned long long asUnsigned(unsigned long long raw, int bits)
{
    return bits == 64 ? raw : raw & ((1ULL << bits) - 1);
}

// snprintf into a string of the exact length needed.
template <typename T> std::string printed(const std::string& spec, T value)
{
    const int length = std::snprintf(nullptr, 0, spec.c_str(), value);
    if (length < 0)
    {
        throw FormatError("cannot format \"" + spec + "\"");
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), spec.c_str(), value);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

// Walks the format and the arguments together; errors name the conversion's offset and the
// argument's number.
class Formatter
{
public:
    Formatter(const char* format, std::span<const FormatArg> args) : m_format(format), m_args(args)
    {
    }

    std::string run()
    {
        const char* p = m_format;
        while (*p != '\0')
        {
            const char* percent = std::strchr(p, '%');
            if (percent == nullptr)
            {
                m_out.append(p);
                break;
            }
            m_out.append(p, percent);
            p = conversion(percent);
        }
        return std::move(m_out);
    }

private:
    // Parses and writes the conversion starting at percent; returns the position after it.
    const char* conversion(const char* percent)
    {
        m_start = percent;
        const char* p = percent + 1;
        if (*p == '%')
        {
            m_out += '%';
            return p + 1;
        }
        m_flags.clear();
        while (*p != '\0' && std::strchr("-+ #0", *p) != nullptr)
        {
            m_flags += *p++;
        }
        m_width = -1;
        if (*p == '*')
        {
            m_width = takeInt("width");
            ++p;
            if (m_width < 0)
            {
                m_flags += '-';
                m_width = -m_width;
            }
        }
        else if (std::isdigit(static_cast<unsigned char>(*p)))
        {
            m_width = number(p);
        }
        m_precision = -1;
        if (*p == '.')
        {
            ++p;
            if (*p == '*')
            {
                m_precision = std::max(takeInt("precision"), -1LL);
                ++p;
            }
            else
            {
                m_precision = number(p);
            }
        }
        const int bits = lengthBits(p);
        const char type = *p;
        if (type == '\0')
        {
            failAt("the conversion is incomplete");
        }
        write(type, bits);
        return p + 1;
    }

    // Bits an integer conversion prints: 0 for the argument's own width (at least int's).
    static int lengthBits(const char*& p)
    {
        if (p[0] == 'h')
        {
            const bool twice = p[1] == 'h';
            p += twice ? 2 : 1;
            return twice ? 8 : 16;
        }
        if (p[0] == 'l')
        {
            const bool twice = p[1] == 'l';
            p += twice ? 2 : 1;
            return twice ? 64 : 0;
        }
        if (std::strncmp(p, "I64", 3) == 0)
        {
            p += 3;
            return 64;
        }
        return 0;
    }

    void write(char type, int bits)
    {
        switch (type)
        {
        case 'd':
        case 'i':
        case 'u':
        case 'o':
        case 'x':
        case 'X':
            writeInteger(type, bits);
            return;
        case 'c':
        {
            const char ch = static_cast<char>(rawBits(takeOf(type, isIntegral, "an integer")));
            writePadded(std::string_view(&ch, 1));
            return;
        }
        case 'e':
        case 'E':
        case 'f':
        case 'g':
        case 'G':
        {
            const FormatArg& arg = takeOf(
                type, [](FormatArg::Kind kind) { return kind == FormatArg::Kind::Floating; },
                "a floating value");
            m_out += printed(spec(type, ""), arg.floatingValue());
            return;
        }
        case 's':
        {
            std::string_view text =
                takeOf(
                    type, [](FormatArg::Kind kind) { return kind == FormatArg::Kind::String; },
                    "a string")
                    .stringValue();
            // A precision of -1 (none) becomes npos: the whole string.
            writePadded(text.substr(0, static_cast<std::size_t>(m_precision)));
            return;
        }
        case 'p':
        {
            const FormatArg& arg = takeOf(
                type, [](FormatArg::Kind kind) { return kind == FormatArg::Kind::Pointer; },
                "a pointer");
            writePadded(printed("%p", arg.pointerValue()));
            return;
        }
        }
        failAt(std::string("unknown conversion '") + type + "'");
    }

    void writeInteger(char type, int bits)
    {
        const FormatArg& arg = takeOf(type, isIntegral, "an integer");
        if (bits == 0)
        {
            bits = arg.isWide() ? 64 : 32;
        }
        const unsigned long long raw = rawBits(arg);
        if (type == 'd' || type == 'i')
        {
            m_out += printed(spec(type, "ll"), asSigned(raw, bits));
        }
        else
        {
            m_out += printed(spec(type, "ll"), asUnsigned(raw, bits));
        }
    }

    // Writes text aligned in the field width; only the '-' flag applies.
    void writePadded(std::string_view text)
    {
        const std::size_t width = m_width > 0 ? static_cast<std::size_t>(m_width) : 0;
        const std::size_t pad = width > text.size() ? width - text.size() : 0;
        const bool left = m_flags.find('-') != std::string::npos;
        if (!left)
        {
            m_out.append(pad, ' ');
        }
        m_out.append(text);
        if (left)
        {
            m_out.append(pad, ' ');
        }
    }

    // The snprintf spec of the current conversion with the given length modifier.
    std::string spec(char type, const char* length) const
    {
        std::string text = "%" + m_flags;
        if (m_width >= 0)
        {
            text += std::to_string(m_width);
        }
        if (m_precision >= 0)
        {
            text += "." + std::to_string(m_precision);
        }
        return text + length + type;
    }

    long long number(const char*& p) const
    {
        long long value = 0;
        while (std::isdigit(static_cast<unsigned char>(*p)))
        {
            value = value * 10 + (*p++ - '0');
            if (value > INT_MAX)
            {
                failAt("the width or precision is too large");
            }
        }
        return value;
    }

    long long takeInt(const char* role)
    {
        const FormatArg& arg = take(role);
        if (!isIntegral(arg.kind()))
        {
            failAt(argumentName() + " is " + kindName(arg.kind()) + ", the " + role +
                   " * needs an int");
        }
        const long long value = asSigned(rawBits(arg), 64);
        if (value < INT_MIN || value > INT_MAX ||
            (arg.kind() == FormatArg::Kind::UnsignedInteger && value < 0))
        {
            failAt(argumentName() + " is out of range for the " + role);
        }
        return value;
    }

    const FormatArg& takeOf(char type, bool (*accepts)(FormatArg::Kind), const char* expected)
    {
        const FormatArg& arg = take("value");
        if (!accepts(arg.kind()))
        {
            failAt(argumentName() + " is " + kindName(arg.kind()) + ", %" + type + " needs " +
                   expected);
        }
        return arg;
    }

    const FormatArg& take(const char* role)
    {
        if (m_next >= m_args.size())
        {
            ++m_next;
            failAt(argumentName() + " (" + role + ") is missing");
        }
        return m_args[m_next++];
    }

    // The argument taken last, numbered from 1.
    std::string argumentName() const { return "argument " + std::to_string(m_next); }

    [[noreturn]] void failAt(const std::string& reason) const
    {
        fail("conversion at offset " + std::to_string(m_start - m_format) + ": " + reason);
    }

    [[noreturn]] void fail(const std::string& reason) const
    {
        throw FormatError("format \"" + std::string(m_format) + "\": " + reason);
    }

    const char* m_format;
    std::span<const FormatArg> m_args;
    std::size_t m_next = 0;
    std::string m_out;

    const char* m_start = nullptr;
    std::string m_flags;
    long long m_width = -1;
    long long m_precision = -1;
};

} // namespace

std::string FormatPrintf(const char* format, std::span<const FormatArg> args)
{
    if (format == nullptr)
    {
        throw FormatError("null format");
    }
    return Formatter(format, args).run();
}
