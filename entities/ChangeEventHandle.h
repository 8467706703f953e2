#pragma once

#include "platform/core/CObject.h"

class CArchive;
class Procedure;
class ProcedureInvokation;

// A change-event handler of a control: the call of the procedure it runs.
class ChangeEventHandle : public CObject
{
    DECLARE_SERIAL(ChangeEventHandle)

public:
    ChangeEventHandle() = default;
    ChangeEventHandle(const ChangeEventHandle&) = delete;
    ChangeEventHandle& operator=(const ChangeEventHandle&) = delete;
    // Deletes the invocation.
    ~ChangeEventHandle() override;

    // The invocation; no version gates.
    void Serialize(CArchive& ar) override;

    ProcedureInvokation* GetProcedureInvokation() const { return m_procedureInvokation; }
    // The procedure of the invocation, or null.
    Procedure* GetProcedure() const;

private:
    ProcedureInvokation* m_procedureInvokation = nullptr;
};
