#include "editors/MenuDlg.h"

#include "editors/ContextHelp.h"
#include "editors/DialogParts.h"
#include "editors/EditorPictures.h"
#include "editors/SetMenuParent.h"
#include "editors/ViewEditorHost.h"
#include "entities/Menu.h"
#include "model/MainFrameAccess.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ListCtrl.h"

IMPLEMENT_DYNCREATE(MenuDlg, CFormView)

namespace
{
enum
{
    IDD_MENU_CREATION = 147,
    IDD_MENU_ROLES = 158,
    IDD_MENU_FILES = 180,
    IDC_OK_PAGE = 1526,
    IDC_PICTURE = 1716,
    // The "Menus" page.
    IDC_CREATION_HELP = 1744,
    // The "Role wise Menus" page.
    IDC_ROLE_COPY = 1039,
    IDC_ROLE_ASSIGN = 1040,
    IDC_ROLE_SELECT_ALL = 1041,
    IDC_ROLE_DESELECT_ALL = 1042,
    IDC_ROLE_UNASSIGN = 1043,
    IDC_ROLE_REMOVE_ALL = 1044,
    IDC_ROLE_LIST = 1273,
    IDC_ROLE_HELP = 1735,
    IDC_ROLE_MODULE = 1015,
    // The "Menus on Files" page.
    IDC_FILES_HELP = 1781,
};

constexpr int IDC_TREE = MenuCreation::IDC_TREE;

const DialogTemplateRegistration menuTemplates{
    {MenuDlg::IDD,
     "",
     {{MenuDlg::IDC_TABS, ControlKind::TabCtrl, "", false, false, 760, 560}},
     WS_CHILD},
    {IDD_MENU_CREATION,
     "",
     {
         {IDC_PICTURE, ControlKind::Picture, "", false, false, 48, 40, menuTreeBitmap},
         {0, ControlKind::GroupBox, "Menu Tree"},
         {IDC_TREE, ControlKind::TreeCtrl, "", false, false, 320, 360},
         {MenuCreation::IDC_UP, ControlKind::PushButton, "Up"},
         {MenuCreation::IDC_DOWN, ControlKind::PushButton, "Down"},
         {0, ControlKind::GroupBox, "Menu properties"},
         {0, ControlKind::Static, "Selected Menu Name"},
         {MenuCreation::IDC_NAME, ControlKind::Edit, ""},
         {MenuCreation::IDC_ATTACH, ControlKind::PushButton, "Attach File To Menu"},
         {MenuCreation::IDC_REMOVE_FILE, ControlKind::PushButton, "Remove File"},
         {0, ControlKind::Static, "Attached File Name"},
         {MenuCreation::IDC_FILE_NAME, ControlKind::Static, "File not assigned."},
         {0, ControlKind::Static, "Parent Menu"},
         {MenuCreation::IDC_PARENT_NAME, ControlKind::Static, "Parent menu not set."},
         {MenuCreation::IDC_CHANGE_PARENT, ControlKind::PushButton, "Change Parent Menu"},
         {MenuCreation::IDC_ADD_SUB, ControlKind::PushButton, "Add Sub-menu"},
         {MenuCreation::IDC_UPDATE, ControlKind::PushButton, "Update"},
         {MenuCreation::IDC_DELETE, ControlKind::PushButton, "Delete"},
         {IDC_OK_PAGE, ControlKind::PushButton, "OK"},
         {IDC_CREATION_HELP, ControlKind::PushButton, "Help"},
     },
     WS_CHILD,
     Lay::Column({
         Lay::Row({Lay::Control(IDC_PICTURE), Lay::Stretch()}),
         Lay::Row({
             Lay::Group(0,
                        {Lay::Control(IDC_TREE), Lay::Row({Lay::Control(MenuCreation::IDC_UP),
                                                           Lay::Control(MenuCreation::IDC_DOWN)})}),
             Lay::Group(
                 0, {Lay::Field(MenuCreation::IDC_NAME),
                     Lay::Row({Lay::Control(MenuCreation::IDC_ATTACH),
                               Lay::Control(MenuCreation::IDC_REMOVE_FILE)}),
                     Lay::Field(MenuCreation::IDC_FILE_NAME),
                     Lay::Field(MenuCreation::IDC_PARENT_NAME),
                     Lay::ButtonColumn({MenuCreation::IDC_CHANGE_PARENT, MenuCreation::IDC_ADD_SUB,
                                        MenuCreation::IDC_UPDATE, MenuCreation::IDC_DELETE})}),
         }),
         Lay::Buttons({IDC_OK_PAGE, IDC_CREATION_HELP}),
     }),
     {{.list = IDC_TREE, .panel = MenuCreation::IDC_NAME, .remove = MenuCreation::IDC_DELETE}}},
    {IDD_MENU_ROLES,
     "",
     {
         {IDC_PICTURE, ControlKind::Picture, "", false, false, 48, 40, menuRolesBitmap},
         {0, ControlKind::Static, "Role"},
         {MenuDesignation::IDC_ROLE, ControlKind::ComboBox, ""},
         {0, ControlKind::Static, "Destination Role"},
         {MenuDesignation::IDC_DESTINATION, ControlKind::ComboBox, ""},
         {IDC_ROLE_COPY, ControlKind::PushButton, "Copy"},
         {IDC_ROLE_MODULE, ControlKind::ComboBox, "", /*hidden=*/true},
         {0, ControlKind::GroupBox, "Select Menus"},
         {IDC_TREE, ControlKind::TreeCtrl, "", false, false, 300, 320},
         {IDC_ROLE_ASSIGN, ControlKind::PushButton, ">"},
         {IDC_ROLE_UNASSIGN, ControlKind::PushButton, "<"},
         {0, ControlKind::GroupBox, "List of assigned menus"},
         {IDC_ROLE_LIST, ControlKind::ListCtrl, "", false, false, 300, 320},
         {IDC_ROLE_SELECT_ALL, ControlKind::PushButton, "Select All"},
         {IDC_ROLE_DESELECT_ALL, ControlKind::PushButton, "DeSelect All"},
         {IDC_ROLE_REMOVE_ALL, ControlKind::PushButton, "Remove All"},
         {IDC_OK_PAGE, ControlKind::PushButton, "OK"},
         {IDC_ROLE_HELP, ControlKind::PushButton, "Help"},
     },
     WS_CHILD,
     Lay::Column({
         Lay::Row({Lay::Control(IDC_PICTURE), Lay::Field(MenuDesignation::IDC_ROLE),
                   Lay::Field(MenuDesignation::IDC_DESTINATION), Lay::Control(IDC_ROLE_COPY),
                   Lay::Control(IDC_ROLE_MODULE)}),
         Lay::Row({Lay::Group(0, {Lay::Control(IDC_TREE)}),
                   Lay::ButtonColumn({IDC_ROLE_ASSIGN, IDC_ROLE_UNASSIGN}),
                   Lay::Group(0, {Lay::Control(IDC_ROLE_LIST)})}),
         Lay::Row({Lay::Control(IDC_ROLE_SELECT_ALL), Lay::Control(IDC_ROLE_DESELECT_ALL),
                   Lay::Control(IDC_ROLE_REMOVE_ALL), Lay::Stretch()}),
         Lay::Buttons({IDC_OK_PAGE, IDC_ROLE_HELP}),
     }),
     {{.list = IDC_TREE}, {.list = IDC_ROLE_LIST, .remove = IDC_ROLE_UNASSIGN, .nameColumn = 1}}},
    {IDD_MENU_FILES,
     "",
     {
         {IDC_PICTURE, ControlKind::Picture, "", false, false, 48, 40, menuFilesBitmap},
         {0, ControlKind::Static, "Modules"},
         {MenuInterfaceFiles::IDC_MODULE, ControlKind::ComboBox, ""},
         {0, ControlKind::Static, "File Type"},
         {MenuInterfaceFiles::IDC_FILE_TYPE, ControlKind::ComboBox, ""},
         {0, ControlKind::Static, "Forms"},
         {MenuInterfaceFiles::IDC_PAGE, ControlKind::ComboBox, ""},
         {0, ControlKind::Static, "Aspx Files"},
         {MenuInterfaceFiles::IDC_FILE, ControlKind::ComboBox, ""},
         {MenuInterfaceFiles::IDC_SELECT_FILE, ControlKind::PushButton, "Select File"},
         {0, ControlKind::Static, "File Name"},
         {MenuInterfaceFiles::IDC_FILE_NAME, ControlKind::Static, "File not selected"},
         {0, ControlKind::GroupBox, "Top menu"},
         {0, ControlKind::Static, "Name"},
         {MenuInterfaceFiles::IDC_TOP_MENU, ControlKind::Static, "Top Menu not assigned"},
         {MenuInterfaceFiles::IDC_ASSIGN, ControlKind::PushButton, "Assign"},
         {MenuInterfaceFiles::IDC_REMOVE, ControlKind::PushButton, "Remove"},
         {MenuInterfaceFiles::IDC_MAP, ControlKind::PushButton, "Map Parameters"},
         {IDC_TREE, ControlKind::TreeCtrl, "", /*hidden=*/true},
         {IDC_OK_PAGE, ControlKind::PushButton, "OK"},
         {IDC_FILES_HELP, ControlKind::PushButton, "Help"},
     },
     WS_CHILD,
     Lay::Column({
         Lay::Row({Lay::Control(IDC_PICTURE), Lay::Stretch()}),
         Lay::Field(MenuInterfaceFiles::IDC_MODULE),
         Lay::Field(MenuInterfaceFiles::IDC_FILE_TYPE),
         Lay::Field(MenuInterfaceFiles::IDC_PAGE),
         Lay::Field(MenuInterfaceFiles::IDC_FILE),
         Lay::Row({Lay::Control(MenuInterfaceFiles::IDC_SELECT_FILE), Lay::Stretch()}),
         Lay::Field(MenuInterfaceFiles::IDC_FILE_NAME),
         Lay::Group(0, {Lay::Field(MenuInterfaceFiles::IDC_TOP_MENU),
                        Lay::Row({Lay::Control(MenuInterfaceFiles::IDC_ASSIGN),
                                  Lay::Control(MenuInterfaceFiles::IDC_REMOVE),
                                  Lay::Control(MenuInterfaceFiles::IDC_MAP), Lay::Stretch()})}),
         Lay::Control(IDC_TREE),
         Lay::Stretch(),
         Lay::Buttons({IDC_OK_PAGE, IDC_FILES_HELP}),
     })},
    {ChildMenuDlg::IDD,
     "Add child menu for ",
     {
         {0, ControlKind::Static, "Parent Menu Name"},
         {ChildMenuDlg::IDC_PARENT_NAME, ControlKind::Static, ""},
         {0, ControlKind::Static, "Name"},
         {ChildMenuDlg::IDC_NAME, ControlKind::Edit, ""},
         {IDOK, ControlKind::DefPushButton, "OK"},
         {ChildMenuDlg::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
     }},
    {AssignFileToMenu::IDD,
     "Assign file to menu",
     {
         {0, ControlKind::Static, "Module"},
         {PageFileChoice::IDC_MODULE, ControlKind::ComboBox, ""},
         {0, ControlKind::Static, "File Type"},
         {PageFileChoice::IDC_FILE_TYPE, ControlKind::ComboBox, ""},
         {0, ControlKind::Static, "UI Forms"},
         {PageFileChoice::IDC_PAGE, ControlKind::ComboBox, ""},
         {0, ControlKind::Static, "Aspx File"},
         {MenuFileAssignment::IDC_FILE, ControlKind::ComboBox, ""},
         {IDOK, ControlKind::DefPushButton, "OK"},
         {AssignFileToMenu::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
     }},
    {SelectMenuDlg::IDD,
     "Select menu",
     {
         {SelectMenuDlg::IDC_TREE, ControlKind::TreeCtrl, "", false, false, 280, 300},
         {SelectMenuDlg::IDC_SELECT, ControlKind::PushButton, "Select"},
         {0, ControlKind::Static, "Name"},
         {TopMenuChoice::IDC_NAME, ControlKind::Static, "Menu not selected"},
         {IDOK, ControlKind::DefPushButton, "OK"},
         {SelectMenuDlg::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
     },
     0,
     {},
     {{.list = SelectMenuDlg::IDC_TREE}}},
    {AssignMenuParamDlg::IDD,
     "Assign Parameter for menus on file : ",
     {
         {0, ControlKind::Static, "Menus"},
         {MenuParameterMapping::IDC_MENUS, ControlKind::ComboBox, ""},
         {AssignMenuParamDlg::IDC_SELECT_MENU, ControlKind::PushButton, "Select Menu"},
         {0, ControlKind::Static, "File Name"},
         {MenuParameterMapping::IDC_ITEM_FILE, ControlKind::Static, ""},
         {MenuParameterMapping::IDC_FILE_LABEL, ControlKind::Static, ""},
         {MenuParameterMapping::IDC_FILE_VARIABLES, ControlKind::ComboBox, ""},
         {AssignMenuParamDlg::IDC_LIST, ControlKind::ListCtrl, "", false, false, 320, 200},
         {AssignMenuParamDlg::IDC_MAP, ControlKind::PushButton, ">"},
         {AssignMenuParamDlg::IDC_UNMAP, ControlKind::PushButton, "<"},
         {IDOK, ControlKind::DefPushButton, "OK"},
         {AssignMenuParamDlg::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
     },
     0,
     {},
     {{.list = AssignMenuParamDlg::IDC_LIST, .remove = AssignMenuParamDlg::IDC_UNMAP}}},
};

// The real dialogs the pages open.
class ViewMenuHost final : public MenuEditorHost
{
public:
    ViewMenuHost(ForgeonProject& project, CWnd& owner) : m_project(project), m_owner(owner) {}

    bool AskChildMenuName(Menu& parent, CString& name) override
    {
        ChildMenuDlg dialog(parent, &m_owner);
        if (dialog.DoModal() != IDOK)
            return false;
        name = dialog.GetName();
        return true;
    }
    void AssignFile(Menu& menu) override
    {
        AssignFileToMenu dialog(m_project, menu, &m_owner);
        dialog.DoModal();
    }
    bool ChangeParent(Menu& menu) override
    {
        SetMenuParent dialog(m_project, menu, &m_owner);
        return dialog.DoModal() == IDOK;
    }
    Menu* SelectTopMenu() override
    {
        SelectMenuDlg dialog(m_project, &m_owner);
        return dialog.DoModal() == IDOK ? dialog.GetChosen() : nullptr;
    }
    void MapParameters(AspFile& file) override
    {
        AssignMenuParamDlg dialog(file, true, &m_owner);
        dialog.DoModal();
    }
    void UpdateMenuItemText(const Menu& menu) override
    {
        ViewEditorHost::Get().UpdateMenuItemText(menu);
    }

private:
    ForgeonProject& m_project;
    CWnd& m_owner;
};

// A page of the menu editor: a child dialog of the tab control over the editor of its view.
class MenuPage : public ToolTipDialog
{
public:
    MenuPage(UINT templateId, MenuDlg& view, int helpId, UINT contextId)
        : ToolTipDialog(templateId), m_owner(view), m_states(*this), m_contextId(contextId)
    {
        MapControl(BN_CLICKED, IDC_OK_PAGE, &MenuPage::OnOk);
        MapControl(BN_CLICKED, helpId, &MenuPage::OnHelp);
    }
    virtual void Show() = 0;
    // The page is left (OK, another tab, another view) unless the user keeps text typed there.
    virtual bool MayLeave() { return true; }

protected:
    MenuEditor* Editor() { return m_owner.GetEditor(); }
    void OnOk()
    {
        if (Editor() != nullptr && MayLeave())
            ViewEditorHost::Get().ShowStartPage();
    }
    void OnHelp() { ShowContextHelp(this, m_contextId); }
    void CreateTips(std::initializer_list<ControlTip> tips)
    {
        AddControlTips(m_toolTips, *this, tips);
    }

    MenuDlg& m_owner;
    TreeControl m_tree;
    MenuTreeView m_treeView;
    ControlStatesView m_states;
    UINT m_contextId;
};

class MenuCreationPage : public MenuPage
{
public:
    explicit MenuCreationPage(MenuDlg& view)
        : MenuPage(IDD_MENU_CREATION, view, IDC_CREATION_HELP, IDD_MENU_CREATION)
    {
        MapControlRange(BN_CLICKED, MenuCreation::IDC_UP, MenuCreation::IDC_UP,
                        [this] { Run(&MenuCreation::Up); });
        MapControlRange(BN_CLICKED, MenuCreation::IDC_DOWN, MenuCreation::IDC_DOWN,
                        [this] { Run(&MenuCreation::Down); });
        MapControlRange(BN_CLICKED, MenuCreation::IDC_UPDATE, MenuCreation::IDC_UPDATE,
                        [this] { Run(&MenuCreation::Update); });
        MapControlRange(BN_CLICKED, MenuCreation::IDC_ADD_SUB, MenuCreation::IDC_ADD_SUB,
                        [this] { Run(&MenuCreation::AddSubMenu); });
        MapControlRange(BN_CLICKED, MenuCreation::IDC_ATTACH, MenuCreation::IDC_ATTACH,
                        [this] { Run(&MenuCreation::AttachFile); });
        MapControlRange(BN_CLICKED, MenuCreation::IDC_REMOVE_FILE, MenuCreation::IDC_REMOVE_FILE,
                        [this] { Run(&MenuCreation::RemoveFile); });
        MapControlRange(BN_CLICKED, MenuCreation::IDC_CHANGE_PARENT,
                        MenuCreation::IDC_CHANGE_PARENT,
                        [this] { Run(&MenuCreation::ChangeParent); });
        MapControlRange(BN_CLICKED, MenuCreation::IDC_DELETE, MenuCreation::IDC_DELETE,
                        [this] { Run(&MenuCreation::Delete); });
        MapNotify(NM_CLICK, IDC_TREE, &MenuCreationPage::OnTreeClick);
        MapItemSelection(IDC_TREE, &MenuCreationPage::Select);
    }

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_tree.SubclassDlgItem(IDC_TREE, this);
        CreateTips({{IDC_TREE, "Menu creation tree"},
                    {MenuCreation::IDC_UP, "Move menu UP"},
                    {MenuCreation::IDC_DOWN, "Move menu DOWN"},
                    {MenuCreation::IDC_NAME, "Menu name"},
                    {MenuCreation::IDC_ATTACH, "Assign File"},
                    {MenuCreation::IDC_REMOVE_FILE, "Remove File"},
                    {MenuCreation::IDC_CHANGE_PARENT, "Set Parent"},
                    {MenuCreation::IDC_ADD_SUB, "Add sub menu"},
                    {MenuCreation::IDC_UPDATE, "Update menu"},
                    {MenuCreation::IDC_DELETE, "Delete menu"},
                    {IDC_OK_PAGE, "Back to Weavo Dashboard"},
                    {IDC_CREATION_HELP, "Help on menu creation"}});
        return TRUE;
    }

    void Show() override
    {
        if (MenuEditor* editor = Editor())
        {
            m_showing = true;
            m_treeView.Show(m_tree, editor->Menus().Tree());
            m_states.Show(editor->Menus().Controls());
            m_showing = false;
        }
    }

    // Enter in the name box updates the menu's name.
    BOOL PreTranslateMessage(MSG* msg) override
    {
        if (IsEnterKeyIn(*msg, *this, {MenuCreation::IDC_NAME}))
        {
            Run(&MenuCreation::Update);
            return TRUE;
        }
        return MenuPage::PreTranslateMessage(msg);
    }

    bool MayLeave() override
    {
        MenuEditor* editor = Editor();
        if (editor == nullptr)
            return true;
        Read(editor->Menus());
        const bool close = editor->Menus().Close();
        Show();
        return close;
    }

private:
    void Read(MenuCreation& page)
    {
        m_treeView.Read(m_tree, page.Tree());
        m_states.ReadTexts(page.Controls(), {MenuCreation::IDC_NAME});
    }
    void Run(void (MenuCreation::*command)())
    {
        MenuEditor* editor = Editor();
        if (editor == nullptr)
            return;
        Read(editor->Menus());
        (editor->Menus().*command)();
        Show();
    }
    void Select(HTREEITEM item)
    {
        MenuEditor* editor = Editor();
        if (editor == nullptr || m_showing)
            return;
        Read(editor->Menus());
        editor->Menus().Click(m_treeView.IndexOf(item));
        Show();
    }
    // A click on empty space or on the item already selected still counts.
    void OnTreeClick(NMHDR*, LRESULT* result)
    {
        *result = 0;
        const HTREEITEM clicked = m_tree.GetClickedItem();
        if (clicked == nullptr || clicked == m_tree.GetSelectedItem())
            Select(clicked);
    }

    bool m_showing = false;
};

class MenuDesignationPage : public MenuPage
{
public:
    explicit MenuDesignationPage(MenuDlg& view)
        : MenuPage(IDD_MENU_ROLES, view, IDC_ROLE_HELP, IDD_MENU_ROLES)
    {
        MapControlRange(BN_CLICKED, IDC_ROLE_ASSIGN, IDC_ROLE_ASSIGN,
                        [this] { Run(&MenuDesignation::Assign); });
        MapControlRange(BN_CLICKED, IDC_ROLE_UNASSIGN, IDC_ROLE_UNASSIGN,
                        [this] { Run(&MenuDesignation::Unassign); });
        MapControlRange(BN_CLICKED, IDC_ROLE_REMOVE_ALL, IDC_ROLE_REMOVE_ALL,
                        [this] { Run(&MenuDesignation::RemoveAll); });
        MapControlRange(BN_CLICKED, IDC_ROLE_COPY, IDC_ROLE_COPY,
                        [this] { Run(&MenuDesignation::Copy); });
        MapControlRange(BN_CLICKED, IDC_ROLE_SELECT_ALL, IDC_ROLE_SELECT_ALL,
                        [this] { Run(&MenuDesignation::SelectAll); });
        MapControlRange(BN_CLICKED, IDC_ROLE_DESELECT_ALL, IDC_ROLE_DESELECT_ALL,
                        [this] { Run(&MenuDesignation::DeselectAll); });
        MapControlRange(CBN_SELCHANGE, MenuDesignation::IDC_ROLE, MenuDesignation::IDC_ROLE,
                        [this]
                        { Choose(&MenuDesignation::ChooseRole, MenuDesignation::IDC_ROLE); });
        MapControlRange(
            CBN_SELCHANGE, MenuDesignation::IDC_DESTINATION, MenuDesignation::IDC_DESTINATION,
            [this]
            { Choose(&MenuDesignation::ChooseDestination, MenuDesignation::IDC_DESTINATION); });
        MapRowSelection(IDC_ROLE_LIST, &MenuDesignationPage::OnRowSelected);
    }

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_tree.SubclassDlgItem(IDC_TREE, this);
        m_tree.ModifyStyle(0, TVS_CHECKBOXES);
        m_list.SubclassDlgItem(IDC_ROLE_LIST, this);
        SetListColumns(m_list, {{"", 0}, {"Menus Assigned to Role", 75}});
        CreateTips({});
        return TRUE;
    }

    void Show() override
    {
        if (MenuEditor* editor = Editor())
        {
            m_treeView.Show(m_tree, editor->Roles().Tree());
            m_states.Show(editor->Roles().Controls());
            ShowRows(editor->Roles().Rows());
            if (editor->Roles().GetSelectedRow() >= 0)
                m_list.SetItemState(editor->Roles().GetSelectedRow(), LVIS_SELECTED, LVIS_SELECTED);
        }
    }

private:
    void Run(void (MenuDesignation::*command)())
    {
        MenuEditor* editor = Editor();
        if (editor == nullptr)
            return;
        m_treeView.Read(m_tree, editor->Roles().Tree());
        (editor->Roles().*command)();
        Show();
    }
    void Choose(void (MenuDesignation::*choose)(int), int id)
    {
        MenuEditor* editor = Editor();
        if (editor == nullptr)
            return;
        m_treeView.Read(m_tree, editor->Roles().Tree());
        (editor->Roles().*choose)(SelectionOf(*this, id));
        Show();
    }
    void OnRowSelected(int row)
    {
        if (MenuEditor* editor = Editor())
            editor->Roles().SelectRow(row);
    }

    // Only rows that differ from those shown go out to the list.
    void ShowRows(const std::vector<ListRow>& rows)
    {
        std::vector<std::vector<CString>> cells;
        for (const ListRow& row : rows)
            cells.push_back(row.cells);
        if (cells == m_shownCells)
            return;
        ShowListRows(m_list, rows);
        m_shownCells = std::move(cells);
    }

    CCellListCtrl m_list;
    std::vector<std::vector<CString>> m_shownCells;
};

class MenuInterfacePage : public MenuPage
{
public:
    explicit MenuInterfacePage(MenuDlg& view)
        : MenuPage(IDD_MENU_FILES, view, IDC_FILES_HELP, IDD_MENU_FILES)
    {
        MapControlRange(BN_CLICKED, MenuInterfaceFiles::IDC_SELECT_FILE,
                        MenuInterfaceFiles::IDC_SELECT_FILE,
                        [this] { Run(&MenuInterfaceFiles::SelectFile); });
        MapControlRange(BN_CLICKED, MenuInterfaceFiles::IDC_ASSIGN, MenuInterfaceFiles::IDC_ASSIGN,
                        [this] { Run(&MenuInterfaceFiles::Assign); });
        MapControlRange(BN_CLICKED, MenuInterfaceFiles::IDC_REMOVE, MenuInterfaceFiles::IDC_REMOVE,
                        [this] { Run(&MenuInterfaceFiles::Remove); });
        MapControlRange(BN_CLICKED, MenuInterfaceFiles::IDC_MAP, MenuInterfaceFiles::IDC_MAP,
                        [this] { Run(&MenuInterfaceFiles::MapParameters); });
        MapControlRange(
            CBN_SELCHANGE, MenuInterfaceFiles::IDC_FILE_TYPE, MenuInterfaceFiles::IDC_FILE_TYPE,
            [this] { Choose(&MenuInterfaceFiles::ChooseType, MenuInterfaceFiles::IDC_FILE_TYPE); });
        MapControlRange(
            CBN_SELCHANGE, MenuInterfaceFiles::IDC_MODULE, MenuInterfaceFiles::IDC_MODULE,
            [this] { Choose(&MenuInterfaceFiles::ChooseModule, MenuInterfaceFiles::IDC_MODULE); });
        MapControlRange(CBN_SELCHANGE, MenuInterfaceFiles::IDC_PAGE, MenuInterfaceFiles::IDC_PAGE,
                        [this]
                        { Choose(&MenuInterfaceFiles::ChoosePage, MenuInterfaceFiles::IDC_PAGE); });
        MapControlRange(CBN_SELCHANGE, MenuInterfaceFiles::IDC_FILE, MenuInterfaceFiles::IDC_FILE,
                        [this]
                        { Choose(&MenuInterfaceFiles::ChooseFile, MenuInterfaceFiles::IDC_FILE); });
    }

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_tree.SubclassDlgItem(IDC_TREE, this);
        CreateTips({});
        return TRUE;
    }

    void Show() override
    {
        if (MenuEditor* editor = Editor())
        {
            m_treeView.Show(m_tree, editor->Files().Tree());
            m_states.Show(editor->Files().Controls());
        }
    }

private:
    void Run(void (MenuInterfaceFiles::*command)())
    {
        if (MenuEditor* editor = Editor())
        {
            (editor->Files().*command)();
            Show();
        }
    }
    void Choose(void (PageFileChoice::*choose)(int), int id)
    {
        if (MenuEditor* editor = Editor())
        {
            (editor->Files().*choose)(SelectionOf(*this, id));
            Show();
        }
    }
};

// The same place, picture and font; the text may differ.
bool SameShape(const MenuTreeItem& left, const MenuTreeItem& right)
{
    return left.image == right.image && left.data == right.data && left.italic == right.italic &&
           left.parent == right.parent;
}
} // namespace

void MenuTreeView::Show(TreeControl& tree, const MenuTreeModel& model)
{
    bool same = static_cast<int>(m_handles.size()) == model.GetCount();
    for (int item = 0; same && item < model.GetCount(); ++item)
        same = SameShape(m_shown[static_cast<std::size_t>(item)], model.At(item));
    if (same)
    {
        // Renamed items take their new text in place.
        for (int item = 0; item < model.GetCount(); ++item)
        {
            CString& text = m_shown[static_cast<std::size_t>(item)].text;
            if (text != model.At(item).text)
            {
                text = model.At(item).text;
                tree.SetItemText(HandleOf(item), text);
            }
        }
    }
    else
    {
        tree.DeleteAllItems();
        m_handles.clear();
        m_shown.clear();
        for (int item = 0; item < model.GetCount(); ++item)
        {
            const MenuTreeItem& each = model.At(item);
            const HTREEITEM parent = each.parent >= 0 ? HandleOf(each.parent) : TVI_ROOT;
            const HTREEITEM handle = tree.InsertItem(each.text, each.image, each.image, parent);
            tree.SetItemData(handle, static_cast<DWORD_PTR>(each.data));
            if (each.italic)
            {
                LOGFONT font{};
                if (CFont* shown = tree.GetFont())
                    shown->GetLogFont(&font);
                font.lfItalic = TRUE;
                tree.SetItemFont(handle, font);
            }
            m_handles.push_back(handle);
            m_shown.push_back(each);
            m_shown.back().checked = false;
            m_shown.back().expanded = false;
        }
    }
    // The ticks and expansion shown are known since the last Show or Read: only changes go out.
    for (int item = 0; item < model.GetCount(); ++item)
    {
        const MenuTreeItem& each = model.At(item);
        MenuTreeItem& shown = m_shown[static_cast<std::size_t>(item)];
        if (each.checked != shown.checked)
            tree.SetCheck(HandleOf(item), each.checked ? TRUE : FALSE);
        if (each.expanded != shown.expanded)
            tree.Expand(HandleOf(item), each.expanded ? TVE_EXPAND : TVE_COLLAPSE);
        shown.checked = each.checked;
        shown.expanded = each.expanded;
    }
    if (IndexOf(tree.GetSelectedItem()) != model.GetSelected())
        tree.SelectItem(HandleOf(model.GetSelected()));
}

void MenuTreeView::Read(const TreeControl& tree, MenuTreeModel& model)
{
    if (static_cast<int>(m_handles.size()) != model.GetCount())
        return;
    for (int item = 0; item < model.GetCount(); ++item)
    {
        MenuTreeItem& shown = m_shown[static_cast<std::size_t>(item)];
        shown.checked = tree.GetCheck(HandleOf(item)) != FALSE;
        shown.expanded = tree.IsExpanded(HandleOf(item)) != FALSE;
        model.At(item).checked = shown.checked;
        model.At(item).expanded = shown.expanded;
    }
    model.Select(IndexOf(tree.GetSelectedItem()));
}

int MenuTreeView::IndexOf(HTREEITEM item) const
{
    if (item == nullptr)
        return -1;
    const auto found = std::ranges::find(m_handles, item);
    return found != m_handles.end() ? static_cast<int>(found - m_handles.begin()) : -1;
}

HTREEITEM MenuTreeView::HandleOf(int index) const
{
    return index >= 0 && index < static_cast<int>(m_handles.size())
               ? m_handles[static_cast<std::size_t>(index)]
               : nullptr;
}

ChildMenuDlg::ChildMenuDlg(const Menu& parent, CWnd* owner)
    : ToolTipDialog(IDD, owner), m_parent(parent)
{
    MapControlRange(BN_CLICKED, IDC_HELP_BUTTON, IDC_HELP_BUTTON,
                    [this] { ShowContextHelp(this, IDD); });
}

BOOL ChildMenuDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText("Add child menus for " + m_parent.GetName());
    SetDlgItemText(IDC_PARENT_NAME, m_parent.GetName());
    AddControlTips(
        m_toolTips, *this,
        {{IDC_NAME, "Menu name"}, {IDOK, "OK"}, {IDC_HELP_BUTTON, "Help on child menu"}});
    return TRUE;
}

