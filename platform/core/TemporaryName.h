#pragma once

#include <optional>
#include <string>

// The names of the temporary files that replace a file: "<name>.weavo-<pid>-<n>" beside it, the
// name cut short where the whole would pass the longest name a folder takes (its start and "~"
// with a hash of the whole), so that a file of any name can be replaced.
std::string TemporaryNameFor(const std::string& name, unsigned number);
// The name followed by the suffix, the name cut short as a temporary's where the whole would
// pass the longest name a folder takes: the names of files kept beside a file of any name.
std::string NameWithSuffix(const std::string& name, const std::string& suffix);

// A folder entry read as such a temporary name.
struct TemporaryName
{
    // The name replaced, or its start and hash where it was cut.
    std::string stem;
    // "<pid>-<n>", which tells it from the others.
    std::string tag;

    // The file of this name (without the folder) is the one it replaces.
    bool Replaces(const std::string& name) const;
};

// Nothing when the entry is no temporary name.
std::optional<TemporaryName> ReadTemporaryName(const std::string& entry);
