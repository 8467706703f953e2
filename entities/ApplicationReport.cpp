#include "entities/ApplicationReport.h"

#include "entities/AspFile.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/ColumnGraphData.h"
#include "entities/Function.h"
#include "entities/GraphData.h"
#include "entities/LinkControl.h"
#include "entities/PieChartData.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ReportField.h"
#include "entities/ReportGroup.h"
#include "entities/ReportPageFiles.h"
#include "entities/Variable.h"
#include "model/ArchiveIO.h"
#include "model/EventRecmpFields.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ListAccess.h"
#include "model/Ownership.h"
#include "model/ProjectDiagnostics.h"
#include "model/ReferenceList.h"
#include "model/Table.h"

#include <algorithm>
#include <iterator>
#include <vector>

IMPLEMENT_SERIAL(ApplicationReport, FormInterface, 0)

int ApplicationReport::s_idCounter = 0;

namespace
{

// The chart data of a record, read as the class its chart type asks for.
GraphData* ReadChartData(CArchive& ar, int chartType)
{
    if (chartType >= 1 && chartType <= 3)
        return ReadOwned<ColumnGraphData>(ar);
    if (chartType >= 4 && chartType <= 6)
        return ReadOwned<PieChartData>(ar);
    return ReadOwned<GraphData>(ar);
}

// The page file kind of a graph report's extra classic file.
constexpr int extraFileKind = 11;

// The call exists and calls the procedure.
bool Calls(const ProcedureInvokation* call, const Procedure* procedure)
{
    return call != nullptr && call->GetProcedure() == procedure;
}

// A caller variable of the call's pairs has a name containing the text.
bool HasCallerVariableContaining(const ProcedureInvokation* call, const CString& text)
{
    return std::ranges::any_of(call->GetVariablePairs(),
                               [&text](const VariablePair* pair)
                               {
                                   return pair != nullptr && pair->second != nullptr &&
                                          pair->second->GetFieldName().Find(text) >= 0;
                               });
}

// Some event list of the control's data names the control to recompute.
bool RecomputesControl(const FieldRep* filter, const FieldRep* control)
{
    const FieldRepData* data = filter->GetFieldRepData();
    return data != nullptr &&
           std::ranges::any_of(data->GetEventRecmpFieldsList(),
                               [control](const EventRecmpFields* list)
                               {
                                   return list->HasClassRecompute(control) ||
                                          std::ranges::any_of(
                                              list->GetProcedureRecomputes(),
                                              [control](const EventProcedureRecompute* recompute)
                                              { return recompute->fieldRep == control; });
                               });
}

// The data procedure of the control's data calls the procedure.
bool DataProcedureCalls(const FieldRep* filter, const Procedure* procedure)
{
    return filter->GetFieldRepData() != nullptr &&
           Calls(filter->GetFieldRepData()->GetDataProcedure(), procedure);
}

} // namespace

ApplicationReport::ApplicationReport() : m_id(++s_idCounter) {}

ApplicationReport::ApplicationReport(const ApplicationReport* source) : ApplicationReport()
{
    m_name = "Copy_of_" + source->GetFormName();
    m_isCopy = true;
    m_flag = source->m_flag;
    m_pagingRequired = source->m_pagingRequired;
    m_reportKind = source->m_reportKind;
    m_chartType = source->m_chartType;
    m_table = source->m_table;
    m_header = source->m_header;
    m_columnLayout = source->m_columnLayout;
    m_reportProcedureCall = new ProcedureInvokation(source->m_reportProcedureCall);
    m_classCall = new ClassInvokation(source->m_classCall);
    for (const ReportGroup* group : source->m_groups)
        AddReportGroup(new ReportGroup(*group));
}

ApplicationReport::~ApplicationReport()
{
    delete m_reportProcedureCall;
    delete m_classCall;
    DeleteAll(m_groups);
    for (FieldVariableMap* map : m_detachedMaps)
        DeleteFieldVariableMap(map);
    DeleteGraphData();
}

