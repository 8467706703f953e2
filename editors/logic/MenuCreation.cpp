#include "editors/logic/MenuPages.h"

#include "entities/AspFile.h"
#include "entities/DashBoard.h"
#include "entities/Designation.h"
#include "entities/Menu.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/NameUtilities.h"
#include "platform/core/MessageBox.h"

namespace
{
const char* const specialCharacterMessage = "Special charater in menu name.Please check.";
const char* const fileNotAssigned = "File not assigned.";
} // namespace

bool CheckChildMenuName(const CString& name)
{
    if (name.IsEmpty())
    {
        AfxMessageBox("Please enter valid menu name.");
        return false;
    }
    if (HasMenuSpecialCharacters(name))
    {
        AfxMessageBox(specialCharacterMessage);
        return false;
    }
    return true;
}

MenuCreation::MenuCreation(ForgeonProject& project, MenuEditorHost& host)
    : m_project(project), m_host(host)
{
}

void MenuCreation::EnableCommands(bool enabled)
{
    for (int id : {int(IDC_NAME), int(IDC_ATTACH), int(IDC_REMOVE_FILE), int(IDC_CHANGE_PARENT),
                   int(IDC_ADD_SUB), int(IDC_UPDATE), int(IDC_DELETE)})
        m_controls.Enable(id, enabled);
}

void MenuCreation::ResetSelection()
{
    m_controls.SetText(IDC_NAME, "Menu not selected.");
    m_controls.SetText(IDC_FILE_NAME, fileNotAssigned);
    m_selected = nullptr;
    m_clicked = -1;
    EnableCommands(false);
}

void MenuCreation::Refill(const Menu* expand)
{
    m_controls.Enable(IDC_ATTACH, false);
    m_controls.Enable(IDC_REMOVE_FILE, false);
    FillMenuTree(m_project, m_tree, expand);
}

void MenuCreation::ShowFileButtons(bool hasFile)
{
    m_controls.Enable(IDC_ATTACH, !hasFile);
    m_controls.Enable(IDC_REMOVE_FILE, hasFile);
    m_controls.Enable(IDC_ADD_SUB, !hasFile);
}

void MenuCreation::Click(int item)
{
    m_tree.Select(item);
    Menu* menu =
        item >= 0 && m_tree.At(item).parent >= 0 ? m_tree.FindMenu(m_tree.At(item).data) : nullptr;
    // A module root or empty space clears the selection, so that "Update" cannot relabel them.
    if (menu == nullptr)
    {
        ResetSelection();
        return;
    }
    m_clicked = item;
    m_selected = menu;
    m_controls.SetText(IDC_NAME, menu->GetName());
    EnableCommands(true);
    if (!menu->GetSubMenus().empty())
    {
        m_controls.Enable(IDC_ATTACH, false);
        m_controls.Enable(IDC_REMOVE_FILE, false);
    }
    else if (const AspFile* file = menu->GetAspFile())
    {
        m_controls.SetText(IDC_FILE_NAME, file->GetRelativeUrl(FALSE, FALSE));
        const Menu* parent = menu->GetParent();
        m_controls.SetText(IDC_PARENT_NAME, parent != nullptr && parent != menu
                                                ? parent->GetName()
                                                : CString("Parenr menu not set."));
        ShowFileButtons(true);
    }
    else
    {
        m_controls.SetText(IDC_FILE_NAME, "");
        m_controls.SetText(IDC_PARENT_NAME, "");
        ShowFileButtons(false);
    }
}

void MenuCreation::Move(bool up)
{
    const int item = m_tree.GetSelected();
    if (item >= 0 && (m_tree.GetRoots().empty() || item != m_tree.GetRoots().front()))
    {
        Module* module = m_project.GetCurrentModule();
        Menu* menu = module != nullptr ? module->FindMenuById(m_tree.At(item).data) : nullptr;
        Menu* parent = menu != nullptr ? menu->GetParent() : nullptr;
        if (parent != nullptr && parent != menu)
            up ? parent->MoveSubMenuUp(menu) : parent->MoveSubMenuDown(menu);
        else if (menu != nullptr)
            up ? module->MoveMenuUp(menu) : module->MoveMenuDown(menu);
    }
    Refill();
    ResetSelection();
}

