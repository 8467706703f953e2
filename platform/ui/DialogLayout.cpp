#include "platform/ui/DialogLayout.h"

namespace
{
DialogLayout ButtonBar(DialogLayout::Kind kind, const std::vector<int>& ids)
{
    DialogLayout bar{kind, 0, {}};
    for (const int id : ids)
        bar.items.push_back(Lay::Control(id));
    return bar;
}
} // namespace

DialogLayout Lay::Buttons(const std::vector<int>& ids)
{
    return ButtonBar(DialogLayout::Kind::Buttons, ids);
}

DialogLayout Lay::ButtonColumn(const std::vector<int>& ids)
{
    return ButtonBar(DialogLayout::Kind::ButtonColumn, ids);
}
