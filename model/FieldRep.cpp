#include "model/FieldRep.h"

#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/DateValidation.h"
#include "entities/Function.h"
#include "entities/LinkControl.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Variable.h"
#include "model/ArchiveIO.h"
#include "model/EventRecmpFields.h"
#include "model/Field.h"
#include "model/FieldRepData.h"
#include "model/ForgeonProject.h"
#include "model/Identifiers.h"
#include "model/MainFrameAccess.h"
#include "model/Ownership.h"
#include "model/ReferenceList.h"
#include "model/Table.h"
#include "model/ValidationData.h"

#include <array>

IMPLEMENT_SERIAL(FieldRep, CObject, 0)

namespace
{
struct ControlKindText
{
    const char* name;
    const char* prefix;
};

// Name and id prefix of each control kind, by kind.
constexpr std::array<ControlKindText, FieldRepData::ControlKindCount> controlKindTexts = {{
    {"Text Box", "txt_"},
    {"Combo Box", "lst_"},
    {"Date Control", "txt_"},
    {"Radio Button", "rad_"},
    {"Check Box", "chk_"},
    {"Text Area", "txt_"},
    {"FileUpload", "file_"},
    {"Password", "txt_"},
    {"Hidden", ""},
    {"Multiple Combo Box", "lst_"},
    {"Button", "btn_"},
    {"DateTime", "txt_"},
    {"Month", "lst_"},
    {"Year", "lst_"},
    {"Editable Text Box", "txt_"},
    {"Editable Combo Box", "lst_"},
}};

// The texts of a known kind; empty texts for any other.
ControlKindText TextsOfKind(int controlKind)
{
    if (controlKind < 0 || controlKind >= FieldRepData::ControlKindCount)
        return {"", ""};
    return controlKindTexts[static_cast<std::size_t>(controlKind)];
}

// The control kind a field of the type and size shows by default.
int ControlKindForType(int typeCode, int size)
{
    switch (typeCode)
    {
    case FieldTypeDateTime:
        return FieldRepData::DateControl;
    case FieldTypeVarchar:
        return size < 101 ? FieldRepData::TextBox : FieldRepData::TextArea;
    case FieldTypeText:
    case FieldTypeNVarchar:
    case FieldTypeNText:
        return FieldRepData::TextArea;
    default:
        return FieldRepData::TextBox;
    }
}

// The column a lookup shows when its table has no front field: the first varchar result field of
// the function that is not the stored column.
Field* FirstVarcharResultField(const Function* function, const Field* backField)
{
    for (const ProcedureFieldInfo* result : function->GetOutputFields())
    {
        Field* field = result != nullptr ? result->GetField() : nullptr;
        if (field != nullptr && field != backField && field->GetTypeCode() == FieldTypeVarchar)
            return field;
    }
    return nullptr;
}
} // namespace

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

void FieldRep::SetFieldRepData(FieldRepData* data)
{
    AttachFieldRepData(data);
    if (m_data == nullptr || m_field == nullptr)
        return;
    m_data->SetMaxLength(m_field->GetSize());
    if (m_data->GetCaption().IsEmpty())
        m_data->SetCaption(m_field->GetDisplayName());
    m_data->SetControlKind(ControlKindForType(m_field->GetTypeCode(), m_field->GetSize()));
    if (m_field->IsForeignKey() && m_field->GetForeignField() != nullptr)
        MakeLookupComboBox();
}

void FieldRep::MakeLookupComboBox()
{
    ForgeonProject* project = MainFrameAccess::GetProject();
    Table* lookupTable = m_field->GetForeignField()->GetTable();
    if (project == nullptr || lookupTable == nullptr)
        return;
    Class* lookupClass = project->GetClassForTable(lookupTable, false);
    Function* lookupFunction =
        lookupClass != nullptr ? lookupClass->FindFunctionByName("SelectAllRecords") : nullptr;
    if (lookupFunction == nullptr)
        return;

    m_data->SetControlKind(FieldRepData::ComboBox);
    auto* call = new ClassInvokation;
    call->SetFunction(lookupClass, lookupFunction);
    m_data->SetDataCall(call);
    const Table* functionTable = lookupFunction->GetTable();
    Field* backField = functionTable != nullptr ? functionTable->GetPrimaryKeyField() : nullptr;
    Field* frontField = functionTable != nullptr ? functionTable->GetFrontField() : nullptr;
    if (frontField == nullptr)
        frontField = FirstVarcharResultField(lookupFunction, backField);
    m_data->SetBackField(backField);
    m_data->SetFrontField(frontField);
    m_data->SetAddedBySync(false);
}

void FieldRep::DeleteFieldRepData()
{
    delete m_data;
    m_data = nullptr;
}

void FieldRep::SetValidationData(ValidationData* validation)
{
    ReplaceOwned(m_validation, validation);
}

void FieldRep::DeleteValidationData()
{
    delete m_validation;
    m_validation = nullptr;
}

CString FieldRep::GetControlPrefix(int controlKind)
{
    return TextsOfKind(controlKind).prefix;
}

