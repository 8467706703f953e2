#include "model/ForgeonProject.h"

#include "entities/ApplicationReport.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardCellInfo.h"
#include "entities/DashBoardPage.h"
#include "entities/Designation.h"
#include "entities/Form.h"
#include "entities/FormInterface.h"
#include "entities/Function.h"
#include "entities/Grid.h"
#include "entities/GridCell.h"
#include "entities/MapForm.h"
#include "entities/Procedure.h"
#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "entities/ReportGroup.h"
#include "entities/Transaction.h"
#include "entities/XSDInfo.h"
#include "model/ArchiveIO.h"
#include "model/DefaultNames.h"
#include "model/EntityUsageSet.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/GenerationReport.h"
#include "model/ListAccess.h"
#include "model/LoginPageCreator.h"
#include "model/Module.h"
#include "model/Ownership.h"
#include "model/ProjectDiagnostics.h"
#include "model/ProjectSettings.h"
#include "model/ReferenceList.h"
#include "model/Table.h"
#include "platform/core/FileWriters.h"
#include "platform/core/LargeStack.h"
#include "platform/core/MessageBox.h"

#include <algorithm>
#include <string>
#include <utility>

namespace
{
// The kind of file written here and the rules its writer keeps.
const FileWriterRegistration duplicateNamesWriter("duplicate-name report",
                                                  replacesLinks | wholeOnFullDisk | usersOwnOnly |
                                                      usersOwnFolderOnly);
} // namespace

IMPLEMENT_SERIAL(ForgeonProject, CObject, 0)

namespace
{
// Files before this version hold a single module's lists directly; they are not read.
constexpr int firstModuleVersion = 39;
constexpr int firstIgnoredWarningsVersion = 42;
constexpr int firstOutputKindVersion = 43;
constexpr int firstRDLCVersion = 74;
constexpr int firstSettingsVersion = 76;

// The first element whose name equals the name ignoring case.
template <class T> T* FindInfoByNameNoCase(const std::vector<T*>& list, const CString& name)
{
    const auto found =
        std::find_if(list.begin(), list.end(),
                     [&name](const T* item) { return item->GetName().CompareNoCase(name) == 0; });
    return found == list.end() ? nullptr : *found;
}

// The name of every description with "<old>\" replaced by "<new>\".
template <class T>
void RenameModuleIn(const std::vector<T*>& list, const CString& oldName, const CString& newName,
                    void (T::*setName)(CString))
{
    const CString oldPart = oldName + "\\";
    const CString newPart = newName + "\\";
    for (T* item : list)
    {
        CString name = item->GetName();
        if (name.Find(oldPart) >= 0)
        {
            name.Replace(oldPart, newPart);
            (item->*setName)(name);
        }
    }
}

// Every occurrence of the part, found ignoring case, taken out of the name.
CString RemoveNoCase(const CString& name, const CString& part)
{
    CString lowerName = name;
    lowerName.MakeLower();
    CString lowerPart = part;
    lowerPart.MakeLower();
    CString kept;
    int from = 0;
    for (int at = lowerName.Find(lowerPart, 0); at >= 0; at = lowerName.Find(lowerPart, from))
    {
        kept += name.Mid(from, at - from);
        from = at + part.GetLength();
    }
    return kept + name.Mid(from);
}

// With qualify, prefixes "<table>." to every field name lacking it; without, removes it,
// ignoring case, so that a name qualified by a namesake table of other case loses it too.
void QualifyFieldNamesOf(const Table& table, bool qualify)
{
    const CString prefix = table.GetTableName() + ".";
    for (Field* field : table.GetFields())
    {
        const CString& name = field->GetFieldName();
        if (qualify && name.Find(prefix) < 0)
            field->SetFieldName(prefix + name);
        else if (!qualify)
            field->SetFieldName(RemoveNoCase(name, prefix));
    }
}

// Each control's data appends its missing parameter mappings: the page's name, then the
// control's field name.
void CheckControlMappings(CString& text, const FormInterface& page,
                          const std::vector<FieldRep*>& controls, const char* heading, int& counter)
{
    for (const FieldRep* control : controls)
    {
        if (control->GetFieldRepData() == nullptr)
            continue;
        const CString fieldName =
            control->GetField() != nullptr ? control->GetField()->GetFieldName() : CString();
        control->GetFieldRepData()->CheckCallParameterMapping(text, page.GetFormName(), fieldName,
                                                              heading, counter);
    }
}

// Removes the blanks at the front.
CString WithoutLeadingBlanks(CString text)
{
    text.TrimLeft(' ');
    return text;
}

// A name of the project's duplicate check: tables and procedures are objects of the database,
// which compares their names ignoring case; a page's name is its file's and compares as written.
struct EntityName
{
    CString name;
    bool databaseObject;

