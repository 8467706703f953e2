#include "model/ProjectDiagnostics.h"

#include "entities/ApplicationReport.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/DashBoard.h"
#include "entities/DerivedField.h"
#include "entities/Form.h"
#include "entities/Function.h"
#include "entities/MapForm.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/RDLCReport.h"
#include "entities/ReportField.h"
#include "entities/ReportGroup.h"
#include "entities/Transaction.h"
#include "model/EntityUsageSet.h"
#include "model/Field.h"
#include "model/FieldFilter.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ForgeonProject.h"
#include "model/ListAccess.h"
#include "model/MainFrameAccess.h"
#include "model/Module.h"
#include "model/Ownership.h"
#include "model/RefField.h"
#include "model/ReferenceList.h"
#include "model/Relation.h"
#include "model/Table.h"
#include "model/TextFile.h"
#include "platform/core/MessageBox.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <utility>

namespace
{
CString TextAt(const std::vector<CString>& list, int index)
{
    return IsValidIndex(list, index) ? list[static_cast<std::size_t>(index)] : CString();
}

} // namespace

ProjectDiagnostics::ProjectDiagnostics()
{
    PushUsageSet();
}

ProjectDiagnostics::~ProjectDiagnostics()
{
    DeleteAll(m_usageSets);
}

CString ProjectDiagnostics::GetError(int index) const
{
    return TextAt(m_errors, index);
}

CString ProjectDiagnostics::GetWarning(int index) const
{
    return TextAt(m_warnings, index);
}

CString ProjectDiagnostics::GetIgnoredWarning(int index) const
{
    return TextAt(m_ignoredWarnings, index);
}

bool ProjectDiagnostics::IsWarning(const CString& text) const
{
    return Contains(m_warnings, text);
}

bool ProjectDiagnostics::IsIgnoredWarning(const CString& text) const
{
    return Contains(m_ignoredWarnings, text);
}

void ProjectDiagnostics::RemoveWarningAt(int index)
{
    EraseAt(m_warnings, index);
}

void ProjectDiagnostics::RemoveIgnoredWarningAt(int index)
{
    EraseAt(m_ignoredWarnings, index);
}

void ProjectDiagnostics::SetTextLists(TextLists lists)
{
    m_errors = std::move(lists.errors);
    m_warnings = std::move(lists.warnings);
    m_ignoredWarnings = std::move(lists.ignoredWarnings);
}

void ProjectDiagnostics::ClearErrorsAndWarnings()
{
    m_errors.clear();
    m_warnings.clear();
}

void ProjectDiagnostics::ClearAll()
{
    ClearErrorsAndWarnings();
    m_ignoredWarnings.clear();
}

void ProjectDiagnostics::PushUsageSet()
{
    m_usageSets.push_back(new EntityUsageSet);
    m_currentUsageSet = m_usageSets.back();
}

void ProjectDiagnostics::PopUsageSet()
{
    if (m_usageSets.size() < 2)
        return;
    delete m_usageSets.back();
    m_usageSets.pop_back();
    m_currentUsageSet = m_usageSets.back();
}

ProjectDiagnostics& TheProjectDiagnostics()
{
    static ProjectDiagnostics diagnostics;
    return diagnostics;
}

void ProjectDiagnostics::ReportErrors(bool show) const
{
    CString report;
    for (const CString& error : m_errors)
        report += error + "\n";
    for (const CString& warning : m_warnings)
        report += warning + "\n";
    const ForgeonProject* project = MainFrameAccess::GetProject();
    if (project != nullptr && project->GetProjectSettings() != nullptr &&
        !project->GetProjectPath().IsEmpty())
    {
        TextFile log(project->GetProjectPath() + "errorLog.txt", true, '=', 60, false, false);
        log.Write(0, "%s", report);
    }
    if (show && !report.IsEmpty())
        AfxMessageBox(report, MB_OK | MB_ICONERROR);
}

