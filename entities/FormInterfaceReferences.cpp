#include "entities/FormInterface.h"

#include "entities/AspFile.h"
#include "entities/DerivedField.h"
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
void ListCallReferences(ReferenceList& list, ProcedureInvokation* call)
{
    if (call != nullptr)
        call->ListReferences(list);
}
} // namespace

void FormInterface::ListReferences(ReferenceList& list)
{
    for (AspFile* file : m_aspFiles)
        file->ListReferences(list);
    // A control of a field goes with the field, its own references first.
    for (FieldRep* control : m_fieldReps)
    {
        list.Add(control->GetField(), [this, control] { DeleteFieldRep(control); });
        control->ListReferences(list);
    }
    for (const std::vector<LinkControl*>* links : {&m_preLinks, &m_postLinks})
    {
        for (LinkControl* link : *links)
            link->ListReferences(list);
    }
    ListCallReferences(list, m_procedureCall);
    // An entry for a table goes with its table, its call's references first.
    for (ProcedureTable* entry : m_procedureTables)
    {
        list.Add(entry->GetTable(), [this, entry] { EraseAndDelete(m_procedureTables, entry); });
        ListCallReferences(list, entry->GetInvocation());
    }
    for (UniquenessProcedureTable* entry : m_uniquenessProcedureTables)
    {
        list.Add(entry->GetTable(),
                 [this, entry] { EraseAndDelete(m_uniquenessProcedureTables, entry); });
        ListCallReferences(list, entry->GetInvocation());
    }
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
}
