#include "editors/logic/MenuPages.h"

#include "entities/AspFile.h"
#include "entities/FormInterface.h"
#include "entities/Menu.h"
#include "entities/Variable.h"
#include "model/ForgeonProject.h"
#include "model/ListAccess.h"
#include "model/Module.h"
#include "model/NamedQuestion.h"
#include "model/TypedText.h"
#include "platform/core/MessageBox.h"

#include <utility>
#include <vector>

PageFileChoice::PageFileChoice(const ForgeonProject& project, std::vector<int> kinds,
                               int fileComboId)
    : m_project(project), m_kinds(std::move(kinds)), m_fileCombo(fileComboId)
{
}

Module* PageFileChoice::LoadModules()
{
    m_controls.SetItems(IDC_MODULE, m_project.GetModuleNames());
    Module* current = m_project.GetCurrentModule();
    m_controls.Select(IDC_MODULE, current != nullptr ? m_project.GetModuleIndex(current) : -1);
    return GetModule();
}

Module* PageFileChoice::GetModule() const
{
    return m_project.GetModuleAt(m_controls.GetSelection(IDC_MODULE));
}

int PageFileChoice::SelectedKind() const
{
    const int type = m_controls.GetSelection(IDC_FILE_TYPE);
    return type >= 0 && type < static_cast<int>(m_kinds.size())
               ? m_kinds[static_cast<std::size_t>(type)]
               : -1;
}

void PageFileChoice::EnableForType(bool typeSelected)
{
    for (int id : {int(IDC_MODULE), int(IDC_PAGE), m_fileCombo})
        m_controls.Enable(id, typeSelected);
}

void PageFileChoice::ChooseType(int index)
{
    m_controls.Select(IDC_FILE_TYPE, index);
    EnableForType(index >= 0);
    m_controls.SetItems(IDC_PAGE, PageNames(GetModule(), SelectedKind()));
    m_controls.SetItems(m_fileCombo, {});
}

void PageFileChoice::ChooseModule(int index)
{
    m_controls.Select(IDC_MODULE, index);
    ChooseType(m_controls.GetSelection(IDC_FILE_TYPE));
}

void PageFileChoice::ChoosePage(int index)
{
    m_controls.Select(IDC_PAGE, index);
    const FormInterface* page = GetSelectedPage(GetModule(), index, SelectedKind());
    if (index < 0 || page == nullptr)
        return;
    m_controls.SetItems(m_fileCombo, PageFileUrls(page));
    m_controls.Select(m_fileCombo, 0);
}

AspFile* PageFileChoice::FindSelectedFile() const
{
    const FormInterface* page =
        GetSelectedPage(GetModule(), m_controls.GetSelection(IDC_PAGE), SelectedKind());
    return FindSelectedPageFile(page, m_controls.GetItems(m_fileCombo),
                                m_controls.GetSelection(m_fileCombo));
}

const std::vector<CString>& MenuFileAssignment::TypeNames()
{
    static const std::vector<CString> names{"Master Forms",        "Master-Detail Forms",
                                            "Application Reports", "RDLC Reports",
                                            "DashBoard Pages",     "LoginPage"};
    return names;
}

MenuFileAssignment::MenuFileAssignment(const ForgeonProject& project, Menu& menu)
    : PageFileChoice(project,
                     {masterFormPage, masterDetailPage, applicationReportPage, rdlcReportPage,
                      dashBoardPage, loginPage},
                     IDC_FILE),
      m_menu(menu)
{
    Controls().SetItems(IDC_FILE_TYPE, TypeNames());
}

void MenuFileAssignment::Ok()
{
    if (AspFile* file = FindSelectedFile())
        m_menu.SetAspFile(file);
}

int MenuFileAssignment::AskAboutChanges() const
{
    const AspFile* file = FindSelectedFile();
    if (file == nullptr || file == m_menu.GetAspFile())
        return IDNO;
    return AskAboutTypedText("page file", file->GetRelativeUrl(FALSE, FALSE),
                             /*update=*/m_menu.GetAspFile() != nullptr);
}

