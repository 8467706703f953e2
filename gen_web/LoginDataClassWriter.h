#pragma once

#include "gen_web/PartialClassWriter.h"
#include "gen_web/TableClassWriter.h"

// The data classes of the login tables of the base module, written into the current module's
// "CS" folder: the account class "useraccount" keeps its password as a hash salted with the
// account's id; the role class only lists its rows. Partial files are written when missing.
class LoginDataClassWriter : public TableClassWriter
{
public:
    explicit LoginDataClassWriter(ForgeonProject* project, GenerationReport& report);

    void Write();

private:
    void WriteClassFile();
    void WriteMembers();
    void WriteHandleAdd();
    void WriteHandleUpdate();
    void WriteHandleDelete();
    void WriteSelectAllRecords();
    void WriteSetValues();
    void WriteSelectRecordFor();
    void WriteSelectRecord();

    bool IsAccountTable() const;
};

// The partial file of a login table: hooks without empty lines between them; the account's
// hooks before add and update refuse a user name that another account has, and the one before
// update a posted current password that does not match.
class LoginPartialClassWriter : public PartialClassWriter
{
public:
    LoginPartialClassWriter(ForgeonProject* project, const Table& table, const CString& className,
                            GenerationReport& report);

protected:
    void WriteHook(const char* name) override;

private:
    void WritePreAddCheck();
    void WritePreUpdateCheck();
    // Runs the query sqlString; a row found makes the hook refuse.
    void WriteUserNameTakenCheck();
    CString KeyName() const;
    // The account's user-name column as the table spells it.
    CString UserNameColumn() const;

    const Table& m_table;
};
