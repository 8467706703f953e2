#pragma once

#include "model/ReferenceList.h"
#include "platform/core/CObject.h"
#include "platform/core/CString.h"

#include <functional>
#include <unordered_set>
#include <utility>
#include <vector>

class ApplicationReport;
class AspFile;
class CArchive;
class Class;
class DashBoard;
class DashBoardPage;
class Designation;
class EntityUsageSet;
class Field;
class Form;
class FormInterface;
class Function;
class LoginPage;
class MapForm;
class Module;
class Parameter;
class Procedure;
class ProcedureFieldInfo;
class ProjectSettings;
class RDLCInfo;
class RDLCReport;
class Table;
class Menu;
class Transaction;
class XSDInfo;
struct FieldVariableMap;
struct TableUsersIndex;

// The root of the model and the first object of the project file: the modules (the first is the
// base module), the current module, the project settings and the project-wide lists of report
// definition and dataset descriptions.
class ForgeonProject : public CObject
{
    DECLARE_SERIAL(ForgeonProject)

public:
    // Output kinds: the class of page file that pages create.
    static constexpr int classicOutput = 0;
    static constexpr int aspNetOutput = 1;

    // No modules, no current module, no settings, ASP.NET output.
    ForgeonProject();
    // Deletes the modules, the settings, the RDLC and XSD descriptions and the unowned objects.
    ~ForgeonProject() override;
    ForgeonProject(const ForgeonProject&) = delete;
    ForgeonProject& operator=(const ForgeonProject&) = delete;

    // Version first: a store writes the current version and makes it the archive version; a
    // load makes the number read the archive version before anything else. Files older than
    // version 39 are refused; files up to 75 carry no settings and get those of a new project.
    void Serialize(CArchive& ar) override;

    int GetOutputKind() const { return m_outputKind; }
    void SetOutputKind(int outputKind) { m_outputKind = outputKind; }
    // The strings files of version 39 to 75 carry; nothing uses them.
    CString GetFirstLegacyString() const { return m_firstLegacyString; }
    CString GetSecondLegacyString() const { return m_secondLegacyString; }

    // Modules.
    int GetModuleCount() const { return static_cast<int>(m_modules.size()); }
    // Null for an index out of range.
    Module* GetModuleAt(int index) const;
    const std::vector<Module*>& GetModules() const { return m_modules; }
    // The first module, or null.
    Module* GetBaseModule() const;
    Module* GetCurrentModule() const { return m_currentModule; }
    void SetCurrentModule(Module* module) { m_currentModule = module; }
    // Nothing for an index out of range.
    void SelectModuleAt(int index);
    // Whether generated classic page names that the project does not store (the action pages of
    // detail tables) begin with the module name; off unless set, and not stored.
    bool GetModulePrefix() const { return m_modulePrefix; }
    void SetModulePrefix(bool prefix) { m_modulePrefix = prefix; }
    // 0 also for a module that is not in the project.
    int GetModuleIndex(const Module* module) const;
    Module* FindModuleById(int number) const;
    // When every one of two or more modules carries the same number (files of older versions
    // may), numbers them 1, 2, ... in list order, so that each can be found by its number.
    void NumberModulesSharingOneNumber();
    // Exact, case-sensitive.
    Module* FindModuleByName(const CString& name) const;
    // The module whose name Rename Module would take as this one: compared ignoring case.
    Module* FindModuleNamedAlike(const CString& name) const;
    // The first module holding the table in one of its table lists, its index stored through
    // index; null (and index untouched) when none.
    Module* FindModuleOfTable(const Table* table, int* index) const;
    // The last module whose top-level menus hold the menu, or null.
    Module* FindModuleOfMenu(const Menu* menu) const;
    // The project takes ownership.
    void AddModule(Module* module);
    // The first class bound to the table that a module holds; with create, when none does, one
    // made in the module that holds the table (else the first module).
    Class* GetClassForTable(Table* table, bool create) const;
    // Deletes an empty module; false for a bad index or a module that is not empty. When the
    // module was current, the base module becomes current.
    bool DeleteModuleAt(int index);

