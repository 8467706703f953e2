#pragma once

#include "merge/MergeNameIndex.h"
#include "merge/MergeNewEntities.h"
#include "merge/MergeReportFiles.h"
#include "model/ProjectDiagnostics.h"
#include "model/ProjectMerger.h"
#include "model/TextFile.h"
#include "platform/core/CString.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <unordered_map>

class ApplicationReport;
class AspFile;
class BooleanTreeNode;
class Class;
class ClassInvokation;
class DashBoard;
class DashBoardCellInfo;
class DashBoardPage;
class DashBoardPageData;
class DateValidation;
class DependentData;
class Designation;
class EventRecmpFields;
class Field;
class FieldFilter;
class FieldRep;
class FieldRepData;
class ForgeonProject;
class Form;
class FormulaTreeNode;
class FormInterface;
class Function;
class Grid;
class LinkControl;
class Menu;
class MenuInterface;
struct MenuVariableMap;
class MergeDependencyCollector;
class MergeOverwriteSet;
class MergeSelection;
class Module;
class Procedure;
class ProcedureFieldInfo;
class ProcedureInvokation;
class RDLCInfo;
class RDLCReport;
class Relation;
class ReportField;
class ReportGroup;
class Table;
class Transaction;
class ValidationData;
class Variable;
class VisibilityData;
class XSDInfo;
template <class Page> struct PagePhase;
struct RDLCDataSetEntry;

// The merge engine: lets the selection choose what of the second project (the source) to
// merge, has the new-entities collector pair the chosen module with a module of the first
// project (the target) and make what the target lacks, then re-points, phase by phase, every
// reference of the merged objects to the first project's entity of the same name or to its new
// counterpart. Unresolved references become lines of the run's report; nothing stops the run.
//
// New objects that a first-project entity ends up referencing are handed to the first project;
// the rest are freed with the merger, which must therefore go before both projects.
class ProjectMerger : public ProjectMergerInterface
{
public:
    // The selection must outlive the merger. Opens "C:\temp\Report.txt", truncating it.
    ProjectMerger(ForgeonProject* first, ForgeonProject* second, MergeSelection& selection);
    ~ProjectMerger() override;
    ProjectMerger(const ProjectMerger&) = delete;
    ProjectMerger& operator=(const ProjectMerger&) = delete;

    // The run; false for Cancel and when no module pair was made.
    bool Merge() override;
    // The phases of one module pair.
    void MergeModule(Module* source, Module* target);

    // Tables, fields and procedures.
    void ResolveTables(Module* source, Module* target);
    void ResolveTableFields(Table* source, Table* target);
    void ResolveField(Field* source, Field* target);
    // Every chosen procedure of the module, in its order.
    void ResolveProcedures(Module* source, Module* target);
    void ResolveProcedure(Procedure* source, Procedure* target);
    // Nothing for a null target.
    static void CopyVariable(const Variable* source, Variable* target);
    // True when both tables were resolved.
    bool ResolveRelation(const Relation* source, Relation* target);
    void ResolveFieldFilter(const FieldFilter* source, FieldFilter* target);
    // Leaves whose filter is one of the source procedure's filters get the target's filter at
    // the same place; any other filter is made anew and joins the target's filters.
    void CopyFilterTree(const Procedure* sourceProcedure, Procedure* targetProcedure,
                        const BooleanTreeNode* source, BooleanTreeNode* target);
    // True when its field was resolved.
    bool ResolveFieldInfo(const ProcedureFieldInfo* source, ProcedureFieldInfo* target);
    // False only when its procedure is not found.
    bool ResolveProcedureInvokation(const ProcedureInvokation* source, ProcedureInvokation* target);
    static void ClearVariablePairs(ProcedureInvokation* invokation);
    static void ClearFieldVariableMaps(ProcedureInvokation* invokation);
    void MarkProcedureTablesForOverwrite(const Procedure* source, Procedure* target);
    void MarkOutputColumnsForOverwrite(const Procedure* source, Procedure* target);

    // The phases of the page side, the classes, the menus and the report descriptions.
    void ResolveClasses(Module* source, Module* target);
    void ResolveMasterForms(Module* source, Module* target);
    void ResolveTransactions(Module* source, Module* target);
    void ResolveDashBoards(Module* source, Module* target);
    void ResolveDashBoardPages(Module* source, Module* target);
    void ResolveReports(Module* source, Module* target);
    void ResolveRDLCReports(Module* source, Module* target);
    void ResolveMenus(Module* source, Module* target);
    void ResolveDesignations(Module* source, Module* target);
    void MarkNewXSDInfosForOverwrite();
    void MarkNewRDLCInfosForOverwrite();
    void ResolveXSDInfos();
    void ResolveRDLCInfos();

