#include "gen_classic/ProcedureCallText.h"

#include "entities/AspFile.h"
#include "entities/FormInterface.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Variable.h"
#include "gen_classic/ClassicText.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/FieldVisibility.h"
#include "model/Table.h"
#include "model/TextFile.h"
#include "model/VisibilityData.h"

#include <vector>

namespace
{
bool IsDate(const Field* field)
{
    return field != nullptr && field->GetTypeCode() == FieldTypeDateTime;
}
} // namespace

QueryText::QueryText(TextFile& out, int indent, int termIndent, const CString& procedureName)
    : m_out(out), m_termIndent(termIndent)
{
    m_out.Write(indent, "strQry = \"%s \" & _\n", ProcedureCallName(procedureName));
}

void QueryText::AddTerm(const Field* field, const CString& variable)
{
    m_out.Write(0, "%s", m_separator);
    m_out.Write(m_termIndent, "\" ");
    if (IsDate(field))
        m_out.Write(0, "'\" &SingleQuoteToDouble(ConvertDate(%s)) &\"'", variable);
    else if (IsQuotedSqlField(field))
        m_out.Write(0, "'\" &SingleQuoteToDouble(%s) &\"'", variable);
    else
        m_out.Write(0, "\" &(%s) &\"", variable);
    m_separator = ", \" & _\n";
    m_empty = false;
}

void QueryText::Close()
{
    // Without terms the continued line still needs a text to end on.
    if (m_empty)
        m_out.Write(m_termIndent, "\"\"\n");
    else
        m_out.Write(0, "\"\n");
}

FieldLookupWriter::FieldLookupWriter(AspFile* file, TextFile& out) : m_file(file), m_out(out) {}

void FieldLookupWriter::Write(Field* field, const CString& variable, const FieldRep* control,
                              int indent)
{
    const FieldVisibility* visibility =
        m_file != nullptr && field != nullptr ? m_file->FindFieldVisibility(field) : nullptr;
    const VisibilityData* source =
        visibility != nullptr ? visibility->GetVisibilityData() : nullptr;
    const ProcedureInvokation* call = source != nullptr ? source->GetDataProcedure() : nullptr;
    Procedure* procedure = call != nullptr ? call->GetProcedure() : nullptr;
    if (procedure == nullptr)
        return;
    const int number = ++m_count;
    Table* table = procedure->GetMainTable();
    const CString tableName = table != nullptr ? table->GetTableName() : CString();
    struct Value
    {
        const Field* field;
        CString name;
    };
    std::vector<Value> values;
    for (Field* parameter : table != nullptr ? table->GetFields() : std::vector<Field*>())
    {
        FieldVariableMap entry;
        if (!procedure->FindFieldParameterByField(parameter, entry) ||
            GetFieldVisibilityCode(m_file, parameter) == FieldVisibility::Invisible)
            continue;
        CString name = entry.variable != nullptr ? VbsVariableName(*entry.variable) : CString();
        name.Replace("PRC_", "");
        values.push_back({parameter, tableName + "_" + name});
    }
    const FieldRepData* data = control != nullptr ? control->GetFieldRepData() : nullptr;
    const bool combo = data != nullptr && data->GetControlKind() == FieldRepData::ComboBox;

    m_out.Write(0, "\n");
    m_out.Write(indent + 1, "IF\t");
    for (std::size_t i = 0; i < values.size(); ++i)
    {
        if (i > 0)
            m_out.Write(0, "AND _\n");
        if (combo)
            m_out.Write(0, "%s > 0", values[i].name);
        else
            m_out.Write(0, "%s <> \"\" ", values[i].name);
    }
    // A procedure without filled parameters is called unconditionally.
    if (values.empty())
        m_out.Write(0, "true");
    m_out.Write(indent, "\tthen\n");
    m_out.Write(indent + 1, "set rsStrQry%d = Server.CreateObject(\"ADODB.Recordset\")\n", number);
    for (const Value& value : values)
    {
        if (!IsQuotedSqlField(value.field))
            WriteBareValueCheck(m_out, indent + 1, value.name);
    }
    m_out.Write(indent + 1, "strQry%d = \"%s \"", number, ProcedureCallName(procedure->GetName()));
    for (std::size_t i = 0; i < values.size(); ++i)
    {
        m_out.Write(0, " & _\n");
        if (IsDate(values[i].field))
            m_out.Write(indent + 3, "\"'\" & SingleQuoteToDouble(ConvertDate(%s)) & \"'\"",
                        values[i].name);
        else if (IsQuotedSqlField(values[i].field))
            m_out.Write(indent + 3, "\"'\" & SingleQuoteToDouble(%s) & \"'\"", values[i].name);
        else
            m_out.Write(indent + 3, "%s", values[i].name);
        if (i + 1 < values.size())
            m_out.Write(0, " & \",\"");
    }
    m_out.Write(0, "\n");
    m_out.Write(indent + 1, "rsStrQry%d.Open strQry%d, glb_con,1,2 \n", number, number);
    CString column;
    if (const ProcedureFieldInfo* result = source->GetResultField())
        result->GetDisplayName(column);
    m_out.Write(indent + 1, "%s = rsStrQry%d(\"%s\")\n", variable, number, column);
    m_out.Write(indent + 1, "end if \n");
}