    // New projects and modules with their default objects.
    // Turns an empty project into a new one: "BaseModule" current, ASP.NET output, default
    // settings, the role "admin", the default menus and dashboards, the role's dashboard page
    // and the login page.
    void InitNewProject();
    // "Module<count + 1>" with its default menus and dashboards; the only module of a project
    // also gets the login tables and pages first.
    Module* AddNewModule();
    // Brings every module to what Write All writes (Module::PrepareForWriteAll), so that a
    // project saved before Write All is the project Write All leaves: a login table or a table
    // with a page gets its data class, with the functions a load gives a class.
    void PrepareForWriteAll();
    // A form or master-detail page of some module is built on the table: its pages write the
    // table's data class.
    bool HasPageOnTable(const Table* table) const;
    // Rebuilds the base module's "Project_Dashboard"; nothing when there is none.
    void UpdateProjectDashboard();
    // A new grid of one row per module, each cell captioned with the module name and linked to
    // the item of the module's dashboard page.
    void FillProjectDashboard(DashBoard* dashBoard);

    // Lookups over all modules: the modules are asked in list order and the first answer wins.
    FormInterface* FindPageByName(const CString& name) const;
    // Exact.
    Procedure* FindProcedureByName(const CString& name) const;
    bool IsProcedureNameUsed(const CString& name) const;
    // Ignoring case.
    bool IsReportNameUsed(const CString& name) const;
    // Exact.
    bool IsTransactionNameUsed(const CString& name) const;
    MapForm* FindMapFormByTable(const Table* table) const;
    // With a name, the transaction of that page name ignoring case; else the first one using the
    // table; null when none.
    Transaction* FindTransactionByTableOrName(Table* table, const CString& name) const;
    // An RDLC report of any module other than the given one uses the description.
    bool IsRDLCInfoUsedByOtherReport(const RDLCInfo* info, const RDLCReport* report) const;
    // Whether an RDLC report has the data set as its own or names it in its RDLC's entries.
    bool IsXSDInfoUsedByAReport(const XSDInfo* dataSet) const;
    // Whether a report uses the data set description: its own, or one its RDLC description's
    // data sets name.
    std::function<bool(const RDLCReport&)> DataSetUser(const XSDInfo* dataSet) const;
    // Every module renames the variables of the pages built on the table after its fields.
    void UpdatePagesForTable(Table* table);
    // With qualify, every field name of every table not holding "<table>." gets that prefix;
    // without, the prefix is removed.
    void QualifyFieldNames(bool qualify);
    // Appends the missing parameter mappings of the controls of every master form,
    // transaction and report, one numbered section per kind of page.
    void CollectUnmappedParameters(CString& text) const;

    // Settings forwarders. Every one but GetProjectName needs the project to have settings.
    ProjectSettings* GetProjectSettings() const { return m_settings; }
    // The project takes ownership and deletes the previous settings.
    void SetProjectSettings(ProjectSettings* settings);
    CString GetProjectPath() const;
    // Adds a trailing backslash and creates the project folders.
    void SetProjectPath(CString path);
    CString GetProjectFilePath() const;
    void SetProjectFilePath(CString path);
    // Empty when the project has no settings.
    CString GetProjectName() const;
    void SetProjectName(CString name);
    CString GetDateFormat() const;
    void SetDateFormat(CString format);
    CString GetDatabaseName() const;
    void SetDatabaseName(CString name);
    // The database name, or for a project without one the project name followed by "_db"; empty
    // without either. The project is left as it is.
    CString GetDatabaseNameOrDefault() const;
    // Stores GetDatabaseNameOrDefault as the database name and returns it.
    CString EnsureDatabaseName();
    CString GetServerName() const;
    void SetServerName(CString name);
    CString GetUserId() const;
    void SetUserId(CString userId);
    CString GetPassword() const;
    void SetPassword(CString password);
    // Without leading blanks, in both directions.
    CString GetConnectionString() const;
    void SetConnectionString(CString connectionString);
    // 1 built, 0 typed.
    int GetAutoConnectionString() const;
    void SetAutoConnectionString(int mode);
    // 1 SQL Server, 0 PostgreSQL.
    int IsSqlServerDatabase() const;
    void SetSqlServerDatabase(int kind);
    int GetUseSqlServerAuthentication() const;
    void SetUseSqlServerAuthentication(int authentication);
    bool GetShowConfirmations() const;
    void SetShowConfirmations(bool confirmations);
    CString GetTemplatePath() const;
    CString GetClassicTemplatePath() const;

