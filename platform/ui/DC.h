#pragma once

#include "platform/core/CString.h"
#include "platform/ui/GdiObjects.h"
#include "platform/ui/Geometry.h"
#include "platform/ui/OwnerDraw.h"

#include <memory>

class CWnd;
class QColor;
class QRect;
class QImage;
class QPainter;

// Raster operations of BitBlt. Between a monochrome and a colour bitmap, white stands for the
// destination's background colour and black for its text colour; from colour to monochrome, the
// source's background colour becomes white and every other colour black.
constexpr DWORD SRCCOPY = 0x00CC0020;
constexpr DWORD SRCPAINT = 0x00EE0086;
constexpr DWORD SRCAND = 0x008800C6;
constexpr DWORD SRCINVERT = 0x00660046;
constexpr DWORD NOTSRCCOPY = 0x00330008;
constexpr DWORD BLACKNESS = 0x00000042;
constexpr DWORD WHITENESS = 0x00FF0062;

// Background modes of text.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// DrawText formats.
constexpr UINT DT_LEFT = 0x0000;
constexpr UINT DT_CENTER = 0x0001;
constexpr UINT DT_RIGHT = 0x0002;
constexpr UINT DT_VCENTER = 0x0004;
constexpr UINT DT_BOTTOM = 0x0008;
constexpr UINT DT_WORDBREAK = 0x0010;
constexpr UINT DT_SINGLELINE = 0x0020;
constexpr UINT DT_EXPANDTABS = 0x0040;
constexpr UINT DT_NOCLIP = 0x0100;
constexpr UINT DT_EXTERNALLEADING = 0x0200;
constexpr UINT DT_CALCRECT = 0x0400;
constexpr UINT DT_NOPREFIX = 0x0800;
constexpr UINT DT_END_ELLIPSIS = 0x8000;

// DrawEdge: the outer and inner borders, and the sides.
constexpr UINT BDR_RAISEDOUTER = 0x0001;
constexpr UINT BDR_SUNKENOUTER = 0x0002;
constexpr UINT BDR_RAISEDINNER = 0x0004;
constexpr UINT BDR_SUNKENINNER = 0x0008;
constexpr UINT EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr UINT EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr UINT EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
constexpr UINT EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;
constexpr UINT BF_LEFT = 0x0001;
constexpr UINT BF_TOP = 0x0002;
constexpr UINT BF_RIGHT = 0x0004;
constexpr UINT BF_BOTTOM = 0x0008;
constexpr UINT BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
constexpr UINT BF_MIDDLE = 0x0800;
constexpr UINT BF_ADJUST = 0x2000;

// DrawState: the disabled (embossed) look.
constexpr UINT DSS_NORMAL = 0x0000;
constexpr UINT DSS_DISABLED = 0x0020;

constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

struct TEXTMETRIC
{
    LONG tmHeight;
    LONG tmAscent;
    LONG tmDescent;
    LONG tmInternalLeading;
    LONG tmExternalLeading;
    LONG tmAveCharWidth;
    LONG tmMaxCharWidth;
};

struct PAINTSTRUCT
{
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
};

// A device context: drawing in logical coordinates (the window origin maps to the top-left
// pixel) on a window while it paints (CPaintDC), on a copy of a window's client area
// (CClientDC), or on the bitmap selected into a memory DC (CreateCompatibleDC). Rectangles
// exclude their right and bottom edges; a line excludes its last point. Text is drawn in the
// text colour, on the background colour in OPAQUE mode.
class CDC
{
public:
    CDC();
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    static CDC* FromHandle(HDC dc) { return dc; }
    HDC GetSafeHdc() { return this; }
    // Draws with the painter (which stays the caller's) from now on.
    BOOL Attach(QPainter* painter);
    void Detach();
    QPainter* GetPainter() const;

    // A memory DC that holds a 1 x 1 monochrome bitmap until another one is selected.
    BOOL CreateCompatibleDC(CDC* dc);
    BOOL DeleteDC();
    bool IsMonochrome() const;
    BOOL IsPrinting() const { return FALSE; }

    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    CFont* SelectObject(CFont* font);
    // The bitmap that was selected; null when bitmap cannot be selected (no memory DC).
    CBitmap* SelectObject(CBitmap* bitmap);
    CGdiObject* SelectStockObject(int index);
    CFont* GetCurrentFont() const;
    CBitmap* GetCurrentBitmap() const;

