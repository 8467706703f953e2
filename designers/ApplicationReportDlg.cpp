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
using R = ReportDesigner;

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
        RegisterBitmapResource(R::Picture, picture);
        return true;
    }();
    (void)registered;
}

const DialogTemplateRegistration reportTemplate{{
    R::IDD,
    "",
    {
        {R::IDC_PICTURE, ControlKind::Picture, "", false, false, 0, 0, R::Picture},
        {0, ControlKind::Static, "Name"},
        {R::IDC_NAME, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Header"},
        {R::IDC_HEADER, ControlKind::Edit, ""},
        {R::IDC_SUB_HEADER_ON, ControlKind::CheckBox, "SubHeader"},
        {R::IDC_SUB_HEADER_LABEL, ControlKind::Static, "Sub Header"},
        {R::IDC_SUB_HEADER, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Population Function"},
        {R::IDC_FUNCTION_LABEL, ControlKind::Static, "Function not assigned.", false, false, 260},
        {R::IDC_ASSIGN, ControlKind::PushButton, "Assign"},
        {R::IDC_REMOVE, ControlKind::PushButton, "Remove"},
        {R::IDC_SET_FILTERS, ControlKind::PushButton, "Set Filters"},
        {R::IDC_SET_COLUMNS, ControlKind::PushButton, "Set Columns"},
        {R::IDC_LINK_CONTROLS, ControlKind::PushButton, "Link Controls"},
        {R::IDC_SUB_GROUP_LABEL, ControlKind::Static, "Sub Group Functions"},
        {R::IDC_GROUP_LIST, ControlKind::ListCtrl, "", false, false, 260, 80},
        {R::IDC_ASSIGN_SUB_GROUP, ControlKind::PushButton, "Assign"},
        {R::IDC_REMOVE_SUB_GROUP, ControlKind::PushButton, "Remove"},
        {R::IDC_MAP_PARAMETERS, ControlKind::PushButton, "Map parameters"},
        {R::IDC_WITHOUT_LINKS, ControlKind::CheckBox,
         "Create additional report without update link"},
        {R::IDC_GROUP_REPORT, ControlKind::RadioButton, "Group Report", false, true},
        {R::IDC_LIST_REPORT, ControlKind::RadioButton, "List Report"},
        {R::IDC_GRID_REPORT, ControlKind::RadioButton, "Grid Report"},
        {R::IDC_GRAPH_REPORT, ControlKind::RadioButton, "Graph Report"},
        {R::IDC_NOTEPAD_REPORT, ControlKind::RadioButton, "Notepad Report"},
        {R::IDC_SINGLE_RECORD_REPORT, ControlKind::RadioButton, "Single Record Report"},
        {0, ControlKind::Static, "Graph Type"},
        {R::IDC_GRAPH_TYPE, ControlKind::ComboBox, ""},
        {R::IDC_GRAPH_DATA, ControlKind::PushButton, "Graph Data"},
        {R::IDC_PAGING, ControlKind::CheckBox, "Paging Required"},
        {R::IDC_GROUP_HEADER, ControlKind::PushButton, "Assign Group Hdr"},
        {R::IDC_ASSIGN_PROCEDURE, ControlKind::PushButton, "Assign Procedure"},
        {R::IDC_REMOVE_PROCEDURE, ControlKind::PushButton, "Remove Procedure"},
        {R::IDC_VARIABLES, ControlKind::PushButton, "Variables"},
        {R::IDC_OUTPUT_LIST, ControlKind::ListCtrl, "", false, false, 170, 80},
        {R::IDC_ADD_FORM_CONTROL, ControlKind::PushButton, "Add Form Control"},
        {R::IDC_ADD_TO_REPORT, ControlKind::PushButton, "Add to Report"},
        {R::IDC_ADD_BUTTON, ControlKind::PushButton, "Add Button Control"},
        {R::IDC_FILTER_LIST, ControlKind::ListCtrl, "", false, false, 170, 80},
        {R::IDC_FILTER_UP, ControlKind::PushButton, "^"},
        {R::IDC_FILTER_DOWN, ControlKind::PushButton, "v"},
        {R::IDC_REMOVE_CONTROL, ControlKind::PushButton, "Remove Control"},
        {R::IDC_COLUMN_LIST, ControlKind::ListCtrl, "", false, false, 170, 80},
        {R::IDC_COLUMN_UP, ControlKind::PushButton, "^"},
        {R::IDC_COLUMN_DOWN, ControlKind::PushButton, "v"},
        {R::IDC_REMOVE_FROM_REPORT, ControlKind::PushButton, "Remove from Report"},
        {0, ControlKind::Static, "Num Columns"},
        {R::IDC_NUM_COLUMNS, ControlKind::Edit, ""},
        {R::IDC_SINGLE_COLUMN, ControlKind::RadioButton, "Single Column", false, true},
        {R::IDC_TWO_COLUMNS, ControlKind::RadioButton, "Two Columns"},
        {0, ControlKind::Static, "Module"},
        {R::IDC_MODULE, ControlKind::ComboBox, ""},
        {0, ControlKind::Static, "Table"},
        {R::IDC_TABLE, ControlKind::ComboBox, ""},
        {R::IDC_SELECT_TABLE, ControlKind::PushButton, "Select Table"},
        {R::IDC_TABLE_NAME, ControlKind::Static, "", false, false, 160},
        {R::IDC_OK, ControlKind::PushButton, "OK"},
        {R::IDC_CLEAR, ControlKind::PushButton, "Clear"},
        {R::IDC_CANCEL, ControlKind::PushButton, "Cancel"},
        {R::IDC_HELP_BUTTON, ControlKind::PushButton, "Help"},
    },
    WS_CHILD,
    Lay::Column({
        Lay::Row({Lay::Control(R::IDC_PICTURE), Lay::Field(R::IDC_NAME), Lay::Field(R::IDC_HEADER),
                  Lay::Stretch()}),
        Lay::Row({Lay::Control(R::IDC_SUB_HEADER_ON), Lay::Field(R::IDC_SUB_HEADER),
                  Lay::Control(R::IDC_WITHOUT_LINKS), Lay::Stretch()}),
        Lay::Row({Lay::Field(R::IDC_FUNCTION_LABEL), Lay::Control(R::IDC_ASSIGN),
                  Lay::Control(R::IDC_REMOVE), Lay::Control(R::IDC_SET_FILTERS),
                  Lay::Control(R::IDC_SET_COLUMNS), Lay::Control(R::IDC_LINK_CONTROLS),
                  Lay::Stretch()}),
        Lay::Row({Lay::Control(R::IDC_GROUP_REPORT), Lay::Control(R::IDC_LIST_REPORT),
                  Lay::Control(R::IDC_GRID_REPORT), Lay::Control(R::IDC_GRAPH_REPORT),
                  Lay::Control(R::IDC_NOTEPAD_REPORT), Lay::Control(R::IDC_SINGLE_RECORD_REPORT),
                  Lay::Stretch()}),
        Lay::Control(R::IDC_SUB_GROUP_LABEL),
        Lay::Row(
            {Lay::Control(R::IDC_GROUP_LIST),
             Lay::ButtonColumn(
                 {R::IDC_ASSIGN_SUB_GROUP, R::IDC_REMOVE_SUB_GROUP, R::IDC_MAP_PARAMETERS}),
             Lay::ButtonColumn(
                 {R::IDC_ASSIGN_PROCEDURE, R::IDC_REMOVE_PROCEDURE, R::IDC_GROUP_HEADER}),
             Lay::Control(R::IDC_COLUMN_LIST),
             Lay::ButtonColumn({R::IDC_COLUMN_UP, R::IDC_COLUMN_DOWN, R::IDC_REMOVE_FROM_REPORT}),
             Lay::Stretch()}),
        Lay::Row({Lay::Field(R::IDC_GRAPH_TYPE), Lay::Control(R::IDC_GRAPH_DATA),
                  Lay::Control(R::IDC_PAGING), Lay::Control(R::IDC_VARIABLES),
                  Lay::Field(R::IDC_NUM_COLUMNS), Lay::Control(R::IDC_SINGLE_COLUMN),
                  Lay::Control(R::IDC_TWO_COLUMNS), Lay::Stretch()}),
        Lay::Row(
            {Lay::Control(R::IDC_OUTPUT_LIST),
             Lay::ButtonColumn({R::IDC_ADD_FORM_CONTROL, R::IDC_ADD_TO_REPORT, R::IDC_ADD_BUTTON}),
             Lay::Control(R::IDC_FILTER_LIST),
             Lay::ButtonColumn({R::IDC_FILTER_UP, R::IDC_FILTER_DOWN, R::IDC_REMOVE_CONTROL}),
             Lay::Stretch()}),
        Lay::Row({Lay::Field(R::IDC_MODULE), Lay::Field(R::IDC_TABLE),
                  Lay::Control(R::IDC_SELECT_TABLE), Lay::Control(R::IDC_TABLE_NAME),
                  Lay::Stretch()}),
        Lay::Buttons({R::IDC_OK, R::IDC_CLEAR, R::IDC_CANCEL, R::IDC_HELP_BUTTON}),
    }),
}};

// The sub-group controls that only some report kinds show.
constexpr int subGroupControls[] = {R::IDC_SUB_GROUP_LABEL, R::IDC_GROUP_LIST,
                                    R::IDC_ASSIGN_SUB_GROUP, R::IDC_REMOVE_SUB_GROUP,
                                    R::IDC_MAP_PARAMETERS};

int RowOf(NMHDR* header)
{
    return reinterpret_cast<NMITEMACTIVATE*>(header)->iItem;
}
} // namespace

ApplicationReportDlg::ApplicationReportDlg()
    : CFormView(R::IDD), m_designer(DesignerViewHost::MakeController<ReportDesigner>), m_view(*this)
{
    RegisterReportPicture();
    const std::pair<int, void (R::*)()> buttons[] = {
        {R::IDC_ASSIGN, &R::AssignFunction},
        {R::IDC_REMOVE, &R::RemoveFunction},
        {R::IDC_SET_FILTERS, &R::SetFilters},
        {R::IDC_SET_COLUMNS, &R::SetColumns},
        {R::IDC_LINK_CONTROLS, &R::LinkControls},
        {R::IDC_ASSIGN_SUB_GROUP, &R::AssignSubGroupFunction},
        {R::IDC_REMOVE_SUB_GROUP, &R::RemoveSubGroupFunction},
        {R::IDC_MAP_PARAMETERS, &R::MapParameters},
        {R::IDC_OK, &R::Ok},
        {R::IDC_CANCEL, &R::Cancel},
        {R::IDC_CLEAR, &R::Clear},
        {R::IDC_GRAPH_DATA, &R::EditGraphData},
        {R::IDC_PAGING, &R::TogglePaging},
        {R::IDC_GROUP_HEADER, &R::AssignGroupHeader},
        {R::IDC_ASSIGN_PROCEDURE, &R::AssignProcedure},
        {R::IDC_REMOVE_PROCEDURE, &R::RemoveProcedure},
        {R::IDC_ADD_BUTTON, &R::AddButtonControl},
        {R::IDC_REMOVE_CONTROL, &R::RemoveControl},
        {R::IDC_COLUMN_UP, &R::MoveColumnUp},
        {R::IDC_COLUMN_DOWN, &R::MoveColumnDown},
        {R::IDC_FILTER_UP, &R::MoveFilterUp},
        {R::IDC_FILTER_DOWN, &R::MoveFilterDown},
        {R::IDC_VARIABLES, &R::EditVariables},
        {R::IDC_SUB_HEADER_ON, &R::ToggleSubHeader},
        {R::IDC_WITHOUT_LINKS, &R::ToggleWithoutLinks},
        {R::IDC_SELECT_TABLE, &R::SelectTable},
    };
    for (const auto& [id, command] : buttons)
        MapControlRange(BN_CLICKED, id, id, [this, command] { Run(command); });
    MapControlRange(BN_CLICKED, R::IDC_HELP_BUTTON, R::IDC_HELP_BUTTON,
                    [this] { ShowContextHelp(this, R::HelpContext); });
    MapControlRange(EN_KILLFOCUS, R::IDC_NAME, R::IDC_NAME, [this] { Run(&R::NameLostFocus); });
    MapControlRange(EN_CHANGE, R::IDC_NUM_COLUMNS, R::IDC_NUM_COLUMNS,
                    [this]
                    {
                        if (!m_showing)
                            Run(&R::ColumnCountChanged);
                    });
    for (const auto& [id, kind] : {std::pair{R::IDC_GROUP_REPORT, 0},
                                   {R::IDC_LIST_REPORT, 1},
                                   {R::IDC_GRID_REPORT, 2},
                                   {R::IDC_GRAPH_REPORT, 3},
                                   {R::IDC_NOTEPAD_REPORT, 4},
                                   {R::IDC_SINGLE_RECORD_REPORT, 5}})
        MapControlRange(BN_CLICKED, id, id,
                        [this, kind = kind] { RunWith([kind](R& r) { r.ChooseKind(kind); }); });
    for (const auto& [id, columns] : {std::pair{R::IDC_SINGLE_COLUMN, 1}, {R::IDC_TWO_COLUMNS, 2}})
        MapControlRange(BN_CLICKED, id, id,
                        [this, columns = columns]
                        { RunWith([columns](R& r) { r.ChooseLayout(columns); }); });
    for (const auto& [id, command] :
         {std::pair{R::IDC_GRAPH_TYPE, &R::ChooseGraphType}, {R::IDC_MODULE, &R::ChooseModule}})
        MapControlRange(CBN_SELCHANGE, id, id,
                        [this, id = id, command = command]
                        {
                            const auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(id));
                            const int index = combo != nullptr ? combo->GetCurSel() : -1;
                            RunWith([command, index](R& r) { (r.*command)(index); });
                        });
    MapControlRange(BN_CLICKED, R::IDC_ADD_FORM_CONTROL, R::IDC_ADD_FORM_CONTROL,
                    [this]
                    {
                        const std::vector<int> rows = SelectedRows(m_outputs);
                        RunWith([&rows](R& r) { r.AddFormControl(rows); });
                    });
    MapControlRange(BN_CLICKED, R::IDC_ADD_TO_REPORT, R::IDC_ADD_TO_REPORT,
                    [this]
                    {
                        const std::vector<int> rows = SelectedRows(m_outputs);
                        RunWith([&rows](R& r) { r.AddToReport(rows); });
                    });
    MapControlRange(BN_CLICKED, R::IDC_REMOVE_FROM_REPORT, R::IDC_REMOVE_FROM_REPORT,
                    [this]
                    {
                        const std::vector<int> rows = SelectedRows(m_columns);
                        RunWith([&rows](R& r) { r.RemoveFromReport(rows); });
                    });
    MapNotify(NM_CLICK, R::IDC_GROUP_LIST, &ApplicationReportDlg::OnGroupClick);
    MapNotify(NM_DBLCLK, R::IDC_GROUP_LIST, &ApplicationReportDlg::OnGroupDoubleClick);
    MapNotify(NM_CLICK, R::IDC_FILTER_LIST, &ApplicationReportDlg::OnFilterClick);
    MapNotify(NM_DBLCLK, R::IDC_FILTER_LIST, &ApplicationReportDlg::OnFilterDoubleClick);
    MapNotify(NM_CLICK, R::IDC_COLUMN_LIST, &ApplicationReportDlg::OnColumnClick);
    MapNotify(NM_DBLCLK, R::IDC_COLUMN_LIST, &ApplicationReportDlg::OnColumnDoubleClick);
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
    const std::pair<CCellListCtrl*, int> lists[] = {{&m_groups, R::IDC_GROUP_LIST},
                                                    {&m_outputs, R::IDC_OUTPUT_LIST},
                                                    {&m_filters, R::IDC_FILTER_LIST},
                                                    {&m_columns, R::IDC_COLUMN_LIST}};
    for (const auto& [list, id] : lists)
        list->SubclassDlgItem(id, this);
    SetListColumns(m_groups, R::GroupColumns());
    SetListColumns(m_outputs, R::OutputColumns());
    SetListColumns(m_filters, R::FilterColumns());
    SetListColumns(m_columns, R::ReportColumns());
    m_toolTips.Create(this);
    AddToolTips(m_toolTips, *this, R::ToolTips());
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
    if (m_toolTips.GetSafeHwnd() != nullptr)
        m_toolTips.RelayEvent(msg);
    if (IsDeleteKeyFor(*msg, m_filters))
    {
        Run(&R::RemoveControl);
        return TRUE;
    }
    if (IsDeleteKeyFor(*msg, m_columns))
    {
        const std::vector<int> rows = SelectedRows(m_columns);
        RunWith([&rows](R& r) { r.RemoveFromReport(rows); });
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
                     {R::IDC_NAME, R::IDC_HEADER, R::IDC_SUB_HEADER, R::IDC_NUM_COLUMNS});
    if (const auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(R::IDC_TABLE)))
        designer.States().Select(R::IDC_TABLE, combo->GetCurSel());
    designer.SelectFilterRow(m_filters.GetSafeHwnd() != nullptr ? m_filters.GetCurSel() : -1);
    designer.SelectColumnRow(m_columns.GetSafeHwnd() != nullptr ? m_columns.GetCurSel() : -1);
}

