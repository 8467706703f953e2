#include "platform/ui/Dialog.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
constexpr UINT IDD_PERSON = 9301;
constexpr UINT IDD_UNKNOWN = 9399;
constexpr UINT IDD_LONG_TITLE = 9303;
constexpr const char* kLongTitle = "Add New Grid in the Dashboard of the Module";

enum : int
{
    IDC_NAME = 1001,
    IDC_AGE,
    IDC_COUNT,
    IDC_KIND,
    IDC_ACTIVE,
    IDC_ARCHIVED,
    IDC_SMALL,
    IDC_MEDIUM,
    IDC_LARGE,
    IDC_RED,
    IDC_BLUE,
    IDC_NOTE,
};

const DialogTemplateRegistration personTemplate{{
    IDD_PERSON,
    "Person",
    {
        {0, ControlKind::Static, "Name:"},
        {IDC_NAME, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Age:"},
        {IDC_AGE, ControlKind::Edit, ""},
        {IDC_COUNT, ControlKind::Edit, ""},
        {0, ControlKind::Static, "Kind:"},
        {IDC_KIND, ControlKind::ComboBox, ""},
        {IDC_ACTIVE, ControlKind::CheckBox, "Active"},
        {IDC_ARCHIVED, ControlKind::CheckBox, "Archived"},
        {IDC_SMALL, ControlKind::RadioButton, "Small"},
        {IDC_MEDIUM, ControlKind::RadioButton, "Medium"},
        {IDC_LARGE, ControlKind::RadioButton, "Large"},
        {IDC_RED, ControlKind::RadioButton, "Red", false, true},
        {IDC_BLUE, ControlKind::RadioButton, "Blue"},
        {IDC_NOTE, ControlKind::Static, "Only for some", true},
        {IDOK, ControlKind::DefPushButton, "OK"},
        {IDCANCEL, ControlKind::PushButton, "Cancel"},
    },
}};

const DialogTemplateRegistration longTitleTemplate{{
    IDD_LONG_TITLE,
    kLongTitle,
    {
        {IDOK, ControlKind::DefPushButton, "OK"},
    },
}};

// A dialog that exchanges one member of every kind and logs the notifications it handles.
class PersonDialog : public CDialog
{
public:
    PersonDialog() : CDialog(IDD_PERSON)
    {
        MapControl(EN_CHANGE, IDC_NAME, &PersonDialog::OnNameChange);
        MapControl(EN_KILLFOCUS, IDC_AGE, &PersonDialog::OnAgeKillFocus);
        MapControl(CBN_SELCHANGE, IDC_KIND, &PersonDialog::OnKindChange);
        MapCommand(IDC_ACTIVE, &PersonDialog::OnActiveClicked);
    }

    BOOL OnInitDialog() override
    {
        auto* kinds = static_cast<CComboBox*>(GetDlgItem(IDC_KIND));
        for (const char* kind : {"Customer", "Supplier", "Staff"})
        {
            kinds->AddString(kind);
        }
        const BOOL result = CDialog::OnInitDialog();
        m_log.clear();
        return result;
    }

    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_KIND, m_kindBox);
        DDX_Text(pDX, IDC_NAME, m_name);
        DDV_MaxChars(pDX, m_name, 20);
        DDX_Text(pDX, IDC_AGE, m_age);
        DDV_MinMaxInt(pDX, m_age, 0, 150);
        DDX_Text(pDX, IDC_COUNT, m_count);
        DDV_MinMaxUInt(pDX, m_count, 1, 10);
        DDX_CBIndex(pDX, IDC_KIND, m_kind);
        DDX_Check(pDX, IDC_ACTIVE, m_active);
        DDX_Check(pDX, IDC_ARCHIVED, m_archived);
        DDX_Radio(pDX, IDC_SMALL, m_size);
        DDX_Radio(pDX, IDC_RED, m_colour);
    }

    CString m_name = "Ada";
    int m_age = 36;
    UINT m_count = 3;
    int m_kind = 1;
    int m_active = BST_CHECKED;
    int m_archived = BST_UNCHECKED;
    int m_size = 1;
    int m_colour = 0;
    CComboBox m_kindBox;
    std::vector<std::string> m_log;

private:
    void OnNameChange() { m_log.push_back("name changed"); }
    void OnAgeKillFocus() { m_log.push_back("age left"); }
    void OnKindChange() { m_log.push_back("kind " + std::to_string(m_kindBox.GetCurSel())); }
    void OnActiveClicked() { m_log.push_back("active clicked"); }
};

