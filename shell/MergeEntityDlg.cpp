#include "shell/MergeEntityDlg.h"

#include "editors/ContextHelp.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"
#include "shell/MergeDependencyDlg.h"
#include "shell/SelectiveMergeDlg.h"

namespace
{
using S = MergeEntitySelector;

constexpr int ModuleGroup = 2421;
constexpr int SettingsGroup = 2422;
constexpr int FiltersGroup = 2423;
constexpr int ExistingModuleGroup = 2424;

const DialogTemplateRegistration mergeEntityTemplate{{
    S::IDD,
    "Merge Entity",
    {
        {ModuleGroup, ControlKind::GroupBox, "Select module from file to be merged"},
        {S::FilePath, ControlKind::Static, "", false, false, 320},
        {0, ControlKind::Static, "Modules"},
        {S::ModuleCombo, ControlKind::ComboBox, "", false, false, 170},
        {S::SelectButton, ControlKind::PushButton, "Select"},
        {S::RemoveButton, ControlKind::PushButton, "Remove"},
        {0, ControlKind::Static, "Module Name"},
        {S::ModuleName, ControlKind::Static, "Module not selected", false, false, 280},
        {SettingsGroup, ControlKind::GroupBox, "Merging Settings"},
        {S::FullModuleButton, ControlKind::PushButton, "Full Module"},
        {S::SelectiveButton, ControlKind::PushButton, "Selective Merging"},
        {S::ResolveButton, ControlKind::PushButton, "Resolve"},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {IDCANCEL, ControlKind::PushButton, "Cancel"},
        {S::HelpButton, ControlKind::PushButton, "Help"},
        {FiltersGroup, ControlKind::GroupBox, "Filters", true},
        {S::FilterLabel, ControlKind::Static, "Filter", true},
        {S::KindCombo, ControlKind::ComboBox, "", true},
        {S::EntityTree, ControlKind::TreeCtrl, "", true},
        {S::SelectAllButton, ControlKind::PushButton, "Select All", true},
        {S::DeselectAllButton, ControlKind::PushButton, "De-Select All", true},
        {S::SelectKindButton, ControlKind::PushButton, "Select", true},
        {ExistingModuleGroup, ControlKind::GroupBox, "Add merged data in selected Module", true},
        {S::ExistingModuleRadio, ControlKind::RadioButton, "Select existing module", true},
        {S::FirstModulesLabel, ControlKind::Static, "Modules", true},
        {S::FirstModuleCombo, ControlKind::ComboBox, "", true},
        {S::SelectFirstButton, ControlKind::PushButton, "Select", true},
        {S::FirstFilePath, ControlKind::Static, "", true},
        {S::OverwriteBox, ControlKind::CheckBox, "Overwrite Base Module", true},
    },
    0,
    Lay::Column({
        Lay::Group(ModuleGroup,
                   {
                       Lay::Control(S::FilePath),
                       Lay::Row({Lay::Field(S::ModuleCombo), Lay::Control(S::SelectButton),
                                 Lay::Control(S::RemoveButton)}),
                       Lay::Field(S::ModuleName),
                   }),
        Lay::Group(SettingsGroup,
                   {Lay::Buttons({S::FullModuleButton, S::SelectiveButton, S::ResolveButton})}),
        Lay::Buttons({IDOK, IDCANCEL, S::HelpButton}),
        Lay::Group(FiltersGroup,
                   {
                       Lay::Row({Lay::Field(S::KindCombo), Lay::Control(S::SelectKindButton)}),
                       Lay::Control(S::EntityTree),
                       Lay::Buttons({S::SelectAllButton, S::DeselectAllButton}),
                   }),
        Lay::Group(
            ExistingModuleGroup,
            {
                Lay::Control(S::ExistingModuleRadio),
                Lay::Row({Lay::Field(S::FirstModuleCombo), Lay::Control(S::SelectFirstButton)}),
                Lay::Control(S::FirstFilePath),
                Lay::Control(S::OverwriteBox),
            }),
    }),
}};

// The controls whose enabling follows the selector.
constexpr int enabledControls[] = {S::SelectButton,      S::RemoveButton,    S::FullModuleButton,
                                   S::SelectiveButton,   S::ResolveButton,   IDOK,
                                   S::FirstModulesLabel, S::FirstModuleCombo};
} // namespace

