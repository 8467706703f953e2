#pragma once

#include "editors/logic/ControlStates.h"
#include "platform/core/CString.h"

#include <vector>

class AspFile;
class FieldRep;
class FieldVisibility;
class FormInterface;

// "File Properties": how each control's field shows on one page file (editable, read only or
// invisible), and the page file's title.
class FieldVisibilityEditor
{
public:
    static constexpr UINT IDD = 192;
    static constexpr int HelpButton = 1527;
    static constexpr int TitleBox = 1536;
    static constexpr int SelectedFile = 1262;
    static constexpr int FieldList = 1267;
    static constexpr int EditableRadio = 1268;
    static constexpr int ReadOnlyRadio = 1269;
    static constexpr int InvisibleRadio = 1271;
    static constexpr int AssignDataButton = 1039;
    static constexpr int RemoveDataButton = 1526;
    static constexpr int UpdateButton = 1366;
    static constexpr int ClearButton = 1028;

    // The page file may be null: the list and the title box then stay disabled.
    FieldVisibilityEditor(FormInterface& page, AspFile* file);
    FieldVisibilityEditor(const FieldVisibilityEditor&) = delete;
    FieldVisibilityEditor& operator=(const FieldVisibilityEditor&) = delete;
    // A record made here and never stored is freed.
    ~FieldVisibilityEditor();

    static std::vector<ListColumn> GetColumns();
    static const std::vector<ToolTip>& GetToolTips();

    // Collects the candidate controls, sets the controls and fills the list.
    void Load();
    const std::vector<FieldRep*>& GetCandidates() const { return m_candidates; }
    const std::vector<ListRow>& GetRows() const { return m_rows; }
    const ControlStates& GetStates() const { return m_states; }
    int GetSelectedRow() const { return m_selectedRow; }
    FieldVisibility* GetCurrent() const { return m_current; }

    // Makes the row's field the one edited; its record, or a new "Editable" one, becomes current.
    void SelectRow(int row);
    // Toggles the flag of one of the three radios; when set, the other two are cleared.
    void ToggleRadio(int id);
    bool IsFlagSet(int id) const;
    // Stores the flags in the current record and the record in the page file.
    void Update();
    // Turns the radios off (the flags stay) and drops the selection.
    void Clear();
    // The title box was left with this text.
    void LeaveTitle(const CString& title);
    // OK while the title box shows a title it did not take (it was not left): the title is taken.
    void TakeTitle(const CString& shown);
    // Escape or the close box while the box shows a title it did not take: "The page title
    // "<title>" has not been updated. Update it?"; IDNO without asking otherwise.
    int AskAboutTitle(const CString& shown) const;
    // OK or Cancel: a record made here and never stored is freed.
    void Close();

private:
    void FillList();
    void EnableEditing(bool enabled);
    void ShowKind(int kind);
    void DropNewRecord();

    FormInterface& m_page;
    AspFile* m_file;
    std::vector<FieldRep*> m_candidates;
    std::vector<ListRow> m_rows;
    ControlStates m_states;
    FieldVisibility* m_current = nullptr;
    bool m_currentIsNew = false;
    bool m_editable = false;
    bool m_readOnly = false;
    bool m_invisible = false;
    int m_selectedRow = -1;
};
