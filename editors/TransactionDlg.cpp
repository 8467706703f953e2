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
using T = TransactionEditor;

constexpr int kLayoutGroup = 2111;
constexpr int kControlsGroup = 2112;
constexpr int kTablesLabel = 2113;

const DialogTemplateRegistration transactionTemplate{{
    T::IDD,
    "",
    {
        {T::IDC_PICTURE, ControlKind::Picture, "", false, false, 0, 0, T::transactionBitmap},
        {0, ControlKind::Static, "Name"},
        {T::IDC_NAME, ControlKind::Edit, "", false, false, 260},
        {kLayoutGroup, ControlKind::GroupBox, "Layout"},
        {T::IDC_SINGLE_COLUMN, ControlKind::RadioButton, "Single Column"},
        {T::IDC_TWO_COLUMNS, ControlKind::RadioButton, "Two Columns"},
        {0, ControlKind::Static, "Module"},
        {T::IDC_MODULE, ControlKind::ComboBox, ""},
        {0, ControlKind::Static, "Master Table"},
        {T::IDC_MASTER_TABLE, ControlKind::ComboBox, ""},
        {T::IDC_ADD_MASTER, ControlKind::PushButton, "Add Master"},
        {0, ControlKind::Static, "Detail Table"},
        {T::IDC_DETAIL_TABLE, ControlKind::ComboBox, ""},
        {T::IDC_ADD_DETAIL, ControlKind::PushButton, "Add Detail"},
        {kTablesLabel, ControlKind::Static, "List of Master-Detail tables"},
        {T::IDC_TABLES, ControlKind::ListCtrl, "", false, false, 300, 110},
        {T::IDC_REMOVE_TABLE, ControlKind::PushButton, "Remove Table"},
        {1068, ControlKind::PushButton, "Up", /*hidden=*/true},
        {1069, ControlKind::PushButton, "Down", /*hidden=*/true},
        {kControlsGroup, ControlKind::GroupBox, "Page controls"},
        {T::IDC_FORM_CONTROLS, ControlKind::PushButton, "Form Controls"},
        {T::IDC_LINK_CONTROLS, ControlKind::PushButton, "Link Controls"},
        {T::IDC_REFERENCE_FIELDS, ControlKind::PushButton, "Reference Fields"},
        {1211, ControlKind::PushButton, "Variables", /*hidden=*/true},
        {1386, ControlKind::PushButton, "Add Derived Field", /*hidden=*/true},
        {1046, ControlKind::PushButton, "Assign Report", /*hidden=*/true},
        {1047, ControlKind::PushButton, "Remove Report", /*hidden=*/true},
        {1212, ControlKind::PushButton, "Control Visibility", /*hidden=*/true},
        {1387, ControlKind::PushButton, "Form Methods", /*hidden=*/true},
        {1654, ControlKind::CheckBox, "Create Other Form", /*hidden=*/true},
        {T::IDC_FILES, ControlKind::ListCtrl, "", false, false, 300, 90},
        {T::IDC_SET_PROPERTIES, ControlKind::PushButton, "Set Properties"},
        {T::IDC_OK, ControlKind::PushButton, "OK"},
        {T::IDC_CANCEL, ControlKind::PushButton, "Cancel"},
        {1526, ControlKind::PushButton, "Cancel", /*hidden=*/true},
        {T::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    WS_CHILD,
    Lay::Column({
        Lay::Row({Lay::Control(T::IDC_PICTURE), Lay::Field(T::IDC_NAME),
                  Lay::Group(kLayoutGroup, {Lay::Row({Lay::Control(T::IDC_SINGLE_COLUMN),
                                                      Lay::Control(T::IDC_TWO_COLUMNS)})}),
                  Lay::Stretch()}),
        Lay::Row({Lay::Field(T::IDC_MODULE), Lay::Stretch()}),
        Lay::Row({Lay::Field(T::IDC_MASTER_TABLE), Lay::Control(T::IDC_ADD_MASTER),
                  Lay::Field(T::IDC_DETAIL_TABLE), Lay::Control(T::IDC_ADD_DETAIL),
                  Lay::Stretch()}),
        Lay::Control(kTablesLabel),
        Lay::Row({Lay::Control(T::IDC_TABLES), Lay::Control(T::IDC_REMOVE_TABLE), Lay::Stretch()}),
        Lay::Group(
            kControlsGroup,
            {Lay::Row({Lay::Control(T::IDC_FORM_CONTROLS), Lay::Control(T::IDC_LINK_CONTROLS),
                       Lay::Control(T::IDC_REFERENCE_FIELDS), Lay::Stretch()})}),
        Lay::Row({Lay::Control(T::IDC_FILES), Lay::Control(T::IDC_SET_PROPERTIES), Lay::Stretch()}),
        Lay::Stretch(),
        Lay::Buttons({T::IDC_OK, T::IDC_CANCEL, T::IDC_HELP_BUTTON}),
    }),
}};
} // namespace

TransactionDlg::TransactionDlg()
    : CFormView(T::IDD), m_editor(
                             [](ForgeonProject& project)
                             {
                                 return std::make_unique<TransactionEditor>(
                                     project, ViewEditorHost::Get(), ViewPageDialogs::Get());
                             }),
      m_view(*this)
{
    RegisterEditorPictures();
    const std::pair<int, void (T::*)()> buttons[] = {
        {T::IDC_ADD_MASTER, &T::AddMaster},
        {T::IDC_ADD_DETAIL, &T::AddDetail},
        {T::IDC_REMOVE_TABLE, &T::RemoveTable},
        {T::IDC_SINGLE_COLUMN, &T::SingleColumn},
        {T::IDC_TWO_COLUMNS, &T::TwoColumns},
        {T::IDC_FORM_CONTROLS, &T::FormControls},
        {T::IDC_LINK_CONTROLS, &T::LinkControls},
        {T::IDC_REFERENCE_FIELDS, &T::ReferenceFields},
        {T::IDC_SET_PROPERTIES, &T::SetProperties},
        {T::IDC_OK, &T::Ok},
        {T::IDC_CANCEL, &T::Cancel},
    };
    for (const auto& [id, command] : buttons)
        MapControlRange(BN_CLICKED, id, id, [this, command] { Run(command); });
    MapControlRange(BN_CLICKED, T::IDC_HELP_BUTTON, T::IDC_HELP_BUTTON,
                    [this] { ShowContextHelp(this, T::IDD); });
    MapControlRange(EN_KILLFOCUS, T::IDC_NAME, T::IDC_NAME, [this] { Run(&T::LeaveName); });
    MapControl(CBN_SELCHANGE, T::IDC_MODULE, &TransactionDlg::OnModule);
    MapNotify(NM_CLICK, T::IDC_TABLES, &TransactionDlg::OnTableClick);
    MapNotify(NM_DBLCLK, T::IDC_FILES, &TransactionDlg::OnFileDoubleClick);
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
    m_tables.SubclassDlgItem(T::IDC_TABLES, this);
    m_files.SubclassDlgItem(T::IDC_FILES, this);
    SetListColumns(m_tables, T::TableColumns());
    SetListColumns(m_files, T::FileColumns());
    m_picture.SubclassDlgItem(T::IDC_PICTURE, this);
    m_picture.SetBitmap(T::transactionBitmap);
    m_toolTips.Create(this);
    AddToolTips(m_toolTips, *this, T::ToolTips());
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
    m_view.ReadTexts(editor.States(), {T::IDC_NAME});
    for (const int id : {T::IDC_MASTER_TABLE, T::IDC_DETAIL_TABLE})
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
    if (const auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(T::IDC_MODULE)))
        m_editor.Current()->ChooseModule(combo->GetCurSel());
    Show();
}

void TransactionDlg::OnTableClick(NMHDR* header, LRESULT* result)
{
    *result = 0;
    if (GetEditor() != nullptr)
        m_editor.Current()->SelectTable(reinterpret_cast<NMITEMACTIVATE*>(header)->iItem);
}

void TransactionDlg::OnFileDoubleClick(NMHDR*, LRESULT* result)
{
    *result = 0;
    Run(&T::SetProperties);
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
