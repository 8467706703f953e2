// Crafted and damaged project files at every door that reads one (Open and the command line,
// the table import, the merge inputs): each is refused with "Error in archiving" and a reason
// that says what was wrong and where, never a crash or a hang.
#include "entities/ApplicationReport.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardPage.h"
#include "entities/Menu.h"
#include "entities/RDLCReport.h"
#include "entities/ReportCollector.h"
#include "entities/Transaction.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/ProjectNameCheck.h"
#include "model/ProjectSettings.h"
#include "model/ProjectStore.h"
#include "platform/core/LargeStack.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/model/ModelBuilders.h"
#include "tests/model/ProjectRecordBytes.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/PipeRelease.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace
{
using Bytes = std::vector<BYTE>;

Bytes StringBytes(const std::string& text)
{
    return Bytes(text.begin(), text.end());
}

// A string as the archive writes a short one: its length, then its bytes.
Bytes ArchiveString(const std::string& text)
{
    return ArchiveBytes().Str(text);
}

// The bytes with the first occurrence of the pattern replaced; none when it is missing.
Bytes ReplaceFirst(Bytes bytes, const Bytes& pattern, const Bytes& replacement)
{
    const auto found = std::search(bytes.begin(), bytes.end(), pattern.begin(), pattern.end());
    if (found == bytes.end())
        return {};
    const auto at = found - bytes.begin();
    bytes.erase(found, found + static_cast<long>(pattern.size()));
    bytes.insert(bytes.begin() + at, replacement.begin(), replacement.end());
    return bytes;
}

// Where the pattern starts in the bytes.
std::size_t OffsetOf(const Bytes& bytes, const Bytes& pattern)
{
    return static_cast<std::size_t>(
        std::search(bytes.begin(), bytes.end(), pattern.begin(), pattern.end()) - bytes.begin());
}

// The record of the menu "DeepMenu" from its name to its sub-menu count: no page files, no
// opened file, no parent, no sub-menu.
Bytes DeepMenuHead()
{
    return ArchiveBytes().Str("DeepMenu").Int(0).Word(0).Word(0).Int(0);
}

// The record of "DeepMenu" holding a chain of the given number of menus, each the only
// sub-menu of the one before; every menu of the chain spells out its class again.
Bytes NestedMenus(const Bytes& saved, int depth)
{
    ArchiveBytes head;
    head.Str("DeepMenu").Int(0).Word(0).Word(0).Int(1);
    Bytes chain = head;
    chain.reserve(chain.size() + static_cast<std::size_t>(depth) * 32);
    const auto menu = [](bool withSubMenu) -> Bytes
    { return ArchiveBytes().NewClass("Menu").Str("m").Int(0).Word(0).Word(0).Int(withSubMenu); };
    const Bytes inner = menu(true);
    const Bytes last = menu(false);
    for (int level = 1; level <= depth; ++level)
    {
        const Bytes& record = level < depth ? inner : last;
        chain.insert(chain.end(), record.begin(), record.end());
    }
    const Bytes tail = ArchiveBytes().Int(0).Int(0);
    for (int level = 1; level <= depth; ++level)
        chain.insert(chain.end(), tail.begin(), tail.end());
    return ReplaceFirst(saved, DeepMenuHead(), chain);
}

// Reads the project files through the store as the doors do, and keeps the messages shown.
class CraftedProjectFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_twoModules = Saved("two.wvt", true);
        m_saved = Saved("saved.wvt", false);
    }

    // The bytes saved to the file of a module with one table and one menu, whose names the cases
    // replace, and when asked a second module with a table.
    Bytes Saved(const char* name, bool secondModule)
    {
        return SavedModule(
            name,
            [secondModule](ForgeonProject& project, Module& module)
            {
                module.AppendMasterTable(NewTable("tablemark1", Table::masterKind, {"name"}));
                module.Append(NewMenu("DeepMenu"));
                if (!secondModule)
                    return;
                auto* second = new Module("SecondMod");
                second->AppendMasterTable(NewTable("tablemark2", Table::masterKind, {"name"}));
                project.AddModule(second);
            });
    }

    // The bytes saved to the file of a project of the module "BaseModule" as the fill makes it.
    Bytes SavedModule(const char* name, const std::function<void(ForgeonProject&, Module&)>& fill)
    {
        ForgeonProject project;
        ScopedOpenProject open(&project);
        project.SetProjectSettings(new ProjectSettings);
        auto* module = new Module("BaseModule");
        project.AddModule(module);
        project.SetCurrentModule(module);
        fill(project, *module);
        ProjectStore store;
        EXPECT_TRUE(store.ArchiveProject(&project, PathOf(name), FALSE)) << LastBox();
        std::ifstream file(HostPathOf(name), std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(file), {});
    }

    CString PathOf(const char* name) const { return m_folder.ModelPath(name); }
    std::filesystem::path HostPathOf(const char* name) const { return m_folder.Path() / name; }
    std::string LastBox() const
    {
        return m_boxes.Shown().empty() ? std::string() : m_boxes.Shown().back().text;
    }

    void Write(const char* name, const Bytes& bytes) const
    {
        std::ofstream file(HostPathOf(name), std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }

    TempFolder m_folder;
    ScriptedMessageBoxes m_boxes;
    DiagnosticsSnapshot m_diagnostics;
    Bytes m_saved;
    Bytes m_twoModules;
};

