#include "platform/ui/ControlBars.h"

#include "platform/ui/ImageList.h"
#include "platform/ui/QtText.h"

#include <QAction>
#include <QIcon>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <map>

IMPLEMENT_DYNAMIC(CControlBar, CWnd)
IMPLEMENT_DYNAMIC(CToolBar, CControlBar)
IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

namespace
{
// The edges a bar docks at, in the order they are tried.
constexpr DWORD kEdges[] = {CBRS_ALIGN_TOP, CBRS_ALIGN_BOTTOM, CBRS_ALIGN_LEFT, CBRS_ALIGN_RIGHT};

std::map<UINT, std::vector<ToolBarButton>>& ToolBarResources()
{
    static std::map<UINT, std::vector<ToolBarButton>> resources;
    return resources;
}

// The text of an indicator pane of the status bar.
const char* IndicatorText(UINT id)
{
    switch (id)
    {
    case ID_INDICATOR_CAPS:
        return "CAP";
    case ID_INDICATOR_NUM:
        return "NUM";
    case ID_INDICATOR_SCRL:
        return "SCRL";
    default:
        return "";
    }
}

Qt::ToolBarArea ToolBarArea(DWORD style)
{
    if ((style & CBRS_ALIGN_BOTTOM) != 0)
        return Qt::BottomToolBarArea;
    if ((style & CBRS_ALIGN_LEFT) != 0)
        return Qt::LeftToolBarArea;
    if ((style & CBRS_ALIGN_RIGHT) != 0)
        return Qt::RightToolBarArea;
    return Qt::TopToolBarArea;
}

QString PaneName(int index)
{
    return QStringLiteral("pane%1").arg(index);
}
} // namespace

void RegisterToolBarResource(UINT resourceId, std::initializer_list<ToolBarButton> buttons)
{
    ToolBarResources()[resourceId] = buttons;
}

void CControlBar::SetBarStyle(DWORD style)
{
    m_barStyle = style;
}

void CControlBar::EnableDocking(DWORD style)
{
    m_dockStyle = style & CBRS_ALIGN_ANY;
    if (auto* bar = qobject_cast<QToolBar*>(GetSafeHwnd()))
    {
        Qt::ToolBarAreas areas;
        for (DWORD edge : kEdges)
        {
            if ((m_dockStyle & edge) != 0)
                areas |= ToolBarArea(edge);
        }
        bar->setAllowedAreas(areas);
    }
}

