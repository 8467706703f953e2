#pragma once

#include "database/CatalogRecordset.h"

// The columns of one table of the catalogue, read with SQLColumns.
class SQLColumn : public CatalogRecordset
{
public:
    explicit SQLColumn(CDatabase* database = nullptr);

    void DoFieldExchange(CFieldExchange* fx) override;

    CString m_table_qualifier;
    CString m_table_owner;
    CString m_table_name;
    CString m_column_name;
    int m_data_type = 0;
    CString m_type_name;
    long m_precision = 0;
    long m_length = 0;
    int m_scale = 0;
    int m_radix = 0;
    int m_nullable = 0;

    CString m_strQualifierParam;
    CString m_strOwnerParam;
    CString m_strTableNameParam;

protected:
    RETCODE CallCatalogFunction() override;
};
