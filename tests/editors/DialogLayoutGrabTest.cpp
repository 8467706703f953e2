#include "../platform/ui/LayoutCheck.h"

#include "editors/WarningDlg.h"
#include "editors/WriteAllDlg.h"
#include "editors/WriteSelectionDlg.h"

#include <QApplication>
#include <QLayout>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// Each dialog at its own size and at 1024 x 768 shows every control, none over another, the
// buttons in a row below the rest; the pictures are kept in the build folder.
TEST(DialogLayoutGrabTest, TheWriteDialogsShowEveryControlInOrder)
{
    const struct
    {
        const char* name;
        std::function<std::unique_ptr<CDialog>()> make;
        int top;
    } cases[] = {
        {"warning",
         []
         {
             auto warning = std::make_unique<WarningDlg>();
             warning->m_message = "Do you really want to delete the last UIControl? This will "
                                  "make the form invalid.";
             return warning;
         },
         WarningDlg::IDC_MESSAGE},
        {"write-selection", [] { return std::make_unique<WriteSelectionDlg>(); },
         WriteSelectionDlg::IDC_MENUS},
        {"write-all", [] { return std::make_unique<WriteAllDlg>(nullptr); },
         WriteAllDlg::IDC_DESTINATION},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        std::unique_ptr<CDialog> dialog = c.make();
        ASSERT_TRUE(dialog->Create(dialog->GetTemplateId()));
        QWidget* window = dialog->GetSafeHwnd();
        ExpectLaidOutApart(window, LAYOUT_GRAB_DIR, QString(c.name));
        EXPECT_EQ(FaultsAt(window, QSize(1024, 768)), QStringList());
        EXPECT_TRUE(KeepGrab(window, LAYOUT_GRAB_DIR, QString(c.name) + "-1024x768"));

        QWidget* ok = dialog->GetDlgItem(IDOK)->GetSafeHwnd();
        QWidget* cancel = dialog->GetDlgItem(IDCANCEL)->GetSafeHwnd();
        QWidget* top = dialog->GetDlgItem(c.top)->GetSafeHwnd();
        EXPECT_EQ(ok->mapTo(window, QPoint()).y(), cancel->mapTo(window, QPoint()).y());
        EXPECT_LT(ok->mapTo(window, QPoint()).x(), cancel->mapTo(window, QPoint()).x());
        EXPECT_GT(ok->mapTo(window, QPoint()).y(),
                  top->mapTo(window, QPoint()).y() + top->height());
        dialog->DestroyWindow();
    }
}
