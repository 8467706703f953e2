#include "shell/MergeEntityDlg.h"

#include "editors/ContextHelp.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"
#include "shell/MergeDependencyDlg.h"
#include "shell/SelectiveMergeDlg.h"

#include <utility>

namespace
{
constexpr int ModuleGroup = 2421;
constexpr int SettingsGroup = 2422;
constexpr int FiltersGroup = 2423;
constexpr int ExistingModuleGroup = 2424;

const DialogTemplateRegistration mergeEntityTemplate{{
    MergeEntitySelector::IDD,
    "Merge Entity",
    {
        {ModuleGroup, ControlKind::GroupBox, "Select module from file to be merged"},
        {MergeEntitySelector::FilePath, ControlKind::Static, "", false, false, 320},
        {0, ControlKind::Static, "Modules"},
        {MergeEntitySelector::ModuleCombo, ControlKind::ComboBox, "", false, false, 170},
        {MergeEntitySelector::SelectButton, ControlKind::PushButton, "Select"},
        {MergeEntitySelector::RemoveButton, ControlKind::PushButton, "Remove"},
        {0, ControlKind::Static, "Module Name"},
        {MergeEntitySelector::ModuleName, ControlKind::Static, "Module not selected", false, false,
         280},
        {SettingsGroup, ControlKind::GroupBox, "Merging Settings"},
        {MergeEntitySelector::FullModuleButton, ControlKind::PushButton, "Full Module"},
        {MergeEntitySelector::SelectiveButton, ControlKind::PushButton, "Selective Merging"},
        {MergeEntitySelector::ResolveButton, ControlKind::PushButton, "Resolve"},
        {MergeEntitySelector::MergingLabel, ControlKind::Static, "", false, false, 320},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {IDCANCEL, ControlKind::PushButton, "Cancel"},
        {MergeEntitySelector::HelpButton, ControlKind::PushButton, "Help"},
        {FiltersGroup, ControlKind::GroupBox, "Filters", true},
        {MergeEntitySelector::FilterLabel, ControlKind::Static, "Filter", true},
        {MergeEntitySelector::KindCombo, ControlKind::ComboBox, "", true},
        {MergeEntitySelector::EntityTree, ControlKind::TreeCtrl, "", true},
        {MergeEntitySelector::SelectAllButton, ControlKind::PushButton, "Select All", true},
        {MergeEntitySelector::DeselectAllButton, ControlKind::PushButton, "De-Select All", true},
        {MergeEntitySelector::SelectKindButton, ControlKind::PushButton, "Select", true},
        {ExistingModuleGroup, ControlKind::GroupBox, "Add merged data in selected Module", true},
        {MergeEntitySelector::ExistingModuleRadio, ControlKind::RadioButton,
         "Select existing module", true},
        {MergeEntitySelector::FirstModulesLabel, ControlKind::Static, "Modules", true},
        {MergeEntitySelector::FirstModuleCombo, ControlKind::ComboBox, "", true},
        {MergeEntitySelector::SelectFirstButton, ControlKind::PushButton, "Select", true},
        {MergeEntitySelector::FirstFilePath, ControlKind::Static, "", true},
        {MergeEntitySelector::OverwriteBox, ControlKind::CheckBox, "Overwrite Base Module", true},
    },
    0,
    Lay::Column({
        Lay::Group(ModuleGroup,
                   {
                       Lay::Control(MergeEntitySelector::FilePath),
                       Lay::Row({Lay::Field(MergeEntitySelector::ModuleCombo),
                                 Lay::Control(MergeEntitySelector::SelectButton),
                                 Lay::Control(MergeEntitySelector::RemoveButton)}),
                       Lay::Field(MergeEntitySelector::ModuleName),
                   }),
        Lay::Group(SettingsGroup, {Lay::Buttons({MergeEntitySelector::FullModuleButton,
                                                 MergeEntitySelector::SelectiveButton,
                                                 MergeEntitySelector::ResolveButton}),
                                   Lay::Control(MergeEntitySelector::MergingLabel)}),
        Lay::Buttons({IDOK, IDCANCEL, MergeEntitySelector::HelpButton}),
        Lay::Group(FiltersGroup,
                   {
                       Lay::Row({Lay::Field(MergeEntitySelector::KindCombo),
                                 Lay::Control(MergeEntitySelector::SelectKindButton)}),
                       Lay::Control(MergeEntitySelector::EntityTree),
                       Lay::Buttons({MergeEntitySelector::SelectAllButton,
                                     MergeEntitySelector::DeselectAllButton}),
                   }),
        Lay::Group(ExistingModuleGroup,
                   {
                       Lay::Control(MergeEntitySelector::ExistingModuleRadio),
                       Lay::Row({Lay::Field(MergeEntitySelector::FirstModuleCombo),
                                 Lay::Control(MergeEntitySelector::SelectFirstButton)}),
                       Lay::Control(MergeEntitySelector::FirstFilePath),
                       Lay::Control(MergeEntitySelector::OverwriteBox),
                   }),
    }),
}};

// The controls whose enabling follows the selector.
constexpr int enabledControls[] = {
    MergeEntitySelector::SelectButton,      MergeEntitySelector::RemoveButton,
    MergeEntitySelector::FullModuleButton,  MergeEntitySelector::SelectiveButton,
    MergeEntitySelector::ResolveButton,     IDOK,
    MergeEntitySelector::FirstModulesLabel, MergeEntitySelector::FirstModuleCombo};
} // namespace