void ChildMenuDlg::OnOK()
{
    CString name;
    GetDlgItemText(IDC_NAME, name);
    if (!CheckChildMenuName(name))
        return;
    m_name = name;
    EndDialog(IDOK);
}

int ChildMenuDlg::AskAboutChanges()
{
    CString name;
    GetDlgItemText(IDC_NAME, name);
    return AskAboutChildMenuName(name);
}

AssignFileToMenu::AssignFileToMenu(const ForgeonProject& project, Menu& menu, CWnd* owner)
    : ToolTipDialog(IDD, owner), m_choice(project, menu), m_view(*this)
{
    MapControlRange(BN_CLICKED, IDC_HELP_BUTTON, IDC_HELP_BUTTON,
                    [this] { ShowContextHelp(this, IDD); });
    MapControlRange(CBN_SELCHANGE, PageFileChoice::IDC_FILE_TYPE, PageFileChoice::IDC_FILE_TYPE,
                    [this] { Choose(&PageFileChoice::ChooseType, PageFileChoice::IDC_FILE_TYPE); });
    MapControlRange(CBN_SELCHANGE, PageFileChoice::IDC_PAGE, PageFileChoice::IDC_PAGE,
                    [this] { Choose(&PageFileChoice::ChoosePage, PageFileChoice::IDC_PAGE); });
    MapControlRange(CBN_SELCHANGE, MenuFileAssignment::IDC_FILE, MenuFileAssignment::IDC_FILE,
                    [this] { Choose(&PageFileChoice::ChooseFile, MenuFileAssignment::IDC_FILE); });
    MapControlRange(CBN_SELCHANGE, PageFileChoice::IDC_MODULE, PageFileChoice::IDC_MODULE,
                    [this]
                    {
                        m_choice.Controls().Select(PageFileChoice::IDC_MODULE,
                                                   SelectionOf(*this, PageFileChoice::IDC_MODULE));
                    });
}