const std::vector<CString>& MenuInterfaceFiles::TypeNames()
{
    static const std::vector<CString> names{"Master Forms", "Master-Detail Forms", "Search Reports",
                                            "Reports", "DashBoard Page"};
    return names;
}

MenuInterfaceFiles::MenuInterfaceFiles(ForgeonProject& project, MenuEditorHost& host)
    : PageFileChoice(
          project,
          {masterFormPage, masterDetailPage, applicationReportPage, rdlcReportPage, dashBoardPage},
          IDC_FILE),
      m_project(project), m_host(host)
{
    Controls().SetItems(IDC_FILE_TYPE, TypeNames());
}

void MenuInterfaceFiles::EnablePicking(bool enabled)
{
    for (int id : {int(IDC_MODULE), int(IDC_PAGE), int(IDC_FILE), int(IDC_SELECT_FILE),
                   int(IDC_FILE_NAME), int(IDC_REMOVE)})
        Controls().Enable(id, enabled);
}

void MenuInterfaceFiles::EnableForType(bool)
{
    EnablePicking(true);
}

void MenuInterfaceFiles::Reset()
{
    for (int id : {int(IDC_FILE), int(IDC_PAGE), int(IDC_FILE_TYPE)})
        Controls().Select(id, -1);
    Controls().SetText(IDC_TOP_MENU, "");
    Controls().SetText(IDC_FILE_NAME, "");
    LoadModules();
    EnablePicking(false);
    Controls().Enable(IDC_ASSIGN, false);
}

void MenuInterfaceFiles::ShowFile()
{
    const Menu* top = m_file->GetTopMenu();
    Controls().SetText(IDC_TOP_MENU, top != nullptr ? top->GetName() : CString());
    Controls().SetText(IDC_FILE_NAME, m_file->GetRelativeUrl(FALSE, FALSE));
    Controls().Enable(IDC_ASSIGN, top == nullptr);
    Controls().Enable(IDC_REMOVE, top != nullptr);
    Controls().Enable(IDC_MAP, top != nullptr);
}

void MenuInterfaceFiles::SelectFile()
{
    if (AspFile* file = FindSelectedFile())
    {
        m_file = file;
        ShowFile();
    }
}

void MenuInterfaceFiles::Assign()
{
    Menu* menu = m_host.SelectTopMenu();
    if (menu == nullptr || m_file == nullptr)
        return;
    m_file->SetTopMenu(menu);
    if (!menu->HasAspFile(m_file))
        menu->AddPageFile(m_file);
    m_file->SyncMenuVariableMaps(TRUE);
    ShowFile();
}

void MenuInterfaceFiles::Remove()
{
    Menu* top = m_file != nullptr ? m_file->GetTopMenu() : nullptr;
    if (top == nullptr ||
        AfxMessageBox(NamedQuestion("Do you really want to remove Top menu?", top->GetName()),
                      MB_YESNO) != IDYES)
        return;
    m_file->DeleteTopMenuVariableMaps();
    top->RemoveAspFile(m_file);
    m_file->SetTopMenu(nullptr);
    ShowFile();
}

void MenuInterfaceFiles::MapParameters()
{
    if (m_file != nullptr)
        m_host.MapParameters(*m_file);
}

TopMenuChoice::TopMenuChoice(const ForgeonProject& project)
{
    FillMenuTree(project, m_tree, nullptr);
}

void TopMenuChoice::Select()
{
    Menu* menu = GetSelectedMenu(m_tree);
    if (menu == nullptr)
        return;
    if (menu->GetAspFile() != nullptr)
    {
        AfxMessageBox("Can not select leaf menu");
        m_chosen = nullptr;
        return;
    }
    m_chosen = menu;
    m_controls.SetText(IDC_NAME, menu->GetName());
}

MenuParameterMapping::MenuParameterMapping(AspFile& file, bool top) : m_file(file), m_top(top) {}

