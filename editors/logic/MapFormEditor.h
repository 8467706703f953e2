#pragma once

#include "editors/logic/PaneEditor.h"

#include <vector>

class EditorHost;
class Field;
class FieldRep;
class ForgeonProject;
class Form;
class MapForm;
class Module;
class PageDialogs;
class Table;

// The map form editor: the map form of a mapping table with its one top and one bottom field,
// the input controls of either part, and the bottom field either chosen through input controls
// ("Selection") or edited through a master form ("Editable"). Changes to a stored map form reach
// it at once; a new one is owned here until "Add Map Form" adds it to the current module.
class MapFormEditor : public PaneEditor
{
public:
    static constexpr UINT IDD = 188;
    static constexpr int IDC_REMOVE_REPORT = 1047;
    static constexpr int IDC_LINK_CONTROLS = 1048;
    static constexpr int IDC_FIELDS = 1124;
    static constexpr int IDC_INPUT_LABEL = 1126;
    static constexpr int IDC_REF_FIELDS = 1127;
    static constexpr int IDC_VARIABLES = 1211;
    static constexpr int IDC_HEADER = 1218;
    static constexpr int IDC_ASSIGN_REPORT = 1219;
    static constexpr int IDC_EDITABLE = 1268;
    static constexpr int IDC_REPORT_LABEL = 1309;
    static constexpr int IDC_ADD_FIELD = 1314;
    static constexpr int IDC_TOP_FIELDS = 1315;
    static constexpr int IDC_BOTTOM_FIELDS = 1316;
    static constexpr int IDC_ADD_INPUT = 1318;
    static constexpr int IDC_TABLE_NAME = 1321;
    static constexpr int IDC_FIELD_LIST = 1322;
    static constexpr int IDC_INPUT_LIST = 1323;
    static constexpr int IDC_SELECTION = 1325;
    static constexpr int IDC_ASSIGN_MASTER = 1328;
    static constexpr int IDC_ADD_MAP_FORM = 1329;
    static constexpr int IDC_MASTER_FORMS = 1330;
    static constexpr int IDC_CANCEL = 1332;
    static constexpr int IDC_ADD_REF_FIELD = 1385;
    static constexpr int IDC_FORM_PROCEDURES = 1387;
    static constexpr int IDC_UP = 1484;
    static constexpr int IDC_DOWN = 1485;

    MapFormEditor(ForgeonProject& project, EditorHost& host, PageDialogs& dialogs);
    MapFormEditor(const MapFormEditor&) = delete;
    MapFormEditor& operator=(const MapFormEditor&) = delete;
    // A new map form never stored is deleted.
    ~MapFormEditor();

    static const std::vector<ListColumn>& FieldColumns();
    static const std::vector<ListColumn>& InputColumns();

    ControlStates& States() { return m_states; }
    std::vector<int> ItemBoxes() const override { return {IDC_HEADER}; }
    const std::vector<ListRow>& GetFieldRows() const { return m_fieldRows; }
    const std::vector<ListRow>& GetInputRows() const { return m_inputRows; }
    int GetSelectedField() const { return m_selectedField; }
    int GetSelectedInput() const { return m_selectedInput; }
    MapForm* GetMapForm() const { return m_mapForm; }
    bool IsNew() const { return m_isNew; }
    bool IsTopMode() const { return m_topMode; }
    bool IsBottomEditable() const { return m_bottomEditable; }

    // The map form of the current module over the table, or a new one; nothing for null.
    void LoadTable(Table* table);
    // Deletes a new map form, forgets it and empties the controls.
    void ClearPage();

    // The header box lost the focus.
    void LeaveHeader();
    void ShowTopFields();
    void ShowBottomFields();
    void MakeEditable();
    void MakeSelectable();
    void AddField();
    void AddInputField();
    void AssignMasterForm();
    // The master-form combo's selection changed to the index.
    void ChooseMasterForm(int index);
    void SelectField(int row) { m_selectedField = row; }
    void SelectInput(int row) { m_selectedInput = row; }
    // The Delete key in the field list and in the input list.
    void RemoveField();
    void RemoveInputField();
    // A double click on a row of the input list.
    void EditInputField(int row);
    void MoveInputUp() { MoveInput(-1); }
    void MoveInputDown() { MoveInput(1); }
    void AddRefField();
    void SetVariables();
    void LinkControls();
    void FormProcedures();
    void RemoveReport();
    void AddMapForm();
    // Cancel: the view is cleared and stays empty.
    void Cancel();

private:
    bool HoldsItem() const override { return m_mapForm != nullptr; }
    bool IsNewItem() const override { return m_isNew; }
    const char* ItemKind() const override { return "map form"; }
    CString ItemName() const override;
    std::vector<CString> NewItemContent() const override;
    void StoreItem() override { AddMapForm(); }
    void ReloadItem() override;

    void ShowReport();
    void FillCombos();
    void FillRefFieldCombo();
    void FillFieldList();
    void FillInputList();
    // Enables the controls of input fields, of the master form and the bottom radios.
    void EnableInputs(bool enabled);
    void EnableMasterForm(bool enabled);
    void CheckBottomKind(bool editable);
    // The input controls of the part shown.
    const std::vector<FieldRep*>& ShownInputs() const;
    // The field of the row of the field list; null for none.
    Field* FieldOfRow(int row) const;
    // The bottom part's controls listed in bottom mode: the page's controls off the top fields.
    std::vector<FieldRep*> BottomControls() const;
    // Every select-record procedure of the mapping table gets the master form's table and a
    // relation from it to the mapping table.
    void JoinMasterFormInProcedures(Form& master);
    void MoveInput(int step);
    void DropNewMapForm();

    ForgeonProject& m_project;
    EditorHost& m_host;
    PageDialogs& m_dialogs;
    MapForm* m_mapForm = nullptr;
    bool m_isNew = true;
    bool m_topMode = true;
    bool m_bottomEditable = true;
    std::vector<Form*> m_masterForms;
    ControlStates m_states;
    std::vector<ListRow> m_fieldRows;
    std::vector<ListRow> m_inputRows;
    int m_selectedField = -1;
    int m_selectedInput = -1;
};
