#pragma once

#include "platform/core/CString.h"

#include <set>
#include <unordered_map>
#include <vector>

class AspFile;
class ForgeonProject;
class FormInterface;
class Menu;
class Module;

// One item of a menu tree: image 0 for a module root or a top-level menu, 1 for a sub-menu; the
// data is 0 for a module root and the menu's id otherwise.
struct MenuTreeItem
{
    CString text;
    int image = 0;
    int data = 0;
    bool italic = false;
    bool checked = false;
    bool expanded = false;
    int parent = -1;
    std::vector<int> children;
};

// What a view copies into its tree control; items are indexes in insertion order.
class MenuTreeModel
{
public:
    void Clear();
    // Inserts last under the parent (-1 for a root); returns the new item.
    int Insert(int parent, const CString& text, int image, int data);
    int GetCount() const { return static_cast<int>(m_items.size()); }
    const MenuTreeItem& At(int item) const { return m_items[static_cast<std::size_t>(item)]; }
    MenuTreeItem& At(int item) { return m_items[static_cast<std::size_t>(item)]; }
    const std::vector<int>& GetRoots() const { return m_roots; }
    // Every item, each before its children, roots in order.
    std::vector<int> WalkAll() const;
    // The first menu item in that order whose data is the id; -1 when none.
    int FindItemOf(int id) const;

    int GetSelected() const { return m_selected; }
    void Select(int item) { m_selected = item; }

    // The expanded items by root text and menu id, kept over a refill.
    void SaveExpandedItems();
    void RestoreExpandedItems();

    // The menus of the project by id, the first module in project order winning.
    void IndexMenus(const ForgeonProject& project);
    void IndexMenu(Menu& menu);
    Menu* FindMenu(int id) const;

private:
    void IndexSubtree(Menu& menu);

    std::vector<MenuTreeItem> m_items;
    std::vector<int> m_roots;
    int m_selected = -1;
    std::set<CString> m_expandedRoots;
    std::set<int> m_expandedMenus;
    std::unordered_map<int, Menu*> m_menus;
};

struct MenuTreeOptions
{
    // Sub-menus with a page file are drawn in italics.
    bool italics = true;
    // The selection of a top-level menu or of its direct sub-menu survives the refill.
    bool keepSelection = true;
};

// Refills the tree with one root per module and its menus; the item of expand, when given, is
// expanded together with the first root.
void FillMenuTree(const ForgeonProject& project, MenuTreeModel& tree, const Menu* expand,
                  MenuTreeOptions options = {});
// The menu of the selected item; null for none or a module root.
Menu* GetSelectedMenu(const MenuTreeModel& tree);

// Page kind codes of the page and page-file combos.
enum PageKind
{
    masterFormPage = 0,
    masterDetailPage = 1,
    applicationReportPage = 2,
    dashBoardPage = 5,
    loginPage = 6,
    rdlcReportPage = 9,
};

// The names of the module's pages of the kind, in list order; none for a null module.
std::vector<CString> PageNames(const Module* module, int kind);
// The page at the index of the kind's list (the login page whatever the index), or null.
FormInterface* GetSelectedPage(const Module* module, int index, int kind);
// The relative URLs of the page's files, the action files left out.
std::vector<CString> PageFileUrls(const FormInterface* page);
// The page's file whose URL is the entry at the selection (entry 0 without one), or null.
AspFile* FindSelectedPageFile(const FormInterface* page, const std::vector<CString>& urls,
                              int selection);

// The menus a menu may be moved under, with their combo texts.
struct ParentMenuEntries
{
    std::vector<CString> texts;
    std::vector<Menu*> menus;
};
// The menus of the module without the menu, its subtree and the menus that have a page file.
std::vector<Menu*> ParentMenuCandidates(const Module& module, const Menu& menu);
// "parent-name" for a sub-menu, the name for a top-level menu.
CString ParentMenuText(const Menu& menu);
ParentMenuEntries FillParentMenuCombo(const ForgeonProject& project, const Menu& menu);