BOOL CControlBar::DockInFrame(DWORD frameEdges)
{
    auto* bar = qobject_cast<QToolBar*>(GetSafeHwnd());
    auto* window = bar != nullptr ? qobject_cast<QMainWindow*>(bar->parentWidget()) : nullptr;
    if (window == nullptr)
        return FALSE;
    for (DWORD edge : kEdges)
    {
        if ((m_dockStyle & frameEdges & edge) != 0)
        {
            window->addToolBar(ToolBarArea(edge), bar);
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CToolBar::CreateEx(CWnd* parent, DWORD, DWORD style, UINT id)
{
    auto* window = parent != nullptr ? qobject_cast<QMainWindow*>(parent->GetSafeHwnd()) : nullptr;
    if (window == nullptr || GetSafeHwnd() != nullptr)
        return FALSE;
    auto* bar = new QToolBar(window);
    SetOwnedWidget(bar);
    SetDlgCtrlID(static_cast<int>(id));
    window->addToolBar(ToolBarArea(style), bar);
    SetBarStyle(style);
    bar->setVisible((style & WS_VISIBLE) != 0);
    return TRUE;
}

BOOL CToolBar::LoadToolBar(UINT resourceId)
{
    const auto it = ToolBarResources().find(resourceId);
    if (it == ToolBarResources().end() || GetSafeHwnd() == nullptr)
        return FALSE;
    SetButtonList(it->second);
    return TRUE;
}

BOOL CToolBar::SetButtons(const UINT* ids, int count)
{
    if (GetSafeHwnd() == nullptr)
        return FALSE;
    std::vector<ToolBarButton> buttons;
    for (int index = 0; index < count; ++index)
        buttons.push_back({ids[index], ""});
    SetButtonList(std::move(buttons));
    return TRUE;
}

void CToolBar::SetBarStyle(DWORD style)
{
    CControlBar::SetBarStyle(style);
    if (auto* bar = qobject_cast<QToolBar*>(GetSafeHwnd()))
        bar->setMovable((style & CBRS_GRIPPER) != 0);
}

void CToolBar::SetImageList(CImageList* images)
{
    m_images = images;
    ShowImages();
}

void CToolBar::SetHotImageList(CImageList* images)
{
    m_hotImages = images;
    ShowImages();
}

void CToolBar::ShowImages()
{
    auto* bar = qobject_cast<QToolBar*>(GetSafeHwnd());
    if (bar == nullptr)
        return;
    int image = 0;
    for (QAction* action : bar->actions())
    {
        if (action->isSeparator())
            continue;
        QIcon icon = m_images != nullptr ? m_images->GetIcon(image) : QIcon();
        if (m_hotImages != nullptr)
        {
            const QIcon hot = m_hotImages->GetIcon(image);
            if (!hot.isNull())
                icon.addPixmap(hot.pixmap(hot.availableSizes().value(0)), QIcon::Active);
        }
        if (!icon.isNull())
            bar->setIconSize(icon.availableSizes().value(0, bar->iconSize()));
        action->setIcon(icon);
        ++image;
    }
}

void CToolBar::SetButtonStyle(int index, UINT style)
{
    auto* bar = qobject_cast<QToolBar*>(GetSafeHwnd());
    if (bar == nullptr || index < 0 || index >= GetCount())
        return;
    m_buttons[static_cast<std::size_t>(index)].style = style;
    auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(bar->actions().value(index)));
    if (button == nullptr)
        return;
    if ((style & TBSTYLE_DROPDOWN) == 0)
    {
        delete button->menu();
        button->setPopupMode(QToolButton::DelayedPopup);
        return;
    }
    if (button->menu() == nullptr)
    {
        auto* arrow = new QMenu(button);
        const UINT id = GetItemID(index);
        QObject::connect(arrow, &QMenu::aboutToShow, bar,
                         [bar, arrow, id]
                         {
                             NMTOOLBAR drop{};
                             drop.iItem = static_cast<int>(id);
                             CWnd::NotifyOwner(bar, TBN_DROPDOWN, &drop.hdr);
                             QMetaObject::invokeMethod(arrow, &QMenu::close, Qt::QueuedConnection);
                         });
        button->setMenu(arrow);
    }
    button->setPopupMode(QToolButton::MenuButtonPopup);
}

UINT CToolBar::GetButtonStyle(int index) const
{
    return index >= 0 && index < GetCount() ? m_buttons[static_cast<std::size_t>(index)].style
                                            : TBSTYLE_BUTTON;
}

void CToolBar::GetButtonInfo(int index, UINT& id, UINT& style, int& image) const
{
    id = GetItemID(index);
    style = id == ID_SEPARATOR ? TBSTYLE_SEP : GetButtonStyle(index);
    image = 0;
    for (int before = 0; before < index && before < GetCount(); ++before)
    {
        if (GetItemID(before) != ID_SEPARATOR)
            ++image;
    }
}

UINT CToolBar::GetItemID(int index) const
{
    return index >= 0 && index < GetCount() ? m_buttons[static_cast<std::size_t>(index)].id
                                            : ID_SEPARATOR;
}

int CToolBar::CommandToIndex(UINT id) const
{
    const auto it = std::find_if(m_buttons.begin(), m_buttons.end(),
                                 [id](const ToolBarButton& button) { return button.id == id; });
    return it != m_buttons.end() ? static_cast<int>(it - m_buttons.begin()) : -1;
}

void CToolBar::SetButtonList(std::vector<ToolBarButton> buttons)
{
    auto* bar = qobject_cast<QToolBar*>(GetSafeHwnd());
    bar->clear();
    m_buttons = std::move(buttons);
    for (const ToolBarButton& button : m_buttons)
    {
        if (button.id == ID_SEPARATOR)
        {
            bar->addSeparator();
            continue;
        }
        QAction* action = bar->addAction(ToQString(button.text));
        const UINT id = button.id;
        QObject::connect(action, &QAction::triggered, bar,
                         [bar, id]
                         {
                             if (CWnd* frame = CWnd::FromHandle(bar->parentWidget()))
                                 frame->SendMessage(WM_COMMAND,
                                                    MAKEWPARAM(static_cast<WORD>(id), 0));
                         });
    }
    ShowImages();
}

BOOL CStatusBar::Create(CWnd* parent, DWORD style, UINT id)
{
    auto* window = parent != nullptr ? qobject_cast<QMainWindow*>(parent->GetSafeHwnd()) : nullptr;
    if (window == nullptr || GetSafeHwnd() != nullptr)
        return FALSE;
    auto* bar = new QStatusBar(window);
    window->setStatusBar(bar);
    SetOwnedWidget(bar);
    SetDlgCtrlID(static_cast<int>(id));
    SetBarStyle(style);
    bar->setVisible((style & WS_VISIBLE) != 0);
    return TRUE;
}

BOOL CStatusBar::SetIndicators(const UINT* ids, int count)
{
    auto* bar = qobject_cast<QStatusBar*>(GetSafeHwnd());
    if (bar == nullptr)
        return FALSE;
    for (int index = 0; index < GetCount(); ++index)
        delete Pane(index);
    m_ids.assign(ids, ids + count);
    for (int index = 0; index < count; ++index)
    {
        auto* pane = new QLabel(bar);
        pane->setObjectName(PaneName(index));
        if (ids[index] == ID_SEPARATOR)
        {
            bar->addWidget(pane, 1);
            continue;
        }
        // The lock keys' state is not tracked: an indicator shows its key greyed.
        pane->setText(IndicatorText(ids[index]));
        pane->setEnabled(false);
        bar->addPermanentWidget(pane);
    }
    return TRUE;
}

UINT CStatusBar::GetItemID(int index) const
{
    return index >= 0 && index < GetCount() ? m_ids[static_cast<std::size_t>(index)] : ID_SEPARATOR;
}

int CStatusBar::CommandToIndex(UINT id) const
{
    const auto it = std::find(m_ids.begin(), m_ids.end(), id);
    return it != m_ids.end() ? static_cast<int>(it - m_ids.begin()) : -1;
}

BOOL CStatusBar::SetPaneText(int index, LPCTSTR text, BOOL update)
{
    QLabel* pane = Pane(index);
    if (pane == nullptr)
        return FALSE;
    pane->setText(ToQString(text));
    if (update)
        pane->repaint();
    return TRUE;
}

CString CStatusBar::GetPaneText(int index) const
{
    QLabel* pane = Pane(index);
    return pane != nullptr ? FromQString(pane->text()) : CString();
}

QLabel* CStatusBar::Pane(int index) const
{
    HWND bar = GetSafeHwnd();
    return bar != nullptr ? bar->findChild<QLabel*>(PaneName(index)) : nullptr;
}
