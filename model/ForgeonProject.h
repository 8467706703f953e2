#pragma once

#include "platform/core/CObject.h"
#include "platform/core/CString.h"

#include <vector>

class CArchive;
class Class;
class FormInterface;
class Function;
class MapForm;
class Module;
class Parameter;
class Procedure;
class ProjectSettings;
class RDLCInfo;
class RDLCReport;
class Table;
class Menu;
class Transaction;
class XSDInfo;

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
    // Deletes the modules and the settings; the RDLC and XSD descriptions are shared with other
    // projects by the merge and stay.
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
    // No range check: callers keep to 0 .. count-1.
    Module* GetModuleAt(int index) const { return m_modules[static_cast<std::size_t>(index)]; }
    const std::vector<Module*>& GetModules() const { return m_modules; }
    // The first module, or null.
    Module* GetBaseModule() const;
    Module* GetCurrentModule() const { return m_currentModule; }
    void SetCurrentModule(Module* module) { m_currentModule = module; }
    // Nothing for an index out of range.
    void SelectModuleAt(int index);
    // 0 also for a module that is not in the project.
    int GetModuleIndex(const Module* module) const;
    Module* FindModuleById(int number) const;
    // Exact, case-sensitive.
    Module* FindModuleByName(const CString& name) const;
    bool HasModuleNamed(const CString& name) const;
    // The first module holding the table in one of its table lists, its index stored through
    // index; null (and index untouched) when none.
    Module* FindModuleOfTable(const Table* table, int* index) const;
    // The last module whose top-level menus hold the menu, or null.
    Module* FindModuleOfMenu(const Menu* menu) const;
    // The project takes ownership.
    void AddModule(Module* module);
    // The first class bound to the table that a module gives, each asked with create.
    Class* GetClassForTable(Table* table, bool create) const;
    // Deletes an empty module; false for a bad index or a module that is not empty. When the
    // module was current, the base module becomes current.
    bool DeleteModuleAt(int index);

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

    // Report definition and dataset descriptions; the lists never delete what they hold.
    const std::vector<RDLCInfo*>& GetRDLCInfos() const { return m_rdlcInfos; }
    const std::vector<XSDInfo*>& GetXSDInfos() const { return m_xsdInfos; }
    void AddRDLCInfo(RDLCInfo* info) { m_rdlcInfos.push_back(info); }
    void AddXSDInfo(XSDInfo* info) { m_xsdInfos.push_back(info); }
    // The first element whose name equals the argument ignoring case, or null.
    RDLCInfo* FindRDLCInfoByName(const CString& name) const;
    XSDInfo* FindXSDInfoByName(const CString& name) const;
    // The first element whose lower-cased name equals the lower-cased argument or holds it
    // after its first character.
    XSDInfo* FindXSDInfoMatchingName(CString name) const;
    // The lower-cased name matches an element of the list or the description of an RDLC report
    // of any module.
    bool IsRDLCInfoNameUsed(const RDLCInfo* info) const;
    bool IsXSDInfoNameUsed(const XSDInfo* info) const;
    // Erases the pointer without deleting the description.
    void RemoveRDLCInfo(RDLCInfo* info);
    // Every module clears its pages' references to the parameter, then the function removes and
    // deletes it; false when the function does not hold it.
    bool DeleteFunctionParameter(Function* function, Parameter* parameter);
    // "<old>\" becomes "<new>\" in every element's name.
    void RenameModuleInRDLCInfos(const CString& oldName, const CString& newName);
    void RenameModuleInXSDInfos(const CString& oldName, const CString& newName);

    // <project path><project name>\scripts\KestraneWeavo_<name without blanks>_Script.sql
    CString GetScriptFilePath() const;
    // The same, ending in "_AlterScript.sql".
    CString GetAlterScriptFilePath() const;

private:
    void Store(CArchive& ar);
    void Load(CArchive& ar);
    // The module lists and what follows them in files of version 39 and later.
    void LoadModulesAndLists(CArchive& ar, int version);
    // The base module's user-account report and pages brought to the current model after a
    // read.
    void RepairBaseModuleUserAccountPages();
    CString ScriptFilePath(const char* ending) const;
    bool HoldsModule(const Module* module) const;
    // The first non-null answer of the modules in list order, or null.
    template <class Answer>
    auto FirstModuleAnswer(Answer answer) const -> decltype(answer(nullptr));

    CString m_firstLegacyString;
    CString m_secondLegacyString;
    int m_outputKind = aspNetOutput;
    ProjectSettings* m_settings = nullptr;
    Module* m_currentModule = nullptr;
    std::vector<Module*> m_modules;
    std::vector<RDLCInfo*> m_rdlcInfos;
    std::vector<XSDInfo*> m_xsdInfos;
};
