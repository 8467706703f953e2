#include "platform/ui/ControlWidgets.h"

#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/ListCtrlWidgets.h"
#include "platform/ui/QtText.h"
#include "platform/ui/Static.h"
#include "platform/ui/TabCtrl.h"
#include "platform/ui/TreeCtrl.h"
#include "platform/ui/TreeItems.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QTreeWidget>

#include <algorithm>

namespace
{
// Tells the owner when the control gains or loses the focus. A window opening over the control (a
// message box, a dialog, a menu) takes the focus away only for its while: the control is not
// left, so that a question about what it shows is not answered by the control taking it.
class FocusNotifier : public QObject
{
public:
    FocusNotifier(QWidget* control, int setFocusCode, int killFocusCode)
        : QObject(control), m_setFocusCode(setFocusCode), m_killFocusCode(killFocusCode)
    {
        control->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* control = static_cast<QWidget*>(watched);
        const bool focus = event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut;
        if (!focus || IsForAWindowOver(static_cast<QFocusEvent*>(event)->reason()))
            return false;
        if (event->type() == QEvent::FocusIn && m_setFocusCode != 0)
            CWnd::NotifyOwner(control, m_setFocusCode);
        else if (event->type() == QEvent::FocusOut)
            CWnd::NotifyOwner(control, m_killFocusCode);
        return false;
    }

private:
    static bool IsForAWindowOver(Qt::FocusReason reason)
    {
        return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
    }

    int m_setFocusCode;
    int m_killFocusCode;
};

template <typename Button> QWidget* CreateButton(const CString& caption, QWidget* parent)
{
    auto* button = new Button(ToQString(caption), parent);
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [button] { CWnd::NotifyOwner(button, BN_CLICKED); });
    return button;
}

// A one-line (QLineEdit) or multi-line (QPlainTextEdit) edit.
template <typename Edit> QWidget* CreateEdit(const CString& caption, QWidget* parent)
{
    auto* edit = new Edit(ToQString(caption), parent);
    QObject::connect(edit, &Edit::textChanged, edit,
                     [edit] { CWnd::NotifyOwner(edit, EN_CHANGE); });
    new FocusNotifier(edit, EN_SETFOCUS, EN_KILLFOCUS);
    return edit;
}

QWidget* CreateCombo(bool editable, QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    combo->setEditable(editable);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // Wide enough for its longest item, also for items added after the dialog was laid out: the
    // box's minimum grows with them, up to 60 characters, and its layout makes room.
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    QObject::connect(combo->model(), &QAbstractItemModel::rowsInserted, combo,
                     [combo]
                     {
                         const int needed =
                             std::min(combo->sizeHint().width(),
                                      combo->fontMetrics().horizontalAdvance(QString(60, 'x')));
                         if (needed > combo->minimumWidth())
                             combo->setMinimumWidth(needed);
                     });
    QObject::connect(combo, &QComboBox::activated, combo,
                     [combo] { CWnd::NotifyOwner(combo, CBN_SELCHANGE); });
    new FocusNotifier(combo, 0, CBN_KILLFOCUS);
    return combo;
}

QWidget* CreateListBox(QWidget* parent)
{
    auto* list = new QListWidget(parent);
    QObject::connect(list, &QListWidget::currentRowChanged, list,
                     [list] { CWnd::NotifyOwner(list, LBN_SELCHANGE); });
    QObject::connect(list, &QListWidget::itemDoubleClicked, list,
                     [list] { CWnd::NotifyOwner(list, LBN_DBLCLK); });
    return list;
}

// A one-line box given or typed a name wider than itself widens, where its layout lets it, to
// show the whole name; it keeps the widest such width, so that it does not jump between names.
// The first 40 characters are measured as the font draws them.
void WidenToShow(QLineEdit* edit, const QString& text)
{
    const QFontMetrics metrics = edit->fontMetrics();
    const int frame = edit->sizeHint().width() - 17 * metrics.horizontalAdvance(QLatin1Char('x'));
    const int needed = metrics.horizontalAdvance(text.left(40)) + frame +
                       metrics.horizontalAdvance(QLatin1Char(' '));
    if (needed > edit->minimumWidth())
        edit->setMinimumWidth(needed);
}

} // namespace

