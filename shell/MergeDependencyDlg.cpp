#include "shell/MergeDependencyDlg.h"

#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"

namespace
{
constexpr int FilterLabel = 1602;
constexpr int ModuleLabel = 1608;
constexpr int NeededLabel = 1606;
constexpr int MappedLabel = 1609;
constexpr int NeededFieldLabel = 1174;
constexpr int MappedFieldLabel = 1615;

const DialogTemplateRegistration mergeDependencyTemplates{
    {
        MergeDependencyReview::IDD,
        "Merge Dependency ",
        {
            {MergeDependencyReview::FilterLabel, ControlKind::Static, "Filter:"},
            {MergeDependencyReview::FilterCombo, ControlKind::ComboBox, "", false, false, 160},
            {MergeDependencyReview::DependencyList, ControlKind::ListCtrl, "", false, false, 560,
             260},
            {MergeDependencyReview::MapButton, ControlKind::PushButton, "Map"},
            {IDCANCEL, ControlKind::PushButton, "Cancel"},
        },
        0,
        Lay::Column({
            Lay::Field(MergeDependencyReview::FilterCombo),
            Lay::Control(MergeDependencyReview::DependencyList),
            Lay::Buttons({MergeDependencyReview::MapButton, IDCANCEL}),
        }),
        {{.list = MergeDependencyReview::DependencyList}},
    },
    {
        EntityMapper::IDD,
        "Map Entity",
        {
            {ModuleLabel, ControlKind::Static, "Module"},
            {EntityMapper::ModuleCombo, ControlKind::ComboBox, "", false, false, 180},
            {FilterLabel, ControlKind::Static, "Filter"},
            {EntityMapper::FilterCombo, ControlKind::ComboBox, "", false, false, 180},
            {NeededLabel, ControlKind::Static, "Selected Entity"},
            {EntityMapper::NeededCombo, ControlKind::ComboBox, "", false, false, 180},
            {MappedLabel, ControlKind::Static, "Mapped Entity"},
            {EntityMapper::MappedCombo, ControlKind::ComboBox, "", false, false, 180},
            {NeededFieldLabel, ControlKind::Static, "Selected Fields"},
            {EntityMapper::NeededFieldCombo, ControlKind::ComboBox, "", false, false, 180},
            {MappedFieldLabel, ControlKind::Static, "Mapped Fields"},
            {EntityMapper::MappedFieldCombo, ControlKind::ComboBox, "", false, false, 180},
            {EntityMapper::MapButton, ControlKind::PushButton, "Map"},
            {EntityMapper::MappedDataList, ControlKind::ListCtrl, "", false, false, 300, 200},
            {EntityMapper::MappedFieldsList, ControlKind::ListCtrl, "", false, false, 300, 200},
            {IDOK, ControlKind::DefPushButton, "OK"},
            {IDCANCEL, ControlKind::PushButton, "Cancel"},
        },
        0,
        Lay::Column({
            Lay::Field(EntityMapper::ModuleCombo),
            Lay::Field(EntityMapper::FilterCombo),
            Lay::Row(
                {Lay::Field(EntityMapper::NeededCombo), Lay::Field(EntityMapper::MappedCombo)}),
            Lay::Row({Lay::Field(EntityMapper::NeededFieldCombo),
                      Lay::Field(EntityMapper::MappedFieldCombo)}),
            Lay::Buttons({EntityMapper::MapButton}),
            Lay::Row({Lay::Control(EntityMapper::MappedDataList),
                      Lay::Control(EntityMapper::MappedFieldsList)}),
            Lay::Buttons({IDOK, IDCANCEL}),
        }),
        {{.list = EntityMapper::MappedDataList, .deleteKey = true, .nameColumn = 1},
         {.list = EntityMapper::MappedFieldsList}},
    },
};

const std::vector<ToolTip>& ReviewToolTips()
{
    static const std::vector<ToolTip> tips = WithToolTipStrings({
        {MergeDependencyReview::FilterCombo, 63614, "Select filter"},
        {MergeDependencyReview::DependencyList, 63615, "List of Dependancy"},
        {MergeDependencyReview::MapButton, 63616, "Map"},
        {IDCANCEL, 63617, "Cancel"},
    });
    return tips;
}

int ComboSelection(CWnd& dialog, int id)
{
    auto* combo = dynamic_cast<CComboBox*>(dialog.GetDlgItem(id));
    return combo != nullptr ? combo->GetCurSel() : -1;
}

// One row a text, the text in both columns, black on white.
std::vector<ListRow> RowsOf(const std::vector<CString>& texts)
{
    std::vector<ListRow> rows;
    for (const CString& text : texts)
        rows.push_back({{text, text}});
    return rows;
}
} // namespace

