#pragma once

#include "editors/logic/PaneEditor.h"

#include <vector>

class EditorHost;
class ForgeonProject;
class Module;
class Procedure;
class Table;

// The procedure editor: a stored procedure's name, main and detail tables, parameters,
// variation parameters and derived procedures, with the SQL text the script writer makes of it.
// A procedure started here is owned by the editor until "Add Procedure" stores it. A text edited
// by hand and accepted by Apply is kept with the procedure and shown when it is opened again;
// a change that would make the text anew asks first.
class ProcedureEditor : public PaneEditor
{
public:
    static constexpr UINT IDD = 166;
    static constexpr int IDC_PARAMETER_TABLE = 1014;
    static constexpr int IDC_APPLY = 1039;
    static constexpr int IDC_PARAMETER_FIELD = 1124;
    static constexpr int IDC_NAME = 1161;
    static constexpr int IDC_MAIN_TABLE_LABEL = 1162;
    static constexpr int IDC_MAIN_TABLE = 1163;
    static constexpr int IDC_ADD_MAIN_TABLE = 1164;
    static constexpr int IDC_ADD_DETAIL_TABLE = 1167;
    static constexpr int IDC_DETAIL_LIST = 1168;
    static constexpr int IDC_PARAMETER_NAME = 1169;
    static constexpr int IDC_SELECT_VARIATION = 1171;
    static constexpr int IDC_ADD_PARAMETER = 1172;
    static constexpr int IDC_OUTPUT_LIST = 1173;
    static constexpr int IDC_ADD_FIELD_INFO = 1177;
    static constexpr int IDC_DETAIL_TABLE = 1180;
    static constexpr int IDC_ADD_PROCEDURE = 1185;
    static constexpr int IDC_CANCEL = 1186;
    static constexpr int IDC_CREATE_DERIVED = 1187;
    static constexpr int IDC_PARAMETER_LIST = 1194;
    static constexpr int IDC_VARIATION_LIST = 1195;
    static constexpr int IDC_MODULE = 1226;
    static constexpr int IDC_WRITE_PROCEDURE = 1386;
    static constexpr int IDC_ALLOW_VARIATION = 1463;
    static constexpr int IDC_TEXT = 1505;
    static constexpr int IDC_RELATION = 1526;

    ProcedureEditor(ForgeonProject& project, EditorHost& host);
    ProcedureEditor(const ProcedureEditor&) = delete;
    ProcedureEditor& operator=(const ProcedureEditor&) = delete;
    // A procedure never stored is deleted.
    ~ProcedureEditor();

    static const std::vector<ListColumn>& DetailColumns();
    static const std::vector<ListColumn>& ParameterColumns();
    static const std::vector<ListColumn>& OutputColumns();

    ControlStates& States() { return m_states; }
    std::vector<int> ItemBoxes() const override { return {IDC_NAME, IDC_TEXT}; }
    std::vector<int> RowBoxes() const override { return {IDC_PARAMETER_NAME}; }
    const std::vector<ListRow>& GetOutputRows() const { return m_outputRows; }
    const std::vector<ListRow>& GetDetailRows() const { return m_detailRows; }
    const std::vector<ListRow>& GetParameterRows() const { return m_parameterRows; }
    const std::vector<ListRow>& GetVariationRows() const { return m_variationRows; }
    Procedure* GetProcedure() const { return m_procedure; }
    bool IsNew() const { return m_isNew; }

    // Shows the procedure; null starts a new one.
    void LoadProcedure(Procedure* procedure);
    // Deletes a procedure still new, forgets the procedure and empties the controls.
    void ClearPage();
    // The procedure goes away elsewhere: it is not deleted, and a new one is started.
    void ForgetProcedure(Procedure* procedure);

    void ChooseModule(int index);
    void AddMainTable();
    void AddDetailTable();
    void DeleteDetailRow(int row);
    void ChooseParameterTable(int index);
    void AddOrUpdateParameter();
    void ClickParameterRow(int row);
    int GetSelectedParameter() const { return m_selectedParameter; }
    void DeleteParameterRow(int row);
    void NameLostFocus();
    void AddFieldInfo();
    // The relation dialog on the procedure; the text follows its joins.
    void EditRelations();
    void ToggleWriteFlag();
    void ToggleVariation();
    void SelectVariationParameter();
    void DeleteVariationRow(int row);
    void CreateDerivedProcedures();
    // The text shown becomes the procedure's, kept as edited by hand, when its columns match.
    void Apply();
    // Stores the procedure with the name and the text shown, then starts a new one.
    void AddProcedure();
    void Cancel();

private:
    bool HoldsItem() const override { return m_procedure != nullptr; }
    bool IsNewItem() const override { return m_isNew; }
    const char* ItemKind() const override { return "procedure"; }
    CString ItemName() const override;
    std::vector<CString> NewItemContent() const override;
    void StoreItem() override { AddProcedure(); }
    void ReloadItem() override { LoadProcedure(m_isNew ? nullptr : m_procedure); }
    bool TakeTypedRows() override { return TakeTypedParameter(); }

    void FillTableCombos();
    void FillParameterTables();
    void RefreshMainTableLabel();
    void RefreshOutputRows();
    void RefreshDetailRows();
    void RefreshParameterRows();
    void RefreshVariationRows();
    void EnableVariationControls();
    // The text the script writer makes of the procedure, in the edit and the procedure.
    void WriteText();
    // After a change: the text made again, once the user agrees to replace a text edited by
    // hand (accepted or only typed).
    void RefreshText();
    // The text shown taken by the procedure when its columns match; false, with the message,
    // when they do not.
    bool AcceptText();
    // A text typed and not yet applied is applied; false when it was refused.
    bool ApplyTypedText();
    // Null, with the message shown, when the name may not name a procedure.
    bool CheckProcedureName(const CString& name);
    void ResetParameterInput();
    // A parameter typed and not added (or not updated) is asked about; false to stay.
    bool TakeTypedParameter();

    ForgeonProject& m_project;
    EditorHost& m_host;
    Procedure* m_procedure = nullptr;
    Module* m_module = nullptr;
    bool m_isNew = false;
    bool m_variation = false;
    std::vector<Table*> m_moduleTables;
    std::vector<Table*> m_parameterTables;
    ControlStates m_states;
    std::vector<ListRow> m_outputRows;
    std::vector<ListRow> m_detailRows;
    std::vector<ListRow> m_parameterRows;
    std::vector<ListRow> m_variationRows;
    int m_selectedParameter = -1;
};
