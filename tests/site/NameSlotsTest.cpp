// Every name the doors take in every name slot of a project: C# keywords, SQL reserved words,
// names with "-" and in mixed case as field names, and those of them a table may have as table
// names, put into every string the project file stores that holds the name (the walk of the
// stored strings as the loader reads them). One project holds them all; its Write All must say
// success, its C# compile, its PostgreSQL script run, and its data classes insert, update and
// select a row of every table; its XML files pass xmllint and its pages' scripts node.
#include "database/PgSqlScriptWriter.h"
#include "editors/logic/RefFieldEditor.h"
#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/Class.h"
#include "entities/Designation.h"
#include "entities/Form.h"
#include "entities/LinkControl.h"
#include "entities/LoginPage.h"
#include "entities/Menu.h"
#include "entities/MenuInterface.h"
#include "entities/RDLCReport.h"
#include "entities/Variable.h"
#include "gen_classic/AspWriteAll.h"
#include "model/Field.h"
#include "model/GenerationReport.h"
#include "model/Identifiers.h"
#include "model/LoginPageCreator.h"
#include "model/Module.h"
#include "model/NameUtilities.h"
#include "model/ProjectStore.h"
#include "model/TableFormCreator.h"
#include "model/TransactionDataCreator.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/gen_classic/ClassicApplication.h"
#include "tests/gen_classic/ClassicGolden.h"
#include "tests/gen_classic/WrittenPages.h"
#include "tests/model/ModelBuilders.h"
#include "tests/site/GeneratedSite.h"
#include "tests/support/StoredStrings.h"
#include "tests/support/TempFolder.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#ifndef WEAVO_TEST_DATA
#error "WEAVO_TEST_DATA names the folder of the test data"
#endif

