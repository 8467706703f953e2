#include "entities/DashBoardCellInfo.h"

#include "entities/Menu.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/Variable.h"
#include "model/ArchiveIO.h"
#include "model/Field.h"
#include "model/Ownership.h"

IMPLEMENT_SERIAL(DashBoardCellInfo, CObject, 0)

DashBoardCellInfo::DashBoardCellInfo(bool staticText) : m_staticText(staticText) {}

DashBoardCellInfo::~DashBoardCellInfo()
{
    DeleteAll(m_variableMaps);
    DeleteAll(m_madeFieldInfos);
}

void DashBoardCellInfo::SetMenu(Menu* menu)
{
    m_menu = menu;
    if (menu != nullptr)
        m_staticText = false;
}

void DashBoardCellInfo::RemoveMenu(const Menu* menu)
{
    if (m_menu == nullptr || m_menu != menu)
        return;
    m_menu = nullptr;
    DeleteAll(m_variableMaps);
}

void DashBoardCellInfo::AddDisplayField(ProcedureFieldInfo* fieldInfo, const CString& caption)
{
    m_displayFields.push_back(FieldCaption{fieldInfo, caption});
}

void DashBoardCellInfo::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        WriteBoolInt(ar, m_staticText);
        ar << m_caption;
        ar.WriteObject(m_menu);
        ar << static_cast<int>(m_variableMaps.size());
        for (const DashBoardVariableMap* map : m_variableMaps)
        {
            ar.WriteObject(map->target);
            ar.WriteObject(map->sourceVariable);
            ar.WriteObject(map->sourceField);
        }
        ar << static_cast<int>(m_displayFields.size());
        for (const FieldCaption& displayField : m_displayFields)
        {
            ar.WriteObject(displayField.fieldInfo);
            ar << displayField.caption;
        }
        return;
    }
    m_staticText = ReadBoolInt(ar);
    ar >> m_caption;
    m_menu = ReadRef<Menu>(ar);
    const int mapCount = ReadCount(ar);
    for (int i = 0; i < mapCount; ++i)
    {
        auto* map = new DashBoardVariableMap;
        m_variableMaps.push_back(map);
        map->target = ReadRef<Variable>(ar);
        map->sourceVariable = ReadRef<Variable>(ar);
        map->sourceField = ReadRef<Field>(ar);
    }
    ReadDisplayFields(ar);
}

void DashBoardCellInfo::ReadDisplayFields(CArchive& ar)
{
    const int count = ReadCount(ar);
    for (int i = 0; i < count; ++i)
    {
        if (ArchiveVersion() >= 24)
        {
            auto* fieldInfo = ReadRef<ProcedureFieldInfo>(ar);
            CString caption;
            ar >> caption;
            AddDisplayField(fieldInfo, caption);
            continue;
        }
        // Older files name the field itself; it becomes an output column of its own. The field
        // may belong to a table read elsewhere in the file, so it is not owned.
        Field* field = ReadRef<Field>(ar);
        int aggregate = ProcedureFieldInfo::noAggregate;
        CString caption;
        if (ArchiveVersion() >= 20)
        {
            ar >> aggregate;
            ar >> caption;
        }
        m_madeFieldInfos.push_back(new ProcedureFieldInfo(field, aggregate));
        AddDisplayField(m_madeFieldInfos.back(), caption);
    }
}
