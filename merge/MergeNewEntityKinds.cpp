#include "entities/ProcedureFieldInfo.h"
#include "merge/MergeDependencyCollector.h"
#include "merge/MergeNameIndex.h"
#include "merge/MergeNewPairing.h"
#include "merge/MergeReportFiles.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/ReferenceList.h"
#include "platform/core/CObject.h"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

MergeCreatedObjects::~MergeCreatedObjects() = default;

std::size_t MergeCreatedObjects::SlotOf(const CObject* object) const
{
    return ProbeAddress(m_slots, object, m_shift,
                        [object](const std::unique_ptr<CObject>& held)
                        { return held.get() == object; });
}

bool MergeCreatedObjects::Holds(const CObject* object) const
{
    return !m_slots.empty() && m_slots[SlotOf(object)] != nullptr;
}

void MergeCreatedObjects::Keep(std::unique_ptr<CObject> object)
{
    if (2 * (m_count + 1) > m_slots.size())
    {
        std::vector<std::unique_ptr<CObject>> held = std::move(m_slots);
        const std::size_t size = std::max<std::size_t>(64, 2 * held.size());
        m_slots = std::vector<std::unique_ptr<CObject>>(size);
        m_shift = AddressShift(size);
        for (std::unique_ptr<CObject>& owned : held)
        {
            if (owned != nullptr)
                m_slots[SlotOf(owned.get())] = std::move(owned);
        }
    }
    // A new object is at no held object's address.
    m_slots[SlotOf(object.get())] = std::move(object);
    ++m_count;
}

bool MergeCreatedObjects::HandOver(const CObject* object)
{
    if (m_slots.empty())
        return false;
    std::size_t hole = SlotOf(object);
    if (m_slots[hole] == nullptr)
        return false;
    static_cast<void>(m_slots[hole].release());
    --m_count;
    // A later object of the run moves into the hole unless its own slot lies after the hole.
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t next = (hole + 1) & mask; m_slots[next] != nullptr; next = (next + 1) & mask)
    {
        const std::size_t home = AddressSlot(m_slots[next].get(), m_shift);
        if (((next - home) & mask) >= ((next - hole) & mask))
        {
            m_slots[hole] = std::move(m_slots[next]);
            hole = next;
        }
    }
    return true;
}

MergeNewKindCollector::MergeNewKindCollector(const MergeNewContext& context, const char* logPath)
    : m_context(context)
{
    m_context.reportFiles->Open(m_log, logPath);
}

MergeNewKindCollector::~MergeNewKindCollector()
{
    CloseLog();
}

void MergeNewKindCollector::CloseLog()
{
    m_context.reportFiles->Close(m_log);
}

MergeNewTableEntities::MergeNewTableEntities(const MergeNewContext& context)
    : MergeNewKindCollector(context, "C:\\temp\\Merge_NewEntities_Table.txt")
{
}

void MergeNewTableEntities::CollectTables(Module* target, Module* source)
{
    std::vector<Table*> targets;
    std::vector<Table*> sources;
    target->GetAllTables(targets);
    source->GetAllTables(sources);
    // The pass makes no table of either module.
    MergeNameIndex<Table> targetTables;
    MergeNameIndex<Table> sourceTables;
    AddModuleTables(targetTables, *target);
    AddModuleTables(sourceTables, *source);
    RunPass(MergeNewPass<Table>{
        .targets = targets,
        .sources = sources,
        .find = [&targetTables, &sourceTables](const Table& table, bool inSource)
        { return (inSource ? sourceTables : targetTables).Find(table.GetTableName()); },
        .make =
            [this](const Table& table)
        {
            auto* made = Make<Table>();
            made->SetTableName(table.GetTableName());
            return made;
        },
        .keepsTargetCounterpart = nullptr,
        .overwrite = &MergeOverwriteSet::GetTableList,
        .firstLine = "TABLE : %s\n",
        .secondLine = "TABLE : %s\n",
        .pair = [this](Table* a, Table* b, bool) { PairTables(a, b); },
    });
}

void MergeNewTableEntities::PairTables(Table* a, Table* b)
{
    MergeDependencyCollector& dependencies = *m_context.dependencies;
    const auto pair = SelectPair(
        a, b, [&dependencies](const Table* table) { return dependencies.IsTableSelected(table); });
    if (!pair)
        return;
    Table* counterpart = dependencies.IsTableMapped(pair->key)
                             ? dependencies.GetMappedTable(pair->key)
                             : pair->value;
    m_tables.try_emplace(pair->key, counterpart);
    if (counterpart != nullptr)
        CollectFields(pair->key, counterpart, pair->flag);
}

