#include "controls/WeavoMenuLayout.h"

#include <algorithm>

namespace WeavoMenuLayout
{
ItemSize MeasureSeparator(const Metrics& metrics)
{
    return {0, metrics.menuBarHeight / 2};
}

ItemSize MeasureItem(const CString& text, const Metrics& metrics, int osClass, int imageWidth,
                     int imageHeight)
{
    int textWidth = metrics.textWidth(text);
    if (osClass == 0 && text.GetLength() > 0)
    {
        const int padded = textWidth + 3;
        textWidth = padded + 3 * (padded / text.GetLength());
    }
    return {textWidth + 2 * imageWidth + 1, std::max(metrics.menuBarHeight, imageHeight + 4)};
}

CString LeadingPart(const CString& text)
{
    const int tab = text.Find('\t');
    return tab < 0 ? text : text.Left(tab);
}

CString AcceleratorPart(const CString& text)
{
    const int tab = text.Find('\t');
    return tab < 0 ? CString() : text.Mid(tab);
}

std::vector<CString> AlignAccelerators(const std::vector<CString>& texts, const Metrics& metrics)
{
    int widest = 0;
    for (const CString& text : texts)
        widest = std::max(widest, metrics.textWidth(LeadingPart(text) + " "));
    std::vector<CString> aligned;
    for (const CString& text : texts)
    {
        if (text.Find('\t') < 0)
        {
            aligned.push_back(text);
            continue;
        }
        CString leading = LeadingPart(text);
        // A space always widens the text; the guard keeps a zero-width font from looping.
        for (int added = 0; metrics.textWidth(leading) < widest && added <= widest; ++added)
            leading += " ";
        aligned.push_back(leading + AcceleratorPart(text));
    }
    return aligned;
}

Style ChooseStyle(COLORREF face, COLORREF menu, bool paletteDevice)
{
    return !paletteDevice && face != menu ? Style::Flat : Style::Classic;
}

COLORREF FaceColour(int osClass, COLORREF face3d, COLORREF menu)
{
    return IsNewShell(osClass) ? face3d : menu;
}

COLORREF Lighten(COLORREF colour, double factor)
{
    const auto lighten = [factor](BYTE c) { return static_cast<BYTE>(c + (255 - c) * factor); };
    return RGB(lighten(GetRValue(colour)), lighten(GetGValue(colour)), lighten(GetBValue(colour)));
}

FlatColours FlatColoursOf(COLORREF face, COLORREF menu, COLORREF highlight, COLORREF grayText)
{
    const bool same = face == menu;
    FlatColours colours;
    colours.textArea = same ? RGB(255, 255, 255) : menu;
    colours.imageColumn = same ? Lighten(face, 0.35) : face;
    colours.selection = Lighten(highlight, same ? 0.85 : 0.7);
    colours.checkedBox = Lighten(highlight, 0.85);
    colours.disabledText = same ? Lighten(grayText, 0.55) : grayText;
    return colours;
}

int ImageOffset(int itemHeight, int imageHeight)
{
    return std::max(0, (itemHeight - imageHeight - 4) / 2);
}
} // namespace WeavoMenuLayout
