#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/Function.h"
#include "entities/Parameter.h"
#include "entities/ProcedureFieldInfo.h"
#include "merge/MergeDependencyCollector.h"
#include "merge/MergeMarks.h"
#include "merge/MergeNameIndex.h"
#include "merge/PointerLists.h"
#include "merge/ProjectMerger.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/Table.h"

#include <memory>

Class* ProjectMerger::FindFirstClass(const CString& name) const
{
    if (!m_firstClasses)
    {
        m_firstClasses.emplace();
        for (const Module* module : m_first->GetModules())
            AddModuleClasses(*m_firstClasses, *module);
    }
    return m_firstClasses->Find(name);
}

Function* ProjectMerger::FindFirstFunction(const Function* function) const
{
    const Class* owner = function->GetClass();
    const Class* found = owner != nullptr ? FindFirstClass(owner->GetFieldName()) : nullptr;
    return found != nullptr ? found->FindFunctionByName(function->GetFieldName()) : nullptr;
}

Class* ProjectMerger::ResolveClassReference(Class* source)
{
    if (source == nullptr)
        return nullptr;
    if (Class* found = FindFirstClass(source->GetFieldName()))
        return found;
    return AdoptClass(m_newEntities.GetClassCounterpart(source));
}

Class* ProjectMerger::AdoptClass(Class* made)
{
    if (made == nullptr || !m_newEntities.OwnsCreated(made))
        return made;
    if (m_targetModule == nullptr)
        return nullptr;
    if (Class* namesake = FindModuleClass(*m_targetModule, made->GetFieldName()))
        return namesake;
    m_targetModule->Append(made);
    if (m_targetClasses)
        m_targetClasses->Add(made->GetFieldName(), made);
    if (m_firstClasses && m_targetInFirst)
        m_firstClasses->Add(made->GetFieldName(), made);
    m_newEntities.HandOver(made);
    return made;
}

Class* ProjectMerger::FindModuleClass(const Module& module, const CString& name) const
{
    if (m_targetClasses && &module == m_targetModule)
        return m_targetClasses->Find(name);
    return module.FindClassByName(name);
}

void ProjectMerger::ResolveClasses(Module* /*source*/, Module* target)
{
    // The phase adds classes to the target module only through AdoptClass.
    if (target == m_targetModule)
    {
        m_targetClasses.emplace();
        AddModuleClasses(*m_targetClasses, *target);
    }
    for (int i = 0; i < m_newEntities.GetClassCount(); ++i)
    {
        Class* sourceClass = m_newEntities.GetClassAt(i);
        Class* targetClass = FindFirstClass(sourceClass->GetFieldName());
        if (targetClass == nullptr)
            targetClass = m_newEntities.GetClassCounterpart(sourceClass);
        if (targetClass == nullptr)
        {
            Report("%s class not found in first file!\n\n", sourceClass->GetFieldName());
            continue;
        }
        if (m_newEntities.OwnsCreated(targetClass))
            if (Class* namesake = FindModuleClass(*target, sourceClass->GetFieldName()))
                targetClass = namesake;
        ResolveClass(sourceClass, targetClass);
        AdoptClass(targetClass);
    }
    m_targetClasses.reset();
}

void ProjectMerger::ResolveClass(Class* source, Class* target)
{
    if (BothMarked(source, target))
        return;
    target->SetName(source->GetFieldName());
    Table* table = ResolveTableReference(source->GetTable());
    if (table == nullptr && source->GetTable() != nullptr)
    {
        Report("%s ParentTable not found in %s class in first file!\n\n",
               source->GetTable()->GetTableName(), source->GetFieldName());
        return;
    }
    target->SetTable(table);
    for (Function* function : std::vector<Function*>(source->GetFunctions()))
    {
        Function* counterpart = target->FindFunctionByName(function->GetFieldName());
        if (counterpart == nullptr)
            counterpart = m_newEntities.GetFunctionCounterpart(function);
        if (counterpart == nullptr || !m_dependencies->IsFunctionSelected(function))
            continue;
        if (target->FindFunctionByName(counterpart->GetFieldName()) == nullptr &&
            m_newEntities.OwnsCreated(counterpart))
        {
            counterpart->SetClass(target);
            target->AddFunction(counterpart);
            m_newEntities.HandOver(counterpart);
        }
        ResolveFunction(function, counterpart);
    }
    MarkBoth(source, target);
}

