#include "entities/RDLCReport.h"

#include "entities/RDLCInfo.h"
#include "entities/TableAdapter.h"
#include "entities/XSDInfo.h"
#include "model/ArchiveIO.h"
#include "model/Field.h"
#include "model/Table.h"

#include <algorithm>

IMPLEMENT_SERIAL(RDLCReport, FormInterface, 0)

int RDLCReport::s_idCounter = 0;

RDLCReport::RDLCReport() : m_id(++s_idCounter) {}

void RDLCReport::Serialize(CArchive& ar)
{
    FormInterface::Serialize(ar);
    if (ar.IsStoring())
    {
        ar << m_header;
        ar.WriteObject(m_rdlcInfo);
        ar << static_cast<int>(m_tableAdapterMaps.size());
        for (const TableAdapterMap& map : m_tableAdapterMaps)
        {
            ar.WriteObject(map.m_tableAdapter);
            ar << static_cast<int>(map.m_pairs.size());
            for (const ColumnFieldPair& pair : map.m_pairs)
            {
                ar << pair.m_column;
                ar.WriteObject(pair.m_field);
            }
        }
        ar << m_mode;
        ar.WriteObject(m_xsdInfo);
        ar.WriteObject(m_table);
        return;
    }
    ar >> m_header;
    m_rdlcInfo = ReadRef<RDLCInfo>(ar);
    const int mapCount = ReadCount(ar);
    for (int i = 0; i < mapCount; ++i)
    {
        TableAdapterMap map;
        map.m_tableAdapter = ReadRef<TableAdapter>(ar);
        const int pairCount = ReadCount(ar);
        for (int j = 0; j < pairCount; ++j)
        {
            ColumnFieldPair pair;
            ar >> pair.m_column;
            pair.m_field = ReadRef<Field>(ar);
            map.m_pairs.push_back(pair);
        }
        m_tableAdapterMaps.push_back(map);
    }
    if (ArchiveVersion() > 81)
    {
        ar >> m_mode;
        m_xsdInfo = ReadRef<XSDInfo>(ar);
        m_table = ReadRef<Table>(ar);
    }
}

void RDLCReport::RemoveFieldMapping(const Field* field)
{
    for (TableAdapterMap& map : m_tableAdapterMaps)
    {
        const auto found =
            std::find_if(map.m_pairs.begin(), map.m_pairs.end(),
                         [field](const ColumnFieldPair& pair) { return pair.m_field == field; });
        if (found != map.m_pairs.end())
        {
            map.m_pairs.erase(found);
            return;
        }
    }
}
