#pragma once

#include "platform/core/Types.h"
#include "platform/ui/Geometry.h"

#include <memory>

class CDC;
class QFont;
class QImage;
class QPixmap;

// Font weights.
constexpr LONG FW_NORMAL = 400;
constexpr LONG FW_BOLD = 700;

// A logical font record: 60 bytes, as stored. A negative height is the character height in
// pixels; a positive one the cell height.
struct LOGFONT
{
    LONG lfHeight;
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    char lfFaceName[32];
};
static_assert(sizeof(LOGFONT) == 60);

// A colour 0x00BBGGRR.
using COLORREF = DWORD;

constexpr COLORREF RGB(BYTE red, BYTE green, BYTE blue)
{
    return static_cast<COLORREF>(red) | (static_cast<COLORREF>(green) << 8) |
           (static_cast<COLORREF>(blue) << 16);
}
constexpr BYTE GetRValue(COLORREF colour)
{
    return static_cast<BYTE>(colour & 0xFF);
}
constexpr BYTE GetGValue(COLORREF colour)
{
    return static_cast<BYTE>((colour >> 8) & 0xFF);
}
constexpr BYTE GetBValue(COLORREF colour)
{
    return static_cast<BYTE>((colour >> 16) & 0xFF);
}
constexpr COLORREF CLR_NONE = 0xFFFFFFFF;
constexpr COLORREF CLR_DEFAULT = 0xFF000000;

// A drawing object that a CDC selects: a pen, a brush, a font or a bitmap.
class CGdiObject
{
public:
    virtual ~CGdiObject() = default;
    // Frees what the object holds; it can be made again.
    virtual BOOL DeleteObject() = 0;
};

// Pen styles.
constexpr int PS_SOLID = 0;
constexpr int PS_DASH = 1;
constexpr int PS_DOT = 2;
constexpr int PS_NULL = 5;

class CPen : public CGdiObject
{
public:
    CPen() = default;
    CPen(int style, int width, COLORREF colour) { CreatePen(style, width, colour); }
    BOOL CreatePen(int style, int width, COLORREF colour);
    BOOL DeleteObject() override;

    bool m_created = false;
    int m_style = PS_SOLID;
    int m_width = 1;
    COLORREF m_colour = 0;
};

class CBrush : public CGdiObject
{
public:
    CBrush() = default;
    explicit CBrush(COLORREF colour) { CreateSolidBrush(colour); }
    BOOL CreateSolidBrush(COLORREF colour);
    BOOL DeleteObject() override;

    bool m_created = false;
    // A hollow brush fills nothing.
    bool m_hollow = false;
    COLORREF m_colour = 0;
};

// A font made from a logical font record, or taken from a window.
class CFont : public CGdiObject
{
public:
    CFont();
    ~CFont() override;
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    BOOL CreateFontIndirect(const LOGFONT* logFont);
    // pointSize in tenths of a point.
    BOOL CreatePointFont(int pointSize, LPCTSTR faceName);
    // Fills the record; 0 when there is no font.
    int GetLogFont(LOGFONT* logFont) const;
    BOOL DeleteObject() override;
    bool IsCreated() const;

    // The Qt font (the application font when none was made) and making one from it.
    QFont GetQFont() const;
    void SetQFont(const QFont& font);

private:
    std::unique_ptr<QFont> m_font;
};

// What GetBitmap tells of a bitmap. A DIB section (LoadImage with LR_CREATEDIBSECTION) keeps
// its pixels as 3-byte entries (blue, green, red), rows bmWidthBytes apart, top row first;
// bmBits points at them. Other bitmaps give no bits.
struct BITMAP
{
    LONG bmType;
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;
    WORD bmPlanes;
    WORD bmBitsPixel;
    void* bmBits;
};

// A bitmap: colour (32 bits or a 24-bit DIB section) or monochrome (1 bit: white and black).
class CBitmap : public CGdiObject
{
public:
    CBitmap();
    ~CBitmap() override;
    CBitmap(const CBitmap&) = delete;
    CBitmap& operator=(const CBitmap&) = delete;

    // bitsPerPixel 1 makes a monochrome bitmap; bits (rows of whole words) may be null.
    BOOL CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
    // The format of the bitmap selected in dc (monochrome for a memory DC that holds none yet).
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
    // The registered bitmap resource; FALSE when there is none.
    BOOL LoadBitmap(UINT resourceId);
    int GetBitmap(BITMAP* bitmap);
    CSize GetBitmapDimension() const;
    BOOL DeleteObject() override;
    bool IsMonochrome() const;

    // The pixels; null when the bitmap was not made.
    QImage* GetImage() const;
    void SetImage(const QImage& image);

private:
    friend class CDC;
    // A bitmap that goes while selected leaves its DC first.
    void LeaveDC();

    std::unique_ptr<QImage> m_image;
    CDC* m_selectedIn = nullptr;
};

// A brush as OnCtlColor answers it.
using HBRUSH = CBrush*;

// A bitmap as windows take it.
using HBITMAP = CBitmap*;

// Makes an image file, or an image made in memory, known as the bitmap resource of that id.
void RegisterBitmapResource(UINT resourceId, const char* imageFile);
void RegisterBitmapResource(UINT resourceId, const QImage& image);
// The image of the resource; a null image when none is registered or it cannot be read.
QImage LoadBitmapResource(UINT resourceId);

// LoadImage of a bitmap resource; LR_CREATEDIBSECTION makes a 24-bit DIB section. The caller
// owns the bitmap; null when there is no such resource.
constexpr UINT IMAGE_BITMAP = 0;
constexpr UINT LR_DEFAULTCOLOR = 0x0000;
constexpr UINT LR_CREATEDIBSECTION = 0x2000;
CBitmap* LoadImage(UINT resourceId, UINT type, int cx, int cy, UINT flags);

// An icon; DestroyIcon frees it.
using HICON = QPixmap*;
BOOL DestroyIcon(HICON icon);

// Stock objects: the hollow brush, the plain pens and brushes, and the GUI fonts.
constexpr int WHITE_BRUSH = 0;
constexpr int BLACK_BRUSH = 4;
constexpr int NULL_BRUSH = 5;
constexpr int HOLLOW_BRUSH = NULL_BRUSH;
constexpr int WHITE_PEN = 6;
constexpr int BLACK_PEN = 7;
constexpr int NULL_PEN = 8;
constexpr int ANSI_VAR_FONT = 12;
constexpr int DEFAULT_GUI_FONT = 17;
CGdiObject* GetStockObject(int index);
