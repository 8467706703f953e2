#include "editors/LinkDialogs.h"

#include "editors/AdvancedArea.h"
#include "editors/ContextHelp.h"
#include "entities/FormInterface.h"
#include "model/FieldRep.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ListCtrl.h"

namespace
{
using P = MenuPicker;
using L = LinkEditor;
using G = PageLinkEditor;

// Posted by the set-up: the dialog collapses once it is laid out at its size.
constexpr UINT WM_COLLAPSE = WM_USER + 0x155;

// The controls below the "Advanced>>" button, the lowest last.
const int parameterArea[] = {L::IDC_MENU_VARIABLES, L::IDC_ASSIGN, L::IDC_UNASSIGN,
                             L::IDC_FORM_VARIABLES};

// Carried hidden by the page dialog's template, without behaviour.
const int hiddenIds[] = {1393, 1394, 1395, 1396};

DialogControl Hidden(int id, ControlKind kind, const char* caption)
{
    return {id, kind, caption, /*hidden=*/true};
}

// The editor part, the list of links and the parameter area of both link dialogs, after the
// controls that come first.
std::vector<DialogControl> LinkControls(std::vector<DialogControl> first, const char* nameLabel)
{
    std::vector<DialogControl> controls = std::move(first);
    const std::vector<DialogControl> rest = {
        {0, ControlKind::Static, nameLabel},
        {L::IDC_CAPTION, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Align"},
        {L::IDC_ALIGN, ControlKind::ComboBox, ""},
        {L::IDC_ADD, ControlKind::PushButton, "Add"},
        {L::IDC_DELETE, ControlKind::PushButton, "Delete"},
        {L::IDC_CLEAR, ControlKind::PushButton, "Clear"},
        {0, ControlKind::Static, "List of links"},
        {L::IDC_LINKS, ControlKind::ListCtrl, "", false, false, 460, 140},
        {L::IDC_UP, ControlKind::PushButton, "Up"},
        {L::IDC_DOWN, ControlKind::PushButton, "Down"},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {L::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
        {L::IDC_ADVANCED, ControlKind::PushButton, "Advanced>>"},
        {L::IDC_MENU_VARIABLES, ControlKind::ListCtrl, "", false, false, 260, 120},
        {L::IDC_ASSIGN, ControlKind::PushButton, "<"},
        {L::IDC_UNASSIGN, ControlKind::PushButton, ">"},
        {L::IDC_FORM_VARIABLES, ControlKind::ListCtrl, "", false, false, 160, 120},
    };
    controls.insert(controls.end(), rest.begin(), rest.end());
    return controls;
}

DialogLayout LinkLayout(std::vector<DialogLayout> first)
{
    std::vector<DialogLayout> items = std::move(first);
    const std::vector<DialogLayout> rest = {
        Lay::Row({Lay::Field(L::IDC_CAPTION), Lay::Field(L::IDC_ALIGN)}),
        Lay::Buttons({L::IDC_ADD, L::IDC_DELETE, L::IDC_CLEAR}),
        Lay::Row({Lay::Field(L::IDC_LINKS), Lay::ButtonColumn({L::IDC_UP, L::IDC_DOWN})}),
        Lay::Buttons({IDOK, L::IDC_HELP_BUTTON, L::IDC_ADVANCED}),
        Lay::Row({Lay::Control(L::IDC_MENU_VARIABLES),
                  Lay::ButtonColumn({L::IDC_ASSIGN, L::IDC_UNASSIGN}),
                  Lay::Control(L::IDC_FORM_VARIABLES)}),
    };
    items.insert(items.end(), rest.begin(), rest.end());
    return Lay::Column(std::move(items));
}

const DialogTemplateRegistration linkTemplates{
    {
        P::IDD,
        "Select menu for link",
        {
            {0, ControlKind::Static, "Select menu from tree"},
            {P::IDC_TREE, ControlKind::TreeCtrl, "", false, false, 260, 240},
            {P::IDC_ASSIGN, ControlKind::PushButton, "Assign"},
            {P::IDC_REMOVE, ControlKind::PushButton, "Remove"},
            {P::IDC_MENU_NAME, ControlKind::Static, "Menu not assigned"},
            {P::IDC_FILE_NAME, ControlKind::Static, ""},
            {IDOK, ControlKind::DefPushButton, "OK"},
            {P::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
        },
        0,
        Lay::Column({
            Lay::Field(P::IDC_TREE),
            Lay::Buttons({P::IDC_ASSIGN, P::IDC_REMOVE}),
            Lay::Control(P::IDC_MENU_NAME),
            Lay::Control(P::IDC_FILE_NAME),
            Lay::Buttons({IDOK, P::IDC_HELP_BUTTON}),
        }),
    },
    {
        G::IDD,
        "Linkcontrols for form",
        LinkControls(
            {
                {0, ControlKind::Static, "Prelink columns"},
                {G::IDC_PRE_COLUMNS, ControlKind::Edit, ""},
                {0, ControlKind::Static, "Postlink columns"},
                {G::IDC_POST_COLUMNS, ControlKind::Edit, ""},
                {L::IDC_SELECT_MENU, ControlKind::PushButton, "Select Menu"},
                {L::IDC_MENU_NAME, ControlKind::Static, "Menu not assigned"},
                {0, ControlKind::Static, "Type"},
                {G::IDC_PRE_LINK, ControlKind::RadioButton, "Pre Link"},
                {G::IDC_POST_LINK, ControlKind::RadioButton, "Post Link"},
                Hidden(hiddenIds[0], ControlKind::ListCtrl, ""),
                Hidden(hiddenIds[1], ControlKind::TreeCtrl, ""),
                Hidden(hiddenIds[2], ControlKind::Static, "Selected Field"),
                Hidden(hiddenIds[3], ControlKind::PushButton, "Set"),
            },
            "Name"),
        0,
        LinkLayout({
            Lay::Row({Lay::Field(G::IDC_PRE_COLUMNS), Lay::Field(G::IDC_POST_COLUMNS)}),
            Lay::Row({Lay::Control(L::IDC_SELECT_MENU), Lay::Control(L::IDC_MENU_NAME)}),
            Lay::Row({Lay::Field(G::IDC_PRE_LINK), Lay::Control(G::IDC_POST_LINK)}),
            Lay::Row({Lay::Control(hiddenIds[0]), Lay::Control(hiddenIds[1]),
                      Lay::Control(hiddenIds[2]), Lay::Control(hiddenIds[3])}),
        }),
    },
    {
        FieldLinkEditor::IDD,
        "Linkcontrols for field",
        LinkControls(
            {
                {L::IDC_SELECT_MENU, ControlKind::PushButton, "Select Menu"},
                {L::IDC_MENU_NAME, ControlKind::Static, "Menu not assigned"},
            },
            "Link"),
        0,
        LinkLayout({
            Lay::Row({Lay::Control(L::IDC_SELECT_MENU), Lay::Control(L::IDC_MENU_NAME)}),
        }),
    },
};
} // namespace

SelectMenuForLinkDlg::SelectMenuForLinkDlg(const ForgeonProject& project, Menu* chosen,
                                           CWnd* parent)
    : CDialog(IDD, parent), m_picker(project, chosen), m_view(*this)
{
    MapControlRange(BN_CLICKED, P::IDC_ASSIGN, P::IDC_ASSIGN, [this] { Run(&MenuPicker::Assign); });
    MapControlRange(BN_CLICKED, P::IDC_REMOVE, P::IDC_REMOVE, [this] { Run(&MenuPicker::Remove); });
    MapControlRange(BN_CLICKED, P::IDC_HELP_BUTTON, P::IDC_HELP_BUTTON,
                    [this] { ShowContextHelp(this, IDD); });
    MapNotify(TVN_SELCHANGED, P::IDC_TREE, &SelectMenuForLinkDlg::OnSelChanged);
}

BOOL SelectMenuForLinkDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_tree.SubclassDlgItem(P::IDC_TREE, this);
    m_tree.SaveExpandedItems();
    m_picker.Open();
    m_treeView.Show(m_tree, m_picker.Tree());
    m_tree.RestoreExpandedItems();
    m_view.Show(m_picker.States());
    m_toolTips.Create(this);
    AddToolTips(m_toolTips, *this, MenuPicker::ToolTips());
    return TRUE;
}

void SelectMenuForLinkDlg::Run(void (MenuPicker::*command)())
{
    (m_picker.*command)();
    m_view.Show(m_picker.States());
}

void SelectMenuForLinkDlg::OnSelChanged(NMHDR*, LRESULT* result)
{
    m_picker.SelectItem(m_treeView.IndexOf(m_tree.GetSelectedItem()));
    *result = 0;
}

LinkDialogView::LinkDialogView(UINT templateId, CWnd* parent, std::unique_ptr<LinkEditor> editor,
                               const std::vector<ListColumn>& linkColumns,
                               const std::vector<ToolTip>& toolTips, int moveUp)
    : CDialog(templateId, parent), m_view(*this), m_editor(std::move(editor)),
      m_linkColumns(linkColumns), m_toolTipTable(toolTips), m_moveUp(moveUp)
{
    MapControlRange(BN_CLICKED, L::IDC_SELECT_MENU, L::IDC_SELECT_MENU,
                    [this] { Run(&LinkEditor::SelectMenu); });
    MapControlRange(BN_CLICKED, L::IDC_ADD, L::IDC_ADD, [this] { Run(&LinkEditor::AddOrUpdate); });
    MapControlRange(BN_CLICKED, L::IDC_DELETE, L::IDC_DELETE, [this] { Run(&LinkEditor::Delete); });
    MapControlRange(BN_CLICKED, L::IDC_CLEAR, L::IDC_CLEAR, [this] { Run(&LinkEditor::Clear); });
    MapControlRange(BN_CLICKED, L::IDC_UP, L::IDC_UP, [this] { Run(&LinkEditor::Up); });
    MapControlRange(BN_CLICKED, L::IDC_DOWN, L::IDC_DOWN, [this] { Run(&LinkEditor::Down); });
    MapControlRange(BN_CLICKED, L::IDC_ASSIGN, L::IDC_ASSIGN,
                    [this] { Run(&LinkEditor::AssignVariable); });
    MapControlRange(BN_CLICKED, L::IDC_UNASSIGN, L::IDC_UNASSIGN,
                    [this] { Run(&LinkEditor::RemoveVariable); });
    MapControlRange(BN_CLICKED, L::IDC_ADVANCED, L::IDC_ADVANCED, [this] { OnAdvanced(); });
    MapControlRange(BN_CLICKED, L::IDC_HELP_BUTTON, L::IDC_HELP_BUTTON, [this] { OnHelp(); });
    MapNotify(NM_CLICK, L::IDC_LINKS, &LinkDialogView::OnLinkClick);
    MapNotify(NM_CLICK, L::IDC_MENU_VARIABLES, &LinkDialogView::OnMenuVariableClick);
    MapNotify(NM_CLICK, L::IDC_FORM_VARIABLES, &LinkDialogView::OnFormVariableClick);
    MapMessage(WM_COLLAPSE, &LinkDialogView::OnCollapse);
}

ChooseLinkMenu LinkDialogView::PickerFor(const ForgeonProject& project, CWnd* owner)
{
    return [&project, owner](Menu* current)
    {
        SelectMenuForLinkDlg picker(project, current, owner);
        picker.DoModal();
        return picker.GetChosen();
    };
}

BOOL LinkDialogView::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_links.SubclassDlgItem(L::IDC_LINKS, this);
    m_menuVariables.SubclassDlgItem(L::IDC_MENU_VARIABLES, this);
    m_formVariables.SubclassDlgItem(L::IDC_FORM_VARIABLES, this);
    SetListColumns(m_links, m_linkColumns);
    SetListColumns(m_menuVariables, LinkEditor::MenuVariableColumns());
    SetListColumns(m_formVariables, LinkEditor::FormVariableColumns());
    m_editor->Open();
    SetWindowText(m_editor->GetTitle());
    Show();
    m_toolTips.Create(this);
    AddToolTips(m_toolTips, *this, m_toolTipTable);
    PostMessage(WM_COLLAPSE);
    return TRUE;
}

int LinkDialogView::RowOf(NMHDR* header)
{
    return reinterpret_cast<NMITEMACTIVATE*>(header)->iItem;
}

void LinkDialogView::ReadControls()
{
    m_view.ReadTexts(m_editor->States(), {L::IDC_CAPTION});
    if (auto* align = dynamic_cast<CComboBox*>(GetDlgItem(L::IDC_ALIGN)))
        m_editor->States().Select(L::IDC_ALIGN, align->GetCurSel());
}

void LinkDialogView::Run(void (LinkEditor::*command)())
{
    ReadControls();
    ((*m_editor).*command)();
    Show();
}

void LinkDialogView::Show()
{
    ShowListRows(m_links, m_editor->GetLinkRows());
    m_links.SetCurSel(m_editor->GetSelectedLink());
    ShowListRows(m_menuVariables, m_editor->GetMenuVariableRows());
    m_menuVariables.SetCurSel(m_editor->GetSelectedMenuVariable());
    ShowListRows(m_formVariables, m_editor->GetFormVariableRows());
    m_formVariables.SetCurSel(m_editor->GetSelectedFormVariable());
    m_view.Show(m_editor->States());
}

void LinkDialogView::OnLinkClick(NMHDR* header, LRESULT* result)
{
    ReadControls();
    m_editor->ClickLink(RowOf(header));
    Show();
    *result = 0;
}

void LinkDialogView::OnMenuVariableClick(NMHDR* header, LRESULT* result)
{
    m_editor->SelectMenuVariable(RowOf(header));
    *result = 0;
}

void LinkDialogView::OnFormVariableClick(NMHDR* header, LRESULT* result)
{
    m_editor->SelectFormVariable(RowOf(header));
    *result = 0;
}

void LinkDialogView::ShowParameterArea(bool shown)
{
    ShowAdvancedArea(*this, {std::begin(parameterArea), std::end(parameterArea)}, L::IDC_ADVANCED,
                     shown);
}

LRESULT LinkDialogView::OnCollapse(WPARAM, LPARAM)
{
    ShowParameterArea(false);
    if (m_moveUp != 0)
    {
        CRect window;
        GetWindowRect(&window);
        MoveWindow(window.left, window.top - m_moveUp, window.Width(), window.Height());
    }
    return 0;
}

void LinkDialogView::OnAdvanced()
{
    m_editor->ToggleAdvanced();
    m_view.Show(m_editor->States());
    ShowParameterArea(m_editor->IsAdvancedShown());
}

void LinkDialogView::OnHelp()
{
    ShowContextHelp(this, GetTemplateId());
}

LinkControlDlg::LinkControlDlg(ForgeonProject& project, FormInterface& page, CWnd* parent)
    : LinkDialogView(IDD, parent, std::make_unique<PageLinkEditor>(page, PickerFor(project, this)),
                     PageLinkEditor::LinkColumns(), PageLinkEditor::ToolTips(), 0),
      m_preColumns(page.GetPreLinkColumnCount()), m_postColumns(page.GetPostLinkColumnCount())
{
    MapControlRange(BN_CLICKED, G::IDC_PRE_LINK, G::IDC_PRE_LINK, [this] { OnPlacement(true); });
    MapControlRange(BN_CLICKED, G::IDC_POST_LINK, G::IDC_POST_LINK, [this] { OnPlacement(false); });
}

void LinkControlDlg::OnPlacement(bool preLink)
{
    ReadControls();
    PageEditor().SetPlacement(preLink);
    m_view.Show(PageEditor().States());
}

void LinkControlDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, G::IDC_PRE_COLUMNS, m_preColumns);
    DDV_MinMaxInt(pDX, m_preColumns, 1, 4);
    DDX_Text(pDX, G::IDC_POST_COLUMNS, m_postColumns);
    DDV_MinMaxInt(pDX, m_postColumns, 1, 4);
}

void LinkControlDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    PageEditor().Ok(m_preColumns, m_postColumns);
    EndDialog(IDOK);
}

FieldLinkControlDlg::FieldLinkControlDlg(ForgeonProject& project, FieldRep& control,
                                         FormInterface& page, CWnd* parent)
    : LinkDialogView(IDD, parent,
                     std::make_unique<FieldLinkEditor>(control, page, PickerFor(project, this)),
                     FieldLinkEditor::LinkColumns(), FieldLinkEditor::ToolTips(), 50)
{
    MapNotify(NM_DBLCLK, L::IDC_LINKS, &FieldLinkControlDlg::OnLinkDoubleClick);
}

void FieldLinkControlDlg::OnLinkDoubleClick(NMHDR* header, LRESULT* result)
{
    ReadControls();
    static_cast<FieldLinkEditor&>(Editor()).DoubleClickLink(RowOf(header));
    Show();
    *result = 0;
}
