#pragma once

#include "platform/core/CString.h"

#include <vector>

class AspFile;
class ClassInvokation;
class Field;
class FieldRep;
class FieldRepData;
class Form;
class FormInterface;
class Table;
class Transaction;

// What the page writers read alike of a page's controls.

// The kind the page writers write a control as: its data's control kind, the kinds that older
// project files hold and the editor no longer offers as the nearest offered one (Multiple Combo
// Box and Editable Text Box as Combo Box, DateTime as Date Control, Month and Year as Text Box,
// Button as Hidden), and the page fields "new_password" and "confirm_password" of the account
// forms as Password; -1 without data.
int GetWrittenControlKind(const FieldRep& control);

// The Update page of a form or master-detail page keeps the control's stored value in a member
// "m_" + field name: Combo Box, Radio Button and Editable Combo Box.
bool HasValueMember(const FieldRep& control);

// The control's data call when it names both a class and a function; else null.
const ClassInvokation* GetUsableDataCall(const FieldRep& control);
// The control's data has both a front field, which it shows, and a back field, which it stores.
bool HasFrontAndBackFields(const FieldRep& control);
// Combo Box and Editable Combo Box.
bool IsComboControlKind(int kind);

// The name of the table's primary key field; empty without a table or key.
CString GetPrimaryKeyName(const Table* table);

// The characters that the field's column holds: the size of a character column, 0 for a column
// of any length or without a field.
int GetTextColumnLength(const Field* field);

// The page's controls in order that its pages show: bound to a field, with data, without the
// skip flag that marks the controls the model made by itself.
std::vector<FieldRep*> GetPlacedControls(FormInterface& page);
// The same of the master-detail page's controls of one of its tables.
std::vector<FieldRep*> GetPlacedControls(Transaction& transaction, Table* table);

// The name of a form's page files and page classes before "Add" or "Update": the form's name
// when it names its pages itself, else its table's name.
CString GetPageBaseName(const Form& form);

// The page's name trimmed, inner blanks made "_", as its page files are named: the stem of the
// files and classes of master-detail, report and RDLC report pages.
CString GetFormNameStem(const FormInterface& page);
// The print page of an RDLC report page, without ".aspx".
CString GetPrintPageName(const FormInterface& rdlcReport);

// The class of a page file's code-behind: its file name without ".aspx".
CString GetPageClassName(const AspFile& file);

// What the names of a detail grid's row inputs start with: with two or more detail tables the
// table's name and "_", so that the rows of two grids post apart; else nothing.
CString GetGridRowPrefix(const Transaction& transaction, const Table& table);

// Some control of the page refills the control through a class recompute of one of its event
// lists.
bool IsRecomputeTarget(FormInterface& page, const FieldRep* control);

// The visibility name of the control's field on the page file; empty when it has none.
CString GetVisibilityText(const AspFile& pageFile, const FieldRep& control);

// One item of a radio button: its display text and the value it stores.
struct RadioItem
{
    CString text;
    CString value;
};

// One item per display text, with the stored value of the same place, both trimmed; a text
// without a stored value, or with an empty one, stores the text itself.
std::vector<RadioItem> GetRadioItems(const FieldRepData& data);
