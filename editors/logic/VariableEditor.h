#pragma once

#include "editors/logic/ControlStates.h"

#include <vector>

class ForgeonProject;
class FormInterface;
struct FieldVariableMap;

// "Manage Variables": the free variables of a page, edited in the owner's list of mappings.
// Every variable made or updated here becomes an input variable. A mapping taken out of the
// list is freed with its variable unless something still refers to the variable.
class VariableEditor
{
public:
    static constexpr UINT IDD = 172;
    static constexpr int IDC_DEFAULT_VALUE = 1016;
    static constexpr int IDC_DELETE = 1023;
    static constexpr int IDC_CLEAR = 1028;
    static constexpr int IDC_ADD = 1041;
    static constexpr int IDC_LOCAL = 1115;
    static constexpr int IDC_INPUT = 1116;
    static constexpr int IDC_LIST = 1171;
    static constexpr int IDC_NAME = 1209;
    static constexpr int IDC_HELP_BUTTON = 1736;

    VariableEditor(ForgeonProject& project, std::vector<FieldVariableMap*>& maps,
                   FormInterface* page);

    static const std::vector<ListColumn>& Columns();

    ControlStates& States() { return m_states; }
    const std::vector<ListRow>& GetRows() const { return m_rows; }
    int GetSelectedRow() const { return m_selectedRow; }

    // Lists the mappings; those of an "Is_Deleted" variable leave the list.
    void Open();
    void AddOrUpdate();
    void Delete();
    void Clear();
    // A row, or -1 for a click outside the rows.
    void ClickRow(int row);
    // OK: a variable typed and not added (or, for the row clicked, not updated) is added on Yes,
    // dropped on No; Cancel keeps the dialog open. True when it may close.
    bool Close();

private:
    bool IsUpdateMode() const;
    // A variable typed and not added (or not updated) is asked about; false to stay.
    bool TakeTypedVariable();
    static ListRow RowOf(const FieldVariableMap& map);
    // The page's controls show the variable, or the project's pages use the mapping.
    bool IsReferenced(FieldVariableMap* map, bool report);
    // Takes the mapping out of the owner's list and frees it.
    void Release(FieldVariableMap* map);
    void SetScope(bool local, bool input);
    void ResetButtons();

    ForgeonProject& m_project;
    std::vector<FieldVariableMap*>& m_maps;
    FormInterface* m_page;
    ControlStates m_states;
    std::vector<ListRow> m_rows;
    // The mapping of each row.
    std::vector<FieldVariableMap*> m_rowMaps;
    int m_selectedRow = -1;
};
