#include "entities/AspFile.h"

#include "entities/ApplicationReport.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardPage.h"
#include "entities/Form.h"
#include "entities/LoginPage.h"
#include "entities/MapForm.h"
#include "entities/Menu.h"
#include "entities/MultiPageReport.h"
#include "entities/RDLCReport.h"
#include "entities/ReportCollector.h"
#include "entities/ReportField.h"
#include "entities/Transaction.h"
#include "entities/Variable.h"
#include "model/ArchiveIO.h"
#include "model/Field.h"
#include "model/FieldVisibility.h"
#include "model/Ownership.h"

#include <algorithm>
#include <utility>

IMPLEMENT_SERIAL(AspFile, CObject, 0)

namespace
{

// The owner page as the object of the class its owner kind names; nothing for another kind.
FormInterface* ReadOwnerPage(CArchive& ar, int ownerKind)
{
    switch (ownerKind)
    {
    case 0:
        return ReadRef<Form>(ar);
    case 1:
        return ReadRef<Transaction>(ar);
    case 2:
        return ReadRef<ApplicationReport>(ar);
    case 3:
        return ReadRef<MapForm>(ar);
    case 4:
        return ReadRef<DashBoard>(ar);
    case 5:
        return ReadRef<DashBoardPage>(ar);
    case 6:
        return ReadRef<LoginPage>(ar);
    case 7:
        return ReadRef<MultiPageReport>(ar);
    case 8:
        return ReadRef<ReportCollector>(ar);
    case 9:
        return ReadRef<RDLCReport>(ar);
    default:
        return nullptr;
    }
}

// Per map: its menu, the count of pairs and each pair's two variables.
void WriteMenuVariableMaps(CArchive& ar, const std::vector<MenuVariableMap*>& maps)
{
    ar << static_cast<int>(maps.size());
    for (const MenuVariableMap* map : maps)
    {
        ar.WriteObject(map->m_menu);
        ar << static_cast<int>(map->m_variablePairs.size());
        for (const MenuVariableMap::VariablePair& pair : map->m_variablePairs)
        {
            ar.WriteObject(pair.first);
            ar.WriteObject(pair.second);
        }
    }
}

void ReadMenuVariableMaps(CArchive& ar, std::vector<MenuVariableMap*>& maps)
{
    const int count = ReadCount(ar);
    for (int i = 0; i < count; ++i)
    {
        maps.push_back(new MenuVariableMap);
        MenuVariableMap& map = *maps.back();
        map.m_menu = ReadRef<Menu>(ar);
        const int pairCount = ReadCount(ar);
        for (int j = 0; j < pairCount; ++j)
        {
            Variable* first = ReadRef<Variable>(ar);
            map.m_variablePairs.emplace_back(first, ReadRef<Variable>(ar));
        }
    }
}

} // namespace

AspFile::~AspFile()
{
    for (MenuInterface* item : std::exchange(m_linkingItems, {}))
    {
        if (item != nullptr)
            item->RemoveAspFile(this);
    }
    DeleteAll(m_fieldVisibilities);
    // The menus would otherwise keep this file in their page-file lists after it is gone.
    SetTopMenu(nullptr);
    SetLeftMenu(nullptr);
    DeleteTopMenuVariableMaps();
    DeleteLeftMenuVariableMaps();
}

