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

DecodedCharacter FirstCharacter(std::string_view bytes)
{
    const std::size_t length = bytes.empty() ? 0 : SequenceLength(bytes);
    if (length == 0)
        return {};
    const auto lead = static_cast<unsigned char>(bytes[0]);
    // The lead byte keeps 7, 5, 4 or 3 bits by the length; each next byte 6.
    constexpr unsigned char leadBits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t code = lead & leadBits[length];
    for (std::size_t i = 1; i < length; ++i)
        code = (code << 6) | (static_cast<unsigned char>(bytes[i]) & 0x3F);
    return {code, length};
}

std::span<const CharacterRange> ControlCharacterRanges()
{
    static constexpr CharacterRange ranges[] = {
        {0x0000, 0x001F}, {0x007F, 0x009F}, {0x061C, 0x061C},
        {0x200E, 0x200F}, {0x2028, 0x202E}, {0x2066, 0x2069},
    };
    return ranges;
}

bool IsControlCharacter(char32_t code)
{
    // The runs ascend: the first that does not end below the character decides.
    for (const CharacterRange& range : ControlCharacterRanges())
        if (code <= range.last)
            return code >= range.first;
    return false;
}

bool HasControlCharacter(std::string_view bytes)
{
    while (!bytes.empty())
    {
        // ASCII, the most of every name, without decoding.
        if (const auto c = static_cast<unsigned char>(bytes.front()); c < 0x80)
        {
            if (c < 0x20 || c == 0x7F)
                return true;
            bytes.remove_prefix(1);
            continue;
        }
        const DecodedCharacter character = FirstCharacter(bytes);
        if (character.length != 0 && IsControlCharacter(character.code))
            return true;
        bytes.remove_prefix(character.length != 0 ? character.length : 1);
    }
    return false;
}

bool IsValidUtf8(std::string_view bytes)
{
    while (!bytes.empty())
    {
        if (static_cast<unsigned char>(bytes.front()) < 0x80)
        {
            bytes.remove_prefix(1);
            continue;
        }
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
        const DecodedCharacter character = FirstCharacter(bytes);
        const std::size_t length = character.length != 0 ? character.length : 1;
        if (character.length == 0 || IsControlCharacter(character.code))
        {
            for (const char byte : bytes.substr(0, length))
            {
                char escaped[5];
                std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(byte));
                text += escaped;
            }
        }
        else
            text.append(bytes.substr(0, length));
        bytes.remove_prefix(length);
    }
    return text;
}
