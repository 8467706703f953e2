#pragma once

class ApplicationReport;
class ForgeonProject;
class Form;
class MapForm;
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
    // The table's default RDLC report (RDLCCreator).
    void CreateRDLCReport();
    // Form, search report and RDLC report, in this order.
    void CreateAll();

    // The map form "<table>_form" of a map table, captioned table name + " Form", with variables
    // and controls for the fields; the fields other than the key and "Is_Deleted" go to the top
    // list, the table's last field to the bottom list. Null without a current module.
    MapForm* CreateMapForm();
    // The table's search report, given to the map form over the table.
    ApplicationReport* CreateMapReport();
    // Map form and map report.
    void CreateMapPages();

private:
    ForgeonProject* m_project = nullptr;
    Table* m_table = nullptr;
};
