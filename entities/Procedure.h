#pragma once

#include "entities/FormInterface.h"
#include "model/ReferenceList.h"
#include "platform/core/CArchive.h"
#include "platform/core/CObject.h"
#include "platform/core/CString.h"
#include "platform/core/Types.h"

#include <vector>

class BooleanTreeNode;
class Field;
class FieldFilter;
class MapForm;
class ProcedureFieldInfo;
class Relation;
class Table;
class Variable;

// One stored procedure of the generated database: its tables, output columns, parameters, joins
// and row conditions. A standard or custom procedure owns its relations, filters, filter trees,
// output columns, derived procedures, alias fields and the variables of its field parameters
// (except those of kind 2); a derived procedure shares all of these with its base and owns none.
class Procedure : public CObject
{
    DECLARE_SERIAL(Procedure)

public:
    // The kinds.
    static constexpr int standardKind = 0;
    static constexpr int customKind = 1;
    static constexpr int derivedKind = 2;

    // The row-status filters: which rows of the main table the generated SELECT returns.
    static constexpr int deletedRowsOnly = 0;
    static constexpr int liveRowsOnly = 1;
    static constexpr int allRows = 2;

    // A custom procedure: no name, table or lists, write flag set, live rows only.
    Procedure();
    // The standard "PRC_<table>_SelectAll" or "PRC_<table>_SelectRecord" procedure: a column per
    // table field; the record variant also filters on the primary key.
    Procedure(Table* table, bool all);
    Procedure(const Procedure&) = delete;
    Procedure& operator=(const Procedure&) = delete;
    ~Procedure() override;

    // Standard procedures of a table; each sets the main table, kind 0 and the name.
    void InitSelectLastRecord(Table* table);
    void InitSelectAllByField(Table* table, Field* field);
    // The mapping table's procedure filtering on every top and then every bottom field.
    void InitSelectRecordForMapForm(MapForm* mapForm);
    // A column for every main-table field that has none, then RenameForMainTable.
    void SyncWithMainTable();
    // "PRC_" + main table name + the name's tail from its last "_"; the parameter variables of
    // main-table fields become "PRC_" + field name + "_Var".
    void RenameForMainTable();
    // For a custom-named procedure, the part between the first and the second "_"; empty when
    // there is no second "_". Out is left alone otherwise.
    void GetNameMiddlePart(CString& out) const;
    // Kind tests by name; false for every kind but 0.
    bool IsInsertProcedure() const;
    bool IsUpdateProcedure() const;
    bool IsDeleteProcedure() const;
    bool IsSelectAllProcedure() const;
    bool IsSelectRecordProcedure() const;

    int GetId() const { return m_id; }
    const CString& GetName() const { return m_name; }
    void SetName(CString name) { m_name = name; }
    Table* GetMainTable() const { return m_mainTable; }
    void SetMainTable(Table* table) { m_mainTable = table; }
    int GetKind() const { return m_kind; }
    void SetKind(int kind) { m_kind = kind; }
    // The SQL script writer writes only procedures whose write flag is set.
    bool GetWriteFlag() const { return m_writeFlag; }
    void SetWriteFlag(bool writeFlag) { m_writeFlag = writeFlag; }
    // Hand-written SQL written instead of the generated procedure when not empty.
    CString GetProcedureText() const { return m_procedureText; }
    void SetProcedureText(CString text) { m_procedureText = text; }
    bool GetTextFlag() const { return m_textFlag; }
    void SetTextFlag(bool textFlag) { m_textFlag = textFlag; }
    // Set when the name does not follow "PRC_" + table name + suffix.
    bool GetCustomNameFlag() const { return m_customNameFlag; }
    void SetCustomNameFlag(bool customNameFlag) { m_customNameFlag = customNameFlag; }
    int GetRowStatusFilter() const { return m_rowStatusFilter; }
    void SetRowStatusFilter(int filter) { m_rowStatusFilter = filter; }
    // Set by the project merge on both sides of a merged pair; 0 on creation, in copies and
    // after a load (not stored).
    BYTE GetMergeMark() const { return m_mergeMark; }
    void SetMergeMark(BYTE mark) { m_mergeMark = mark; }

    // The tables are never owned.
    const std::vector<Table*>& GetTables() const { return m_tables; }
    void AddTable(Table* table) { m_tables.push_back(table); }
    // The table when listed, else null.
    Table* FindTable(Table* table) const;
    // The first listed table of the name, ignoring case.
    Table* FindTableByName(const CString& name) const;
    // The main table, else the first listed table, whose name equals the argument ignoring case.
    Table* FindTableByNameNoCase(const CString& name) const;
    // Searches the main table, the listed tables, then both tables of every relation.
    Table* FindTableById(int id) const;
    // Nothing for a bad index.
    void RemoveTableAt(int index);
    // Every occurrence.
    void RemoveTable(Table* table);
    // False, with the reason in the diagnostics' errors, while relations or output columns use
    // the table.
    bool CanRemoveTable(Table* table) const;
    // Empties the tables and filters (the filters are not deleted) and deletes the relations.
    void ResetTablesRelationsFilters();