MergeDependencyDlg::MergeDependencyDlg(MergeDependencyCollector& collector, CWnd* parent)
    : CDialog(IDD, parent), m_review(collector, *this), m_view(*this)
{
    MapControlRange(CBN_SELCHANGE, MergeDependencyReview::FilterCombo,
                    MergeDependencyReview::FilterCombo, [this] { OnFilter(); });
    MapControlRange(BN_CLICKED, MergeDependencyReview::MapButton, MergeDependencyReview::MapButton,
                    [this] { OnMap(); });
}

BOOL MergeDependencyDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_list.SubclassDlgItem(MergeDependencyReview::DependencyList, this);
    SetListColumns(m_list, {{"", 0}, {"Dependency", 70}});
    m_toolTips.Create(this);
    AddToolTips(m_toolTips, *this, ReviewToolTips());
    ControlStates states;
    states.SetItems(MergeDependencyReview::FilterCombo, MergeDependencyReview::GetFilters());
    m_view.Show(states);
    m_review.Open();
    Show();
    return TRUE;
}

void MergeDependencyDlg::Show()
{
    ShowListRows(m_list, RowsOf(m_review.GetFindings()));
    ControlStates states;
    states.SetItems(MergeDependencyReview::FilterCombo, MergeDependencyReview::GetFilters());
    states.Select(MergeDependencyReview::FilterCombo, m_review.GetFilter());
    states.Enable(MergeDependencyReview::MapButton, m_review.IsMapEnabled());
    m_view.Show(states);
}

void MergeDependencyDlg::OnFilter()
{
    m_review.SelectFilter(ComboSelection(*this, MergeDependencyReview::FilterCombo));
    Show();
}

void MergeDependencyDlg::OnMap()
{
    m_review.Map();
    Show();
}

void MergeDependencyDlg::OnCancel()
{
    m_review.Cancel();
    CDialog::OnCancel();
}

void MergeDependencyDlg::OpenMapping(MergeDependencyCollector& collector)
{
    MapEntityDlg dialog(collector, this);
    dialog.DoModal();
}

MapEntityDlg::MapEntityDlg(MergeDependencyCollector& collector, CWnd* parent)
    : CDialog(IDD, parent), m_mapper(collector), m_view(*this)
{
    const std::pair<int, void (EntityMapper::*)(int)> combos[] = {
        {EntityMapper::ModuleCombo, &EntityMapper::SelectModule},
        {EntityMapper::FilterCombo, &EntityMapper::SelectFilter},
        {EntityMapper::NeededCombo, &EntityMapper::SelectNeeded},
        {EntityMapper::MappedCombo, &EntityMapper::SelectMapped},
        {EntityMapper::NeededFieldCombo, &EntityMapper::SelectNeededField},
        {EntityMapper::MappedFieldCombo, &EntityMapper::SelectMappedField},
    };
    for (const auto& [id, choose] : combos)
        MapControlRange(CBN_SELCHANGE, id, id, [this, id, choose] { OnCombo(id, choose); });
    MapControlRange(BN_CLICKED, EntityMapper::MapButton, EntityMapper::MapButton,
                    [this] { OnMap(); });
}

BOOL MapEntityDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_dataList.SubclassDlgItem(EntityMapper::MappedDataList, this);
    m_fieldList.SubclassDlgItem(EntityMapper::MappedFieldsList, this);
    SetListColumns(m_dataList, {{"", 0}, {"Mapped Data", 50}});
    SetListColumns(m_fieldList, {{"", 0}, {"Mapped Fields", 50}});
    m_mapper.Open();
    Show();
    return TRUE;
}

BOOL MapEntityDlg::PreTranslateMessage(MSG* msg)
{
    if (IsDeleteKeyFor(*msg, m_dataList))
    {
        m_mapper.DeleteRow(m_dataList.GetCurSel());
        Show();
        return TRUE;
    }
    return CDialog::PreTranslateMessage(msg);
}

void MapEntityDlg::Show()
{
    ControlStates states;
    for (int id : {EntityMapper::ModuleCombo, EntityMapper::FilterCombo, EntityMapper::NeededCombo,
                   EntityMapper::MappedCombo, EntityMapper::NeededFieldCombo,
                   EntityMapper::MappedFieldCombo})
    {
        states.SetItems(id, m_mapper.GetItems(id));
        states.Select(id, m_mapper.GetSelection(id));
        states.Enable(id, m_mapper.IsEnabled(id));
    }
    states.Enable(EntityMapper::MappedFieldsList,
                  m_mapper.IsEnabled(EntityMapper::MappedFieldsList));
    m_view.Show(states);
    ShowListRows(m_dataList, RowsOf(m_mapper.GetMappedData()));
}

void MapEntityDlg::OnCombo(int id, void (EntityMapper::*choose)(int))
{
    (m_mapper.*choose)(ComboSelection(*this, id));
    Show();
}

void MapEntityDlg::OnMap()
{
    m_mapper.Map();
    Show();
}