TEST_F(CraftedProjectFileTest, CraftedFilesAreRefusedWithWhatWasWrongAndWhere)
{
    const Bytes tableName = ArchiveString("tablemark1");
    const Bytes moduleName = ArchiveString("BaseModule");
    const std::size_t menuRecord = OffsetOf(m_saved, DeepMenuHead());
    // Where the menu's sub-menu count lies, and the tag after it.
    const std::size_t subMenuCount = menuRecord + DeepMenuHead().size() - 4;
    const std::string inMenu = ", in the record of a Menu (object ";
    // The saved file is read in the test by the offset of its parts.
    ASSERT_LT(menuRecord, m_saved.size());

    // The file with the table's name replaced, and the refusal of that name.
    const auto renamedTable = [&](const std::string& name)
    { return ReplaceFirst(m_saved, tableName, ArchiveString(name)); };
    const auto tableRefusal = [](const std::string& shown, const std::string& reason)
    {
        return "invalid name in file: the table name \"" + shown +
               "\" of module \"BaseModule\" is refused: " + reason;
    };
    const auto renamedModule = [&](const std::string& name)
    { return ReplaceFirst(m_saved, moduleName, ArchiveString(name)); };
    const auto moduleRefusal = [](const std::string& shown, const std::string& reason)
    { return "invalid name in file: the module name \"" + shown + "\" is refused: " + reason; };
    // The file with "DeepMenu" holding one sub-menu, spelt by the bytes given.
    const auto withSubMenu = [&](const Bytes& subMenu)
    {
        return ReplaceFirst(
            m_saved, DeepMenuHead(),
            ArchiveBytes().Str("DeepMenu").Int(0).Word(0).Word(0).Int(1).Append(subMenu));
    };
    // Where the failure inside "DeepMenu" stands, the given number of bytes after its count.
    const auto inDeepMenu = [&](std::size_t after)
    { return "at byte " + std::to_string(subMenuCount + after) + inMenu + "..."; };
    struct Case
    {
        const char* name;
        Bytes bytes;
        // The message after the path and ": "; a prefix when it ends with "...".
        std::string reason;
    };
    const std::vector<Case> cases = {
        {"backslashes.wvt", renamedTable("..\\..\\escapedA"),
         tableRefusal("..\\..\\escapedA", "it holds special characters")},
        {"slashes.wvt", renamedTable("../../escapedB"),
         tableRefusal("../../escapedB", "it holds special characters")},
        {"latin1.wvt",
         renamedTable("gr\xF6\xDF"
                      "e"),
         tableRefusal("gr\\xF6\\xDFe", "it holds bytes that are not UTF-8 text")},
        {"control.wvt", renamedTable(std::string("a\0b", 3)),
         tableRefusal("a\\x00b", "it holds control characters")},
        {"keyword.wvt", renamedTable("select"), tableRefusal("select", "it is an SQL keyword")},
        {"emptytable.wvt", renamedTable(""), tableRefusal("", "it is empty")},
        {"blanktable.wvt", renamedTable("my table"), tableRefusal("my table", "it holds blanks")},
        {"digittable.wvt", renamedTable("2nd_table"),
         tableRefusal("2nd_table", "it starts with a digit")},
        {"sametable.wvt",
         ReplaceFirst(m_twoModules, ArchiveString("tablemark2"), ArchiveString("TABLEMARK1")),
         "invalid name in file: the table name \"TABLEMARK1\" of module \"SecondMod\" is refused: "
         "the table \"tablemark1\" of module \"BaseModule\" has that name"},
        {"module.wvt", renamedModule("..\\..\\out"),
         moduleRefusal("..\\..\\out", "it holds one of * | / \\ < > ? :")},
        {"dotdot.wvt", renamedModule(".."), moduleRefusal("..", "it names no folder of its own")},
        {"dot.wvt", renamedModule("."), moduleRefusal(".", "it names no folder of its own")},
        {"blankmodule.wvt", renamedModule("Base Module"),
         moduleRefusal("Base Module", "it holds blanks")},
        {"emptymodule.wvt", renamedModule(""), moduleRefusal("", "it is empty")},
        {"samemodule.wvt",
         ReplaceFirst(m_twoModules, ArchiveString("SecondMod"), ArchiveString("BaseModule")),
         moduleRefusal("BaseModule", "the module \"BaseModule\" has that name")},
        // The sub-menu's class record spelt with a name no class has, then with another schema.
        {"unknownclass.wvt", withSubMenu(ArchiveBytes().NewClass("Menv")),
         "unexpected class in file: the class \"Menv\" is not a class of project files, " +
             inDeepMenu(4)},
        {"schema.wvt",
         withSubMenu(ArchiveBytes().Word(0xFFFF).Word(3).Word(4).Append(StringBytes("Menu"))),
         "unsupported class schema in file: the class Menu comes with schema 3, this program "
         "reads schema 0, " +
             inDeepMenu(4)},
        {"forwardreference.wvt", withSubMenu(ArchiveBytes().Word(0x7000)),
         "invalid object index in file: a reference to object 28672, which the file has not "
         "defined before, " +
             inDeepMenu(6)},
        {"negativecount.wvt",
         ReplaceFirst(m_saved, DeepMenuHead(),
                      ArchiveBytes().Str("DeepMenu").Int(0).Word(0).Word(0).Int(-2)),
         "archive error: a list count of -2, below 0, " + inDeepMenu(4)},
        {"truncated.wvt", Bytes(m_saved.begin(), m_saved.begin() + static_cast<long>(menuRecord)),
         "unexpected end of file at byte " + std::to_string(menuRecord) + inMenu + "..."},
        {"notaproject.wvt", StringBytes("hello\n"),
         "invalid object index in file: a reference to object 25960, which the file has not "
         "defined before, at byte 2"},
        {"empty.wvt", {}, "unexpected end of file at byte 0"},
        {"tooold.wvt", ReplaceFirst(m_saved, ArchiveBytes().Int(87), ArchiveBytes().Int(38)),
         "archive error: file version 38, older than the oldest this program reads (39), at "
         "byte 24, in the record of a ForgeonProject (object 2)"},
        {"nullproject.wvt", ArchiveBytes().Word(0),
         "unexpected class in file: no project where one is expected, at byte 2"},
    };
    for (const Case& each : cases)
    {
        SCOPED_TRACE(each.name);
        ASSERT_FALSE(each.bytes.empty() && std::string(each.name) != "empty.wvt");
        Write(each.name, each.bytes);
        const std::size_t shown = m_boxes.Shown().size();
        const std::string prefix = "Error in archiving\n" + PathOf(each.name).str() + ": ";
        ProjectStore store;
        ForgeonProject* open = store.GetProject();
        EXPECT_FALSE(store.ArchiveProject(nullptr, PathOf(each.name), TRUE));
        EXPECT_EQ(open, store.GetProject());
        EXPECT_FALSE(store.LoadFirstMergeProject(PathOf(each.name)));
        EXPECT_EQ(nullptr, store.GetFirstMergeProject());
        EXPECT_FALSE(store.LoadSecondMergeProject(PathOf(each.name)));
        EXPECT_EQ(nullptr, store.GetSecondMergeProject());
        ASSERT_EQ(shown + 3, m_boxes.Shown().size());
        for (std::size_t box = shown; box < shown + 3; ++box)
        {
            const std::string& text = m_boxes.Shown()[box].text;
            const bool isPrefix = each.reason.ends_with("...");
            const std::string expected =
                prefix + (isPrefix ? each.reason.substr(0, each.reason.size() - 3) : each.reason);
            if (isPrefix)
                EXPECT_EQ(expected, text.substr(0, expected.size())) << text;
            else
                EXPECT_EQ(expected, text);
        }
    }
}