void ApplicationReport::Serialize(CArchive& ar)
{
    FormInterface::Serialize(ar);
    if (ar.IsStoring())
    {
        WriteBoolInt(ar, m_flag);
        ar << m_reportKind << m_columnLayout;
        ar.WriteObject(m_reportProcedureCall);
        WriteObjectList(ar, m_groups);
        ar << m_chartType;
        ar.WriteObject(m_chartData);
        WriteBoolInt(ar, m_pagingRequired);
        ar << m_subHeader;
        WriteBoolInt(ar, m_hasCompanionWithoutLinks);
        ar.WriteObject(m_table);
        ar << m_header;
        ar.WriteObject(m_classCall);
        return;
    }
    const int version = ArchiveVersion();
    m_flag = ReadBoolInt(ar);
    if (version > 27)
        ar >> m_reportKind;
    else
        m_reportKind = ReadBoolInt(ar) ? 2 : 1;
    ar >> m_columnLayout;
    m_reportProcedureCall = ReadOwned<ProcedureInvokation>(ar);
    ReadOwnedList(ar, m_groups);
    for (ReportGroup* group : m_groups)
        group->SetReport(this);
    if (version > 27)
    {
        ar >> m_chartType;
        m_chartData = ReadChartData(ar, m_chartType);
        m_pagingRequired = ReadBoolInt(ar);
    }
    if (version > 58)
        ar >> m_subHeader;
    if (version > 62)
        m_hasCompanionWithoutLinks = ReadBoolInt(ar);
    if (version > 68)
        m_table = ReadRef<Table>(ar);
    if (version > 74)
        ar >> m_header;
    if (version > 78)
        m_classCall = ReadOwned<ClassInvokation>(ar);
}

void ApplicationReport::SetChartData(int chartType, GraphData* chartData)
{
    if (chartData != m_chartData)
        delete m_chartData;
    m_chartType = chartType;
    m_chartData = chartData;
}

void ApplicationReport::SetReportProcedureCall(ProcedureInvokation* call)
{
    if (call != m_reportProcedureCall)
        delete m_reportProcedureCall;
    m_reportProcedureCall = call;
}

void ApplicationReport::SetClassCall(ClassInvokation* call)
{
    if (call != m_classCall)
        delete m_classCall;
    m_classCall = call;
}

void ApplicationReport::AddReportGroup(ReportGroup* group)
{
    group->SetReport(this);
    m_groups.push_back(group);
}

bool ApplicationReport::IsFieldRepMappedToReportVariable(FieldRep* fieldRep)
{
    if (fieldRep == nullptr)
        return false;
    const CString text = ControlName(fieldRep);
    if (text.IsEmpty())
        return false;
    std::vector<ProcedureInvokation*> calls = GroupProcedureCalls();
    if (m_reportProcedureCall != nullptr)
        calls.push_back(m_reportProcedureCall);
    return std::ranges::any_of(calls, [&text](const ProcedureInvokation* call)
                               { return HasCallerVariableContaining(call, text); });
}

FieldRep* ApplicationReport::GetFieldRepForField(Field* field)
{
    for (const ReportGroup* group : m_groups)
    {
        if (FieldRep* filter = group->FindFilterForField(field))
            return filter;
    }
    return nullptr;
}

bool ApplicationReport::ShowsRowReferredBy(const Field* field) const
{
    return std::ranges::any_of(m_groups, [field](const ReportGroup* group)
                               { return !group->ColumnsShowingRowThrough(field).empty(); });
}

void ApplicationReport::ReleaseFieldVariableMap(FieldVariableMap* map)
{
    Field* field = map->field;
    ReleaseReportVariablesOf(map);
    if (field != nullptr && field->GetTable() != nullptr)
        DetachReportVariableForField(field);
    FormInterface::ReleaseFieldVariableMap(map);
}

