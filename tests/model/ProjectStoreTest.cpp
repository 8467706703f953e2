#include "model/ProjectStore.h"
#include "entities/AspFile.h"
#include "entities/Class.h"
#include "entities/Designation.h"
#include "entities/Form.h"
#include "entities/LoginPage.h"
#include "entities/RDLCReport.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ForgeonProject.h"
#include "model/LoginPageCreator.h"
#include "model/Module.h"
#include "model/ProjectDiagnostics.h"
#include "model/ProjectMerger.h"
#include "model/ProjectSettings.h"
#include "model/Table.h"
#include "model/TableFormCreator.h"
#include "platform/core/FileStamp.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/model/EveryClassProject.h"
#include "tests/model/ModelBuilders.h"
#include "tests/model/ProjectRecordBytes.h"
#include "tests/model/TrailingSettings.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/HostFiles.h"
#include "tests/support/RecordBytes.h"
#include "tests/support/TempFolder.h"
#include "tests/support/ThreadTime.h"

#include <gtest/gtest.h>

#include <functional>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <sys/xattr.h>
#include <vector>

namespace
{
// The words of the text, split at spaces.
std::vector<std::string> Words(const std::string& text)
{
    std::istringstream stream(text);
    return {std::istream_iterator<std::string>(stream), {}};
}

// The serialisable classes of the project file.
const std::vector<std::string> fileClassNames =
    Words("ApplicationReport AspFile AspxFile BooleanTreeNode ChangeEventHandle Class "
          "ClassInvokation ColumnGraphData DashBoard DashBoardCellInfo DashBoardPage "
          "DashBoardPageData DateValidation DependentData DerivedField Designation "
          "DetailTableReport EventRecmpFields Field FieldFilter FieldRep FieldRepData "
          "FieldVisibility ForgeonProject Form FormInterface FormulaTreeNode Function GraphData "
          "Grid GridCell LinkControl LoginPage MapForm Menu MenuInterface Module MultiPageData "
          "MultiPageReport Parameter PieChartData Procedure ProcedureFieldInfo "
          "ProcedureInvokation ProcedureTable ProjectSettings RDLCInfo RDLCReport RefField "
          "Relation ReportCollector ReportField ReportFieldControlProperty ReportGroup Table "
          "TableAdapter Transaction UniquenessProcedureTable ValidationData Variable "
          "VisibilityData XSDInfo");

// Classes that the current layout never writes: the two page and menu bases stand only for
// their derived classes, and procedures no longer store their filters.
const std::vector<std::string> unwrittenClassNames =
    Words("BooleanTreeNode FieldFilter FormInterface MenuInterface");

std::vector<BYTE> HostFileBytes(const std::filesystem::path& path)
{
    const std::string text = ReadHostFile(path);
    return std::vector<BYTE>(text.begin(), text.end());
}

void WriteFileBytes(const std::filesystem::path& path, const std::vector<BYTE>& bytes)
{
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

// The file holds the new-class record of the class.
bool HoldsClassRecord(const std::vector<BYTE>& bytes, const std::string& name)
{
    ArchiveBytes record;
    record.NewClass(name);
    return std::search(bytes.begin(), bytes.end(), record.Get().begin(), record.Get().end()) !=
           bytes.end();
}

class ProjectStoreTest : public ::testing::Test
{
protected:
    // The text of the last message box, for failure messages.
    std::string LastBox() const
    {
        return m_boxes.Shown().empty() ? std::string() : m_boxes.Shown().back().text;
    }

    CString PathOf(const char* name) const { return m_folder.ModelPath(name); }

    // The project made by the function as the open project, saved, loaded and saved again,
    // gives the same bytes.
    void ExpectSameBytesOnceLoaded(const std::function<void(ForgeonProject&)>& make)
    {
        {
            ForgeonProject made;
            ScopedOpenProject open(&made);
            make(made);
            ASSERT_TRUE(m_store.ArchiveProject(&made, PathOf("made.wvt"), FALSE));
        }
        ScopedOpenProject open(m_store.GetProject());
        ASSERT_TRUE(m_store.ArchiveProject(nullptr, PathOf("made.wvt"), TRUE)) << LastBox();
        ScopedOpenProject openLoaded(m_store.GetProject());
        ASSERT_TRUE(m_store.ArchiveProject(m_store.GetProject(), PathOf("saved.wvt"), FALSE));

        const std::vector<BYTE> made = HostFileBytes(HostPathOf("made.wvt"));
        const std::vector<BYTE> saved = HostFileBytes(HostPathOf("saved.wvt"));
        EXPECT_TRUE(made == saved) << FirstDifference(made, saved);
    }
    std::filesystem::path HostPathOf(const char* name) const { return m_folder.Path() / name; }

    TempFolder m_folder;
    ScriptedMessageBoxes m_boxes;
    DiagnosticsSnapshot m_diagnostics;
    ScopedArchiveVersion m_version{CurrentVersion()};
    ProjectStore m_store;
};

TEST_F(ProjectStoreTest, ProjectOfEveryStoredClassSavesLoadsAndSavesToTheSameBytes)
{
    EveryClassProject built;
    // The built project starts in the state the load-time repairs leave.
    ProjectStore::FixUpLoadedProject(built.GetProject());
    ASSERT_TRUE(m_store.ArchiveProject(built.GetProject(), PathOf("first.wvt"), FALSE));
    ASSERT_TRUE(m_store.ArchiveProject(nullptr, PathOf("first.wvt"), TRUE)) << LastBox();
    ForgeonProject* loaded = m_store.GetProject();
    ASSERT_TRUE(m_store.ArchiveProject(loaded, PathOf("second.wvt"), FALSE));
    EXPECT_EQ(87, TheVersionHistory().GetArchiveVersion());

    const std::vector<BYTE> first = HostFileBytes(HostPathOf("first.wvt"));
    const std::vector<BYTE> second = HostFileBytes(HostPathOf("second.wvt"));
    EXPECT_TRUE(first == second) << FirstDifference(first, second);
    for (const std::string& name : fileClassNames)
    {
        const bool unwritten = std::find(unwrittenClassNames.begin(), unwrittenClassNames.end(),
                                         name) != unwrittenClassNames.end();
        EXPECT_EQ(!unwritten, HoldsClassRecord(first, name)) << name;
    }
    ArchiveBytes head;
    head.NewClass("ForgeonProject").Int(87);
    ASSERT_GT(first.size(), head.Get().size());
    EXPECT_TRUE(std::equal(head.Get().begin(), head.Get().end(), first.begin()));
    const std::vector<BYTE> settings = SaveObject(built.GetProject()->GetProjectSettings());
    ASSERT_GT(first.size(), settings.size());
    EXPECT_TRUE(std::equal(settings.begin(), settings.end(), first.end() - settings.size()));
    EXPECT_TRUE(m_boxes.Shown().empty());

    ASSERT_EQ(2, loaded->GetModuleCount());
    EXPECT_EQ(loaded->GetModuleAt(1), loaded->GetCurrentModule());
    const Module* base = loaded->GetBaseModule();
    const Table* customer = base->GetMasterTables().front();
    ASSERT_EQ(CString("customer"), customer->GetTableName());
    ASSERT_EQ(2u, base->GetMasterForms().size());
    for (const Form* form : base->GetMasterForms())
        EXPECT_EQ(customer, form->GetTable()) << form->GetFormName().str();
    EXPECT_EQ(customer, base->GetClasses().front()->GetTable());
    EXPECT_EQ(loaded->GetRDLCInfos().front(), base->GetRDLCReports().front()->GetRDLCInfo());
    EXPECT_EQ(base, base->GetLoginPage()->GetModule());
}

// Three modules of three tables each, every table with its default form, search report and
// menu entries, the later tables of a module referring to the one before.
void BuildProjectOfModules(ForgeonProject& project)
{
    project.InitNewProject();
    for (int number = 0; number < 9; ++number)
    {
        if (number > 0 && number % 3 == 0)
            project.SetCurrentModule(project.AddNewModule());
        const std::string name = "table_" + std::to_string(number);
        Table* table = NewTable(name.c_str(), Table::masterKind, {"title", "note"});
        if (number % 3 != 0)
        {
            const Table* previous = project.GetCurrentModule()->GetMasterTables().back();
            AddVarcharField(table, "parent", previous->GetFields().front());
        }
        project.GetCurrentModule()->AddTable(table);
        TableFormCreator creator(table, &project);
        creator.CreateForm();
        creator.CreateReport();
    }
}

TEST_F(ProjectStoreTest, ProjectSavedRightAfterItWasBuiltSavesToTheSameBytesOnceLoaded)
{
    ExpectSameBytesOnceLoaded(
        [](ForgeonProject& built)
        {
            BuildProjectOfModules(built);
            ASSERT_EQ(3, built.GetModuleCount());
        });
}

// New makes the login tables with their forms, the change-password page among them; loading
// them changes nothing.
TEST_F(ProjectStoreTest, NewProjectSavesToTheSameBytesOnceLoaded)
{
    ExpectSameBytesOnceLoaded(
        [](ForgeonProject& made)
        {
            made.InitNewProject();
            LoginPageCreator().Create();
        });
}

TEST(ProjectClassRegistryTest, EveryFileClassIsRegisteredUnderItsNameWithSchemaZero)
{
    for (const std::string& name : fileClassNames)
    {
        CRuntimeClass* runtimeClass = CRuntimeClass::FromName(name.c_str());
        ASSERT_NE(nullptr, runtimeClass) << name;
        EXPECT_EQ(name, runtimeClass->m_lpszClassName);
        EXPECT_EQ(0u, runtimeClass->m_wSchema) << name;
        EXPECT_TRUE(runtimeClass->IsDerivedFrom(RUNTIME_CLASS(CObject))) << name;
        const std::unique_ptr<CObject> object(runtimeClass->CreateObject());
        ASSERT_NE(nullptr, object) << name;
        EXPECT_EQ(runtimeClass, object->GetRuntimeClass()) << name;
    }
    EXPECT_EQ(62u, fileClassNames.size());
}

TEST(ProjectFixUpTest, PassesAreRegisteredInTheirFixedOrder)
{
    const std::vector<std::string> expected = Words(
        "MarkKeyFieldVariables DetachKeyFieldReps CleanUpPageFiles LinkDetailTableProcedures "
        "FillEmptyCaptions RemoveInvalidFieldReps AddFormKeyVariables AddMissingAliasColumns "
        "RenamePageVariablesForAllTables VisitPageEventFields CreateMapFormInputFields "
        "SyncPageTableFlags SyncPageControlsWithTables ClearMapFormSyncFlags "
        "CleanPageClassRecomputes EnsureLoginTableClasses AddDefaultClassFunctionsUpTo "
        "AddTableFieldsToAllClassFunctions RenameClassesAfterTables DeleteUnconfirmedFieldReps "
        "SetLoginTableFrontFields AddTableFieldsToAllClassFunctions");
    std::vector<std::string> passes;
    for (const ProjectStore::ModuleStep& pass : ProjectStore::PostLoadPasses())
        passes.push_back(pass.name);
    EXPECT_EQ(expected, passes);

    std::vector<std::string> steps;
    for (const ProjectStore::ModuleStep& step : ProjectStore::BaseModuleSteps())
        steps.push_back(step.name);
    EXPECT_EQ(Words("CreateLoginPage AttachLoginPage EnsureDefaultDesignation "
                    "RepairUserAccountPages"),
              steps);
}

TEST(ProjectFixUpTest, ModulesThatAllShareOneNumberAreNumberedInListOrder)
{
    const struct
    {
        std::vector<int> read;
        std::vector<int> fixed;
    } cases[] = {{{0, 0, 0}, {1, 2, 3}}, {{-1, -1}, {1, 2}}, {{5, 9}, {5, 9}}, {{4}, {4}}};
    for (const auto& [read, fixed] : cases)
    {
        ForgeonProject project;
        for (const int number : read)
            project.AddModule(NewModule("Module", number));

        ProjectStore::FixUpLoadedProject(&project);
        std::vector<int> numbers;
        for (const Module* module : project.GetModules())
            numbers.push_back(module->GetNumber());
        EXPECT_EQ(fixed, numbers);
        EXPECT_EQ(project.GetModules().back(), project.FindModuleById(fixed.back()));
    }
}

TEST(ProjectFixUpTest, LoginTablesOfTheBaseModuleGetTheirFrontFields)
{
    ForgeonProject project;
    auto* base = new Module("BaseModule");
    auto* second = new Module("Module2");
    project.AddModule(base);
    project.AddModule(second);
    Table* roles = NewTable("personnel_role", Table::masterKind, {"ROLE_NAME"});
    Table* accounts = NewTable("useraccount", Table::masterKind, {"username", "nickname"});
    accounts->FindFieldByName("nickname")->SetFrontField(true);
    base->AppendMasterTable(roles);
    base->AppendMasterTable(accounts);
    Table* otherAccounts = NewTable("useraccount", Table::masterKind, {"username"});
    second->AppendMasterTable(otherAccounts);

    ProjectStore::FixUpLoadedProject(&project);
    EXPECT_EQ(roles->FindFieldByName("role_name"), roles->GetFrontField());
    EXPECT_EQ(accounts->FindFieldByName("nickname"), accounts->GetFrontField());
    EXPECT_EQ(nullptr, otherAccounts->GetFrontField());
}

TEST(ProjectFixUpTest, ClassesTakeTheirTableNamesAndControlsTheirFieldCaptions)
{
    ForgeonProject project;
    auto* module = new Module("BaseModule");
    project.AddModule(module);
    Table* customer = NewTable("customer", Table::masterKind, {"name"});
    module->AppendMasterTable(customer);
    auto* dataClass = new Class;
    dataClass->SetName("CustomerData");
    dataClass->SetTable(customer);
    module->Append(dataClass);
    auto* form = new Form;
    Field* name = customer->FindFieldByName("name");
    name->SetDisplayName("Customer Name");
    for (const char* caption : {"", "Kept"})
    {
        auto* control = new FieldRep(name);
        auto* data = new FieldRepData;
        data->SetCaption(caption);
        control->AttachFieldRepData(data);
        form->AddFieldRep(control);
    }
    module->Append(form);
    auto* loginPage = new LoginPage;
    module->AdoptLoginPage(loginPage);
    loginPage->SetModule(nullptr);

    ProjectStore::FixUpLoadedProject(&project);
    EXPECT_EQ(CString("_customer"), dataClass->GetFieldName());
    EXPECT_EQ(CString("Customer Name"), form->GetFieldReps()[0]->GetFieldRepData()->GetCaption());
    EXPECT_EQ(CString("Kept"), form->GetFieldReps()[1]->GetFieldRepData()->GetCaption());
    EXPECT_EQ(module, loginPage->GetModule());
}

// A module whose record fails after it was half written, as a full disk would.
class FailingModule : public Module
{
public:
    void Serialize(CArchive& ar) override
    {
        Module::Serialize(ar);
        if (ar.IsStoring())
            throw CFileException(CFileException::diskFull);
    }
};

// The files of the folder, by name.
std::vector<std::filesystem::path> FilesIn(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        files.push_back(entry.path());
    std::ranges::sort(files);
    return files;
}

// The global state a load changes: the archive version, the role counter and the diagnostics.
struct LoadGlobals
{
    int archiveVersion = TheVersionHistory().GetArchiveVersion();
    int roleCounter = Designation::GetIdCounter();
    std::vector<CString> errors = TheProjectDiagnostics().GetErrors();
    std::vector<CString> warnings = TheProjectDiagnostics().GetWarnings();
    std::vector<CString> ignoredWarnings = TheProjectDiagnostics().GetIgnoredWarnings();

    bool operator==(const LoadGlobals&) const = default;
};

// A project file of version 60 without modules.
std::vector<BYTE> Version60File()
{
    ArchiveBytes bytes;
    bytes.NewClass("ForgeonProject").Int(60).Str("").Str("").Null().Int(0).Int(0).Int(1);
    return bytes.Get();
}

// A project whose base module, the current one, holds two tables and roles with the ids 1 to
// count, with an ignored warning.
ForgeonProject* ProjectWithRoles(int count)
{
    Designation::ResetIdCounter();
    auto* project = new ForgeonProject;
    project->SetProjectSettings(new ProjectSettings);
    auto* module = new Module("BaseModule");
    for (int i = 0; i < count; ++i)
        module->Append(new Designation(TRUE));
    module->AppendMasterTable(NewTable("customer", Table::masterKind, {"name"}));
    module->AppendMasterTable(NewTable("useraccount", Table::masterKind, {"username"}));
    project->AddModule(module);
    project->SetCurrentModule(module);
    DiagnosticsSnapshot::IgnoreOnly("Form has no caption");
    return project;
}

TEST_F(ProjectStoreTest, GetProjectMakesAnEmptyProjectOnceAndEmptyPathsTouchNothing)
{
    ForgeonProject* first = m_store.GetProject();
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(0, first->GetModuleCount());
    EXPECT_EQ(first, m_store.GetProject());
    EXPECT_FALSE(m_store.ArchiveProject(first, "", FALSE));
    EXPECT_FALSE(m_store.ArchiveProject(first, "", TRUE));
    EXPECT_FALSE(m_store.ArchiveProject(first, nullptr, TRUE));
    EXPECT_EQ(first, m_store.GetProject());
    EXPECT_TRUE(m_boxes.Shown().empty());
    EXPECT_TRUE(std::filesystem::is_empty(m_folder.Path()));

    const std::unique_ptr<ForgeonProject> previous(first);
    auto* replacement = new ForgeonProject;
    replacement->AddModule(new Module("BaseModule"));
    m_store.SetProject(replacement);
    EXPECT_EQ(replacement, m_store.GetProject());
    m_store.DeleteProject();
    EXPECT_EQ(0, m_store.GetProject()->GetModuleCount());
}

// Loads the file, which must fail with the report and leave the store's state as it was.
void ExpectFailedLoad(ProjectStore& store, const ScriptedMessageBoxes& boxes, const CString& path)
{
    SCOPED_TRACE(path.str());
    ForgeonProject* open = store.GetProject();
    const int roleCounter = Designation::GetIdCounter();
    const int version = TheVersionHistory().GetArchiveVersion();
    const std::vector<CString> ignored = TheProjectDiagnostics().GetIgnoredWarnings();
    const std::size_t shown = boxes.Shown().size();

    EXPECT_FALSE(store.ArchiveProject(nullptr, path, TRUE));
    ASSERT_EQ(shown + 1, boxes.Shown().size());
    EXPECT_EQ(0u, boxes.Shown().back().text.rfind("Error in archiving\n", 0));
    EXPECT_EQ(MB_OK, boxes.Shown().back().type);
    EXPECT_EQ(open, store.GetProject());
    EXPECT_EQ(roleCounter, Designation::GetIdCounter());
    EXPECT_EQ(version, TheVersionHistory().GetArchiveVersion());
    EXPECT_EQ(ignored, TheProjectDiagnostics().GetIgnoredWarnings());
}

TEST_F(ProjectStoreTest, FilesThatAreNoProjectsOrMissingAreReportedAndChangeNothing)
{
    WriteFileBytes(HostPathOf("notes.txt"), {'h', 'e', 'l', 'l', 'o', '\n'});
    std::vector<BYTE> tooOld = Version60File();
    tooOld[20] = 38;
    WriteFileBytes(HostPathOf("tooold.wvt"), tooOld);
    DiagnosticsSnapshot::IgnoreOnly("Menu is empty");
    Designation::SetIdCounter(12);

    for (const char* name : {"notes.txt", "tooold.wvt", "missing.wvt", "nofolder\\a.wvt"})
        ExpectFailedLoad(m_store, m_boxes, PathOf(name));
}

TEST_F(ProjectStoreTest, EveryTruncationOfAProjectFileIsReportedAndChangesNothing)
{
    const std::unique_ptr<ForgeonProject> project(ProjectWithRoles(2));
    ASSERT_TRUE(m_store.ArchiveProject(project.get(), PathOf("roles.wvt"), FALSE));
    const std::vector<BYTE> bytes = HostFileBytes(HostPathOf("roles.wvt"));
    DiagnosticsSnapshot::IgnoreOnly("Menu is empty");
    // Far above the ids in the file: every load resets the counter and reads smaller ids.
    const int largeId = 2'000'000'000;
    Designation::SetIdCounter(largeId);

    for (std::size_t length = 0; length < bytes.size(); ++length)
    {
        WriteFileBytes(HostPathOf("truncated.wvt"),
                       std::vector<BYTE>(bytes.begin(), bytes.begin() + static_cast<long>(length)));
        ExpectFailedLoad(m_store, m_boxes, PathOf("truncated.wvt"));
    }
    EXPECT_EQ(largeId + 1, Designation(TRUE).GetId());
}

TEST_F(ProjectStoreTest, LoadSetsTheArchiveVersionOfTheFileAndSaveTheCurrentOne)
{
    WriteFileBytes(HostPathOf("old.wvt"), Version60File());
    ASSERT_TRUE(m_store.ArchiveProject(nullptr, PathOf("old.wvt"), TRUE)) << LastBox();
    EXPECT_EQ(60, TheVersionHistory().GetArchiveVersion());
    ForgeonProject* loaded = m_store.GetProject();
    EXPECT_EQ(0, loaded->GetModuleCount());
    ASSERT_NE(nullptr, loaded->GetProjectSettings());

    ASSERT_TRUE(m_store.ArchiveProject(loaded, PathOf("new.wvt"), FALSE));
    EXPECT_EQ(87, TheVersionHistory().GetArchiveVersion());
    ASSERT_TRUE(m_store.ArchiveProject(nullptr, PathOf("new.wvt"), TRUE));
    EXPECT_EQ(87, TheVersionHistory().GetArchiveVersion());
}

TEST_F(ProjectStoreTest, FailedSaveLeavesTheOldFileAndNoOtherFile)
{
    EveryClassProject built;
    ASSERT_TRUE(m_store.ArchiveProject(built.GetProject(), PathOf("shop.wvt"), FALSE));
    const std::vector<BYTE> saved = HostFileBytes(HostPathOf("shop.wvt"));

    ForgeonProject failing;
    failing.AddModule(new FailingModule);
    EXPECT_FALSE(m_store.ArchiveProject(&failing, PathOf("shop.wvt"), FALSE));
    ASSERT_EQ(1u, m_boxes.Shown().size());
    EXPECT_EQ(0u, m_boxes.Shown().back().text.rfind("Error in archiving\n", 0));
    EXPECT_EQ(saved, HostFileBytes(HostPathOf("shop.wvt")));

    EXPECT_FALSE(m_store.ArchiveProject(built.GetProject(), PathOf("nofolder\\shop.wvt"), FALSE));
    EXPECT_EQ(2u, m_boxes.Shown().size());
    const std::vector<std::filesystem::path> expectedFiles{HostPathOf("shop.wvt")};
    EXPECT_EQ(expectedFiles, FilesIn(m_folder.Path()));
}

TEST_F(ProjectStoreTest, SaveThatDoesNotReadBackKeepsTheOldFileAndTheNewBytesBesideIt)
{
    struct Case
    {
        const char* name;
        void (*spoil)(ForgeonProject& project);
    };
    const Case cases[] = {
        {"a page file whose owner kind names another class than its page",
         [](ForgeonProject& project)
         {
             Form* form = project.GetBaseModule()->GetMasterForms().front();
             form->GetAspFiles().front()->SetOwnerKind(AspFile::transactionOwner);
         }},
        {"settings followed by stray bytes",
         [](ForgeonProject& project) { project.SetProjectSettings(new TrailingSettings); }},
    };
    for (const Case& test : cases)
    {
        SCOPED_TRACE(test.name);
        EveryClassProject built;
        ASSERT_TRUE(m_store.ArchiveProject(built.GetProject(), PathOf("shop.wvt"), FALSE));
        const std::vector<BYTE> old = HostFileBytes(HostPathOf("shop.wvt"));
        test.spoil(*built.GetProject());
        ForgeonProject* open = m_store.GetProject();
        Designation::SetIdCounter(1000);
        DiagnosticsSnapshot::FillLists("error", "warning", "ignored");
        const std::vector<BYTE> spoilt = SaveObject(built.GetProject());
        const LoadGlobals before;
        const std::size_t shown = m_boxes.Shown().size();

        EXPECT_FALSE(m_store.ArchiveProject(built.GetProject(), PathOf("shop.wvt"), FALSE));
        ASSERT_EQ(shown + 1, m_boxes.Shown().size());
        const std::string text = m_boxes.Shown().back().text;
        EXPECT_NE(std::string::npos, text.find(PathOf("shop.wvt").str() + " was left")) << text;
        EXPECT_NE(std::string::npos, text.find(PathOf("shop.wvt.unreadable").str())) << text;
        EXPECT_EQ(old, HostFileBytes(HostPathOf("shop.wvt")));
        EXPECT_EQ(spoilt, HostFileBytes(HostPathOf("shop.wvt.unreadable")));
        const std::vector<std::filesystem::path> expectedFiles{HostPathOf("shop.wvt"),
                                                               HostPathOf("shop.wvt.unreadable")};
        EXPECT_EQ(expectedFiles, FilesIn(m_folder.Path()));
        EXPECT_EQ(open, m_store.GetProject());
        EXPECT_TRUE(before == LoadGlobals());
        for (const std::filesystem::path& file : expectedFiles)
            std::filesystem::remove(file);
    }
}

// Each save that does not read back keeps its new file under a free name: an earlier kept file,
// and a link planted at the kept name, stay as they were.
TEST_F(ProjectStoreTest, SavesThatDoNotReadBackKeepEachNewFileUnderAFreeName)
{
    EveryClassProject built;
    ASSERT_TRUE(m_store.ArchiveProject(built.GetProject(), PathOf("shop.wvt"), FALSE));
    built.GetProject()->SetProjectSettings(new TrailingSettings);
    std::filesystem::create_symlink(HostPathOf("elsewhere.txt"), HostPathOf("shop.wvt.unreadable"));
    std::vector<std::vector<BYTE>> kept;
    for (const char* name : {"shop.wvt.unreadable-2", "shop.wvt.unreadable-3"})
    {
        SCOPED_TRACE(name);
        const std::size_t shown = m_boxes.Shown().size();
        EXPECT_FALSE(m_store.ArchiveProject(built.GetProject(), PathOf("shop.wvt"), FALSE));
        ASSERT_EQ(shown + 1, m_boxes.Shown().size());
        const std::string text = m_boxes.Shown().back().text;
        EXPECT_NE(std::string::npos,
                  text.find("\nThe new file was kept as " + PathOf(name).str() + ".\n"))
            << text;
        kept.push_back(HostFileBytes(HostPathOf(name)));
        EXPECT_FALSE(kept.back().empty());
    }
    EXPECT_EQ(kept.front(), kept.back());
    EXPECT_TRUE(std::filesystem::is_symlink(HostPathOf("shop.wvt.unreadable")));
    EXPECT_FALSE(std::filesystem::exists(HostPathOf("elsewhere.txt")));
    const std::vector<std::filesystem::path> expectedFiles{
        HostPathOf("shop.wvt"), HostPathOf("shop.wvt.unreadable"),
        HostPathOf("shop.wvt.unreadable-2"), HostPathOf("shop.wvt.unreadable-3")};
    EXPECT_EQ(expectedFiles, FilesIn(m_folder.Path()));
}

// A project file whose theme name climbs out of the themes folder is refused at Open, naming it.
// One whose theme name holds a character no folder name may hold, which earlier versions took
// from their themes folder's folder names, opens with one warning that names it and is left
// without a theme, so that the default theme is applied.
TEST_F(ProjectStoreTest, AThemeNameThatIsAPathRefusesTheFileAndOneNoFolderTakesIsDropped)
{
    const struct
    {
        std::string name;
        bool opens;
        std::string box;
    } cases[] = {
        {"..\\..\\", false, "the theme name \"..\\..\\\" is refused"},
        {"th:me1", true,
         "Earlier versions took a theme that no folder of the themes can hold:\nthe theme name "
         "\"th:me1\" is refused: it holds one of * | / \\ < > ? :\nThe default theme is used "
         "instead."},
    };
    for (const auto& test : cases)
    {
        SCOPED_TRACE(test.name);
        EveryClassProject built;
        built.GetProject()->GetProjectSettings()->SetThemeName("theme1");
        ASSERT_TRUE(m_store.ArchiveProject(built.GetProject(), PathOf("crafted.wvt"), FALSE));
        std::vector<BYTE> bytes = HostFileBytes(HostPathOf("crafted.wvt"));
        const std::string name = "\x06theme1";
        const auto found = std::search(bytes.begin(), bytes.end(), name.begin(), name.end());
        ASSERT_NE(found, bytes.end());
        ASSERT_EQ(test.name.size(), 6u);
        std::ranges::copy("\x06" + test.name, found);
        WriteFileBytes(HostPathOf("crafted.wvt"), bytes);
        const std::size_t shown = m_boxes.Shown().size();

        EXPECT_EQ(m_store.ArchiveProject(nullptr, PathOf("crafted.wvt"), TRUE) != FALSE,
                  test.opens);

        ASSERT_EQ(m_boxes.Shown().size(), shown + 1);
        EXPECT_NE(std::string::npos, m_boxes.Shown().back().text.find(test.box)) << LastBox();
        if (test.opens)
        {
            const ProjectSettings& settings = *m_store.GetProject()->GetProjectSettings();
            EXPECT_EQ(settings.GetThemeName(), "");
            EXPECT_EQ(settings.GetColorSchemeName(), "");
        }
    }
}

// A save keeps the extended attributes of the file it replaces.
TEST_F(ProjectStoreTest, SaveKeepsTheExtendedAttributesOfTheFile)
{
    EveryClassProject built;
    ASSERT_TRUE(m_store.ArchiveProject(built.GetProject(), PathOf("shop.wvt"), FALSE));
    const std::string file = HostPathOf("shop.wvt").string();
    if (::setxattr(file.c_str(), "user.weavo.tag", "blue", 4, 0) != 0)
    {
        // Only a file system without user attributes is passed over.
        ASSERT_EQ(ENOTSUP, errno) << std::strerror(errno);
        GTEST_SKIP() << "no user attributes on this file system";
    }

    ASSERT_TRUE(m_store.ArchiveProject(built.GetProject(), PathOf("shop.wvt"), FALSE));

    char value[16] = {};
    EXPECT_EQ(4, ::getxattr(file.c_str(), "user.weavo.tag", value, sizeof value));
    EXPECT_EQ(std::string("blue"), value);
    EXPECT_TRUE(m_boxes.Shown().empty()) << LastBox();
}

// Project files of names up to the longest a folder takes are saved, a first time and over
// themselves.
TEST_F(ProjectStoreTest, ProjectFilesOfLongNamesAreSaved)
{
    EveryClassProject built;
    for (const std::size_t length : {242u, 250u, 255u})
    {
        const std::string name = std::string(length - 4, 'S') + ".wvt";
        for (int save = 0; save < 2; ++save)
            EXPECT_TRUE(m_store.ArchiveProject(built.GetProject(), PathOf(name.c_str()), FALSE))
                << length << ": " << LastBox();
        EXPECT_TRUE(std::filesystem::exists(HostPathOf(name.c_str())));
    }
}

// A huge file, sparse here, is no project file: the load says so instead of running out of
// memory.
TEST_F(ProjectStoreTest, AHugeSparseFileIsRefusedWithoutRunningOutOfMemory)
{
    std::filesystem::path huge = HostPathOf("huge.wvt");
    WriteFileBytes(huge, {});
    std::error_code error;
    std::filesystem::resize_file(huge, std::uintmax_t{1} << 40, error);
    if (error)
        GTEST_SKIP() << "no sparse file of 1 TB here: " << error.message();

    EXPECT_FALSE(m_store.ArchiveProject(nullptr, PathOf("huge.wvt"), TRUE));

    ASSERT_FALSE(m_boxes.Shown().empty());
    const std::string text = m_boxes.Shown().back().text;
    EXPECT_EQ(std::string::npos, text.find("bad_alloc")) << text;
    EXPECT_NE(std::string::npos, text.find(PathOf("huge.wvt").str())) << text;
    std::filesystem::remove(huge);
}

// Bytes after the project (a copy that broke off, room kept in advance) are named, not read:
// eight times as many take no longer (both past the size from which a load's reserve stays the
// same). The stamp still sees a changed byte of the project, size and time kept; a save drops
// them. A project alone opens silently, stamped whole.
TEST_F(ProjectStoreTest, BytesAfterTheProjectAreNamedNotReadAndNotSaved)
{
    ProjectStore made;
    made.GetProject()->InitNewProject();
    ASSERT_TRUE(made.ArchiveProject(made.GetProject(), PathOf("shop.wvt"), FALSE));
    const std::vector<BYTE> saved = HostFileBytes(HostPathOf("shop.wvt"));
    const std::filesystem::path padded = HostPathOf("padded.wvt");
    // The fastest of five opens of the project and zeros (sparse), in processor seconds.
    const auto open = [&](std::uintmax_t zeros)
    {
        WriteFileBytes(padded, saved);
        std::filesystem::resize_file(padded, saved.size() + zeros);
        double fastest = 1e9;
        for (int run = 0; run < 5; ++run)
        {
            const double start = ThreadProcessorSeconds();
            EXPECT_TRUE(m_store.ArchiveProject(nullptr, PathOf("padded.wvt"), TRUE)) << LastBox();
            fastest = std::min(fastest, ThreadProcessorSeconds() - start);
        }
        return fastest;
    };
    open(0);
    EXPECT_TRUE(m_boxes.Shown().empty()) << LastBox();
    EXPECT_EQ(FileStamp::Of(PathOf("padded.wvt")), m_store.GetFileStamp());
    const double small = open(256u << 20);
    EXPECT_LT(open(2048u << 20), 2 * small) << small;
    EXPECT_EQ(10u, m_boxes.Shown().size());
    EXPECT_EQ(padded.string() + "\nholds 2147483648 bytes after the end of the project, which "
                                "were not read: a copy that broke off or room kept for the file "
                                "in advance leaves such bytes. The project before them was "
                                "read; a save writes the project without them.",
              LastBox());

    std::optional<FileStamp> known = m_store.GetFileStamp();
    const auto time = std::filesystem::last_write_time(padded);
    std::fstream(padded, std::ios::binary | std::ios::in | std::ios::out)
        .seekp(40)
        .put(static_cast<char>(saved[40] ^ 1));
    std::filesystem::last_write_time(padded, time);
    int asked = 0;
    const auto decline = [&asked](const FileStamp&) { return ++asked == 0; };
    EXPECT_FALSE(m_store.SaveOver(m_store.GetProject(), PathOf("padded.wvt"), known, decline));
    open(3u << 20);
    known = m_store.GetFileStamp();
    EXPECT_TRUE(m_store.SaveOver(m_store.GetProject(), PathOf("padded.wvt"), known, decline));
    EXPECT_EQ(1, asked);
    EXPECT_EQ(saved, HostFileBytes(padded));
}

// The first save of a project whose file does not read back writes no file, and says so; the
// reason names the project file, not the temporary that is gone.
TEST_F(ProjectStoreTest, FirstSaveThatDoesNotReadBackSaysNoFileWasWritten)
{
    EveryClassProject built;
    Form* form = built.GetProject()->GetBaseModule()->GetMasterForms().front();
    form->GetAspFiles().front()->SetOwnerKind(AspFile::transactionOwner);

    EXPECT_FALSE(m_store.ArchiveProject(built.GetProject(), PathOf("new.wvt"), FALSE));

    ASSERT_FALSE(m_boxes.Shown().empty());
    const std::string text = m_boxes.Shown().back().text;
    EXPECT_EQ(0u, text.find("The saved project could not be read back, so no file was written at " +
                            PathOf("new.wvt").str() + ".\nThe new file was kept as " +
                            PathOf("new.wvt.unreadable").str() + ".\n" + PathOf("new.wvt").str() +
                            ": "))
        << text;
    EXPECT_EQ(std::string::npos, text.find(".weavo-")) << text;
    EXPECT_FALSE(std::filesystem::exists(HostPathOf("new.wvt")));
}

TEST_F(ProjectStoreTest, SaveThatReadsBackReplacesTheFileQuietlyAndLeavesTheGlobalsAlone)
{
    EveryClassProject built;
    WriteFileBytes(HostPathOf("shop.wvt"), {1, 2, 3});
    ForgeonProject* open = m_store.GetProject();
    Designation::SetIdCounter(1000);
    DiagnosticsSnapshot::FillLists("error", "warning", "ignored");
    const std::vector<BYTE> expected = SaveObject(built.GetProject());
    const LoadGlobals before;

    EXPECT_TRUE(m_store.ArchiveProject(built.GetProject(), PathOf("shop.wvt"), FALSE));
    EXPECT_TRUE(m_boxes.Shown().empty()) << LastBox();
    EXPECT_EQ(expected, HostFileBytes(HostPathOf("shop.wvt")));
    const std::vector<std::filesystem::path> expectedFiles{HostPathOf("shop.wvt")};
    EXPECT_EQ(expectedFiles, FilesIn(m_folder.Path()));
    EXPECT_EQ(open, m_store.GetProject());
    EXPECT_TRUE(before == LoadGlobals());
}

TEST_F(ProjectStoreTest, SaveRefusesReadOnlyFilesKeepsTheModeAndWritesThroughALink)
{
    EveryClassProject built;
    const std::vector<BYTE> expected = SaveObject(built.GetProject());
    const std::vector<BYTE> old{1, 2, 3};
    for (const char* name : {"locked.wvt", "locked.wvp", "private.wvt", "target.wvt"})
        WriteFileBytes(HostPathOf(name), old);
    // By its mode bits, so that root is refused as well.
    for (const char* name : {"locked.wvt", "locked.wvp"})
        std::filesystem::permissions(HostPathOf(name), std::filesystem::perms::owner_read);
    std::filesystem::permissions(HostPathOf("private.wvt"),
                                 std::filesystem::perms::owner_read |
                                     std::filesystem::perms::owner_write);
    std::filesystem::create_symlink("target.wvt", HostPathOf("link.wvt"));

    for (const char* name : {"locked.wvt", "locked.wvp"})
    {
        EXPECT_FALSE(m_store.ArchiveProject(built.GetProject(), PathOf(name), FALSE));
        EXPECT_EQ(LastBox(), PathOf(name).str() +
                                 " is read-only, so the project was not saved.\nSave it under "
                                 "another name, or make the file writable.");
        EXPECT_EQ(m_boxes.Shown().back().type, MB_OK | MB_ICONERROR);
        EXPECT_EQ(old, HostFileBytes(HostPathOf(name)));
    }
    EXPECT_TRUE(m_store.ArchiveProject(built.GetProject(), PathOf("private.wvt"), FALSE));
    EXPECT_EQ(std::filesystem::status(HostPathOf("private.wvt")).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_TRUE(m_store.ArchiveProject(built.GetProject(), PathOf("link.wvt"), FALSE));
    EXPECT_TRUE(std::filesystem::is_symlink(HostPathOf("link.wvt")));
    EXPECT_EQ(expected, HostFileBytes(HostPathOf("target.wvt")));
    EXPECT_EQ(2u, m_boxes.Shown().size());

    // A quiet save names its failure instead of showing it.
    const std::optional<CString> failure =
        m_store.SaveQuietly(built.GetProject(), PathOf("nofolder\\shop.wvt"));
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(0, failure->Find("Error in archiving\n"));
    EXPECT_FALSE(m_store.SaveQuietly(built.GetProject(), PathOf("private.wvt")).has_value());
    EXPECT_EQ(2u, m_boxes.Shown().size());
    const std::vector<std::filesystem::path> expectedFiles{
        HostPathOf("link.wvt"), HostPathOf("locked.wvp"), HostPathOf("locked.wvt"),
        HostPathOf("private.wvt"), HostPathOf("target.wvt")};
    EXPECT_EQ(expectedFiles, FilesIn(m_folder.Path()));
}

TEST_F(ProjectStoreTest, MergeLoadsKeepTheRoleCounterAndOrdinaryLoadsResetItToTheHighestRead)
{
    const std::unique_ptr<ForgeonProject> project(ProjectWithRoles(3));
    ASSERT_TRUE(m_store.ArchiveProject(project.get(), PathOf("roles.wvt"), FALSE));
    ForgeonProject* open = m_store.GetProject();
    Designation::SetIdCounter(10);

    ASSERT_TRUE(m_store.LoadFirstMergeProject(PathOf("roles.wvt"))) << LastBox();
    ASSERT_TRUE(m_store.LoadSecondMergeProject(PathOf("roles.wvt"))) << LastBox();
    EXPECT_EQ(10, Designation::GetIdCounter());
    EXPECT_EQ(open, m_store.GetProject());
    EXPECT_NE(nullptr, m_store.GetFirstMergeProject());
    EXPECT_NE(m_store.GetFirstMergeProject(), m_store.GetSecondMergeProject());

    ProjectStore importStore;
    ASSERT_TRUE(importStore.ArchiveProject(nullptr, PathOf("roles.wvt"), TRUE)) << LastBox();
    EXPECT_EQ(3, Designation::GetIdCounter());
    ASSERT_EQ(1, importStore.GetProject()->GetModuleCount());
    EXPECT_EQ(3u, importStore.GetProject()->GetBaseModule()->GetDesignations().size());
}

TEST_F(ProjectStoreTest, SecondMergeInputKeepsTheFirstAndANewFirstInputDropsBoth)
{
    const std::unique_ptr<ForgeonProject> project(ProjectWithRoles(1));
    ASSERT_TRUE(m_store.ArchiveProject(project.get(), PathOf("current.wvt"), FALSE));
    WriteFileBytes(HostPathOf("old.wvt"), Version60File());

    ASSERT_TRUE(m_store.LoadFirstMergeProject(PathOf("current.wvt")));
    ForgeonProject* first = m_store.GetFirstMergeProject();
    EXPECT_EQ(nullptr, m_store.GetSecondMergeProject());
    ASSERT_TRUE(m_store.LoadSecondMergeProject(PathOf("old.wvt")));
    EXPECT_EQ(60, TheVersionHistory().GetArchiveVersion());
    EXPECT_EQ(first, m_store.GetFirstMergeProject());
    ForgeonProject* second = m_store.GetSecondMergeProject();
    ASSERT_NE(nullptr, second);
    EXPECT_EQ(0, second->GetModuleCount());

    ASSERT_TRUE(m_store.LoadSecondMergeProject(PathOf("current.wvt")));
    EXPECT_EQ(87, TheVersionHistory().GetArchiveVersion());
    EXPECT_EQ(first, m_store.GetFirstMergeProject());
    EXPECT_EQ(1, m_store.GetSecondMergeProject()->GetModuleCount());

    ASSERT_TRUE(m_store.LoadFirstMergeProject(PathOf("old.wvt")));
    EXPECT_EQ(nullptr, m_store.GetSecondMergeProject());
    EXPECT_EQ(0, m_store.GetFirstMergeProject()->GetModuleCount());
    EXPECT_TRUE(m_boxes.Shown().empty());
}

TEST_F(ProjectStoreTest, MergeRunsTheMergerOnBothInputsWhichFailedLoadsKeep)
{
    WriteFileBytes(HostPathOf("old.wvt"), Version60File());
    WriteFileBytes(HostPathOf("notes.txt"), {'h', 'i'});
    ASSERT_TRUE(m_store.LoadFirstMergeProject(PathOf("old.wvt")));
    ASSERT_TRUE(m_store.LoadSecondMergeProject(PathOf("old.wvt")));
    EXPECT_FALSE(m_store.MergeProjects());
    ForgeonProject* first = m_store.GetFirstMergeProject();
    ForgeonProject* second = m_store.GetSecondMergeProject();

    EXPECT_FALSE(m_store.LoadFirstMergeProject(PathOf("notes.txt")));
    EXPECT_FALSE(m_store.LoadSecondMergeProject(PathOf("missing.wvt")));
    EXPECT_EQ(2u, m_boxes.Shown().size());
    EXPECT_FALSE(m_store.LoadFirstMergeProject(""));
    EXPECT_FALSE(m_store.LoadSecondMergeProject(""));
    EXPECT_EQ(2u, m_boxes.Shown().size());
    EXPECT_EQ(first, m_store.GetFirstMergeProject());
    EXPECT_EQ(second, m_store.GetSecondMergeProject());

    for (bool result : {true, false})
    {
        ScriptedProjectMerger merger(result);
        EXPECT_EQ(result, m_store.MergeProjects());
        ASSERT_EQ(1u, merger.Runs().size());
        EXPECT_EQ(first, merger.Runs().front().first);
        EXPECT_EQ(second, merger.Runs().front().second);
    }

    m_store.DeleteMergeProjects();
    EXPECT_EQ(nullptr, m_store.GetFirstMergeProject());
    EXPECT_EQ(nullptr, m_store.GetSecondMergeProject());
}

} // namespace
