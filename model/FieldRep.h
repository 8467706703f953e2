#pragma once

#include "model/GridCellData.h"
#include "platform/core/CObject.h"
#include "platform/core/Types.h"

#include <vector>

class Field;
class FieldRepData;
class ValidationData;
class Variable;

// One control of a page: a table field, or a page variable when there is no field, shown
// through the control settings of its FieldRepData.
class FieldRep : public CObject, public GridCellData
{
    DECLARE_SERIAL(FieldRep)

public:
    // No field, data, variable or validation; mandatory.
    FieldRep();
    // Shows the field; not mandatory when the field allows NULL.
    explicit FieldRep(Field* field);
    // A deep copy of the settings with the same mandatory flag; field, variable and validation
    // start null and are set by the caller.
    FieldRep(const FieldRep& source);
    FieldRep& operator=(const FieldRep&) = delete;
    // Deletes the data, the validation and the legacy validations.
    ~FieldRep() override;

    // Field, data, variable, validation, mandatory flag. Files of versions 48 to 53 hold a list
    // of validations instead of one, files before 64 no mandatory flag.
    void Serialize(CArchive& ar) override;

    Field* GetField() const { return m_field; }
    void SetField(Field* field) { m_field = field; }
    FieldRepData* GetFieldRepData() const { return m_data; }
    // Takes ownership of the settings as they are, without filling them from the field; a
    // previous data is deleted.
    void AttachFieldRepData(FieldRepData* data);
    Variable* GetVariable() const { return m_variable; }
    void SetVariable(Variable* variable) { m_variable = variable; }
    // Read only from files of versions 48 to 53; never written back.
    const std::vector<ValidationData*>& GetLegacyValidations() const { return m_legacyValidations; }
    ValidationData* GetValidationData() const { return m_validation; }
    // Takes ownership; a previous validation is deleted.
    void SetValidationData(ValidationData* validation);
    bool IsMandatory() const { return m_mandatory; }
    void SetMandatory(bool mandatory) { m_mandatory = mandatory; }

    // Set and read only by the project merge; not stored.
    BYTE GetMergeMark() const { return m_mergeMark; }
    void SetMergeMark(BYTE mark) { m_mergeMark = mark; }

private:
    // True unless the field exists and allows NULL.
    static bool MandatoryFor(const Field* field);

    Field* m_field = nullptr;
    FieldRepData* m_data = nullptr;
    Variable* m_variable = nullptr;
    std::vector<ValidationData*> m_legacyValidations;
    ValidationData* m_validation = nullptr;
    bool m_mandatory = true;
    BYTE m_mergeMark = 0;
};
