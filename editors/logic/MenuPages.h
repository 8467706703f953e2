#pragma once

#include "editors/logic/ControlStates.h"
#include "editors/logic/MenuTree.h"
#include "editors/logic/PaneEditor.h"
#include "entities/MenuInterface.h"
#include "platform/core/CString.h"

#include <vector>

class AspFile;
class Designation;
class ForgeonProject;
class FormInterface;
class Menu;
class Module;
class Variable;

// The modal dialogs the menu pages open. The view runs the real dialogs;
// tests answer them.
class MenuEditorHost
{
public:
    virtual ~MenuEditorHost() = default;

    // The name of a new sub-menu of the parent; false on Cancel.
    virtual bool AskChildMenuName(Menu& parent, CString& name) = 0;
    // Lets the user give the menu a page file.
    virtual void AssignFile(Menu& menu) = 0;
    // "Change parent for"; true on OK.
    virtual bool ChangeParent(Menu& menu) = 0;
    // The menu chosen as top menu; null when none.
    virtual Menu* SelectTopMenu() = 0;
    // The parameters of the file's top menu.
    virtual void MapParameters(AspFile& file) = 0;
    // The project tree's item of the menu takes its name.
    virtual void UpdateMenuItemText(const Menu& menu) = 0;
};

// Refuses an empty name and one with a menu special character, with the message.
bool CheckChildMenuName(const CString& name);
// Before the name of a new sub-menu is dropped unused: "The menu "<name>" has not been added.
// Add it?", answered Yes, No or Cancel; IDNO without asking when nothing was typed.
int AskAboutChildMenuName(const CString& name);

// The module, page-type, page and page-file combos that pick a page file.
class PageFileChoice
{
public:
    enum
    {
        IDC_MODULE = 1015,
        IDC_FILE_TYPE = 1481,
        IDC_PAGE = 1245,
    };

    // The kind codes of the file-type entries and the page-file combo's id.
    PageFileChoice(const ForgeonProject& project, std::vector<int> kinds, int fileComboId);
    virtual ~PageFileChoice() = default;
    PageFileChoice(const PageFileChoice&) = delete;
    PageFileChoice& operator=(const PageFileChoice&) = delete;

    // The module names with the current module selected.
    Module* LoadModules();
    // Module or type changed: the page combo is refilled for the selected module and type, the
    // page-file combo emptied.
    void ChooseType(int index);
    void ChooseModule(int index);
    // The page's files, entry 0 selected.
    void ChoosePage(int index);
    void ChooseFile(int index) { m_controls.Select(m_fileCombo, index); }
    AspFile* FindSelectedFile() const;

    ControlStates& Controls() { return m_controls; }
    const ControlStates& Controls() const { return m_controls; }
    Module* GetModule() const;

protected:
    // On a type or module change: the module, page and page-file combos follow the type.
    virtual void EnableForType(bool typeSelected);

private:
    int SelectedKind() const;

    const ForgeonProject& m_project;
    std::vector<int> m_kinds;
    int m_fileCombo;
    ControlStates m_controls;
};

// "Assign file to menu": OK gives the menu the chosen page file when there is one.
class MenuFileAssignment : public PageFileChoice
{
public:
    enum
    {
        IDC_FILE = 1246,
    };
    static const std::vector<CString>& TypeNames();

    MenuFileAssignment(const ForgeonProject& project, Menu& menu);
    void Ok();
    // Before the page file chosen is dropped unused: "The page file "<url>" has not been added.
    // Add it?", answered Yes, No or Cancel; IDNO without asking when OK would assign nothing.
    int AskAboutChanges() const;

private:
    Menu& m_menu;
};

// "Menus": the menu tree with rename, sub-menus, moves, parents, page files and deletion. Every
// change reaches the menus at once, but a name typed for the selected menu, which "Update"
// takes.
class MenuCreation : public PaneEditor
{
public:
    enum
    {
        IDC_TREE = 1097,
        IDC_UP = 1068,
        IDC_DOWN = 1069,
        IDC_NAME = 1096,
        IDC_ATTACH = 1040,
        IDC_REMOVE_FILE = 1041,
        IDC_FILE_NAME = 1159,
        IDC_PARENT_NAME = 1160,
        IDC_CHANGE_PARENT = 1769,
        IDC_ADD_SUB = 1770,
        IDC_UPDATE = 1773,
        IDC_DELETE = 1023,
    };

    MenuCreation(ForgeonProject& project, MenuEditorHost& host);

    void ResetSelection();
    void Refill(const Menu* expand = nullptr);
    // The tree's selection moved to an item (by a click or a key), -1 for none: the panel shows
    // its menu. A name typed for the menu shown before is asked about first.
    void Click(int item);
    // OK: the typed name is asked about; false on Cancel.
    bool Close();
    void Up();
    void Down();
    void Update();
    void AddSubMenu();
    void AttachFile();
    void RemoveFile();
    void ChangeParent();
    void Delete();

    MenuTreeModel& Tree() { return m_tree; }
    ControlStates& Controls() { return m_controls; }
    Menu* GetSelected() const { return m_selected; }
    std::vector<int> ItemBoxes() const override { return {}; }
    std::vector<int> RowBoxes() const override { return {IDC_NAME}; }

private:
    bool HoldsItem() const override { return m_selected != nullptr; }
    bool IsNewItem() const override { return false; }
    const char* ItemKind() const override { return "menu"; }
    CString ItemName() const override;
    void StoreItem() override {}
    void ReloadItem() override {}
    bool TakeTypedRows() override { return TakeTypedName(); }