bool IsChecked(CWnd& dialog, int id)
{
    return dialog.IsDlgButtonChecked(id) == BST_CHECKED;
}

constexpr UINT IDD_ADD_OK = 9304;
constexpr UINT IDD_ADD_OK_CANCEL = 9305;
constexpr int IDC_ADD = 1020;

const DialogTemplateRegistration addingTemplates{
    {IDD_ADD_OK,
     "Adding",
     {{IDC_ADD, ControlKind::PushButton, "Add"}, {IDOK, ControlKind::DefPushButton, "OK"}}},
    {IDD_ADD_OK_CANCEL,
     "Adding",
     {{IDC_ADD, ControlKind::PushButton, "Add"},
      {IDOK, ControlKind::DefPushButton, "OK"},
      {IDCANCEL, ControlKind::PushButton, "Cancel"}}},
};

// A dialog whose "Add" changes what it edits at once.
class AddingDialog : public CDialog
{
public:
    explicit AddingDialog(UINT templateId) : CDialog(templateId)
    {
        MapCommand(IDC_ADD, &AddingDialog::OnAdd);
    }

protected:
    bool MadeChanges() const override { return m_added; }

private:
    void OnAdd() { m_added = true; }
    bool m_added = false;
};
} // namespace

TEST(DialogTest, ControlsShowTheMembersWhenTheDialogOpens)
{
    ScriptedDialogs dialogs;
    PersonDialog dialog;
    dialogs.Answer(
        [](CDialog& shown, DialogDriver& user)
        {
            EXPECT_EQ(user.GetText(IDC_NAME), "Ada");
            EXPECT_EQ(user.GetText(IDC_AGE), "36");
            EXPECT_EQ(user.GetText(IDC_COUNT), "3");
            EXPECT_EQ(user.GetText(IDC_KIND), "Supplier");
            EXPECT_TRUE(IsChecked(shown, IDC_ACTIVE));
            EXPECT_FALSE(IsChecked(shown, IDC_ARCHIVED));
            EXPECT_EQ(shown.GetCheckedRadioButton(IDC_SMALL, IDC_LARGE), IDC_MEDIUM);
            EXPECT_EQ(shown.GetCheckedRadioButton(IDC_RED, IDC_BLUE), IDC_RED);
            EXPECT_EQ(shown.GetWindowTextLength(), 6);
            user.PressCancel();
        });

    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialogs.Shown(), std::vector<UINT>{IDD_PERSON});
}

TEST(DialogTest, OkSavesWhatTheUserChangedIntoTheMembers)
{
    ScriptedDialogs dialogs;
    PersonDialog dialog;
    dialogs.Answer(
        [](CDialog&, DialogDriver& user)
        {
            user.SetText(IDC_NAME, "Grace");
            user.SetText(IDC_AGE, " 85 ");
            user.SetText(IDC_COUNT, "10");
            user.Select(IDC_KIND, 2);
            user.SetCheck(IDC_ACTIVE, false);
            user.SetCheck(IDC_ARCHIVED, true);
            user.Click(IDC_LARGE);
            user.Click(IDC_BLUE);
            user.PressOk();
        });

    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_name, "Grace");
    EXPECT_EQ(dialog.m_age, 85);
    EXPECT_EQ(dialog.m_count, 10u);
    EXPECT_EQ(dialog.m_kind, 2);
    EXPECT_EQ(dialog.m_active, static_cast<int>(BST_UNCHECKED));
    EXPECT_EQ(dialog.m_archived, static_cast<int>(BST_CHECKED));
    EXPECT_EQ(dialog.m_size, 2);
    EXPECT_EQ(dialog.m_colour, 1);
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
    EXPECT_EQ(dialog.m_kindBox.GetSafeHwnd(), nullptr);
}

TEST(DialogTest, NotificationsReachTheHandlersOfTheDialog)
{
    ScriptedDialogs dialogs;
    PersonDialog dialog;
    dialogs.Answer(
        [](CDialog&, DialogDriver& user)
        {
            user.SetText(IDC_NAME, "Lin");
            user.SetText(IDC_AGE, "40");
            user.Select(IDC_KIND, 0);
            user.Click(IDC_ACTIVE);
            user.PressCancel();
        });

    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.m_log,
              (std::vector<std::string>{"name changed", "age left", "kind 0", "active clicked"}));
}

