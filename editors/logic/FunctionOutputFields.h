#pragma once

#include "editors/logic/ControlStates.h"

#include <memory>
#include <vector>

class ForgeonProject;
class Function;
class ProcedureFieldInfo;
class Table;

// "Manage function Output Fields": the output columns of a user function, taken from the
// fields of its tables or made as alias fields of a name and type. Every command changes the
// function at once.
class FunctionOutputFields
{
public:
    static constexpr UINT IDD = 191;
    static constexpr int IDC_ALIAS_TYPE = 1008;
    static constexpr int IDC_DELETE = 1023;
    static constexpr int IDC_CLEAR = 1028;
    static constexpr int IDC_ALIAS_ADD = 1039;
    static constexpr int IDC_FIELD = 1124;
    static constexpr int IDC_TABLE = 1360;
    static constexpr int IDC_OUTPUT = 1362;
    static constexpr int IDC_ADD = 1363;
    static constexpr int IDC_ALIAS_NAME = 1488;
    static constexpr int IDC_ALIAS_MODE = 1493;
    static constexpr int IDC_ADD_ALL = 1497;
    static constexpr int IDC_HELP_BUTTON = 1738;
    static constexpr UINT HelpContext = 191;

    FunctionOutputFields(ForgeonProject& project, Function& function);
    ~FunctionOutputFields();
    FunctionOutputFields(const FunctionOutputFields&) = delete;
    FunctionOutputFields& operator=(const FunctionOutputFields&) = delete;

    static const std::vector<ListColumn>& OutputColumns();

    ControlStates& States() { return m_states; }
    const std::vector<ListRow>& GetOutputRows() const { return m_outputRows; }
    bool IsAliasMode() const { return m_aliasMode; }
    int GetSelectedRow() const { return m_selectedRow; }
    // The column the next "Add" stores or the double-clicked one; null for none.
    const ProcedureFieldInfo* GetPrepared() const { return m_prepared; }

    void Open();
    void ChooseTable(int index);
    void ChooseField(int index);
    void Add();
    void AddAll();
    void ToggleAliasMode();
    // Reads the alias name and type from the states.
    void AddOrUpdateAlias();
    void DoubleClickRow(int row);
    void Delete();
    void Clear();
    // OK and Escape: an alias name typed and not added (or, for the alias shown, not updated) is
    // added on Yes, dropped on No; Cancel, or an alias that cannot be added, keeps the dialog
    // open. True when it may close.
    bool Close();

private:
    Table* ChosenTable() const;
    void Prepare(ProcedureFieldInfo* column, bool stored);
    void FillOutput();
    void EnableForMode();

    ForgeonProject& m_project;
    Function& m_function;
    std::vector<Table*> m_tables;
    std::vector<ListRow> m_outputRows;
    ProcedureFieldInfo* m_prepared = nullptr;
    // Owns the prepared column until it is stored.
    std::unique_ptr<ProcedureFieldInfo> m_unstored;
    bool m_aliasMode = false;
    int m_selectedRow = -1;
    ControlStates m_states;
};