// A chain far deeper than real projects nest loads, saves and loads again; the names a user can
// type in the designer, letters beyond ASCII among them, load.
TEST_F(CraftedProjectFileTest, DeepMenusAndTypableNamesLoad)
{
    const int depth = 20'000;
    Write("bounded.wvt", NestedMenus(m_saved, depth));
    ProjectStore store;
    ASSERT_TRUE(store.ArchiveProject(nullptr, PathOf("bounded.wvt"), TRUE)) << LastBox();
    int levels = 0;
    for (const Menu* menu = store.GetProject()->GetCurrentModule()->FindMenuByName("DeepMenu");
         menu != nullptr && !menu->GetSubMenus().empty(); menu = menu->GetSubMenus().front())
        ++levels;
    EXPECT_EQ(depth, levels);
    ASSERT_TRUE(store.ArchiveProject(store.GetProject(), PathOf("resaved.wvt"), FALSE))
        << LastBox();
    ASSERT_TRUE(store.ArchiveProject(nullptr, PathOf("resaved.wvt"), TRUE)) << LastBox();

    for (const char* name : {"order_items", "table2",
                             "gr\xC3\xB6\xC3\x9F"
                             "e",
                             "a-b:c"})
    {
        SCOPED_TRACE(name);
        Write("typable.wvt",
              ReplaceFirst(m_saved, ArchiveString("tablemark1"), ArchiveString(name)));
        EXPECT_TRUE(store.ArchiveProject(nullptr, PathOf("typable.wvt"), TRUE)) << LastBox();
        EXPECT_NE(nullptr, store.GetProject()->FindTableByName(name));
    }
}

