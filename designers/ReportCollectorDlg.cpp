#include "designers/ReportCollectorDlg.h"

#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ListCtrl.h"

IMPLEMENT_DYNCREATE(ReportCollectorDlg, CFormView)

namespace
{
using C = ReportCollectorDesigner;

const DialogTemplateRegistration collectorTemplate{{
    C::IDD,
    "",
    {
        {0, ControlKind::Static, "Name:"},
        {C::IDC_NAME, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Num Columns:"},
        {C::IDC_NUM_COLUMNS, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Report"},
        {C::IDC_REPORT, ControlKind::ComboBox, ""},
        {C::IDC_ADD_REPORT, ControlKind::PushButton, "Add Report"},
        {C::IDC_ENTRY_LIST, ControlKind::ListCtrl, "", false, false, 360, 120},
        {C::IDC_ENTRY_NAME, ControlKind::Static, "", false, false, 160},
        {0, ControlKind::Static, "Height"},
        {C::IDC_HEIGHT, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Width"},
        {C::IDC_WIDTH, ControlKind::Edit, ""},
        {C::IDC_UPDATE, ControlKind::PushButton, "Update"},
        {C::IDC_FILTERS_ON, ControlKind::CheckBox, "Filters Required"},
        {C::IDC_COMMON_FIELDS, ControlKind::ListCtrl, "", false, false, 200, 120},
        {C::IDC_ADD_FILTER, ControlKind::PushButton, "Add Filter"},
        {C::IDC_FILTER_LIST, ControlKind::ListCtrl, "", false, false, 200, 120},
        {C::IDC_ADD_COLLECTOR, ControlKind::PushButton, "Add Collector"},
    },
    WS_CHILD,
    Lay::Column({
        Lay::Row({Lay::Field(C::IDC_NAME), Lay::Field(C::IDC_NUM_COLUMNS), Lay::Stretch()}),
        Lay::Row({Lay::Field(C::IDC_REPORT), Lay::Control(C::IDC_ADD_REPORT), Lay::Stretch()}),
        Lay::Row({Lay::Control(C::IDC_ENTRY_LIST),
                  Lay::Column({Lay::Control(C::IDC_ENTRY_NAME), Lay::Field(C::IDC_HEIGHT),
                               Lay::Field(C::IDC_WIDTH), Lay::Control(C::IDC_UPDATE)}),
                  Lay::Stretch()}),
        Lay::Control(C::IDC_FILTERS_ON),
        Lay::Row({Lay::Control(C::IDC_COMMON_FIELDS), Lay::ButtonColumn({C::IDC_ADD_FILTER}),
                  Lay::Control(C::IDC_FILTER_LIST), Lay::Stretch()}),
        Lay::Buttons({C::IDC_ADD_COLLECTOR}),
    }),
}};
} // namespace

ReportCollectorDlg::ReportCollectorDlg()
    : CFormView(C::IDD), m_designer(DesignerViewHost::MakeController<ReportCollectorDesigner>),
      m_view(*this)
{
    const std::pair<int, void (C::*)()> buttons[] = {
        {C::IDC_ADD_REPORT, &C::AddReport},       {C::IDC_UPDATE, &C::Update},
        {C::IDC_FILTERS_ON, &C::ToggleFilters},   {C::IDC_ADD_FILTER, &C::AddFilter},
        {C::IDC_ADD_COLLECTOR, &C::AddCollector},
    };
    for (const auto& [id, command] : buttons)
        MapControlRange(BN_CLICKED, id, id,
                        [this, command] { Run([command](C& c) { (c.*command)(); }); });
    MapControlRange(EN_KILLFOCUS, C::IDC_NAME, C::IDC_NAME,
                    [this] { Run([](C& c) { c.NameLostFocus(); }); });
    MapControlRange(EN_CHANGE, C::IDC_NUM_COLUMNS, C::IDC_NUM_COLUMNS,
                    [this]
                    {
                        if (!m_showing)
                            Run([](C& c) { c.ColumnCountChanged(); });
                    });
    MapNotify(NM_CLICK, C::IDC_ENTRY_LIST, &ReportCollectorDlg::OnEntryClick);
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
    const std::pair<CCellListCtrl*, int> lists[] = {{&m_entries, C::IDC_ENTRY_LIST},
                                                    {&m_commonFields, C::IDC_COMMON_FIELDS},
                                                    {&m_filters, C::IDC_FILTER_LIST}};
    for (const auto& [list, id] : lists)
        list->SubclassDlgItem(id, this);
    SetListColumns(m_entries, C::EntryColumns());
    SetListColumns(m_commonFields, C::CommonFieldColumns());
    SetListColumns(m_filters, C::FilterColumns());
    m_toolTips.Create(this);
    AddToolTips(m_toolTips, *this, C::ToolTips());
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
    if (m_toolTips.GetSafeHwnd() != nullptr)
        m_toolTips.RelayEvent(msg);
    if (IsDeleteKeyFor(*msg, m_entries))
    {
        Run([](C& c) { c.DeleteEntry(); });
        return TRUE;
    }
    if (IsDeleteKeyFor(*msg, m_filters))
    {
        Run([](C& c) { c.DeleteFilter(); });
        return TRUE;
    }
    return CFormView::PreTranslateMessage(msg);
}

void ReportCollectorDlg::ReadControls()
{
    ReportCollectorDesigner& designer = *m_designer.Current();
    m_view.ReadTexts(designer.States(),
                     {C::IDC_NAME, C::IDC_NUM_COLUMNS, C::IDC_HEIGHT, C::IDC_WIDTH});
    if (const auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(C::IDC_REPORT)))
        designer.States().Select(C::IDC_REPORT, combo->GetCurSel());
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

void ReportCollectorDlg::OnEntryClick(NMHDR* header, LRESULT* result)
{
    *result = 0;
    const int row = reinterpret_cast<NMITEMACTIVATE*>(header)->iItem;
    Run([row](C& c) { c.ClickEntryRow(row); });
}
