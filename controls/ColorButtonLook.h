#pragma once

#include "platform/ui/GdiObjects.h"

#include <vector>

// What a colour button shows, worked out from its state without a window.
namespace ColorButtonLook
{
// The three colour states: hover (also while pressed), idle and focused.
enum ColorState
{
    Hover = 0,
    Idle = 1,
    Focused = 2,
};

// A button's state at one draw.
struct State
{
    bool checkBoxMode = false;
    bool checked = false;
    bool selected = false;
    bool menuShown = false;
    bool hovering = false;
    bool focused = false;
    bool disabled = false;
    bool flat = true;
    bool drawBorder = true;
    bool isDefault = false;
};

enum class Border
{
    None,
    SunkenThin,  // flat and pressed: shadow top-left, highlight bottom-right
    ShadowFrame, // not flat and pressed
    RaisedThin,  // flat and hovering: highlight top-left, shadow bottom-right
    Classic3D,   // not flat and not pressed
};

// Checked or selected in check-box mode; otherwise selected, or the attached menu is up.
bool IsPressed(const State& state);
// Which colour pair the background and the enabled caption use.
ColorState ColorStateOf(const State& state);
Border BorderOf(const State& state);
// A black frame goes round a focused or default button that is not flat.
bool HasBlackFrame(const State& state);
// The hover image in check-box mode when checked, else while hovering or pressed; the idle one
// otherwise, when there is one.
bool UsesHoverImage(const State& state, bool hasIdleImage);

// Where the image and the caption go inside the client rectangle. align: 0 image left of the
// caption, 1 above it, 2 right of it; without a caption the image is centred.
struct Placement
{
    CRect image;
    CRect caption;
};
Placement PlaceImage(const CRect& client, CSize image, bool hasCaption, int align, CSize gap);

// The pressed offset of the image and caption for a mode (0: 1,1; 1: 0,2); false for any other.
bool PressedOffsetOf(int mode, CPoint& offset);

// Pixels as 0x00BBGGRR; the transparent colour stays as it is.
COLORREF GreyOf(COLORREF pixel);
COLORREF DarkerOf(COLORREF pixel);
void MakeGrey(std::vector<COLORREF>& pixels, COLORREF transparent);
void MakeDarker(std::vector<COLORREF>& pixels, COLORREF transparent);
// The mask: true (white) where the pixel has the transparent colour; those pixels turn black.
std::vector<bool> MakeMask(std::vector<COLORREF>& pixels, COLORREF transparent);
} // namespace ColorButtonLook
