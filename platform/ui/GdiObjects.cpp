#include "platform/ui/GdiObjects.h"

#include <QApplication>
#include <QFont>
#include <QFontInfo>

#include <algorithm>
#include <cstring>

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
