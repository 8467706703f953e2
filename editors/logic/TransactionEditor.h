#pragma once

#include "editors/logic/PaneEditor.h"

#include <vector>

class EditorHost;
class Field;
class ForgeonProject;
class Module;
class PageDialogs;
class Table;
class Transaction;
class Variable;

// The transaction designer: a master-detail page named, given its basic table and one detail
// table from the master-detail tables of a module, laid out in one or two columns, with the
// dialogs for its controls, reference fields, links and page files. It edits a stored
// transaction in place, or a new one that it owns until OK adds it to the current module.
class TransactionEditor : public PaneEditor
{
public:
    static constexpr UINT IDD = 155;
    static constexpr int IDC_ADD_MASTER = 1039;
    static constexpr int IDC_ADD_DETAIL = 1040;
    static constexpr int IDC_OK = 1044;
    static constexpr int IDC_CANCEL = 1045;
    static constexpr int IDC_REMOVE_REPORT = 1047;
    static constexpr int IDC_FORM_CONTROLS = 1048;
    static constexpr int IDC_LINK_CONTROLS = 1049;
    static constexpr int IDC_UP = 1068;
    static constexpr int IDC_DOWN = 1069;
    static constexpr int IDC_NAME = 1105;
    static constexpr int IDC_MASTER_TABLE = 1108;
    static constexpr int IDC_DETAIL_TABLE = 1111;
    static constexpr int IDC_TABLES = 1121;
    static constexpr int IDC_VARIABLES = 1211;
    static constexpr int IDC_MODULE = 1226;
    static constexpr int IDC_REFERENCE_FIELDS = 1385;
    static constexpr int IDC_ADD_DERIVED_FIELD = 1386;
    static constexpr int IDC_FORM_METHODS = 1387;
    static constexpr int IDC_HELP_BUTTON = 1527;
    static constexpr int IDC_CREATE_OTHER_FORM = 1654;
    static constexpr int IDC_REMOVE_TABLE = 1663;
    static constexpr int IDC_PICTURE = 1712;
    static constexpr int IDC_SINGLE_COLUMN = 1734;
    static constexpr int IDC_TWO_COLUMNS = 1735;
    static constexpr int IDC_FILES = 1738;
    static constexpr int IDC_SET_PROPERTIES = 1740;
    static constexpr UINT transactionBitmap = 345;

    TransactionEditor(ForgeonProject& project, EditorHost& host, PageDialogs& dialogs);
    TransactionEditor(const TransactionEditor&) = delete;
    TransactionEditor& operator=(const TransactionEditor&) = delete;
    // A new transaction never stored is deleted.
    ~TransactionEditor();

    static const std::vector<ListColumn>& TableColumns();
    static const std::vector<ListColumn>& FileColumns();
    static const std::vector<ToolTip>& ToolTips();

    ControlStates& States() { return m_states; }
    std::vector<int> ItemBoxes() const override { return {IDC_NAME}; }
    const std::vector<ListRow>& GetTableRows() const { return m_tableRows; }
    const std::vector<ListRow>& GetFileRows() const { return m_fileRows; }
    Transaction* GetTransaction() const { return m_transaction; }
    bool IsNew() const { return m_isNew; }

    // Shows the transaction; null starts a new one.
    void LoadTransaction(Transaction* transaction);
    // Deletes a new transaction, forgets it and empties the controls.
    void ClearPage();
    // Starts a new transaction.
    void ReloadPage();

    void ChooseModule(int index);
    void AddMaster();
    void AddDetail();
    // The selected row of the table list; -1 for none.
    void SelectTable(int row) { m_selectedTable = row; }
    int GetSelectedTable() const { return m_selectedTable; }
    void RemoveTable();
    // The name box lost the focus.
    void LeaveName();
    void SingleColumn() { SetColumnCount(1); }
    void TwoColumns() { SetColumnCount(2); }
    // "Manage Form Controls" for the selected row's table, with the variables the page files'
    // menu maps bind to it; a valid "Form Header" becomes the table's title.
    void FormControls();
    void ReferenceFields();
    void LinkControls();
    // The controls below the template keeps hidden.
    // "Variables": the page variables.
    void Variables();
    // "Add Derived Field": the derived fields of the selected row's table.
    void AddDerivedField();
    // "Form Methods": the procedures of the selected detail table; refused for the basic table.
    void FormMethods();
    // "Remove Report": the selected table's detail-table report goes.
    void RemoveReport();
    // "Up" / "Down": the selected detail table with its title one place up / down.
    void MoveUp();
    void MoveDown();
    // "Create Other Form", after the view read the box into the states: when checked, another
    // form of the transaction is added to its module and the box is cleared.
    void CreateOtherForm();
    void Ok();
    // Cancel: a new transaction is dropped and the start page shown.
    void Cancel();
    // The selected row of the page-file list; -1 for none.
    void SelectFile(int row) { m_selectedFile = row; }
    // Row 0 the Add page file (kind 1), any other row the Update page file (kind 3).
    void SetProperties();

private:
    bool HoldsItem() const override { return m_transaction != nullptr; }
    bool IsNewItem() const override { return m_isNew; }
    const char* ItemKind() const override { return "master-detail form"; }
    CString ItemName() const override;
    std::vector<CString> NewItemContent() const override;
    void StoreItem() override { Ok(); }
    void ReloadItem() override { LoadTransaction(m_isNew ? nullptr : m_transaction); }

    void FillTableCombos();
    void FillTableList();
    void FillFiles();
    void ShowLayout();
    void SetColumnCount(int count);
    // The variables "<table>_<field>Var" and the controls of the table's fields.
    void AddTableToPage(Table* table);
    // The checks and steps of Add Detail for the chosen table.
    void AddDetailTable(Table* table);
    // The detail table's select-all (by its link field) and select-record procedures, each made
    // in the current module when no module has it.
    void EnsureDetailProcedures(Table* detail, Field* linkField);
    // The table of the selected row: row 0 the basic table, row r the detail table r - 1.
    Table* SelectedTable() const;
    // Swaps the detail table at the index with the one after it, with their titles; the moved
    // row stays selected at its new place.
    void SwapDetailTables(int index, int selectedRow);
    // The variables of the page files' top- and left-menu maps whose mapped fields belong to the
    // table, each once.
    std::vector<Variable*> MenuVariablesOfTable(const Table* table) const;
    void DropNewTransaction();
    // Shows why the name cannot be taken; false when it can.
    bool IsNameRefused(const CString& name) const;

    ForgeonProject& m_project;
    EditorHost& m_host;
    PageDialogs& m_dialogs;
    Transaction* m_transaction = nullptr;
    Module* m_module = nullptr;
    bool m_isNew = false;
    std::vector<Table*> m_masterTables;
    std::vector<Table*> m_detailTables;
    ControlStates m_states;
    std::vector<ListRow> m_tableRows;
    std::vector<ListRow> m_fileRows;
    int m_selectedTable = -1;
    int m_selectedFile = -1;
};
