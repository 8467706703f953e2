#include "controls/WeavoMenu.h"
#include "platform/ui/DC.h"
#include "platform/ui/MenuData.h"
#include "platform/ui/MenuResource.h"
#include "platform/ui/SystemSettings.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <string>
#include <vector>

namespace
{
constexpr UINT IDR_TEST_MENU = 9100;

// Every character 7 pixels wide, but "W" 12; the menu bar 19 high.
WeavoMenuLayout::Metrics FixedMetrics()
{
    WeavoMenuLayout::Metrics metrics;
    metrics.textWidth = [](const CString& text)
    {
        int width = 0;
        for (const char ch : std::string(text.GetString()))
            width += ch == 'W' ? 12 : 7;
        return width;
    };
    metrics.menuBarHeight = 19;
    return metrics;
}

// Installs the fixed metrics for the test's lifetime.
class FixedMetricsScope
{
public:
    FixedMetricsScope() : m_previous(WeavoMenu::SetMetrics(FixedMetrics())) {}
    ~FixedMetricsScope() { WeavoMenu::SetMetrics(m_previous); }

private:
    WeavoMenuLayout::Metrics m_previous;
};

void RegisterTestMenu()
{
    RegisterMenuResource(
        IDR_TEST_MENU,
        {MenuPopup("&File", {MenuCommand("&New\tCtrl+N", 101), MenuCommand("Save &As...", 102),
                             MenuSeparator(), MenuCommand("&Open Wide...\tCtrl+O", 103)}),
         MenuPopup("&Tools", {MenuCommand("&Merge", 104),
                              MenuPopup("&More", {MenuCommand("&Deep\tF5", 105)})})});
}
} // namespace

TEST(WeavoMenuLayoutTest, ItemsAreMeasuredFromTheTextAndTheImageSize)
{
    using namespace WeavoMenuLayout;

    const Metrics metrics = FixedMetrics();
    struct Case
    {
        const char* text;
        int osClass;
        int imageHeight;
        ItemSize size;
    };
    const Case cases[] = {
        {"Save", 3, 15, {4 * 7 + 32 + 1, 19}},
        {"Save", 1, 20, {4 * 7 + 32 + 1, 24}},
        // On a 16-bit host: w = 28, (w + 3) + 3 x ((w + 3) / 4).
        {"Save", 0, 15, {31 + 3 * 7 + 32 + 1, 19}},
        {"W\tF5", 3, 15, {12 + 7 + 7 + 7 + 33, 19}},
    };
    for (const Case& test : cases)
    {
        const ItemSize size = MeasureItem(test.text, metrics, test.osClass, 16, test.imageHeight);
        EXPECT_EQ(size.width, test.size.width) << test.text << " " << test.osClass;
        EXPECT_EQ(size.height, test.size.height) << test.text << " " << test.osClass;
    }
    const ItemSize separator = MeasureSeparator(metrics);
    EXPECT_EQ(separator.width, 0);
    EXPECT_EQ(separator.height, 9);
}

TEST(WeavoMenuLayoutTest, ShortcutsOfAPopupStartAtOneX)
{
    using namespace WeavoMenuLayout;

    const Metrics metrics = FixedMetrics();
    const std::vector<CString> texts = {"&New\tCtrl+N", "Save &As...", "WW\tCtrl+W", "E&xit",
                                        "&Open...\tCtrl+O"};
    const std::vector<CString> aligned = AlignAccelerators(texts, metrics);
    // The widest leading part is "Save &As..." with a space: 12 x 7 = 84 pixels.
    const auto padded = [](const char* leading, int spaces, const char* shortcut)
    { return CString(leading) + CString(' ', spaces) + "\t" + shortcut; };
    const std::vector<CString> expected = {padded("&New", 8, "Ctrl+N"), "Save &As...",
                                           padded("WW", 9, "Ctrl+W"), "E&xit",
                                           padded("&Open...", 4, "Ctrl+O")};
    EXPECT_EQ(aligned, expected);
    // Leading parts of equal-width letters end at one x; others less than a space past it.
    EXPECT_EQ(metrics.textWidth(LeadingPart(aligned[0])), 84);
    EXPECT_EQ(metrics.textWidth(LeadingPart(aligned[4])), 84);
    EXPECT_EQ(metrics.textWidth(LeadingPart(aligned[2])), 87);
}