void AspFile::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << m_ownerKind << m_fileKind;
        ar.WriteObject(m_ownerPage);
        ar << static_cast<int>(m_linkingItems.size());
        for (const MenuInterface* item : m_linkingItems)
        {
            ar << (item != nullptr ? item->GetItemKind() : 0);
            ar.WriteObject(item);
        }
        ar << static_cast<int>(m_fieldEntries.size());
        for (const FieldEntry& entry : m_fieldEntries)
        {
            ar.WriteObject(entry.first);
            ar << entry.second;
        }
        ar.WriteObject(m_topMenu);
        ar.WriteObject(m_leftMenu);
        WriteMenuVariableMaps(ar, m_topMenuMaps);
        WriteMenuVariableMaps(ar, m_leftMenuMaps);
        ar << m_baseName << static_cast<int>(m_flag);
        WriteObjectList(ar, m_fieldVisibilities);
        ar << m_title;
        return;
    }
    const int version = ArchiveVersion();
    ar >> m_ownerKind >> m_fileKind;
    if (version < 34)
    {
        CString dropped;
        ar >> dropped;
    }
    m_ownerPage = ReadOwnerPage(ar, m_ownerKind);
    const int itemCount = ReadCount(ar);
    for (int i = 0; i < itemCount; ++i)
    {
        int itemKind = 0;
        ar >> itemKind;
        if (itemKind != 0)
            m_linkingItems.push_back(ReadRef<ReportField>(ar));
        else
            m_linkingItems.push_back(ReadRef<Menu>(ar));
    }
    const int entryCount = ReadCount(ar);
    for (int i = 0; i < entryCount; ++i)
    {
        FieldEntry entry;
        entry.first = ReadRef<Field>(ar);
        ar >> entry.second;
        m_fieldEntries.push_back(entry);
    }
    m_topMenu = ReadRef<Menu>(ar);
    m_leftMenu = ReadRef<Menu>(ar);
    ReadMenuVariableMaps(ar, m_topMenuMaps);
    ReadMenuVariableMaps(ar, m_leftMenuMaps);
    if (version > 54)
    {
        int droppedFlag = 0;
        ar >> m_baseName >> droppedFlag;
        ReadObjectList(ar, m_fieldVisibilities);
    }
    if (version > 71)
        ar >> m_title;
}

void AspFile::CopyFrom(const AspFile& source, FormInterface* owner)
{
    m_ownerKind = source.m_ownerKind;
    m_fileKind = source.m_fileKind;
    m_baseName = source.m_baseName;
    m_flag = source.m_flag;
    m_title = source.m_title;
    m_ownerPage = owner;
    for (MenuInterface* item : source.m_linkingItems)
    {
        m_linkingItems.push_back(item);
        if (item != nullptr)
            item->AddPageFile(this);
    }
    m_fieldEntries = source.m_fieldEntries;
    for (const FieldVisibility* visibility : source.m_fieldVisibilities)
    {
        auto* copy = new FieldVisibility(visibility->GetField());
        copy->SetVisibilityKind(visibility->GetVisibilityKind());
        m_fieldVisibilities.push_back(copy);
    }
    m_topMenu = source.m_topMenu;
    m_leftMenu = source.m_leftMenu;
    for (Menu* menu : {m_topMenu, m_leftMenu})
    {
        if (menu != nullptr)
            menu->AddPageFile(this);
    }
}

bool AspFile::IsLinkedFrom(const MenuInterface* item) const
{
    return std::find(m_linkingItems.begin(), m_linkingItems.end(), item) != m_linkingItems.end() ||
           item == m_topMenu || item == m_leftMenu;
}

void AspFile::RemoveMenu(const MenuInterface* item)
{
    std::erase(m_linkingItems, item);
    if (item == m_topMenu)
    {
        m_topMenu = nullptr;
        DeleteTopMenuVariableMaps();
    }
    if (item == m_leftMenu)
    {
        m_leftMenu = nullptr;
        DeleteLeftMenuVariableMaps();
    }
}

void AspFile::SetTopMenu(Menu* menu)
{
    if (m_topMenu != nullptr)
        m_topMenu->RemoveAspFile(this);
    m_topMenu = menu;
}

void AspFile::SetLeftMenu(Menu* menu)
{
    if (m_leftMenu != nullptr)
        m_leftMenu->RemoveAspFile(this);
    m_leftMenu = menu;
}

void AspFile::DeleteTopMenuVariableMaps()
{
    DeleteAll(m_topMenuMaps);
}

void AspFile::DeleteLeftMenuVariableMaps()
{
    DeleteAll(m_leftMenuMaps);
}
