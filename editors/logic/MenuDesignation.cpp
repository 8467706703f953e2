#include "editors/logic/MenuPages.h"

#include "entities/Designation.h"
#include "entities/Menu.h"
#include "model/ForgeonProject.h"
#include "model/ListAccess.h"
#include "model/Module.h"
#include "model/NamedQuestion.h"
#include "platform/core/MessageBox.h"

#include <algorithm>

MenuDesignation::MenuDesignation(ForgeonProject& project) : m_project(project) {}

void MenuDesignation::ReloadRoles()
{
    m_rows.clear();
    m_module = m_project.GetBaseModule();
    RefillRoles();
}

void MenuDesignation::RefillRoles()
{
    if (m_module == nullptr)
        return;
    std::vector<CString> names;
    for (const Designation* role : m_module->GetDesignations())
        names.push_back(role->GetName());
    m_controls.SetItems(IDC_ROLE, names);
    m_controls.SetItems(IDC_DESTINATION, names);
    ChooseRole(0);
}

void MenuDesignation::ChooseRole(int index)
{
    m_controls.Select(IDC_ROLE, index);
    m_role = m_module != nullptr ? ItemAt(m_module->GetDesignations(), index) : nullptr;
    RefreshList();
    RefreshTicks();
}

void MenuDesignation::RefreshList()
{
    const int remembered = m_selectedRow;
    m_rows.clear();
    if (m_role != nullptr)
        for (const Menu* menu : m_role->GetMenus())
            m_rows.push_back({{"", menu->GetFullName()}});
    const int count = static_cast<int>(m_rows.size());
    m_selectedRow = remembered >= 0 && remembered < count ? remembered : count - 1;
}

void MenuDesignation::RefreshTicks()
{
    for (int item : m_tree.WalkAll())
    {
        MenuTreeItem& each = m_tree.At(item);
        each.expanded = true;
        // Looked up in every module, as ">" does, so that the ticks show what it assigns.
        const Menu* menu = each.parent >= 0 ? m_tree.FindMenu(each.data) : nullptr;
        each.checked = menu != nullptr && m_role != nullptr && m_role->HasMenu(menu);
    }
}

void MenuDesignation::Assign()
{
    if (m_role == nullptr)
    {
        AfxMessageBox("Select Role.");
        return;
    }
    std::vector<Menu*> ticked;
    const auto append = [&ticked](Menu* menu)
    {
        if (std::ranges::find(ticked, menu) == ticked.end())
            ticked.push_back(menu);
    };
    const std::vector<int> items = m_tree.WalkAll();
    for (std::size_t i = 1; i < items.size(); ++i)
    {
        MenuTreeItem& item = m_tree.At(items[i]);
        item.expanded = true;
        Menu* menu = item.checked ? m_tree.FindMenu(item.data) : nullptr;
        if (menu == nullptr)
            continue;
        append(menu);
        for (Menu* parent = menu->GetParent(); parent != nullptr && parent != menu;
             parent = parent->GetParent())
        {
            append(parent);
            if (parent->GetParent() == parent)
                break;
        }
    }
    m_role->RemoveAllMenus();
    for (Menu* menu : ticked)
        if (!m_role->HasMenu(menu))
            m_role->AddMenu(menu);
    RefreshList();
}

void MenuDesignation::Unassign()
{
    if (m_role == nullptr || m_role->GetMenuAt(m_selectedRow) == nullptr ||
        AfxMessageBox(NamedQuestion("Do you want to remove menu for role?",
                                    m_role->GetMenuAt(m_selectedRow)->GetFullName()),
                      MB_OKCANCEL) != IDOK)
        return;
    m_role->RemoveMenuAt(m_selectedRow);
    RefreshTicks();
    RefreshList();
}

void MenuDesignation::RemoveAll()
{
    if (m_role == nullptr || AfxMessageBox("Do you want to remove all menus?", MB_OKCANCEL) != IDOK)
        return;
    m_role->RemoveAllMenus();
    RefreshTicks();
    RefreshList();
}

void MenuDesignation::Copy()
{
    const int source = m_controls.GetSelection(IDC_ROLE);
    const int destination = m_controls.GetSelection(IDC_DESTINATION);
    if (m_module != nullptr && source >= 0 && destination >= 0 && source != destination &&
        AfxMessageBox("Do you want to copy all menus?", MB_OKCANCEL) == IDOK)
    {
        Designation* from = ItemAt(m_module->GetDesignations(), source);
        Designation* to = ItemAt(m_module->GetDesignations(), destination);
        if (from != nullptr && to != nullptr)
            to->AddMenusOf(*from);
    }
    m_controls.Select(IDC_DESTINATION, -1);
}

void MenuDesignation::TickAll(bool checked)
{
    const std::vector<int> items = m_tree.WalkAll();
    for (std::size_t i = 0; i < items.size(); ++i)
    {
        MenuTreeItem& item = m_tree.At(items[i]);
        item.expanded = true;
        if (i > 0)
            item.checked = checked;
    }
}

void MenuDesignation::SelectAll()
{
    if (AfxMessageBox("Do you want to select all?", MB_OKCANCEL) == IDOK)
        TickAll(true);
}

void MenuDesignation::DeselectAll()
{
    if (AfxMessageBox("Do you want to de-select all?", MB_OKCANCEL) == IDOK)
        TickAll(false);
}

MenuEditor::MenuEditor(ForgeonProject& project, MenuEditorHost& host)
    : m_menus(project, host), m_files(project, host), m_roles(project)
{
}

void MenuEditor::LoadMenu(const Menu* menu)
{
    m_menus.Refill(menu);
    RefreshPages();
    m_current = menusPage;
}

void MenuEditor::RefreshPages()
{
    m_menus.ResetSelection();
    m_menus.Refill();
    m_files.Reset();
    m_files.Refill();
    m_roles.ReloadRoles();
    m_roles.Refill();
}

void MenuEditor::OnPageSelected(int page)
{
    m_current = page;
    switch (page)
    {
    case menusPage:
        m_menus.ResetSelection();
        m_menus.Refill();
        break;
    case rolesPage:
        RefreshPages();
        m_roles.RefillRoles();
        break;
    case filesPage:
        m_files.Reset();
        m_files.Refill();
        break;
    default:
        break;
    }
}
