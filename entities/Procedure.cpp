#include "entities/Procedure.h"

#include "entities/BooleanTreeNode.h"
#include "entities/MapForm.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/Variable.h"
#include "model/ArchiveIO.h"
#include "model/Field.h"
#include "model/FieldFilter.h"
#include "model/ListAccess.h"
#include "model/Ownership.h"
#include "model/ProjectDiagnostics.h"
#include "model/ReferenceList.h"
#include "model/Relation.h"
#include "model/Table.h"
#include "platform/core/MessageBox.h"

#include <algorithm>
#include <set>

IMPLEMENT_SERIAL(Procedure, CObject, 0)

namespace
{
int procedureCounter = 0;

// The operator words of filter-tree nodes.
constexpr int andOperator = 0;
constexpr int orOperator = 1;
constexpr int leafOperator = 2;

CString TableNameOf(const Table* table)
{
    return table != nullptr ? table->GetTableName() : CString();
}

// The name of a field or variable; empty for null.
template <class T> CString FieldNameOf(const T* named)
{
    return named != nullptr ? named->GetFieldName() : CString();
}

// From the last "_" on; the whole name when it holds none.
CString TailFromLastUnderscore(const CString& name)
{
    const int last = name.ReverseFind('_');
    return last < 0 ? name : name.Mid(last);
}

// Every comma ends a column; what follows the last comma is the last column.
std::vector<CString> SplitAtCommas(CString text)
{
    std::vector<CString> columns;
    for (int comma = text.Find(','); comma >= 0; comma = text.Find(','))
    {
        columns.push_back(text.Left(comma));
        text = text.Mid(comma + 1);
    }
    columns.push_back(text);
    return columns;
}

// Copies the first entry that matches into out; both members null when none.
template <class Predicate>
bool FindFieldParameter(const std::vector<FieldVariableMap>& parameters, FieldVariableMap& out,
                        Predicate matches)
{
    const auto found = std::ranges::find_if(parameters, matches);
    out = found != parameters.end() ? *found : FieldVariableMap{};
    return found != parameters.end();
}

// Every node of the trees under the roots, each once.
std::set<BooleanTreeNode*> CollectTreeNodes(const std::vector<BooleanTreeNode*>& roots)
{
    std::set<BooleanTreeNode*> nodes;
    std::vector<BooleanTreeNode*> pending(roots.begin(), roots.end());
    while (!pending.empty())
    {
        BooleanTreeNode* node = pending.back();
        pending.pop_back();
        if (node == nullptr || !nodes.insert(node).second)
            continue;
        pending.push_back(node->GetLeft());
        pending.push_back(node->GetRight());
    }
    return nodes;
}

} // namespace

Procedure::Procedure() : m_id(++procedureCounter) {}

Procedure::Procedure(Table* table, bool all) : Procedure()
{
    InitStandard(table, all ? "_SelectAll" : "_SelectRecord");
    AddMainTableColumns();
    if (all || table == nullptr)
        return;
    AddFieldFilter(table->GetPrimaryKeyField());
    AddFilterTreeLeaves();
}

Procedure::~Procedure()
{
    if (m_kind == derivedKind)
        return;
    DeleteDerivedProcedures();
    DeleteAll(m_relations);
    DeleteAll(m_filters);
    for (BooleanTreeNode* node : CollectTreeNodes(m_filterTrees))
        delete node;
    DeleteAll(m_outputColumns);
    DeleteAll(m_aliasFields);
    ClearFieldParameters();
}

CString Procedure::StandardName(const char* suffix) const
{
    return "PRC_" + TableNameOf(m_mainTable) + suffix;
}

void Procedure::AddMainTableColumns()
{
    if (m_mainTable == nullptr)
        return;
    for (Field* field : m_mainTable->GetFields())
        AddOutputField(field);
}

void Procedure::InitStandard(Table* table, const char* suffix)
{
    m_mainTable = table;
    m_kind = standardKind;
    m_name = StandardName(suffix);
}