CString FieldRep::GetControlTypeNameOf(int controlKind)
{
    return TextsOfKind(controlKind).name;
}

CString FieldRep::GetControlTypeName() const
{
    return m_data != nullptr ? GetControlTypeNameOf(m_data->GetControlKind()) : CString();
}

CString FieldRep::GetControlId() const
{
    return m_data != nullptr ? GetControlName(GetControlPrefix(m_data->GetControlKind()))
                             : CString();
}

CString FieldRep::GetControlName(const CString& prefix) const
{
    if (m_data == nullptr)
        return CString();
    return PageControlId(prefix +
                         (m_field != nullptr ? m_field->GetFieldName() : m_data->GetCaption()));
}

EventRecmpFields* FieldRep::GetDefaultEventRecmpFields() const
{
    return m_data != nullptr ? m_data->GetDefaultEventRecmpFields() : nullptr;
}

bool FieldRep::IsFrontOrBackField(const Field* field) const
{
    return m_data != nullptr && field != nullptr &&
           (m_data->GetFrontField() == field || m_data->GetBackField() == field);
}

bool FieldRep::UsesTable(const Table* table) const
{
    const std::vector<const Table*> tables = ReachedTables();
    return table != nullptr && std::ranges::find(tables, table) != tables.end();
}

std::vector<const Table*> FieldRep::ReachedTables() const
{
    std::vector<const Table*> tables;
    if (m_data == nullptr)
        return tables;
    if (const ClassInvokation* call = m_data->GetDataCall())
    {
        if (call->GetClass() != nullptr && call->GetClass()->GetTable() != nullptr)
            tables.push_back(call->GetClass()->GetTable());
        if (call->GetFunction() != nullptr)
            tables.insert(tables.end(), call->GetFunction()->GetUsedTables().begin(),
                          call->GetFunction()->GetUsedTables().end());
    }
    for (const EventRecmpFields* events : m_data->GetEventRecmpFieldsList())
    {
        for (const EventClassRecompute* record : events->GetClassRecomputes())
        {
            if (record->fieldRep != nullptr && record->fieldRep->GetField() != nullptr &&
                record->fieldRep->GetField()->GetTable() != nullptr)
                tables.push_back(record->fieldRep->GetField()->GetTable());
        }
    }
    return tables;
}

void FieldRep::ListTables(ReferenceList& list)
{
    if (m_data == nullptr)
        return;
    FieldRepData* data = m_data;
    // A control of a field uses every field of the tables its calls reach.
    if (m_field != nullptr)
    {
        for (const Table* table : ReachedTables())
        {
            for (const Field* field : table->GetFields())
                list.AddUse(field);
        }
    }
    ClassInvokation::ListTablesHeld(list, data->GetDataCall(),
                                    [data] { data->ClearClassInvokation(); });
    const std::vector<EventRecmpFields*>& eventLists = data->GetEventRecmpFieldsList();
    for (const EventRecmpFields* events : eventLists)
    {
        for (const EventClassRecompute* record : events->GetClassRecomputes())
        {
            if (record->fieldRep == nullptr || record->fieldRep->GetField() == nullptr)
                continue;
            const Table* table = record->fieldRep->GetField()->GetTable();
            list.Add(table, [data, table] { data->RemoveClassRecomputesOfTable(table); });
        }
    }
    for (EventRecmpFields* events : eventLists)
    {
        for (const EventClassRecompute* record : events->GetClassRecomputes())
        {
            const ClassInvokation* call = record->classInvokation;
            if (call == nullptr || call->GetClass() == nullptr)
                continue;
            FieldRep* recomputed = record->fieldRep;
            list.Add(call->GetClass()->GetTable(),
                     [events, recomputed] { events->RemoveClassRecompute(recomputed); });
        }
    }
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
    m_data = ReadOwned<FieldRepData>(ar);
    m_variable = ReadRef<Variable>(ar);
    if (version > 47 && version < 54)
        ReadOwnedList(ar, m_legacyValidations);
    if (version > 53)
        m_validation = ReadOwned<ValidationData>(ar);
    m_mandatory = version > 63 ? ReadBoolInt(ar) : MandatoryFor(m_field);
}

void FieldRep::ListReferences(ReferenceList& list)
{
    // A comparison rule goes with the variable it compares.
    if (ValidationData* validation = m_validation)
    {
        for (DateValidation* rule : validation->GetDateValidations())
            list.Add(rule->GetVariable(),
                     [validation, rule] { validation->RemoveDateValidation(rule); });
    }
    if (m_data != nullptr)
        m_data->ListReferences(list);
    if (m_validation == nullptr)
        return;
    // A date rule loses its call and the column it compares with when the procedure goes.
    for (DateValidation* rule : m_validation->GetDateValidations())
    {
        const auto drop = [rule] { rule->RemoveProcedureInvokation(); };
        list.Add(rule->GetResultField(), drop);
        ProcedureInvokation::ListHeld(list, rule->GetProcedureInvokation(), drop);
    }
}
