#include "gen_web/ASPXMenuWriter.h"

#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/DashBoardPage.h"
#include "entities/Designation.h"
#include "entities/Form.h"
#include "entities/Menu.h"
#include "entities/RDLCReport.h"
#include "entities/Transaction.h"
#include "gen_web/CodeLines.h"
#include "gen_web/DashBoardPageNames.h"
#include "gen_web/PageReach.h"
#include "model/ForgeonProject.h"
#include "model/Identifiers.h"
#include "model/Module.h"
#include "platform/core/LiteralEscaping.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace
{
// The C# variable of a menu's item.
CString ItemId(const Menu& menu)
{
    CString id;
    id.Format("Menu1n%d", menu.GetId());
    return id;
}

// The role's address, the file name and the structure name, the names each after its length.
std::string EntryKey(const void* role, const CString& fileName, const CString& structureName)
{
    const std::uintptr_t address = reinterpret_cast<std::uintptr_t>(role);
    std::string key(reinterpret_cast<const char*>(&address), sizeof address);
    for (const CString* name : {&fileName, &structureName})
        key += std::to_string(name->GetLength()) + ':' + name->str();
    return key;
}

// The roles' ids as the generated tables hold them.
CString RoleId(const Designation& role)
{
    CString id;
    id.Format("%d", role.GetId());
    return id;
}
} // namespace

ASPXMenuWriter::ASPXMenuWriter(ForgeonProject* project, GenerationReport& report)
    : AspxWriter(project, nullptr, report)
{
}

void ASPXMenuWriter::Write()
{
    WriteHead();
    WriteRoleFileLookup();
    WriteTopMenuStructure();
    WriteWriteTopMenus();
    WriteResolveTable();
    WriteResolveTopMenus();
    WriteIsFileAssigned();
    WriteFirstAssignedUrl();
    WritePageReach();
    m_textFile.Write(1, "}\n");
    m_textFile.Write(0, "}\n");
    SaveFile("Menus.cs", GetRelativeFolder(false) + "\\Util");
}

void ASPXMenuWriter::WriteHead()
{
    WriteCodeLines(m_textFile, {
                                   {0, "using System;"},
                                   {0, "using System.Web.UI.WebControls;"},
                                   {0, ""},
                                   {0, ""},
                               });
    m_textFile.Write(0, "namespace %s\n", CSharpIdentifier(m_project->GetProjectName()));
    m_textFile.Write(0, "{\n");
    m_textFile.Write(1, "public partial class ASPXMenuWriter\n");
    m_textFile.Write(1, "{\n");
}

// The files of each role's menus, then its dashboard pages (those that lead it to its pages) that
// none of its menus opens.
void ASPXMenuWriter::WriteRoleFileLookup()
{
    m_textFile.Write(2, "string [,] ROLE_FILE_LOOKUP = new string[,] {\n");
    const char* separator = "";
    if (const Module* base = m_project->GetBaseModule())
    {
        for (const Designation* role : base->GetDesignations())
        {
            std::vector<CString> files;
            for (const Menu* menu : role->GetMenus())
                if (menu->GetAspFile() != nullptr)
                    files.push_back(menu->GetAspFile()->GetDefaultFileName());
            for (const DashBoardPage* page : RoleDashBoardPages(*m_project, *role))
            {
                const CString file = DashBoardPageFileName(*page);
                if (!file.IsEmpty() && std::ranges::find(files, file) == files.end())
                    files.push_back(file);
            }
            for (const CString& file : files)
            {
                m_textFile.Write(0, "%s", separator);
                m_textFile.Write(3, "{\"%s\", \"%s\"}", RoleId(*role), EscapeCSharpString(file));
                separator = ",\n";
            }
        }
    }
    if (*separator != '\0')
        m_textFile.Write(0, "\n");
    m_textFile.Write(2, "};\n");
}