namespace
{
// Runs the action inside a usage set of its own; the current set is current again afterwards,
// its contents unchanged.
template <class Action> void InNestedUsageSet(ProjectDiagnostics& diagnostics, Action action)
{
    diagnostics.PushUsageSet();
    action();
    diagnostics.PopUsageSet();
}

// The column's output column is the field or, for a foreign key, the field shown for the row
// it refers to.
bool ColumnShowsFieldOrItsDisplay(const ReportField* column, const Field* field)
{
    const ProcedureFieldInfo* output = column->GetFieldInfo();
    if (output == nullptr || output->GetField() == nullptr)
        return false;
    if (output->GetField() == field)
        return true;
    if (!field->IsForeignKey() || field->GetForeignField() == nullptr)
        return false;
    const Table* referred = field->GetForeignField()->GetTable();
    return referred != nullptr && output->GetField() == referred->GetDisplayField();
}

// Removes, from the last to the first, the group's columns that match.
template <class Predicate> void RemoveColumnsWhere(ReportGroup* group, Predicate matches)
{
    for (int index = static_cast<int>(group->GetReportFields().size()) - 1; index >= 0; --index)
    {
        if (matches(group->GetReportFields()[static_cast<std::size_t>(index)]))
            group->RemoveReportFieldAt(index);
    }
}

// Removes, from the last to the first, the group's filters that match.
template <class Predicate> void RemoveFiltersWhere(ReportGroup* group, Predicate matches)
{
    for (int index = static_cast<int>(group->GetFilters().size()) - 1; index >= 0; --index)
    {
        if (matches(group->GetFilters()[static_cast<std::size_t>(index)]))
            group->RemoveFilterAt(index);
    }
}

// The page's controls of the field are deleted. A map form only lets go of the controls it
// shares with its bottom master form, which owns them.
void DeleteControlsOfField(FormInterface& page, Field* field)
{
    const auto showsField = [field](const FieldRep* rep) { return rep->GetField() == field; };
    std::vector<FieldRep*> controls;
    std::ranges::copy_if(page.GetFieldReps(), std::back_inserter(controls), showsField);
    auto* mapForm = dynamic_cast<MapForm*>(&page);
    if (mapForm == nullptr)
    {
        for (FieldRep* rep : controls)
            page.DeleteFieldRep(rep);
        return;
    }
    std::ranges::copy_if(mapForm->GetTopInputFieldReps(), std::back_inserter(controls), showsField);
    std::ranges::copy_if(mapForm->GetBottomInputFieldReps(), std::back_inserter(controls),
                         showsField);
    const Form* master = mapForm->GetBottomMasterForm();
    for (FieldRep* rep : controls)
    {
        if (master != nullptr && Contains(master->GetFieldReps(), rep))
            mapForm->DetachFieldRep(rep);
        else
            mapForm->DeleteFieldRep(rep);
    }
    while (mapForm->HasTopField(field))
        mapForm->RemoveTopField(field);
    while (mapForm->HasField(field))
        mapForm->RemoveBottomField(field);
}

// The page's reference fields of the field go, then its derived fields that nothing else uses.
void RemoveRefAndDerivedFields(FormInterface& page, Field* field)
{
    while (RefField* refField = page.FindRefFieldByField(field))
        page.RemoveRefField(refField);
    std::vector<DerivedField*> derived;
    std::ranges::copy_if(page.GetDerivedFields(), std::back_inserter(derived),
                         [field](const DerivedField* item) { return item->GetField() == field; });
    for (DerivedField* item : derived)
        page.RemoveDerivedField(item);
}

// The report definition no longer feeds a table-adapter parameter from the field.
void RemoveAdapterMappingsOf(RDLCReport& report, const Field* field)
{
    std::size_t count = 0;
    for (const TableAdapterMap& map : report.GetTableAdapterMaps())
        count += static_cast<std::size_t>(std::ranges::count_if(
            map.m_pairs, [field](const ColumnFieldPair& pair) { return pair.m_field == field; }));
    for (; count > 0; --count)
        report.RemoveFieldMapping(field);
}

// The pages' maps of the field lose it. The maps and their variables stay: menus of other page
// files, report bindings and map forms may still hold them. Forms, transactions and reports
// first have the variable taken out of the report variable maps that use it.
void RemoveFieldVariableMaps(ProjectDiagnostics& diagnostics, const EntityUsageSet& set,
                             Field* field)
{
    const auto releaseMaps = [&diagnostics, field](FormInterface& page, bool mapsReports)
    {
        while (FieldVariableMap* map = page.FindFieldVariableMapByField(field))
        {
            if (mapsReports)
                diagnostics.RemoveVariableMapReferences(map);
            map->field = nullptr;
        }
    };
    for (Form* form : set.GetForms())
        releaseMaps(*form, true);
    for (Transaction* transaction : set.GetTransactions())
        releaseMaps(*transaction, true);
    for (ApplicationReport* report : set.GetReports())
    {
        if (FieldVariableMap* map = report->FindFieldVariableMapByField(field))
            diagnostics.RemoveVariableMapReferences(map);
        report->DetachReportVariableForField(field);
    }
    for (MapForm* mapForm : set.GetMapForms())
        releaseMaps(*mapForm, false);
}

// Derived procedures share the base's columns, relations and filters; they are made again
// after the base lost some.
void RebuildDerivedProcedures(Procedure* procedure)
{
    if (procedure->GetDerivedProcedures().empty())
        return;
    procedure->DeleteDerivedProcedures();
    procedure->CreateDerivedProcedures();
}

// The pages recorded in the current set stop using the procedure's output column of the field.
void RemoveOutputColumnUsers(const EntityUsageSet& users, Procedure* procedure,
                             ProcedureFieldInfo* column)
{
    Field* field = column->GetField();
    users.ForEachPage([field, procedure](FormInterface* page)
                      { page->ClearProcedureFieldFrontBack(field, procedure); });
    const auto filterUsesColumn = [field, procedure](const FieldRep* filter)
    {
        const FieldRepData* data = filter->GetFieldRepData();
        return data != nullptr && filter->IsFrontOrBackField(field) &&
               data->GetDataProcedure() != nullptr &&
               data->GetDataProcedure()->GetProcedure() == procedure;
    };
    for (const ApplicationReport* report : users.GetReports())
    {
        for (ReportGroup* group : report->GetReportGroups())
        {
            RemoveColumnsWhere(group, [column](const ReportField* item)
                               { return item->GetFieldInfo() == column; });
            RemoveFiltersWhere(group, filterUsesColumn);
            if (group->GetHeaderValue() == column)
                group->SetHeaderValue(nullptr);
            if (group->GetNextProcKey() == column)
                group->SetNextProcKey(nullptr);
        }
    }
}

// The procedure lets go of the field: its output column with the pages that use it, its field
// parameters, filters and relations on the field.
void RemoveFieldFromProcedure(ProjectDiagnostics& diagnostics, Procedure* procedure, Field* field)
{
    if (ProcedureFieldInfo* column = procedure->FindOutputColumnByField(field))
    {
        InNestedUsageSet(diagnostics,
                         [&diagnostics, procedure, column]
                         {
                             ForgeonProject* project = MainFrameAccess::GetProject();
                             if (project != nullptr)
                                 project->CollectProcedureFieldUsage(procedure, column, false);
                             RemoveOutputColumnUsers(diagnostics.GetCurrentUsageSet(), procedure,
                                                     column);
                             Module::RemoveOutputColumn(project != nullptr ? project->GetModules()
                                                                           : std::vector<Module*>(),
                                                        procedure, column);
                         });
    }
    for (int index = 0; index < static_cast<int>(procedure->GetFieldParameters().size()); ++index)
    {
        if (procedure->GetFieldParameters()[static_cast<std::size_t>(index)].field == field)
            procedure->SetFieldParameterFieldAt(index, nullptr);
    }
    const std::vector<FieldFilter*> filters = procedure->GetFilters();
    for (FieldFilter* filter : filters)
    {
        if (filter->GetField() == field)
            procedure->DeleteFieldFilter(filter);
    }
    for (int index = static_cast<int>(procedure->GetRelations().size()) - 1; index >= 0; --index)
    {
        if (procedure->GetRelations()[static_cast<std::size_t>(index)]->ContainsField(field))
            procedure->RemoveRelationAt(index);
    }
    RebuildDerivedProcedures(procedure);
}
} // namespace