TEST(WeavoMenuLayoutTest, TheStyleAndTheFlatColoursFollowTheSystemColours)
{
    using namespace WeavoMenuLayout;

    EXPECT_EQ(ChooseStyle(RGB(192, 192, 192), RGB(255, 255, 255), false), Style::Flat);
    EXPECT_EQ(ChooseStyle(RGB(192, 192, 192), RGB(192, 192, 192), false), Style::Classic);
    EXPECT_EQ(ChooseStyle(RGB(192, 192, 192), RGB(255, 255, 255), true), Style::Classic);
    EXPECT_EQ(FaceColour(3, RGB(1, 2, 3), RGB(4, 5, 6)), RGB(1, 2, 3));
    EXPECT_EQ(FaceColour(2, RGB(1, 2, 3), RGB(4, 5, 6)), RGB(4, 5, 6));
    EXPECT_EQ(Lighten(RGB(0, 100, 255), 0.5), RGB(127, 177, 255));

    const FlatColours differ =
        FlatColoursOf(RGB(200, 200, 200), RGB(250, 250, 250), RGB(0, 0, 128), RGB(100, 100, 100));
    EXPECT_EQ(differ.textArea, RGB(250, 250, 250));
    EXPECT_EQ(differ.imageColumn, RGB(200, 200, 200));
    EXPECT_EQ(differ.selection, RGB(178, 178, 216));
    EXPECT_EQ(differ.disabledText, RGB(100, 100, 100));
    const FlatColours same =
        FlatColoursOf(RGB(200, 200, 200), RGB(200, 200, 200), RGB(0, 0, 128), RGB(100, 100, 100));
    EXPECT_EQ(same.textArea, RGB(255, 255, 255));
    EXPECT_EQ(same.imageColumn, RGB(219, 219, 219));
    EXPECT_EQ(same.selection, RGB(216, 216, 235));
    EXPECT_EQ(same.disabledText, RGB(185, 185, 185));
    EXPECT_EQ(ImageOffset(19, 15), 0);
    EXPECT_EQ(ImageOffset(30, 15), 5);
}

TEST(WeavoMenuTest, ALoadedMenuIsOwnerDrawnBelowThePlainBar)
{
    FixedMetricsScope metrics;
    RegisterTestMenu();
    WeavoMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MENU));
    ASSERT_EQ(menu.GetMenuItemCount(), 2);
    const HMENU bar = menu.GetSafeHmenu();
    EXPECT_EQ(bar->items[0].text, "&File");
    EXPECT_EQ(bar->items[0].flags & MF_OWNERDRAW, 0u);
    EXPECT_EQ(bar->items[1].text, "&Tools");

    WeavoMenu* file = menu.GetPopupMenu(0);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(CMenu::FromHandlePermanent(file->GetSafeHmenu()), file);
    std::vector<std::string> texts;
    for (int position = 0; position < file->GetMenuItemCount(); ++position)
    {
        const WeavoMenuData* record = file->GetItemRecord(position);
        ASSERT_NE(record, nullptr);
        EXPECT_NE(file->GetMenuState(static_cast<UINT>(position), MF_BYPOSITION) & MF_OWNERDRAW,
                  0u);
        texts.push_back((record->flags & MF_SEPARATOR) != 0 ? "-" : record->text.GetString());
    }
    // The widest leading part with a space: "&Open Wide... ", 12 x 7 + 12 + 7 pixels.
    EXPECT_EQ(texts, (std::vector<std::string>{"&New" + std::string(11, ' ') + "\tCtrl+N",
                                               "Save &As...", "-", "&Open Wide... \tCtrl+O"}));

    int position = -1;
    WeavoMenu* tools = menu.GetPopupMenu(1);
    ASSERT_NE(tools, nullptr);
    EXPECT_EQ(menu.FindMenuOption(105, position), tools->GetPopupMenu(1));
    EXPECT_EQ(position, 0);
    EXPECT_EQ(menu.FindMenuOption(103, position), file);
    EXPECT_EQ(position, 3);
    EXPECT_EQ(menu.FindMenuOption(999, position), nullptr);
    EXPECT_EQ(position, -1);
    EXPECT_EQ(WeavoMenu::AllPopups().size(), 3u);

    MEASUREITEMSTRUCT separator{ODT_MENU, 0, 0, 0, 0, file->GetSafeHmenu()->items[2].itemData};
    file->MeasureItem(&separator);
    EXPECT_EQ(separator.itemWidth, 0u);
    EXPECT_EQ(separator.itemHeight, 9u);
    EXPECT_TRUE(file->ModifyODMenu("&Neu", 101, nullptr, -1));
    EXPECT_EQ(file->GetItemRecord(0)->text, "&Neu");

    menu.DestroyMenu();
    EXPECT_TRUE(WeavoMenu::AllPopups().empty());
    EXPECT_FALSE(menu.LoadMenu(9199));
}