void ASPXMenuWriter::WriteTopMenuStructure()
{
    m_textFile.Write(2, "void writeTopMenuStructure(String menuStructureName, ref Menu menu)\n");
    m_textFile.Write(2, "{\n");
    m_textFile.Write(3, "menu.Items.Clear();\n");
    for (const Module* module : m_project->GetModules())
    {
        for (const Form* form : module->GetMasterForms())
            WritePageBranches(*form);
    }
    for (const Module* module : m_project->GetModules())
    {
        for (const Transaction* transaction : module->GetTransactions())
            WritePageBranches(*transaction);
    }
    for (const Module* module : m_project->GetModules())
    {
        for (const ApplicationReport* report : module->GetReports())
            WritePageBranches(*report);
    }
    for (const Module* module : m_project->GetModules())
    {
        for (const RDLCReport* report : module->GetRDLCReports())
        {
            if (report->FilesExist(m_project))
                WritePageBranches(*report);
        }
    }
    for (const Module* module : m_project->GetModules())
    {
        for (const DashBoardPage* page : module->GetDashBoardPages())
            WritePageBranches(*page);
    }
    m_textFile.Write(2, "}\n");
}

void ASPXMenuWriter::WritePageBranches(const FormInterface& page)
{
    for (const AspFile* file : page.GetAspFiles())
    {
        const Menu* topMenu = file->GetTopMenu();
        if (!file->IsAspxFile() || topMenu == nullptr)
            continue;
        for (const Designation* role : MenuBarRoles(*topMenu))
        {
            const CString structureName = StructureName(*topMenu, *role);
            if (m_structures.insert(structureName).second)
                WriteBranch(*topMenu, *role, structureName);
            const Entry entry{role, file->GetDefaultFileName(), structureName};
            if (m_entryKeys.insert(EntryKey(role, entry.fileName, structureName)).second)
                m_entries.push_back(entry);
        }
    }
}

// The roles linked to the menu, then the other roles of the base module, that have an item on
// its bar.
std::vector<const Designation*> ASPXMenuWriter::MenuBarRoles(const Menu& topMenu) const
{
    std::vector<const Designation*> roles(topMenu.GetRoles().begin(), topMenu.GetRoles().end());
    if (const Module* base = m_project->GetBaseModule())
        for (const Designation* role : base->GetDesignations())
            if (std::ranges::find(roles, role) == roles.end())
                roles.push_back(role);
    std::erase_if(roles, [&](const Designation* role) { return !ShowsItems(topMenu, *role); });
    return roles;
}

void ASPXMenuWriter::WriteBranch(const Menu& topMenu, const Designation& role,
                                 const CString& structureName)
{
    const char* format = m_entries.empty() ? "if(menuStructureName == \"%s\")\n"
                                           : "else if(menuStructureName == \"%s\")\n";
    m_textFile.Write(3, format, EscapeCSharpString(structureName));
    m_textFile.Write(3, "{\n");
    WriteItems(topMenu, role);
    m_textFile.Write(3, "}\n");
}

void ASPXMenuWriter::WriteItems(const Menu& menu, const Designation& role)
{
    // The top menu of a structure has no item of its own: its leaves go onto the menu bar.
    const bool hasItem = menu.GetParent() != nullptr;
    const CString id = ItemId(menu);
    if (hasItem)
    {
        m_textFile.Write(4, "MenuItem %s = new MenuItem(\"%s\", null, null, null);\n", id,
                         EscapeCSharpString(menu.GetName()));
        if (menu.GetAspFile() == nullptr)
            m_textFile.Write(4, "%s.Selectable = false;\n", id);
        m_textFile.Write(4, "menu.Items.Add(%s);\n", id);
    }
    for (const Menu* subMenu : menu.GetSubMenus())
    {
        if (!ShowsLeaf(*subMenu, role))
            continue;
        m_textFile.Write(4, "MenuItem %s = new MenuItem(\"%s\", null, null, \"%s\");\n",
                         ItemId(*subMenu), EscapeCSharpString(subMenu->GetName()),
                         EscapeCSharpString(subMenu->GetAspFile()->GetRelativeUrl(TRUE, FALSE)));
        if (hasItem)
            m_textFile.Write(4, " %s.ChildItems.Add(%s);\n", id, ItemId(*subMenu));
        else
            m_textFile.Write(4, " menu.Items.Add(%s);\n", ItemId(*subMenu));
    }
    for (const Menu* subMenu : menu.GetSubMenus())
    {
        if (!subMenu->GetSubMenus().empty() && ShowsItems(*subMenu, role))
            WriteItems(*subMenu, role);
    }
}

