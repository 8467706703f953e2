#pragma once

#include "entities/FormInterface.h"
#include "platform/core/CString.h"

class CArchive;
class ClassInvokation;
class ProcedureInvokation;

// A page of summary cells laid out in the page grid; the cells hold DashBoardCellInfo objects.
// Its data comes from a procedure call or from a function of a user class.
class DashBoard : public FormInterface
{
    DECLARE_SERIAL(DashBoard)

public:
    // A new id, no data source, empty header.
    DashBoard();
    DashBoard(const DashBoard&) = delete;
    DashBoard& operator=(const DashBoard&) = delete;
    // Deletes both invocations, then the page part.
    ~DashBoard() override;

    // The page record, procedure invocation, grid, class invocation (after version 77), header
    // (after version 80).
    void Serialize(CArchive& ar) override;

    int GetId() const { return m_id; }

    ProcedureInvokation* GetProcedureInvokation() const { return m_procedureInvokation; }
    // Takes the invocation; the previous one is not deleted.
    void SetProcedureInvokation(ProcedureInvokation* invokation)
    {
        m_procedureInvokation = invokation;
    }
    ClassInvokation* GetClassInvokation() const { return m_classInvokation; }
    // Takes the invocation; the previous one is not deleted.
    void SetClassInvokation(ClassInvokation* invokation) { m_classInvokation = invokation; }

    const CString& GetHeader() const { return m_header; }
    void SetHeader(const CString& header) { m_header = header; }

private:
    static int s_idCounter;

    int m_id;
    ProcedureInvokation* m_procedureInvokation = nullptr;
    ClassInvokation* m_classInvokation = nullptr;
    CString m_header;
};