bool ApplicationReport::CollectClassUsage(Class* dataClass, CString& list)
{
    bool found = false;
    for (const ReportGroup* group : m_groups)
    {
        if (!group->UsesClass(dataClass))
            continue;
        list += m_name + "\n";
        RecordUsage();
        found = true;
    }
    return found;
}

void ApplicationReport::CheckExtraProcedureMapping(Procedure* procedure)
{
    if (Calls(m_reportProcedureCall, procedure))
        CheckInvocationMapping(m_reportProcedureCall);
    for (ProcedureInvokation* call : GroupProcedureCalls())
    {
        if (Calls(call, procedure))
            CheckInvocationMapping(call);
    }
}

bool ApplicationReport::CollectMenuLinkUsage(Menu* menu)
{
    if (FormInterface::CollectMenuLinkUsage(menu))
        return true;
    bool found = false;
    for (const FieldRep* filter : GroupFilters())
    {
        if (filter->GetFieldRepData() == nullptr)
            continue;
        for (LinkControl* link : filter->GetFieldRepData()->GetLinkControls())
        {
            if (!ReferenceList::Reaches(*link, {menu}))
                continue;
            TheProjectDiagnostics().AddError(m_name + "\n");
            found = true;
        }
    }
    if (found)
        RecordUsage();
    return found;
}

void ApplicationReport::CollectVariableMappingUsage(Variable* variable, CString& list)
{
    const auto addEntry = [this, &list](const CString& entry)
    {
        list += entry + "\n";
        RecordUsage();
    };
    const ReferenceList::Targets targets{variable};
    const auto callReaches = [&targets](ProcedureInvokation* call)
    { return call != nullptr && ReferenceList::Reaches(*call, targets); };
    // One list serves every column, emptied after each.
    ReferenceList references(targets);
    for (ReportGroup* group : m_groups)
    {
        if (callReaches(group->GetProcedureCall()))
            addEntry(m_name + "_" + "_Var Mapped with group procedure");
        for (ReportField* column : group->GetReportFields())
        {
            column->ListReferences(references, *group);
            if (references.Refers(targets))
                addEntry(m_name + "_" + column->GetName() +
                         "_Var Mapped with asp file atached to report field");
            references.Clear();
        }
        if (std::ranges::any_of(group->GetFilters(),
                                [&callReaches](const FieldRep* filter)
                                {
                                    const FieldRepData* data = filter->GetFieldRepData();
                                    return data != nullptr && callReaches(data->GetDataProcedure());
                                }))
            addEntry(m_name + "_Procedure mapped for front back field");
    }
}

void ApplicationReport::VisitDefaultEventRecmpFields()
{
    FormInterface::VisitDefaultEventRecmpFields();
    for (const FieldRep* filter : GroupFilters())
        filter->GetDefaultEventRecmpFields();
}

void ApplicationReport::ListTableUses(ReferenceList& list)
{
    FormInterface::ListTableUses(list);
    ClassInvokation::ListTablesHeld(list, m_classCall,
                                    [this]
                                    {
                                        delete m_classCall;
                                        m_classCall = nullptr;
                                    });
    for (ReportGroup* group : m_groups)
        group->ListTableUses(list);
}

bool ApplicationReport::IsFunctionFieldUsedAsFrontBack(Function* function, Table* table)
{
    if (!std::ranges::any_of(m_groups, [function, table](const ReportGroup* group)
                             { return group->IsFunctionFieldUsedAsFrontBack(function, table); }))
        return false;
    RecordUsage();
    return true;
}

void ApplicationReport::DeleteFieldRep(FieldRep* fieldRep)
{
    if (fieldRep != nullptr && !m_groups.empty())
    {
        ReportGroup* group = m_groups.front();
        group->RemoveClassRecomputeOf(fieldRep);
        group->RemoveFilterFieldParameterMaps(fieldRep->GetField());
    }
    FormInterface::DeleteFieldRep(fieldRep);
}

