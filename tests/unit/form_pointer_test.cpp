// What the pointer is over on a form, and what its presses and releases there mean.
#include "shared/placed_control.h"
#include "shared/pointer_clicks.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

namespace {

// A palette-like form: a frame at (10,10) holding two pictures, a label, a text box.
struct Pointer : ::testing::Test {
    std::deque<PlacedControl> made; // stable addresses, as a form keeps its controls
    std::vector<const PlacedControl*> controls;

    const PlacedControl* Add(int id, ControlKind kind, PixelRect placed,
                             const PlacedControl* container = nullptr, std::string text = {}) {
        PlacedControl& c = made.emplace_back();
        c.design.id = id;
        c.design.kind = kind;
        c.placed = placed;
        c.container = container;
        c.text = std::move(text);
        controls.push_back(&c);
        return &c;
    }
    const PlacedControl* At(int x, int y) const { return TopmostAt(controls, PixelPoint{x, y}); }
    const PlacedControl* frame = Add(1, ControlKind::Frame, {10, 10, 110, 60});
    const PlacedControl* left = Add(2, ControlKind::Image, {0, 0, 20, 20}, frame);
    // Reaches past the frame's right edge: the frame cuts it off there.
    const PlacedControl* right = Add(3, ControlKind::Image, {90, 0, 130, 20}, frame);
    const PlacedControl* label = Add(4, ControlKind::Label, {0, 70, 100, 90}, nullptr, "Hello");
    const PlacedControl* box = Add(5, ControlKind::TextBox, {0, 100, 100, 120});
};

TEST_F(Pointer, TheLastShownWindowlessControlThereIsHitWithinItsFrames) {
    EXPECT_EQ(At(10, 10), left); // in a frame: offset by the frame's place
    EXPECT_EQ(At(29, 29), left);
    EXPECT_EQ(At(30, 30), frame); // right and bottom edges are outside
    EXPECT_EQ(At(9, 10), nullptr);
    EXPECT_EQ(At(100, 15), right);
    EXPECT_EQ(At(115, 15), nullptr); // beyond the frame that holds it
    EXPECT_EQ(At(50, 80), label);
    EXPECT_EQ(At(50, 110), nullptr); // a text box is a window: the system hit-tests it
    EXPECT_EQ(right->InForm(), (PixelRect{100, 10, 140, 30}));
}

TEST_F(Pointer, HiddenControlsAndEmptyLabelsTakeNoPointer) {
    made[1].design.visible = false;
    EXPECT_EQ(At(15, 15), frame);
    made[3].text.clear();
    EXPECT_EQ(At(50, 80), nullptr);
    made[3].design.backColor = Color{255, 255, 255}; // a coloured label shows even empty
    EXPECT_EQ(At(50, 80), label);
}

TEST_F(Pointer, AControlLiesWithinItselfAndItsFramesOnly) {
    EXPECT_TRUE(right->Within(*frame));
    EXPECT_TRUE(frame->Within(*frame));
    EXPECT_FALSE(frame->Within(*right));
    EXPECT_FALSE(label->Within(*frame));
}

std::vector<EventKind> Kinds(const PointerClicks::Outcome& o) {
    std::vector<EventKind> kinds;
    for (const FormEvent& e : o.events) {
        kinds.push_back(e.kind);
    }
    return kinds;
}

using Capture = PointerClicks::Capture;
using K = EventKind;

TEST_F(Pointer, APressAndReleaseOverOnePictureClickIt) {
    PointerClicks clicks;
    const auto down = clicks.Press(left, kLeftButton, false, {15, 17});
    EXPECT_EQ(down.capture, Capture::Take);
    ASSERT_EQ(Kinds(down), (std::vector<K>{K::MouseDown}));
    EXPECT_EQ(down.events[0].control, 2);
    EXPECT_EQ(down.events[0].x, 5); // within the picture
    EXPECT_EQ(down.events[0].y, 7);
    const auto up = clicks.Release(left, kLeftButton, {16, 17});
    EXPECT_EQ(up.capture, Capture::Release);
    EXPECT_EQ(Kinds(up), (std::vector<K>{K::MouseUp, K::Click}));
    EXPECT_EQ(up.events[1].control, 2);
}

TEST_F(Pointer, AReleaseAwayFromThePressedPictureIsNoClick) {
    PointerClicks clicks;
    clicks.Press(left, kLeftButton, false, {15, 15});
    // Moves while pressed go to the pressed picture, wherever the pointer is.
    const auto move = clicks.Move(nullptr, {200, 200});
    ASSERT_TRUE(move);
    EXPECT_EQ(move->control, 2);
    const auto up = clicks.Release(right, kLeftButton, {105, 15});
    EXPECT_EQ(up.capture, Capture::Release);
    ASSERT_EQ(Kinds(up), (std::vector<K>{K::MouseUp}));
    EXPECT_EQ(up.events[0].control, 2);
    // Nothing is pressed any more: the next move is the pointer's own.
    EXPECT_EQ(clicks.Move(right, {105, 15})->control, 3);
}

TEST_F(Pointer, TheSecondPressOfADoubleClickIsADoubleClickAndItsReleaseNoClick) {
    PointerClicks clicks;
    clicks.Press(left, kLeftButton, false, {15, 15});
    clicks.Release(left, kLeftButton, {15, 15});
    const auto second = clicks.Press(left, kLeftButton, true, {15, 15});
    EXPECT_EQ(second.capture, Capture::Take);
    EXPECT_EQ(Kinds(second), (std::vector<K>{K::DblClick}));
    EXPECT_EQ(Kinds(clicks.Release(left, kLeftButton, {15, 15})), (std::vector<K>{K::MouseUp}));
    // On the form itself a double-click is reported too, with nothing captured.
    const auto onForm = clicks.Press(nullptr, kLeftButton, true, {300, 300});
    EXPECT_EQ(onForm.capture, Capture::Keep);
    ASSERT_EQ(Kinds(onForm), (std::vector<K>{K::DblClick}));
    EXPECT_EQ(onForm.events[0].control, kOnForm);
}

TEST_F(Pointer, OnlyTheLeftButtonClicksAndLabelsTakeNoPresses) {
    PointerClicks clicks;
    const auto right = clicks.Press(left, kRightButton, false, {15, 15});
    EXPECT_EQ(right.capture, Capture::Keep);
    EXPECT_EQ(Kinds(right), (std::vector<K>{K::MouseDown}));
    EXPECT_EQ(right.events[0].button, kRightButton);
    EXPECT_EQ(Kinds(clicks.Release(left, kRightButton, {15, 15})), (std::vector<K>{K::MouseUp}));
    EXPECT_TRUE(Kinds(clicks.Press(label, kLeftButton, false, {50, 80})).empty());
    // A frame and the form take presses, for dragging, but no releases or moves.
    const auto onFrame = clicks.Press(frame, kLeftButton, false, {50, 50});
    EXPECT_EQ(onFrame.capture, Capture::Keep);
    ASSERT_EQ(Kinds(onFrame), (std::vector<K>{K::MouseDown}));
    EXPECT_EQ(onFrame.events[0].control, 1);
    EXPECT_TRUE(Kinds(clicks.Release(frame, kLeftButton, {50, 50})).empty());
    EXPECT_FALSE(clicks.Move(frame, {50, 50}));
    EXPECT_EQ(clicks.Move(nullptr, {300, 300})->control, kOnForm);
}

TEST_F(Pointer, ACaptureTakenAwayEndsThePressWithoutAClick) {
    PointerClicks clicks;
    clicks.Press(left, kLeftButton, false, {15, 15});
    clicks.CaptureLost();
    const auto up = clicks.Release(left, kLeftButton, {15, 15});
    EXPECT_EQ(up.capture, Capture::Keep);
    EXPECT_EQ(Kinds(up), (std::vector<K>{K::MouseUp}));
}

TEST_F(Pointer, APictureShowsItsOwnPointerAndTheRestTheForms) {
    FormDesign form;
    form.cursor = CursorKind::MoveArrows;
    made[1].design.cursor = CursorKind::Palette;
    EXPECT_EQ(CursorOver(form, left), CursorKind::Palette);
    EXPECT_EQ(CursorOver(form, right), CursorKind::Default);
    EXPECT_EQ(CursorOver(form, frame), CursorKind::MoveArrows);
    EXPECT_EQ(CursorOver(form, nullptr), CursorKind::MoveArrows);
}

} // namespace
