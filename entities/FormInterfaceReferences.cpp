#include "entities/FormInterface.h"

#include "entities/AspFile.h"
#include "entities/LinkControl.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ProcedureTable.h"
#include "entities/UniquenessProcedureTable.h"
#include "model/FieldRep.h"
#include "model/FieldVisibility.h"
#include "model/Ownership.h"
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
    // A visibility goes with the procedure its data calls or reads.
    for (FieldVisibility* visibility : file.GetFieldVisibilities())
    {
        const VisibilityData* data = visibility->GetVisibilityData();
        if (data == nullptr)
            continue;
        const auto drop = [&file, visibility] { file.DeleteFieldVisibility(visibility); };
        list.Add(data->GetResultField(), drop);
        ProcedureInvokation::ListHeld(list, data->GetDataProcedure(), drop);
    }
}

// The entries of the list whose calls go with their procedures.
template <class Entry> void ListEntryCalls(ReferenceList& list, std::vector<Entry*>& entries)
{
    for (Entry* entry : entries)
        ProcedureInvokation::ListHeld(list, entry->GetInvocation(),
                                      [&entries, entry] { EraseAndDelete(entries, entry); });
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
    // The page's own call goes with its procedure, as a page without a call is made.
    ProcedureInvokation::ListHeld(list, m_procedureCall,
                                  [this]
                                  {
                                      delete m_procedureCall;
                                      m_procedureCall = nullptr;
                                  });
    ListEntryCalls(list, m_procedureTables);
    ListEntryCalls(list, m_uniquenessProcedureTables);
    // A map of a computed column of a procedure goes with the procedure.
    for (const FieldVariableMap* map : m_fieldVariableMaps)
    {
        Field* field = map->field;
        list.Add(field, [this, field] { RemoveFieldVariableMapByField(field); });
    }
}
