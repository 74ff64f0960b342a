#pragma once
// The stand-in messenger, run under Wine for a test: its windows, its log of received key
// messages, its state file and its command file.
#include "wine_harness.h"

#include <string>
#include <vector>

namespace e2e {

// Folder of the Windows programs under test ($FIZZMO_WIN_BIN_DIR; else the x86_64 build's).
std::string WindowsBin();
std::string WindowsProgram(const std::string& name); // WindowsBin() + "/" + name + ".exe"

// Makes Wine's X11 driver run without a window manager's help, so windows come and go at once.
void UseUnmanagedWindows();

struct StandInWindow {
    int index = -1;
    std::string hwnd;
    Rect rect; // outer bounds, screen pixels
    Rect input;
};

class StandIn {
  public:
    // specs: one "x,y,w,h[,flag...]" per IM window, the first frontmost.
    explicit StandIn(const std::vector<std::string>& specs, const std::string& className = "");
    ~StandIn();

    std::vector<std::string> Log() const;
    // The log without the window handles and arrival times, which change from run to run.
    std::vector<std::string> Received() const;
    std::vector<StandInWindow> Windows() const;
    // Runs the lines, then waits until the stand-in has written its state anew.
    void Command(const std::string& lines);

  private:
    bool Ready() const;
    std::string dir_;
    WineProcess process_;
};

} // namespace e2e
