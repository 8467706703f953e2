#pragma once

#include "editors/logic/ControlStates.h"

#include <vector>

class ProcedureFieldInfo;
class ReportGroup;

// The two lists of the group dialogs: the output columns of the group's function on the left,
// the group's entries (its columns or its filters) on the right. The list buttons change the
// group at once.
class GroupListEditor
{
public:
    static constexpr int IDC_OUTPUTS = 1377;
    static constexpr int IDC_UP = 1526;
    static constexpr int IDC_DOWN = 1663;
    static constexpr int IDC_PROPERTIES = 1740;

    virtual ~GroupListEditor() = default;
    GroupListEditor(const GroupListEditor&) = delete;
    GroupListEditor& operator=(const GroupListEditor&) = delete;

    // The prefix and the report's name.
    CString GetCaption() const;
    static std::vector<ListColumn> OutputColumnHeadings();
    ControlStates& States() { return m_states; }
    const std::vector<ListRow>& GetOutputRows() const { return m_outputRows; }
    const std::vector<ListRow>& GetEntryRows() const { return m_entryRows; }
    int GetSelectedEntry() const { return m_selectedEntry; }

    virtual void Open();
    void SelectOutputs(std::vector<int> rows) { m_selectedOutputs = std::move(rows); }
    void SelectEntry(int row) { m_selectedEntry = row; }
    // ">": an entry for each selected output column, unless the group has one already.
    void Add();
    virtual void Remove() = 0;
    // The selected entry one place up / down; the selection follows.
    void MoveUp() { Move(-1); }
    void MoveDown() { Move(1); }
    virtual void SetProperties() = 0;

protected:
    GroupListEditor(ReportGroup& group, const char* captionPrefix);

    // The names the entries show, in order.
    virtual std::vector<CString> EntryNames() const = 0;
    // Adds an entry for the output column; says so instead when the group has one.
    virtual void AddEntry(ProcedureFieldInfo& output) = 0;
    // Moves the entry at the index one place; returns its new index.
    virtual int MoveEntry(int index, int step) = 0;
    void FillEntries();

    ReportGroup& m_group;
    ControlStates m_states;

private:
    void Move(int step);

    const char* m_captionPrefix;
    std::vector<ProcedureFieldInfo*> m_outputs;
    std::vector<ListRow> m_outputRows;
    std::vector<ListRow> m_entryRows;
    std::vector<int> m_selectedOutputs;
    int m_selectedEntry = -1;
};
