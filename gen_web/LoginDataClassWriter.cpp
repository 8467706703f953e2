#include "gen_web/LoginDataClassWriter.h"

#include "gen_web/DataClassText.h"
#include "model/DefaultNames.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/Identifiers.h"
#include "model/Module.h"
#include "model/Table.h"

#include <vector>

LoginDataClassWriter::LoginDataClassWriter(ForgeonProject* project, GenerationReport& report)
    : TableClassWriter(project, nullptr, report)
{
}

void LoginDataClassWriter::Write()
{
    const Module* base = m_project->GetBaseModule();
    if (base == nullptr)
        return;
    std::vector<Table*> tables;
    base->CollectSystemTables(tables);
    for (Table* table : tables)
    {
        if (!SetTable(*table))
            continue;
        WriteClassFile();
        LoginPartialClassWriter(m_project, *table, m_className, m_report).Write();
    }
}

void LoginDataClassWriter::WriteClassFile()
{
    WriteUsings();
    WriteClassHead();
    if (m_className == "_personnel_role")
    {
        WriteGetRecords();
        WriteSelectAllRecords();
        WriteClassFoot();
        SaveClassFile();
        return;
    }
    WriteMembers();
    WriteHandleAdd();
    WriteHandleUpdate();
    WriteHandleDelete();
    WriteGetRecords();
    WriteSelectAllRecords();
    WriteSetValues();
    WriteSetPrimaryKey("m_primaryKey");
    WriteSelectRecordFor();
    WriteSelectRecord();
    WriteClassFoot();
    SaveClassFile();
}

void LoginDataClassWriter::WriteMembers()
{
    for (const Field* field : m_table->GetFields())
    {
        if (!field->IsKeyOrDeletedFlag())
            m_textFile.Write(2, "String %s;\n", MemberName(*field));
    }
    if (IsAccountTable())
    {
        m_textFile.Write(2, "String m_newPassword;\n");
        m_textFile.Write(2, "String m_passwordText;\n");
        m_textFile.Write(2, "String m_newPasswordText;\n");
    }
    m_textFile.Write(2, "String m_primaryKey;\n");
    m_textFile.Write(2, "String m_Is_Deleted;\n");
    m_textFile.Write(0, "\n");
}

// The account is inserted with an empty password, and the password's hash, which the login
// page makes with the account's id, is stored once the id is known, in the insert's transaction:
// an account is never left without its password.
void LoginDataClassWriter::WriteHandleAdd()
{
    m_textFile.Write(2, "public void HandleAdd()\n");
    m_textFile.Write(2, "{\n");
    m_textFile.Write(3, "UtilHandler util = new UtilHandler();\n");
    m_textFile.Write(3, "String password = m_passwordText;\n");
    m_textFile.Write(3, "m_password = \"N''\";\n");
    WriteInsertStatements(");\";", "primaryKey");
    m_textFile.Write(3,
                     "m_primaryKey = dbHandler.InsertSelectThenUpdate(sSQLCommand, selectString, "
                     "delegate(String primaryKey)\n");
    m_textFile.Write(3, "{\n");
    m_textFile.Write(4, "m_password = util.HashPassword(password, Convert.ToInt32(primaryKey));\n");
    m_textFile.Write(4, "m_password = util.ReplaceSingleQuoteInString(m_password);\n");
    m_textFile.Write(4, "m_password = \"N'\" + m_password + \"'\";\n");
    m_textFile.Write(
        4, "return \"update %s set [password] = \" + m_password + \" where %s = \" + primaryKey;\n",
        m_sqlTable, m_sqlKey);
    m_textFile.Write(3, "});\n");
    m_textFile.Write(2, "}\n");
}