    const std::vector<Relation*>& GetRelations() const { return m_relations; }
    // The procedure takes ownership.
    void AddRelation(Relation* relation) { m_relations.push_back(relation); }
    // Erases and deletes; nothing for a bad index.
    void RemoveRelationAt(int index);
    // A relation joins first to second.
    bool HasRelation(Table* first, Table* second) const;
    bool IsFieldInRelations(Field* field) const;

    const std::vector<ProcedureFieldInfo*>& GetOutputColumns() const { return m_outputColumns; }
    // The procedure takes ownership.
    void AddOutputColumn(ProcedureFieldInfo* column) { m_outputColumns.push_back(column); }
    // A new column of the field without aggregate.
    void AddOutputField(Field* field);
    // Null for a bad index.
    ProcedureFieldInfo* GetOutputColumnAt(int index) const;
    Field* GetOutputFieldAt(int index) const;
    ProcedureFieldInfo* FindOutputColumnByField(Field* field) const;
    bool HasOutputField(Field* field) const;
    // -1 when no column shows the field.
    int GetOutputFieldIndex(Field* field) const;
    bool HasOutputColumn(ProcedureFieldInfo* column) const;
    // Compare the columns' display names exactly / ignoring case.
    bool HasOutputColumnNamed(const CString& name) const;
    bool HasOutputColumnNamedNoCase(const CString& name) const;
    ProcedureFieldInfo* FindOutputColumnByDisplayName(const CString& name) const;
    // Erases and deletes a listed column, and its field when that is an alias field.
    void RemoveOutputColumn(ProcedureFieldInfo* column);
    // Erases a listed column from this and the derived procedures, and its field from the alias
    // fields when it is one (alias, else null), without freeing them; false when not listed.
    bool DetachOutputColumn(ProcedureFieldInfo* column, Field*& alias);
    void ClearOutputColumns();
    // The main table when a column shows the field, else null.
    Table* GetTableOfOutputField(Field* field) const;

    // Computed columns that belong to no table.
    const std::vector<Field*>& GetAliasFields() const { return m_aliasFields; }
    // Takes a field without table (and a column for it when asked); others are ignored.
    void AddAliasField(Field* field, bool addColumn);
    bool ContainsAliasField(Field* field) const;
    Field* GetAliasFieldAt(int index) const;
    Field* FindAliasFieldByName(const CString& name) const;
    Field* FindAliasFieldByNameNoCase(const CString& name) const;
    // Erases and deletes a listed alias field.
    void RemoveAliasField(Field* field);

    const std::vector<FieldVariableMap>& GetFieldParameters() const { return m_fieldParameters; }
    // A new kind-0 variable "PRC_<name>_Var" paired with the field; a qualified field name
    // gives its part after the first ".". No check for an existing entry.
    void AddFieldParameter(Field* field);
    // Appends the pair unchanged.
    void AddFieldParameterPair(Field* field, Variable* variable);
    // Both members null for a bad index.
    void GetFieldParameterAt(FieldVariableMap& out, int index) const;
    Variable* GetFieldParameterVariableAt(int index) const;
    void SetFieldParameterFieldAt(int index, Field* field);
    // The first entry of the field / variable; both members null when none.
    bool FindFieldParameterByField(Field* field, FieldVariableMap& out) const;
    bool FindFieldParameterByVariable(FieldVariableMap& out, Variable* variable) const;
    Variable* FindFieldParameterVariableByName(const CString& name) const;
    // Erase without deleting the variable.
    void RemoveFieldParameter(const FieldVariableMap& parameter);
    void RemoveFieldParameterAt(int index);
    // Deletes the variables not of kind 2 and empties the list.
    void ClearFieldParameters();

    // The procedure with its output columns, alias fields, parameter variables and derived
    // procedures: what goes when it is deleted.
    ReferenceList::Targets FreedWithIt() const;

    const std::vector<FieldFilter*>& GetFilters() const { return m_filters; }
    // The procedure takes ownership.
    void AddFilter(FieldFilter* filter) { m_filters.push_back(filter); }
    // An "=" filter comparing the field with its parameter variable, made when missing.
    void AddFieldFilter(Field* field);
    FieldFilter* FindFieldFilterByField(Field* field) const;
    FieldFilter* FindFieldFilterByVariable(Variable* variable) const;
    bool HasFilterOnVariable(Variable* variable) const;
    // The first filter with the same comparison whose field and variable names equal the
    // argument's, ignoring case.
    FieldFilter* FindEquivalentFilter(FieldFilter* filter) const;
    // Erases without deleting.
    void RemoveFieldFilter(FieldFilter* filter);
    // Deletes the filter and its leaf root; refused with a message while the filter sits in a
    // combined condition.
    void DeleteFieldFilter(FieldFilter* filter);

