#pragma once

#include "platform/core/CString.h"

#include <initializer_list>
#include <utility>

// The texts that the classic pages write into a VBScript string (display names, captions, list
// texts and values, a report's sub-header, a chart's captions), each with what it is ("display
// name"): the message that refuses the first one holding a line break, which no such string can
// hold; empty when none holds one.
CString RefuseLineBreaks(std::initializer_list<std::pair<const char*, CString>> texts);