void ProjectDiagnostics::RemoveFieldReferences(Field* field)
{
    EntityUsageSet& set = GetCurrentUsageSet();
    if (field == nullptr)
    {
        set.Clear();
        return;
    }
    set.ForEachPage([field](FormInterface* page) { page->ClearFrontBackField(field); });
    for (const ApplicationReport* report : set.GetReports())
    {
        for (ReportGroup* group : report->GetReportGroups())
        {
            RemoveColumnsWhere(group, [field](const ReportField* column)
                               { return ColumnShowsFieldOrItsDisplay(column, field); });
        }
    }
    // Map forms first: they let go of the controls they share with master forms before those
    // delete them.
    for (MapForm* mapForm : set.GetMapForms())
        DeleteControlsOfField(*mapForm, field);
    for (Form* form : set.GetForms())
        DeleteControlsOfField(*form, field);
    for (Transaction* transaction : set.GetTransactions())
        DeleteControlsOfField(*transaction, field);
    for (RDLCReport* report : set.GetRDLCReports())
    {
        DeleteControlsOfField(*report, field);
        RemoveAdapterMappingsOf(*report, field);
    }
    for (const ApplicationReport* report : set.GetReports())
    {
        for (ReportGroup* group : report->GetReportGroups())
        {
            RemoveFiltersWhere(group, [field](const FieldRep* filter)
                               { return filter->GetField() == field; });
        }
    }
    for (Form* form : set.GetForms())
    {
        if (form->GetTable() == field->GetTable())
            form->RemoveFieldVisibilities(field);
    }
    for (Transaction* transaction : set.GetTransactions())
        transaction->RemoveFieldVisibilities(field);
    for (DashBoard* dashBoard : set.GetDashBoards())
        dashBoard->RemoveFieldFromCells(field);
    for (Function* function : set.GetFunctions())
        function->RemoveFieldWithReferences(field);
    RemoveFieldVariableMaps(*this, set, field);
    for (Procedure* procedure : set.GetProcedures())
        RemoveFieldFromProcedure(*this, procedure, field);
    // A reference or derived field owns its page field: removed last, it takes the field with
    // it only when nothing else is left to do.
    for (Form* form : set.GetForms())
        RemoveRefAndDerivedFields(*form, field);
    for (Transaction* transaction : set.GetTransactions())
        RemoveRefAndDerivedFields(*transaction, field);
    set.Clear();
}

