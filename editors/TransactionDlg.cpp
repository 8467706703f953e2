#include "editors/TransactionDlg.h"

#include "editors/ContextHelp.h"
#include "editors/EditorPictures.h"
#include "editors/ViewPageDialogs.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ListCtrl.h"

IMPLEMENT_DYNCREATE(TransactionDlg, CFormView)

namespace
{

constexpr int kTransactionLayoutGroup = 2111;
constexpr int kTransactionControlsGroup = 2112;
constexpr int kTransactionTablesLabel = 2113;

const DialogTemplateRegistration transactionTemplate{{
    TransactionEditor::IDD,
    "",
    {
        {TransactionEditor::IDC_PICTURE, ControlKind::Picture, "", false, false, 0, 0,
         TransactionEditor::transactionBitmap},
        {0, ControlKind::Static, "Name"},
        {TransactionEditor::IDC_NAME, ControlKind::Edit, "", false, false, 260},
        {kTransactionLayoutGroup, ControlKind::GroupBox, "Layout"},
        {TransactionEditor::IDC_SINGLE_COLUMN, ControlKind::RadioButton, "Single Column"},
        {TransactionEditor::IDC_TWO_COLUMNS, ControlKind::RadioButton, "Two Columns"},
        {0, ControlKind::Static, "Module"},
        {TransactionEditor::IDC_MODULE, ControlKind::ComboBox, ""},
        {0, ControlKind::Static, "Master Table"},
        {TransactionEditor::IDC_MASTER_TABLE, ControlKind::ComboBox, ""},
        {TransactionEditor::IDC_ADD_MASTER, ControlKind::PushButton, "Add Master"},
        {0, ControlKind::Static, "Detail Table"},
        {TransactionEditor::IDC_DETAIL_TABLE, ControlKind::ComboBox, ""},
        {TransactionEditor::IDC_ADD_DETAIL, ControlKind::PushButton, "Add Detail"},
        {kTransactionTablesLabel, ControlKind::Static, "List of Master-Detail tables"},
        {TransactionEditor::IDC_TABLES, ControlKind::ListCtrl, "", false, false, 300, 110},
        {TransactionEditor::IDC_REMOVE_TABLE, ControlKind::PushButton, "Remove Table"},
        {TransactionEditor::IDC_UP, ControlKind::PushButton, "Up", /*hidden=*/true},
        {TransactionEditor::IDC_DOWN, ControlKind::PushButton, "Down", /*hidden=*/true},
        {kTransactionControlsGroup, ControlKind::GroupBox, "Page controls"},
        {TransactionEditor::IDC_FORM_CONTROLS, ControlKind::PushButton, "Form Controls"},
        {TransactionEditor::IDC_LINK_CONTROLS, ControlKind::PushButton, "Link Controls"},
        {TransactionEditor::IDC_REFERENCE_FIELDS, ControlKind::PushButton, "Reference Fields"},
        {TransactionEditor::IDC_VARIABLES, ControlKind::PushButton, "Variables", /*hidden=*/true},
        {TransactionEditor::IDC_ADD_DERIVED_FIELD, ControlKind::PushButton, "Add Derived Field",
         /*hidden=*/true},
        {1046, ControlKind::PushButton, "Assign Report", /*hidden=*/true},
        {TransactionEditor::IDC_REMOVE_REPORT, ControlKind::PushButton, "Remove Report",
         /*hidden=*/true},
        {1212, ControlKind::PushButton, "Control Visibility", /*hidden=*/true},
        {TransactionEditor::IDC_FORM_METHODS, ControlKind::PushButton, "Form Methods",
         /*hidden=*/true},
        {TransactionEditor::IDC_CREATE_OTHER_FORM, ControlKind::CheckBox, "Create Other Form",
         /*hidden=*/true},
        {TransactionEditor::IDC_FILES, ControlKind::ListCtrl, "", false, false, 300, 90},
        {TransactionEditor::IDC_SET_PROPERTIES, ControlKind::PushButton, "Set Properties"},
        {TransactionEditor::IDC_OK, ControlKind::PushButton, "OK"},
        {TransactionEditor::IDC_CANCEL, ControlKind::PushButton, "Cancel"},
        {1526, ControlKind::PushButton, "Cancel", /*hidden=*/true},
        {TransactionEditor::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    WS_CHILD,
    Lay::Column({
        Lay::Row({Lay::Control(TransactionEditor::IDC_PICTURE),
                  Lay::Field(TransactionEditor::IDC_NAME),
                  Lay::Group(kTransactionLayoutGroup,
                             {Lay::Row({Lay::Control(TransactionEditor::IDC_SINGLE_COLUMN),
                                        Lay::Control(TransactionEditor::IDC_TWO_COLUMNS)})}),
                  Lay::Stretch()}),
        Lay::Row({Lay::Field(TransactionEditor::IDC_MODULE), Lay::Stretch()}),
        Lay::Row({Lay::Field(TransactionEditor::IDC_MASTER_TABLE),
                  Lay::Control(TransactionEditor::IDC_ADD_MASTER),
                  Lay::Field(TransactionEditor::IDC_DETAIL_TABLE),
                  Lay::Control(TransactionEditor::IDC_ADD_DETAIL), Lay::Stretch()}),
        Lay::Control(kTransactionTablesLabel),
        Lay::Row({Lay::Control(TransactionEditor::IDC_TABLES),
                  Lay::Control(TransactionEditor::IDC_REMOVE_TABLE), Lay::Stretch()}),
        Lay::Group(
            kTransactionControlsGroup,
            {Lay::Row({Lay::Control(TransactionEditor::IDC_FORM_CONTROLS),
                       Lay::Control(TransactionEditor::IDC_LINK_CONTROLS),
                       Lay::Control(TransactionEditor::IDC_REFERENCE_FIELDS), Lay::Stretch()})}),
        Lay::Row({Lay::Control(TransactionEditor::IDC_FILES),
                  Lay::Control(TransactionEditor::IDC_SET_PROPERTIES), Lay::Stretch()}),
        Lay::Stretch(),
        Lay::Buttons({TransactionEditor::IDC_OK, TransactionEditor::IDC_CANCEL,
                      TransactionEditor::IDC_HELP_BUTTON}),
    }),
    {{.list = TransactionEditor::IDC_TABLES,
      .remove = TransactionEditor::IDC_REMOVE_TABLE,
      .nameColumn = 1},
     {.list = TransactionEditor::IDC_FILES}},
}};
} // namespace

TransactionDlg::TransactionDlg()
    : CFormView(TransactionEditor::IDD),
      m_editor(
          [](ForgeonProject& project)
          {
              return std::make_unique<TransactionEditor>(project, ViewEditorHost::Get(),
                                                         ViewPageDialogs::Get());
          }),
      m_view(*this)
{
    RegisterEditorPictures();
    const std::pair<int, void (TransactionEditor::*)()> buttons[] = {
        {TransactionEditor::IDC_ADD_MASTER, &TransactionEditor::AddMaster},
        {TransactionEditor::IDC_ADD_DETAIL, &TransactionEditor::AddDetail},
        {TransactionEditor::IDC_REMOVE_TABLE, &TransactionEditor::RemoveTable},
        {TransactionEditor::IDC_SINGLE_COLUMN, &TransactionEditor::SingleColumn},
        {TransactionEditor::IDC_TWO_COLUMNS, &TransactionEditor::TwoColumns},
        {TransactionEditor::IDC_FORM_CONTROLS, &TransactionEditor::FormControls},
        {TransactionEditor::IDC_LINK_CONTROLS, &TransactionEditor::LinkControls},
        {TransactionEditor::IDC_REFERENCE_FIELDS, &TransactionEditor::ReferenceFields},
        {TransactionEditor::IDC_SET_PROPERTIES, &TransactionEditor::SetProperties},
        {TransactionEditor::IDC_OK, &TransactionEditor::Ok},
        {TransactionEditor::IDC_CANCEL, &TransactionEditor::Cancel},
        {TransactionEditor::IDC_VARIABLES, &TransactionEditor::Variables},
        {TransactionEditor::IDC_ADD_DERIVED_FIELD, &TransactionEditor::AddDerivedField},
        {TransactionEditor::IDC_FORM_METHODS, &TransactionEditor::FormMethods},
        {TransactionEditor::IDC_REMOVE_REPORT, &TransactionEditor::RemoveReport},
        {TransactionEditor::IDC_UP, &TransactionEditor::MoveUp},
        {TransactionEditor::IDC_DOWN, &TransactionEditor::MoveDown},
        {TransactionEditor::IDC_CREATE_OTHER_FORM, &TransactionEditor::CreateOtherForm},
    };
    for (const auto& [id, command] : buttons)
        MapControlRange(BN_CLICKED, id, id, [this, command] { Run(command); });
    MapControlRange(BN_CLICKED, TransactionEditor::IDC_HELP_BUTTON,
                    TransactionEditor::IDC_HELP_BUTTON,
                    [this] { ShowContextHelp(this, TransactionEditor::IDD); });
    MapControlRange(EN_KILLFOCUS, TransactionEditor::IDC_NAME, TransactionEditor::IDC_NAME,
                    [this] { Run(&TransactionEditor::LeaveName); });
    MapControl(CBN_SELCHANGE, TransactionEditor::IDC_MODULE, &TransactionDlg::OnModule);
    MapRowSelection(TransactionEditor::IDC_TABLES, &TransactionDlg::OnTableSelected);
    MapNotify(NM_DBLCLK, TransactionEditor::IDC_FILES, &TransactionDlg::OnFileDoubleClick);
}

TransactionDlg::~TransactionDlg() = default;

TransactionEditor* TransactionDlg::GetEditor()
{
    return m_editor.Get();
}

void TransactionDlg::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    if (m_tables.GetSafeHwnd() != nullptr)
        return;
    m_tables.SubclassDlgItem(TransactionEditor::IDC_TABLES, this);
    m_files.SubclassDlgItem(TransactionEditor::IDC_FILES, this);
    SetListColumns(m_tables, TransactionEditor::TableColumns());
    SetListColumns(m_files, TransactionEditor::FileColumns());
    m_picture.SubclassDlgItem(TransactionEditor::IDC_PICTURE, this);
    m_picture.SetBitmap(TransactionEditor::transactionBitmap);
    m_toolTips.Create(this);
    AddToolTips(m_toolTips, *this, TransactionEditor::ToolTips());
    Show();
}

void TransactionDlg::LoadTransaction(Transaction* transaction)
{
    if (TransactionEditor* editor = GetEditor())
    {
        editor->LoadTransaction(transaction);
        Show();
    }
}

void TransactionDlg::ClearPage()
{
    if (m_editor.Current() == nullptr)
        return;
    m_editor.Current()->ClearPage();
    Show();
}

void TransactionDlg::ReloadPage()
{
    LoadTransaction(nullptr);
}

void TransactionDlg::ReadControls()
{
    TransactionEditor& editor = *m_editor.Current();
    m_view.ReadTexts(editor.States(), {TransactionEditor::IDC_NAME});
    editor.States().SetCheck(TransactionEditor::IDC_CREATE_OTHER_FORM,
                             IsDlgButtonChecked(TransactionEditor::IDC_CREATE_OTHER_FORM) != 0);
    for (const int id : {TransactionEditor::IDC_MASTER_TABLE, TransactionEditor::IDC_DETAIL_TABLE})
    {
        if (const auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(id)))
            editor.States().Select(id, combo->GetCurSel());
    }
    if (m_tables.GetSafeHwnd() != nullptr)
    {
        editor.SelectTable(m_tables.GetCurSel());
        editor.SelectFile(m_files.GetCurSel());
    }
}

void TransactionDlg::Run(void (TransactionEditor::*command)())
{
    if (GetEditor() == nullptr)
        return;
    ReadControls();
    (m_editor.Current()->*command)();
    Show();
}

void TransactionDlg::OnModule()
{
    if (GetEditor() == nullptr)
        return;
    ReadControls();
    if (const auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(TransactionEditor::IDC_MODULE)))
        m_editor.Current()->ChooseModule(combo->GetCurSel());
    Show();
}

void TransactionDlg::OnTableSelected(int row)
{
    if (GetEditor() != nullptr)
        m_editor.Current()->SelectTable(row);
}

void TransactionDlg::OnFileDoubleClick(NMHDR*, LRESULT* result)
{
    *result = 0;
    Run(&TransactionEditor::SetProperties);
}

void TransactionDlg::Show()
{
    if (m_editor.Current() == nullptr || m_tables.GetSafeHwnd() == nullptr)
        return;
    const TransactionEditor& editor = *m_editor.Current();
    ShowListRows(m_tables, editor.GetTableRows());
    if (editor.GetSelectedTable() >= 0)
        m_tables.SetCurSel(editor.GetSelectedTable());
    ShowListRows(m_files, editor.GetFileRows());
    m_view.Show(m_editor.Current()->States());
}
