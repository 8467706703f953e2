#include "entities/ReportField.h"

#include "entities/ProcedureFieldInfo.h"
#include "entities/ReportGroup.h"
#include "entities/Variable.h"
#include "model/ArchiveIO.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ListAccess.h"
#include "model/ReferenceList.h"

#include <algorithm>

IMPLEMENT_SERIAL(ReportField, MenuInterface, 0)

// Item kind 1 marks a report column among the linking items of a page file.
ReportField::ReportField() : MenuInterface(1) {}

ReportField::ReportField(ProcedureFieldInfo* fieldInfo) : ReportField()
{
    SetFieldInfo(fieldInfo);
}

ReportField::~ReportField()
{
    DeleteReportFieldBindings(m_bindings);
    delete m_controlProperty;
}

void ReportField::Serialize(CArchive& ar)
{
    MenuInterface::Serialize(ar);
    if (ar.IsStoring())
    {
        ar.WriteObject(m_fieldInfo);
        ar << m_colNo << m_width << m_alignment;
        ar << GetName();
        WriteReportFieldBindings(ar, m_bindings);
        ar.WriteObject(m_controlProperty);
        WriteBoolInt(ar, m_imageFromFileContent);
        ar << m_imageHeight << m_imageWidth;
        WriteBoolInt(ar, m_money);
        return;
    }
    const int version = ArchiveVersion();
    if (version < 24)
        m_field = ReadRef<Field>(ar);
    else
        m_fieldInfo = ReadRef<ProcedureFieldInfo>(ar);
    ar >> m_colNo >> m_width >> m_alignment;
    CString caption;
    ar >> caption;
    SetName(caption);
    ReadReportFieldBindings(ar, m_bindings, version > 34);
    if (version > 45)
        m_controlProperty = ReadOwned<ReportFieldControlProperty>(ar);
    if (version > 59)
    {
        m_imageFromFileContent = ReadBoolInt(ar);
        ar >> m_imageHeight >> m_imageWidth;
    }
    if (version > 64)
        m_money = ReadBoolInt(ar);
}

void ReportField::SetControlProperty(ReportFieldControlProperty* property)
{
    if (property != m_controlProperty)
        delete m_controlProperty;
    m_controlProperty = property;
}

void ReportField::SetFieldInfo(ProcedureFieldInfo* fieldInfo)
{
    m_fieldInfo = fieldInfo;
    CString caption = "Button";
    if (fieldInfo != nullptr)
        fieldInfo->GetCaption(caption);
    SetName(caption);
}

void ReportField::AdoptFieldInfo(ProcedureFieldInfo* fieldInfo)
{
    SetFieldInfo(fieldInfo);
    m_ownFieldInfo.reset(fieldInfo);
}

void ReportField::GetAlignmentText(CString& out) const
{
    static const char* const texts[] = {"left", "center", "right"};
    out = m_alignment >= 0 && m_alignment < 3 ? CString(texts[m_alignment]) : CString();
}

bool ReportField::IsButton() const
{
    return m_controlProperty != nullptr &&
           m_controlProperty->GetControlKind() == FieldRepData::Button;
}

bool ReportField::HasControl() const
{
    const FieldRep* control = GetControlFieldRep();
    return control != nullptr && control->GetFieldRepData() != nullptr;
}

FieldRep* ReportField::GetControlFieldRep() const
{
    return m_controlProperty != nullptr ? m_controlProperty->GetControl() : nullptr;
}

int ReportField::FindBindingIndex(Variable* target) const
{
    return FindReportFieldBindingIndex(m_bindings, target);
}

void ReportField::SetBinding(ReportFieldBinding* binding)
{
    if (binding == nullptr)
        return;
    RemoveBindingForVariable(binding->m_target);
    m_bindings.push_back(binding);
}

void ReportField::RemoveBindingAt(int index)
{
    if (!IsValidIndex(m_bindings, index))
        return;
    delete m_bindings[index];
    m_bindings.erase(m_bindings.begin() + index);
}

