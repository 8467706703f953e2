#pragma once

#include "editors/logic/ControlStates.h"
#include "platform/core/CString.h"

#include <vector>

class FormInterface;
class RefField;
class Table;

// "Manage Reference Fields": the page's extra fields of one table, added, updated and deleted
// in place.
class RefFieldEditor
{
public:
    static constexpr UINT IDD = 214;
    static constexpr int HelpButton = 1735;
    static constexpr int NameBox = 1488;
    static constexpr int TypeCombo = 1008;
    static constexpr int AddButton = 1039;
    static constexpr int DeleteButton = 1023;
    static constexpr int ClearButton = 1028;
    static constexpr int FieldList = 1489;
    static constexpr int TableLabel = 1493;
    static constexpr int ValidateCheck = 1581;

    RefFieldEditor(FormInterface& page, Table* table);

    static std::vector<ListColumn> GetColumns();
    static const std::vector<ToolTip>& GetToolTips();
    // The type combo's texts; the index is the field's type code.
    static const std::vector<CString>& GetTypeNames();

    // Sets the combo, the table label and the editors, and fills the list.
    void Load();
    const ControlStates& GetStates() const { return m_states; }
    const std::vector<ListRow>& GetRows() const { return m_rows; }

    void SetName(const CString& name) { m_states.SetText(NameBox, name); }
    void SelectType(int index) { m_states.Select(TypeCombo, index); }
    void ToggleValidate();
    // Loads the row's name, type and validate flag; the button reads "Update".
    void SelectRow(int row);
    int GetSelectedRow() const { return m_selectedRow; }
    // Adds a reference field, or updates the selected one; "Field with this name exists." when
    // an added name is taken. Nothing happens without a name or a type.
    void AddOrUpdate();
    // Asks "Do you want to delete the field?" and removes the selected row's field on OK.
    void Delete();
    // Empty name, type "int", no selection, "Add", Delete disabled.
    void Clear();
    // OK and Escape: a name typed and not added (or, for the field shown, not updated) is added
    // on Yes, dropped on No; Cancel, or a field that cannot be added, keeps the dialog open. True
    // when it may close.
    bool Close();

private:
    std::vector<RefField*> TableRefFields() const;
    void FillList();
    RefField* SelectedRefField() const;

    FormInterface& m_page;
    Table* m_table;
    ControlStates m_states;
    std::vector<ListRow> m_rows;
    int m_selectedRow = -1;
};
