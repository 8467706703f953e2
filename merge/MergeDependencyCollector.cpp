#include "merge/MergeDependencyCollector.h"

#include "entities/ApplicationReport.h"
#include "entities/Class.h"
#include "entities/Form.h"
#include "entities/MapForm.h"
#include "entities/Procedure.h"
#include "entities/RDLCInfo.h"
#include "entities/TableAdapter.h"
#include "entities/Transaction.h"
#include "entities/XSDInfo.h"
#include "merge/PointerLists.h"
#include "model/ForgeonProject.h"
#include "model/ListAccess.h"
#include "model/Module.h"
#include "model/Table.h"

#include <algorithm>
#include <iterator>

namespace
{
template <class T, class V> bool HasKey(const PointerMap<T, V>& map, const T* key)
{
    return map.contains(const_cast<T*>(key));
}

template <class T> void Insert(PointerMap<T, T>& map, T* key, T* value)
{
    map.emplace(key, value);
}

template <class T> void RemoveAt(PointerMap<T, T>& map, int position)
{
    if (position < 0 || position >= static_cast<int>(map.size()))
        return;
    map.erase(std::next(map.begin(), position));
}

// Some module of the project answers the lookup with an entity.
template <class Lookup> bool AnyModuleFinds(const ForgeonProject* project, Lookup lookup)
{
    return std::ranges::any_of(project->GetModules(), [&lookup](const Module* module)
                               { return lookup(*module) != nullptr; });
}
} // namespace

MergeDependencyCollector::MergeDependencyCollector(ForgeonProject* first, ForgeonProject* second)
    : m_first(first), m_second(second)
{
}

bool MergeDependencyCollector::IsTableSelected(const Table* table) const
{
    return Holds(m_selectedTables, table);
}

bool MergeDependencyCollector::IsProcedureSelected(const Procedure* procedure) const
{
    return Holds(m_selectedProcedures, procedure);
}

bool MergeDependencyCollector::IsReportSelected(const ApplicationReport* report) const
{
    return Holds(m_selectedReports, report);
}

bool MergeDependencyCollector::IsMasterFormSelected(const Form* form) const
{
    return Holds(m_selectedMasterForms, form);
}

bool MergeDependencyCollector::IsMapFormSelected(const MapForm* mapForm) const
{
    return Holds(m_selectedMapForms, mapForm);
}

bool MergeDependencyCollector::IsTransactionSelected(const Transaction* transaction) const
{
    return Holds(m_selectedTransactions, transaction);
}

bool MergeDependencyCollector::IsMenuSelected(const Menu* menu) const
{
    return Holds(m_selectedMenus, menu);
}

bool MergeDependencyCollector::IsDashBoardSelected(const DashBoard* dashBoard) const
{
    return Holds(m_selectedDashBoards, dashBoard);
}

bool MergeDependencyCollector::IsDashBoardPageSelected(const DashBoardPage* page) const
{
    return Holds(m_selectedDashBoardPages, page);
}

bool MergeDependencyCollector::IsClassSelected(const Class* dataClass) const
{
    return Holds(m_selectedClasses, dataClass);
}

bool MergeDependencyCollector::IsFunctionSelected(const Function* function) const
{
    return Holds(m_selectedFunctions, function);
}

bool MergeDependencyCollector::IsRDLCReportSelected(const RDLCReport* report) const
{
    return Holds(m_selectedRDLCReports, report);
}

bool MergeDependencyCollector::IsRDLCInfoSelected(const RDLCInfo* info) const
{
    return Holds(m_selectedRDLCInfos, info);
}

bool MergeDependencyCollector::IsTableAdapterSelected(const TableAdapter* adapter) const
{
    return Holds(m_selectedTableAdapters, adapter);
}

bool MergeDependencyCollector::IsXSDInfoSelected(const XSDInfo* info) const
{
    return Holds(m_selectedXSDInfos, info);
}

void MergeDependencyCollector::RemoveSelectedTable(const Table* table)
{
    RemoveFirst(m_selectedTables, table);
}

void MergeDependencyCollector::RemoveSelectedClass(const Class* dataClass)
{
    RemoveFirst(m_selectedClasses, dataClass);
}

void MergeDependencyCollector::RemoveSelectedReport(const ApplicationReport* report)
{
    RemoveFirst(m_selectedReports, report);
}

