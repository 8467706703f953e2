#include "model/ProjectNameCheck.h"

#include "entities/Class.h"
#include "entities/Designation.h"
#include "entities/FormInterface.h"
#include "entities/Function.h"
#include "entities/LinkControl.h"
#include "entities/Menu.h"
#include "entities/Procedure.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/ForgeonProject.h"
#include "model/Identifiers.h"
#include "model/Module.h"
#include "model/NameUtilities.h"
#include "model/ProjectSettings.h"
#include "model/RefField.h"
#include "model/SitePageNames.h"
#include "model/Table.h"
#include "platform/core/MessageBox.h"
#include "platform/core/TextBytes.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace
{
CString ModuleText(const Module& module)
{
    return "the module name " + QuotedName(module.GetName());
}

CString TableText(const Table& table, const Module& module)
{
    return "the table name " + QuotedName(table.GetTableName()) + " of module " +
           QuotedName(module.GetName());
}

CString FieldText(const Field& field, const Table& table, const Module& module)
{
    return "the field name " + QuotedName(field.GetFieldName()) + " of table " +
           QuotedName(table.GetTableName()) + " of module " + QuotedName(module.GetName());
}

CString DefaultText(const Field& field, const Table& table, const Module& module)
{
    return "the default value " + QuotedName(field.GetDefaultValue()) + " of field " +
           QuotedName(field.GetFieldName()) + " of table " + QuotedName(table.GetTableName()) +
           " of module " + QuotedName(module.GetName());
}

// Each table of the module once, in list order: master, transaction, map tables.
std::vector<Table*> TablesOf(const Module& module)
{
    std::vector<Table*> tables;
    module.GetAllTables(tables);
    std::vector<Table*> distinct;
    for (Table* table : tables)
    {
        if (std::find(distinct.begin(), distinct.end(), table) == distinct.end())
            distinct.push_back(table);
    }
    return distinct;
}

// The names of the module that no file is named after but the generated code and the site's
// menus show, each with its kind ("menu", "procedure", "parameter", "role", "variable",
// "function", "alias field", "reference field"): menus with their sub-menus, procedures with their
// parameters, roles, the data classes' functions with their alias fields, and the pages'
// variables and reference fields. Each goes to visit(kind, name) until one returns true.
template <class Visit> bool AnyShownNameOf(const Module& module, Visit visit)
{
    std::vector<const Menu*> menus(module.GetMenus().begin(), module.GetMenus().end());
    for (std::size_t i = 0; i < menus.size(); ++i)
    {
        if (visit("menu", menus[i]->GetName()))
            return true;
        menus.insert(menus.end(), menus[i]->GetSubMenus().begin(), menus[i]->GetSubMenus().end());
    }
    for (const Procedure* procedure : module.GetProcedures())
    {
        if (visit("procedure", procedure->GetName()))
            return true;
        for (const FieldVariableMap& parameter : procedure->GetFieldParameters())
        {
            if (parameter.variable != nullptr &&
                visit("parameter", parameter.variable->GetFieldName()))
                return true;
        }
        for (const Variable* variable : procedure->GetVariationVariables())
        {
            if (visit("parameter", variable->GetFieldName()))
                return true;
        }
    }
    for (const Designation* role : module.GetDesignations())
    {
        if (visit("role", role->GetName()))
            return true;
    }
    for (const Class* dataClass : module.GetClasses())
    {
        for (const Function* function : dataClass->GetFunctions())
        {
            if (visit("function", function->GetFieldName()))
                return true;
            for (const Field* alias : function->GetAliasFields())
            {
                if (visit("alias field", alias->GetFieldName()))
                    return true;
            }
        }
    }
    std::vector<FormInterface*> pages;
    module.GetEveryPage(pages);
    std::vector<Variable*> variables;
    for (const FormInterface* page : pages)
    {
        variables.clear();
        page->GetVariables(variables, true);
        for (const Variable* variable : variables)
        {
            if (visit("variable", variable->GetFieldName()))
                return true;
        }
        for (const RefField* refField : page->GetRefFields())
        {
            if (refField->GetField() != nullptr &&
                visit("reference field", refField->GetField()->GetFieldName()))
                return true;
        }
    }
    return false;
}

const char* const namesToRenameHeading =
    "Earlier versions took these names, which no file of the site can take:";

// The heading, each name on a line of its own that a dash starts, and the closing line.
CString NamesList(const CString& heading, const std::vector<CString>& names, const char* closing)
{
    CString text = heading + "\n";
    for (const CString& each : names)
        text += "- " + each + "\n";
    return text + closing;
}

CString Refused(const CString& what, const CString& reason)
{
    return what + " is refused: " + reason;
}

// The first of the theme and colour-scheme names that the rule refuses.
CString RefuseThemeNamesBy(const ProjectSettings& settings, CString (*refuse)(const CString&))
{
    const std::pair<const char*, CString> names[] = {
        {"the theme name ", settings.GetThemeName()},
        {"the colour-scheme name ", settings.GetColorSchemeName()}};
    for (const auto& [what, name] : names)
    {
        if (const CString reason = refuse(name); !reason.IsEmpty())
            return Refused(what + QuotedName(name), reason);
    }
    return "";
}
} // namespace