BOOL AssignFileToMenu::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_choice.LoadModules();
    m_choice.ChooseType(-1);
    m_view.Show(m_choice.Controls());
    AddControlTips(m_toolTips, *this,
                   {{PageFileChoice::IDC_MODULE, "Select module"},
                    {PageFileChoice::IDC_FILE_TYPE, "Select file type"},
                    {PageFileChoice::IDC_PAGE, "Select form UI"},
                    {MenuFileAssignment::IDC_FILE, "Select ASPX file"},
                    {IDOK, "OK"},
                    {IDC_HELP_BUTTON, "Help on assigning file"}});
    return TRUE;
}

void AssignFileToMenu::Choose(void (PageFileChoice::*choose)(int), int id)
{
    (m_choice.*choose)(SelectionOf(*this, id));
    m_view.Show(m_choice.Controls());
}

void AssignFileToMenu::OnOK()
{
    m_choice.Ok();
    EndDialog(IDOK);
}

SelectMenuDlg::SelectMenuDlg(const ForgeonProject& project, CWnd* owner)
    : ToolTipDialog(IDD, owner), m_choice(project), m_view(*this)
{
    MapControl(BN_CLICKED, IDC_SELECT, &SelectMenuDlg::OnSelect);
    MapControlRange(BN_CLICKED, IDC_HELP_BUTTON, IDC_HELP_BUTTON,
                    [this] { ShowContextHelp(this, IDD); });
}

