#include "gen_web/DashBoardPageNames.h"

#include "entities/DashBoardPage.h"

CString DashBoardPageClassName(const DashBoardPage& page)
{
    CString name = page.GetFormName();
    name.Trim();
    name.Replace(' ', '_');
    return name;
}