namespace
{
namespace fs = std::filesystem;

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// The names the doors take that the generated code must carry: the program's own lists of C#
// keywords, JavaScript's reserved words and SQL reserved words (those a file may bring as field
// names), and names with "-" and in mixed case; each once, compared ignoring case.
std::vector<CString> NamesTaken()
{
    std::vector<CString> names;
    std::set<std::string> seen;
    const auto take = [&](CString name)
    {
        if (RefuseReadFieldName(name).IsEmpty() && RefuseWrittenFieldName(name).IsEmpty() &&
            seen.insert(FoldedName(name)).second)
            names.push_back(name);
    };
    for (const std::string_view keyword : cSharpKeywordTable)
        take(CString(std::string(keyword)));
    for (const char* word : JavaScriptReservedWords())
        take(word);
    for (const char* word : SqlReservedWords())
        take(CString(word).MakeLower());
    for (const char* name : {"a-b", "x--y", "MixedCase", "Ab:c"})
        take(name);
    return names;
}

const int fieldTypes[] = {FieldTypeVarchar,  FieldTypeInt,   FieldTypeDecimal, FieldTypeDateTime,
                          FieldTypeNVarchar, FieldTypeMoney, FieldTypeBigInt,  FieldTypeFloat};

void AddField(Table& table, const CString& name, int type)
{
    auto* field = new Field;
    field->Set(name, name, type, type == FieldTypeDecimal ? 10 : 50,
               type == FieldTypeDecimal ? 10 : 0, nullptr, "", false, false, true, false, false);
    field->SetTable(&table);
    table.AddField(field);
}

// The placeholder of the field, table, designed name (role, menu), module, page, report, RDLC
// report or page variable at the index ("nfld007", "ntbl012", "nnam020", "npag008"): no stored
// string holds one but where the name was given.
CString Placeholder(const char* kind, std::size_t index)
{
    CString text;
    text.Format("n%s%03d", kind, static_cast<int>(index));
    return text;
}

// The names of each placeholder kind ("nfld", "ntbl", "nnam", ...).
using NameLists = std::map<std::string, std::vector<CString>>;

// The text with each placeholder replaced by its name.
CString WithNames(const CString& text, const NameLists& lists)
{
    std::string out;
    const std::string& in = text.str();
    for (std::size_t i = 0; i < in.size();)
    {
        const auto list = lists.find(in.substr(i, 4));
        if (list != lists.end() && i + 7 <= in.size() &&
            std::isdigit(static_cast<unsigned char>(in[i + 4])) != 0)
        {
            const std::size_t index = std::stoul(in.substr(i + 4, 3));
            out += list->second.at(index).str();
            i += 7;
            continue;
        }
        out += in[i++];
    }
    return CString(out);
}

// A project of master tables with their forms, search reports and RDLC reports, and one
// master-detail page, made the designers' way over placeholder names, saved; then read back
// through the project file's door with every string the file stores that holds a placeholder
// (a field's or table's name and the names made of it: variables, keys, classes, pages,
// functions, menus; a role's or menu's name) holding the name instead.
class NameSlotsProject
{
public:
    // Output kind 0 makes the project for classic pages, 1 for ASP.NET pages.
    NameSlotsProject(const std::vector<CString>& names, int outputKind)
    {
        NameLists lists = {{"nfld", names}, {"ntbl", {}}, {"nnam", {}}, {"nmod", {}}, {"nvar", {}}};
        for (const CString& name : names)
        {
            if (RefuseVariableName(name).IsEmpty())
                lists["nvar"].push_back(name);
            if (RefuseReadDesignedName(name).IsEmpty())
                lists["nnam"].push_back(name);
            if (RefuseReadModuleName(name).IsEmpty() && FoldedName(name) != "basemodule")
                lists["nmod"].push_back(name);
        }
        // Forms, search reports and RDLC reports take the names the designers take, each kind
        // its own of every step's names: no two pages write the same file.
        for (const char* kind : {"npag", "nrep", "nrdl"})
            lists[kind] = lists["nnam"];
        // A name names one table or page of the project: the pages' names name no table.
        std::set<std::string> pageNames;
        for (std::size_t i = 0; i + rdlcOffset < lists["nnam"].size(); i += designedStep)
            for (const std::size_t offset : {formOffset, reportOffset, rdlcOffset})
                pageNames.insert(FoldedName(lists["nnam"][i + offset]));
        for (const CString& name : names)
        {
            if (RefuseReadTableName(name).IsEmpty() && !pageNames.contains(FoldedName(name)))
                lists["ntbl"].push_back(CString(name).MakeLower());
        }
        const std::vector<CString>& tableNames = lists["ntbl"];
        Build(names.size(), tableNames.size(), lists["nnam"].size(), lists["nmod"].size(),
              lists["nvar"].size(), outputKind);
        const std::string file = (m_temp.Path() / "Names.wvt").string();
        ProjectStore saving;
        EXPECT_TRUE(saving.ArchiveProject(&m_project, file.c_str(), FALSE));
        const StoredStringReads reads(
            [&](const StringSlot& slot, CString& value)
            {
                const CString named = WithNames(value, lists);
                if (named != value)
                    slots.insert(slot);
                value = named;
            });
        EXPECT_TRUE(m_store.ArchiveProject(nullptr, file.c_str(), TRUE));
        const Module& base = *Project().GetBaseModule();
        const Table* fields = base.FindMasterTableByNameExact("fields");
        EXPECT_NE(fields, nullptr);
        for (const CString& name : names)
            EXPECT_TRUE(fields != nullptr && fields->FindFieldByName(name) != nullptr)
                << name.str();
        for (const CString& name : tableNames)
            EXPECT_NE(base.FindMasterTableByNameExact(name), nullptr) << name.str();
        for (std::size_t i = 0; i < lists["nmod"].size(); i += designedStep)
            EXPECT_NE(Project().FindModuleByName(lists["nmod"][i]), nullptr)
                << lists["nmod"][i].str();
        for (std::size_t i = 0; i + rdlcOffset < lists["nnam"].size(); i += designedStep)
        {
            const CString& form = lists["npag"][i + formOffset];
            const CString& report = lists["nrep"][i + reportOffset];
            const CString& rdlcReport = lists["nrdl"][i + rdlcOffset];
            EXPECT_NE(base.FindMasterFormByName(form), nullptr) << form.str();
            EXPECT_NE(base.FindReportByName(report), nullptr) << report.str();
            EXPECT_NE(base.FindRDLCReportByName(rdlcReport), nullptr) << rdlcReport.str();
        }
        const Form* form = base.FindMasterFormForTable(fields);
        for (const CString& name : lists["nvar"])
            EXPECT_TRUE(form != nullptr && form->FindVariableByName(name) != nullptr) << name.str();
        for (std::size_t i = 0; i < lists["nnam"].size(); i += designedStep)
        {
            EXPECT_NE(base.FindMenuByName(lists["nnam"][i]), nullptr) << lists["nnam"][i].str();
            EXPECT_TRUE(std::ranges::any_of(base.GetDesignations(), [&](const Designation* role)
                                            { return role->GetName() == lists["nnam"][i]; }))
                << lists["nnam"][i].str();
        }
    }