void MergeNewTableEntities::CollectFields(Table* first, Table* second, bool flag)
{
    RunPartPass(
        MergeNewPartPass<Field>{
            .xs = first->GetFields(),
            .ys = second->GetFields(),
            .name = [](const Field& field) { return field.GetFieldName(); },
            .find = [first, second](const CString& name, bool inY)
            { return (inY ? second : first)->FindFieldByName(name); },
            .make = [this](Field&, bool) { return Make<Field>(); },
            .enter = [this](Field* key, Field* value) { PairFields(key, value); },
            .firstLine = "FIELD : %s\n",
            .secondLine = "FIELD : %s\n",
            .overwrite = &MergeOverwriteSet::GetFieldList,
        },
        flag);
}

void MergeNewTableEntities::PairFields(Field* key, Field* value)
{
    if (m_context.dependencies->IsFieldMapped(key))
        value = m_context.dependencies->GetMappedField(key);
    m_fields.try_emplace(key, value);
}

MergeNewClassEntities::MergeNewClassEntities(const MergeNewContext& context,
                                             MergeNewTableEntities& tables)
    : MergeNewKindCollector(context, "C:\\temp\\Merge_NewEntities_Class.txt"),
      m_tableCollector(tables)
{
}

void MergeNewClassEntities::CollectClasses(Module* target, Module* source)
{
    // The pass makes no class of either module.
    MergeNameIndex<Class> targetClasses;
    MergeNameIndex<Class> sourceClasses;
    AddModuleClasses(targetClasses, *target);
    AddModuleClasses(sourceClasses, *source);
    RunPass(MergeNewPass<Class>{
        .targets = target->GetClasses(),
        .sources = source->GetClasses(),
        .find = [&targetClasses, &sourceClasses](const Class& dataClass, bool inSource)
        { return (inSource ? sourceClasses : targetClasses).Find(dataClass.GetFieldName()); },
        .make =
            [this](const Class& dataClass)
        {
            auto* made = Make<Class>();
            made->SetName(dataClass.GetFieldName());
            return made;
        },
        .keepsTargetCounterpart = nullptr,
        .overwrite = &MergeOverwriteSet::GetOwnerClassList,
        .firstLine = "CLASS : %s\n",
        .secondLine = "CLASS : %s\n",
        .pair = [this](Class* a, Class* b, bool) { PairClasses(a, b); },
    });
}

void MergeNewClassEntities::PairClasses(Class* a, Class* b)
{
    const MergeDependencyCollector& dependencies = *m_context.dependencies;
    const auto pair = SelectPair(a, b,
                                 [&dependencies](const Class* dataClass)
                                 { return dependencies.IsClassSelected(dataClass); });
    if (!pair)
        return;
    m_classes.try_emplace(pair->key, pair->value);
    if (pair->flag)
        CollectFunctions(pair->key, pair->value, true);
    else
        CollectFunctions(a, b, false);
}

void MergeNewClassEntities::CollectFunctions(Class* x, Class* y, bool flag)
{
    const auto makeLike = [this](const Function& function)
    {
        auto* made = Make<Function>();
        made->SetName(function.GetFieldName());
        made->SetKind(function.GetKind());
        return made;
    };
    for (Function* function : std::vector<Function*>(x->GetFunctions()))
    {
        if (m_functions.contains(function))
            continue;
        Function* counterpart = y->FindFunctionByName(function->GetFieldName());
        if (counterpart == nullptr)
            counterpart = makeLike(*function);
        m_functions.try_emplace(function, counterpart);
        Log("FUNCTION : %s\n", function->GetFieldName());
        CollectFunctionParts(function, counterpart);
    }
    for (Function* function : std::vector<Function*>(y->GetFunctions()))
    {
        if (m_functions.contains(function))
            continue;
        Function* counterpart = x->FindFunctionByName(function->GetFieldName());
        if (counterpart == nullptr)
        {
            if (!flag)
                AppendOverwrite(&MergeOverwriteSet::GetFunctionList, function);
            counterpart = makeLike(*function);
            Log("FUNCTION : %s\n", function->GetFieldName());
        }
        m_functions.try_emplace(function, counterpart);
        CollectFunctionParts(function, counterpart);
    }
}

void MergeNewClassEntities::CollectFunctionParts(Function* f, Function* g)
{
    CollectParameters(f, g);
    CollectFunctionTables(f, g);
    CollectOutputColumns(f, g);
    CollectAliasFields(f, g);
}

