#include "entities/BooleanTreeNode.h"
#include "entities/FormInterface.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Variable.h"
#include "merge/MergeDependencyCollector.h"
#include "merge/MergeEntityNames.h"
#include "merge/MergeOverwriteSet.h"
#include "merge/ProjectMerger.h"
#include "model/Field.h"
#include "model/FieldFilter.h"
#include "model/Module.h"
#include "model/Relation.h"
#include "model/Table.h"

#include <algorithm>
#include <memory>

namespace
{
CString TableName(const Table* table)
{
    return table != nullptr ? table->GetTableName() : CString();
}
} // namespace

void ProjectMerger::ResolveProcedure(Procedure* source, Procedure* target)
{
    if (source->GetMergeMark() != 0 && target->GetMergeMark() != 0)
        return;
    AdoptProcedure(target, source);
    // Procedure names match ignoring case; the project's procedure keeps its spelling.
    if (target->GetName().CompareNoCase(source->GetName()) != 0)
        target->SetName(source->GetName());
    target->SetWriteFlag(source->GetWriteFlag());
    Table* mainTable = ResolveTableReference(source->GetMainTable());
    if (mainTable == nullptr)
    {
        Report("%s Maintable not found in %s procedure in first file!\n\n",
               TableName(source->GetMainTable()), source->GetName());
        return;
    }
    target->SetMainTable(mainTable);
    target->SetKind(source->GetKind());
    target->SetCustomNameFlag(source->GetCustomNameFlag());
    target->SetProcedureText(source->GetProcedureText());
    target->SetTextFlag(source->GetTextFlag());
    target->SetRowStatusFilter(source->GetRowStatusFilter());
    if (m_overwrite)
        MarkProcedureTablesForOverwrite(source, target);
    ResolveDetailTables(source, target);
    ResolveFieldParameters(source, target);
    ResolveRelations(source, target);
    ResolveFilters(source, target);
    if (m_overwrite)
        MarkOutputColumnsForOverwrite(source, target);
    ResolveOutputColumns(source, target);
    ResolveVariationVariables(source, target);
    source->SetMergeMark(1);
    target->SetMergeMark(1);
}

void ProjectMerger::ResolveProcedures(Module* source, Module* /*target*/)
{
    // A chosen procedure comes whether or not a merged page calls it.
    for (Procedure* procedure : source->GetProcedures())
    {
        if (!m_dependencies->IsProcedureSelected(procedure))
            continue;
        if (Procedure* target = ResolveProcedureReference(procedure))
            ResolveProcedure(procedure, target);
    }
}

void ProjectMerger::ResolveDetailTables(const Procedure* source, Procedure* target)
{
    for (Table* table : source->GetTables())
    {
        Table* resolved = ResolveTableReference(table);
        if (resolved == nullptr)
            Report("%s detailTable not found in %s procedure in first file!\n\n", TableName(table),
                   source->GetName());
        else if (target->FindTableByNameNoCase(resolved->GetTableName()) == nullptr)
            target->AddTable(resolved);
    }
}

void ProjectMerger::ResolveFieldParameters(const Procedure* source, Procedure* target)
{
    for (const FieldVariableMap& parameter : source->GetFieldParameters())
    {
        Field* field = Owned(ResolveFieldReference(parameter.field));
        if (parameter.field != nullptr && field == nullptr)
        {
            Report("%s input field not found in %s procedure in first file!\n\n",
                   parameter.field->GetFieldName(), source->GetName());
            continue;
        }
        if (parameter.variable == nullptr)
            continue;
        const CString name = parameter.variable->GetFieldName();
        Variable* variable = FindFieldParameterByName(target, name);
        if (variable == nullptr)
            variable = m_newEntities.GetVariableCounterpart(parameter.variable);
        if (variable == nullptr)
        {
            Report("%s mapped variable not found in %s procedure in first file!\n\n", name,
                   source->GetName());
            continue;
        }
        CopyVariable(parameter.variable, variable);
        if (target->FindFieldParameterVariableByName(name) != nullptr)
            continue;
        target->AddFieldParameterPair(field, variable);
        m_newEntities.HandOver(variable);
    }
}

