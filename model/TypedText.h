#pragma once

#include "platform/core/CString.h"

#include <functional>

// What a box that adds to a list does with a text typed and not yet taken when the user moves
// on: "The <what> "<text>" has not been added. Add it?" (or "updated. Update it?"), answered
// Yes, No or Cancel. Returns the answer; IDNO without asking when nothing is pending.
int AskAboutTypedText(const char* what, const CString& text, bool update);
// Asks so and runs take on Yes: true when the box may be left (No, or Yes and take answered
// true), false on Cancel.
bool TakeOrDropTypedText(const char* what, const CString& text, bool update,
                         const std::function<bool()>& take);