    bool SameAs(const EntityName& other) const
    {
        if (databaseObject && other.databaseObject)
            return name.CompareNoCase(other.name) == 0;
        return name == other.name;
    }
};

// The names of the tables, pages and procedures of the module, in that order.
// Dashboards write no page of their own: they are compared among themselves only, so that a
// dashboard page may carry the name of the dashboard it was made with.
void CollectEntityNames(const Module& module, std::vector<EntityName>& names,
                        std::vector<EntityName>& dashBoardNames)
{
    std::vector<Table*> tables;
    module.GetAllTables(tables);
    for (const Table* table : tables)
        names.push_back({table->GetTableName(), true});
    std::vector<FormInterface*> pages;
    module.GetAllPages(pages);
    const std::vector<DashBoard*>& dashBoards = module.GetDashBoards();
    for (const FormInterface* page : pages)
    {
        const bool dashBoard = std::ranges::find(dashBoards, page) != dashBoards.end();
        (dashBoard ? dashBoardNames : names).push_back({page->GetFormName(), false});
    }
    for (const Procedure* procedure : module.GetProcedures())
        names.push_back({procedure->GetName(), true});
}

auto SameNameAs(const EntityName& name)
{
    return [&name](const EntityName& other) { return other.SameAs(name); };
}

// Each name that occurs more than once, once, as first spelt, in the order of its first
// repetition.
std::vector<EntityName> RepeatedNames(const std::vector<EntityName>& names)
{
    std::vector<EntityName> repeated;
    for (auto name = names.begin(); name != names.end(); ++name)
    {
        const auto first = std::find_if(names.begin(), name, SameNameAs(*name));
        if (first != name && std::ranges::none_of(repeated, SameNameAs(*name)))
            repeated.push_back(*first);
    }
    return repeated;
}

// What the description owns that reports refer to: a data set description's table adapters.
ReferenceList::Targets DescriptionParts(const RDLCInfo* info)
{
    return {info};
}

ReferenceList::Targets DescriptionParts(const XSDInfo* info)
{
    ReferenceList::Targets parts{info};
    parts.insert(info->GetTableAdapters().begin(), info->GetTableAdapters().end());
    return parts;
}

// Every module lets go of each description, and every page of them and of what they own (an
// RDLC report that still points at one without using it) in one walk; then the list erases and
// deletes those it holds. Answers how many.
template <class Info>
int DeleteListedInfos(const std::vector<Module*>& modules, std::vector<Info*>& list,
                      const std::vector<Info*>& infos, bool (Module::*release)(Info*))
{
    ReferenceList::Targets parts;
    for (Info* info : infos)
    {
        const UsageSetScope scope;
        for (Module* module : modules)
            (module->*release)(info);
        if (info != nullptr)
            parts.merge(DescriptionParts(info));
    }
    Module::ReleaseReferences(modules, parts);
    int deleted = 0;
    for (Info* info : infos)
    {
        if (!Contains(list, info))
            continue;
        EraseFirst(list, info);
        delete info;
        ++deleted;
    }
    return deleted;
}
} // namespace

Module* CurrentModuleOf(const ForgeonProject* project)
{
    return project == nullptr ? nullptr : project->GetCurrentModule();
}

ForgeonProject::ForgeonProject() = default;