MergeEntityDlg::MergeEntityDlg(ForgeonProject* first, ForgeonProject* second,
                               MergeDependencyCollector& collector, CWnd* parent)
    : CDialog(IDD, parent), m_selector(first, second, collector, *this), m_view(*this)
{
    MapControlRange(BN_CLICKED, MergeEntitySelector::SelectButton,
                    MergeEntitySelector::SelectButton, [this] { OnSelect(); });
    const std::pair<int, void (MergeEntitySelector::*)()> buttons[] = {
        {MergeEntitySelector::RemoveButton, &MergeEntitySelector::Remove},
        {MergeEntitySelector::FullModuleButton, &MergeEntitySelector::FullModule},
        {MergeEntitySelector::SelectiveButton, &MergeEntitySelector::SelectiveMerging},
        {MergeEntitySelector::ResolveButton, &MergeEntitySelector::Resolve},
        {MergeEntitySelector::ExistingModuleRadio, &MergeEntitySelector::ToggleExistingModule},
        {MergeEntitySelector::SelectAllButton, &MergeEntitySelector::SelectAll},
        {MergeEntitySelector::DeselectAllButton, &MergeEntitySelector::DeselectAll},
        {MergeEntitySelector::SelectKindButton, &MergeEntitySelector::SelectChecked},
    };
    for (const auto& [id, command] : buttons)
        MapControlRange(BN_CLICKED, id, id, [this, command = command] { Run(command); });
    MapControlRange(
        CBN_SELCHANGE, MergeEntitySelector::FirstModuleCombo, MergeEntitySelector::FirstModuleCombo,
        [this] {
            OnCombo(MergeEntitySelector::FirstModuleCombo, &MergeEntitySelector::ChooseFirstModule);
        });
    MapControlRange(CBN_SELCHANGE, MergeEntitySelector::KindCombo, MergeEntitySelector::KindCombo,
                    [this]
                    { OnCombo(MergeEntitySelector::KindCombo, &MergeEntitySelector::ChooseKind); });
    MapControlRange(BN_CLICKED, MergeEntitySelector::HelpButton, MergeEntitySelector::HelpButton,
                    [this] { ShowContextHelp(this, IDD); });
}

const std::vector<ToolTip>& MergeEntityDlg::GetToolTips()
{
    static const std::vector<ToolTip> tips = WithToolTipStrings({
        {MergeEntitySelector::ExistingModuleRadio, 63600, "Merge in to existing module"},
        {MergeEntitySelector::FirstModuleCombo, 63601, "Select module from WVT1"},
        {MergeEntitySelector::ModuleCombo, 63602, "Select module from WVT2"},
        {MergeEntitySelector::FullModuleButton, 63603, "Merge module"},
        {MergeEntitySelector::OverwriteBox, 63604, "Overwrite existing module"},
        {MergeEntitySelector::KindCombo, 63605, "Select filter"},
        {MergeEntitySelector::SelectAllButton, 63606, "Select all checkboxes on the tree   "},
        {MergeEntitySelector::DeselectAllButton, 63607, "Deselect all  checkboxes on the tree"},
        {MergeEntitySelector::EntityTree, 63608, "Tree "},
        {MergeEntitySelector::SelectKindButton, 63609, "Select "},
        {IDOK, 63610, "OK"},
        {MergeEntitySelector::ResolveButton, 63611, "Merge"},
        {IDCANCEL, 63612, "Cancel"},
        {MergeEntitySelector::HelpButton, 63613, "Help on merging"},
    });
    return tips;
}

