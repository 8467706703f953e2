#include "gen_web/DashBoardPageNames.h"

#include "entities/AspFile.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardCellInfo.h"
#include "entities/DashBoardPage.h"
#include "entities/Grid.h"
#include "entities/GridCell.h"
#include "entities/Menu.h"
#include "gen_web/PageHeaderWriter.h"

CString DashBoardPageClassName(const DashBoardPage& page)
{
    CString trimmed = page.GetFormName();
    trimmed.Trim();
    return trimmed;
}

CString DashBoardPageFileName(const DashBoardPage& page)
{
    const AspFile* file = page.GetAspFileAt(0);
    return file != nullptr ? file->GetFileName(FALSE) : CString();
}

CString DashBoardLinkText(const DashBoardCellInfo& panel)
{
    if (!panel.GetCaption().IsEmpty() || panel.GetMenu() == nullptr)
        return panel.GetCaption();
    return panel.GetMenu()->GetName();
}

CString DashBoardLinkId(const DashBoardCellInfo& panel)
{
    return PageHeaderWriter::MakeLinkControlId(DashBoardLinkText(panel));
}

std::vector<const DashBoardCellInfo*> CollectDashBoardLinks(const DashBoardPage& page)
{
    std::vector<const DashBoardCellInfo*> links;
    for (int i = 0; i < static_cast<int>(page.GetPlacements().size()); ++i)
    {
        const DashBoard* dashBoard = page.GetDashBoardAt(i);
        const Grid* grid = dashBoard != nullptr ? dashBoard->GetGrid() : nullptr;
        if (grid == nullptr)
            continue;
        for (int row = 0; row < grid->GetRowCount(); ++row)
        {
            for (int column = 0; column < grid->GetColumnCount(); ++column)
            {
                const GridCell* cell = grid->GetCellAt(row, column);
                const DashBoardCellInfo* panel =
                    cell != nullptr ? cell->GetDashBoardCellInfo() : nullptr;
                if (panel != nullptr && !panel->IsStaticText() && panel->GetMenu() != nullptr)
                    links.push_back(panel);
            }
        }
    }
    return links;
}
