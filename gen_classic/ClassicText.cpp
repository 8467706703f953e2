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
#include "model/TextFile.h"

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

namespace
{
bool IsNumericSqlType(int typeCode)
{
    return typeCode == FieldTypeInt || typeCode == FieldTypeFloat || typeCode == FieldTypeDecimal ||
           typeCode == FieldTypeMoney || typeCode == FieldTypeBigInt;
}
} // namespace

void WriteNumericGuard(TextFile& out, int indent, const Field* field, const CString& variable)
{
    if (field == nullptr || !IsNumericSqlType(field->GetTypeCode()))
        return;
    out.Write(indent, "if %s <> \"\" and not isNumeric(%s) then %s = %s\n", variable, variable,
              variable, field->IsAllowNull() ? "\"NULL\"" : "0");
}

CString VbsLiteral(CString text)
{
    text.Replace("\"", "\"\"");
    text.Replace("%>", "%\" & \">");
    text.Replace("<%", "<\" & \"%");
    return text;
}

CString HtmlEncoded(const CString& expression)
{
    return "Server.HTMLEncode(" + expression + " & \"\")";
}

void WriteArgumentList(TextFile& out, const ProcedureInvokation& invokation,
                       const std::function<bool(const VariablePair&)>& quoted,
                       const std::function<CString(const VariablePair&)>& value)
{
    std::vector<const VariablePair*> arguments;
    for (const VariablePair* pair : invokation.GetVariablePairs())
    {
        if (pair != nullptr && pair->second != nullptr)
            arguments.push_back(pair);
    }
    for (std::size_t i = 0; i < arguments.size(); ++i)
    {
        const bool quote = quoted(*arguments[i]);
        if (quote)
            out.Write(0, " & \"'\" & SingleQuoteToDouble(%s)", value(*arguments[i]));
        else
            out.Write(0, " & %s", value(*arguments[i]));
        if (i + 1 < arguments.size())
            out.Write(0, " & %s", quote ? "\"',\"" : "\",\"");
        else if (quote)
            out.Write(0, " & \"'\"");
    }
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
    out.Write(indent, "%s = \"%s \"", target,
              procedure != nullptr ? procedure->GetName() : CString());
    WriteArgumentList(
        out, invokation,
        [procedure](const VariablePair& pair) { return IsQuotedParameter(procedure, pair); },
        value);
    out.Write(0, "\n");
}

void WriteActionPageHeader(TextFile& out)
{
    out.Write(0, "<%%@ LANGUAGE = \"VBScript\" %%>\n");
    out.Write(0, "<!-- #include file = \"../_system/includes/functions.asp\"-->\n\n");
}

void WriteKeyGuard(TextFile& out, int indent, const CString& variable)
{
    out.Write(indent, "if not isNumeric(%s) then %s = 0\n", variable, variable);
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
                      VBScriptIdentifier(map->variable->GetFieldName()),
                      VBScriptIdentifier(map->variable->GetFieldName()));
    for (const FieldVariableMap* map : page.GetFieldVariableMaps())
        if (map->variable != nullptr && map->variable->GetKind() == Variable::parameterKind)
            out.Write(indent, "<INPUT type = \"hidden\" name = %s >\n",
                      VBScriptIdentifier(map->variable->GetFieldName()));
}
