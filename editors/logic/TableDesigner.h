#pragma once

#include "editors/logic/PaneEditor.h"

#include <vector>

class EditorHost;
class Field;
class ForgeonProject;
class Module;
class Table;
struct TableNameFaults;

// The table designer: a table's name, its fields in a grid, the field editors, the front field
// and the default pages of the table. It edits a stored table in place, or a new table that it
// owns until OK adds it to the current module.
class TableDesigner : public PaneEditor
{
public:
    static constexpr UINT IDD = 130;
    static constexpr int IDC_TABLE_NAME = 1001;
    static constexpr int IDC_FIELD_NAME = 1002;
    static constexpr int IDC_DISPLAY_NAME = 1005;
    static constexpr int IDC_SIZE = 1007;
    static constexpr int IDC_TYPE = 1008;
    static constexpr int IDC_FOREIGN_TABLE = 1014;
    static constexpr int IDC_FOREIGN_MODULE = 1015;
    static constexpr int IDC_DEFAULT_VALUE = 1016;
    static constexpr int IDC_ALLOW_NULL = 1018;
    static constexpr int IDC_ADD = 1019;
    static constexpr int IDC_ASSIGN_FRONT = 1020;
    static constexpr int IDC_REMOVE_FRONT = 1021;
    static constexpr int IDC_FOREIGN_KEY = 1022;
    static constexpr int IDC_DELETE = 1023;
    static constexpr int IDC_GRID = 1026;
    static constexpr int IDC_CHANGE_KIND = 1027;
    static constexpr int IDC_CLEAR = 1028;
    static constexpr int IDC_PRECISION = 1029;
    static constexpr int IDC_OK = 1073;
    static constexpr int IDC_CANCEL = 1074;
    static constexpr int IDC_FRONT_FIELDS = 1124;
    static constexpr int IDC_KIND = 1311;
    static constexpr int IDC_GENERATE = 1394;
    static constexpr int IDC_HELP_BUTTON = 1526;
    static constexpr int IDC_PICTURE = 1816;
    static constexpr int IDC_FRONT_LABEL = 61466;
    static constexpr UINT masterBitmap = 343;
    static constexpr UINT otherBitmap = 344;

    TableDesigner(ForgeonProject& project, EditorHost& host);
    TableDesigner(const TableDesigner&) = delete;
    TableDesigner& operator=(const TableDesigner&) = delete;
    // A new table never stored is deleted.
    ~TableDesigner();

    // The type names of the type combo, by type code.
    static const std::vector<CString>& TypeNames();
    static const std::vector<ListColumn>& GridColumns();
    static const std::vector<ToolTip>& ToolTips();

    // What the view shows.
    ControlStates& States() { return m_states; }
    std::vector<int> ItemBoxes() const override { return {IDC_TABLE_NAME}; }
    std::vector<int> RowBoxes() const override { return PanelBoxes(); }
    // A new table without fields holds nothing OK would store.
    bool HasChanges() const override;
    const std::vector<ListRow>& GetRows() const { return m_rows; }
    // Raised whenever the rows are rebuilt.
    int GetRowsRevision() const { return m_rowsRevision; }
    // The row the panel shows, -1 for none.
    int GetSelectedRow() const { return m_selectedRow; }
    UINT GetBitmap() const { return m_bitmap; }
    // The control that takes the focus after the last command, or 0.
    int TakeFocusRequest();

    Table* GetTable() const { return m_table; }
    bool IsNew() const { return m_isNew; }
    int GetNewTableCounter() const { return m_counter; }

    // The first initial update: the module combo filled, the master bitmap.
    void InitialUpdate();
    // Shows the table; null starts a new table of the kind.
    void LoadTable(Table* table, int kind);
    void EnableOK(bool enable) { m_states.Enable(IDC_OK, enable); }
    // Deletes a new table, forgets the table and the foreign field, selects "MASTERTABLE" and
    // empties the controls. The shell calls it when the pane is left and when the table shown
    // was deleted elsewhere.
    void ClearPage();
    // The module combo refilled; its module becomes the foreign module.
    void ReloadPage();