CString RefuseThemeNames(const ProjectSettings& settings)
{
    return RefuseThemeNamesBy(settings, RefuseReadThemeName);
}

CString TakeAwayUnusableThemeNames(ProjectSettings& settings)
{
    const CString refusal = RefuseThemeNames(settings);
    if (refusal.IsEmpty())
        return "";
    settings.SetThemeName("");
    settings.SetColorSchemeName("");
    return "Earlier versions took a theme that no folder of the themes can hold:\n" + refusal +
           "\nThe default theme is used instead.";
}

CString RefuseProjectAndDatabaseNames(const ProjectSettings& settings)
{
    const CString project = settings.GetProjectName();
    if (!project.IsEmpty())
    {
        if (const CString reason = RefuseReadModuleName(project); !reason.IsEmpty())
            return Refused("the project name " + QuotedName(project), reason);
    }
    const CString database = settings.GetDatabaseName();
    if (const CString reason = RefuseReadDatabaseName(database); !reason.IsEmpty())
        return Refused("the database name " + QuotedName(database), reason);
    return "";
}

CString RefuseConnectionValues(const ProjectSettings& settings)
{
    // The password is not shown, nor the connection string that may hold it.
    const std::pair<CString, CString> values[] = {
        {"the server name " + QuotedName(settings.GetServerName()), settings.GetServerName()},
        {"the user id " + QuotedName(settings.GetUserId()), settings.GetUserId()},
        {"the password", settings.GetPassword()},
        {"the connection string", settings.GetConnectionString()}};
    for (const auto& [what, value] : values)
    {
        if (HasControlCharacters(value))
            return Refused(what, "it holds control characters");
    }
    return "";
}

CString RefuseProjectNames(const ForgeonProject& project)
{
    if (const ProjectSettings* settings = project.GetProjectSettings())
    {
        for (const CString& refusal :
             {RefuseProjectAndDatabaseNames(*settings), RefuseConnectionValues(*settings),
              RefuseThemeNamesBy(*settings, RefuseReadThemePath)})
        {
            if (!refusal.IsEmpty())
                return refusal;
        }
    }
    std::unordered_map<std::string, const Module*> modules;
    std::unordered_map<std::string, std::pair<const Table*, const Module*>> tables;
    for (const Module* module : project.GetModules())
    {
        const CString moduleName = module->GetName();
        if (const CString reason = RefuseReadModuleName(moduleName); !reason.IsEmpty())
            return Refused(ModuleText(*module), reason);
        // Modules alike but in case, which merges of earlier versions made, are left to Write All.
        const auto [sameModule, newModule] = modules.emplace(moduleName.str(), module);
        if (!newModule)
            return Refused(ModuleText(*module), "the module " +
                                                    QuotedName(sameModule->second->GetName()) +
                                                    " has that name");
        for (const Table* table : TablesOf(*module))
        {
            const CString tableName = table->GetTableName();
            if (const CString reason = RefuseReadTableName(tableName); !reason.IsEmpty())
                return Refused(TableText(*table, *module), reason);
            const auto [same, newTable] =
                tables.emplace(FoldedName(tableName), std::make_pair(table, module));
            if (!newTable)
                return Refused(TableText(*table, *module),
                               "the table " + QuotedName(same->second.first->GetTableName()) +
                                   " of module " + QuotedName(same->second.second->GetName()) +
                                   " has that name");
            for (const Field* field : table->GetFields())
            {
                if (const CString reason = RefuseReadFieldName(field->GetFieldName());
                    !reason.IsEmpty())
                    return Refused(FieldText(*field, *table, *module), reason);
                if (const CString reason = RefuseDefaultValue(field->GetDefaultValue());
                    !reason.IsEmpty())
                    return Refused(DefaultText(*field, *table, *module), reason);
            }
        }
        if (const CString refusal = RefuseModulePageNames(*module); !refusal.IsEmpty())
            return refusal;
        CString refusal;
        if (AnyShownNameOf(*module,
                           [&](const char* kind, const CString& name)
                           {
                               if (!HasControlCharacters(name))
                                   return false;
                               refusal =
                                   Refused(CString("the ") + kind + " name " + QuotedName(name) +
                                               " of module " + QuotedName(module->GetName()),
                                           "it holds control characters");
                               return true;
                           }))
            return refusal;
    }
    return "";
}