void Procedure::InitSelectLastRecord(Table* table)
{
    InitStandard(table, "_SelectLastRecord");
    AddMainTableColumns();
}

void Procedure::InitSelectAllByField(Table* table, Field* field)
{
    InitStandard(table, "_SelectAll");
    AddMainTableColumns();
    AddFieldFilter(field);
    AddFilterTreeLeaves();
}

void Procedure::InitSelectRecordForMapForm(MapForm* mapForm)
{
    if (mapForm == nullptr)
        return;
    InitStandard(mapForm->GetMappingTable(), "_SelectRecordTB");
    AddMainTableColumns();
    for (Field* field : mapForm->GetTopFields())
        AddFieldFilter(field);
    for (Field* field : mapForm->GetBottomFields())
        AddFieldFilter(field);
    m_rowStatusFilter = liveRowsOnly;
    AddFilterTreeLeaves();
}

void Procedure::SyncWithMainTable()
{
    if (m_mainTable == nullptr)
        return;
    for (Field* field : m_mainTable->GetFields())
    {
        if (!HasOutputField(field))
            AddOutputField(field);
    }
    RenameForMainTable();
}

void Procedure::RenameForMainTable()
{
    if (m_mainTable == nullptr)
        return;
    m_name = StandardName(TailFromLastUnderscore(m_name));
    for (const FieldVariableMap& parameter : m_fieldParameters)
    {
        if (parameter.field != nullptr && parameter.variable != nullptr &&
            parameter.field->GetTable() == m_mainTable)
            parameter.variable->SetName("PRC_" + parameter.field->GetFieldName() + "_Var");
    }
}

void Procedure::GetNameMiddlePart(CString& out) const
{
    if (!m_customNameFlag)
        return;
    const CString rest = m_name.Mid(m_name.Find('_') + 1);
    const int end = rest.Find('_');
    out = end < 0 ? CString() : rest.Left(end);
}

bool Procedure::HasStandardSuffix(const char* suffix) const
{
    if (m_kind != standardKind)
        return false;
    if (m_customNameFlag)
        return TailFromLastUnderscore(m_name).CompareNoCase(suffix) == 0;
    return m_mainTable != nullptr && m_name == StandardName(suffix);
}

bool Procedure::IsInsertProcedure() const
{
    return HasStandardSuffix("_Insert");
}

bool Procedure::IsUpdateProcedure() const
{
    return HasStandardSuffix("_Update");
}

bool Procedure::IsDeleteProcedure() const
{
    return HasStandardSuffix("_Delete");
}

bool Procedure::IsSelectAllProcedure() const
{
    return HasStandardSuffix("_SelectAll");
}

bool Procedure::IsSelectRecordProcedure() const
{
    return HasStandardSuffix("_SelectRecord");
}

Table* Procedure::FindTable(Table* table) const
{
    return Contains(m_tables, table) ? table : nullptr;
}

Table* Procedure::FindTableByName(const CString& name) const
{
    return FindFirst(m_tables,
                     [&name](const Table* table) {
                         return table != nullptr && table->GetTableName().CompareNoCase(name) == 0;
                     });
}

Table* Procedure::FindTableByNameNoCase(const CString& name) const
{
    if (m_mainTable != nullptr && m_mainTable->GetTableName().CompareNoCase(name) == 0)
        return m_mainTable;
    return FindTableByName(name);
}

Table* Procedure::FindTableById(int id) const
{
    const auto matches = [id](Table* table) { return table != nullptr && table->GetId() == id; };
    if (matches(m_mainTable))
        return m_mainTable;
    if (Table* table = FindFirst(m_tables, matches))
        return table;
    for (const Relation* relation : m_relations)
    {
        if (matches(relation->GetFirstTable()))
            return relation->GetFirstTable();
        if (matches(relation->GetSecondTable()))
            return relation->GetSecondTable();
    }
    return nullptr;
}

