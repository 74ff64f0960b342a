#include "fake_toolkit.h"
#include "shared/window_utils.h"

#include <gtest/gtest.h>

namespace {

using Call = ToolkitCall;

TEST(DragForm, MaximisedFormIsLeftAloneOthersAreDragged) {
    FakeToolkit toolkit;
    toolkit.windowStates[FormId::Smilies] = WindowState::Maximized;
    DragForm(toolkit, FormId::Smilies);
    EXPECT_TRUE(toolkit.calls.empty());
    toolkit.windowStates[FormId::Smilies] = WindowState::Minimized;
    DragForm(toolkit, FormId::Smilies);
    DragForm(toolkit, FormId::Main);
    EXPECT_EQ(toolkit.calls,
              (std::vector<Call>{Call::BeginDrag(FormId::Smilies), Call::BeginDrag(FormId::Main)}));
}

TEST(SetTopmost, ChoosesTheBandAndShowsUnlessTheFormIsStillLoading) {
    FakeToolkit toolkit;
    SetTopmost(toolkit, FormId::Main, VbTrue);
    SetTopmost(toolkit, FormId::Main, VbFalse);
    SetTopmostHidden(toolkit, FormId::Smilies);
    EXPECT_EQ(toolkit.calls, (std::vector<Call>{Call::SetTopmost(FormId::Main, true, true),
                                                Call::SetTopmost(FormId::Main, false, true),
                                                Call::SetTopmost(FormId::Smilies, true, false)}));
}

} // namespace
