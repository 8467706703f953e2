#include "designers/logic/StartPage.h"

#include "model/ForgeonProject.h"
#include "model/Module.h"

#include <algorithm>
#include <utility>

const std::vector<StartButton>& StartPage::Buttons()
{
    static const std::vector<StartButton> buttons = {
        {1039, 65181, "Add master table", 324, 321, NewEntity::MasterTable, false},
        {1527, 65182, "Add master form", 335, 334, NewEntity::MasterTable, true},
        {1526, 65183, "Add transaction table", 323, 322, NewEntity::DetailTable, false},
        {1528, 65184, "Add transaction form", 337, 336, NewEntity::Transaction, false},
        {1529, 65185, "Add reports", 327, 326, NewEntity::ApplicationReport, false},
        {1530, 65186, "Add RDLC reports", 329, 328, NewEntity::RDLCReport, false},
        {1531, 65187, "Add dashboards", 339, 338, NewEntity::DashBoard, false},
        {1532, 65188, "Add dashboard page", 341, 340, NewEntity::DashBoardPage, false},
        {1533, 65189, "Add menus", 331, 330, NewEntity::Menu, false},
        {1534, 65190, "Add functions", 333, 332, NewEntity::UserFunction, false},
    };
    return buttons;
}

const std::vector<ToolTip>& StartPage::ToolTips()
{
    static const std::vector<ToolTip> tips = []
    {
        std::vector<ToolTip> table;
        for (const StartButton& button : Buttons())
            table.push_back({button.controlId, button.stringId, button.toolTip});
        return WithToolTipStrings(table);
    }();
    return tips;
}

void StartPage::Click(int controlId, const ForgeonProject* project)
{
    const auto& buttons = Buttons();
    const auto button =
        std::find_if(buttons.begin(), buttons.end(),
                     [controlId](const StartButton& each) { return each.controlId == controlId; });
    if (button == buttons.end())
        return;
    if (!button->firstForm)
    {
        m_host.EditNew(button->entity);
        return;
    }
    const Module* module = project != nullptr ? project->GetCurrentModule() : nullptr;
    if (module != nullptr && !module->GetMasterForms().empty())
        m_host.EditForm(*module->GetMasterForms().front());
}

bool StartPage::TakeToolTipSetUp()
{
    return !std::exchange(m_toolTipsSetUp, true);
}
