#include "controls/ColorButtonLook.h"

namespace ColorButtonLook
{
bool IsPressed(const State& state)
{
    if (state.checkBoxMode)
        return state.selected || state.checked;
    return state.selected || state.menuShown;
}

ColorState ColorStateOf(const State& state)
{
    if (state.hovering || IsPressed(state))
        return Hover;
    return state.focused ? Focused : Idle;
}

Border BorderOf(const State& state)
{
    if (IsPressed(state))
    {
        if (!state.flat)
            return Border::ShadowFrame;
        return state.drawBorder ? Border::SunkenThin : Border::None;
    }
    if (!state.flat)
        return Border::Classic3D;
    return state.hovering && state.drawBorder ? Border::RaisedThin : Border::None;
}

bool HasBlackFrame(const State& state)
{
    return !state.flat && (state.focused || state.isDefault);
}

bool UsesHoverImage(const State& state, bool hasIdleImage)
{
    if (!hasIdleImage)
        return true;
    if (state.checkBoxMode)
        return state.checked;
    return state.hovering || IsPressed(state);
}

Placement PlaceImage(const CRect& client, CSize image, bool hasCaption, int align, CSize gap)
{
    Placement placement{CRect(), client};
    const int centredX = client.left + (client.Width() - image.cx) / 2;
    const int centredY = client.top + (client.Height() - image.cy) / 2;
    if (!hasCaption)
    {
        placement.image = CRect(CPoint(centredX, centredY), image);
        return placement;
    }
    switch (align)
    {
    case 1:
        placement.image = CRect(CPoint(centredX, client.top + gap.cy), image);
        placement.caption.top += image.cy;
        break;
    case 2:
        placement.image = CRect(CPoint(client.right - gap.cx - image.cx, centredY), image);
        placement.caption.left += gap.cx;
        placement.caption.right = placement.image.left;
        break;
    default:
        placement.image = CRect(CPoint(client.left + gap.cx, centredY), image);
        placement.caption.left += gap.cx + image.cx;
        break;
    }
    return placement;
}

bool PressedOffsetOf(int mode, CPoint& offset)
{
    if (mode == 0)
        offset = CPoint(1, 1);
    else if (mode == 1)
        offset = CPoint(0, 2);
    else
        return false;
    return true;
}

COLORREF GreyOf(COLORREF pixel)
{
    const auto luminance = static_cast<BYTE>(0.299 * GetRValue(pixel) + 0.587 * GetGValue(pixel) +
                                             0.114 * GetBValue(pixel));
    return RGB(luminance, luminance, luminance);
}

COLORREF DarkerOf(COLORREF pixel)
{
    const auto darker = [](BYTE channel) { return static_cast<BYTE>(channel - channel * 0.25); };
    return RGB(darker(GetRValue(pixel)), darker(GetGValue(pixel)), darker(GetBValue(pixel)));
}

namespace
{
template <typename Change>
void ChangeOpaque(std::vector<COLORREF>& pixels, COLORREF transparent, Change change)
{
    for (COLORREF& pixel : pixels)
    {
        if (pixel != transparent)
            pixel = change(pixel);
    }
}
} // namespace

void MakeGrey(std::vector<COLORREF>& pixels, COLORREF transparent)
{
    ChangeOpaque(pixels, transparent, GreyOf);
}

void MakeDarker(std::vector<COLORREF>& pixels, COLORREF transparent)
{
    ChangeOpaque(pixels, transparent, DarkerOf);
}

std::vector<bool> MakeMask(std::vector<COLORREF>& pixels, COLORREF transparent)
{
    std::vector<bool> mask(pixels.size());
    for (std::size_t index = 0; index < pixels.size(); ++index)
    {
        mask[index] = pixels[index] == transparent;
        if (mask[index])
            pixels[index] = RGB(0, 0, 0);
    }
    return mask;
}
} // namespace ColorButtonLook
