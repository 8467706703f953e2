#pragma once

#include "platform/core/CString.h"

class AspFile;
class FieldRep;

// What a page asks of a control's value before a save: its script checks it in the browser, and
// the code-behind reads the posted value through UtilHandler.ReadPosted by the same rule, so that
// the server refuses what the page would, with the same message.

// The check of ValidateData() on the control: none, a text ("Please enter"), a choice of a list
// ("Please select").
enum class ScriptRequirement
{
    none,
    text,
    choice,
};

// The requirement of a control of a form's page (the account forms' own rules included) or of a
// master-detail page's master record, on that page file.
ScriptRequirement MasterRequirement(const AspFile& pageFile, const FieldRep& control);
// The requirement of a control of a detail row.
ScriptRequirement DetailRequirement(const AspFile& pageFile, const FieldRep& control);
// The column type holds a number: the data class passes its value through ToSqlNumber.
bool IsNumberColumnType(int typeCode);
// The bits of the signed whole numbers that an int (32) or bigint (64) column holds; 0 for a
// column of any other type.
int WholeNumberBits(int typeCode);
// The page's post carries the control's value: the field rows of a form or of a master-detail
// page's master part (detailRow false), or the rows of a detail grid, draw an input for it. A
// control that they do not is read as an invisible one: not on the Add page, as stored on the
// Update page.
bool IsPostedByPage(const FieldRep& control, bool detailRow);
// A browser may leave the control out of a post by design: a check box or radio list without a
// choice, a disabled control.
bool MayBeLeftOut(const AspFile& pageFile, const FieldRep& control);
// Left out of an Update's post, the control keeps its stored value: a disabled control, a radio
// list (an unchecked check box is unchecked).
bool KeepsStoredWhenLeftOut(const AspFile& pageFile, const FieldRep& control);

// The C# expression reading the posted value (source, a C# expression) of the control by the
// page's rule; row is the C# expression of a detail row's number, empty for the master.
CString PostedValueRead(const AspFile& pageFile, const FieldRep& control, const CString& source,
                        const CString& row);