void ProjectMerger::ResolveRelations(const Procedure* source, Procedure* target)
{
    for (const Relation* relation : source->GetRelations())
    {
        auto resolved = std::make_unique<Relation>();
        if (!ResolveRelation(relation, resolved.get()))
        {
            Report("Relation between %s table and %s table has been removed in %s procedure\n\n",
                   TableName(relation->GetFirstTable()), TableName(relation->GetSecondTable()),
                   source->GetName());
            continue;
        }
        if (!target->HasRelation(resolved->GetFirstTable(), resolved->GetSecondTable()))
            target->AddRelation(resolved.release());
    }
}

bool ProjectMerger::ResolveRelation(const Relation* source, Relation* target)
{
    Table* first = ResolveTableReference(source->GetFirstTable());
    Table* second = ResolveTableReference(source->GetSecondTable());
    if (first == nullptr || second == nullptr)
        return false;
    target->SetFirstTable(first);
    target->SetSecondTable(second);
    for (Field* field : source->GetJoinFields())
        if (Field* counterpart = field != nullptr ? FieldCounterpart(field) : nullptr)
            target->AddJoinField(counterpart);
    return true;
}

void ProjectMerger::ResolveFilters(const Procedure* source, Procedure* target)
{
    const std::vector<FieldFilter*>& filters = source->GetFilters();
    for (std::size_t i = 0; i < filters.size(); ++i)
    {
        if (i >= target->GetFilters().size())
            target->AddFilter(new FieldFilter);
        ResolveFieldFilter(filters[i], target->GetFilters()[i]);
    }
    for (const BooleanTreeNode* root : source->GetFilterTrees())
    {
        auto* node = new BooleanTreeNode;
        target->AddFilterTreeRoot(node);
        CopyFilterTree(source, target, root, node);
    }
}

void ProjectMerger::ResolveFieldFilter(const FieldFilter* source, FieldFilter* target)
{
    target->SetComparisonKind(source->GetComparisonKind());
    if (const Variable* variable = source->GetVariable())
    {
        Variable* counterpart =
            Owned(m_newEntities.GetVariableCounterpart(const_cast<Variable*>(variable)));
        if (counterpart != nullptr)
        {
            CopyVariable(variable, counterpart);
            target->SetVariable(counterpart);
        }
        else
            Report("%s variable not found in first file!\n\n", variable->GetFieldName());
    }
    if (Field* field = source->GetField())
        if (Field* counterpart = FieldCounterpart(field))
            target->SetField(counterpart);
}

void ProjectMerger::CopyFilterTree(const Procedure* sourceProcedure, Procedure* targetProcedure,
                                   const BooleanTreeNode* source, BooleanTreeNode* target)
{
    if (FieldFilter* filter = source->GetFilter())
    {
        const std::vector<FieldFilter*>& sourceFilters = sourceProcedure->GetFilters();
        const auto listed = std::ranges::find(sourceFilters, filter);
        const auto place = static_cast<std::size_t>(listed - sourceFilters.begin());
        const std::vector<FieldFilter*>& targetFilters = targetProcedure->GetFilters();
        if (listed != sourceFilters.end() && place < targetFilters.size())
            target->SetFilter(targetFilters[place]);
        else
        {
            auto* made = new FieldFilter;
            targetProcedure->AddFilter(made);
            ResolveFieldFilter(filter, made);
            target->SetFilter(made);
        }
    }
    target->SetOperator(source->GetOperator());
    if (const BooleanTreeNode* left = source->GetLeft())
    {
        target->SetLeft(new BooleanTreeNode);
        CopyFilterTree(sourceProcedure, targetProcedure, left, target->GetLeft());
    }
    if (const BooleanTreeNode* right = source->GetRight())
    {
        target->SetRight(new BooleanTreeNode);
        CopyFilterTree(sourceProcedure, targetProcedure, right, target->GetRight());
    }
}

