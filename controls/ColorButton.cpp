#include "controls/ColorButton.h"

#include "platform/ui/DC.h"
#include "platform/ui/DesktopServices.h"
#include "platform/ui/Menu.h"
#include "platform/ui/SystemSettings.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <algorithm>
#include <cstring>

namespace
{
constexpr std::size_t kMaxUrl = 260;

std::vector<COLORREF> PixelsOf(const QImage& image)
{
    std::vector<COLORREF> pixels;
    pixels.reserve(static_cast<std::size_t>(image.width()) * image.height());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
        {
            const QRgb pixel = image.pixel(x, y);
            pixels.push_back(RGB(qRed(pixel), qGreen(pixel), qBlue(pixel)));
        }
    return pixels;
}

QImage ImageOf(const std::vector<COLORREF>& pixels, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
        {
            const COLORREF pixel = pixels[static_cast<std::size_t>(y) * width + x];
            image.setPixel(x, y, qRgb(GetRValue(pixel), GetGValue(pixel), GetBValue(pixel)));
        }
    return image;
}

// The bitmap with its transparent pixels black, and the mask that is white where they were.
bool MakeMaskedImage(const QImage& source, COLORREF transparent, CBitmap& bitmap, CBitmap& mask)
{
    std::vector<COLORREF> pixels = PixelsOf(source);
    const std::vector<bool> clear = ColorButtonLook::MakeMask(pixels, transparent);
    std::vector<COLORREF> maskPixels(clear.size());
    std::transform(clear.begin(), clear.end(), maskPixels.begin(),
                   [](bool white) { return white ? RGB(255, 255, 255) : RGB(0, 0, 0); });
    bitmap.SetImage(ImageOf(pixels, source.width(), source.height()));
    mask.SetImage(
        ImageOf(maskPixels, source.width(), source.height()).convertToFormat(QImage::Format_Mono));
    return mask.GetImage() != nullptr && !mask.GetImage()->isNull();
}
} // namespace

ColorButton::ColorButton()
{
    SetDefaultColors(FALSE);
}

ColorButton::~ColorButton()
{
    FreeIcons();
}

void ColorButton::FreeIcons()
{
    for (HICON* icon : {&m_hoverIcon, &m_idleIcon})
    {
        if (*icon != nullptr)
            DestroyIcon(*icon);
        *icon = nullptr;
    }
}

void ColorButton::SetIcons(HICON hover, HICON idle)
{
    FreeIcons();
    m_hoverIcon = hover;
    m_idleIcon = idle;
    Invalidate();
}

void ColorButton::FreeBitmaps()
{
    m_hoverImage = Image{};
    m_idleImage = Image{};
}

CBitmap* ColorButton::GetBitmap(bool hover) const
{
    return hover ? m_hoverImage.bitmap.get() : m_idleImage.bitmap.get();
}

DWORD ColorButton::SetBitmaps(int hoverId, COLORREF hoverTransparent, int idleId,
                              COLORREF idleTransparent)
{
    FreeBitmaps();
    const QImage hover = LoadBitmapResource(static_cast<UINT>(hoverId) & 0xFFFF);
    if (hover.isNull())
        return BTNST_INVALIDRESOURCE;
    QImage idle;
    COLORREF idleKey = idleTransparent;
    if (idleId == BTNST_AUTO_GRAY || idleId == BTNST_AUTO_DARKER)
    {
        std::vector<COLORREF> pixels = PixelsOf(hover);
        if (idleId == BTNST_AUTO_GRAY)
            ColorButtonLook::MakeGrey(pixels, hoverTransparent);
        else
            ColorButtonLook::MakeDarker(pixels, hoverTransparent);
        idle = ImageOf(pixels, hover.width(), hover.height());
        idleKey = hoverTransparent;
    }
    else if (idleId != 0)
    {
        idle = LoadBitmapResource(static_cast<UINT>(idleId) & 0xFFFF);
        if (idle.isNull())
            return BTNST_INVALIDRESOURCE;
    }
    Image made{std::make_unique<CBitmap>(), std::make_unique<CBitmap>()};
    bool masked = MakeMaskedImage(hover, hoverTransparent, *made.bitmap, *made.mask);
    m_hoverImage = std::move(made);
    if (!idle.isNull())
    {
        Image second{std::make_unique<CBitmap>(), std::make_unique<CBitmap>()};
        masked = masked && MakeMaskedImage(idle, idleKey, *second.bitmap, *second.mask);
        m_idleImage = std::move(second);
    }
    if (!masked)
    {
        FreeBitmaps();
        return BTNST_FAILEDMASK;
    }
    Invalidate();
    return BTNST_OK;
}

