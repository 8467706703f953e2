#pragma once

#include "platform/core/CString.h"

#include <vector>

class DashBoardPage;
class Designation;
class ForgeonProject;
class Module;

// One row of the role list.
struct RoleRow
{
    CString name;
    // "Yes" or "No".
    CString active;
    // The assigned dashboard page's name, or empty.
    CString page;
    bool operator==(const RoleRow&) const = default;
};

// What the Manage Roles dialog shows.
struct RoleManagerState
{
    std::vector<CString> modules;
    int module = -1;
    // The dashboard pages of the chosen module.
    std::vector<CString> pages;
    int page = -1;
    std::vector<RoleRow> rows;
    int row = -1;
    // The hidden "Reports to" choice: the roles in list order.
    std::vector<CString> reportsTo;
    int reportsToRole = -1;
    CString name;
    CString pageText;
    CString addCaption = "Add";
    CString activateCaption = "DeActivate";
    bool activateEnabled = false;
    bool removeEnabled = false;
};

// The roles of the application, kept in the base module, each with its dashboard page: added,
// renamed, (de)activated and given or relieved of a page as the Manage Roles dialog asks; every
// change is made on the project at once.
class RoleManager
{
public:
    explicit RoleManager(ForgeonProject& project);

    // Modules (the current one chosen), its dashboard pages, the roles; nothing edited.
    void Load();
    const RoleManagerState& State() const { return m_state; }

    void SelectModule(int index);
    void SelectPage(int index);
    // A click in the list: the role of the row, when there is one, is edited.
    void ChooseRow(int row);
    void SetName(const CString& name) { m_state.name = name; }
    void SelectReportsTo(int index);
    // "Add" or "Update": false when refused.
    bool AddOrUpdate();
    void ToggleActive();
    // The page chosen becomes the edited role's; false when no page is chosen.
    bool Assign();
    // Asks, then takes the page from the edited role.
    void Remove();
    // "Clear": nothing edited.
    void Reset();
    // OK: a name typed and not yet added (or, for the edited role, not yet taken) is added on
    // Yes, dropped on No; Cancel, or a refused add, keeps the dialog open. True when it may
    // close.
    bool Close();

    Designation* GetEditedRole() const { return m_edited; }

private:
    const std::vector<Designation*>& Roles() const;
    Module* ChosenModule() const;
    void FillPages();
    void FillRows();
    void ShowEditedRole();

    ForgeonProject& m_project;
    RoleManagerState m_state;
    std::vector<DashBoardPage*> m_pages;
    Designation* m_edited = nullptr;
};