    // The commands. controlsRead is false when the view's validation of the controls failed.
    void AddOrUpdate(bool controlsRead);
    void DeleteField();
    void ClearFieldEditors();
    void ToggleAllowNull();
    void ToggleForeignKey();
    void ChooseType(int type);
    void ChooseModule(int index);
    void ChooseForeignTable(int index);
    void AssignFrontField();
    void RemoveFrontField();
    void ToggleGenerate();
    // The panel shows the field of the row, once what was typed for the one shown before is
    // taken or dropped.
    void LoadRow(int row);
    void Ok(bool controlsRead);
    void Cancel();

private:
    bool HoldsItem() const override { return m_table != nullptr; }
    bool IsNewItem() const override { return m_isNew; }
    const char* ItemKind() const override { return "table"; }
    CString ItemName() const override;
    std::vector<CString> NewItemContent() const override;
    void StoreItem() override;
    void ReloadItem() override;
    bool TakeTypedRows() override { return TakeTypedField(); }

    struct TypeInfo
    {
        bool fixed;
        int defaultSize;
    };
    static const std::vector<TypeInfo>& TypeTable();

    Module* CurrentModule() const;
    bool IsLoginTable() const;
    bool IsUpdateMode() const;
    // The table's name as OK will store it: as typed, else as stored.
    CString TypedTableName() const;
    Field* SelectedField() const;

    void FillForeignTables(Module* module);
    void SelectForeignFieldEntries();
    void EnableTypeControls(int kind);
    void ApplyType(int type, bool forceDefaultSize);
    void FillGrid();
    void FillFrontFieldCombo();
    void ShowFrontField();
    bool MissesDefaultPages() const;

    // The field checks of Add and Update; false after the first failure.
    bool CheckField();
    // A field typed and not added (or not updated) is asked about; false to stay.
    bool TakeTypedField();
    // The panel shows no field and something was typed into it.
    bool IsTextTypedInEmptyPanel() const;
    void ShowField(int row);
    // The boxes that show the selected field.
    static const std::vector<int>& PanelBoxes();
    void AddField();
    void UpdateField(Field* field);
    void StoreField(Field* field, bool keyFlag, bool keyColumnMark, bool frontFieldFlag);

    bool ApplyName();
    // Lower-cases a name that differs from the table's other than in case; true when another
    // table or a transaction has it.
    bool IsNameTaken(CString& name) const;
    // A stored master-detail table keeps its role, which the model reads from the name: false,
    // after a message and with the stored name shown again, when the name would change it.
    bool KeepsTableRole(const CString& name);
    // The special-character and keyword tests, and the new-name tests for a stored table's name
    // changed other than in case; a stored table's name is put back on failure.
    bool CheckTableName(CString& name) const;
    // The pages of the table named after the old name follow the new one.
    void RenamePages(const CString& oldName, const CString& name);
    bool CheckNewTableName(const CString& name);
    // A new name holds no blank, starts with no digit, is no device name of Windows and makes no
    // page file longer than a file system holds; each refusal is shown.
    bool CheckNewNameForm(const CString& name, const TableNameFaults& faults) const;
    // The checks and the store of OK for a new table; nothing without fields.
    void StoreNew();
    void StoreNewTable();
    void Generate();

    ForgeonProject& m_project;
    EditorHost& m_host;
    ControlStates m_states;
    std::vector<ListRow> m_rows;
    int m_rowsRevision = 0;
    int m_selectedRow = -1;
    // What the panel's boxes showed when the selected field was loaded.
    std::vector<ControlStates::Shown> m_loadedPanel;
    UINT m_bitmap = masterBitmap;
    int m_focus = 0;

    Table* m_table = nullptr;
    bool m_isNew = false;
    bool m_generate = false;
    int m_counter = 1;
    Field* m_foreignField = nullptr;
    Module* m_foreignModule = nullptr;
    std::vector<Table*> m_foreignTables;
    std::vector<Field*> m_frontFields;
};