ForgeonProject::~ForgeonProject()
{
    // The usage set of the last removal check may name this project's entities.
    TheProjectDiagnostics().GetCurrentUsageSet().Clear();
    // The entities' destructors follow their links as deep as the project nests.
    LargeStack::Run(
        [this]
        {
            DeleteAll(m_modules);
            delete m_settings;
            DeleteAll(m_rdlcInfos);
            DeleteAll(m_xsdInfos);
            DeleteAll(m_unownedObjects);
        });
}

void ForgeonProject::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        Store(ar);
    else
        Load(ar);
}

void ForgeonProject::Store(CArchive& ar)
{
    VersionHistory& history = TheVersionHistory();
    history.SetArchiveVersion(history.GetCurrentVersion());
    ar << history.GetCurrentVersion();
    ar.WriteObject(m_currentModule);
    WriteObjectList(ar, m_modules);
    const std::vector<CString>& ignored = TheProjectDiagnostics().GetIgnoredWarnings();
    ar << static_cast<int>(ignored.size());
    for (const CString& warning : ignored)
        ar << warning;
    WriteObjectList(ar, m_rdlcInfos);
    WriteObjectList(ar, m_xsdInfos);
    ar.WriteObject(m_settings);
}

void ForgeonProject::Load(CArchive& ar)
{
    int version = 0;
    ar >> version;
    TheVersionHistory().SetArchiveVersion(version);
    if (version < firstModuleVersion)
        ar.ThrowMalformed(CArchiveException::generic,
                          "file version " + std::to_string(version) +
                              ", older than the oldest this program reads (" +
                              std::to_string(firstModuleVersion) + ")");
    LoadModulesAndLists(ar, version);
    if (m_settings == nullptr)
        m_settings = new ProjectSettings;
    RepairBaseModuleUserAccountPages();
}

void ForgeonProject::LoadModulesAndLists(CArchive& ar, int version)
{
    if (version < firstSettingsVersion)
        ar >> m_firstLegacyString >> m_secondLegacyString;
    m_currentModule = ReadRef<Module>(ar);
    m_modules.clear();
    ReadOwnedList(ar, m_modules);
    if (m_currentModule != nullptr && !HoldsModule(m_currentModule))
        ar.ThrowMalformed(CArchiveException::badIndex,
                          "the current module is not one of the project's modules");
    if (version >= firstIgnoredWarningsVersion)
    {
        ProjectDiagnostics& diagnostics = TheProjectDiagnostics();
        diagnostics.ClearAll();
        const int count = ReadCount(ar);
        for (int i = 0; i < count; ++i)
        {
            CString warning;
            ar >> warning;
            diagnostics.AddIgnoredWarning(warning);
        }
    }
    if (version >= firstOutputKindVersion && version < firstSettingsVersion)
        ar >> m_outputKind;
    if (version >= firstRDLCVersion)
    {
        ReadOwnedList(ar, m_rdlcInfos);
        ReadOwnedList(ar, m_xsdInfos);
    }
    if (version >= firstSettingsVersion)
        ReplaceOwned(m_settings, ReadOwned<ProjectSettings>(ar));
}

bool ForgeonProject::HoldsModule(const Module* module) const
{
    return std::find(m_modules.begin(), m_modules.end(), module) != m_modules.end();
}

Module* ForgeonProject::GetBaseModule() const
{
    return m_modules.empty() ? nullptr : m_modules.front();
}

Module* ForgeonProject::GetModuleAt(int index) const
{
    return ItemAt(m_modules, index);
}

void ForgeonProject::SelectModuleAt(int index)
{
    if (Module* module = GetModuleAt(index))
        m_currentModule = module;
}

int ForgeonProject::GetModuleIndex(const Module* module) const
{
    const auto found = std::find(m_modules.begin(), m_modules.end(), module);
    return found == m_modules.end() ? 0 : static_cast<int>(found - m_modules.begin());
}

Module* ForgeonProject::FindModuleById(int number) const
{
    const auto found =
        std::find_if(m_modules.begin(), m_modules.end(),
                     [number](const Module* module) { return module->GetNumber() == number; });
    return found == m_modules.end() ? nullptr : *found;
}

