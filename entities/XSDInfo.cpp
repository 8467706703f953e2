#include "entities/XSDInfo.h"

#include "entities/TableAdapter.h"
#include "model/ArchiveIO.h"
#include "model/ListAccess.h"
#include "model/Ownership.h"

IMPLEMENT_SERIAL(XSDInfo, CObject, 0)

XSDInfo::~XSDInfo()
{
    DeleteAll(m_tableAdapters);
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
    ReadOwnedList(ar, m_tableAdapters);
    if (ArchiveVersion() > 81)
        ar >> m_status;
}

TableAdapter* XSDInfo::FindTableAdapter(const CString& name) const
{
    return FindFirst(m_tableAdapters, [&name](const TableAdapter* adapter)
                     { return adapter != nullptr && adapter->GetName() == name; });
}

TableAdapter* XSDInfo::FindTableAdapterNoCase(const CString& name) const
{
    return FindFirst(m_tableAdapters, [&name](const TableAdapter* adapter)
                     { return adapter != nullptr && adapter->GetName().CompareNoCase(name) == 0; });
}