TEST(WeavoMenuTest, TheStyleSwitchesWhenTheMenuColourMeetsTheFaceColour)
{
    FixedMetricsScope metrics;
    RegisterTestMenu();
    WeavoMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MENU));
    WeavoMenu* file = menu.GetPopupMenu(0);
    const int colours[] = {COLOR_MENU, COLOR_3DFACE};
    // The first item drawn in the state, as 0xRRGGBB pixels.
    const auto drawn = [file](UINT state)
    {
        QImage picture(200, 20, QImage::Format_RGB32);
        picture.fill(Qt::black);
        QPainter painter(&picture);
        CDC dc;
        dc.Attach(&painter);
        DRAWITEMSTRUCT draw{ODT_MENU,
                            0,
                            101,
                            ODA_DRAWENTIRE,
                            state,
                            nullptr,
                            &dc,
                            {0, 0, 200, 20},
                            file->GetSafeHmenu()->items[0].itemData};
        file->DrawItem(&draw);
        dc.Detach();
        painter.end();
        return picture;
    };
    const auto pixel = [](const QImage& picture, int x, int y)
    { return picture.pixel(x, y) & 0xFFFFFF; };
    // A pixel in the text area, right of the image column, above the text; one in the column.
    const auto drawnAt = [&](UINT state)
    {
        const QImage picture = drawn(state);
        return std::pair(pixel(picture, 150, 1), pixel(picture, 2, 1));
    };
    // The picture's top-left pixel and the one right of and below its bottom-right corner.
    const auto pictureAt = [&](UINT state)
    {
        const QImage picture = drawn(state);
        return std::pair(pixel(picture, 2, 2), pixel(picture, 18, 17));
    };
    const COLORREF flat[] = {RGB(255, 255, 255), RGB(192, 192, 192)};
    ASSERT_TRUE(SetSysColors(2, colours, flat));
    const auto [flatText, flatColumn] = drawnAt(0);
    const COLORREF classic[] = {RGB(192, 192, 192), RGB(192, 192, 192)};
    ASSERT_TRUE(SetSysColors(2, colours, classic));
    const auto [classicText, classicColumn] = drawnAt(0);
    const auto [selectedText, selectedColumn] = drawnAt(ODS_SELECTED);
    CImageList images;
    images.Create(16, 15, ILC_COLOR32 | ILC_MASK, 1, 0);
    images.AddColor(0x000080);
    ASSERT_TRUE(file->ModifyODMenu(nullptr, 101, &images, 0));
    const auto [enabledCorner, enabledBeyond] = pictureAt(0);
    const auto [disabledCorner, disabledBeyond] = pictureAt(ODS_GRAYED);
    RestoreSysColors();
    EXPECT_EQ(enabledCorner, 0x000080u);
    EXPECT_EQ(enabledBeyond, 0xC0C0C0u);
    // Embossed: the shadow in place, the highlight one pixel right and down.
    EXPECT_EQ(disabledCorner, 0x808080u);
    EXPECT_EQ(disabledBeyond, 0xFFFFFFu);
    EXPECT_EQ(flatText, 0xFFFFFFu);
    EXPECT_EQ(flatColumn, 0xC0C0C0u);
    EXPECT_EQ(classicText, 0xC0C0C0u);
    EXPECT_EQ(classicColumn, 0xC0C0C0u);
    // Classic selection without an image covers the whole item.
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    const unsigned highlightRgb =
        (GetRValue(highlight) << 16) | (GetGValue(highlight) << 8) | GetBValue(highlight);
    EXPECT_EQ(selectedText, highlightRgb);
    EXPECT_EQ(selectedColumn, highlightRgb);
}
