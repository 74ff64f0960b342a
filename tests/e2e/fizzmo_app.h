#pragma once
// The real FizzmoLite.exe under Wine, run from a folder of the test's own, with the windows it
// shows read back through the window probe.
#include "wine_harness.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

inline const std::string kSettingsKey =
    "HKCU\\Software\\VB and VBA Program Settings\\FizzmoLite\\Settings";

// Removes every stored setting, then stores these (name -> text).
void ResetSettings(const std::map<std::string, std::string>& values = {});
// The stored text of a setting, if any.
std::optional<std::string> Setting(const std::string& name);

struct ProbeChild {
    std::string cls;
    bool visible = false;
    Rect rect;
    std::string text;
};

struct ProbeWindow {
    std::string hwnd;
    std::string cls;
    bool visible = false;
    bool topmost = false;
    Rect rect;
    std::string title;
    std::vector<ProbeChild> children;
};

// Every top-level window of the program's classes (forms, dialogs, menus) on the desktop.
std::vector<ProbeWindow> ProbeWindows();

class FizzmoApp {
  public:
    struct Setup {
        bool withCodes = true;            // copy the sample codes.dll beside the program
        std::optional<std::string> codes; // or write this text as codes.dll
    };
    FizzmoApp() : FizzmoApp(Setup{}) {}
    explicit FizzmoApp(const Setup& setup);
    ~FizzmoApp();

    WineProcess& Process() { return process_; }
    const std::string& Folder() const { return folder_; }

    // The visible window whose title is exactly this; for the launcher, whose title is empty,
    // the 52 x 51 form.
    std::optional<ProbeWindow> Visible(const std::string& title) const;
    std::optional<ProbeWindow> Launcher() const { return Visible(""); }
    // Waits until it is shown (throws HarnessError after the timeout).
    ProbeWindow WaitVisible(const std::string& title,
                            std::chrono::milliseconds timeout = 15s) const;
    bool WaitHidden(const std::string& title, std::chrono::milliseconds timeout = 10s) const;

    // Right-clicks the launcher's picture and picks the menu item by its place (0 = first).
    void ChooseMenuItem(int index);
    static constexpr int kStayOnTop = 0, kSendOnClick = 1, kStickToPM = 2, kKeepOpen = 3,
                         kAbout = 4, kExit = 5; // the separator is not counted

  private:
    std::string folder_;
    WineProcess process_;
};

// The visible window of the program whose title is exactly this; for the launcher, whose title
// is empty, the 52 x 51 form. FizzmoApp's members of the same names do the same.
std::optional<ProbeWindow> VisibleWindow(const std::string& title);
ProbeWindow WaitVisibleWindow(const std::string& title, std::chrono::milliseconds timeout = 15s);
bool WaitWindowHidden(const std::string& title, std::chrono::milliseconds timeout = 10s);

// A folder with the program and, as asked, its code file; returns the program's path.
std::string PrepareProgramFolder(const std::string& folder, const FizzmoApp::Setup& setup);

// Right-clicks the launcher standing at this rectangle and picks the menu item by its place.
void ChooseLauncherMenuItem(const Rect& launcher, int index);

Rect Centre(const Rect& r); // as a point in x, y

} // namespace e2e
