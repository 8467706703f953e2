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
    m_field = ReadRef<Field>(ar);
    m_table = ReadRef<Table>(ar);
    m_formula = ReadRef<FormulaTreeNode>(ar);
}