void ApplicationReportDlg::Run(void (ReportDesigner::*command)())
{
    RunWith([command](R& r) { (r.*command)(); });
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

void ApplicationReportDlg::OnGroupClick(NMHDR* header, LRESULT* result)
{
    *result = 0;
    const int row = RowOf(header);
    RunWith([row](R& r) { r.ClickGroupRow(row); });
}

void ApplicationReportDlg::OnGroupDoubleClick(NMHDR* header, LRESULT* result)
{
    *result = 0;
    const int row = RowOf(header);
    RunWith(
        [row](R& r)
        {
            r.ClickGroupRow(row);
            r.MapParameters();
        });
}

void ApplicationReportDlg::OnFilterClick(NMHDR* header, LRESULT* result)
{
    *result = 0;
    const int row = RowOf(header);
    RunWith([row](R& r) { r.SelectFilterRow(row); });
}

void ApplicationReportDlg::OnFilterDoubleClick(NMHDR* header, LRESULT* result)
{
    *result = 0;
    const int row = RowOf(header);
    RunWith([row](R& r) { r.EditFilterSettings(row); });
}

void ApplicationReportDlg::OnColumnClick(NMHDR* header, LRESULT* result)
{
    *result = 0;
    const int row = RowOf(header);
    RunWith([row](R& r) { r.SelectColumnRow(row); });
}

void ApplicationReportDlg::OnColumnDoubleClick(NMHDR* header, LRESULT* result)
{
    *result = 0;
    const int row = RowOf(header);
    RunWith([row](R& r) { r.EditColumnSettings(row); });
}
