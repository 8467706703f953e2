#include "entities/Class.h"
#include "entities/Designation.h"
#include "entities/Function.h"
#include "entities/Menu.h"
#include "entities/Procedure.h"
#include "entities/ReportCollector.h"
#include "entities/Transaction.h"
#include "model/Field.h"
#include "model/NameUtilities.h"
#include "model/ProjectNameCheck.h"
#include "model/ProjectSettings.h"
#include "model/SitePageNames.h"
#include "platform/core/TextBytes.h"
#include "shell/logic/ModuleRenamer.h"
#include "shell/logic/RoleManager.h"
#include "tests/shell/logic/TreeFixture.h"

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace
{
// Each door a name enters by, refused (true) or taken.
struct Doors
{
    bool renameModule;
    bool tableDesigner;
    bool pageDesigners;
    bool menuEditor;
    bool themeFromFile;
    bool operator==(const Doors&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Doors& doors)
{
    return out << "rename module " << doors.renameModule << ", table designer "
               << doors.tableDesigner << ", page designers " << doors.pageDesigners
               << ", menu editor " << doors.menuEditor << ", theme from a file "
               << doors.themeFromFile;
}
} // namespace

// A name that no door takes never reaches a save: control characters are refused with the other
// special characters at every door, and theme and scheme names from a file are folder names.
TEST_F(TreeFixture, EveryNameDoorRefusesControlCharactersAndThemeNamesArePlainFolderNames)
{
    Module* second = project.AddNewModule();
    ProjectSettings& settings = *project.GetProjectSettings();
    const struct
    {
        std::string name;
        Doors refused;
    } cases[] = {
        {"Sales", {false, false, false, false, false}},
        {"Sales-2", {false, false, false, true, false}},
        {"Blue Sky", {true, true, false, false, false}},
        {"Sa\nles", {true, true, true, true, true}},
        {"Sales\r\n", {false, true, true, true, true}},
        {std::string("Sa\x01les"), {true, true, true, true, true}},
        {"Sales\x7f", {true, true, true, true, true}},
        {"Sa\tles", {true, true, true, true, true}},
        {"..\\..\\..\\home", {true, true, true, true, true}},
        {"\\", {true, true, true, true, true}},
        {"..", {true, true, true, true, true}},
        {"a/b", {true, true, true, true, true}},
    };
    for (const auto& each : cases)
    {
        const CString name(each.name.c_str());
        const TableNameFaults faults = FindTableNameFaults(name);
        settings.SetThemeName(name);
        const bool themeRefused = !RefuseProjectNames(project).IsEmpty();
        settings.SetThemeName("theme1");
        settings.SetColorSchemeName(name);
        const bool schemeRefused = !RefuseProjectNames(project).IsEmpty();
        settings.SetColorSchemeName("scheme1");
        EXPECT_EQ(themeRefused, schemeRefused) << each.name;
        const Doors found{
            !ModuleRenamer(project, *second).Check(name).IsEmpty(),
            faults.specialCharacters || faults.sqlKeyword || faults.blanks || faults.digitFirst,
            HasSpecialCharacters(name),
            HasMenuSpecialCharacters(name),
            themeRefused,
        };
        EXPECT_EQ(found, each.refused) << each.name;
    }
    EXPECT_EQ(RefuseProjectNames(project), "");
    settings.SetThemeName("");
    EXPECT_EQ(RefuseProjectNames(project), "");
    settings.SetColorSchemeName("..");
    EXPECT_EQ(RefuseProjectNames(project),
              "the colour-scheme name \"..\" is refused: it names no folder of its own");
}

// Each kind of name at each door, one row a name: 'x' refused, 'w' read with the warning of
// names to rename (Write All refuses it until it is renamed), '-' taken. The doors that read a
// project file (Open, the command line, Import Tables, Merge Project, a save's read-back) all
// read through RefuseProjectNames and the warning of FindNamesToRename.
TEST_F(TreeFixture, EveryKindOfNameFollowsOneRuleAtEveryDoor)
{
    Module& base = Base();
    Module* second = project.AddNewModule();
    Table* table = NewTable("shelf", Table::masterKind, {"title"});
    base.AppendMasterTable(table);
    Field& field = *table->FindFieldByName("title");
    Menu* menu = NewMenu("Main");
    base.Append(menu);
    auto* procedure = new Procedure;
    procedure->SetName("PRC_shelf_SelectAll");
    base.Append(procedure);
    auto* role = new Designation;
    role->SetName("Clerk");
    base.Append(role);
    ProjectSettings& settings = *project.GetProjectSettings();
    settings.SetProjectName("Shop");
    settings.SetDatabaseName("ShopData");

    // A name placed where a file holds it, then the name it had back.
    const auto fromFile = [&](const std::function<void(const CString&)>& place, const CString& kept,
                              const CString& name)
    {
        place(name);
        const bool refused = !RefuseProjectNames(project).IsEmpty();
        const bool warned = !FindNamesToRename(project).empty();
        place(kept);
        return refused ? 'x' : warned ? 'w' : '-';
    };
    const std::vector<std::pair<const char*, std::function<char(const CString&)>>> doors = {
        {"Rename Module", [&](const CString& name)
         { return ModuleRenamer(project, *second).Check(name).IsEmpty() ? '-' : 'x'; }},
        {"table designer",
         [](const CString& name) { return RefuseDesignedTableName(name).IsEmpty() ? '-' : 'x'; }},
        {"page designers",
         [](const CString& name) { return HasSpecialCharacters(name) ? 'x' : '-'; }},
        {"menu editor",
         [](const CString& name) { return HasMenuSpecialCharacters(name) ? 'x' : '-'; }},
        {"Manage Roles",
         [&](const CString& name)
         {
             RoleManager roles(project);
             roles.Load();
             roles.SetName(name);
             return roles.AddOrUpdate() ? '-' : 'x';
         }},
        {"procedure editor",
         [](const CString& name) { return RefuseProcedureName(name).IsEmpty() ? '-' : 'x'; }},
        {"Manage Variables and parameters",
         [](const CString& name) { return RefuseVariableName(name).IsEmpty() ? '-' : 'x'; }},
        {"module from a file", [&](const CString& name)
         { return fromFile([&](const CString& n) { second->SetName(n); }, "Second", name); }},
        {"table from a file", [&](const CString& name)
         { return fromFile([&](const CString& n) { table->SetTableName(n); }, "shelf", name); }},
        {"field from a file", [&](const CString& name)
         { return fromFile([&](const CString& n) { field.SetFieldName(n); }, "title", name); }},
        {"menu from a file", [&](const CString& name)
         { return fromFile([&](const CString& n) { menu->SetName(n); }, "Main", name); }},
        {"procedure from a file",
         [&](const CString& name)
         {
             return fromFile([&](const CString& n) { procedure->SetName(n); },
                             "PRC_shelf_SelectAll", name);
         }},
        {"role from a file", [&](const CString& name)
         { return fromFile([&](const CString& n) { role->SetName(n); }, "Clerk", name); }},
        {"project from a file", [&](const CString& name)
         { return fromFile([&](const CString& n) { settings.SetProjectName(n); }, "Shop", name); }},
        {"database from a file",
         [&](const CString& name) {
             return fromFile([&](const CString& n) { settings.SetDatabaseName(n); }, "ShopData",
                             name);
         }},
        {"theme from a file", [&](const CString& name)
         { return fromFile([&](const CString& n) { settings.SetThemeName(n); }, "theme1", name); }},
    };
    second->SetName("Second");
    settings.SetThemeName("theme1");
    ASSERT_EQ(RefuseProjectNames(project), "");
    // The columns in the order of the doors above.
    const std::pair<std::string, std::string> cases[] = {
        {"Sales", "----------------"},       {"Sale\xC5\x9B", "----------------"},
        {"Sales-2", "---x-xx---------"},     {"Blue Sky", "xx---xxxxw---x--"},
        {"select", "-x---xx-x-------"},      {"a.b", "-xxx-xx-xw------"},
        {"..", "xxxx-xxxxw---x-x"},          {"a/b", "xxxx-xxxxx---xxx"},
        {"\"]--;", "xxxx-xxxxx---x--"},      {"..\\..\\evil", "xxxx-xxxxx---xxx"},
        {"Sa\nles", "xxxxxxxxxxxxxxxx"},     {"Sa\x01les", "xxxxxxxxxxxxxxxx"},
        {"Sales\x7f", "xxxxxxxxxxxxxxxx"},   {"Sa\u0085les", "xxxxxxxxxxxxxxxx"},
        {"Sa\u2028les", "xxxxxxxxxxxxxxxx"}, {"Sa\u2029les", "xxxxxxxxxxxxxxxx"},
        {"Sa\u200Eles", "xxxxxxxxxxxxxxxx"}, {"Sa\u200Fles", "xxxxxxxxxxxxxxxx"},
        {"Sa\u202Ales", "xxxxxxxxxxxxxxxx"}, {"Sa\u202Eles", "xxxxxxxxxxxxxxxx"},
        {"Sa\u2066les", "xxxxxxxxxxxxxxxx"}, {"Sa\u2069les", "xxxxxxxxxxxxxxxx"},
        {"Sa\u061Cles", "xxxxxxxxxxxxxxxx"},
    };
    for (const auto& [name, expected] : cases)
    {
        std::string found;
        for (const auto& [door, verdict] : doors)
            found += verdict(name.c_str());
        EXPECT_EQ(found, expected) << PrintableBytes(name);
    }
    EXPECT_EQ(RefuseProjectNames(project), "");
}

// Names a file or a catalogue brings that the generated code writes as one identifier are named
// by the warning of names to rename, once a pair; names it writes apart are not.
TEST_F(TreeFixture, NamesTheGeneratedCodeWritesAsOneAreNamedToRename)
{
    Module& base = Base();
    Table* shelf = NewTable("shelf", Table::masterKind, {"a-b", "a_b", "event", "event_", "x-y"});
    base.AppendMasterTable(shelf);
    for (const char* name : {"box-1", "box_1", "crate"})
        base.AppendMasterTable(NewTable(name, Table::masterKind, {"title"}));
    std::vector<std::string> texts;
    for (const NameToRename& each : FindNamesToRename(project))
        texts.push_back(each.text.str());
    const std::string inShelf = "\" of table \"shelf\" of module \"BaseModule\" is the name of "
                                "the field ";
    const std::string tail = " in the generated code: rename one of them in the table designer";
    EXPECT_EQ(texts, (std::vector<std::string>{
                         "the field name \"a-b" + inShelf + "\"a_b\"" + tail,
                         "the field name \"event" + inShelf + "\"event_\"" + tail,
                         "the table name \"box-1\" of module \"BaseModule\" is the name of the "
                         "table \"box_1\"" +
                             tail}));
}

// The names a file holds that no file of the site is named after, a data class's function and
// its alias fields among them, pass the control-character rule too.
TEST_F(TreeFixture, AFunctionOrAliasNameFromAFileRefusesControlCharacters)
{
    Table* table = NewTable("shelf", Table::masterKind, {"title"});
    Base().AppendMasterTable(table);
    auto* function = new Function;
    function->SetName("Shelves");
    auto* alias = new Field;
    alias->SetFieldName("Total");
    function->AddAliasField(alias);
    Base().GetClassForTable(table, /*create=*/true)->AddFunction(function);
    ASSERT_EQ(RefuseProjectNames(project), "");
    for (const auto& [kind, rename] :
         std::vector<std::pair<std::string, std::function<void(const CString&)>>>{
             {"function", [&](const CString& name) { function->SetName(name); }},
             {"alias field", [&](const CString& name) { alias->SetFieldName(name); }}})
    {
        rename("Sa\u2028les");
        EXPECT_NE(RefuseProjectNames(project).Find(kind.c_str()), -1) << kind;
        rename("Sales");
        EXPECT_EQ(RefuseProjectNames(project), "") << kind;
    }
}

// The project's folder and files take its name: a project named as a Windows device is named by
// the warning of a read, beside such module and table names.
TEST_F(TreeFixture, AProjectNamedAsADeviceIsNamedWithTheModulesAndTables)
{
    ProjectSettings& settings = *project.GetProjectSettings();
    const std::pair<const char*, bool> cases[] = {
        {"Shop", false}, {"Aux", true}, {"com3.site", true}, {"Console", false}, {"", false}};
    for (const auto& [name, named] : cases)
    {
        settings.SetProjectName(name);
        const std::vector<CString> found = FindDeviceNames(project);
        EXPECT_EQ(std::ranges::count(found, "the project name " + QuotedName(name)), named ? 1 : 0)
            << name;
    }
}

// A transaction's and a report collector's name, which their files and scripts are named after,
// follow the rule of the other designed pages at every door, one row a name: typed in their
// editor or pasted as a copy (RefuseDesignedPageName), read from a file or a merge ('x' the
// file refused, 'w' read with the warning of names to rename, whose editor opens the name box),
// and Write All, which refuses such a name until it is renamed. Each column holds the
// transaction's verdict, then the collector's.
TEST_F(TreeFixture, TransactionAndCollectorNamesFollowTheDesignedPagesRuleAtEveryDoor)
{
    Module& base = Base();
    Table* basic = NewTable("order_basic", Table::masterDetailKind, {"note"});
    base.AddTable(basic);
    Transaction* transaction = NewTransaction("order", basic);
    base.AddTransaction(transaction, /*withFiles=*/true);
    auto* collector = NewPage<ReportCollector>("Board");
    collector->SetModule(&base);
    base.Append(collector);
    ASSERT_EQ(RefuseProjectNames(project), "");
    ASSERT_EQ(RefuseWritingNamesToRename(project, nullptr, nullptr), "");

    const std::pair<std::string, std::string> cases[] = {
        {"Sales", "-- -- -- --"},
        {"Sale\xC5\x9B", "-- -- -- --"},
        {"Sales-2", "-- -- -- --"},
        {"Blue Sky", "-- -- -- --"},
        {"a:b", "-- -- -- --"},
        {"a.b", "xx xx ww xx"},
        {"..", "xx xx ww xx"},
        {"a/b", "xx xx ww xx"},
        {"Board\"q'r@{}", "xx xx ww xx"},
        {"..\\..\\evil", "xx xx ww xx"},
        {"Sa\nles", "xx xx xx xx"},
        {"Sa\u2028les", "xx xx xx xx"},
    };
    for (const auto& [name, expected] : cases)
    {
        std::string typed;
        std::string pasted;
        std::string read;
        std::string written;
        for (FormInterface* page : std::initializer_list<FormInterface*>{transaction, collector})
        {
            const CString kept = page->GetFormName();
            const CString given(name.c_str());
            typed += RefuseDesignedPageName(project, *page, given).IsEmpty() ? '-' : 'x';
            pasted +=
                RefuseDesignedPageName(project, *page, "Copy_of_" + given).IsEmpty() ? '-' : 'x';
            page->SetName(given);
            read += !RefuseProjectNames(project).IsEmpty() ? 'x'
                    : IsPageNameToRename(*page)            ? 'w'
                                                           : '-';
            written += RefuseWritingNamesToRename(project, nullptr, nullptr).IsEmpty() ? '-' : 'x';
            page->SetName(kept);
        }
        EXPECT_EQ(typed + " " + pasted + " " + read + " " + written, expected)
            << PrintableBytes(name);
    }
    transaction->SetName("Orders (old)");
    EXPECT_EQ(NamesToRenameWarning(project).str(),
              "Earlier versions took these names, which no file of the site can take:\n- the "
              "transaction name \"Orders (old)\" of module \"BaseModule\": it holds special "
              "characters: rename it in the master-detail editor\nRename them before the next "
              "Write All.");
    transaction->SetName("order");
    collector->SetName("Board.");
    EXPECT_NE(NamesToRenameWarning(project).Find(
                  "the report collector name \"Board.\" of module \"BaseModule\": it holds "
                  "special characters: rename it in the report collector designer"),
              -1);
}
