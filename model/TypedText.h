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
// What an editor asks before it lets go of an item that differs from what was stored: "The
// <kind> "<name>" has not been added. Add it?" for a new item ("The new <kind> has not been
// added. Add it?" while it has no name), "... has not been updated. Update it?" for a stored
// one. Returns the answer, Yes, No or Cancel.
int AskAboutEditedItem(const char* kind, const CString& name, bool isNew);
