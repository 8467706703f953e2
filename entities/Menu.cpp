#include "entities/Menu.h"

#include "entities/AspFile.h"
#include "entities/Designation.h"
#include "model/ArchiveIO.h"
#include "model/DependenciesDlg.h"
#include "model/ListAccess.h"
#include "model/Module.h"
#include "platform/core/MessageBox.h"

#include <algorithm>
#include <iterator>
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
    ReadOwnedList(ar, m_subMenus);
    ar >> m_value;
    ReadObjectList(ar, m_roles);
}

void Menu::AddSubMenu(Menu* child)
{
    if (child == nullptr || child == this)
        return;
    const bool wasLeaf = m_subMenus.empty();
    child->m_parent = this;
    m_subMenus.push_back(child);
    const Menu& topLevel = GetTopLevelMenu();
    if (topLevel.GetPageFiles().empty())
        return;
    const MenuLeafAddition addition(wasLeaf && &topLevel != this ? this : nullptr, *child);
    if (MenuLeafMapBatch* batch = MenuLeafMapBatch::Current())
    {
        batch->Add(topLevel, addition);
        return;
    }
    const std::vector<MenuLeafAddition> additions{addition};
    for (AspFile* file : topLevel.GetPageFiles())
        file->AddMenuLeafMaps(topLevel, additions);
}

bool Menu::RemoveSubMenu(Menu* child)
{
    if (std::erase(m_subMenus, child) == 0)
        return false;
    child->m_parent = nullptr;
    return true;
}

const Menu& Menu::GetTopLevelMenu() const
{
    // A damaged file may hold a cycle of parents: the walk ends where it meets an item again.
    std::vector<const Menu*> path{this};
    for (const Menu* parent = GetRealParent(); parent != nullptr; parent = parent->GetRealParent())
    {
        if (std::find(path.begin(), path.end(), parent) != path.end())
            break;
        path.push_back(parent);
    }
    return *path.back();
}

void Menu::MoveSubMenuUp(const Menu* child)
{
    const auto found = std::find(m_subMenus.begin(), m_subMenus.end(), child);
    if (found != m_subMenus.end() && found != m_subMenus.begin())
        std::iter_swap(found, found - 1);
}

void Menu::MoveSubMenuDown(const Menu* child)
{
    const auto found = std::find(m_subMenus.begin(), m_subMenus.end(), child);
    if (found != m_subMenus.end() && found + 1 != m_subMenus.end())
        std::iter_swap(found, found + 1);
}

template <class Test> Menu* Menu::FindInSubtree(const Test& test) const
{
    for (Menu* child : m_subMenus)
    {
        if (test(*child))
            return child;
        if (Menu* found = child->FindInSubtree(test))
            return found;
    }
    return nullptr;
}

Menu* Menu::FindSubMenuByName(const CString& name) const
{
    return FindInSubtree([&name](const Menu& menu) { return menu.GetName() == name; });
}

Menu* Menu::FindSubMenuById(int id) const
{
    return FindInSubtree([id](const Menu& menu) { return menu.m_id == id; });
}

Menu* Menu::FindByFullName(const CString& fullName) const
{
    return FindInSubtree([&fullName](const Menu& menu) { return menu.GetFullName() == fullName; });
}

CString Menu::GetAncestorPath() const
{
    const Menu* parent = GetRealParent();
    return (parent != nullptr ? parent->GetAncestorPath() : CString()) + GetName() + "_";
}

CString Menu::GetFullName() const
{
    const Menu* parent = GetRealParent();
    return parent != nullptr ? parent->GetAncestorPath() + "_" + GetName() : GetName();
}

void Menu::CollectSubMenus(std::vector<Menu*>& out, const Menu* excluded) const
{
    for (Menu* child : m_subMenus)
    {
        if (child == excluded)
            continue;
        child->CollectSubMenus(out, nullptr);
        out.push_back(child);
    }
}

void Menu::CollectLeafSubMenus(std::vector<Menu*>& out) const
{
    std::vector<Menu*> descendants;
    CollectSubMenus(descendants, nullptr);
    std::copy_if(descendants.begin(), descendants.end(), std::back_inserter(out),
                 [](const Menu* menu) { return menu->m_subMenus.empty(); });
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

void Menu::KeepMenuLinksTwoSided()
{
    for (Menu* child : m_subMenus)
        child->m_parent = this;
    if (m_parent != nullptr && m_parent != this && !Contains(m_parent->m_subMenus, this))
        m_parent = nullptr;
    EraseNullsAndRepeats(m_roles);
    for (Designation* role : m_roles)
    {
        if (!role->HasMenu(this))
            role->AddMenu(this);
    }
}

Designation* Menu::FindRoleById(int id) const
{
    const auto found = std::find_if(m_roles.begin(), m_roles.end(),
                                    [id](const Designation* role)
                                    { return role != nullptr && role->GetId() == id; });
    return found != m_roles.end() ? *found : nullptr;
}

bool Menu::MoveToModule(Module* from, Module* to)
{
    if (from == nullptr || to == nullptr)
        return false;
    std::vector<DependencyRecord> records;
    for (const Designation* role : m_roles)
    {
        if (role == nullptr)
            continue;
        const bool listed = std::any_of(records.begin(), records.end(),
                                        [role](const DependencyRecord& record)
                                        { return record.number == role->GetId(); });
        if (!listed)
            records.push_back(
                {role->GetName(), from->GetName(), role->GetId(), DependencyRecord::kRole, false});
    }
    if (records.empty())
        return false;

    std::vector<DependencyRecord*> recordPointers;
    for (DependencyRecord& record : records)
        recordPointers.push_back(&record);
    CString heading;
    heading.Format("Moving Menu '%s' from %s to %s", GetName(), from->GetName(), to->GetName());
    DependenciesDlg dialog(recordPointers);
    dialog.SetTitle(heading);
    if (dialog.DoModal() != IDOK)
        return false;

    for (const DependencyRecord& record : records)
    {
        if (!record.selected || record.kind != DependencyRecord::kRole)
            continue;
        // A role goes along only from the module that owns it, so that no module ever holds a
        // role another module owns.
        Designation* role = FindRoleById(record.number);
        if (role != nullptr && from->DetachDesignation(role))
            to->Append(role);
    }
    return true;
}