    // The places of the file whose strings held a name.
    std::set<StringSlot> slots;

    // The project read back.
    ForgeonProject& Project() { return *m_store.GetProject(); }
    const fs::path& Root() const { return m_temp.Path(); }

private:
    // Every this many of the names a designer takes names a role and a menu, and of those a
    // module takes a module with a table and its form.
    static constexpr std::size_t designedStep = 8;
    // The names of a step's pages, after the step's role and menu: a page and a menu of the same
    // name are names the project holds twice.
    static constexpr std::size_t formOffset = 1;
    static constexpr std::size_t reportOffset = 2;
    static constexpr std::size_t rdlcOffset = 3;

    void Build(std::size_t fieldCount, std::size_t tableCount, std::size_t designedCount,
               std::size_t moduleCount, std::size_t variableCount, int outputKind)
    {
        m_project.InitNewProject();
        m_project.SetProjectName("Names");
        m_project.SetProjectPath(m_temp.ModelPath());
        m_project.SetOutputKind(outputKind);
        m_project.GetProjectSettings()->SetDatabaseKind(0);
        if (outputKind == 0)
        {
            LoginPage& login = *m_project.GetBaseModule()->GetLoginPage();
            while (AspFile* file = login.GetAspFileAt(0))
            {
                login.RemoveAspFile(file);
                delete file;
            }
            login.CreateAspFile(0, AspFile::loginPageOwner);
        }
        LoginPageCreator().Create();
        Module& base = *m_project.GetBaseModule();
        // Every name as a field of one table; each name a table may have names a table.
        Table* fields = NewTable("fields", Table::masterKind);
        for (std::size_t i = 0; i < fieldCount; ++i)
            AddField(*fields, Placeholder("fld", i), fieldTypes[i % std::size(fieldTypes)]);
        AddMasterTable(base, fields);
        Form* form = base.GetMasterFormForTable(fields, false);
        // Every name a variable takes as a variable of the page, as Manage Variables adds it.
        for (std::size_t i = 0; i < variableCount; ++i)
        {
            auto* variable = new Variable;
            variable->SetName(Placeholder("var", i));
            variable->SetKind(Variable::pageKind);
            form->AddFieldVariableMap(new FieldVariableMap{nullptr, variable});
        }
        // Links whose display names are free text: their ids follow the rule.
        auto* target = new Menu;
        target->SetName("Fields");
        target->SetAspFile(form->GetAspFiles()[0]);
        base.AddMenu(target);
        for (const char* caption : {"View & Print", "Orders (all)", "2nd page", "<b>x</b>"})
        {
            auto* link = new LinkControl(target, 0, 0, LinkControl::Left);
            link->SetCaption(caption);
            form->AddPreLink(link);
        }
        // The page's top menu holds an item to the page that passes every variable of the page
        // to itself: the menu's click function declares each in the page's script.
        AspFile* file = form->GetAspFiles()[0];
        Menu* again = NewMenu("Again");
        again->SetAspFile(file);
        Menu* top = NewMenu("Pass");
        top->AddSubMenu(again);
        base.AddMenu(top);
        file->SetTopMenu(top);
        std::vector<Variable*> passed;
        form->GetVariables(passed, true);
        MenuVariableMap passing(again);
        for (Variable* variable : passed)
            passing.AddVariablePair(variable, variable);
        file->AddTopMenuVariableMap(passing);
        for (std::size_t i = 0; i < designedCount; i += designedStep)
        {
            auto* menu = new Menu;
            menu->SetName(Placeholder("nam", i));
            menu->SetAspFile(form->GetAspFiles()[0]);
            base.AddMenu(menu);
            auto* role = new Designation;
            role->SetName(Placeholder("nam", i));
            role->AddMenusOf(*base.GetDesignations().front());
            base.Append(role);
        }
        for (std::size_t i = 0; i < moduleCount; i += designedStep)
        {
            auto* module = new Module(Placeholder("mod", i));
            m_project.AddModule(module);
            CString tableName;
            tableName.Format("items%d", static_cast<int>(i));
            Table* table = NewTable(tableName, Table::masterKind);
            AddField(*table, Placeholder("fld", i), FieldTypeVarchar);
            m_project.SetCurrentModule(module);
            AddMasterTable(*module, table);
        }
        m_project.SetCurrentModule(&base);
        // Names of every step name the pages of a table of their own: its form, its search report
        // and its RDLC report.
        for (std::size_t i = 0; i + rdlcOffset < designedCount; i += designedStep)
        {
            CString tableName;
            tableName.Format("pages%d", static_cast<int>(i));
            Table* table = NewTable(tableName, Table::masterKind);
            AddField(*table, "title", FieldTypeVarchar);
            const Pages pages = AddMasterTable(base, table);
            pages.form->SetName(Placeholder("pag", i + formOffset));
            pages.report->SetName(Placeholder("rep", i + reportOffset));
            pages.rdlcReport->SetName(Placeholder("rdl", i + rdlcOffset));
        }
        for (std::size_t i = 0; i < tableCount; ++i)
        {
            Table* table = NewTable(Placeholder("tbl", i), Table::masterKind);
            AddField(*table, Placeholder("fld", i), FieldTypeVarchar);
            AddMasterTable(base, table);
        }
        Table* basic = NewTable("lines_basic", Table::masterDetailKind);
        Table* detail = NewTable("lines_detail", Table::masterDetailKind);
        for (std::size_t i = 0; i < fieldCount; i += 7)
        {
            AddField(*basic, Placeholder("fld", i), fieldTypes[i % std::size(fieldTypes)]);
            AddField(*detail, Placeholder("fld", i), fieldTypes[(i + 1) % std::size(fieldTypes)]);
        }
        base.AddTable(basic);
        TransactionDataCreator creator(basic, detail, &m_project, nullptr);
        creator.CreateDetailTable();
        creator.CreateTransaction();
        creator.AddClassFunctions();
    }

