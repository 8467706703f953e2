#include "editors/FieldRepDlg.h"

#include "editors/AdvancedArea.h"
#include "editors/AssignFunctionDlg.h"
#include "editors/ContextHelp.h"
#include "editors/DialogParts.h"
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

// Constructed after the set-up: the part below "Advanced>>" is hidden once the dialog is laid
// out at its size.
constexpr UINT WM_COLLAPSE_PROPERTIES = WM_USER + 0x156;

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
    ControlPropertiesEditor::AssignFunctionButton,
    ControlPropertiesEditor::RemoveFunctionButton,
    ControlPropertiesEditor::FunctionLabel,
    FrontLabel,
    ControlPropertiesEditor::FrontCombo,
    BackLabel,
    ControlPropertiesEditor::BackCombo,
    ControlPropertiesEditor::LinkList,
    ControlPropertiesEditor::AssignLinkButton,
    ControlPropertiesEditor::RemoveLinkButton,
    EventsLabel,
    ControlPropertiesEditor::EventCombo,
    CandidatesLabel,
    ControlPropertiesEditor::CandidateCombo,
    ControlPropertiesEditor::AddRecomputeButton,
    ControlPropertiesEditor::RemoveRecomputeButton,
    ControlPropertiesEditor::RecomputeList,
};

