#include "merge/MergeOverwriteSet.h"
#include "merge/MergeEntityNames.h"

#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/Class.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardPage.h"
#include "entities/DerivedField.h"
#include "entities/Designation.h"
#include "entities/Form.h"
#include "entities/Function.h"
#include "entities/LinkControl.h"
#include "entities/MapForm.h"
#include "entities/Menu.h"
#include "entities/Parameter.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ReportField.h"
#include "entities/ReportGroup.h"
#include "entities/TableAdapter.h"
#include "entities/Transaction.h"
#include "entities/Variable.h"
#include "entities/XSDInfo.h"
#include "merge/MergeReportFiles.h"
#include "merge/PointerLists.h"
#include "merge/ProjectOwnObjects.h"
#include "model/Field.h"
#include "model/FieldFilter.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/RefField.h"
#include "model/Relation.h"
#include "model/Table.h"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <unordered_set>

namespace
{
// A test whether some module of the project holds an entity in the list the getter gives.
template <class T, class List> auto HeldByAnyModule(const ForgeonProject* project, List list)
{
    return [project, list](const T* entity)
    {
        return std::ranges::any_of(project->GetModules(), [entity, &list](const Module* module)
                                   { return Holds(list(*module), entity); });
    };
}

// The first page of the first project (modules in order, pages of each by GetAllPages) that
// the test accepts, or null.
template <class Test> FormInterface* FirstPage(const ForgeonProject* project, Test test)
{
    for (const Module* module : project->GetModules())
    {
        std::vector<FormInterface*> pages;
        module->GetAllPages(pages);
        for (FormInterface* page : pages)
        {
            if (test(*page))
                return page;
        }
    }
    return nullptr;
}
} // namespace

MergeOverwriteSet::MergeOverwriteSet(ForgeonProject* first, MergeReportFiles& reportFiles)
    : m_first(first), m_reportFiles(reportFiles)
{
}

void MergeOverwriteSet::OpenReport(const CString& name)
{
    m_name = name;
    m_reportFiles.Open(m_report, "C:\\temp\\Merge_OverwriteReport_" + name + ".txt");
}

void MergeOverwriteSet::ApplyDeletions()
{
    // The adapters of the records may go with their datasets before the records are removed.
    std::vector<CString> adapterNames;
    for (const TableAdapterMap& record : m_tableAdapterMaps)
        adapterNames.push_back(record.m_tableAdapter != nullptr ? record.m_tableAdapter->GetName()
                                                                : CString());
    // The first project keeps what it holds for itself.
    m_kept = FindProjectOwnObjects(*m_first);
    DeleteVariables();
    DeleteProcedureColumns();
    DeleteFunctionColumns();
    DeleteFunctionParameters();
    m_report.Write(0, "\nDELETED FIELDS: \n");
    DeleteDashBoards();
    DeletePageParts();
    DeleteProcedureDetailTables();
    DeleteFunctionTables();
    DeleteMenus();
    DeletePages();
    DeleteReportDescriptions();
    DeleteTableAdapterMaps(adapterNames);
    DeleteReports();
    DeleteLoginPage();
    DeleteDesignations();
    DeleteProcedures();
    DeleteFunctions();
    DeleteTables();
    m_reportFiles.Close(m_report);
}

bool MergeOverwriteSet::HasVariable(const Variable* variable) const
{
    return Holds(m_variables, variable);
}

bool MergeOverwriteSet::HasFunction(const Function* function) const
{
    return Holds(m_functions, function);
}

bool MergeOverwriteSet::HasFunctionParameter(const Parameter* parameter) const
{
    return Holds(m_functionParameters, parameter);
}

bool MergeOverwriteSet::HasFunctionTable(const Table* table) const
{
    return Holds(m_functionTables, table);
}

bool MergeOverwriteSet::HasFunctionColumn(const ProcedureFieldInfo* column) const
{
    return Holds(m_functionColumns, column);
}

