#pragma once

#include "entities/MenuInterface.h"
#include "entities/MenuMapList.h"
#include "entities/Variable.h"
#include "model/ReferenceList.h"
#include "platform/core/CArchive.h"
#include "platform/core/CObject.h"
#include "platform/core/CString.h"
#include "platform/core/Types.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

class Field;
class FieldVisibility;
class FormInterface;
class Menu;
class MenuInterface;
class Procedure;
class ProcedureFieldInfo;
class ReferenceList;
class MenuLeafAddition;

// The leaf items of menu trees, each collected once and shared by the page files that one
// clean-up brings in line; valid while the trees do not change.
// What a menu tree gains when a sub-tree is hung below an item: the leaves of the sub-tree, and
// the item itself stops being a leaf when it had no sub-menus (formerLeaf, null when it is the
// top-level item). Taken before any page file gets maps of the new leaves.
class MenuLeafAddition
{
public:
    MenuLeafAddition(const Menu* formerLeaf, Menu& child);

    const Menu* GetFormerLeaf() const { return m_formerLeaf; }
    const std::vector<Menu*>& GetLeaves() const { return m_leaves; }
    // A page file may hold a map of the leaf already.
    bool MayBeMapped(std::size_t leaf) const { return m_mapped[leaf]; }
    bool FormerLeafMayBeMapped() const { return m_formerLeafMapped; }
    // A damaged tree may reach a leaf twice.
    bool RepeatsALeaf() const { return m_repeatsALeaf; }

private:
    const Menu* m_formerLeaf;
    bool m_formerLeafMapped;
    bool m_repeatsALeaf = false;
    std::vector<Menu*> m_leaves;
    std::vector<bool> m_mapped;
};

// While one is open, the leaf additions of Menu::AddSubMenu wait and reach the page files when
// it closes, each file's in one go and in their order; the maps come out as one by one.
class MenuLeafMapBatch
{
public:
    MenuLeafMapBatch();
    ~MenuLeafMapBatch();
    MenuLeafMapBatch(const MenuLeafMapBatch&) = delete;
    MenuLeafMapBatch& operator=(const MenuLeafMapBatch&) = delete;

    // The innermost open batch, null when none is.
    static MenuLeafMapBatch* Current();
    // Keeps the addition for the files of the top-level menu; its leaves count as mapped from
    // now on, as the files will map them.
    void Add(const Menu& topLevel, const MenuLeafAddition& addition);

private:
    MenuLeafMapBatch* m_outer;
    // The top-level menus in the order of their first addition, each with its additions.
    std::vector<std::pair<const Menu*, std::vector<MenuLeafAddition>>> m_additions;
};

class MenuLeafIndex
{
public:
    class Leaves
    {
    public:
        static constexpr std::size_t none = static_cast<std::size_t>(-1);

        // Appends the leaf unless it is there already.
        void Add(Menu* leaf);
        // The position of the leaf in items, none when it is not a leaf of the tree.
        std::size_t PositionOf(const Menu* leaf) const;

        // Every leaf once, in the order of Menu::CollectLeafSubMenus.
        std::vector<Menu*> items;

    private:
        // The slot holding the leaf's position, else the free slot that ends its run.
        std::size_t SlotOf(const Menu* leaf) const;
        void Rehash(std::size_t capacity);

        // Open addressing: position + 1 of the leaf that took the slot, 0 for a free slot.
        std::vector<std::uint32_t> m_slots;
        int m_shift = 64;
    };

    const Leaves& Of(const Menu& menu);

private:
    std::unordered_map<const Menu*, Leaves> m_trees;
};

// One generated file of a page: the page that owns it and which of its files it is, the menu
// items that open it, its top and left menus with the values their leaf items pass, and the
// visibility settings of the page's fields. The classic page generator's file; AspxFile is the
// ASP.NET one.
class AspFile : public CObject
{
    DECLARE_SERIAL(AspFile)

public:
    // A field and a number, held by value.
    using FieldEntry = std::pair<Field*, int>;

