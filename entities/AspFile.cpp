#include "entities/AspFile.h"

#include "entities/ApplicationReport.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardPage.h"
#include "entities/Form.h"
#include "entities/LoginPage.h"
#include "entities/MapForm.h"
#include "entities/Menu.h"
#include "entities/MultiPageReport.h"
#include "entities/ProcedureInvokation.h"
#include "entities/RDLCReport.h"
#include "entities/ReportCollector.h"
#include "entities/ReportField.h"
#include "entities/Transaction.h"
#include "entities/Variable.h"
#include "model/ArchiveIO.h"
#include "model/Field.h"
#include "model/FieldVisibility.h"
#include "model/ListAccess.h"
#include "model/Module.h"
#include "model/Ownership.h"
#include "model/ReferenceList.h"
#include "model/Table.h"
#include "model/VisibilityData.h"

#include <algorithm>
#include <bit>
#include <memory>
#include <unordered_set>
#include <utility>

IMPLEMENT_SERIAL(AspFile, CObject, 0)

namespace
{

// The owner page as the object of the class its owner kind names. For another kind the save
// wrote the page all the same, so it is read as a page of any class.
FormInterface* ReadOwnerPage(CArchive& ar, int ownerKind)
{
    switch (ownerKind)
    {
    case AspFile::formOwner:
        return ReadRef<Form>(ar);
    case AspFile::transactionOwner:
        return ReadRef<Transaction>(ar);
    case AspFile::reportOwner:
        return ReadRef<ApplicationReport>(ar);
    case AspFile::mapFormOwner:
        return ReadRef<MapForm>(ar);
    case AspFile::dashBoardOwner:
        return ReadRef<DashBoard>(ar);
    case AspFile::dashBoardPageOwner:
        return ReadRef<DashBoardPage>(ar);
    case AspFile::loginPageOwner:
        return ReadRef<LoginPage>(ar);
    case AspFile::multiPageReportOwner:
        return ReadRef<MultiPageReport>(ar);
    case AspFile::reportCollectorOwner:
        return ReadRef<ReportCollector>(ar);
    case AspFile::rdlcReportOwner:
        return ReadRef<RDLCReport>(ar);
    default:
        return ReadRef<FormInterface>(ar);
    }
}

// Per map: its menu, the count of pairs and each pair's two variables.
void WriteMenuVariableMaps(CArchive& ar, const MenuMapList& list)
{
    ar << static_cast<int>(list.LiveCount());
    list.ForEachLive(
        [&ar](const MenuVariableMap& map)
        {
            ar.WriteObject(map.m_menu);
            ar << static_cast<int>(map.GetVariablePairs().size());
            for (const MenuVariableMap::VariablePair& pair : map.GetVariablePairs())
            {
                ar.WriteObject(pair.first);
                ar.WriteObject(pair.second);
            }
        });
}

void ReadMenuVariableMaps(CArchive& ar, MenuMapList& list)
{
    std::vector<MenuVariableMap>& maps = list.Edit();
    const int count = ReadCount(ar);
    ReserveMore(maps, count);
    for (int i = 0; i < count; ++i)
    {
        MenuVariableMap& map = maps.emplace_back();
        map.m_menu = ReadRef<Menu>(ar);
        if (map.m_menu != nullptr)
            map.m_menu->MarkMapped();
        const int pairCount = ReadCount(ar);
        for (int j = 0; j < pairCount; ++j)
        {
            Variable* first = ReadRef<Variable>(ar);
            map.AddVariablePair(first, ReadRef<Variable>(ar));
        }
    }
    if (maps.size() > 1)
        list.SetSingle(false);
}

// Every blank of the name replaced by "_".
CString Blanked(CString name)
{
    name.Replace(' ', '_');
    return name;
}

CString Trimmed(CString name)
{
    name.Trim();
    return name;
}

// The name of a report's file in a report collector: the untrimmed page name with
// "__ReportCollector" and the suffix, blanked, each "__" then made one "_".
CString CollectorFileName(const CString& pageName, const CString& suffix)
{
    CString name = Blanked(pageName + "_" + "_ReportCollector" + suffix);
    name.Replace("__", "_");
    return name;
}

// "Add" for the add pages, "Update" for the update pages of an ASP.NET form.
CString FormPageWord(int fileKind)
{
    if (fileKind == 1 || fileKind == 5)
        return "Add";
    if (fileKind == 3 || fileKind == 7)
        return "Update";
    return {};
}

// The first visibility whose data passes the test.
template <class Test>
FieldVisibility* FindVisibilityByData(const std::vector<FieldVisibility*>& visibilities,
                                      const Test& test)
{
    return FindFirst(visibilities,
                     [&test](const FieldVisibility* visibility)
                     {
                         const VisibilityData* data = visibility->GetVisibilityData();
                         return data != nullptr && test(*data);
                     });
}

// The first map of the list that matches, else null.
template <class Predicate>
MenuVariableMap* FirstMap(std::vector<MenuVariableMap>& maps, Predicate matches)
{
    const auto found = std::ranges::find_if(maps, matches);
    return found == maps.end() ? nullptr : &*found;
}

MenuVariableMap* FindMapOfMenu(std::vector<MenuVariableMap>& maps, const Menu* menu)
{
    return FirstMap(maps, [menu](const MenuVariableMap& map) { return map.m_menu == menu; });
}

void EraseMapsOfMenu(std::vector<MenuVariableMap>& maps, const MenuInterface* menu)
{
    std::erase_if(maps, [menu](const MenuVariableMap& map) { return map.m_menu == menu; });
}

// The map of the side lets go of its menu by leaving the side, of a variable by dropping the
// pairs that pass it. Releases run last listed first, so a map released by address has not
// moved.
void ListMenuMapReferences(ReferenceList& list, std::vector<MenuVariableMap>& maps,
                           MenuVariableMap& map)
{
    if (list.GetMenuMaps() == ReferenceList::MenuMaps::listed)
        list.Add(map.m_menu,
                 [&maps, &map] {
                     std::erase_if(maps,
                                   [&map](const MenuVariableMap& each) { return &each == &map; });
                 });
    if (!map.HasVariablePairs())
        return;
    for (const MenuVariableMap::VariablePair& pair : map.GetVariablePairs())
    {
        for (const Variable* variable : {pair.first, pair.second})
            list.Add(variable, [&map, variable] { map.RemoveVariablePairsOf(variable); });
    }
}

// Copies the first pair that matches into out; false when none does.
template <class Predicate>
bool CopyFirstPair(const std::vector<MenuVariableMap::VariablePair>& pairs, Predicate matches,
                   MenuVariableMap::VariablePair& out)
{
    const auto found = std::ranges::find_if(pairs, matches);
    if (found == pairs.end())
        return false;
    out = *found;
    return true;
}

// A map for every leaf of the menu's tree (pairs emptied below version 41); the maps of other
// menus are deleted. True when a leaf had more than one map.
bool SyncMenuSide(const MenuLeafIndex::Leaves& leaves, std::vector<MenuVariableMap>& maps)
{
    // Whether each leaf, by its position, has a map.
    std::vector<bool> mapped(leaves.items.size(), false);
    bool foreign = false;
    bool repeated = false;
    const bool clearPairs = ArchiveVersion() < 41;
    std::size_t unmapped = leaves.items.size();
    for (MenuVariableMap& map : maps)
    {
        const std::size_t position = leaves.PositionOf(map.m_menu);
        if (position == MenuLeafIndex::Leaves::none)
            foreign = true;
        else if (!mapped[position])
        {
            mapped[position] = true;
            --unmapped;
            if (clearPairs)
                map.ClearVariablePairs();
        }
        else
            repeated = true;
    }
    if (foreign)
        std::erase_if(maps, [&leaves](const MenuVariableMap& map)
                      { return leaves.PositionOf(map.m_menu) == MenuLeafIndex::Leaves::none; });
    if (unmapped == 0)
        return repeated;
    // The missing maps in one allocation.
    maps.reserve(maps.size() + unmapped);
    for (std::size_t i = 0; i < leaves.items.size(); ++i)
    {
        if (!mapped[i])
            maps.emplace_back(leaves.items[i]);
    }
    return repeated;
}

// SyncMenuSide; the list holds one map per menu unless a leaf had more.
bool SyncMenuList(const MenuLeafIndex::Leaves& leaves, MenuMapList& list)
{
    const bool repeated = SyncMenuSide(leaves, list.Edit());
    list.SetSingle(!repeated);
    return repeated;
}

// Erases every later map of a menu an earlier map has.
void RemoveDuplicateMaps(std::vector<MenuVariableMap>& maps)
{
    std::unordered_set<const Menu*> keptMenus(maps.size());
    std::erase_if(maps, [&keptMenus](const MenuVariableMap& map)
                  { return !keptMenus.insert(map.m_menu).second; });
}

// The side's maps for the new leaves of each addition in turn, each unless a map of it is there
// already; the former leaf's maps go. Room is made for all at once: as push_back would grow it
// for additions made one by one, just enough for those a batch gathered.
void AddLeafMapsToSide(std::vector<MenuVariableMap>& maps,
                       const std::vector<MenuLeafAddition>& additions, bool madeJustBefore)
{
    std::size_t added = 0;
    for (const MenuLeafAddition& addition : additions)
        added += addition.GetLeaves().size();
    if (maps.size() + added > maps.capacity())
        maps.reserve(madeJustBefore ? std::max(maps.size() + added, 2 * maps.capacity())
                                    : maps.size() + added);
    for (const MenuLeafAddition& addition : additions)
    {
        const Menu* formerLeaf = addition.GetFormerLeaf();
        if (formerLeaf != nullptr && addition.FormerLeafMayBeMapped())
            EraseMapsOfMenu(maps, formerLeaf);
        const std::vector<Menu*>& leaves = addition.GetLeaves();
        for (std::size_t i = 0; i < leaves.size(); ++i)
        {
            if (!addition.MayBeMapped(i) || FindMapOfMenu(maps, leaves[i]) == nullptr)
                maps.emplace_back(leaves[i]);
        }
    }
}

// As AddLeafMapsToSide. A leaf never mapped when its addition was made gets its map without a
// look, which keeps one map per menu only when nothing mapped it since: the addition was made
// just before, reaches no leaf twice and reaches this list the first time (its last map is none
// of the leaves, as it would be once they were added).
void AddLeafMapsToList(MenuMapList& list, const std::vector<MenuLeafAddition>& additions,
                       bool madeJustBefore)
{
    std::vector<MenuVariableMap>& maps = list.Edit();
    const auto mayRepeat = [&maps](const MenuLeafAddition& addition)
    {
        return addition.RepeatsALeaf() ||
               (!maps.empty() && std::ranges::find(addition.GetLeaves(), maps.back().m_menu) !=
                                     addition.GetLeaves().end());
    };
    if (!madeJustBefore || std::ranges::any_of(additions, mayRepeat))
        list.SetSingle(false);
    AddLeafMapsToSide(maps, additions, madeJustBefore);
}

// The innermost open batch.
MenuLeafMapBatch* currentBatch = nullptr;

} // namespace

