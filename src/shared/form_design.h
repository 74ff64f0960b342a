#pragma once
#include "window_system.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The design of a window and its controls, as data the platform layer builds real windows
// from. Positions are in twips here and in pixels once converted for the platform.
enum class FormId { Main, Smilies, About, SlideShow };

enum class FormBorder { None, ToolWindow };
enum class StartPosition { Manual, CenterScreen, CenterOwner };
enum class CursorKind { Default, MoveArrows, Palette };
enum class ControlKind { Image, PictureBox, Label, Frame, TextBox, CommandButton };
// What a screen reader is told a window or a windowless control is. Automatic: labels are
// static text; pictures, picture boxes and frames are not shown to it.
enum class AccessibleRole { Automatic, None, Client, List, ListItem, PushButton, StaticText };

struct Color {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Color&) const = default;
};

struct FontDesign {
    std::string face = "MS Sans Serif";
    float points = 8.25f;
    bool bold = false;
    bool italic = false;
};

struct DesignRect {
    float left = 0, top = 0, width = 0, height = 0;
};

struct ControlDesign {
    int id = 0;
    int index = 0;     // position in a control array
    int container = 0; // id of the enclosing control, 0 for the form
    ControlKind kind = ControlKind::Label;
    DesignRect rect;  // twips, within its container
    PixelRect pixels; // the same in pixels, for the platform (DesignInPixels)
    std::string caption;
    FontDesign font;
    std::optional<Color> foreColor;
    std::optional<Color> backColor; // none: transparent for labels, system colours otherwise
    int borderStyle = 0;            // 0 none, 1 thin fixed border
    int tabIndex = 0;
    bool stretch = false;
    bool readOnly = false;
    bool isDefault = false; // pressed by Enter
    bool isCancel = false;  // pressed by Escape
    bool visible = true;
    bool wordWrap = false; // labels: break lines at words, or keep the text on one line
    char shortcut = 0;     // pressed by Ctrl+Shift+this letter
    CursorKind cursor = CursorKind::Default;
    std::string toolTip;
    // For screen readers (windowless controls; text boxes and buttons speak for themselves).
    AccessibleRole accessibleRole = AccessibleRole::Automatic;
    std::string accessibleName; // none: a picture's tooltip text, a label's caption
    std::string defaultAction;  // the name of what a click on it does; none: no action
    int columns = 0;            // a control array in rows of this many, to move around in
};

struct MenuItemDesign {
    int id = 0;
    std::string caption; // "-" for a separator line
};

struct TimerDesign {
    int id = 0;
    int intervalMs = 0;
    bool enabled = false;
};

struct FormDesign {
    FormId id = FormId::Main;
    std::string caption;
    FormBorder border = FormBorder::None;
    DesignRect rect;  // twips: Left/Top on screen; Width/Height outer (clientSize: client area)
    PixelRect pixels; // the same in pixels, for the platform (DesignInPixels)
    int dpi = 96;     // the dots per inch those pixels are for: its texts and pictures are drawn so
    bool clientSize = false;
    StartPosition start = StartPosition::Manual;
    Color backColor;
    CursorKind cursor = CursorKind::Default;
    int iconResource = 0;
    bool taskbarButton = true;
    std::vector<ControlDesign> controls;
    int popupMenu = 0; // id of the hidden top-level menu, 0 for none
    std::vector<MenuItemDesign> menuItems;
    std::vector<TimerDesign> timers;
    // What a screen reader is told the form's client area is; its name is the caption unless
    // given. A default action stands for a click on the control named.
    AccessibleRole accessibleRole = AccessibleRole::Client;
    std::string accessibleName;
    std::string defaultAction;
    int defaultActionControl = 0;
};

struct ScreenMetrics {
    int widthPixels = 0;
    int heightPixels = 0;
    float twipsPerPixelX = 15;
    float twipsPerPixelY = 15;
};

// The same design with every rectangle's pixels filled in (units.cpp).
FormDesign DesignInPixels(const FormDesign& design, const ScreenMetrics& screen);
