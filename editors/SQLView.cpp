#include "editors/SQLView.h"

#include "database/SQLTable.h"
#include "editors/AlterScriptSelDlg.h"
#include "editors/ContextHelp.h"
#include "editors/DataSourceDlg.h"
#include "editors/EditorPictures.h"
#include "editors/ViewEditorHost.h"
#include "model/MainFrameAccess.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ListCtrl.h"

IMPLEMENT_DYNCREATE(SQLView, CRecordView)

namespace
{
constexpr int kScriptGroup = 2001;
constexpr int kTableGroup = 2002;
constexpr int kDatabaseTablesLabel = 2010;
constexpr int kFieldsLabel = 2011;
constexpr int kTableLabel = 2012;

const DialogTemplateRegistration sqlViewTemplate{{
    DatabasePane::IDD,
    "",
    {
        {DatabasePane::IDC_TITLE, ControlKind::Picture, "", false, false, 0, 0, databaseBitmap},
        {DatabasePane::IDC_LOAD_DATABASE, ControlKind::PushButton, "Load Database..."},
        {DatabasePane::IDC_DATABASE_CAPTION, ControlKind::Static, "Databse not selected"},
        {0, ControlKind::Static, "Modules"},
        {DatabasePane::IDC_MODULES, ControlKind::ComboBox, ""},
        {DatabasePane::IDC_NEW_DATABASE, ControlKind::PushButton, "New Database"},
        {DatabasePane::IDC_ALTER_DATABASE, ControlKind::PushButton, "Alter Database"},
        {kScriptGroup, ControlKind::GroupBox, "Generate Alter Script for"},
        {DatabasePane::IDC_SCRIPT_TABLE, ControlKind::PushButton, "Selected Table"},
        {DatabasePane::IDC_SCRIPT_MODULE, ControlKind::PushButton, "Selected Module"},
        {DatabasePane::IDC_SCRIPT_PROJECT, ControlKind::PushButton, "Project"},
        {kTableGroup, ControlKind::GroupBox, "Options for Selected Table"},
        {DatabasePane::IDC_COPY_FIELDS, ControlKind::PushButton, "Copy Fields"},
        {kTableLabel, ControlKind::Static, "Table Name"},
        {DatabasePane::IDC_TABLE_CAPTION, ControlKind::Static, "Table not selected"},
        {kDatabaseTablesLabel, ControlKind::Static, "List of Tables"},
        {DatabasePane::IDC_TABLE_LIST, ControlKind::ListCtrl, "", false, false, 240, 300},
        {kFieldsLabel, ControlKind::Static, "List of fields for selected table"},
        {DatabasePane::IDC_FIELD_LIST, ControlKind::ListCtrl, "", false, false, 320, 300},
        {2003, ControlKind::PushButton, "Copy All Procedures", true},
        {2004, ControlKind::PushButton, "Copy Fields for All Tables", true},
        {2005, ControlKind::PushButton, "Alter selected Proc", true},
        {2006, ControlKind::PushButton, "Alter Proc of Selected Module", true},
        {2007, ControlKind::PushButton, "Copy All", true},
        {2008, ControlKind::PushButton, "Show All", true},
        {2009, ControlKind::PushButton, "Alter All Procedures of Project", true},
        {DatabasePane::IDC_OK, ControlKind::PushButton, "OK"},
        {DatabasePane::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    WS_CHILD,
    Lay::Column({
        Lay::Row({Lay::Control(DatabasePane::IDC_TITLE),
                  Lay::Control(DatabasePane::IDC_LOAD_DATABASE),
                  Lay::Control(DatabasePane::IDC_DATABASE_CAPTION), Lay::Stretch()}),
        Lay::Row({Lay::Field(DatabasePane::IDC_MODULES),
                  Lay::Control(DatabasePane::IDC_NEW_DATABASE),
                  Lay::Control(DatabasePane::IDC_ALTER_DATABASE), Lay::Stretch()}),
        Lay::Row(
            {Lay::Group(kScriptGroup, {Lay::Row({Lay::Control(DatabasePane::IDC_SCRIPT_TABLE),
                                                 Lay::Control(DatabasePane::IDC_SCRIPT_MODULE),
                                                 Lay::Control(DatabasePane::IDC_SCRIPT_PROJECT)})}),
             Lay::Group(kTableGroup, {Lay::Control(DatabasePane::IDC_COPY_FIELDS)}),
             Lay::Stretch()}),
        Lay::Row({Lay::Control(kTableLabel), Lay::Control(DatabasePane::IDC_TABLE_CAPTION),
                  Lay::Stretch()}),
        Lay::Row({Lay::Column({Lay::Control(kDatabaseTablesLabel),
                               Lay::Control(DatabasePane::IDC_TABLE_LIST)}),
                  Lay::Column(
                      {Lay::Control(kFieldsLabel), Lay::Control(DatabasePane::IDC_FIELD_LIST)})}),
        Lay::Buttons({DatabasePane::IDC_OK, DatabasePane::IDC_HELP_BUTTON}),
    }),
    {{.list = DatabasePane::IDC_TABLE_LIST, .panel = DatabasePane::IDC_TABLE_CAPTION},
     {.list = DatabasePane::IDC_FIELD_LIST}},
}};
} // namespace

// The alter-script choice and the wait cursor of the pane.
class SQLView::Host : public DatabasePaneHost
{
public:
    explicit Host(CWnd& view) : m_view(view) {}

    bool ChooseAlterScope(AlterScriptScope& scope) override
    {
        AlterScriptSelDlg dialog(scope.IsTableEnabled(), &m_view);
        if (dialog.DoModal() != IDOK)
            return false;
        scope = dialog.GetScope();
        return true;
    }
    void BeginWait() override { m_view.BeginWaitCursor(); }
    void EndWait() override { m_view.EndWaitCursor(); }

private:
    CWnd& m_view;
};

SQLView::SQLView()
    : CRecordView(DatabasePane::IDD), m_host(std::make_unique<Host>(*this)), m_view(*this),
      m_previousPrompt(SetDataSourcePrompt(&DataSourceDlg::Prompt))
{
    RegisterEditorPictures();
    MapControl(BN_CLICKED, DatabasePane::IDC_LOAD_DATABASE, &SQLView::OnLoadDatabase);
    MapControl(BN_CLICKED, DatabasePane::IDC_NEW_DATABASE, &SQLView::OnNewDatabase);
    MapControl(BN_CLICKED, DatabasePane::IDC_ALTER_DATABASE, &SQLView::OnAlterDatabase);
    MapControl(BN_CLICKED, DatabasePane::IDC_SCRIPT_TABLE, &SQLView::OnTableAlterScript);
    MapControl(BN_CLICKED, DatabasePane::IDC_SCRIPT_MODULE, &SQLView::OnModuleAlterScript);
    MapControl(BN_CLICKED, DatabasePane::IDC_SCRIPT_PROJECT, &SQLView::OnProjectAlterScript);
    MapControl(BN_CLICKED, DatabasePane::IDC_COPY_FIELDS, &SQLView::OnCopyFields);
    MapControl(BN_CLICKED, DatabasePane::IDC_OK, &SQLView::OnOk);
    MapControl(BN_CLICKED, DatabasePane::IDC_HELP_BUTTON, &SQLView::OnHelp);
    MapControl(CBN_SELCHANGE, DatabasePane::IDC_MODULES, &SQLView::OnModuleChanged);
    MapRowSelection(DatabasePane::IDC_TABLE_LIST, &SQLView::OnTableSelected);
}

SQLView::~SQLView()
{
    m_pane.reset();
    SetDataSourcePrompt(std::move(m_previousPrompt));
}

DatabasePane* SQLView::GetPane()
{
    ForgeonProject* project = MainFrameAccess::GetProject();
    if (project != m_paneProject)
    {
        m_pane.reset();
        m_paneProject = project;
        if (project != nullptr)
            m_pane = std::make_unique<DatabasePane>(*project, m_connection, *m_host);
    }
    return m_pane.get();
}

void SQLView::DoDataExchange(CDataExchange* pDX)
{
    CRecordView::DoDataExchange(pDX);
    DDX_Control(pDX, DatabasePane::IDC_MODULES, m_modules);
}

void SQLView::OnInitialUpdate()
{
    CRecordView::OnInitialUpdate();
    if (m_tables.GetSafeHwnd() == nullptr)
    {
        m_tables.SubclassDlgItem(DatabasePane::IDC_TABLE_LIST, this);
        m_fields.SubclassDlgItem(DatabasePane::IDC_FIELD_LIST, this);
        // The selected table stays marked while the user works with the buttons.
        for (CCellListCtrl* list : {&m_tables, &m_fields})
        {
            list->SetExtendedStyle(list->GetExtendedStyle() | LVS_EX_FULLROWSELECT |
                                   LVS_EX_GRIDLINES);
            list->ModifyStyle(0, LVS_SHOWSELALWAYS);
        }
        SetListColumns(m_tables, DatabasePane::GetTableColumns());
        SetListColumns(m_fields, DatabasePane::GetFieldColumns());
    }
    GetPane();
    Show();
}

CRecordset* SQLView::OnGetRecordset()
{
    return m_connection.GetTables();
}

bool SQLView::LoadDatabase(bool connectionOnly)
{
    DatabasePane* pane = GetPane();
    if (pane == nullptr)
        return false;
    const bool loaded = pane->LoadDatabase(connectionOnly);
    Show();
    return loaded;
}

void SQLView::ClearPage()
{
    if (m_pane == nullptr)
        return;
    m_pane->ResetDatabase();
    Show();
}

void SQLView::ReloadPage()
{
    GetPane();
    Show();
}

void SQLView::Run(void (DatabasePane::*command)())
{
    if (GetPane() == nullptr)
        return;
    (m_pane.get()->*command)();
    Show();
}

void SQLView::Show()
{
    if (m_pane == nullptr || m_tables.GetSafeHwnd() == nullptr)
        return;
    m_view.Show(m_pane->GetStates());
    ShowListRows(m_tables, m_pane->GetTableRows());
    ShowListRows(m_fields, m_pane->GetFieldRows());
    FitListColumns(m_tables);
    FitListColumns(m_fields);
    const int shown = m_pane->AreListsShown() ? SW_SHOW : SW_HIDE;
    m_tables.ShowWindow(shown);
    m_fields.ShowWindow(shown);
    if (m_pane->GetSelectedTableRow() >= 0)
        m_tables.SetItemState(m_pane->GetSelectedTableRow(), LVIS_SELECTED, LVIS_SELECTED);
}

void SQLView::OnModuleChanged()
{
    if (GetPane() == nullptr)
        return;
    m_pane->SelectModule(m_modules.GetCurSel());
    Show();
}

void SQLView::OnTableSelected(int row)
{
    if (GetPane() == nullptr)
        return;
    m_pane->SelectTable(row);
    Show();
}

void SQLView::OnOk()
{
    ViewEditorHost::Get().ShowStartPage();
}

void SQLView::OnHelp()
{
    ShowContextHelp(this, DatabasePane::IDD);
}