void ForgeonProject::NumberModulesSharingOneNumber()
{
    if (m_modules.size() < 2)
        return;
    const int shared = m_modules.front()->GetNumber();
    if (std::any_of(m_modules.begin(), m_modules.end(),
                    [shared](const Module* module) { return module->GetNumber() != shared; }))
        return;
    int number = 0;
    for (Module* module : m_modules)
        module->SetNumber(++number);
}

Module* ForgeonProject::FindModuleByName(const CString& name) const
{
    const auto found =
        std::find_if(m_modules.begin(), m_modules.end(),
                     [&name](const Module* module) { return module->GetName() == name; });
    return found == m_modules.end() ? nullptr : *found;
}

Module* ForgeonProject::FindModuleNamedAlike(const CString& name) const
{
    const auto found = std::find_if(m_modules.begin(), m_modules.end(),
                                    [&name](const Module* module)
                                    { return module->GetName().CompareNoCase(name) == 0; });
    return found == m_modules.end() ? nullptr : *found;
}

Module* ForgeonProject::FindModuleOfTable(const Table* table, int* index) const
{
    for (int i = 0; i < GetModuleCount(); ++i)
    {
        if (GetModuleAt(i)->ContainsTable(table))
        {
            *index = i;
            return GetModuleAt(i);
        }
    }
    return nullptr;
}

Module* ForgeonProject::FindModuleOfMenu(const Menu* menu) const
{
    Module* owner = nullptr;
    for (Module* module : m_modules)
    {
        if (module->ContainsTopLevelMenu(menu))
            owner = module;
    }
    return owner;
}

void ForgeonProject::AddModule(Module* module)
{
    m_modules.push_back(module);
}

Class* ForgeonProject::GetClassForTable(Table* table, bool create) const
{
    for (Module* module : m_modules)
    {
        if (Class* dataClass = module->GetClassForTable(table, false))
            return dataClass;
    }
    if (!create || m_modules.empty())
        return nullptr;
    // A class is made once, in the module that holds the table, never beside one of another.
    int index = 0;
    Module* home = FindModuleOfTable(table, &index);
    return (home != nullptr ? home : m_modules.front())->GetClassForTable(table, true);
}

bool ForgeonProject::DeleteModuleAt(int index)
{
    if (index < 0 || index >= GetModuleCount() || !GetModuleAt(index)->IsEmpty())
        return false;
    Module* module = GetModuleAt(index);
    m_modules.erase(m_modules.begin() + index);
    if (m_currentModule == module)
        m_currentModule = GetBaseModule();
    delete module;
    return true;
}

void ForgeonProject::InitNewProject()
{
    DeleteAll(m_modules);
    auto* base = new Module(baseModuleName);
    base->SetNumber(NextModuleNumber());
    m_modules.push_back(base);
    m_currentModule = base;
    m_outputKind = aspNetOutput;
    SetProjectSettings(new ProjectSettings);
    base->EnsureDefaultDesignation();
    base->CreateDefaultObjects();
    DashBoardPage* rolePage = base->GetDashBoardPageAt(1);
    if (!base->GetDesignations().empty() && rolePage != nullptr)
        base->GetDesignations().front()->SetDashBoardPage(rolePage);
    if (base->GetLoginPage() == nullptr)
        base->CreateLoginPage();
}

Module* ForgeonProject::AddNewModule()
{
    int suffix = GetModuleCount() + 1;
    CString name;
    name.Format("Module%d", suffix);
    // Module names differ in more than case, as Rename Module and a project file's reader want.
    const auto taken = [this](const CString& candidate)
    {
        return std::any_of(m_modules.begin(), m_modules.end(),
                           [&candidate](const Module* module)
                           { return module->GetName().CompareNoCase(candidate) == 0; });
    };
    while (taken(name))
        name.Format("Module%d", ++suffix);
    auto* module = new Module(name);
    module->SetNumber(NextModuleNumber());
    m_modules.push_back(module);
    if (GetModuleCount() == 1)
    {
        LoginPageCreator creator;
        creator.Create();
    }
    module->CreateDefaultObjects();
    return module;
}

int ForgeonProject::NextModuleNumber() const
{
    int highest = 0;
    for (const Module* module : m_modules)
        highest = std::max(highest, module->GetNumber());
    return highest + 1;
}

