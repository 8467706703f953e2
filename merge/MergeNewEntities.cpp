#include "merge/MergeNewEntities.h"

#include "entities/ApplicationReport.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardPage.h"
#include "entities/Form.h"
#include "entities/MapForm.h"
#include "entities/Menu.h"
#include "entities/MultiPageReport.h"
#include "entities/RDLCReport.h"
#include "entities/ReportCollector.h"
#include "entities/ReportField.h"
#include "entities/Transaction.h"
#include "merge/MergeDependencyCollector.h"
#include "merge/MergeReportFiles.h"
#include "merge/PointerLists.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"

MergeNewEntities::MergeNewEntities(ForgeonProject* first, ForgeonProject* second,
                                   MergeReportFiles& reportFiles)
    : m_first(first), m_second(second), m_reportFiles(reportFiles)
{
    m_reportFiles.Open(m_log, "C:\\temp\\Merge_NewEntities.txt");
}

MergeNewEntities::~MergeNewEntities()
{
    CloseLogs();
}

void MergeNewEntities::SetDependencyCollector(MergeDependencyCollector* dependencies)
{
    m_dependencies = dependencies;
}

void MergeNewEntities::SetOverwriteSet(MergeOverwriteSet* overwrite)
{
    m_overwrite = overwrite;
}

void MergeNewEntities::Collect()
{
    Module* source = m_dependencies->GetSelectedModule();
    if (source != nullptr)
    {
        const CString name = source->GetName();
        // Module names match as Rename Module compares them.
        Module* target = m_first->FindModuleNamedAlike(name);
        if (target == nullptr)
        {
            // Added to the first project by the engine once the merge phases are done.
            target = m_created.Make<Module>(name);
            m_log.Write(0, "MODULE : %s\n", name);
        }
        m_modules.try_emplace(source, target);
        CollectModules(target, source);
    }
    CloseLogs();
}

void MergeNewEntities::CollectModules(Module* target, Module* source)
{
    const MergeNewContext context{m_dependencies, m_overwrite,    m_first,
                                  m_second,       &m_reportFiles, &m_created};
    m_proj = std::make_unique<MergeNewProjEntities>(context);
    m_proj->CollectXSDInfos(m_first, m_second);
    m_proj->CollectRDLCInfos(m_first, m_second);
    m_pageParts = std::make_unique<MergeNewFormInterfaceEntities>(context);
    m_tables = std::make_unique<MergeNewTableEntities>(context);
    m_tables->CollectTables(target, source);
    m_classes = std::make_unique<MergeNewClassEntities>(context, *m_tables);
    m_classes->CollectClasses(target, source);
    m_procs = std::make_unique<MergeNewProcEntities>(context, *m_pageParts, *m_tables);
    m_procs->CollectDesignations(target, source);
    m_procs->CollectProcedures(target, source);
    m_forms = std::make_unique<MergeNewFormEntities>(context, *m_pageParts, *m_tables);
    m_forms->CollectMasterForms(target, source);
    m_forms->CollectTransactions(target, source);
    m_forms->CollectDashBoards(target, source);
    m_forms->CollectDashBoardPages(target, source);
    m_tempForms = std::make_unique<MergeNewTempFormEntities>(context, *m_pageParts, *m_tables);
    m_tempForms->CollectMapForms(target, source);
    m_tempForms->CollectMultiPageReports(target, source);
    m_tempForms->CollectReportCollectors(target, source);
    m_menus = std::make_unique<MergeNewMenuEntities>(context);
    m_menus->CollectMenus(target, source);
    m_reports = std::make_unique<MergeNewReportEntities>(context, *m_pageParts, *m_tables);
    m_reports->CollectReports(target, source);
    m_reports->CollectRDLCReports(target, source);
}

void MergeNewEntities::CloseLogs()
{
    // The text of every log is complete once the passes are done.
    for (MergeNewKindCollector* collector : std::initializer_list<MergeNewKindCollector*>{
             m_proj.get(), m_pageParts.get(), m_tables.get(), m_classes.get(), m_procs.get(),
             m_forms.get(), m_tempForms.get(), m_menus.get(), m_reports.get()})
        if (collector != nullptr)
            collector->CloseLog();
    m_reportFiles.Close(m_log);
}

Module* MergeNewEntities::GetSourceModuleAt(int index) const
{
    return KeyAt(m_modules, index);
}

