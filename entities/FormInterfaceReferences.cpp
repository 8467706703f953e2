#include "entities/FormInterface.h"

#include "entities/AspFile.h"
#include "entities/DerivedField.h"
#include "entities/FormInterfaceParts.h"
#include "entities/LinkControl.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ProcedureTable.h"
#include "entities/UniquenessProcedureTable.h"
#include "model/FieldRep.h"
#include "model/Ownership.h"
#include "model/RefField.h"
#include "model/ReferenceList.h"

#include <algorithm>
#include <vector>

namespace
{
// The entries of the list go with their tables and with the procedures they call, their calls'
// references first.
template <class Entry> void ListEntryCalls(ReferenceList& list, std::vector<Entry*>& entries)
{
    for (Entry* entry : entries)
    {
        const auto drop = [&entries, entry] { EraseAndDelete(entries, entry); };
        list.Add(entry->GetTable(), drop);
        ProcedureInvokation::ListHeld(list, entry->GetInvocation(), drop);
    }
}
} // namespace

void FormInterface::ListReferences(ReferenceList& list)
{
    for (AspFile* file : m_aspFiles)
        file->ListReferences(list);
    // A control of a field goes with the field, its own references first.
    list.SetUse([this] { return FieldUseName("fieldRepresentation"); }, controlUseWeight);
    for (FieldRep* control : m_fieldReps)
    {
        list.Add(control->GetField(), [this, control] { DeleteFieldRep(control); });
        control->ListReferences(list);
    }
    list.ClearUse();
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
    // A map loses a field that goes, a procedure's computed column among them; the map and its
    // variable stay, as other pages' menus, bindings and calls may hold the variable.
    for (FieldVariableMap* map : m_fieldVariableMaps)
    {
        list.SetUse([this, map] { return FieldUseName(VariableName(map->variable)); },
                    mapUseWeight);
        list.Add(map->field, [this, map] { ReleaseFieldVariableMap(map); });
    }
    list.ClearUse();
    for (const PageTableFlags& flags : m_tableFlags)
        list.Add(flags.table, [this, table = flags.table] { RemoveTableFlags(table); });
    // A reference or derived field taken from a table goes with it; a derived field in use
    // stays without its table.
    for (RefField* refField : m_refFields)
        list.Add(refField->GetTable(), [this, refField] { RemoveRefField(refField); });
    for (DerivedField* derived : m_derivedFields)
    {
        list.Add(derived->GetTable(),
                 [this, derived]
                 {
                     RemoveDerivedField(derived);
                     if (std::ranges::find(m_derivedFields, derived) != m_derivedFields.end())
                         derived->SetTable(nullptr);
                 });
    }
    ListTableUses(list);
}

void FormInterface::ListTableUses(ReferenceList& list)
{
    list.SetUse([this] { return FieldUseName("fieldRepresentation"); }, controlUseWeight);
    for (FieldRep* control : m_fieldReps)
        control->ListTables(list);
    list.ClearUse();
}
