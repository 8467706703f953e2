#include "platform/core/UserNames.h"

#include <grp.h>
#include <pwd.h>
#include <string>
#include <vector>

namespace
{
// The name the host's database gives the id (getpwuid_r, getgrgid_r), or the number.
template <class Entry, class Id, class Lookup>
std::string NameOrNumber(Id id, Lookup lookup, char* Entry::*name)
{
    std::vector<char> buffer(4096);
    Entry entry;
    Entry* found = nullptr;
    if (lookup(id, &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr)
        return found->*name;
    return std::to_string(id);
}
} // namespace

std::string UserName(uid_t user)
{
    return NameOrNumber(user, &::getpwuid_r, &passwd::pw_name);
}

std::string GroupName(gid_t group)
{
    return NameOrNumber(group, &::getgrgid_r, &group::gr_name);
}
