#include "platform/ui/QtMessageBox.h"
#include "platform/core/MessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
std::vector<int> AnswersOf(const QMessageBox& box)
{
    std::vector<int> answers;
    for (const QAbstractButton* button : box.buttons())
    {
        answers.push_back(button->property("weavoAnswer").toInt());
    }
    std::sort(answers.begin(), answers.end());
    return answers;
}

int DefaultAnswer(const QMessageBox& box)
{
    return box.defaultButton() != nullptr ? box.defaultButton()->property("weavoAnswer").toInt()
                                          : 0;
}
} // namespace

TEST(QtMessageBoxTest, EveryButtonSetHasItsButtons)
{
    EXPECT_EQ(AnswersOf(*CreateMessageBox("t", MB_OK)), (std::vector<int>{IDOK}));
    EXPECT_EQ(AnswersOf(*CreateMessageBox("t", MB_OKCANCEL)), (std::vector<int>{IDOK, IDCANCEL}));
    EXPECT_EQ(AnswersOf(*CreateMessageBox("t", MB_ABORTRETRYIGNORE)),
              (std::vector<int>{IDABORT, IDRETRY, IDIGNORE}));
    EXPECT_EQ(AnswersOf(*CreateMessageBox("t", MB_YESNOCANCEL)),
              (std::vector<int>{IDCANCEL, IDYES, IDNO}));
    EXPECT_EQ(AnswersOf(*CreateMessageBox("t", MB_YESNO)), (std::vector<int>{IDYES, IDNO}));
    EXPECT_EQ(AnswersOf(*CreateMessageBox("t", MB_RETRYCANCEL)),
              (std::vector<int>{IDCANCEL, IDRETRY}));
}

TEST(QtMessageBoxTest, DefaultButtonFollowsTheDefaultFlag)
{
    EXPECT_EQ(DefaultAnswer(*CreateMessageBox("t", MB_YESNOCANCEL)), IDYES);
    EXPECT_EQ(DefaultAnswer(*CreateMessageBox("t", MB_YESNOCANCEL | MB_DEFBUTTON2)), IDNO);
    EXPECT_EQ(DefaultAnswer(*CreateMessageBox("t", MB_YESNOCANCEL | MB_DEFBUTTON3)), IDCANCEL);
    EXPECT_EQ(DefaultAnswer(*CreateMessageBox("t", MB_YESNO | MB_DEFBUTTON3)), IDYES);
}

TEST(QtMessageBoxTest, TextIconAndEscape)
{
    auto box = CreateMessageBox("Delete the table \"Kunde\"?", MB_YESNOCANCEL | MB_ICONQUESTION);
    EXPECT_EQ(box->text(), QString::fromUtf8("Delete the table \"Kunde\"?"));
    EXPECT_EQ(box->icon(), QMessageBox::Question);
    ASSERT_NE(box->escapeButton(), nullptr);
    EXPECT_EQ(box->escapeButton()->property("weavoAnswer").toInt(), IDCANCEL);

    EXPECT_EQ(CreateMessageBox("t", MB_ICONHAND)->icon(), QMessageBox::Critical);
    EXPECT_EQ(CreateMessageBox("t", MB_ICONEXCLAMATION)->icon(), QMessageBox::Warning);
    EXPECT_EQ(CreateMessageBox("t", MB_ICONINFORMATION)->icon(), QMessageBox::Information);
    EXPECT_EQ(CreateMessageBox("t", MB_OK)->icon(), QMessageBox::NoIcon);
}

TEST(QtMessageBoxTest, AnswerIsTheClickedButtonOrTheDefault)
{
    const UINT type = MB_YESNOCANCEL | MB_DEFBUTTON2;
    auto box = CreateMessageBox("t", type);
    EXPECT_EQ(MessageBoxAnswer(*box, type), IDNO);

    for (QAbstractButton* button : box->buttons())
    {
        if (button->property("weavoAnswer").toInt() == IDCANCEL)
        {
            button->click();
        }
    }

    EXPECT_EQ(MessageBoxAnswer(*box, type), IDCANCEL);
}

TEST(QtMessageBoxTest, ShownBoxAnswersTheButtonTheUserPressed)
{
    QTimer::singleShot(0,
                       []
                       {
                           auto* box =
                               qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                           ASSERT_NE(box, nullptr);
                           box->button(QMessageBox::No)->click();
                       });

    EXPECT_EQ(ShowQtMessageBox("Save the changes?", MB_YESNOCANCEL, 0), IDNO);
}

TEST(QtMessageBoxTest, InstalledHandlerAnswersAfxMessageBox)
{
    InstallQtMessageBoxHandler();
    const MessageBoxHandler installed = SetMessageBoxHandler(nullptr);

    const auto* target = installed.target<int (*)(const std::string&, UINT, UINT)>();
    ASSERT_NE(target, nullptr);
    EXPECT_EQ(*target, &ShowQtMessageBox);
}

// The generators' reports show ten lines of files in a message box, then the count of the rest.
TEST(QtMessageBoxTest, AReportOfTenLongPathsAndACountFitsTheScreen)
{
    std::string text = "These files could not be written:";
    for (int index = 0; index < 10; ++index)
        text += "\n/home/someone/projects/KestraneWeavoOutput/Shop/Shop/BaseModule/UI/"
                "customer_order_line_form_page" +
                std::to_string(index) + "Update.aspx.designer.cs (No such file or directory)";
    text += "\nand 8816 more";
    auto box = CreateMessageBox(text, MB_OK | MB_ICONHAND);
    box->show();
    const QSize size = box->frameGeometry().size();
    const QSize screen = box->screen()->availableGeometry().size();
    EXPECT_LE(size.width(), screen.width());
    EXPECT_LE(size.height(), std::min(screen.height(), 768));
}

// A one-word message still leaves room for the whole title in bold beside the title bar's icon
// and buttons.
TEST(QtMessageBoxTest, AShortMessageKeepsTheWholeTitleInView)
{
    for (const UINT type : {UINT(MB_OK), UINT(MB_YESNO | MB_ICONQUESTION)})
    {
        auto box = CreateMessageBox("t", type);
        ASSERT_FALSE(box->windowTitle().isEmpty());
        box->show();
        QApplication::processEvents();
        QFont bold = box->font();
        bold.setBold(true);
        EXPECT_GE(box->width(), QFontMetrics(bold).horizontalAdvance(box->windowTitle()) + 100)
            << type;
        box->hide();
    }
}