namespace
{
// What the table takes with it: itself and its fields.
ReferenceList::Targets TableAndFields(const Table* table)
{
    ReferenceList::Targets targets{table};
    targets.insert(table->GetFields().begin(), table->GetFields().end());
    return targets;
}

// A page that stays lets go of the table and its fields through its list: its controls' and
// groups' calls and recomputes among them.
void ReleaseTable(FormInterface& page, const Table* table)
{
    ReferenceList list;
    page.ListReferences(list);
    list.Release(TableAndFields(table));
}

// Step one of the table cascade: each recorded page built on the table is deleted (map forms
// included), each other one lets go of the table; every deletion runs in a usage set of its own.
void DeleteOrReleasePages(ProjectDiagnostics& diagnostics, const EntityUsageSet& set, Table* table)
{
    ForgeonProject* project = MainFrameAccess::GetProject();
    const auto deleteOrRelease =
        [&diagnostics, project](auto* page, bool builtOnTable, auto deletePage, auto release)
    {
        if (builtOnTable && project != nullptr)
            InNestedUsageSet(diagnostics, [&] { (project->*deletePage)(page); });
        else
            InNestedUsageSet(diagnostics, [&] { release(page); });
    };
    const std::vector<Form*> forms = set.GetForms();
    for (Form* form : forms)
        deleteOrRelease(form, form->GetTable() == table, &ForgeonProject::DeleteForm,
                        [table](Form* page) { ReleaseTable(*page, table); });
    const std::vector<Transaction*> transactions = set.GetTransactions();
    for (Transaction* transaction : transactions)
        deleteOrRelease(transaction, transaction->GetBasicTable() == table,
                        &ForgeonProject::DeleteTransaction,
                        [table](Transaction* page) { ReleaseTable(*page, table); });
    const std::vector<ApplicationReport*> reports = set.GetReports();
    for (ApplicationReport* report : reports)
        deleteOrRelease(report, report->GetTable() == table,
                        &ForgeonProject::DeleteApplicationReport,
                        [table](ApplicationReport* page) { ReleaseTable(*page, table); });
    // A map form cannot stay without its mapping table.
    const std::vector<MapForm*> mapForms = set.GetMapForms();
    for (MapForm* mapForm : mapForms)
        deleteOrRelease(mapForm, mapForm->GetMappingTable() == table,
                        &ForgeonProject::DeleteMapForm,
                        [table](MapForm* page) { ReleaseTable(*page, table); });
    for (DashBoard* dashBoard : set.GetDashBoards())
        InNestedUsageSet(diagnostics, [dashBoard, table] { ReleaseTable(*dashBoard, table); });
    const std::vector<RDLCReport*> rdlcReports = set.GetRDLCReports();
    for (RDLCReport* report : rdlcReports)
        deleteOrRelease(report, report->GetTable() == table, &ForgeonProject::DeleteRDLCReport,
                        [table](RDLCReport* page)
                        {
                            for (const Field* field : table->GetFields())
                                RemoveAdapterMappingsOf(*page, field);
                            ReleaseTable(*page, table);
                        });
}

// Step two: functions and classes let go of the table and of its fields.
void ReleaseFunctionsAndClasses(const EntityUsageSet& set, const Table* table)
{
    ReferenceList list;
    for (Function* function : set.GetFunctions())
        function->ListReferences(list);
    for (Class* dataClass : set.GetClasses())
        dataClass->ListReferences(list);
    list.Release(TableAndFields(table));
}

// Step three: the other procedures let go of the table, its relations with it, and those that
// joined it are rebuilt; then the procedures on the table are deleted.
void DeleteOrReleaseProcedures(ProjectDiagnostics& diagnostics, const EntityUsageSet& set,
                               Table* table)
{
    std::vector<Procedure*> onTable;
    std::vector<Procedure*> joiningTable;
    ReferenceList list;
    for (Procedure* procedure : set.GetProcedures())
    {
        if (procedure->GetMainTable() == table)
            onTable.push_back(procedure);
        else
        {
            if (procedure->FindTableById(table->GetId()) != nullptr)
                joiningTable.push_back(procedure);
            procedure->ListReferences(list);
        }
    }
    list.Release({table});
    for (Procedure* procedure : joiningTable)
        RebuildDerivedProcedures(procedure);
    ForgeonProject* project = MainFrameAccess::GetProject();
    for (Procedure* procedure : onTable)
    {
        if (project != nullptr)
            InNestedUsageSet(diagnostics,
                             [project, procedure] { project->DeleteProcedure(procedure); });
    }
}
} // namespace

void ProjectDiagnostics::RemoveTableReferences(Table* table)
{
    EntityUsageSet& set = GetCurrentUsageSet();
    if (table != nullptr)
    {
        DeleteOrReleasePages(*this, set, table);
        ReleaseFunctionsAndClasses(set, table);
        DeleteOrReleaseProcedures(*this, set, table);
    }
    set.Clear();
}

void ProjectDiagnostics::RemoveVariableMapReferences(FieldVariableMap* map)
{
    if (map == nullptr)
        return;
    Variable* variable = map->variable;
    InNestedUsageSet(*this,
                     [this, map, variable]
                     {
                         if (ForgeonProject* project = MainFrameAccess::GetProject())
                             project->CanRemoveVariableMap(map, false);
                         const EntityUsageSet& users = GetCurrentUsageSet();
                         for (Form* form : users.GetForms())
                             form->RemoveReportVariableMapsOf(variable);
                         for (Transaction* transaction : users.GetTransactions())
                             transaction->RemoveReportVariablePairsOf(variable);
                         for (ApplicationReport* report : users.GetReports())
                             report->RemoveVariableFromDataCalls(variable);
                     });
}
