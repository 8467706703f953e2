#pragma once

#include <string>
#include <sys/types.h>

// The user's name, or the number where the host has none for it.
std::string UserName(uid_t user);
// The group's name, or the number where the host has none for it.
std::string GroupName(gid_t group);
