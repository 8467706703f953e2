#pragma once

#include "controls/CellListCtrl.h"
#include "controls/RichToolTipCtrl.h"
#include "controls/TabCtrl.h"
#include "editors/ControlStatesView.h"
#include "editors/logic/ControlPropertiesEditor.h"
#include "platform/ui/Dialog.h"

class FieldRepPropertiesDlg;
class ForgeonProject;

// The sub-dialogs of the control properties: "Assign Function" and "Linkcontrols for field".
class ViewControlPropertiesHost final : public ControlPropertiesHost
{
public:
    ViewControlPropertiesHost(ForgeonProject& project, CWnd* parent)
        : m_project(project), m_parent(parent)
    {
    }

    ClassInvokation* AssignFunction(FormInterface& page, ClassInvokation* current) override;
    void EditFieldLinks(FieldRep& control, FormInterface& page) override;

private:
    ForgeonProject& m_project;
    CWnd* m_parent;
};

// "Control properties" over a ControlPropertiesEditor: a modal dialog, or the page of a
// FieldRepPropertiesDlg (its owner).
class FieldRepDlg : public CDialog
{
public:
    static constexpr UINT IDD = ControlPropertiesEditor::IDD;

    FieldRepDlg(ForgeonProject& project, FormInterface& page, FieldRep& control,
                FieldRepPropertiesDlg* owner = nullptr, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    // A page hands Escape to its owner.
    void OnCancel() override;
    int AskAboutChanges() override;
    ControlPropertiesEditor& Editor() { return m_editor; }
    // The owner's OK: the controls read and written back; false keeps the owner open.
    bool WriteBack();

private:
    void Run(void (ControlPropertiesEditor::*command)());
    bool ReadControls();
    void Show();
    void OnKindChange();
    void OnEventChange();
    void OnAddRecompute();
    void OnRemoveRecompute();
    void OnRemoveLink();
    void OnAdvanced();
    void OnRecomputeSelected(int row);
    void OnLinkSelected(int row);
    LRESULT OnCollapse(WPARAM, LPARAM);
    // Hides or shows the part below "Advanced>>"; a hosted page lets its owner fit it.
    void ShowAdvanced();

    ViewControlPropertiesHost m_host;
    ControlPropertiesEditor m_editor;
    FieldRepPropertiesDlg* m_owner;
    ControlStatesView m_view;
    CCellListCtrl m_recomputes;
    CCellListCtrl m_links;
    CRichToolTipCtrl m_toolTips;
    int m_clickedRecompute = -1;
    int m_clickedLink = -1;
};

// The tab control of "Manage Control Settings": one "Control Properties" page.
class FieldRepTabCtrl : public TabCtrl
{
public:
    explicit FieldRepTabCtrl(FieldRepPropertiesDlg& owner) : m_owner(owner) {}

    void InitPages() override;
    // The page, once created.
    FieldRepDlg* GetFieldRepPage() const;

protected:
    void OnPageSelected(CWnd* page) override;

private:
    FieldRepPropertiesDlg& m_owner;
};

// "Manage Control Settings": the control properties as a tab page; OK closes only after the
// page's write-back succeeded.
class FieldRepPropertiesDlg : public CDialog
{
public:
    static constexpr UINT IDD = 233;
    static constexpr int IDC_TABS = 1000;
    static constexpr int IDC_HELP_BUTTON = 1734;

    FieldRepPropertiesDlg(ForgeonProject& project, FormInterface& page, FieldRep& control,
                          CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;
    // Public for the page, which hands Escape to its owner.
    void OnCancel() override { CDialog::OnCancel(); }
    // The page's question.
    int AskAboutChanges() override;
    FieldRepTabCtrl& Tabs() { return m_tabs; }
    // The tab control and the window grow or shrink to the page's size.
    void FitPage();

private:
    friend class FieldRepTabCtrl;

    ForgeonProject& m_project;
    FormInterface& m_page;
    FieldRep& m_control;
    FieldRepTabCtrl m_tabs;
};