TEST(DialogTest, OutOfRangeNumberIsRefusedWithAMessageAndTheDialogStaysOpen)
{
    ScriptedMessageBoxes boxes;
    ScriptedDialogs dialogs;
    PersonDialog dialog;
    dialogs.Answer(
        [&boxes](CDialog& shown, DialogDriver& user)
        {
            user.SetText(IDC_AGE, "151");
            user.PressOk();
            EXPECT_FALSE(shown.IsEnded());
            ASSERT_EQ(boxes.Shown().size(), 1u);
            EXPECT_EQ(boxes.Shown()[0].text, "Please enter an integer between 0 and 150.");

            user.SetText(IDC_AGE, "150");
            user.SetText(IDC_COUNT, "0");
            user.PressOk();
            EXPECT_FALSE(shown.IsEnded());
            ASSERT_EQ(boxes.Shown().size(), 2u);
            EXPECT_EQ(boxes.Shown()[1].text, "Please enter an integer between 1 and 10.");

            user.SetText(IDC_COUNT, "1");
            user.PressOk();
        });

    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_age, 150);
    EXPECT_EQ(dialog.m_count, 1u);
    EXPECT_EQ(boxes.Shown().size(), 2u);
}

TEST(DialogTest, TextThatIsNoNumberIsRefused)
{
    ScriptedMessageBoxes boxes;
    ScriptedDialogs dialogs;
    PersonDialog dialog;
    dialogs.Answer(
        [](CDialog&, DialogDriver& user)
        {
            user.SetText(IDC_AGE, "12a");
            user.PressOk();
            user.SetText(IDC_AGE, "12");
            user.SetText(IDC_COUNT, "-3");
            user.PressOk();
            user.SetText(IDC_COUNT, "");
            user.PressOk();
            user.PressCancel();
        });

    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    ASSERT_EQ(boxes.Shown().size(), 3u);
    EXPECT_EQ(boxes.Shown()[0].text, "Please enter an integer.");
    EXPECT_EQ(boxes.Shown()[1].text, "Please enter a positive integer.");
    EXPECT_EQ(boxes.Shown()[2].text, "Please enter a positive integer.");
    EXPECT_EQ(boxes.Shown()[0].type & MB_ICONMASK, MB_ICONEXCLAMATION);
}

TEST(DialogTest, TooLongTextIsRefusedAndTheEditIsLimitedWhenLoaded)
{
    ScriptedMessageBoxes boxes;
    ScriptedDialogs dialogs;
    PersonDialog dialog;
    dialog.m_name = "Short";
    dialogs.Answer(
        [](CDialog& shown, DialogDriver& user)
        {
            const auto* name = static_cast<CEdit*>(shown.GetDlgItem(IDC_NAME));
            EXPECT_EQ(name->GetLimitText(), 20u);
            user.PressOk();
        });
    EXPECT_EQ(dialog.DoModal(), IDOK);

    dialog.m_name = "A name much longer than twenty";
    dialogs.Answer(
        [](CDialog& shown, DialogDriver& user)
        {
            user.PressOk();
            EXPECT_FALSE(shown.IsEnded());
            user.PressCancel();
        });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, "Please enter no more than 20 characters.");
}

TEST(DialogTest, DisabledAndHiddenControls)
{
    ScriptedDialogs dialogs;
    PersonDialog dialog;
    dialogs.Answer(
        [](CDialog& shown, DialogDriver& user)
        {
            EXPECT_FALSE(shown.GetDlgItem(IDC_NOTE)->ShowWindow(SW_SHOW));
            EXPECT_TRUE(shown.GetDlgItem(IDC_NOTE)->ShowWindow(SW_HIDE));
            EXPECT_TRUE(shown.GetDlgItem(IDC_ARCHIVED)->ShowWindow(SW_SHOW));
            EXPECT_FALSE(shown.GetDlgItem(IDC_ARCHIVED)->EnableWindow(FALSE));
            EXPECT_TRUE(shown.GetDlgItem(IDC_ARCHIVED)->EnableWindow(TRUE));
            shown.GetDlgItem(IDOK)->EnableWindow(FALSE);
            EXPECT_FALSE(user.PressOk());
            EXPECT_FALSE(shown.IsEnded());
            EXPECT_FALSE(user.SetCheck(IDC_NOTE, true));
            EXPECT_FALSE(user.SetText(IDC_NOTE, "typed"));
            user.PressCancel();
        });

    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST(DialogTest, ADialogIsWideEnoughForItsWholeTitle)
{
    ScriptedDialogs dialogs;
    CDialog dialog(IDD_LONG_TITLE);
    int width = 0;
    dialogs.Answer(
        [&](CDialog& open, DialogDriver& user)
        {
            width = open.GetSafeHwnd()->width();
            user.PressOk();
        });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    QFont bold = QApplication::font();
    bold.setBold(true);
    EXPECT_GT(width, QFontMetrics(bold).horizontalAdvance(kLongTitle));
}

TEST(DialogTest, DialogThatTheScriptLeavesOpenReturnsMinusOne)
{
    ScriptedDialogs dialogs;
    PersonDialog dialog;
    dialogs.Answer([](CDialog&, DialogDriver& user) { user.SetText(IDC_NAME, "Open"); });

    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
    EXPECT_EQ(dialog.m_name, "Ada");
}

TEST(DialogTest, UnscriptedDialogIsCancelledAndCounted)
{
    ScriptedDialogs dialogs;
    PersonDialog dialog;

    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialogs.UnscriptedCount(), 1u);
}

