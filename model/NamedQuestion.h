#pragma once

#include "platform/core/CString.h"

// A question about what a command deletes or removes, naming it: "Do you really want to delete
// field?" about "city" reads "Do you really want to delete field "city"?". Without a name the
// question stays as it is.
CString NamedQuestion(const char* question, const CString& name);
