#include "entities/ApplicationReport.h"
#include "entities/Class.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardPage.h"
#include "entities/Designation.h"
#include "entities/Form.h"
#include "entities/LoginPage.h"
#include "entities/MapForm.h"
#include "entities/Menu.h"
#include "entities/MultiPageReport.h"
#include "entities/Procedure.h"
#include "entities/RDLCReport.h"
#include "entities/ReportCollector.h"
#include "entities/Transaction.h"
#include "model/Module.h"
#include "model/Table.h"
#include "model/TextFile.h"
#include "tests/model/ModelBuilders.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/RecordBytes.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace
{
// The names the getter gives for each item of the list.
template <class T, class Getter>
std::vector<CString> ItemNames(const std::vector<T*>& items, Getter getter)
{
    std::vector<CString> names;
    for (const T* item : items)
        names.push_back(std::invoke(getter, item));
    return names;
}

// The record of module "Sales" number 4 with one master table "customer" and no other entities,
// up to the end of the report collectors.
ArchiveBytes ModuleRecordUpToCollectors()
{
    ArchiveBytes bytes;
    bytes.NewClass("Module").Str("Sales").Int(4);
    bytes.Int(1).NewClass("Table").Int(0).Str("customer").Null().Int(Table::masterKind);
    for (int list = 0; list < 11; ++list)
        bytes.Int(0);
    bytes.Null();
    bytes.Int(0).Int(0);
    return bytes;
}

// A module written and read back at the current version.
std::unique_ptr<Module> ReloadedModule(const Module& module)
{
    const ScopedArchiveVersion current(CurrentVersion());
    return std::unique_ptr<Module>(LoadObject<Module>(SaveObject(&module)));
}

// The trace lines written while the module is deleted, without their line ends.
std::vector<std::string> TraceOfDeleting(Module* module)
{
    TempFolder folder;
    TextFile& report = DebugReport();
    const CString tracePath = folder.ModelPath("trace.txt");
    report.Open(tracePath);
    delete module;
    report.Open(report.GetPath());

    std::ifstream trace(folder.Path() / "trace.txt");
    std::vector<std::string> lines;
    for (std::string line; std::getline(trace, line);)
        lines.push_back(line.substr(0, line.find('\r')));
    return lines;
}
} // namespace

// Name, number, twelve lists, the login page and two more lists; classes come from 66, RDLC
// reports from 74.
TEST(ModuleRecordTest, VersionGates)
{
    ArchiveBytes lists;
    for (int list = 0; list < 12; ++list)
        lists.Int(0);
    ExpectRecordVersions<Module>(
        "Module", {Always(ArchiveBytes().Str("Sales").Int(4).Append(lists).Null().Int(0).Int(0)),
                   After(65, ArchiveBytes().Int(0), ArchiveBytes().Int(0)),
                   After(73, ArchiveBytes().Int(0), ArchiveBytes().Int(0))});
}

TEST(ModuleRecordTest, ClassesFromVersion66KeepOnlyThoseBoundToATable)
{
    for (int version : {66, 73})
    {
        Class unbound;
        unbound.SetName("loose");
        // Indexes: Class class 1, unbound class 2, Module class 3, module 4, Table class 5,
        // table 6; the bound class takes 7.
        ArchiveBytes record = ModuleRecordUpToCollectors();
        record.Int(2).ClassRef(1).Str("_customer").ObjectRef(6).Int(0).ObjectRef(2);
        RecordReader reader(StoredThenHandBuilt({&unbound}, record));
        // The module keeps the unbound class out of its list but frees it.
        const Class* unboundRead = reader.Read<Class>(version);
        std::unique_ptr<Module> module(reader.Read<Module>(version));
        EXPECT_EQ(recordSentinel, reader.ReadInt()) << version;

        ASSERT_EQ(1u, module->GetClasses().size()) << version;
        EXPECT_NE(unboundRead, module->GetClasses().front()) << version;
        const Class* bound = module->GetClasses().front();
        EXPECT_EQ(CString("_customer"), bound->GetFieldName());
        EXPECT_EQ(module->GetMasterTables().front(), bound->GetTable());
    }
}

