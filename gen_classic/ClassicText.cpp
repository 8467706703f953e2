#include "gen_classic/ClassicText.h"

#include "database/SqlText.h"
#include "entities/AspFile.h"
#include "entities/FormInterface.h"
#include "entities/Procedure.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/FieldRepData.h"
#include "model/FieldVisibility.h"
#include "model/Identifiers.h"
#include "model/NameUtilities.h"
#include "model/ProjectNameCheck.h"
#include "model/TextFile.h"
#include "platform/core/TextBytes.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

int GetFieldVisibilityCode(const AspFile* file, const Field* field)
{
    const FieldVisibility* visibility =
        file != nullptr ? file->FindFieldVisibility(field) : nullptr;
    if (visibility == nullptr)
        return FieldVisibility::Editable;
    if (visibility->GetVisibilityData() != nullptr)
        return FieldVisibility::DependsOnData;
    return visibility->GetVisibilityKind();
}

// The national character types are text too: a bare value would reach SQL unquoted.
bool IsTextSqlType(int typeCode)
{
    return typeCode == FieldTypeChar || typeCode == FieldTypeVarchar || typeCode == FieldTypeText ||
           typeCode == FieldTypeNChar || typeCode == FieldTypeNVarchar ||
           typeCode == FieldTypeNText;
}

bool IsQuotedSqlField(const Field* field)
{
    return field != nullptr && IsQuotedSqlType(field->GetTypeCode());
}

bool IsListControlKind(int kind)
{
    return kind == FieldRepData::ComboBox || kind == FieldRepData::MultipleComboBox;
}

CString WithoutBlanks(CString text)
{
    text.Remove(' ');
    return text;
}

void WriteNumberCheck(TextFile& out, int indent, const CString& variable, const CString& refused,
                      bool keepEmpty)
{
    // isNumeric takes "1,2", which would be two values in a list of SQL.
    const CString number = "(isNumeric(" + variable + ") and InStr(" + variable + ", \",\") = 0)";
    if (keepEmpty)
        out.Write(indent, "if %s <> \"\" and not %s then %s = %s\n", variable, number, variable,
                  refused);
    else
        out.Write(indent, "if not %s then %s = %s\n", number, variable, refused);
}

CString ScriptNamePart(const CString& name)
{
    return CSharpIdentifierPart(WithoutBlanks(name));
}

CString VbsVariableName(const Variable& variable)
{
    return VBScriptIdentifier(variable.GetFieldName());
}

CString JsVariableName(const Variable& variable)
{
    return JavaScriptIdentifier(VbsVariableName(variable));
}

CString MenuClickFunction(const AspFile& file, bool top)
{
    CString name = file.GetClassicFileName(FALSE);
    name.Replace(".asp", top ? "_Top_MenuOnClick" : "_Left_MenuOnClick");
    return JavaScriptIdentifier(name);
}

void WriteNumericGuard(TextFile& out, int indent, const Field* field, const CString& variable)
{
    if (field == nullptr || IsQuotedSqlField(field))
        return;
    WriteNumberCheck(out, indent, variable, field->IsAllowNull() ? "\"NULL\"" : "0",
                     /*keepEmpty=*/true);
}

CString VbsLiteral(CString text)
{
    text.Replace("\"", "\"\"");
    text.Replace("%>", "%\" & \">");
    text.Replace("<%", "<\" & \"%");
    return text;
}

CString ProcedureCallName(const CString& name)
{
    return VbsLiteral(SqlServerCalledName(SqlProcedureName(name)));
}