namespace
{
// The identifiers the generated code makes of a field or table name, folded.
std::string FoldedPart(const CString& name)
{
    return FoldedName(CSharpIdentifierPart(name));
}

bool HaveSameIdentifiers(const CString& name, const CString& other)
{
    return other.CompareNoCase(name) != 0 &&
           (FoldedPart(other) == FoldedPart(name) ||
            FoldedName(PageControlId(other)) == FoldedName(PageControlId(name)));
}

// Each field of the table whose members or control ids the name of another field gives too,
// once a pair: a name the generated code changes against every earlier field and every field
// whose name it writes as it stands (which meets no other such name).
void WriteSameIdentifierFields(const Table& table, const Module& module,
                               std::vector<NameToRename>& found)
{
    const std::vector<Field*>& fields = table.GetFields();
    for (std::size_t i = 0; i < fields.size(); ++i)
    {
        const CString name = fields[i]->GetFieldName();
        if (IsPageIdentifierAsItStands(name))
            continue;
        for (std::size_t j = 0; j < fields.size(); ++j)
        {
            const CString other = fields[j]->GetFieldName();
            if (j == i || (j > i && !IsPageIdentifierAsItStands(other)) ||
                !HaveSameIdentifiers(name, other))
                continue;
            found.push_back({&module, nullptr, nullptr,
                             FieldText(*fields[i], table, module) + " is the name of the field " +
                                 QuotedName(other) +
                                 " in the generated code: rename one of them in the table "
                                 "designer"});
            break;
        }
    }
}
} // namespace

const Field* FindFieldOfSameIdentifier(const Table& table, const CString& name, const Field* except)
{
    for (const Field* field : table.GetFields())
    {
        if (field != except && HaveSameIdentifiers(name, field->GetFieldName()))
            return field;
    }
    return nullptr;
}

const Table* FindTableOfSameIdentifier(const ForgeonProject& project, const CString& name,
                                       const Table* except)
{
    const std::string part = FoldedPart(name);
    for (const Module* module : project.GetModules())
    {
        for (const Table* table : TablesOf(*module))
        {
            const CString other = table->GetTableName();
            if (table != except && other.CompareNoCase(name) != 0 && FoldedPart(other) == part)
                return table;
        }
    }
    return nullptr;
}

CString LinkControlId(CString caption)
{
    caption.Trim(' ');
    constexpr std::size_t longestId = 100;
    const std::string_view bytes(caption.GetString(),
                                 static_cast<std::size_t>(caption.GetLength()));
    std::size_t end = 0;
    for (std::size_t characters = 0; end < bytes.size() && characters < longestId; ++characters)
        end += std::max<std::size_t>(1, FirstCharacter(bytes.substr(end)).length);
    return PageControlId(CString(std::string(bytes.substr(0, end))));
}

namespace
{
// What of the page, but the field and link given, has the id.
CString FindPageId(const FormInterface& page, const CString& id, const Field* exceptField,
                   const LinkControl* exceptLink)
{
    for (const FieldRep* control : page.GetFieldReps())
    {
        const Field* field = control != nullptr ? control->GetField() : nullptr;
        if (field != nullptr && field != exceptField && PageControlId(field->GetFieldName()) == id)
            return "the field " + QuotedName(field->GetFieldName());
    }
    for (const auto* links : {&page.GetPreLinkList(), &page.GetPostLinkList()})
    {
        for (const LinkControl* link : *links)
        {
            if (link != nullptr && link != exceptLink && LinkControlId(link->GetCaption()) == id)
                return "the link " + QuotedName(link->GetCaption());
        }
    }
    return "";
}
} // namespace

CString FindPageIdOfCaption(const FormInterface& page, const CString& caption,
                            const LinkControl* except)
{
    return FindPageId(page, LinkControlId(caption), nullptr, except);
}

CString FindPageIdOfFieldName(const FormInterface& page, const CString& name, const Field* except)
{
    return FindPageId(page, PageControlId(name), except, nullptr);
}