void ReportField::RemoveBindingForVariable(Variable* target)
{
    RemoveBindingAt(FindBindingIndex(target));
}

int ReportField::FindRecordIdBindingIndex() const
{
    const auto found = std::ranges::find_if(
        m_bindings, [](const ReportFieldBinding* binding)
        { return binding->m_sourceVariable == nullptr && binding->m_sourceControl == nullptr; });
    return found == m_bindings.end() ? -1 : static_cast<int>(found - m_bindings.begin());
}

void ReportField::RemoveRecordIdBinding()
{
    RemoveBindingAt(FindRecordIdBindingIndex());
}

void ReportField::ClearBindings()
{
    DeleteReportFieldBindings(m_bindings);
}

ReportFieldBinding* ReportField::FindBindingByName(const CString& name) const
{
    return FindFirst(m_bindings,
                     [&name](const ReportFieldBinding* binding)
                     {
                         if (binding->m_target != nullptr)
                             return binding->m_target->GetFieldName().CompareNoCase(name) == 0;
                         if (binding->m_sourceColumn == nullptr)
                             return false;
                         CString columnName;
                         binding->m_sourceColumn->GetDisplayName(columnName);
                         return columnName.CompareNoCase(name) == 0;
                     });
}

void ReportField::GetBindingSourceText(CString& out, Variable* target) const
{
    out.Empty();
    const int index = FindBindingIndex(target);
    if (index < 0)
        return;
    const ReportFieldBinding* binding = m_bindings[index];
    if (binding->m_sourceVariable != nullptr)
        out = binding->m_sourceVariable->GetFieldName();
    else if (binding->m_sourceControl != nullptr && binding->m_sourceControl->GetField() != nullptr)
        out = binding->m_sourceControl->GetField()->GetFieldName();
    else if (binding->m_sourceColumn != nullptr)
        binding->m_sourceColumn->GetDisplayName(out);
    else if (index == FindRecordIdBindingIndex())
        out = "Record Id";
}

namespace
{
void ListBindingReferences(ReferenceList& list, ReportFieldBinding* binding,
                           const ReferenceList::Action& drop)
{
    list.Add(binding->m_target, drop);
    list.Add(binding->m_sourceVariable, drop);
    list.Add(binding->m_sourceColumn, drop);
}
} // namespace

void ReportField::ListReferences(ReferenceList& list, ReportGroup& group)
{
    // The column goes with the output column it shows and with that column's field.
    const auto drop = [&group, this] { group.RemoveReportField(this); };
    if (m_fieldInfo != m_ownFieldInfo.get())
        list.Add(m_fieldInfo, drop);
    if (m_fieldInfo != nullptr)
        list.Add(m_fieldInfo->GetField(), drop);
    ListReferences(list);
    for (ReportFieldBinding* binding : m_bindings)
        ListBindingReferences(list, binding, [this, binding] { RemoveBinding(binding); });
    ReportFieldControlProperty* property = m_controlProperty;
    if (property == nullptr)
        return;
    // The bindings fed by the procedure's columns are listed with them.
    list.Add(property->GetProcedure(), [property] { property->SetProcedure(nullptr); });
    for (ReportFieldBinding* binding : property->GetBindings())
        ListBindingReferences(list, binding,
                              [property, binding] { property->RemoveBinding(binding); });
    if (FieldRep* control = property->GetControl())
    {
        // A control showing a field goes with the field, its own references first.
        list.Add(control->GetField(), [property] { property->SetControl(nullptr); });
        control->ListReferences(list);
    }
}

void ReportField::ListReferences(ReferenceList& list)
{
    list.Add(GetAspFile(), [this] { ClearBindings(); });
    MenuInterface::ListReferences(list);
}

void ReportField::RemoveBinding(ReportFieldBinding* binding)
{
    const auto found = std::ranges::find(m_bindings, binding);
    if (found != m_bindings.end())
        RemoveBindingAt(static_cast<int>(found - m_bindings.begin()));
}