bool ASPXMenuWriter::ShowsLeaf(const Menu& menu, const Designation& role) const
{
    return menu.GetSubMenus().empty() && role.HasMenu(&menu) && menu.GetAspFile() != nullptr &&
           !OpensMissingReport(menu);
}

bool ASPXMenuWriter::ShowsItems(const Menu& menu, const Designation& role) const
{
    return std::ranges::any_of(menu.GetSubMenus(),
                               [&](const Menu* subMenu)
                               {
                                   return ShowsLeaf(*subMenu, role) ||
                                          (!subMenu->GetSubMenus().empty() &&
                                           ShowsItems(*subMenu, role));
                               });
}

void ASPXMenuWriter::WriteWriteTopMenus()
{
    WriteCodeLines(
        m_textFile,
        {
            {2, "public void WriteTopMenus(String role, String fileName, ref Menu menu)"},
            {2, "{"},
            {3, "String combiNation = resolveTopMenus(role, fileName);"},
            {3, "writeTopMenuStructure(combiNation, ref menu);"},
            {3, "menu.Visible = menu.Items.Count > 0;"},
            {2, "}"},
        });
}

// Always written, with the "Menus Not Required" row last, so that resolveTopMenus compiles
// when no page has a top menu.
void ASPXMenuWriter::WriteResolveTable()
{
    m_textFile.Write(2, "string [,] RESOLVE_TOP_MENU_ITEMS = new string[,] {\n");
    for (const Entry& entry : m_entries)
        m_textFile.Write(3, "{\"%s\", \"%s\", \"%s\"},\n", RoleId(*entry.role),
                         EscapeCSharpString(entry.fileName),
                         EscapeCSharpString(entry.structureName));
    m_textFile.Write(3, "{\"0\" , \"Menus Not Required\", null }\n");
    m_textFile.Write(2, "};\n");
}

void ASPXMenuWriter::WriteResolveTopMenus()
{
    WriteCodeLines(m_textFile,
                   {
                       {2, "public String resolveTopMenus(String role, String fileName)"},
                       {2, "{"},
                       {3, "String menu = \"\";"},
                       {3, "int combiNation = -1;"},
                       {3, "for (int i = 0; i < RESOLVE_TOP_MENU_ITEMS.GetLength(0); i++)"},
                       {3, "{"},
                       {4, "if (RESOLVE_TOP_MENU_ITEMS[i, 0] == role && "
                           "RESOLVE_TOP_MENU_ITEMS[i, 1] == fileName)"},
                       {4, "{"},
                       {5, "combiNation = i;"},
                       {5, "break;"},
                       {4, "}"},
                       {3, "}"},
                       {3, "if (combiNation == -1)"},
                       {4, "combiNation = RESOLVE_TOP_MENU_ITEMS.GetLength(0) - 1;"},
                       {3, "menu = RESOLVE_TOP_MENU_ITEMS[combiNation, 2];"},
                       {3, "return menu;"},
                       {2, "}"},
                   });
}

void ASPXMenuWriter::WriteIsFileAssigned()
{
    WriteCodeLines(
        m_textFile,
        {
            {2, "public bool IsFileAssigned(String role, String fileName)"},
            {2, "{"},
            {3, "for (int i = 0; i < ROLE_FILE_LOOKUP.GetLength(0); i++)"},
            {3, "{"},
            {4, "if (ROLE_FILE_LOOKUP[i, 0] == role && ROLE_FILE_LOOKUP[i, 1] == fileName)"},
            {5, "return true;"},
            {3, "}"},
            {3, "return false;"},
            {2, "}"},
        });
}

// A dashboard cell opens the first of its pages that the role holds.
void ASPXMenuWriter::WriteFirstAssignedUrl()
{
    WriteCodeLines(
        m_textFile,
        {
            {2, "//The first of the pages that the role holds, or \"\" when it holds none"},
            {2, "public String FirstAssignedUrl(String role, params String[] urls)"},
            {2, "{"},
            {3, "foreach (String url in urls)"},
            {3, "{"},
            {4, "if (IsFileAssigned(role, url.Substring(url.LastIndexOf('/') + 1)))"},
            {5, "return url;"},
            {3, "}"},
            {3, "return \"\";"},
            {2, "}"},
        });
}

