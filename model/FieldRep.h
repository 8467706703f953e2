#pragma once

#include "model/GridCellData.h"
#include "platform/core/CObject.h"
#include "platform/core/CString.h"
#include "platform/core/Types.h"

#include <vector>

class EventRecmpFields;
class Field;
class FieldRepData;
class Menu;
class Table;
class ValidationData;
class Variable;
class ReferenceList;

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
    // Lists the variables and output columns its comparison rules compare, then what the
    // control's data refers to (its calls, its links' variables) and the calls of its date rules.
    void ListReferences(ReferenceList& list);

    Field* GetField() const { return m_field; }
    void SetField(Field* field) { m_field = field; }
    FieldRepData* GetFieldRepData() const { return m_data; }
    // Takes ownership of the settings as they are, without filling them from the field; a
    // previous data is deleted.
    void AttachFieldRepData(FieldRepData* data);
    // Attaches the settings and fills them from the field: size, caption, the control kind of
    // the field's type, and for a foreign key a combo box filled by the "SelectAllRecords"
    // function of the referenced table's data class.
    void SetFieldRepData(FieldRepData* data);
    void DeleteFieldRepData();
    Variable* GetVariable() const { return m_variable; }
    void SetVariable(Variable* variable) { m_variable = variable; }
    // Read only from files of versions 48 to 53; never written back.
    const std::vector<ValidationData*>& GetLegacyValidations() const { return m_legacyValidations; }
    ValidationData* GetValidationData() const { return m_validation; }
    // Takes ownership; a previous validation is deleted.
    void SetValidationData(ValidationData* validation);
    void DeleteValidationData();
    bool IsMandatory() const { return m_mandatory; }
    void SetMandatory(bool mandatory) { m_mandatory = mandatory; }

    // Set and read only by the project merge; not stored.
    BYTE GetMergeMark() const { return m_mergeMark; }
    void SetMergeMark(BYTE mark) { m_mergeMark = mark; }

    // The id prefix of a control kind ("txt_", "lst_", ...); empty for "Hidden" and unknown kinds.
    static CString GetControlPrefix(int controlKind);
    // The name of a control kind ("Text Box", "Combo Box", ...); empty for an unknown kind.
    static CString GetControlTypeNameOf(int controlKind);
    // The name of the data's control kind; empty without data.
    CString GetControlTypeName() const;
    // GetControlName of the control kind's prefix.
    CString GetControlId() const;
    // The name of the control's elements and script functions: the prefix and the field name
    // (the caption for a control without field) as a page control id; empty without data.
    CString GetControlName(const CString& prefix) const;
    // The data's event list for the default event of its control kind; null without data.
    EventRecmpFields* GetDefaultEventRecmpFields() const;

    // The field is the data's front or back field.
    bool IsFrontOrBackField(const Field* field) const;
    // The data call uses the table, or a class recompute refills a control on one of its fields.
    bool UsesTable(const Table* table) const;
    // The tables of UsesTable: the data call's class table and function tables, those of the
    // controls the class recomputes refill.
    std::vector<const Table*> ReachedTables() const;

    // Lists the tables the data call's class and function reach (the call goes with them), those
    // of the controls its class recomputes refill and those of the classes the recomputes call
    // (the recomputes go with them).
    void ListTables(ReferenceList& list);

private:
    // The lookup combo box of a foreign-key field, when the referenced table's data class has a
    // "SelectAllRecords" function in the open project.
    void MakeLookupComboBox();

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