BOOL SelectMenuDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_tree.SubclassDlgItem(IDC_TREE, this);
    m_treeView.Show(m_tree, m_choice.Tree());
    AddControlTips(m_toolTips, *this,
                   {{IDC_TREE, "Select menu from tree"},
                    {IDC_SELECT, "Select Menu"},
                    {IDOK, "OK"},
                    {IDC_HELP_BUTTON, "Help on menu select"}});
    return TRUE;
}

void SelectMenuDlg::OnSelect()
{
    m_treeView.Read(m_tree, m_choice.Tree());
    m_choice.Select();
    m_view.Show(m_choice.Controls());
}

AssignMenuParamDlg::AssignMenuParamDlg(AspFile& file, bool top, CWnd* owner)
    : ToolTipDialog(IDD, owner), m_mapping(file, top), m_view(*this)
{
    MapControlRange(BN_CLICKED, IDC_SELECT_MENU, IDC_SELECT_MENU,
                    [this] { Run(&MenuParameterMapping::SelectMenu); });
    MapControlRange(BN_CLICKED, IDC_MAP, IDC_MAP, [this] { Run(&MenuParameterMapping::Map); });
    MapControlRange(BN_CLICKED, IDC_UNMAP, IDC_UNMAP,
                    [this] { Run(&MenuParameterMapping::Unmap); });
    MapControlRange(BN_CLICKED, IDC_HELP_BUTTON, IDC_HELP_BUTTON,
                    [this] { ShowContextHelp(this, IDD); });
    MapRowSelection(IDC_LIST, &AssignMenuParamDlg::OnRowSelected);
}

