#include "editors/WarningDlg.h"
#include "editors/WriteAllDlg.h"
#include "editors/WriteSelectionDlg.h"
#include "model/ForgeonProject.h"
#include "model/ProjectSettings.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "platform/ui/DesktopServices.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/ScriptedDesktop.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWidget>

TEST(WriteDialogsTest, WarningShowsTheCallersMessageAndYesGoesAhead)
{
    const struct
    {
        const char* message;
        bool yes;
        INT_PTR result;
    } cases[] = {
        {"Do you want to alter existing DataBase ?", true, IDOK},
        {"Do you want to alter existing DataBase ?", false, IDCANCEL},
        {"", true, IDOK},
    };
    for (const auto& c : cases)
    {
        ScriptedDialogs dialogs;
        CString shown = "unset";
        CString caption;
        dialogs.Answer(
            [&](CDialog& dialog, DialogDriver& user)
            {
                shown = user.GetText(WarningDlg::IDC_MESSAGE);
                dialog.GetWindowText(caption);
                c.yes ? user.PressOk() : user.PressCancel();
            });
        WarningDlg warning;
        warning.m_message = c.message;
        EXPECT_EQ(warning.DoModal(), c.result) << c.message;
        EXPECT_EQ(shown, c.message);
        EXPECT_EQ(caption, "KestraneWeavo Warning.");
    }
}

TEST(WriteDialogsTest, WarningAnswersAltYAltNAndEnterByKey)
{
    const struct
    {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        INT_PTR result;
    } cases[] = {
        {Qt::Key_N, Qt::AltModifier, IDCANCEL},
        {Qt::Key_Y, Qt::AltModifier, IDOK},
        {Qt::Key_Return, Qt::NoModifier, IDOK},
        {Qt::Key_Escape, Qt::NoModifier, IDCANCEL},
    };
    for (const auto& c : cases)
    {
        ScriptedDialogs dialogs;
        dialogs.Answer(
            [&c](CDialog& dialog, DialogDriver&)
            {
                QWidget* window = dialog.GetSafeHwnd();
                window->activateWindow();
                ASSERT_TRUE(QTest::qWaitForWindowActive(window));
                QWidget* focus = window->focusWidget() != nullptr ? window->focusWidget() : window;
                QTest::keyClick(focus, c.key, c.modifiers);
                // A mnemonic clicks its button as a click shown pressed does, a moment later.
                for (int wait = 0; wait < 100 && dialog.IsEnded() == FALSE; ++wait)
                    QTest::qWait(10);
            });
        WarningDlg warning;
        warning.m_message = "Do you want to alter existing DataBase ?";
        EXPECT_EQ(warning.DoModal(), c.result) << c.key;
    }
}

TEST(WriteDialogsTest, WriteAllShowsTheDestinationAndReportsTheModifiedFilesOption)
{
    ForgeonProject project;
    project.SetProjectSettings(new ProjectSettings);
    project.SetProjectName("Shop");
    project.SetProjectPath("C:\\Work\\");
    const struct
    {
        bool uncheck;
        bool ok;
        INT_PTR result;
        BOOL flag;
    } cases[] = {
        {false, true, IDOK, TRUE},
        {true, true, IDOK, FALSE},
        {true, false, IDCANCEL, TRUE},
    };
    for (const auto& c : cases)
    {
        ScriptedDialogs dialogs;
        CString destination;
        bool readOnly = false;
        dialogs.Answer(
            [&](CDialog& dialog, DialogDriver& user)
            {
                destination = user.GetText(WriteAllDlg::IDC_DESTINATION);
                readOnly = !user.SetText(WriteAllDlg::IDC_DESTINATION, "elsewhere") ||
                           user.GetText(WriteAllDlg::IDC_DESTINATION) == destination;
                EXPECT_EQ(dialog.IsDlgButtonChecked(WriteAllDlg::IDC_MODIFIED_FILES), 1u);
                if (c.uncheck)
                    user.SetCheck(WriteAllDlg::IDC_MODIFIED_FILES, false);
                c.ok ? user.PressOk() : user.PressCancel();
            });
        WriteAllDlg dialog(&project);
        EXPECT_EQ(dialog.DoModal(), c.result);
        EXPECT_EQ(destination, "/Work/Shop") << "the folder as the host writes it";
        EXPECT_TRUE(readOnly);
        if (c.ok)
        {
            EXPECT_EQ(dialog.m_useModifiedFiles, c.flag);
        }
    }
}

TEST(WriteDialogsTest, WriteAllHelpOpensTheHelpAtItsTemplateOrSaysNoneIsInstalled)
{
    ScriptedDesktop desktop;
    ScriptedDialogs dialogs;
    ScriptedMessageBoxes boxes;
    dialogs.Answer(
        [](CDialog&, DialogDriver& user)
        {
            user.Click(WriteAllDlg::IDC_HELP_BUTTON);
            user.PressCancel();
        });
    WriteAllDlg dialog(nullptr);
    dialog.DoModal();
    if (desktop.HelpCalls().empty())
    {
        ASSERT_EQ(boxes.Shown().size(), 1u);
        EXPECT_EQ(boxes.Shown()[0].text.rfind("No help is installed", 0), 0u);
    }
    else
    {
        EXPECT_EQ(desktop.HelpCalls()[0].data, 357u);
        EXPECT_EQ(desktop.HelpCalls()[0].command, HH_HELP_CONTEXT);
    }
}

TEST(WriteDialogsTest, WriteSelectionExchangesItsFlagsOnOk)
{
    ScriptedDialogs dialogs;
    CString message;
    dialogs.Answer(
        [&](CDialog&, DialogDriver& user)
        {
            message = user.GetText(WriteSelectionDlg::IDC_MESSAGE);
            user.SetCheck(WriteSelectionDlg::IDC_MENUS, true);
            user.SetCheck(WriteSelectionDlg::IDC_MODIFIED_FILES, false);
            user.PressOk();
        });
    WriteSelectionDlg dialog;
    EXPECT_FALSE(dialog.m_writeMenus);
    EXPECT_TRUE(dialog.m_useModifiedFiles);
    dialog.m_message = "Writing the classic pages";
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(message, "Writing the classic pages");
    EXPECT_TRUE(dialog.m_writeMenus);
    EXPECT_FALSE(dialog.m_useModifiedFiles);
}