void ApplicationReport::ClearFunctionFieldFrontBack(Function* function, Table* table)
{
    for (ReportGroup* group : m_groups)
    {
        if (group->IsFunctionFieldUsedAsFrontBack(function, table))
            group->ClearFunctionFieldFrontBack(function, table);
    }
}

void ApplicationReport::CreateDefaultAspFiles(int mode)
{
    MainPageFileOrNew(*this, mode, AspFile::reportOwner);
    if (m_reportKind == 3 && mode == 0)
        CreateExtraAspFile();
}

void ApplicationReport::CreateExtraAspFile()
{
    if (FindAspFileByType(extraFileKind) == nullptr)
        AddAspFile(NewPageFile(0, AspFile::reportOwner, extraFileKind, this));
}

void ApplicationReport::CreateButtonAspFileIfNeeded()
{
    std::vector<ReportField*> buttons;
    CollectButtonReportFields(buttons);
    if (!buttons.empty())
        CreateExtraAspFile();
}

void ApplicationReport::SetReportKind(int kind)
{
    if (m_reportKind == 3 && kind != 3)
    {
        AspFile* extra = FindAspFileByType(extraFileKind);
        RemoveAspFile(extra);
        delete extra;
    }
    m_reportKind = kind;
    if (kind == 3)
        CreateExtraAspFile();
}

void ApplicationReport::DeleteReportGroupAt(int index)
{
    ReportGroup* group = ItemAt(m_groups, index);
    if (group == nullptr)
        return;
    m_groups.erase(m_groups.begin() + index);
    delete group;
}

void ApplicationReport::DeleteReportGroup(ReportGroup* group)
{
    EraseAndDelete(m_groups, group);
}

bool ApplicationReport::HoldsReportGroup(const ReportGroup* group) const
{
    return std::ranges::find(m_groups, group) != m_groups.end();
}

void ApplicationReport::DeleteAllReportGroups()
{
    DeleteAll(m_groups);
}

void ApplicationReport::DeleteGraphData()
{
    delete m_chartData;
    m_chartData = nullptr;
    m_chartType = 0;
}

bool ApplicationReport::HasGroupForClass(Class* dataClass) const
{
    return std::ranges::any_of(m_groups,
                               [dataClass](const ReportGroup* group) {
                                   return group->GetClassCall() != nullptr &&
                                          group->GetClassCall()->GetClass() == dataClass;
                               });
}

bool ApplicationReport::IsSearchReportOfTable(const Table* table) const
{
    if (table == nullptr || m_table != nullptr)
        return m_table == table;
    const Class* dataClass = m_classCall != nullptr ? m_classCall->GetClass() : nullptr;
    return dataClass != nullptr && dataClass->GetTable() == table;
}

bool ApplicationReport::IsBuiltOnTable(const Table* table) const
{
    if (table == nullptr || m_table != nullptr)
        return m_table == table;
    return GoesWith(DataLoss::OfTable(table));
}

bool ApplicationReport::GoesWith(const DataLoss& loss) const
{
    DataFate fate = DataFate::unfed;
    for (const ReportGroup* group : m_groups)
    {
        switch (group->FateWhen(loss))
        {
        case DataFate::stays:
            return false;
        case DataFate::goes:
            fate = DataFate::goes;
            break;
        case DataFate::unfed:
            break;
        }
    }
    if (fate == DataFate::goes)
        return true;
    // Nothing in its groups: the data call it was made with.
    return m_classCall != nullptr && m_classCall->IsAssigned() && loss.Takes(*m_classCall);
}

void ApplicationReport::DeleteGroupsShowingOnly(const Table* table)
{
    const DataLoss shown{{}, {}, [table](const Table* each) { return each == table; }};
    DeleteMatching(m_groups, [&shown](const ReportGroup* group)
                   { return group->FateWhen(shown) == DataFate::goes; });
}