void MergeDependencyCollector::RemoveSelectedMasterForm(const Form* form)
{
    RemoveFirst(m_selectedMasterForms, form);
}

void MergeDependencyCollector::RemoveSelectedTransaction(const Transaction* transaction)
{
    RemoveFirst(m_selectedTransactions, transaction);
}

void MergeDependencyCollector::RemoveSelectedDashBoard(const DashBoard* dashBoard)
{
    RemoveFirst(m_selectedDashBoards, dashBoard);
}

void MergeDependencyCollector::RemoveSelectedDashBoardPage(const DashBoardPage* page)
{
    RemoveFirst(m_selectedDashBoardPages, page);
}

void MergeDependencyCollector::RemoveSelectedRDLCReport(const RDLCReport* report)
{
    RemoveFirst(m_selectedRDLCReports, report);
}

void MergeDependencyCollector::ClearSelection()
{
    m_selectedTables.clear();
    m_selectedProcedures.clear();
    m_selectedReports.clear();
    m_selectedMasterForms.clear();
    m_selectedMapForms.clear();
    m_selectedTransactions.clear();
    m_selectedMenus.clear();
    m_selectedDashBoards.clear();
    m_selectedDashBoardPages.clear();
    m_selectedClasses.clear();
    m_selectedFunctions.clear();
    m_selectedRDLCReports.clear();
    m_selectedRDLCInfos.clear();
    m_selectedTableAdapters.clear();
    m_selectedXSDInfos.clear();
}

void MergeDependencyCollector::ClearNeeded()
{
    m_neededTables.clear();
    m_neededProcedures.clear();
    m_neededReports.clear();
}

bool MergeDependencyCollector::IsTableNeeded(const Table* table) const
{
    return Holds(m_neededTables, table);
}

bool MergeDependencyCollector::IsReportNeeded(const ApplicationReport* report) const
{
    return Holds(m_neededReports, report);
}

bool MergeDependencyCollector::IsFunctionNeeded(const Function* function) const
{
    return Holds(m_neededFunctions, function);
}

bool MergeDependencyCollector::IsRDLCInfoNeeded(const RDLCInfo* info) const
{
    return Holds(m_neededRDLCInfos, info);
}

bool MergeDependencyCollector::IsTableAdapterNeeded(const TableAdapter* adapter) const
{
    return Holds(m_neededTableAdapters, adapter);
}

bool MergeDependencyCollector::IsXSDInfoNeeded(const XSDInfo* info) const
{
    return Holds(m_neededXSDInfos, info);
}

bool MergeDependencyCollector::FirstProjectHasTable(const CString& name) const
{
    return AnyModuleFinds(m_first,
                          [&name](const Module& module)
                          {
                              CString lowered = name;
                              return module.FindTableByName(lowered);
                          });
}

bool MergeDependencyCollector::FirstProjectHasProcedure(const CString& name) const
{
    return AnyModuleFinds(m_first, [&name](const Module& module)
                          { return module.FindProcedureByNameNoCase(name); });
}

bool MergeDependencyCollector::FirstProjectHasReport(const CString& name) const
{
    return AnyModuleFinds(m_first,
                          [&name](const Module& module) { return module.FindReportByName(name); });
}

bool MergeDependencyCollector::FirstProjectHasMasterForm(const CString& name) const
{
    return AnyModuleFinds(m_first, [&name](const Module& module)
                          { return module.FindMasterFormByName(name); });
}

bool MergeDependencyCollector::FirstProjectHasMapForm(const CString& name) const
{
    return AnyModuleFinds(m_first,
                          [&name](const Module& module) { return module.FindMapFormByName(name); });
}

bool MergeDependencyCollector::FirstProjectHasTransaction(const CString& name) const
{
    return AnyModuleFinds(m_first, [&name](const Module& module)
                          { return module.FindTransactionByName(name); });
}

bool MergeDependencyCollector::FirstProjectHasFunction(const CString& name) const
{
    return AnyModuleFinds(m_first,
                          [&name](const Module& module)
                          {
                              return FindFirst(module.GetClasses(), [&name](const Class* dataClass)
                                               { return dataClass->FindFunctionByName(name); });
                          });
}

bool MergeDependencyCollector::FirstProjectHasRDLCInfo(const CString& name) const
{
    return std::ranges::any_of(m_first->GetRDLCInfos(),
                               [&name](const RDLCInfo* info) { return info->GetName() == name; });
}

