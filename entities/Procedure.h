#pragma once

#include "entities/FormInterface.h"
#include "platform/core/CArchive.h"
#include "platform/core/CObject.h"
#include "platform/core/CString.h"

#include <vector>

class BooleanTreeNode;
class Field;
class FieldFilter;
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
    Procedure(const Procedure&) = delete;
    Procedure& operator=(const Procedure&) = delete;
    ~Procedure() override;

    int GetId() const { return m_id; }
    CString GetName() const { return m_name; }
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

    // The tables are never owned.
    const std::vector<Table*>& GetTables() const { return m_tables; }
    void AddTable(Table* table) { m_tables.push_back(table); }
    // The variables of files older than version 29; not written again.
    const std::vector<Variable*>& GetLegacyVariables() const { return m_legacyVariables; }
    const std::vector<FieldVariableMap>& GetFieldParameters() const { return m_fieldParameters; }
    // Appends the pair unchanged.
    void AddFieldParameterPair(Field* field, Variable* variable);
    const std::vector<Relation*>& GetRelations() const { return m_relations; }
    void AddRelation(Relation* relation) { m_relations.push_back(relation); }
    const std::vector<FieldFilter*>& GetFilters() const { return m_filters; }
    const std::vector<BooleanTreeNode*>& GetFilterTrees() const { return m_filterTrees; }
    const std::vector<ProcedureFieldInfo*>& GetOutputColumns() const { return m_outputColumns; }
    void AddOutputColumn(ProcedureFieldInfo* column) { m_outputColumns.push_back(column); }
    // Each is the variable of a field parameter; not owned.
    const std::vector<Variable*>& GetVariationVariables() const { return m_variationVariables; }
    void AddVariationVariable(Variable* variable) { m_variationVariables.push_back(variable); }
    const std::vector<Procedure*>& GetDerivedProcedures() const { return m_derivedProcedures; }
    void AddDerivedProcedure(Procedure* procedure) { m_derivedProcedures.push_back(procedure); }
    // Computed columns that belong to no table.
    const std::vector<Field*>& GetAliasFields() const { return m_aliasFields; }

    // Deletes every derived procedure and empties the list.
    void DeleteDerivedProcedures();

    // Writes the current layout; a load reads each field by its version gate, converts the
    // inline output columns of files older than version 24 and drops the blocks that older
    // files kept (relations, fields, filters and filter-tree nodes). Filters and filter trees
    // are not stored.
    void Serialize(CArchive& ar) override;

private:
    void Store(CArchive& ar) const;
    void Load(CArchive& ar);
    // The blocks of files older than version 44 that the procedure no longer keeps.
    void LoadLegacyBlocks(CArchive& ar, int version);
    void LoadOutputColumns(CArchive& ar, int version);

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
};