    // Owner kinds: the class of the page that owns the file.
    static constexpr int formOwner = 0;
    static constexpr int transactionOwner = 1;
    static constexpr int reportOwner = 2;
    static constexpr int mapFormOwner = 3;
    static constexpr int dashBoardOwner = 4;
    static constexpr int dashBoardPageOwner = 5;
    static constexpr int loginPageOwner = 6;
    static constexpr int multiPageReportOwner = 7;
    static constexpr int reportCollectorOwner = 8;
    static constexpr int rdlcReportOwner = 9;

    AspFile() = default;
    // Leaves every linking item's page-file list, deletes the field visibilities and both map
    // lists.
    ~AspFile() override;
    AspFile(const AspFile&) = delete;
    AspFile& operator=(const AspFile&) = delete;

    // Owner kind, file kind, owner page, linking items, field entries, top and left menus and
    // their maps, then base name, flag and field visibilities (version > 54) and title
    // (version > 71). The owner page is read as the class the owner kind names, as a page of
    // any class for another kind. The flag is written but never read back.
    void Serialize(CArchive& ar) override;

    // Takes over the source's kinds, base name, flag, title, field entries, linking items and
    // menus for the new owner page, and one new visibility per source visibility with its kind
    // alone (no field, no data). The copy joins the page-file list of every linking item and of
    // each menu set; the menu variable maps are not copied.
    void CopyFrom(const AspFile& source, FormInterface* owner);

    int GetOwnerKind() const { return m_ownerKind; }
    void SetOwnerKind(int kind) { m_ownerKind = kind; }
    int GetFileKind() const { return m_fileKind; }
    void SetFileKind(int kind) { m_fileKind = kind; }
    const CString& GetBaseName() const { return m_baseName; }
    void SetBaseName(const CString& name) { m_baseName = name; }
    BYTE GetFlag() const { return m_flag; }
    void SetFlag(BYTE flag) { m_flag = flag; }
    const CString& GetTitle() const { return m_title; }
    void SetTitle(const CString& title) { m_title = title; }
    FormInterface* GetOwnerPage() const { return m_ownerPage; }
    void SetOwnerPage(FormInterface* page) { m_ownerPage = page; }

    // The name of the generated file, by owner kind, file kind and class; the variant names a
    // report's collector file. Empty without owner page or for an unknown owner kind.
    CString GetFileName(BOOL variant) const;
    CString GetDefaultFileName() const { return GetFileName(FALSE); }
    // "module/name" ("module/UI/name" for ASP.NET), behind "../../" from a subfolder; empty
    // when the file has no name.
    CString GetRelativeUrl(BOOL fromSubfolder, BOOL variant) const;
    // The name and address the classic generator gives the file whatever its class: those of a
    // plain AspFile (".asp", the file-kind suffixes, no "UI/"), so that no two classic pages of
    // a project share a name.
    CString GetClassicFileName(BOOL variant) const;
    CString GetClassicRelativeUrl(BOOL fromSubfolder, BOOL variant) const;
    // The display name of the owner kind.
    CString GetKindName() const;
    // Built from the file kind and the page's table on first use and kept; underscores shown
    // as blanks.
    CString GetPageTitle();
    // The suffix of the file kind followed by the extension of the file's class.
    CString GetFileSuffix() const;
    // True for the ASP.NET page file (AspxFile).
    virtual bool IsAspxFile() const { return false; }

