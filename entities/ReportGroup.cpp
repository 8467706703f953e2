#include "entities/ReportGroup.h"

#include "entities/ApplicationReport.h"
#include "entities/ClassInvokation.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ReportField.h"
#include "model/ArchiveIO.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/Ownership.h"

IMPLEMENT_SERIAL(ReportGroup, CObject, 0)

ReportGroup::ReportGroup(ApplicationReport* report, ClassInvokation* classCall)
    : m_report(report), m_classCall(classCall)
{
}

ReportGroup::ReportGroup(const ReportGroup& source)
    : CObject(), m_classCall(new ClassInvokation(source.m_classCall))
{
}

ReportGroup::~ReportGroup()
{
    delete m_procedureCall;
    delete m_classCall;
    DeleteAll(m_reportFields);
    for (FieldRep* filter : m_filters)
    {
        if (m_report != nullptr && filter != nullptr)
            m_report->RemoveFieldVariableMapByField(filter->GetField());
        delete filter;
    }
}

void ReportGroup::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar.WriteObject(m_procedureCall);
        WriteObjectList(ar, m_filters);
        WriteObjectList(ar, m_reportFields);
        ar.WriteObject(m_report);
        ar.WriteObject(m_headerValue);
        ar << m_header;
        ar.WriteObject(m_nextProcKey);
        ar.WriteObject(m_classCall);
        return;
    }
    const int version = ArchiveVersion();
    m_procedureCall = ReadRef<ProcedureInvokation>(ar);
    ReadObjectList(ar, m_filters);
    ReadObjectList(ar, m_reportFields);
    m_report = ReadRef<ApplicationReport>(ar);
    if (version > 29)
    {
        m_headerValue = ReadRef<ProcedureFieldInfo>(ar);
        ar >> m_header;
    }
    if (version > 31)
        m_nextProcKey = ReadRef<ProcedureFieldInfo>(ar);
    m_classCall = ReadRef<ClassInvokation>(ar);
}

void ReportGroup::SetProcedureCall(ProcedureInvokation* call)
{
    if (call != m_procedureCall)
        delete m_procedureCall;
    m_procedureCall = call;
}

void ReportGroup::RemoveClassRecomputeOf(const FieldRep* fieldRep)
{
    for (const FieldRep* filter : m_filters)
    {
        if (filter->GetFieldRepData() != nullptr)
            filter->GetFieldRepData()->RemoveClassRecomputeOf(fieldRep);
    }
}

void ReportGroup::RemoveFilterFieldParameterMaps(const Field* field)
{
    for (const FieldRep* filter : m_filters)
    {
        const FieldRepData* data = filter->GetFieldRepData();
        if (data != nullptr && data->GetDataCall() != nullptr)
            data->GetDataCall()->RemoveParameterMapsByField(field);
    }
}

void ReportGroup::DropFunctionCall(const Function* function)
{
    if (m_classCall != nullptr && m_classCall->GetFunction() == function)
    {
        delete m_classCall;
        m_classCall = nullptr;
    }
}
