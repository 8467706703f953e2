#include "entities/FormInterface.h"

#include "entities/AspFile.h"
#include "entities/LinkControl.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ProcedureTable.h"
#include "entities/UniquenessProcedureTable.h"
#include "model/FieldRep.h"
#include "model/FieldVisibility.h"
#include "model/ReferenceList.h"
#include "model/VisibilityData.h"

#include <vector>

namespace
{
// The pairs of a menu's map lose the variable.
void ListMenuMapReferences(ReferenceList& list, MenuVariableMap& map)
{
    for (const MenuVariableMap::VariablePair& pair : map.m_variablePairs)
    {
        for (const Variable* variable : {pair.first, pair.second})
        {
            list.Add(variable,
                     [&map, variable]
                     {
                         std::erase_if(map.m_variablePairs,
                                       [variable](const MenuVariableMap::VariablePair& each) {
                                           return each.first == variable || each.second == variable;
                                       });
                     });
        }
    }
}

void ListPageFileReferences(ReferenceList& list, AspFile& file)
{
    for (MenuVariableMap* (AspFile::*mapAt)(int) :
         {&AspFile::GetTopMenuVariableMapAt, &AspFile::GetLeftMenuVariableMapAt})
    {
        for (int index = 0; MenuVariableMap* map = (file.*mapAt)(index); ++index)
            ListMenuMapReferences(list, *map);
    }
    // A visibility rule decided by a procedure's output column goes with the column.
    for (const FieldVisibility* visibility : file.GetFieldVisibilities())
    {
        const VisibilityData* data = visibility->GetVisibilityData();
        if (data != nullptr)
            list.Add(data->GetResultField(), [&file, field = visibility->GetField()]
                     { file.RemoveFieldVisibility(field); });
    }
}

void ListCallReferences(ReferenceList& list, ProcedureInvokation* call)
{
    if (call != nullptr)
        call->ListReferences(list);
}
} // namespace

void FormInterface::ListReferences(ReferenceList& list)
{
    for (AspFile* file : m_aspFiles)
        ListPageFileReferences(list, *file);
    for (FieldRep* control : m_fieldReps)
        control->ListReferences(list);
    for (const std::vector<LinkControl*>* links : {&m_preLinks, &m_postLinks})
    {
        for (LinkControl* link : *links)
            link->ListReferences(list);
    }
    ListCallReferences(list, m_procedureCall);
    for (const ProcedureTable* entry : m_procedureTables)
        ListCallReferences(list, entry->GetInvocation());
    for (const UniquenessProcedureTable* entry : m_uniquenessProcedureTables)
        ListCallReferences(list, entry->GetInvocation());
}
