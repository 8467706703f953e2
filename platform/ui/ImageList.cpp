#include "platform/ui/ImageList.h"

#include "platform/ui/DC.h"
#include "platform/ui/QtGeometry.h"
#include "platform/ui/Wnd.h"

#include <QColor>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QSize>

#include <vector>

struct CImageList::Images
{
    QSize size{16, 16};
    std::vector<QPixmap> pixmaps;
    // The icons of the pixmaps made so far, shared by every item that shows one.
    std::vector<QIcon> icons;
    COLORREF background = CLR_NONE;

    void Clear()
    {
        pixmaps.clear();
        icons.clear();
    }
};

namespace
{
// The image being dragged: a frameless window that follows the drag.
struct Drag
{
    QPixmap image;
    QPoint hotSpot;
    QPoint screen;
    QPointer<QLabel> window;
    bool active = false;
};

Drag& CurrentDrag()
{
    static Drag drag;
    return drag;
}

void PlaceDragWindow()
{
    Drag& drag = CurrentDrag();
    if (drag.window)
        drag.window->move(drag.screen - drag.hotSpot);
}

QPixmap Masked(const QImage& image, COLORREF mask)
{
    QImage masked = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb transparent = ToQColor(mask).rgb();
    for (int y = 0; y < masked.height(); ++y)
        for (int x = 0; x < masked.width(); ++x)
            if ((masked.pixel(x, y) | 0xFF000000) == transparent)
                masked.setPixel(x, y, 0);
    return QPixmap::fromImage(masked);
}
} // namespace

CImageList::CImageList() : m_images(std::make_unique<Images>()) {}

CImageList::~CImageList() = default;

BOOL CImageList::Create(int cx, int cy, UINT, int, int)
{
    if (cx <= 0 || cy <= 0)
        return FALSE;
    m_images->size = QSize(cx, cy);
    m_images->Clear();
    return TRUE;
}

BOOL CImageList::Create(UINT bitmapId, int cx, int, COLORREF mask)
{
    CBitmap strip;
    if (cx <= 0 || !strip.LoadBitmap(bitmapId))
        return FALSE;
    Create(cx, strip.GetImage()->height(), ILC_MASK, 0, 0);
    return Add(&strip, mask) >= 0;
}

BOOL CImageList::DeleteImageList()
{
    m_images->Clear();
    return TRUE;
}

int CImageList::Add(const char* imageFile)
{
    QPixmap image;
    if (imageFile == nullptr || !image.load(QString::fromUtf8(imageFile)))
        return -1;
    m_images->pixmaps.push_back(
        image.scaled(m_images->size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return GetImageCount() - 1;
}

int CImageList::Add(CBitmap* bitmap, COLORREF mask)
{
    const QImage* strip = bitmap != nullptr ? bitmap->GetImage() : nullptr;
    const int width = m_images->size.width();
    if (strip == nullptr || strip->width() < width)
        return -1;
    const int first = GetImageCount();
    for (int x = 0; x + width <= strip->width(); x += width)
    {
        const QImage part = strip->copy(x, 0, width, m_images->size.height());
        m_images->pixmaps.push_back(mask == CLR_NONE ? QPixmap::fromImage(part)
                                                     : Masked(part, mask));
    }
    return first;
}

int CImageList::Add(HICON icon)
{
    if (icon == nullptr)
        return -1;
    m_images->pixmaps.push_back(icon->scaled(m_images->size));
    return GetImageCount() - 1;
}

int CImageList::AddColor(DWORD rgb)
{
    QPixmap image(m_images->size);
    image.fill(QColor::fromRgb(static_cast<QRgb>(rgb)));
    m_images->pixmaps.push_back(image);
    return GetImageCount() - 1;
}

int CImageList::GetImageCount() const
{
    return static_cast<int>(m_images->pixmaps.size());
}

BOOL CImageList::GetIconSize(int& cx, int& cy) const
{
    cx = m_images->size.width();
    cy = m_images->size.height();
    return TRUE;
}

COLORREF CImageList::SetBkColor(COLORREF colour)
{
    return std::exchange(m_images->background, colour);
}

COLORREF CImageList::GetBkColor() const
{
    return m_images->background;
}

QIcon CImageList::GetIcon(int index) const
{
    if (index < 0 || index >= GetImageCount())
        return QIcon();
    std::vector<QIcon>& icons = m_images->icons;
    if (icons.size() < m_images->pixmaps.size())
        icons.resize(m_images->pixmaps.size());
    QIcon& icon = icons[static_cast<std::size_t>(index)];
    if (icon.isNull())
        icon = QIcon(m_images->pixmaps[static_cast<std::size_t>(index)]);
    return icon;
}

HICON CImageList::ExtractIcon(int index) const
{
    if (index < 0 || index >= GetImageCount())
        return nullptr;
    return new QPixmap(m_images->pixmaps[static_cast<std::size_t>(index)]);
}

BOOL CImageList::Draw(CDC* dc, int index, POINT point, UINT style) const
{
    QPainter* painter = dc != nullptr ? dc->GetPainter() : nullptr;
    if (painter == nullptr || index < 0 || index >= GetImageCount())
        return FALSE;
    if ((style & ILD_TRANSPARENT) == 0 && m_images->background != CLR_NONE)
        painter->fillRect(QRect(ToQPoint(point), m_images->size), ToQColor(m_images->background));
    painter->drawPixmap(ToQPoint(point), m_images->pixmaps[static_cast<std::size_t>(index)]);
    return TRUE;
}

BOOL CImageList::BeginDrag(int index, CPoint hotSpot)
{
    if (index < 0 || index >= GetImageCount())
        return FALSE;
    EndDrag();
    Drag& drag = CurrentDrag();
    drag.image = m_images->pixmaps[static_cast<std::size_t>(index)];
    drag.hotSpot = ToQPoint(hotSpot);
    drag.active = true;
    return TRUE;
}

BOOL CImageList::DragEnter(CWnd* lockWnd, CPoint point)
{
    Drag& drag = CurrentDrag();
    if (!drag.active)
        return FALSE;
    QWidget* widget = lockWnd != nullptr ? lockWnd->GetSafeHwnd() : nullptr;
    drag.screen = widget != nullptr ? widget->mapToGlobal(ToQPoint(point)) : ToQPoint(point);
    if (!drag.window)
    {
        drag.window = new QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint);
        drag.window->setAttribute(Qt::WA_TransparentForMouseEvents);
        drag.window->setPixmap(drag.image);
        drag.window->resize(drag.image.size());
    }
    PlaceDragWindow();
    drag.window->show();
    return TRUE;
}

BOOL CImageList::DragMove(CPoint point)
{
    Drag& drag = CurrentDrag();
    if (!drag.active)
        return FALSE;
    drag.screen = ToQPoint(point);
    PlaceDragWindow();
    return TRUE;
}

BOOL CImageList::DragShowNolock(BOOL show)
{
    Drag& drag = CurrentDrag();
    if (!drag.active || !drag.window)
        return FALSE;
    drag.window->setVisible(show != FALSE);
    return TRUE;
}

BOOL CImageList::DragLeave(CWnd*)
{
    return DragShowNolock(FALSE);
}

void CImageList::EndDrag()
{
    Drag& drag = CurrentDrag();
    delete drag.window.data();
    drag = Drag();
}

BOOL CImageList::GetDragImagePosition(CPoint* topLeft, BOOL* shown)
{
    const Drag& drag = CurrentDrag();
    if (!drag.active)
        return FALSE;
    *topLeft = FromQPoint(drag.screen - drag.hotSpot);
    *shown = drag.window && drag.window->isVisible();
    return TRUE;
}