    struct Pages
    {
        Form* form = nullptr;
        ApplicationReport* report = nullptr;
        RDLCReport* rdlcReport = nullptr;
    };

    // The table in the module with its form, search report and RDLC report.
    Pages AddMasterTable(Module& module, Table* table)
    {
        module.AddTable(table);
        TableFormCreator creator(table, &m_project);
        Pages pages;
        pages.form = creator.CreateForm();
        pages.report = creator.CreateReport();
        creator.CreateRDLCReport();
        pages.rdlcReport = module.FindRDLCReportForTable(table);
        return pages;
    }

    TempFolder m_temp;
    ForgeonProject m_project;
    ProjectStore m_store;
};

// Reference fields typed into Manage Reference Fields of the form of "fields", with names no
// identifier holds as they stand; the dialog shows no message.
void AddReferenceFields(ForgeonProject& project)
{
    Module& base = *project.GetBaseModule();
    Table* fields = base.FindMasterTableByNameExact("fields");
    ASSERT_NE(fields, nullptr);
    Form* form = base.GetMasterFormForTable(fields, false);
    ASSERT_NE(form, nullptr);
    ScriptedMessageBoxes boxes;
    RefFieldEditor editor(*form, fields);
    editor.Load();
    for (const char* name : {"x y", "q\"x", "<i>y</i>", "Ref-Name"})
    {
        editor.Clear();
        editor.SetName(name);
        editor.SelectType(FieldTypeVarchar);
        editor.AddOrUpdate();
    }
    EXPECT_EQ(form->GetRefFields().size(), 4u);
    EXPECT_EQ("", Joined(boxes.ShownTexts()));
}

// A program that loads the compiled site and, for each data class of the values file, inserts a
// row (SetValues, HandleAdd), updates it (HandleUpdate) and selects it (SelectRecord), in the
// file's order: master classes before detail classes, whose link column then finds its row.
const char* const dataClassDriver = R"cs(
using System;
using System.Collections.Generic;
using System.Data;
using System.IO;
using System.Reflection;

class Driver
{
    static int Main(string[] args)
    {
        Assembly site = Assembly.LoadFrom(args[0]);
        // Class, column, value to insert, value to update it to: a line each.
        Dictionary<string, List<string[]>> columns = new Dictionary<string, List<string[]>>();
        List<string> order = new List<string>();
        foreach (string line in File.ReadAllLines(args[1]))
        {
            string[] parts = line.Split('\t');
            if (!columns.ContainsKey(parts[0]))
            {
                columns[parts[0]] = new List<string[]>();
                order.Add(parts[0]);
            }
            columns[parts[0]].Add(parts);
        }
        int failures = 0;
        foreach (string name in order)
        {
            try
            {
                Type type = site.GetType("Names." + name.TrimStart('@'), true);
                List<string[]> of = columns[name];
                string[,] inserted = new string[of.Count, 2];
                string[,] updated = new string[of.Count, 2];
                for (int i = 0; i < of.Count; i++)
                {
                    inserted[i, 0] = updated[i, 0] = of[i][1];
                    inserted[i, 1] = of[i][2];
                    updated[i, 1] = of[i][3];
                }
                object record = Activator.CreateInstance(type);
                type.GetMethod("SetValues").Invoke(record, new object[] { inserted });
                type.GetMethod("HandleAdd").Invoke(record, null);
                type.GetMethod("SetValues").Invoke(record, new object[] { updated });
                type.GetMethod("HandleUpdate").Invoke(record, null);
                DataTable row = (DataTable)type.GetMethod("SelectRecord").Invoke(record, new object[] { "1" });
                bool changed = row.Rows.Count == 1;
                foreach (DataColumn column in row.Columns)
                    if (changed && row.Rows[0][column].ToString() == "x")
                        changed = false;
                if (!changed)
                {
                    Console.WriteLine(name + ": the row was not updated");
                    failures++;
                }
            }
            catch (Exception e)
            {
                Console.WriteLine(name + ": " + (e.InnerException != null ? e.InnerException.Message : e.Message));
                failures++;
            }
        }
        Console.WriteLine(order.Count + " classes, " + failures + " failed");
        return order.Count > 0 && failures == 0 ? 0 : 1;
    }
}
)cs";

