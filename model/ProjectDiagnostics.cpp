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
#include "model/GenerationReport.h"
#include "model/ListAccess.h"
#include "model/MainFrameAccess.h"
#include "model/Module.h"
#include "model/Ownership.h"
#include "model/RefField.h"
#include "model/ReferenceList.h"
#include "model/Relation.h"
#include "model/Table.h"
#include "platform/core/FileWriters.h"
#include "platform/core/MessageBox.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <utility>
#include <vector>

namespace
{
// The kind of file written here and the rules its writer keeps.
const FileWriterRegistration errorLogWriter("error log", replacesLinks | wholeOnFullDisk);

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

void ProjectDiagnostics::ForgetObject(const void* object)
{
    for (EntityUsageSet* set : m_usageSets)
        set->Forget(object);
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
    // The log is written whole, as a generated file is, beside the project's output.
    GenerationReport written;
    if (project != nullptr && project->GetProjectSettings() != nullptr &&
        !project->GetProjectPath().IsEmpty())
    {
        written.SetOutputRoot(project->GetProjectPath());
        SaveTextFile(project->GetProjectPath() + "errorLog.txt", report, written);
    }
    if (const CString log = written.ClosingText(""); show && !report.IsEmpty())
        AfxMessageBox(log.IsEmpty() ? report : report + "\n" + log, MB_OK | MB_ICONERROR);
}

namespace
{
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

// The procedure's output column of the field goes with the pages' uses of it.
void RemoveOutputColumnOf(Procedure* procedure, Field* field, ForgeonProject* project)
{
    ProcedureFieldInfo* column = procedure->FindOutputColumnByField(field);
    if (column == nullptr)
        return;
    if (project != nullptr)
        project->CollectProcedureFieldUsage(procedure, column, false,
                                            [procedure, column](const EntityUsageSet& users)
                                            { RemoveOutputColumnUsers(users, procedure, column); });
    Module::RemoveOutputColumn(project != nullptr ? project->GetModules() : std::vector<Module*>(),
                               procedure, column);
}
} // namespace

void ProjectDiagnostics::RemoveFieldReferences(Field* field, ForgeonProject* project)
{
    EntityUsageSet& set = GetCurrentUsageSet();
    if (field != nullptr)
    {
        // Not references to the field, but gone with it: report columns showing through a
        // foreign key the row it names, and a procedure's output column of the field with its
        // uses.
        for (const ApplicationReport* report : set.GetReports())
        {
            for (ReportGroup* group : report->GetReportGroups())
            {
                for (ReportField* column : group->ColumnsShowingRowThrough(field))
                    group->RemoveReportField(column);
            }
        }
        for (Procedure* procedure : set.GetProcedures())
            RemoveOutputColumnOf(procedure, field, project);
        // The recorded entities let go of the field through their lists; map forms are listed
        // after the pages whose controls they share, so that they let go of those first.
        ReferenceList list({field}, ReferenceList::MenuMaps::skipped);
        for (Table* table : set.GetTables())
            table->ListReferences(list);
        for (Function* function : set.GetFunctions())
            function->ListReferences(list);
        for (Procedure* procedure : set.GetProcedures())
            procedure->ListReferences(list);
        set.ForEachPage([&list](FormInterface* page) { page->ListReferences(list); });
        list.Release({field});
    }
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
    const ReferenceList::Targets targets = TableAndFields(table);
    ReferenceList list(targets, ReferenceList::MenuMaps::skipped);
    page.ListReferences(list);
    list.Release(targets);
}

// Whether the list holds the page.
template <class Page> auto AmongPages(const std::vector<Page*>& pages)
{
    return [&pages](const Page* page) { return std::ranges::find(pages, page) != pages.end(); };
}

// Step one of the table cascade: each recorded page built on the table is deleted (map forms
// included), each other one lets go of the table; a page that an earlier deletion freed has left
// the set and is not asked.
void DeleteOrReleasePages(const EntityUsageSet& set, Table* table, const GoingPages& onTable,
                          ForgeonProject* project)
{
    const auto deleteOrRelease =
        [&set, project, table](const auto& pages, auto builtOnTable, auto deletePage)
    {
        for (auto* page : pages)
        {
            if (!set.Holds(page))
                continue;
            if (builtOnTable(page) && project != nullptr)
                (project->*deletePage)(page);
            else
                ReleaseTable(*page, table);
        }
    };
    deleteOrRelease(
        std::vector(set.GetForms()),
        [table](const Form* form) { return form->GetTable() == table; },
        &ForgeonProject::DeleteForm);
    deleteOrRelease(
        std::vector(set.GetTransactions()),
        [table](const Transaction* transaction) { return transaction->GetBasicTable() == table; },
        &ForgeonProject::DeleteTransaction);
    deleteOrRelease(std::vector(set.GetReports()), AmongPages(onTable.reports),
                    &ForgeonProject::DeleteApplicationReport);
    // A map form cannot stay without its mapping table.
    deleteOrRelease(
        std::vector(set.GetMapForms()),
        [table](const MapForm* mapForm) { return mapForm->GetMappingTable() == table; },
        &ForgeonProject::DeleteMapForm);
    deleteOrRelease(std::vector(set.GetDashBoards()), AmongPages(onTable.dashBoards),
                    &ForgeonProject::DeleteDashBoard);
    deleteOrRelease(std::vector(set.GetRDLCReports()), AmongPages(onTable.rdlcReports),
                    &ForgeonProject::DeleteRDLCReport);
}

// Step two: functions and classes let go of the table and of its fields.
void ReleaseFunctionsAndClasses(const EntityUsageSet& set, const Table* table)
{
    const ReferenceList::Targets targets = TableAndFields(table);
    ReferenceList list(targets, ReferenceList::MenuMaps::skipped);
    for (Function* function : set.GetFunctions())
        function->ListReferences(list);
    for (Class* dataClass : set.GetClasses())
        dataClass->ListReferences(list);
    list.Release(targets);
}

// Step three: the other procedures let go of the table and their relations with it, their
// derived procedures made again; then the procedures on the table are deleted.
void DeleteOrReleaseProcedures(const EntityUsageSet& set, Table* table, ForgeonProject* project)
{
    std::vector<Procedure*> onTable;
    ReferenceList list({table}, ReferenceList::MenuMaps::skipped);
    for (Procedure* procedure : set.GetProcedures())
    {
        if (procedure->GetMainTable() == table)
            onTable.push_back(procedure);
        else
            procedure->ListReferences(list);
    }
    list.Release({table});
    for (Procedure* procedure : onTable)
    {
        if (project != nullptr && set.Holds(procedure))
            project->DeleteProcedure(procedure);
    }
}
} // namespace

void ProjectDiagnostics::RemoveTableReferences(Table* table, const GoingPages& onTable,
                                               ForgeonProject* project)
{
    EntityUsageSet& set = GetCurrentUsageSet();
    if (table != nullptr)
    {
        DeleteOrReleasePages(set, table, onTable, project);
        ReleaseFunctionsAndClasses(set, table);
        DeleteOrReleaseProcedures(set, table, project);
    }
    set.Clear();
}

void ProjectDiagnostics::RemoveVariableMapReferences(FieldVariableMap* map)
{
    if (map == nullptr)
        return;
    Variable* variable = map->variable;
    ForgeonProject* project = MainFrameAccess::GetProject();
    if (project == nullptr)
        return;
    project->CanRemoveVariableMap(map, false,
                                  [variable](const EntityUsageSet& users)
                                  {
                                      for (Form* form : users.GetForms())
                                          form->RemoveReportVariableMapsOf(variable);
                                      for (Transaction* transaction : users.GetTransactions())
                                          transaction->RemoveReportVariablePairsOf(variable);
                                      for (ApplicationReport* report : users.GetReports())
                                          report->RemoveVariableFromDataCalls(variable);
                                  });
}