void LoginDataClassWriter::WriteHandleUpdate()
{
    m_textFile.Write(2, "public void HandleUpdate()\n");
    m_textFile.Write(2, "{\n");
    m_textFile.Write(3, "UtilHandler util = new UtilHandler();\n");
    m_textFile.Write(3, "int userAccount_id = Convert.ToInt32(m_primaryKey);\n");
    m_textFile.Write(3, "if (m_newPasswordText == \"\")\n");
    m_textFile.Write(4, "m_newPassword = \"password\"; //keeps the stored password\n");
    m_textFile.Write(3, "else\n");
    m_textFile.Write(3, "{\n");
    m_textFile.Write(4, "m_newPassword = util.HashPassword(m_newPasswordText, userAccount_id);\n");
    m_textFile.Write(4, "m_newPassword = util.ReplaceSingleQuoteInString(m_newPassword);\n");
    m_textFile.Write(4, "m_newPassword = \"N'\" + m_newPassword + \"'\";\n");
    m_textFile.Write(3, "}\n");
    m_textFile.Write(3, "String sSQLCommand = \"UPDATE %s set %s where %s = \" +m_primaryKey;\n",
                     m_sqlTable, UpdateSetList(*m_table, IsAccountTable() ? "password" : ""),
                     m_sqlKey);
    m_textFile.Write(3, "DBHandler dbHandler = new DBHandler();\n");
    m_textFile.Write(3, "dbHandler.ExecuteNonQueryOnMaster(sSQLCommand);\n");
    m_textFile.Write(2, "}\n");
}

void LoginDataClassWriter::WriteHandleDelete()
{
    m_textFile.Write(2, "public void HandleDelete()\n");
    m_textFile.Write(2, "{\n");
    m_textFile.Write(
        3, "String sSQLCommand = \"update %s set Is_Deleted = 'Y' where %s = \" + m_primaryKey;\n",
        m_sqlTable, m_sqlKey);
    m_textFile.Write(3, "DBHandler dbHandler = new DBHandler();\n");
    m_textFile.Write(3, "dbHandler.ExecuteNonQueryOnMaster(sSQLCommand);\n");
    m_textFile.Write(2, "}\n");
}

void LoginDataClassWriter::WriteSelectAllRecords()
{
    const CString joined = JoinedSelect(*m_project, *m_table);
    const CString where = " WHERE " + m_sqlTable + ".Is_Deleted = 'N'";
    TableClassWriter::WriteSelectAllRecords(
        (joined.IsEmpty() ? "SELECT * FROM " + m_sqlTable : joined) + where);
}

void LoginDataClassWriter::WriteSetValues()
{
    m_textFile.Write(2, "public void SetValues(string[,] values)\n");
    m_textFile.Write(2, "{\n");
    m_textFile.Write(3, "UtilHandler util = new UtilHandler();\n");
    for (const Field* field : m_table->GetFields())
    {
        if (field->IsKeyOrDeletedFlag())
            continue;
        if (IsAccountTable() && field->GetFieldName() == "password")
            m_textFile.Write(3, "m_password = util.GetValueOfVariable(\"password\", values);\n");
        else
            WriteSetValueLines(*field, /*useDefault=*/false);
    }
    if (IsAccountTable())
    {
        m_textFile.Write(3, "m_newPassword = util.GetValueOfVariable(\"new_password\", values);\n");
        m_textFile.Write(3, "m_passwordText = util.GetTextOfVariable(\"password\", values);\n");
        m_textFile.Write(3,
                         "m_newPasswordText = util.GetTextOfVariable(\"new_password\", values);\n");
    }
    m_textFile.Write(3, "m_Is_Deleted= \"N'N'\";\n");
    m_textFile.Write(2, "}\n");
}

void LoginDataClassWriter::WriteSelectRecordFor()
{
    std::vector<Field*> foreignKeys;
    m_table->GetForeignKeyFields(foreignKeys);
    for (const Field* field : foreignKeys)
    {
        m_textFile.Write(2, "public DataTable SelectRecordFor%s(String id)\n",
                         CSharpIdentifierPart(field->GetFieldName()));
        m_textFile.Write(2, "{\n");
        WriteKeyCheck("id", "0 ");
        m_textFile.Write(3, "String sqlString = \"select * from %s where %s = \"+id+\"\";\n",
                         m_sqlTable, SqlServerName(field->GetFieldName()));
        m_textFile.Write(3, "return getRecords(sqlString);\n");
        m_textFile.Write(2, "}\n");
    }
}