void ProjectMerger::ResolveOutputColumns(const Procedure* source, Procedure* target)
{
    for (const ProcedureFieldInfo* column : source->GetOutputColumns())
        ResolveOutputColumn(source, target, column);
}

void ProjectMerger::ResolveOutputColumn(const Procedure* source, Procedure* target,
                                        const ProcedureFieldInfo* column)
{
    Field* sourceField = column->GetField();
    Field* field = ResolveFieldReference(sourceField);
    if (field == nullptr && sourceField != nullptr && sourceField->GetTable() != nullptr)
    {
        Report("%s fieldInfo not found in %s procedure first file!\n\n",
               sourceField->GetFieldName(), source->GetName());
        return;
    }
    if (field != nullptr && target->HasOutputField(field))
        return;
    auto resolved = std::make_unique<ProcedureFieldInfo>();
    if (!ResolveFieldInfo(column, resolved.get()))
        return;
    Field* resolvedField = resolved->GetField();
    if (sourceField != nullptr && sourceField->GetTable() == nullptr && resolvedField != nullptr)
    {
        ResolveField(sourceField, resolvedField);
        // The procedure owns its alias fields: a namesake stands in for the new one.
        if (Field* alias = target->FindAliasFieldByName(resolvedField->GetFieldName()))
            resolved->SetField(alias);
        else if (!target->ContainsAliasField(resolvedField))
        {
            target->AddAliasField(resolvedField, false);
            if (target->ContainsAliasField(resolvedField))
                m_newEntities.HandOver(resolvedField);
        }
    }
    if (!target->HasOutputColumnNamedNoCase(ColumnDisplayName(resolved.get())))
        target->AddOutputColumn(resolved.release());
}

bool ProjectMerger::ResolveFieldInfo(const ProcedureFieldInfo* source, ProcedureFieldInfo* target)
{
    Field* field =
        source->GetField() != nullptr ? ResolveFieldReference(source->GetField()) : nullptr;
    if (field == nullptr)
    {
        Report("%s fieldInfo not found in procedure in first file!\n\n", ColumnDisplayName(source));
        return false;
    }
    target->SetField(field);
    target->SetAggregate(source->GetAggregate());
    target->SetText(source->GetText());
    return true;
}

void ProjectMerger::ResolveVariationVariables(const Procedure* source, Procedure* target)
{
    for (Variable* variable : source->GetVariationVariables())
    {
        if (variable == nullptr)
            continue;
        Variable* counterpart = Owned(m_newEntities.GetVariableCounterpart(variable));
        if (counterpart == nullptr)
        {
            Report("%s variable not found in first file!\n\n", variable->GetFieldName());
            continue;
        }
        CopyVariable(variable, counterpart);
        if (!target->HasVariable(counterpart))
            target->AddVariationVariable(counterpart);
    }
}

void ProjectMerger::CopyVariable(const Variable* source, Variable* target)
{
    if (source == nullptr || target == nullptr)
        return;
    target->SetName(source->GetFieldName());
    target->SetKind(source->GetKind());
    target->SetValue(source->GetValue());
}

void ProjectMerger::MarkProcedureTablesForOverwrite(const Procedure* source, Procedure* target)
{
    for (Table* table : target->GetTables())
        if (table != nullptr && source->FindTableByName(table->GetTableName()) == nullptr)
        {
            m_overwriteReference->GetProcedureDetailTableList().push_back(table);
            m_overwriteReference->GetOwnerProcedureList().push_back(target);
        }
}

void ProjectMerger::MarkOutputColumnsForOverwrite(const Procedure* source, Procedure* target)
{
    for (ProcedureFieldInfo* column : target->GetOutputColumns())
        if (!source->HasOutputColumnNamedNoCase(ColumnDisplayName(column)))
        {
            m_overwriteReference->GetProcedureColumnList().push_back(column);
            m_overwriteReference->GetOwnerProcedureList().push_back(target);
        }
}

