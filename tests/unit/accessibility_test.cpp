// What screen readers are told of the forms: which controls are children, under which child
// ids, where moving from one leads, and what the children the forms answer for are called, what
// state they are in and what their default actions click.
#include "shared/accessible_children.h"
#include "world.h"

#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>

void PrintTo(const AccessibleState& s, std::ostream* os) {
    *os << "{" << (s.invisible ? " invisible" : "") << (s.unavailable ? " unavailable" : "")
        << (s.focusable ? " focusable" : "") << (s.selectable ? " selectable" : "")
        << (s.selected ? " selected" : "") << (s.focused ? " focused" : "")
        << (s.readOnly ? " read-only" : "") << " }";
}

void PrintTo(const ControlRef& c, std::ostream* os) {
    *os << c.id << "(" << c.index << ")";
}

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
    const ControlDesign& Control(FormId form, int id, int index = 0) {
        for (const ControlDesign& c : toolkit.designs.at(form).controls) {
            if (c.id == id && c.index == index) {
                return c;
            }
        }
        throw std::out_of_range("no such control");
    }
};

ControlDesign DesignOf(ControlKind kind, AccessibleRole role = AccessibleRole::Automatic) {
    ControlDesign c;
    c.id = 7;
    c.index = 2;
    c.kind = kind;
    c.accessibleRole = role;
    return c;
}

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

TEST_F(Designs, APaletteItemIsSelectedWhileHighlightedAndFocusedOnlyInTheForegroundToo) {
    const ControlDesign& picture = Control(FormId::Smilies, SmiliesControls::smiley, 5);
    const AccessibleState item{.focusable = true, .selectable = true};
    const AccessibleState selected{.focusable = true, .selectable = true, .selected = true};
    const AccessibleState focused{
        .focusable = true, .selectable = true, .selected = true, .focused = true};
    EXPECT_EQ(StateOf(picture, {}), item);
    EXPECT_EQ(StateOf(picture, {.formForeground = true}), item);
    EXPECT_EQ(StateOf(picture, {.highlighted = true}), selected);
    EXPECT_EQ(StateOf(picture, {.formForeground = true, .highlighted = true}), focused);
}

TEST(AccessibleState, LabelsAreReadOnlyAndButtonsFocusedWhileTheirWindowHasTheFocus) {
    const ControlDesign label = DesignOf(ControlKind::Label);
    EXPECT_EQ(StateOf(label, {}), AccessibleState{.readOnly = true});
    EXPECT_EQ(StateOf(label, {.formForeground = true, .highlighted = true, .hasFocus = true}),
              AccessibleState{.readOnly = true});
    const ControlDesign button = DesignOf(ControlKind::CommandButton);
    EXPECT_EQ(StateOf(button, {}), AccessibleState{.focusable = true});
    EXPECT_EQ(StateOf(button, {.formForeground = true, .highlighted = true}),
              AccessibleState{.focusable = true});
    EXPECT_EQ(StateOf(button, {.hasFocus = true}),
              (AccessibleState{.focusable = true, .focused = true}));
    // The role given, not the kind, decides; a picture without one is nothing but seen or not.
    EXPECT_EQ(StateOf(DesignOf(ControlKind::Label, AccessibleRole::PushButton), {}),
              AccessibleState{.focusable = true});
    EXPECT_EQ(StateOf(DesignOf(ControlKind::Image), {.formForeground = true, .highlighted = true}),
              AccessibleState{});
}

TEST(AccessibleState, AnyChildIsInvisibleWithItsFormOrItselfHiddenAndUnavailableInADisabledForm) {
    const struct {
        ControlDesign control;
        AccessibleState shown;
    } cases[] = {
        {DesignOf(ControlKind::Image, AccessibleRole::ListItem),
         {.focusable = true, .selectable = true}},
        {DesignOf(ControlKind::Label), {.readOnly = true}},
        {DesignOf(ControlKind::CommandButton), {.focusable = true}},
        {DesignOf(ControlKind::Image), {}},
    };
    for (const auto& [control, shown] : cases) {
        EXPECT_EQ(StateOf(control, {}), shown);
        AccessibleState hidden = shown;
        hidden.invisible = true;
        EXPECT_EQ(StateOf(control, {.formVisible = false}), hidden);
        EXPECT_EQ(StateOf(control, {.controlVisible = false}), hidden);
        AccessibleState disabled = shown;
        disabled.unavailable = true;
        EXPECT_EQ(StateOf(control, {.formEnabled = false}), disabled);
    }
}

TEST(AccessibleName, TheGivenNameElseWhatAButtonOrLabelShowsNowElseTheTooltip) {
    ControlDesign button = DesignOf(ControlKind::CommandButton);
    button.caption = "Command1";
    EXPECT_EQ(NameOf(button, "Chaos", "tip"), "Chaos");
    ControlDesign label = DesignOf(ControlKind::Label);
    EXPECT_EQ(NameOf(label, "Smiley", "tip"), "Smiley");
    EXPECT_EQ(NameOf(label, "", "tip"), ""); // an empty label is not named by its tooltip
    EXPECT_EQ(NameOf(DesignOf(ControlKind::Image), "", ":)   smile"), ":)   smile");
    EXPECT_EQ(NameOf(DesignOf(ControlKind::Image), "", ""), "");
    for (ControlDesign* c : {&button, &label}) {
        c->accessibleName = "Given";
        EXPECT_EQ(NameOf(*c, "shown", "tip"), "Given");
    }
}

TEST_F(Designs, DefaultActionsClickTheControlAndTheLauncherOpensThePaletteByItsPicture) {
    const ControlDesign& picture = Control(FormId::Smilies, SmiliesControls::smiley, 5);
    EXPECT_EQ(DefaultActionOf(picture), "Type");
    EXPECT_EQ(DefaultActionClick(picture), (ControlRef{SmiliesControls::smiley, 5}));
    const ControlDesign& label = Control(FormId::Smilies, SmiliesControls::Label1);
    EXPECT_EQ(DefaultActionOf(label), "");
    EXPECT_EQ(DefaultActionClick(label), std::nullopt);
    EXPECT_EQ(DefaultActionClick(toolkit.designs.at(FormId::Main)),
              (ControlRef{MainControls::Image1, 0}));
    EXPECT_EQ(DefaultActionClick(toolkit.designs.at(FormId::Smilies)), std::nullopt);
}

TEST(AccessibleDefaultAction, ButtonsArePressedUnlessNamedOtherwise) {
    ControlDesign button = DesignOf(ControlKind::CommandButton);
    EXPECT_EQ(DefaultActionOf(button), "Press");
    EXPECT_EQ(DefaultActionClick(button), (ControlRef{7, 2}));
    button.defaultAction = "Close";
    EXPECT_EQ(DefaultActionOf(button), "Close");
    EXPECT_EQ(DefaultActionOf(DesignOf(ControlKind::Image)), "");
}

TEST(AccessibleDefaultAction, AFormClicksOnlyWithBothAnActionAndAControlNamed) {
    FormDesign form;
    form.defaultAction = "Open";
    EXPECT_EQ(DefaultActionClick(form), std::nullopt);
    form.defaultActionControl = 3;
    EXPECT_EQ(DefaultActionClick(form), (ControlRef{3, 0}));
    form.defaultAction.clear();
    EXPECT_EQ(DefaultActionClick(form), std::nullopt);
}

} // namespace