MergeEntityDlg::MergeEntityDlg(ForgeonProject* first, ForgeonProject* second,
                               MergeDependencyCollector& collector, CWnd* parent)
    : CDialog(IDD, parent), m_selector(first, second, collector, *this), m_view(*this)
{
    MapControlRange(BN_CLICKED, S::SelectButton, S::SelectButton, [this] { OnSelect(); });
    MapControlRange(BN_CLICKED, S::RemoveButton, S::RemoveButton, [this] { Run(&S::Remove); });
    MapControlRange(BN_CLICKED, S::FullModuleButton, S::FullModuleButton,
                    [this] { Run(&S::FullModule); });
    MapControlRange(BN_CLICKED, S::SelectiveButton, S::SelectiveButton,
                    [this] { Run(&S::SelectiveMerging); });
    MapControlRange(BN_CLICKED, S::ResolveButton, S::ResolveButton, [this] { Run(&S::Resolve); });
    MapControlRange(BN_CLICKED, S::HelpButton, S::HelpButton,
                    [this] { ShowContextHelp(this, IDD); });
}

const std::vector<ToolTip>& MergeEntityDlg::GetToolTips()
{
    static const std::vector<ToolTip> tips = WithToolTipStrings({
        {S::ExistingModuleRadio, 63600, "Merge in to existing module"},
        {S::FirstModuleCombo, 63601, "Select module from WVT1"},
        {S::ModuleCombo, 63602, "Select module from WVT2"},
        {S::FullModuleButton, 63603, "Merge module"},
        {S::OverwriteBox, 63604, "Overwrite existing module"},
        {S::KindCombo, 63605, "Select filter"},
        {S::SelectAllButton, 63606, "Select all checkboxes on the tree   "},
        {S::DeselectAllButton, 63607, "Deselect all  checkboxes on the tree"},
        {S::EntityTree, 63608, "Tree "},
        {S::SelectKindButton, 63609, "Select "},
        {IDOK, 63610, "OK"},
        {S::ResolveButton, 63611, "Merge"},
        {IDCANCEL, 63612, "Cancel"},
        {S::HelpButton, 63613, "Help on merging"},
    });
    return tips;
}

BOOL MergeEntityDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_tree.SubclassDlgItem(S::EntityTree, this);
    m_tree.ModifyStyle(0, TVS_CHECKBOXES);
    m_selector.Open();
    ControlStates states;
    states.SetItems(S::FirstModuleCombo, m_selector.GetFirstModuleNames());
    states.SetItems(S::ModuleCombo, m_selector.GetModuleNames());
    states.SetItems(S::KindCombo, S::GetKinds());
    states.Select(S::KindCombo, 0);
    states.SetText(S::FilePath, m_selector.GetFilePath());
    states.SetText(S::FirstFilePath, m_selector.GetFirstFilePath());
    m_view.Show(states);
    m_toolTips.Create(this);
    AddToolTips(m_toolTips, *this, GetToolTips());
    Show();
    return TRUE;
}

BOOL MergeEntityDlg::PreTranslateMessage(MSG* msg)
{
    m_toolTips.RelayEvent(msg);
    return CDialog::PreTranslateMessage(msg);
}

void MergeEntityDlg::Show()
{
    ControlStates states;
    states.SetText(S::ModuleName, m_selector.GetModuleLabel());
    for (int id : enabledControls)
        states.Enable(id, m_selector.IsEnabled(id));
    m_view.Show(states);
}

void MergeEntityDlg::OnSelect()
{
    auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(S::ModuleCombo));
    m_selector.Select(combo != nullptr ? combo->GetCurSel() : -1);
    Show();
}

void MergeEntityDlg::Run(void (MergeEntitySelector::*command)())
{
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
