#include "fake_window_system.h"
#include "shared/window_utils.h"

#include <gtest/gtest.h>

namespace {

TEST(DragForm, MaximisedFormIsLeftAloneOthersGetACaptionPress) {
    FakeWindowSystem windows;
    DragForm(windows, WindowState::Maximized, 42);
    EXPECT_TRUE(windows.calls.empty());
    DragForm(windows, WindowState::Minimized, 42);
    EXPECT_EQ(windows.calls,
              (std::vector<std::string>{"ReleaseCapture", "SendMessageA(42,161,2,0)"}));
}

TEST(SetTopmost, ChoosesTheBandAndKeepsPositionAndSize) {
    FakeWindowSystem windows;
    SetTopmost(windows, 7, VbTrue);
    SetTopmost(windows, 7, VbFalse);
    SetTopmostHidden(windows, 7); // as SetTopmost, without the show flag (64)
    EXPECT_EQ(windows.calls, (std::vector<std::string>{"SetWindowPos(7,-1,0,0,0,0,83)",
                                                       "SetWindowPos(7,-2,0,0,0,0,83)",
                                                       "SetWindowPos(7,-1,0,0,0,0,19)"}));
}

} // namespace
