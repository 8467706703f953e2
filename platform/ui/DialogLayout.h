#pragma once

#include <utility>
#include <vector>

// How a template's controls are placed: nested rows and columns that Qt lays out inside the
// template's widget, so that windows and panes resize their contents. A node names a control by
// its id; several controls of one id (labels of id 0) are taken in template order. Lists, trees,
// grids, several-line edits and custom windows take the room left over, and so do the rows and
// columns that hold them.
struct DialogLayout
{
    enum class Kind
    {
        Control,      // the control, alone
        Field,        // the label just before the control in the template, then the control
        Row,          // items side by side
        Column,       // items top to bottom; fields in a run share the width of their labels
        Group,        // a group box that holds its items in a column
        Buttons,      // a bar of buttons at the right
        ButtonColumn, // a bar of buttons at the top, one under the other
        Stretch,      // empty room that grows
    };

    Kind kind = Kind::Column;
    int id = 0;
    std::vector<DialogLayout> items;
};

// The nodes, as a template writes them: Lay::Column({Lay::Field(IDC_NAME), Lay::Buttons({IDOK})}).
namespace Lay
{
inline DialogLayout Control(int id)
{
    return {DialogLayout::Kind::Control, id, {}};
}
inline DialogLayout Field(int id)
{
    return {DialogLayout::Kind::Field, id, {}};
}
inline DialogLayout Row(std::vector<DialogLayout> items)
{
    return {DialogLayout::Kind::Row, 0, std::move(items)};
}
inline DialogLayout Column(std::vector<DialogLayout> items)
{
    return {DialogLayout::Kind::Column, 0, std::move(items)};
}
inline DialogLayout Group(int id, std::vector<DialogLayout> items)
{
    return {DialogLayout::Kind::Group, id, std::move(items)};
}
DialogLayout Buttons(const std::vector<int>& ids);
DialogLayout ButtonColumn(const std::vector<int>& ids);
inline DialogLayout Stretch()
{
    return {DialogLayout::Kind::Stretch, 0, {}};
}
} // namespace Lay