void ForgeonProject::PrepareForWriteAll()
{
    if (m_settings != nullptr)
        EnsureDatabaseName();
    // The classes that the writers of the data classes would make otherwise, after the save;
    // filled as a load fills a class. First: the data sets of the RDLC reports read them.
    for (Module* module : m_modules)
    {
        std::vector<Table*> tables;
        module->GetAllTables(tables);
        for (Table* table : tables)
        {
            if (GetClassForTable(table, false) == nullptr &&
                ((table->IsSystemTable() && module == GetBaseModule()) || HasPageOnTable(table)))
                module->AddDefaultClassFunctions(GetClassForTable(table, true));
        }
    }
    Module* current = m_currentModule;
    for (Module* module : m_modules)
    {
        // The writers take the current module for the names they make, as Write All sets it.
        m_currentModule = module;
        module->PrepareForWriteAll();
    }
    m_currentModule = current;
}

bool ForgeonProject::HasPageOnTable(const Table* table) const
{
    return std::ranges::any_of(m_modules,
                               [table](const Module* module)
                               {
                                   return module->FindMasterFormForTable(table) != nullptr ||
                                          module->FindTransactionByTable(table) != nullptr;
                               });
}

void ForgeonProject::UpdateProjectDashboard()
{
    const Module* base = GetBaseModule();
    if (DashBoard* dashBoard =
            base != nullptr ? base->FindDashBoardByName(projectDashboardName) : nullptr)
        FillProjectDashboard(dashBoard);
}

void ForgeonProject::FillProjectDashboard(DashBoard* dashBoard)
{
    dashBoard->DeleteGrid();
    auto* grid = new Grid(GetModuleCount(), 1);
    for (int row = 0; row < GetModuleCount(); ++row)
        grid->GetCellNoCheck(row, 0)->SetCellData(GetModuleAt(row)->NewProjectDashboardCell(),
                                                  GridCell::kDashBoardCellInfo);
    dashBoard->SetGrid(grid);
}

template <class Answer>
auto ForgeonProject::FirstModuleAnswer(Answer answer) const -> decltype(answer(nullptr))
{
    for (Module* module : m_modules)
    {
        if (auto found = answer(module))
            return found;
    }
    return {};
}

FormInterface* ForgeonProject::FindPageByName(const CString& name) const
{
    return FirstModuleAnswer([&name](Module* module) { return module->FindPageByName(name); });
}

Procedure* ForgeonProject::FindProcedureByName(const CString& name) const
{
    return FirstModuleAnswer([&name](Module* module) { return module->FindProcedureByName(name); });
}

bool ForgeonProject::IsProcedureNameUsed(const CString& name) const
{
    return FindProcedureByName(name) != nullptr;
}

bool ForgeonProject::IsReportNameUsed(const CString& name) const
{
    return FirstModuleAnswer([&name](Module* module) { return module->FindReportByName(name); }) !=
           nullptr;
}

bool ForgeonProject::IsTransactionNameUsed(const CString& name) const
{
    return FirstModuleAnswer([&name](Module* module)
                             { return module->FindTransactionByName(name); }) != nullptr;
}

MapForm* ForgeonProject::FindMapFormByTable(const Table* table) const
{
    return FirstModuleAnswer([table](Module* module) { return module->FindMapFormByTable(table); });
}

Transaction* ForgeonProject::FindTransactionByTableOrName(Table* table, const CString& name) const
{
    return FirstModuleAnswer([table, &name](Module* module)
                             { return module->FindTransactionByTableOrName(table, name); });
}

bool ForgeonProject::IsRDLCInfoUsedByOtherReport(const RDLCInfo* info,
                                                 const RDLCReport* report) const
{
    return std::any_of(m_modules.begin(), m_modules.end(),
                       [info, report](const Module* module)
                       { return module->IsRDLCInfoUsedByOtherReport(info, report); });
}

void ForgeonProject::UpdatePagesForTable(Table* table)
{
    for (Module* module : m_modules)
        module->RenamePageVariablesForTable(table);
}