bool MergeOverwriteSet::HasRDLCInfo(const RDLCInfo* info) const
{
    return Holds(m_rdlcInfos, info);
}

bool MergeOverwriteSet::HasXSDInfo(const XSDInfo* info) const
{
    return Holds(m_xsdInfos, info);
}

bool MergeOverwriteSet::HasTableAdapter(const TableAdapter* adapter) const
{
    return Holds(m_tableAdapters, adapter);
}

bool MergeOverwriteSet::HasDataSet(const CString& tableName) const
{
    return std::ranges::any_of(m_dataSets, [&tableName](const RDLCDataSetEntry& entry)
                               { return entry.m_tableName == tableName; });
}

void MergeOverwriteSet::WriteName(const CString& name)
{
    m_report.Write(0, "%s\n", name);
}

template <class T, class Held> bool MergeOverwriteSet::Deletes(const T* entity, Held held) const
{
    return entity != nullptr && !m_kept.Holds(entity) && held(entity);
}

template <class T, class Name, class Held, class Remove>
void MergeOverwriteSet::DeleteHeld(const char* heading, const std::vector<T*>& list, Name name,
                                   Held held, Remove remove)
{
    m_report.Write(0, heading);
    for (T* entity : list)
    {
        if (!Deletes(entity, held))
            continue;
        WriteName(name(entity));
        remove(entity);
    }
}

template <class T, class Name, class Held, class RemoveAll>
void MergeOverwriteSet::DeleteHeldTogether(const char* heading, const std::vector<T*>& list,
                                           Name name, Held held, RemoveAll removeAll)
{
    m_report.Write(0, heading);
    std::vector<T*> deleted;
    std::unordered_set<const T*> taken;
    for (T* entity : list)
    {
        // One listed twice is gone by its second turn.
        if (!Deletes(entity, held) || !taken.insert(entity).second)
            continue;
        WriteName(name(entity));
        deleted.push_back(entity);
    }
    removeAll(deleted);
}

template <class Page, class ModuleList>
void MergeOverwriteSet::DeletePageList(const char* heading, const std::vector<Page*>& list,
                                       ModuleList moduleList, bool (ForgeonProject::*remove)(Page*))
{
    DeleteHeld(
        heading, list, [](const FormInterface* page) { return page->GetFormName(); },
        HeldByAnyModule<Page>(m_first, moduleList),
        [this, remove](Page* page) { (m_first->*remove)(page); });
}

template <class Page, class ModuleList>
void MergeOverwriteSet::DeletePageList(const char* heading, const std::vector<Page*>& list,
                                       ModuleList moduleList,
                                       int (ForgeonProject::*removeAll)(const std::vector<Page*>&))
{
    DeleteHeldTogether(
        heading, list, [](const FormInterface* page) { return page->GetFormName(); },
        HeldByAnyModule<Page>(m_first, moduleList),
        [this, removeAll](const std::vector<Page*>& pages) { (m_first->*removeAll)(pages); });
}

bool MergeOverwriteSet::RemoveVariable(Variable* variable)
{
    if (FormInterface* page =
            FirstPage(m_first, [variable](const FormInterface& candidate)
                      { return candidate.FindFieldVariableMapByVariable(variable) != nullptr; }))
    {
        WriteName(variable->GetFieldName());
        // The bindings, links and calls of other pages that feed it go first, unless the
        // variable is shared and outlives the map.
        if (!FormInterface::IsSharedVariableMap(page->FindFieldVariableMapByVariable(variable)))
        {
            Module::ReleaseReferences(m_first->GetModules(), {variable},
                                      AspFile::MenuMapsFor(std::array{variable}));
        }
        page->RemoveFieldVariableMapByVariable(variable);
        return true;
    }
    std::vector<Procedure*> procedures;
    for (const Module* module : m_first->GetModules())
        procedures.insert(procedures.end(), module->GetProcedures().begin(),
                          module->GetProcedures().end());
    for (Procedure* procedure : procedures)
    {
        FieldVariableMap parameter;
        if (!procedure->FindFieldParameterByVariable(parameter, variable))
            continue;
        WriteName(variable->GetFieldName());
        procedure->RemoveFieldParameter(parameter);
        // Filters may still compare it: it is freed with the project.
        if (procedure->GetKind() != Procedure::derivedKind &&
            variable->GetKind() != Variable::sharedKind)
            m_first->AdoptUnownedObjects({variable});
        return true;
    }
    const auto usesVariable = [variable](const Procedure* procedure)
    { return procedure->HasFilterOnVariable(variable) || procedure->HasVariable(variable); };
    if (std::ranges::none_of(procedures, usesVariable))
        return false;
    WriteName(variable->GetFieldName());
    for (Procedure* procedure : procedures)
    {
        if (FieldFilter* filter = procedure->FindFieldFilterByVariable(variable))
            procedure->DeleteFieldFilter(filter);
        procedure->RemoveVariable(variable);
    }
    return true;
}