DWORD ColorButton::SetPressedOffset(int mode, BOOL repaint)
{
    if (!ColorButtonLook::PressedOffsetOf(mode, m_pressedOffset))
        return BTNST_INVALIDPRESSEDSTYLE;
    if (repaint)
        Invalidate();
    return BTNST_OK;
}

void ColorButton::SetCheck(int checked, BOOL repaint)
{
    if (!m_checkBoxMode)
        return;
    m_checked = checked != 0;
    if (repaint)
        Invalidate();
}

void ColorButton::SetDefaultColors(BOOL repaint)
{
    for (int state = ColorButtonLook::Hover; state <= ColorButtonLook::Focused; ++state)
    {
        m_backgrounds[state] = GetSysColor(COLOR_3DFACE);
        m_texts[state] = GetSysColor(COLOR_BTNTEXT);
    }
    if (repaint)
        Invalidate();
}

void ColorButton::SetColor(ColorButtonLook::ColorState state, COLORREF background, COLORREF text,
                           BOOL repaint)
{
    m_backgrounds[state] = background;
    m_texts[state] = text;
    if (repaint)
        Invalidate();
}

COLORREF ColorButton::GetBackgroundColor(ColorButtonLook::ColorState state) const
{
    return m_backgrounds[state];
}

COLORREF ColorButton::GetTextColor(ColorButtonLook::ColorState state) const
{
    return m_texts[state];
}

void ColorButton::SetFlat(BOOL flat, BOOL repaint)
{
    m_flat = flat != FALSE;
    if (repaint)
        Invalidate();
}

void ColorButton::DrawTransparent(BOOL repaint)
{
    m_transparent = true;
    m_parentBackground.reset();
    if (repaint)
        Invalidate();
}

void ColorButton::PaintParentBackground(CDC* dc, const CRect& rect)
{
    QWidget* widget = GetSafeHwnd();
    QWidget* parent = widget != nullptr ? widget->parentWidget() : nullptr;
    if (parent == nullptr)
        return;
    if (!m_parentBackground)
    {
        // The parent's own background only: its children (this button too) are not drawn.
        QImage captured(widget->size(), QImage::Format_RGB32);
        parent->render(&captured, QPoint(), QRegion(widget->geometry()),
                       QWidget::DrawWindowBackground);
        m_parentBackground = std::make_unique<CBitmap>();
        m_parentBackground->SetImage(captured);
    }
    CDC memory;
    memory.CreateCompatibleDC(dc);
    CBitmap* previous = memory.SelectObject(m_parentBackground.get());
    dc->BitBlt(rect.left, rect.top, rect.Width(), rect.Height(), &memory, 0, 0, SRCCOPY);
    memory.SelectObject(previous);
}

void ColorButton::SetAlign(int align, BOOL repaint)
{
    if (align >= 0 && align <= 2)
        m_align = align;
    if (repaint)
        Invalidate();
}

void ColorButton::SetURL(const char* url)
{
    m_url = url != nullptr ? CString(url, static_cast<int>(strnlen(url, kMaxUrl))) : CString();
}

BOOL ColorButton::SetMenu(UINT menuId, CWnd* commandWindow)
{
    auto menu = std::make_unique<CMenu>();
    if (!menu->LoadMenu(menuId))
        return FALSE;
    m_menu = std::move(menu);
    m_menuOwner = commandWindow;
    return TRUE;
}

void ColorButton::SetMenuCallback(CWnd* window, UINT message, LPARAM parameter)
{
    m_callbackWindow = window;
    m_callbackMessage = message;
    m_callbackParameter = parameter;
}

void ColorButton::SetTooltipText(const char* text)
{
    m_toolTipText = text != nullptr ? text : "";
    if (!m_toolTip)
        return;
    if (m_toolTip->GetToolCount() == 0)
        m_toolTip->AddTool(this, m_toolTipText);
    else
        m_toolTip->UpdateTipText(m_toolTipText, this);
    m_toolTip->Activate(TRUE);
}