namespace
{
bool IsNameCharacter(char c)
{
    return IsAsciiLetter(c) || IsAsciiDigit(c) || c == '_';
}

// A VBScript name, as a variable's.
bool IsName(std::string_view text)
{
    return !text.empty() && IsAsciiLetter(text.front()) &&
           std::ranges::all_of(text, IsNameCharacter);
}

// Numbers (digits with a sign and a fraction) apart by commas, blanks around them; or nothing.
bool IsNumberList(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    if (text.empty())
        return true;
    for (;;)
    {
        std::size_t at = 0;
        if (text[at] == '+' || text[at] == '-')
            ++at;
        int digits = 0;
        int points = 0;
        for (; at < text.size() && (IsAsciiDigit(text[at]) || text[at] == '.'); ++at)
            (text[at] == '.' ? points : digits) += 1;
        if (digits == 0 || points > 1)
            return false;
        while (at < text.size() && blank(text[at]))
            ++at;
        if (at == text.size())
            return true;
        if (text[at] != ',')
            return false;
        text.remove_prefix(at + 1);
        while (!text.empty() && blank(text.front()))
            text.remove_prefix(1);
        if (text.empty())
            return false;
    }
}

// A name, as Now, or a call of one with numbers for arguments, as Date() or Round(2.5, 0):
// nothing that runs a statement or reads a text.
bool IsNameOrCall(std::string_view text)
{
    const std::size_t open = text.find('(');
    if (open != std::string_view::npos)
    {
        if (!text.ends_with(')') || !IsNumberList(text.substr(open + 1, text.size() - open - 2)))
            return false;
        text = text.substr(0, open);
    }
    return IsName(text);
}

// A date literal, as #1/31/2024 10:15 AM#.
bool IsDateLiteral(std::string_view text)
{
    return text.size() > 2 && text.front() == '#' && text.back() == '#' &&
           std::ranges::all_of(text.substr(1, text.size() - 2),
                               [](char c)
                               {
                                   return IsAsciiLetter(c) || IsAsciiDigit(c) ||
                                          std::string_view(" /:.,-").find(c) !=
                                              std::string_view::npos;
                               });
}

CString StringLiteral(const CString& text)
{
    return "\"" + VbsLiteral(text) + "\"";
}
} // namespace

VbsValue VariableValueText(const Field* field, const CString& variable, const CString& value)
{
    CString trimmed = value;
    trimmed.Trim();
    const std::string_view text = trimmed.str();
    CString refusal;
    if (field == nullptr)
    {
        if (value.Find('(') < 0)
            return {StringLiteral(value), ""};
        if (IsNameOrCall(text))
            return {trimmed, ""};
        refusal =
            "a value with \"(\" is written only as a call with numbers for arguments, as Date() or "
            "Round(2.5, 0)";
    }
    else if (IsTextSqlType(field->GetTypeCode()))
        return {StringLiteral(value), ""};
    else if (field->GetTypeCode() == FieldTypeDateTime)
        // A date that is no expression is kept as the text it is.
        return {IsNameOrCall(text) || IsDateLiteral(text) ? trimmed : StringLiteral(value), ""};
    else if (IsBareSqlNumberType(field->GetTypeCode()))
        refusal = RefuseNumberOfType(field->GetTypeCode(), trimmed);
    else
        refusal = "a field of this type takes no default value";
    if (refusal.IsEmpty())
        return {trimmed, ""};
    return {"", "the default value " + QuotedName(value) + " of variable " + QuotedName(variable) +
                    " is not written: " + refusal + "; correct it in Manage Variables"};
}

void AddRefusal(std::vector<CString>& refusals, const CString& refusal)
{
    if (!refusal.IsEmpty() && std::ranges::find(refusals, refusal) == refusals.end())
        refusals.push_back(refusal);
}

CString ComparedValueText(const Field* field, const CString& value)
{
    CString trimmed = value;
    trimmed.Trim();
    if (field != nullptr && field->GetTypeCode() == FieldTypeInt &&
        RefuseNumberOfType(FieldTypeInt, trimmed).IsEmpty())
        return trimmed;
    return StringLiteral(value);
}

CString UrlEncoded(const CString& expression)
{
    return "Server.URLEncode(" + expression + " & \"\")";
}

CString AddressPath(const CString& path)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string address;
    for (const char c : path.str())
    {
        const auto byte = static_cast<unsigned char>(c);
        if (IsAsciiLetter(byte) || IsAsciiDigit(byte) ||
            std::string_view("-._~/").find(c) != std::string_view::npos)
            address += c;
        else
            address.append({'%', hex[byte >> 4], hex[byte & 15]});
    }
    return CString(address.c_str());
}

CString ClassicAddress(const AspFile* file, bool fromSubfolder, bool variant)
{
    return file != nullptr ? AddressPath(file->GetClassicRelativeUrl(fromSubfolder, variant))
                           : CString();
}

CString PageAddress(const AspFile* file, bool fromSubfolder, bool variant)
{
    return file != nullptr ? AddressPath(file->GetRelativeUrl(fromSubfolder, variant)) : CString();
}

