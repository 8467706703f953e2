#include "entities/Designation.h"

#include "entities/DashBoardPage.h"
#include "entities/Menu.h"
#include "model/ArchiveIO.h"

#include <algorithm>
#include <utility>

IMPLEMENT_SERIAL(Designation, CObject, 0)

int Designation::s_idCounter = 0;

Designation::Designation(BOOL assignId) : m_id(assignId ? ++s_idCounter : -1) {}

Designation::~Designation()
{
    for (Menu* menu : std::exchange(m_menus, {}))
    {
        if (menu != nullptr)
            menu->RemoveRole(this);
    }
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
    return std::find(m_menus.begin(), m_menus.end(), menu) != m_menus.end();
}

void Designation::AddMenu(Menu* menu)
{
    if (!HasMenu(menu))
        m_menus.push_back(menu);
    if (!menu->HasRole(this))
        menu->AddRole(this);
}

void Designation::RemoveMenu(Menu* menu)
{
    const auto found = std::find(m_menus.begin(), m_menus.end(), menu);
    if (found == m_menus.end())
        return;
    menu->RemoveRole(this);
    m_menus.erase(found);
}
