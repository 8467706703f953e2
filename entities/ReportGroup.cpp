#include "entities/ReportGroup.h"

#include "entities/ApplicationReport.h"
#include "entities/ClassInvokation.h"
#include "entities/Function.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ReportField.h"
#include "model/ArchiveIO.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ListAccess.h"
#include "model/Ownership.h"
#include "model/ProjectDiagnostics.h"
#include "model/ReferenceList.h"
#include "model/Relation.h"
#include "model/Table.h"

#include <algorithm>
#include <iterator>
#include <utility>

IMPLEMENT_SERIAL(ReportGroup, CObject, 0)

namespace
{

// Moves the item one place towards the front (step -1) or the back (step 1); nothing at that
// end or for an absent item.
template <class T> void MoveOnePlace(std::vector<T*>& list, const T* item, int step)
{
    const auto found = std::ranges::find(list, item);
    if (found == list.end())
        return;
    const auto index = found - list.begin();
    const auto target = index + step;
    if (target < 0 || target >= static_cast<decltype(target)>(list.size()))
        return;
    std::swap(list[index], list[target]);
}

// The field the column's output column shows; null for a button.
Field* OutputFieldOf(const ReportField* column)
{
    return column->GetFieldInfo() != nullptr ? column->GetFieldInfo()->GetField() : nullptr;
}

// The group's class call and the data calls of its filters that exist.
std::vector<ClassInvokation*> ClassCallsOf(ClassInvokation* groupCall,
                                           const std::vector<FieldRep*>& filters)
{
    std::vector<ClassInvokation*> calls{groupCall};
    for (const FieldRep* filter : filters)
    {
        if (filter->GetFieldRepData() != nullptr)
            calls.push_back(filter->GetFieldRepData()->GetDataCall());
    }
    std::erase(calls, nullptr);
    return calls;
}

// The field belongs to the table and an output field of the function names it.
bool IsFunctionFieldOf(const Function* function, const Table* table, const Field* field)
{
    return field != nullptr && function != nullptr && table != nullptr &&
           table->ContainsField(field) && function->HasOutputField(field);
}

// The filter's data has such a field as front or back field.
bool ShowsFunctionFieldAsFrontBack(const FieldRep* filter, const Function* function,
                                   const Table* table)
{
    const FieldRepData* data = filter->GetFieldRepData();
    return data != nullptr && (IsFunctionFieldOf(function, table, data->GetFrontField()) ||
                               IsFunctionFieldOf(function, table, data->GetBackField()));
}

// The tables whose fields the columns show, each once.
std::vector<const Table*> TablesShown(const std::vector<ReportField*>& columns)
{
    std::vector<const Table*> tables;
    for (const ReportField* column : columns)
    {
        const Field* field = OutputFieldOf(column);
        if (field != nullptr && std::ranges::find(tables, field->GetTable()) == tables.end())
            tables.push_back(field->GetTable());
    }
    return tables;
}

// The call shows the table's own rows.
bool CallIsOnTable(const ClassInvokation* classCall, const Procedure* procedure, const Table* table)
{
    return (classCall != nullptr && classCall->IsOnTable(table)) ||
           (procedure != nullptr && procedure->GetMainTable() == table);
}

// The call reaches the table the key refers to through the key: it is on the key's table, its
// function shows the key, or its procedure joins by the key.
bool ReachesThrough(const ClassInvokation* classCall, const Procedure* procedure, const Field* key)
{
    const Function* function = classCall != nullptr ? classCall->GetFunction() : nullptr;
    return CallIsOnTable(classCall, procedure, key->GetTable()) ||
           (function != nullptr && function->HasOutputField(key)) ||
           (procedure != nullptr &&
            std::ranges::any_of(procedure->GetRelations(), [key](const Relation* relation)
                                { return relation->ContainsField(key); }));
}

// A release that lets the group go of the call that goes (the loss made), unless an earlier
// release took the group from its report.
template <class MakeLoss> auto LettingGo(ReportGroup* group, MakeLoss makeLoss)
{
    return [group, report = group->GetReport(), makeLoss]
    {
        if (report == nullptr || report->HoldsReportGroup(group))
            group->LetGoOf(makeLoss());
    };
}

} // namespace

ReportGroup::ReportGroup(ApplicationReport* report, ClassInvokation* classCall)
    : m_report(report), m_classCall(classCall)
{
}

