#include "platform/ui/DCState.h"
#include "platform/ui/QtGeometry.h"
#include "platform/ui/QtText.h"
#include "platform/ui/SystemSettings.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPixmap>

namespace
{
QFont FontOf(const QPainter* painter)
{
    return painter != nullptr ? painter->font() : QApplication::font();
}

int QtTextFlags(UINT format)
{
    int flags = 0;
    if ((format & DT_CENTER) != 0)
        flags |= Qt::AlignHCenter;
    else if ((format & DT_RIGHT) != 0)
        flags |= Qt::AlignRight;
    else
        flags |= Qt::AlignLeft;
    // Vertical placement holds for one line only.
    const bool single = (format & DT_SINGLELINE) != 0;
    if (single && (format & DT_VCENTER) != 0)
        flags |= Qt::AlignVCenter;
    else if (single && (format & DT_BOTTOM) != 0)
        flags |= Qt::AlignBottom;
    else
        flags |= Qt::AlignTop;
    if (single)
        flags |= Qt::TextSingleLine;
    else if ((format & DT_WORDBREAK) != 0)
        flags |= Qt::TextWordWrap;
    if ((format & DT_NOPREFIX) == 0)
        flags |= Qt::TextShowMnemonic;
    if ((format & DT_EXPANDTABS) != 0)
        flags |= Qt::TextExpandTabs;
    if ((format & DT_NOCLIP) != 0)
        flags |= Qt::TextDontClip;
    return flags;
}

// The text as shown with prefix processing: "&&" is "&", any other "&" marks the next letter.
QString WithoutPrefixes(const QString& text)
{
    QString shown;
    for (qsizetype at = 0; at < text.size(); ++at)
    {
        if (text[at] == '&' && ++at == text.size())
            break;
        shown += text[at];
    }
    return shown;
}

QPainter::CompositionMode ModeOf(DWORD rop)
{
    switch (rop)
    {
    case SRCAND:
        return QPainter::RasterOp_SourceAndDestination;
    case SRCPAINT:
        return QPainter::RasterOp_SourceOrDestination;
    case SRCINVERT:
        return QPainter::RasterOp_SourceXorDestination;
    case NOTSRCCOPY:
        return QPainter::RasterOp_NotSource;
    default:
        return QPainter::CompositionMode_Source;
    }
}

// The image's shape (the mask's true pixels) in the 3-D highlight colour one pixel right and
// down, then in the 3-D shadow colour in place.
void DrawEmbossed(QPainter* painter, QPoint at, const QImage& image,
                  bool (*inShape)(const QImage&, int, int))
{
    QImage highlight(image.size(), QImage::Format_ARGB32);
    highlight.fill(Qt::transparent);
    QImage shadow = highlight;
    for (int y = 0; y < image.height(); ++y)
    {
        for (int x = 0; x < image.width(); ++x)
        {
            if (inShape(image, x, y))
            {
                highlight.setPixelColor(x, y, ToQColor(GetSysColor(COLOR_3DHIGHLIGHT)));
                shadow.setPixelColor(x, y, ToQColor(GetSysColor(COLOR_3DSHADOW)));
            }
        }
    }
    painter->drawImage(at + QPoint(1, 1), highlight);
    painter->drawImage(at, shadow);
}
} // namespace

BOOL CDC::TextOut(int x, int y, const CString& text)
{
    QPainter* painter = m_state->painter;
    if (painter == nullptr)
        return FALSE;
    const QString shown = ToQString(text);
    const QFontMetrics metrics(painter->font());
    if (m_state->bkMode == OPAQUE)
        painter->fillRect(QRect(x, y, metrics.horizontalAdvance(shown), metrics.height()),
                          ToQColor(m_state->bkColour));
    painter->setPen(ToQColor(m_state->textColour));
    painter->drawText(QPoint(x, y + metrics.ascent()), shown);
    return TRUE;
}

int CDC::DrawText(const CString& text, LPRECT rect, UINT format)
{
    QPainter* painter = m_state->painter;
    const QFontMetrics metrics(FontOf(painter));
    const int flags = QtTextFlags(format);
    const QRect box = ToQRect(*rect);
    QString shown = ToQString(text);
    if ((format & DT_END_ELLIPSIS) != 0 && (format & DT_CALCRECT) == 0)
        shown = metrics.elidedText(shown, Qt::ElideRight, box.width(), flags);
    // Measured from the top-left; wrapped lines keep to the width.
    QRect measured = metrics.boundingRect(
        QRect(box.left(), box.top(), (flags & Qt::TextWordWrap) != 0 ? box.width() : 0x3FFFFFFF,
              0x3FFFFFFF),
        (flags & ~(Qt::AlignHCenter | Qt::AlignRight | Qt::AlignVCenter | Qt::AlignBottom)) |
            Qt::AlignLeft | Qt::AlignTop,
        shown);
    if ((format & DT_SINGLELINE) != 0)
        measured.setSize(QSize(
            metrics.horizontalAdvance((format & DT_NOPREFIX) != 0 ? shown : WithoutPrefixes(shown)),
            metrics.height()));
    if ((format & DT_CALCRECT) != 0)
    {
        rect->right = rect->left + measured.width();
        rect->bottom = rect->top + measured.height();
        return measured.height();
    }
    if (painter == nullptr)
        return 0;
    if (m_state->bkMode == OPAQUE)
        painter->fillRect(QFontMetrics(painter->font()).boundingRect(box, flags, shown),
                          ToQColor(m_state->bkColour));
    painter->setPen(ToQColor(m_state->textColour));
    painter->drawText(box, flags, shown);
    return measured.height();
}