    // Report definition and dataset descriptions; the lists never delete what they hold.
    const std::vector<RDLCInfo*>& GetRDLCInfos() const { return m_rdlcInfos; }
    const std::vector<XSDInfo*>& GetXSDInfos() const { return m_xsdInfos; }
    // The project owns the descriptions of its lists.
    void AddRDLCInfo(RDLCInfo* info) { m_rdlcInfos.push_back(info); }
    void AddXSDInfo(XSDInfo* info) { m_xsdInfos.push_back(info); }
    // Takes objects of a loaded file that no entity owns (shared variables, objects that are
    // only referred to); they are freed after the modules.
    void AdoptUnownedObjects(const std::vector<CObject*>& objects);
    // The table's default search report in the current module (Module::CreateSearchReport); one
    // the module does not list, having no page to link to, is freed with the project, as such a
    // report read from a file is.
    ApplicationReport* CreateSearchReport(Table* table);
    // The first element whose name equals the argument ignoring case, or null.
    RDLCInfo* FindRDLCInfoByName(const CString& name) const;
    XSDInfo* FindXSDInfoByName(const CString& name) const;
    // The first element whose lower-cased name equals the lower-cased argument or holds it
    // after its first character.
    XSDInfo* FindXSDInfoMatchingName(CString name) const;
    // Whether a lower-cased description name answers to a lower-cased name there.
    static bool XSDNameMatches(const CString& ownLower, const CString& nameLower);
    // The lower-cased name matches an element of the list or the description of an RDLC report
    // of any module.
    bool IsRDLCInfoNameUsed(const RDLCInfo* info) const;
    bool IsXSDInfoNameUsed(const XSDInfo* info) const;
    // Erases the pointer without deleting the description.
    void RemoveRDLCInfo(RDLCInfo* info);
    // Every module clears its pages' references to the parameter, then the function removes and
    // deletes it; false when the function does not hold it.
    bool DeleteFunctionParameter(Function* function, Parameter* parameter);
    // What renaming a module changes in the model: its default objects, the RDLC and XSD
    // information names, its name, the project dashboard.
    void RenameModule(Module& module, const CString& newName);
    // "<old>\" becomes "<new>\" in every element's name.
    void RenameModuleInRDLCInfos(const CString& oldName, const CString& newName);
    void RenameModuleInXSDInfos(const CString& oldName, const CString& newName);

    // Services for the shell, the generators and the merge.
    // The first table that a module finds by name, case ignored; null when none.
    Table* FindTableByName(CString name) const;
    // True when two of the tables, pages and procedures of all modules share a name; the
    // repeated names are then shown in a message box and written to
    // "C:\temp\KestraneWeavoReport.txt".
    bool HasDuplicateNames() const;
    // Every page file counts as linked from a menu.
    bool IsFileLinkedFromMenu(const AspFile* file) const;
    // Empties the combo box (the window layer's, or any with its ResetContent, AddString and
    // SetCurSel), adds the module names in list order and selects the current module; returns
    // it, or null (nothing selected) when it is not in the list.
    template <class ComboBox> Module* FillModuleCombo(ComboBox& combo) const
    {
        combo.ResetContent();
        for (const CString& name : GetModuleNames())
            combo.AddString(name);
        const int current = IndexOfCurrentModule();
        combo.SetCurSel(current);
        return current < 0 ? nullptr : m_currentModule;
    }
    // The module names in list order.
    std::vector<CString> GetModuleNames() const;
    // Every module's RDLC reports let go of the description (also those that only point at
    // it); then it leaves the list and is deleted. False, nothing deleted, when the list does
    // not hold it.
    bool DeleteRDLCInfo(RDLCInfo* info);
    bool DeleteXSDInfo(XSDInfo* info);
    // As those for each description of the list, the project walked once for all of them; none
    // may be listed twice. Answer how many were deleted.
    int DeleteRDLCInfos(const std::vector<RDLCInfo*>& infos);
    int DeleteXSDInfos(const std::vector<XSDInfo*>& infos);

