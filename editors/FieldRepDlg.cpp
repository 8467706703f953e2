#include "editors/FieldRepDlg.h"

#include "editors/AdvancedArea.h"
#include "editors/AssignFunctionDlg.h"
#include "editors/ContextHelp.h"
#include "editors/LinkDialogs.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ListCtrl.h"

#include <QLayout>
#include <QWidget>

#include <algorithm>

namespace
{
using E = ControlPropertiesEditor;

// Constructed after the set-up: the part below "Advanced>>" is hidden once the dialog is laid
// out at its size.
constexpr UINT WM_COLLAPSE = WM_USER + 0x156;

// Labels that are shown and hidden with their boxes.
constexpr int MaxLengthLabel = 2101;
constexpr int WidthLabel = 2102;
constexpr int RowsLabel = 2103;
constexpr int ColumnsLabel = 2104;
constexpr int ValuesLabel = 2105;
constexpr int DisplayLabel = 2106;
constexpr int FrontLabel = 2107;
constexpr int BackLabel = 2108;
constexpr int EventsLabel = 2110;
constexpr int CandidatesLabel = 2111;

// The part below "Advanced>>", the lowest control last.
const std::vector<int> advancedArea = {
    E::AssignFunctionButton,
    E::RemoveFunctionButton,
    E::FunctionLabel,
    FrontLabel,
    E::FrontCombo,
    BackLabel,
    E::BackCombo,
    E::LinkList,
    E::AssignLinkButton,
    E::RemoveLinkButton,
    EventsLabel,
    E::EventCombo,
    CandidatesLabel,
    E::CandidateCombo,
    E::AddRecomputeButton,
    E::RemoveRecomputeButton,
    E::RecomputeList,
};

DialogControl Hidden(int id, ControlKind kind, const char* caption)
{
    return {id, kind, caption, /*hidden=*/true};
}

const DialogTemplateRegistration fieldRepTemplates{
    {
        E::IDD,
        "Control properties",
        {
            {0, ControlKind::Static, "Caption"},
            {E::CaptionBox, ControlKind::Edit, ""},
            {E::CompulsoryCheck, ControlKind::CheckBox, "Compulsary Field"},
            {E::SeparateRowCheck, ControlKind::CheckBox, "Place on seperate row"},
            {0, ControlKind::Static, "Control Type"},
            {E::KindCombo, ControlKind::ComboBox, ""},
            {MaxLengthLabel, ControlKind::Static, "Max Length"},
            {E::MaxLengthBox, ControlKind::Edit, ""},
            {WidthLabel, ControlKind::Static, "Width"},
            {E::WidthBox, ControlKind::Edit, ""},
            {RowsLabel, ControlKind::Static, "Rows"},
            {E::RowsBox, ControlKind::Edit, ""},
            {ColumnsLabel, ControlKind::Static, "Columns"},
            {E::ColumnsBox, ControlKind::Edit, ""},
            {ValuesLabel, ControlKind::Static, "Radio Values"},
            {E::ValueStringsBox, ControlKind::Edit, ""},
            {DisplayLabel, ControlKind::Static, "Radio display"},
            {E::DisplayStringsBox, ControlKind::Edit, ""},
            {IDOK, ControlKind::DefPushButton, "OK"},
            {E::HelpButton, ControlKind::PushButton, "Help"},
            {E::AdvancedButton, ControlKind::PushButton, "Advanced>>"},
            {E::AssignFunctionButton, ControlKind::PushButton, "Assign Function"},
            {E::RemoveFunctionButton, ControlKind::PushButton, "Remove Function"},
            {E::FunctionLabel, ControlKind::Static, "Function not assigned.", false, false, 260},
            {FrontLabel, ControlKind::Static, "Front Field"},
            {E::FrontCombo, ControlKind::ComboBox, ""},
            {BackLabel, ControlKind::Static, "Back Field"},
            {E::BackCombo, ControlKind::ComboBox, ""},
            {E::LinkList, ControlKind::ListCtrl, "", false, false, 300, 80},
            {E::AssignLinkButton, ControlKind::PushButton, "Assign Link"},
            {E::RemoveLinkButton, ControlKind::PushButton, "Remove Link"},
            {EventsLabel, ControlKind::Static, "Events"},
            {E::EventCombo, ControlKind::ComboBox, ""},
            {CandidatesLabel, ControlKind::Static, "Recompute"},
            {E::CandidateCombo, ControlKind::ComboBox, ""},
            {E::AddRecomputeButton, ControlKind::PushButton, ">"},
            {E::RemoveRecomputeButton, ControlKind::PushButton, "<"},
            {E::RecomputeList, ControlKind::ListCtrl, "", false, false, 300, 100},
            Hidden(2120, ControlKind::Static, "Selected Field"),
            Hidden(2121, ControlKind::PushButton, "Update"),
            Hidden(2122, ControlKind::Static, "Range"),
            Hidden(1052, ControlKind::Edit, ""),
            Hidden(2123, ControlKind::Static, "Variable"),
            Hidden(2124, ControlKind::Static, "Field Representation Data"),
            Hidden(2125, ControlKind::ComboBox, ""),
            Hidden(2126, ControlKind::Static, "Input Variables"),
            Hidden(2127, ControlKind::PushButton, "Assign Variable"),
            Hidden(2128, ControlKind::CheckBox, "Select All as default caption for combobox"),
            Hidden(2129, ControlKind::CheckBox, "None as default caption for combobox"),
            Hidden(1643, ControlKind::CheckBox, "Internal Search"),
            Hidden(2130, ControlKind::PushButton, "Map Ref Field"),
            Hidden(2131, ControlKind::PushButton, "AssignRecomputeProcedure"),
            Hidden(2132, ControlKind::PushButton, "RemoveRecomputeProcedure"),
        },
        0,
        Lay::Column({
            Lay::Row({Lay::Field(E::CaptionBox), Lay::Control(E::CompulsoryCheck),
                      Lay::Control(E::SeparateRowCheck)}),
            Lay::Field(E::KindCombo),
            Lay::Row({Lay::Field(E::MaxLengthBox), Lay::Field(E::WidthBox), Lay::Field(E::RowsBox),
                      Lay::Field(E::ColumnsBox)}),
            Lay::Row({Lay::Field(E::ValueStringsBox), Lay::Field(E::DisplayStringsBox)}),
            Lay::Buttons({IDOK, E::HelpButton, E::AdvancedButton}),
            Lay::Row({Lay::Control(E::AssignFunctionButton), Lay::Control(E::RemoveFunctionButton),
                      Lay::Control(E::FunctionLabel)}),
            Lay::Row({Lay::Field(E::FrontCombo), Lay::Field(E::BackCombo)}),
            Lay::Row({Lay::Control(E::LinkList),
                      Lay::ButtonColumn({E::AssignLinkButton, E::RemoveLinkButton})}),
            Lay::Row({Lay::Field(E::EventCombo), Lay::Field(E::CandidateCombo),
                      Lay::ButtonColumn({E::AddRecomputeButton, E::RemoveRecomputeButton})}),
            Lay::Control(E::RecomputeList),
            Lay::Row({Lay::Control(2120), Lay::Control(2121), Lay::Field(1052), Lay::Control(2123),
                      Lay::Control(2124), Lay::Control(2125), Lay::Control(2126),
                      Lay::Control(2127), Lay::Control(2128), Lay::Control(2129),
                      Lay::Control(1643), Lay::Control(2130), Lay::Control(2131),
                      Lay::Control(2132)}),
        }),
    },
    {
        FieldRepPropertiesDlg::IDD,
        "Manage Control Settings",
        {
            {FieldRepPropertiesDlg::IDC_TABS, ControlKind::TabCtrl, ""},
            {IDOK, ControlKind::DefPushButton, "OK"},
            {FieldRepPropertiesDlg::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
        },
        0,
        Lay::Column({
            Lay::Control(FieldRepPropertiesDlg::IDC_TABS),
            Lay::Buttons({IDOK, FieldRepPropertiesDlg::IDC_HELP_BUTTON}),
        }),
    },
};

int SelectionOf(const CWnd& dialog, int id)
{
    const auto* combo = dynamic_cast<const CComboBox*>(dialog.GetDlgItem(id));
    return combo != nullptr ? combo->GetCurSel() : -1;
}
} // namespace

ClassInvokation* ViewControlPropertiesHost::AssignFunction(FormInterface& page,
                                                           ClassInvokation* current)
{
    AssignFunctionDlg dialog(m_project, page, current, true, m_parent);
    if (dialog.DoModal() != IDOK)
        return nullptr;
    return current != nullptr ? current : dialog.TakeCreatedInvokation();
}

void ViewControlPropertiesHost::EditFieldLinks(FieldRep& control, FormInterface& page)
{
    FieldLinkControlDlg dialog(m_project, control, page, m_parent);
    dialog.DoModal();
}

FieldRepDlg::FieldRepDlg(ForgeonProject& project, FormInterface& page, FieldRep& control,
                         FieldRepPropertiesDlg* owner, CWnd* parent)
    : CDialog(IDD, parent), m_host(project, this), m_editor(page, control, &m_host), m_owner(owner),
      m_view(*this)
{
    MapControlRange(BN_CLICKED, E::CompulsoryCheck, E::CompulsoryCheck,
                    [this] { Run(&E::ToggleCompulsory); });
    MapControlRange(BN_CLICKED, E::SeparateRowCheck, E::SeparateRowCheck,
                    [this] { ReadControls(); });
    MapControlRange(CBN_SELCHANGE, E::KindCombo, E::KindCombo, [this] { OnKindChange(); });
    MapControlRange(BN_CLICKED, E::AssignFunctionButton, E::AssignFunctionButton,
                    [this] { Run(&E::AssignFunction); });
    MapControlRange(BN_CLICKED, E::RemoveFunctionButton, E::RemoveFunctionButton,
                    [this] { Run(&E::RemoveFunction); });
    MapControlRange(BN_CLICKED, E::AssignLinkButton, E::AssignLinkButton,
                    [this] { Run(&E::AssignLink); });
    MapControlRange(BN_CLICKED, E::RemoveLinkButton, E::RemoveLinkButton,
                    [this] { OnRemoveLink(); });
    MapControlRange(CBN_SELCHANGE, E::EventCombo, E::EventCombo, [this] { OnEventChange(); });
    MapControlRange(BN_CLICKED, E::AddRecomputeButton, E::AddRecomputeButton,
                    [this] { OnAddRecompute(); });
    MapControlRange(BN_CLICKED, E::RemoveRecomputeButton, E::RemoveRecomputeButton,
                    [this] { OnRemoveRecompute(); });
    MapControlRange(BN_CLICKED, E::AdvancedButton, E::AdvancedButton, [this] { OnAdvanced(); });
    MapControlRange(BN_CLICKED, E::HelpButton, E::HelpButton,
                    [this] { ShowContextHelp(this, IDD); });
    MapNotify(NM_CLICK, E::RecomputeList, &FieldRepDlg::OnRecomputeClick);
    MapNotify(NM_CLICK, E::LinkList, &FieldRepDlg::OnLinkClick);
    MapMessage(WM_COLLAPSE, &FieldRepDlg::OnCollapse);
}

BOOL FieldRepDlg::OnInitDialog()
{
    if (m_owner != nullptr)
    {
        // A page inside the owner's tab control.
        ModifyStyle(0, WS_CHILD);
        GetSafeHwnd()->setWindowFlags(Qt::Widget);
    }
    CDialog::OnInitDialog();
    m_recomputes.SubclassDlgItem(E::RecomputeList, this);
    m_links.SubclassDlgItem(E::LinkList, this);
    SetListColumns(m_recomputes, E::GetRecomputeColumns());
    SetListColumns(m_links, E::GetLinkColumns());
    m_editor.Load();
    Show();
    SetWindowText(m_editor.GetTitle());
    m_toolTips.Create(this);
    AddToolTips(m_toolTips, *this, E::GetToolTips());
    PostMessage(WM_COLLAPSE);
    return TRUE;
}

void FieldRepDlg::DoDataExchange(CDataExchange* pDX)
{
    // The controls show the editor's state; only the typed values are read.
    if (!pDX->m_bSaveAndValidate)
        return;
    DDX_Text(pDX, E::CaptionBox, m_editor.caption);
    DDX_Text(pDX, E::DisplayStringsBox, m_editor.displayStrings);
    DDX_Text(pDX, E::ValueStringsBox, m_editor.valueStrings);
    DDX_Text(pDX, E::MaxLengthBox, m_editor.maxLength);
    DDX_Text(pDX, E::WidthBox, m_editor.width);
    DDX_Text(pDX, E::RowsBox, m_editor.rows);
    DDX_Text(pDX, E::ColumnsBox, m_editor.columns);
    int separate = 0;
    DDX_Check(pDX, E::SeparateRowCheck, separate);
    m_editor.separateRow = separate != 0;
}

bool FieldRepDlg::ReadControls()
{
    if (!UpdateData(TRUE))
        return false;
    m_editor.frontSelection = SelectionOf(*this, E::FrontCombo);
    m_editor.backSelection = SelectionOf(*this, E::BackCombo);
    m_editor.candidateSelection = SelectionOf(*this, E::CandidateCombo);
    return true;
}

void FieldRepDlg::Show()
{
    const ControlStates states = m_editor.GetStates();
    m_view.Show(states);
    const auto show = [this](std::initializer_list<int> ids, bool shown)
    {
        for (int id : ids)
            GetDlgItem(id)->ShowWindow(shown ? SW_SHOW : SW_HIDE);
    };
    show({MaxLengthLabel, E::MaxLengthBox, WidthLabel, E::WidthBox}, m_editor.ShowsTextBoxSizes());
    show({RowsLabel, E::RowsBox, ColumnsLabel, E::ColumnsBox}, m_editor.ShowsTextAreaSizes());
    show({ValuesLabel, E::ValueStringsBox, DisplayLabel, E::DisplayStringsBox},
         m_editor.ShowsRadioValues());
    ShowListRows(m_recomputes, m_editor.GetRecomputeListRows());
    ShowListRows(m_links, m_editor.GetLinkListRows());
}

void FieldRepDlg::Run(void (ControlPropertiesEditor::*command)())
{
    if (!ReadControls())
        return;
    (m_editor.*command)();
    Show();
}

void FieldRepDlg::OnKindChange()
{
    if (!ReadControls())
        return;
    m_editor.SelectKind(SelectionOf(*this, E::KindCombo));
    Show();
    // The kind's boxes change the height of the part above the button.
    ShowAdvanced();
}

void FieldRepDlg::OnEventChange()
{
    if (!ReadControls())
        return;
    m_editor.SelectEventItem(SelectionOf(*this, E::EventCombo));
    m_clickedRecompute = -1;
    Show();
}

void FieldRepDlg::OnAddRecompute()
{
    if (!ReadControls())
        return;
    m_editor.AddRecompute(m_editor.candidateSelection);
    Show();
}

void FieldRepDlg::OnRemoveRecompute()
{
    if (!ReadControls())
        return;
    m_editor.RemoveRecompute(m_clickedRecompute);
    m_clickedRecompute = -1;
    Show();
}

void FieldRepDlg::OnRemoveLink()
{
    if (!ReadControls())
        return;
    m_editor.RemoveLink(m_clickedLink);
    m_clickedLink = -1;
    Show();
}

void FieldRepDlg::OnRecomputeClick(NMHDR* header, LRESULT* result)
{
    m_clickedRecompute = ClickedRow(header);
    *result = 0;
}

void FieldRepDlg::OnLinkClick(NMHDR* header, LRESULT* result)
{
    m_clickedLink = ClickedRow(header);
    *result = 0;
}

void FieldRepDlg::OnAdvanced()
{
    if (!ReadControls())
        return;
    m_editor.ToggleAdvanced();
    Show();
    ShowAdvanced();
}

void FieldRepDlg::ShowAdvanced()
{
    ShowAdvancedArea(*this, advancedArea, E::AdvancedButton, m_editor.IsAdvancedShown());
    if (m_owner != nullptr)
        m_owner->FitPage();
}

LRESULT FieldRepDlg::OnCollapse(WPARAM, LPARAM)
{
    ShowAdvanced();
    return 0;
}

bool FieldRepDlg::WriteBack()
{
    return ReadControls() && m_editor.WriteBack();
}

void FieldRepDlg::OnOK()
{
    if (!ReadControls() || !m_editor.Ok(m_owner != nullptr))
        return;
    if (m_owner != nullptr)
        m_owner->EndDialog(IDOK);
    else
        EndDialog(IDOK);
}

void FieldRepDlg::OnCancel()
{
    if (m_owner != nullptr)
        m_owner->EndDialog(IDCANCEL);
    else
        EndDialog(IDCANCEL);
}

void FieldRepTabCtrl::InitPages()
{
    auto page = std::make_unique<FieldRepDlg>(m_owner.m_project, m_owner.m_page, m_owner.m_control,
                                              &m_owner, this);
    page->Create(FieldRepDlg::IDD, this);
    AddPage("Control Properties", std::move(page));
    LayoutPages();
}

FieldRepDlg* FieldRepTabCtrl::GetFieldRepPage() const
{
    return dynamic_cast<FieldRepDlg*>(GetPage(0));
}

void FieldRepTabCtrl::OnPageSelected(CWnd*) {}

FieldRepPropertiesDlg::FieldRepPropertiesDlg(ForgeonProject& project, FormInterface& page,
                                             FieldRep& control, CWnd* parent)
    : CDialog(IDD, parent), m_project(project), m_page(page), m_control(control), m_tabs(*this)
{
    MapControlRange(BN_CLICKED, IDC_HELP_BUTTON, IDC_HELP_BUTTON,
                    [this] { ShowContextHelp(this, IDD); });
}

BOOL FieldRepPropertiesDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_tabs.SubclassDlgItem(IDC_TABS, this);
    m_tabs.InitPages();
    FitPage();
    return TRUE;
}

