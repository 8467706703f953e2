#include "merge/MergeDependencyCollector.h"
#include "merge/MergeMarks.h"
#include "merge/ProjectMerger.h"
#include "model/Field.h"
#include "model/Module.h"
#include "model/Table.h"

void ProjectMerger::ResolveTables(Module* /*source*/, Module* target)
{
    for (int i = 0; i < m_newEntities.GetTableCount(); ++i)
    {
        Table* sourceTable = m_newEntities.GetTableAt(i);
        Table* targetTable = FindFirstTable(sourceTable->GetTableName());
        const bool existing = targetTable != nullptr || m_dependencies->IsTableMapped(sourceTable);
        if (targetTable == nullptr)
            targetTable = m_newEntities.GetTableCounterpart(sourceTable);
        if (targetTable == nullptr)
        {
            Report("%s table not found in first file\n\n", sourceTable->GetTableName());
            continue;
        }
        ResolveTableFields(sourceTable, targetTable);
        if (existing || !m_newEntities.OwnsCreated(targetTable))
            continue;
        // A table of another module of the second project that a function joins stays behind
        // with it: the merge brings no table without its fields, key and pages.
        if (!SourceModuleHolds(sourceTable))
        {
            Report("%s table not found in first file\n\n", sourceTable->GetTableName());
            continue;
        }
        targetTable->SetTableName(sourceTable->GetTableName());
        CString name = sourceTable->GetLowerName();
        if (target->FindTableByName(name) != nullptr)
            continue;
        targetTable->SetKind(sourceTable->GetKind());
        target->AddTable(targetTable);
        IndexTable(targetTable);
        m_newEntities.HandOver(targetTable);
    }
}

void ProjectMerger::ResolveTableFields(Table* source, Table* target)
{
    if (BothMarked(source, target))
        return;
    const std::vector<Field*> fields = source->GetFields();
    for (int i = 0; i < static_cast<int>(fields.size()); ++i)
    {
        Field* sourceField = fields[static_cast<std::size_t>(i)];
        if (m_newEntities.FindFieldKey(sourceField) == nullptr)
            continue;
        Field* targetField = FindFirstField(sourceField);
        const bool existing = targetField != nullptr || m_dependencies->IsFieldMapped(sourceField);
        if (targetField == nullptr)
            targetField = m_newEntities.GetFieldCounterpart(sourceField);
        if (targetField == nullptr)
        {
            Report("%s field in %s table not found in first file!\n\n", sourceField->GetFieldName(),
                   source->GetTableName());
            continue;
        }
        ResolveField(sourceField, targetField);
        const bool made = m_newEntities.OwnsCreated(targetField);
        if (m_overwrite && (made || target->ContainsField(targetField)))
        {
            target->RemoveFieldPointer(targetField);
            target->InsertFieldAt(targetField, i);
        }
        if (!existing && !target->ContainsField(targetField))
        {
            const CString name = targetField->GetFieldName();
            if (target->FindFieldByName(name) == nullptr &&
                source->FindFieldByName(name) != nullptr)
                target->AddField(targetField);
        }
        if (made && target->ContainsField(targetField))
        {
            targetField->SetTable(target);
            m_newEntities.HandOver(targetField);
        }
    }
    MarkBoth(source, target);
}

void ProjectMerger::ResolveField(Field* source, Field* target)
{
    if (BothMarked(source, target))
        return;
    target->SetFieldName(source->GetFieldName());
    target->SetDisplayName(source->GetDisplayName());
    target->SetDefaultValue(source->GetDefaultValue());
    target->SetType(source->GetTypeCode());
    target->SetSize(source->GetSize());
    target->SetPrecision(source->GetPrecision());
    if (source->IsKey())
        target->SetKey(true);
    target->SetForeignKey(source->IsForeignKey());
    target->SetAllowNull(source->IsAllowNull());
    target->SetKeyColumn(source->IsKeyColumn());
    target->SetFrontField(source->IsFrontField());
    Field* foreignField = source->GetForeignField();
    if (foreignField != nullptr && foreignField->GetTable() != nullptr &&
        ResolveTableReference(foreignField->GetTable()) == nullptr)
        Report("%s foreign Table for %s field not found in first file!\n\n",
               foreignField->GetTable()->GetTableName(), source->GetFieldName());
    if (source->IsForeignKey() && foreignField != nullptr)
    {
        if (Field* resolved = ResolveFieldReference(foreignField))
            target->SetForeignField(resolved);
        else
        {
            Report("%s foreign field for %s field not found in first file!\n\n",
                   foreignField->GetFieldName(), source->GetFieldName());
            // The join stays behind with the table it names.
            if (target->GetForeignField() == nullptr)
                target->SetForeignKey(false);
        }
    }
    MarkBoth(source, target);
}