MenuVariableMap::MenuVariableMap(Menu* menu) : m_menu(menu)
{
    if (menu != nullptr)
        menu->MarkMapped();
}

MenuVariableMap::MenuVariableMap(Menu* menu, const std::vector<VariablePair>& pairs)
    : MenuVariableMap(menu)
{
    for (const auto& [menuFileVariable, fileVariable] : pairs)
        AddVariablePair(menuFileVariable, fileVariable);
}

MenuVariableMap::MenuVariableMap(const MenuVariableMap& other)
    : m_menu(other.m_menu),
      m_variablePairs(other.m_variablePairs != nullptr
                          ? std::make_unique<std::vector<VariablePair>>(*other.m_variablePairs)
                          : nullptr)
{
}

MenuVariableMap& MenuVariableMap::operator=(const MenuVariableMap& other)
{
    if (this != &other)
        *this = MenuVariableMap(other);
    return *this;
}

void MenuVariableMap::AddVariablePair(Variable* menuFileVariable, Variable* fileVariable)
{
    for (Variable* variable : {menuFileVariable, fileVariable})
    {
        if (variable != nullptr)
            variable->MarkPassedByMenu();
    }
    if (m_variablePairs == nullptr)
        m_variablePairs = std::make_unique<std::vector<VariablePair>>();
    m_variablePairs->emplace_back(menuFileVariable, fileVariable);
}

