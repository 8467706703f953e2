#include "platform/ui/GdiObjects.h"

#include "platform/ui/DC.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QPixmap>

#include <map>
#include <variant>

#include <algorithm>
#include <cstring>

namespace
{
constexpr const char* kMonochromeKey = "weavoMonochrome";
} // namespace

CFont::CFont() = default;

CFont::~CFont() = default;

BOOL CFont::CreateFontIndirect(const LOGFONT* logFont)
{
    if (logFont == nullptr)
        return FALSE;
    QFont font(QApplication::font());
    const std::size_t faceLength = strnlen(logFont->lfFaceName, sizeof(logFont->lfFaceName));
    if (faceLength > 0)
        font.setFamily(QString::fromLatin1(logFont->lfFaceName, static_cast<int>(faceLength)));
    if (logFont->lfHeight != 0)
        font.setPixelSize(logFont->lfHeight < 0 ? -logFont->lfHeight : logFont->lfHeight);
    font.setWeight(static_cast<QFont::Weight>(
        logFont->lfWeight > 0 ? std::clamp<LONG>(logFont->lfWeight, 100, 900) : FW_NORMAL));
    font.setItalic(logFont->lfItalic != 0);
    font.setUnderline(logFont->lfUnderline != 0);
    font.setStrikeOut(logFont->lfStrikeOut != 0);
    SetQFont(font);
    return TRUE;
}

BOOL CFont::CreatePointFont(int pointSize, LPCTSTR faceName)
{
    QFont font(QApplication::font());
    if (faceName != nullptr && *faceName != '\0')
        font.setFamily(QString::fromLatin1(faceName));
    font.setPointSizeF(pointSize / 10.0);
    SetQFont(font);
    return TRUE;
}

int CFont::GetLogFont(LOGFONT* logFont) const
{
    if (!m_font || logFont == nullptr)
        return 0;
    *logFont = LOGFONT{};
    logFont->lfHeight = -QFontInfo(*m_font).pixelSize();
    logFont->lfWeight = m_font->weight();
    logFont->lfItalic = m_font->italic() ? 1 : 0;
    logFont->lfUnderline = m_font->underline() ? 1 : 0;
    logFont->lfStrikeOut = m_font->strikeOut() ? 1 : 0;
    const QByteArray face = m_font->family().toLatin1();
    std::strncpy(logFont->lfFaceName, face.constData(), sizeof(logFont->lfFaceName) - 1);
    return static_cast<int>(sizeof(LOGFONT));
}

BOOL CFont::DeleteObject()
{
    const BOOL had = m_font ? TRUE : FALSE;
    m_font.reset();
    return had;
}

bool CFont::IsCreated() const
{
    return static_cast<bool>(m_font);
}

QFont CFont::GetQFont() const
{
    return m_font ? *m_font : QApplication::font();
}

void CFont::SetQFont(const QFont& font)
{
    m_font = std::make_unique<QFont>(font);
}

BOOL CPen::CreatePen(int style, int width, COLORREF colour)
{
    m_created = true;
    m_style = style;
    m_width = width;
    m_colour = colour;
    return TRUE;
}

BOOL CPen::DeleteObject()
{
    return std::exchange(m_created, false) ? TRUE : FALSE;
}

BOOL CBrush::CreateSolidBrush(COLORREF colour)
{
    m_created = true;
    m_hollow = false;
    m_colour = colour;
    return TRUE;
}

BOOL CBrush::DeleteObject()
{
    return std::exchange(m_created, false) ? TRUE : FALSE;
}

CBitmap::CBitmap() = default;

CBitmap::~CBitmap()
{
    LeaveDC();
}

void CBitmap::LeaveDC()
{
    if (m_selectedIn != nullptr)
        m_selectedIn->ReleaseBitmap(this);
}

BOOL CBitmap::CreateBitmap(int width, int height, UINT, UINT bitsPerPixel, const void* bits)
{
    LeaveDC();
    if (width <= 0 || height <= 0)
        return FALSE;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    if (bitsPerPixel == 1)
    {
        image.setText(kMonochromeKey, "1");
        const auto* rows = static_cast<const BYTE*>(bits);
        const int rowBytes = ((width + 15) / 16) * 2;
        for (int y = 0; rows != nullptr && y < height; ++y)
        {
            for (int x = 0; x < width; ++x)
            {
                const bool white = (rows[y * rowBytes + x / 8] & (0x80 >> (x % 8))) != 0;
                image.setPixel(x, y, white ? 0xFFFFFFFF : 0xFF000000);
            }
        }
    }
    SetImage(image);
    return TRUE;
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height)
{
    return CreateBitmap(width, height, 1, dc != nullptr && dc->IsMonochrome() ? 1 : 32, nullptr);
}

