#include "entities/Menu.h"
#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "entities/XSDInfo.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/ProjectSettings.h"
#include "model/Table.h"
#include "tests/model/ModelBuilders.h"
#include "tests/model/ProjectRecordBytes.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/RecordBytes.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <vector>

namespace
{
class ProjectRecordTest : public ::testing::Test
{
protected:
    DiagnosticsSnapshot m_diagnostics;
    ScopedArchiveVersion m_version{CurrentVersion()};
};

// A project of two modules: "BaseModule" number 1 and "Module2" number 7.
class ProjectRootTest : public ProjectRecordTest
{
protected:
    ProjectRootTest()
    {
        m_project.AddModule(m_base);
        m_project.AddModule(m_second);
    }

    ForgeonProject m_project;
    Module* m_base = NewModule("BaseModule", 1);
    Module* m_second = NewModule("Module2", 7);
};

// What a record of the version holds besides the version, the modules and the lists.
struct Gates
{
    int version;
    bool legacyStrings;
    bool ignoredWarnings;
    bool outputKind;
    bool infoLists;
    bool settings;
};

// A project record of the gates' version with one module "BaseModule" as current module and
// output kind 0, after three objects written before it: settings (object index 2), an RDLC
// description (4) and an XSD description (6).
ArchiveBytes ProjectRecordAfterPrefix(const Gates& gates)
{
    ArchiveBytes bytes;
    bytes.NewClass("ForgeonProject").Int(gates.version);
    if (gates.legacyStrings)
        bytes.Str("old one").Str("old two");
    bytes.NewClass("Module");
    AppendEmptyModuleFields(bytes, "BaseModule", 1, gates.version);
    bytes.Int(1).ObjectRef(10);
    if (gates.ignoredWarnings)
        bytes.Int(1).Str("from file");
    if (gates.outputKind)
        bytes.Int(ForgeonProject::classicOutput);
    if (gates.infoLists)
        bytes.Int(1).ObjectRef(4).Int(1).ObjectRef(6);
    if (gates.settings)
        bytes.ObjectRef(2);
    return bytes;
}

TEST_F(ProjectRecordTest, StoreWritesTheVersionFirstThenTheListsAndTheSettingsLast)
{
    TheVersionHistory().SetArchiveVersion(60);
    DiagnosticsSnapshot::IgnoreOnly("Menu is empty");
    ForgeonProject project;
    auto* settings = new ProjectSettings;
    settings->SetProjectName("Shop");
    project.SetProjectSettings(settings);

    ArchiveBytes head;
    head.NewClass("ForgeonProject").Int(87).Null().Int(0).Int(1).Str("Menu is empty");
    head.Int(0).Int(0);
    std::vector<BYTE> expected = head.Get();
    const std::vector<BYTE> settingsRecord = SaveObject(settings);
    expected.insert(expected.end(), settingsRecord.begin(), settingsRecord.end());

    EXPECT_EQ(expected, SaveObject(&project));
    EXPECT_EQ(87, TheVersionHistory().GetArchiveVersion());
}

TEST_F(ProjectRecordTest, CurrentModuleIsWrittenBeforeTheListAndReadBackAsTheSameObject)
{
    ForgeonProject project;
    project.AddModule(NewModule("BaseModule", 1));
    project.AddModule(NewModule("Module2", 2));
    project.SelectModuleAt(1);
    TheProjectDiagnostics().ClearAll();

    ArchiveBytes head;
    head.NewClass("ForgeonProject").Int(87).NewClass("Module");
    AppendEmptyModuleFields(head, "Module2", 2, 87);
    head.Int(2).ClassRef(3);
    AppendEmptyModuleFields(head, "BaseModule", 1, 87);
    head.ObjectRef(4).Int(0).Int(0).Int(0).Null();
    EXPECT_EQ(head.Get(), SaveObject(&project));

    const std::unique_ptr<ForgeonProject> loaded(LoadObject<ForgeonProject>(SaveObject(&project)));
    ASSERT_EQ(2, loaded->GetModuleCount());
    EXPECT_EQ(loaded->GetModuleAt(1), loaded->GetCurrentModule());
    EXPECT_EQ(CString("Module2"), loaded->GetCurrentModule()->GetName());
    EXPECT_EQ(CString("BaseModule"), loaded->GetBaseModule()->GetName());
}

TEST_F(ProjectRecordTest, LoadReadsEachFieldOnlyFromItsVersion)
{
    for (const Gates& gates :
         {Gates{39, true, false, false, false, false}, Gates{41, true, false, false, false, false},
          Gates{42, true, true, false, false, false}, Gates{43, true, true, true, false, false},
          Gates{73, true, true, true, false, false}, Gates{74, true, true, true, true, false},
          Gates{75, true, true, true, true, false}, Gates{76, false, true, false, true, true},
          Gates{87, false, true, false, true, true}})
    {
        SCOPED_TRACE(gates.version);
        DiagnosticsSnapshot::FillLists("old error", "old warning", "old ignored");
        ProjectSettings prefixSettings;
        prefixSettings.SetProjectName("FromFile");
        RDLCInfo prefixRDLCInfo;
        XSDInfo prefixXSDInfo;
        RecordReader reader(StoredThenHandBuilt({&prefixSettings, &prefixRDLCInfo, &prefixXSDInfo},
                                                ProjectRecordAfterPrefix(gates)));
        ProjectSettings* settings = reader.Read<ProjectSettings>(CurrentVersion());
        RDLCInfo* rdlcInfo = reader.Read<RDLCInfo>(CurrentVersion());
        XSDInfo* xsdInfo = reader.Read<XSDInfo>(CurrentVersion());
        const std::unique_ptr<ForgeonProject> project(reader.Read<ForgeonProject>());
        const std::unique_ptr<ProjectSettings> unusedSettings(gates.settings ? nullptr : settings);
        // The project owns the descriptions its lists hold.
        const std::unique_ptr<RDLCInfo> unusedRDLCInfo(gates.infoLists ? nullptr : rdlcInfo);
        const std::unique_ptr<XSDInfo> unusedXSDInfo(gates.infoLists ? nullptr : xsdInfo);
        EXPECT_EQ(recordSentinel, reader.ReadInt());
        EXPECT_EQ(gates.version, TheVersionHistory().GetArchiveVersion());

        ASSERT_EQ(1, project->GetModuleCount());
        EXPECT_EQ(project->GetModuleAt(0), project->GetCurrentModule());
        EXPECT_EQ(CString(gates.legacyStrings ? "old one" : ""), project->GetFirstLegacyString());
        EXPECT_EQ(CString(gates.legacyStrings ? "old two" : ""), project->GetSecondLegacyString());
        EXPECT_EQ(gates.outputKind ? ForgeonProject::classicOutput : ForgeonProject::aspNetOutput,
                  project->GetOutputKind());

        ProjectDiagnostics& diagnostics = TheProjectDiagnostics();
        if (gates.ignoredWarnings)
        {
            EXPECT_TRUE(diagnostics.GetErrors().empty());
            EXPECT_TRUE(diagnostics.GetWarnings().empty());
            EXPECT_EQ(std::vector<CString>{"from file"}, diagnostics.GetIgnoredWarnings());
        }
        else
        {
            EXPECT_EQ(std::vector<CString>{"old error"}, diagnostics.GetErrors());
            EXPECT_EQ(std::vector<CString>{"old warning"}, diagnostics.GetWarnings());
            EXPECT_EQ(std::vector<CString>{"old ignored"}, diagnostics.GetIgnoredWarnings());
        }

        EXPECT_EQ(gates.infoLists ? 1u : 0u, project->GetRDLCInfos().size());
        EXPECT_EQ(gates.infoLists ? 1u : 0u, project->GetXSDInfos().size());
        if (gates.infoLists)
        {
            EXPECT_EQ(rdlcInfo, project->GetRDLCInfos().front());
            EXPECT_EQ(xsdInfo, project->GetXSDInfos().front());
        }

        ASSERT_NE(nullptr, project->GetProjectSettings());
        if (gates.settings)
            EXPECT_EQ(settings, project->GetProjectSettings());
        else
        {
            EXPECT_NE(settings, project->GetProjectSettings());
            EXPECT_TRUE(project->GetProjectName().IsEmpty());
            EXPECT_EQ(CString("mm/dd/yyyy"), project->GetDateFormat());
        }
    }
}

TEST_F(ProjectRecordTest, OldTruncatedOrInconsistentRecordsAreRefused)
{
    ArchiveBytes belowVersion39;
    belowVersion39.NewClass("ForgeonProject").Int(38).Int(0).Int(0).Int(0).Int(0);
    ArchiveBytes strayCurrentModule;
    strayCurrentModule.NewClass("ForgeonProject").Int(87).NewClass("Module");
    AppendEmptyModuleFields(strayCurrentModule, "Stray", 5, 87);
    strayCurrentModule.Int(0).Int(0).Int(0).Int(0).Null();
    ArchiveBytes truncatedAfterCurrentModule;
    truncatedAfterCurrentModule.NewClass("ForgeonProject").Int(87).NewClass("Module");
    AppendEmptyModuleFields(truncatedAfterCurrentModule, "BaseModule", 1, 87);
    truncatedAfterCurrentModule.Int(1);
    const std::pair<const char*, const ArchiveBytes*> cases[] = {
        {"below 39", &belowVersion39},
        {"stray current module", &strayCurrentModule},
        {"truncated", &truncatedAfterCurrentModule}};
    for (const auto& [name, bytes] : cases)
    {
        EXPECT_THROW(LoadObject<ForgeonProject>(bytes->Get()), CArchiveException) << name;
        EXPECT_EQ(bytes == &belowVersion39 ? 38 : 87, TheVersionHistory().GetArchiveVersion())
            << name;
    }
}

TEST_F(ProjectRootTest, ModulesAreFoundByIndexNumberAndExactName)
{
    EXPECT_EQ(m_base, m_project.GetBaseModule());
    EXPECT_EQ(m_second, m_project.FindModuleById(7));
    EXPECT_EQ(nullptr, m_project.FindModuleById(2));
    EXPECT_EQ(m_base, m_project.FindModuleByName("BaseModule"));
    EXPECT_EQ(nullptr, m_project.FindModuleByName("basemodule"));
    EXPECT_NE(nullptr, m_project.FindModuleByName("Module2"));
    EXPECT_EQ(nullptr, m_project.FindModuleByName("module2"));

    Module stray("Stray");
    EXPECT_EQ(0, m_project.GetModuleIndex(m_base));
    EXPECT_EQ(1, m_project.GetModuleIndex(m_second));
    EXPECT_EQ(0, m_project.GetModuleIndex(&stray));

    EXPECT_EQ(m_second, m_project.GetModuleAt(1));
    EXPECT_EQ(nullptr, m_project.GetModuleAt(2));
    EXPECT_EQ(nullptr, m_project.GetModuleAt(-1));
    m_project.SelectModuleAt(1);
    EXPECT_EQ(m_second, m_project.GetCurrentModule());
    m_project.SelectModuleAt(2);
    m_project.SelectModuleAt(-1);
    EXPECT_EQ(m_second, m_project.GetCurrentModule());
}

TEST_F(ProjectRootTest, ModulesOfTablesAndMenusAreFoundInTheirLists)
{
    Table* table = NewTable("customer", Table::mapKind);
    m_second->AppendMapTable(table);
    auto* menu = new Menu;
    m_second->Append(menu);

    int index = -1;
    EXPECT_EQ(m_second, m_project.FindModuleOfTable(table, &index));
    EXPECT_EQ(1, index);
    Table elsewhere;
    index = -1;
    EXPECT_EQ(nullptr, m_project.FindModuleOfTable(&elsewhere, &index));
    EXPECT_EQ(-1, index);

    EXPECT_EQ(m_second, m_project.FindModuleOfMenu(menu));
    Menu loose;
    EXPECT_EQ(nullptr, m_project.FindModuleOfMenu(&loose));
}

TEST_F(ProjectRootTest, ModulesThatAreNotEmptyOrOutOfRangeAreNotDeleted)
{
    m_base->AppendMasterTable(NewTable("customer"));
    for (int index : {0, 2, -1})
        EXPECT_FALSE(m_project.DeleteModuleAt(index)) << index;
    EXPECT_EQ(2, m_project.GetModuleCount());
}

TEST_F(ProjectRootTest, ConnectionStringLosesItsLeadingBlanksBothWays)
{
    ForgeonProject project;
    project.SetProjectSettings(new ProjectSettings);
    project.SetConnectionString("   Server=db;Database=shop");
    EXPECT_EQ(CString("Server=db;Database=shop"),
              project.GetProjectSettings()->GetConnectionString());
    project.GetProjectSettings()->SetConnectionString("  Server=other");
    EXPECT_EQ(CString("Server=other"), project.GetConnectionString());
}

TEST_F(ProjectRootTest, ScriptPathsJoinFolderNameAndBlanklessName)
{
    TempFolder folder;
    ForgeonProject project;
    project.SetProjectSettings(new ProjectSettings);
    project.SetProjectName("My Shop");
    project.SetProjectPath(folder.ModelPath());

    const CString base = folder.ModelPath() + "\\My Shop\\scripts\\KestraneWeavo_MyShop";
    EXPECT_EQ(base + "_Script.sql", project.GetScriptFilePath());
    EXPECT_EQ(base + "_AlterScript.sql", project.GetAlterScriptFilePath());
    EXPECT_TRUE(std::filesystem::is_directory(folder.Path() / "My Shop"));
}

TEST_F(ProjectRootTest, DescriptionsAreFoundByNameIgnoringCase)
{
    auto* rdlc = new RDLCInfo;
    rdlc->SetName("Sales\\Orders.rdlc");
    auto* orders = new XSDInfo;
    orders->SetFilePath("Sales\\OrdersDataSet.xsd");
    auto* invoice = new XSDInfo;
    invoice->SetFilePath("invoice");
    ForgeonProject project;
    project.AddRDLCInfo(rdlc);
    project.AddXSDInfo(orders);
    project.AddXSDInfo(invoice);

    EXPECT_EQ(rdlc, project.FindRDLCInfoByName("sales\\orders.RDLC"));
    EXPECT_EQ(nullptr, project.FindRDLCInfoByName("Orders.rdlc"));
    EXPECT_EQ(orders, project.FindXSDInfoByName("SALES\\ORDERSDATASET.XSD"));

    EXPECT_EQ(orders, project.FindXSDInfoMatchingName("OrdersDataSet"));
    EXPECT_EQ(orders, project.FindXSDInfoMatchingName("ORDER"));
    EXPECT_EQ(invoice, project.FindXSDInfoMatchingName("INVOICE"));
    EXPECT_EQ(nullptr, project.FindXSDInfoMatchingName("Sales"));
    EXPECT_EQ(nullptr, project.FindXSDInfoMatchingName("Invoices"));
}

TEST_F(ProjectRootTest, DescriptionNamesCountAsUsedInTheListOrInAnyRDLCReport)
{
    auto* listed = new RDLCInfo;
    listed->SetName("Orders.rdlc");
    RDLCInfo inReport;
    inReport.SetName("Stock.rdlc");
    XSDInfo dataSet;
    dataSet.SetFilePath("Stock.xsd");
    m_project.AddRDLCInfo(listed);
    auto* report = new RDLCReport;
    report->SetRDLCInfo(&inReport);
    report->SetXSDInfo(&dataSet);
    m_second->Append(report);

    RDLCInfo candidate;
    for (const char* name : {"ORDERS.rdlc", "stock.RDLC"})
    {
        candidate.SetName(name);
        EXPECT_TRUE(m_project.IsRDLCInfoNameUsed(&candidate)) << name;
    }
    candidate.SetName("Prices.rdlc");
    EXPECT_FALSE(m_project.IsRDLCInfoNameUsed(&candidate));

    XSDInfo xsdCandidate;
    xsdCandidate.SetFilePath("STOCK.xsd");
    EXPECT_TRUE(m_project.IsXSDInfoNameUsed(&xsdCandidate));
    xsdCandidate.SetFilePath("Orders.xsd");
    EXPECT_FALSE(m_project.IsXSDInfoNameUsed(&xsdCandidate));
}

TEST_F(ProjectRootTest, RenamesFollowTheModuleAndARemovedDescriptionIsTheCallers)
{
    auto* rdlc = new RDLCInfo;
    rdlc->SetName("Sales\\Orders.rdlc");
    RDLCInfo other;
    other.SetName("SalesReports\\Orders.rdlc");
    auto* xsd = new XSDInfo;
    xsd->SetFilePath("Sales\\Orders.xsd");
    ForgeonProject project;
    project.AddRDLCInfo(rdlc);
    project.AddRDLCInfo(&other);
    project.AddXSDInfo(xsd);
    project.RenameModuleInRDLCInfos("Sales", "Shop");
    project.RenameModuleInXSDInfos("Sales", "Shop");
    project.RemoveRDLCInfo(&other);
    EXPECT_EQ(std::vector<RDLCInfo*>{rdlc}, project.GetRDLCInfos());
    EXPECT_EQ(CString("Shop\\Orders.rdlc"), rdlc->GetName());
    EXPECT_EQ(CString("SalesReports\\Orders.rdlc"), other.GetName());
    EXPECT_EQ(CString("Shop\\Orders.xsd"), xsd->GetName());
}

} // namespace