void ColorButton::SetSound(const char* sound, BOOL onClick)
{
    (onClick ? m_clickSound : m_hoverSound) = sound != nullptr ? sound : "";
}

BOOL ColorButton::PreTranslateMessage(MSG* msg)
{
    if (!m_toolTip)
    {
        m_toolTip = std::make_unique<CToolTipCtrl>();
        m_toolTip->Create(this);
        m_toolTip->Activate(FALSE);
        m_toolTip->SetMaxTipWidth(400);
        if (!m_toolTipText.IsEmpty())
        {
            m_toolTip->AddTool(this, m_toolTipText);
            m_toolTip->Activate(TRUE);
        }
    }
    m_toolTip->RelayEvent(msg);
    // A double click reaches the button as a second press already (the widget's own handling).
    return CButton::PreTranslateMessage(msg);
}

void ColorButton::TakeStyle(UINT style)
{
    const UINT type = style & BS_TYPEMASK;
    if (type == BS_AUTOCHECKBOX)
        m_checkBoxMode = true;
    if (type == BS_DEFPUSHBUTTON)
        m_isDefault = true;
    else if (type == BS_PUSHBUTTON)
        m_isDefault = false;
}

void ColorButton::PreSubclassWindow()
{
    TakeStyle(GetButtonStyle());
    SetButtonStyle((GetButtonStyle() & ~BS_TYPEMASK) | BS_OWNERDRAW, FALSE);
    CButton::PreSubclassWindow();
}

LRESULT ColorButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case BM_SETSTYLE:
        TakeStyle(static_cast<UINT>(wParam));
        SetButtonStyle((static_cast<UINT>(wParam) & ~BS_TYPEMASK) | BS_OWNERDRAW,
                       static_cast<BOOL>(lParam));
        return 0;
    case BM_SETCHECK:
        m_checked = wParam == BST_CHECKED || wParam == BST_INDETERMINATE;
        Invalidate();
        return 0;
    case BM_GETCHECK:
        return GetCheck();
    default:
        return CButton::WindowProc(message, wParam, lParam);
    }
}

UINT ColorButton::OnGetDlgCode()
{
    return CButton::OnGetDlgCode() | (m_isDefault ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

void ColorButton::OnMouseMove(UINT flags, CPoint point)
{
    CButton::OnMouseMove(flags, point);
    if ((flags & MK_LBUTTON) != 0 && !m_hovering)
        return;
    if (!m_flat)
        return;
    // Mouse moves reach the button while the cursor is over it, or while it has the capture.
    CRect client;
    GetClientRect(&client);
    const bool over = client.PtInRect(point) != FALSE;
    const bool active = m_trackInactive || QApplication::activeWindow() != nullptr;
    if (over && active)
    {
        if (!m_hovering)
        {
            m_hovering = true;
            Invalidate();
            if (!m_hoverSound.IsEmpty())
                PlaySound(m_hoverSound, nullptr, SND_ASYNC | SND_NODEFAULT);
            TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, GetSafeHwnd(), 0};
            TrackMouseEvent(&track);
        }
    }
    else
    {
        EndHover();
    }
}

void ColorButton::EndHover()
{
    if (!m_hovering)
        return;
    m_hovering = false;
    Invalidate();
}

void ColorButton::OnMouseLeave()
{
    EndHover();
    CButton::OnMouseLeave();
}

void ColorButton::OnKillFocus(CWnd* newWnd)
{
    CButton::OnKillFocus(newWnd);
    EndHover();
}

void ColorButton::OnEnable(BOOL enable)
{
    CButton::OnEnable(enable);
    if (enable)
        return;
    EndHover();
    QWidget* widget = GetSafeHwnd();
    if (widget == nullptr || !widget->hasFocus())
        return;
    QWidget* next = widget->nextInFocusChain();
    if (next != nullptr && next != widget && next->isEnabled() && next->isVisible())
        next->setFocus();
    else if (GetParent() != nullptr)
        GetParent()->SetFocus();
}

void ColorButton::OnSysColorChange()
{
    CButton::OnSysColorChange();
    m_parentBackground.reset();
    SetDefaultColors();
}

BOOL ColorButton::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message)
{
    if (m_cursor == nullptr)
        return CButton::OnSetCursor(wnd, hitTest, message);
    SetCursor(m_cursor);
    return TRUE;
}