void MergeOverwriteSet::DeleteVariables()
{
    m_report.Write(0, "\nDELETED VARIABLES: \n");
    for (Variable* variable : m_variables)
    {
        if (variable != nullptr)
            RemoveVariable(variable);
    }
}

void MergeOverwriteSet::DeleteProcedureColumns()
{
    m_report.Write(0, "\nDELETED PROCEDUREINFO: \n");
    for (ProcedureFieldInfo* column : m_procedureColumns)
    {
        const auto owner =
            std::ranges::find_if(m_ownerProcedures, [column](const Procedure* item)
                                 { return item != nullptr && item->HasOutputColumn(column); });
        if (owner == m_ownerProcedures.end())
            continue;
        WriteName(ColumnDisplayName(column));
        Module::RemoveOutputColumn(m_first->GetModules(), *owner, column);
    }
}

void MergeOverwriteSet::DeleteFunctionColumns()
{
    m_report.Write(0, "\nDELETED FUNCTIONINFO: \n");
    for (ProcedureFieldInfo* column : m_functionColumns)
    {
        const auto owner = std::ranges::find_if(
            m_functions,
            [column](const Function* function)
            {
                return function != nullptr && Holds(function->GetOutputFields(),
                                                    static_cast<const ProcedureFieldInfo*>(column));
            });
        if (owner == m_functions.end())
            continue;
        WriteName(ColumnDisplayName(column));
        Module::RemoveFunctionOutputColumn(m_first->GetModules(), *owner, column);
    }
}

void MergeOverwriteSet::DeleteFunctionParameters()
{
    m_report.Write(0, "\nDELETED FUNCTION PARAMETER: \n");
    for (Parameter* parameter : m_functionParameters)
    {
        const auto owner = std::ranges::find_if(
            m_functions,
            [parameter](const Function* function)
            {
                return function != nullptr &&
                       Holds(function->GetParameters(), static_cast<const Parameter*>(parameter));
            });
        if (owner == m_functions.end())
            continue;
        WriteName(parameter->GetFieldName());
        m_first->DeleteFunctionParameter(*owner, parameter);
    }
}

void MergeOverwriteSet::DeleteDashBoards()
{
    DeletePageList(
        "\nDELETED DASHBOARDS: \n", m_dashBoards,
        [](const Module& module) -> const auto& { return module.GetDashBoards(); },
        &ForgeonProject::DeleteDashBoard);
    DeletePageList(
        "\nDELETED DASHBOARD PAGES: \n", m_dashBoardPages,
        [](const Module& module) -> const auto& { return module.GetDashBoardPages(); },
        &ForgeonProject::DeleteDashBoardPage);
}

void MergeOverwriteSet::DeletePageParts()
{
    m_report.Write(0, "\nDELETED Enitities of FormInterface: \n");
    DeleteFieldParts(
        "\nDELETED DERIVED FIELDS: \n", m_derivedFields,
        [](const FormInterface& page) -> const auto& { return page.GetDerivedFields(); },
        [](FormInterface& page, DerivedField* part) { page.RemoveDerivedField(part); });
    DeleteFieldParts(
        "\nDELETED REFERENCE FIELDS: \n", m_refFields,
        [](const FormInterface& page) -> const auto& { return page.GetRefFields(); },
        [](FormInterface& page, RefField* part) { page.RemoveRefField(part); });
    DeleteReportFields();
    DeleteLinkControls();
}

