#include "platform/core/ExtendedAttributes.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <sys/types.h>
#include <sys/xattr.h>
#include <vector>

namespace
{
// The bytes a call fills, asked for their size first; nothing with errno set when it fails.
template <class Call> bool ReadSized(Call call, std::vector<char>& bytes)
{
    for (int attempt = 0; attempt < 3; ++attempt)
    {
        const ssize_t size = call(nullptr, 0);
        if (size < 0)
            return false;
        bytes.resize(static_cast<std::size_t>(size));
        const ssize_t read = call(bytes.data(), bytes.size());
        if (read >= 0)
        {
            bytes.resize(static_cast<std::size_t>(read));
            return true;
        }
        if (errno != ERANGE)
            return false;
    }
    return false;
}

// Copies the attributes that list and get read to the open file.
template <class List, class Get> std::vector<std::string> CopyAttributes(List list, Get get, int to)
{
    std::vector<std::string> lost;
    std::vector<char> names;
    if (!ReadSized(list, names))
    {
        if (errno != ENOTSUP && errno != ENOENT)
            lost.push_back(std::string("the list of attributes (") + std::strerror(errno) + ")");
        return lost;
    }
    for (std::size_t at = 0; at < names.size();)
    {
        const std::string name(names.data() + at);
        at += name.size() + 1;
        if (name.empty())
            continue;
        std::vector<char> value;
        const bool copied = ReadSized([&get, &name](char* buffer, std::size_t size)
                                      { return get(name.c_str(), buffer, size); },
                                      value) &&
                            ::fsetxattr(to, name.c_str(), value.data(), value.size(), 0) == 0;
        if (!copied)
            lost.push_back(name + " (" + std::strerror(errno) + ")");
    }
    return lost;
}
} // namespace

std::vector<std::string> CopyExtendedAttributes(const std::string& fromHostPath, int to)
{
    const char* path = fromHostPath.c_str();
    return CopyAttributes([path](char* buffer, std::size_t size)
                          { return ::llistxattr(path, buffer, size); },
                          [path](const char* name, char* buffer, std::size_t size)
                          { return ::lgetxattr(path, name, buffer, size); },
                          to);
}

std::vector<std::string> CopyExtendedAttributes(int from, int to)
{
    return CopyAttributes([from](char* buffer, std::size_t size)
                          { return ::flistxattr(from, buffer, size); },
                          [from](const char* name, char* buffer, std::size_t size)
                          { return ::fgetxattr(from, name, buffer, size); },
                          to);
}
