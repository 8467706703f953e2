#include "platform/ui/QtMenus.h"
#include "platform/ui/SystemSettings.h"

#include "platform/ui/DC.h"
#include "platform/ui/MenuData.h"
#include "platform/ui/QtGeometry.h"
#include "platform/ui/QtText.h"
#include "platform/ui/RecentFileList.h"
#include "platform/ui/WinApp.h"
#include "platform/ui/Wnd.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>

#include <algorithm>

namespace
{
constexpr QChar kOwnerDrawMark(0x1F);

// An owner-drawn item's action carries its menu and position in its text, which is all the
// style sees of it.
QString OwnerDrawText(HMENU menu, std::size_t index)
{
    return QString(kOwnerDrawMark) +
           QStringLiteral("%1:%2").arg(reinterpret_cast<quintptr>(menu), 0, 16).arg(index);
}

const MenuItem* OwnerDrawItem(const QString& text, HMENU* menu)
{
    if (!text.startsWith(kOwnerDrawMark))
        return nullptr;
    const QStringList parts = text.mid(1).split(':');
    if (parts.size() != 2)
        return nullptr;
    *menu = reinterpret_cast<HMENU>(parts[0].toULongLong(nullptr, 16));
    return FindMenuItem(*menu, parts[1].toUInt(), MF_BYPOSITION);
}

// Sends the measure and draw requests of owner-drawn items to the window that shows the menu.
class OwnerDrawStyle : public QProxyStyle
{
public:
    OwnerDrawStyle(QWidget* owner, QObject* parent) : m_owner(owner) { setParent(parent); }

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override
    {
        HMENU menu = nullptr;
        CWnd* owner = nullptr;
        const MenuItem* item = type == CT_MenuItem ? ItemOf(option, &menu, &owner) : nullptr;
        if (item == nullptr)
            return QProxyStyle::sizeFromContents(type, option, size, widget);
        MEASUREITEMSTRUCT measure{ODT_MENU, 0, item->id, 0, 0, item->itemData};
        owner->SendMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
        // The menu adds the check-mark column to the measured width, as the framework's menus
        // do; every item takes the menu's width, and one measured 0 wide (a separator) shows.
        const int width =
            static_cast<int>(measure.itemWidth) + GetSystemMetrics(SM_CXMENUCHECK) - 1;
        return QSize(std::max(1, width), static_cast<int>(measure.itemHeight));
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        HMENU menu = nullptr;
        CWnd* owner = nullptr;
        const MenuItem* item = element == CE_MenuItem ? ItemOf(option, &menu, &owner) : nullptr;
        if (item == nullptr && element == CE_MenuItem)
        {
            // A plain item among owner-drawn ones (a recent file) in the menu's own colours.
            QStyleOptionMenuItem plain = *qstyleoption_cast<const QStyleOptionMenuItem*>(option);
            plain.palette = MenuPalette(plain.palette);
            painter->fillRect(plain.rect, plain.palette.window());
            QProxyStyle::drawControl(element, &plain, painter, widget);
            return;
        }
        if (item == nullptr)
        {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        UINT state = 0;
        if (option->state & State_Selected)
            state |= ODS_SELECTED;
        if ((item->flags & MF_GRAYED) != 0)
            state |= ODS_GRAYED;
        if ((item->flags & (MF_GRAYED | MF_DISABLED)) != 0)
            state |= ODS_DISABLED;
        if ((item->flags & MF_CHECKED) != 0)
            state |= ODS_CHECKED;
        painter->save();
        CDC dc;
        dc.Attach(painter);
        DRAWITEMSTRUCT draw{ODT_MENU,      0,
                            item->id,      ODA_DRAWENTIRE,
                            state,         reinterpret_cast<HWND>(menu),
                            &dc,           FromQRect(option->rect),
                            item->itemData};
        owner->SendMessage(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
        dc.Detach();
        painter->restore();
    }

    // A frame of one pixel in the shadow colour around the menu.
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override
    {
        if (metric == PM_MenuPanelWidth)
            return 1;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        if (element != PE_FrameMenu)
        {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        painter->save();
        painter->setPen(ToQColor(GetSysColor(COLOR_3DSHADOW)));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
    }

private:
    // The palette of the owner-drawn items' colours: menu text on the face colour, a disabled
    // item's text grayed.
    static QPalette MenuPalette(QPalette palette)
    {
        for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
            palette.setColor(role, ToQColor(GetSysColor(COLOR_3DFACE)));
        for (const QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        {
            for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
                palette.setColor(group, role, ToQColor(GetSysColor(COLOR_MENUTEXT)));
            palette.setColor(QPalette::Disabled, role, ToQColor(GetSysColor(COLOR_GRAYTEXT)));
        }
        palette.setColor(QPalette::Highlight, ToQColor(GetSysColor(COLOR_HIGHLIGHT)));
        palette.setColor(QPalette::HighlightedText, ToQColor(GetSysColor(COLOR_HIGHLIGHTTEXT)));
        return palette;
    }

    // The owner-drawn item of a menu-item option and the window that measures and draws it.
    const MenuItem* ItemOf(const QStyleOption* option, HMENU* menu, CWnd** owner) const
    {
        const auto* itemOption = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        *owner = CWnd::FromHandle(m_owner.data());
        return itemOption != nullptr && *owner != nullptr ? OwnerDrawItem(itemOption->text, menu)
                                                          : nullptr;
    }

    QPointer<QWidget> m_owner;
};

void SendCommand(QWidget* window, UINT id)
{
    if (CWnd* wnd = CWnd::FromHandle(window))
        wnd->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), 0));
}

void FillQMenu(QMenu* qmenu, HMENU menu, QWidget* owner, bool sendCommands);

// A Qt popup for the item's popup, filled again each time it opens.
QMenu* PopupQMenu(const MenuItem& item, QWidget* owner, bool sendCommands, QWidget* parent)
{
    auto* popup = new QMenu(ToQString(item.text), parent);
    popup->setStyle(new OwnerDrawStyle(owner, popup));
    HMENU menu = item.popup;
    FillQMenu(popup, menu, owner, sendCommands);
    QObject::connect(popup, &QMenu::aboutToShow, popup,
                     [popup, menu, owner, sendCommands]
                     { FillQMenu(popup, menu, owner, sendCommands); });
    return popup;
}

QAction* AddAction(QWidget* container, const QString& text, UINT id, UINT flags, QWidget* owner,
                   bool sendCommands)
{
    auto* action = new QAction(text, container);
    action->setData(id);
    action->setEnabled((flags & (MF_GRAYED | MF_DISABLED)) == 0);
    action->setCheckable((flags & MF_CHECKED) != 0);
    action->setChecked((flags & MF_CHECKED) != 0);
    if (sendCommands)
        QObject::connect(action, &QAction::triggered, container,
                         [owner, id] { SendCommand(owner, id); });
    container->addAction(action);
    return action;
}

// The recent files in place of the first recent-file command: "&1 path" and so on.
bool AddRecentFiles(QMenu* qmenu, QWidget* owner, bool sendCommands)
{
    const CRecentFileList* files =
        AfxGetApp() != nullptr ? AfxGetApp()->GetRecentFileList() : nullptr;
    if (files == nullptr || files->GetCount() == 0)
        return false;
    for (int index = 0; index < files->GetCount(); ++index)
    {
        const QString text =
            QStringLiteral("&%1 %2").arg(index + 1).arg(ToQString((*files)[index]));
        AddAction(qmenu, text, files->GetStartId() + static_cast<UINT>(index), 0, owner,
                  sendCommands);
    }
    return true;
}

void FillQMenu(QMenu* qmenu, HMENU menu, QWidget* owner, bool sendCommands)
{
    qDeleteAll(qmenu->findChildren<QMenu*>(Qt::FindDirectChildrenOnly));
    qmenu->clear();
    if (!IsMenu(menu))
        return;
    for (std::size_t index = 0; index < menu->items.size(); ++index)
    {
        const MenuItem& item = menu->items[index];
        if (item.id == ID_FILE_MRU_FILE1 && AddRecentFiles(qmenu, owner, sendCommands))
            continue;
        if ((item.flags & MF_OWNERDRAW) != 0 && item.popup == nullptr)
        {
            AddAction(qmenu, OwnerDrawText(menu, index), item.id,
                      (item.flags & MF_SEPARATOR) != 0 ? MF_GRAYED : item.flags, owner,
                      sendCommands);
        }
        else if ((item.flags & MF_SEPARATOR) != 0)
            qmenu->addSeparator();
        else if (item.popup != nullptr)
            qmenu->addMenu(PopupQMenu(item, owner, sendCommands, qmenu))
                ->setEnabled((item.flags & (MF_GRAYED | MF_DISABLED)) == 0);
        else
            AddAction(qmenu, ToQString(item.text), item.id, item.flags, owner, sendCommands);
    }
}
} // namespace

UINT ExecPopupMenu(HMENU menu, CPoint point, CWnd* owner)
{
    QMenu qmenu;
    QWidget* ownerWidget = owner != nullptr ? owner->GetSafeHwnd() : nullptr;
    qmenu.setStyle(new OwnerDrawStyle(ownerWidget, &qmenu));
    FillQMenu(&qmenu, menu, ownerWidget, false);
    const QAction* chosen = qmenu.exec(ToQPoint(point));
    return chosen != nullptr ? chosen->data().toUInt() : 0;
}

void ShowMenuBar(QWidget* window, HMENU menu)
{
    auto* frame = qobject_cast<QMainWindow*>(window);
    if (frame == nullptr)
        return;
    if (!IsMenu(menu))
    {
        delete frame->menuBar();
        return;
    }
    auto* bar = new QMenuBar(frame);
    for (const MenuItem& item : menu->items)
    {
        if (item.popup != nullptr)
            bar->addMenu(PopupQMenu(item, window, true, bar))
                ->setEnabled((item.flags & (MF_GRAYED | MF_DISABLED)) == 0);
        else if ((item.flags & MF_SEPARATOR) == 0)
            AddAction(bar, ToQString(item.text), item.id, item.flags, window, true);
    }
    frame->setMenuBar(bar);
}