// Files nested deeper than the stack holds are refused at the doors that read them, with what
// was nested and where; the same file loads where the stack holds it, so that the stack left,
// not a count, refuses.
TEST_F(CraftedProjectFileTest, FilesNestedDeeperThanTheStackHoldsAreRefused)
{
    struct Case
    {
        int depth;
        std::size_t stackSize;
        bool loads;
        // Read as a merge input too, not only opened.
        bool merged;
    };
    const std::vector<Case> cases = {
        {50'000, std::size_t{16} << 20, false, true},
        {50'000, LargeStack::defaultSize, true, true},
        {1'000'000, LargeStack::defaultSize, false, false},
    };
    for (const Case& each : cases)
    {
        SCOPED_TRACE(std::to_string(each.depth) + " in " + std::to_string(each.stackSize));
        Write("deep.wvt", NestedMenus(m_saved, each.depth));
        const LargeStack::ScopedLimits limits(each.stackSize, LargeStack::defaultMargin);
        const std::size_t shown = m_boxes.Shown().size();
        ProjectStore store;
        ForgeonProject* open = store.GetProject();
        EXPECT_EQ(each.loads, store.ArchiveProject(nullptr, PathOf("deep.wvt"), TRUE) != FALSE);
        if (each.merged)
        {
            EXPECT_EQ(each.loads, store.LoadSecondMergeProject(PathOf("deep.wvt")) != FALSE);
            EXPECT_EQ(each.loads, store.GetSecondMergeProject() != nullptr);
        }
        const std::size_t refusals = each.loads ? 0 : each.merged ? 2 : 1;
        ASSERT_EQ(shown + refusals, m_boxes.Shown().size()) << LastBox();
        EXPECT_EQ(each.loads, store.GetProject() != open);
        const std::string what = "Error in archiving\n" + PathOf("deep.wvt").str() +
                                 ": objects nested too deep: a Menu inside ";
        for (std::size_t box = shown; box < shown + refusals; ++box)
        {
            const std::string& text = m_boxes.Shown()[box].text;
            ASSERT_EQ(what, text.substr(0, what.size())) << text;
            // The project, the module and "DeepMenu" hold the chain.
            const int inside = std::stoi(text.substr(what.size()));
            EXPECT_GT(inside, 1000);
            EXPECT_LT(inside, each.depth + 3);
            const std::string where = std::to_string(inside) +
                                      " other records; the file is too deeply nested to read "
                                      "here, at byte ";
            EXPECT_EQ(what + where, text.substr(0, what.size() + where.size())) << text;
            EXPECT_NE(std::string::npos, text.find(", in the record of a Menu (object ")) << text;
        }
    }
}

// Names that Windows keeps for devices load, at every door, with one warning that names each;
// the read-back of a save shows none.
TEST_F(CraftedProjectFileTest, DeviceNamesLoadWithAWarningNamingThem)
{
    Write("devices.wvt", ReplaceFirst(ReplaceFirst(m_twoModules, ArchiveString("tablemark1"),
                                                   ArchiveString("con")),
                                      ArchiveString("SecondMod"), ArchiveString("Lpt1.x")));
    const std::string warning =
        "Windows keeps these names for devices, so no file of the site can take them on a "
        "Windows host:\n- the table name \"con\" of module \"BaseModule\"\n- the module name "
        "\"Lpt1.x\"\nRename them before the next Write All.";
    ProjectStore store;
    ASSERT_TRUE(store.ArchiveProject(nullptr, PathOf("devices.wvt"), TRUE)) << LastBox();
    ASSERT_TRUE(store.LoadFirstMergeProject(PathOf("devices.wvt"))) << LastBox();
    ASSERT_TRUE(store.LoadSecondMergeProject(PathOf("devices.wvt"))) << LastBox();
    ASSERT_TRUE(store.ArchiveProject(store.GetProject(), PathOf("resaved.wvt"), FALSE))
        << LastBox();
    ASSERT_EQ(3u, m_boxes.Shown().size());
    for (const auto& box : m_boxes.Shown())
    {
        EXPECT_EQ(warning, box.text);
        EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONWARNING), box.type);
    }
    EXPECT_NE(nullptr, store.GetProject()->FindTableByName("CON"));
}