template <class Part, class Parts, class Remove>
void MergeOverwriteSet::DeleteFieldParts(const char* heading, const std::vector<Part*>& list,
                                         Parts parts, Remove remove)
{
    m_report.Write(0, heading);
    for (Part* part : list)
    {
        const Part* held = part;
        FormInterface* page =
            part == nullptr ? nullptr
                            : FirstPage(m_first, [held, &parts](const FormInterface& candidate)
                                        { return Holds(parts(candidate), held); });
        if (page == nullptr)
            continue;
        const Field* field = part->GetField();
        WriteName(field != nullptr ? field->GetFieldName() : CString());
        remove(*page, part);
    }
}

void MergeOverwriteSet::DeleteReportFields()
{
    m_report.Write(0, "\nDELETED REPORT FIELDS: \n");
    for (ReportField* reportField : m_reportFields)
    {
        ReportGroup* owner = nullptr;
        for (const Module* module : m_first->GetModules())
        {
            for (const ApplicationReport* report : module->GetReports())
            {
                for (ReportGroup* group : report->GetReportGroups())
                {
                    if (owner == nullptr && Holds(group->GetReportFields(),
                                                  static_cast<const ReportField*>(reportField)))
                        owner = group;
                }
            }
        }
        if (owner == nullptr)
            continue;
        WriteName(reportField->GetName());
        owner->RemoveReportField(reportField);
    }
}

void MergeOverwriteSet::DeleteLinkControls()
{
    m_report.Write(0, "\nDELETED LINK CONTROLS: \n");
    for (LinkControl* link : m_linkControls)
    {
        if (link == nullptr)
            continue;
        const LinkControl* held = link;
        if (FormInterface* page = FirstPage(m_first, [held](const FormInterface& candidate)
                                            { return Holds(candidate.GetPostLinkList(), held); }))
        {
            WriteName(link->GetCaption());
            page->RemovePostLink(link);
        }
        else if (FormInterface* prePage =
                     FirstPage(m_first, [held](const FormInterface& candidate)
                               { return Holds(candidate.GetPreLinkList(), held); }))
        {
            WriteName(link->GetCaption());
            prePage->RemovePreLink(link);
        }
        else
            continue;
        // The page owned it.
        delete link;
    }
}

void MergeOverwriteSet::DeleteProcedureDetailTables()
{
    m_report.Write(0, "\nDELETED PROC DETAIL TABLE: \n");
    for (Table* table : m_procedureDetailTables)
    {
        const auto owner =
            std::ranges::find_if(m_ownerProcedures, [table](const Procedure* item)
                                 { return item != nullptr && item->FindTable(table) != nullptr; });
        if (owner == m_ownerProcedures.end())
            continue;
        Procedure* procedure = *owner;
        WriteName(table->GetTableName());
        const std::vector<Relation*>& relations = procedure->GetRelations();
        const auto relation = std::ranges::find_if(relations, [table](const Relation* item)
                                                   { return item->InvolvesTable(table); });
        if (relation != relations.end())
            procedure->RemoveRelationAt(static_cast<int>(relation - relations.begin()));
        Module::RemoveOutputColumnsOfTable(m_first->GetModules(), procedure, table);
        procedure->RemoveTable(table);
    }
}

void MergeOverwriteSet::DeleteFunctionTables()
{
    m_report.Write(0, "\nDELETED FUNC DEPENDENT TABLE: \n");
    for (Table* table : m_functionTables)
    {
        const auto owner =
            std::ranges::find_if(m_functions, [table](const Function* function)
                                 { return function != nullptr && function->UsesTable(table); });
        if (owner == m_functions.end())
            continue;
        WriteName(table->GetTableName());
        Module::RemoveFunctionTable(m_first->GetModules(), *owner, table);
    }
}