// The values the driver gives each column of each data class, masters first: the class, the
// column, the value inserted and the one it is updated to.
std::string DriverValues(ForgeonProject& project)
{
    std::string lines;
    std::vector<Table*> tables;
    project.GetBaseModule()->GetAllTables(tables);
    std::stable_partition(tables.begin(), tables.end(),
                          [](Table* table) { return !table->IsDetailTable(); });
    for (Table* table : tables)
    {
        const Class* dataClass = project.GetClassForTable(table, false);
        if (dataClass == nullptr || table->IsSystemTable())
            continue;
        for (const Field* field : table->GetFields())
        {
            if (field->IsKeyOrDeletedFlag())
                continue;
            const int type = field->GetTypeCode();
            const bool text = type == FieldTypeVarchar || type == FieldTypeNVarchar;
            const char* first = type == FieldTypeDateTime ? "01/02/2003" : text ? "x" : "1";
            // A link column keeps the master's row.
            const char* second = type == FieldTypeDateTime ? "01/03/2003"
                                 : text                    ? "y"
                                 : field->IsForeignKey()   ? "1"
                                                           : "2";
            lines += std::string(CSharpIdentifier(dataClass->GetFieldName()).GetString()) + "\t" +
                     field->GetFieldName().GetString() + "\t" + first + "\t" + second + "\n";
        }
    }
    return lines;
}

