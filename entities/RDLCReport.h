#pragma once

#include "entities/FormInterface.h"
#include "platform/core/CString.h"

#include <vector>

class Field;
class RDLCInfo;
class Table;
class TableAdapter;
class XSDInfo;

// A table-adapter parameter and the field whose value feeds it.
struct ColumnFieldPair
{
    CString m_column;
    Field* m_field = nullptr;
};

// The parameter pairs of one table adapter of the report's dataset.
struct TableAdapterMap
{
    TableAdapter* m_tableAdapter = nullptr;
    std::vector<ColumnFieldPair> m_pairs;
};

// A report page laid out by a report definition file fed by typed datasets. The definition,
// the dataset and its adapters belong to the project's lists.
class RDLCReport : public FormInterface
{
    DECLARE_SERIAL(RDLCReport)

public:
    RDLCReport();
    RDLCReport(const RDLCReport&) = delete;
    RDLCReport& operator=(const RDLCReport&) = delete;

    void Serialize(CArchive& ar) override;

    int GetId() const { return m_id; }
    const CString& GetHeader() const { return m_header; }
    void SetHeader(const CString& header) { m_header = header; }
    RDLCInfo* GetRDLCInfo() const { return m_rdlcInfo; }
    void SetRDLCInfo(RDLCInfo* info) { m_rdlcInfo = info; }
    XSDInfo* GetXSDInfo() const { return m_xsdInfo; }
    void SetXSDInfo(XSDInfo* info) { m_xsdInfo = info; }
    int GetMode() const { return m_mode; }
    void SetMode(int mode) { m_mode = mode; }
    Table* GetTable() const { return m_table; }
    void SetTable(Table* table) { m_table = table; }
    const std::vector<TableAdapterMap>& GetTableAdapterMaps() const { return m_tableAdapterMaps; }
    void AddTableAdapterMap(const TableAdapterMap& map) { m_tableAdapterMaps.push_back(map); }
    // Erases the first pair, in map order, whose field is the argument.
    void RemoveFieldMapping(const Field* field);

private:
    int m_id;
    CString m_header;
    RDLCInfo* m_rdlcInfo = nullptr;
    XSDInfo* m_xsdInfo = nullptr;
    int m_mode = 1;
    Table* m_table = nullptr;
    std::vector<TableAdapterMap> m_tableAdapterMaps;

    static int s_idCounter;
};