Module* MergeNewEntities::GetTargetModule(Module* source) const
{
    return ValueOf(m_modules, source);
}

namespace
{
// A query of a kind collector that Collect has not made yet answers as an empty map.
template <class Collector, class Map>
const Map* MapOf(const std::unique_ptr<Collector>& collector, Map& (Collector::*map)())
{
    return collector != nullptr ? &((*collector).*map)() : nullptr;
}

template <class T> int CountOf(const MergeNewMap<T>* map)
{
    return map != nullptr ? static_cast<int>(map->size()) : 0;
}

template <class T> T* KeyOf(const MergeNewMap<T>* map, int index)
{
    return map != nullptr ? KeyAt(*map, index) : nullptr;
}

template <class T> T* PlainLookup(const MergeNewMap<T>* map, T* key)
{
    return map != nullptr ? ValueOf(*map, key) : nullptr;
}

template <class T> T* TwoWayLookup(const MergeNewMap<T>* map, T* entity)
{
    return map != nullptr ? LookBothWays(*map, entity) : nullptr;
}
} // namespace

int MergeNewEntities::GetTableCount() const
{
    return CountOf(MapOf(m_tables, &MergeNewTableEntities::GetTableMap));
}

Table* MergeNewEntities::GetTableAt(int index) const
{
    return KeyOf(MapOf(m_tables, &MergeNewTableEntities::GetTableMap), index);
}

Table* MergeNewEntities::GetTableCounterpart(Table* table) const
{
    return TwoWayLookup(MapOf(m_tables, &MergeNewTableEntities::GetTableMap), table);
}

int MergeNewEntities::GetClassCount() const
{
    return CountOf(MapOf(m_classes, &MergeNewClassEntities::GetClassMap));
}

Class* MergeNewEntities::GetClassAt(int index) const
{
    return KeyOf(MapOf(m_classes, &MergeNewClassEntities::GetClassMap), index);
}

Class* MergeNewEntities::GetClassCounterpart(Class* dataClass) const
{
    return TwoWayLookup(MapOf(m_classes, &MergeNewClassEntities::GetClassMap), dataClass);
}

Function* MergeNewEntities::GetFunctionCounterpart(Function* function) const
{
    return TwoWayLookup(MapOf(m_classes, &MergeNewClassEntities::GetFunctionMap), function);
}

Parameter* MergeNewEntities::GetParameterCounterpart(Parameter* parameter) const
{
    return TwoWayLookup(MapOf(m_classes, &MergeNewClassEntities::GetParameterMap), parameter);
}

int MergeNewEntities::GetDesignationCount() const
{
    return CountOf(MapOf(m_procs, &MergeNewProcEntities::GetDesignationMap));
}

Designation* MergeNewEntities::GetDesignationAt(int index) const
{
    return KeyOf(MapOf(m_procs, &MergeNewProcEntities::GetDesignationMap), index);
}

Designation* MergeNewEntities::GetDesignationCounterpart(Designation* designation) const
{
    return TwoWayLookup(MapOf(m_procs, &MergeNewProcEntities::GetDesignationMap), designation);
}

Procedure* MergeNewEntities::GetProcedureCounterpart(Procedure* procedure) const
{
    return TwoWayLookup(MapOf(m_procs, &MergeNewProcEntities::GetProcedureMap), procedure);
}

Variable* MergeNewEntities::GetVariableCounterpart(Variable* variable) const
{
    return TwoWayLookup(MapOf(m_pageParts, &MergeNewFormInterfaceEntities::GetVariableMap),
                        variable);
}

DerivedField* MergeNewEntities::GetDerivedFieldCounterpart(DerivedField* derivedField) const
{
    return TwoWayLookup(MapOf(m_pageParts, &MergeNewFormInterfaceEntities::GetDerivedFieldMap),
                        derivedField);
}

AspFile* MergeNewEntities::GetPageFileCounterpart(AspFile* file) const
{
    return PlainLookup(MapOf(m_pageParts, &MergeNewFormInterfaceEntities::GetPageFileMap), file);
}

FieldRep* MergeNewEntities::GetControlCounterpart(FieldRep* control) const
{
    return PlainLookup(MapOf(m_pageParts, &MergeNewFormInterfaceEntities::GetControlMap), control);
}

