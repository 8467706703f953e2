#include "designers/ReportCollectorDlg.h"

#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ListCtrl.h"

IMPLEMENT_DYNCREATE(ReportCollectorDlg, CFormView)

namespace
{

const DialogTemplateRegistration collectorTemplate{{
    ReportCollectorDesigner::IDD,
    "",
    {
        {0, ControlKind::Static, "Name:"},
        {ReportCollectorDesigner::IDC_NAME, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Num Columns:"},
        {ReportCollectorDesigner::IDC_NUM_COLUMNS, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Report"},
        {ReportCollectorDesigner::IDC_REPORT, ControlKind::ComboBox, ""},
        {ReportCollectorDesigner::IDC_ADD_REPORT, ControlKind::PushButton, "Add Report"},
        {ReportCollectorDesigner::IDC_ENTRY_LIST, ControlKind::ListCtrl, "", false, false, 360,
         120},
        {ReportCollectorDesigner::IDC_ENTRY_NAME, ControlKind::Static, "", false, false, 160},
        {0, ControlKind::Static, "Height"},
        {ReportCollectorDesigner::IDC_HEIGHT, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Width"},
        {ReportCollectorDesigner::IDC_WIDTH, ControlKind::Edit, ""},
        {ReportCollectorDesigner::IDC_UPDATE, ControlKind::PushButton, "Update"},
        {ReportCollectorDesigner::IDC_FILTERS_ON, ControlKind::CheckBox, "Filters Required"},
        {ReportCollectorDesigner::IDC_COMMON_FIELDS, ControlKind::ListCtrl, "", false, false, 200,
         120},
        {ReportCollectorDesigner::IDC_ADD_FILTER, ControlKind::PushButton, "Add Filter"},
        {ReportCollectorDesigner::IDC_FILTER_LIST, ControlKind::ListCtrl, "", false, false, 200,
         120},
        {ReportCollectorDesigner::IDC_ADD_COLLECTOR, ControlKind::PushButton, "Add Collector"},
    },
    WS_CHILD,
    Lay::Column({
        Lay::Row({Lay::Field(ReportCollectorDesigner::IDC_NAME),
                  Lay::Field(ReportCollectorDesigner::IDC_NUM_COLUMNS), Lay::Stretch()}),
        Lay::Row({Lay::Field(ReportCollectorDesigner::IDC_REPORT),
                  Lay::Control(ReportCollectorDesigner::IDC_ADD_REPORT), Lay::Stretch()}),
        Lay::Row({Lay::Control(ReportCollectorDesigner::IDC_ENTRY_LIST),
                  Lay::Column({Lay::Control(ReportCollectorDesigner::IDC_ENTRY_NAME),
                               Lay::Field(ReportCollectorDesigner::IDC_HEIGHT),
                               Lay::Field(ReportCollectorDesigner::IDC_WIDTH),
                               Lay::Control(ReportCollectorDesigner::IDC_UPDATE)}),
                  Lay::Stretch()}),
        Lay::Control(ReportCollectorDesigner::IDC_FILTERS_ON),
        Lay::Row({Lay::Control(ReportCollectorDesigner::IDC_COMMON_FIELDS),
                  Lay::ButtonColumn({ReportCollectorDesigner::IDC_ADD_FILTER}),
                  Lay::Control(ReportCollectorDesigner::IDC_FILTER_LIST), Lay::Stretch()}),
        Lay::Buttons({ReportCollectorDesigner::IDC_ADD_COLLECTOR}),
    }),
    {{.list = ReportCollectorDesigner::IDC_ENTRY_LIST,
      .panel = ReportCollectorDesigner::IDC_ENTRY_NAME,
      .deleteKey = true},
     {.list = ReportCollectorDesigner::IDC_COMMON_FIELDS},
     {.list = ReportCollectorDesigner::IDC_FILTER_LIST, .deleteKey = true}},
}};
} // namespace

ReportCollectorDlg::ReportCollectorDlg()
    : CFormView(ReportCollectorDesigner::IDD),
      m_designer(DesignerViewHost::MakeController<ReportCollectorDesigner>), m_view(*this)
{
    const std::pair<int, void (ReportCollectorDesigner::*)()> buttons[] = {
        {ReportCollectorDesigner::IDC_ADD_REPORT, &ReportCollectorDesigner::AddReport},
        {ReportCollectorDesigner::IDC_UPDATE, &ReportCollectorDesigner::Update},
        {ReportCollectorDesigner::IDC_FILTERS_ON, &ReportCollectorDesigner::ToggleFilters},
        {ReportCollectorDesigner::IDC_ADD_FILTER, &ReportCollectorDesigner::AddFilter},
        {ReportCollectorDesigner::IDC_ADD_COLLECTOR, &ReportCollectorDesigner::AddCollector},
    };
    for (const auto& [id, command] : buttons)
        MapControlRange(BN_CLICKED, id, id,
                        [this, command]
                        { Run([command](ReportCollectorDesigner& c) { (c.*command)(); }); });
    MapControlRange(EN_KILLFOCUS, ReportCollectorDesigner::IDC_NAME,
                    ReportCollectorDesigner::IDC_NAME,
                    [this] { Run([](ReportCollectorDesigner& c) { c.NameLostFocus(); }); });
    MapControlRange(EN_CHANGE, ReportCollectorDesigner::IDC_NUM_COLUMNS,
                    ReportCollectorDesigner::IDC_NUM_COLUMNS,
                    [this]
                    {
                        if (!m_showing)
                            Run([](ReportCollectorDesigner& c) { c.ColumnCountChanged(); });
                    });
    MapRowSelection(ReportCollectorDesigner::IDC_ENTRY_LIST, &ReportCollectorDlg::OnEntrySelected);
}

ReportCollectorDlg::~ReportCollectorDlg() = default;

ReportCollectorDesigner* ReportCollectorDlg::GetDesigner()
{
    return m_designer.Get();
}

void ReportCollectorDlg::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    if (m_entries.GetSafeHwnd() != nullptr)
        return;
    const std::pair<CCellListCtrl*, int> lists[] = {
        {&m_entries, ReportCollectorDesigner::IDC_ENTRY_LIST},
        {&m_commonFields, ReportCollectorDesigner::IDC_COMMON_FIELDS},
        {&m_filters, ReportCollectorDesigner::IDC_FILTER_LIST}};
    for (const auto& [list, id] : lists)
        list->SubclassDlgItem(id, this);
    SetListColumns(m_entries, ReportCollectorDesigner::EntryColumns());
    SetListColumns(m_commonFields, ReportCollectorDesigner::CommonFieldColumns());
    SetListColumns(m_filters, ReportCollectorDesigner::FilterColumns());
    m_toolTips.Create(this);
    AddToolTips(m_toolTips, *this, ReportCollectorDesigner::ToolTips());
    Show();
}

void ReportCollectorDlg::LoadReportCollector(ReportCollector* collector)
{
    if (ReportCollectorDesigner* designer = GetDesigner())
    {
        designer->LoadReportCollector(collector);
        Show();
    }
}

void ReportCollectorDlg::ClearPage()
{
    if (m_designer.Current() == nullptr)
        return;
    m_designer.Current()->ClearPage();
    Show();
}

void ReportCollectorDlg::ReloadPage() {}

BOOL ReportCollectorDlg::PreTranslateMessage(MSG* msg)
{
    if (IsDeleteKeyFor(*msg, m_entries))
    {
        Run([](ReportCollectorDesigner& c) { c.DeleteEntry(); });
        return TRUE;
    }
    if (IsDeleteKeyFor(*msg, m_filters))
    {
        Run([](ReportCollectorDesigner& c) { c.DeleteFilter(); });
        return TRUE;
    }
    // A size box takes Enter as Update.
    if (IsEnterKeyIn(*msg, *this,
                     {ReportCollectorDesigner::IDC_HEIGHT, ReportCollectorDesigner::IDC_WIDTH}))
    {
        Run([](ReportCollectorDesigner& c) { c.Update(); });
        return TRUE;
    }
    return CFormView::PreTranslateMessage(msg);
}

void ReportCollectorDlg::ReadControls()
{
    ReportCollectorDesigner& designer = *m_designer.Current();
    m_view.ReadTexts(designer.States(),
                     {ReportCollectorDesigner::IDC_NAME, ReportCollectorDesigner::IDC_NUM_COLUMNS,
                      ReportCollectorDesigner::IDC_HEIGHT, ReportCollectorDesigner::IDC_WIDTH});
    if (const auto* combo =
            dynamic_cast<CComboBox*>(GetDlgItem(ReportCollectorDesigner::IDC_REPORT)))
        designer.States().Select(ReportCollectorDesigner::IDC_REPORT, combo->GetCurSel());
    designer.SelectCommonFieldRow(m_commonFields.GetCurSel());
    designer.SelectFilterRow(m_filters.GetCurSel());
}

void ReportCollectorDlg::Run(const std::function<void(ReportCollectorDesigner&)>& command)
{
    if (GetDesigner() == nullptr)
        return;
    if (m_entries.GetSafeHwnd() != nullptr)
        ReadControls();
    command(*m_designer.Current());
    Show();
}

void ReportCollectorDlg::Show()
{
    ReportCollectorDesigner* designer = m_designer.Current();
    if (designer == nullptr || m_entries.GetSafeHwnd() == nullptr)
        return;
    m_showing = true;
    ShowListRows(m_entries, designer->GetEntryRows());
    ShowListRows(m_commonFields, designer->GetCommonFieldRows());
    ShowListRows(m_filters, designer->GetFilterRows());
    m_entries.SetCurSel(designer->GetSelectedEntry());
    m_view.Show(designer->States());
    m_showing = false;
}

void ReportCollectorDlg::OnEntrySelected(int row)
{
    // The rows shown again move the selection: that is no click.
    if (!m_showing)
        Run([row](ReportCollectorDesigner& c) { c.ClickEntryRow(row); });
}