CString RefusePagePath(const CString& moduleName, const CString& fileName)
{
    if (const CString reason = moduleName.IsEmpty() ? CString() : RefuseFileName(moduleName);
        !reason.IsEmpty())
        return "the module name " + QuotedName(moduleName) + " cannot be a folder: " + reason;
    if (const CString reason = RefuseFileName(fileName); !reason.IsEmpty())
        return "the file name " + QuotedName(fileName) + " cannot be a file: " + reason;
    return "";
}

CString HtmlEncoded(const CString& expression)
{
    return "Server.HTMLEncode(" + expression + " & \"\")";
}

void WriteBareValueCheck(TextFile& out, int indent, const CString& value)
{
    if (IsName(value.str()))
        WriteNumberCheck(out, indent, value, "\"NULL\"", /*keepEmpty=*/true);
}

void WriteProcedureCall(TextFile& out, int indent, const CString& target,
                        const ProcedureInvokation& invokation,
                        const std::function<bool(const VariablePair&)>& quoted,
                        const std::function<CString(const VariablePair&)>& value)
{
    struct Argument
    {
        CString value;
        bool quoted;
    };
    std::vector<Argument> arguments;
    for (const VariablePair* pair : invokation.GetVariablePairs())
    {
        if (pair != nullptr && pair->second != nullptr)
            arguments.push_back({value(*pair), quoted(*pair)});
    }
    for (const Argument& argument : arguments)
    {
        if (!argument.quoted)
            WriteBareValueCheck(out, indent, argument.value);
    }
    const Procedure* procedure = invokation.GetProcedure();
    out.Write(indent, "%s = \"%s \"", target,
              ProcedureCallName(procedure != nullptr ? procedure->GetName() : CString()));
    for (std::size_t i = 0; i < arguments.size(); ++i)
    {
        const bool quote = arguments[i].quoted;
        if (quote)
            out.Write(0, " & \"'\" & SingleQuoteToDouble(%s)", arguments[i].value);
        else
            out.Write(0, " & %s", arguments[i].value);
        if (i + 1 < arguments.size())
            out.Write(0, " & %s", quote ? "\"',\"" : "\",\"");
        else if (quote)
            out.Write(0, " & \"'\"");
    }
    out.Write(0, "\n");
}

bool IsQuotedParameter(const Procedure* procedure, const VariablePair& pair)
{
    FieldVariableMap parameter;
    return procedure != nullptr && procedure->FindFieldParameterByVariable(parameter, pair.first) &&
           parameter.field != nullptr && IsQuotedSqlType(parameter.field->GetTypeCode());
}

void WriteProcedureCallText(TextFile& out, const ProcedureInvokation& invokation,
                            const CString& target, int indent,
                            const std::function<CString(const VariablePair&)>& value)
{
    const Procedure* procedure = invokation.GetProcedure();
    WriteProcedureCall(
        out, indent, target, invokation,
        [procedure](const VariablePair& pair) { return IsQuotedParameter(procedure, pair); },
        value);
}

void WriteActionPageHeader(TextFile& out)
{
    out.Write(0, "<%%@ LANGUAGE = \"VBScript\" %%>\n");
    out.Write(0, "<!-- #include file = \"../_system/includes/functions.asp\"-->\n\n");
}

void WriteKeyGuard(TextFile& out, int indent, const CString& variable)
{
    WriteNumberCheck(out, indent, variable, "0", /*keepEmpty=*/false);
}

void WriteShowButtonLine(TextFile& out, int indent)
{
    out.Write(indent, "<INPUT type = \"button\" class = \"button\" name = \"cmdshow\" value = "
                      "\"Show\" Onclick = \"set_query();\" >\n");
}

void WriteHiddenActionInputs(TextFile& out, int indent, const FormInterface& page)
{
    out.Write(indent, "<INPUT type=hidden name=hiddenActionControl>\n");
    for (const FieldVariableMap* map : page.GetFieldVariableMaps())
        if (map->variable != nullptr && map->variable->GetKind() == Variable::pageKind)
            out.Write(indent, "<INPUT type = \"hidden\" name = %s value = \"<%%=%s%%>\">\n",
                      VbsVariableName(*map->variable), VbsVariableName(*map->variable));
    for (const FieldVariableMap* map : page.GetFieldVariableMaps())
        if (map->variable != nullptr && map->variable->GetKind() == Variable::parameterKind)
            out.Write(indent, "<INPUT type = \"hidden\" name = %s >\n",
                      VbsVariableName(*map->variable));
}