const DialogTemplateRegistration fieldRepTemplates{
    {
        ControlPropertiesEditor::IDD,
        "Control properties",
        {
            {0, ControlKind::Static, "Caption"},
            {ControlPropertiesEditor::CaptionBox, ControlKind::Edit, ""},
            {ControlPropertiesEditor::CompulsoryCheck, ControlKind::CheckBox, "Compulsary Field"},
            {ControlPropertiesEditor::SeparateRowCheck, ControlKind::CheckBox,
             "Place on seperate row"},
            {0, ControlKind::Static, "Control Type"},
            {ControlPropertiesEditor::KindCombo, ControlKind::ComboBox, ""},
            {MaxLengthLabel, ControlKind::Static, "Max Length"},
            {ControlPropertiesEditor::MaxLengthBox, ControlKind::Edit, ""},
            {WidthLabel, ControlKind::Static, "Width"},
            {ControlPropertiesEditor::WidthBox, ControlKind::Edit, ""},
            {RowsLabel, ControlKind::Static, "Rows"},
            {ControlPropertiesEditor::RowsBox, ControlKind::Edit, ""},
            {ColumnsLabel, ControlKind::Static, "Columns"},
            {ControlPropertiesEditor::ColumnsBox, ControlKind::Edit, ""},
            {ValuesLabel, ControlKind::Static, "Radio Values"},
            {ControlPropertiesEditor::ValueStringsBox, ControlKind::Edit, ""},
            {DisplayLabel, ControlKind::Static, "Radio display"},
            {ControlPropertiesEditor::DisplayStringsBox, ControlKind::Edit, ""},
            {IDOK, ControlKind::DefPushButton, "OK"},
            {ControlPropertiesEditor::HelpButton, ControlKind::PushButton, "Help"},
            {ControlPropertiesEditor::AdvancedButton, ControlKind::PushButton, "Advanced>>"},
            {ControlPropertiesEditor::AssignFunctionButton, ControlKind::PushButton,
             "Assign Function"},
            {ControlPropertiesEditor::RemoveFunctionButton, ControlKind::PushButton,
             "Remove Function"},
            {ControlPropertiesEditor::FunctionLabel, ControlKind::Static, "Function not assigned.",
             false, false, 260},
            {FrontLabel, ControlKind::Static, "Front Field"},
            {ControlPropertiesEditor::FrontCombo, ControlKind::ComboBox, ""},
            {BackLabel, ControlKind::Static, "Back Field"},
            {ControlPropertiesEditor::BackCombo, ControlKind::ComboBox, ""},
            {ControlPropertiesEditor::LinkList, ControlKind::ListCtrl, "", false, false, 300, 80},
            {ControlPropertiesEditor::AssignLinkButton, ControlKind::PushButton, "Assign Link"},
            {ControlPropertiesEditor::RemoveLinkButton, ControlKind::PushButton, "Remove Link"},
            {EventsLabel, ControlKind::Static, "Events"},
            {ControlPropertiesEditor::EventCombo, ControlKind::ComboBox, ""},
            {CandidatesLabel, ControlKind::Static, "Recompute"},
            {ControlPropertiesEditor::CandidateCombo, ControlKind::ComboBox, ""},
            {ControlPropertiesEditor::AddRecomputeButton, ControlKind::PushButton, ">"},
            {ControlPropertiesEditor::RemoveRecomputeButton, ControlKind::PushButton, "<"},
            {ControlPropertiesEditor::RecomputeList, ControlKind::ListCtrl, "", false, false, 300,
             100},
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
            Lay::Row({Lay::Field(ControlPropertiesEditor::CaptionBox),
                      Lay::Control(ControlPropertiesEditor::CompulsoryCheck),
                      Lay::Control(ControlPropertiesEditor::SeparateRowCheck)}),
            Lay::Field(ControlPropertiesEditor::KindCombo),
            Lay::Row({Lay::Field(ControlPropertiesEditor::MaxLengthBox),
                      Lay::Field(ControlPropertiesEditor::WidthBox),
                      Lay::Field(ControlPropertiesEditor::RowsBox),
                      Lay::Field(ControlPropertiesEditor::ColumnsBox)}),
            Lay::Row({Lay::Field(ControlPropertiesEditor::ValueStringsBox),
                      Lay::Field(ControlPropertiesEditor::DisplayStringsBox)}),
            Lay::Buttons({IDOK, ControlPropertiesEditor::HelpButton,
                          ControlPropertiesEditor::AdvancedButton}),
            Lay::Row({Lay::Control(ControlPropertiesEditor::AssignFunctionButton),
                      Lay::Control(ControlPropertiesEditor::RemoveFunctionButton),
                      Lay::Control(ControlPropertiesEditor::FunctionLabel)}),
            Lay::Row({Lay::Field(ControlPropertiesEditor::FrontCombo),
                      Lay::Field(ControlPropertiesEditor::BackCombo)}),
            Lay::Row({Lay::Control(ControlPropertiesEditor::LinkList),
                      Lay::ButtonColumn({ControlPropertiesEditor::AssignLinkButton,
                                         ControlPropertiesEditor::RemoveLinkButton})}),
            Lay::Row({Lay::Field(ControlPropertiesEditor::EventCombo),
                      Lay::Field(ControlPropertiesEditor::CandidateCombo),
                      Lay::ButtonColumn({ControlPropertiesEditor::AddRecomputeButton,
                                         ControlPropertiesEditor::RemoveRecomputeButton})}),
            Lay::Control(ControlPropertiesEditor::RecomputeList),
            Lay::Row({Lay::Control(2120), Lay::Control(2121), Lay::Field(1052), Lay::Control(2123),
                      Lay::Control(2124), Lay::Control(2125), Lay::Control(2126),
                      Lay::Control(2127), Lay::Control(2128), Lay::Control(2129),
                      Lay::Control(1643), Lay::Control(2130), Lay::Control(2131),
                      Lay::Control(2132)}),
        }),
        {{.list = ControlPropertiesEditor::LinkList,
          .remove = ControlPropertiesEditor::RemoveLinkButton,
          .nameColumn = 1},
         {.list = ControlPropertiesEditor::RecomputeList,
          .remove = ControlPropertiesEditor::RemoveRecomputeButton,
          .nameColumn = 1}},
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
    MapControlRange(BN_CLICKED, ControlPropertiesEditor::CompulsoryCheck,
                    ControlPropertiesEditor::CompulsoryCheck,
                    [this] { Run(&ControlPropertiesEditor::ToggleCompulsory); });
    MapControlRange(BN_CLICKED, ControlPropertiesEditor::SeparateRowCheck,
                    ControlPropertiesEditor::SeparateRowCheck, [this] { ReadControls(); });
    MapControlRange(CBN_SELCHANGE, ControlPropertiesEditor::KindCombo,
                    ControlPropertiesEditor::KindCombo, [this] { OnKindChange(); });
    MapControlRange(BN_CLICKED, ControlPropertiesEditor::AssignFunctionButton,
                    ControlPropertiesEditor::AssignFunctionButton,
                    [this] { Run(&ControlPropertiesEditor::AssignFunction); });
    MapControlRange(BN_CLICKED, ControlPropertiesEditor::RemoveFunctionButton,
                    ControlPropertiesEditor::RemoveFunctionButton,
                    [this] { Run(&ControlPropertiesEditor::RemoveFunction); });
    MapControlRange(BN_CLICKED, ControlPropertiesEditor::AssignLinkButton,
                    ControlPropertiesEditor::AssignLinkButton,
                    [this] { Run(&ControlPropertiesEditor::AssignLink); });
    MapControlRange(BN_CLICKED, ControlPropertiesEditor::RemoveLinkButton,
                    ControlPropertiesEditor::RemoveLinkButton, [this] { OnRemoveLink(); });
    MapControlRange(CBN_SELCHANGE, ControlPropertiesEditor::EventCombo,
                    ControlPropertiesEditor::EventCombo, [this] { OnEventChange(); });
    MapControlRange(BN_CLICKED, ControlPropertiesEditor::AddRecomputeButton,
                    ControlPropertiesEditor::AddRecomputeButton, [this] { OnAddRecompute(); });
    MapControlRange(BN_CLICKED, ControlPropertiesEditor::RemoveRecomputeButton,
                    ControlPropertiesEditor::RemoveRecomputeButton,
                    [this] { OnRemoveRecompute(); });
    MapControlRange(BN_CLICKED, ControlPropertiesEditor::AdvancedButton,
                    ControlPropertiesEditor::AdvancedButton, [this] { OnAdvanced(); });
    MapControlRange(BN_CLICKED, ControlPropertiesEditor::HelpButton,
                    ControlPropertiesEditor::HelpButton, [this] { ShowContextHelp(this, IDD); });
    MapRowSelection(ControlPropertiesEditor::RecomputeList, &FieldRepDlg::OnRecomputeSelected);
    MapRowSelection(ControlPropertiesEditor::LinkList, &FieldRepDlg::OnLinkSelected);
    MapMessage(WM_COLLAPSE_PROPERTIES, &FieldRepDlg::OnCollapse);
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
    m_recomputes.SubclassDlgItem(ControlPropertiesEditor::RecomputeList, this);
    m_links.SubclassDlgItem(ControlPropertiesEditor::LinkList, this);
    SetListColumns(m_recomputes, ControlPropertiesEditor::GetRecomputeColumns());
    SetListColumns(m_links, ControlPropertiesEditor::GetLinkColumns());
    m_editor.Load();
    Show();
    SetWindowText(m_editor.GetTitle());
    m_toolTips.Create(this);
    AddToolTips(m_toolTips, *this, ControlPropertiesEditor::GetToolTips());
    PostMessage(WM_COLLAPSE_PROPERTIES);
    return TRUE;
}