BOOL AssignMenuParamDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_list.SubclassDlgItem(IDC_LIST, this);
    m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    m_list.InsertColumn(0, "Menu File Variable", LVCFMT_LEFT, 150);
    m_list.InsertColumn(1, "File Variable", LVCFMT_LEFT, 150);
    m_mapping.Load();
    SetWindowText(m_mapping.GetTitle());
    m_view.Show(m_mapping.Controls());
    AddControlTips(m_toolTips, *this,
                   {{MenuParameterMapping::IDC_MENUS, "Select menu file"},
                    {IDC_SELECT_MENU, "Select menu"},
                    {MenuParameterMapping::IDC_FILE_VARIABLES, "Select file variables"},
                    {IDC_MAP, "Assign variable"},
                    {IDC_UNMAP, "Remove variable"},
                    {IDC_LIST, "List of menu variables"},
                    {IDOK, "OK"},
                    {IDC_HELP_BUTTON, "Help on assigning menu parameters "}});
    return TRUE;
}

void AssignMenuParamDlg::Run(void (MenuParameterMapping::*command)())
{
    m_mapping.Controls().Select(MenuParameterMapping::IDC_MENUS,
                                SelectionOf(*this, MenuParameterMapping::IDC_MENUS));
    m_mapping.Controls().Select(MenuParameterMapping::IDC_FILE_VARIABLES,
                                SelectionOf(*this, MenuParameterMapping::IDC_FILE_VARIABLES));
    (m_mapping.*command)();
    m_view.Show(m_mapping.Controls());
    m_list.DeleteAllItems();
    for (const ListRow& row : m_mapping.Rows())
    {
        const int index = m_list.InsertItem(m_list.GetItemCount(), row.cells[0]);
        m_list.SetItemText(index, 1, row.cells[1]);
    }
}

