#include "entities/DerivedField.h"

#include "entities/FormulaTreeNode.h"
#include "model/ArchiveIO.h"
#include "model/Field.h"
#include "model/Table.h"

IMPLEMENT_SERIAL(DerivedField, CObject, 0)

DerivedField::DerivedField(Field* field, Table* table) : m_field(field), m_table(table) {}

DerivedField::DerivedField(const DerivedField& source)
    : CObject(source), m_field(source.m_field != nullptr ? new Field(*source.m_field) : nullptr),
      m_table(source.m_table),
      m_formula(source.m_formula != nullptr ? new FormulaTreeNode(*source.m_formula) : nullptr)
{
}

DerivedField::~DerivedField()
{
    delete m_field;
    delete m_formula;
}

void DerivedField::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar.WriteObject(m_field);
        ar.WriteObject(m_table);
        ar.WriteObject(m_formula);
        return;
    }
    m_field = ReadOwned<Field>(ar);
    m_table = ReadRef<Table>(ar);
    m_formula = ReadOwned<FormulaTreeNode>(ar);
}

bool DerivedField::FormulaContains(const FormulaTreeNode* node) const
{
    if (m_formula == nullptr || node == nullptr)
        return false;
    return m_formula == node || m_formula->ContainsNode(node);
}

void DerivedField::RemapOperands(const std::vector<FieldRep*>& sourceControls,
                                 const std::vector<FieldRep*>& copyControls)
{
    if (m_formula != nullptr)
        m_formula->RemapOperands(sourceControls, copyControls);
}
