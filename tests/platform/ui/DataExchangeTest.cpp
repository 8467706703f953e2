#include "platform/ui/DataExchange.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ListBox.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace
{
enum : int
{
    IDC_RATE = 4001,
    IDC_DDX_KIND,
    IDC_FREE_KIND,
    IDC_DDX_LIST,
    IDC_STATE,
    IDC_YES,
    IDC_ANSWER_NO,
};

const DialogTemplate exchangeTemplate{9307,
                                      "Exchange",
                                      {
                                          {IDC_RATE, ControlKind::Edit, ""},
                                          {IDC_DDX_KIND, ControlKind::ComboBox, ""},
                                          {IDC_FREE_KIND, ControlKind::EditComboBox, ""},
                                          {IDC_DDX_LIST, ControlKind::ListBox, ""},
                                          {IDC_STATE, ControlKind::CheckBox, "State"},
                                          {IDC_YES, ControlKind::RadioButton, "Yes"},
                                          {IDC_ANSWER_NO, ControlKind::RadioButton, "No"},
                                      }};

// A window whose exchange is given by the test.
class ExchangeWnd : public CWnd
{
public:
    explicit ExchangeWnd(std::function<void(CDataExchange*)> exchange)
        : m_exchange(std::move(exchange))
    {
        SetOwnedWidget(new QWidget);
        CreateControls(exchangeTemplate);
        for (const char* kind : {"integer", "text", "date"})
        {
            static_cast<CComboBox*>(GetDlgItem(IDC_DDX_KIND))->AddString(kind);
            static_cast<CComboBox*>(GetDlgItem(IDC_FREE_KIND))->AddString(kind);
            static_cast<CListBox*>(GetDlgItem(IDC_DDX_LIST))->AddString(kind);
        }
    }

    void DoDataExchange(CDataExchange* pDX) override { m_exchange(pDX); }

private:
    std::function<void(CDataExchange*)> m_exchange;
};
} // namespace

TEST(DataExchangeTest, DoubleRoundTripsAndRangeIsChecked)
{
    ScriptedMessageBoxes boxes;
    double rate = 0.125;
    ExchangeWnd wnd(
        [&rate](CDataExchange* pDX)
        {
            DDX_Text(pDX, IDC_RATE, rate);
            DDV_MinMaxDouble(pDX, rate, 0.0, 1.0);
        });
    ASSERT_TRUE(wnd.UpdateData(FALSE));
    DialogDriver user(wnd);
    EXPECT_EQ(user.GetText(IDC_RATE), "0.125");

    user.SetText(IDC_RATE, "1.5");
    EXPECT_FALSE(wnd.UpdateData(TRUE));
    user.SetText(IDC_RATE, "x");
    EXPECT_FALSE(wnd.UpdateData(TRUE));
    user.SetText(IDC_RATE, "0.75");
    EXPECT_TRUE(wnd.UpdateData(TRUE));

    EXPECT_DOUBLE_EQ(rate, 0.75);
    ASSERT_EQ(boxes.Shown().size(), 2u);
    EXPECT_EQ(boxes.Shown()[0].text, "Please enter a number between 0 and 1.");
    EXPECT_EQ(boxes.Shown()[1].text, "Please enter a number.");
}

TEST(DataExchangeTest, IntegerBeyondItsTypeIsRefused)
{
    ScriptedMessageBoxes boxes;
    int count = 0;
    UINT size = 0;
    ExchangeWnd wnd(
        [&](CDataExchange* pDX)
        {
            DDX_Text(pDX, IDC_RATE, count);
            DDX_Text(pDX, IDC_FREE_KIND, size);
        });
    DialogDriver user(wnd);

    user.SetText(IDC_RATE, "2147483648");
    EXPECT_FALSE(wnd.UpdateData(TRUE));
    user.SetText(IDC_RATE, "-2147483648");
    user.SetText(IDC_FREE_KIND, "4294967296");
    EXPECT_FALSE(wnd.UpdateData(TRUE));
    user.SetText(IDC_FREE_KIND, "4294967295");
    EXPECT_TRUE(wnd.UpdateData(TRUE));

    EXPECT_EQ(count, -2147483647 - 1);
    EXPECT_EQ(size, 4294967295u);
    ASSERT_EQ(boxes.Shown().size(), 2u);
    EXPECT_EQ(boxes.Shown()[0].text, "Please enter an integer.");
    EXPECT_EQ(boxes.Shown()[1].text, "Please enter a positive integer.");
}