    // Pages and their parts. The target page comes first.
    void ResolvePage(FormInterface* target, FormInterface* source);
    void ResolveMasterForm(Form* source, Form* target);
    void ResolveTransaction(Transaction* source, Transaction* target);
    // Cuts the title list to one title for the basic table and one per detail table.
    static void TrimTableTitles(Transaction* transaction);
    void ResolveDashBoard(DashBoard* source, DashBoard* target);
    void ResolveDashBoardPage(DashBoardPage* source, DashBoardPage* target);
    void ResolveReport(ApplicationReport* source, ApplicationReport* target);
    void ResolveRDLCReport(RDLCReport* source, RDLCReport* target);
    // True when resolved. The page, when given, is the owning page of the target.
    bool ResolveFieldRep(FieldRep* source, FieldRep* target, FormInterface* page);
    // The file belongs to its target page already.
    void ResolveAspFile(const AspFile* source, AspFile* target);
    void ResolveMenuVariableMap(const MenuVariableMap& source, AspFile* target);
    // The page, when given, owns the link's page variables.
    void ResolveLinkControl(const LinkControl* source, LinkControl* target,
                            const FormInterface* page);
    void ResolveFieldRepData(const FieldRepData* source, FieldRepData* target, FormInterface* page);
    // The item's name and the page file it opens.
    void ResolveMenuInterface(const MenuInterface* source, MenuInterface* target);
    // The first project's page of the owner's name, then its file of the same URL.
    AspFile* FindFirstAspFile(const AspFile* file) const;
    void ResolveDashBoardCellInfo(const DashBoardCellInfo* source, DashBoardCellInfo* target);
    // The target's cells show the page's own controls.
    void CopyGrid(const Grid* source, Grid* target, FormInterface* page);
    void ResolveReportGroup(const ReportGroup* source, ReportGroup* target);
    // True unless the column's field info cannot be resolved. The group is the target's.
    bool ResolveReportField(const ReportField* source, ReportField* target,
                            const ReportGroup* group);
    // The report's first other group that calls a function of the name the group's calls; a
    // group that calls no function, the first that calls none and the procedure of the name.
    static ReportGroup* FindReportGroupByFunctionName(const ApplicationReport* report,
                                                      const ReportGroup* group);
    static ReportField* FindGroupColumnByName(const ReportGroup* group, const ReportField* column);
    static FieldRep* FindGroupFilterByFieldName(const ReportGroup* group, const FieldRep* filter);
    void MarkRefFieldsForOverwrite(const FormInterface* source, FormInterface* target);

    // Copies of the records of validations, visibilities and recomputes; the page owns the
    // variables and controls they name. True when the source holds a record.
    bool CopyValidationData(const ValidationData* source, ValidationData* target,
                            const FormInterface* page);
    // Null when its procedure is not found.
    DateValidation* CopyDateValidation(const DateValidation* source, const FormInterface* page);
    DependentData* CopyDependentData(const DependentData* source, const FormInterface* page);
    // False when its procedure is not found.
    bool CopyVisibilityData(const VisibilityData* source, VisibilityData* target,
                            const FormInterface* page);
    void CopyFieldVisibilities(const AspFile* source, AspFile* target);
    void CopyRecomputeList(const EventRecmpFields* source, EventRecmpFields* target,
                           const FormInterface* page);
    void CopyRecomputeLists(const FieldRepData* source, FieldRepData* target,
                            const FormInterface* page);
    // The control's validation and recompute records, once the page holds all its controls.
    void CopyControlRecords(const FieldRep* source, FieldRep* target, const FormInterface* page);

    // Classes, menus and roles.
    void ResolveClass(Class* source, Class* target);
    void ResolveFunction(Function* source, Function* target);
    // True when the class or the function was found.
    bool MergeClassInvocation(const ClassInvokation* source, ClassInvokation* target);
    void MergeMenu(Menu* source, Menu* target);
    // Clears, with a line each, every reference of the first project's pages, menus and roles
    // that points outside it: what the resolvers left pointing into the second project or at a
    // copy that nothing adopted.
    void SweepForeignReferences();

