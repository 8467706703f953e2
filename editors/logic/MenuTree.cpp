#include "editors/logic/MenuTree.h"

#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/DashBoardPage.h"
#include "entities/Form.h"
#include "entities/LoginPage.h"
#include "entities/Menu.h"
#include "entities/RDLCReport.h"
#include "entities/Transaction.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"

#include <algorithm>
#include <vector>

void MenuTreeModel::Clear()
{
    m_items.clear();
    m_roots.clear();
    m_selected = -1;
}

int MenuTreeModel::Insert(int parent, const CString& text, int image, int data)
{
    const int item = GetCount();
    m_items.push_back({text, image, data, false, false, false, parent, {}});
    if (parent < 0)
        m_roots.push_back(item);
    else
        At(parent).children.push_back(item);
    return item;
}

std::vector<int> MenuTreeModel::WalkAll() const
{
    std::vector<int> order;
    std::vector<int> pending(m_roots.rbegin(), m_roots.rend());
    while (!pending.empty())
    {
        const int item = pending.back();
        pending.pop_back();
        order.push_back(item);
        const std::vector<int>& children = At(item).children;
        pending.insert(pending.end(), children.rbegin(), children.rend());
    }
    return order;
}

int MenuTreeModel::FindItemOf(int id) const
{
    for (int item : WalkAll())
        if (At(item).parent >= 0 && At(item).data == id)
            return item;
    return -1;
}

void MenuTreeModel::SaveExpandedItems()
{
    m_expandedRoots.clear();
    m_expandedMenus.clear();
    for (const MenuTreeItem& item : m_items)
        if (item.expanded && item.parent < 0)
            m_expandedRoots.insert(item.text);
        else if (item.expanded)
            m_expandedMenus.insert(item.data);
}

void MenuTreeModel::RestoreExpandedItems()
{
    for (MenuTreeItem& item : m_items)
        if (item.parent < 0 ? m_expandedRoots.contains(item.text)
                            : m_expandedMenus.contains(item.data))
            item.expanded = true;
}

void MenuTreeModel::IndexMenus(const ForgeonProject& project)
{
    m_menus.clear();
    for (const Module* module : project.GetModules())
        for (Menu* menu : module->GetMenus())
            IndexSubtree(*menu);
}

void MenuTreeModel::IndexMenu(Menu& menu)
{
    m_menus.emplace(menu.GetId(), &menu);
}

void MenuTreeModel::IndexSubtree(Menu& menu)
{
    IndexMenu(menu);
    std::vector<Menu*> subMenus;
    menu.CollectSubMenus(subMenus, nullptr);
    for (Menu* sub : subMenus)
        IndexMenu(*sub);
}

Menu* MenuTreeModel::FindMenu(int id) const
{
    const auto found = m_menus.find(id);
    return found != m_menus.end() ? found->second : nullptr;
}

namespace
{
struct TreeFill
{
    MenuTreeModel& tree;
    MenuTreeOptions options;
    int remembered;

    // Each sub-menu under its parent's item, in order, without recursion: a chain of menus may
    // be as deep as a file holds. Only the top-level menu's own sub-menus may take the
    // remembered selection.
    void AddSubMenus(int topItem, const Menu& top)
    {
        struct Pending
        {
            int parentItem;
            const Menu* menu;
        };
        std::vector<Pending> pending;
        const auto push = [&pending](int parentItem, const Menu& parent)
        {
            for (auto sub = parent.GetSubMenus().rbegin(); sub != parent.GetSubMenus().rend();
                 ++sub)
                pending.push_back({parentItem, *sub});
        };
        push(topItem, top);
        while (!pending.empty())
        {
            const auto [parentItem, sub] = pending.back();
            pending.pop_back();
            const int item = tree.Insert(parentItem, sub->GetName(), 1, sub->GetId());
            tree.At(item).italic = options.italics && sub->GetAspFile() != nullptr;
            if (parentItem == topItem && remembered >= 0 && remembered == sub->GetId())
                tree.Select(item);
            push(item, *sub);
        }
    }
};

CString OrDefault(const CString& name, const char* fallback)
{
    return name.IsEmpty() ? CString(fallback) : name;
}
} // namespace