void AssignMenuParamDlg::OnRowSelected(int row)
{
    m_mapping.SelectRow(row);
}

MenuDlg::MenuDlg() : CFormView(IDD), m_tabs(std::make_unique<MenuDlgTabCtrl>(*this))
{
    RegisterEditorPictures();
}

MenuDlg::~MenuDlg() = default;

MenuEditor* MenuDlg::GetEditor()
{
    ForgeonProject* project = MainFrameAccess::GetProject();
    if (project != m_editorProject)
    {
        m_editor.reset();
        m_host.reset();
        m_editorProject = project;
        if (project != nullptr)
        {
            m_host = std::make_unique<ViewMenuHost>(*project, *this);
            m_editor = std::make_unique<MenuEditor>(*project, *m_host);
            m_editor->RefreshPages();
        }
    }
    return m_editor.get();
}

void MenuDlg::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    if (m_tabs->GetSafeHwnd() == nullptr)
        m_tabs->SubclassDlgItem(IDC_TABS, this);
    if (m_tabs->GetItemCount() == 0)
        m_tabs->InitPages();
    m_tabs->ShowPages();
}

void MenuDlg::ReloadPage()
{
    if (MenuEditor* editor = GetEditor())
    {
        editor->RefreshPages();
        m_tabs->ShowPages();
    }
}