    COLORREF SetTextColor(COLORREF colour);
    COLORREF GetTextColor() const;
    COLORREF SetBkColor(COLORREF colour);
    COLORREF GetBkColor() const;
    int SetBkMode(int mode);
    int GetBkMode() const;
    CPoint SetWindowOrg(int x, int y);
    CPoint SetWindowOrg(POINT point) { return SetWindowOrg(point.x, point.y); }
    CPoint GetWindowOrg() const;
    int SaveDC();
    BOOL RestoreDC(int savedDC);

    // The smallest rectangle around what can be drawn on, in logical coordinates.
    int GetClipBox(LPRECT rect) const;
    int IntersectClipRect(LPCRECT rect);
    BOOL PtVisible(int x, int y) const;
    BOOL RectVisible(LPCRECT rect) const;

    void FillSolidRect(LPCRECT rect, COLORREF colour);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF colour);
    void FillRect(LPCRECT rect, CBrush* brush);
    void FrameRect(LPCRECT rect, CBrush* brush);
    // One-pixel lines: top and left in topLeft, right and bottom in bottomRight.
    void Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight);
    // The borders in the system's 3-D colours; BF_ADJUST shrinks rect by them.
    BOOL DrawEdge(LPRECT rect, UINT edge, UINT flags);
    void DrawFocusRect(LPCRECT rect);
    // Outlined with the pen, filled with the brush.
    BOOL Rectangle(int left, int top, int right, int bottom);
    BOOL Rectangle(LPCRECT rect);
    BOOL Ellipse(LPCRECT rect);
    BOOL Polygon(const POINT* points, int count);
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT point) { return MoveTo(point.x, point.y); }
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT point) { return LineTo(point.x, point.y); }
    COLORREF SetPixel(int x, int y, COLORREF colour);
    // CLR_INVALID outside the bitmap, or on a DC that has none.
    COLORREF GetPixel(int x, int y) const;

    BOOL TextOut(int x, int y, const CString& text);
    // The height of the text; DT_CALCRECT only measures, setting rect's right and bottom.
    int DrawText(const CString& text, LPRECT rect, UINT format);
    CSize GetTextExtent(const CString& text) const;
    BOOL GetTextMetrics(TEXTMETRIC* metrics) const;

    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY,
                DWORD rop);
    BOOL StretchBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY,
                    int sourceWidth, int sourceHeight, DWORD rop);
    BOOL DrawIcon(int x, int y, HICON icon);
    // The icon or bitmap at its size (size 0 x 0) or the size given; DSS_DISABLED embosses it.
    BOOL DrawState(CPoint point, CSize size, HICON icon, UINT flags);
    BOOL DrawState(CPoint point, CSize size, CBitmap* bitmap, UINT flags);

    // Client coordinates are offset by this from the painter's (a viewport's place in its
    // control).
    void SetDeviceOffset(CPoint offset);

protected:
    // Draws on the image, which this DC owns, with a painter of its own.
    void BeginOnImage(std::unique_ptr<QImage> image);

private:
    friend class CBitmap;
    struct State;
    // The bitmap is going: the DC takes its 1 x 1 bitmap back.
    void ReleaseBitmap(CBitmap* bitmap);
    // Draws on the bitmap from now on.
    void PaintOn(CBitmap* bitmap);
    void ApplyTransform();
    void FillDevice(const QRect& rect, COLORREF colour);
    bool Blit(const QRect& target, CDC* source, const QRect& sourceRect, DWORD rop);
    // The image drawn on: the selected bitmap's, or the DC's own; null on a window.
    QImage* TargetImage() const;

    std::unique_ptr<State> m_state;
};

// The DC of a window handling WM_PAINT; the part to paint is m_ps.rcPaint.
class CPaintDC : public CDC
{
public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps{};

private:
    std::unique_ptr<QPainter> m_painter;
};

// A DC on a copy of the window's client area as it shows now, its child windows left out: what is
// drawn on it stays in the copy (windows draw themselves in WM_PAINT); it serves to measure text
// and to copy the window's pixels. Made while the window paints, the copy holds its background.
class CClientDC : public CDC
{
public:
    explicit CClientDC(CWnd* wnd);
};

class CWindowDC : public CClientDC
{
public:
    using CClientDC::CClientDC;
};

// Colours cross into Qt.
QColor ToQColor(COLORREF colour);
COLORREF FromQColor(const QColor& colour);