    // Deletions and usage checks (model/ProjectDeletion.cpp).
    // Each lets every module remove its references to the entity, then the first module that
    // owns it deletes it; true when one did.
    bool DeleteForm(Form* form);
    bool DeleteMapForm(MapForm* mapForm);
    bool DeleteTransaction(Transaction* transaction);
    // Empties the error and warning lists first; afterwards every module sets aside the classes
    // left without table (Module::SetAsideUnboundClasses).
    bool DeleteTable(Table* table);
    // As DeleteTable for each table of the list in order, in one deletion: what refers to them
    // is found in one walk of the project, and they are freed at its end, once every holder let
    // go of them. None may be listed twice, nor be null. Answers how many were deleted.
    int DeleteTables(const std::vector<Table*>& tables);
    bool DeleteApplicationReport(ApplicationReport* report);
    bool DeleteRDLCReport(RDLCReport* report);
    bool DeleteDashBoard(DashBoard* dashBoard);
    bool DeleteDashBoardPage(DashBoardPage* page);
    bool DeleteLoginPage(LoginPage* page);
    // As the single deletions for every page of the list, in one deletion: each walk of the
    // project is made once for all of them. None may be listed twice, nor be null. Answer how
    // many were deleted.
    int DeleteForms(const std::vector<Form*>& forms);
    int DeleteMapForms(const std::vector<MapForm*>& mapForms);
    int DeleteTransactions(const std::vector<Transaction*>& transactions);
    int DeleteApplicationReports(const std::vector<ApplicationReport*>& reports);
    int DeleteRDLCReports(const std::vector<RDLCReport*>& reports);
    // Then every module's page files are tidied (Module::CleanUpPageFiles).
    bool DeleteMenu(Menu* menu);
    // As DeleteMenu for each menu, paired with its module, in one deletion (Module::DeleteMenus).
    void DeleteMenus(const std::vector<std::pair<Module*, Menu*>>& menus);
    // Every module lets go of the role, then the first module that holds it deletes it; false
    // when none does.
    bool DeleteDesignation(Designation* designation);
    bool DeleteProcedure(Procedure* procedure);
    // True when a class of some module owned and deleted the function.
    bool DeleteFunction(Function* function);
    // The pages that show the table's fields through the function clear those controls' front
    // and back fields; the caller then drops the table from the function.
    void RemoveFunctionDependentTableReferences(Function* function, Table* table);
    // Every module updates the class functions and search reports of the tables that refer to
    // the table whose front field was previous.
    void UpdateFrontFieldReferences(Table* table, Field* previous);
    // Every module reports and removes the field's usages; true when any module answered true.
    bool RemoveFieldUsages(Field* field);
    // The field's usages removed, then the field deleted from its table; the class functions of
    // the table and of the tables that key it are filled as a load fills them (the front field
    // that now stands for a gone one among them). False, and nothing deleted, when the field has
    // no table or its usages stay.
    bool DeleteField(Field* field);
    // What a check found using the entity, given before the check's usage set ends.
    using UsersAction = std::function<void(const EntityUsageSet&)>;
    // Each empties the error and warning lists, runs its module check on every module in a
    // usage set of its own, and answers true when no error was filed; otherwise the errors, each
    // followed by "\n", are shown in a message box when show is set (always for
    // CanRemoveProcedureField).
    bool CanRemoveFunctionField(Function* function, Field* field, bool show);
    bool CanRemoveProcedureField(Procedure* procedure, Field* field);
    bool CollectProcedureFieldUsage(Procedure* procedure, ProcedureFieldInfo* column, bool show,
                                    const UsersAction& users = {});
    bool CanRemoveVariableMap(FieldVariableMap* map, bool show, const UsersAction& users = {});
    // A page variable is in use when a control of its page or the control's data carries it,
    // or a page uses its map (CanRemoveVariableMap, which reports the users when report is set).
    bool IsPageVariableInUse(const FormInterface* page, FieldVariableMap* map, bool report);
    // The map leaves the list, the page's data calls drop the variable, what else refers to the
    // variable lets go of it, and the map is freed with its variable unless that is shared.
    void ReleasePageVariable(FormInterface* page, std::vector<FieldVariableMap*>& maps,
                             FieldVariableMap* map);
    // Deletes the page variable of the list unless it is shared or in use, with its visibility
    // rules; false, nothing changed, when it is refused.
    bool DeletePageVariable(FormInterface* page, std::vector<FieldVariableMap*>& maps,
                            FieldVariableMap* map);
    // Every module's pages let go of their references to the targets, which are about to be
    // freed; their page files' menu maps as menuMaps says.
    void ReleaseReferences(const std::unordered_set<const void*>& targets,
                           ReferenceList::MenuMaps menuMaps = ReferenceList::MenuMaps::listed);