// A chain of menus deeper than the stack holds is not saved: the save says why and leaves the
// previous file as it was; the chain is then freed with the project.
TEST_F(CraftedProjectFileTest, SavingMenusNestedDeeperThanTheStackHoldsIsRefused)
{
    ForgeonProject project;
    ScopedOpenProject open(&project);
    project.SetProjectSettings(new ProjectSettings);
    auto* module = new Module("BaseModule");
    project.AddModule(module);
    project.SetCurrentModule(module);
    // Built from the innermost menu out, so that each menu added is a top-level one.
    Menu* top = NewMenu("m");
    for (int level = 0; level < 100000; ++level)
    {
        Menu* parent = NewMenu("m");
        parent->AddSubMenu(top);
        top = parent;
    }
    module->Append(top);
    // The walks of the tree do not recurse either.
    std::vector<Menu*> all;
    module->CollectMenus(all, nullptr);
    ASSERT_EQ(100001u, all.size());
    EXPECT_EQ(top, &all.front()->GetTopLevelMenu());
    EXPECT_EQ(nullptr, top->FindSubMenuByName("absent"));
    ProjectStore store;
    {
        const LargeStack::ScopedLimits limits(std::size_t{16} << 20, LargeStack::defaultMargin);
        EXPECT_FALSE(store.ArchiveProject(&project, PathOf("saved.wvt"), FALSE));
    }
    ASSERT_EQ(1u, m_boxes.Shown().size());
    const std::string& text = m_boxes.Shown()[0].text;
    const std::string what = "Error in archiving\n" + PathOf("saved.wvt").str() +
                             ": objects nested too deep: a Menu lies inside ";
    ASSERT_EQ(what, text.substr(0, what.size())) << text;
    const int inside = std::stoi(text.substr(what.size()));
    EXPECT_GT(inside, 1000);
    EXPECT_LT(inside, 100000);
    EXPECT_EQ(what + std::to_string(inside) +
                  " other records; the project is too deeply nested to save here",
              text);
    std::ifstream file(HostPathOf("saved.wvt"), std::ios::binary);
    EXPECT_TRUE(Bytes(std::istreambuf_iterator<char>(file), {}) == m_saved);
}

