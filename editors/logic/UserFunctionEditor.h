#pragma once

#include "editors/logic/ControlStates.h"
#include "editors/logic/EditorHost.h"
#include "editors/logic/PaneEditor.h"
#include "gen_reports/CSharpParser.h"

#include <memory>
#include <vector>

class Class;
class CSharpMethodInfo;
class ForgeonProject;
class Function;
class Module;
class Table;

// The editor of a user function: a method the developer wrote in a data class's "_partial.cs"
// file, read back with the C# parser, with its parameters, dependent tables and output fields.
class UserFunctionEditor : public PaneEditor
{
public:
    static constexpr UINT IDD = 259;
    static constexpr int IDC_TABLE_MODULE = 1015;
    static constexpr int IDC_ADD_TABLE = 1039;
    static constexpr int IDC_UPDATE_PARAMETERS = 1040;
    static constexpr int IDC_PARAMETERS = 1194;
    static constexpr int IDC_DEPENDENT_TABLES = 1377;
    static constexpr int IDC_OK = 1526;
    static constexpr int IDC_BODY = 1535;
    static constexpr int IDC_CLASS = 1660;
    static constexpr int IDC_DELETE_TABLE = 1663;
    static constexpr int IDC_FUNCTION = 1669;
    static constexpr int IDC_DEPENDENT_TABLE = 1672;
    static constexpr int IDC_OUTPUT_FIELDS = 1678;
    static constexpr int IDC_ADD_OUTPUT_FIELDS = 1679;
    static constexpr int IDC_MODULE = 1683;
    static constexpr int IDC_PICTURE = 1716;
    static constexpr int IDC_CANCEL = 1736;
    static constexpr int IDC_HELP_BUTTON = 1745;
    static constexpr UINT HelpContext = 259;
    static constexpr int Picture = 351;

    UserFunctionEditor(ForgeonProject& project, EditorHost& host);
    // A function made here and never stored goes with the editor.
    ~UserFunctionEditor();
    UserFunctionEditor(const UserFunctionEditor&) = delete;
    UserFunctionEditor& operator=(const UserFunctionEditor&) = delete;

    static const std::vector<ListColumn>& TableColumns();
    static const std::vector<ListColumn>& OutputColumns();
    static const std::vector<ListColumn>& ParameterColumns();
    static const std::vector<ToolTip>& ToolTips();
    // "<project folder>\<name>\\<name>\<module>\CS\<table>_partial.cs".
    static CString ClassFilePath(const ForgeonProject& project, const Module& module,
                                 const Class& dataClass);

    ControlStates& States() { return m_states; }
    // The method chosen, which OK makes the function.
    std::vector<int> ItemBoxes() const override { return {IDC_FUNCTION}; }
    Function* GetFunction() const { return m_function; }
    bool IsNew() const { return m_created != nullptr; }
    const std::vector<ListRow>& GetTableRows() const { return m_tableRows; }
    const std::vector<ListRow>& GetOutputRows() const { return m_outputRows; }
    const std::vector<ListRow>& GetParameterRows() const { return m_parameterRows; }

    // Null starts a new function.
    void LoadFunction(Function* function);
    // The function goes away elsewhere: the editor lets go of it and empties the controls.
    void ForgetFunction(Function* function);
    void ChooseClass(int index);
    void ChooseMethod(int index);
    void ChooseDependentTable(int index) { m_states.Select(IDC_DEPENDENT_TABLE, index); }
    void SelectTableRow(int row) { m_selectedTableRow = row; }
    void AddTable();
    void DeleteTable();
    void UpdateParameters();
    void AddOutputFields();
    void Ok();
    void Cancel();

private:
    bool HoldsItem() const override { return m_function != nullptr; }
    bool IsNewItem() const override { return m_created != nullptr; }
    const char* ItemKind() const override { return "function"; }
    CString ItemName() const override;
    std::vector<CString> NewItemContent() const override;
    void StoreItem() override { Ok(); }
    void ReloadItem() override { LoadFunction(m_created != nullptr ? nullptr : m_function); }

    void Empty();
    Class* ChosenClass() const;
    Module* ChosenModule() const;
    const CSharpMethodInfo* ChosenMethod() const;
    std::vector<CString> ChosenMethodParameters() const;
    void FillMethods();
    void FillTables();
    void FillOutputs();
    void FillParameters();

    ForgeonProject& m_project;
    EditorHost& m_host;
    Module* m_module = nullptr;
    Function* m_function = nullptr;
    // The function made for new mode, until OK stores it.
    std::unique_ptr<Function> m_created;
    CSharpParser m_parser{true};
    std::vector<Class*> m_classes;
    std::vector<Table*> m_tables;
    std::vector<const CSharpMethodInfo*> m_methods;
    std::vector<ListRow> m_tableRows;
    std::vector<ListRow> m_outputRows;
    std::vector<ListRow> m_parameterRows;
    int m_selectedTableRow = -1;
    ControlStates m_states;
};