    const std::vector<BooleanTreeNode*>& GetFilterTrees() const { return m_filterTrees; }
    // The procedure takes ownership of the tree.
    void AddFilterTreeRoot(BooleanTreeNode* root) { m_filterTrees.push_back(root); }
    // A leaf root for every filter that no tree holds yet.
    void AddFilterTreeLeaves();
    // The first root whose tree holds the filter.
    BooleanTreeNode* FindFilterTreeRoot(FieldFilter* filter) const;
    static bool FilterTreeContains(BooleanTreeNode* node, FieldFilter* filter);
    BooleanTreeNode* GetFilterTreeRootAt(int index) const;
    // Erases the first occurrence without deleting.
    void RemoveFilterTreeRoot(BooleanTreeNode* root);

    // The variation variables: each is the variable of a field parameter; not owned.
    const std::vector<Variable*>& GetVariationVariables() const { return m_variationVariables; }
    void AddVariationVariable(Variable* variable) { m_variationVariables.push_back(variable); }
    Variable* GetVariableAt(int index) const;
    Variable* FindVariableByName(const CString& name) const;
    bool HasVariable(Variable* variable) const;
    // The index -1 empties the list; nothing for another bad index.
    void RemoveVariableAt(int index);
    // Every occurrence.
    void RemoveVariable(Variable* variable);

    // The variables of files older than version 29; not written again.
    const std::vector<Variable*>& GetLegacyVariables() const { return m_legacyVariables; }

    const std::vector<Procedure*>& GetDerivedProcedures() const { return m_derivedProcedures; }
    // The procedure takes ownership.
    void AddDerivedProcedure(Procedure* procedure) { m_derivedProcedures.push_back(procedure); }
    // One kind-2 procedure for each combination of given and open variation variables.
    void CreateDerivedProcedures();
    // Deletes every derived procedure and empties the list.
    void DeleteDerivedProcedures();
    Procedure* GetSubProcedureAt(int index) const;

    // Whether a hand-written SELECT returns exactly the output columns, by display name.
    bool MatchesSelectColumns(CString sql) const;
    // Its tables, the tables and join fields of its relations and the fields of its output
    // columns, field parameters and filters. The user named for a field parameter, join field
    // or filter is the procedure's name with what holds the field. The derived procedures,
    // which share those, are made again when the base lets go of one.
    void ListReferences(ReferenceList& list);

    // Writes the current layout; a load reads each field by its version gate, converts the
    // inline output columns of files older than version 24 and drops the blocks that older
    // files kept (relations, fields, filters and filter-tree nodes). Filters and filter trees
    // are not stored.
    void Serialize(CArchive& ar) override;

    // Before the objects of a load are freed in any order: the field parameters let go of the
    // variables the procedure does not own.
    void LetGoOfUnownedObjects(const CArchive& ar);

private:
    // The entries that make the derived procedures again; none without derived procedures.
    void ListDerivedProcedures(ReferenceList& list);
    void Store(CArchive& ar) const;
    void Load(CArchive& ar);
    // The blocks of files older than version 44 that the procedure no longer keeps.
    void LoadLegacyBlocks(CArchive& ar, int version);
    void LoadOutputColumns(CArchive& ar, int version);
    // A derived procedure reads the list as references to its base's objects.
    template <class T> void ReadListOwnedUnlessDerived(CArchive& ar, std::vector<T*>& list);
    // "PRC_" + main table name + suffix.
    CString StandardName(const char* suffix) const;
    // A column for every field of the main table, in table order.
    void AddMainTableColumns();
    // Main table, kind 0 and the standard name of the suffix.
    void InitStandard(Table* table, const char* suffix);
    bool HasStandardSuffix(const char* suffix) const;
    // Shares the base's table, tables, relations, columns and the filters of this procedure's
    // parameters.
    void FillDerivedProcedure(const Procedure& base);

    int m_id;
    CString m_name;
    Table* m_mainTable = nullptr;
    int m_kind = customKind;
    bool m_writeFlag = true;
    CString m_procedureText;
    bool m_textFlag = false;
    bool m_customNameFlag = false;
    int m_rowStatusFilter = liveRowsOnly;
    std::vector<Table*> m_tables;
    std::vector<Variable*> m_legacyVariables;
    std::vector<FieldVariableMap> m_fieldParameters;
    std::vector<Relation*> m_relations;
    std::vector<FieldFilter*> m_filters;
    std::vector<BooleanTreeNode*> m_filterTrees;
    std::vector<ProcedureFieldInfo*> m_outputColumns;
    std::vector<Variable*> m_variationVariables;
    std::vector<Procedure*> m_derivedProcedures;
    std::vector<Field*> m_aliasFields;
    BYTE m_mergeMark = 0;
};