// A named pipe with no writer is refused at once, as are a folder and a device.
TEST_F(CraftedProjectFileTest, OnlyRegularFilesAreRead)
{
    ASSERT_EQ(0, ::mkfifo(HostPathOf("pipe.wvt").c_str(), 0600));
    const PipeRelease release(HostPathOf("pipe.wvt"));
    std::filesystem::create_directory(HostPathOf("folder.wvt"));
    for (const CString& path : {PathOf("pipe.wvt"), PathOf("folder.wvt"), CString("/dev/zero")})
    {
        SCOPED_TRACE(path.str());
        const std::size_t shown = m_boxes.Shown().size();
        ProjectStore store;
        EXPECT_FALSE(store.ArchiveProject(nullptr, path, TRUE));
        EXPECT_FALSE(store.LoadSecondMergeProject(path));
        ASSERT_EQ(shown + 2, m_boxes.Shown().size());
        for (std::size_t box = shown; box < shown + 2; ++box)
            EXPECT_EQ("Error in archiving\n" + path.str() + ": not a regular file",
                      m_boxes.Shown()[box].text);
    }
}

// A transaction or report collector name from a file, which their editors of earlier versions
// took whatever it held, loads at every door that reads a file with a warning that names it when
// it breaks the designed pages' rule, so that Write All refuses it until it is renamed; one with
// a control character refuses the file.
TEST_F(CraftedProjectFileTest, TransactionAndCollectorNamesOfEarlierVersionsLoadToBeRenamed)
{
    const Bytes saved = SavedModule("kept.wvt",
                                    [](ForgeonProject&, Module& module)
                                    {
                                        module.Append(NewPage<Transaction>("pagemark1"));
                                        module.Append(NewPage<ReportCollector>("pagemark2"));
                                    });
    struct Kind
    {
        const char* mark;
        const char* text;
        const char* editor;
    };
    for (const Kind& kind : {Kind{"pagemark1", "transaction", "master-detail editor"},
                             Kind{"pagemark2", "report collector", "report collector designer"}})
        for (const std::string name : {"Board\"q'r@{}", "a/b", "Sales Plan-2", "Sa\nles"})
        {
            SCOPED_TRACE(std::string(kind.text) + " " + name);
            Write("kept.wvt", ReplaceFirst(saved, ArchiveString(kind.mark), ArchiveString(name)));
            const std::size_t shown = m_boxes.Shown().size();
            const bool loads = name.find('\n') == std::string::npos;
            const bool warns = loads && name.find_first_of("\"/") != std::string::npos;
            ProjectStore store;
            EXPECT_EQ(loads, store.ArchiveProject(nullptr, PathOf("kept.wvt"), TRUE) != FALSE);
            EXPECT_EQ(loads, store.LoadFirstMergeProject(PathOf("kept.wvt")) != FALSE);
            EXPECT_EQ(loads, store.LoadSecondMergeProject(PathOf("kept.wvt")) != FALSE);
            ASSERT_EQ(shown + (loads && !warns ? 0 : 3), m_boxes.Shown().size()) << LastBox();
            const std::string named = std::string("the ") + kind.text + " name " +
                                      QuotedName(name.c_str()).str() + " of module \"BaseModule\"";
            for (std::size_t box = shown; box < m_boxes.Shown().size(); ++box)
                EXPECT_EQ(warns ? "Earlier versions took these names, which no file of the site "
                                  "can take:\n- " +
                                      named + ": it holds special characters: rename it in the " +
                                      kind.editor + "\nRename them before the next Write All."
                                : "Error in archiving\n" + PathOf("kept.wvt").str() +
                                      ": invalid name in file: " + named +
                                      " is refused: it holds control characters",
                          m_boxes.Shown()[box].text);
        }
}