ReportGroup::ReportGroup(const ReportGroup& source)
    : CObject(), m_classCall(new ClassInvokation(source.m_classCall))
{
}

ReportGroup::~ReportGroup()
{
    delete m_procedureCall;
    delete m_classCall;
    DeleteAll(m_reportFields);
    for (FieldRep* filter : m_filters)
    {
        if (m_report != nullptr && filter != nullptr)
            m_report->DetachReportVariableForField(filter->GetField());
        delete filter;
    }
}

void ReportGroup::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar.WriteObject(m_procedureCall);
        WriteObjectList(ar, m_filters);
        WriteObjectList(ar, m_reportFields);
        ar.WriteObject(m_report);
        ar.WriteObject(m_headerValue);
        ar << m_header;
        ar.WriteObject(m_nextProcKey);
        ar.WriteObject(m_classCall);
        return;
    }
    const int version = ArchiveVersion();
    m_procedureCall = ReadOwned<ProcedureInvokation>(ar);
    ReadOwnedList(ar, m_filters);
    ReadOwnedList(ar, m_reportFields);
    m_report = ReadRef<ApplicationReport>(ar);
    if (version > 29)
    {
        m_headerValue = ReadRef<ProcedureFieldInfo>(ar);
        ar >> m_header;
    }
    if (version > 31)
        m_nextProcKey = ReadRef<ProcedureFieldInfo>(ar);
    m_classCall = ReadOwned<ClassInvokation>(ar);
}

void ReportGroup::SetProcedureCall(ProcedureInvokation* call)
{
    if (call != m_procedureCall)
        delete m_procedureCall;
    m_procedureCall = call;
}

void ReportGroup::RemoveClassRecomputeOf(const FieldRep* fieldRep)
{
    for (const FieldRep* filter : m_filters)
    {
        if (filter->GetFieldRepData() != nullptr)
            filter->GetFieldRepData()->RemoveClassRecomputeOf(fieldRep);
    }
}

void ReportGroup::RemoveFilterFieldParameterMaps(const Field* field)
{
    for (const FieldRep* filter : m_filters)
    {
        const FieldRepData* data = filter->GetFieldRepData();
        if (data != nullptr && data->GetDataCall() != nullptr)
            data->GetDataCall()->RemoveParameterMapsByField(field);
    }
}

CString ReportGroup::ReportName() const
{
    return m_report != nullptr ? m_report->GetFormName() : CString();
}

FieldRep* ReportGroup::GetFilterAt(int index) const
{
    return ItemAt(m_filters, index);
}

FieldRep* ReportGroup::FindFilterForField(Field* field) const
{
    return FindFirst(m_filters,
                     [field](const FieldRep* filter) { return filter->GetField() == field; });
}

bool ReportGroup::HasFilterOnField(Field* field) const
{
    return FindFilterForField(field) != nullptr;
}

bool ReportGroup::HasFilterNamed(const CString& name) const
{
    return std::ranges::any_of(
        m_filters, [&name](const FieldRep* filter)
        { return filter->GetField() != nullptr && filter->GetField()->GetFieldName() == name; });
}

void ReportGroup::AddFilter(FieldRep* filter)
{
    if (filter == nullptr)
        return;
    m_filters.push_back(filter);
    if (m_report != nullptr && filter->GetField() != nullptr)
        m_report->AddReportVariableForField(filter->GetField());
}

void ReportGroup::RemoveFilterAt(int index)
{
    FieldRep* filter = ItemAt(m_filters, index);
    if (filter == nullptr)
        return;
    m_filters.erase(m_filters.begin() + index);
    DeleteFilter(filter);
}

void ReportGroup::DeleteFilter(FieldRep* filter)
{
    if (filter == nullptr)
        return;
    if (m_classCall != nullptr && filter->GetField() != nullptr)
        m_classCall->RemoveParameterMapsByField(filter->GetField());
    delete filter;
}

void ReportGroup::MoveFilterUp(FieldRep* filter)
{
    MoveOnePlace(m_filters, filter, -1);
}

void ReportGroup::MoveFilterDown(FieldRep* filter)
{
    MoveOnePlace(m_filters, filter, 1);
}

void ReportGroup::CollectFiltersWithEvents(std::vector<FieldRep*>& out) const
{
    out.clear();
    std::ranges::copy_if(m_filters, std::back_inserter(out),
                         [](const FieldRep* filter)
                         {
                             return filter->GetFieldRepData() != nullptr &&
                                    filter->GetFieldRepData()->HasEventRecmpFields();
                         });
}

