#pragma once

#include <vector>

class FormInterface;
class LinkControl;
class TextFile;

// Writes the links a page shows above its form (pre-links) or below it (post-links) as a
// table of hyperlinks, as many links a row as the page's column count for them says.
class PageLinkWriter
{
public:
    using Rows = std::vector<std::vector<LinkControl*>>;

    // Nothing when the page has no such links.
    void WriteLinkTable(bool pre, const FormInterface& page, TextFile& out, int indent);
    // The links in rows of columns links (at least one); the last row may be shorter.
    static void BuildLinkRows(Rows& rows, const FormInterface& page, bool pre, int columns);

private:
    // The target page address with the link's values as "?name=value" pairs joined by "&".
    static void WriteLinkAddress(const LinkControl& link, TextFile& out);
};
