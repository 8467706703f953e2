#pragma once

#include "platform/core/CString.h"
#include "platform/odbc/CDatabase.h"

#include <optional>
#include <vector>

class CRecordset;

// Carries the values of the current row into the bound members of a recordset: each RFX_ call
// of DoFieldExchange takes the next column.
class CFieldExchange
{
public:
    explicit CFieldExchange(const std::vector<std::optional<CString>>& row) : m_row(row) {}

    // The text of the next column; no value for NULL or past the row.
    std::optional<CString> NextColumn();

private:
    const std::vector<std::optional<CString>>& m_row;
    std::size_t m_column = 0;
};

// NULL gives an empty text and zero.
void RFX_Text(CFieldExchange* fx, const char* name, CString& value, int maxLength = 255);
void RFX_Int(CFieldExchange* fx, const char* name, int& value);
void RFX_Long(CFieldExchange* fx, const char* name, long& value);

// The rows of one query. The rows fetched so far are kept, so that MoveFirst and MoveLast work
// on a forward-only driver; the row count is the number of rows fetched.
class CRecordset
{
public:
    enum OpenType
    {
        snapshot,
        forwardOnly,
    };
    enum OpenOptions
    {
        none = 0x0,
        readOnly = 0x4,
    };
    static constexpr UINT AFX_DB_USE_DEFAULT_TYPE = 0xFFFFFFFF;

    // Without a database, Open connects through GetDefaultConnect.
    explicit CRecordset(CDatabase* database = nullptr);
    virtual ~CRecordset();
    CRecordset(const CRecordset&) = delete;
    CRecordset& operator=(const CRecordset&) = delete;

    // Runs the SQL (or GetDefaultSQL) and moves to the first row. Returns false when the
    // user cancels the choice of a data source; a failure raises CDBException.
    virtual BOOL Open(UINT openType = AFX_DB_USE_DEFAULT_TYPE, const char* sql = nullptr,
                      DWORD options = none);
    virtual void Close();
    BOOL IsOpen() const { return m_hstmt != nullptr; }

    void MoveNext();
    void MoveFirst();
    void MoveLast();
    BOOL IsEOF() const { return m_bEOF; }
    long GetRecordCount() const { return static_cast<long>(m_rows.size()); }

    virtual CString GetDefaultConnect() { return "ODBC;"; }
    virtual CString GetDefaultSQL() { return CString(); }
    virtual void DoFieldExchange(CFieldExchange* fx) = 0;
    virtual void ThrowDBException(RETCODE retCode, SQLHSTMT statement = nullptr);

    CDatabase* m_pDatabase;
    SQLHSTMT m_hstmt = nullptr;
    // The bound columns; zero binds every column of the result.
    int m_nFields = 0;

protected:
    // Connects when the recordset has no open database and allocates the statement handle;
    // false when the user cancelled.
    BOOL PrepareStatement();
    // After the statement ran: fetches the first row and moves to it.
    void CompleteOpen();
    // Raises the exception of a failing call on the statement.
    void CheckStatement(RETCODE retCode);

private:
    // Fetches one more row from the driver; false at the end.
    bool FetchRow();
    void MoveTo(std::size_t row);

    // The bound columns, or every column of the result when none are declared.
    int m_readColumns = 0;
    bool m_ownsDatabase = false;
    bool m_fetchedAll = false;
    std::vector<std::vector<std::optional<CString>>> m_rows;
    std::size_t m_current = 0;
    BOOL m_bEOF = TRUE;
};
