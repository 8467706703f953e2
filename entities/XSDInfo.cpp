#include "entities/XSDInfo.h"

#include "entities/TableAdapter.h"
#include "model/ArchiveIO.h"

IMPLEMENT_SERIAL(XSDInfo, CObject, 0)

XSDInfo::~XSDInfo()
{
    for (TableAdapter* adapter : m_tableAdapters)
        delete adapter;
}

void XSDInfo::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << m_name;
        WriteObjectList(ar, m_tableAdapters);
        ar << m_status;
        return;
    }
    ar >> m_name;
    ReadObjectList(ar, m_tableAdapters);
    if (ArchiveVersion() > 81)
        ar >> m_status;
}
