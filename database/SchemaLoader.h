#pragma once

#include "platform/core/CString.h"

class DbSchema;
class SQLTable;

#include <optional>
#include <vector>

// The text of a failure after which the connection was found lost: what was lost, the driver's
// reason (lines ending in "\n") and how to connect again.
CString LostConnectionText(const CString& reason);
// The reason given when the data-source chooser gave no data source.
const char* NoDataSourceReason();

struct DatabaseLoad
{
    bool loaded = false;
    // The failure was the connection's: the caller resets its pane.
    bool connectionFailed = false;
    // The catalogue name of the first table row, for the database caption.
    CString catalogue;
    // The tables, columns and triggers left out of the schema because their names are refused
    // (RefuseReadFieldName), each named with the reason, in catalogue order.
    std::vector<CString> skipped;
};

// The message that names the skipped names of a load; empty when none was skipped.
CString SkippedNamesText(const std::vector<CString>& skipped);

// Opens the catalogue's tables (a recordset without an open database asks for a data source)
// and, unless only the connection is asked for, fills the schema with every table but
// "dtproperties", named as the catalogue gives it, with its columns and triggers; a table, column
// or trigger whose name is refused is left out (a refused table with its columns) and listed. A
// database exception is shown in a message box with the exclamation icon and leaves the schema
// empty; after a lost connection (the driver's reason of the loss given) the box says so, with that
// reason and the failure's (LostConnectionText). A chooser that gives no data source is named as
// the reason.
DatabaseLoad LoadDatabase(SQLTable& tables, DbSchema& schema, bool connectionOnly,
                          const std::optional<CString>& lostReason = std::nullopt);
