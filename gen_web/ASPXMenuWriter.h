#pragma once

#include "gen_web/AspxWriter.h"
#include "platform/core/CString.h"

#include <string>
#include <unordered_set>
#include <vector>

class Designation;
class ForgeonProject;
class GenerationReport;
class FormInterface;
class Menu;
class TextFile;

// Util\Menus.cs: the generated class ASPXMenuWriter that builds a page's top menu bar for the
// logged-in role and tells whether a role may open a page, from constant lookup tables.
class ASPXMenuWriter : public AspxWriter
{
public:
    ASPXMenuWriter(ForgeonProject* project, GenerationReport& report);

    // Writes the class and saves it as "Menus.cs" in the Util folder.
    void Write();

private:
    // A top menu as one role sees it on one page file.
    struct Entry
    {
        const Designation* role;
        CString fileName;
        CString structureName;
    };

    void WriteHead();
    void WriteRoleFileLookup();
    void WriteTopMenuStructure();
    void WritePageBranches(const FormInterface& page);
    void WriteBranch(const Menu& topMenu, const Designation& role, const CString& structureName);
    std::vector<const Designation*> MenuBarRoles(const Menu& topMenu) const;
    // The menu's own item (when it has a parent), its leaf items that the role holds, then depth
    // first its sub-menus that hold such items.
    void WriteItems(const Menu& menu, const Designation& role);
    // A leaf item that the role holds and that opens a page.
    bool ShowsLeaf(const Menu& menu, const Designation& role) const;
    // Whether such a leaf stands anywhere below the menu.
    bool ShowsItems(const Menu& menu, const Designation& role) const;
    void WriteWriteTopMenus();
    void WriteResolveTable();
    void WriteResolveTopMenus();
    void WriteIsFileAssigned();
    void WriteFirstAssignedUrl();
    void WritePageReach();

    // The structure name of the menu for the role: "<menu>_<role>" upper-cased, blanks as "_".
    static CString StructureName(const Menu& menu, const Designation& role);
    // Whether the menu's page is an RDLC report whose files are missing.
    bool OpensMissingReport(const Menu& menu) const;

    // In the order written; the sets index them: the structures written and the entries by
    // role, file and structure.
    std::vector<Entry> m_entries;
    std::unordered_set<CString> m_structures;
    std::unordered_set<std::string> m_entryKeys;
};

// The menu bar that generated pages place their top menu in ("Menu1"), at indent n.
void WriteMenuBarMarkup(TextFile& file, int indent);