void Procedure::RemoveTableAt(int index)
{
    EraseAt(m_tables, index);
}

void Procedure::RemoveTable(Table* table)
{
    std::erase(m_tables, table);
}

bool Procedure::CanRemoveTable(Table* table) const
{
    ProjectDiagnostics& diagnostics = TheProjectDiagnostics();
    diagnostics.ClearErrorsAndWarnings();
    const bool inRelation =
        std::any_of(m_relations.begin(), m_relations.end(),
                    [table](const Relation* relation) { return relation->InvolvesTable(table); });
    CString fieldNames;
    if (inRelation)
        diagnostics.AddError("Table used in relations");
    else
    {
        for (const ProcedureFieldInfo* column : m_outputColumns)
        {
            const Field* field = column->GetField();
            if (field != nullptr && field->GetTable() == table)
                fieldNames += field->GetFieldName() + "\n";
        }
        if (!fieldNames.IsEmpty())
            diagnostics.AddError("Following fields of table are still used in procedure!\n" +
                                 fieldNames);
    }
    diagnostics.ReportErrors(true);
    return !inRelation && fieldNames.IsEmpty();
}

void Procedure::ResetTablesRelationsFilters()
{
    m_tables.clear();
    DeleteAll(m_relations);
    m_filters.clear();
}

void Procedure::RemoveRelationAt(int index)
{
    if (!IsValidIndex(m_relations, index))
        return;
    delete m_relations[index];
    EraseAt(m_relations, index);
}

bool Procedure::HasRelation(Table* first, Table* second) const
{
    return std::ranges::any_of(m_relations, [first, second](const Relation* relation)
                               { return relation->Joins(first, second); });
}

bool Procedure::IsFieldInRelations(Field* field) const
{
    return std::ranges::any_of(m_relations, [field](const Relation* relation)
                               { return relation->ContainsField(field); });
}

void Procedure::AddOutputField(Field* field)
{
    m_outputColumns.push_back(new ProcedureFieldInfo(field, ProcedureFieldInfo::noAggregate));
}

ProcedureFieldInfo* Procedure::GetOutputColumnAt(int index) const
{
    return ItemAt(m_outputColumns, index);
}

Field* Procedure::GetOutputFieldAt(int index) const
{
    const ProcedureFieldInfo* column = GetOutputColumnAt(index);
    return column != nullptr ? column->GetField() : nullptr;
}

ProcedureFieldInfo* Procedure::FindOutputColumnByField(Field* field) const
{
    return ItemAt(m_outputColumns, GetOutputFieldIndex(field));
}

bool Procedure::HasOutputField(Field* field) const
{
    return GetOutputFieldIndex(field) >= 0;
}

int Procedure::GetOutputFieldIndex(Field* field) const
{
    for (std::size_t i = 0; i < m_outputColumns.size(); ++i)
    {
        if (m_outputColumns[i]->GetField() == field)
            return static_cast<int>(i);
    }
    return -1;
}

bool Procedure::HasOutputColumn(ProcedureFieldInfo* column) const
{
    return Contains(m_outputColumns, column);
}

bool Procedure::HasOutputColumnNamed(const CString& name) const
{
    return std::ranges::any_of(m_outputColumns, [&name](const ProcedureFieldInfo* column)
                               { return column->GetDisplayName() == name; });
}

bool Procedure::HasOutputColumnNamedNoCase(const CString& name) const
{
    return std::ranges::any_of(m_outputColumns, [&name](const ProcedureFieldInfo* column)
                               { return column->GetDisplayName().CompareNoCase(name) == 0; });
}

ProcedureFieldInfo* Procedure::FindOutputColumnByDisplayName(const CString& name) const
{
    CString lowerName = name;
    lowerName.MakeLower();
    return FindFirst(m_outputColumns, [&lowerName](const ProcedureFieldInfo* column)
                     { return column->GetDisplayName().MakeLower() == lowerName; });
}

