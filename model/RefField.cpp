#include "model/RefField.h"

#include "model/ArchiveIO.h"
#include "model/Field.h"
#include "model/Table.h"

IMPLEMENT_SERIAL(RefField, CObject, 0)

RefField::RefField(Field* field, Table* table) : m_field(field), m_table(table) {}

RefField::RefField(const RefField& other)
    : CObject(other), m_field(other.m_field != nullptr ? new Field(*other.m_field) : nullptr),
      m_table(other.m_table), m_validateFlag(other.m_validateFlag)
{
}

RefField::~RefField()
{
    delete m_field;
}

void RefField::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar.WriteObject(m_field);
        ar.WriteObject(m_table);
        WriteBoolInt(ar, m_validateFlag);
        return;
    }
    m_field = ReadOwned<Field>(ar);
    m_table = ReadRef<Table>(ar);
    if (ArchiveVersion() > 55)
        m_validateFlag = ReadBoolInt(ar);
}
