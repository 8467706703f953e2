#include "gen_classic/PageLinkWriter.h"

#include "entities/FormInterface.h"
#include "entities/LinkControl.h"
#include "entities/Variable.h"
#include "gen_classic/ClassicText.h"
#include "model/TextFile.h"
#include "platform/core/LiteralEscaping.h"

#include <algorithm>

void PageLinkWriter::BuildLinkRows(Rows& rows, const FormInterface& page, bool pre, int columns)
{
    rows.clear();
    columns = std::max(columns, 1);
    for (LinkControl* link : pre ? page.GetPreLinkList() : page.GetPostLinkList())
    {
        if (link == nullptr)
            continue;
        if (rows.empty() || rows.back().size() == static_cast<std::size_t>(columns))
            rows.emplace_back();
        rows.back().push_back(link);
    }
}

void PageLinkWriter::WriteLinkTable(bool pre, const FormInterface& page, TextFile& out, int indent)
{
    Rows rows;
    BuildLinkRows(rows, page, pre,
                  pre ? page.GetPreLinkColumnCount() : page.GetPostLinkColumnCount());
    if (rows.empty())
        return;
    out.Write(indent + 4, "<TABLE align=\"center\" width=\"98%%\" ID=\"Table1\">\n");
    for (const std::vector<LinkControl*>& row : rows)
    {
        out.Write(indent + 5, "<TR>\n");
        for (const LinkControl* link : row)
        {
            out.Write(indent + 6, "<TD align = \"%s\"> <a href = \"", link->GetAlignmentText());
            WriteLinkAddress(*link, out);
            out.Write(0, "\" class=\"Link6\"> %s </a> </TD>\n", EscapeHtmlText(link->GetCaption()));
        }
        out.Write(indent + 5, "</TR>\n");
    }
    out.Write(indent + 4, "</TABLE>\n");
}

void PageLinkWriter::WriteLinkAddress(const LinkControl& link, TextFile& out)
{
    out.Write(0, "%s", AddressPath(link.GetClassicTargetUrl()));
    bool first = true;
    for (const LinkVariableMap* map : link.GetVariableMaps())
    {
        if (map == nullptr || map->pageVariable == nullptr || map->targetVariable == nullptr)
            continue;
        out.Write(0, "%s%s=<%%=%s%%>", first ? CString("?") : CString("&"),
                  map->pageVariable->GetFieldName(),
                  UrlEncoded(VbsVariableName(*map->targetVariable)));
        first = false;
    }
    if (first)
        out.Write(0, "?");
}