QWidget* CreateControlWidget(ControlKind kind, const CString& caption, QWidget* parent)
{
    switch (kind)
    {
    case ControlKind::Static:
    {
        // Long texts break into lines, as a static control's do.
        auto* label = new QLabel(ToQString(caption), parent);
        label->setWordWrap(true);
        return label;
    }
    case ControlKind::Picture:
        return new QLabel(parent);
    case ControlKind::GroupBox:
        return new QGroupBox(ToQString(caption), parent);
    case ControlKind::Edit:
    {
        auto* edit = static_cast<QLineEdit*>(CreateEdit<QLineEdit>(caption, parent));
        // Typed or given, a name widens the box.
        QObject::connect(edit, &QLineEdit::textChanged, edit,
                         [edit](const QString& text) { WidenToShow(edit, text); });
        return edit;
    }
    case ControlKind::MultiLineEdit:
    {
        // Tab leaves the box, as in a dialog's multi-line edit.
        QWidget* edit = CreateEdit<QPlainTextEdit>(caption, parent);
        static_cast<QPlainTextEdit*>(edit)->setTabChangesFocus(true);
        return edit;
    }
    case ControlKind::PushButton:
        return CreateButton<QPushButton>(caption, parent);
    case ControlKind::DefPushButton:
    {
        QWidget* button = CreateButton<QPushButton>(caption, parent);
        static_cast<QPushButton*>(button)->setDefault(true);
        return button;
    }
    case ControlKind::CheckBox:
        return CreateButton<QCheckBox>(caption, parent);
    case ControlKind::RadioButton:
        return CreateButton<QRadioButton>(caption, parent);
    case ControlKind::ComboBox:
        return CreateCombo(false, parent);
    case ControlKind::EditComboBox:
        return CreateCombo(true, parent);
    case ControlKind::ListBox:
        return CreateListBox(parent);
    case ControlKind::ListCtrl:
        return CreateListWidget(parent);
    case ControlKind::TreeCtrl:
        return CreateTreeWidget(parent);
    case ControlKind::TabCtrl:
        return CreateTabWidget(parent);
    case ControlKind::OwnerDrawButton:
        return CreateButton<QPushButton>(caption, parent);
    case ControlKind::Custom:
        return new QWidget(parent);
    }
    return nullptr;
}

std::unique_ptr<CWnd> CreateControlHandle(ControlKind kind)
{
    switch (kind)
    {
    case ControlKind::Static:
    case ControlKind::Picture:
        return std::make_unique<CStatic>();
    case ControlKind::Edit:
    case ControlKind::MultiLineEdit:
        return std::make_unique<CEdit>();
    case ControlKind::GroupBox:
    case ControlKind::PushButton:
    case ControlKind::DefPushButton:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
        return std::make_unique<CButton>();
    case ControlKind::ComboBox:
    case ControlKind::EditComboBox:
        return std::make_unique<CComboBox>();
    case ControlKind::ListBox:
        return std::make_unique<CListBox>();
    case ControlKind::ListCtrl:
        return std::make_unique<CListCtrl>();
    case ControlKind::TreeCtrl:
        return std::make_unique<CTreeCtrl>();
    case ControlKind::TabCtrl:
        return std::make_unique<CTabCtrl>();
    case ControlKind::OwnerDrawButton:
        return std::make_unique<CButton>();
    case ControlKind::Custom:
        return std::make_unique<CWnd>();
    }
    return std::make_unique<CWnd>();
}

DWORD ControlStyle(ControlKind kind)
{
    switch (kind)
    {
    case ControlKind::DefPushButton:
        return BS_DEFPUSHBUTTON;
    case ControlKind::CheckBox:
        return BS_AUTOCHECKBOX;
    case ControlKind::RadioButton:
        return BS_AUTORADIOBUTTON;
    case ControlKind::GroupBox:
        return BS_GROUPBOX;
    case ControlKind::OwnerDrawButton:
        return BS_OWNERDRAW;
    default:
        return 0;
    }
}
