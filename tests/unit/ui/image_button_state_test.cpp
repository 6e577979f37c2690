#include "ui/image_button_state.h"

#include <gtest/gtest.h>

namespace zalvane::ui {
namespace {

TEST(ImageButtonStateTest, PaintChoosesThePicture)
{
    struct Case {
        bool disabled, toggleMode, leftOnce, pressed;
        ButtonPicture expected;
    };
    const Case cases[] = {
        // Hovering starts set and only ever stays set: a button at rest looks hot.
        {false, false, false, false, ButtonPicture::kStandardHot},
        {false, false, true, false, ButtonPicture::kStandardHot},
        {false, false, false, true, ButtonPicture::kStandardPressed},
        {true, false, false, true, ButtonPicture::kDisabled},
        {true, true, false, true, ButtonPicture::kDisabled},
        // Toggle mode: the press flips to the alternate set before choosing.
        {false, true, false, true, ButtonPicture::kAlternatePressed},
    };
    for (const Case& c : cases) {
        ImageButtonState state;
        state.SetDisabled(c.disabled);
        state.SetToggleMode(c.toggleMode);
        if (c.leftOnce) {
            state.Leave();
        }
        EXPECT_EQ(state.Paint(c.pressed), c.expected);
    }
}

TEST(ImageButtonStateTest, ToggleFlipsOnEveryPressedPaint)
{
    ImageButtonState state;
    state.SetToggleMode(true);
    EXPECT_EQ(state.Paint(true), ButtonPicture::kAlternatePressed);
    EXPECT_EQ(state.Paint(false), ButtonPicture::kAlternateHot);
    EXPECT_EQ(state.Paint(true), ButtonPicture::kStandardPressed);
    EXPECT_EQ(state.Paint(false), ButtonPicture::kStandardHot);
    EXPECT_FALSE(state.Toggled());
    // A disabled button neither flips nor shows the toggled set.
    state.SetDisabled(true);
    EXPECT_EQ(state.Paint(true), ButtonPicture::kDisabled);
    EXPECT_FALSE(state.Toggled());
}

// The main window's track: column 984, tops from 32, bottoms up to 595.
constexpr ThumbTrack kTrack{984, 32, 595};

// Screen y of the pointer = client y + 100 in these cases; the thumb is 114 high.
TEST(ThumbDragTest, AcceptsTopsFrom32ToABottomOf595)
{
    struct Case {
        int top, pressY, moveY, left;
        std::optional<int> newTop;
    };
    const Case cases[] = {
        {35, 200, 190, 984, std::nullopt},  // 25 < 32
        {35, 200, 197, 984, 32},            // the first top accepted
        {35, 200, 196, 984, std::nullopt},
        {470, 200, 211, 984, 481},  // bottom 595: the last accepted
        {470, 200, 212, 984, std::nullopt},
        {100, 200, 250, 985, std::nullopt},  // moved off the track by its owner
        {100, 200, 200, 984, 100},           // no movement is still a step
    };
    for (const Case& c : cases) {
        ThumbDrag drag(kTrack);
        drag.Press(c.pressY);
        EXPECT_EQ(drag.Move(c.moveY, c.left, c.top, c.top + 114), c.newTop) << "top " << c.top << " to " << c.moveY;
    }
}

TEST(ThumbDragTest, TheAnchorFollowsThePointerEvenWhenAMoveIsRefused)
{
    ThumbDrag drag(kTrack);
    EXPECT_EQ(drag.Move(300, 984, 35, 149), std::nullopt);  // no press yet
    drag.Press(300);
    EXPECT_EQ(drag.Move(290, 984, 35, 149), std::nullopt);  // 10 up from 35: refused
    // Measured from 290, not from 300: 5 down.
    EXPECT_EQ(drag.Move(295, 984, 35, 149), 40);
    drag.Release();
    EXPECT_FALSE(drag.Dragging());
    EXPECT_EQ(drag.Move(320, 984, 40, 154), std::nullopt);
    // A new press (also a double-click) anchors afresh.
    drag.Press(500);
    EXPECT_EQ(drag.Move(510, 984, 40, 154), 50);
}

}  // namespace
}  // namespace zalvane::ui
