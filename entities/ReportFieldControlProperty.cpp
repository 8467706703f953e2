#include "entities/ReportFieldControlProperty.h"

#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/Variable.h"
#include "model/ArchiveIO.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/Ownership.h"

#include <algorithm>

IMPLEMENT_SERIAL(ReportFieldControlProperty, CObject, 0)

void WriteReportFieldBindings(CArchive& ar, const std::vector<ReportFieldBinding*>& bindings)
{
    ar << static_cast<int>(bindings.size());
    for (const ReportFieldBinding* binding : bindings)
    {
        ar.WriteObject(binding->m_target);
        ar.WriteObject(binding->m_sourceVariable);
        ar.WriteObject(binding->m_sourceControl);
        ar.WriteObject(binding->m_sourceColumn);
    }
}

void ReadReportFieldBindings(CArchive& ar, std::vector<ReportFieldBinding*>& bindings,
                             bool withSourceColumn)
{
    const int count = ReadCount(ar);
    for (int i = 0; i < count; ++i)
    {
        auto* binding = new ReportFieldBinding;
        bindings.push_back(binding);
        binding->m_target = ReadRef<Variable>(ar);
        binding->m_sourceVariable = ReadRef<Variable>(ar);
        binding->m_sourceControl = ReadRef<FieldRep>(ar);
        if (withSourceColumn)
            binding->m_sourceColumn = ReadRef<ProcedureFieldInfo>(ar);
    }
}

void DeleteReportFieldBindings(std::vector<ReportFieldBinding*>& bindings)
{
    for (ReportFieldBinding* binding : bindings)
        delete binding;
    bindings.clear();
}

int FindReportFieldBindingIndex(const std::vector<ReportFieldBinding*>& bindings,
                                const Variable* target)
{
    const auto found = std::ranges::find_if(bindings, [target](const ReportFieldBinding* binding)
                                            { return binding->m_target == target; });
    return found == bindings.end() ? -1 : static_cast<int>(found - bindings.begin());
}

ReportFieldControlProperty::~ReportFieldControlProperty()
{
    delete m_control;
    DeleteReportFieldBindings(m_bindings);
}

void ReportFieldControlProperty::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar.WriteObject(m_control);
        ar.WriteObject(m_procedure);
        WriteReportFieldBindings(ar, m_bindings);
        return;
    }
    m_control = ReadOwned<FieldRep>(ar);
    m_procedure = ReadRef<Procedure>(ar);
    ReadReportFieldBindings(ar, m_bindings, true);
}

void ReportFieldControlProperty::SetControl(FieldRep* control)
{
    if (control != m_control)
        delete m_control;
    m_control = control;
}

ReportFieldBinding* ReportFieldControlProperty::FindBinding(Variable* target, int* index) const
{
    const int found = FindReportFieldBindingIndex(m_bindings, target);
    if (index != nullptr)
        *index = found;
    return found < 0 ? nullptr : m_bindings[found];
}

void ReportFieldControlProperty::RemoveBinding(ReportFieldBinding* binding)
{
    EraseAndDelete(m_bindings, binding);
}

void ReportFieldControlProperty::GetControlTypeName(CString& out) const
{
    out = m_control != nullptr ? m_control->GetControlTypeName() : CString();
}

int ReportFieldControlProperty::GetControlKind() const
{
    if (m_control == nullptr || m_control->GetFieldRepData() == nullptr)
        return -1;
    return m_control->GetFieldRepData()->GetControlKind();
}
