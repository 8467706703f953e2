#include "gen_web/TableClassWriter.h"

#include "database/SqlText.h"
#include "entities/Class.h"
#include "entities/Function.h"
#include "entities/Parameter.h"
#include "gen_web/DataClassText.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/GenerationReport.h"
#include "model/Identifiers.h"
#include "model/Table.h"
#include "platform/core/LiteralEscaping.h"

#include <vector>

TableClassWriter::TableClassWriter(ForgeonProject* project, FormInterface* page,
                                   GenerationReport& report)
    : AspxWriter(project, page, report)
{
}

bool TableClassWriter::SetTable(Table& table)
{
    m_table = &table;
    m_tableName = table.GetTableName();
    const Field* key = table.GetPrimaryKeyField();
    m_key = key != nullptr ? key->GetFieldName() : CString();
    m_sqlTable = SqlServerName(m_tableName);
    m_sqlKey = SqlServerName(m_key);
    m_keyMember = key != nullptr ? MemberName(*key) : CString();
    const Class* dataClass = m_project->GetClassForTable(&table, true);
    m_className = dataClass != nullptr ? CSharpIdentifier(dataClass->GetFieldName()) : CString();
    const CString path = GetRelativeFolder(true) + "\\CS\\" + m_tableName + ".cs";
    if (key == nullptr)
        m_report.AddUnwrittenFile(path, "the table has no key field");
    else if (dataClass == nullptr)
        m_report.AddUnwrittenFile(path, "the table has no data class");
    return key != nullptr && dataClass != nullptr;
}

void TableClassWriter::WriteClassHead()
{
    m_textFile.Write(0, "namespace %s\n", CSharpIdentifier(m_project->GetProjectName()));
    m_textFile.Write(0, "{\n");
    m_textFile.Write(1, "public partial class %s\n", m_className);
    m_textFile.Write(1, "{\n");
}

void TableClassWriter::WriteClassFoot()
{
    m_textFile.Write(1, "}\n");
    m_textFile.Write(0, "}\n");
}

void TableClassWriter::WriteInsertReadingKey(const char* valuesTail, const char* identityName,
                                             const CString& keyMember)
{
    WriteInsertStatements(valuesTail, identityName);
    m_textFile.Write(3, "DataTable dbTable = dbHandler.InsertSelect(sSQLCommand, selectString);\n");
    m_textFile.Write(3, "%s = dbTable.Rows[0][\"%s\"].ToString();\n", keyMember, identityName);
}

void TableClassWriter::WriteInsertStatements(const char* valuesTail, const char* identityName)
{
    m_textFile.Write(3, "String sSQLCommand = \"INSERT INTO %s(%s) \" +\n", m_sqlTable,
                     InsertColumnList(*m_table));
    m_textFile.Write(3, "\"VALUES(%s%s\n", InsertValueList(*m_table), valuesTail);
    m_textFile.Write(3, "String selectString = \"SELECT @@IDENTITY AS %s\";\n", identityName);
    m_textFile.Write(3, "DBHandler dbHandler = new DBHandler();\n");
}

void TableClassWriter::WriteSetValueLines(const Field& field, bool useDefault)
{
    const CString name = EscapeCSharpString(field.GetFieldName());
    const CString local = LocalName(field);
    const CString member = MemberName(field);
    const bool quoted = IsQuotedSqlType(field.GetTypeCode());
    if (useDefault && !field.GetDefaultValue().IsEmpty())
    {
        if (quoted)
        {
            m_textFile.Write(3, "string %s = util.GetValueOfVariable(\"%s\", values);\n", local,
                             name);
            m_textFile.Write(3, "if (%s != \"null\")\n", local);
            m_textFile.Write(4, "%s = \"N'\" + util.ReplaceSingleQuoteInString(%s) + \"'\";\n",
                             member, local);
            m_textFile.Write(3, "else\n");
            m_textFile.Write(4, "%s = \"N'\" + util.ReplaceSingleQuoteInString(%s) + \"'\";\n",
                             member, member);
            return;
        }
        m_textFile.Write(
            3, "string %s = util.ToSqlNumber(util.GetValueOfVariable(\"%s\", values), \"null\");\n",
            local, name);
        m_textFile.Write(3, "if (%s != \"null\")\n", local);
        m_textFile.Write(4, "%s = %s;\n", member, local);
        return;
    }
    if (quoted)
    {
        m_textFile.Write(3, "%s = util.GetValueOfVariable(\"%s\", values);\n", member, name);
        m_textFile.Write(3, "if (%s != \"null\")\n", member);
        m_textFile.Write(4, "%s = \"N'\" + util.ReplaceSingleQuoteInString(%s) + \"'\";\n", member,
                         member);
        return;
    }
    m_textFile.Write(3,
                     "%s = util.ToSqlNumber(util.GetValueOfVariable(\"%s\", values), \"null\");\n",
                     member, name);
}