void MenuVariableMap::RemoveVariablePairsOf(const Variable* variable)
{
    if (m_variablePairs != nullptr)
        std::erase_if(*m_variablePairs, [variable](const VariablePair& pair)
                      { return pair.first == variable || pair.second == variable; });
}

void MenuVariableMap::RemoveVariablePairOfMenuFileVariable(const Variable* menuFileVariable)
{
    if (m_variablePairs == nullptr)
        return;
    const auto found =
        std::ranges::find_if(*m_variablePairs, [menuFileVariable](const VariablePair& pair)
                             { return pair.first == menuFileVariable; });
    if (found != m_variablePairs->end())
        m_variablePairs->erase(found);
}

bool MenuVariableMap::FindByMenuFileVariable(const Variable* menuFileVariable,
                                             VariablePair& out) const
{
    return CopyFirstPair(
        GetVariablePairs(),
        [menuFileVariable](const VariablePair& pair) { return pair.first == menuFileVariable; },
        out);
}

bool MenuVariableMap::FindByFileVariableName(const Variable* fileVariable, VariablePair& out) const
{
    if (fileVariable == nullptr)
        return false;
    const CString name = fileVariable->GetFieldName();
    return CopyFirstPair(
        GetVariablePairs(),
        [&name](const VariablePair& pair)
        { return pair.second != nullptr && pair.second->GetFieldName().CompareNoCase(name) == 0; },
        out);
}