TEST(NameSlots, EveryNameTheDoorsTakeIsWrittenCompiledAndRunOnPostgreSql)
{
    ASSERT_FALSE(Environment("WEAVO_PG_ODBC").empty()) << "runs beside with_pg_cluster.sh";
    NameSlotsProject fixture(NamesTaken(), /*outputKind=*/1);
    std::string places;
    for (const StringSlot& slot : fixture.slots)
        places += slot.Describe() + "; ";
    RecordProperty("name_slots", places);
    AddReferenceFields(fixture.Project());
    ASSERT_FALSE(testing::Test::HasFatalFailure());
    served_site::GeneratedSite site(fixture.Project(), fixture.Root());
    site.Write();
    ASSERT_FALSE(testing::Test::HasFatalFailure());
    std::string xmlFiles;
    for (const fs::path& file :
         FilesEndingIn(fixture.Root() / "Names", {".rdlc", ".xsd", ".xss", ".xsc", ".config"}))
        xmlFiles += " " + ShellQuoted(file);
    EXPECT_NE(xmlFiles.find(".rdlc"), std::string::npos);
    const ToolResult lint = RunTool("xmllint --noout" + xmlFiles);
    EXPECT_EQ(0, lint.exitCode) << lint.output;
    // Every script block and event attribute of every page, and every script file.
    const ToolResult scripts =
        ParseScripts(WrittenScripts(fixture.Root() / "Names"), fixture.Root() / "scripts");
    EXPECT_EQ(0, scripts.exitCode) << scripts.output;
    // The stand-in of the served-site tests, in this project's namespace.
    std::string handler = ReadHostFile(fs::path(WEAVO_TEST_DATA) / "site" / "PostgresDBHandler.cs");
    handler.replace(handler.find("namespace Guard"), 15, "namespace Names");
    WriteHostFile(fixture.Root() / "PostgresDBHandler.cs", handler);
    site.CheckAndCompile({{"util/dbhandler.cs", fixture.Root() / "PostgresDBHandler.cs"}});
    ASSERT_FALSE(testing::Test::HasFatalFailure());

    fs::create_directories(fixture.Root() / "_system" / "scripts");
    GenerationReport report;
    PgSqlScriptWriter(fixture.Project(), report).Write();
    ASSERT_TRUE(report.IsEmpty()) << report.GetText().GetString();
    const ToolResult script =
        RunTool("psql -X -q -v ON_ERROR_STOP=1 -h 127.0.0.1 -U postgres -p " +
                Environment("WEAVO_PG_PORT") + " -d " + Environment("WEAVO_PG_DATABASE") + " -f " +
                ShellQuoted(fixture.Root() / "_system" / "scripts" /
                            "KestraneWeavo_PGSQL_CreateTables.sql"));
    ASSERT_EQ(0, script.exitCode) << script.output;

    const fs::path bin = fixture.Root() / "Names" / "Names" / "bin";
    WriteHostFile(fixture.Root() / "Driver.cs", dataClassDriver);
    const ToolResult driver =
        RunTool("mcs -out:" + ShellQuoted(bin / "Driver.exe") + " -r:System -r:System.Data " +
                ShellQuoted(fixture.Root() / "Driver.cs"));
    ASSERT_EQ(0, driver.exitCode) << driver.output;
    WriteHostFile(fixture.Root() / "values.txt", DriverValues(fixture.Project()));
    ::setenv("WEAVO_SQL_LOG", (fixture.Root() / "statements.log").c_str(), 1);
    const ToolResult run =
        RunTool("mono " + ShellQuoted(bin / "Driver.exe") + " " + ShellQuoted(bin / "Names.dll") +
                " " + ShellQuoted(fixture.Root() / "values.txt"));
    EXPECT_EQ(0, run.exitCode) << run.output;
}

