#include "ControlHost.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/ListBox.h"

#include <gtest/gtest.h>

namespace
{
enum : int
{
    IDC_COMBO = 3001,
    IDC_EDIT_COMBO,
    IDC_LIST,
};

const DialogTemplate listsTemplate{9303,
                                   "Lists",
                                   {
                                       {IDC_COMBO, ControlKind::ComboBox, ""},
                                       {IDC_EDIT_COMBO, ControlKind::EditComboBox, ""},
                                       {IDC_LIST, ControlKind::ListBox, ""},
                                   }};

class ListsTest : public ::testing::Test
{
protected:
    ListsTest()
        : host(listsTemplate), combo(*static_cast<CComboBox*>(host.GetDlgItem(IDC_COMBO))),
          editCombo(*static_cast<CComboBox*>(host.GetDlgItem(IDC_EDIT_COMBO))),
          list(*static_cast<CListBox*>(host.GetDlgItem(IDC_LIST)))
    {
        for (const char* text : {"Alpha", "beta", "Alphabet", "Gamma"})
        {
            combo.AddString(text);
            list.AddString(text);
        }
    }

    ControlHost host;
    CComboBox& combo;
    CComboBox& editCombo;
    CListBox& list;
};

TEST_F(ListsTest, NewListsHaveNoSelectionAndFillingIsSilent)
{
    EXPECT_EQ(combo.GetCount(), 4);
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
    EXPECT_EQ(list.GetCurSel(), LB_ERR);
    editCombo.SetWindowText("typed");
    editCombo.AddString("first");
    CString text;
    editCombo.GetWindowText(text);
    EXPECT_EQ(text, "typed");
    EXPECT_EQ(editCombo.GetCurSel(), CB_ERR);

    EXPECT_EQ(combo.SetCurSel(3), 3);
    EXPECT_EQ(list.SetCurSel(1), 1);
    list.DeleteString(1);
    EXPECT_TRUE(host.m_commands.empty());
}

TEST_F(ListsTest, UserSelectionNotifiesTheOwner)
{
    DialogDriver user(host);

    EXPECT_FALSE(user.Select(IDC_COMBO, -1));
    EXPECT_FALSE(user.Select(IDC_COMBO, 4));
    EXPECT_TRUE(user.Select(IDC_COMBO, 2));
    EXPECT_TRUE(user.Select(IDC_LIST, 3));

    EXPECT_EQ(combo.GetCurSel(), 2);
    EXPECT_EQ(list.GetCurSel(), 3);
    EXPECT_EQ(host.m_commands, (std::vector<ControlHost::Command>{{IDC_COMBO, CBN_SELCHANGE},
                                                                  {IDC_LIST, LBN_SELCHANGE}}));
}

TEST_F(ListsTest, ItemsCarryData)
{
    EXPECT_EQ(combo.SetItemData(1, 77), 0);
    EXPECT_EQ(list.SetItemData(2, 88), 0);
    combo.InsertString(0, "Zero");

    EXPECT_EQ(combo.GetItemData(2), 77u);
    EXPECT_EQ(combo.GetItemData(0), 0u);
    EXPECT_EQ(list.GetItemData(2), 88u);
    EXPECT_EQ(combo.SetItemData(9, 1), CB_ERR);
    EXPECT_EQ(combo.GetItemData(9), static_cast<DWORD_PTR>(CB_ERR));
    EXPECT_EQ(list.GetItemData(-1), static_cast<DWORD_PTR>(LB_ERR));
}

TEST_F(ListsTest, TextsAndBadIndexes)
{
    CString text;
    EXPECT_EQ(combo.GetLBText(1, text), 4);
    EXPECT_EQ(text, "beta");
    EXPECT_EQ(list.GetText(3, text), 5);
    EXPECT_EQ(text, "Gamma");
    EXPECT_EQ(combo.GetLBText(4, text), CB_ERR);
    EXPECT_EQ(list.GetTextLen(-1), LB_ERR);
    EXPECT_EQ(combo.InsertString(9, "far"), CB_ERR);
    EXPECT_EQ(list.InsertString(-1, "last"), 4);
    EXPECT_EQ(combo.DeleteString(0), 3);
    EXPECT_EQ(combo.DeleteString(3), CB_ERR);
    EXPECT_EQ(combo.SetCurSel(7), CB_ERR);
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
    combo.ResetContent();
    EXPECT_EQ(combo.GetCount(), 0);
}

TEST_F(ListsTest, SearchIgnoresCaseStartsAfterTheGivenItemAndWraps)
{
    EXPECT_EQ(combo.FindString(-1, "alpha"), 0);
    EXPECT_EQ(combo.FindString(0, "alpha"), 2);
    EXPECT_EQ(combo.FindString(2, "alpha"), 0);
    EXPECT_EQ(combo.FindStringExact(-1, "ALPHABET"), 2);
    EXPECT_EQ(combo.FindStringExact(-1, "Alph"), CB_ERR);
    EXPECT_EQ(list.FindString(-1, "B"), 1);
    EXPECT_EQ(list.FindStringExact(1, "beta"), 1);

    EXPECT_EQ(combo.SelectString(-1, "gam"), 3);
    EXPECT_EQ(combo.SelectString(-1, "none"), CB_ERR);
    EXPECT_EQ(combo.GetCurSel(), 3);
    EXPECT_EQ(list.SelectString(0, "al"), 2);
}
} // namespace
