#pragma once

#include "designers/logic/DashBoardGrids.h"
#include "designers/logic/DashBoardHost.h"
#include "entities/DashBoard.h"
#include "entities/Grid.h"
#include "tests/editors/logic/EditorTestSupport.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <utility>
#include <vector>

// Records what a dashboard designer asks of its window and answers from a script.
class FakeDashBoardHost : public DashBoardHost
{
public:
    bool AskGridSize(int& rows, int& columns) override
    {
        calls.push_back("grid size");
        if (gridSizes.empty())
            return false;
        std::tie(rows, columns) = gridSizes.front();
        gridSizes.pop_front();
        return true;
    }
    void MoveGrid(DashBoard& page, GridCell& cell) override
    {
        calls.push_back("move grid");
        if (moveGrid)
            moveGrid(page, cell);
    }
    void EditCellContent(DashBoard& page, GridCell& cell) override
    {
        calls.push_back("cell content");
        if (editCell)
            editCell(page, cell);
    }
    bool AssignFunction(FormInterface& page, ClassInvokation& invokation) override
    {
        calls.push_back("assign function");
        return assignFunction && assignFunction(page, invokation);
    }
    Menu* SelectMenu(Menu*) override
    {
        calls.push_back("select menu");
        return chosenMenu;
    }
    void AddDashBoardItem(Module& module, DashBoard& page) override
    {
        calls.push_back("add " + module.GetName() + " " + page.GetFormName());
    }
    void AddDashBoardPageItem(Module& module, DashBoardPage&) override
    {
        calls.push_back("add page to " + module.GetName());
    }
    void Navigate(const CString& path) override { calls.push_back("navigate " + path); }

    // (rows, columns) per Add Grid dialog; none left cancels it.
    std::deque<std::pair<int, int>> gridSizes;
    std::function<void(DashBoard&, GridCell&)> moveGrid;
    std::function<void(DashBoard&, GridCell&)> editCell;
    std::function<bool(FormInterface&, ClassInvokation&)> assignFunction;
    Menu* chosenMenu = nullptr;
    std::vector<CString> calls;
};

// The controls of the list that are enabled, in the list's order.
inline std::vector<int> EnabledIds(const ControlStates& states, const std::vector<int>& ids)
{
    std::vector<int> enabled;
    std::copy_if(ids.begin(), ids.end(), std::back_inserter(enabled),
                 [&states](int id) { return states.IsEnabled(id); });
    return enabled;
}

// The rows of a list, each its cells joined by "|".
inline std::vector<std::string> RowTexts(const std::vector<ListRow>& rows)
{
    std::vector<std::string> texts;
    for (const ListRow& row : rows)
    {
        std::string text;
        for (const CString& cell : row.cells)
            text += (text.empty() ? "" : "|") + std::string(cell.GetString());
        texts.push_back(text);
    }
    return texts;
}

// The tree as text, two blanks per level; each grid's label ("Table<id>") reads "Table" and its
// place in the page's grids, depth first ("Table0" is the page grid).
inline std::string TreeText(const std::vector<TreeRow>& rows, DashBoard& page)
{
    std::vector<Grid*> grids;
    page.CollectGrids(grids);
    std::string text;
    for (const TreeRow& row : rows)
    {
        int depth = 0;
        for (int parent = row.parent; parent >= 0; parent = rows[parent].parent)
            ++depth;
        std::string label = row.label.GetString();
        for (std::size_t i = 0; i < grids.size(); ++i)
        {
            if (label == GridLabel(*grids[i]).GetString())
            {
                label = "Table" + std::to_string(i);
                break;
            }
        }
        text += std::string(2 * depth, ' ') + label + "\n";
    }
    return text;
}
