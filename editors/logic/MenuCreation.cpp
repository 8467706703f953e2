#include "editors/logic/MenuPages.h"

#include "entities/AspFile.h"
#include "entities/DashBoard.h"
#include "entities/Designation.h"
#include "entities/Menu.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/NameUtilities.h"
#include "model/NamedQuestion.h"
#include "model/TypedText.h"
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

int AskAboutChildMenuName(const CString& name)
{
    return AskAboutTypedText("menu", name, /*update=*/false);
}

MenuCreation::MenuCreation(ForgeonProject& project, MenuEditorHost& host)
    : PaneEditor(m_controls), m_project(project), m_host(host)
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
    // No menu: no parent of one either.
    m_controls.SetText(IDC_PARENT_NAME, "");
    m_selected = nullptr;
    m_clicked = -1;
    m_tree.Select(-1);
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

void MenuCreation::ShowMenuFile()
{
    if (!m_selected->GetSubMenus().empty())
    {
        m_controls.SetText(IDC_FILE_NAME, "");
        m_controls.SetText(IDC_PARENT_NAME, "");
        m_controls.Enable(IDC_ATTACH, false);
        m_controls.Enable(IDC_REMOVE_FILE, false);
    }
    else if (const AspFile* file = m_selected->GetAspFile())
    {
        m_controls.SetText(IDC_FILE_NAME, file->GetRelativeUrl(FALSE, FALSE));
        const Menu* parent = m_selected->GetParent();
        m_controls.SetText(IDC_PARENT_NAME, parent != nullptr && parent != m_selected
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

bool MenuCreation::TakeTypedName()
{
    if (m_selected == nullptr || m_controls.GetText(IDC_NAME) == m_selected->GetName())
        return true;
    // A refused name was put back by Rename; No puts it back here.
    if (!TakeOrDropTypedText("menu name", m_controls.GetText(IDC_NAME), true,
                             [this] { return Rename(); }))
        return false;
    m_controls.SetText(IDC_NAME, m_selected->GetName());
    return true;
}

void MenuCreation::Click(int item)
{
    if (m_selected != nullptr && item == m_clicked)
        return;
    // A name typed for the menu shown is taken or dropped first; Cancel keeps it shown.
    if (!TakeTypedName())
    {
        m_tree.Select(m_clicked);
        return;
    }
    m_tree.Select(item);
    Menu* menu =
        item >= 0 && m_tree.At(item).parent >= 0 ? m_tree.FindMenu(m_tree.At(item).data) : nullptr;
    // A module root or empty space clears the selection, so that "Update" cannot relabel them.
    if (menu == nullptr)
    {
        ResetSelection();
        m_tree.Select(item);
        return;
    }
    m_clicked = item;
    m_selected = menu;
    m_controls.SetText(IDC_NAME, menu->GetName());
    EnableCommands(true);
    ShowMenuFile();
}

bool MenuCreation::Close()
{
    return TakeTypedName();
}

CString MenuCreation::ItemName() const
{
    return m_selected->GetName();
}

void MenuCreation::Move(bool up)
{
    if (!TakeTypedName())
        return;
    Module* module = m_project.GetCurrentModule();
    if (m_selected != nullptr && module != nullptr && module->FindMenuById(m_selected->GetId()))
    {
        Menu* parent = m_selected->GetParent();
        if (parent != nullptr && parent != m_selected)
            up ? parent->MoveSubMenuUp(m_selected) : parent->MoveSubMenuDown(m_selected);
        else
            up ? module->MoveMenuUp(m_selected) : module->MoveMenuDown(m_selected);
    }
    // The moved menu stays shown where the refill keeps its item selected.
    Refill();
    const int moved = m_tree.GetSelected();
    ResetSelection();
    Click(moved);
}

void MenuCreation::Up()
{
    Move(true);
}

void MenuCreation::Down()
{
    Move(false);
}

bool MenuCreation::Rename()
{
    const CString name = m_controls.GetText(IDC_NAME);
    if (HasMenuSpecialCharacters(name))
    {
        AfxMessageBox(specialCharacterMessage);
        m_controls.SetText(IDC_NAME, m_selected->GetName());
        return false;
    }
    m_selected->SetName(name);
    for (const Module* module : m_project.GetModules())
        for (DashBoard* dashBoard : module->GetDashBoards())
            dashBoard->UpdateMenuCaptionInCells(m_selected);
    if (m_clicked >= 0)
        m_tree.At(m_clicked).text = name;
    m_host.UpdateMenuItemText(*m_selected);
    return true;
}

void MenuCreation::Update()
{
    if (m_selected == nullptr)
        return;
    Rename();
    ResetSelection();
}

void MenuCreation::AddSubMenu()
{
    Menu* parent = m_selected;
    const int parentItem = m_clicked;
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
    if (m_selected == nullptr)
        return;
    m_host.AssignFile(*m_selected);
    if (m_selected->GetAspFile() != nullptr)
        ShowMenuFile();
}

void MenuCreation::RemoveFile()
{
    Menu* menu = m_selected;
    AspFile* file = menu != nullptr ? menu->GetAspFile() : nullptr;
    if (file == nullptr ||
        AfxMessageBox(
            NamedQuestion("Do you really want to remove the assigned file for the selected menu?",
                          file->GetDefaultFileName()),
            MB_YESNO) != IDYES)
        return;
    menu->SetAspFile(nullptr);
    file->RemoveMenu(menu);
    m_controls.SetText(IDC_FILE_NAME, fileNotAssigned);
    ShowFileButtons(false);
}

void MenuCreation::ChangeParent()
{
    Menu* menu = m_selected;
    if (menu == nullptr || !TakeTypedName())
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
    Menu* menu = m_selected;
    if (menu == nullptr)
        return;
    CString question;
    question.Format("Do you really want to delete menu \"%s\"?", menu->GetName().GetString());
    if (AfxMessageBox(question, MB_YESNO) != IDYES || !m_project.DeleteMenu(menu))
        return;
    m_tree.Select(-1);
    Refill();
    ResetSelection();
}
