#pragma once

#include "platform/core/CString.h"
#include "platform/core/Types.h"

class FieldRep;

// Texts and questions the report and dashboard designers share.

inline constexpr const char* duplicateReportName = "A report with this name already exists.";

// Asks with Yes and No buttons (and the icon); true for Yes.
bool AskYesNo(const char* question, UINT icon = 0);
// The name of the control's field; empty without a control or field.
CString ControlFieldName(const FieldRep* control);
// The name a filter shows: its field's name, else its caption.
CString FilterName(const FieldRep& filter);