namespace
{
// The page files found without variable pairs while a pairless-maps scope lives, and how many
// scopes are open.
std::unordered_set<const AspFile*> s_pairless;
int s_pairlessScopes = 0;
} // namespace

AspFile::~AspFile()
{
    s_pairless.erase(this);
    for (MenuInterface* item : std::exchange(m_linkingItems, {}))
    {
        if (item != nullptr)
            item->RemoveAspFile(this);
    }
    DeleteAll(m_fieldVisibilities);
    // The menus would otherwise keep this file in their page-file lists after it is gone.
    SetTopMenu(nullptr);
    SetLeftMenu(nullptr);
}

void AspFile::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << m_ownerKind << m_fileKind;
        ar.WriteObject(m_ownerPage);
        ar << static_cast<int>(m_linkingItems.size());
        for (const MenuInterface* item : m_linkingItems)
        {
            ar << (item != nullptr ? item->GetItemKind() : 0);
            ar.WriteObject(item);
        }
        ar << static_cast<int>(m_fieldEntries.size());
        for (const FieldEntry& entry : m_fieldEntries)
        {
            ar.WriteObject(entry.first);
            ar << entry.second;
        }
        ar.WriteObject(m_topMenu);
        ar.WriteObject(m_leftMenu);
        WriteMenuVariableMaps(ar, m_topMaps);
        WriteMenuVariableMaps(ar, m_leftMaps);
        ar << m_baseName << static_cast<int>(m_flag);
        WriteObjectList(ar, m_fieldVisibilities);
        ar << m_title;
        return;
    }
    const int version = ArchiveVersion();
    ar >> m_ownerKind >> m_fileKind;
    if (version < 34)
    {
        CString dropped;
        ar >> dropped;
    }
    m_ownerPage = ReadOwnerPage(ar, m_ownerKind);
    const int itemCount = ReadCount(ar);
    for (int i = 0; i < itemCount; ++i)
    {
        int itemKind = 0;
        ar >> itemKind;
        if (itemKind != 0)
            m_linkingItems.push_back(ReadRef<ReportField>(ar));
        else
            m_linkingItems.push_back(ReadRef<Menu>(ar));
    }
    const int entryCount = ReadCount(ar);
    for (int i = 0; i < entryCount; ++i)
    {
        FieldEntry entry;
        entry.first = ReadRef<Field>(ar);
        ar >> entry.second;
        m_fieldEntries.push_back(entry);
    }
    m_topMenu = ReadRef<Menu>(ar);
    m_leftMenu = ReadRef<Menu>(ar);
    ReadMenuVariableMaps(ar, m_topMaps);
    ReadMenuVariableMaps(ar, m_leftMaps);
    if (version > 54)
    {
        int droppedFlag = 0;
        ar >> m_baseName >> droppedFlag;
        ReadOwnedList(ar, m_fieldVisibilities);
    }
    if (version > 71)
        ar >> m_title;
}

void AspFile::CopyFrom(const AspFile& source, FormInterface* owner)
{
    m_ownerKind = source.m_ownerKind;
    m_fileKind = source.m_fileKind;
    m_baseName = source.m_baseName;
    m_flag = source.m_flag;
    m_title = source.m_title;
    m_ownerPage = owner;
    for (MenuInterface* item : source.m_linkingItems)
    {
        m_linkingItems.push_back(item);
        if (item != nullptr)
            item->AddPageFile(this);
    }
    m_fieldEntries = source.m_fieldEntries;
    for (const FieldVisibility* visibility : source.m_fieldVisibilities)
    {
        auto* copy = new FieldVisibility;
        copy->SetVisibilityKind(visibility->GetVisibilityKind());
        m_fieldVisibilities.push_back(copy);
    }
    m_topMenu = source.m_topMenu;
    m_leftMenu = source.m_leftMenu;
    for (Menu* menu : {m_topMenu, m_leftMenu})
    {
        if (menu != nullptr)
            menu->AddPageFile(this);
    }
    // The source's maps pass its own variables: the copy has a map of each leaf of its menus, as
    // a load makes them.
    MenuLeafIndex leafIndex;
    CleanUpMenuVariableMaps(leafIndex, false);
}

bool AspFile::IsLinkedFrom(const MenuInterface* item) const
{
    return std::find(m_linkingItems.begin(), m_linkingItems.end(), item) != m_linkingItems.end() ||
           item == m_topMenu || item == m_leftMenu;
}

