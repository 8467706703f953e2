// The merge's dialogs on the offscreen platform: the thin views pass the user's clicks to their
// controllers and show what those hold.
#include "platform/ui/DialogDriver.h"
#include "platform/ui/ListCtrl.h"
#include "shell/MergeDependencyDlg.h"
#include "shell/MergeEntityDlg.h"
#include "shell/SelectiveMergeDlg.h"
#include "tests/merge/MergeSelectionInputs.h"

namespace
{
bool Enabled(CDialog& dialog, int id)
{
    return dialog.GetDlgItem(id)->IsWindowEnabled();
}

bool Visible(CDialog& dialog, int id)
{
    return dialog.GetDlgItem(id)->IsWindowVisible();
}

CString Caption(CDialog& dialog, int id)
{
    CString text;
    dialog.GetDlgItem(id)->GetWindowText(text);
    return text;
}

std::vector<std::string> ListTexts(CDialog& dialog, int id)
{
    auto& list = *dynamic_cast<CListCtrl*>(dialog.GetDlgItem(id));
    std::vector<std::string> texts;
    for (int row = 0; row < list.GetItemCount(); ++row)
        texts.emplace_back(list.GetItemText(row, 1).GetString());
    return texts;
}

class MergeDialogsTest : public MergeSelectionTest
{
protected:
    ScriptedDialogs m_dialogs;
};

TEST_F(MergeDialogsTest, TheDialogsSelectReviewMapAndSaveThroughTheirControllers)
{
    Table* product = SecondTable("product");
    // The merge entity dialog: Sales selected, then the selective merge, the review and OK.
    m_dialogs.Answer(
        [&](CDialog& dialog, DialogDriver& user)
        {
            EXPECT_EQ(Caption(dialog, MergeEntitySelector::FilePath),
                      Second()->GetProjectFilePath());
            EXPECT_EQ(Caption(dialog, MergeEntitySelector::ModuleName), "Module not selected");
            for (int id :
                 {MergeEntitySelector::FullModuleButton, MergeEntitySelector::SelectiveButton,
                  MergeEntitySelector::ResolveButton, MergeEntitySelector::RemoveButton, IDOK})
                EXPECT_FALSE(Enabled(dialog, id)) << id;
            EXPECT_TRUE(Visible(dialog, MergeEntitySelector::ResolveButton));
            for (int id :
                 {MergeEntitySelector::KindCombo, MergeEntitySelector::EntityTree,
                  MergeEntitySelector::OverwriteBox, MergeEntitySelector::ExistingModuleRadio,
                  MergeEntitySelector::FirstModuleCombo})
                EXPECT_FALSE(Visible(dialog, id)) << id;
            EXPECT_TRUE(user.Select(MergeEntitySelector::ModuleCombo, 1));
            EXPECT_TRUE(user.Click(MergeEntitySelector::SelectButton));
            EXPECT_EQ(Caption(dialog, MergeEntitySelector::ModuleName), "Sales");
            EXPECT_FALSE(Enabled(dialog, MergeEntitySelector::SelectButton));
            EXPECT_TRUE(Enabled(dialog, IDOK));
            EXPECT_TRUE(user.Click(MergeEntitySelector::SelectiveButton));
            EXPECT_TRUE(user.Click(MergeEntitySelector::ResolveButton));
            EXPECT_TRUE(user.PressOk());
        });
    // The selective merge: orders and product checked and saved.
    m_dialogs.Answer(
        [&](CDialog& dialog, DialogDriver& user)
        {
            auto& selective = dynamic_cast<SelectiveMergeDlg&>(dialog);
            EXPECT_EQ(Caption(dialog, SelectiveMerge::ModuleName), "Sales");
            EXPECT_TRUE(user.Select(SelectiveMerge::KindCombo, SelectiveMerge::MasterTables));
            EXPECT_TRUE(user.Click(SelectiveMerge::SelectButton));
            TreeControl& tree = selective.Tree();
            HTREEITEM root = tree.GetRootItem();
            ASSERT_NE(root, nullptr);
            EXPECT_EQ(tree.GetItemText(root), "Sales");
            HTREEITEM customer = tree.GetChildItem(root);
            HTREEITEM orders = tree.GetNextSiblingItem(customer);
            EXPECT_EQ(tree.GetItemText(orders), "orders");
            EXPECT_TRUE(user.SetTreeCheck(SelectiveMerge::Tree, orders, true));
            EXPECT_TRUE(
                user.SetTreeCheck(SelectiveMerge::Tree, tree.GetNextSiblingItem(orders), true));
            EXPECT_TRUE(user.Click(SelectiveMerge::SaveButton));
            // Select All and Deselect All build the tree again: its items are looked up anew.
            const auto second = [&tree]
            { return tree.GetNextSiblingItem(tree.GetChildItem(tree.GetRootItem())); };
            EXPECT_TRUE(user.Click(SelectiveMerge::SelectAllButton));
            EXPECT_TRUE(tree.GetCheck(tree.GetChildItem(tree.GetRootItem())));
            EXPECT_TRUE(user.Click(SelectiveMerge::DeselectAllButton));
            EXPECT_EQ(tree.GetItemText(second()), "orders");
            EXPECT_FALSE(tree.GetCheck(second()));
            EXPECT_TRUE(user.PressOk());
        });
    // The review: with product taken out, orders needs it; "Map" maps it and Cancel closes.
    m_dialogs.Answer(
        [&](CDialog& dialog, DialogDriver& user)
        {
            EXPECT_EQ(ListTexts(dialog, MergeDependencyReview::DependencyList),
                      std::vector<std::string>{});
            EXPECT_FALSE(Enabled(dialog, MergeDependencyReview::MapButton));
            EXPECT_TRUE(user.Select(MergeDependencyReview::FilterCombo, 5));
            EXPECT_EQ(ListTexts(dialog, MergeDependencyReview::DependencyList),
                      (std::vector<std::string>{}));
            Collector().RemoveSelectedTable(product);
            EXPECT_TRUE(user.Select(MergeDependencyReview::FilterCombo, 0));
            EXPECT_EQ(ListTexts(dialog, MergeDependencyReview::DependencyList),
                      (std::vector<std::string>{"product foreign table in orders"}));
            EXPECT_TRUE(Enabled(dialog, MergeDependencyReview::MapButton));
            EXPECT_TRUE(user.Click(MergeDependencyReview::MapButton));
            EXPECT_EQ(ListTexts(dialog, MergeDependencyReview::DependencyList),
                      std::vector<std::string>{});
            EXPECT_TRUE(user.PressCancel());
        });
    // The mapping: product to the first project's CUSTOMER, field by field.
    m_dialogs.Answer(
        [&](CDialog& dialog, DialogDriver& user)
        {
            EXPECT_TRUE(user.Select(EntityMapper::ModuleCombo, 1));
            EXPECT_TRUE(user.Select(EntityMapper::NeededCombo, 0));
            EXPECT_TRUE(user.Select(EntityMapper::MappedCombo, 0));
            EXPECT_TRUE(user.Select(EntityMapper::NeededFieldCombo, 0));
            EXPECT_TRUE(user.Select(EntityMapper::MappedFieldCombo, 0));
            EXPECT_TRUE(user.Click(EntityMapper::MapButton));
            EXPECT_EQ(ListTexts(dialog, EntityMapper::MappedDataList),
                      (std::vector<std::string>{"product -> CUSTOMER"}));
            EXPECT_TRUE(user.Select(EntityMapper::FilterCombo, EntityMapper::Procedures));
            EXPECT_FALSE(Enabled(dialog, EntityMapper::NeededFieldCombo));
            EXPECT_TRUE(user.PressOk());
        });

    MergeEntityDlg dialog(First(), Second(), Collector());
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(m_dialogs.Shown(),
              (std::vector<UINT>{MergeEntitySelector::IDD, SelectiveMerge::IDD,
                                 MergeDependencyReview::IDD, EntityMapper::IDD}));
    EXPECT_EQ(m_dialogs.UnscriptedCount(), 0u);
    EXPECT_EQ(NamesOf(Collector().GetSelectedTables()),
              (std::vector<std::string>{"orders", "product"}));
    EXPECT_EQ(NamesOf(Collector().GetSelectedMasterForms()),
              (std::vector<std::string>{"orders_form", "product_form"}));
    EXPECT_EQ(Collector().GetMappedTable(product), FirstSales()->GetMasterTables().front());
    EXPECT_TRUE(Collector().GetNeededTables().empty());
    EXPECT_TRUE(m_boxes.Shown().empty()) << LastBox();
}
} // namespace
