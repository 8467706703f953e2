#include "entities/ReportFieldControlProperty.h"

#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/Variable.h"
#include "model/ArchiveIO.h"
#include "model/FieldRep.h"

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
    m_control = ReadRef<FieldRep>(ar);
    m_procedure = ReadRef<Procedure>(ar);
    ReadReportFieldBindings(ar, m_bindings, true);
}

void ReportFieldControlProperty::SetControl(FieldRep* control)
{
    if (control != m_control)
        delete m_control;
    m_control = control;
}