template <class Held> bool MergeOverwriteSet::MoveKeptMenuItemsOut(Held held)
{
    bool moved = false;
    for (Module* module : m_first->GetModules())
    {
        std::vector<Menu*> menus;
        module->CollectMenus(menus, nullptr);
        for (Menu* item : menus)
        {
            if (!Holds(m_kept.dashBoardMenus, item))
                continue;
            // The topmost menu deleted above the item, and the one above that, which stays.
            Menu* deleted = nullptr;
            Menu* staying = nullptr;
            std::unordered_set<const Menu*> met{item};
            for (Menu* above = item->GetParent(); above != nullptr && met.insert(above).second;
                 above = above->GetParent())
            {
                if (Holds(m_menus, above) && Deletes(above, held))
                {
                    deleted = above;
                    staying = nullptr;
                }
                else if (deleted != nullptr && staying == nullptr)
                    staying = above;
            }
            if (deleted == nullptr)
                continue;
            item->GetParent()->RemoveSubMenu(item);
            if (staying != nullptr)
                staying->AddSubMenu(item);
            else
                module->AddMenu(item);
            moved = true;
        }
    }
    return moved;
}

void MergeOverwriteSet::DeleteMenus()
{
    const auto held = HeldByAnyModule<Menu>(m_first,
                                            [](const Module& module)
                                            {
                                                std::vector<Menu*> menus;
                                                module.CollectMenus(menus, nullptr);
                                                return menus;
                                            });
    const bool moved = MoveKeptMenuItemsOut(held);
    // Every menu with the module that holds it; a menu leaves with the tree of one deleted.
    std::unordered_map<const Menu*, Module*> owners;
    for (Module* module : m_first->GetModules())
    {
        std::vector<Menu*> menus;
        module->CollectMenus(menus, nullptr);
        for (const Menu* menu : menus)
            owners.emplace(menu, module);
    }
    m_report.Write(0, "\nDELETED MENUS: \n");
    Module::HeldMenus deleted;
    for (Menu* menu : m_menus)
    {
        const auto owner =
            menu != nullptr && !m_kept.Holds(menu) ? owners.find(menu) : owners.end();
        if (owner == owners.end())
            continue;
        WriteName(menu->GetName());
        deleted.emplace_back(owner->second, menu);
        std::vector<Menu*> tree{menu};
        menu->CollectSubMenus(tree, nullptr);
        for (const Menu* item : tree)
            owners.erase(item);
    }
    // In one deletion, each walk of the project made once for all of them.
    m_first->DeleteMenus(deleted);
    // The page files map the moved items as a load maps them.
    if (!moved)
        return;
    for (Module* module : m_first->GetModules())
        module->CleanUpPageFiles();
}

void MergeOverwriteSet::DeletePages()
{
    DeletePageList(
        "\nDELETED MASTERFORMS: \n", m_masterForms,
        [](const Module& module) -> const auto& { return module.GetMasterForms(); },
        &ForgeonProject::DeleteForms);
    DeletePageList(
        "\nDELETED MAPFORMS: \n", m_mapForms,
        [](const Module& module) -> const auto& { return module.GetMapForms(); },
        &ForgeonProject::DeleteMapForms);
    DeletePageList(
        "\nDELETED TRANSACTIONS: \n", m_transactions,
        [](const Module& module) -> const auto& { return module.GetTransactions(); },
        &ForgeonProject::DeleteTransactions);
}

