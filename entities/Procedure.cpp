#include "entities/Procedure.h"

#include "entities/BooleanTreeNode.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/Variable.h"
#include "model/ArchiveIO.h"
#include "model/Field.h"
#include "model/FieldFilter.h"
#include "model/Ownership.h"
#include "model/Relation.h"
#include "model/Table.h"

#include <set>

IMPLEMENT_SERIAL(Procedure, CObject, 0)

namespace
{
int procedureCounter = 0;

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

// Reads a list of objects that the procedure no longer keeps.
template <class T> void DropObjectList(CArchive& ar)
{
    const int count = ReadCount(ar);
    for (int i = 0; i < count; ++i)
        ReadRef<T>(ar);
}

} // namespace

Procedure::Procedure() : m_id(++procedureCounter) {}

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
    for (const FieldVariableMap& parameter : m_fieldParameters)
    {
        if (parameter.variable != nullptr && parameter.variable->GetKind() != Variable::sharedKind)
            delete parameter.variable;
    }
}

void Procedure::AddFieldParameterPair(Field* field, Variable* variable)
{
    m_fieldParameters.push_back(FieldVariableMap{field, variable});
}

void Procedure::DeleteDerivedProcedures()
{
    DeleteAll(m_derivedProcedures);
    m_derivedProcedures.clear();
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
    if (version > 28)
    {
        const int count = ReadCount(ar);
        for (int i = 0; i < count; ++i)
        {
            Field* field = ReadRef<Field>(ar);
            m_fieldParameters.push_back(FieldVariableMap{field, ReadRef<Variable>(ar)});
        }
    }
    if (version > 35)
        ReadObjectList(ar, m_derivedProcedures);
    if (version > 40)
        ReadObjectList(ar, m_aliasFields);
    if (version > 46)
        ReadObjectList(ar, m_relations);
    if (version > 63)
        m_customNameFlag = ReadBoolInt(ar);
}

// The dropped objects are not deleted: while the file is read the archive may hand out
// back-references to them (a derived procedure shares its base's relations, filters and nodes).
void Procedure::LoadLegacyBlocks(CArchive& ar, int version)
{
    if (version < 44)
        DropObjectList<Relation>(ar);
    if (version < 18)
        DropObjectList<Field>(ar);
    if (version < 44)
    {
        DropObjectList<FieldFilter>(ar);
        DropObjectList<BooleanTreeNode>(ar);
    }
    if (version < 29)
        ReadObjectList(ar, m_legacyVariables);
}

// Files older than version 24 keep each column inline as a field and an aggregate code.
void Procedure::LoadOutputColumns(CArchive& ar, int version)
{
    if (version > 23)
    {
        ReadObjectList(ar, m_outputColumns);
        return;
    }
    const int count = ReadCount(ar);
    for (int i = 0; i < count; ++i)
    {
        Field* field = ReadRef<Field>(ar);
        int aggregate = ProcedureFieldInfo::noAggregate;
        ar >> aggregate;
        m_outputColumns.push_back(new ProcedureFieldInfo(field, aggregate));
    }
}