BOOL ColorButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED)
        OnClicked();
    return CButton::OnChildNotify(message, wParam, lParam, result);
}

void ColorButton::OnClicked()
{
    SetFocus();
    if (!m_clickSound.IsEmpty())
        PlaySound(m_clickSound, nullptr, SND_ASYNC | SND_NODEFAULT);
    if (m_checkBoxMode)
    {
        m_checked = !m_checked;
        Invalidate();
    }
    else if (m_menu)
    {
        ShowMenu();
    }
    else if (!m_url.IsEmpty())
    {
        ShellExecute(nullptr, "open", m_url, nullptr, nullptr, SW_SHOWMAXIMIZED);
    }
}

void ColorButton::ShowMenu()
{
    m_menuShown = true;
    Invalidate();
    CMenu* popup = m_menu->GetSubMenu(0);
    if (popup != nullptr)
    {
        if (m_callbackWindow != nullptr)
            m_callbackWindow->SendMessage(m_callbackMessage,
                                          reinterpret_cast<WPARAM>(popup->GetSafeHmenu()),
                                          m_callbackParameter);
        CRect window;
        GetWindowRect(&window);
        const BOOL command =
            popup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_NONOTIFY | TPM_RETURNCMD,
                                  window.left, window.bottom, this);
        if (command != 0 && m_menuOwner != nullptr)
            m_menuOwner->PostMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(command), 0), 0);
    }
    m_menuShown = false;
    Invalidate();
}

ColorButtonLook::State ColorButton::StateOf(UINT itemState) const
{
    ColorButtonLook::State state;
    state.checkBoxMode = m_checkBoxMode;
    state.checked = m_checked;
    state.selected = (itemState & ODS_SELECTED) != 0;
    state.menuShown = m_menuShown;
    state.hovering = m_hovering;
    state.focused = (itemState & ODS_FOCUS) != 0;
    state.disabled = (itemState & ODS_DISABLED) != 0;
    state.flat = m_flat;
    state.drawBorder = m_drawBorder;
    state.isDefault = m_isDefault;
    return state;
}

void ColorButton::DrawItem(LPDRAWITEMSTRUCT drawItem)
{
    CDC* dc = drawItem->hDC;
    m_drawn = StateOf(drawItem->itemState);
    dc->SetBkMode(TRANSPARENT);
    CRect rect(drawItem->rcItem);
    if (m_transparent)
        PaintParentBackground(dc, rect);
    DrawBackground(dc, &rect);
    DrawBorder(dc, &rect);
    CString caption;
    GetWindowText(caption);
    CRect client(drawItem->rcItem);
    CRect captionRect = client;
    if (m_hoverIcon != nullptr || m_hoverImage.bitmap)
    {
        const CSize size = m_hoverIcon != nullptr
                               ? CSize(m_hoverIcon->width(), m_hoverIcon->height())
                               : m_hoverImage.bitmap->GetBitmapDimension();
        ColorButtonLook::Placement placement =
            ColorButtonLook::PlaceImage(client, size, !caption.IsEmpty(), m_align, m_gap);
        if (ColorButtonLook::IsPressed(m_drawn) && !m_checkBoxMode)
            placement.image.OffsetRect(m_pressedOffset);
        if (m_hoverIcon != nullptr)
            DrawIcon(dc, placement.image);
        else
            DrawBitmap(dc, placement.image);
        captionRect = placement.caption;
    }
    if (!caption.IsEmpty())
        DrawText(dc, caption, captionRect);
    if (m_drawn.focused && (!m_flat || m_focusInFlat))
    {
        CRect focus(drawItem->rcItem);
        focus.DeflateRect(3, 3);
        dc->DrawFocusRect(&focus);
    }
}

void ColorButton::DrawBackground(CDC* dc, CRect* rect)
{
    if (ColorButtonLook::HasBlackFrame(m_drawn))
    {
        CBrush black(RGB(0, 0, 0));
        dc->FrameRect(rect, &black);
        rect->DeflateRect(1, 1);
    }
    if (!m_transparent)
        dc->FillSolidRect(rect, m_backgrounds[ColorButtonLook::ColorStateOf(m_drawn)]);
}