void MergeOverwriteSet::DeleteReportDescriptions()
{
    DeleteHeldTogether(
        "\nDELETED XSDINFOS: \n", m_xsdInfos, [](const XSDInfo* info) { return info->GetName(); },
        [this](const XSDInfo* info) { return Holds(m_first->GetXSDInfos(), info); },
        [this](const std::vector<XSDInfo*>& infos) { m_first->DeleteXSDInfos(infos); });
    DeleteHeldTogether(
        "\nDELETED RDLCINFOS: \n", m_rdlcInfos,
        [](const RDLCInfo* info) { return info->GetName(); },
        [this](const RDLCInfo* info) { return Holds(m_first->GetRDLCInfos(), info); },
        [this](const std::vector<RDLCInfo*>& infos) { m_first->DeleteRDLCInfos(infos); });
}

void MergeOverwriteSet::DeleteTableAdapterMaps(const std::vector<CString>& adapterNames)
{
    m_report.Write(0, "\nDELETED RDLCTABLEADAPTERMAPS: \n");
    const auto heldReport = HeldByAnyModule<RDLCReport>(
        m_first, [](const Module& module) -> const auto& { return module.GetRDLCReports(); });
    for (std::size_t index = 0; index < m_tableAdapterMaps.size(); ++index)
    {
        const TableAdapter* adapter = m_tableAdapterMaps[index].m_tableAdapter;
        for (RDLCReport* report : m_rdlcReports)
        {
            if (report == nullptr || !heldReport(report))
                continue;
            const int held = report->FindTableAdapterMapIndex(adapter);
            if (held < 0)
                continue;
            WriteName(adapterNames[index]);
            report->RemoveTableAdapterMapAt(held);
        }
    }
}

void MergeOverwriteSet::DeleteReports()
{
    DeletePageList(
        "\nDELETED RDLCREPORTS: \n", m_rdlcReports,
        [](const Module& module) -> const auto& { return module.GetRDLCReports(); },
        &ForgeonProject::DeleteRDLCReports);
    DeletePageList(
        "\nDELETED REPORTS: \n", m_reports,
        [](const Module& module) -> const auto& { return module.GetReports(); },
        &ForgeonProject::DeleteApplicationReports);
}

void MergeOverwriteSet::DeleteLoginPage()
{
    Module* base = m_first->GetBaseModule();
    if (base != nullptr && m_name.CompareNoCase("BaseModule") == 0)
        m_first->DeleteLoginPage(base->GetLoginPage());
}

void MergeOverwriteSet::DeleteDesignations()
{
    DeleteHeld(
        "\nDELETED DESIGNATIONS: \n", m_designations,
        [](const Designation* designation) { return designation->GetName(); },
        HeldByAnyModule<Designation>(
            m_first, [](const Module& module) -> const auto& { return module.GetDesignations(); }),
        [this](Designation* designation) { m_first->DeleteDesignation(designation); });
}

void MergeOverwriteSet::DeleteProcedures()
{
    DeleteHeld(
        "\nDELETED PROCS: \n", m_procedures,
        [](const Procedure* procedure) { return procedure->GetName(); },
        HeldByAnyModule<Procedure>(
            m_first, [](const Module& module) -> const auto& { return module.GetProcedures(); }),
        [this](Procedure* procedure) { m_first->DeleteProcedure(procedure); });
}

void MergeOverwriteSet::DeleteFunctions()
{
    m_report.Write(0, "\nDELETED FUNCTIONS: \n");
    for (Function* function : m_functions)
    {
        const auto owner = std::ranges::find_if(
            m_ownerClasses,
            [function](const Class* dataClass)
            {
                return dataClass != nullptr &&
                       Holds(dataClass->GetFunctions(), static_cast<const Function*>(function));
            });
        if (owner == m_ownerClasses.end())
            continue;
        WriteName(function->GetFieldName());
        m_first->DeleteFunction(function);
    }
}

void MergeOverwriteSet::DeleteTables()
{
    DeleteHeldTogether(
        "\nDELETED TABLES: \n", m_tables, [](const Table* table) { return table->GetTableName(); },
        [this](const Table* table)
        {
            return std::ranges::any_of(m_first->GetModules(), [table](const Module* module)
                                       { return module->ContainsTable(table); });
        },
        [this](const std::vector<Table*>& tables) { m_first->DeleteTables(tables); });
}
