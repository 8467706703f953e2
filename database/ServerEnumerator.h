#pragma once

#include "platform/core/CString.h"
#include "platform/core/Collections.h"

// The SQL Server instances that answer a browse of the SQL Server driver.
class CServerEnumerator
{
public:
    virtual ~CServerEnumerator() = default;

    // Fills m_Servers; a failure leaves it empty. Always true.
    bool EnumerateSQLServers();

    // The servers of a browse result: the names between the braces after "SERVER:Server=",
    // split at "," and trimmed, empty names left out. Nothing without the marker.
    static void ParseBrowseResult(const CString& result, CStringArray& servers);

    CStringArray m_Servers;
    int m_retCode = 0;
};
