#pragma once

#include "entities/MenuInterface.h"
#include "platform/core/Types.h"

#include <vector>

class Designation;

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

    int GetId() const { return m_id; }

    Menu* GetParent() const { return m_parent; }
    const std::vector<Menu*>& GetSubMenus() const { return m_subMenus; }
    // Sets the child's parent to this item and appends it to the sub-menus.
    void AddSubMenu(Menu* child);

    const std::vector<Designation*>& GetRoles() const { return m_roles; }
    bool HasRole(const Designation* role) const;
    // Appends the role to this side of the link only; Designation::AddMenu keeps both sides.
    void AddRole(Designation* role) { m_roles.push_back(role); }
    // Erases the first occurrence of the role from this side of the link.
    void RemoveRole(const Designation* role);

    int GetValue() const { return m_value; }
    void SetValue(int value) { m_value = value; }
    BYTE GetMergeMark() const { return m_mergeMark; }
    void SetMergeMark(BYTE mark) { m_mergeMark = mark; }

private:
    static int s_idCounter;

    Menu* m_parent = nullptr;
    std::vector<Menu*> m_subMenus;
    std::vector<Designation*> m_roles;
    int m_value = 0;
    BYTE m_mergeMark = 0;
    int m_id;
};