void ReportGroup::RemoveReportFieldAt(int index)
{
    RemoveReportField(ItemAt(m_reportFields, index));
}

void ReportGroup::RemoveReportField(ReportField* column)
{
    EraseAndDelete(m_reportFields, column);
}

void ReportGroup::MoveReportFieldUp(ReportField* column)
{
    MoveOnePlace(m_reportFields, column, -1);
}

void ReportGroup::MoveReportFieldDown(ReportField* column)
{
    MoveOnePlace(m_reportFields, column, 1);
}

bool ReportGroup::HasColumnForOutputField(ProcedureFieldInfo* outputColumn) const
{
    return std::ranges::any_of(m_reportFields, [outputColumn](const ReportField* column)
                               { return column->GetFieldInfo() == outputColumn; });
}

bool ReportGroup::HasColumnForField(Field* field) const
{
    return std::ranges::any_of(m_reportFields, [field](const ReportField* column)
                               { return OutputFieldOf(column) == field; });
}

bool ReportGroup::HasControlColumn() const
{
    return std::ranges::any_of(m_reportFields, [](const ReportField* column)
                               { return column->GetControlFieldRep() != nullptr; });
}

int ReportGroup::GetFunctionColumnCount() const
{
    const Function* function = m_classCall != nullptr ? m_classCall->GetFunction() : nullptr;
    return function != nullptr ? static_cast<int>(function->GetOutputFields().size()) : 0;
}

ProcedureFieldInfo* ReportGroup::GetFunctionColumnAt(int index) const
{
    const Function* function = m_classCall != nullptr ? m_classCall->GetFunction() : nullptr;
    return function != nullptr ? function->GetProcedureFieldInfoAt(index) : nullptr;
}

void ReportGroup::SyncColumnsWithFunction()
{
    const Function* function = m_classCall != nullptr ? m_classCall->GetFunction() : nullptr;
    if (function == nullptr)
        return;
    for (const ProcedureFieldInfo* output : function->GetOutputFields())
    {
        Field* field = output->GetField();
        if (field == nullptr || field->IsKey() || field->IsForeignKey() || HasColumnForField(field))
            continue;
        // The column takes the output's aggregate too: without it the column's display name
        // would not be one the function outputs, and the removal below would drop it at once.
        auto* column = new ReportField;
        column->AdoptFieldInfo(new ProcedureFieldInfo(field, output->GetAggregate()));
        m_reportFields.push_back(column);
    }
    DeleteMatching(m_reportFields,
                   [function](const ReportField* column)
                   {
                       if (column->GetFieldInfo() == nullptr)
                           return false;
                       CString name;
                       column->GetFieldInfo()->GetDisplayName(name);
                       const Field* field = OutputFieldOf(column);
                       return !function->HasProcedureFieldInfoNamedExact(name) ||
                              (field != nullptr && field->IsForeignKey());
                   });
}

std::vector<ReportField*> ReportGroup::ColumnsShowingRowThrough(const Field* key) const
{
    const Field* referred = key->IsForeignKey() ? key->GetForeignField() : nullptr;
    const Table* table = referred != nullptr ? referred->GetTable() : nullptr;
    const Field* display = table != nullptr ? table->GetDisplayField() : nullptr;
    const Procedure* procedure =
        m_procedureCall != nullptr ? m_procedureCall->GetProcedure() : nullptr;
    std::vector<ReportField*> columns;
    if (display == nullptr || CallIsOnTable(m_classCall, procedure, table) ||
        !ReachesThrough(m_classCall, procedure, key))
        return columns;
    std::ranges::copy_if(m_reportFields, std::back_inserter(columns),
                         [display](const ReportField* column)
                         { return OutputFieldOf(column) == display; });
    return columns;
}

DataFate ReportGroup::FateWhen(const DataLoss& loss) const
{
    if (const DataFate fate = FateOfCalls(m_classCall, m_procedureCall, loss);
        fate != DataFate::unfed)
        return fate;
    const std::vector<const Table*> shown = TablesShown(m_reportFields);
    if (shown.empty())
        return DataFate::unfed;
    return shown.size() == 1 && loss.TakesTable(shown.front()) ? DataFate::goes : DataFate::stays;
}