void Procedure::RemoveOutputColumn(ProcedureFieldInfo* column)
{
    Field* alias = nullptr;
    if (!DetachOutputColumn(column, alias))
        return;
    delete alias;
    delete column;
}

bool Procedure::DetachOutputColumn(ProcedureFieldInfo* column, Field*& alias)
{
    alias = nullptr;
    if (!Contains(m_outputColumns, column))
        return false;
    EraseFirst(m_outputColumns, column);
    // The derived procedures share the column.
    for (Procedure* derived : m_derivedProcedures)
        EraseFirst(derived->m_outputColumns, column);
    if (Contains(m_aliasFields, column->GetField()))
    {
        alias = column->GetField();
        EraseFirst(m_aliasFields, alias);
    }
    return true;
}

void Procedure::ClearOutputColumns()
{
    DeleteAll(m_outputColumns);
}

Table* Procedure::GetTableOfOutputField(Field* field) const
{
    return HasOutputField(field) ? m_mainTable : nullptr;
}

void Procedure::AddAliasField(Field* field, bool addColumn)
{
    if (field == nullptr || field->GetTable() != nullptr)
        return;
    m_aliasFields.push_back(field);
    if (addColumn)
        AddOutputField(field);
}

bool Procedure::ContainsAliasField(Field* field) const
{
    return Contains(m_aliasFields, field);
}

Field* Procedure::GetAliasFieldAt(int index) const
{
    return ItemAt(m_aliasFields, index);
}

Field* Procedure::FindAliasFieldByName(const CString& name) const
{
    return FindFirst(m_aliasFields,
                     [&name](const Field* field) { return FieldNameOf(field) == name; });
}

Field* Procedure::FindAliasFieldByNameNoCase(const CString& name) const
{
    return FindFirst(m_aliasFields, [&name](const Field* field)
                     { return FieldNameOf(field).CompareNoCase(name) == 0; });
}

void Procedure::RemoveAliasField(Field* field)
{
    EraseAndDelete(m_aliasFields, field);
}

void Procedure::AddFieldParameter(Field* field)
{
    if (field == nullptr)
        return;
    CString name = field->GetFieldName();
    const int dot = name.Find('.');
    if (dot > 0)
        name = name.Mid(dot + 1);
    auto* variable = new Variable;
    variable->SetName("PRC_" + name + "_Var");
    variable->SetKind(Variable::parameterKind);
    AddFieldParameterPair(field, variable);
}

void Procedure::AddFieldParameterPair(Field* field, Variable* variable)
{
    m_fieldParameters.push_back(FieldVariableMap{field, variable});
}

void Procedure::GetFieldParameterAt(FieldVariableMap& out, int index) const
{
    out = IsValidIndex(m_fieldParameters, index) ? m_fieldParameters[index] : FieldVariableMap{};
}

Variable* Procedure::GetFieldParameterVariableAt(int index) const
{
    FieldVariableMap parameter;
    GetFieldParameterAt(parameter, index);
    return parameter.variable;
}

void Procedure::SetFieldParameterFieldAt(int index, Field* field)
{
    if (IsValidIndex(m_fieldParameters, index))
        m_fieldParameters[index].field = field;
}

bool Procedure::FindFieldParameterByField(Field* field, FieldVariableMap& out) const
{
    return FindFieldParameter(m_fieldParameters, out,
                              [field](const FieldVariableMap& parameter)
                              { return parameter.field == field; });
}

bool Procedure::FindFieldParameterByVariable(FieldVariableMap& out, Variable* variable) const
{
    return FindFieldParameter(m_fieldParameters, out,
                              [variable](const FieldVariableMap& parameter)
                              { return parameter.variable == variable; });
}

Variable* Procedure::FindFieldParameterVariableByName(const CString& name) const
{
    FieldVariableMap out;
    FindFieldParameter(m_fieldParameters, out,
                       [&name](const FieldVariableMap& parameter) {
                           return parameter.variable != nullptr &&
                                  FieldNameOf(parameter.variable) == name;
                       });
    return out.variable;
}

