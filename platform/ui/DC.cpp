#include "platform/ui/DC.h"

#include "platform/ui/DCState.h"
#include "platform/ui/MessageBridge.h"
#include "platform/ui/QtGeometry.h"
#include "platform/ui/SystemSettings.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include <algorithm>
#include <utility>

QColor ToQColor(COLORREF colour)
{
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

COLORREF FromQColor(const QColor& colour)
{
    return RGB(static_cast<BYTE>(colour.red()), static_cast<BYTE>(colour.green()),
               static_cast<BYTE>(colour.blue()));
}

CDC::CDC() : m_state(std::make_unique<State>()) {}

CDC::~CDC()
{
    DeleteDC();
}

BOOL CDC::Attach(QPainter* painter)
{
    if (painter == nullptr || m_state->painter != nullptr)
        return FALSE;
    m_state->painter = painter;
    m_state->base = painter->transform();
    m_state->font.SetQFont(painter->font());
    m_state->currentFont = &m_state->font;
    ApplyTransform();
    return TRUE;
}

void CDC::Detach()
{
    if (m_state->painter != nullptr && m_state->painter != m_state->ownPainter.get())
        m_state->painter->setTransform(m_state->base);
    m_state->painter = nullptr;
    m_state->base = QTransform();
}

QPainter* CDC::GetPainter() const
{
    return m_state->painter;
}

void CDC::BeginOnImage(std::unique_ptr<QImage> image)
{
    m_state->ownPainter.reset();
    m_state->ownImage = std::move(image);
    m_state->ownPainter = std::make_unique<QPainter>(m_state->ownImage.get());
    m_state->painter = m_state->ownPainter.get();
    m_state->base = QTransform();
    if (!m_state->currentFont->IsCreated() && QApplication::instance() != nullptr)
        m_state->font.SetQFont(QApplication::font());
    m_state->painter->setFont(m_state->currentFont->GetQFont());
    ApplyTransform();
}

void CDC::SetDeviceOffset(CPoint offset)
{
    m_state->deviceOffset = offset;
    ApplyTransform();
}

void CDC::ApplyTransform()
{
    if (QPainter* painter = m_state->painter)
    {
        painter->setTransform(m_state->base);
        painter->translate(-m_state->origin.x - m_state->deviceOffset.x,
                           -m_state->origin.y - m_state->deviceOffset.y);
    }
}

BOOL CDC::CreateCompatibleDC(CDC*)
{
    if (m_state->painter != nullptr)
        return FALSE;
    m_state->defaultBitmap.CreateBitmap(1, 1, 1, 1, nullptr);
    m_state->memory = true;
    if (QApplication::instance() != nullptr)
        m_state->font.SetQFont(QApplication::font());
    PaintOn(&m_state->defaultBitmap);
    return TRUE;
}

void CDC::PaintOn(CBitmap* bitmap)
{
    m_state->ownPainter.reset();
    if (m_state->bitmap != nullptr)
        m_state->bitmap->m_selectedIn = nullptr;
    m_state->bitmap = bitmap;
    bitmap->m_selectedIn = this;
    m_state->ownPainter = std::make_unique<QPainter>(bitmap->GetImage());
    m_state->painter = m_state->ownPainter.get();
    m_state->painter->setFont(m_state->currentFont->GetQFont());
    ApplyTransform();
}

void CDC::ReleaseBitmap(CBitmap* bitmap)
{
    if (m_state->bitmap == bitmap && bitmap != &m_state->defaultBitmap)
        PaintOn(&m_state->defaultBitmap);
}

BOOL CDC::DeleteDC()
{
    const BOOL had = m_state->painter != nullptr ? TRUE : FALSE;
    Detach();
    m_state->ownPainter.reset();
    m_state->painter = nullptr;
    m_state->ownImage.reset();
    if (m_state->bitmap != nullptr)
        m_state->bitmap->m_selectedIn = nullptr;
    m_state->bitmap = nullptr;
    m_state->memory = false;
    return had;
}

bool CDC::IsMonochrome() const
{
    return m_state->bitmap != nullptr && m_state->bitmap->IsMonochrome();
}

QImage* CDC::TargetImage() const
{
    if (m_state->bitmap != nullptr)
        return m_state->bitmap->GetImage();
    return m_state->ownImage.get();
}

CPen* CDC::SelectObject(CPen* pen)
{
    return std::exchange(m_state->pen, pen);
}

CBrush* CDC::SelectObject(CBrush* brush)
{
    return std::exchange(m_state->brush, brush);
}

CFont* CDC::SelectObject(CFont* font)
{
    CFont* previous = std::exchange(m_state->currentFont, font != nullptr ? font : &m_state->font);
    if (m_state->painter != nullptr)
        m_state->painter->setFont(m_state->currentFont->GetQFont());
    return previous;
}

CBitmap* CDC::SelectObject(CBitmap* bitmap)
{
    if (!m_state->memory || bitmap == nullptr || bitmap->GetImage() == nullptr)
        return nullptr;
    CBitmap* previous = m_state->bitmap;
    PaintOn(bitmap);
    return previous == &m_state->defaultBitmap ? nullptr : previous;
}

CGdiObject* CDC::SelectStockObject(int index)
{
    CGdiObject* object = GetStockObject(index);
    if (auto* pen = dynamic_cast<CPen*>(object))
        return SelectObject(pen);
    if (auto* brush = dynamic_cast<CBrush*>(object))
        return SelectObject(brush);
    if (auto* font = dynamic_cast<CFont*>(object))
        return SelectObject(font);
    return nullptr;
}

CFont* CDC::GetCurrentFont() const
{
    return m_state->currentFont;
}

CBitmap* CDC::GetCurrentBitmap() const
{
    return m_state->bitmap;
}

COLORREF CDC::SetTextColor(COLORREF colour)
{
    return std::exchange(m_state->textColour, colour);
}

COLORREF CDC::GetTextColor() const
{
    return m_state->textColour;
}

COLORREF CDC::SetBkColor(COLORREF colour)
{
    return std::exchange(m_state->bkColour, colour);
}

COLORREF CDC::GetBkColor() const
{
    return m_state->bkColour;
}

int CDC::SetBkMode(int mode)
{
    return std::exchange(m_state->bkMode, mode);
}

int CDC::GetBkMode() const
{
    return m_state->bkMode;
}

CPoint CDC::SetWindowOrg(int x, int y)
{
    const CPoint previous = m_state->origin;
    m_state->origin = CPoint(x, y);
    ApplyTransform();
    return previous;
}

CPoint CDC::GetWindowOrg() const
{
    return m_state->origin;
}

int CDC::SaveDC()
{
    m_state->saved.push_back(m_state->Save());
    if (m_state->painter != nullptr)
        m_state->painter->save();
    return static_cast<int>(m_state->saved.size());
}

BOOL CDC::RestoreDC(int savedDC)
{
    const int count = static_cast<int>(m_state->saved.size());
    const int index = savedDC < 0 ? count + savedDC : savedDC - 1;
    if (index < 0 || index >= count)
        return FALSE;
    m_state->Restore(m_state->saved[static_cast<std::size_t>(index)]);
    while (static_cast<int>(m_state->saved.size()) > index)
    {
        m_state->saved.pop_back();
        if (m_state->painter != nullptr)
            m_state->painter->restore();
    }
    if (m_state->painter != nullptr)
        m_state->painter->setFont(m_state->currentFont->GetQFont());
    ApplyTransform();
    return TRUE;
}

int CDC::GetClipBox(LPRECT rect) const
{
    QPainter* painter = m_state->painter;
    if (painter == nullptr)
    {
        *rect = CRect();
        return 0;
    }
    QRect box;
    if (painter->hasClipping())
        box = painter->clipBoundingRect().toAlignedRect();
    else
        box = painter->transform().inverted().mapRect(
            QRect(0, 0, painter->device()->width(), painter->device()->height()));
    *rect = FromQRect(box);
    return box.isEmpty() ? 1 : 2;
}

int CDC::IntersectClipRect(LPCRECT rect)
{
    if (m_state->painter == nullptr)
        return 0;
    m_state->painter->setClipRect(
        ToQRect(*rect), m_state->painter->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    return 2;
}

BOOL CDC::PtVisible(int x, int y) const
{
    CRect box;
    GetClipBox(&box);
    return box.PtInRect(CPoint(x, y));
}

BOOL CDC::RectVisible(LPCRECT rect) const
{
    CRect box;
    GetClipBox(&box);
    CRect overlap;
    return overlap.IntersectRect(box, *rect);
}

void CDC::FillDevice(const QRect& rect, COLORREF colour)
{
    if (m_state->painter != nullptr)
        m_state->painter->fillRect(rect, ToQColor(colour));
}

void CDC::FillSolidRect(LPCRECT rect, COLORREF colour)
{
    SetBkColor(colour);
    CRect normal(*rect);
    normal.NormalizeRect();
    FillDevice(ToQRect(normal), colour);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF colour)
{
    const CRect rect(x, y, x + cx, y + cy);
    FillSolidRect(&rect, colour);
}

void CDC::FillRect(LPCRECT rect, CBrush* brush)
{
    if (brush != nullptr && !brush->m_hollow)
        FillDevice(ToQRect(*rect), brush->m_colour);
}

void CDC::FrameRect(LPCRECT rect, CBrush* brush)
{
    if (brush == nullptr || brush->m_hollow)
        return;
    const CRect r(*rect);
    FillDevice(QRect(r.left, r.top, r.Width(), 1), brush->m_colour);
    FillDevice(QRect(r.left, r.bottom - 1, r.Width(), 1), brush->m_colour);
    FillDevice(QRect(r.left, r.top, 1, r.Height()), brush->m_colour);
    FillDevice(QRect(r.right - 1, r.top, 1, r.Height()), brush->m_colour);
}

void CDC::Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight)
{
    const CRect r(*rect);
    Draw3dRect(r.left, r.top, r.Width(), r.Height(), topLeft, bottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight)
{
    const COLORREF background = GetBkColor();
    FillSolidRect(x, y, cx - 1, 1, topLeft);
    FillSolidRect(x, y, 1, cy - 1, topLeft);
    FillSolidRect(x + cx, y, -1, cy, bottomRight);
    FillSolidRect(x, y + cy, cx, -1, bottomRight);
    SetBkColor(background);
}

BOOL CDC::DrawEdge(LPRECT rect, UINT edge, UINT flags)
{
    struct Border
    {
        UINT raised;
        UINT sunken;
        int raisedTopLeft;
        int raisedBottomRight;
        int sunkenTopLeft;
        int sunkenBottomRight;
    };
    static constexpr Border kBorders[] = {
        {BDR_RAISEDOUTER, BDR_SUNKENOUTER, COLOR_3DLIGHT, COLOR_3DDKSHADOW, COLOR_3DSHADOW,
         COLOR_3DHIGHLIGHT},
        {BDR_RAISEDINNER, BDR_SUNKENINNER, COLOR_3DHIGHLIGHT, COLOR_3DSHADOW, COLOR_3DDKSHADOW,
         COLOR_3DLIGHT},
    };
    CRect r(*rect);
    const COLORREF background = GetBkColor();
    for (const Border& border : kBorders)
    {
        if ((edge & (border.raised | border.sunken)) == 0)
            continue;
        const bool raised = (edge & border.raised) != 0;
        const COLORREF topLeft = GetSysColor(raised ? border.raisedTopLeft : border.sunkenTopLeft);
        const COLORREF bottomRight =
            GetSysColor(raised ? border.raisedBottomRight : border.sunkenBottomRight);
        if ((flags & BF_TOP) != 0)
            FillSolidRect(r.left, r.top, r.Width(), 1, topLeft);
        if ((flags & BF_LEFT) != 0)
            FillSolidRect(r.left, r.top, 1, r.Height(), topLeft);
        if ((flags & BF_BOTTOM) != 0)
            FillSolidRect(r.left, r.bottom - 1, r.Width(), 1, bottomRight);
        if ((flags & BF_RIGHT) != 0)
            FillSolidRect(r.right - 1, r.top, 1, r.Height(), bottomRight);
        r.DeflateRect((flags & BF_LEFT) != 0 ? 1 : 0, (flags & BF_TOP) != 0 ? 1 : 0,
                      (flags & BF_RIGHT) != 0 ? 1 : 0, (flags & BF_BOTTOM) != 0 ? 1 : 0);
    }
    if ((flags & BF_MIDDLE) != 0)
        FillSolidRect(&r, GetSysColor(COLOR_3DFACE));
    SetBkColor(background);
    if ((flags & BF_ADJUST) != 0)
        *rect = r;
    return TRUE;
}

void CDC::DrawFocusRect(LPCRECT rect)
{
    QPainter* painter = m_state->painter;
    if (painter == nullptr)
        return;
    const CRect r(*rect);
    painter->save();
    painter->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    QPen dotted(Qt::white, 1, Qt::DotLine, Qt::FlatCap);
    painter->setPen(dotted);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRect(r.left, r.top, r.Width() - 1, r.Height() - 1));
    painter->restore();
}

namespace
{
QPen PenOf(const CPen* pen)
{
    if (pen == nullptr)
        return QPen(Qt::black, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    if (pen->m_style == PS_NULL)
        return QPen(Qt::NoPen);
    const Qt::PenStyle style = pen->m_style == PS_DOT    ? Qt::DotLine
                               : pen->m_style == PS_DASH ? Qt::DashLine
                                                         : Qt::SolidLine;
    return QPen(ToQColor(pen->m_colour), pen->m_width <= 1 ? 1 : pen->m_width, style, Qt::FlatCap,
                Qt::MiterJoin);
}

QBrush BrushOf(const CBrush* brush)
{
    if (brush == nullptr)
        return QBrush(Qt::white);
    return brush->m_hollow ? QBrush(Qt::NoBrush) : QBrush(ToQColor(brush->m_colour));
}
} // namespace

BOOL CDC::Rectangle(int left, int top, int right, int bottom)
{
    QPainter* painter = m_state->painter;
    if (painter == nullptr)
        return FALSE;
    const CRect r(left, top, right, bottom);
    const QPen pen = PenOf(m_state->pen);
    if (pen.style() == Qt::NoPen)
    {
        painter->fillRect(QRect(r.left, r.top, r.Width() - 1, r.Height() - 1),
                          BrushOf(m_state->brush));
        return TRUE;
    }
    painter->fillRect(QRect(r.left + 1, r.top + 1, r.Width() - 2, r.Height() - 2),
                      BrushOf(m_state->brush));
    const QColor colour = pen.color();
    painter->fillRect(QRect(r.left, r.top, r.Width(), 1), colour);
    painter->fillRect(QRect(r.left, r.bottom - 1, r.Width(), 1), colour);
    painter->fillRect(QRect(r.left, r.top, 1, r.Height()), colour);
    painter->fillRect(QRect(r.right - 1, r.top, 1, r.Height()), colour);
    return TRUE;
}

BOOL CDC::Rectangle(LPCRECT rect)
{
    return Rectangle(rect->left, rect->top, rect->right, rect->bottom);
}

BOOL CDC::Ellipse(LPCRECT rect)
{
    QPainter* painter = m_state->painter;
    if (painter == nullptr)
        return FALSE;
    const CRect r(*rect);
    painter->setPen(PenOf(m_state->pen));
    painter->setBrush(BrushOf(m_state->brush));
    painter->drawEllipse(QRect(r.left, r.top, r.Width() - 1, r.Height() - 1));
    return TRUE;
}

BOOL CDC::Polygon(const POINT* points, int count)
{
    QPainter* painter = m_state->painter;
    if (painter == nullptr || count < 2)
        return FALSE;
    QPolygon polygon;
    for (int at = 0; at < count; ++at)
        polygon << ToQPoint(points[at]);
    painter->setPen(PenOf(m_state->pen));
    painter->setBrush(BrushOf(m_state->brush));
    painter->drawPolygon(polygon);
    return TRUE;
}

CPoint CDC::MoveTo(int x, int y)
{
    return std::exchange(m_state->position, CPoint(x, y));
}

BOOL CDC::LineTo(int x, int y)
{
    QPainter* painter = m_state->painter;
    const CPoint from = std::exchange(m_state->position, CPoint(x, y));
    if (painter == nullptr)
        return FALSE;
    const QPen pen = PenOf(m_state->pen);
    if (pen.style() == Qt::NoPen)
        return TRUE;
    if (from.y == y || from.x == x)
    {
        // Straight lines as spans, the last point left out.
        const int left = std::min(from.x, x) + (x < from.x ? 1 : 0);
        const int top = std::min(from.y, y) + (y < from.y ? 1 : 0);
        const int width = from.y == y ? std::abs(x - from.x) : pen.width();
        const int height = from.x == x ? std::abs(y - from.y) : pen.width();
        painter->fillRect(QRect(left, top, width, height), pen.color());
        return TRUE;
    }
    painter->setPen(pen);
    painter->drawLine(ToQPoint(from), QPoint(x, y));
    return TRUE;
}

COLORREF CDC::SetPixel(int x, int y, COLORREF colour)
{
    FillDevice(QRect(x, y, 1, 1), colour);
    return colour;
}

COLORREF CDC::GetPixel(int x, int y) const
{
    const QImage* image = TargetImage();
    const QPoint device(x - m_state->origin.x - m_state->deviceOffset.x,
                        y - m_state->origin.y - m_state->deviceOffset.y);
    if (image == nullptr || !image->rect().contains(device))
        return CLR_INVALID;
    return FromQColor(image->pixelColor(device));
}

CPaintDC::CPaintDC(CWnd* wnd)
{
    QWidget* widget = wnd != nullptr ? wnd->GetSafeHwnd() : nullptr;
    if (widget == nullptr)
        return;
    auto* area = qobject_cast<QAbstractScrollArea*>(widget);
    QWidget* painted = area != nullptr ? area->viewport() : widget;
    m_painter = std::make_unique<QPainter>(painted);
    m_painter->setFont(widget->font());
    Attach(m_painter.get());
    SetDeviceOffset(FromQPoint(painted->mapTo(widget, QPoint(0, 0))));
    m_ps.hdc = this;
    wnd->GetClientRect(&m_ps.rcPaint);
    if (const auto* paint = dynamic_cast<const QPaintEvent*>(MessageBridge::CurrentEvent()))
    {
        m_ps.rcPaint = FromQRect(paint->rect().translated(painted->mapTo(widget, QPoint(0, 0))));
        IntersectClipRect(&m_ps.rcPaint);
    }
}

CPaintDC::~CPaintDC()
{
    Detach();
}

CClientDC::CClientDC(CWnd* wnd)
{
    QWidget* widget = wnd != nullptr ? wnd->GetSafeHwnd() : nullptr;
    if (widget == nullptr)
    {
        BeginOnImage(std::make_unique<QImage>(1, 1, QImage::Format_RGB32));
        return;
    }
    CRect client;
    wnd->GetClientRect(&client);
    auto image = std::make_unique<QImage>(std::max(client.Width(), 1), std::max(client.Height(), 1),
                                          QImage::Format_RGB32);
    image->fill(widget->palette().color(widget->backgroundRole()));
    // A window that is painting shows its background only: painting it again would not end.
    // Child windows are left out, as the copy serves to see the window's own surface; the
    // viewport and bars of a scrolling control are part of it.
    if (!MessageBridge::IsPainting(widget))
    {
        const bool scrolls = qobject_cast<QAbstractScrollArea*>(widget) != nullptr;
        widget->render(image.get(), QPoint(), QRegion(ToQRect(client)),
                       scrolls ? QWidget::DrawWindowBackground | QWidget::DrawChildren
                               : QWidget::DrawWindowBackground);
    }
    BeginOnImage(std::move(image));
    GetPainter()->setFont(widget->font());
}