// The names the page's VBScript declares: its variables (Dim) and functions.
std::vector<std::string> DeclaredVbScriptNames(const std::string& page)
{
    static const std::regex declaration(R"((?:^|\n)[ \t]*(?:Dim|Function)[ \t]+([^\r\n(]*))",
                                        std::regex::icase);
    std::vector<std::string> names;
    for (auto it = std::sregex_iterator(page.begin(), page.end(), declaration);
         it != std::sregex_iterator(); ++it)
    {
        std::stringstream list((*it)[1].str());
        for (std::string name; std::getline(list, name, ',');)
        {
            name.erase(0, name.find_first_not_of(" \t"));
            name.erase(name.find_last_not_of(" \t") + 1);
            names.push_back(name);
        }
    }
    return names;
}

// The classic Write All of the same names says success, and every page it writes passes the
// classic page check, declares VBScript identifiers only, and its scripts parse.
TEST(NameSlots, EveryNameTheDoorsTakeIsWrittenIntoClassicPagesThatPassTheirChecks)
{
    NameSlotsProject fixture(NamesTaken(), /*outputKind=*/0);
    ScopedOpenProject open(&fixture.Project());
    ClassicAnswers answers;
    ScriptedMessageBoxes boxes;
    AspWriteAll writeAll(&fixture.Project(), nullptr, answers);
    writeAll.SetWriteErrorsLogPath(fixture.Project().GetProjectPath() + "ForgeonWriteErrors.txt");
    EXPECT_TRUE(writeAll.Run(nullptr)) << writeAll.GetReport().GetText().str();
    const fs::path root = fixture.Root();
    fs::copy(ClassicData("_system"), root / "_system",
             fs::copy_options::recursive | fs::copy_options::skip_existing);
    const std::vector<fs::path> pages = FilesEndingIn(root / "BaseModule", {".asp"});
    std::vector<Table*> tables;
    fixture.Project().GetBaseModule()->GetAllTables(tables);
    EXPECT_GT(pages.size(), tables.size());
    for (const fs::path& page : pages)
    {
        EXPECT_EQ("", Joined(CheckPageFile(page))) << page.filename();
        const std::string text = ReadPage(page);
        for (const std::string& name : DeclaredVbScriptNames(text))
            EXPECT_EQ(VBScriptIdentifier(CString(name)).str(), name) << page.filename();
        // A procedure called by a bare name is one SQL Server reads bare.
        for (std::size_t at = text.find("\"PRC_"); at != std::string::npos;
             at = text.find("\"PRC_", at + 1))
        {
            const std::string called =
                text.substr(at + 1, text.find_first_of(" \"", at + 1) - at - 1);
            EXPECT_EQ(SqlServerCalledName(CString(called)).str(), called) << page.filename();
        }
    }
    const ToolResult scripts = ParseScripts(WrittenScripts(root), root / "scripts");
    EXPECT_EQ(0, scripts.exitCode) << scripts.output;
}
} // namespace