void ColorButton::DrawBorder(CDC* dc, CRect* rect)
{
    const COLORREF highlight = GetSysColor(COLOR_3DHIGHLIGHT);
    const COLORREF shadow = GetSysColor(COLOR_3DSHADOW);
    switch (ColorButtonLook::BorderOf(m_drawn))
    {
    case ColorButtonLook::Border::SunkenThin:
        dc->Draw3dRect(rect, shadow, highlight);
        break;
    case ColorButtonLook::Border::ShadowFrame:
    {
        CBrush frame(shadow);
        dc->FrameRect(rect, &frame);
        break;
    }
    case ColorButtonLook::Border::RaisedThin:
        dc->Draw3dRect(rect, highlight, shadow);
        break;
    case ColorButtonLook::Border::Classic3D:
    {
        CRect outer = *rect;
        dc->Draw3dRect(&outer, highlight, GetSysColor(COLOR_3DDKSHADOW));
        outer.DeflateRect(1, 1);
        dc->Draw3dRect(&outer, GetSysColor(COLOR_3DLIGHT), shadow);
        break;
    }
    case ColorButtonLook::Border::None:
        break;
    }
}

void ColorButton::DrawIcon(CDC* dc, const CRect& rect)
{
    const HICON icon =
        ColorButtonLook::UsesHoverImage(m_drawn, m_idleIcon != nullptr) || m_idleIcon == nullptr
            ? m_hoverIcon
            : m_idleIcon;
    dc->DrawState(rect.TopLeft(), rect.Size(), icon, m_drawn.disabled ? DSS_DISABLED : DSS_NORMAL);
}

void ColorButton::DrawBitmap(CDC* dc, const CRect& rect)
{
    const bool hover = ColorButtonLook::UsesHoverImage(m_drawn, m_idleImage.bitmap != nullptr);
    const Image& image = hover || !m_idleImage.bitmap ? m_hoverImage : m_idleImage;
    if (m_drawn.disabled && m_greyedBitmap)
    {
        // The masked image composed on white, then drawn with the disabled effect.
        QImage composed = image.bitmap->GetImage()->convertToFormat(QImage::Format_RGB32);
        const QImage mask = image.mask->GetImage()->convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < composed.height(); ++y)
            for (int x = 0; x < composed.width(); ++x)
                if (qRed(mask.pixel(x, y)) != 0)
                    composed.setPixel(x, y, qRgb(255, 255, 255));
        CBitmap white;
        white.SetImage(composed);
        dc->DrawState(rect.TopLeft(), rect.Size(), &white, DSS_DISABLED);
        return;
    }
    CDC memory;
    memory.CreateCompatibleDC(dc);
    CBitmap* previous = memory.SelectObject(image.mask.get());
    dc->BitBlt(rect.left, rect.top, rect.Width(), rect.Height(), &memory, 0, 0, SRCAND);
    memory.SelectObject(image.bitmap.get());
    dc->BitBlt(rect.left, rect.top, rect.Width(), rect.Height(), &memory, 0, 0, SRCPAINT);
    memory.SelectObject(previous);
}

void ColorButton::DrawText(CDC* dc, const CString& caption, CRect rect)
{
    CRect measured = rect;
    dc->DrawText(caption, &measured, DT_WORDBREAK | DT_CENTER | DT_CALCRECT);
    const int height = measured.Height();
    rect.top += (rect.Height() - height) / 2;
    rect.bottom = rect.top + height;
    if (ColorButtonLook::IsPressed(m_drawn) && !m_checkBoxMode)
        rect.OffsetRect(m_pressedOffset);
    if (m_drawn.disabled)
    {
        CRect raised = rect;
        raised.OffsetRect(1, 1);
        dc->SetTextColor(GetSysColor(COLOR_3DHIGHLIGHT));
        dc->DrawText(caption, &raised, DT_WORDBREAK | DT_CENTER);
        dc->SetTextColor(GetSysColor(COLOR_3DSHADOW));
        dc->DrawText(caption, &rect, DT_WORDBREAK | DT_CENTER);
        return;
    }
    const ColorButtonLook::ColorState state = ColorButtonLook::ColorStateOf(m_drawn);
    dc->SetTextColor(m_texts[state]);
    dc->SetBkColor(m_backgrounds[state]);
    dc->DrawText(caption, &rect, DT_WORDBREAK | DT_CENTER);
}