    // The items (menus or report fields) that open this file.
    const std::vector<MenuInterface*>& GetLinkingItems() const { return m_linkingItems; }
    void AddLinkingItem(MenuInterface* item) { m_linkingItems.push_back(item); }
    // Null for a bad index.
    MenuInterface* GetLinkingItemAt(int index) const;
    // True when the item is a linking item or the top or the left menu.
    bool IsLinkedFrom(const MenuInterface* item) const;
    // After a load: a linking item that does not refer back to the file is dropped, and the top
    // and left menus list the file among their page files, so that whichever goes first
    // detaches itself from the other.
    void KeepLinksTwoSided();
    // Erases every occurrence of the item from the linking items; when it is the top or the
    // left menu, clears that menu and deletes that side's maps. The maps of the item as a leaf
    // are deleted too, so that none outlives a deleted sub-menu.
    void RemoveMenu(const MenuInterface* item);
    // One erasure of the maps of deleted menus from page files, one file after another.
    class MapErasure
    {
    public:
        explicit MapErasure(const TargetMatch& isMenu) : m_isMenu(isMenu) {}

    private:
        friend class AspFile;
        const TargetMatch& m_isMenu;
        MenuMapList::Places m_top;
        MenuMapList::Places m_left;
    };
    // Erases the maps of the menus that match from both sides: those of a single menu are
    // marked where they stand (MenuMapList), those of several erased in one pass each.
    void EraseMapsOfMenus(MapErasure& erasure);
    void RemoveNullLinks();
    // Lists the linking items and the top and left menus, each released by unlinking it from
    // the file on both sides (MenuInterface::UnlinkAspFile); then per map of either side its menu,
    // released by dropping the map, and the variables of its pairs, released by dropping the
    // pairs that pass them; then the output columns that decide field visibilities, each
    // released by dropping the visibility of that field.
    void ListReferences(ReferenceList& list);
    // What a list made for the variables needs of page files' menu maps: their pairs when a map
    // ever passed one of the variables, nothing otherwise.
    template <class Variables>
    static ReferenceList::MenuMaps MenuMapsFor(const Variables& variables)
    {
        const bool passed = std::ranges::any_of(variables, [](const Variable* variable)
                                                { return variable->IsPassedByMenu(); });
        return passed ? ReferenceList::MenuMaps::variables : ReferenceList::MenuMaps::skipped;
    }

    // While one lives, a page file whose menu maps were found without variable pairs lists them
    // no more for variables: a deletion adds no pairs, so that its checks walk them once.
    class PairlessMapsScope
    {
    public:
        PairlessMapsScope();
        ~PairlessMapsScope();
        PairlessMapsScope(const PairlessMapsScope&) = delete;
        PairlessMapsScope& operator=(const PairlessMapsScope&) = delete;
    };

    const std::vector<FieldEntry>& GetFieldEntries() const { return m_fieldEntries; }
    void AddFieldEntry(const FieldEntry& entry) { m_fieldEntries.push_back(entry); }
    // Copies the entry into out; {null, 0} for a bad index.
    void GetFieldEntryAt(FieldEntry& out, int index) const;

    // Owned.
    const std::vector<FieldVisibility*>& GetFieldVisibilities() const
    {
        return m_fieldVisibilities;
    }
    void AddFieldVisibility(FieldVisibility* visibility)
    {
        m_fieldVisibilities.push_back(visibility);
    }
    // The visibility of that field; null for a null field or when there is none.
    FieldVisibility* FindFieldVisibility(const Field* field) const;
    bool HasFieldVisibility(const FieldVisibility* visibility) const;
    // Each erases and deletes the first visibility of the field or of data comparing the
    // variable; true when one was found (never for null).
    bool RemoveFieldVisibility(const Field* field);
    bool RemoveFieldVisibilityByVariable(const Variable* variable);
    // Erases and deletes the visibility; nothing when it is not listed.
    void DeleteFieldVisibility(FieldVisibility* visibility);
    // Some visibility's data reads that procedure field.
    bool UsesProcedureFieldInVisibility(const ProcedureFieldInfo* procedureField) const;
    void DeleteAllFieldVisibilities();
    // Some visibility is "Invisible".
    bool HasInvisibleField() const;

    Menu* GetTopMenu() const { return m_topMenu; }
    Menu* GetLeftMenu() const { return m_leftMenu; }
    // The file leaves the page-file list of the menu set before on that side (unless the other
    // side shows it too), then takes the new one and joins its page-file list.
    void SetTopMenu(Menu* menu);
    void SetLeftMenu(Menu* menu);

