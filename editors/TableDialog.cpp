#include "editors/TableDialog.h"

#include "editors/ContextHelp.h"
#include "editors/EditorPictures.h"
#include "editors/ViewEditorHost.h"
#include "model/MainFrameAccess.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ListCtrl.h"

IMPLEMENT_DYNCREATE(TableDialog, CFormView)

namespace
{

const DialogTemplateRegistration tableTemplate{{
    TableDesigner::IDD,
    "",
    {
        {TableDesigner::IDC_PICTURE, ControlKind::Picture, ""},
        {0, ControlKind::Static, "Table Name"},
        {TableDesigner::IDC_TABLE_NAME, ControlKind::Edit, ""},
        {TableDesigner::IDC_KIND, ControlKind::ComboBox, "", /*hidden=*/true},
        {TableDesigner::IDC_CHANGE_KIND, ControlKind::PushButton, "Change Table Type",
         /*hidden=*/true},
        {0, ControlKind::Static, "Field Name"},
        {TableDesigner::IDC_FIELD_NAME, ControlKind::Edit, ""},
        {TableDesigner::IDC_DISPLAY_NAME, ControlKind::Edit, "", /*hidden=*/true},
        {0, ControlKind::Static, "Data Type"},
        {TableDesigner::IDC_TYPE, ControlKind::ComboBox, ""},
        {0, ControlKind::Static, "Size"},
        {TableDesigner::IDC_SIZE, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Precision"},
        {TableDesigner::IDC_PRECISION, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Default Value"},
        {TableDesigner::IDC_DEFAULT_VALUE, ControlKind::Edit, ""},
        {TableDesigner::IDC_ALLOW_NULL, ControlKind::CheckBox, "Allow Null"},
        {TableDesigner::IDC_FOREIGN_KEY, ControlKind::CheckBox, "Foreign Key"},
        {0, ControlKind::Static, "Module"},
        {TableDesigner::IDC_FOREIGN_MODULE, ControlKind::ComboBox, ""},
        {0, ControlKind::Static, "Foreign Field Table"},
        {TableDesigner::IDC_FOREIGN_TABLE, ControlKind::ComboBox, ""},
        {TableDesigner::IDC_ADD, ControlKind::PushButton, "Add"},
        {TableDesigner::IDC_DELETE, ControlKind::PushButton, "Delete"},
        {TableDesigner::IDC_CLEAR, ControlKind::PushButton, "Clear"},
        {0, ControlKind::Static, "Select Field"},
        {TableDesigner::IDC_FRONT_FIELDS, ControlKind::ComboBox, ""},
        {TableDesigner::IDC_ASSIGN_FRONT, ControlKind::PushButton, "Assign"},
        {TableDesigner::IDC_REMOVE_FRONT, ControlKind::PushButton, "Remove"},
        {TableDesigner::IDC_FRONT_LABEL, ControlKind::Static, "Front field not assigned."},
        {TableDesigner::IDC_GRID, ControlKind::ListCtrl, "", false, false, 820, 240},
        {TableDesigner::IDC_GENERATE, ControlKind::CheckBox, "Generate Forms and Reports"},
        {TableDesigner::IDC_OK, ControlKind::PushButton, "OK"},
        {TableDesigner::IDC_CANCEL, ControlKind::PushButton, "Cancel"},
        {TableDesigner::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    WS_CHILD,
    Lay::Column({
        Lay::Row({Lay::Control(TableDesigner::IDC_PICTURE),
                  Lay::Field(TableDesigner::IDC_TABLE_NAME), Lay::Stretch()}),
        Lay::Row({Lay::Field(TableDesigner::IDC_FIELD_NAME), Lay::Field(TableDesigner::IDC_TYPE),
                  Lay::Field(TableDesigner::IDC_SIZE), Lay::Field(TableDesigner::IDC_PRECISION)}),
        Lay::Row({Lay::Field(TableDesigner::IDC_DEFAULT_VALUE),
                  Lay::Control(TableDesigner::IDC_ALLOW_NULL),
                  Lay::Control(TableDesigner::IDC_FOREIGN_KEY)}),
        Lay::Row({Lay::Field(TableDesigner::IDC_FOREIGN_MODULE),
                  Lay::Field(TableDesigner::IDC_FOREIGN_TABLE)}),
        Lay::Buttons({TableDesigner::IDC_ADD, TableDesigner::IDC_DELETE, TableDesigner::IDC_CLEAR}),
        Lay::Row({Lay::Field(TableDesigner::IDC_FRONT_FIELDS),
                  Lay::Control(TableDesigner::IDC_ASSIGN_FRONT),
                  Lay::Control(TableDesigner::IDC_REMOVE_FRONT),
                  Lay::Control(TableDesigner::IDC_FRONT_LABEL), Lay::Stretch()}),
        Lay::Control(TableDesigner::IDC_GRID),
        Lay::Row({Lay::Control(TableDesigner::IDC_GENERATE), Lay::Stretch()}),
        Lay::Buttons(
            {TableDesigner::IDC_OK, TableDesigner::IDC_CANCEL, TableDesigner::IDC_HELP_BUTTON}),
    }),
    {{.list = TableDesigner::IDC_GRID,
      .panel = TableDesigner::IDC_FIELD_NAME,
      .remove = TableDesigner::IDC_DELETE,
      .nameColumn = 1}},
}};
} // namespace

TableDialog::TableDialog() : CFormView(TableDesigner::IDD), m_view(*this)
{
    RegisterEditorPictures();
    MapControl(BN_CLICKED, TableDesigner::IDC_ADD, &TableDialog::OnAdd);
    MapControl(BN_CLICKED, TableDesigner::IDC_DELETE, &TableDialog::OnDelete);
    MapControl(BN_CLICKED, TableDesigner::IDC_CLEAR, &TableDialog::OnClear);
    MapControl(BN_CLICKED, TableDesigner::IDC_ALLOW_NULL, &TableDialog::OnAllowNull);
    MapControl(BN_CLICKED, TableDesigner::IDC_FOREIGN_KEY, &TableDialog::OnForeignKey);
    MapControl(BN_CLICKED, TableDesigner::IDC_ASSIGN_FRONT, &TableDialog::OnAssign);
    MapControl(BN_CLICKED, TableDesigner::IDC_REMOVE_FRONT, &TableDialog::OnRemove);
    MapControl(BN_CLICKED, TableDesigner::IDC_GENERATE, &TableDialog::OnGenerate);
    MapControl(BN_CLICKED, TableDesigner::IDC_OK, &TableDialog::OnOk);
    MapControl(BN_CLICKED, TableDesigner::IDC_CANCEL, &TableDialog::OnCancel);
    MapControl(BN_CLICKED, TableDesigner::IDC_HELP_BUTTON, &TableDialog::OnHelp);
    MapControl(CBN_SELCHANGE, TableDesigner::IDC_TYPE, &TableDialog::OnTypeChanged);
    MapControl(CBN_SELCHANGE, TableDesigner::IDC_FOREIGN_MODULE, &TableDialog::OnModuleChanged);
    MapControl(CBN_SELCHANGE, TableDesigner::IDC_FOREIGN_TABLE,
               &TableDialog::OnForeignTableChanged);
    MapControl(CBN_SELCHANGE, TableDesigner::IDC_FRONT_FIELDS, &TableDialog::OnFrontFieldChanged);
    MapRowSelection(TableDesigner::IDC_GRID, &TableDialog::OnGridSelected);
}

TableDialog::~TableDialog() = default;

TableDesigner* TableDialog::GetDesigner()
{
    ForgeonProject* project = MainFrameAccess::GetProject();
    if (project != m_designerProject)
    {
        m_designer.reset();
        m_designerProject = project;
        // The rows shown came from the designer let go of: its revisions say nothing of the next.
        m_shownRowsRevision = -1;
        if (project != nullptr)
        {
            m_designer = std::make_unique<TableDesigner>(*project, ViewEditorHost::Get());
            m_designer->InitialUpdate();
        }
    }
    return m_designer.get();
}

void TableDialog::DoDataExchange(CDataExchange* pDX)
{
    CFormView::DoDataExchange(pDX);
    DDX_Control(pDX, TableDesigner::IDC_TYPE, m_typeCombo);
    DDX_Control(pDX, TableDesigner::IDC_FOREIGN_MODULE, m_moduleCombo);
    DDX_Control(pDX, TableDesigner::IDC_FOREIGN_TABLE, m_foreignTableCombo);
    DDX_Control(pDX, TableDesigner::IDC_FRONT_FIELDS, m_frontFieldCombo);
    DDX_Control(pDX, TableDesigner::IDC_KIND, m_kindCombo);
    DDX_Control(pDX, TableDesigner::IDC_PICTURE, m_picture);
    DDX_Text(pDX, TableDesigner::IDC_SIZE, m_size);
    DDV_MinMaxUInt(pDX, m_size, 0, 8000);
    DDX_Text(pDX, TableDesigner::IDC_DEFAULT_VALUE, m_defaultValue);
    DDV_MaxChars(pDX, m_defaultValue, 8000);
}

void TableDialog::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    if (m_grid.GetSafeHwnd() == nullptr)
    {
        m_grid.SubclassDlgItem(TableDesigner::IDC_GRID, this);
        SetListColumns(m_grid, TableDesigner::GridColumns());
    }
    if (!m_toolTipsCreated)
    {
        m_toolTips.Create(this);
        AddToolTips(m_toolTips, *this, TableDesigner::ToolTips());
        m_toolTipsCreated = true;
    }
    if (TableDesigner* designer = GetDesigner())
    {
        designer->InitialUpdate();
        Show();
    }
}

void TableDialog::LoadTable(Table* table, int kind)
{
    if (TableDesigner* designer = GetDesigner())
    {
        designer->LoadTable(table, kind);
        Show();
    }
}

void TableDialog::EnableOK(bool enable)
{
    if (TableDesigner* designer = GetDesigner())
    {
        designer->EnableOK(enable);
        Show();
    }
}

void TableDialog::ClearPage()
{
    if (m_designer == nullptr)
        return;
    m_designer->ClearPage();
    Show();
}

void TableDialog::ReloadPage()
{
    if (TableDesigner* designer = GetDesigner())
    {
        designer->ReloadPage();
        Show();
    }
}

BOOL TableDialog::PreTranslateMessage(MSG* msg)
{
    if (IsEnterKeyIn(*msg, *this,
                     {TableDesigner::IDC_FIELD_NAME, TableDesigner::IDC_DISPLAY_NAME,
                      TableDesigner::IDC_SIZE, TableDesigner::IDC_PRECISION,
                      TableDesigner::IDC_DEFAULT_VALUE}))
    {
        OnAdd();
        return TRUE;
    }
    return CFormView::PreTranslateMessage(msg);
}

void TableDialog::OnCancel()
{
    Run(&TableDesigner::Cancel);
}

void TableDialog::ReadTexts()
{
    m_view.ReadTexts(m_designer->States(),
                     {TableDesigner::IDC_TABLE_NAME, TableDesigner::IDC_FIELD_NAME,
                      TableDesigner::IDC_DISPLAY_NAME, TableDesigner::IDC_SIZE,
                      TableDesigner::IDC_PRECISION, TableDesigner::IDC_DEFAULT_VALUE});
    m_designer->States().Select(TableDesigner::IDC_FRONT_FIELDS, m_frontFieldCombo.GetCurSel());
}

void TableDialog::Run(void (TableDesigner::*command)())
{
    if (GetDesigner() == nullptr)
        return;
    ReadTexts();
    (m_designer.get()->*command)();
    Show();
}

void TableDialog::RunValidated(void (TableDesigner::*command)(bool))
{
    if (GetDesigner() == nullptr)
        return;
    const bool valid = UpdateData(TRUE) != FALSE;
    ReadTexts();
    (m_designer.get()->*command)(valid);
    Show();
}

void TableDialog::Show()
{
    if (m_designer == nullptr)
        return;
    if (m_grid.GetSafeHwnd() != nullptr && m_shownRowsRevision != m_designer->GetRowsRevision())
    {
        ShowListRows(m_grid, m_designer->GetRows());
        m_shownRowsRevision = m_designer->GetRowsRevision();
    }
    if (m_grid.GetSafeHwnd() != nullptr && m_grid.GetCurSel() != m_designer->GetSelectedRow())
        m_grid.SetCurSel(m_designer->GetSelectedRow());
    m_view.Show(m_designer->States());
    if (m_picture.GetSafeHwnd() != nullptr && m_shownBitmap != m_designer->GetBitmap())
    {
        m_shownBitmap = m_designer->GetBitmap();
        m_pictureBitmap.DeleteObject();
        m_pictureBitmap.LoadBitmap(m_shownBitmap);
        m_picture.SetBitmap(&m_pictureBitmap);
    }
    if (const int focus = m_designer->TakeFocusRequest())
    {
        if (CWnd* control = GetDlgItem(focus))
            control->SetFocus();
    }
}

void TableDialog::RunChoice(void (TableDesigner::*command)(int), const CComboBox& combo)
{
    if (GetDesigner() == nullptr)
        return;
    ReadTexts();
    (m_designer.get()->*command)(combo.GetCurSel());
    Show();
}

void TableDialog::OnFrontFieldChanged()
{
    if (m_designer != nullptr)
        m_designer->States().Select(TableDesigner::IDC_FRONT_FIELDS, m_frontFieldCombo.GetCurSel());
}

void TableDialog::OnGridSelected(int row)
{
    if (GetDesigner() == nullptr || row < 0)
        return;
    ReadTexts();
    m_designer->LoadRow(row);
    Show();
}

void TableDialog::OnHelp()
{
    ShowContextHelp(this, TableDesigner::IDD);
}
