#pragma once

#include "platform/core/Types.h"

#include <memory>

class QFont;

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

// A font made from a logical font record, or taken from a window.
class CFont
{
public:
    CFont();
    ~CFont();
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    BOOL CreateFontIndirect(const LOGFONT* logFont);
    // pointSize in tenths of a point.
    BOOL CreatePointFont(int pointSize, LPCTSTR faceName);
    // Fills the record; 0 when there is no font.
    int GetLogFont(LOGFONT* logFont) const;
    BOOL DeleteObject();
    bool IsCreated() const;

    // The Qt font (the application font when none was made) and making one from it.
    QFont GetQFont() const;
    void SetQFont(const QFont& font);

private:
    std::unique_ptr<QFont> m_font;
};