void ForgeonProject::QualifyFieldNames(bool qualify)
{
    for (const Module* module : m_modules)
    {
        for (const auto* tables :
             {&module->GetMasterTables(), &module->GetTransactionTables(), &module->GetMapTables()})
        {
            for (const Table* table : *tables)
                QualifyFieldNamesOf(*table, qualify);
        }
    }
}

void ForgeonProject::CollectUnmappedParameters(CString& text) const
{
    int formCounter = 1;
    int transactionCounter = 1;
    int searchReportCounter = 1;
    int reportCounter = 1;
    for (const Module* module : m_modules)
    {
        for (const Form* form : module->GetMasterForms())
            CheckControlMappings(text, *form, form->GetFieldReps(), "Master Form/s", formCounter);
        for (const Transaction* transaction : module->GetTransactions())
            CheckControlMappings(text, *transaction, transaction->GetFieldReps(),
                                 "Master-Detail Form/s", transactionCounter);
        for (const ApplicationReport* report : module->GetReports())
        {
            if (!report->GetReportGroups().empty())
                CheckControlMappings(text, *report, report->GetReportGroups().front()->GetFilters(),
                                     "Search Report/s", searchReportCounter);
            CheckControlMappings(text, *report, report->GetFieldReps(), "Report/s", reportCounter);
        }
    }
}

void ForgeonProject::SetProjectSettings(ProjectSettings* settings)
{
    ReplaceOwned(m_settings, settings);
}

CString ForgeonProject::GetProjectPath() const
{
    return m_settings->GetProjectPath();
}

void ForgeonProject::SetProjectPath(CString path)
{
    m_settings->SetProjectPath(path);
}

CString ForgeonProject::GetProjectFilePath() const
{
    return m_settings->GetProjectFilePath();
}

void ForgeonProject::SetProjectFilePath(CString path)
{
    m_settings->SetProjectFilePath(path);
}

CString ForgeonProject::GetProjectName() const
{
    return m_settings == nullptr ? CString() : m_settings->GetProjectName();
}

void ForgeonProject::SetProjectName(CString name)
{
    m_settings->SetProjectName(name);
}

CString ForgeonProject::GetDateFormat() const
{
    return m_settings->GetDateFormat();
}

void ForgeonProject::SetDateFormat(CString format)
{
    m_settings->SetDateFormat(format);
}

CString ForgeonProject::GetDatabaseName() const
{
    return m_settings->GetDatabaseName();
}

void ForgeonProject::SetDatabaseName(CString name)
{
    m_settings->SetDatabaseName(name);
}

CString ForgeonProject::GetDatabaseNameOrDefault() const
{
    if (GetDatabaseName().IsEmpty() && !GetProjectName().IsEmpty())
        return GetProjectName() + "_db";
    return GetDatabaseName();
}

CString ForgeonProject::EnsureDatabaseName()
{
    SetDatabaseName(GetDatabaseNameOrDefault());
    return GetDatabaseName();
}

CString ForgeonProject::GetServerName() const
{
    return m_settings->GetServerName();
}

void ForgeonProject::SetServerName(CString name)
{
    m_settings->SetServerName(name);
}

CString ForgeonProject::GetUserId() const
{
    return m_settings->GetUserId();
}

void ForgeonProject::SetUserId(CString userId)
{
    m_settings->SetUserId(userId);
}

CString ForgeonProject::GetPassword() const
{
    return m_settings->GetPassword();
}

void ForgeonProject::SetPassword(CString password)
{
    m_settings->SetPassword(password);
}

CString ForgeonProject::GetConnectionString() const
{
    return WithoutLeadingBlanks(m_settings->GetConnectionString());
}

void ForgeonProject::SetConnectionString(CString connectionString)
{
    m_settings->SetConnectionString(WithoutLeadingBlanks(connectionString));
}

int ForgeonProject::GetAutoConnectionString() const
{
    return m_settings->GetConnectionStringMode();
}

void ForgeonProject::SetAutoConnectionString(int mode)
{
    m_settings->SetConnectionStringMode(mode);
}

int ForgeonProject::IsSqlServerDatabase() const
{
    return m_settings->GetDatabaseKind();
}