    // First-project lookups, modules in project order; null when nothing matches. Tables and
    // fields ignore case, procedures and field parameters compare exactly. A field without a
    // table is looked up among the reference and derived fields of the page, when one is given.
    Table* FindFirstTable(const CString& name) const;
    Field* FindFirstField(const Field* field, const FormInterface* page = nullptr) const;
    Procedure* FindFirstProcedure(const CString& name) const;
    static Variable* FindFieldParameterByName(const Procedure* procedure, const CString& name);
    Class* FindFirstClass(const CString& name) const;
    // Null when the function's class is not found.
    Function* FindFirstFunction(const Function* function) const;
    Form* FindFirstMasterForm(const CString& name) const;
    Transaction* FindFirstTransaction(const CString& name) const;
    ApplicationReport* FindFirstReport(const CString& name) const;
    RDLCReport* FindFirstRDLCReport(const CString& name) const;
    // By the menu's full name.
    Menu* FindFirstMenu(const Menu* menu) const;
    // The variable of the first page that has one of the name, pages of all kinds.
    Variable* FindFirstVariable(const CString& name) const;
    // The role of the base module.
    Designation* FindFirstRole(const CString& name) const;

    bool GetOverwriteFlag() const { return m_overwrite; }
    const CString& GetNameText() const { return m_nameText; }
    MergeDependencyCollector& GetDependencyCollector() { return *m_dependencies; }
    MergeNewEntities& GetNewEntities() { return m_newEntities; }
    // Null unless the run overwrites.
    MergeOverwriteSet* GetOverwriteSet() const { return m_overwriteReference; }
    // The report's text while no file is open.
    const TextFile& GetReport() const { return m_report; }
    const MergeReportFiles& GetReportFiles() const { return m_reportFiles; }

private:
    // A report line, indentation 0.
    template <class... Args> void Report(const char* format, const Args&... args)
    {
        m_report.Write(0, format, args...);
    }
    void PhaseLog(const CString& marker);

    // Resolved references: the first project's entity, else the counterpart. A new counterpart
    // is handed to the first project on the way: a table to the module being merged into, a
    // field to its resolved table, a procedure to the module.
    Table* ResolveTableReference(Table* source);
    Field* ResolveFieldReference(Field* source, const FormInterface* page = nullptr);
    Procedure* ResolveProcedureReference(Procedure* source);
    // The counterpart of the field, handed to its table when new.
    Field* FieldCounterpart(Field* source);
    // Enters a table or a menu tree that joined the target module in the lookups.
    void IndexTable(Table* table);
    void IndexMenuTree(Menu* menu);
    // Enters the tables, menus, classes and pages of a module that joined the first project.
    void IndexModule(const Module& module);
    void DropIndexes();
    static void AddMenuTree(MergeNameIndex<Menu>& index, Menu* menu);
    // Hands a new table to the target module; the module's table of the name when it has one;
    // null for a table of another module of the second project, which the merge leaves behind.
    Table* AdoptTable(Table* made, const Table* source);
    // Whether the module being merged holds a table of the source table's name.
    bool SourceModuleHolds(const Table* source) const;
    // Hands a new procedure to the target module under the source's name; null when no module
    // pair runs.
    Procedure* AdoptProcedure(Procedure* procedure, const Procedure* source);
    // Hands a new field to the table; the table's field of the name when it has one.
    Field* AdoptField(Field* made, const Field* source, Table* table);
    // The object, unless it is a new one that nothing of the first project owns.
    template <class T> T* Owned(T* object) const
    {
        return object != nullptr && m_newEntities.OwnsCreated(object) ? nullptr : object;
    }