TEST(DialogTest, UnknownTemplateFailsWithoutShowingAnything)
{
    ScriptedDialogs dialogs;
    CDialog dialog(IDD_UNKNOWN);

    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_TRUE(dialogs.Shown().empty());
}

TEST(DialogTest, EscapeCancels)
{
    ScriptedDialogs dialogs;
    PersonDialog dialog;
    dialogs.Answer(
        [](CDialog& shown, DialogDriver&)
        {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QCoreApplication::sendEvent(shown.GetSafeHwnd(), &escape);
        });

    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

// Escape and the close box cannot undo what the buttons of a dialog without Cancel did: it ends
// with IDOK then, as OK would, and with IDCANCEL when they did nothing or Cancel is offered.
TEST(DialogTest, EscapeKeepsWhatTheButtonsOfADialogWithoutCancelDid)
{
    struct Case
    {
        UINT templateId;
        bool add;
        bool closeBox;
        INT_PTR result;
    };
    for (const Case& each :
         {Case{IDD_ADD_OK, true, false, IDOK}, Case{IDD_ADD_OK, true, true, IDOK},
          Case{IDD_ADD_OK, false, false, IDCANCEL}, Case{IDD_ADD_OK, false, true, IDCANCEL},
          Case{IDD_ADD_OK_CANCEL, true, false, IDCANCEL},
          Case{IDD_ADD_OK_CANCEL, true, true, IDCANCEL}})
    {
        ScriptedDialogs dialogs;
        dialogs.Answer(
            [&each](CDialog& shown, DialogDriver& user)
            {
                if (each.add)
                {
                    EXPECT_TRUE(user.Click(IDC_ADD));
                }
                QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                if (each.closeBox)
                    shown.GetSafeHwnd()->close();
                else
                    QCoreApplication::sendEvent(shown.GetSafeHwnd(), &escape);
            });
        AddingDialog dialog(each.templateId);
        EXPECT_EQ(dialog.DoModal(), each.result) << each.templateId << each.add << each.closeBox;
    }
}

TEST(DialogTest, WithoutAHookTheDialogRunsItsOwnEventLoop)
{
    PersonDialog dialog;
    QTimer::singleShot(0,
                       [&dialog]
                       {
                           DialogDriver user(dialog);
                           user.SetText(IDC_NAME, "Looped");
                           user.PressOk();
                       });

    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_name, "Looped");
}

TEST(DialogTest, ModelessDialogHidesOnEndAndKeepsItsControls)
{
    PersonDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_PERSON));
    EXPECT_TRUE(dialog.IsWindowVisible());
    EXPECT_TRUE(dialog.GetDlgItem(IDC_ARCHIVED)->IsWindowVisible());
    EXPECT_FALSE(dialog.GetDlgItem(IDC_NOTE)->IsWindowVisible());
    EXPECT_EQ(dialog.GetDlgItem(IDC_NAME)->GetSafeHwnd()->window(), dialog.GetSafeHwnd());

    DialogDriver(dialog).PressCancel();

    EXPECT_TRUE(dialog.IsEnded());
    EXPECT_FALSE(dialog.IsWindowVisible());
    EXPECT_FALSE(dialog.GetDlgItem(IDC_ARCHIVED)->IsWindowVisible());
    EXPECT_NE(dialog.GetDlgItem(IDC_NAME), nullptr);
}