    // Users, roles and login defaults (model/UserDefaults.cpp).
    // The highest id of the roles of every module; 0 without roles.
    int GetHighestDesignationId() const;
    // Where the role counter restarts before roles are read or made: the highest role id of
    // the open project, or 0 when no project is open or the open one is the project replaced.
    static int GetDesignationIdFloor(const ForgeonProject* replaced);

    // <project path><project name>\scripts\: the folder of the scripts below.
    CString GetScriptFolder() const;
    // <project path><project name>\scripts\KestraneWeavo_<name without blanks>_Script.sql
    CString GetScriptFilePath() const;
    // The same, ending in "_AlterScript.sql".
    CString GetAlterScriptFilePath() const;
    // The same, ending in "_<table>_Script.sql": one table's script.
    CString GetTableScriptFilePath(const CString& tableName) const;

private:
    void Store(CArchive& ar);
    void Load(CArchive& ar);
    // The module lists and what follows them in files of version 39 and later.
    void LoadModulesAndLists(CArchive& ar, int version);
    // The base module's user-account report and pages brought to the current model after a
    // read.
    void RepairBaseModuleUserAccountPages();
    CString ScriptFilePath(const char* ending) const;
    // One more than the highest module number, at least 1.
    int NextModuleNumber() const;
    bool HoldsModule(const Module* module) const;
    // One table of DeleteTables, with what DeleteTables indexed of every table.
    bool DeleteIndexedTable(Table* table, const TableUsersIndex& index);
    // Erases and frees the descriptions among these that no report uses any more.
    void EraseUnusedReportFiles(std::vector<RDLCInfo*> layouts, std::vector<XSDInfo*> dataSets);
    // -1 when there is no current module or the list does not hold it.
    int IndexOfCurrentModule() const;
    // The first non-null answer of the modules in list order, or null.
    template <class Answer>
    auto FirstModuleAnswer(Answer answer) const -> decltype(answer(nullptr));

    CString m_firstLegacyString;
    CString m_secondLegacyString;
    int m_outputKind = aspNetOutput;
    ProjectSettings* m_settings = nullptr;
    Module* m_currentModule = nullptr;
    bool m_modulePrefix = false;
    std::vector<Module*> m_modules;
    std::vector<RDLCInfo*> m_rdlcInfos;
    std::vector<XSDInfo*> m_xsdInfos;
    std::vector<CObject*> m_unownedObjects;
};

// The project's current module; null for a null project.
Module* CurrentModuleOf(const ForgeonProject* project);
