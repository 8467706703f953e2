#include "model/EventRecmpFields.h"

#include "entities/ClassInvokation.h"
#include "entities/ProcedureInvokation.h"
#include "model/ArchiveIO.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/ListAccess.h"
#include "model/Ownership.h"

#include <algorithm>

IMPLEMENT_SERIAL(EventRecmpFields, CObject, 0)

namespace
{
// The field of the control a record refills; null when either is missing.
Field* FieldOfRep(const FieldRep* rep)
{
    return rep != nullptr ? rep->GetField() : nullptr;
}
} // namespace

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

CString EventRecmpFields::GetEventName() const
{
    switch (m_eventKind)
    {
    case OnChange:
        return "OnChange";
    case OnClick:
        return "OnClick";
    case OnBlur:
        return "OnBlur";
    default:
        return CString();
    }
}

bool EventRecmpFields::HasClassRecompute(const FieldRep* rep) const
{
    return std::any_of(m_classRecomputes.begin(), m_classRecomputes.end(),
                       [rep](const EventClassRecompute* record)
                       { return record != nullptr && record->fieldRep == rep; });
}

void EventRecmpFields::RemoveClassRecompute(const FieldRep* rep)
{
    const auto found = std::find_if(m_classRecomputes.begin(), m_classRecomputes.end(),
                                    [rep](const EventClassRecompute* record)
                                    { return record != nullptr && record->fieldRep == rep; });
    if (found == m_classRecomputes.end())
        return;
    EventClassRecompute* record = *found;
    m_classRecomputes.erase(found);
    record->classInvokation = nullptr;
    delete record;
}

void EventRecmpFields::DeleteClassInvokation(EventClassRecompute* record)
{
    if (record == nullptr)
        return;
    delete record->classInvokation;
    record->classInvokation = nullptr;
}

void EventRecmpFields::RemoveProcedureRecompute(const FieldRep* rep)
{
    Field* field = FieldOfRep(rep);
    for (auto it = m_procedureRecomputes.begin(); it != m_procedureRecomputes.end(); ++it)
    {
        EventProcedureRecompute* record = *it;
        if (record == nullptr)
            continue;
        if (record->fieldRep == rep)
        {
            m_procedureRecomputes.erase(it);
            delete record;
            return;
        }
        if (field != nullptr && record->invokation != nullptr)
            record->invokation->RemoveFieldVariableMapOfField(field);
    }
}

void EventRecmpFields::RemoveProcedureRecomputeAt(int index)
{
    if (!IsValidIndex(m_procedureRecomputes, index))
        return;
    delete m_procedureRecomputes[static_cast<std::size_t>(index)];
    EraseAt(m_procedureRecomputes, index);
}

EventProcedureRecompute*
EventRecmpFields::FindProcedureRecomputeByFieldName(const CString& name) const
{
    const auto found =
        std::find_if(m_procedureRecomputes.begin(), m_procedureRecomputes.end(),
                     [&name](const EventProcedureRecompute* record)
                     {
                         const Field* field =
                             record != nullptr ? FieldOfRep(record->fieldRep) : nullptr;
                         return field != nullptr && field->GetFieldName().CompareNoCase(name) == 0;
                     });
    return found != m_procedureRecomputes.end() ? *found : nullptr;
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
        AddProcedureRecompute(rep, ReadOwned<ProcedureInvokation>(ar));
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