void TableClassWriter::WriteKeyCheck(const CString& key, const char* nullValue)
{
    m_textFile.Write(3, "if(%s == null)\n", key);
    m_textFile.Write(4, "%s = \"%s\";\n", key, nullValue);
    m_textFile.Write(3, "%s = new UtilHandler().ToSqlNumber(%s, \"0\");\n", key, key);
}

void TableClassWriter::WriteGetRecords()
{
    m_textFile.Write(2, "DataTable getRecords(String sqlString)\n");
    m_textFile.Write(2, "{\n");
    m_textFile.Write(3, "DBHandler handler = new DBHandler();\n");
    m_textFile.Write(3, "return handler.ExecuteQuery(sqlString);\n");
    m_textFile.Write(2, "}\n");
}

void TableClassWriter::SaveClassFile()
{
    SaveFile(m_tableName + ".cs", GetRelativeFolder(true) + "\\CS");
}

void TableClassWriter::WriteSelectAllRecords(const CString& query)
{
    m_textFile.Write(2, "public DataTable SelectAllRecords()\n");
    m_textFile.Write(2, "{\n");
    m_textFile.Write(3, "String sqlString = \"%s\";\n", query);
    m_textFile.Write(3, "return getRecords(sqlString);\n");
    m_textFile.Write(2, "}\n");
}

void TableClassWriter::WriteSetPrimaryKey(const CString& member)
{
    m_textFile.Write(2, "public void SetPrimaryKey(String id)\n");
    m_textFile.Write(2, "{\n");
    m_textFile.Write(3, "%s = new UtilHandler().ToSqlNumber(id, \"0\");\n", member);
    m_textFile.Write(2, "}\n");
}

void TableClassWriter::WriteSelectRecordFor(const Field& foreignKey)
{
    m_textFile.Write(2, "public DataTable SelectRecordFor%s(String id)\n",
                     CSharpIdentifierPart(foreignKey.GetFieldName()));
    m_textFile.Write(2, "{\n");
    WriteKeyCheck("id", "0");
    m_textFile.Write(3, "String sqlString = \"%s FROM %s WHERE %s = \" +id+\"\"; \n",
                     SingleTableSelectList(*m_table), m_sqlTable,
                     SqlServerName(foreignKey.GetFieldName()));
    m_textFile.Write(3, "return getRecords(sqlString);\n");
    m_textFile.Write(2, "}\n");
}

void TableClassWriter::WriteSelectRecord(const CString& whereTail)
{
    m_textFile.Write(2, "public DataTable SelectRecord(String id)\n");
    m_textFile.Write(2, "{\n");
    WriteKeyCheck("id", "0");
    m_textFile.Write(3, "String sqlString = \"%s FROM %s WHERE %s = \" +id+\"%s\"; \n",
                     SingleTableSelectList(*m_table), m_sqlTable, m_sqlKey, whereTail);
    m_textFile.Write(3, "return getRecords(sqlString);\n");
    m_textFile.Write(2, "}\n");
}

void TableClassWriter::WriteSelectRecordForMultiParam(bool softDeleteFilter)
{
    const Class* dataClass = m_project->GetClassForTable(m_table, false);
    const Function* function =
        dataClass != nullptr ? dataClass->FindFunctionByName("SelectRecordForMultiParam") : nullptr;
    if (function == nullptr || function->GetParameters().size() < 2)
        return;
    CString parameters;
    for (const Parameter* parameter : function->GetParameters())
        parameters += "String " + CSharpIdentifier(parameter->GetFieldName()) + ", ";
    m_textFile.Write(2, "public DataTable SelectRecordForMultiParam(%s)\n",
                     parameters.Left(parameters.GetLength() - 2));
    m_textFile.Write(2, "{\n");
    for (const Parameter* parameter : function->GetParameters())
    {
        WriteKeyCheck(CSharpIdentifier(parameter->GetFieldName()), "0");
        m_textFile.Write(0, "\n");
    }
    std::vector<Field*> foreignKeys;
    m_table->GetForeignKeyFields(foreignKeys);
    CString where;
    for (const Field* field : foreignKeys)
        where += SqlServerName(field->GetFieldName()) + " = \" +param_" +
                 CSharpIdentifierPart(field->GetFieldName()) + "+\" AND ";
    where = softDeleteFilter ? where + m_sqlTable + ".Is_Deleted = 'N'"
                             : where.Left(where.GetLength() - 5);
    m_textFile.Write(3, "String sqlString = \"%s FROM %s WHERE %s\"; \n",
                     SingleTableSelectList(*m_table), m_sqlTable, where);
    m_textFile.Write(3, "return getRecords(sqlString);\n");
    m_textFile.Write(2, "}\n");
}
