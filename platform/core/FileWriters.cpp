#include "platform/core/FileWriters.h"

#include <string>
#include <vector>

namespace
{
std::vector<FileWriterKind>& Writers()
{
    static std::vector<FileWriterKind> writers;
    return writers;
}
} // namespace

FileWriterRegistration::FileWriterRegistration(const char* name, unsigned rules)
{
    Writers().push_back({name, rules});
}

const std::vector<FileWriterKind>& RegisteredFileWriters()
{
    return Writers();
}