void MenuDlg::ClearPage()
{
    if (m_editor != nullptr)
        m_editor->Menus().ResetSelection();
}

PaneEditor* MenuDlg::GetPaneEditor()
{
    MenuEditor* editor = GetEditor();
    return editor != nullptr && m_tabs->GetCurrentPage() == MenuEditor::menusPage ? &editor->Menus()
                                                                                  : nullptr;
}

CWnd* MenuDlg::GetBoxWindow()
{
    return m_tabs->GetPage(m_tabs->GetCurrentPage());
}

void MenuDlg::ShowPaneEditor()
{
    m_tabs->ShowPages();
}

void MenuDlg::LoadMenu(Menu* menu)
{
    if (MenuEditor* editor = GetEditor())
    {
        editor->LoadMenu(menu);
        m_tabs->ShowPage(MenuEditor::menusPage);
        m_tabs->ShowPages();
    }
}

void MenuDlgTabCtrl::InitPages()
{
    const auto add = [this](const char* text, std::unique_ptr<CDialog> page)
    {
        page->Create(page->GetTemplateId(), this);
        AddPage(text, std::move(page));
    };
    add("Menus", std::make_unique<MenuCreationPage>(m_owner));
    add("Menus on Files", std::make_unique<MenuInterfacePage>(m_owner));
    add("Role wise Menus", std::make_unique<MenuDesignationPage>(m_owner));
    LayoutPages();
}

void MenuDlgTabCtrl::ShowPages()
{
    for (int index = 0; index < GetPageCount(); ++index)
        if (auto* page = dynamic_cast<MenuPage*>(GetPage(index)))
            page->Show();
}

bool MenuDlgTabCtrl::MayLeavePage(CWnd* page)
{
    auto* menuPage = dynamic_cast<MenuPage*>(page);
    return menuPage == nullptr || menuPage->MayLeave();
}

void MenuDlgTabCtrl::OnPageSelected(CWnd*)
{
    if (MenuEditor* editor = m_owner.GetEditor())
    {
        editor->OnPageSelected(GetCurrentPage());
        ShowPages();
    }
}
