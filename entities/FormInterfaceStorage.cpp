#include "entities/FormInterface.h"

#include "entities/AspFile.h"
#include "entities/DerivedField.h"
#include "entities/Grid.h"
#include "entities/LinkControl.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ProcedureTable.h"
#include "entities/UniquenessProcedureTable.h"
#include "entities/Variable.h"
#include "model/ArchiveIO.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/RefField.h"
#include "model/Table.h"

#include <algorithm>
#include <iterator>

void FormInterface::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << m_name;
        WriteObjectList(ar, m_aspFiles);
        WriteObjectList(ar, m_fieldReps);
        std::vector<const FieldVariableMap*> storedMaps;
        std::ranges::copy_if(m_fieldVariableMaps, std::back_inserter(storedMaps),
                             [](const FieldVariableMap* map) { return !IsSharedVariableMap(map); });
        ar << static_cast<int>(storedMaps.size());
        for (const FieldVariableMap* map : storedMaps)
        {
            ar.WriteObject(map->field);
            ar.WriteObject(map->variable);
        }
        WriteObjectList(ar, m_preLinks);
        WriteObjectList(ar, m_postLinks);
        ar << m_preLinkColumnCount << m_postLinkColumnCount;
        WriteObjectList(ar, m_uniquenessProcedureTables);
        WriteObjectList(ar, m_refFields);
        WriteObjectList(ar, m_derivedFields);
        WriteObjectList(ar, m_procedureTables);
        ar << static_cast<int>(m_tableFlags.size());
        for (const PageTableFlags& flags : m_tableFlags)
        {
            ar.WriteObject(flags.table);
            WriteBoolInt(ar, flags.firstFlag);
            WriteBoolInt(ar, flags.secondFlag);
        }
        ar.WriteObject(m_procedureCall);
        WriteBoolInt(ar, m_isCopy);
        ar << m_columnCount;
        return;
    }

    const int version = ArchiveVersion();
    ar >> m_name;
    ReadOwnedList(ar, m_aspFiles);
    if (TakesEntriesOfOtherPages())
        ReadObjectList(ar, m_fieldReps, true);
    else
        ReadOwnedList(ar, m_fieldReps);
    const int mapCount = ReadCount(ar);
    for (int i = 0; i < mapCount; ++i)
    {
        auto* map = new FieldVariableMap;
        m_fieldVariableMaps.push_back(map);
        map->field = ReadRef<Field>(ar);
        Variable* variable = ReadRef<Variable>(ar);
        if (!TakesEntriesOfOtherPages() && variable != nullptr &&
            variable->GetKind() != Variable::sharedKind)
            ar.ClaimObject(variable);
        map->variable = variable;
    }
    NameVariablesAsRead();
    // Two legacy field/variable pairs; their objects may be shared, so they are left alone.
    if (version >= 19 && version <= 73)
    {
        for (int i = 0; i < 2; ++i)
        {
            ReadRef<Field>(ar);
            ReadRef<Variable>(ar);
        }
    }
    if (version > 25)
    {
        ReadOwnedList(ar, m_preLinks);
        ReadOwnedList(ar, m_postLinks);
        ar >> m_preLinkColumnCount >> m_postLinkColumnCount;
    }
    if (version > 27)
        ReadOwnedList(ar, m_uniquenessProcedureTables);
    if (version > 37)
    {
        ReadOwnedList(ar, m_refFields);
        ReadOwnedList(ar, m_derivedFields);
    }
    if (version > 44)
        ReadOwnedList(ar, m_procedureTables);
    if (version > 51)
    {
        const int flagCount = ReadCount(ar);
        for (int i = 0; i < flagCount; ++i)
        {
            PageTableFlags flags;
            flags.table = ReadRef<Table>(ar);
            flags.firstFlag = ReadBoolInt(ar);
            flags.secondFlag = ReadBoolInt(ar);
            m_tableFlags.push_back(flags);
        }
    }
    if (version > 61)
        m_procedureCall = ReadOwned<ProcedureInvokation>(ar);
    if (version > 70)
        m_isCopy = ReadBoolInt(ar);
    if (version > 82)
        ar >> m_columnCount;
}

void FormInterface::LetGoOfUnownedObjects(const CArchive& ar)
{
    for (FieldVariableMap* map : m_fieldVariableMaps)
    {
        if (ar.IsUnclaimed(map->variable))
            map->variable = nullptr;
    }
}

// Two controls may show one field, which is taken once.
void FormInterface::AdoptLoadedPageFields(CArchive& ar)
{
    for (const FieldRep* fieldRep : m_fieldReps)
    {
        Field* field = fieldRep->GetField();
        if (IsPageOwnedField(field) && std::ranges::find(m_pageFields, field) == m_pageFields.end())
        {
            ar.ClaimObject(field);
            m_pageFields.push_back(field);
        }
    }
}
