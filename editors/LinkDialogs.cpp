#include "editors/LinkDialogs.h"

#include "editors/AdvancedArea.h"
#include "editors/ContextHelp.h"
#include "editors/DialogParts.h"
#include "entities/FormInterface.h"
#include "model/FieldRep.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ListCtrl.h"

namespace
{

// Posted by the set-up: the dialog collapses once it is laid out at its size.
constexpr UINT WM_COLLAPSE_LINKS = WM_USER + 0x155;

// The controls below the "Advanced>>" button, the lowest last.
const int parameterArea[] = {LinkEditor::IDC_MENU_VARIABLES, LinkEditor::IDC_ASSIGN,
                             LinkEditor::IDC_UNASSIGN, LinkEditor::IDC_FORM_VARIABLES};

// Carried hidden by the page dialog's template, without behaviour.
const int hiddenPageIds[] = {1393, 1394, 1395, 1396};

// The editor part, the list of links and the parameter area of both link dialogs, after the
// controls that come first.
std::vector<DialogControl> LinkControls(std::vector<DialogControl> first, const char* nameLabel)
{
    std::vector<DialogControl> controls = std::move(first);
    const std::vector<DialogControl> rest = {
        {0, ControlKind::Static, nameLabel},
        {LinkEditor::IDC_CAPTION, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Align"},
        {LinkEditor::IDC_ALIGN, ControlKind::ComboBox, ""},
        {LinkEditor::IDC_ADD, ControlKind::PushButton, "Add"},
        {LinkEditor::IDC_DELETE, ControlKind::PushButton, "Delete"},
        {LinkEditor::IDC_CLEAR, ControlKind::PushButton, "Clear"},
        {0, ControlKind::Static, "List of links"},
        {LinkEditor::IDC_LINKS, ControlKind::ListCtrl, "", false, false, 460, 140},
        {LinkEditor::IDC_UP, ControlKind::PushButton, "Up"},
        {LinkEditor::IDC_DOWN, ControlKind::PushButton, "Down"},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {LinkEditor::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
        {LinkEditor::IDC_ADVANCED, ControlKind::PushButton, "Advanced>>"},
        {LinkEditor::IDC_MENU_VARIABLES, ControlKind::ListCtrl, "", false, false, 260, 120},
        {LinkEditor::IDC_ASSIGN, ControlKind::PushButton, "<"},
        {LinkEditor::IDC_UNASSIGN, ControlKind::PushButton, ">"},
        {LinkEditor::IDC_FORM_VARIABLES, ControlKind::ListCtrl, "", false, false, 160, 120},
    };
    controls.insert(controls.end(), rest.begin(), rest.end());
    return controls;
}

DialogLayout LinkLayout(std::vector<DialogLayout> first)
{
    std::vector<DialogLayout> items = std::move(first);
    const std::vector<DialogLayout> rest = {
        Lay::Row({Lay::Field(LinkEditor::IDC_CAPTION), Lay::Field(LinkEditor::IDC_ALIGN)}),
        Lay::Buttons({LinkEditor::IDC_ADD, LinkEditor::IDC_DELETE, LinkEditor::IDC_CLEAR}),
        Lay::Row({Lay::Field(LinkEditor::IDC_LINKS),
                  Lay::ButtonColumn({LinkEditor::IDC_UP, LinkEditor::IDC_DOWN})}),
        Lay::Buttons({IDOK, LinkEditor::IDC_HELP_BUTTON, LinkEditor::IDC_ADVANCED}),
        Lay::Row({Lay::Control(LinkEditor::IDC_MENU_VARIABLES),
                  Lay::ButtonColumn({LinkEditor::IDC_ASSIGN, LinkEditor::IDC_UNASSIGN}),
                  Lay::Control(LinkEditor::IDC_FORM_VARIABLES)}),
    };
    items.insert(items.end(), rest.begin(), rest.end());
    return Lay::Column(std::move(items));
}

// The lists of both link dialogs.
std::vector<RowList> LinkRowLists()
{
    return {{.list = LinkEditor::IDC_LINKS,
             .panel = LinkEditor::IDC_CAPTION,
             .remove = LinkEditor::IDC_DELETE,
             .nameColumn = 1},
            {.list = LinkEditor::IDC_MENU_VARIABLES,
             .remove = LinkEditor::IDC_UNASSIGN,
             .nameColumn = 1},
            {.list = LinkEditor::IDC_FORM_VARIABLES}};
}

const DialogTemplateRegistration linkTemplates{
    {
        MenuPicker::IDD,
        "Select menu for link",
        {
            {0, ControlKind::Static, "Select menu from tree"},
            {MenuPicker::IDC_TREE, ControlKind::TreeCtrl, "", false, false, 260, 240},
            {MenuPicker::IDC_ASSIGN, ControlKind::PushButton, "Assign"},
            {MenuPicker::IDC_REMOVE, ControlKind::PushButton, "Remove"},
            {MenuPicker::IDC_MENU_NAME, ControlKind::Static, "Menu not assigned"},
            {MenuPicker::IDC_FILE_NAME, ControlKind::Static, ""},
            {IDOK, ControlKind::DefPushButton, "OK"},
            {MenuPicker::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
        },
        0,
        Lay::Column({
            Lay::Field(MenuPicker::IDC_TREE),
            Lay::Buttons({MenuPicker::IDC_ASSIGN, MenuPicker::IDC_REMOVE}),
            Lay::Control(MenuPicker::IDC_MENU_NAME),
            Lay::Control(MenuPicker::IDC_FILE_NAME),
            Lay::Buttons({IDOK, MenuPicker::IDC_HELP_BUTTON}),
        }),
        {{.list = MenuPicker::IDC_TREE}},
    },
    {
        PageLinkEditor::IDD,
        "Linkcontrols for form",
        LinkControls(
            {
                {0, ControlKind::Static, "Prelink columns"},
                {PageLinkEditor::IDC_PRE_COLUMNS, ControlKind::Edit, ""},
                {0, ControlKind::Static, "Postlink columns"},
                {PageLinkEditor::IDC_POST_COLUMNS, ControlKind::Edit, ""},
                {LinkEditor::IDC_SELECT_MENU, ControlKind::PushButton, "Select Menu"},
                {LinkEditor::IDC_MENU_NAME, ControlKind::Static, "Menu not assigned"},
                {0, ControlKind::Static, "Type"},
                {PageLinkEditor::IDC_PRE_LINK, ControlKind::RadioButton, "Pre Link"},
                {PageLinkEditor::IDC_POST_LINK, ControlKind::RadioButton, "Post Link"},
                Hidden(hiddenPageIds[0], ControlKind::ListCtrl, ""),
                Hidden(hiddenPageIds[1], ControlKind::TreeCtrl, ""),
                Hidden(hiddenPageIds[2], ControlKind::Static, "Selected Field"),
                Hidden(hiddenPageIds[3], ControlKind::PushButton, "Set"),
            },
            "Name"),
        0,
        LinkLayout({
            Lay::Row({Lay::Field(PageLinkEditor::IDC_PRE_COLUMNS),
                      Lay::Field(PageLinkEditor::IDC_POST_COLUMNS)}),
            Lay::Row({Lay::Control(LinkEditor::IDC_SELECT_MENU),
                      Lay::Control(LinkEditor::IDC_MENU_NAME)}),
            Lay::Row({Lay::Field(PageLinkEditor::IDC_PRE_LINK),
                      Lay::Control(PageLinkEditor::IDC_POST_LINK)}),
            Lay::Row({Lay::Control(hiddenPageIds[0]), Lay::Control(hiddenPageIds[1]),
                      Lay::Control(hiddenPageIds[2]), Lay::Control(hiddenPageIds[3])}),
        }),
        LinkRowLists(),
    },
    {
        FieldLinkEditor::IDD,
        "Linkcontrols for field",
        LinkControls(
            {
                {LinkEditor::IDC_SELECT_MENU, ControlKind::PushButton, "Select Menu"},
                {LinkEditor::IDC_MENU_NAME, ControlKind::Static, "Menu not assigned"},
            },
            "Link"),
        0,
        LinkLayout({
            Lay::Row({Lay::Control(LinkEditor::IDC_SELECT_MENU),
                      Lay::Control(LinkEditor::IDC_MENU_NAME)}),
        }),
        LinkRowLists(),
    },
};
} // namespace

SelectMenuForLinkDlg::SelectMenuForLinkDlg(const ForgeonProject& project, Menu* chosen,
                                           CWnd* parent)
    : CDialog(IDD, parent), m_picker(project, chosen), m_view(*this)
{
    MapControlRange(BN_CLICKED, MenuPicker::IDC_ASSIGN, MenuPicker::IDC_ASSIGN,
                    [this] { Run(&MenuPicker::Assign); });
    MapControlRange(BN_CLICKED, MenuPicker::IDC_REMOVE, MenuPicker::IDC_REMOVE,
                    [this] { Run(&MenuPicker::Remove); });
    MapControlRange(BN_CLICKED, MenuPicker::IDC_HELP_BUTTON, MenuPicker::IDC_HELP_BUTTON,
                    [this] { ShowContextHelp(this, IDD); });
    MapNotify(TVN_SELCHANGED, MenuPicker::IDC_TREE, &SelectMenuForLinkDlg::OnSelChanged);
}

BOOL SelectMenuForLinkDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_tree.SubclassDlgItem(MenuPicker::IDC_TREE, this);
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
    MapControlRange(BN_CLICKED, LinkEditor::IDC_SELECT_MENU, LinkEditor::IDC_SELECT_MENU,
                    [this] { Run(&LinkEditor::SelectMenu); });
    MapControlRange(BN_CLICKED, LinkEditor::IDC_ADD, LinkEditor::IDC_ADD,
                    [this] { Run(&LinkEditor::AddOrUpdate); });
    MapControlRange(BN_CLICKED, LinkEditor::IDC_DELETE, LinkEditor::IDC_DELETE,
                    [this] { Run(&LinkEditor::Delete); });
    MapControlRange(BN_CLICKED, LinkEditor::IDC_CLEAR, LinkEditor::IDC_CLEAR,
                    [this] { Run(&LinkEditor::Clear); });
    MapControlRange(BN_CLICKED, LinkEditor::IDC_UP, LinkEditor::IDC_UP,
                    [this] { Run(&LinkEditor::Up); });
    MapControlRange(BN_CLICKED, LinkEditor::IDC_DOWN, LinkEditor::IDC_DOWN,
                    [this] { Run(&LinkEditor::Down); });
    MapControlRange(BN_CLICKED, LinkEditor::IDC_ASSIGN, LinkEditor::IDC_ASSIGN,
                    [this] { Run(&LinkEditor::AssignVariable); });
    MapControlRange(BN_CLICKED, LinkEditor::IDC_UNASSIGN, LinkEditor::IDC_UNASSIGN,
                    [this] { Run(&LinkEditor::RemoveVariable); });
    MapControlRange(BN_CLICKED, LinkEditor::IDC_ADVANCED, LinkEditor::IDC_ADVANCED,
                    [this] { OnAdvanced(); });
    MapControlRange(BN_CLICKED, LinkEditor::IDC_HELP_BUTTON, LinkEditor::IDC_HELP_BUTTON,
                    [this] { OnHelp(); });
    MapRowSelection(LinkEditor::IDC_LINKS, &LinkDialogView::OnLinkSelected);
    MapRowSelection(LinkEditor::IDC_MENU_VARIABLES, &LinkDialogView::OnMenuVariableSelected);
    MapRowSelection(LinkEditor::IDC_FORM_VARIABLES, &LinkDialogView::OnFormVariableSelected);
    MapMessage(WM_COLLAPSE_LINKS, &LinkDialogView::OnCollapse);
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
    m_links.SubclassDlgItem(LinkEditor::IDC_LINKS, this);
    m_menuVariables.SubclassDlgItem(LinkEditor::IDC_MENU_VARIABLES, this);
    m_formVariables.SubclassDlgItem(LinkEditor::IDC_FORM_VARIABLES, this);
    SetListColumns(m_links, m_linkColumns);
    SetListColumns(m_menuVariables, LinkEditor::MenuVariableColumns());
    SetListColumns(m_formVariables, LinkEditor::FormVariableColumns());
    m_editor->Open();
    SetWindowText(m_editor->GetTitle());
    Show();
    m_toolTips.Create(this);
    AddToolTips(m_toolTips, *this, m_toolTipTable);
    PostMessage(WM_COLLAPSE_LINKS);
    return TRUE;
}

int LinkDialogView::RowOf(NMHDR* header)
{
    return reinterpret_cast<NMITEMACTIVATE*>(header)->iItem;
}

void LinkDialogView::ReadControls()
{
    m_view.ReadTexts(m_editor->States(), {LinkEditor::IDC_CAPTION});
    if (auto* align = dynamic_cast<CComboBox*>(GetDlgItem(LinkEditor::IDC_ALIGN)))
        m_editor->States().Select(LinkEditor::IDC_ALIGN, align->GetCurSel());
}

BOOL LinkDialogView::PreTranslateMessage(MSG* msg)
{
    if (IsEnterKeyIn(*msg, *this, {LinkEditor::IDC_CAPTION}))
    {
        Run(&LinkEditor::AddOrUpdate);
        return TRUE;
    }
    return CDialog::PreTranslateMessage(msg);
}

void LinkDialogView::Run(void (LinkEditor::*command)())
{
    ReadControls();
    ((*m_editor).*command)();
    Show();
}

bool LinkDialogView::MayClose()
{
    ReadControls();
    const bool close = m_editor->Close();
    Show();
    return close;
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

void LinkDialogView::OnLinkSelected(int row)
{
    ReadControls();
    m_editor->ClickLink(row);
    Show();
}

void LinkDialogView::OnMenuVariableSelected(int row)
{
    m_editor->SelectMenuVariable(row);
}

void LinkDialogView::OnFormVariableSelected(int row)
{
    m_editor->SelectFormVariable(row);
}

void LinkDialogView::ShowParameterArea(bool shown)
{
    ShowAdvancedArea(*this, {std::begin(parameterArea), std::end(parameterArea)},
                     LinkEditor::IDC_ADVANCED, shown);
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
    MapControlRange(BN_CLICKED, PageLinkEditor::IDC_PRE_LINK, PageLinkEditor::IDC_PRE_LINK,
                    [this] { OnPlacement(true); });
    MapControlRange(BN_CLICKED, PageLinkEditor::IDC_POST_LINK, PageLinkEditor::IDC_POST_LINK,
                    [this] { OnPlacement(false); });
}

void LinkControlDlg::ReadControls()
{
    LinkDialogView::ReadControls();
    m_view.ReadTexts(PageEditor().States(),
                     {PageLinkEditor::IDC_PRE_COLUMNS, PageLinkEditor::IDC_POST_COLUMNS});
}

int LinkControlDlg::AskAboutChanges()
{
    ReadControls();
    return PageEditor().AskAboutChanges();
}

void LinkControlDlg::OnPlacement(bool preLink)
{
    ReadControls();
    PageEditor().SetPlacement(preLink);
    m_view.Show(PageEditor().States());
}

void LinkControlDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, PageLinkEditor::IDC_PRE_COLUMNS, m_preColumns);
    DDV_MinMaxInt(pDX, m_preColumns, 1, 4);
    DDX_Text(pDX, PageLinkEditor::IDC_POST_COLUMNS, m_postColumns);
    DDV_MinMaxInt(pDX, m_postColumns, 1, 4);
}

void LinkControlDlg::OnOK()
{
    if (!MayClose() || !UpdateData(TRUE))
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
    MapNotify(NM_DBLCLK, LinkEditor::IDC_LINKS, &FieldLinkControlDlg::OnLinkDoubleClick);
}

void FieldLinkControlDlg::OnLinkDoubleClick(NMHDR* header, LRESULT* result)
{
    ReadControls();
    static_cast<FieldLinkEditor&>(Editor()).DoubleClickLink(RowOf(header));
    Show();
    *result = 0;
}
