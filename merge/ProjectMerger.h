#pragma once

#include "merge/MergeNewEntities.h"
#include "merge/MergeReportFiles.h"
#include "model/ProjectDiagnostics.h"
#include "model/ProjectMerger.h"
#include "model/TextFile.h"
#include "platform/core/CString.h"

#include <memory>

class BooleanTreeNode;
class Field;
class FieldFilter;
class ForgeonProject;
class FormInterface;
class MergeDependencyCollector;
class MergeOverwriteSet;
class MergeSelection;
class Module;
class Procedure;
class ProcedureFieldInfo;
class ProcedureInvokation;
class Relation;
class Table;
class Variable;

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

    // First-project lookups, modules in project order; null when nothing matches. Tables and
    // fields ignore case, procedures and field parameters compare exactly. A field without a
    // table is looked up among the reference and derived fields of the page, when one is given.
    Table* FindFirstTable(const CString& name) const;
    Field* FindFirstField(const Field* field, const FormInterface* page = nullptr) const;
    Procedure* FindFirstProcedure(const CString& name) const;
    static Variable* FindFieldParameterByName(const Procedure* procedure, const CString& name);

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
    // Hands a new table to the target module; the module's table of the name when it has one.
    Table* AdoptTable(Table* made, const Table* source);
    // Hands a new procedure to the target module; null when no module pair runs.
    Procedure* AdoptProcedure(Procedure* procedure);
    // Hands a new field to the table; the table's field of the name when it has one.
    Field* AdoptField(Field* made, const Field* source, Table* table);
    // The object, unless it is a new one that nothing of the first project owns.
    template <class T> T* Owned(T* object) const
    {
        return object != nullptr && m_newEntities.OwnsCreated(object) ? nullptr : object;
    }

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
    std::unique_ptr<MergeOverwriteSet> m_overwriteSet;
    // The module pair whose phases run.
    Module* m_targetModule = nullptr;
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