    void EnableCommands(bool enabled);
    void Move(bool up);
    void ShowFileButtons(bool hasFile);
    // The page-file statics and buttons of the selected menu.
    void ShowMenuFile();
    // The selected menu takes the edit's name; false when refused.
    bool Rename();
    // Yes renames, No restores the edit; false on Cancel or a refused name.
    bool TakeTypedName();

    ForgeonProject& m_project;
    MenuEditorHost& m_host;
    MenuTreeModel m_tree;
    ControlStates m_controls;
    Menu* m_selected = nullptr;
    int m_clicked = -1;
};

// "Role wise Menus": the menus each role of the base module may use.
class MenuDesignation
{
public:
    enum
    {
        IDC_ROLE = 1094,
        IDC_DESTINATION = 1095,
    };

    explicit MenuDesignation(ForgeonProject& project);

    // The rows emptied and the roles of the base module listed again.
    void ReloadRoles();
    void RefillRoles();
    void Refill() { FillMenuTree(m_project, m_tree, nullptr); }
    void ChooseRole(int index);
    void ChooseDestination(int index) { m_controls.Select(IDC_DESTINATION, index); }
    void SelectRow(int row) { m_selectedRow = row; }
    void Assign();
    void Unassign();
    void RemoveAll();
    void Copy();
    void SelectAll();
    void DeselectAll();

    MenuTreeModel& Tree() { return m_tree; }
    ControlStates& Controls() { return m_controls; }
    const std::vector<ListRow>& Rows() const { return m_rows; }
    int GetSelectedRow() const { return m_selectedRow; }
    Designation* GetRole() const { return m_role; }

private:
    void RefreshList();
    void RefreshTicks();
    void TickAll(bool checked);

    ForgeonProject& m_project;
    MenuTreeModel m_tree;
    ControlStates m_controls;
    std::vector<ListRow> m_rows;
    int m_selectedRow = -1;
    Module* m_module = nullptr;
    Designation* m_role = nullptr;
};

// "Menus on Files": the top menu of a page file.
class MenuInterfaceFiles : public PageFileChoice
{
public:
    enum
    {
        IDC_FILE = 1247,
        IDC_SELECT_FILE = 1261,
        IDC_FILE_NAME = 1262,
        IDC_TOP_MENU = 1778,
        IDC_ASSIGN = 1253,
        IDC_REMOVE = 1267,
        IDC_MAP = 1663,
    };
    static const std::vector<CString>& TypeNames();

    MenuInterfaceFiles(ForgeonProject& project, MenuEditorHost& host);

    void Reset();
    void Refill() { FillMenuTree(m_project, m_tree, nullptr); }
    void SelectFile();
    void Assign();
    void Remove();
    void MapParameters();

    MenuTreeModel& Tree() { return m_tree; }
    AspFile* GetFile() const { return m_file; }

protected:
    void EnableForType(bool typeSelected) override;

private:
    void ShowFile();
    void EnablePicking(bool enabled);

    ForgeonProject& m_project;
    MenuEditorHost& m_host;
    MenuTreeModel m_tree;
    AspFile* m_file = nullptr;
};

// "Select menu": a menu without a page file from the tree of every module.
class TopMenuChoice
{
public:
    enum
    {
        IDC_NAME = 1096,
    };

    explicit TopMenuChoice(const ForgeonProject& project);
    void Select();

    MenuTreeModel& Tree() { return m_tree; }
    ControlStates& Controls() { return m_controls; }
    Menu* GetChosen() const { return m_chosen; }

private:
    MenuTreeModel m_tree;
    ControlStates m_controls;
    Menu* m_chosen = nullptr;
};

// "Map menu paramaters for ": the pairs of the variable maps of a page file's menu leaves.
class MenuParameterMapping
{
public:
    enum
    {
        IDC_MENUS = 1248,
        IDC_ITEM_FILE = 1749,
        IDC_FILE_VARIABLES = 1246,
        IDC_FILE_LABEL = 1263,
    };

    MenuParameterMapping(AspFile& file, bool top);

    // Lists the leaves; the message when there is none.
    void Load();
    void SelectMenu();
    void SelectRow(int row) { m_row = row; }
    void Map();
    void Unmap();

    CString GetTitle() const { return m_title; }
    ControlStates& Controls() { return m_controls; }
    const std::vector<ListRow>& Rows() const { return m_rows; }

private:
    void Collect(Menu& menu);
    void FillRows();

    AspFile& m_file;
    bool m_top;
    CString m_title;
    ControlStates m_controls;
    std::vector<MenuVariableMap*> m_items;
    std::vector<Variable*> m_fileVariables;
    std::vector<Variable*> m_menuVariables;
    MenuVariableMap* m_item = nullptr;
    std::vector<ListRow> m_rows;
    int m_row = -1;
};

// The three pages of the menu editor in tab order, and what a tab change or a refresh does.
class MenuEditor
{
public:
    enum Page
    {
        menusPage,
        filesPage,
        rolesPage,
    };

    MenuEditor(ForgeonProject& project, MenuEditorHost& host);

    // The "Menus" tree refilled with the menu's item expanded, the pages refreshed, tab 0 shown.
    void LoadMenu(const Menu* menu);
    void RefreshPages();
    void OnPageSelected(int page);
    int GetCurrentPage() const { return m_current; }

    MenuCreation& Menus() { return m_menus; }
    MenuInterfaceFiles& Files() { return m_files; }
    MenuDesignation& Roles() { return m_roles; }

private:
    MenuCreation m_menus;
    MenuInterfaceFiles m_files;
    MenuDesignation m_roles;
    int m_current = menusPage;
};
