#include "entities/DashBoard.h"

#include "entities/ClassInvokation.h"
#include "entities/Grid.h"
#include "entities/ProcedureInvokation.h"
#include "model/ArchiveIO.h"

IMPLEMENT_SERIAL(DashBoard, FormInterface, 0)

int DashBoard::s_idCounter = 0;

DashBoard::DashBoard() : m_id(++s_idCounter) {}

DashBoard::~DashBoard()
{
    delete m_procedureInvokation;
    delete m_classInvokation;
}

void DashBoard::Serialize(CArchive& ar)
{
    FormInterface::Serialize(ar);
    if (ar.IsStoring())
    {
        ar.WriteObject(m_procedureInvokation);
        ar.WriteObject(GetGrid());
        ar.WriteObject(m_classInvokation);
        ar << m_header;
        return;
    }
    m_procedureInvokation = ReadRef<ProcedureInvokation>(ar);
    SetGrid(ReadRef<Grid>(ar));
    if (ArchiveVersion() > 77)
        m_classInvokation = ReadRef<ClassInvokation>(ar);
    if (ArchiveVersion() > 80)
        ar >> m_header;
}
