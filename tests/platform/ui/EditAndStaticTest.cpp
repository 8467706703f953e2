#include "ControlHost.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

#include <QApplication>
#include <QFocusEvent>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{
enum : int
{
    IDC_LINE = 6001,
    IDC_LINES,
    IDC_PICTURE,
};

const DialogTemplate editTemplate{9309,
                                  "Edits",
                                  {
                                      {IDC_LINE, ControlKind::Edit, "hello world"},
                                      {IDC_LINES, ControlKind::MultiLineEdit, "one\ntwo"},
                                      {IDC_PICTURE, ControlKind::Picture, ""},
                                  }};

CEdit& EditOf(ControlHost& host, int id)
{
    return *static_cast<CEdit*>(host.GetDlgItem(id));
}
} // namespace

TEST(EditTest, SelectionIsReplacedInOneAndSeveralLines)
{
    ControlHost host(editTemplate);
    CEdit& line = EditOf(host, IDC_LINE);
    CEdit& lines = EditOf(host, IDC_LINES);
    int start = -1;
    int end = -1;

    line.SetSel(6, -1);
    line.GetSel(start, end);
    EXPECT_EQ(start, 6);
    EXPECT_EQ(end, 11);
    line.ReplaceSel("there");
    lines.SetSel(0, 3);
    lines.ReplaceSel("zero");

    CString text;
    line.GetWindowText(text);
    EXPECT_EQ(text, "hello there");
    lines.GetWindowText(text);
    EXPECT_EQ(text, "zero\ntwo");
}

TEST(EditTest, ChangesNotifyTheOwnerAndReadOnlyRefusesTheUser)
{
    ControlHost host(editTemplate);
    DialogDriver user(host);

    EXPECT_TRUE(user.SetText(IDC_LINES, "typed"));
    EXPECT_TRUE(EditOf(host, IDC_LINE).SetReadOnly());
    EXPECT_FALSE(user.SetText(IDC_LINE, "refused"));

    EXPECT_EQ(host.m_commands, (std::vector<ControlHost::Command>{{IDC_LINES, EN_CHANGE},
                                                                  {IDC_LINES, EN_KILLFOCUS}}));
    EXPECT_EQ(user.GetText(IDC_LINE), "hello world");
}

TEST(EditTest, AWindowOpeningOverTheEditDoesNotLeaveIt)
{
    ControlHost host(editTemplate);
    QWidget* line = EditOf(host, IDC_LINE).GetSafeHwnd();
    // A message box, a dialog or a menu takes the focus for its while; a click elsewhere leaves.
    for (const Qt::FocusReason reason :
         {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason, Qt::MouseFocusReason})
    {
        QFocusEvent focusOut(QEvent::FocusOut, reason);
        QApplication::sendEvent(line, &focusOut);
    }
    EXPECT_EQ(host.m_commands, (std::vector<ControlHost::Command>{{IDC_LINE, EN_KILLFOCUS}}));
}

TEST(EditTest, LengthLimitKeepsLongerTextSetByTheProgram)
{
    ControlHost host(editTemplate);
    CEdit& line = EditOf(host, IDC_LINE);

    line.SetLimitText(5);

    EXPECT_EQ(line.GetLimitText(), 5u);
    EXPECT_EQ(DialogDriver(host).GetText(IDC_LINE), "hello world");
    line.SetLimitText(0);
    EXPECT_EQ(line.GetLimitText(), 0u);
}

TEST(StaticTest, PictureShowsAnImageFile)
{
    ControlHost host(editTemplate);
    auto& picture = *static_cast<CStatic*>(host.GetDlgItem(IDC_PICTURE));
    QTemporaryDir folder;
    const QString file = folder.filePath("logo.png");
    QImage logo(8, 8, QImage::Format_RGB32);
    logo.fill(Qt::blue);
    ASSERT_TRUE(logo.save(file));

    EXPECT_FALSE(picture.HasPicture());
    EXPECT_FALSE(picture.SetPictureFile("/no/such/logo.png"));
    EXPECT_TRUE(picture.SetPictureFile(file.toUtf8().constData()));
    EXPECT_TRUE(picture.HasPicture());
}