void AspFile::KeepLinksTwoSided()
{
    std::erase_if(
        m_linkingItems, [this](const MenuInterface* item)
        { return item == nullptr || (item->GetAspFile() != this && !item->HasAspFile(this)); });
    for (Menu* menu : {m_topMenu, m_leftMenu})
    {
        if (menu != nullptr && menu->GetAspFile() != this && !menu->HasAspFile(this))
            menu->AddPageFile(this);
    }
}

void AspFile::RemoveMenu(const MenuInterface* item)
{
    std::erase(m_linkingItems, item);
    if (item == m_topMenu)
    {
        m_topMenu = nullptr;
        DeleteTopMenuVariableMaps();
    }
    if (item == m_leftMenu)
    {
        m_leftMenu = nullptr;
        DeleteLeftMenuVariableMaps();
    }
    // A map of the item as a leaf of either menu would point at it once it is gone.
    EraseMapsOfMenu(m_topMaps.Edit(), item);
    EraseMapsOfMenu(m_leftMaps.Edit(), item);
}

void AspFile::EraseMapsOfMenus(MapErasure& erasure)
{
    const TargetMatch& isMenu = erasure.m_isMenu;
    if (const void* single = isMenu.Single())
    {
        m_topMaps.MarkMapsOf(single, erasure.m_top);
        m_leftMaps.MarkMapsOf(single, erasure.m_left);
        return;
    }
    for (std::vector<MenuVariableMap>* maps : {&m_topMaps.Edit(), &m_leftMaps.Edit()})
        std::erase_if(*maps, [&isMenu](const MenuVariableMap& map) { return isMenu(map.m_menu); });
}

void AspFile::AddTopMenuVariableMap(MenuVariableMap map)
{
    m_topMaps.Edit().push_back(std::move(map));
    m_topMaps.SetSingle(false);
}

void AspFile::AddLeftMenuVariableMap(MenuVariableMap map)
{
    m_leftMaps.Edit().push_back(std::move(map));
    m_leftMaps.SetSingle(false);
}

AspFile::PairlessMapsScope::PairlessMapsScope()
{
    ++s_pairlessScopes;
}

AspFile::PairlessMapsScope::~PairlessMapsScope()
{
    if (--s_pairlessScopes == 0)
        s_pairless.clear();
}

void AspFile::ListReferences(ReferenceList& list)
{
    for (MenuInterface* item : m_linkingItems)
        list.Add(item, [this, item] { item->UnlinkAspFile(this); });
    for (Menu* menu : {m_topMenu, m_leftMenu})
        list.Add(menu, [this, menu] { menu->UnlinkAspFile(this); });
    const ReferenceList::MenuMaps menuMaps = list.GetMenuMaps();
    if (menuMaps == ReferenceList::MenuMaps::listed ||
        (menuMaps == ReferenceList::MenuMaps::variables && !s_pairless.contains(this)))
    {
        bool pairs = false;
        for (MenuMapList* side : {&m_topMaps, &m_leftMaps})
        {
            std::vector<MenuVariableMap>& maps = side->Edit();
            for (MenuVariableMap& map : maps)
            {
                pairs = pairs || map.HasVariablePairs();
                ListMenuMapReferences(list, maps, map);
            }
        }
        if (!pairs && s_pairlessScopes > 0)
            s_pairless.insert(this);
    }
    // A visibility goes with its field and with the procedure its data calls or reads.
    for (FieldVisibility* visibility : m_fieldVisibilities)
    {
        const auto drop = [this, visibility] { DeleteFieldVisibility(visibility); };
        list.Add(visibility->GetField(), drop);
        const VisibilityData* data = visibility->GetVisibilityData();
        if (data == nullptr)
            continue;
        list.Add(data->GetResultField(), drop);
        ProcedureInvokation::ListHeld(list, data->GetDataProcedure(), drop);
    }
}

void AspFile::SetTopMenu(Menu* menu)
{
    ReplaceSideMenu(m_topMenu, menu, m_leftMenu);
}

void AspFile::SetLeftMenu(Menu* menu)
{
    ReplaceSideMenu(m_leftMenu, menu, m_topMenu);
}

// A menu that the other side still shows keeps the file in its list.
void AspFile::ReplaceSideMenu(Menu*& side, Menu* menu, const Menu* otherSide)
{
    if (side != nullptr && side != otherSide)
        side->RemoveAspFile(this);
    side = menu;
    if (menu != nullptr && !menu->HasAspFile(this))
        menu->AddPageFile(this);
}

CString AspFile::GetFileSuffix() const
{
    return KindSuffix(IsAspxFile());
}