void FillMenuTree(const ForgeonProject& project, MenuTreeModel& tree, const Menu* expand,
                  MenuTreeOptions options)
{
    tree.SaveExpandedItems();
    const int selected = tree.GetSelected();
    const int remembered = options.keepSelection && selected >= 0 ? tree.At(selected).data : -1;
    tree.Clear();
    tree.IndexMenus(project);
    TreeFill fill{tree, options, remembered};
    for (const Module* module : project.GetModules())
    {
        const CString rootText = module->GetName().IsEmpty() ? CString("Parent Menu")
                                                             : module->GetName() + "_Parent Menu";
        const int root = tree.Insert(-1, rootText, 0, 0);
        for (const Menu* menu : module->GetMenus())
        {
            const int item =
                tree.Insert(root, OrDefault(menu->GetName(), "Parent Menu"), 0, menu->GetId());
            if (remembered >= 0 && remembered == menu->GetId())
                tree.Select(item);
            fill.AddSubMenus(item, *menu);
        }
    }
    if (expand != nullptr && !tree.GetRoots().empty())
    {
        tree.At(tree.GetRoots().front()).expanded = true;
        if (const int item = tree.FindItemOf(expand->GetId()); item >= 0)
            tree.At(item).expanded = true;
    }
    tree.RestoreExpandedItems();
}

Menu* GetSelectedMenu(const MenuTreeModel& tree)
{
    const int selected = tree.GetSelected();
    if (selected < 0 || tree.At(selected).parent < 0)
        return nullptr;
    return tree.FindMenu(tree.At(selected).data);
}

namespace
{
template <class Page> std::vector<CString> NamesOf(const std::vector<Page*>& pages)
{
    std::vector<CString> names;
    for (const Page* page : pages)
        names.push_back(page->GetFormName());
    return names;
}

template <class Page> FormInterface* PageAt(const std::vector<Page*>& pages, int index)
{
    if (index < 0 || index >= static_cast<int>(pages.size()))
        return nullptr;
    return pages[static_cast<std::size_t>(index)];
}
} // namespace

std::vector<CString> PageNames(const Module* module, int kind)
{
    if (module == nullptr)
        return {};
    switch (kind)
    {
    case masterFormPage:
        return NamesOf(module->GetMasterForms());
    case masterDetailPage:
        return NamesOf(module->GetTransactions());
    case applicationReportPage:
        return NamesOf(module->GetReports());
    case rdlcReportPage:
        return NamesOf(module->GetRDLCReports());
    case dashBoardPage:
        return NamesOf(module->GetDashBoardPages());
    case loginPage:
        if (module->GetLoginPage() != nullptr)
            return {module->GetLoginPage()->GetFormName()};
        return {};
    default:
        return {};
    }
}

FormInterface* GetSelectedPage(const Module* module, int index, int kind)
{
    if (module == nullptr)
        return nullptr;
    switch (kind)
    {
    case masterFormPage:
        return PageAt(module->GetMasterForms(), index);
    case masterDetailPage:
        return PageAt(module->GetTransactions(), index);
    case applicationReportPage:
        return PageAt(module->GetReports(), index);
    case rdlcReportPage:
        return PageAt(module->GetRDLCReports(), index);
    case dashBoardPage:
        return PageAt(module->GetDashBoardPages(), index);
    case loginPage:
        return module->GetLoginPage();
    default:
        return nullptr;
    }
}

std::vector<CString> PageFileUrls(const FormInterface* page)
{
    static constexpr int actionKinds[] = {2, 4, 6, 8, 9, 10, 11};
    std::vector<CString> urls;
    if (page == nullptr)
        return urls;
    for (const AspFile* file : page->GetAspFiles())
        if (std::ranges::find(actionKinds, file->GetFileKind()) == std::end(actionKinds))
            urls.push_back(file->GetRelativeUrl(FALSE, FALSE));
    return urls;
}

AspFile* FindSelectedPageFile(const FormInterface* page, const std::vector<CString>& urls,
                              int selection)
{
    const int entry = selection < 0 ? 0 : selection;
    if (page == nullptr || entry >= static_cast<int>(urls.size()))
        return nullptr;
    return page->FindAspFileByName(urls[static_cast<std::size_t>(entry)]);
}

std::vector<Menu*> ParentMenuCandidates(const Module& module, const Menu& menu)
{
    std::vector<Menu*> all;
    module.CollectMenus(all, &menu);
    std::vector<Menu*> candidates;
    for (Menu* candidate : all)
        if (candidate->GetAspFile() == nullptr)
            candidates.push_back(candidate);
    return candidates;
}

CString ParentMenuText(const Menu& menu)
{
    const Menu* parent = menu.GetParent();
    if (parent == nullptr || parent == &menu)
        return menu.GetName();
    return parent->GetName() + "-" + menu.GetName();
}

ParentMenuEntries FillParentMenuCombo(const ForgeonProject& project, const Menu& menu)
{
    ParentMenuEntries entries;
    const Module* module = project.GetCurrentModule();
    if (module == nullptr)
        return entries;
    entries.menus = ParentMenuCandidates(*module, menu);
    for (const Menu* candidate : entries.menus)
        entries.texts.push_back(ParentMenuText(*candidate));
    return entries;
}
