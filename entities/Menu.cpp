#include "entities/Menu.h"

#include "entities/AspFile.h"
#include "entities/Designation.h"
#include "model/ArchiveIO.h"
#include "model/DependenciesDlg.h"
#include "model/ListAccess.h"
#include "model/Module.h"
#include "model/ReferenceList.h"
#include "platform/core/MessageBox.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <unordered_set>
#include <utility>

IMPLEMENT_SERIAL(Menu, MenuInterface, 0)

int Menu::s_idCounter = 0;

Menu::Menu() : MenuInterface(0), m_id(++s_idCounter) {}

Menu::~Menu()
{
    if (m_parent != nullptr && m_parent != this)
        std::erase(m_parent->m_subMenus, this);
    // The subtree is taken apart before its items are freed, so that each is freed without
    // sub-menus or parent and a deep chain does not recurse. The roles would take themselves
    // out of the list as they go; it is taken over first so that the loop walks a stable copy.
    std::vector<Menu*> pending = std::exchange(m_subMenus, {});
    std::vector<Menu*> subtree;
    while (!pending.empty())
    {
        Menu* item = pending.back();
        pending.pop_back();
        if (item == nullptr)
            continue;
        item->m_parent = nullptr;
        std::ranges::move(std::exchange(item->m_subMenus, {}), std::back_inserter(pending));
        subtree.push_back(item);
    }
    for (Menu* item : subtree)
        delete item;
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

void Menu::ListReferences(ReferenceList& list)
{
    MenuInterface::ListReferences(list);
    for (Designation* role : m_roles)
        list.Add(role, [this, role] { RemoveRole(role); });
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
        file->AddMenuLeafMaps(topLevel, additions, true);
}

bool Menu::RemoveSubMenu(Menu* child)
{
    if (std::erase(m_subMenus, child) == 0)
        return false;
    child->m_parent = nullptr;
    return true;
}

std::vector<const Menu*> Menu::GetLineToTop() const
{
    // A damaged file may hold a cycle of parents: the walk ends where it meets an item again.
    std::vector<const Menu*> line{this};
    std::unordered_set<const Menu*> met{this};
    for (const Menu* parent = GetRealParent(); parent != nullptr && met.insert(parent).second;
         parent = parent->GetRealParent())
        line.push_back(parent);
    return line;
}

const Menu& Menu::GetTopLevelMenu() const
{
    return *GetLineToTop().back();
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
    // The items still to compare, the next one last.
    std::vector<Menu*> pending(m_subMenus.rbegin(), m_subMenus.rend());
    while (!pending.empty())
    {
        Menu* item = pending.back();
        pending.pop_back();
        if (test(*item))
            return item;
        pending.insert(pending.end(), item->m_subMenus.rbegin(), item->m_subMenus.rend());
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
    const std::vector<const Menu*> line = GetLineToTop();
    CString path;
    for (auto item = line.rbegin(); item != line.rend(); ++item)
        path += (*item)->GetName() + "_";
    return path;
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
        // The items from the child down, each with the index of its next sub-menu to visit.
        std::vector<std::pair<Menu*, std::size_t>> path{{child, 0}};
        while (!path.empty())
        {
            auto& [item, next] = path.back();
            if (next < item->m_subMenus.size())
            {
                Menu* sub = item->m_subMenus[next++];
                path.emplace_back(sub, 0);
                continue;
            }
            out.push_back(item);
            path.pop_back();
        }
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