void ForgeonProject::SetSqlServerDatabase(int kind)
{
    m_settings->SetDatabaseKind(kind);
}

int ForgeonProject::GetUseSqlServerAuthentication() const
{
    return m_settings->GetSqlServerAuthentication();
}

void ForgeonProject::SetUseSqlServerAuthentication(int authentication)
{
    m_settings->SetSqlServerAuthentication(authentication);
}

bool ForgeonProject::GetShowConfirmations() const
{
    return m_settings->GetConfirmations();
}

void ForgeonProject::SetShowConfirmations(bool confirmations)
{
    m_settings->SetConfirmations(confirmations);
}

CString ForgeonProject::GetTemplatePath() const
{
    return m_settings->GetTemplatePath();
}

CString ForgeonProject::GetClassicTemplatePath() const
{
    return ProjectSettings::GetClassicTemplatePath();
}

RDLCInfo* ForgeonProject::FindRDLCInfoByName(const CString& name) const
{
    return FindInfoByNameNoCase(m_rdlcInfos, name);
}

XSDInfo* ForgeonProject::FindXSDInfoByName(const CString& name) const
{
    return FindInfoByNameNoCase(m_xsdInfos, name);
}

bool ForgeonProject::XSDNameMatches(const CString& ownLower, const CString& nameLower)
{
    return ownLower == nameLower || ownLower.Find(nameLower) > 0;
}

XSDInfo* ForgeonProject::FindXSDInfoMatchingName(CString name) const
{
    name.MakeLower();
    const auto found = std::find_if(m_xsdInfos.begin(), m_xsdInfos.end(),
                                    [&name](const XSDInfo* info)
                                    {
                                        CString own = info->GetName();
                                        own.MakeLower();
                                        return XSDNameMatches(own, name);
                                    });
    return found == m_xsdInfos.end() ? nullptr : *found;
}

bool ForgeonProject::IsRDLCInfoNameUsed(const RDLCInfo* info) const
{
    const CString name = info->GetName();
    if (FindInfoByNameNoCase(m_rdlcInfos, name) != nullptr)
        return true;
    for (const Module* module : m_modules)
    {
        for (const RDLCReport* report : module->GetRDLCReports())
        {
            if (report->GetRDLCInfo() != nullptr &&
                report->GetRDLCInfo()->GetName().CompareNoCase(name) == 0)
                return true;
        }
    }
    return false;
}

bool ForgeonProject::IsXSDInfoNameUsed(const XSDInfo* info) const
{
    const CString name = info->GetName();
    if (FindInfoByNameNoCase(m_xsdInfos, name) != nullptr)
        return true;
    for (const Module* module : m_modules)
    {
        for (const RDLCReport* report : module->GetRDLCReports())
        {
            if (report->GetXSDInfo() != nullptr &&
                report->GetXSDInfo()->GetName().CompareNoCase(name) == 0)
                return true;
        }
    }
    return false;
}

ApplicationReport* ForgeonProject::CreateSearchReport(Table* table)
{
    Module* module = GetCurrentModule();
    ApplicationReport* report = module != nullptr ? module->CreateSearchReport(table) : nullptr;
    if (report != nullptr &&
        std::ranges::find(module->GetReports(), report) == module->GetReports().end())
        m_unownedObjects.push_back(report);
    return report;
}

void ForgeonProject::AdoptUnownedObjects(const std::vector<CObject*>& objects)
{
    m_unownedObjects.insert(m_unownedObjects.end(), objects.begin(), objects.end());
}

void ForgeonProject::RemoveRDLCInfo(RDLCInfo* info)
{
    const auto found = std::find(m_rdlcInfos.begin(), m_rdlcInfos.end(), info);
    if (found != m_rdlcInfos.end())
        m_rdlcInfos.erase(found);
}

bool ForgeonProject::DeleteFunctionParameter(Function* function, Parameter* parameter)
{
    if (function == nullptr ||
        std::ranges::find(function->GetParameters(), parameter) == function->GetParameters().end())
        return false;
    ReleaseReferences({parameter}, ReferenceList::MenuMaps::skipped);
    return function->RemoveParameter(parameter);
}

