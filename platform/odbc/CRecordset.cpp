#include "platform/odbc/CRecordset.h"

#include <algorithm>
#include <cstdlib>

std::optional<CString> CFieldExchange::NextColumn()
{
    if (m_column >= m_row.size())
        return std::nullopt;
    return m_row[m_column++];
}

void RFX_Text(CFieldExchange* fx, const char*, CString& value, int)
{
    value = fx->NextColumn().value_or(CString());
}

void RFX_Int(CFieldExchange* fx, const char*, int& value)
{
    const std::optional<CString> text = fx->NextColumn();
    value = text ? std::atoi(text->GetString()) : 0;
}

void RFX_Long(CFieldExchange* fx, const char*, long& value)
{
    const std::optional<CString> text = fx->NextColumn();
    value = text ? std::atol(text->GetString()) : 0;
}

CRecordset::CRecordset(CDatabase* database) : m_pDatabase(database) {}

CRecordset::~CRecordset()
{
    Close();
}

BOOL CRecordset::Open(UINT, const char* sql, DWORD)
{
    if (!PrepareStatement())
        return FALSE;
    const CString text = sql != nullptr ? CString(sql) : GetDefaultSQL();
    CheckStatement(SQLExecDirect(
        m_hstmt, reinterpret_cast<SQLCHAR*>(const_cast<char*>(text.GetString())), SQL_NTS));
    CompleteOpen();
    return TRUE;
}

BOOL CRecordset::PrepareStatement()
{
    Close();
    if (m_pDatabase == nullptr)
    {
        m_pDatabase = new CDatabase;
        m_ownsDatabase = true;
    }
    if (!m_pDatabase->IsOpen() && !m_pDatabase->OpenEx(GetDefaultConnect().GetString()))
        return FALSE;
    CheckSqlReturn(SQLAllocHandle(SQL_HANDLE_STMT, m_pDatabase->m_hdbc, &m_hstmt), SQL_HANDLE_DBC,
                   m_pDatabase->m_hdbc);
    return TRUE;
}

void CRecordset::CheckStatement(RETCODE retCode)
{
    if (retCode != SQL_SUCCESS && retCode != SQL_SUCCESS_WITH_INFO)
        ThrowDBException(retCode, m_hstmt);
}

void CRecordset::ThrowDBException(RETCODE retCode, SQLHSTMT statement)
{
    if (statement != nullptr)
        throw CDBException(retCode, SQL_HANDLE_STMT, statement);
    throw CDBException(retCode, SQL_HANDLE_DBC, m_pDatabase->m_hdbc);
}

void CRecordset::CompleteOpen()
{
    SQLSMALLINT columns = 0;
    CheckStatement(SQLNumResultCols(m_hstmt, &columns));
    m_readColumns = m_nFields > 0 ? std::min<int>(m_nFields, columns) : columns;
    MoveFirst();
}

bool CRecordset::FetchRow()
{
    if (m_fetchedAll)
        return false;
    const RETCODE retCode = SQLFetch(m_hstmt);
    if (retCode == SQL_NO_DATA)
    {
        m_fetchedAll = true;
        return false;
    }
    CheckStatement(retCode);
    std::vector<std::optional<CString>> row;
    for (int column = 1; column <= m_readColumns; ++column)
        row.push_back(ReadTextColumn(m_hstmt, static_cast<SQLUSMALLINT>(column)));
    m_rows.push_back(std::move(row));
    return true;
}

void CRecordset::MoveTo(std::size_t row)
{
    m_current = row;
    m_bEOF = row >= m_rows.size();
    if (m_bEOF)
        return;
    CFieldExchange fx(m_rows[row]);
    DoFieldExchange(&fx);
}

void CRecordset::MoveNext()
{
    if (m_current + 1 >= m_rows.size())
        FetchRow();
    MoveTo(std::min(m_current + 1, m_rows.size()));
}

void CRecordset::MoveFirst()
{
    if (m_rows.empty())
        FetchRow();
    MoveTo(0);
}

void CRecordset::MoveLast()
{
    while (FetchRow())
    {
    }
    MoveTo(m_rows.empty() ? 0 : m_rows.size() - 1);
}

void CRecordset::Close()
{
    if (m_hstmt != nullptr)
    {
        SQLFreeHandle(SQL_HANDLE_STMT, m_hstmt);
        m_hstmt = nullptr;
    }
    m_rows.clear();
    m_fetchedAll = false;
    m_current = 0;
    m_bEOF = TRUE;
    if (m_ownsDatabase)
    {
        delete m_pDatabase;
        m_pDatabase = nullptr;
        m_ownsDatabase = false;
    }
}
