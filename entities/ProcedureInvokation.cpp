#include "entities/ProcedureInvokation.h"

#include "entities/FormInterface.h"
#include "entities/Procedure.h"
#include "entities/Variable.h"
#include "model/ArchiveIO.h"
#include "model/Field.h"
#include "model/Ownership.h"

IMPLEMENT_SERIAL(ProcedureInvokation, CObject, 0)

ProcedureInvokation::ProcedureInvokation(const ProcedureInvokation* source)
    : m_procedure(source != nullptr ? source->m_procedure : nullptr)
{
}

ProcedureInvokation::~ProcedureInvokation()
{
    DeleteAll(m_variablePairs);
    DeleteAll(m_fieldVariableMaps);
}

void ProcedureInvokation::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar.WriteObject(m_procedure);
        ar << static_cast<int>(m_variablePairs.size());
        for (const VariablePair* pair : m_variablePairs)
        {
            ar.WriteObject(pair != nullptr ? pair->first : nullptr);
            ar.WriteObject(pair != nullptr ? pair->second : nullptr);
        }
        ar << static_cast<int>(m_fieldVariableMaps.size());
        for (const FieldVariableMap* map : m_fieldVariableMaps)
        {
            ar.WriteObject(map->field);
            ar.WriteObject(map->variable);
        }
        return;
    }
    m_procedure = ReadRef<Procedure>(ar);
    const int pairCount = ReadCount(ar);
    for (int i = 0; i < pairCount; ++i)
    {
        Variable* first = ReadRef<Variable>(ar);
        Variable* second = ReadRef<Variable>(ar);
        if (first == nullptr && second == nullptr)
            m_variablePairs.push_back(nullptr);
        else
            m_variablePairs.push_back(new VariablePair{first, second});
    }
    if (ArchiveVersion() > 49)
    {
        const int mapCount = ReadCount(ar);
        for (int i = 0; i < mapCount; ++i)
        {
            Field* field = ReadRef<Field>(ar);
            Variable* variable = ReadRef<Variable>(ar);
            m_fieldVariableMaps.push_back(new FieldVariableMap{field, variable});
        }
    }
}
