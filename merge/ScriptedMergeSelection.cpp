#include "entities/ApplicationReport.h"
#include "entities/Class.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardPage.h"
#include "entities/Form.h"
#include "entities/MapForm.h"
#include "entities/Menu.h"
#include "entities/Procedure.h"
#include "entities/RDLCReport.h"
#include "entities/Transaction.h"
#include "merge/MergeDependencyCollector.h"
#include "merge/MergeSelection.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/Table.h"

#include <stdexcept>
#include <string>
#include <utility>

ScriptedMergeSelection ScriptedMergeSelection::Cancel()
{
    ScriptedMergeSelection selection;
    selection.m_cancel = true;
    return selection;
}

ScriptedMergeSelection ScriptedMergeSelection::FullModule(const CString& module, bool overwrite)
{
    ScriptedMergeSelection selection;
    selection.m_fullModule = true;
    selection.m_module = module;
    selection.m_choice.overwrite = overwrite;
    return selection;
}

ScriptedMergeSelection ScriptedMergeSelection::Entities(const CString& module,
                                                        std::vector<Entity> entities,
                                                        bool overwrite)
{
    ScriptedMergeSelection selection;
    selection.m_module = module;
    selection.m_entities = std::move(entities);
    selection.m_choice.overwrite = overwrite;
    return selection;
}

ScriptedMergeSelection& ScriptedMergeSelection::WithNameText(const CString& nameText)
{
    m_choice.nameText = nameText;
    return *this;
}

namespace
{
template <class T> T* Required(T* entity, const CString& name)
{
    if (entity == nullptr)
        throw std::invalid_argument("no entity named " + std::string(name.GetString()) +
                                    " in the module to merge");
    return entity;
}

void Select(MergeDependencyCollector& dependencies, Module& module,
            const ScriptedMergeSelection::Entity& entity)
{
    using Kind = ScriptedMergeSelection::Kind;
    const CString& name = entity.name;
    switch (entity.kind)
    {
    case Kind::Table:
    {
        CString lookup = name;
        dependencies.GetSelectedTables().push_back(Required(module.FindTableByName(lookup), name));
        break;
    }
    case Kind::Procedure:
        dependencies.GetSelectedProcedures().push_back(
            Required(module.FindProcedureByName(name), name));
        break;
    case Kind::Report:
        dependencies.GetSelectedReports().push_back(Required(module.FindReportByName(name), name));
        break;
    case Kind::MasterForm:
        dependencies.GetSelectedMasterForms().push_back(
            Required(module.FindMasterFormByName(name), name));
        break;
    case Kind::MapForm:
        dependencies.GetSelectedMapForms().push_back(
            Required(module.FindMapFormByName(name), name));
        break;
    case Kind::Transaction:
        dependencies.GetSelectedTransactions().push_back(
            Required(module.FindTransactionByName(name), name));
        break;
    case Kind::Menu:
        dependencies.GetSelectedMenus().push_back(Required(module.FindMenuByFullName(name), name));
        break;
    case Kind::DashBoard:
        dependencies.GetSelectedDashBoards().push_back(
            Required(module.FindDashBoardByName(name), name));
        break;
    case Kind::DashBoardPage:
        dependencies.GetSelectedDashBoardPages().push_back(
            Required(module.FindDashBoardPageByName(name), name));
        break;
    case Kind::Class:
        dependencies.GetSelectedClasses().push_back(Required(module.FindClassByName(name), name));
        break;
    case Kind::RDLCReport:
        dependencies.SelectRDLCReport(Required(module.FindRDLCReportByName(name), name));
        break;
    }
}
} // namespace

std::optional<MergeChoice> ScriptedMergeSelection::Choose(ForgeonProject*, ForgeonProject* second,
                                                          MergeDependencyCollector& dependencies)
{
    ++m_chooseCount;
    if (m_cancel)
        return std::nullopt;
    Module* module = second->FindModuleByName(m_module);
    dependencies.SetSelectedModule(module);
    if (module != nullptr)
    {
        if (m_fullModule)
            dependencies.SelectFullModule();
        for (const Entity& entity : m_entities)
            Select(dependencies, *module, entity);
    }
    return m_choice;
}