void MenuParameterMapping::Collect(Menu& menu)
{
    const auto listed = [this](Menu& item)
    {
        MenuVariableMap* map = item.GetAspFile() == nullptr ? nullptr
                               : m_top                      ? m_file.FindTopMenuVariableMap(&item)
                                                            : m_file.FindLeftMenuVariableMap(&item);
        if (map != nullptr)
            m_items.push_back(map);
        return map != nullptr;
    };
    if (menu.GetSubMenus().empty())
    {
        listed(menu);
        return;
    }
    // A sub-menu that is not listed itself lists its own sub-menus, in order, without
    // recursion.
    std::vector<Menu*> pending(menu.GetSubMenus().rbegin(), menu.GetSubMenus().rend());
    while (!pending.empty())
    {
        Menu* sub = pending.back();
        pending.pop_back();
        if (!listed(*sub))
            pending.insert(pending.end(), sub->GetSubMenus().rbegin(), sub->GetSubMenus().rend());
    }
}

void MenuParameterMapping::Load()
{
    m_items.clear();
    if (Menu* menu = m_top ? m_file.GetTopMenu() : m_file.GetLeftMenu())
        Collect(*menu);
    std::vector<CString> names;
    for (const MenuVariableMap* map : m_items)
        names.push_back(map->m_menu->GetName());
    m_controls.SetItems(IDC_MENUS, names);
    if (m_items.empty())
        AfxMessageBox("None of the menus have assigned file.");
    const CString fileName = m_file.GetFileName(FALSE);
    m_title = "Map menu paramaters for " + fileName;
    m_controls.SetText(IDC_FILE_LABEL, fileName + " Variables");
    m_fileVariables.clear();
    if (const FormInterface* page = m_file.GetOwnerPage())
        page->GetVariables(m_fileVariables, true);
    std::vector<CString> variableNames;
    for (const Variable* variable : m_fileVariables)
        variableNames.push_back(variable->GetFieldName());
    m_controls.SetItems(IDC_FILE_VARIABLES, variableNames);
}

void MenuParameterMapping::FillRows()
{
    m_rows.clear();
    for (const Variable* variable : m_menuVariables)
    {
        MenuVariableMap::VariablePair pair;
        const bool mapped =
            m_item->FindByMenuFileVariable(variable, pair) && pair.second != nullptr;
        m_rows.push_back({{variable->GetFieldName(), mapped ? pair.second->GetFieldName() : ""}});
    }
}

void MenuParameterMapping::SelectMenu()
{
    m_item = ItemAt(m_items, m_controls.GetSelection(IDC_MENUS));
    if (m_item == nullptr)
        return;
    const AspFile* opened = m_item->m_menu->GetAspFile();
    m_menuVariables.clear();
    if (const FormInterface* page = opened != nullptr ? opened->GetOwnerPage() : nullptr)
        page->GetVariables(m_menuVariables, false);
    FillRows();
    m_controls.SetText(IDC_ITEM_FILE, opened != nullptr ? opened->GetFileName(FALSE) : CString());
    m_row = -1;
}

void MenuParameterMapping::Map()
{
    Variable* fileVariable = ItemAt(m_fileVariables, m_controls.GetSelection(IDC_FILE_VARIABLES));
    Variable* menuVariable = ItemAt(m_menuVariables, m_row);
    if (m_item == nullptr || fileVariable == nullptr || menuVariable == nullptr)
        return;
    m_item->AddVariablePair(menuVariable, fileVariable);
    m_rows[static_cast<std::size_t>(m_row)].cells[1] = fileVariable->GetFieldName();
    m_controls.Select(IDC_FILE_VARIABLES, -1);
    m_row = -1;
}

void MenuParameterMapping::Unmap()
{
    const Variable* menuVariable = ItemAt(m_menuVariables, m_row);
    if (m_item == nullptr || menuVariable == nullptr ||
        AfxMessageBox(
            NamedQuestion("Do you want to remove the mapping?", menuVariable->GetFieldName()),
            MB_YESNO) != IDYES)
        return;
    m_item->RemoveVariablePairOfMenuFileVariable(menuVariable);
    FillRows();
}
