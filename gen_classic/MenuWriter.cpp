#include "gen_classic/MenuWriter.h"

#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/DashBoardPage.h"
#include "entities/Designation.h"
#include "entities/Form.h"
#include "entities/MapForm.h"
#include "entities/Menu.h"
#include "entities/Transaction.h"
#include "entities/Variable.h"
#include "gen_classic/ClassicText.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/ForgeonProject.h"
#include "model/GenerationReport.h"
#include "model/Identifiers.h"
#include "model/Module.h"
#include "model/Table.h"
#include "platform/core/LiteralEscaping.h"

#include <algorithm>

namespace
{

template <class Page> void AppendFiles(const std::vector<Page*>& pages, std::vector<AspFile*>& out)
{
    for (const Page* page : pages)
        out.insert(out.end(), page->GetAspFiles().begin(), page->GetAspFiles().end());
}

// Action pages and extra report pages have no menus to click.
bool HasClickFunction(const AspFile& file)
{
    const int kind = file.GetFileKind();
    return kind != 2 && kind != 4 && kind != 6 && kind != 8 && kind != 9 && kind != 11;
}

bool MayUse(const Designation& role, const Menu* menu)
{
    return role.HasMenu(menu);
}

// The name of the page's form in the browser's document: a form's or map form's table, else
// the field's table; the page name for the other pages.
CString FormNameOf(FormInterface* page, const Field* field)
{
    const auto* form = dynamic_cast<Form*>(page);
    const auto* mapForm = dynamic_cast<MapForm*>(page);
    const Table* table = form != nullptr      ? form->GetTable()
                         : mapForm != nullptr ? mapForm->GetMappingTable()
                                              : nullptr;
    if (table == nullptr && field != nullptr)
        table = field->GetTable();
    CString name = form == nullptr && mapForm == nullptr ? page->GetFormName()
                   : table != nullptr                    ? table->GetTableName()
                                                         : CString();
    return "frm" + ScriptNamePart(name);
}

} // namespace

MenuWriter::MenuWriter(const ForgeonProject& project, const CString& folder,
                       GenerationReport& report)
    : m_project(project), m_folder(folder), m_report(report)
{
}

void MenuWriter::Write()
{
    m_arrayNames = {"RESOLVE_MENU_ITEMS", "RESOLVE_MENU_ITEMS_1"};
    WriteMenus(true);
    SaveFile("/_system/js/TopMenus.js", m_menusFile);
    m_entries.clear();
    SaveFile("/_system/js/TopMenusOnClick.js", m_onClickFile);
    WriteMenus(false);
    SaveFile("/_system/js/LeftMenus.js", m_menusFile);
    SaveFile("/_system/js/LeftMenusOnClick.js", m_onClickFile);
    m_entries.clear();
}

void MenuWriter::SaveFile(const char* name, TextFile& text)
{
    SaveTextFile(m_folder + name, text.GetBuffer(), m_report);
    text.ClearBuffer();
}

std::vector<AspFile*> MenuWriter::CollectPageFiles() const
{
    std::vector<AspFile*> files;
    for (int index = 0; index < m_project.GetModuleCount(); ++index)
    {
        const Module* module = m_project.GetModuleAt(index);
        AppendFiles(module->GetMasterForms(), files);
        AppendFiles(module->GetMapForms(), files);
        AppendFiles(module->GetTransactions(), files);
        AppendFiles(module->GetReports(), files);
        AppendFiles(module->GetDashBoardPages(), files);
    }
    return files;
}

void MenuWriter::WriteMenus(bool top)
{
    for (const AspFile* file : CollectPageFiles())
    {
        WriteMenuArrays(*file, top);
        WriteMenuClickFunction(*file, top);
    }
    WriteResolveMenuItems(top);
    WriteFindMenuItem(top);
}

void MenuWriter::WriteMenuArrays(const AspFile& file, bool top)
{
    const Menu* menu = top ? file.GetTopMenu() : file.GetLeftMenu();
    if (menu == nullptr)
        return;
    const CString fileName = file.GetClassicFileName(FALSE);
    for (const Designation* role : menu->GetRoles())
    {
        bool known = false;
        const CString arrayName = ArrayName(*menu, *role, top, known);
        if (!known)
        {
            m_menusFile.Write(0, "var %s = [\n", arrayName);
            WriteMenuItems(*menu, *role, 1);
            m_menusFile.Write(0, "];\n\n");
        }
        m_entries.push_back({menu, role, fileName, arrayName});
    }
}

CString MenuWriter::ArrayName(const Menu& menu, const Designation& role, bool top, bool& known)
{
    const auto entry =
        std::find_if(m_entries.begin(), m_entries.end(),
                     [&](const auto& made) { return made.menu == &menu && made.role == &role; });
    known = entry != m_entries.end();
    if (known)
        return entry->arrayName;
    CString text = menu.GetName() + "_" + role.GetName();
    if (!top)
        text += "_1";
    text.MakeUpper();
    const CString base = JavaScriptIdentifier(text);
    CString name = base;
    for (int number = 2; m_arrayNames.contains(name); ++number)
        name.Format("%s_%d", base.GetString(), number);
    m_arrayNames.insert(name);
    return name;
}

void MenuWriter::WriteMenuItems(const Menu& menu, const Designation& role, int indent)
{
    std::vector<const Menu*> usable;
    for (const Menu* subMenu : menu.GetSubMenus())
        if (MayUse(role, subMenu))
            usable.push_back(subMenu);
    for (std::size_t index = 0; index < usable.size(); ++index)
    {
        const Menu& subMenu = *usable[index];
        const bool hasSubMenus = !subMenu.GetSubMenus().empty();
        m_menusFile.Write(indent, "['%s', '#', {'tw' : '%s'}, %d",
                          EscapeJavaScriptString(subMenu.GetName()),
                          hasSubMenus ? "_parent" : "_self", subMenu.GetId());
        if (hasSubMenus)
        {
            m_menusFile.Write(0, ",\n");
            WriteMenuItems(subMenu, role, indent + 1);
        }
        m_menusFile.Write(0, "]");
        if (index + 1 < usable.size())
            m_menusFile.Write(0, ",\n");
    }
}

