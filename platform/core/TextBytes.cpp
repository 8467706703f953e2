#include "platform/core/TextBytes.h"

#include <cstddef>
#include <cstdio>

namespace
{
// The length of the well-formed sequence at the start of the bytes, 0 when there is none.
std::size_t SequenceLength(std::string_view bytes)
{
    const auto lead = static_cast<unsigned char>(bytes[0]);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
    {
        length = 3;
        // No overlong forms and no surrogates.
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    }
    else if (lead >= 0xF0 && lead <= 0xF4)
    {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    }
    if (length == 0 || bytes.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i)
    {
        const auto next = static_cast<unsigned char>(bytes[i]);
        if (next < (i == 1 ? low : 0x80) || next > (i == 1 ? high : 0xBF))
            return 0;
    }
    return length;
}
} // namespace

bool IsValidUtf8(std::string_view bytes)
{
    while (!bytes.empty())
    {
        const std::size_t length = SequenceLength(bytes);
        if (length == 0)
            return false;
        bytes.remove_prefix(length);
    }
    return true;
}

std::string PrintableBytes(std::string_view bytes)
{
    std::string text;
    while (!bytes.empty())
    {
        const std::size_t length = SequenceLength(bytes);
        const auto lead = static_cast<unsigned char>(bytes[0]);
        if (length == 0 || lead < 0x20 || lead == 0x7F)
        {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", lead);
            text += escaped;
            bytes.remove_prefix(1);
            continue;
        }
        text.append(bytes.substr(0, length));
        bytes.remove_prefix(length);
    }
    return text;
}
