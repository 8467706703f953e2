#pragma once

#include "model/TextFile.h"
#include "platform/core/CString.h"

#include <set>
#include <vector>

class AspFile;
class Designation;
class ForgeonProject;
class GenerationReport;
class Menu;

// The four menu scripts of the classic application under "_system/js" of the folder: per menu
// and role an array of its items, the table that resolves (role, page file) to an array, the
// lookup function, and per page file the click handler that gathers its values and navigates.
class MenuWriter
{
public:
    MenuWriter(const ForgeonProject& project, const CString& folder, GenerationReport& report);
    MenuWriter(const MenuWriter&) = delete;
    MenuWriter& operator=(const MenuWriter&) = delete;

    // "TopMenus.js", "TopMenusOnClick.js", "LeftMenus.js" and "LeftMenusOnClick.js".
    void Write();

private:
    struct MenuEntry
    {
        const Menu* menu;
        const Designation* role;
        CString fileName;
        CString arrayName;
    };

    // The page files of master forms, map forms, transactions, reports and dashboard pages of
    // every module, in project order.
    std::vector<AspFile*> CollectPageFiles() const;
    void WriteMenus(bool top);
    void WriteMenuArrays(const AspFile& file, bool top);
    // The array name of the menu for the role: the menu name, "_", the role name and "_1" for
    // the left menus, upper-cased, as a script identifier that no other array and no name of
    // the scripts has; a name made before for the pair is found in the entries.
    CString ArrayName(const Menu& menu, const Designation& role, bool top, bool& known);
    void WriteMenuItems(const Menu& menu, const Designation& role, int indent);
    void WriteResolveMenuItems(bool top);
    void WriteFindMenuItem(bool top);
    void WriteMenuClickFunction(const AspFile& file, bool top);
    // Position of the role in the role list of the first module that holds it, plus 1; -1 when
    // no module holds it.
    int RoleNumber(const Designation* role) const;
    void SaveFile(const char* name, TextFile& text);

    const ForgeonProject& m_project;
    CString m_folder;
    GenerationReport& m_report;
    TextFile m_menusFile{false, false, '=', 60};
    TextFile m_onClickFile{false, false, '=', 60};
    std::vector<MenuEntry> m_entries;
    // The array names of both passes, with the names the scripts declare themselves.
    std::set<CString> m_arrayNames;
};