CSize CDC::GetTextExtent(const CString& text) const
{
    const QFontMetrics metrics(FontOf(m_state->painter));
    return CSize(metrics.horizontalAdvance(ToQString(text)), metrics.height());
}

BOOL CDC::GetTextMetrics(TEXTMETRIC* textMetrics) const
{
    const QFontMetrics metrics(FontOf(m_state->painter));
    *textMetrics = TEXTMETRIC{metrics.height(),  metrics.ascent(),           metrics.descent(), 0,
                              metrics.leading(), metrics.averageCharWidth(), metrics.maxWidth()};
    return TRUE;
}

bool CDC::Blit(const QRect& target, CDC* source, const QRect& sourceRect, DWORD rop)
{
    QPainter* painter = m_state->painter;
    if (painter == nullptr)
        return false;
    if (rop == BLACKNESS || rop == WHITENESS)
    {
        painter->fillRect(target, rop == BLACKNESS ? Qt::black : Qt::white);
        return true;
    }
    const QImage* sourceImage = source != nullptr ? source->TargetImage() : nullptr;
    if (sourceImage == nullptr)
        return false;
    const QPoint sourceShift(source->m_state->origin.x + source->m_state->deviceOffset.x,
                             source->m_state->origin.y + source->m_state->deviceOffset.y);
    QImage part = sourceImage->copy(sourceRect.translated(-sourceShift))
                      .convertToFormat(QImage::Format_RGB32);
    if (source->IsMonochrome() && !IsMonochrome())
    {
        const QRgb white = ToQColor(m_state->bkColour).rgb();
        const QRgb black = ToQColor(m_state->textColour).rgb();
        for (int y = 0; y < part.height(); ++y)
            for (int x = 0; x < part.width(); ++x)
                part.setPixel(x, y, qGray(part.pixel(x, y)) >= 128 ? white : black);
    }
    else if (!source->IsMonochrome() && IsMonochrome())
    {
        const QRgb background = ToQColor(source->m_state->bkColour).rgb();
        for (int y = 0; y < part.height(); ++y)
            for (int x = 0; x < part.width(); ++x)
                part.setPixel(x, y, part.pixel(x, y) == background ? 0xFFFFFFFF : 0xFF000000);
    }
    if (part.size() != target.size())
        part = part.scaled(target.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    painter->save();
    painter->setCompositionMode(ModeOf(rop));
    painter->drawImage(target.topLeft(), part);
    painter->restore();
    return true;
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY,
                 DWORD rop)
{
    return Blit(QRect(x, y, width, height), source, QRect(sourceX, sourceY, width, height), rop);
}

BOOL CDC::StretchBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY,
                     int sourceWidth, int sourceHeight, DWORD rop)
{
    return Blit(QRect(x, y, width, height), source,
                QRect(sourceX, sourceY, sourceWidth, sourceHeight), rop);
}

BOOL CDC::DrawIcon(int x, int y, HICON icon)
{
    if (m_state->painter == nullptr || icon == nullptr)
        return FALSE;
    m_state->painter->drawPixmap(x, y, *icon);
    return TRUE;
}

BOOL CDC::DrawState(CPoint point, CSize size, HICON icon, UINT flags)
{
    if (m_state->painter == nullptr || icon == nullptr)
        return FALSE;
    QImage image = icon->toImage().convertToFormat(QImage::Format_ARGB32);
    if (size.cx > 0 && size.cy > 0)
        image = image.scaled(size.cx, size.cy);
    if ((flags & DSS_DISABLED) == 0)
        m_state->painter->drawImage(ToQPoint(point), image);
    else
        DrawEmbossed(m_state->painter, ToQPoint(point), image,
                     [](const QImage& shape, int x, int y)
                     { return qAlpha(shape.pixel(x, y)) > 0; });
    return TRUE;
}

BOOL CDC::DrawState(CPoint point, CSize size, CBitmap* bitmap, UINT flags)
{
    if (m_state->painter == nullptr || bitmap == nullptr || bitmap->GetImage() == nullptr)
        return FALSE;
    QImage image = bitmap->GetImage()->convertToFormat(QImage::Format_RGB32);
    if (size.cx > 0 && size.cy > 0)
        image = image.copy(0, 0, size.cx, size.cy);
    if ((flags & DSS_DISABLED) == 0)
        m_state->painter->drawImage(ToQPoint(point), image);
    else
        DrawEmbossed(m_state->painter, ToQPoint(point), image,
                     [](const QImage& shape, int x, int y)
                     { return (shape.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF; });
    return TRUE;
}
