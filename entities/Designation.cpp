#include "entities/Designation.h"

#include "entities/DashBoardPage.h"
#include "entities/Menu.h"
#include "model/ArchiveIO.h"
#include "model/ListAccess.h"
#include "model/ReferenceList.h"

#include <algorithm>
#include <cstddef>
#include <utility>

IMPLEMENT_SERIAL(Designation, CObject, 0)

int Designation::s_idCounter = 0;

Designation::Designation(BOOL assignId) : m_id(assignId ? ++s_idCounter : -1) {}

Designation::~Designation()
{
    RemoveAllMenus();
}

void Designation::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << m_name;
        WriteObjectList(ar, m_menus);
        ar.WriteObject(m_reportsTo);
        ar.WriteObject(m_dashBoardPage);
        ar << m_active << m_id;
        return;
    }
    const int version = ArchiveVersion();
    ar >> m_name;
    ReadObjectList(ar, m_menus);
    CountMenus();
    m_reportsTo = ReadRef<Designation>(ar);
    if (version > 16)
        m_dashBoardPage = ReadRef<DashBoardPage>(ar);
    if (version > 81)
    {
        m_active = ReadBoolInt(ar) ? TRUE : FALSE;
        ar >> m_id;
        s_idCounter = std::max(s_idCounter, m_id);
    }
}

bool Designation::HasMenu(const Menu* menu) const
{
    return m_menuCounts.contains(menu);
}

void Designation::CountMenus()
{
    m_menuCounts.clear();
    for (const Menu* menu : m_menus)
        ++m_menuCounts[menu];
}

void Designation::UncountMenu(const Menu* menu)
{
    const auto counted = m_menuCounts.find(menu);
    if (counted != m_menuCounts.end() && --counted->second == 0)
        m_menuCounts.erase(counted);
}

void Designation::AddMenu(Menu* menu)
{
    if (menu == nullptr)
        return;
    if (!HasMenu(menu))
    {
        m_menus.push_back(menu);
        ++m_menuCounts[menu];
    }
    if (!menu->HasRole(this))
        menu->AddRole(this);
}

Menu* Designation::GetMenuAt(int index) const
{
    return IsMenuIndex(index) ? m_menus[static_cast<std::size_t>(index)] : nullptr;
}

void Designation::RemoveMenuAt(int index)
{
    if (!IsMenuIndex(index))
        return;
    const auto entry = m_menus.begin() + index;
    Menu* menu = *entry;
    m_menus.erase(entry);
    UncountMenu(menu);
    if (menu != nullptr)
        menu->RemoveRole(this);
}

void Designation::RemoveMenu(Menu* menu)
{
    const auto found = std::find(m_menus.begin(), m_menus.end(), menu);
    if (found != m_menus.end())
        RemoveMenuAt(static_cast<int>(found - m_menus.begin()));
}

void Designation::KeepLinksTwoSided()
{
    EraseNullsAndRepeats(m_menus);
    CountMenus();
    for (Menu* menu : m_menus)
    {
        if (!menu->HasRole(this))
            menu->AddRole(this);
    }
}

void Designation::RemoveAllMenus()
{
    m_menuCounts.clear();
    for (Menu* menu : std::exchange(m_menus, {}))
    {
        if (menu != nullptr)
            menu->RemoveRole(this);
    }
}

void Designation::AddMenusOf(const Designation& other)
{
    if (&other == this)
        return;
    for (Menu* menu : other.m_menus)
    {
        if (!HasMenu(menu))
            AddMenu(menu);
    }
}

bool Designation::HasMenuNamed(const Menu* menu) const
{
    if (menu == nullptr)
        return false;
    return std::any_of(m_menus.begin(), m_menus.end(),
                       [menu](const Menu* own)
                       { return own != nullptr && own->GetName() == menu->GetName(); });
}

void Designation::ListReferences(ReferenceList& list)
{
    for (Menu* menu : m_menus)
        list.Add(menu, [this, menu] { RemoveMenu(menu); });
    list.AddSlot(m_dashBoardPage);
    list.AddSlot(m_reportsTo);
}
