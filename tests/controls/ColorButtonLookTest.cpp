#include "controls/ColorButtonLook.h"

#include <gtest/gtest.h>

TEST(ColorButtonLookTest, DerivedPixelsAreGreyOrAQuarterDarkerAndTheTransparentOnesStay)
{
    using namespace ColorButtonLook;

    EXPECT_EQ(GreyOf(RGB(255, 0, 0)), RGB(76, 76, 76));
    EXPECT_EQ(GreyOf(RGB(0, 255, 0)), RGB(149, 149, 149));
    EXPECT_EQ(GreyOf(RGB(0, 0, 255)), RGB(29, 29, 29));
    EXPECT_EQ(GreyOf(RGB(255, 255, 255)), RGB(255, 255, 255));
    EXPECT_EQ(DarkerOf(RGB(200, 100, 40)), RGB(150, 75, 30));
    EXPECT_EQ(DarkerOf(RGB(255, 3, 1)), RGB(191, 2, 0));

    const COLORREF key = RGB(255, 0, 255);
    std::vector<COLORREF> grey{RGB(255, 0, 0), key, RGB(10, 20, 30)};
    MakeGrey(grey, key);
    EXPECT_EQ(grey, (std::vector<COLORREF>{RGB(76, 76, 76), key, RGB(18, 18, 18)}));
    std::vector<COLORREF> darker{key, RGB(200, 100, 40)};
    MakeDarker(darker, key);
    EXPECT_EQ(darker, (std::vector<COLORREF>{key, RGB(150, 75, 30)}));

    std::vector<COLORREF> masked{key, RGB(1, 2, 3), key};
    EXPECT_EQ(MakeMask(masked, key), (std::vector<bool>{true, false, true}));
    EXPECT_EQ(masked, (std::vector<COLORREF>{RGB(0, 0, 0), RGB(1, 2, 3), RGB(0, 0, 0)}));
}

TEST(ColorButtonLookTest, StatesPickPressedColoursBordersAndImages)
{
    using namespace ColorButtonLook;

    struct Case
    {
        const char* name;
        State state;
        bool pressed;
        ColorState colors;
        Border border;
        bool hoverImage;
    };
    const auto make = [](auto change)
    {
        State state;
        change(state);
        return state;
    };
    const Case cases[] = {
        {"flat idle", State{}, false, Idle, Border::None, false},
        {"flat hovering", make([](State& s) { s.hovering = true; }), false, Hover,
         Border::RaisedThin, true},
        {"flat hovering without border", make([](State& s) { s.hovering = s.drawBorder = false; }),
         false, Idle, Border::None, false},
        {"flat pressed", make([](State& s) { s.selected = true; }), true, Hover, Border::SunkenThin,
         true},
        {"focused", make([](State& s) { s.focused = true; }), false, Focused, Border::None, false},
        {"menu up", make([](State& s) { s.menuShown = true; }), true, Hover, Border::SunkenThin,
         true},
        {"raised", make([](State& s) { s.flat = false; }), false, Idle, Border::Classic3D, false},
        {"raised pressed", make([](State& s) { s.flat = false, s.selected = true; }), true, Hover,
         Border::ShadowFrame, true},
        {"check box checked", make([](State& s) { s.checkBoxMode = s.checked = true; }), true,
         Hover, Border::SunkenThin, true},
        {"check box unchecked hovering", make([](State& s) { s.checkBoxMode = s.hovering = true; }),
         false, Hover, Border::RaisedThin, false},
        {"check box ignores the menu", make([](State& s) { s.checkBoxMode = s.menuShown = true; }),
         false, Idle, Border::None, false},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(IsPressed(c.state), c.pressed) << c.name;
        EXPECT_EQ(ColorStateOf(c.state), c.colors) << c.name;
        EXPECT_EQ(BorderOf(c.state), c.border) << c.name;
        EXPECT_EQ(UsesHoverImage(c.state, true), c.hoverImage) << c.name;
        EXPECT_TRUE(UsesHoverImage(c.state, false)) << c.name;
    }
    EXPECT_TRUE(HasBlackFrame(make([](State& s) { s.flat = false, s.isDefault = true; })));
    EXPECT_FALSE(HasBlackFrame(make([](State& s) { s.focused = s.isDefault = true; })));
}

TEST(ColorButtonLookTest, TheImageGoesBesideAboveOrCentredAndPressingMovesIt)
{
    using namespace ColorButtonLook;

    const CRect client(0, 0, 100, 40);
    const CSize image(16, 10);
    const CSize gap(3, 3);
    struct Case
    {
        int align;
        bool caption;
        CRect image, caption_;
    };
    const Case cases[] = {
        {0, true, CRect(3, 15, 19, 25), CRect(19, 0, 100, 40)},
        {1, true, CRect(42, 3, 58, 13), CRect(0, 10, 100, 40)},
        {2, true, CRect(81, 15, 97, 25), CRect(3, 0, 81, 40)},
        {0, false, CRect(42, 15, 58, 25), client},
        {2, false, CRect(42, 15, 58, 25), client},
    };
    for (const Case& c : cases)
    {
        const Placement placement = PlaceImage(client, image, c.caption, c.align, gap);
        EXPECT_EQ(placement.image, c.image) << c.align << c.caption;
        EXPECT_EQ(placement.caption, c.caption_) << c.align << c.caption;
    }

    CPoint offset;
    ASSERT_TRUE(PressedOffsetOf(0, offset));
    EXPECT_EQ(offset, CPoint(1, 1));
    ASSERT_TRUE(PressedOffsetOf(1, offset));
    EXPECT_EQ(offset, CPoint(0, 2));
    EXPECT_FALSE(PressedOffsetOf(5, offset));
    EXPECT_EQ(offset, CPoint(0, 2));
}
