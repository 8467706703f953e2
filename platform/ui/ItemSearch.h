#pragma once

#include <QString>

#include <functional>

// The index of the first of count items after start (-1: from the first), wrapping around, whose
// text begins with text (equals it when exact), ignoring case; -1 when none does.
int FindItemText(int count, const std::function<QString(int)>& textAt, int start,
                 const QString& text, bool exact);
