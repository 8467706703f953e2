#pragma once

#include "platform/core/CString.h"

#include <vector>

// A data source or driver the driver manager knows, and the connect string that names it.
struct DataSourceEntry
{
    CString name;
    CString description;
    CString connect;
};

// The data sources (user and system), then the drivers, as the driver manager lists them.
std::vector<DataSourceEntry> ListDataSourcesAndDrivers();
