#pragma once
#include "form_design.h"

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