void ApplicationReport::ListTablesItMayGoWith(std::vector<const Table*>& tables) const
{
    if (m_table != nullptr)
        tables.push_back(m_table);
    ClassInvokation::ListTablesOn(m_classCall, tables);
    for (const ReportGroup* group : m_groups)
        group->ListTablesItMayGoWith(tables);
}

void ApplicationReport::AddMissingFieldsToGroups()
{
    for (ReportGroup* group : m_groups)
        group->SyncColumnsWithFunction();
}

void ApplicationReport::CollectReportFields(std::vector<ReportField*>& out) const
{
    for (const ReportGroup* group : m_groups)
        out.insert(out.end(), group->GetReportFields().begin(), group->GetReportFields().end());
}

void ApplicationReport::CollectButtonReportFields(std::vector<ReportField*>& out) const
{
    std::vector<ReportField*> columns;
    CollectReportFields(columns);
    std::ranges::copy_if(columns, std::back_inserter(out),
                         [](const ReportField* column) { return column->IsButton(); });
}

ReportField* ApplicationReport::FindReportFieldByQualifiedName(const CString& name) const
{
    for (const ReportGroup* group : m_groups)
    {
        const CString header = group->GetHeader();
        if (ReportField* column =
                FindFirst(group->GetReportFields(), [&header, &name](const ReportField* item)
                          { return header + item->GetName() == name; }))
            return column;
    }
    return nullptr;
}

void ApplicationReport::AddReportVariableForField(Field* field)
{
    if (field != nullptr && !HasReportVariableForField(field))
        AddVariableForField(field);
}

bool ApplicationReport::HasReportVariableForField(Field* field) const
{
    return FindFieldVariableMapByField(field) != nullptr;
}

void ApplicationReport::DetachReportVariableForField(Field* field)
{
    FieldVariableMap* map = FindFieldVariableMapByField(field);
    if (map == nullptr)
        return;
    RemoveFieldVariableMapByField(field);
    m_detachedMaps.push_back(map);
}

bool ApplicationReport::IsProcedureUsed(Procedure* procedure, BOOL includeFilters) const
{
    if (std::ranges::any_of(m_groups, [procedure](const ReportGroup* group)
                            { return group->CallsProcedure(procedure); }))
        return true;
    return includeFilters && std::ranges::any_of(GroupFilters(), [procedure](const FieldRep* filter)
                                                 { return DataProcedureCalls(filter, procedure); });
}

bool ApplicationReport::HasRecomputeForFieldRep(FieldRep* fieldRep) const
{
    return std::ranges::any_of(GroupFilters(), [fieldRep](const FieldRep* filter)
                               { return RecomputesControl(filter, fieldRep); });
}

void ApplicationReport::CheckGroups()
{
    if (m_groups.empty())
    {
        TheProjectDiagnostics().AddError("Invalid Form!\n\t" + CString(" - ") + m_name);
        return;
    }
    for (const ReportGroup* group : m_groups)
        group->CheckGroup();
}

std::vector<ProcedureInvokation*> ApplicationReport::GroupProcedureCalls() const
{
    std::vector<ProcedureInvokation*> calls;
    for (const ReportGroup* group : m_groups)
    {
        if (group->GetProcedureCall() != nullptr)
            calls.push_back(group->GetProcedureCall());
    }
    return calls;
}

std::vector<FieldRep*> ApplicationReport::GroupFilters() const
{
    std::vector<FieldRep*> filters;
    for (const ReportGroup* group : m_groups)
        filters.insert(filters.end(), group->GetFilters().begin(), group->GetFilters().end());
    return filters;
}

void ApplicationReport::ListReferences(ReferenceList& list)
{
    list.AddSlot(m_table);
    FormInterface::ListReferences(list);
    ProcedureInvokation::ListHeld(list, m_reportProcedureCall,
                                  [this]
                                  {
                                      delete m_reportProcedureCall;
                                      m_reportProcedureCall = nullptr;
                                  });
    ClassInvokation::ListReferences(list, m_classCall);
    for (ReportGroup* group : m_groups)
        group->ListReferences(list);
}