    template <class Page>
    Page* FindFirstPageOfKind(const CString& name,
                              Page* (Module::*find)(const CString&) const) const;
    // The first project's page of the name in the pages that list gives, through the index,
    // which is built when first asked.
    template <class Page>
    Page* FindIndexedPage(std::optional<MergeNameIndex<Page>>& index,
                          const std::vector<Page*>& (Module::*list)() const, bool exact,
                          const CString& name) const;
    template <class Page>
    static void AddPages(MergeNameIndex<Page>& index, const std::vector<Page*>& pages);
    // The first project's index of the page's kind once built; null for the kinds without one.
    MergeNameIndex<Form>* BuiltIndexOf(const Form* form);
    MergeNameIndex<Transaction>* BuiltIndexOf(const Transaction* transaction);
    MergeNameIndex<ApplicationReport>* BuiltIndexOf(const ApplicationReport* report);
    template <class Page> MergeNameIndex<Page>* BuiltIndexOf(const Page* /*page*/)
    {
        return nullptr;
    }
    // The phase of a page kind; found sees each source page that has a target.
    template <class Page>
    void RunPagePhase(const PagePhase<Page>& phase, Module* target,
                      const std::function<void(const std::type_identity_t<Page>&)>& found = {});
    // Hands a new page to the target module unless it holds a namesake.
    template <class Page>
    void RegisterPage(Page* page, Module* target, Page* (Module::*find)(const CString&) const,
                      bool (Module::*add)(Page*, bool));
    Class* ResolveClassReference(Class* source);
    Class* AdoptClass(Class* made);
    // The module's class of the name, as Module::FindClassByName finds it.
    Class* FindModuleClass(const Module& module, const CString& name) const;
    Menu* ResolveMenuReference(Menu* source);
    // The first project's menu of the full name, else the copy.
    Menu* MenuCounterpart(Menu* menu) const;
    Designation* AdoptRole(Designation* made, const Designation* source);
    RDLCInfo* ProjectRDLCInfo(const RDLCInfo& source);
    XSDInfo* ProjectXSDInfo(const XSDInfo& source);
    void MergeRDLCInfo(const RDLCInfo* source, RDLCInfo* target);
    void MergeXSDInfo(const XSDInfo* source, XSDInfo* target);
    void AppendOverwriteDataSet(const RDLCDataSetEntry& entry);
    // The project-level phase of a report description kind.
    template <class Info> struct ProjectInfoPhase
    {
        int (MergeNewEntities::*count)() const;
        Info* (MergeNewEntities::*at)(int) const;
        Info* (MergeNewEntities::*counterpart)(Info*) const;
        const std::vector<Info*>& (ForgeonProject::*list)() const;
        Info* (ForgeonProject::*find)(const CString&) const;
        void (ForgeonProject::*add)(Info*);
        const char* missingLine;
        void (ProjectMerger::*merge)(const Info* source, Info* target);
    };
    template <class Info> void ResolveProjectInfos(const ProjectInfoPhase<Info>& phase);
    // A placement of the page; its variables are the page's and the dashboard's own.
    DashBoardPageData* CopyPlacement(const DashBoardPageData& source, const DashBoardPage* page);
    // The display fields and variable maps of a dashboard cell of the page.
    void ResolveCellContents(const DashBoardCellInfo* source, DashBoardCellInfo* target,
                             const FormInterface& page);
    // The page's variable of the name, else the counterpart refreshed from the source, else the
    // first project's variable of the name.
    Variable* VariableCounterpart(Variable* source, const FormInterface* page);
    // The procedure's output column with the column's display name, ignoring case.
    static ProcedureFieldInfo* FindOutputColumn(const Procedure* procedure,
                                                const ProcedureFieldInfo* column);

    void ResolvePageFiles(FormInterface* target, FormInterface* source);
    void ResolveRefFields(FormInterface* target, const FormInterface* source);
    void ResolveDerivedFields(FormInterface* target, const FormInterface* source);
    // Once the page's controls are resolved.
    void ResolveDerivedFormulas(FormInterface* target, const FormInterface* source);
    // A deep copy whose operands are the page's controls of the operands' fields.
    static FormulaTreeNode* CopyFormulaTree(const FormulaTreeNode* source,
                                            const FormInterface& page);
    void ResolvePageVariableMaps(FormInterface* target, const FormInterface* source);
    void ResolveFieldReps(FormInterface* target, FormInterface* source);
    void ResolveLinks(FormInterface* target, const FormInterface* source, bool pre);
    void ResolvePageProcedureTables(FormInterface* target, const FormInterface* source);
    // The page's own procedure call, re-pointed to the procedure of that name; one that cannot
    // be leaves the target's call as it was and a "not found" line.
    void ResolvePageProcedureCall(FormInterface* target, const FormInterface* source);
    static bool HoldsProcedureTable(const FormInterface& page, const Table* table, int kind);
    void ResolvePageTableFlags(FormInterface* target, const FormInterface* source);
    // A new invocation resolved from the source; null for none or when its procedure is missing.
    ProcedureInvokation* ResolvedInvocation(const ProcedureInvokation* source);
    // The same for a call of the page whose phase runs; a call that loses its procedure gets a
    // line naming the procedure and the page.
    ProcedureInvokation* ResolvedPageCall(const ProcedureInvokation* source);
    // Merges a class call of the page whose phase runs; a call that loses its function (or its
    // class) gets a line naming it and the page. The result is MergeClassInvocation's.
    bool MergePageClassCall(const ClassInvokation* source, ClassInvokation* target);
    CString CallingPageName() const;
    // The output column of the group procedure's with the column's display name.
    static ProcedureFieldInfo* FindGroupOutputColumn(const ReportGroup* group,
                                                     const ProcedureFieldInfo* column);
    // Bindings whose variables and column are found on the column's report.
    void ResolveBindings(const ReportField* source, ReportField* target, const ReportGroup* group);
    void ResolveFunctionParameters(const Function* source, Function* target);
    void ResolveFunctionTables(const Function* source, Function* target);
    void ResolveFunctionOutputColumns(const Function* source, Function* target);
    // An output column of an alias field, with the function's own alias field of the name.
    void ResolveFunctionAliasColumn(const ProcedureFieldInfo* column, Function* target);
    // One line for each selected map form of the module, which the merge does not carry.
    void ReportUnmergedMapForms(Module* source);