int MenuWriter::RoleNumber(const Designation* role) const
{
    for (int index = 0; index < m_project.GetModuleCount(); ++index)
    {
        const int position = m_project.GetModuleAt(index)->GetDesignationIndex(role);
        if (position >= 0)
            return position + 1;
    }
    return -1;
}

void MenuWriter::WriteResolveMenuItems(bool top)
{
    if (m_entries.empty())
        return;
    m_menusFile.Write(0, top ? "var RESOLVE_MENU_ITEMS = [\n" : "var RESOLVE_MENU_ITEMS_1 = [\n");
    for (const MenuEntry& entry : m_entries)
    {
        m_menusFile.Write(1, "[%d, '%s', %s]", RoleNumber(entry.role),
                          EscapeJavaScriptString(entry.fileName), entry.arrayName);
        m_menusFile.Write(0, ",");
        m_menusFile.Write(0, "\n");
    }
    m_menusFile.Write(1, "[0, 'Menus Not Required', null]\n");
    m_menusFile.Write(0, "];\n\n");
}

void MenuWriter::WriteFindMenuItem(bool top)
{
    const char* function = top ? "FindMenuItem" : "FindMenuItem_1";
    const char* table = top ? "RESOLVE_MENU_ITEMS" : "RESOLVE_MENU_ITEMS_1";
    TextFile& out = m_menusFile;
    out.Write(0, "function %s(desigId, fileName)\n", function);
    out.Write(0, "{\n");
    out.Write(1, "var row;\n");
    out.Write(1, "for(var i=0; i < %s.length; i++)\n", table);
    out.Write(1, "{\n");
    out.Write(2, "if (%s[i][0] == desigId)\n", table);
    out.Write(2, "{\n");
    out.Write(3, "if (%s[i][1] == fileName)\n", table);
    out.Write(3, "{\n");
    out.Write(4, "row = i;\n");
    out.Write(4, "break;\n");
    out.Write(3, "}\n");
    out.Write(2, "}\n");
    out.Write(2, "else\n");
    out.Write(2, "{\n");
    out.Write(3, "row = -1;\n");
    out.Write(2, "}\n");
    out.Write(1, "}\n");
    out.Write(1, "if(row == -1)\n");
    out.Write(1, "{\n");
    out.Write(2, "return (%s[%s.length-1][2]);\n", table, table);
    out.Write(1, "}\n");
    out.Write(1, "return(%s[row][2]);\n", table);
    out.Write(0, "}\n");
}

void MenuWriter::WriteMenuClickFunction(const AspFile& file, bool top)
{
    if (!HasClickFunction(file))
        return;
    TextFile& out = m_onClickFile;
    out.Write(0, "function %s(id)\n", MenuClickFunction(file, top));
    out.Write(0, "{\n");
    const auto& maps = top ? file.GetTopMenuVariableMaps() : file.GetLeftMenuVariableMaps();
    std::vector<Variable*> variables;
    for (const MenuVariableMap& map : maps)
        for (const auto& pair : map.GetVariablePairs())
            if (pair.second != nullptr &&
                std::find(variables.begin(), variables.end(), pair.second) == variables.end())
                variables.push_back(pair.second);
    FormInterface* page = file.GetOwnerPage();
    for (Variable* variable : variables)
    {
        const CString declared = JsVariableName(*variable);
        const FieldVariableMap* fieldMap =
            page != nullptr ? page->FindFieldVariableMapByVariable(variable) : nullptr;
        if (fieldMap == nullptr)
        {
            out.Write(1, "var %s\n", declared);
            continue;
        }
        const CString form = FormNameOf(page, fieldMap->field);
        const bool key = fieldMap->field != nullptr && fieldMap->field->IsKey();
        const FieldRep* control =
            fieldMap->field != nullptr ? page->GetFieldRepForField(fieldMap->field) : nullptr;
        if (variable->GetKind() == Variable::pageKind || key)
            out.Write(1, "var %s = document.%s.%s.value\n", declared, form,
                      VbsVariableName(*variable));
        else if (control != nullptr && !control->GetControlId().IsEmpty())
            out.Write(1, "var %s = document.%s.%s.value\n", declared, form,
                      control->GetControlId());
        else
            out.Write(1, "var %s\n", declared);
    }
    out.Write(1, "var url = \"constructionpage.asp\";\n");
    for (const MenuVariableMap& map : maps)
    {
        const AspFile* target = map.m_menu != nullptr ? map.m_menu->GetAspFile() : nullptr;
        if (target == nullptr)
            continue;
        out.Write(1, "if (id == %d)\n", map.m_menu->GetId());
        out.Write(1, "{\n");
        out.Write(2, "url = \"%s?\"", ClassicAddress(target, true));
        const char* separator = "";
        for (const auto& pair : map.GetVariablePairs())
        {
            out.Write(0, " + ");
            out.Write(0, "\"%s%s=\"+encodeURIComponent(%s)", separator,
                      pair.first != nullptr ? pair.first->GetFieldName() : CString(),
                      pair.second != nullptr ? JsVariableName(*pair.second) : CString());
            separator = "&";
        }
        out.Write(0, "\n");
        out.Write(1, "}\n");
    }
    out.Write(1, "window.navigate(url);\n");
    out.Write(0, "}\n\n");
}