CString AspFile::KindSuffix(bool aspx) const
{
    static const char* const suffixes[] = {"",
                                           "_add",
                                           "_add_action",
                                           "_upd",
                                           "_upd_action",
                                           "_addReport",
                                           "_addReport_action",
                                           "_updReport",
                                           "_updReport_action",
                                           "_action"};
    CString suffix;
    if (m_fileKind >= 0 && m_fileKind < static_cast<int>(std::size(suffixes)))
        suffix = suffixes[m_fileKind];
    return suffix + (aspx ? ".aspx" : ".asp");
}

CString AspFile::GetFileName(BOOL variant) const
{
    return FileName(variant, IsAspxFile());
}

CString AspFile::GetClassicFileName(BOOL variant) const
{
    return FileName(variant, false);
}

CString AspFile::FileName(BOOL variant, bool aspx) const
{
    if (m_ownerPage == nullptr)
        return {};
    const CString& pageName = m_ownerPage->GetFormName();
    const CString trimmed = Trimmed(pageName);
    const CString suffix = KindSuffix(aspx);
    const CString extension = aspx ? ".aspx" : ".asp";
    switch (m_ownerKind)
    {
    case formOwner:
        return aspx ? FormAspxFileName() : Blanked(trimmed + suffix);
    case transactionOwner:
        if (aspx)
            return Blanked(trimmed) +
                   (m_fileKind == 1   ? "Add"
                    : m_fileKind == 3 ? "Update"
                                      : "") +
                   ".aspx";
        return Blanked(Trimmed(m_baseName.IsEmpty() ? pageName : m_baseName)) + suffix;
    case reportOwner:
        if (variant)
            return CollectorFileName(pageName, suffix);
        if (aspx)
            return Blanked(trimmed + "_report.aspx");
        if (m_fileKind == 0 || m_fileKind == 10)
            return Blanked(trimmed + "_report.asp");
        if (m_fileKind == 11)
            return Blanked(trimmed + "_action.asp");
        return {};
    case mapFormOwner:
        return Blanked(trimmed + suffix);
    case dashBoardOwner:
    case dashBoardPageOwner:
    case multiPageReportOwner:
        return m_fileKind == 0 ? Blanked(trimmed + extension) : CString();
    case loginPageOwner:
        if (aspx)
            return "Login.aspx";
        return m_fileKind == 0 ? "Login.asp" : "Login_action.asp";
    case reportCollectorOwner:
        return m_fileKind == 0 ? Blanked(trimmed + extension) : CollectorFileName(pageName, suffix);
    case rdlcReportOwner:
        return Blanked(trimmed + "_report" + (aspx ? CString(".aspx") : suffix));
    default:
        return {};
    }
}

CString AspFile::FormAspxFileName() const
{
    CString stem = m_ownerPage->GetFormName();
    if (!m_ownerPage->IsCopy())
    {
        const Table* table = m_ownerPage->GetTitleTable();
        if (table == nullptr)
            return {};
        stem = table->GetTableName();
    }
    return stem + FormPageWord(m_fileKind) + ".aspx";
}

CString AspFile::GetRelativeUrl(BOOL fromSubfolder, BOOL variant) const
{
    return RelativeUrl(fromSubfolder, variant, IsAspxFile());
}

CString AspFile::GetClassicRelativeUrl(BOOL fromSubfolder, BOOL variant) const
{
    return RelativeUrl(fromSubfolder, variant, false);
}

CString AspFile::RelativeUrl(BOOL fromSubfolder, BOOL variant, bool aspx) const
{
    const CString fileName = FileName(variant, aspx);
    if (fileName.IsEmpty())
        return {};
    CString url = fromSubfolder ? "../../" : "";
    if (const Module* module = m_ownerPage->GetModule())
        url += module->GetName();
    url += "/";
    if (aspx)
        url += "UI/";
    return url + fileName;
}

CString AspFile::GetKindName() const
{
    static const char* const kindNames[] = {"Master Form", "Transaction", "Report",
                                            "Map form",    "Dashboard",   "Dashboard Page"};
    if (m_ownerKind >= 0 && m_ownerKind < static_cast<int>(std::size(kindNames)))
        return kindNames[m_ownerKind];
    return "LogIn Page";
}

CString AspFile::GetPageTitle()
{
    if (m_title.IsEmpty())
    {
        if (m_fileKind == 5)
            m_title = "ADD ";
        else if (m_fileKind == 7)
            m_title = "UPDATE ";
        if (const Table* table = m_ownerPage != nullptr ? m_ownerPage->GetTitleTable() : nullptr)
            m_title += table->GetTableName();
        m_title.MakeUpper();
    }
    m_title.Replace('_', ' ');
    return m_title;
}

MenuInterface* AspFile::GetLinkingItemAt(int index) const
{
    return ItemAt(m_linkingItems, index);
}

