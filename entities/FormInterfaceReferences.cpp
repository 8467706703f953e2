#include "entities/FormInterface.h"

#include "entities/AspFile.h"
#include "entities/LinkControl.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ProcedureTable.h"
#include "entities/UniquenessProcedureTable.h"
#include "model/FieldRep.h"
#include "model/ReferenceList.h"

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
