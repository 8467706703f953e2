#pragma once

#include "controls/CellListCtrl.h"
#include "controls/RichToolTipCtrl.h"
#include "controls/TreeControl.h"
#include "editors/ControlStatesView.h"
#include "editors/MenuDlg.h"
#include "editors/logic/LinkEditors.h"
#include "platform/ui/Dialog.h"

#include <memory>

// "Select menu for link" over a MenuPicker.
class SelectMenuForLinkDlg : public CDialog
{
public:
    static constexpr UINT IDD = MenuPicker::IDD;

    SelectMenuForLinkDlg(const ForgeonProject& project, Menu* chosen, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    // The choice however the dialog was closed.
    Menu* GetChosen() const { return m_picker.GetChosen(); }

private:
    void Run(void (MenuPicker::*command)());
    void OnSelChanged(NMHDR* header, LRESULT* result);

    MenuPicker m_picker;
    ControlStatesView m_view;
    TreeControl m_tree;
    MenuTreeView m_treeView;
    CRichToolTipCtrl m_toolTips;
};

// What the page and the field link dialogs share: the lists, the editor, and the parameter area
// that "Advanced>>" shows and hides by moving the dialog's bottom edge.
class LinkDialogView : public CDialog
{
public:
    BOOL OnInitDialog() override;
    // Enter in the value box runs Add/Update.
    BOOL PreTranslateMessage(MSG* msg) override;
    LinkEditor& Editor() { return *m_editor; }

protected:
    LinkDialogView(UINT templateId, CWnd* parent, std::unique_ptr<LinkEditor> editor,
                   const std::vector<ListColumn>& linkColumns, const std::vector<ToolTip>& toolTips,
                   int moveUp);
    // Opens the picker of the project on the link's target and hands back its choice.
    static ChooseLinkMenu PickerFor(const ForgeonProject& project, CWnd* owner);

    void Run(void (LinkEditor::*command)());
    // The row of a list notification.
    static int RowOf(NMHDR* header);
    void Show();
    virtual void ReadControls();
    // OK and Escape ask about a display name typed and not added.
    bool MayClose() override;

    ControlStatesView m_view;

private:
    void OnLinkSelected(int row);
    void OnMenuVariableSelected(int row);
    void OnFormVariableSelected(int row);
    void OnAdvanced();
    void OnHelp();
    LRESULT OnCollapse(WPARAM, LPARAM);
    // Shows or hides the parameter area; the bottom edge lies 10 pixels below list 1538 or
    // below the "Advanced>>" button.
    void ShowParameterArea(bool shown);

    std::unique_ptr<LinkEditor> m_editor;
    const std::vector<ListColumn>& m_linkColumns;
    const std::vector<ToolTip>& m_toolTipTable;
    int m_moveUp;
    CCellListCtrl m_links;
    CCellListCtrl m_menuVariables;
    CCellListCtrl m_formVariables;
    CRichToolTipCtrl m_toolTips;
};

// "Linkcontrols for form": the pre-links and post-links of a page.
class LinkControlDlg : public LinkDialogView
{
public:
    static constexpr UINT IDD = PageLinkEditor::IDD;

    LinkControlDlg(ForgeonProject& project, FormInterface& page, CWnd* parent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    int AskAboutChanges() override;

protected:
    // The column counts typed are kept when the editor's state is shown again.
    void ReadControls() override;

private:
    PageLinkEditor& PageEditor() { return static_cast<PageLinkEditor&>(Editor()); }
    void OnPlacement(bool preLink);

    int m_preColumns;
    int m_postColumns;
};

// "Linkcontrols for field": the links of one control of a page.
class FieldLinkControlDlg : public LinkDialogView
{
public:
    static constexpr UINT IDD = FieldLinkEditor::IDD;

    FieldLinkControlDlg(ForgeonProject& project, FieldRep& control, FormInterface& page,
                        CWnd* parent = nullptr);

private:
    void OnLinkDoubleClick(NMHDR* header, LRESULT* result);
};