// Page names from a file meet the designers' rules at every door that reads one: a report,
// RDLC report, dashboard page or dashboard name with a special character is refused; a page name
// whose longest file (<stem>.aspx.designer.cs) passes 255 bytes, which earlier designers took,
// loads with a warning that names it and where to rename it; two pages of one module that write
// one file, names compared ignoring case, load with a warning that names them.
TEST_F(CraftedProjectFileTest, PageNamesAreTakenAsTheDesignersTakeThemAtEveryDoor)
{
    const Bytes saved = SavedModule("pages.wvt",
                                    [](ForgeonProject&, Module& module)
                                    {
                                        module.Append(NewPage<ApplicationReport>("pagemark1"));
                                        module.Append(NewPage<RDLCReport>("pagemark2"));
                                        module.Append(NewPage<DashBoardPage>("pagemark3"));
                                        module.Append(NewPage<DashBoard>("pagemark4"));
                                    });
    struct Kind
    {
        const char* mark;
        const char* text;
        // The longest name whose files fit: 255 bytes less ".aspx.designer.cs" and the longest
        // ending the kind adds; none for a dashboard, which writes no page of the site.
        std::size_t longest;
        // What the longest file's stem adds to the name.
        std::string ending;
    };
    const Kind kinds[] = {
        {"pagemark1", "report", 255 - 17 - 7, "_report"},
        {"pagemark2", "RDLC report", 255 - 17 - 13, "_report_Print"},
        {"pagemark3", "dashboard page", 255 - 17, ""},
        {"pagemark4", "dashboard", 0, ""},
    };
    const auto named = [&saved](const char* mark, const std::string& name)
    { return ReplaceFirst(saved, ArchiveString(mark), ArchiveString(name)); };
    for (const Kind& kind : kinds)
    {
        struct Case
        {
            std::string name;
            // The refusal after the kind's name; empty when the file loads.
            std::string reason;
        };
        std::vector<Case> cases = {
            {"a/b/c", "it holds special characters"},
            {"x.y", "it holds special characters"},
            {"", "it is empty"},
            {"Sales Report", ""},
        };
        // A name whose file is too long loads with a warning that names it.
        std::string tooLong;
        std::string warning;
        if (kind.longest > 0)
        {
            const std::string longest(kind.longest, 'n');
            tooLong = longest + "n";
            cases.push_back({longest, ""});
            cases.push_back({tooLong, ""});
            const std::string stem = tooLong + kind.ending;
            warning = "Earlier versions took these names, which no file of the site can take:\n"
                      "- the " +
                      std::string(kind.text) + " name \"" + tooLong.substr(0, 20) + "..." +
                      tooLong.substr(tooLong.size() - 12) +
                      "\" of module \"BaseModule\": its file " + stem.substr(0, 20) + "..." +
                      stem.substr(stem.size() - 12) +
                      ".aspx.designer.cs would be 256 bytes long, longer than the 255 bytes a "
                      "file name may hold: rename it in the " +
                      kind.text + " designer\nRename them before the next Write All.";
        }
        for (const Case& each : cases)
        {
            SCOPED_TRACE(std::string(kind.text) + " " + each.name.substr(0, 20));
            Write("named.wvt", named(kind.mark, each.name));
            const std::size_t shown = m_boxes.Shown().size();
            ProjectStore store;
            const bool loads = each.reason.empty();
            EXPECT_EQ(loads, store.ArchiveProject(nullptr, PathOf("named.wvt"), TRUE) != FALSE);
            EXPECT_EQ(loads, store.LoadFirstMergeProject(PathOf("named.wvt")) != FALSE);
            EXPECT_EQ(loads, store.LoadSecondMergeProject(PathOf("named.wvt")) != FALSE);
            const bool warns = !tooLong.empty() && each.name == tooLong;
            ASSERT_EQ(shown + (loads && !warns ? 0 : 3), m_boxes.Shown().size()) << LastBox();
            for (std::size_t box = shown; box < m_boxes.Shown().size(); ++box)
                EXPECT_EQ(warns ? warning
                                : "Error in archiving\n" + PathOf("named.wvt").str() +
                                      ": invalid name in file: the " + kind.text + " name \"" +
                                      each.name +
                                      "\" of module \"BaseModule\" is refused: " + each.reason,
                          m_boxes.Shown()[box].text);
        }
    }
    // Pages of every kind pair that write one file whatever the case.
    struct Clash
    {
        const char* firstMark;
        const char* firstName;
        const char* secondMark;
        const char* secondName;
        std::string named;
    };
    const Clash clashes[] = {
        {"pagemark1", "Sales", "pagemark2", "sales",
         "the report \"Sales\" writes Sales_report.aspx and the RDLC report \"sales\" writes "
         "sales_report.aspx"},
        {"pagemark2", "shop", "pagemark3", "SHOP_report",
         "the dashboard page \"SHOP_report\" writes SHOP_report.aspx and the RDLC report \"shop\" "
         "writes shop_report.aspx"},
        {"pagemark1", "big one", "pagemark3", "Big_One_report",
         "the report \"big one\" writes big_one_report.aspx and the dashboard page "
         "\"Big_One_report\" writes Big_One_report.aspx"},
    };
    for (const Clash& clash : clashes)
    {
        SCOPED_TRACE(clash.named);
        Write("clash.wvt",
              ReplaceFirst(named(clash.firstMark, clash.firstName), ArchiveString(clash.secondMark),
                           ArchiveString(clash.secondName)));
        const std::size_t shown = m_boxes.Shown().size();
        ProjectStore store;
        EXPECT_TRUE(store.ArchiveProject(nullptr, PathOf("clash.wvt"), TRUE)) << LastBox();
        EXPECT_TRUE(store.LoadFirstMergeProject(PathOf("clash.wvt"))) << LastBox();
        EXPECT_TRUE(store.LoadSecondMergeProject(PathOf("clash.wvt"))) << LastBox();
        ASSERT_EQ(shown + 3, m_boxes.Shown().size());
        for (std::size_t box = shown; box < shown + 3; ++box)
        {
            EXPECT_EQ(
                "These pages write files of one name in one folder, names compared ignoring "
                "case as a Windows folder compares them, so that one replaces the other:\n- " +
                    clash.named +
                    " in module \"BaseModule\"\nRename them before the next Write All.",
                m_boxes.Shown()[box].text);
            EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONWARNING), m_boxes.Shown()[box].type);
        }
    }
}
} // namespace
