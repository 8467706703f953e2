#include "designers/logic/RDLCParamMapper.h"

#include "designers/logic/RDLCRules.h"
#include "editors/logic/ListLookup.h"
#include "entities/RDLCReport.h"
#include "entities/TableAdapter.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/NamedQuestion.h"
#include "platform/core/MessageBox.h"

RDLCParamMapper::RDLCParamMapper(RDLCReport& report, TableAdapter& adapter)
    : m_report(report), m_adapter(adapter)
{
}

std::vector<ListColumn> RDLCParamMapper::FilterHeadings()
{
    return {{"", 0}, {"Report Filters", 70}};
}

std::vector<ListColumn> RDLCParamMapper::ParameterHeadings()
{
    return {{"", 0}, {"Query I/P Parameters", 70}};
}

std::vector<ListColumn> RDLCParamMapper::MapHeadings()
{
    return {{"TableAdapter", 25}, {"Parameter", 20}, {"Report Filter", 20}};
}

void RDLCParamMapper::Open()
{
    m_filters = m_report.GetFieldReps();
    m_filterRows.clear();
    for (const FieldRep* filter : m_filters)
        m_filterRows.push_back({{"", FieldNameOrEmpty(filter->GetField())}});
    m_parameterRows.clear();
    for (const CString& parameter : m_adapter.GetParameterNames())
    {
        if (parameter != returnValueParameter)
            m_parameterRows.push_back({{"", parameter}});
    }
    FillMaps();
}

void RDLCParamMapper::FillMaps()
{
    m_mapRows.clear();
    const int index = m_report.FindTableAdapterMapIndex(&m_adapter);
    if (const TableAdapterMap* map = m_report.GetTableAdapterMapAt(index))
    {
        for (const ColumnFieldPair& pair : map->m_pairs)
            m_mapRows.push_back(
                {{m_adapter.GetName(), pair.m_column, FieldNameOrEmpty(pair.m_field)}});
    }
}

void RDLCParamMapper::Assign(const CString& parameter)
{
    const FieldRep* filter = ItemAt(m_filters, m_selectedFilter);
    if (parameter.IsEmpty() || filter == nullptr)
        return;
    if (MapParameter(m_report, m_adapter, parameter, filter->GetField(),
                     "Selected Parameter-Filter map already present."))
        FillMaps();
}

bool RDLCParamMapper::MapParameter(RDLCReport& report, TableAdapter& adapter,
                                   const CString& parameter, Field* field,
                                   const char* duplicateRefusal)
{
    if (parameter == returnValueParameter)
    {
        AfxMessageBox(returnValueRefusal);
        return false;
    }
    if (report.IsTableAdapterColumnMapped(&adapter, parameter))
    {
        AfxMessageBox(duplicateRefusal);
        return false;
    }
    report.AddTableAdapterColumnMap(&adapter, {parameter, field});
    return true;
}

void RDLCParamMapper::Remove()
{
    TableAdapterMap* map =
        m_report.GetTableAdapterMapAt(m_report.FindTableAdapterMapIndex(&m_adapter));
    if (map == nullptr || m_selectedMap < 0 ||
        static_cast<std::size_t>(m_selectedMap) >= map->m_pairs.size() ||
        AfxMessageBox(
            NamedQuestion("Do you really want to remove map?", CellOf(m_mapRows, m_selectedMap, 1)),
            MB_YESNO) != IDYES)
        return;
    map->m_pairs.erase(map->m_pairs.begin() + m_selectedMap);
    m_selectedMap = -1;
    FillMaps();
}