void FieldRepDlg::DoDataExchange(CDataExchange* pDX)
{
    // The controls show the editor's state; only the typed values are read.
    if (!pDX->m_bSaveAndValidate)
        return;
    DDX_Text(pDX, ControlPropertiesEditor::CaptionBox, m_editor.caption);
    DDX_Text(pDX, ControlPropertiesEditor::DisplayStringsBox, m_editor.displayStrings);
    DDX_Text(pDX, ControlPropertiesEditor::ValueStringsBox, m_editor.valueStrings);
    DDX_Text(pDX, ControlPropertiesEditor::MaxLengthBox, m_editor.maxLength);
    DDX_Text(pDX, ControlPropertiesEditor::WidthBox, m_editor.width);
    DDX_Text(pDX, ControlPropertiesEditor::RowsBox, m_editor.rows);
    DDX_Text(pDX, ControlPropertiesEditor::ColumnsBox, m_editor.columns);
    int separate = 0;
    DDX_Check(pDX, ControlPropertiesEditor::SeparateRowCheck, separate);
    m_editor.separateRow = separate != 0;
}

bool FieldRepDlg::ReadControls()
{
    if (!UpdateData(TRUE))
        return false;
    m_editor.frontSelection = SelectionOf(*this, ControlPropertiesEditor::FrontCombo);
    m_editor.backSelection = SelectionOf(*this, ControlPropertiesEditor::BackCombo);
    m_editor.candidateSelection = SelectionOf(*this, ControlPropertiesEditor::CandidateCombo);
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
    show({MaxLengthLabel, ControlPropertiesEditor::MaxLengthBox, WidthLabel,
          ControlPropertiesEditor::WidthBox},
         m_editor.ShowsTextBoxSizes());
    show({RowsLabel, ControlPropertiesEditor::RowsBox, ColumnsLabel,
          ControlPropertiesEditor::ColumnsBox},
         m_editor.ShowsTextAreaSizes());
    show({ValuesLabel, ControlPropertiesEditor::ValueStringsBox, DisplayLabel,
          ControlPropertiesEditor::DisplayStringsBox},
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
    m_editor.SelectKind(SelectionOf(*this, ControlPropertiesEditor::KindCombo));
    Show();
    // The kind's boxes change the height of the part above the button.
    ShowAdvanced();
}

void FieldRepDlg::OnEventChange()
{
    if (!ReadControls())
        return;
    m_editor.SelectEventItem(SelectionOf(*this, ControlPropertiesEditor::EventCombo));
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

void FieldRepDlg::OnRecomputeSelected(int row)
{
    m_clickedRecompute = row;
}

void FieldRepDlg::OnLinkSelected(int row)
{
    m_clickedLink = row;
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
    ShowAdvancedArea(*this, advancedArea, ControlPropertiesEditor::AdvancedButton,
                     m_editor.IsAdvancedShown());
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
        m_owner->OnCancel();
    else
        CDialog::OnCancel();
}

int FieldRepDlg::AskAboutChanges()
{
    // Boxes that do not read stay open, as for OK.
    if (!ReadControls())
        return IDCANCEL;
    return m_editor.AskAboutChanges();
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

int FieldRepPropertiesDlg::AskAboutChanges()
{
    FieldRepDlg* page = m_tabs.GetFieldRepPage();
    return page != nullptr ? page->AskAboutChanges() : IDNO;
}

void FieldRepPropertiesDlg::OnOK()
{
    FieldRepDlg* page = m_tabs.GetFieldRepPage();
    if (page != nullptr && !page->WriteBack())
        return;
    EndDialog(IDOK);
}
