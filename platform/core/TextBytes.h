#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

// ASCII letters and digits, whatever the locale.
constexpr bool IsAsciiLetter(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
constexpr bool IsAsciiDigit(unsigned char c)
{
    return c >= '0' && c <= '9';
}

// True when the bytes are well-formed UTF-8: no stray continuation byte, no truncated or
// overlong sequence, no surrogate and nothing above U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

// The character at the start of the bytes, decoded as UTF-8, and the number of its bytes; a length
// of 0 when the bytes start with no well-formed sequence.
struct DecodedCharacter
{
    char32_t code = 0;
    std::size_t length = 0;
};
DecodedCharacter FirstCharacter(std::string_view bytes);

// A run of characters, first and last included.
struct CharacterRange
{
    char32_t first;
    char32_t last;
};

// The characters that end a line or turn the text around wherever it is shown: C0, DEL, C1
// (U+0085 among them), U+2028, U+2029 and the bidirectional formats (U+061C, U+200E, U+200F,
// U+202A to U+202E, U+2066 to U+2069), in ascending order.
std::span<const CharacterRange> ControlCharacterRanges();
// True for a character of those ranges.
bool IsControlCharacter(char32_t code);
// True when a well-formed character of the bytes is one of those.
bool HasControlCharacter(std::string_view bytes);

// The bytes for a message: well-formed UTF-8 stays, the bytes of control characters and bytes
// that are not part of a well-formed sequence become \xNN.
std::string PrintableBytes(std::string_view bytes);
