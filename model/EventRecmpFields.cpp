#include "model/EventRecmpFields.h"

#include "entities/ClassInvokation.h"
#include "entities/ProcedureInvokation.h"
#include "model/ArchiveIO.h"
#include "model/FieldRep.h"
#include "model/Ownership.h"

IMPLEMENT_SERIAL(EventRecmpFields, CObject, 0)

EventProcedureRecompute::~EventProcedureRecompute()
{
    delete invokation;
}

EventRecmpFields::EventRecmpFields(const EventRecmpFields& source)
    : CObject(), m_eventKind(source.m_eventKind)
{
}

EventRecmpFields::~EventRecmpFields()
{
    DeleteAll(m_procedureRecomputes);
    DeleteAll(m_classRecomputes);
}

void EventRecmpFields::AddProcedureRecompute(FieldRep* rep, ProcedureInvokation* invokation)
{
    m_procedureRecomputes.push_back(new EventProcedureRecompute(rep, invokation));
}

void EventRecmpFields::AddClassRecompute(FieldRep* rep)
{
    m_classRecomputes.push_back(new EventClassRecompute{rep, nullptr});
}

void EventRecmpFields::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << m_eventKind;
        ar << static_cast<int>(m_procedureRecomputes.size());
        for (const EventProcedureRecompute* record : m_procedureRecomputes)
        {
            ar.WriteObject(record->fieldRep);
            ar.WriteObject(record->invokation);
        }
        ar << static_cast<int>(m_classRecomputes.size());
        for (const EventClassRecompute* record : m_classRecomputes)
        {
            ar.WriteObject(record->fieldRep);
            ar.WriteObject(record->classInvokation);
        }
        return;
    }

    ar >> m_eventKind;
    const int procedureCount = ReadCount(ar);
    for (int i = 0; i < procedureCount; ++i)
    {
        FieldRep* rep = ReadRef<FieldRep>(ar);
        AddProcedureRecompute(rep, ReadRef<ProcedureInvokation>(ar));
    }
    if (ArchiveVersion() > 66)
    {
        const int classCount = ReadCount(ar);
        for (int i = 0; i < classCount; ++i)
        {
            FieldRep* rep = ReadRef<FieldRep>(ar);
            m_classRecomputes.push_back(new EventClassRecompute{rep, ReadRef<ClassInvokation>(ar)});
        }
    }
}