void ForgeonProject::RenameModule(Module& module, const CString& newName)
{
    const CString oldName = module.GetName();
    module.RenameDefaultObjects(newName);
    RenameModuleInRDLCInfos(oldName, newName);
    RenameModuleInXSDInfos(oldName, newName);
    module.SetName(newName);
    UpdateProjectDashboard();
}

void ForgeonProject::RenameModuleInRDLCInfos(const CString& oldName, const CString& newName)
{
    RenameModuleIn(m_rdlcInfos, oldName, newName, &RDLCInfo::SetName);
}

void ForgeonProject::RenameModuleInXSDInfos(const CString& oldName, const CString& newName)
{
    RenameModuleIn(m_xsdInfos, oldName, newName, &XSDInfo::SetFilePath);
}

CString ForgeonProject::GetScriptFolder() const
{
    return GetProjectPath() + GetProjectName() + "\\scripts\\";
}

CString ForgeonProject::ScriptFilePath(const char* ending) const
{
    CString compactName = GetProjectName();
    compactName.Remove(' ');
    return GetScriptFolder() + "KestraneWeavo_" + compactName + ending;
}

CString ForgeonProject::GetScriptFilePath() const
{
    return ScriptFilePath("_Script.sql");
}

CString ForgeonProject::GetAlterScriptFilePath() const
{
    return ScriptFilePath("_AlterScript.sql");
}

CString ForgeonProject::GetTableScriptFilePath(const CString& tableName) const
{
    return ScriptFilePath(CString("_" + tableName + "_Script.sql").GetString());
}

Table* ForgeonProject::FindTableByName(CString name) const
{
    for (const Module* module : m_modules)
    {
        if (Table* table = module->FindTableByName(name))
            return table;
    }
    return nullptr;
}

bool ForgeonProject::HasDuplicateNames() const
{
    std::vector<EntityName> names;
    std::vector<EntityName> dashBoardNames;
    for (const Module* module : m_modules)
        CollectEntityNames(*module, names, dashBoardNames);
    std::vector<EntityName> repeated = RepeatedNames(names);
    for (const EntityName& name : RepeatedNames(dashBoardNames))
        if (std::ranges::none_of(repeated, SameNameAs(name)))
            repeated.push_back(name);
    if (repeated.empty())
        return false;

    CString list;
    for (const EntityName& name : repeated)
        list += name.name + "\n";
    // The trace is written whole; what its write met follows the list.
    GenerationReport written;
    SaveTextFile("C:\\temp\\KestraneWeavoReport.txt", list, written);
    const CString message = "Following are the duplicate names found in the project!\n" + list;
    const CString notes = written.ClosingText("");
    AfxMessageBox(notes.IsEmpty() ? message : message + "\n" + notes);
    return true;
}

bool ForgeonProject::IsFileLinkedFromMenu(const AspFile*) const
{
    return true;
}

std::vector<CString> ForgeonProject::GetModuleNames() const
{
    std::vector<CString> names;
    for (const Module* module : m_modules)
        names.push_back(module->GetName());
    return names;
}

int ForgeonProject::IndexOfCurrentModule() const
{
    const auto found = std::ranges::find(m_modules, m_currentModule);
    return m_currentModule == nullptr || found == m_modules.end()
               ? -1
               : static_cast<int>(found - m_modules.begin());
}

bool ForgeonProject::DeleteRDLCInfo(RDLCInfo* info)
{
    return DeleteRDLCInfos({info}) > 0;
}

bool ForgeonProject::DeleteXSDInfo(XSDInfo* info)
{
    return DeleteXSDInfos({info}) > 0;
}

int ForgeonProject::DeleteRDLCInfos(const std::vector<RDLCInfo*>& infos)
{
    return DeleteListedInfos(m_modules, m_rdlcInfos, infos, &Module::CanDeleteRDLCInfo);
}

int ForgeonProject::DeleteXSDInfos(const std::vector<XSDInfo*>& infos)
{
    return DeleteListedInfos(m_modules, m_xsdInfos, infos, &Module::CanDeleteXSDInfo);
}
