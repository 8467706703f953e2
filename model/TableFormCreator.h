#pragma once

class ApplicationReport;
class ForgeonProject;
class Form;
class Table;

// Makes the default pages of one table in the project's current module. Made on the caller's
// stack; the module owns everything it makes.
class TableFormCreator
{
public:
    TableFormCreator(Table* table, ForgeonProject* project);
    TableFormCreator(const TableFormCreator&) = delete;
    TableFormCreator& operator=(const TableFormCreator&) = delete;
    ~TableFormCreator();

    // The table's master form, the existing one or a new one named table name + "_form",
    // captioned table name + " Form" with blanks for "_", with variables and controls for the
    // table's fields, added with its page files; the table's data class gets its default
    // functions. Null without a current module.
    Form* CreateForm();
    // The table's default search report (Module::CreateSearchReport: when the table has no
    // page the report is not added and the caller owns it); null without a current module.
    ApplicationReport* CreateReport();

private:
    ForgeonProject* m_project = nullptr;
    Table* m_table = nullptr;
};
