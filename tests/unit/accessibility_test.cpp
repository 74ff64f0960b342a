// What screen readers are told of the forms: which controls are children, under which child
// ids, and where moving from one leads.
#include "shared/accessible_children.h"
#include "world.h"

#include <gtest/gtest.h>

namespace {

using Call = ToolkitCall;
using Calls = std::vector<ToolkitCall>;
using Op = ToolkitCall::Op;

struct Designs : ::testing::Test, World {
    Designs() {
        windows.AddChild(windows.AddTopLevel("IMClass"), "RICHEDIT", "");
        program.Start();
        program.frmMain.Image1_Click();
    }
    std::vector<AccessibleChild> Children(FormId form) {
        return AccessibleChildrenOf(toolkit.designs.at(form));
    }
};

TEST_F(Designs, PalettePicturesAreChildrenOneToSixtyFourThenItsLabelAndTextBox) {
    const auto children = Children(FormId::Smilies);
    ASSERT_EQ(children.size(), 66u); // the close button outside the form is left out
    for (int i = 0; i < 64; ++i) {
        EXPECT_EQ(ChildIdOf(children, SmiliesControls::smiley, i), i + 1);
        EXPECT_EQ(children[static_cast<std::size_t>(i)].role, AccessibleRole::ListItem);
    }
    EXPECT_EQ(children[64].control, SmiliesControls::Label1);
    EXPECT_EQ(children[64].role, AccessibleRole::StaticText);
    EXPECT_EQ(children[65].control, SmiliesControls::Text1);
    EXPECT_TRUE(children[65].ownObject);
    EXPECT_EQ(ChildIdOf(children, SmiliesControls::cmdClose, 0), 0);
    EXPECT_EQ(toolkit.designs.at(FormId::Smilies).accessibleRole, AccessibleRole::List);
}

TEST_F(Designs, MovesInTheGridFollowTheArrowKeysAndStopAtItsEdges) {
    const auto children = Children(FormId::Smilies);
    using D = AccessibleDirection;
    EXPECT_EQ(NavigateChildren(children, 10, D::Down), 18);
    EXPECT_EQ(NavigateChildren(children, 10, D::Up), 2);
    EXPECT_EQ(NavigateChildren(children, 8, D::Right), 9); // on into the next row
    EXPECT_EQ(NavigateChildren(children, 8, D::Next), 9);
    EXPECT_EQ(NavigateChildren(children, 9, D::Previous), 8);
    EXPECT_EQ(NavigateChildren(children, 3, D::Up), 0);
    EXPECT_EQ(NavigateChildren(children, 60, D::Down), 0);
    EXPECT_EQ(NavigateChildren(children, 64, D::Next), 0);
    EXPECT_EQ(NavigateChildren(children, 1, D::Left), 0);
    EXPECT_EQ(NavigateChildren(children, 10, D::FirstChild), 0);
    // Outside the grid: neighbours in order.
    EXPECT_EQ(NavigateChildren(children, 65, D::Next), 66);
    EXPECT_EQ(NavigateChildren(children, 65, D::Previous), 64);
    EXPECT_EQ(NavigateChildren(children, 66, D::Next), 0);
    EXPECT_EQ(NavigateChildren(children, 65, D::Down), 0);
    // From the list itself.
    EXPECT_EQ(NavigateChildren(children, kChildSelf, D::FirstChild), 1);
    EXPECT_EQ(NavigateChildren(children, kChildSelf, D::LastChild), 66);
    EXPECT_EQ(NavigateChildren(children, kChildSelf, D::Next), 0);
    EXPECT_EQ(NavigateChildren(children, 67, D::Previous), 0);
    EXPECT_EQ(NavigateChildren({}, kChildSelf, D::FirstChild), 0);
}

TEST_F(Designs, EachMoveOfTheHighlightIsToldOnce) {
    toolkit.calls.clear();
    program.frmSmilies.smiley_MouseMove(3);
    program.frmSmilies.smiley_MouseMove(3); // the pointer moving within the picture
    program.Dispatch(FormId::Smilies, [] {
        FormEvent e{EventKind::KeyDown, SmiliesControls::Text1};
        e.keyCode = keys::kRight;
        return e;
    }());
    EXPECT_EQ(toolkit.CallsOf(Op::SetHighlight),
              (Calls{Call::SetHighlight(FormId::Smilies, SmiliesControls::smiley, 3),
                     Call::SetHighlight(FormId::Smilies, SmiliesControls::smiley, 4)}));
}

} // namespace