BOOL CBitmap::LoadBitmap(UINT resourceId)
{
    const QImage image = LoadBitmapResource(resourceId);
    if (image.isNull())
        return FALSE;
    SetImage(image.convertToFormat(QImage::Format_RGB32));
    return TRUE;
}

int CBitmap::GetBitmap(BITMAP* bitmap)
{
    if (!m_image || bitmap == nullptr)
        return 0;
    const bool dib = m_image->format() == QImage::Format_BGR888;
    *bitmap = BITMAP{0,
                     m_image->width(),
                     m_image->height(),
                     static_cast<LONG>(m_image->bytesPerLine()),
                     1,
                     static_cast<WORD>(IsMonochrome() ? 1
                                       : dib          ? 24
                                                      : 32),
                     dib ? m_image->bits() : nullptr};
    return static_cast<int>(sizeof(BITMAP));
}

CSize CBitmap::GetBitmapDimension() const
{
    return m_image ? CSize(m_image->width(), m_image->height()) : CSize();
}

BOOL CBitmap::DeleteObject()
{
    LeaveDC();
    const BOOL had = m_image ? TRUE : FALSE;
    m_image.reset();
    return had;
}

bool CBitmap::IsMonochrome() const
{
    return m_image && m_image->text(kMonochromeKey) == "1";
}

QImage* CBitmap::GetImage() const
{
    return m_image.get();
}

void CBitmap::SetImage(const QImage& image)
{
    LeaveDC();
    m_image = std::make_unique<QImage>(image);
}

namespace
{
std::map<UINT, std::variant<std::string, QImage>>& BitmapResources()
{
    static std::map<UINT, std::variant<std::string, QImage>> resources;
    return resources;
}
} // namespace

void RegisterBitmapResource(UINT resourceId, const char* imageFile)
{
    BitmapResources()[resourceId] = std::string(imageFile);
}

void RegisterBitmapResource(UINT resourceId, const QImage& image)
{
    BitmapResources()[resourceId] = image;
}

QImage LoadBitmapResource(UINT resourceId)
{
    const auto it = BitmapResources().find(resourceId);
    if (it == BitmapResources().end())
        return QImage();
    if (const auto* image = std::get_if<QImage>(&it->second))
        return *image;
    return QImage(QString::fromStdString(std::get<std::string>(it->second)));
}

CBitmap* LoadImage(UINT resourceId, UINT, int, int, UINT flags)
{
    const QImage image = LoadBitmapResource(resourceId);
    if (image.isNull())
        return nullptr;
    auto* bitmap = new CBitmap;
    bitmap->SetImage(image.convertToFormat(
        (flags & LR_CREATEDIBSECTION) != 0 ? QImage::Format_BGR888 : QImage::Format_RGB32));
    return bitmap;
}

BOOL DestroyIcon(HICON icon)
{
    delete icon;
    return icon != nullptr;
}

CGdiObject* GetStockObject(int index)
{
    static CBrush white(RGB(255, 255, 255));
    static CBrush black(RGB(0, 0, 0));
    static CBrush hollow = []
    {
        CBrush brush;
        brush.m_created = true;
        brush.m_hollow = true;
        return brush;
    }();
    static CPen whitePen(PS_SOLID, 1, RGB(255, 255, 255));
    static CPen blackPen(PS_SOLID, 1, RGB(0, 0, 0));
    static CPen nullPen(PS_NULL, 1, 0);
    static CFont guiFont;
    if (!guiFont.IsCreated() && QApplication::instance() != nullptr)
        guiFont.SetQFont(QApplication::font());
    static CFont variableFont;
    if (!variableFont.IsCreated() && QApplication::instance() != nullptr)
        variableFont.SetQFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    switch (index)
    {
    case WHITE_BRUSH:
        return &white;
    case BLACK_BRUSH:
        return &black;
    case NULL_BRUSH:
        return &hollow;
    case WHITE_PEN:
        return &whitePen;
    case BLACK_PEN:
        return &blackPen;
    case NULL_PEN:
        return &nullPen;
    case ANSI_VAR_FONT:
        return &variableFont;
    case DEFAULT_GUI_FONT:
        return &guiFont;
    default:
        return nullptr;
    }
}
