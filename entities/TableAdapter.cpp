#include "entities/TableAdapter.h"

#include "model/ArchiveIO.h"
#include "model/ListAccess.h"

IMPLEMENT_SERIAL(TableAdapter, CObject, 0)

namespace
{

CString NameAt(const std::vector<CString>& list, int index)
{
    return IsValidIndex(list, index) ? list[static_cast<std::size_t>(index)] : CString();
}

void WriteStringList(CArchive& ar, const std::vector<CString>& list)
{
    ar << static_cast<int>(list.size());
    for (const CString& item : list)
        ar << item;
}

void ReadStringList(CArchive& ar, std::vector<CString>& list)
{
    const int count = ReadCount(ar);
    for (int i = 0; i < count; ++i)
    {
        CString item;
        ar >> item;
        list.push_back(item);
    }
}

} // namespace

void TableAdapter::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << m_name << m_commandType << m_commandText;
        WriteStringList(ar, m_parameterNames);
        WriteStringList(ar, m_columnNames);
        ar << m_status;
        return;
    }
    ar >> m_name >> m_commandType >> m_commandText;
    ReadStringList(ar, m_parameterNames);
    ReadStringList(ar, m_columnNames);
    if (ArchiveVersion() > 81)
        ar >> m_status;
}

CString TableAdapter::GetParameterAt(int index) const
{
    return NameAt(m_parameterNames, index);
}

CString TableAdapter::GetColumnAt(int index) const
{
    return NameAt(m_columnNames, index);
}
