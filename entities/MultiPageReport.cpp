#include "entities/MultiPageReport.h"

#include "entities/MultiPageData.h"
#include "model/ArchiveIO.h"
#include "model/Ownership.h"

IMPLEMENT_SERIAL(MultiPageReport, FormInterface, 0)

int MultiPageReport::s_idCounter = 0;

MultiPageReport::MultiPageReport() : m_id(++s_idCounter) {}

MultiPageReport::~MultiPageReport()
{
    DeleteAll(m_pages);
}

void MultiPageReport::Serialize(CArchive& ar)
{
    FormInterface::Serialize(ar);
    if (ar.IsStoring())
    {
        WriteObjectList(ar, m_pages);
        return;
    }
    ReadObjectList(ar, m_pages);
}
