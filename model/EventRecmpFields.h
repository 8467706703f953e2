#pragma once

#include "platform/core/CObject.h"
#include "platform/core/CString.h"

#include <vector>

class ClassInvokation;
class FieldRep;
class ProcedureInvokation;

// A control refilled by a stored procedure when a client event fires; owns the invocation.
struct EventProcedureRecompute
{
    EventProcedureRecompute(FieldRep* rep, ProcedureInvokation* procedureInvokation)
        : fieldRep(rep), invokation(procedureInvokation)
    {
    }
    EventProcedureRecompute(const EventProcedureRecompute&) = delete;
    EventProcedureRecompute& operator=(const EventProcedureRecompute&) = delete;
    ~EventProcedureRecompute();

    FieldRep* fieldRep;
    ProcedureInvokation* invokation;
};

// A control refilled by a data-class function when a client event fires; the invocation is not
// owned by the record.
struct EventClassRecompute
{
    FieldRep* fieldRep = nullptr;
    ClassInvokation* classInvokation = nullptr;
};

// What one client event of a control recomputes.
class EventRecmpFields : public CObject
{
    DECLARE_SERIAL(EventRecmpFields)

public:
    // Client event kinds; NoEvent has no name.
    static constexpr int OnChange = 0;
    static constexpr int OnClick = 1;
    static constexpr int OnBlur = 2;
    static constexpr int NoEvent = 3;

    // Event kind 0, no recomputes.
    EventRecmpFields() = default;
    // Copies the event kind only.
    EventRecmpFields(const EventRecmpFields& source);
    EventRecmpFields& operator=(const EventRecmpFields&) = delete;
    // Deletes every record; the class invocations of the class recomputes are not owned.
    ~EventRecmpFields() override;

    // Event kind, procedure recomputes, class recomputes (from version 67).
    void Serialize(CArchive& ar) override;

    int GetEventKind() const { return m_eventKind; }
    void SetEventKind(int kind) { m_eventKind = kind; }
    const std::vector<EventProcedureRecompute*>& GetProcedureRecomputes() const
    {
        return m_procedureRecomputes;
    }
    // Appends a record for the control that owns the invocation.
    void AddProcedureRecompute(FieldRep* rep, ProcedureInvokation* invokation);
    const std::vector<EventClassRecompute*>& GetClassRecomputes() const
    {
        return m_classRecomputes;
    }
    // Appends a record for the control with no invocation.
    void AddClassRecompute(FieldRep* rep);

    // "OnChange", "OnClick", "OnBlur"; empty for no event or an unknown kind.
    CString GetEventName() const;
    // A class recompute names the control.
    bool HasClassRecompute(const FieldRep* rep) const;
    // Takes the control's first class recompute out and deletes it, leaving its invocation
    // alone; nothing when absent.
    void RemoveClassRecompute(const FieldRep* rep);
    // Deletes the record's invocation and clears it.
    static void DeleteClassInvokation(EventClassRecompute* record);
    // A control is being deleted: the records before its first procedure recompute lose their
    // mapping of its field, and that recompute is deleted.
    void RemoveProcedureRecompute(const FieldRep* rep);
    // Deletes the procedure recompute at the index; nothing for an index out of range.
    void RemoveProcedureRecomputeAt(int index);
    // The first procedure recompute whose control's field is named so, ignoring case; or null.
    EventProcedureRecompute* FindProcedureRecomputeByFieldName(const CString& name) const;

private:
    int m_eventKind = 0;
    std::vector<EventProcedureRecompute*> m_procedureRecomputes;
    std::vector<EventClassRecompute*> m_classRecomputes;
};
