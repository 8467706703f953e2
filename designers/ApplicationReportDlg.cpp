#include "designers/ApplicationReportDlg.h"

#include "editors/ContextHelp.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/GdiObjects.h"
#include "platform/ui/ListCtrl.h"

#include <QColor>
#include <QImage>
#include <QPainter>

IMPLEMENT_DYNCREATE(ApplicationReportDlg, CFormView)

namespace
{

// A sheet with a title bar and ruled rows.
void RegisterReportPicture()
{
    static const bool registered = []
    {
        QImage picture(40, 40, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        painter.setPen(QColor(64, 64, 64));
        painter.drawRect(4, 4, 31, 31);
        painter.fillRect(5, 5, 30, 6, QColor(32, 72, 112));
        painter.setPen(QColor(160, 160, 160));
        for (int line = 0; line < 5; ++line)
            painter.drawLine(8, 15 + line * 4, 31, 15 + line * 4);
        painter.end();
        RegisterBitmapResource(ReportDesigner::Picture, picture);
        return true;
    }();
    (void)registered;
}

const DialogTemplateRegistration reportTemplate{{
    ReportDesigner::IDD,
    "",
    {
        {ReportDesigner::IDC_PICTURE, ControlKind::Picture, "", false, false, 0, 0,
         ReportDesigner::Picture},
        {0, ControlKind::Static, "Name"},
        {ReportDesigner::IDC_NAME, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Header"},
        {ReportDesigner::IDC_HEADER, ControlKind::Edit, ""},
        {ReportDesigner::IDC_SUB_HEADER_ON, ControlKind::CheckBox, "SubHeader"},
        {ReportDesigner::IDC_SUB_HEADER_LABEL, ControlKind::Static, "Sub Header"},
        {ReportDesigner::IDC_SUB_HEADER, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Population Function"},
        {ReportDesigner::IDC_FUNCTION_LABEL, ControlKind::Static, "Function not assigned.", false,
         false, 260},
        {ReportDesigner::IDC_ASSIGN, ControlKind::PushButton, "Assign"},
        {ReportDesigner::IDC_REMOVE, ControlKind::PushButton, "Remove"},
        {ReportDesigner::IDC_SET_FILTERS, ControlKind::PushButton, "Set Filters"},
        {ReportDesigner::IDC_SET_COLUMNS, ControlKind::PushButton, "Set Columns"},
        {ReportDesigner::IDC_LINK_CONTROLS, ControlKind::PushButton, "Link Controls"},
        {ReportDesigner::IDC_SUB_GROUP_LABEL, ControlKind::Static, "Sub Group Functions"},
        {ReportDesigner::IDC_GROUP_LIST, ControlKind::ListCtrl, "", false, false, 260, 80},
        {ReportDesigner::IDC_ASSIGN_SUB_GROUP, ControlKind::PushButton, "Assign"},
        {ReportDesigner::IDC_REMOVE_SUB_GROUP, ControlKind::PushButton, "Remove"},
        {ReportDesigner::IDC_MAP_PARAMETERS, ControlKind::PushButton, "Map parameters"},
        {ReportDesigner::IDC_WITHOUT_LINKS, ControlKind::CheckBox,
         "Create additional report without update link"},
        {ReportDesigner::IDC_GROUP_REPORT, ControlKind::RadioButton, "Group Report", false, true},
        {ReportDesigner::IDC_LIST_REPORT, ControlKind::RadioButton, "List Report"},
        {ReportDesigner::IDC_GRID_REPORT, ControlKind::RadioButton, "Grid Report"},
        {ReportDesigner::IDC_GRAPH_REPORT, ControlKind::RadioButton, "Graph Report"},
        {ReportDesigner::IDC_NOTEPAD_REPORT, ControlKind::RadioButton, "Notepad Report"},
        {ReportDesigner::IDC_SINGLE_RECORD_REPORT, ControlKind::RadioButton,
         "Single Record Report"},
        {0, ControlKind::Static, "Graph Type"},
        {ReportDesigner::IDC_GRAPH_TYPE, ControlKind::ComboBox, ""},
        {ReportDesigner::IDC_GRAPH_DATA, ControlKind::PushButton, "Graph Data"},
        {ReportDesigner::IDC_PAGING, ControlKind::CheckBox, "Paging Required"},
        {ReportDesigner::IDC_GROUP_HEADER, ControlKind::PushButton, "Assign Group Hdr"},
        {ReportDesigner::IDC_ASSIGN_PROCEDURE, ControlKind::PushButton, "Assign Procedure"},
        {ReportDesigner::IDC_REMOVE_PROCEDURE, ControlKind::PushButton, "Remove Procedure"},
        {ReportDesigner::IDC_VARIABLES, ControlKind::PushButton, "Variables"},
        {ReportDesigner::IDC_OUTPUT_LIST, ControlKind::ListCtrl, "", false, false, 170, 80},
        {ReportDesigner::IDC_ADD_FORM_CONTROL, ControlKind::PushButton, "Add Form Control"},
        {ReportDesigner::IDC_ADD_TO_REPORT, ControlKind::PushButton, "Add to Report"},
        {ReportDesigner::IDC_ADD_BUTTON, ControlKind::PushButton, "Add Button Control"},
        {ReportDesigner::IDC_FILTER_LIST, ControlKind::ListCtrl, "", false, false, 170, 80},
        {ReportDesigner::IDC_FILTER_UP, ControlKind::PushButton, "^"},
        {ReportDesigner::IDC_FILTER_DOWN, ControlKind::PushButton, "v"},
        {ReportDesigner::IDC_REMOVE_CONTROL, ControlKind::PushButton, "Remove Control"},
        {ReportDesigner::IDC_COLUMN_LIST, ControlKind::ListCtrl, "", false, false, 170, 80},
        {ReportDesigner::IDC_COLUMN_UP, ControlKind::PushButton, "^"},
        {ReportDesigner::IDC_COLUMN_DOWN, ControlKind::PushButton, "v"},
        {ReportDesigner::IDC_REMOVE_FROM_REPORT, ControlKind::PushButton, "Remove from Report"},
        {0, ControlKind::Static, "Num Columns"},
        {ReportDesigner::IDC_NUM_COLUMNS, ControlKind::Edit, ""},
        {ReportDesigner::IDC_SINGLE_COLUMN, ControlKind::RadioButton, "Single Column", false, true},
        {ReportDesigner::IDC_TWO_COLUMNS, ControlKind::RadioButton, "Two Columns"},
        {0, ControlKind::Static, "Module"},
        {ReportDesigner::IDC_MODULE, ControlKind::ComboBox, ""},
        {0, ControlKind::Static, "Table"},
        {ReportDesigner::IDC_TABLE, ControlKind::ComboBox, ""},
        {ReportDesigner::IDC_SELECT_TABLE, ControlKind::PushButton, "Select Table"},
        {ReportDesigner::IDC_TABLE_NAME, ControlKind::Static, "", false, false, 160},
        {ReportDesigner::IDC_OK, ControlKind::PushButton, "OK"},
        {ReportDesigner::IDC_CLEAR, ControlKind::PushButton, "Clear"},
        {ReportDesigner::IDC_CANCEL, ControlKind::PushButton, "Cancel"},
        {ReportDesigner::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    WS_CHILD,
    Lay::Column({
        Lay::Row({Lay::Control(ReportDesigner::IDC_PICTURE), Lay::Field(ReportDesigner::IDC_NAME),
                  Lay::Field(ReportDesigner::IDC_HEADER), Lay::Stretch()}),
        Lay::Row({Lay::Control(ReportDesigner::IDC_SUB_HEADER_ON),
                  Lay::Field(ReportDesigner::IDC_SUB_HEADER),
                  Lay::Control(ReportDesigner::IDC_WITHOUT_LINKS), Lay::Stretch()}),
        Lay::Row({Lay::Field(ReportDesigner::IDC_FUNCTION_LABEL),
                  Lay::Control(ReportDesigner::IDC_ASSIGN),
                  Lay::Control(ReportDesigner::IDC_REMOVE),
                  Lay::Control(ReportDesigner::IDC_SET_FILTERS),
                  Lay::Control(ReportDesigner::IDC_SET_COLUMNS),
                  Lay::Control(ReportDesigner::IDC_LINK_CONTROLS), Lay::Stretch()}),
        Lay::Row({Lay::Control(ReportDesigner::IDC_GROUP_REPORT),
                  Lay::Control(ReportDesigner::IDC_LIST_REPORT),
                  Lay::Control(ReportDesigner::IDC_GRID_REPORT),
                  Lay::Control(ReportDesigner::IDC_GRAPH_REPORT),
                  Lay::Control(ReportDesigner::IDC_NOTEPAD_REPORT),
                  Lay::Control(ReportDesigner::IDC_SINGLE_RECORD_REPORT), Lay::Stretch()}),
        Lay::Control(ReportDesigner::IDC_SUB_GROUP_LABEL),
        Lay::Row({Lay::Control(ReportDesigner::IDC_GROUP_LIST),
                  Lay::ButtonColumn({ReportDesigner::IDC_ASSIGN_SUB_GROUP,
                                     ReportDesigner::IDC_REMOVE_SUB_GROUP,
                                     ReportDesigner::IDC_MAP_PARAMETERS}),
                  Lay::ButtonColumn({ReportDesigner::IDC_ASSIGN_PROCEDURE,
                                     ReportDesigner::IDC_REMOVE_PROCEDURE,
                                     ReportDesigner::IDC_GROUP_HEADER}),
                  Lay::Control(ReportDesigner::IDC_COLUMN_LIST),
                  Lay::ButtonColumn({ReportDesigner::IDC_COLUMN_UP, ReportDesigner::IDC_COLUMN_DOWN,
                                     ReportDesigner::IDC_REMOVE_FROM_REPORT}),
                  Lay::Stretch()}),
        Lay::Row({Lay::Field(ReportDesigner::IDC_GRAPH_TYPE),
                  Lay::Control(ReportDesigner::IDC_GRAPH_DATA),
                  Lay::Control(ReportDesigner::IDC_PAGING),
                  Lay::Control(ReportDesigner::IDC_VARIABLES),
                  Lay::Field(ReportDesigner::IDC_NUM_COLUMNS),
                  Lay::Control(ReportDesigner::IDC_SINGLE_COLUMN),
                  Lay::Control(ReportDesigner::IDC_TWO_COLUMNS), Lay::Stretch()}),
        Lay::Row(
            {Lay::Control(ReportDesigner::IDC_OUTPUT_LIST),
             Lay::ButtonColumn({ReportDesigner::IDC_ADD_FORM_CONTROL,
                                ReportDesigner::IDC_ADD_TO_REPORT, ReportDesigner::IDC_ADD_BUTTON}),
             Lay::Control(ReportDesigner::IDC_FILTER_LIST),
             Lay::ButtonColumn({ReportDesigner::IDC_FILTER_UP, ReportDesigner::IDC_FILTER_DOWN,
                                ReportDesigner::IDC_REMOVE_CONTROL}),
             Lay::Stretch()}),
        Lay::Row({Lay::Field(ReportDesigner::IDC_MODULE), Lay::Field(ReportDesigner::IDC_TABLE),
                  Lay::Control(ReportDesigner::IDC_SELECT_TABLE),
                  Lay::Control(ReportDesigner::IDC_TABLE_NAME), Lay::Stretch()}),
        Lay::Buttons({ReportDesigner::IDC_OK, ReportDesigner::IDC_CLEAR, ReportDesigner::IDC_CANCEL,
                      ReportDesigner::IDC_HELP_BUTTON}),
    }),
    {{.list = ReportDesigner::IDC_GROUP_LIST,
      .remove = ReportDesigner::IDC_REMOVE_SUB_GROUP,
      .nameColumn = 1},
     {.list = ReportDesigner::IDC_OUTPUT_LIST},
     {.list = ReportDesigner::IDC_FILTER_LIST,
      .remove = ReportDesigner::IDC_REMOVE_CONTROL,
      .deleteKey = true},
     {.list = ReportDesigner::IDC_COLUMN_LIST,
      .remove = ReportDesigner::IDC_REMOVE_FROM_REPORT,
      .deleteKey = true}},
}};

// The sub-group controls that only some report kinds show.
constexpr int subGroupControls[] = {
    ReportDesigner::IDC_SUB_GROUP_LABEL, ReportDesigner::IDC_GROUP_LIST,
    ReportDesigner::IDC_ASSIGN_SUB_GROUP, ReportDesigner::IDC_REMOVE_SUB_GROUP,
    ReportDesigner::IDC_MAP_PARAMETERS};

int RowOf(NMHDR* header)
{
    return reinterpret_cast<NMITEMACTIVATE*>(header)->iItem;
}
} // namespace

ApplicationReportDlg::ApplicationReportDlg()
    : CFormView(ReportDesigner::IDD), m_designer(DesignerViewHost::MakeController<ReportDesigner>),
      m_view(*this)
{
    RegisterReportPicture();
    const std::pair<int, void (ReportDesigner::*)()> buttons[] = {
        {ReportDesigner::IDC_ASSIGN, &ReportDesigner::AssignFunction},
        {ReportDesigner::IDC_REMOVE, &ReportDesigner::RemoveFunction},
        {ReportDesigner::IDC_SET_FILTERS, &ReportDesigner::SetFilters},
        {ReportDesigner::IDC_SET_COLUMNS, &ReportDesigner::SetColumns},
        {ReportDesigner::IDC_LINK_CONTROLS, &ReportDesigner::LinkControls},
        {ReportDesigner::IDC_ASSIGN_SUB_GROUP, &ReportDesigner::AssignSubGroupFunction},
        {ReportDesigner::IDC_REMOVE_SUB_GROUP, &ReportDesigner::RemoveSubGroupFunction},
        {ReportDesigner::IDC_MAP_PARAMETERS, &ReportDesigner::MapParameters},
        {ReportDesigner::IDC_OK, &ReportDesigner::Ok},
        {ReportDesigner::IDC_CANCEL, &ReportDesigner::Cancel},
        {ReportDesigner::IDC_CLEAR, &ReportDesigner::Clear},
        {ReportDesigner::IDC_GRAPH_DATA, &ReportDesigner::EditGraphData},
        {ReportDesigner::IDC_PAGING, &ReportDesigner::TogglePaging},
        {ReportDesigner::IDC_GROUP_HEADER, &ReportDesigner::AssignGroupHeader},
        {ReportDesigner::IDC_ASSIGN_PROCEDURE, &ReportDesigner::AssignProcedure},
        {ReportDesigner::IDC_REMOVE_PROCEDURE, &ReportDesigner::RemoveProcedure},
        {ReportDesigner::IDC_ADD_BUTTON, &ReportDesigner::AddButtonControl},
        {ReportDesigner::IDC_REMOVE_CONTROL, &ReportDesigner::RemoveControl},
        {ReportDesigner::IDC_COLUMN_UP, &ReportDesigner::MoveColumnUp},
        {ReportDesigner::IDC_COLUMN_DOWN, &ReportDesigner::MoveColumnDown},
        {ReportDesigner::IDC_FILTER_UP, &ReportDesigner::MoveFilterUp},
        {ReportDesigner::IDC_FILTER_DOWN, &ReportDesigner::MoveFilterDown},
        {ReportDesigner::IDC_VARIABLES, &ReportDesigner::EditVariables},
        {ReportDesigner::IDC_SUB_HEADER_ON, &ReportDesigner::ToggleSubHeader},
        {ReportDesigner::IDC_WITHOUT_LINKS, &ReportDesigner::ToggleWithoutLinks},
        {ReportDesigner::IDC_SELECT_TABLE, &ReportDesigner::SelectTable},
    };
    for (const auto& [id, command] : buttons)
        MapControlRange(BN_CLICKED, id, id, [this, command] { Run(command); });
    MapControlRange(BN_CLICKED, ReportDesigner::IDC_HELP_BUTTON, ReportDesigner::IDC_HELP_BUTTON,
                    [this] { ShowContextHelp(this, ReportDesigner::HelpContext); });
    MapControlRange(EN_KILLFOCUS, ReportDesigner::IDC_NAME, ReportDesigner::IDC_NAME,
                    [this] { Run(&ReportDesigner::NameLostFocus); });
    MapControlRange(EN_CHANGE, ReportDesigner::IDC_NUM_COLUMNS, ReportDesigner::IDC_NUM_COLUMNS,
                    [this]
                    {
                        if (!m_showing)
                            Run(&ReportDesigner::ColumnCountChanged);
                    });
    for (const auto& [id, kind] : {std::pair{ReportDesigner::IDC_GROUP_REPORT, 0},
                                   {ReportDesigner::IDC_LIST_REPORT, 1},
                                   {ReportDesigner::IDC_GRID_REPORT, 2},
                                   {ReportDesigner::IDC_GRAPH_REPORT, 3},
                                   {ReportDesigner::IDC_NOTEPAD_REPORT, 4},
                                   {ReportDesigner::IDC_SINGLE_RECORD_REPORT, 5}})
        MapControlRange(BN_CLICKED, id, id,
                        [this, kind = kind]
                        { RunWith([kind](ReportDesigner& r) { r.ChooseKind(kind); }); });
    for (const auto& [id, columns] :
         {std::pair{ReportDesigner::IDC_SINGLE_COLUMN, 1}, {ReportDesigner::IDC_TWO_COLUMNS, 2}})
        MapControlRange(BN_CLICKED, id, id,
                        [this, columns = columns]
                        { RunWith([columns](ReportDesigner& r) { r.ChooseLayout(columns); }); });
    for (const auto& [id, command] :
         {std::pair{ReportDesigner::IDC_GRAPH_TYPE, &ReportDesigner::ChooseGraphType},
          {ReportDesigner::IDC_MODULE, &ReportDesigner::ChooseModule}})
        MapControlRange(CBN_SELCHANGE, id, id,
                        [this, id = id, command = command]
                        {
                            const auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(id));
                            const int index = combo != nullptr ? combo->GetCurSel() : -1;
                            RunWith([command, index](ReportDesigner& r) { (r.*command)(index); });
                        });
    MapControlRange(BN_CLICKED, ReportDesigner::IDC_ADD_FORM_CONTROL,
                    ReportDesigner::IDC_ADD_FORM_CONTROL,
                    [this]
                    {
                        const std::vector<int> rows = SelectedRows(m_outputs);
                        RunWith([&rows](ReportDesigner& r) { r.AddFormControl(rows); });
                    });
    MapControlRange(BN_CLICKED, ReportDesigner::IDC_ADD_TO_REPORT,
                    ReportDesigner::IDC_ADD_TO_REPORT,
                    [this]
                    {
                        const std::vector<int> rows = SelectedRows(m_outputs);
                        RunWith([&rows](ReportDesigner& r) { r.AddToReport(rows); });
                    });
    MapControlRange(BN_CLICKED, ReportDesigner::IDC_REMOVE_FROM_REPORT,
                    ReportDesigner::IDC_REMOVE_FROM_REPORT,
                    [this]
                    {
                        const std::vector<int> rows = SelectedRows(m_columns);
                        RunWith([&rows](ReportDesigner& r) { r.RemoveFromReport(rows); });
                    });
    MapRowSelection(ReportDesigner::IDC_GROUP_LIST, &ApplicationReportDlg::OnGroupSelected);
    MapNotify(NM_DBLCLK, ReportDesigner::IDC_GROUP_LIST, &ApplicationReportDlg::OnGroupDoubleClick);
    MapRowSelection(ReportDesigner::IDC_FILTER_LIST, &ApplicationReportDlg::OnFilterSelected);
    MapNotify(NM_DBLCLK, ReportDesigner::IDC_FILTER_LIST,
              &ApplicationReportDlg::OnFilterDoubleClick);
    MapRowSelection(ReportDesigner::IDC_COLUMN_LIST, &ApplicationReportDlg::OnColumnSelected);
    MapNotify(NM_DBLCLK, ReportDesigner::IDC_COLUMN_LIST,
              &ApplicationReportDlg::OnColumnDoubleClick);
}

ApplicationReportDlg::~ApplicationReportDlg() = default;

ReportDesigner* ApplicationReportDlg::GetDesigner()
{
    return m_designer.Get();
}

void ApplicationReportDlg::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    if (m_groups.GetSafeHwnd() != nullptr)
        return;
    const std::pair<CCellListCtrl*, int> lists[] = {{&m_groups, ReportDesigner::IDC_GROUP_LIST},
                                                    {&m_outputs, ReportDesigner::IDC_OUTPUT_LIST},
                                                    {&m_filters, ReportDesigner::IDC_FILTER_LIST},
                                                    {&m_columns, ReportDesigner::IDC_COLUMN_LIST}};
    for (const auto& [list, id] : lists)
        list->SubclassDlgItem(id, this);
    SetListColumns(m_groups, ReportDesigner::GroupColumns());
    SetListColumns(m_outputs, ReportDesigner::OutputColumns());
    SetListColumns(m_filters, ReportDesigner::FilterColumns());
    SetListColumns(m_columns, ReportDesigner::ReportColumns());
    m_toolTips.Create(this);
    AddToolTips(m_toolTips, *this, ReportDesigner::ToolTips());
    Show();
}

void ApplicationReportDlg::LoadReport(ApplicationReport* report)
{
    if (ReportDesigner* designer = GetDesigner())
    {
        designer->LoadReport(report);
        Show();
    }
}

void ApplicationReportDlg::ForgetReport(ApplicationReport* report)
{
    if (ReportDesigner* designer = GetDesigner())
    {
        designer->ForgetReport(report);
        Show();
    }
}

void ApplicationReportDlg::ClearPage()
{
    if (m_designer.Current() == nullptr)
        return;
    m_designer.Current()->ClearPage();
    Show();
}

void ApplicationReportDlg::ReloadPage() {}

BOOL ApplicationReportDlg::PreTranslateMessage(MSG* msg)
{
    if (IsDeleteKeyFor(*msg, m_filters))
    {
        Run(&ReportDesigner::RemoveControl);
        return TRUE;
    }
    if (IsDeleteKeyFor(*msg, m_columns))
    {
        const std::vector<int> rows = SelectedRows(m_columns);
        RunWith([&rows](ReportDesigner& r) { r.RemoveFromReport(rows); });
        return TRUE;
    }
    return CFormView::PreTranslateMessage(msg);
}

std::vector<int> ApplicationReportDlg::SelectedRows(const CCellListCtrl& list) const
{
    std::vector<int> rows;
    if (list.GetSafeHwnd() != nullptr)
        list.GetSelectedItems(rows);
    return rows;
}

void ApplicationReportDlg::ReadControls()
{
    ReportDesigner& designer = *m_designer.Current();
    m_view.ReadTexts(designer.States(),
                     {ReportDesigner::IDC_NAME, ReportDesigner::IDC_HEADER,
                      ReportDesigner::IDC_SUB_HEADER, ReportDesigner::IDC_NUM_COLUMNS});
    if (const auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(ReportDesigner::IDC_TABLE)))
        designer.States().Select(ReportDesigner::IDC_TABLE, combo->GetCurSel());
    designer.SelectFilterRow(m_filters.GetSafeHwnd() != nullptr ? m_filters.GetCurSel() : -1);
    designer.SelectColumnRow(m_columns.GetSafeHwnd() != nullptr ? m_columns.GetCurSel() : -1);
}

void ApplicationReportDlg::Run(void (ReportDesigner::*command)())
{
    RunWith([command](ReportDesigner& r) { (r.*command)(); });
}

void ApplicationReportDlg::RunWith(const std::function<void(ReportDesigner&)>& command)
{
    if (GetDesigner() == nullptr)
        return;
    if (m_groups.GetSafeHwnd() != nullptr)
        ReadControls();
    command(*m_designer.Current());
    Show();
}

void ApplicationReportDlg::Show()
{
    ReportDesigner* designer = m_designer.Current();
    if (designer == nullptr || m_groups.GetSafeHwnd() == nullptr)
        return;
    m_showing = true;
    ShowListRows(m_groups, designer->GetGroupRows());
    ShowListRows(m_outputs, designer->GetOutputRows());
    ShowListRows(m_filters, designer->GetFilterRows());
    ShowListRows(m_columns, designer->GetColumnRows());
    m_groups.SetCurSel(designer->GetSelectedGroupRow());
    m_filters.SetCurSel(designer->GetSelectedFilterRow());
    m_columns.SetCurSel(designer->GetSelectedColumnRow());
    m_view.Show(designer->States());
    for (int id : subGroupControls)
    {
        if (CWnd* control = GetDlgItem(id))
            control->ShowWindow(designer->AreSubGroupsShown() ? SW_SHOW : SW_HIDE);
    }
    m_showing = false;
}

void ApplicationReportDlg::OnGroupSelected(int row)
{
    RunWith([row](ReportDesigner& r) { r.ClickGroupRow(row); });
}

void ApplicationReportDlg::OnGroupDoubleClick(NMHDR* header, LRESULT* result)
{
    *result = 0;
    const int row = RowOf(header);
    RunWith(
        [row](ReportDesigner& r)
        {
            r.ClickGroupRow(row);
            r.MapParameters();
        });
}

void ApplicationReportDlg::OnFilterSelected(int row)
{
    RunWith([row](ReportDesigner& r) { r.SelectFilterRow(row); });
}

void ApplicationReportDlg::OnFilterDoubleClick(NMHDR* header, LRESULT* result)
{
    *result = 0;
    const int row = RowOf(header);
    RunWith([row](ReportDesigner& r) { r.EditFilterSettings(row); });
}

void ApplicationReportDlg::OnColumnSelected(int row)
{
    RunWith([row](ReportDesigner& r) { r.SelectColumnRow(row); });
}

void ApplicationReportDlg::OnColumnDoubleClick(NMHDR* header, LRESULT* result)
{
    *result = 0;
    const int row = RowOf(header);
    RunWith([row](ReportDesigner& r) { r.EditColumnSettings(row); });
}
