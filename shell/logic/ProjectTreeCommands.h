#pragma once

#include "platform/core/Types.h"
#include "shell/logic/ProjectTreeControl.h"
#include "shell/logic/RightPane.h"

#include <vector>

class AspxObjectWriter;
class ForgeonProject;
class FormInterface;
class MapForm;
class Module;
class Procedure;
class ProjectTree;
class ProjectTreeBuilder;
class Table;
class TreeCommandHost;

// The context menus of the project tree.
enum class TreeMenu
{
    None,
    ProjectRoot,
    Module,
    TableCategory,
    TableItem,
    MasterFormsNode,
    FormItem,
    MasterDetail,
    DashboardsNode,
    SearchReportsNode,
    SearchReportItem,
    ReportsNode,
    MenusNode,
    MapFormItem,
    DashBoardPage,
    UserFunctionsNode,
    Procedure,
    MultiPageReport,
    ReportCollector,
};
constexpr int kTreeMenuCount = 18;

struct TreeMenuEntry
{
    UINT command;
    const char* text;
};

// The entries of the menu, in order.
const std::vector<TreeMenuEntry>& TreeMenuEntries(TreeMenu menu);

// The menu a right click on an item shows, with the commands grayed on it.
struct TreeMenuChoice
{
    TreeMenu menu = TreeMenu::None;
    std::vector<UINT> grayed;
};

// The commands of the project tree: the double click that opens an entity, the context menus'
// commands and the Delete key. Every command acts on the current module, which a click first
// makes the module of the clicked item.
class ProjectTreeCommands
{
public:
    ProjectTreeCommands(ProjectTree& tree, TreeCommandHost& host) : m_tree(tree), m_host(host) {}

    // The item's module becomes the project's current one.
    void SelectModuleOfItem(TreeHandle item);
    TreeMenuChoice ChooseMenu(TreeHandle item) const;
    // Runs the command chosen in the menu shown on the item.
    void RunMenuCommand(TreeMenu menu, UINT command, TreeHandle item);
    // The double click: the entity of the item opened in its editor.
    void OpenItem(TreeHandle item);
    // The Delete key, with its guards and the confirmation.
    void DeleteSelectedItem();
    // A new module appended, its name opened for editing.
    void CreateModule();
    // The module of the item deleted when it holds nothing.
    void DeleteModuleItem(TreeHandle item);

private:
    // An item as it is found again after the tree was built anew: its module, the slot of its
    // category node (or of itself when it is one), its data. A field stands for its table.
    struct ItemKey
    {
        const Module* module = nullptr;
        int slot = 0;
        bool node = false;
        int data = 0;
        // The field's data under the table item, -1 for none.
        int field = -1;
    };
    ItemKey KeyOf(TreeHandle item) const;
    // Null when the item is gone.
    TreeHandle ItemOf(const ItemKey& key) const;
    // Before the tree opens another editor on the item (its entity, a create command): the
    // editor shown is asked in the module it was opened in. False when the user stays: the
    // highlight goes back to the item of the editor shown. The answer may build the tree anew,
    // so the item is not used after it.
    bool LeaveEditorFor(TreeHandle item);
    // The highlight on the item the editor shown was opened from.
    void HighlightShownItem();
    void SelectModule(const Module* module);

    ForgeonProject& Project() const;
    Module* CurrentModule() const;
    // The table of the item, looked up among the tables of the kind its parent node holds.
    Table* TableOfItem(Module& module, TreeHandle item) const;

    void WriteModule();
    // The classic menu scripts of the whole project into the project path.
    void WriteMenuScripts();
    // The classic map page and action page of the map form.
    void WriteMapFormPages(MapForm* form);
    // The project path, made when missing; empty, and the user told, when it cannot be written.
    CString WritableOutputPath() const;
    void CreateForm(Module& module, Table& table);
    void CreateForms();
    void CreateFormOfItem(TreeHandle item);
    void CopyTable(TreeHandle item);
    void PasteTable(int kind);
    void WriteTableScript(TreeHandle item);
    // A new page from the module's copy mark, added with its files and menu entries.
    template <class T>
    void PastePage(T* (Module::*take)(), bool (Module::*add)(T*, bool),
                   void (ProjectTreeBuilder::*addItem)(Module&, T&));
    // The page of the item becomes the module's copy mark of its kind.
    template <class T>
    void CopyPage(TreeHandle item, T* (Module::*find)(int) const, void (Module::*mark)(T*));
    // Writes the page's files through the writer operation; the status names the kind and the
    // page, a box what was not written.
    void WritePage(FormInterface* page, const char* what, void (AspxObjectWriter::*write)());

    bool OpenEntityOfSlot(Module& module, int slot, int id);
    bool IsDefaultTableItem(TreeHandle item) const;
    // Deletes the entity through the project's delete operation; when it went, AfterDelete.
    template <class T>
    void DeleteEntity(T* entity, bool (ForgeonProject::*remove)(T*), TreeHandle item,
                      RightPane pane, std::vector<int> countSlots);
    // Deletes the entity of the item under the module's node of the slot.
    void DeleteEntityOfSlot(Module& module, int slot, TreeHandle item);
    void DeleteTable(Module& module, int slot, TreeHandle item);
    // Deletes, in every module, the items under the nodes of the slots whose entities went.
    void RemoveStaleItems(const std::vector<int>& slots);
    void DeleteTransaction(Module& module, TreeHandle item);
    // A login page whose call the deletion cleared is named.
    void DeleteProcedure(Procedure* procedure, TreeHandle item);
    void DeleteFunction(Function* function, TreeHandle item);
    // After a procedure or function went: the report designer lets go of the groups and reports
    // that went with it, the dashboard designers of the graphs.
    void AfterFeedLost(bool reports, bool graphs);
    // The dashboard and dashboard page designers let go of the graphs a deletion took or
    // changed and of the pages placing them; the items of the graphs that went follow.
    void AfterGraphsLost();
    void DeleteField(TreeHandle item);
    // After a delete by the model: the item removed, the editor let go, the counts refreshed.
    void AfterDelete(TreeHandle item, RightPane pane, std::vector<int> countSlots);

    ProjectTree& m_tree;
    TreeCommandHost& m_host;
    // The item the editor shown was opened from, and the module current before the item's
    // module was made current.
    ItemKey m_shown;
    const Module* m_previousModule = nullptr;
};