BOOL MergeEntityDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_tree.SubclassDlgItem(MergeEntitySelector::EntityTree, this);
    m_tree.ModifyStyle(0, TVS_CHECKBOXES);
    m_selector.Open();
    ControlStates states;
    states.SetItems(MergeEntitySelector::FirstModuleCombo, m_selector.GetFirstModuleNames());
    states.SetItems(MergeEntitySelector::ModuleCombo, m_selector.GetModuleNames());
    states.SetItems(MergeEntitySelector::KindCombo, MergeEntitySelector::GetKinds());
    states.Select(MergeEntitySelector::KindCombo, 0);
    states.SetText(MergeEntitySelector::FilePath, m_selector.GetFilePath());
    states.SetText(MergeEntitySelector::FirstFilePath, m_selector.GetFirstFilePath());
    m_view.Show(states);
    m_toolTips.Create(this);
    AddToolTips(m_toolTips, *this, GetToolTips());
    Show();
    return TRUE;
}

void MergeEntityDlg::Show()
{
    ControlStates states;
    states.SetText(MergeEntitySelector::ModuleName, m_selector.GetModuleLabel());
    states.SetText(MergeEntitySelector::MergingLabel, m_selector.GetMergingLabel());
    for (int id : enabledControls)
        states.Enable(id, m_selector.IsEnabled(id));
    states.SetCheck(MergeEntitySelector::ExistingModuleRadio,
                    m_selector.IsExistingModuleSelected());
    m_view.Show(states);
    if (auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(MergeEntitySelector::FirstModuleCombo)))
        combo->SetCurSel(m_selector.GetFirstModuleChoice());
    ShowTree();
}

void MergeEntityDlg::ShowTree()
{
    if (m_tree.GetSafeHwnd() == nullptr)
        return;
    m_tree.DeleteAllItems();
    m_shownItems.clear();
    HTREEITEM root = TVI_ROOT;
    for (const MergeEntitySelector::TreeItem& item : m_selector.GetTree())
    {
        HTREEITEM shown = m_tree.InsertItem(item.name, item.root ? TVI_ROOT : root);
        m_tree.SetItemData(shown, static_cast<DWORD_PTR>(item.id));
        m_tree.SetCheck(shown, item.checked ? TRUE : FALSE);
        if (item.root)
            root = shown;
        m_shownItems.push_back(shown);
    }
}

void MergeEntityDlg::ReadChecks()
{
    for (std::size_t index = 0; index < m_shownItems.size(); ++index)
        m_selector.SetItemCheck(static_cast<int>(index),
                                m_tree.GetCheck(m_shownItems[index]) != FALSE);
}

void MergeEntityDlg::OnCombo(int id, void (MergeEntitySelector::*choose)(int))
{
    auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(id));
    ReadChecks();
    (m_selector.*choose)(combo != nullptr ? combo->GetCurSel() : -1);
    Show();
}

void MergeEntityDlg::OnSelect()
{
    auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(MergeEntitySelector::ModuleCombo));
    m_selector.Select(combo != nullptr ? combo->GetCurSel() : -1);
    Show();
}

void MergeEntityDlg::Run(void (MergeEntitySelector::*command)())
{
    ReadChecks();
    (m_selector.*command)();
    Show();
}

void MergeEntityDlg::OnOK()
{
    if (m_selector.Ok())
        EndDialog(IDOK);
}

void MergeEntityDlg::OpenSelectiveMerge(Module* module, MergeDependencyCollector& collector)
{
    SelectiveMergeDlg dialog(module, collector, this);
    dialog.DoModal();
}

void MergeEntityDlg::OpenDependencyReview(MergeDependencyCollector& collector)
{
    MergeDependencyDlg dialog(collector, this);
    dialog.DoModal();
}

std::optional<MergeChoice> MergeEntityDlgSelection::Choose(ForgeonProject* first,
                                                           ForgeonProject* second,
                                                           MergeDependencyCollector& collector)
{
    MergeEntityDlg dialog(first, second, collector, m_parent);
    if (dialog.DoModal() != IDOK)
        return std::nullopt;
    m_chosen = true;
    return MergeChoice{dialog.Selector().GetNameText(), dialog.Selector().GetOverwrite() != 0};
}
