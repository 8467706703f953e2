#include "shell/SelectiveMergeDlg.h"

#include "editors/ContextHelp.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/DialogTemplate.h"

namespace
{
constexpr int ItemsGroup = 3151;

const DialogTemplateRegistration selectiveMergeTemplate{{
    SelectiveMerge::IDD,
    "Select items for merging",
    {
        {0, ControlKind::Static, "Module Name"},
        {SelectiveMerge::ModuleName, ControlKind::Static, "Selected Module Name", false, false,
         200},
        {ItemsGroup, ControlKind::GroupBox, "Select Items for merging"},
        {0, ControlKind::Static, "Merge Items"},
        {SelectiveMerge::KindCombo, ControlKind::ComboBox, "", false, false, 170},
        {SelectiveMerge::SelectButton, ControlKind::PushButton, "Select"},
        {0, ControlKind::Static, "Selected item"},
        {SelectiveMerge::SelectedItem, ControlKind::Static, "Item not selected", false, false, 200},
        {SelectiveMerge::Tree, ControlKind::TreeCtrl, "", false, false, 300, 260},
        {SelectiveMerge::SelectAllButton, ControlKind::PushButton, "Select All"},
        {SelectiveMerge::DeselectAllButton, ControlKind::PushButton, "Deselect All"},
        {SelectiveMerge::SaveButton, ControlKind::PushButton, "Save"},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {SelectiveMerge::HelpButton, ControlKind::PushButton, "Help"},
    },
    0,
    Lay::Column({
        Lay::Field(SelectiveMerge::ModuleName),
        Lay::Group(
            ItemsGroup,
            {
                Lay::Row({Lay::Field(SelectiveMerge::KindCombo),
                          Lay::Control(SelectiveMerge::SelectButton)}),
                Lay::Field(SelectiveMerge::SelectedItem),
                Lay::Control(SelectiveMerge::Tree),
                Lay::Buttons({SelectiveMerge::SelectAllButton, SelectiveMerge::DeselectAllButton,
                              SelectiveMerge::SaveButton}),
            }),
        Lay::Buttons({IDOK, SelectiveMerge::HelpButton}),
    }),
    {{.list = SelectiveMerge::Tree}},
}};
} // namespace

SelectiveMergeDlg::SelectiveMergeDlg(Module* module, MergeDependencyCollector& collector,
                                     CWnd* parent)
    : CDialog(IDD, parent), m_merge(module, collector), m_view(*this)
{
    MapControlRange(CBN_SELCHANGE, SelectiveMerge::KindCombo, SelectiveMerge::KindCombo,
                    [this] { OnKind(); });
    MapControlRange(BN_CLICKED, SelectiveMerge::SelectButton, SelectiveMerge::SelectButton,
                    [this] { OnSelect(); });
    MapControlRange(BN_CLICKED, SelectiveMerge::SelectAllButton, SelectiveMerge::SelectAllButton,
                    [this] { OnSelectAll(true); });
    MapControlRange(BN_CLICKED, SelectiveMerge::DeselectAllButton,
                    SelectiveMerge::DeselectAllButton, [this] { OnSelectAll(false); });
    MapControlRange(BN_CLICKED, SelectiveMerge::SaveButton, SelectiveMerge::SaveButton,
                    [this] { OnSave(); });
    MapControlRange(BN_CLICKED, SelectiveMerge::HelpButton, SelectiveMerge::HelpButton,
                    [this] { ShowContextHelp(this, SelectiveMerge::HelpTopic); });
}

void SelectiveMergeDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, SelectiveMerge::Tree, m_tree);
}

BOOL SelectiveMergeDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_tree.ModifyStyle(0, TVS_CHECKBOXES);
    ControlStates states;
    states.SetText(SelectiveMerge::ModuleName, m_merge.GetModuleName());
    states.SetItems(SelectiveMerge::KindCombo, SelectiveMerge::GetKinds());
    m_view.Show(states);
    return TRUE;
}

void SelectiveMergeDlg::OnKind()
{
    auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(SelectiveMerge::KindCombo));
    m_merge.SelectKind(combo != nullptr ? combo->GetCurSel() : -1);
}

void SelectiveMergeDlg::OnSelect()
{
    m_merge.Select();
    ShowTree();
}

void SelectiveMergeDlg::OnSelectAll(bool checked)
{
    ReadChecks();
    if (checked)
        m_merge.SelectAll();
    else
        m_merge.DeselectAll();
    ShowTree();
}

void SelectiveMergeDlg::OnSave()
{
    ReadChecks();
    m_merge.Save();
}

void SelectiveMergeDlg::ShowTree()
{
    m_tree.SaveExpandedItems();
    m_tree.DeleteAllItems();
    if (!m_merge.HasRoot())
        return;
    HTREEITEM root = m_tree.InsertItem(m_merge.GetModuleName());
    m_tree.SetCheck(root, m_merge.IsRootChecked() ? TRUE : FALSE);
    for (const SelectiveMerge::Item& item : m_merge.GetItems())
    {
        HTREEITEM shown = m_tree.InsertItem(item.name, root);
        m_tree.SetItemData(shown, static_cast<DWORD_PTR>(item.data));
        m_tree.SetCheck(shown, item.checked ? TRUE : FALSE);
    }
    m_tree.RestoreExpandedItems();
}

void SelectiveMergeDlg::ReadChecks()
{
    HTREEITEM root = m_tree.GetRootItem();
    if (root == nullptr)
        return;
    m_merge.SetRootCheck(m_tree.GetCheck(root) != FALSE);
    int index = 0;
    for (HTREEITEM item = m_tree.GetChildItem(root); item != nullptr;
         item = m_tree.GetNextSiblingItem(item))
        m_merge.SetItemCheck(index++, m_tree.GetCheck(item) != FALSE);
}
