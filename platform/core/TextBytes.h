#pragma once

#include <string>
#include <string_view>

// True when the bytes are well-formed UTF-8: no stray continuation byte, no truncated or
// overlong sequence, no surrogate and nothing above U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

// The bytes for a message: well-formed UTF-8 stays, control characters and bytes that are not
// part of a well-formed sequence become \xNN.
std::string PrintableBytes(std::string_view bytes);