    void ResolveDetailTables(const Procedure* source, Procedure* target);
    void ResolveFieldParameters(const Procedure* source, Procedure* target);
    void ResolveRelations(const Procedure* source, Procedure* target);
    void ResolveFilters(const Procedure* source, Procedure* target);
    void ResolveOutputColumns(const Procedure* source, Procedure* target);
    void ResolveOutputColumn(const Procedure* source, Procedure* target,
                             const ProcedureFieldInfo* column);
    void ResolveVariationVariables(const Procedure* source, Procedure* target);
    void ResolveVariablePairs(const ProcedureInvokation* source, ProcedureInvokation* target,
                              const Procedure* procedure);
    void ResolveFieldVariableMaps(const ProcedureInvokation* source, ProcedureInvokation* target,
                                  const Procedure* sourceProcedure, const Procedure* procedure);

    bool m_overwrite = false;
    ForgeonProject* m_first;
    ForgeonProject* m_second;
    MergeSelection& m_selection;
    // Declared before the writers and the collector that it opens files for.
    MergeReportFiles m_reportFiles;
    std::unique_ptr<MergeDependencyCollector> m_dependencies;
    MergeNewEntities m_newEntities;
    MergeOverwriteSet* m_overwriteReference = nullptr;
    CString m_nameText;
    ProjectDiagnostics m_diagnostics;
    TextFile m_report{false, false, '=', 60};
    TextFile m_phaseLog{false, true, '=', 60};
    TextFile m_formLog{false, false, '=', 60};
    std::unique_ptr<MergeOverwriteSet> m_overwriteSet;
    // The source page whose phase runs, which the lines of lost calls name.
    const FormInterface* m_callingPage = nullptr;
    // The module pair whose phases run; whether its target belongs to the first project yet.
    Module* m_sourceModule = nullptr;
    Module* m_targetModule = nullptr;
    bool m_targetInFirst = false;
    // The first project's tables and classes by name ignoring case and menus by full name, the
    // first in module order; built when first asked, kept up with what the phases add, dropped
    // after the run.
    mutable std::optional<MergeNameIndex<Table>> m_firstTables;
    mutable std::optional<MergeNameIndex<Menu>> m_firstMenus;
    mutable std::optional<MergeNameIndex<Class>> m_firstClasses;
    // The first project's master forms and transactions by exact name, reports ignoring case.
    mutable std::optional<MergeNameIndex<Form>> m_firstForms;
    mutable std::optional<MergeNameIndex<Transaction>> m_firstTransactions;
    mutable std::optional<MergeNameIndex<ApplicationReport>> m_firstReports;
    // The target module's classes by name ignoring case while the class phase runs, kept up
    // with the classes it adopts.
    std::optional<MergeNameIndex<Class>> m_targetClasses;
    // The first project's pages by exact name as ForgeonProject::FindPageByName finds them,
    // while the menu phase, which adds and renames no page, runs.
    std::optional<MergeNameIndex<FormInterface>> m_firstPages;
};

// Installs, for its lifetime, a factory of ProjectMerger over the selection as the merger of
// the project store.
class ProjectMergerRegistration
{
public:
    // The selection must outlive the registration.
    explicit ProjectMergerRegistration(MergeSelection& selection);
    ~ProjectMergerRegistration();
    ProjectMergerRegistration(const ProjectMergerRegistration&) = delete;
    ProjectMergerRegistration& operator=(const ProjectMergerRegistration&) = delete;

private:
    ProjectMergerFactory m_previous;
};
