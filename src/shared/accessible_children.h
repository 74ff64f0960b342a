#pragma once
#include "form_design.h"
#include "form_keys.h"

#include <optional>
#include <string>
#include <vector>

// The children a screen reader sees in a form's client area, each with its child id: its place
// in this list counted from 1 (0 is the client area itself).
struct AccessibleChild {
    int control = 0;
    int index = 0;
    AccessibleRole role = AccessibleRole::None; // for one with an object of its own, that says
    bool ownObject = false; // a text box: the system's object for it says what it holds
    int columns = 0;        // of its control array's grid
    int count = 0;          // of its control array
};

inline constexpr int kChildSelf = 0;

// The windowless controls with a role, and the visible text boxes and buttons not told to be
// none, in design order.
std::vector<AccessibleChild> AccessibleChildrenOf(const FormDesign& design);
// What an Automatic role stands for: labels are static text, buttons push buttons; pictures,
// picture boxes and frames are not shown to screen readers.
AccessibleRole RoleOf(const ControlDesign& control);
// The child id of a control, 0 when it is none of the children.
int ChildIdOf(const std::vector<AccessibleChild>& children, int control, int index);

enum class AccessibleDirection { Up, Down, Left, Right, Next, Previous, FirstChild, LastChild };

// Where moving from a child leads: in a grid, as the arrow keys move the highlight (Next and
// Previous as Right and Left); elsewhere Next and Previous go to the neighbouring child. From
// the client area itself, FirstChild and LastChild. 0 when there is nowhere to go.
int NavigateChildren(const std::vector<AccessibleChild>& children, int fromChildId,
                     AccessibleDirection direction);

// What a screen reader is told of a child this form answers for (a windowless control or a
// button).
struct AccessibleState {
    bool invisible = false;
    bool unavailable = false;
    bool focusable = false;
    bool selectable = false;
    bool selected = false;
    bool focused = false;
    bool readOnly = false;
    bool operator==(const AccessibleState&) const = default;
};

// What the platform knows of such a child and its form when a reader asks.
struct AccessibleFacts {
    bool formVisible = true;
    bool controlVisible = true; // a button's window, or a windowless control showing anything
    bool formEnabled = true;
    bool formForeground = false;
    bool highlighted = false; // the form's one highlight is on it
    bool hasFocus = false;    // its window has the keyboard focus
};

// Its state by its role: a list item can take the focus and the selection and has them while
// highlighted (the focus only in the foreground form), static text is read-only, a push button
// can take the focus.
AccessibleState StateOf(const ControlDesign& control, const AccessibleFacts& facts);
// Its name: the one its design gives; else what a button or label shows (shownText: a button's
// caption as it is now, a label's text); else its tooltip.
std::string NameOf(const ControlDesign& control, const std::string& shownText,
                   const std::string& toolTip);
// The name of what a click on it does, empty for none: every command button's is "Press" unless
// its design names another.
std::string DefaultActionOf(const ControlDesign& control);
// What its default action clicks: the control itself, if it has one.
std::optional<ControlRef> DefaultActionClick(const ControlDesign& control);
// What the form's own default action clicks: the control its design names, if it names an
// action as well.
std::optional<ControlRef> DefaultActionClick(const FormDesign& form);