void LoginDataClassWriter::WriteSelectRecord()
{
    m_textFile.Write(2, "public DataTable SelectRecord(String id)\n");
    m_textFile.Write(2, "{\n");
    WriteKeyCheck("id", "0 ");
    m_textFile.Write(
        3, "String sqlString = \"select * from %s where %s = \"+ id + \" and is_deleted = 'N'\";\n",
        m_sqlTable, m_sqlKey);
    m_textFile.Write(3, "return getRecords(sqlString);\n");
    m_textFile.Write(2, "}\n");
}

bool LoginDataClassWriter::IsAccountTable() const
{
    return m_tableName == userAccountTableName;
}

LoginPartialClassWriter::LoginPartialClassWriter(ForgeonProject* project, const Table& table,
                                                 const CString& className, GenerationReport& report)
    : PartialClassWriter(project, table.GetTableName(), className, report), m_table(table)
{
}

void LoginPartialClassWriter::WriteHook(const char* name)
{
    const bool isAccount = m_tableName == userAccountTableName;
    m_textFile.Write(2, "public bool %s()\n", name);
    m_textFile.Write(2, "{\n");
    m_textFile.Write(3, "bool stat = true;\n");
    if (isAccount && CString(name) == "HandlePreAdd")
        WritePreAddCheck();
    if (isAccount && CString(name) == "HandlePreUpdate")
        WritePreUpdateCheck();
    m_textFile.Write(3, "return stat;\n");
    m_textFile.Write(2, "}\n");
}

void LoginPartialClassWriter::WritePreAddCheck()
{
    m_textFile.Write(3,
                     "String sqlString = \"SELECT %s FROM %s WHERE %s= \"+m_username+\" and "
                     "is_deleted = 'N'\";\n",
                     KeyName(), m_tableName, UserNameColumn());
    WriteUserNameTakenCheck();
    m_textFile.Write(3, "else\n");
    m_textFile.Write(4, "stat = true;\n");
}

void LoginPartialClassWriter::WritePreUpdateCheck()
{
    m_textFile.Write(3,
                     "String sqlString = \"SELECT %s FROM %s WHERE %s= \"+ m_username + \" and "
                     "useraccount_id != \"+ m_primaryKey + \" and is_deleted = 'N'\";\n",
                     KeyName(), m_tableName, UserNameColumn());
    WriteUserNameTakenCheck();
    m_textFile.Write(3, "else if(m_password != \"null\")\n");
    m_textFile.Write(3, "{\n");
    m_textFile.Write(4, "DataTable dataTable = SelectRecord(m_primaryKey);\n");
    m_textFile.Write(4, "if(dataTable.Rows.Count > 0)\n");
    m_textFile.Write(4, "{\n");
    m_textFile.Write(5, "String existingPassword = dataTable.Rows[0][\"password\"].ToString();\n");
    m_textFile.Write(5, "UtilHandler util = new UtilHandler();\n");
    m_textFile.Write(5, "int userAccount_id = Convert.ToInt32(m_primaryKey);\n");
    m_textFile.Write(5, "//Check if existing password is matching\n");
    m_textFile.Write(5,
                     "if (!util.IsStoredPassword(m_password, userAccount_id, existingPassword))\n");
    m_textFile.Write(5, "{\n");
    m_textFile.Write(6, "stat = false;\n");
    m_textFile.Write(5, "}\n");
    m_textFile.Write(4, "}\n");
    m_textFile.Write(3, "}\n");
}

void LoginPartialClassWriter::WriteUserNameTakenCheck()
{
    m_textFile.Write(3, "DBHandler handler = new DBHandler();\n");
    m_textFile.Write(3, "DataTable dtable = handler.ExecuteQuery(sqlString);\n");
    m_textFile.Write(3, "if (dtable.Rows.Count > 0)\n");
    m_textFile.Write(4, "stat = false;\n");
}

CString LoginPartialClassWriter::KeyName() const
{
    const Field* key = m_table.GetPrimaryKeyField();
    return key != nullptr ? key->GetFieldName() : CString();
}

CString LoginPartialClassWriter::UserNameColumn() const
{
    const Field* userName = m_table.FindFieldByName("username");
    return userName != nullptr ? userName->GetFieldName() : CString("username");
}