void AspFile::RemoveNullLinks()
{
    std::erase(m_linkingItems, nullptr);
}

void AspFile::GetFieldEntryAt(FieldEntry& out, int index) const
{
    out = IsValidIndex(m_fieldEntries, index) ? m_fieldEntries[index] : FieldEntry{nullptr, 0};
}

FieldVisibility* AspFile::FindFieldVisibility(const Field* field) const
{
    if (field == nullptr)
        return nullptr;
    return FindFirst(m_fieldVisibilities, [field](const FieldVisibility* visibility)
                     { return visibility->GetField() == field; });
}

bool AspFile::HasFieldVisibility(const FieldVisibility* visibility) const
{
    return std::ranges::find(m_fieldVisibilities, visibility) != m_fieldVisibilities.end();
}

bool AspFile::RemoveFieldVisibility(const Field* field)
{
    return EraseAndDelete(m_fieldVisibilities, FindFieldVisibility(field));
}

bool AspFile::RemoveFieldVisibilityByVariable(const Variable* variable)
{
    return EraseAndDelete(
        m_fieldVisibilities,
        FindVisibilityByData(m_fieldVisibilities, [variable](const VisibilityData& data)
                             { return variable != nullptr && data.GetVariable() == variable; }));
}

void AspFile::DeleteFieldVisibility(FieldVisibility* visibility)
{
    EraseAndDelete(m_fieldVisibilities, visibility);
}

bool AspFile::UsesProcedureFieldInVisibility(const ProcedureFieldInfo* procedureField) const
{
    return FindVisibilityByData(m_fieldVisibilities,
                                [procedureField](const VisibilityData& data) {
                                    return procedureField != nullptr &&
                                           data.GetResultField() == procedureField;
                                }) != nullptr;
}

void AspFile::DeleteAllFieldVisibilities()
{
    DeleteAll(m_fieldVisibilities);
}

bool AspFile::HasInvisibleField() const
{
    return std::ranges::any_of(
        m_fieldVisibilities, [](const FieldVisibility* visibility)
        { return visibility->GetVisibilityKind() == FieldVisibility::Invisible; });
}

MenuVariableMap* AspFile::GetTopMenuVariableMapAt(int index)
{
    std::vector<MenuVariableMap>& maps = m_topMaps.Edit();
    return IsValidIndex(maps, index) ? &maps[index] : nullptr;
}

MenuVariableMap* AspFile::GetLeftMenuVariableMapAt(int index)
{
    std::vector<MenuVariableMap>& maps = m_leftMaps.Edit();
    return IsValidIndex(maps, index) ? &maps[index] : nullptr;
}

MenuVariableMap* AspFile::FindTopMenuVariableMap(const Menu* menu)
{
    return FindMapOfMenu(m_topMaps.Edit(), menu);
}

MenuVariableMap* AspFile::FindLeftMenuVariableMap(const Menu* menu)
{
    return FindMapOfMenu(m_leftMaps.Edit(), menu);
}

MenuVariableMap* AspFile::FindMenuVariableMapByName(const MenuVariableMap* map)
{
    if (map == nullptr || map->m_menu == nullptr)
        return nullptr;
    const CString& name = map->m_menu->GetName();
    const auto sameName = [&name](const MenuVariableMap& candidate)
    { return candidate.m_menu != nullptr && candidate.m_menu->GetName().CompareNoCase(name) == 0; };
    MenuVariableMap* found = FirstMap(m_topMaps.Edit(), sameName);
    return found != nullptr ? found : FirstMap(m_leftMaps.Edit(), sameName);
}

std::size_t MenuLeafIndex::Leaves::SlotOf(const Menu* leaf) const
{
    return ProbeAddress(m_slots, leaf, m_shift,
                        [this, leaf](std::uint32_t held) { return items[held - 1] == leaf; });
}

void MenuLeafIndex::Leaves::Rehash(std::size_t capacity)
{
    m_slots.assign(capacity, 0);
    m_shift = AddressShift(capacity);
    // Each leaf once: none is in a slot before its own turn.
    for (std::size_t position = 0; position < items.size(); ++position)
        m_slots[SlotOf(items[position])] = static_cast<std::uint32_t>(position + 1);
}

std::size_t MenuLeafIndex::Leaves::PositionOf(const Menu* leaf) const
{
    if (m_slots.empty())
        return none;
    const std::uint32_t held = m_slots[SlotOf(leaf)];
    return held != 0 ? held - 1 : none;
}

