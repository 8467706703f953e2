#pragma once

#include "platform/core/CArchive.h"
#include "platform/core/CObject.h"
#include "platform/core/CString.h"
#include "platform/core/Types.h"

#include <utility>
#include <vector>

class Field;
class FieldVisibility;
class FormInterface;
class Menu;
class MenuInterface;
struct MenuVariableMap;

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

    AspFile() = default;
    // Leaves every linking item's page-file list, deletes the field visibilities and both map
    // lists.
    ~AspFile() override;
    AspFile(const AspFile&) = delete;
    AspFile& operator=(const AspFile&) = delete;

    // Owner kind, file kind, owner page, linking items, field entries, top and left menus and
    // their maps, then base name, flag and field visibilities (version > 54) and title
    // (version > 71). The flag is written but never read back.
    void Serialize(CArchive& ar) override;

    // Takes over the source's kinds, base name, flag, title, field entries, linking items and
    // menus for the new owner page, and one new visibility per source visibility with its field
    // and kind. The copy joins the page-file list of every linking item and of each menu set;
    // the menu variable maps are not copied.
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

    // The items (menus or report fields) that open this file.
    const std::vector<MenuInterface*>& GetLinkingItems() const { return m_linkingItems; }
    void AddLinkingItem(MenuInterface* item) { m_linkingItems.push_back(item); }
    // True when the item is a linking item or the top or the left menu.
    bool IsLinkedFrom(const MenuInterface* item) const;
    // Erases every occurrence of the item from the linking items; when it is the top or the
    // left menu, clears that menu and deletes that side's maps.
    void RemoveMenu(const MenuInterface* item);

    const std::vector<FieldEntry>& GetFieldEntries() const { return m_fieldEntries; }
    void AddFieldEntry(const FieldEntry& entry) { m_fieldEntries.push_back(entry); }

    // Owned.
    const std::vector<FieldVisibility*>& GetFieldVisibilities() const
    {
        return m_fieldVisibilities;
    }
    void AddFieldVisibility(FieldVisibility* visibility)
    {
        m_fieldVisibilities.push_back(visibility);
    }

    Menu* GetTopMenu() const { return m_topMenu; }
    Menu* GetLeftMenu() const { return m_leftMenu; }
    // The file leaves the page-file list of the menu set before on that side, then takes the
    // new one; the caller adds the file to the new menu's list.
    void SetTopMenu(Menu* menu);
    void SetLeftMenu(Menu* menu);

    // Owned.
    const std::vector<MenuVariableMap*>& GetTopMenuVariableMaps() const { return m_topMenuMaps; }
    const std::vector<MenuVariableMap*>& GetLeftMenuVariableMaps() const { return m_leftMenuMaps; }
    void AddTopMenuVariableMap(MenuVariableMap* map) { m_topMenuMaps.push_back(map); }
    void AddLeftMenuVariableMap(MenuVariableMap* map) { m_leftMenuMaps.push_back(map); }
    void DeleteTopMenuVariableMaps();
    void DeleteLeftMenuVariableMaps();

private:
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
    std::vector<MenuVariableMap*> m_topMenuMaps;
    std::vector<MenuVariableMap*> m_leftMenuMaps;
};
