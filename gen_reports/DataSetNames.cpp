#include "gen_reports/DataSetNames.h"

#include "model/Identifiers.h"
#include "model/NameUtilities.h"
#include "platform/core/LiteralEscaping.h"

#include <functional>
#include <set>
#include <string>

namespace
{
// The base, or the base with "_" and the first number from 2 that makes it free.
CString FreeName(const CString& base, const std::function<bool(const CString&)>& free)
{
    CString name = base;
    for (int number = 2; !free(name); ++number)
        name.Format("%s_%d", base.GetString(), number);
    return name;
}
} // namespace

CString ReportDataSetName(const CString& dataSetName, const CString& tableName)
{
    return ReportName(dataSetName + "_" + tableName);
}

std::vector<CString> ReportFieldNames(const std::vector<CString>& columns)
{
    // Report names compare without case.
    std::set<std::string> taken = {FoldedName("table1"), FoldedName("txtReportHeading")};
    const auto free = [&taken](const CString& name)
    {
        return !taken.contains(FoldedName(name)) && !taken.contains(FoldedName("head_" + name)) &&
               !taken.contains(FoldedName("foot_" + name));
    };
    std::vector<CString> names;
    for (const CString& column : columns)
    {
        const CString name = FreeName(ReportName(column), free);
        for (const char* prefix : {"", "head_", "foot_"})
            taken.insert(FoldedName(prefix + name));
        names.push_back(name);
    }
    return names;
}

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

std::vector<CString> DataSetColumnParts(const std::vector<CString>& columns)
{
    std::set<std::string> taken;
    std::vector<CString> parts;
    for (const CString& column : columns)
    {
        CString base = CSharpIdentifier(column);
        if (base.Left(1) == "@")
            base = base.Mid(1);
        parts.push_back(FreeName(base, [&taken](const CString& part)
                                 { return !taken.contains(FoldedName(part)); }));
        taken.insert(FoldedName(parts.back()));
    }
    return parts;
}
