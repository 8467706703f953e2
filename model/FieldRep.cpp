#include "model/FieldRep.h"

#include "entities/Variable.h"
#include "model/ArchiveIO.h"
#include "model/Field.h"
#include "model/FieldRepData.h"
#include "model/Ownership.h"
#include "model/ValidationData.h"

IMPLEMENT_SERIAL(FieldRep, CObject, 0)

FieldRep::FieldRep() = default;

FieldRep::FieldRep(Field* field) : m_field(field), m_mandatory(MandatoryFor(field)) {}

FieldRep::FieldRep(const FieldRep& source)
    : CObject(), GridCellData(),
      m_data(source.m_data != nullptr ? new FieldRepData(*source.m_data) : nullptr),
      m_mandatory(source.m_mandatory)
{
}

FieldRep::~FieldRep()
{
    delete m_data;
    delete m_validation;
    DeleteAll(m_legacyValidations);
}

void FieldRep::AttachFieldRepData(FieldRepData* data)
{
    ReplaceOwned(m_data, data);
}

void FieldRep::SetValidationData(ValidationData* validation)
{
    ReplaceOwned(m_validation, validation);
}

bool FieldRep::MandatoryFor(const Field* field)
{
    return field == nullptr || !field->IsAllowNull();
}

void FieldRep::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar.WriteObject(m_field);
        ar.WriteObject(m_data);
        ar.WriteObject(m_variable);
        ar.WriteObject(m_validation);
        WriteBoolInt(ar, m_mandatory);
        return;
    }

    const int version = ArchiveVersion();
    m_field = ReadRef<Field>(ar);
    m_data = ReadRef<FieldRepData>(ar);
    m_variable = ReadRef<Variable>(ar);
    if (version > 47 && version < 54)
        ReadObjectList(ar, m_legacyValidations);
    if (version > 53)
        m_validation = ReadRef<ValidationData>(ar);
    m_mandatory = version > 63 ? ReadBoolInt(ar) : MandatoryFor(m_field);
}
