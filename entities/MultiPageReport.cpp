#include "entities/MultiPageReport.h"

#include "entities/MultiPageData.h"
#include "model/ArchiveIO.h"

IMPLEMENT_SERIAL(MultiPageReport, FormInterface, 0)

int MultiPageReport::s_idCounter = 0;

MultiPageReport::MultiPageReport() : m_id(++s_idCounter) {}

MultiPageReport::~MultiPageReport()
{
    for (MultiPageData* page : m_pages)
        delete page;
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
