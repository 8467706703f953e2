#pragma once

#include "editors/logic/ControlStates.h"
#include "platform/core/CString.h"

#include <vector>

class EditorHost;
class Field;
class FieldRep;
class FormInterface;
class Module;

// "Manage Form Controls": which fields of one table have a control on a page, and the order of
// the controls.
class FormControlsEditor
{
public:
    static constexpr UINT IDD = 194;
    static constexpr int HelpButton = 1734;
    static constexpr int HeaderBox = 1218;
    static constexpr int FieldList = 1267;
    static constexpr int ControlList = 1174;
    static constexpr int CreateButton = 1380;
    static constexpr int RemoveButton = 1381;
    static constexpr int UpButton = 1068;
    static constexpr int DownButton = 1069;
    static constexpr int PropertiesButton = 1039;

    // The module checks that a removed control is used nowhere else; it may be null.
    FormControlsEditor(std::vector<Field*> fields, FormInterface& page, Module* module,
                       EditorHost& host);

    static std::vector<ListColumn> GetFieldColumns();
    static std::vector<ListColumn> GetControlColumns();
    static const std::vector<ToolTip>& GetToolTips();

    // Fills both lists; the header box shows for a transaction with the first field's title.
    void Load();
    const ControlStates& GetStates() const { return m_states; }
    bool IsHeaderShown() const { return m_headerShown; }
    const std::vector<ListRow>& GetFieldRows() const { return m_fieldRows; }
    const std::vector<ListRow>& GetControlRows() const { return m_controlRows; }
    const std::vector<FieldRep*>& GetControls() const { return m_controls; }

    void SelectField(int row) { m_selectedField = row; }
    void SelectControl(int row) { m_selectedControl = row; }
    int GetSelectedControl() const { return m_selectedControl; }
    // The selected control, for its properties dialog; null without one.
    FieldRep* GetSelectedFieldRep() const;

    // ">": a control with its "_Var" variable for the selected field, or "Can not create form
    // control for this field.".
    void CreateControl();
    // "<": after the warning, and when the module finds it unused, the control is deleted.
    void RemoveControl();
    void MoveUp() { Move(-1); }
    void MoveDown() { Move(1); }
    // The header box lost the focus with this text.
    void LeaveHeader(const CString& header);
    // OK while the header box shows a header it did not take (it was not left): it is taken.
    void TakeHeader(const CString& shown);
    // Escape or the close box while the box shows a header it did not take: "The form header
    // "<header>" has not been updated. Update it?"; IDNO without asking otherwise.
    int AskAboutHeader(const CString& shown) const;

private:
    void FillControls();
    void Move(int step);

    std::vector<Field*> m_fields;
    FormInterface& m_page;
    Module* m_module;
    EditorHost& m_host;
    ControlStates m_states;
    bool m_headerShown = false;
    std::vector<ListRow> m_fieldRows;
    std::vector<ListRow> m_controlRows;
    std::vector<FieldRep*> m_controls;
    int m_selectedField = -1;
    int m_selectedControl = -1;
};