void Procedure::RemoveFieldParameter(const FieldVariableMap& parameter)
{
    const auto found = std::ranges::find_if(
        m_fieldParameters, [&parameter](const FieldVariableMap& entry)
        { return entry.field == parameter.field && entry.variable == parameter.variable; });
    if (found != m_fieldParameters.end())
        m_fieldParameters.erase(found);
}

void Procedure::RemoveFieldParameterAt(int index)
{
    EraseAt(m_fieldParameters, index);
}

void Procedure::ClearFieldParameters()
{
    for (const FieldVariableMap& parameter : m_fieldParameters)
    {
        if (parameter.variable != nullptr && parameter.variable->GetKind() != Variable::sharedKind)
            delete parameter.variable;
    }
    m_fieldParameters.clear();
}

ReferenceList::Targets Procedure::FreedWithIt() const
{
    ReferenceList::Targets freed{this};
    freed.insert(m_outputColumns.begin(), m_outputColumns.end());
    freed.insert(m_aliasFields.begin(), m_aliasFields.end());
    freed.insert(m_derivedProcedures.begin(), m_derivedProcedures.end());
    for (const FieldVariableMap& parameter : m_fieldParameters)
    {
        if (parameter.variable != nullptr && parameter.variable->GetKind() != Variable::sharedKind)
            freed.insert(parameter.variable);
    }
    return freed;
}

void Procedure::AddFieldFilter(Field* field)
{
    if (field == nullptr)
        return;
    FieldVariableMap parameter;
    if (!FindFieldParameterByField(field, parameter))
    {
        AddFieldParameter(field);
        FindFieldParameterByField(field, parameter);
    }
    auto* filter = new FieldFilter;
    filter->SetField(field);
    filter->SetVariable(parameter.variable);
    m_filters.push_back(filter);
}

FieldFilter* Procedure::FindFieldFilterByField(Field* field) const
{
    return FindFirst(m_filters,
                     [field](const FieldFilter* filter) { return filter->GetField() == field; });
}

FieldFilter* Procedure::FindFieldFilterByVariable(Variable* variable) const
{
    return FindFirst(m_filters, [variable](const FieldFilter* filter)
                     { return filter->GetVariable() == variable; });
}

bool Procedure::HasFilterOnVariable(Variable* variable) const
{
    return FindFieldFilterByVariable(variable) != nullptr;
}

FieldFilter* Procedure::FindEquivalentFilter(FieldFilter* filter) const
{
    if (filter == nullptr)
        return nullptr;
    const CString fieldName = FieldNameOf(filter->GetField());
    const CString variableName = FieldNameOf(filter->GetVariable());
    return FindFirst(m_filters,
                     [&](const FieldFilter* own)
                     {
                         return FieldNameOf(own->GetField()).CompareNoCase(fieldName) == 0 &&
                                FieldNameOf(own->GetVariable()).CompareNoCase(variableName) == 0 &&
                                own->GetComparisonKind() == filter->GetComparisonKind();
                     });
}

void Procedure::RemoveFieldFilter(FieldFilter* filter)
{
    EraseFirst(m_filters, filter);
}

void Procedure::DeleteFieldFilter(FieldFilter* filter)
{
    if (filter == nullptr)
        return;
    BooleanTreeNode* root = FindFilterTreeRoot(filter);
    if (root != nullptr && (root->GetLeft() != nullptr || root->GetRight() != nullptr))
    {
        AfxMessageBox("Can no delete filter! Child nodes present for it.", MB_OK);
        return;
    }
    if (root != nullptr)
    {
        EraseFirst(m_filterTrees, root);
        delete root;
    }
    EraseAndDelete(m_filters, filter);
}

void Procedure::AddFilterTreeLeaves()
{
    const std::vector<FieldFilter*> filters = m_filters;
    for (FieldFilter* filter : filters)
    {
        if (FindFilterTreeRoot(filter) != nullptr)
            continue;
        auto* leaf = new BooleanTreeNode;
        leaf->SetFilter(filter);
        m_filterTrees.push_back(leaf);
    }
}