void MenuCreation::Up()
{
    Move(true);
}

void MenuCreation::Down()
{
    Move(false);
}

void MenuCreation::Update()
{
    if (m_selected == nullptr)
        return;
    const CString name = m_controls.GetText(IDC_NAME);
    if (HasMenuSpecialCharacters(name))
    {
        AfxMessageBox(specialCharacterMessage);
        m_controls.SetText(IDC_NAME, m_selected->GetName());
    }
    else
    {
        m_selected->SetName(name);
        for (const Module* module : m_project.GetModules())
            for (DashBoard* dashBoard : module->GetDashBoards())
                dashBoard->UpdateMenuCaptionInCells(m_selected);
        if (m_clicked >= 0)
            m_tree.At(m_clicked).text = name;
    }
    ResetSelection();
}

void MenuCreation::AddSubMenu()
{
    Menu* parent = GetSelectedMenu(m_tree);
    const int parentItem = m_tree.GetSelected();
    CString name;
    if (parent == nullptr || !m_host.AskChildMenuName(*parent, name))
        return;
    Module* module = m_project.GetCurrentModule();
    if (module == nullptr)
        return;
    auto* child = new Menu;
    child->SetName(name);
    const int item = m_tree.Insert(parentItem, name, 1, 0);
    parent->AddSubMenu(child);
    for (AspFile* file : parent->GetPageFiles())
    {
        if (file->GetTopMenu() == parent)
            file->SyncMenuVariableMaps(TRUE);
        if (file->GetLeftMenu() == parent)
            file->SyncMenuVariableMaps(FALSE);
    }
    for (Module* each : m_project.GetModules())
        each->CleanUpPageFiles();
    if (Designation* director = module->GetDirectorDesignation())
        director->AddMenu(child);
    m_tree.At(item).data = child->GetId();
    m_tree.IndexMenu(*child);
    m_tree.At(parentItem).expanded = true;
}

void MenuCreation::AttachFile()
{
    Menu* menu = GetSelectedMenu(m_tree);
    if (menu == nullptr)
        return;
    m_host.AssignFile(*menu);
    if (const AspFile* file = menu->GetAspFile())
    {
        m_controls.SetText(IDC_FILE_NAME, file->GetRelativeUrl(FALSE, FALSE));
        m_controls.Enable(IDC_ADD_SUB, false);
    }
}

void MenuCreation::RemoveFile()
{
    Menu* menu = GetSelectedMenu(m_tree);
    AspFile* file = menu != nullptr ? menu->GetAspFile() : nullptr;
    if (file == nullptr ||
        AfxMessageBox("Do you really want to remove the assigned file for the selected menu?",
                      MB_YESNO) != IDYES)
        return;
    menu->SetAspFile(nullptr);
    file->RemoveMenu(menu);
    m_controls.SetText(IDC_FILE_NAME, fileNotAssigned);
    ShowFileButtons(false);
}

void MenuCreation::ChangeParent()
{
    Menu* menu = GetSelectedMenu(m_tree);
    if (menu == nullptr)
        return;
    const Menu* former = menu->GetParent();
    if (!m_host.ChangeParent(*menu) || menu->GetParent() == former)
        return;
    ResetSelection();
    Refill();
    if (!m_tree.GetRoots().empty())
        m_tree.At(m_tree.GetRoots().front()).expanded = true;
}

void MenuCreation::Delete()
{
    Menu* menu = GetSelectedMenu(m_tree);
    if (menu == nullptr || AfxMessageBox("Do you really want to delete menu?", MB_YESNO) != IDYES)
        return;
    if (!m_project.DeleteMenu(menu))
        return;
    m_tree.Select(-1);
    Refill();
    ResetSelection();
}
