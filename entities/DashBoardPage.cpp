#include "entities/DashBoardPage.h"

#include "entities/DashBoardPageData.h"
#include "model/ArchiveIO.h"
#include "model/Ownership.h"

IMPLEMENT_SERIAL(DashBoardPage, FormInterface, 0)

int DashBoardPage::s_idCounter = 0;

DashBoardPage::DashBoardPage() : m_id(++s_idCounter) {}

DashBoardPage::~DashBoardPage()
{
    DeleteAll(m_placements);
}

void DashBoardPage::Serialize(CArchive& ar)
{
    FormInterface::Serialize(ar);
    if (ar.IsStoring())
    {
        WriteObjectList(ar, m_placements);
        ar << m_header;
        return;
    }
    ReadObjectList(ar, m_placements);
    if (ArchiveVersion() > 79)
        ar >> m_header;
}
