#pragma once

#include "platform/odbc/DataSources.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ListBox.h"

#include <vector>

// "Select Data Source": the data sources and drivers the driver manager knows, and the full
// connection string, which starts as the one offered and which choosing an entry fills in.
class DataSourceDlg : public CDialog
{
public:
    static constexpr UINT IDD = 9001;
    static constexpr int IDC_SOURCES = 1001;
    static constexpr int IDC_CONNECT = 1002;

    explicit DataSourceDlg(CString offered = CString(), CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;

    const CString& GetConnect() const { return m_connect; }

    // The prompt of the ODBC layer: asks with this dialog, offering the connect string given, or
    // when that is empty the connection string of the open project's settings; false on Cancel
    // or an empty string.
    static bool Prompt(CString& connect);

private:
    void OnSourceChanged();

    std::vector<DataSourceEntry> m_entries;
    CListBox m_sources;
    CString m_connect;
};
