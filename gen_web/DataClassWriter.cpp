#include "gen_web/DataClassWriter.h"

#include "gen_web/DataClassText.h"
#include "gen_web/PartialClassWriter.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/Identifiers.h"
#include "model/Table.h"
#include "platform/core/LiteralEscaping.h"

#include <vector>

DataClassWriter::DataClassWriter(ForgeonProject* project, Table& table, GenerationReport& report)
    : TableClassWriter(project, nullptr, report), m_writtenTable(table)
{
}

void DataClassWriter::Write()
{
    if (!SetTable(m_writtenTable))
        return;
    WriteUsings();
    WriteNamespaceAndClassHead();
    WriteMembers();
    WriteHandleAdd();
    WriteHandleUpdate();
    WriteHandleDelete();
    m_textFile.Write(2, "//Returns records from the table %s based on the SQL query\n",
                     m_tableName);
    WriteGetRecords();
    m_textFile.Write(0, "\n");
    WriteSelectAllRecords();
    WriteSetValues();
    WriteSetPrimaryKey();
    WriteSelectRecordFor();
    WriteSelectRecord();
    TableClassWriter::WriteSelectRecordForMultiParam(/*softDeleteFilter=*/true);
    WriteClassFoot();
    SaveClassFile();
    PartialClassWriter(m_project, m_tableName, m_className, m_report).Write();
}

void DataClassWriter::WriteNamespaceAndClassHead()
{
    m_textFile.Write(0, "\n");
    m_textFile.Write(0, "namespace %s\n", CSharpIdentifier(m_project->GetProjectName()));
    m_textFile.Write(0, "{\n");
    m_textFile.Write(1, "//This class represents database table %s\n", m_tableName);
    m_textFile.Write(1, "public partial class %s\n", m_className);
    m_textFile.Write(1, "{\n");
}

void DataClassWriter::WriteMembers()
{
    for (const Field* field : m_table->GetFields())
    {
        if (field->IsKeyOrDeletedFlag())
            continue;
        const CString comment = " //Represents database field " + field->GetFieldName() + "(" +
                                field->GetTypeName() + ")";
        if (field->GetDefaultValue().IsEmpty())
            m_textFile.Write(2, "String %s;%s\n", MemberName(*field), comment);
        else
            m_textFile.Write(2, "String %s = \"%s\";%s\n", MemberName(*field),
                             EscapeCSharpString(field->GetDefaultValue()), comment);
    }
    m_textFile.Write(2, "String %s; //Represents primary key\n", m_keyMember);
    m_textFile.Write(2, "String m_Is_Deleted; //Represents field for soft delete\n");
    m_textFile.Write(0, "\n");
}

void DataClassWriter::WriteHandleAdd()
{
    m_textFile.Write(2, "//Handles the row insertion in table %s\n", m_tableName);
    m_textFile.Write(2, "public void HandleAdd()\n");
    m_textFile.Write(2, "{\n");
    WriteInsertReadingKey(");\";", "primaryKey", m_keyMember);
    m_textFile.Write(2, "}\n");
    m_textFile.Write(0, "\n");
}

void DataClassWriter::WriteHandleUpdate()
{
    m_textFile.Write(2, "//Handles the row updation in table %s\n", m_tableName);
    m_textFile.Write(2, "public void HandleUpdate()\n");
    m_textFile.Write(2, "{\n");
    m_textFile.Write(3, "String sSQLCommand = \"UPDATE %s set %s where %s = \" +%s;\n", m_sqlTable,
                     UpdateSetList(*m_table), m_sqlKey, m_keyMember);
    m_textFile.Write(3, "DBHandler dbHandler = new DBHandler();\n");
    m_textFile.Write(3, "dbHandler.ExecuteNonQueryOnMaster(sSQLCommand);\n");
    m_textFile.Write(2, "}\n");
    m_textFile.Write(0, "\n");
}

void DataClassWriter::WriteHandleDelete()
{
    m_textFile.Write(2, "//Handles the row deletion in table %s\n", m_tableName);
    m_textFile.Write(2, "public void HandleDelete()\n");
    m_textFile.Write(2, "{\n");
    m_textFile.Write(3,
                     "String sSQLCommand = \"update %s set Is_Deleted = 'Y' where %s = \" + %s;\n",
                     m_sqlTable, m_sqlKey, m_keyMember);
    m_textFile.Write(3, "DBHandler dbHandler = new DBHandler();\n");
    m_textFile.Write(3, "dbHandler.ExecuteNonQueryOnMaster(sSQLCommand);\n");
    m_textFile.Write(2, "}\n");
    m_textFile.Write(0, "\n");
}

void DataClassWriter::WriteSelectAllRecords()
{
    const CString joined = JoinedSelect(*m_project, *m_table);
    m_textFile.Write(2, "//Returns all the records from the table %s\n", m_tableName);
    TableClassWriter::WriteSelectAllRecords(
        joined.IsEmpty() ? "SELECT * FROM " + m_sqlTable + " WHERE Is_Deleted = 'N'"
                         : joined + " WHERE " + m_sqlTable + ".Is_Deleted = 'N'");
    m_textFile.Write(0, "\n");
}

void DataClassWriter::WriteSetValues()
{
    m_textFile.Write(2, "//Sets the values to the member variables\n");
    m_textFile.Write(2, "public void SetValues(string[,] values)\n");
    m_textFile.Write(2, "{\n");
    m_textFile.Write(3, "UtilHandler util = new UtilHandler();\n");
    for (const Field* field : m_table->GetFields())
    {
        if (!field->IsKeyOrDeletedFlag())
            WriteSetValueLines(*field, /*useDefault=*/true);
    }
    m_textFile.Write(3, "m_Is_Deleted= \"N'N'\";\n");
    m_textFile.Write(2, "}\n");
    m_textFile.Write(0, "\n");
}

void DataClassWriter::WriteSetPrimaryKey()
{
    m_textFile.Write(2, "//Sets the primary key\n");
    TableClassWriter::WriteSetPrimaryKey(m_keyMember);
    m_textFile.Write(0, "\n");
}

void DataClassWriter::WriteSelectRecordFor()
{
    std::vector<Field*> foreignKeys;
    m_table->GetForeignKeyFields(foreignKeys);
    for (const Field* field : foreignKeys)
    {
        m_textFile.Write(2, "//Returns records matching foriegn key of %s\n",
                         field->GetFieldName());
        TableClassWriter::WriteSelectRecordFor(*field);
        m_textFile.Write(0, "\n");
    }
}

void DataClassWriter::WriteSelectRecord()
{
    m_textFile.Write(2, "//Returns a record based on primary key\n");
    TableClassWriter::WriteSelectRecord(" AND " + m_sqlTable + ".Is_Deleted = 'N'");
}
