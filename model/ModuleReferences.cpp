#include "model/Module.h"

#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/FormInterface.h"
#include "entities/LinkControl.h"
#include "entities/LoginPage.h"
#include "entities/Procedure.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ProcedureTable.h"
#include "entities/ReportField.h"
#include "entities/ReportFieldControlProperty.h"
#include "entities/ReportGroup.h"
#include "entities/UniquenessProcedureTable.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ForgeonProject.h"
#include "model/ListAccess.h"
#include "model/MainFrameAccess.h"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <iterator>
#include <unordered_set>
#include <vector>

namespace
{
using Gone = std::unordered_set<const Variable*>;

void ForgetInLink(LinkControl* link, const Gone& gone)
{
    std::vector<LinkVariableMap*> stale;
    for (LinkVariableMap* map : link->GetVariableMaps())
    {
        if (map != nullptr &&
            (gone.contains(map->pageVariable) || gone.contains(map->targetVariable)))
            stale.push_back(map);
    }
    for (LinkVariableMap* map : stale)
        link->RemoveLinkVariableMap(map);
}

void ForgetInControl(const FieldRep* control, const Gone& gone)
{
    if (control == nullptr || control->GetFieldRepData() == nullptr)
        return;
    for (LinkControl* link : control->GetFieldRepData()->GetLinkControls())
        ForgetInLink(link, gone);
}

// An entry of the call stays, unmapped.
void ForgetInCall(ProcedureInvokation* call, const Gone& gone)
{
    if (call == nullptr)
        return;
    const std::vector<VariablePair*>& pairs = call->GetVariablePairs();
    for (std::size_t index = 0; index < pairs.size(); ++index)
    {
        if (pairs[index] != nullptr && gone.contains(pairs[index]->second))
            call->SetVariablePairAt(static_cast<int>(index), nullptr);
    }
}

void ForgetInMenuMaps(AspFile* file, const Gone& gone, bool top)
{
    for (int index = 0;; ++index)
    {
        MenuVariableMap* map =
            top ? file->GetTopMenuVariableMapAt(index) : file->GetLeftMenuVariableMapAt(index);
        if (map == nullptr)
            return;
        std::erase_if(map->m_variablePairs, [&gone](const MenuVariableMap::VariablePair& pair)
                      { return gone.contains(pair.first) || gone.contains(pair.second); });
    }
}

void ForgetInPage(FormInterface* page, const Gone& gone)
{
    for (AspFile* file : page->GetAspFiles())
    {
        ForgetInMenuMaps(file, gone, true);
        ForgetInMenuMaps(file, gone, false);
    }
    for (const FieldRep* control : page->GetFieldReps())
        ForgetInControl(control, gone);
    std::vector<LinkControl*> preLinks;
    std::vector<LinkControl*> postLinks;
    page->GetPreLinks(preLinks);
    page->GetPostLinks(postLinks);
    for (LinkControl* link : preLinks)
        ForgetInLink(link, gone);
    for (LinkControl* link : postLinks)
        ForgetInLink(link, gone);
    ForgetInCall(page->GetProcedureCall(), gone);
    for (const ProcedureTable* entry : page->GetProcedureTables())
        ForgetInCall(entry->GetInvocation(), gone);
    for (const UniquenessProcedureTable* entry : page->GetUniquenessProcedureTables())
        ForgetInCall(entry->GetInvocation(), gone);
}
} // namespace

void Module::RemoveVariableReferences(const std::unordered_set<const Variable*>& variables)
{
    if (variables.empty())
        return;
    std::vector<FormInterface*> pages;
    GetAllPages(pages);
    if (m_loginPage != nullptr)
        pages.push_back(m_loginPage);
    for (FormInterface* page : pages)
        ForgetInPage(page, variables);
    for (const ApplicationReport* report : m_reports)
    {
        for (const ReportGroup* group : report->GetReportGroups())
        {
            for (const FieldRep* filter : group->GetFilters())
                ForgetInControl(filter, variables);
            for (const ReportField* column : group->GetReportFields())
            {
                if (column->GetControlProperty() != nullptr)
                    ForgetInControl(column->GetControlProperty()->GetControl(), variables);
            }
        }
    }
    RemoveReportBindings(
        [&variables](const ReportFieldBinding& binding) {
            return variables.contains(binding.m_target) ||
                   variables.contains(binding.m_sourceVariable);
        });
}

void Module::RemoveReportBindings(const std::function<bool(const ReportFieldBinding&)>& stale)
{
    const auto isStale = [&stale](const ReportFieldBinding* binding) { return stale(*binding); };
    for (const ApplicationReport* report : m_reports)
    {
        for (const ReportGroup* group : report->GetReportGroups())
        {
            for (ReportField* column : group->GetReportFields())
            {
                for (int index = static_cast<int>(column->GetBindings().size()) - 1; index >= 0;
                     --index)
                {
                    if (isStale(column->GetBindings()[static_cast<std::size_t>(index)]))
                        column->RemoveBindingAt(index);
                }
                ReportFieldControlProperty* property = column->GetControlProperty();
                if (property == nullptr)
                    continue;
                std::vector<ReportFieldBinding*> bindings;
                std::ranges::copy_if(property->GetBindings(), std::back_inserter(bindings),
                                     isStale);
                for (ReportFieldBinding* binding : bindings)
                    property->RemoveBinding(binding);
            }
        }
    }
}

void Module::RemoveColumnBindings(const ProcedureFieldInfo* column)
{
    RemoveReportBindings([column](const ReportFieldBinding& binding)
                         { return binding.m_sourceColumn == column; });
}

std::vector<Module*> Module::GetReferringModules()
{
    ForgeonProject* project = MainFrameAccess::GetProject();
    if (project != nullptr && Contains(project->GetModules(), this))
        return project->GetModules();
    return {this};
}

void Module::RemoveOutputColumn(const std::vector<Module*>& modules, Procedure* procedure,
                                ProcedureFieldInfo* column)
{
    for (Module* module : modules)
        module->RemoveColumnBindings(column);
    procedure->RemoveOutputColumn(column);
}
