#pragma once

#include "editors/logic/ControlStates.h"

#include <vector>

class Field;
class FieldRep;
class RDLCReport;
class TableAdapter;

// The map of one table adapter's query parameters onto the report's filter controls. Changes are
// made at once.
class RDLCParamMapper
{
public:
    static constexpr UINT IDD = 308;
    static constexpr int IDC_PARAMETERS = 1379;
    static constexpr int IDC_FILTERS = 1662;
    static constexpr int IDC_ASSIGN = 1712;
    static constexpr int IDC_REMOVE = 1713;
    static constexpr int IDC_MAPS = 1723;
    static constexpr int IDC_HELP_BUTTON = 1742;

    RDLCParamMapper(RDLCReport& report, TableAdapter& adapter);

    static std::vector<ListColumn> FilterHeadings();
    static std::vector<ListColumn> ParameterHeadings();
    static std::vector<ListColumn> MapHeadings();
    const std::vector<ListRow>& GetFilterRows() const { return m_filterRows; }
    const std::vector<ListRow>& GetParameterRows() const { return m_parameterRows; }
    const std::vector<ListRow>& GetMapRows() const { return m_mapRows; }

    void Open();
    void SelectFilter(int row) { m_selectedFilter = row; }
    void SelectMap(int row) { m_selectedMap = row; }
    // Maps the parameter of that text (the selected parameter row's) onto the selected filter.
    void Assign(const CString& parameter);
    void Remove();

    // Maps the adapter's parameter onto the field unless it is the return value or mapped
    // already (the duplicate's refusal is the caller's text); true when mapped.
    static bool MapParameter(RDLCReport& report, TableAdapter& adapter, const CString& parameter,
                             Field* field, const char* duplicateRefusal);

private:
    void FillMaps();

    RDLCReport& m_report;
    TableAdapter& m_adapter;
    std::vector<FieldRep*> m_filters;
    std::vector<ListRow> m_filterRows;
    std::vector<ListRow> m_parameterRows;
    std::vector<ListRow> m_mapRows;
    int m_selectedFilter = -1;
    int m_selectedMap = -1;
};
