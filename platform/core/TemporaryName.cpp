#include "platform/core/TemporaryName.h"

#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <unistd.h>

namespace
{
constexpr const char* infix = ".weavo-";
constexpr std::size_t infixLength = 7;
// The longest name of one entry on the usual file systems.
constexpr std::size_t longestName = NAME_MAX;

bool IsDigits(const std::string& text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

bool IsContinuationByte(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The name, or where it is too long for the suffix, its start (cut at a character's start) and
// "~" with a hash of the whole name, which tells names of the same start apart.
std::string CutName(const std::string& name, std::size_t suffixLength)
{
    if (name.size() + suffixLength <= longestName)
        return name;
    std::uint32_t hash = 2166136261u;
    for (const char byte : name)
        hash = (hash ^ static_cast<unsigned char>(byte)) * 16777619u;
    char mark[10];
    std::snprintf(mark, sizeof mark, "~%08x", hash);
    std::size_t cut = longestName - suffixLength - (sizeof mark - 1);
    while (cut > 0 && IsContinuationByte(name[cut]))
        --cut;
    return name.substr(0, cut) + mark;
}
} // namespace

std::string TemporaryNameFor(const std::string& name, unsigned number)
{
    return NameWithSuffix(name, infix + std::to_string(::getpid()) + "-" + std::to_string(number));
}

std::string NameWithSuffix(const std::string& name, const std::string& suffix)
{
    return CutName(name, suffix.size()) + suffix;
}

bool TemporaryName::Replaces(const std::string& name) const
{
    return CutName(name, infixLength + tag.size()) == stem;
}

std::optional<TemporaryName> ReadTemporaryName(const std::string& entry)
{
    const std::size_t at = entry.rfind(infix);
    if (at == std::string::npos || at == 0)
        return std::nullopt;
    std::string tag = entry.substr(at + infixLength);
    const std::size_t dash = tag.find('-');
    if (dash == std::string::npos || !IsDigits(tag.substr(0, dash)) ||
        !IsDigits(tag.substr(dash + 1)) || dash > 9)
        return std::nullopt;
    return TemporaryName{entry.substr(0, at), std::move(tag)};
}
