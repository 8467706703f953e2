#pragma once

#include "platform/core/CObject.h"
#include "platform/core/CString.h"
#include "platform/core/Types.h"

#include <utility>
#include <vector>

class TableAdapter;

// One dataset file: its path relative to the generated project folder and its table adapters,
// which belong to it.
class XSDInfo : public CObject
{
    DECLARE_SERIAL(XSDInfo)

public:
    XSDInfo() = default;
    ~XSDInfo() override;
    XSDInfo(const XSDInfo&) = delete;
    XSDInfo& operator=(const XSDInfo&) = delete;

    void Serialize(CArchive& ar) override;

    const CString& GetName() const { return m_name; }
    void SetFilePath(CString path) { m_name = std::move(path); }
    const std::vector<TableAdapter*>& GetTableAdapters() const { return m_tableAdapters; }
    // The dataset takes the adapter.
    void AddTableAdapter(TableAdapter* adapter) { m_tableAdapters.push_back(adapter); }
    // The adapter of that name, exactly or ignoring case; null when none.
    TableAdapter* FindTableAdapter(const CString& name) const;
    TableAdapter* FindTableAdapterNoCase(const CString& name) const;
    int GetStatus() const { return m_status; }
    void SetStatus(int status) { m_status = status; }
    // A mark of the report generator's; not stored.
    bool GetFlag() const { return m_flag; }
    void SetFlag(bool flag) { m_flag = flag; }
    // Set by the project merge on both sides of a merged pair; 0 on creation and after a load
    // (not stored).
    BYTE GetMergeMark() const { return m_mergeMark; }
    void SetMergeMark(BYTE mark) { m_mergeMark = mark; }

private:
    CString m_name;
    std::vector<TableAdapter*> m_tableAdapters;
    bool m_flag = false;
    int m_status = 0;
    BYTE m_mergeMark = 0;
};
