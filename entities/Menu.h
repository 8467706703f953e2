#pragma once

#include "entities/MenuInterface.h"
#include "platform/core/Types.h"

#include <vector>

class Designation;
class Module;

// One item of the generated application's menu tree: its parent, its ordered sub-menus (owned)
// and the roles whose users may use it (kept two-way with each role's menu list).
class Menu : public MenuInterface
{
    DECLARE_SERIAL(Menu)

public:
    Menu();
    // Leaves the parent's sub-menu list, deletes the sub-menus, makes every role forget the item.
    ~Menu() override;
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    // After the item part: parent, sub-menus, value, roles.
    void Serialize(CArchive& ar) override;
    // The item's page files, then the roles it lists; the release of a role forgets it on
    // this side only. The sub-menus list their own.
    void ListReferences(ReferenceList& list) override;

    int GetId() const { return m_id; }

    Menu* GetParent() const { return m_parent; }
    const std::vector<Menu*>& GetSubMenus() const { return m_subMenus; }
    // Sets the child's parent to this item and appends it to the sub-menus; nothing for null
    // or for the item itself. The page files that show the top-level item of the tree get the
    // menu variable maps of the new leaves (AspFile::AddMenuLeafMaps).
    void AddSubMenu(Menu* child);
    // Takes the child out of the sub-menus and clears its parent; false when it is not one of
    // them.
    bool RemoveSubMenu(Menu* child);
    // The item at the top of the tree, this item when it has no parent.
    const Menu& GetTopLevelMenu() const;
    // Swaps a sub-menu with the one before (after) it; nothing for the first (last) sub-menu or
    // for a menu that is not a sub-menu.
    void MoveSubMenuUp(const Menu* child);
    void MoveSubMenuDown(const Menu* child);

    // Depth-first searches of the subtree in sub-menu order: each sub-menu is compared before
    // its own subtree is searched; this item is not compared. Null when nothing matches.
    Menu* FindSubMenuByName(const CString& name) const;
    Menu* FindSubMenuById(int id) const;
    Menu* FindByFullName(const CString& fullName) const;

    // The name for a top-level item; else the ancestor path of the parent (each ancestor's name
    // followed by "_"), "_" and the name: Masters__Orders, Masters_Orders__Lines.
    CString GetFullName() const;

    // Appends every descendant after its own descendants, sub-menu by sub-menu; a direct
    // sub-menu equal to excluded is skipped with its whole subtree.
    void CollectSubMenus(std::vector<Menu*>& out, const Menu* excluded) const;
    // Appends, in the order of CollectSubMenus, every descendant that has no sub-menus.
    void CollectLeafSubMenus(std::vector<Menu*>& out) const;

    const std::vector<Designation*>& GetRoles() const { return m_roles; }
    bool HasRole(const Designation* role) const;
    // Appends the role to this side of the link only; Designation::AddMenu keeps both sides.
    void AddRole(Designation* role) { m_roles.push_back(role); }
    // Erases the first occurrence of the role from this side of the link.
    void RemoveRole(const Designation* role);
    // After a load: the sub-menus have this menu as their parent, a parent that does not list
    // the menu is cleared, and each role is listed once and lists the menu.
    void KeepMenuLinksTwoSided();
    Designation* FindRoleById(int id) const;

    // Offers the item's roles to go along to the other module in the "Dependencies..." dialog;
    // on OK the selected roles leave the from-module for the to-module and the answer is true.
    // False without roles, on Cancel, or without both modules. The item itself is moved by the
    // caller.
    bool MoveToModule(Module* from, Module* to);

    // Set once a menu variable map of a page file has referred to the item; until then no file
    // holds a map of it.
    bool HasBeenMapped() const { return m_mapped; }
    void MarkMapped() { m_mapped = true; }

    int GetValue() const { return m_value; }
    void SetValue(int value) { m_value = value; }
    BYTE GetMergeMark() const { return m_mergeMark; }
    void SetMergeMark(BYTE mark) { m_mergeMark = mark; }

private:
    static int s_idCounter;

    // The first item of the subtree, depth first, that the test accepts.
    template <class Test> Menu* FindInSubtree(const Test& test) const;
    // Each ancestor's name followed by "_", from the top-level item down to this one.
    CString GetAncestorPath() const;
    // This item, its parent, the parent's parent and so on up to the top-level item.
    std::vector<const Menu*> GetLineToTop() const;
    // The parent, or null when there is none or the item is its own parent.
    Menu* GetRealParent() const { return m_parent != this ? m_parent : nullptr; }

    Menu* m_parent = nullptr;
    std::vector<Menu*> m_subMenus;
    std::vector<Designation*> m_roles;
    int m_value = 0;
    BYTE m_mergeMark = 0;
    bool m_mapped = false;
    int m_id;
};