LinkControl* MergeNewEntities::GetLinkControlCounterpart(LinkControl* link) const
{
    return PlainLookup(MapOf(m_pageParts, &MergeNewFormInterfaceEntities::GetLinkControlMap), link);
}

int MergeNewEntities::GetMasterFormCount() const
{
    return CountOf(MapOf(m_forms, &MergeNewFormEntities::GetMasterFormMap));
}

Form* MergeNewEntities::GetMasterFormAt(int index) const
{
    return KeyOf(MapOf(m_forms, &MergeNewFormEntities::GetMasterFormMap), index);
}

Form* MergeNewEntities::GetMasterFormCounterpart(Form* form) const
{
    return PlainLookup(MapOf(m_forms, &MergeNewFormEntities::GetMasterFormMap), form);
}

int MergeNewEntities::GetTransactionCount() const
{
    return CountOf(MapOf(m_forms, &MergeNewFormEntities::GetTransactionMap));
}

Transaction* MergeNewEntities::GetTransactionAt(int index) const
{
    return KeyOf(MapOf(m_forms, &MergeNewFormEntities::GetTransactionMap), index);
}

Transaction* MergeNewEntities::GetTransactionCounterpart(Transaction* transaction) const
{
    return PlainLookup(MapOf(m_forms, &MergeNewFormEntities::GetTransactionMap), transaction);
}

int MergeNewEntities::GetDashBoardCount() const
{
    return CountOf(MapOf(m_forms, &MergeNewFormEntities::GetDashBoardMap));
}

DashBoard* MergeNewEntities::GetDashBoardAt(int index) const
{
    return KeyOf(MapOf(m_forms, &MergeNewFormEntities::GetDashBoardMap), index);
}

DashBoard* MergeNewEntities::GetDashBoardCounterpart(DashBoard* dashBoard) const
{
    return PlainLookup(MapOf(m_forms, &MergeNewFormEntities::GetDashBoardMap), dashBoard);
}

int MergeNewEntities::GetDashBoardPageCount() const
{
    return CountOf(MapOf(m_forms, &MergeNewFormEntities::GetDashBoardPageMap));
}

DashBoardPage* MergeNewEntities::GetDashBoardPageAt(int index) const
{
    return KeyOf(MapOf(m_forms, &MergeNewFormEntities::GetDashBoardPageMap), index);
}

DashBoardPage* MergeNewEntities::GetDashBoardPageCounterpart(DashBoardPage* page) const
{
    return PlainLookup(MapOf(m_forms, &MergeNewFormEntities::GetDashBoardPageMap), page);
}

MapForm* MergeNewEntities::GetMapFormCounterpart(MapForm* mapForm) const
{
    return PlainLookup(MapOf(m_tempForms, &MergeNewTempFormEntities::GetMapFormMap), mapForm);
}

MultiPageReport* MergeNewEntities::GetMultiPageReportCounterpart(MultiPageReport* report) const
{
    return PlainLookup(MapOf(m_tempForms, &MergeNewTempFormEntities::GetMultiPageReportMap),
                       report);
}

ReportCollector* MergeNewEntities::GetReportCollectorCounterpart(ReportCollector* collector) const
{
    return PlainLookup(MapOf(m_tempForms, &MergeNewTempFormEntities::GetReportCollectorMap),
                       collector);
}

int MergeNewEntities::GetReportCount() const
{
    return CountOf(MapOf(m_reports, &MergeNewReportEntities::GetReportMap));
}

ApplicationReport* MergeNewEntities::GetReportAt(int index) const
{
    return KeyOf(MapOf(m_reports, &MergeNewReportEntities::GetReportMap), index);
}

ApplicationReport* MergeNewEntities::GetReportCounterpart(ApplicationReport* report) const
{
    return PlainLookup(MapOf(m_reports, &MergeNewReportEntities::GetReportMap), report);
}

int MergeNewEntities::GetRDLCReportCount() const
{
    return CountOf(MapOf(m_reports, &MergeNewReportEntities::GetRDLCReportMap));
}

RDLCReport* MergeNewEntities::GetRDLCReportAt(int index) const
{
    return KeyOf(MapOf(m_reports, &MergeNewReportEntities::GetRDLCReportMap), index);
}

RDLCReport* MergeNewEntities::GetRDLCReportCounterpart(RDLCReport* report) const
{
    return PlainLookup(MapOf(m_reports, &MergeNewReportEntities::GetRDLCReportMap), report);
}

