#pragma once

#include "entities/FormInterface.h"
#include "platform/core/CString.h"

#include <vector>

class AspFile;
class Field;
class ForgeonProject;
class Function;
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
    // Its table is the table; a report of the user's (not mode 0, which is made for its table),
    // or one without a table, also when it names data sets (its own, those its definition's
    // entries name) and each is the one written for the table (DataSetNameOf), whatever its
    // case.
    bool IsBuiltOnTable(const Table* table) const;
    // The report names the data set: its own, or one its definition's entries name.
    bool NamesDataSet(const CString& dataSet) const;
    // The data set leaves the report: the maps of the adapters of its files, its own data set
    // when it is that one, and its definition's entries of it.
    void DropDataSet(const CString& dataSet, const std::vector<XSDInfo*>& files);
    // The table's name + "_SelectAllRecords": the data set and report definition written for it.
    static CString DataSetNameOf(const Table& table);
    // The path's last part is the file name, whatever its case.
    static bool IsFileNamed(const CString& path, const CString& fileName);
    // The dataset file is the data set's: its path's last part is the data set + ".xsd".
    static bool IsDataSetFile(const XSDInfo* file, const CString& dataSet);
    const std::vector<TableAdapterMap>& GetTableAdapterMaps() const { return m_tableAdapterMaps; }
    void AddTableAdapterMap(const TableAdapterMap& map) { m_tableAdapterMaps.push_back(map); }

    // A classic (mode 0) or ASP.NET (mode 1) page file of file kind 0, unless there is one.
    virtual AspFile* CreateDefaultAspFiles(int mode);

    // The report's mapping of the control's field goes; then the page deletes the control.
    void DeleteFieldRep(FieldRep* fieldRep) override;
    // Its table and those its controls reach, under its usage text.
    void ListTableUses(ReferenceList& list) override;
    // The page's references, then the fields that feed its adapters' parameters.
    void ListReferences(ReferenceList& list) override;
    // "<name>_Report" for every use.
    CString FieldUseName(const CString& use) const override;

    // Table-adapter maps. Indexes are -1 when nothing matches.
    int FindTableAdapterMapIndex(const TableAdapter* adapter) const;
    // Compares the adapters' names ignoring case.
    int FindTableAdapterMapIndexByName(const CString& name) const;
    bool HasTableAdapterMap(const TableAdapter* adapter) const;
    // Null for a bad index.
    TableAdapterMap* GetTableAdapterMapAt(int index);
    // A new map for the adapter, or the pair added to its map unless the column is there.
    void AddTableAdapterColumnMap(TableAdapter* adapter, ColumnFieldPair pair);
    bool IsTableAdapterColumnMapped(const TableAdapter* adapter, const CString& column) const;
    // No map or no pair.
    bool IsTableAdapterMapEmpty(const TableAdapter* adapter) const;
    // Nothing for a bad index.
    void RemoveTableAdapterMapAt(int index);
    void ClearTableAdapterMaps() { m_tableAdapterMaps.clear(); }
    // Erases the first pair, in map order, whose field is the argument.
    void RemoveFieldMapping(const Field* field);

    // The report's own description when its name equals the text exactly, else null.
    RDLCInfo* FindRDLCInfoByName(const CString& name) const;
    XSDInfo* FindXSDInfoByName(const CString& name) const;

    // Names derived from the table for a report of mode 0; nothing for another mode or
    // without table, module or description.
    void SetDefaultRDLCInfo();
    void SetDefaultRDLCName();
    void SetDefaultRDLCEntries();
    void SetDefaultXSDInfo();
    void SetDefaultDataSet();
    void BuildDefaultQueries();
    // The adapter's name, command and lists for the report's table, from the table's
    // "SelectAllRecords" function when its class has one; nothing without adapter or table.
    void BuildSelectAllRecordsQuery(TableAdapter* adapter);
    // The same for any table, from its class's "SelectAllRecords" function (null: "SELECT *"
    // without lists); dates are converted with style 103 when dateFormat is "dd/mm/yyyy".
    static void BuildSelectAllRecordsQuery(const Table& table, const Function* function,
                                           const CString& dateFormat, TableAdapter& adapter);

    // True at once for mode 0; otherwise whether the definition file and the file of every
    // entry's dataset exist in the project's generated folder.
    bool FilesExist(const ForgeonProject* project) const;

    // Usage questions append an entry to the list and record the report; they answer whether
    // the report uses the entity.
    bool CollectRDLCInfoUsage(const RDLCInfo* info, CString& list);
    bool CollectXSDInfoUsage(const XSDInfo* info, CString& list);
    void RemoveRDLCInfoReference(const RDLCInfo* info);
    // Erases the maps of the dataset's adapters.
    void RemoveXSDInfoTableAdapterMaps(const XSDInfo* info);
    // Erases the description's entries whose dataset lies in the dataset's file.
    void RemoveXSDInfoEntries(const XSDInfo* info);

private:
    // "Used in RDLCReport : " and the name.
    CString UsageEntry() const;
    // Appends the usage entry to the list and records the report.
    void AddUsageEntry(CString& list);
    // DataSetNameOf the report's table, or empty without table.
    CString SelectAllRecordsName() const;
    // The module and the table that derived names need; false when either is missing.
    bool HasDerivationSources() const;

    int m_id;
    CString m_header;
    RDLCInfo* m_rdlcInfo = nullptr;
    XSDInfo* m_xsdInfo = nullptr;
    int m_mode = 1;
    Table* m_table = nullptr;
    std::vector<TableAdapterMap> m_tableAdapterMaps;

    static int s_idCounter;
};