void MenuLeafIndex::Leaves::Add(Menu* leaf)
{
    if (PositionOf(leaf) != none)
        return;
    items.push_back(leaf);
    // At most half the slots are taken.
    if (items.size() * 2 > m_slots.size())
        Rehash(std::bit_ceil(std::max<std::size_t>(items.size() * 4, 16)));
    else
        m_slots[SlotOf(leaf)] = static_cast<std::uint32_t>(items.size());
}

const MenuLeafIndex::Leaves& MenuLeafIndex::Of(const Menu& menu)
{
    const auto [entry, added] = m_trees.try_emplace(&menu);
    Leaves& leaves = entry->second;
    if (added)
    {
        std::vector<Menu*> collected;
        menu.CollectLeafSubMenus(collected);
        leaves.items.reserve(collected.size());
        for (Menu* leaf : collected)
            leaves.Add(leaf);
    }
    return leaves;
}

void AspFile::SyncMenuVariableMaps(BOOL top)
{
    MenuLeafIndex leafIndex;
    SyncMenuVariableMaps(top, leafIndex);
}

void AspFile::SyncMenuVariableMaps(BOOL top, MenuLeafIndex& leafIndex)
{
    SyncSide(top, leafIndex);
}

bool AspFile::SyncSide(BOOL top, MenuLeafIndex& leafIndex)
{
    bool repeated = false;
    if (top && m_topMenu != nullptr)
        repeated = SyncMenuList(leafIndex.Of(*m_topMenu), m_topMaps);
    else if (m_leftMenu != nullptr)
        repeated = SyncMenuList(leafIndex.Of(*m_leftMenu), m_leftMaps);
    // The maps of a side without menu belong to nothing any more.
    if (m_topMenu == nullptr)
        DeleteTopMenuVariableMaps();
    if (m_leftMenu == nullptr)
        DeleteLeftMenuVariableMaps();
    return repeated;
}

void AspFile::CleanUpMenuVariableMaps(MenuLeafIndex& leafIndex, bool dropDuplicates)
{
    const bool topRepeated = SyncSide(TRUE, leafIndex);
    const bool leftRepeated = SyncSide(FALSE, leafIndex);
    // Once both sides are in line, only a menu that a sync met twice can be repeated.
    if (dropDuplicates && (topRepeated || leftRepeated))
        RemoveDuplicateMenuVariableMaps();
}

void AspFile::RemoveDuplicateMenuVariableMaps()
{
    for (MenuMapList* side : {&m_topMaps, &m_leftMaps})
    {
        RemoveDuplicateMaps(side->Edit());
        side->SetSingle(true);
    }
}

MenuLeafAddition::MenuLeafAddition(const Menu* formerLeaf, Menu& child)
    : m_formerLeaf(formerLeaf),
      m_formerLeafMapped(formerLeaf != nullptr && formerLeaf->HasBeenMapped())
{
    if (child.GetSubMenus().empty())
        m_leaves.push_back(&child);
    else
        child.CollectLeafSubMenus(m_leaves);
    m_mapped.reserve(m_leaves.size());
    for (const Menu* leaf : m_leaves)
        m_mapped.push_back(leaf->HasBeenMapped());
    if (m_leaves.size() > 1)
    {
        std::vector<const Menu*> sorted(m_leaves.begin(), m_leaves.end());
        std::ranges::sort(sorted);
        m_repeatsALeaf = std::ranges::adjacent_find(sorted) != sorted.end();
    }
}

void AspFile::AddMenuLeafMaps(const Menu& topLevel, const std::vector<MenuLeafAddition>& additions,
                              bool madeJustBefore)
{
    if (m_topMenu == &topLevel)
        AddLeafMapsToList(m_topMaps, additions, madeJustBefore);
    if (m_leftMenu == &topLevel)
        AddLeafMapsToList(m_leftMaps, additions, madeJustBefore);
}

MenuLeafMapBatch::MenuLeafMapBatch() : m_outer(std::exchange(currentBatch, this)) {}

MenuLeafMapBatch::~MenuLeafMapBatch()
{
    currentBatch = m_outer;
    for (const auto& [topLevel, additions] : m_additions)
    {
        for (AspFile* file : topLevel->GetPageFiles())
            file->AddMenuLeafMaps(*topLevel, additions, false);
    }
}

MenuLeafMapBatch* MenuLeafMapBatch::Current()
{
    return currentBatch;
}

void MenuLeafMapBatch::Add(const Menu& topLevel, const MenuLeafAddition& addition)
{
    for (Menu* leaf : addition.GetLeaves())
        leaf->MarkMapped();
    const auto found =
        std::ranges::find(m_additions, &topLevel, [](const auto& entry) { return entry.first; });
    if (found != m_additions.end())
        found->second.push_back(addition);
    else
        m_additions.emplace_back(&topLevel, std::vector<MenuLeafAddition>{addition});
}
