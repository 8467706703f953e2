#pragma once

#include "gen_web/DataClassText.h"
#include "platform/core/CString.h"

#include <functional>
#include <vector>

class AspFile;
class Field;
class FormInterface;
class Procedure;
class ProcedureInvokation;
class TextFile;
class Variable;
struct VariablePair;

// 0 when the page file has no visibility for the field, 3 when its visibility depends on data,
// else its kind (1 read-only, 2 invisible: shown but never posted).
int GetFieldVisibilityCode(const AspFile* file, const Field* field);

// Types whose default values stand between double quotes in VBScript: the character and text
// types. The types quoted in SQL are IsQuotedSqlType's.
bool IsTextSqlType(int typeCode);

// The field has a type quoted in SQL; a null field is not quoted.
bool IsQuotedSqlField(const Field* field);

// A drop-down list or a multiple-choice list.
bool IsListControlKind(int kind);

// The text with its blanks taken out, as in the name of a form.
CString WithoutBlanks(CString text);

// The part a table's or page's name gives the names of its form and script functions ("frm" +
// part, "fn_validate_" + part ...): without its blanks, the characters as in a C# identifier.
CString ScriptNamePart(const CString& name);

// The page variable's name in the page's VBScript.
CString VbsVariableName(const Variable& variable);
// The name a page's script declares the variable under with "var": its VBScript name as
// JavaScript takes it.
CString JsVariableName(const Variable& variable);

// The script function that a click on the top or left menu of the page file calls.
CString MenuClickFunction(const AspFile& file, bool top);

// The check of a variable whose value stands bare in SQL text, the one every such value passes:
// a value that is not a number becomes the refused text; with keepEmpty an empty value stays
// empty (a later line gives it its default), else it is refused too.
void WriteNumberCheck(TextFile& out, int indent, const CString& variable, const CString& refused,
                      bool keepEmpty);

// After a read of a field whose values reach SQL bare (any type not quoted in SQL): a value
// that is not a number becomes 0, or NULL when the field allows null; an empty value stays
// empty.
void WriteNumericGuard(TextFile& out, int indent, const Field* field, const CString& variable);

// The text as the contents of a VBScript string literal in an expression: double quotes doubled,
// and "%>" and "<%", which end or open a server block, split into two literals joined by "&". A
// line break stays, and the page check refuses the page.
CString VbsLiteral(CString text);

// A procedure's name in the VBScript string of a statement that calls it: the name the
// procedure script creates it under, as SQL Server reads it (SqlServerCalledName).
CString ProcedureCallName(const CString& name);

// A stored value of a page variable as VBScript writes it: the expression, and why it cannot be
// written (then the expression is empty). A string literal for a field of a character or text
// type and for a variable without field whose value holds no "("; otherwise the value stands
// bare (trimmed) only where it runs no statement: for a field of a number type a number of that
// type (RefuseNumberOfType); for a DateTime field a name, a call with numbers for arguments
// (Date(), DateSerial(2024, 1, 31)) or a date literal (#1/31/2024#), any other date being a
// string literal; for a variable without field such a call. A field of another type takes no
// value. The refusal names the value and the variable.
struct VbsValue
{
    CString text;
    CString refusal;
};
VbsValue VariableValueText(const Field* field, const CString& variable, const CString& value);

// Adds the refusal to the list unless it is empty or listed already.
void AddRefusal(std::vector<CString>& refusals, const CString& refusal);

// A value that the data of the field is compared with: bare (trimmed) when the field is an int
// and the value a whole number of int, else a string literal.
CString ComparedValueText(const Field* field, const CString& value);

// The expression as a value in an address: URL-encoded, a null value giving "".
CString UrlEncoded(const CString& expression);

// A path as every page writes an address (in a script string, an attribute, a redirect): each
// byte other than an ASCII letter or digit, "-", ".", "_", "~" or "/" as "%" and its two hex
// digits, which the server decodes back to the name of the file.
CString AddressPath(const CString& path);
// The classic address of the page file (GetClassicRelativeUrl) as AddressPath writes it; empty
// without a file.
CString ClassicAddress(const AspFile* file, bool fromSubfolder, bool variant = false);
// The address of the page file by its own class (GetRelativeUrl) as AddressPath writes it.
CString PageAddress(const AspFile* file, bool fromSubfolder, bool variant = false);
// Why a page cannot be written under the file name in the module's folder (none: the writer's
// own folder), empty when it can: each a name a Windows folder holds (RefuseFileName), so that
// no name puts the page into another folder than its module's.
CString RefusePagePath(const CString& moduleName, const CString& fileName);

// The expression written into HTML with its markup characters encoded; a null value gives "".
CString HtmlEncoded(const CString& expression);

// Before a statement that puts the value into SQL text bare: when the value is held in a
// variable, which a request may have filled, its number check (WriteNumberCheck, NULL refused).
void WriteBareValueCheck(TextFile& out, int indent, const CString& value);

// target = "procedure " and the arguments of the call built in a VBScript string: " & value" per
// argument with a caller variable, quoted ones between apostrophes and through
// SingleQuoteToDouble, joined by a comma inside the string; then a line end. Before that line,
// the check of every bare argument (WriteBareValueCheck).
void WriteProcedureCall(TextFile& out, int indent, const CString& target,
                        const ProcedureInvokation& invokation,
                        const std::function<bool(const VariablePair&)>& quoted,
                        const std::function<CString(const VariablePair&)>& value);

// The Show button of a report filter form, which runs set_query().
void WriteShowButtonLine(TextFile& out, int indent);

// The hidden action input, one hidden input carrying the value of each page variable of kind 1
// of the page, then an empty one for each of kind 0, which set_query fills.
void WriteHiddenActionInputs(TextFile& out, int indent, const FormInterface& page);

// The procedure parameter the pair gives a value to has a field of a type quoted in SQL.
bool IsQuotedParameter(const Procedure* procedure, const VariablePair& pair);

// WriteProcedureCall quoted by the procedure's parameter fields, each value as the function
// gives it.
void WriteProcedureCallText(TextFile& out, const ProcedureInvokation& invokation,
                            const CString& target, int indent,
                            const std::function<CString(const VariablePair&)>& value);

// The first two lines of an action page: the script language and the shared include.
void WriteActionPageHeader(TextFile& out);

// After the read of a record key that reaches SQL bare: anything but a number becomes 0, which
// selects and deletes no record.
void WriteKeyGuard(TextFile& out, int indent, const CString& variable);