void MergeNewClassEntities::CollectParameters(Function* f, Function* g)
{
    RunPartPass(
        MergeNewPartPass<Parameter>{
            .xs = f->GetParameters(),
            .ys = g->GetParameters(),
            .name = [](const Parameter& parameter) { return parameter.GetFieldName(); },
            .find = [f, g](const CString& name, bool inY)
            { return (inY ? g : f)->FindParameterByName(name); },
            .make =
                [this](Parameter& parameter, bool)
            {
                auto* made = Make<Parameter>();
                made->SetName(parameter.GetFieldName());
                return made;
            },
            .enter = [this](Parameter* key, Parameter* value)
            { m_parameters.try_emplace(key, value); },
            .passOverKeysOf = &m_parameters,
            .firstLine = "FUNCTION PARAMETER: %s\n",
            .secondLine = "FUNCTION PARAMETER : %s\n",
            .logEveryPair = true,
        },
        true);
}

void MergeNewClassEntities::CollectFunctionTables(Function* f, Function* g)
{
    MergeNewMap<Table>& tables = m_tableCollector.GetTableMap();
    RunPartPass(
        MergeNewPartPass<Table>{
            .xs = f->GetUsedTables(),
            .ys = g->GetUsedTables(),
            .name = [](const Table& table) { return table.GetTableName(); },
            .find = [f, g](const CString& name, bool inY)
            { return (inY ? g : f)->FindTableByName(name); },
            .make =
                [this](Table& table, bool)
            {
                auto* made = Make<Table>();
                made->SetTableName(table.GetTableName());
                made->SetKind(table.GetKind());
                return made;
            },
            .enter = [&tables](Table* key, Table* value) { tables.try_emplace(key, value); },
            .firstLine = "FUNCTION TABLE: %s\n",
            .secondLine = "FUNCTION TABLE : %s\n",
            .logEveryPair = true,
        },
        true);
}

void MergeNewClassEntities::CollectOutputColumns(Function* f, Function* g)
{
    // The pass adds no column to either function: each is named once, by its list.
    const auto displayName = [](const ProcedureFieldInfo& column)
    { return ColumnDisplayName(&column); };
    const MergeNameList<ProcedureFieldInfo> fColumns(f->GetOutputFields(), displayName);
    const MergeNameList<ProcedureFieldInfo> gColumns(g->GetOutputFields(), displayName);
    RunPartPass(
        MergeNewPartPass<ProcedureFieldInfo>{
            .xs = f->GetOutputFields(),
            .ys = g->GetOutputFields(),
            .name = nullptr,
            .xNames = &fColumns,
            .yNames = &gColumns,
            .find = [&fColumns, &gColumns](const CString& name, bool inY)
            { return (inY ? gColumns : fColumns).Find(name); },
            .make =
                [this](ProcedureFieldInfo& column, bool)
            {
                auto* made = Make<ProcedureFieldInfo>(column.GetField(), column.GetAggregate());
                made->SetText(column.GetText());
                return made;
            },
            .enter = [this](ProcedureFieldInfo* key, ProcedureFieldInfo* value)
            { m_outputColumns.try_emplace(key, value); },
            .passOverKeysOf = &m_outputColumns,
            .firstLine = "FUNCTION PROCEDURE FIELD INFO : %s\n",
            .secondLine = "FUNCTION PROCEDURE FIELD INFO : %s\n",
            .logEveryPair = true,
        },
        true);
}

void MergeNewClassEntities::CollectAliasFields(Function* f, Function* g)
{
    RunPartPass(
        MergeNewPartPass<Field>{
            .xs = f->GetAliasFields(),
            .ys = g->GetAliasFields(),
            .name = [](const Field& field) { return field.GetFieldName(); },
            .find = [f, g](const CString& name, bool inY)
            { return (inY ? g : f)->FindAliasFieldByName(name); },
            .make =
                [this](Field& field, bool)
            {
                auto* made = Make<Field>();
                made->Set(field.GetFieldName(), field.GetDisplayName(), field.GetTypeCode(),
                          field.GetSize(), field.GetPrecision(), field.GetForeignField(),
                          field.GetDefaultValue(), field.IsKey(), field.IsForeignKey(),
                          field.IsAllowNull(), field.IsKeyColumn(), field.IsFrontField());
                return made;
            },
            .enter = [this](Field* key, Field* value) { m_aliasFields.try_emplace(key, value); },
            .passOverKeysOf = &m_aliasFields,
            .firstLine = "FUNCTION ALISE FIELD : %s\n",
            .secondLine = "FUNCTION ALISE FIELD : %s\n",
            .logEveryPair = true,
        },
        true);
}
