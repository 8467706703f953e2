#pragma once

#include "model/Module.h"

class ForgeonProject;

// The passes that only the project store runs on a module after a project file has been read,
// in the order of its registry (ProjectStore::PostLoadPasses). They are not part of the
// module's public face; the store and its tests include this header.
class ModuleLoadPasses
{
public:
    // The variables mapped to the key fields of master forms and of transactions' basic tables
    // become page variables.
    static void MarkKeyFieldVariables(Module& module) { module.MarkKeyFieldVariables(); }
    // Controls of key and soft-delete fields of master forms and transactions lose their data.
    static void DetachKeyFieldReps(Module& module) { module.DetachKeyFieldReps(); }
    // Each transaction's detail tables are joined to their procedures.
    static void LinkDetailTableProcedures(Module& module) { module.LinkDetailTableProcedures(); }
    // Controls and report filters without a caption get one.
    static void FillEmptyCaptions(Module& module) { module.FillEmptyCaptions(); }
    // Master forms, transactions, reports and map forms drop their invalid controls.
    static void RemoveInvalidFieldReps(Module& module) { module.RemoveInvalidFieldReps(); }
    // A master form without a variable for its table's key gets one named after the key.
    static void AddFormKeyVariables(Module& module) { module.AddFormKeyVariables(); }
    // Procedures list the table-less output fields among their alias fields.
    static void AddMissingAliasColumns(Module& module) { module.AddMissingAliasColumns(); }
    // Page variables follow the names of the fields of every table.
    static void RenamePageVariablesForAllTables(Module& module)
    {
        module.RenamePageVariablesForAllTables();
    }
    static void VisitPageEventFields(Module& module) { module.VisitPageEventFields(); }
    // Map forms make fields for their input controls.
    static void CreateMapFormInputFields(Module& module) { module.CreateMapFormInputFields(); }
    static void SyncPageTableFlags(Module& module) { module.SyncPageTableFlags(); }
    // The controls of master forms, map forms and transactions follow their tables' fields.
    static void SyncPageControlsWithTables(Module& module) { module.SyncPageControlsWithTables(); }
    static void ClearMapFormSyncFlags(Module& module) { module.ClearMapFormSyncFlags(); }
    // Event lists without class recomputes are dropped.
    static void CleanPageClassRecomputes(Module& module) { module.CleanPageClassRecomputes(); }
    // In the project's base module only: the login tables get their data classes.
    static void EnsureLoginTableClasses(Module& module, ForgeonProject& project)
    {
        module.EnsureLoginTableClasses(project);
    }
    static void AddTableFieldsToAllClassFunctions(Module& module)
    {
        module.AddTableFieldsToAllClassFunctions();
    }
    // A class bound to a table is named "_" + table name.
    static void RenameClassesAfterTables(Module& module) { module.RenameClassesAfterTables(); }
    // Controls of master forms and transactions still marked as added by a table sync are
    // deleted.
    static void DeleteUnconfirmedFieldReps(Module& module) { module.DeleteUnconfirmedFieldReps(); }
    // In the project's base module only: the login tables get their front fields.
    static void SetLoginTableFrontFields(Module& module, ForgeonProject& project)
    {
        module.SetLoginTableFrontFields(project);
    }
};
