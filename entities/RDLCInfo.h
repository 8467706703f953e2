#pragma once

#include "platform/core/CObject.h"
#include "platform/core/CString.h"
#include "platform/core/Types.h"

#include <utility>
#include <vector>

// One dataset used by a report definition file.
struct RDLCDataSetEntry
{
    CString m_dataSetName;
    CString m_tableAdapterName;
    CString m_tableName;

    // The dataset file's name holds "\" + dataset name + ".xsd".
    bool IsInDataSetFile(const CString& dataSetFileName) const;
    // The dataset name is the name, whatever its case.
    bool IsDataSet(const CString& name) const { return m_dataSetName.CompareNoCase(name) == 0; }
};

// One report definition file: its path relative to the generated project folder and the
// datasets it uses.
class RDLCInfo : public CObject
{
    DECLARE_SERIAL(RDLCInfo)

public:
    RDLCInfo() = default;
    // A copy of the name, entries, status and flag; the merge mark starts clear.
    RDLCInfo(const RDLCInfo& source);
    RDLCInfo& operator=(const RDLCInfo&) = delete;

    void Serialize(CArchive& ar) override;

    const CString& GetName() const { return m_name; }
    void SetName(CString name) { m_name = std::move(name); }
    const std::vector<RDLCDataSetEntry>& GetEntries() const { return m_entries; }
    void AddEntry(const RDLCDataSetEntry& entry) { m_entries.push_back(entry); }
    void AddDataSet(CString dataSetName, CString tableAdapterName, CString tableName)
    {
        m_entries.push_back(
            {std::move(dataSetName), std::move(tableAdapterName), std::move(tableName)});
    }
    // The entry at the index, to read or change; null for a bad index.
    RDLCDataSetEntry* GetEntryAt(int index);
    // The first entry whose table name equals the text exactly; -1 when none.
    int FindEntryIndexByTableName(const CString& tableName) const;
    // Whether an entry's dataset lies in the dataset file of that name.
    bool UsesDataSetFile(const CString& dataSetFileName) const;
    // Erases every entry whose dataset lies in the dataset file of that name.
    void RemoveDataSetFileEntries(const CString& dataSetFileName);
    // Erases every entry of the dataset (IsDataSet).
    void RemoveDataSet(const CString& name);
    int GetStatus() const { return m_status; }
    void SetStatus(int status) { m_status = status; }
    // A mark of the report generator's; not stored.
    bool GetFlag() const { return m_flag; }
    void SetFlag(bool flag) { m_flag = flag; }
    // Set by the project merge on both sides of a merged pair; 0 on creation, in copies and
    // after a load (not stored).
    BYTE GetMergeMark() const { return m_mergeMark; }
    void SetMergeMark(BYTE mark) { m_mergeMark = mark; }

private:
    CString m_name;
    std::vector<RDLCDataSetEntry> m_entries;
    bool m_flag = false;
    int m_status = 0;
    BYTE m_mergeMark = 0;
};
