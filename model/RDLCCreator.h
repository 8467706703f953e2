#pragma once

#include "platform/core/CString.h"

class ForgeonProject;
class RDLCInfo;
class Table;
class TableAdapter;
class XSDInfo;

// Makes the default RDLC report of one table in the project's current module: a list of all
// its records with the display values of its foreign keys, read through one table adapter. It
// writes no file; Write All writes the report's files. Made on the caller's stack; it owns
// nothing after CreateReport.
class RDLCCreator
{
public:
    RDLCCreator(Table* table, ForgeonProject* project);
    RDLCCreator(const RDLCCreator&) = delete;
    RDLCCreator& operator=(const RDLCCreator&) = delete;
    virtual ~RDLCCreator() = default;

    // The report "<table>_rdlc" with its report description and data set, added with its page
    // files and menu entries. Nothing without a current module or table.
    void CreateReport();

private:
    RDLCInfo* CreateReportInfo() const;
    XSDInfo* CreateDataSet() const;
    TableAdapter* CreateTableAdapter() const;

    ForgeonProject* m_project;
    Table* m_table;
};