TEST(ModuleRecordTest, LoadSortsTheNameOrderedListsAndLeavesTheOthers)
{
    Module module("Sales");
    for (const char* name : {"beta", "Alpha", "alpha"})
        module.AppendMasterTable(NewTable(name, Table::masterKind));
    for (const char* name : {"zeta_map", "eta_map"})
        module.AppendMapTable(NewTable(name, Table::mapKind));
    for (const char* name : {"Zoo", "Bar"})
    {
        module.Append(NewPage<ApplicationReport>(name));
        module.Append(NewPage<DashBoardPage>(name));
    }
    for (const char* name : {"PRC_b", "PRC_a"})
    {
        auto* procedure = new Procedure;
        procedure->SetName(name);
        module.Append(procedure);
    }

    const std::unique_ptr<Module> loaded = ReloadedModule(module);
    EXPECT_EQ((std::vector<CString>{"Alpha", "alpha", "beta"}),
              ItemNames(loaded->GetMasterTables(), &Table::GetTableName));
    EXPECT_EQ((std::vector<CString>{"zeta_map", "eta_map"}),
              ItemNames(loaded->GetMapTables(), &Table::GetTableName));
    EXPECT_EQ((std::vector<CString>{"Bar", "Zoo"}),
              ItemNames(loaded->GetReports(), &FormInterface::GetFormName));
    EXPECT_EQ((std::vector<CString>{"Zoo", "Bar"}),
              ItemNames(loaded->GetDashBoardPages(), &FormInterface::GetFormName));
    EXPECT_EQ(CString("PRC_a"), loaded->GetProcedures().front()->GetName());
}

TEST(ModuleRecordTest, LoadGivesEveryPageItsModule)
{
    Module module("Sales");
    module.Append(NewPage<Form>("CustomerForm"));
    module.Append(NewPage<Transaction>("Orders"));
    module.Append(NewPage<DashBoard>("Board"));
    module.Append(NewPage<ApplicationReport>("CustomerReport"));
    module.Append(NewPage<RDLCReport>("Printout"));
    module.Append(NewPage<MapForm>("CustomerProduct"));
    module.Append(NewPage<DashBoardPage>("Home"));
    module.Append(NewPage<MultiPageReport>("Pages"));
    module.Append(NewPage<ReportCollector>("Collector"));

    const std::unique_ptr<Module> loaded = ReloadedModule(module);
    std::vector<FormInterface*> pages{
        loaded->GetMasterForms().front(),     loaded->GetTransactions().front(),
        loaded->GetDashBoards().front(),      loaded->GetReports().front(),
        loaded->GetRDLCReports().front(),     loaded->GetMapForms().front(),
        loaded->GetDashBoardPages().front(),  loaded->GetMultiPageReports().front(),
        loaded->GetReportCollectors().front()};
    for (const FormInterface* page : pages)
        EXPECT_EQ(loaded.get(), page->GetModule()) << page->GetFormName().str();
}

TEST(ModuleRecordTest, AppendedPagesAreOfTheModuleButOnlySomeMakeItNonEmpty)
{
    Module module("Sales");
    auto* report = NewPage<RDLCReport>("Printout");
    module.Append(report);
    module.Append(new Class);
    auto* loginPage = new LoginPage;
    module.AdoptLoginPage(loginPage);
    EXPECT_EQ(&module, report->GetModule());
    EXPECT_EQ(loginPage, module.GetLoginPage());
    EXPECT_EQ(&module, loginPage->GetModule());
    EXPECT_TRUE(module.IsEmpty());

    Table* mapTable = NewTable("customer_product", Table::mapKind);
    module.AppendMapTable(mapTable);
    EXPECT_FALSE(module.IsEmpty());
    EXPECT_TRUE(module.ContainsTable(mapTable));
    Table elsewhere;
    EXPECT_FALSE(module.ContainsTable(&elsewhere));
}

TEST(ModuleRecordTest, DestructorTracesEachGroupInOrderWithReportNames)
{
    auto* module = new Module("Sales");
    module->Append(NewPage<ApplicationReport>("FirstReport"));
    module->Append(NewPage<ApplicationReport>("SecondReport"));
    module->Append(NewPage<RDLCReport>("Printout"));
    module->Append(new Designation);
    module->Append(new Menu);

    const std::vector<std::string> expected{"Start of KestraneWeavoProject destructor",
                                            "Menus destructed",
                                            "Map forms destructed",
                                            "Transactions destructed",
                                            "Master tables destructed",
                                            "Transaction tables destructed",
                                            "Master forms destructed",
                                            "Designations destructed",
                                            "Dashboards destructed",
                                            "Procedures destructed",
                                            "FirstReport",
                                            "SecondReport",
                                            "Reports destructed",
                                            "Printout",
                                            "RDLC Reports destructed",
                                            "Map tables destructed",
                                            "Report collector destructed",
                                            "Multipage report destructed",
                                            "login page destructed",
                                            "Global field variables destructed",
                                            "End of KestraneWeavoProject destructor",
                                            std::string(60, '=')};
    EXPECT_EQ(expected, TraceOfDeleting(module));
}