bool MergeDependencyCollector::FirstProjectHasTableAdapter(const CString& name) const
{
    return std::ranges::any_of(m_first->GetXSDInfos(), [&name](const XSDInfo* info)
                               { return info->FindTableAdapter(name) != nullptr; });
}

bool MergeDependencyCollector::FirstProjectHasXSDInfo(const CString& name) const
{
    return std::ranges::any_of(m_first->GetXSDInfos(),
                               [&name](const XSDInfo* info) { return info->GetName() == name; });
}

void MergeDependencyCollector::MapTable(Table* key, Table* value)
{
    Insert(m_tableMap, key, value);
}

void MergeDependencyCollector::MapProcedure(Procedure* key, Procedure* value)
{
    Insert(m_procedureMap, key, value);
}

void MergeDependencyCollector::MapReport(ApplicationReport* key, ApplicationReport* value)
{
    Insert(m_reportMap, key, value);
}

void MergeDependencyCollector::MapField(Field* key, Field* value)
{
    Insert(m_fieldMap, key, value);
}

bool MergeDependencyCollector::IsTableMapped(const Table* table) const
{
    return HasKey(m_tableMap, table);
}

bool MergeDependencyCollector::IsReportMapped(const ApplicationReport* report) const
{
    return HasKey(m_reportMap, report);
}

bool MergeDependencyCollector::IsClassMapped(const Class* dataClass) const
{
    return HasKey(m_classMap, dataClass);
}

bool MergeDependencyCollector::IsFieldMapped(const Field* field) const
{
    return HasKey(m_fieldMap, field);
}

bool MergeDependencyCollector::IsFunctionMapped(const Function* function) const
{
    return HasKey(m_functionMap, function);
}

bool MergeDependencyCollector::IsRDLCInfoMapped(const RDLCInfo* info) const
{
    return HasKey(m_rdlcInfoMap, info);
}

bool MergeDependencyCollector::IsTableAdapterMapped(const TableAdapter* adapter) const
{
    return HasKey(m_tableAdapterMap, adapter);
}

bool MergeDependencyCollector::IsXSDInfoMapped(const XSDInfo* info) const
{
    return HasKey(m_xsdInfoMap, info);
}

Table* MergeDependencyCollector::GetMappedTable(Table* table) const
{
    return LookBothWays(m_tableMap, table);
}

Field* MergeDependencyCollector::GetMappedField(Field* field) const
{
    return LookBothWays(m_fieldMap, field);
}

ApplicationReport* MergeDependencyCollector::GetMappedReport(ApplicationReport* report) const
{
    return ValueOf(m_reportMap, report);
}

void MergeDependencyCollector::RemoveTableMapAt(int position)
{
    RemoveAt(m_tableMap, position);
}

void MergeDependencyCollector::RemoveProcedureMapAt(int position)
{
    RemoveAt(m_procedureMap, position);
}

void MergeDependencyCollector::RemoveReportMapAt(int position)
{
    RemoveAt(m_reportMap, position);
}

void MergeDependencyCollector::RemoveMasterFormMapAt(int position)
{
    RemoveAt(m_masterFormMap, position);
}

void MergeDependencyCollector::RemoveMapFormMapAt(int position)
{
    RemoveAt(m_mapFormMap, position);
}

void MergeDependencyCollector::RemoveTransactionMapAt(int position)
{
    RemoveAt(m_transactionMap, position);
}

bool MergeDependencyCollector::IsPageAvailable(FormInterface* page) const
{
    if (const auto* form = dynamic_cast<const Form*>(page))
        return IsMasterFormSelected(form) || FirstProjectHasMasterForm(form->GetFormName());
    if (const auto* mapForm = dynamic_cast<const MapForm*>(page))
        return IsMapFormSelected(mapForm) || FirstProjectHasMapForm(mapForm->GetFormName());
    if (const auto* transaction = dynamic_cast<const Transaction*>(page))
        return IsTransactionSelected(transaction) ||
               FirstProjectHasTransaction(transaction->GetFormName());
    if (const auto* report = dynamic_cast<const ApplicationReport*>(page))
        return IsReportSelected(report) || FirstProjectHasReport(report->GetFormName());
    return false;
}