BooleanTreeNode* Procedure::FindFilterTreeRoot(FieldFilter* filter) const
{
    return FindFirst(m_filterTrees,
                     [filter](BooleanTreeNode* root) { return FilterTreeContains(root, filter); });
}

bool Procedure::FilterTreeContains(BooleanTreeNode* node, FieldFilter* filter)
{
    if (node == nullptr)
        return false;
    switch (node->GetOperator())
    {
    case leafOperator:
        return node->GetFilter() == filter;
    case andOperator:
    case orOperator:
        return FilterTreeContains(node->GetLeft(), filter) ||
               FilterTreeContains(node->GetRight(), filter);
    default:
        return false;
    }
}

BooleanTreeNode* Procedure::GetFilterTreeRootAt(int index) const
{
    return ItemAt(m_filterTrees, index);
}

void Procedure::RemoveFilterTreeRoot(BooleanTreeNode* root)
{
    EraseFirst(m_filterTrees, root);
}

Variable* Procedure::GetVariableAt(int index) const
{
    return ItemAt(m_variationVariables, index);
}

Variable* Procedure::FindVariableByName(const CString& name) const
{
    return FindFirst(m_variationVariables,
                     [&name](const Variable* variable) { return FieldNameOf(variable) == name; });
}

bool Procedure::HasVariable(Variable* variable) const
{
    return Contains(m_variationVariables, variable);
}

void Procedure::RemoveVariableAt(int index)
{
    if (index == -1)
        m_variationVariables.clear();
    else
        EraseAt(m_variationVariables, index);
}

void Procedure::RemoveVariable(Variable* variable)
{
    std::erase(m_variationVariables, variable);
}

void Procedure::CreateDerivedProcedures()
{
    const std::size_t count = m_variationVariables.size();
    if (count == 0)
        return;
    for (std::size_t combination = 0; combination < (std::size_t{1} << count); ++combination)
    {
        auto* derived = new Procedure;
        CString name = m_name;
        for (std::size_t j = 0; j < count; ++j)
        {
            const bool given = ((combination >> (count - 1 - j)) & 1) != 0;
            if (!given)
            {
                name += "_All";
                continue;
            }
            FieldVariableMap parameter;
            FindFieldParameterByVariable(parameter, m_variationVariables[j]);
            if (parameter.field == nullptr)
                continue;
            name += "_" + parameter.field->GetFieldName();
            derived->AddFieldParameterPair(parameter.field, parameter.variable);
        }
        derived->m_name = name;
        derived->FillDerivedProcedure(*this);
        m_derivedProcedures.push_back(derived);
    }
}

void Procedure::FillDerivedProcedure(const Procedure& base)
{
    m_mainTable = base.m_mainTable;
    m_kind = derivedKind;
    m_writeFlag = true;
    m_rowStatusFilter = base.m_rowStatusFilter;
    m_tables.insert(m_tables.end(), base.m_tables.begin(), base.m_tables.end());
    m_relations.insert(m_relations.end(), base.m_relations.begin(), base.m_relations.end());
    for (const FieldVariableMap& parameter : m_fieldParameters)
    {
        FieldFilter* filter = base.FindFieldFilterByVariable(parameter.variable);
        if (filter == nullptr)
            continue;
        m_filters.push_back(filter);
        if (BooleanTreeNode* root = base.FindFilterTreeRoot(filter))
            m_filterTrees.push_back(root);
    }
    m_outputColumns.insert(m_outputColumns.end(), base.m_outputColumns.begin(),
                           base.m_outputColumns.end());
}

void Procedure::DeleteDerivedProcedures()
{
    DeleteAll(m_derivedProcedures);
}

Procedure* Procedure::GetSubProcedureAt(int index) const
{
    return ItemAt(m_derivedProcedures, index);
}

