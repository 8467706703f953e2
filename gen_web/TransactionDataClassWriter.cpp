#include "gen_web/TransactionDataClassWriter.h"

#include "entities/Class.h"
#include "entities/Transaction.h"
#include "gen_web/DataClassText.h"
#include "gen_web/PartialClassWriter.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/Identifiers.h"
#include "model/Table.h"
#include "platform/core/LiteralEscaping.h"

#include <vector>

TransactionDataClassWriter::TransactionDataClassWriter(ForgeonProject* project,
                                                       Transaction& transaction,
                                                       GenerationReport& report)
    : TableClassWriter(project, &transaction, report), m_transaction(transaction)
{
}

void TransactionDataClassWriter::Write()
{
    Table* basic = m_transaction.GetBasicTable();
    if (basic != nullptr && WriteClassFile(*basic))
        WritePartialFile(*basic);
    std::vector<Table*> written;
    for (Table* detail : m_transaction.GetDetailTables())
    {
        if (detail != nullptr && WriteClassFile(*detail))
            written.push_back(detail);
    }
    for (Table* detail : written)
        WritePartialFile(*detail);
}

bool TransactionDataClassWriter::WriteClassFile(Table& table)
{
    if (!SetTable(table))
        return false;
    const bool isBasic = &table == m_transaction.GetBasicTable();
    WriteUsings();
    WriteClassHead();
    WriteMembers();
    if (isBasic)
        WriteBasicHandleAdd();
    else
        WriteDetailHandleAdd();
    WriteHandleUpdate();
    if (isBasic)
        WriteBasicHandleDelete();
    else
        WriteDetailHandleDelete();
    WriteGetRecords();
    m_textFile.Write(0, "\n");
    WriteSelectAllRecords();
    WriteSetValues();
    WriteSetPrimaryKey(m_keyMember);
    m_textFile.Write(0, "\n");
    std::vector<Field*> foreignKeys;
    table.GetForeignKeyFields(foreignKeys);
    for (const Field* field : foreignKeys)
    {
        WriteSelectRecordFor(*field);
        m_textFile.Write(0, "\n");
    }
    WriteSelectRecord("");
    WriteSelectRecordForMultiParam(/*softDeleteFilter=*/false);
    WriteClassFoot();
    SaveClassFile();
    return true;
}

void TransactionDataClassWriter::WritePartialFile(Table& table)
{
    const Class* dataClass = m_project->GetClassForTable(&table, false);
    PartialClassWriter(m_project, table.GetTableName(), CSharpIdentifier(dataClass->GetFieldName()),
                       m_report)
        .Write();
}

void TransactionDataClassWriter::WriteMembers()
{
    for (const Field* field : m_table->GetFields())
    {
        if (field->IsKeyOrDeletedFlag())
            continue;
        if (field->GetDefaultValue().IsEmpty())
            m_textFile.Write(2, "String %s;\n", MemberName(*field));
        else
            m_textFile.Write(2, "String %s = \"%s\";\n", MemberName(*field),
                             EscapeCSharpString(field->GetDefaultValue()));
    }
    m_textFile.Write(2, "String %s;\n", m_keyMember);
}

void TransactionDataClassWriter::WriteBasicHandleAdd()
{
    m_textFile.Write(2, "public DataTable HandleAdd()\n");
    m_textFile.Write(2, "{\n");
    WriteInsertReadingKey(")\";", "basicId", m_keyMember);
    m_textFile.Write(3, "return dbTable;\n");
    m_textFile.Write(2, "}\n");
    m_textFile.Write(0, "\n");
}

void TransactionDataClassWriter::WriteDetailHandleAdd()
{
    m_textFile.Write(2, "public void HandleAdd()\n");
    m_textFile.Write(2, "{\n");
    WriteInsertReadingKey(");\";", "detailId", m_keyMember);
    m_textFile.Write(2, "}\n");
    m_textFile.Write(0, "\n");
}

void TransactionDataClassWriter::WriteHandleUpdate()
{
    m_textFile.Write(2, "public void HandleUpdate()\n");
    m_textFile.Write(2, "{\n");
    m_textFile.Write(3, "String sSQLCommand = \"UPDATE %s SET %s WHERE %s = \" +%s;\n", m_sqlTable,
                     UpdateSetList(*m_table), m_sqlKey, m_keyMember);
    m_textFile.Write(3, "DBHandler dbHandler = new DBHandler();\n");
    m_textFile.Write(3, "dbHandler.ExecuteNonQueryOnMaster(sSQLCommand);\n");
    m_textFile.Write(2, "}\n");
    m_textFile.Write(0, "\n");
}

void TransactionDataClassWriter::WriteBasicHandleDelete()
{
    CString linkColumn = m_tableName;
    linkColumn.Replace("_basic", "_id");
    m_textFile.Write(2, "public void HandleDelete()\n");
    m_textFile.Write(2, "{\n");
    m_textFile.Write(3, "String sSQLCommand;\n");
    m_textFile.Write(3, "DBHandler dbHandler = new DBHandler();\n");
    m_textFile.Write(0, "\n");
    for (const Table* detail : m_transaction.GetDetailTables())
    {
        if (detail == nullptr)
            continue;
        m_textFile.Write(3, "sSQLCommand = \"DELETE FROM %s WHERE %s = \" + %s;\n",
                         SqlServerName(detail->GetTableName()), SqlServerName(linkColumn),
                         m_keyMember);
        m_textFile.Write(3, "dbHandler.ExecuteNonQueryOnMaster(sSQLCommand);\n");
        m_textFile.Write(0, "\n");
    }
    m_textFile.Write(3, "sSQLCommand = \"DELETE FROM %s WHERE %s = \" + %s;\n", m_sqlTable,
                     m_sqlKey, m_keyMember);
    m_textFile.Write(3, "dbHandler.ExecuteNonQueryOnMaster(sSQLCommand);\n");
    m_textFile.Write(2, "}\n");
    m_textFile.Write(0, "\n");
}

void TransactionDataClassWriter::WriteDetailHandleDelete()
{
    m_textFile.Write(2, "public void HandleDelete()\n");
    m_textFile.Write(2, "{\n");
    m_textFile.Write(3, "String sSQLCommand = \"DELETE FROM  %s WHERE %s = \" + %s;\n", m_sqlTable,
                     m_sqlKey, m_keyMember);
    m_textFile.Write(3, "DBHandler dbHandler = new DBHandler();\n");
    m_textFile.Write(3, "dbHandler.ExecuteNonQueryOnMaster(sSQLCommand);\n");
    m_textFile.Write(2, "}\n");
    m_textFile.Write(0, "\n");
}

void TransactionDataClassWriter::WriteSelectAllRecords()
{
    const CString joined = JoinedSelect(*m_project, *m_table);
    TableClassWriter::WriteSelectAllRecords(joined.IsEmpty() ? "SELECT * FROM " + m_sqlTable
                                                             : joined);
    m_textFile.Write(0, "\n");
}

void TransactionDataClassWriter::WriteSetValues()
{
    m_textFile.Write(2, "public void SetValues(string[,] values)\n");
    m_textFile.Write(2, "{\n");
    m_textFile.Write(3, "UtilHandler util = new UtilHandler();\n");
    for (const Field* field : m_table->GetFields())
    {
        if (!field->IsKeyOrDeletedFlag())
            WriteSetValueLines(*field, /*useDefault=*/true);
    }
    m_textFile.Write(2, "}\n");
    m_textFile.Write(0, "\n");
}