    // Held by value; a pointer to one of them is valid until that side's maps change.
    const std::vector<MenuVariableMap>& GetTopMenuVariableMaps() const { return m_topMaps.Read(); }
    const std::vector<MenuVariableMap>& GetLeftMenuVariableMaps() const
    {
        return m_leftMaps.Read();
    }
    void AddTopMenuVariableMap(MenuVariableMap map);
    void AddLeftMenuVariableMap(MenuVariableMap map);
    void DeleteTopMenuVariableMaps() { m_topMaps.Clear(); }
    void DeleteLeftMenuVariableMaps() { m_leftMaps.Clear(); }
    // Null for a bad index.
    MenuVariableMap* GetTopMenuVariableMapAt(int index);
    MenuVariableMap* GetLeftMenuVariableMapAt(int index);
    // The map of that leaf menu, or null.
    MenuVariableMap* FindTopMenuVariableMap(const Menu* menu);
    MenuVariableMap* FindLeftMenuVariableMap(const Menu* menu);
    // The top-menu map, else the left-menu map, whose menu has the name of the given map's menu
    // (case ignored); maps without menu are skipped; null when none.
    MenuVariableMap* FindMenuVariableMapByName(const MenuVariableMap* map);
    // Brings the top side (when asked and a top menu is set), else the left side (when a left
    // menu is set) in line with the leaves of its menu: a map per leaf, none for other menus.
    // Below version 41 the leaves' maps lose their pairs. A side without menu loses its maps.
    void SyncMenuVariableMaps(BOOL top);
    void SyncMenuVariableMaps(BOOL top, MenuLeafIndex& leafIndex);
    // The side of the file that shows the top-level menu of the grown tree gets the maps of
    // the new leaves and loses those of the former leaf, as SyncMenuVariableMaps would.
    // Additions made just before (madeJustBefore, not waiting in a batch) keep a side's one map
    // per menu.
    void AddMenuLeafMaps(const Menu& topLevel, const std::vector<MenuLeafAddition>& additions,
                         bool madeJustBefore);
    // Erases from each side every later map of a menu an earlier map has.
    void RemoveDuplicateMenuVariableMaps();
    // The load-time clean-up: SyncMenuVariableMaps for the top, then for the left side, then,
    // when asked, RemoveDuplicateMenuVariableMaps.
    void CleanUpMenuVariableMaps(MenuLeafIndex& leafIndex, bool dropDuplicates);

private:
    // SetTopMenu and SetLeftMenu on one side.
    void ReplaceSideMenu(Menu*& side, Menu* menu, const Menu* otherSide);
    // GetFileName, GetFileSuffix and GetRelativeUrl as the ASP.NET (aspx) or the classic
    // generator names the file.
    CString FileName(BOOL variant, bool aspx) const;
    CString KindSuffix(bool aspx) const;
    CString RelativeUrl(BOOL fromSubfolder, BOOL variant, bool aspx) const;
    // SyncMenuVariableMaps; true when a leaf of the side brought in line had more than one map.
    bool SyncSide(BOOL top, MenuLeafIndex& leafIndex);
    // The stem (the copy's page name, else the form's table name) with "Add" or "Update" and
    // ".aspx"; empty without table.
    CString FormAspxFileName() const;

    int m_ownerKind = 0;
    int m_fileKind = 1;
    CString m_baseName;
    BYTE m_flag = 0;
    CString m_title;
    FormInterface* m_ownerPage = nullptr;
    std::vector<MenuInterface*> m_linkingItems;
    std::vector<FieldEntry> m_fieldEntries;
    std::vector<FieldVisibility*> m_fieldVisibilities;
    Menu* m_topMenu = nullptr;
    Menu* m_leftMenu = nullptr;
    MenuMapList m_topMaps;
    MenuMapList m_leftMaps;
};