// The pages each role may open, those of them on which it takes no action, the administrator's
// role, which opens every page, and the page on which an account sets its password.
void ASPXMenuWriter::WritePageReach()
{
    const auto writeLookup =
        [this](const char* name, const std::map<int, std::set<std::string>>& pagesByRole)
    {
        m_textFile.Write(2, "string [,] %s = new string[,] {\n", name);
        for (const auto& [role, pages] : pagesByRole)
            for (const std::string& page : pages)
                m_textFile.Write(3, "{\"%d\", \"%s\"},\n", role,
                                 EscapeCSharpString(CString(page.c_str())));
        m_textFile.Write(3, "{\"\", \"\"}\n");
        m_textFile.Write(2, "};\n");
    };
    writeLookup("ROLE_PAGE_LOOKUP", ReachablePages(*m_project));
    writeLookup("ROLE_VIEW_ONLY_LOOKUP", ViewOnlyPages(*m_project));
    const Module* base = m_project->GetBaseModule();
    const std::vector<Designation*> roles =
        base != nullptr ? base->GetDesignations() : std::vector<Designation*>();
    m_textFile.Write(2, "public const String ADMINISTRATOR_ROLE = \"%s\";\n",
                     roles.empty() ? CString() : RoleId(*roles.front()));
    m_textFile.Write(2, "public static readonly String PASSWORD_PAGE = \"%s\";\n",
                     EscapeCSharpString(CString(PasswordPagePath(*m_project).c_str())));
    WriteCodeLines(
        m_textFile,
        {
            {2, "//True when the role may open the page given by its application-relative path"},
            {2, "public bool MayOpen(String role, String page)"},
            {2, "{"},
            {3, "if (role == ADMINISTRATOR_ROLE)"},
            {4, "return true;"},
            {3, "page = page.ToLower();"},
            {3, "for (int i = 0; i < ROLE_PAGE_LOOKUP.GetLength(0); i++)"},
            {3, "{"},
            {4, "if (ROLE_PAGE_LOOKUP[i, 0] == role && ROLE_PAGE_LOOKUP[i, 1] == page)"},
            {5, "return true;"},
            {3, "}"},
            {3, "return false;"},
            {2, "}"},
            {2,
             "//True when the role may act on the records of a page it opens: false on the pages "
             "that only a report's rows lead it to"},
            {2, "public bool MayAct(String role, String page)"},
            {2, "{"},
            {3, "page = page.ToLower();"},
            {3, "for (int i = 0; i < ROLE_VIEW_ONLY_LOOKUP.GetLength(0); i++)"},
            {3, "{"},
            {4, "if (ROLE_VIEW_ONLY_LOOKUP[i, 0] == role && ROLE_VIEW_ONLY_LOOKUP[i, 1] == page)"},
            {5, "return false;"},
            {3, "}"},
            {3, "return true;"},
            {2, "}"},
        });
}

CString ASPXMenuWriter::StructureName(const Menu& menu, const Designation& role)
{
    CString name = menu.GetName() + "_" + role.GetName();
    name.MakeUpper();
    name.Replace(' ', '_');
    return name;
}

bool ASPXMenuWriter::OpensMissingReport(const Menu& menu) const
{
    const AspFile* page = menu.GetAspFile();
    const auto* report =
        page != nullptr ? dynamic_cast<const RDLCReport*>(page->GetOwnerPage()) : nullptr;
    return report != nullptr && !report->FilesExist(m_project);
}

void WriteMenuBarMarkup(TextFile& file, int indent)
{
    file.Write(indent, "\n");
    file.Write(indent, "<br/><table cellspacing=\"0\" class=\"MenuTable\">\n");
    file.Write(indent + 1, "<tr>\n");
    file.Write(indent + 2, "<td class=\"MenuPadding\">\n");
    file.Write(
        indent + 2,
        "<asp:Menu ID=\"Menu1\" runat=\"server\" StaticMenuItemStyle-CssClass=\"menuFirstLevel\" "
        "Orientation=\"Horizontal\" DynamicMenuItemStyle-CssClass=\"menuSecondLevel\">\n");
    file.Write(indent + 1, "</asp:Menu>\n");
    file.Write(indent, "</td>\n");
    file.Write(indent, "</tr>\n");
    file.Write(indent - 1, "</table>\n");
}