void ReportGroup::ListTablesItMayGoWith(std::vector<const Table*>& tables) const
{
    ClassInvokation::ListTablesOn(m_classCall, tables);
    if (m_procedureCall != nullptr && m_procedureCall->GetProcedure() != nullptr)
        tables.push_back(m_procedureCall->GetProcedure()->GetMainTable());
    std::ranges::copy(TablesShown(m_reportFields), std::back_inserter(tables));
}

void ReportGroup::LetGoOf(const DataLoss& loss)
{
    if (m_report != nullptr && FateWhen(loss) == DataFate::goes)
    {
        m_report->DeleteReportGroup(this);
        return;
    }
    if (m_classCall != nullptr && loss.Takes(*m_classCall))
    {
        // The columns that only the call's function fed go with it.
        const Function* function = m_classCall->GetFunction();
        Procedure* procedure =
            m_procedureCall != nullptr ? m_procedureCall->GetProcedure() : nullptr;
        DeleteMatching(m_reportFields,
                       [function, procedure](const ReportField* column)
                       {
                           Field* field = OutputFieldOf(column);
                           return field != nullptr && function != nullptr &&
                                  function->HasOutputField(field) &&
                                  (procedure == nullptr || !procedure->HasOutputField(field));
                       });
        delete m_classCall;
        m_classCall = nullptr;
    }
    if (m_procedureCall != nullptr && loss.Takes(*m_procedureCall))
        SetProcedureCall(nullptr);
}

void ReportGroup::ListTableUses(ReferenceList& list)
{
    // Listed first, so that the group's parts let go of the table before the group may go.
    const ClassInvokation* call = m_classCall;
    ClassInvokation::ListTablesHeld(
        list, call, LettingGo(this, [call] { return DataLoss::OfClassCall(call); }));
    // A filter on a field of the table goes after it let go of the tables it reaches.
    SetReportUse(list, "fieldRepresentation", FormInterface::controlUseWeight);
    for (FieldRep* filter : m_filters)
    {
        if (filter->GetField() != nullptr)
            list.Add(filter->GetField()->GetTable(), [this, filter] { RemoveFilter(filter); });
        filter->ListTables(list);
    }
    for (ReportField* column : m_reportFields)
    {
        const Field* field = OutputFieldOf(column);
        if (field == nullptr)
            continue;
        const auto drop = [this, column] { RemoveReportField(column); };
        list.Add(field->GetTable(), drop);
        const Field* foreign = field->GetForeignField();
        if (foreign != nullptr && foreign->GetTable() != field->GetTable())
            list.Add(foreign->GetTable(), drop);
    }
}

bool ReportGroup::UsesClass(Class* dataClass) const
{
    return std::ranges::any_of(ClassCallsOf(m_classCall, m_filters),
                               [dataClass](const ClassInvokation* call)
                               { return call->GetClass() == dataClass; });
}

bool ReportGroup::UsesFunction(Function* function) const
{
    return std::ranges::any_of(ClassCallsOf(m_classCall, m_filters),
                               [function](const ClassInvokation* call)
                               { return call->GetFunction() == function; });
}

bool ReportGroup::UsesFunctionParameter(Function* function, Parameter* parameter) const
{
    return std::ranges::any_of(
        ClassCallsOf(m_classCall, m_filters), [function, parameter](const ClassInvokation* call)
        { return call->GetFunction() == function && call->HasParameterMapFor(parameter); });
}

void ReportGroup::ClearFunctionParameter(Function* function, Parameter* parameter)
{
    for (ClassInvokation* call : ClassCallsOf(m_classCall, m_filters))
    {
        if (call->GetFunction() == function)
            call->RemoveParameterMapsByParameter(parameter);
    }
}

bool ReportGroup::IsFunctionFieldUsedAsFrontBack(Function* function, Table* table) const
{
    return std::ranges::any_of(m_filters,
                               [function, table](const FieldRep* filter) {
                                   return ShowsFunctionFieldAsFrontBack(filter, function, table);
                               }) ||
           std::ranges::any_of(m_reportFields,
                               [function, table](const ReportField* column) {
                                   return IsFunctionFieldOf(function, table, OutputFieldOf(column));
                               });
}

void ReportGroup::ClearFunctionFieldFrontBack(Function* function, Table* table)
{
    for (const FieldRep* filter : m_filters)
    {
        if (!ShowsFunctionFieldAsFrontBack(filter, function, table))
            continue;
        filter->GetFieldRepData()->SetFrontField(nullptr);
        filter->GetFieldRepData()->SetBackField(nullptr);
    }
    DeleteMatching(m_reportFields, [function, table](const ReportField* column)
                   { return IsFunctionFieldOf(function, table, OutputFieldOf(column)); });
}

