#pragma once
// The real FizzmoLite.exe under Wine beside the stand-in messenger: starting them, reading back
// the program's windows through the window probe, and driving its launcher, menu and palette.
#include "wine_harness.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

// $FIZZMO_WIN_BIN_DIR/<name>.exe: the Windows programs under test.
std::string WindowsProgram(const std::string& name);

// The launcher's title: no caption bar shows it, the taskbar button and Alt+Tab do.
inline constexpr const char* kLauncher = "FizzmoLite";

inline const std::string kSettingsKey =
    "HKCU\\Software\\VB and VBA Program Settings\\FizzmoLite\\Settings";
// Removes every stored setting, then stores these (name -> text).
void ResetSettings(const std::map<std::string, std::string>& values = {});
std::optional<std::string> Setting(const std::string& name);
// Stores one setting as a value of this registry type ("REG_DWORD", "REG_EXPAND_SZ"), the data
// as reg.exe takes it.
void StoreSettingOfType(const std::string& name, const std::string& type, const std::string& data);

struct ProbeChild {
    std::string cls;
    bool visible = false;
    Rect rect;
    std::string text;
    bool focused = false; // it has the keyboard's focus
};

struct ProbeWindow {
    std::string hwnd; // as the probe prints it: "0x..."
    std::string cls;
    bool visible = false;
    bool topmost = false;
    bool foreground = false; // the window the keyboard's input goes to
    Rect rect;
    Rect client; // the client area on the screen
    std::string title;
    std::vector<ProbeChild> children;
    // A rectangle given within the client area, on the screen.
    Rect InClient(int x, int y, int width, int height) const {
        return Rect{client.x + x, client.y + y, width, height};
    }
    // The first child of the class whose text starts so.
    std::optional<ProbeChild> Child(const std::string& cls, const std::string& text = "") const;
};

// Every top-level window of the program's classes (forms, dialogs, menus) on the desktop.
std::vector<ProbeWindow> ProbeWindows();
// The visible window titled exactly so; "" is the launcher, the square form without a title
// (52 x 51 at 96 dpi, up to 104 x 102 at 192).
std::optional<ProbeWindow> VisibleWindow(const std::string& title);
ProbeWindow WaitVisibleWindow(const std::string& title, std::chrono::milliseconds timeout = 15s);
bool WaitWindowHidden(const std::string& title, std::chrono::milliseconds timeout = 10s);
// The first visible window of the class (#32768 a menu, #32770 a message box), if one comes.
std::optional<ProbeWindow> WaitWindowOfClass(const std::string& cls);
// The program's own tooltip, waited for until it shows this text; the last one seen, if any.
std::optional<ProbeWindow> WaitToolTip(const std::string& text);
bool WaitToolTipHidden();
// Sends the window a message as the system does, from another program; false when it did not
// answer within five seconds.
bool SendToWindow(const ProbeWindow& window, unsigned message, unsigned long long wParam,
                  unsigned long long lParam);

Rect Centre(const Rect& r);      // a point: x, y
std::string Text(const Rect& r); // "x,y wxh", for comparing and for messages
void ClickCentre(const Rect& r, int button = 1);

// The program in a folder of the test's own, with the sample codes.dll or the given text.
class FizzmoApp {
  public:
    struct Setup {
        bool withCodes = true;
        std::optional<std::string> codes;
    };
    FizzmoApp() : FizzmoApp(Setup{}) {}
    explicit FizzmoApp(const Setup& setup);

    WineProcess& Process() { return process_; }
    // Right-clicks the launcher's picture and picks the item by its place.
    void ChooseMenuItem(int index);
    static constexpr int kStayOnTop = 0, kSendOnClick = 1, kStickToPM = 2, kKeepOpen = 3,
                         kAnyWindow = 4, kStartWithWindows = 5, kAbout = 6,
                         kExit = 7; // the separator is not counted
    // Clicks the launcher's picture and waits for the palette.
    ProbeWindow OpenPalette();

  private:
    WineProcess process_;
};

// A folder with the program and, as asked, its code file; gives the program's path.
std::string PrepareProgramFolder(const std::string& folder, const FizzmoApp::Setup& setup);

// Right-clicks the launcher standing at this rectangle and picks the menu item by its place.
void ChooseLauncherMenuItem(const Rect& launcher, int index);

// ImageMagick's name for a region of a picture file.
std::string Crop(const std::string& png, const Rect& region);
// ImageMagick's count of the pixels in which two pictures differ.
long DifferingPixels(const std::vector<std::string>& pictures);
// How many of the region's pixels are of this colour ("rgb(0,0,128)"), give or take 15 %.
long PixelsOfColour(const std::string& png, const Rect& region, const std::string& colour);
// Screenshots into png until one pleases `wanted` (given the file) or the time is up; whether
// one did. The file holds the last screenshot either way.
bool ScreenshotWhen(const std::string& png, const std::function<bool(const std::string&)>& wanted,
                    std::chrono::milliseconds timeout = std::chrono::seconds(5));
// Screenshots into png once the screen has stopped changing: two screenshots alike.
bool ScreenshotWhenStill(const std::string& png);

// The 64 pictures' screen rectangles, in picture order.
std::vector<Rect> Pictures(const ProbeWindow& palette);
// Waits until the shown palette's text box shows what pleases `wanted`; gives what it showed
// last ("" with no palette or text box), whether it pleased or not.
std::string WaitText1(const std::function<bool(const std::string&)>& wanted,
                      std::chrono::milliseconds timeout = 5s);

// The codes of the sample codes.dll's first two rows of pictures, in picture order.
inline const std::vector<std::string> kSampleCodes = {":)",  ":(", ";)",   ":D", ";;)", ">:D<",
                                                      ":-/", ":x", ":\">", ":P", ":-*", "=((",
                                                      ":-O", "X(", ":>",   "B-)"};
// A code file whose 64 codes all differ and are typed with keys the tests know: "P" and two
// of ")(*-=ODB", the picture's row and column; then the names "n0" to "n63".
std::string TestCode(int index);
std::string TestHoverText(int index); // as the palette shows it
std::string TestCodesFile();

// The stand-in's log lines for a typed code, with the Enter key press when asked.
std::vector<std::string> Expected(const std::string& code, bool enter, int window = 0);

struct StandInWindow {
    Rect rect; // outer bounds
    Rect input;
};

// The stand-in messenger: its IM windows, its log of received key messages, its commands.
class StandIn {
  public:
    // One "x,y,w,h[,noinput][,titled][,dieafterchar][,hangafterchar]" per IM window, the first
    // frontmost.
    explicit StandIn(const std::vector<std::string>& specs, const std::string& className = "");

    std::vector<std::string> Log() const;
    // The log without window handles and arrival times, which change from run to run.
    std::vector<std::string> Received() const;
    std::vector<StandInWindow> Windows() const;
    // Which IM window is the foreground window and which of its windows has the focus:
    // "foreground window=0;focus window=0 kind=input", or "" when neither is one of its own.
    std::string Focus() const;
    // Runs the lines ("move 0 x y w h", "front 1", "open x,y,w,h", "minimize 0"), waiting until
    // they are done.
    void Command(const std::string& lines);
    // The whole messenger stops answering for this long; returns once it has stopped.
    void Hang(std::chrono::milliseconds duration);

  private:
    void Send(const std::string& lines);
    std::string dir_;
    WineProcess process_;
};

} // namespace e2e