TEST(DataExchangeTest, ComboStringsSelectByPrefixOrExactlyOrSetTheText)
{
    CString kind = "te";
    CString freeKind = "money";
    ExchangeWnd wnd(
        [&](CDataExchange* pDX)
        {
            DDX_CBString(pDX, IDC_DDX_KIND, kind);
            DDX_CBStringExact(pDX, IDC_FREE_KIND, freeKind);
        });
    auto* kinds = static_cast<CComboBox*>(wnd.GetDlgItem(IDC_DDX_KIND));
    auto* freeKinds = static_cast<CComboBox*>(wnd.GetDlgItem(IDC_FREE_KIND));

    ASSERT_TRUE(wnd.UpdateData(FALSE));
    EXPECT_EQ(kinds->GetCurSel(), 1);
    EXPECT_EQ(freeKinds->GetCurSel(), CB_ERR);
    ASSERT_TRUE(wnd.UpdateData(TRUE));
    EXPECT_EQ(kind, "text");
    EXPECT_EQ(freeKind, "money");

    freeKind = "DATE";
    ASSERT_TRUE(wnd.UpdateData(FALSE));
    EXPECT_EQ(freeKinds->GetCurSel(), 2);
    freeKind = "dat";
    ASSERT_TRUE(wnd.UpdateData(FALSE));
    EXPECT_EQ(freeKinds->GetCurSel(), CB_ERR);
}

TEST(DataExchangeTest, ListBoxIndexAndString)
{
    int index = 2;
    CString text = "DA";
    bool byIndex = true;
    ExchangeWnd wnd(
        [&](CDataExchange* pDX)
        {
            if (byIndex)
            {
                DDX_LBIndex(pDX, IDC_DDX_LIST, index);
            }
            else
            {
                DDX_LBString(pDX, IDC_DDX_LIST, text);
            }
        });
    auto* list = static_cast<CListBox*>(wnd.GetDlgItem(IDC_DDX_LIST));

    ASSERT_TRUE(wnd.UpdateData(FALSE));
    EXPECT_EQ(list->GetCurSel(), 2);
    DialogDriver(wnd).Select(IDC_DDX_LIST, 0);
    ASSERT_TRUE(wnd.UpdateData(TRUE));
    EXPECT_EQ(index, 0);

    byIndex = false;
    ASSERT_TRUE(wnd.UpdateData(FALSE));
    EXPECT_EQ(list->GetCurSel(), 2);
    DialogDriver(wnd).Select(IDC_DDX_LIST, 1);
    ASSERT_TRUE(wnd.UpdateData(TRUE));
    EXPECT_EQ(text, "text");
    list->SetCurSel(-1);
    ASSERT_TRUE(wnd.UpdateData(TRUE));
    EXPECT_EQ(text, "");
}

TEST(DataExchangeTest, CheckBoxThirdStateAndRadioGroupWithNothingChecked)
{
    int state = BST_INDETERMINATE;
    int answer = -1;
    ExchangeWnd wnd(
        [&](CDataExchange* pDX)
        {
            DDX_Check(pDX, IDC_STATE, state);
            DDX_Radio(pDX, IDC_YES, answer);
        });

    ASSERT_TRUE(wnd.UpdateData(FALSE));
    EXPECT_EQ(wnd.IsDlgButtonChecked(IDC_STATE), BST_INDETERMINATE);
    EXPECT_EQ(wnd.GetCheckedRadioButton(IDC_YES, IDC_ANSWER_NO), 0);

    wnd.CheckRadioButton(IDC_YES, IDC_ANSWER_NO, IDC_ANSWER_NO);
    ASSERT_TRUE(wnd.UpdateData(TRUE));
    EXPECT_EQ(answer, 1);
    EXPECT_EQ(state, static_cast<int>(BST_INDETERMINATE));

    answer = -1;
    ASSERT_TRUE(wnd.UpdateData(FALSE));
    EXPECT_EQ(wnd.GetCheckedRadioButton(IDC_YES, IDC_ANSWER_NO), 0);
}

TEST(DataExchangeTest, ControlIsBoundOnceAndFollowsTheWidget)
{
    CComboBox bound;
    int binds = 0;
    ExchangeWnd wnd(
        [&](CDataExchange* pDX)
        {
            DDX_Control(pDX, IDC_DDX_KIND, bound);
            ++binds;
        });

    ASSERT_TRUE(wnd.UpdateData(FALSE));
    ASSERT_TRUE(wnd.UpdateData(TRUE));

    EXPECT_EQ(binds, 2);
    EXPECT_EQ(bound.GetSafeHwnd(), wnd.GetDlgItem(IDC_DDX_KIND)->GetSafeHwnd());
    EXPECT_EQ(bound.GetCount(), 3);
    EXPECT_EQ(CWnd::FromHandle(bound.GetSafeHwnd()), wnd.GetDlgItem(IDC_DDX_KIND));
    wnd.DestroyWindow();
    EXPECT_EQ(bound.GetSafeHwnd(), nullptr);
}
