#include "entities/Menu.h"

#include "entities/Designation.h"
#include "model/ArchiveIO.h"

#include <algorithm>
#include <utility>

IMPLEMENT_SERIAL(Menu, MenuInterface, 0)

int Menu::s_idCounter = 0;

Menu::Menu() : MenuInterface(0), m_id(++s_idCounter) {}

Menu::~Menu()
{
    if (m_parent != nullptr && m_parent != this)
        std::erase(m_parent->m_subMenus, this);
    // The sub-menus and roles would take themselves out of these lists as they go; the lists
    // are taken over first so that the loops walk stable copies.
    const std::vector<Menu*> subMenus = std::exchange(m_subMenus, {});
    for (Menu* child : subMenus)
        delete child;
    const std::vector<Designation*> roles = std::exchange(m_roles, {});
    for (Designation* role : roles)
    {
        if (role != nullptr)
            role->RemoveMenu(this);
    }
}

void Menu::Serialize(CArchive& ar)
{
    MenuInterface::Serialize(ar);
    if (ar.IsStoring())
    {
        ar.WriteObject(m_parent);
        WriteObjectList(ar, m_subMenus);
        ar << m_value;
        WriteObjectList(ar, m_roles);
        return;
    }
    m_parent = ReadRef<Menu>(ar);
    ReadObjectList(ar, m_subMenus);
    ar >> m_value;
    ReadObjectList(ar, m_roles);
}

void Menu::AddSubMenu(Menu* child)
{
    child->m_parent = this;
    m_subMenus.push_back(child);
}

bool Menu::HasRole(const Designation* role) const
{
    return std::find(m_roles.begin(), m_roles.end(), role) != m_roles.end();
}

void Menu::RemoveRole(const Designation* role)
{
    const auto found = std::find(m_roles.begin(), m_roles.end(), role);
    if (found != m_roles.end())
        m_roles.erase(found);
}