bool ReportGroup::CallsProcedure(const Procedure* procedure) const
{
    return m_procedureCall != nullptr && m_procedureCall->GetProcedure() == procedure;
}

void ReportGroup::CheckGroup() const
{
    const Procedure* procedure =
        m_procedureCall != nullptr ? m_procedureCall->GetProcedure() : nullptr;
    if (procedure == nullptr)
        return;
    ProjectDiagnostics& diagnostics = TheProjectDiagnostics();
    const CString report = ReportName();
    const CString procedureName = procedure->GetName();
    if (m_procedureCall->GetVariablePairs().size() != procedure->GetFieldParameters().size())
        diagnostics.AddError("Procedure variables are not mapped!\n\t" + report + " - " +
                             procedureName);
    for (const ReportField* column : m_reportFields)
    {
        if (column->GetFieldInfo() != nullptr &&
            !procedure->HasOutputColumn(column->GetFieldInfo()))
            diagnostics.AddError("Report Field contains a field that is not output in "
                                 "procedure!\n\t" +
                                 CString(" - ") + report + " - " + procedureName);
    }
    for (const FieldRep* filter : m_filters)
    {
        if (!procedure->HasOutputField(filter->GetField()))
            diagnostics.AddError("One of the field reps is not output in proceure!\n\t" + report +
                                 " - " + procedureName);
    }
    for (const FieldRep* filter : m_filters)
    {
        const FieldRepData* data = filter->GetFieldRepData();
        if (data == nullptr || data->GetDataProcedure() == nullptr ||
            (data->GetFrontField() != nullptr && data->GetBackField() != nullptr))
            continue;
        const CString fieldName =
            filter->GetField() != nullptr ? filter->GetField()->GetFieldName() : CString();
        diagnostics.AddError(
            "Field is not having front or back field for the assigned procedure!\n\t" + report +
            " - " + fieldName);
    }
}

void ReportGroup::CheckFunctionParameterMapping(CString& text, int& counter) const
{
    const Function* function = m_classCall != nullptr ? m_classCall->GetFunction() : nullptr;
    if (function == nullptr ||
        function->GetParameters().size() <= m_classCall->GetParameterMaps().size())
        return;
    if (counter == 1)
        text += "Parameter mapping missing on following Search Report/s\n";
    CString number;
    number.Format("%d.", counter);
    text += number + ReportName() + " for report group function " + function->GetFieldName() + "\n";
    ++counter;
}

void ReportGroup::SetReportUse(ReferenceList& list, const char* use, int weight) const
{
    if (m_report != nullptr)
        list.SetUse([report = m_report, use] { return report->FieldUseName(use); }, weight);
}

void ReportGroup::RemoveFilter(FieldRep* filter)
{
    const auto found = std::ranges::find(m_filters, filter);
    if (found != m_filters.end())
        RemoveFilterAt(static_cast<int>(found - m_filters.begin()));
}

void ReportGroup::ListReferences(ReferenceList& list)
{
    // The calls' own entities are listed first, so that the group's parts let go of them before
    // the group may go.
    if (m_procedureCall != nullptr)
    {
        const ProcedureInvokation* procedureCall = m_procedureCall;
        list.Add(
            procedureCall->GetProcedure(),
            LettingGo(this, [procedureCall] { return DataLoss::OfProcedureCall(procedureCall); }));
    }
    if (const ClassInvokation* call = m_classCall)
    {
        const auto release = LettingGo(this, [call] { return DataLoss::OfClassCall(call); });
        list.Add(call->GetClass(), release);
        list.Add(call->GetFunction(), release);
    }
    if (m_procedureCall != nullptr)
        m_procedureCall->ListReferences(list);
    ClassInvokation::ListParameterMaps(list, m_classCall);
    list.AddSlot(m_headerValue);
    list.AddSlot(m_nextProcKey);
    // A filter goes with its field, its own references first.
    SetReportUse(list, "fieldRepresentation", FormInterface::controlUseWeight);
    for (FieldRep* filter : m_filters)
    {
        list.Add(filter->GetField(), [this, filter] { RemoveFilter(filter); });
        filter->ListReferences(list);
    }
    SetReportUse(list, " report output field", FormInterface::columnUseWeight);
    for (ReportField* column : m_reportFields)
        column->ListReferences(list, *this);
    list.ClearUse();
}