bool Procedure::MatchesSelectColumns(CString sql) const
{
    const int select = sql.Find("SELECT ");
    if (sql.IsEmpty() || select < 0)
        return true;
    CString columnList = sql.Mid(select);
    const int from = columnList.Find("FROM");
    if (from < 0)
        return true;
    columnList = columnList.Left(from);
    columnList.Replace("SELECT ", "");
    if (columnList.Find('*') >= 0)
        return true;
    const std::vector<CString> columns = SplitAtCommas(columnList);
    if (columns.size() != m_outputColumns.size())
        return false;
    for (CString column : columns)
    {
        column.Trim();
        const int dot = column.Find('.');
        if (dot >= 0)
            column = column.Mid(dot + 1);
        if (!HasOutputColumnNamed(column))
            return false;
    }
    return true;
}

void Procedure::ListReferences(ReferenceList& list)
{
    list.SetUser([this] { return m_name; });
    ListDerivedProcedures(list);
    list.AddSlot(m_mainTable);
    for (Table* table : m_tables)
        list.Add(table, [this, table] { RemoveTable(table); });
    const auto dropRelation = [this](const Relation* relation)
    {
        return [this, relation]
        {
            const auto found = std::ranges::find(m_relations, relation);
            if (found != m_relations.end())
                RemoveRelationAt(static_cast<int>(found - m_relations.begin()));
        };
    };
    for (const Relation* relation : m_relations)
    {
        list.Add(relation->GetFirstTable(), dropRelation(relation));
        list.Add(relation->GetSecondTable(), dropRelation(relation));
    }
    for (ProcedureFieldInfo* column : m_outputColumns)
        list.Add(column->GetField(), [column] { column->SetField(nullptr); });
    list.SetUser([this] { return m_name + "\n\t Field is mapped with variable!\n"; });
    for (int index = 0; index < static_cast<int>(m_fieldParameters.size()); ++index)
        list.Add(m_fieldParameters[static_cast<std::size_t>(index)].field,
                 [this, index] { SetFieldParameterFieldAt(index, nullptr); });
    list.SetUser([this] { return m_name + "\n\t Field is present in Relations!"; });
    for (const Relation* relation : m_relations)
    {
        for (const Field* field : relation->GetJoinFields())
            list.Add(field, dropRelation(relation));
    }
    list.SetUser([this] { return m_name + "\n\t Field is present in field filter!"; });
    for (FieldFilter* filter : m_filters)
        list.Add(filter->GetField(), [this, filter] { DeleteFieldFilter(filter); });
    list.SetUser([this] { return m_name; });
}

void Procedure::ListDerivedProcedures(ReferenceList& list)
{
    if (m_derivedProcedures.empty())
        return;
    // Listed before the base's own references, so made again after the base let go of them.
    const auto rebuild = [this]
    {
        DeleteDerivedProcedures();
        CreateDerivedProcedures();
    };
    list.Add(m_mainTable, rebuild);
    for (const Table* table : m_tables)
        list.Add(table, rebuild);
    for (const Relation* relation : m_relations)
    {
        list.Add(relation->GetFirstTable(), rebuild);
        list.Add(relation->GetSecondTable(), rebuild);
        for (const Field* field : relation->GetJoinFields())
            list.Add(field, rebuild);
    }
    for (const FieldVariableMap& parameter : m_fieldParameters)
        list.Add(parameter.field, rebuild);
    for (const FieldFilter* filter : m_filters)
        list.Add(filter->GetField(), rebuild);
}

void Procedure::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        Store(ar);
    else
        Load(ar);
}

