#pragma once

#include "platform/core/CString.h"
#include "platform/ui/GdiObjects.h"

#include <functional>
#include <vector>

// The sizes, texts and colours of the owner-drawn menu, worked out without a window from the
// metrics of the host.
namespace WeavoMenuLayout
{
// The operating-system class: 0 a 16-bit host extension, 1 a 32-bit consumer system of major
// version 4 or later, 2 an NT system before 4, 3 NT 4 or later. Classes 1 and 3 have the new
// shell.
constexpr int kNewNtClass = 3;
constexpr bool IsNewShell(int osClass)
{
    return osClass == 1 || osClass == 3;
}

// What the measuring needs of the host: the width of a text in the menu font, and the menu-bar
// height (SM_CYMENU).
struct Metrics
{
    std::function<int(const CString& text)> textWidth;
    int menuBarHeight = 0;
};

struct ItemSize
{
    int width = 0;
    int height = 0;
};

// A separator: 0 wide, half the menu-bar height high.
ItemSize MeasureSeparator(const Metrics& metrics);
// The text's width, two image columns and one pixel wide; the menu bar's height or the image's
// and 4, whichever is larger. On a 16-bit host the width is worked out from the drawn width w as
// (w + 3) + 3 x ((w + 3) / characters).
ItemSize MeasureItem(const CString& text, const Metrics& metrics, int osClass, int imageWidth,
                     int imageHeight);

// The part before the tab (the whole text without one) and the part after it.
CString LeadingPart(const CString& text);
CString AcceleratorPart(const CString& text);
// Every text with a tab gets spaces before the tab until its leading part is at least as wide
// as the widest leading part of all the texts with one space appended.
std::vector<CString> AlignAccelerators(const std::vector<CString>& texts, const Metrics& metrics);

enum class Style
{
    Classic,
    Flat,
};
// Flat when the face colour differs from the menu colour, classic when they are equal and on a
// palette device.
Style ChooseStyle(COLORREF face, COLORREF menu, bool paletteDevice);
// The face colour the drawing compares: the 3-D face colour on a new-shell system, else the
// menu colour.
COLORREF FaceColour(int osClass, COLORREF face3d, COLORREF menu);

// Each of red, green and blue c becomes c + (255 - c) x factor, truncated.
COLORREF Lighten(COLORREF colour, double factor);

// The colours of the flat style.
struct FlatColours
{
    COLORREF textArea = 0;
    COLORREF imageColumn = 0;
    COLORREF selection = 0;
    COLORREF checkedBox = 0;
    COLORREF disabledText = 0;
};
FlatColours FlatColoursOf(COLORREF face, COLORREF menu, COLORREF highlight, COLORREF grayText);

// The vertical offset of the image box in an item of that height.
int ImageOffset(int itemHeight, int imageHeight);
} // namespace WeavoMenuLayout