void ProjectMerger::ResolveFunction(Function* source, Function* target)
{
    if (BothMarked(source, target))
        return;
    target->SetName(source->GetFieldName());
    target->SetKind(source->GetKind());
    Table* table = ResolveTableReference(source->GetTable());
    if (table == nullptr && source->GetTable() != nullptr)
    {
        Report("%s Maintable not found in %s function in first file!\n\n",
               source->GetTable()->GetTableName(), source->GetFieldName());
        return;
    }
    target->SetTable(table);
    Class* owner = source->GetClass();
    Class* ownerCounterpart = owner != nullptr ? FindFirstClass(owner->GetFieldName()) : nullptr;
    if (ownerCounterpart == nullptr && owner != nullptr)
        ownerCounterpart = Owned(m_newEntities.GetClassCounterpart(owner));
    if (ownerCounterpart == nullptr && target->GetClass() == nullptr)
    {
        Report("%s ParentClass not found for %s function in first file!\n\n",
               owner != nullptr ? owner->GetFieldName() : CString(), source->GetFieldName());
        return;
    }
    if (ownerCounterpart != nullptr && Holds(ownerCounterpart->GetFunctions(), target))
        target->SetClass(ownerCounterpart);
    ResolveFunctionParameters(source, target);
    ResolveFunctionTables(source, target);
    ResolveFunctionOutputColumns(source, target);
    MarkBoth(source, target);
}

void ProjectMerger::ResolveFunctionParameters(const Function* source, Function* target)
{
    for (Parameter* parameter : source->GetParameters())
    {
        Parameter* counterpart = target->FindParameterByName(parameter->GetFieldName());
        if (counterpart == nullptr)
            counterpart = m_newEntities.GetParameterCounterpart(parameter);
        if (counterpart == nullptr)
        {
            Report("%s parameter not found in %s function in first file!\n\n",
                   parameter->GetFieldName(), source->GetFieldName());
            continue;
        }
        if (target->FindParameterByName(counterpart->GetFieldName()) == nullptr &&
            m_newEntities.OwnsCreated(counterpart))
        {
            target->AddParameter(counterpart);
            m_newEntities.HandOver(counterpart);
        }
    }
}

void ProjectMerger::ResolveFunctionTables(const Function* source, Function* target)
{
    for (Table* table : source->GetUsedTables())
    {
        Table* counterpart = ResolveTableReference(table);
        if (counterpart == nullptr)
        {
            Report("%s dependentTable not found in %s function in first file!\n\n",
                   table->GetTableName(), source->GetFieldName());
            continue;
        }
        if (target->FindTableByName(counterpart->GetTableName()) == nullptr)
            target->AddUsedTable(counterpart);
    }
}

void ProjectMerger::ResolveFunctionOutputColumns(const Function* source, Function* target)
{
    for (const ProcedureFieldInfo* column : source->GetOutputFields())
    {
        Field* sourceField = column->GetField();
        if (sourceField == nullptr)
            continue;
        if (sourceField->GetTable() == nullptr)
        {
            ResolveFunctionAliasColumn(column, target);
            continue;
        }
        Field* field = Owned(ResolveFieldReference(sourceField));
        if (field == nullptr)
        {
            Report("%s fieldInfo not found in %s function first file!\n\n",
                   sourceField->GetFieldName(), source->GetFieldName());
            continue;
        }
        if (target->HasOutputField(field))
            continue;
        auto resolved = std::make_unique<ProcedureFieldInfo>();
        if (!ResolveFieldInfo(column, resolved.get()))
            continue;
        CString name;
        resolved->GetDisplayName(name);
        if (!target->HasProcedureFieldInfoNamedExact(name))
            target->AddOutputField(resolved.release());
    }
}

bool ProjectMerger::MergeClassInvocation(const ClassInvokation* source, ClassInvokation* target)
{
    if (source == nullptr || source->GetClass() == nullptr)
        return true;
    Class* dataClass = ResolveClassReference(source->GetClass());
    if (dataClass != nullptr)
        ResolveClass(source->GetClass(), dataClass);
    if (source->GetFunction() == nullptr)
    {
        target->SetFunction(dataClass, nullptr);
        return true;
    }
    Function* function = FindFirstFunction(source->GetFunction());
    if (function == nullptr && dataClass != nullptr)
        function = dataClass->FindFunctionByName(source->GetFunction()->GetFieldName());
    if (function != nullptr && !m_newEntities.OwnsCreated(function))
        ResolveFunction(source->GetFunction(), function);
    else
        function = nullptr;
    target->SetFunction(dataClass, function);
    return function != nullptr || dataClass != nullptr;
}

void ProjectMerger::ResolveFunctionAliasColumn(const ProcedureFieldInfo* column, Function* target)
{
    // The function owns its alias fields: a namesake stands in for the incoming one.
    Field* sourceField = column->GetField();
    Field* alias = target->FindAliasFieldByName(sourceField->GetFieldName());
    if (alias == nullptr)
    {
        auto made = std::make_unique<Field>();
        ResolveField(sourceField, made.get());
        alias = made.get();
        target->AddAliasField(made.release());
    }
    if (target->HasOutputField(alias))
        return;
    auto resolved = std::make_unique<ProcedureFieldInfo>(alias, column->GetAggregate());
    resolved->SetText(column->GetText());
    CString name;
    resolved->GetDisplayName(name);
    if (!target->HasProcedureFieldInfoNamedExact(name))
        target->AddOutputField(resolved.release());
}