ReportField* MergeNewEntities::GetReportFieldCounterpart(ReportField* column) const
{
    return PlainLookup(MapOf(m_reports, &MergeNewReportEntities::GetReportFieldMap), column);
}

int MergeNewEntities::GetMenuCount() const
{
    return CountOf(MapOf(m_menus, &MergeNewMenuEntities::GetMenuMap));
}

Menu* MergeNewEntities::GetMenuAt(int index) const
{
    return KeyOf(MapOf(m_menus, &MergeNewMenuEntities::GetMenuMap), index);
}

Menu* MergeNewEntities::GetMenuCounterpart(Menu* menu) const
{
    return PlainLookup(MapOf(m_menus, &MergeNewMenuEntities::GetMenuMap), menu);
}

int MergeNewEntities::GetXSDInfoCount() const
{
    return CountOf(MapOf(m_proj, &MergeNewProjEntities::GetXSDInfoMap));
}

XSDInfo* MergeNewEntities::GetXSDInfoAt(int index) const
{
    return KeyOf(MapOf(m_proj, &MergeNewProjEntities::GetXSDInfoMap), index);
}

XSDInfo* MergeNewEntities::GetXSDInfoCounterpart(XSDInfo* info) const
{
    return PlainLookup(MapOf(m_proj, &MergeNewProjEntities::GetXSDInfoMap), info);
}

int MergeNewEntities::GetRDLCInfoCount() const
{
    return CountOf(MapOf(m_proj, &MergeNewProjEntities::GetRDLCInfoMap));
}

RDLCInfo* MergeNewEntities::GetRDLCInfoAt(int index) const
{
    return KeyOf(MapOf(m_proj, &MergeNewProjEntities::GetRDLCInfoMap), index);
}

RDLCInfo* MergeNewEntities::GetRDLCInfoCounterpart(RDLCInfo* info) const
{
    return PlainLookup(MapOf(m_proj, &MergeNewProjEntities::GetRDLCInfoMap), info);
}

Field* MergeNewEntities::FindFieldKey(Field* field) const
{
    const MergeNewMap<Field>* map = MapOf(m_tables, &MergeNewTableEntities::GetFieldMap);
    return map != nullptr && map->contains(field) ? field : nullptr;
}

Field* MergeNewEntities::GetFieldCounterpart(Field* field) const
{
    return TwoWayLookup(MapOf(m_tables, &MergeNewTableEntities::GetFieldMap), field);
}

FormInterface* MergeNewEntities::GetPageCounterpart(FormInterface* page) const
{
    FormInterface* found = nullptr;
    if (auto* form = dynamic_cast<Form*>(page))
        found = GetMasterFormCounterpart(form);
    if (auto* mapForm = dynamic_cast<MapForm*>(page); found == nullptr && mapForm != nullptr)
        found = GetMapFormCounterpart(mapForm);
    if (auto* transaction = dynamic_cast<Transaction*>(page);
        found == nullptr && transaction != nullptr)
        found = GetTransactionCounterpart(transaction);
    if (auto* report = dynamic_cast<ApplicationReport*>(page);
        found == nullptr && report != nullptr)
        found = GetReportCounterpart(report);
    if (auto* dashBoard = dynamic_cast<DashBoard*>(page); found == nullptr && dashBoard != nullptr)
        found = GetDashBoardCounterpart(dashBoard);
    if (auto* dashBoardPage = dynamic_cast<DashBoardPage*>(page);
        found == nullptr && dashBoardPage != nullptr)
        found = GetDashBoardPageCounterpart(dashBoardPage);
    if (auto* multiPage = dynamic_cast<MultiPageReport*>(page);
        found == nullptr && multiPage != nullptr)
        found = GetMultiPageReportCounterpart(multiPage);
    if (auto* collector = dynamic_cast<ReportCollector*>(page);
        found == nullptr && collector != nullptr)
        found = GetReportCollectorCounterpart(collector);
    return found;
}

MenuInterface* MergeNewEntities::GetMenuItemCounterpart(MenuInterface* item) const
{
    if (auto* menu = dynamic_cast<Menu*>(item))
        if (Menu* counterpart = GetMenuCounterpart(menu))
            return counterpart;
    if (auto* column = dynamic_cast<ReportField*>(item))
        return GetReportFieldCounterpart(column);
    return nullptr;
}
