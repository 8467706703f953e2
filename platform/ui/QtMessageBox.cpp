#include "platform/ui/QtMessageBox.h"

#include "platform/core/MessageBox.h"
#include "platform/ui/QtGeometry.h"
#include "platform/ui/WinApp.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

#include <utility>
#include <vector>

namespace
{
constexpr const char* kAnswerProperty = "weavoAnswer";

using ButtonSet = std::vector<std::pair<QMessageBox::StandardButton, int>>;

ButtonSet ButtonsOf(UINT type)
{
    switch (type & MB_TYPEMASK)
    {
    case MB_OKCANCEL:
        return {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}};
    case MB_ABORTRETRYIGNORE:
        return {{QMessageBox::Abort, IDABORT},
                {QMessageBox::Retry, IDRETRY},
                {QMessageBox::Ignore, IDIGNORE}};
    case MB_YESNOCANCEL:
        return {
            {QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}};
    case MB_YESNO:
        return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}};
    case MB_RETRYCANCEL:
        return {{QMessageBox::Retry, IDRETRY}, {QMessageBox::Cancel, IDCANCEL}};
    default:
        return {{QMessageBox::Ok, IDOK}};
    }
}

QMessageBox::Icon IconOf(UINT type)
{
    switch (type & MB_ICONMASK)
    {
    case MB_ICONHAND:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONASTERISK:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}
} // namespace

std::unique_ptr<QMessageBox> CreateMessageBox(const std::string& text, UINT type, QWidget* parent)
{
    auto box = std::make_unique<QMessageBox>(parent);
    // The application's name, as its main window shows it.
    const CWinApp* app = AfxGetApp();
    box->setWindowTitle(app != nullptr ? QString::fromUtf8(app->GetAppName().GetString())
                                       : QApplication::applicationDisplayName());
    box->setText(QString::fromUtf8(text.c_str()));
    box->setIcon(IconOf(type));
    const int defaultAnswer = DefaultMessageBoxButton(type);
    for (const auto& [standard, answer] : ButtonsOf(type))
    {
        QPushButton* button = box->addButton(standard);
        button->setProperty(kAnswerProperty, answer);
        if (answer == defaultAnswer)
        {
            box->setDefaultButton(button);
        }
        if (answer == IDCANCEL || (type & MB_TYPEMASK) == MB_OK)
        {
            box->setEscapeButton(button);
        }
    }
    // A short message leaves the box wide enough for the whole title (after the icon, which
    // lays the box out anew).
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout()))
        grid->addItem(new QSpacerItem(TitleBarWidth(*box), 0), grid->rowCount(), 0, 1,
                      grid->columnCount());
    return box;
}

int MessageBoxAnswer(const QMessageBox& box, UINT type)
{
    const QAbstractButton* clicked = box.clickedButton();
    return clicked != nullptr ? clicked->property(kAnswerProperty).toInt()
                              : DefaultMessageBoxButton(type);
}

int ShowQtMessageBox(const std::string& text, UINT type, UINT)
{
    std::unique_ptr<QMessageBox> box = CreateMessageBox(text, type, QApplication::activeWindow());
    box->exec();
    return MessageBoxAnswer(*box, type);
}

void InstallQtMessageBoxHandler()
{
    SetMessageBoxHandler(ShowQtMessageBox);
}