std::vector<NameToRename> FindNamesToRename(const ForgeonProject& project)
{
    std::vector<NameToRename> found;
    // The tables looked at before.
    std::vector<const Table*> seen;
    std::unordered_map<std::string, const Module*> modules;
    for (const Module* module : project.GetModules())
    {
        const auto [same, added] = modules.emplace(FoldedName(module->GetName()), module);
        if (!added)
            found.push_back({module, same->second, nullptr,
                             ModuleText(*module) + " is the name of the module " +
                                 QuotedName(same->second->GetName()) +
                                 " in another case, and a Windows folder holds the folders of "
                                 "both as one: rename one of them with Rename Module"});
        for (const PageToRename& page : FindPagesToRename(*module))
            found.push_back({module, nullptr, page.page, page.text});
        for (const Table* table : TablesOf(*module))
        {
            // Names written as they stand meet no other name but their own: only a name the
            // generated code changes is looked for, once a pair.
            const CString tableName = table->GetTableName();
            if (const Table* same = IsPageIdentifierAsItStands(tableName)
                                        ? nullptr
                                        : FindTableOfSameIdentifier(project, tableName, table);
                same != nullptr && (IsPageIdentifierAsItStands(same->GetTableName()) ||
                                    std::ranges::find(seen, same) != seen.end()))
                found.push_back({module, nullptr, nullptr,
                                 TableText(*table, *module) + " is the name of the table " +
                                     QuotedName(same->GetTableName()) +
                                     " in the generated code: rename one of them in the table "
                                     "designer"});
            seen.push_back(table);
            for (const Field* field : table->GetFields())
            {
                if (const CString reason = RefuseWrittenFieldName(field->GetFieldName());
                    !reason.IsEmpty())
                    found.push_back({module, nullptr, nullptr,
                                     FieldText(*field, *table, *module) + ": " + reason +
                                         ": rename it in the table designer"});
            }
            WriteSameIdentifierFields(*table, *module, found);
        }
    }
    return found;
}

CString NamesToRenameWarning(const ForgeonProject& project)
{
    std::vector<CString> texts;
    for (const NameToRename& each : FindNamesToRename(project))
        texts.push_back(each.text);
    return RenameBeforeWriteAllWarning(namesToRenameHeading, texts);
}

CString RefuseWritingNamesToRename(const ForgeonProject& project, const Module* module,
                                   const FormInterface* page)
{
    std::vector<CString> texts;
    for (const NameToRename& each : FindNamesToRename(project))
    {
        const bool ofModule = module == nullptr || each.module == module || each.namesake == module;
        if (ofModule && (page == nullptr || each.page == nullptr || each.page == page))
            texts.push_back(each.text);
    }
    if (texts.empty())
        return "";
    return NamesList(namesToRenameHeading, texts, "Nothing was written. Rename them first.");
}

bool CheckNamesBeforeWrite(const ForgeonProject& project, const Module* module,
                           const FormInterface* page)
{
    const CString refusal = RefuseWritingNamesToRename(project, module, page);
    if (refusal.IsEmpty())
        return true;
    AfxMessageBox(refusal, MB_OK | MB_ICONSTOP);
    return false;
}

std::vector<CString> FindDeviceNames(const ForgeonProject& project)
{
    std::vector<CString> found;
    // The project's folder and files take the project's name.
    if (const ProjectSettings* settings = project.GetProjectSettings();
        settings != nullptr && IsReservedDeviceName(settings->GetProjectName()))
        found.push_back("the project name " + QuotedName(settings->GetProjectName()));
    for (const Module* module : project.GetModules())
    {
        if (IsReservedDeviceName(module->GetName()))
            found.push_back(ModuleText(*module));
        for (const Table* table : TablesOf(*module))
        {
            if (IsReservedDeviceName(table->GetTableName()))
                found.push_back(TableText(*table, *module));
        }
    }
    return found;
}

CString DeviceNameWarning(const ForgeonProject& project)
{
    return RenameBeforeWriteAllWarning("Windows keeps these names for devices, so no file of the "
                                       "site can take them on a Windows host:",
                                       FindDeviceNames(project));
}

CString QuotedName(const CString& name)
{
    return CString("\"") + PrintableBytes(name.str()).c_str() + "\"";
}

CString RenameBeforeWriteAllWarning(const CString& heading, const std::vector<CString>& found)
{
    if (found.empty())
        return "";
    return NamesList(heading, found, "Rename them before the next Write All.");
}
