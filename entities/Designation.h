#pragma once

#include "platform/core/CArchive.h"
#include "platform/core/CObject.h"
#include "platform/core/CString.h"
#include "platform/core/Types.h"

#include <cstddef>
#include <unordered_map>
#include <vector>

class DashBoardPage;
class Menu;
class ReferenceList;

// A user role of the generated application: its menus (each menu lists the role as well), the
// role it reports to, the dashboard page its users see first and whether it is active.
class Designation : public CObject
{
    DECLARE_SERIAL(Designation)

public:
    // Id -1, or the next value of the role counter when assignId is TRUE; a load passes FALSE.
    explicit Designation(BOOL assignId = FALSE);
    // Makes every menu of the list forget the role.
    ~Designation() override;
    Designation(const Designation&) = delete;
    Designation& operator=(const Designation&) = delete;

    // Name, menus, reports-to role, dashboard page (version > 16), active and id (version > 81).
    // A load raises the role counter to the id read when that is larger.
    void Serialize(CArchive& ar) override;

    // The process-wide role counter: restarted before a project is read and before the default
    // role is made, never below the open project's highest role id
    // (ForgeonProject::GetDesignationIdFloor); set back to its earlier value when a read fails.
    static void ResetIdCounter() { s_idCounter = 0; }
    static void SetIdCounter(int value) { s_idCounter = value; }
    static int GetIdCounter() { return s_idCounter; }

    int GetId() const { return m_id; }
    const CString& GetName() const { return m_name; }
    void SetName(const CString& name) { m_name = name; }
    Designation* GetReportsTo() const { return m_reportsTo; }
    void SetReportsTo(Designation* role) { m_reportsTo = role; }
    DashBoardPage* GetDashBoardPage() const { return m_dashBoardPage; }
    void SetDashBoardPage(DashBoardPage* page) { m_dashBoardPage = page; }
    BOOL IsActive() const { return m_active; }
    void SetActive(BOOL active) { m_active = active; }

    const std::vector<Menu*>& GetMenus() const { return m_menus; }
    bool HasMenu(const Menu* menu) const;
    // Appends the menu when absent; then appends the role to the menu's roles when the menu
    // does not list it yet. Nothing for null.
    void AddMenu(Menu* menu);
    // The menu at the index, null for an index out of range.
    Menu* GetMenuAt(int index) const;
    // The menu forgets the role and its entry is erased; nothing for an index out of range.
    void RemoveMenuAt(int index);
    // The menu forgets the role and its first entry is erased; nothing when absent.
    void RemoveMenu(Menu* menu);
    // Every menu forgets the role; the list is emptied.
    void RemoveAllMenus();
    // After a load: each menu is listed once and lists the role.
    void KeepLinksTwoSided();
    // AddMenu for every menu of the other role that this role does not have.
    void AddMenusOf(const Designation& other);
    // One of the role's menus has exactly the menu's name.
    bool HasMenuNamed(const Menu* menu) const;
    // Lists each menu entry, released by RemoveMenu, then the dashboard page and the role it
    // reports to, each released by clearing it.
    void ListReferences(ReferenceList& list);

private:
    static int s_idCounter;

    bool IsMenuIndex(int index) const
    {
        return index >= 0 && static_cast<std::size_t>(index) < m_menus.size();
    }

    // Keeps the menu counts of the list.
    void CountMenus();
    void UncountMenu(const Menu* menu);

    std::vector<Menu*> m_menus;
    // How often each menu stands in the list, for HasMenu.
    std::unordered_map<const Menu*, int> m_menuCounts;
    Designation* m_reportsTo = nullptr;
    CString m_name;
    DashBoardPage* m_dashBoardPage = nullptr;
    int m_id = -1;
    BOOL m_active = TRUE;
};
