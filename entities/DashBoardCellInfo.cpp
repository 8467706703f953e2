#include "entities/DashBoardCellInfo.h"

#include "entities/Menu.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/Variable.h"
#include "model/ArchiveIO.h"
#include "model/Field.h"
#include "model/ListAccess.h"
#include "model/Ownership.h"
#include "model/PairRecords.h"
#include "model/ReferenceList.h"

#include <algorithm>

IMPLEMENT_SERIAL(DashBoardCellInfo, CObject, 0)

namespace
{
using CellVariableMapRecords =
    PairRecords<DashBoardVariableMap, &DashBoardVariableMap::target,
                &DashBoardVariableMap::sourceVariable, &DashBoardVariableMap::sourceField>;

// The display field's output column refers to the field.
bool ShowsField(const FieldCaption& displayField, const Field* field)
{
    return displayField.fieldInfo != nullptr && displayField.fieldInfo->GetField() == field;
}

} // namespace

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

void DashBoardCellInfo::SetStaticText(BOOL staticText)
{
    m_staticText = staticText != FALSE;
    if (m_staticText)
        m_menu = nullptr;
}

void DashBoardCellInfo::ClearVariableMaps()
{
    DeleteAll(m_variableMaps);
}

DashBoardVariableMap* DashBoardCellInfo::FindVariableMap(const Variable* target) const
{
    return ItemAt(m_variableMaps, FindVariableMapIndex(target));
}

int DashBoardCellInfo::FindVariableMapIndex(const Variable* target) const
{
    const auto found =
        std::ranges::find_if(m_variableMaps, [target](const DashBoardVariableMap* map)
                             { return map->target == target; });
    return found == m_variableMaps.end() ? -1 : static_cast<int>(found - m_variableMaps.begin());
}

void DashBoardCellInfo::RemoveVariableMap(const Variable* target)
{
    EraseAndDelete(m_variableMaps, FindVariableMap(target));
}

void DashBoardCellInfo::AddDisplayField(ProcedureFieldInfo* fieldInfo, const CString& caption)
{
    m_displayFields.push_back(FieldCaption{fieldInfo, caption});
}

bool DashBoardCellInfo::HasDisplayField(const ProcedureFieldInfo* fieldInfo) const
{
    return std::ranges::any_of(m_displayFields, [fieldInfo](const FieldCaption& displayField)
                               { return displayField.fieldInfo == fieldInfo; });
}

void DashBoardCellInfo::SetDisplayFieldCaption(int index, const CString& caption)
{
    if (IsValidIndex(m_displayFields, index))
        m_displayFields[index].caption = caption;
}

void DashBoardCellInfo::RemoveDisplayFieldAt(int index)
{
    EraseAt(m_displayFields, index);
}

bool DashBoardCellInfo::IsFieldUsed(const Field* field) const
{
    return field != nullptr &&
           (std::ranges::any_of(m_variableMaps, [field](const DashBoardVariableMap* map)
                                { return map->sourceField == field; }) ||
            std::ranges::any_of(m_displayFields, [field](const FieldCaption& displayField)
                                { return ShowsField(displayField, field); }));
}

void DashBoardCellInfo::ClearField(const Field* field)
{
    if (field == nullptr)
        return;
    for (DashBoardVariableMap* map : m_variableMaps)
    {
        if (map->sourceField == field)
            map->sourceField = nullptr;
    }
    RemoveDisplayFieldsOf(field);
}

void DashBoardCellInfo::RemoveDisplayFieldsOf(const Field* field)
{
    std::erase_if(m_displayFields, [field](const FieldCaption& displayField)
                  { return ShowsField(displayField, field); });
}

void DashBoardCellInfo::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        WriteBoolInt(ar, m_staticText);
        ar << m_caption;
        ar.WriteObject(m_menu);
        CellVariableMapRecords::Write(ar, m_variableMaps);
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
    CellVariableMapRecords::Read(ar, m_variableMaps, CellVariableMapRecords::EmptyEntry::Kept);
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

void DashBoardCellInfo::ListReferences(ReferenceList& list)
{
    if (Menu* menu = m_menu)
        list.Add(menu, [this, menu] { RemoveMenu(menu); });
    for (DashBoardVariableMap* map : m_variableMaps)
    {
        const auto drop = [this, map] { EraseAndDelete(m_variableMaps, map); };
        for (const Variable* variable : {map->target, map->sourceVariable})
            list.Add(variable, drop);
        list.Add(map->sourceField, drop);
    }
    for (const FieldCaption& shown : m_displayFields)
    {
        const ProcedureFieldInfo* column = shown.fieldInfo;
        list.Add(column,
                 [this, column]
                 {
                     std::erase_if(m_displayFields, [column](const FieldCaption& each)
                                   { return each.fieldInfo == column; });
                 });
        const Field* field = column != nullptr ? column->GetField() : nullptr;
        list.Add(field, [this, field] { RemoveDisplayFieldsOf(field); });
    }
}