void FieldRepPropertiesDlg::FitPage()
{
    FieldRepDlg* page = m_tabs.GetFieldRepPage();
    if (page == nullptr || page->GetSafeHwnd() == nullptr)
        return;
    CRect pageRect;
    page->GetWindowRect(&pageRect);
    m_tabs.ScreenToClient(&pageRect);
    // The page keeps the width its controls ask for.
    const int width = std::max(pageRect.Width(), page->GetSafeHwnd()->sizeHint().width());
    if (width != pageRect.Width())
    {
        page->SetWindowPos(nullptr, 0, 0, width, pageRect.Height(), SWP_NOMOVE | SWP_NOZORDER);
        pageRect.right = pageRect.left + width;
    }
    // The tab control holds the page below its tabs with a small frame.
    m_tabs.GetSafeHwnd()->setFixedSize(pageRect.right + 4, pageRect.bottom + 4);
    if (QLayout* layout = GetSafeHwnd()->layout())
    {
        layout->invalidate();
        layout->activate();
        CRect window;
        GetWindowRect(&window);
        SetWindowPos(nullptr, 0, 0, std::max(window.Width(), layout->minimumSize().width()),
                     layout->minimumSize().height(), SWP_NOMOVE | SWP_NOZORDER);
    }
}

void FieldRepPropertiesDlg::OnOK()
{
    FieldRepDlg* page = m_tabs.GetFieldRepPage();
    if (page != nullptr && !page->WriteBack())
        return;
    EndDialog(IDOK);
}