bool ProjectMerger::ResolveProcedureInvokation(const ProcedureInvokation* source,
                                               ProcedureInvokation* target)
{
    Procedure* sourceProcedure = source->GetProcedure();
    if (sourceProcedure == nullptr)
        return true;
    Procedure* procedure = ResolveProcedureReference(sourceProcedure);
    if (procedure == nullptr)
        return false;
    target->SetProcedure(procedure);
    ResolveProcedure(sourceProcedure, procedure);
    ClearVariablePairs(target);
    ResolveVariablePairs(source, target, procedure);
    ClearFieldVariableMaps(target);
    ResolveFieldVariableMaps(source, target, sourceProcedure, procedure);
    return true;
}

void ProjectMerger::ClearVariablePairs(ProcedureInvokation* invokation)
{
    while (!invokation->GetVariablePairs().empty())
        invokation->RemoveVariablePairAt(0);
}

void ProjectMerger::ClearFieldVariableMaps(ProcedureInvokation* invokation)
{
    while (!invokation->GetFieldVariableMaps().empty())
        invokation->RemoveFieldVariableMap(invokation->GetFieldVariableMaps().front());
}

void ProjectMerger::ResolveVariablePairs(const ProcedureInvokation* source,
                                         ProcedureInvokation* target, const Procedure* procedure)
{
    for (int i = 0; i < static_cast<int>(source->GetVariablePairs().size()); ++i)
    {
        const VariablePair* pair = source->GetVariablePairAt(i);
        if (pair == nullptr || pair->first == nullptr)
            continue;
        Variable* procedureVariable =
            FindFieldParameterByName(procedure, pair->first->GetFieldName());
        if (procedureVariable == nullptr)
            procedureVariable = Owned(m_newEntities.GetVariableCounterpart(pair->first));
        if (procedureVariable == nullptr)
        {
            Report("%s variable is not mapped in  procedure in first file!\n\n",
                   pair->first->GetFieldName());
            continue;
        }
        CopyVariable(pair->first, procedureVariable);
        Variable* callerVariable = nullptr;
        if (pair->second != nullptr && pair->second->GetKind() != Variable::sharedKind)
        {
            callerVariable = m_newEntities.GetVariableCounterpart(pair->second);
            CopyVariable(pair->second, callerVariable);
        }
        if (callerVariable == nullptr ||
            target->HasCallerVariableNamed(callerVariable->GetFieldName()))
            continue;
        target->AddVariablePair(new VariablePair{procedureVariable, callerVariable});
    }
}

void ProjectMerger::ResolveFieldVariableMaps(const ProcedureInvokation* source,
                                             ProcedureInvokation* target,
                                             const Procedure* sourceProcedure,
                                             const Procedure* procedure)
{
    for (const FieldVariableMap* map : source->GetFieldVariableMaps())
    {
        Field* field = nullptr;
        if (map->field != nullptr)
        {
            field = sourceProcedure->ContainsAliasField(map->field)
                        ? procedure->FindAliasFieldByName(map->field->GetFieldName())
                        : ResolveFieldReference(map->field);
            if (field == nullptr)
                field = Owned(FieldCounterpart(map->field));
        }
        Variable* variable = map->variable != nullptr
                                 ? m_newEntities.GetVariableCounterpart(map->variable)
                                 : nullptr;
        if (variable == nullptr)
        {
            Report("%s variable is not mapped in  procedure in first file!\n\n",
                   map->variable != nullptr ? map->variable->GetFieldName() : CString());
            continue;
        }
        if (map->field != nullptr && field == nullptr)
        {
            Report("%s field mapping not found in  procedure used in recomput fields in first "
                   "file!\n\n",
                   map->field->GetFieldName());
            continue;
        }
        CopyVariable(map->variable, variable);
        if (target->FindFieldVariableByName(variable->GetFieldName()) == nullptr)
            target->AddFieldVariableMap(new FieldVariableMap{field, variable});
    }
}
