#pragma once

#include "editors/logic/PaneEditor.h"

#include <vector>

class EditorHost;
class EditorShell;
class Form;
class FormInterface;
class Module;
class PageDialogs;

// The form editor: a master form's name and layout edited in place, and the dialogs for its
// controls, links, reference fields, linked search report and the visibility per page file.
class FormEditor : public PaneEditor
{
public:
    static constexpr UINT IDD = 133;
    static constexpr int IDC_LINK_CONTROLS = 1048;
    static constexpr int IDC_REMOVE_REPORT = 1047;
    static constexpr int IDC_TABLE_LABEL = 1201;
    static constexpr int IDC_ASSIGN_REPORT = 1219;
    static constexpr int IDC_REPORT_LABEL = 1309;
    static constexpr int IDC_FORM_CONTROLS = 1382;
    static constexpr int IDC_REFERENCE_FIELDS = 1385;
    static constexpr int IDC_OK = 1526;
    static constexpr int IDC_HELP_BUTTON = 1527;
    static constexpr int IDC_NAME = 1535;
    static constexpr int IDC_SET_PROPERTIES = 1663;
    static constexpr int IDC_SINGLE_COLUMN = 1734;
    static constexpr int IDC_TWO_COLUMNS = 1735;
    static constexpr int IDC_FILES = 1738;
    static constexpr int IDC_PICTURE = 61456;
    static constexpr UINT formBitmap = 346;

    FormEditor(EditorHost& host, PageDialogs& dialogs);

    static const std::vector<ListColumn>& FileColumns();
    static const std::vector<ToolTip>& ToolTips();

    // The check of a page name typed into an editor: a special character is refused with its
    // message, and so is a name whose files another page of the module writes or no file system
    // holds (RefuseDesignedPageName, in the given module); a text that differs from the page name
    // (also only in case) asks "Do you want to change the name?" (unless confirmRename is false,
    // as the user already asked for it) and on Yes becomes the name, blanks as "_", and the tree
    // item follows. False only when the text was refused; true without a page.
    static bool CheckPageName(FormInterface* page, const Module* module, const CString& text,
                              EditorShell& shell, bool confirmRename);

    ControlStates& States() { return m_states; }
    std::vector<int> ItemBoxes() const override { return {IDC_NAME}; }
    const std::vector<ListRow>& GetFileRows() const { return m_fileRows; }
    Form* GetForm() const { return m_form; }

    // Binds the editor to the form (null allowed) and refreshes every control.
    void LoadForm(Form* form);
    // No form any more; the name and report texts emptied, the name box disabled.
    void ClearForm();

    // The commands; each does nothing without a form.
    // Enter: the name check only.
    bool CheckName();
    // The name check; when it passes, the start page.
    void Ok();
    void AssignReport();
    void RemoveReport();
    void FormControls();
    void LinkControls();
    void ReferenceFields();
    void SingleColumn() { SetColumnCount(1); }
    void TwoColumns() { SetColumnCount(2); }
    // The selected row of the page-file list; -1 for none.
    void SelectFile(int row) { m_selectedFile = row; }
    // Row 0 the Add page file (kind 5), any other row the Update page file (kind 7).
    void SetProperties();

private:
    bool HoldsItem() const override { return m_form != nullptr; }
    bool IsNewItem() const override { return false; }
    const char* ItemKind() const override { return "form"; }
    CString ItemName() const override;
    void StoreItem() override { TakeName(/*confirmRename=*/false); }
    void ReloadItem() override { LoadForm(m_form); }
    // The name check; a name taken is shown as stored. False when it was refused.
    bool TakeName(bool confirmRename);

    void ShowReport();
    void FillFiles();
    void ShowLayout();
    void SetColumnCount(int count);

    EditorHost& m_host;
    PageDialogs& m_dialogs;
    Form* m_form = nullptr;
    ControlStates m_states;
    std::vector<ListRow> m_fileRows;
    int m_selectedFile = -1;
};
