#include "platform/ui/ScrollBar.h"

#include "platform/ui/QtGeometry.h"

#include <QScrollBar>
#include <QSignalBlocker>
#include <QVariant>

#include <algorithm>

IMPLEMENT_DYNAMIC(CScrollBar, CWnd)

namespace
{
constexpr const char* kMaxProperty = "weavoScrollMax";
constexpr const char* kPageProperty = "weavoScrollPage";

QScrollBar* BarOf(const CWnd& wnd)
{
    return qobject_cast<QScrollBar*>(wnd.GetSafeHwnd());
}

UINT CodeOf(int action)
{
    switch (action)
    {
    case QAbstractSlider::SliderSingleStepSub:
        return SB_LINEUP;
    case QAbstractSlider::SliderSingleStepAdd:
        return SB_LINEDOWN;
    case QAbstractSlider::SliderPageStepSub:
        return SB_PAGEUP;
    case QAbstractSlider::SliderPageStepAdd:
        return SB_PAGEDOWN;
    case QAbstractSlider::SliderToMinimum:
        return SB_TOP;
    case QAbstractSlider::SliderToMaximum:
        return SB_BOTTOM;
    default:
        return SB_THUMBTRACK;
    }
}

// The Qt range ends at the last position a page can start at.
void ApplyRange(QScrollBar* bar, int minPos, int maxPos, UINT page)
{
    bar->setProperty(kMaxProperty, maxPos);
    bar->setProperty(kPageProperty, page);
    const int last = page > 0 ? maxPos - static_cast<int>(page) + 1 : maxPos;
    const QSignalBlocker silent(bar);
    bar->setRange(minPos, std::max(minPos, last));
    bar->setPageStep(page > 0 ? static_cast<int>(page) : 1);
}
} // namespace

BOOL CScrollBar::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    if (parent == nullptr || parent->GetSafeHwnd() == nullptr || GetSafeHwnd() != nullptr)
        return FALSE;
    auto* bar = new QScrollBar((style & SBS_VERT) != 0 ? Qt::Vertical : Qt::Horizontal,
                               parent->GetSafeHwnd());
    bar->setGeometry(ToQRect(rect));
    ApplyRange(bar, 0, 0, 0);
    const UINT message = (style & SBS_VERT) != 0 ? WM_VSCROLL : WM_HSCROLL;
    QObject::connect(bar, &QAbstractSlider::actionTriggered, bar,
                     [bar, message](int action)
                     {
                         CWnd* self = CWnd::FromHandle(bar);
                         CWnd* parent = self != nullptr ? self->GetParent() : nullptr;
                         if (parent == nullptr)
                             return;
                         const auto position = static_cast<WORD>(bar->sliderPosition());
                         parent->SendMessage(
                             message, MAKEWPARAM(static_cast<WORD>(CodeOf(action)), position),
                             reinterpret_cast<LPARAM>(bar));
                     });
    SetOwnedWidget(bar);
    SetDlgCtrlID(static_cast<int>(id));
    ModifyStyle(0, style);
    bar->setVisible((style & WS_VISIBLE) != 0);
    return TRUE;
}

void CScrollBar::SetScrollRange(int minPos, int maxPos, BOOL)
{
    if (QScrollBar* bar = BarOf(*this))
        ApplyRange(bar, minPos, maxPos, bar->property(kPageProperty).toUInt());
}

void CScrollBar::GetScrollRange(int* minPos, int* maxPos) const
{
    QScrollBar* bar = BarOf(*this);
    *minPos = bar != nullptr ? bar->minimum() : 0;
    *maxPos = bar != nullptr ? bar->property(kMaxProperty).toInt() : 0;
}

int CScrollBar::SetScrollPos(int pos, BOOL)
{
    QScrollBar* bar = BarOf(*this);
    if (bar == nullptr)
        return 0;
    const int previous = bar->value();
    const QSignalBlocker silent(bar);
    bar->setValue(pos);
    return previous;
}

int CScrollBar::GetScrollPos() const
{
    QScrollBar* bar = BarOf(*this);
    return bar != nullptr ? bar->value() : 0;
}

BOOL CScrollBar::SetScrollInfo(LPSCROLLINFO info, BOOL redraw)
{
    QScrollBar* bar = BarOf(*this);
    if (bar == nullptr || info == nullptr)
        return FALSE;
    int minPos = bar->minimum();
    int maxPos = bar->property(kMaxProperty).toInt();
    UINT page = bar->property(kPageProperty).toUInt();
    if ((info->fMask & SIF_RANGE) != 0)
    {
        minPos = info->nMin;
        maxPos = info->nMax;
    }
    if ((info->fMask & SIF_PAGE) != 0)
        page = info->nPage;
    ApplyRange(bar, minPos, maxPos, page);
    if ((info->fMask & SIF_POS) != 0)
        SetScrollPos(info->nPos, redraw);
    return TRUE;
}

BOOL CScrollBar::GetScrollInfo(LPSCROLLINFO info, UINT mask) const
{
    QScrollBar* bar = BarOf(*this);
    if (bar == nullptr || info == nullptr)
        return FALSE;
    info->fMask = mask;
    GetScrollRange(&info->nMin, &info->nMax);
    info->nPage = bar->property(kPageProperty).toUInt();
    info->nPos = bar->value();
    info->nTrackPos = bar->sliderPosition();
    return TRUE;
}