void Procedure::Store(CArchive& ar) const
{
    ar << m_name;
    ar.WriteObject(m_mainTable);
    ar << m_rowStatusFilter;
    WriteBoolInt(ar, m_writeFlag);
    WriteObjectList(ar, m_tables);
    ar << m_kind;
    WriteObjectList(ar, m_outputColumns);
    WriteObjectList(ar, m_variationVariables);
    ar << m_procedureText;
    WriteBoolInt(ar, m_textFlag);
    ar << static_cast<int>(m_fieldParameters.size());
    for (const FieldVariableMap& parameter : m_fieldParameters)
    {
        ar.WriteObject(parameter.field);
        ar.WriteObject(parameter.variable);
    }
    WriteObjectList(ar, m_derivedProcedures);
    WriteObjectList(ar, m_aliasFields);
    WriteObjectList(ar, m_relations);
    WriteBoolInt(ar, m_customNameFlag);
}

void Procedure::Load(CArchive& ar)
{
    const int version = ArchiveVersion();
    ar >> m_name;
    m_mainTable = ReadRef<Table>(ar);
    if (version > 21)
        ar >> m_rowStatusFilter;
    if (version > 22)
        m_writeFlag = ReadBoolInt(ar);
    ReadObjectList(ar, m_tables);
    LoadLegacyBlocks(ar, version);
    if (version > 14)
        ar >> m_kind;
    if (version > 17)
        LoadOutputColumns(ar, version);
    if (version > 26)
    {
        ReadObjectList(ar, m_variationVariables);
        ar >> m_procedureText;
        m_textFlag = ReadBoolInt(ar);
    }
    // A derived procedure shares the objects of its base, which owns them.
    const bool owns = m_kind != derivedKind;
    if (version > 28)
    {
        const int count = ReadCount(ar);
        for (int i = 0; i < count; ++i)
        {
            Field* field = ReadRef<Field>(ar);
            Variable* variable = ReadRef<Variable>(ar);
            if (owns && variable != nullptr && variable->GetKind() != Variable::sharedKind)
                ar.ClaimObject(variable);
            m_fieldParameters.push_back(FieldVariableMap{field, variable});
        }
    }
    if (version > 35)
        ReadListOwnedUnlessDerived(ar, m_derivedProcedures);
    if (version > 40)
        ReadListOwnedUnlessDerived(ar, m_aliasFields);
    if (version > 46)
        ReadListOwnedUnlessDerived(ar, m_relations);
    if (version > 63)
        m_customNameFlag = ReadBoolInt(ar);
}

// The dropped objects are not deleted: while the file is read the archive may hand out
// back-references to them (a derived procedure shares its base's relations, filters and nodes).
void Procedure::LoadLegacyBlocks(CArchive& ar, int version)
{
    if (version < 44)
        SkipObjectList<Relation>(ar);
    if (version < 18)
        SkipObjectList<Field>(ar);
    if (version < 44)
    {
        SkipObjectList<FieldFilter>(ar);
        SkipObjectList<BooleanTreeNode>(ar);
    }
    if (version < 29)
        ReadObjectList(ar, m_legacyVariables);
}

// Files older than version 24 keep each column inline as a field and an aggregate code.
void Procedure::LoadOutputColumns(CArchive& ar, int version)
{
    if (version > 23)
    {
        ReadListOwnedUnlessDerived(ar, m_outputColumns);
        return;
    }
    const int count = ReadCount(ar);
    for (int i = 0; i < count; ++i)
    {
        Field* field = ReadRef<Field>(ar);
        int aggregate = ProcedureFieldInfo::noAggregate;
        ar >> aggregate;
        // A derived procedure frees nothing, so it keeps no column of its own.
        if (m_kind != derivedKind)
            m_outputColumns.push_back(new ProcedureFieldInfo(field, aggregate));
    }
}

void Procedure::LetGoOfUnownedObjects(const CArchive& ar)
{
    for (FieldVariableMap& parameter : m_fieldParameters)
    {
        if (ar.IsUnclaimed(parameter.variable))
            parameter.variable = nullptr;
    }
}

template <class T> void Procedure::ReadListOwnedUnlessDerived(CArchive& ar, std::vector<T*>& list)
{
    if (m_kind == derivedKind)
        ReadObjectList(ar, list);
    else
        ReadOwnedList(ar, list);
}
