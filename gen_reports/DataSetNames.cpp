#include "gen_reports/DataSetNames.h"

#include "platform/core/LiteralEscaping.h"

DataSetNames EscapedForXml(DataSetNames names)
{
    for (CString* text :
         {&names.projectName, &names.databaseName, &names.viewerVersion, &names.dataSetName,
          &names.tableAdapterName, &names.tableName, &names.commandType})
        *text = EscapeXml(*text);
    for (CString& column : names.columns)
        column = EscapeXml(column);
    // Element text only: the quotes of the SQL stay as they are.
    names.commandText = EscapeHtmlText(names.commandText);
    return names;
}
