#include "editors/RelationDlg.h"

#include "editors/ContextHelp.h"
#include "editors/ViewEditorHost.h"
#include "model/Field.h"
#include "model/Table.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ListCtrl.h"

namespace
{

const DialogTemplateRegistration relationTemplate{{
    RelationEditor::IDD,
    "Relation Dialog",
    {
        {0, ControlKind::Static, "Select Main Table"},
        {RelationEditor::IDC_LEFT_TABLE, ControlKind::ComboBox, ""},
        {0, ControlKind::Static, "Select Detail Table"},
        {RelationEditor::IDC_RIGHT_TABLE, ControlKind::ComboBox, ""},
        {RelationEditor::IDC_LEFT_TREE, ControlKind::TreeCtrl, "", false, false, 220, 200},
        {RelationEditor::IDC_RIGHT_TREE, ControlKind::TreeCtrl, "", false, false, 220, 200},
        {RelationEditor::IDC_ADD, ControlKind::PushButton, "Add Relation"},
        {RelationEditor::IDC_RELATIONS, ControlKind::ListCtrl, "", false, false, 450, 140},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {IDCANCEL, ControlKind::PushButton, "Cancel"},
        {RelationEditor::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    0,
    Lay::Column({
        Lay::Row({Lay::Field(RelationEditor::IDC_LEFT_TABLE),
                  Lay::Field(RelationEditor::IDC_RIGHT_TABLE)}),
        Lay::Row({Lay::Control(RelationEditor::IDC_LEFT_TREE),
                  Lay::Control(RelationEditor::IDC_RIGHT_TREE)}),
        Lay::Buttons({RelationEditor::IDC_ADD}),
        Lay::Control(RelationEditor::IDC_RELATIONS),
        Lay::Buttons({IDOK, IDCANCEL, RelationEditor::IDC_HELP_BUTTON}),
    }),
    {{.list = RelationEditor::IDC_LEFT_TREE},
     {.list = RelationEditor::IDC_RIGHT_TREE},
     {.list = RelationEditor::IDC_RELATIONS,
      .panel = RelationEditor::IDC_LEFT_TABLE,
      .deleteKey = true}},
}};

int ComboSelection(CWnd& window, int id)
{
    const auto* combo = dynamic_cast<CComboBox*>(window.GetDlgItem(id));
    return combo != nullptr ? combo->GetCurSel() : -1;
}
} // namespace

RelationDlg::RelationDlg(Procedure& procedure, CWnd* parent)
    : CDialog(IDD, parent), m_editor(procedure, ViewEditorHost::Get()), m_view(*this)
{
    MapControl(CBN_SELCHANGE, RelationEditor::IDC_LEFT_TABLE, &RelationDlg::OnLeftTable);
    MapControl(CBN_SELCHANGE, RelationEditor::IDC_RIGHT_TABLE, &RelationDlg::OnRightTable);
    MapControl(BN_CLICKED, RelationEditor::IDC_ADD, &RelationDlg::OnAdd);
    MapControl(BN_CLICKED, RelationEditor::IDC_HELP_BUTTON, &RelationDlg::OnHelp);
    MapRowSelection(RelationEditor::IDC_RELATIONS, &RelationDlg::OnListSelected);
    MapNotify(TVN_ITEMCHANGED, RelationEditor::IDC_LEFT_TREE, &RelationDlg::OnTreeCheck);
    MapNotify(TVN_ITEMCHANGED, RelationEditor::IDC_RIGHT_TREE, &RelationDlg::OnTreeCheck);
}

BOOL RelationDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_list.SubclassDlgItem(RelationEditor::IDC_RELATIONS, this);
    SetListColumns(m_list, RelationEditor::Columns());
    for (TreeControl* tree : {&m_leftTree, &m_rightTree})
    {
        tree->SubclassDlgItem(tree == &m_leftTree ? RelationEditor::IDC_LEFT_TREE
                                                  : RelationEditor::IDC_RIGHT_TREE,
                              this);
        tree->ModifyStyle(0, TVS_CHECKBOXES);
    }
    m_editor.Open();
    Show();
    return TRUE;
}

BOOL RelationDlg::PreTranslateMessage(MSG* msg)
{
    if (IsDeleteKeyFor(*msg, m_list))
    {
        m_editor.DeleteRelation();
        Show();
        return TRUE;
    }
    return CDialog::PreTranslateMessage(msg);
}

void RelationDlg::ShowSide(TreeControl& tree, const RelationEditor::Side& side)
{
    tree.SaveExpandedItems();
    tree.DeleteAllItems();
    if (side.table != nullptr)
    {
        HTREEITEM root = tree.InsertItem(side.table->GetTableName());
        for (const RelationEditor::FieldItem& item : side.items)
        {
            HTREEITEM child = tree.InsertItem(item.field->GetFieldName(), root);
            tree.SetItemData(child, static_cast<DWORD_PTR>(item.field->GetId()));
            tree.SetCheck(child, item.checked ? TRUE : FALSE);
        }
        tree.Expand(root, TVE_EXPAND);
    }
    tree.RestoreExpandedItems();
}

void RelationDlg::Show()
{
    ShowListRows(m_list, m_editor.GetRows());
    m_list.SetCurSel(m_editor.GetSelectedRow());
    ShowSide(m_leftTree, m_editor.Left());
    ShowSide(m_rightTree, m_editor.Right());
    m_view.Show(m_editor.States());
}

void RelationDlg::OnLeftTable()
{
    m_editor.ChooseLeftTable(ComboSelection(*this, RelationEditor::IDC_LEFT_TABLE));
    Show();
}

void RelationDlg::OnRightTable()
{
    m_editor.ChooseRightTable(ComboSelection(*this, RelationEditor::IDC_RIGHT_TABLE));
    Show();
}

void RelationDlg::OnAdd()
{
    m_editor.AddOrUpdate();
    Show();
}

void RelationDlg::OnListSelected(int row)
{
    m_editor.ClickRelation(row);
    Show();
}

void RelationDlg::OnTreeCheck(NMHDR* header, LRESULT* result)
{
    *result = 0;
    const auto* change = reinterpret_cast<NMTVITEMCHANGE*>(header);
    const bool left = header->idFrom == static_cast<UINT_PTR>(RelationEditor::IDC_LEFT_TREE);
    TreeControl& tree = left ? m_leftTree : m_rightTree;
    int index = 0;
    for (HTREEITEM item = tree.GetChildItem(tree.GetRootItem()); item != nullptr;
         item = tree.GetNextSiblingItem(item), ++index)
    {
        if (item == change->hItem)
            m_editor.CheckField(left, index, tree.GetCheck(item) != FALSE);
    }
}

void RelationDlg::OnHelp()
{
    ShowContextHelp(this, IDD);
}
