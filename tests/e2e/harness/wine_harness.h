// Harness for the end-to-end tests: runs the real Windows build (x86_64 or i686) under Wine on a
// private Xvfb display, from GoogleTest tests on Linux.
//
// The first use of WineEnv::Get() (directly, or through any helper below that needs Wine or the
// display) starts one Xvfb for the whole test process, makes sure the Wine prefix exists and starts
// a persistent wineserver for it. At process exit, and by a watchdog should the process die
// without exiting (crash, SIGKILL), both are stopped again. Anything that cannot be set up throws
// HarnessError, which GoogleTest reports as a failure of the test; nothing is silently skipped.
//
// Environment read at run time:
//   FIZZMO_WINEPREFIX      the Wine prefix (default: <current directory>/wineprefix); made with
//                          `wineboot -i` when it has no system.reg yet
//   FIZZMO_E2E_ARTIFACTS   where TempDir() makes the per-test folders (default: the build tree's
//                          Testing/e2e, else /tmp/fizzmo-e2e)
//   FIZZMO_WINEDEBUG       WINEDEBUG for the Wine children (default: -all)
//   FIZZMO_E2E_TARGET      i686: the session fails unless the 32-bit Wine and a prefix made
//                          with it are there
//
// Every subprocess is run with a timeout and always reaped.
#pragma once

#include <gtest/gtest.h>

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace e2e {

using namespace std::chrono_literals;

// Thrown when the harness itself cannot do its job (no Xvfb, no Wine, a broken prefix, ...).
class HarnessError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Variables set (or replaced) on top of this process's own environment for a child.
using EnvVars = std::map<std::string, std::string>;

// ---------------------------------------------------------------------------------------------
// Subprocesses

struct CommandResult {
    int exitCode = -1;     // exit status; 128 + signal when killed by a signal; -1 on timeout
    bool timedOut = false; // the child (and its process group) was killed at the timeout
    std::string out;       // its standard output, when captured
};

// Runs argv[0] (looked up in PATH) with `env` on top of this process's environment, in a process
// group of its own, stdin from /dev/null, stderr to `stderrPath` (appended; /dev/null if empty).
// At the timeout the whole process group is SIGKILLed. The child is always reaped.
// Throws HarnessError when the program cannot be started at all.
CommandResult RunCommand(const std::vector<std::string>& argv, const EnvVars& env,
                         std::chrono::milliseconds timeout, bool captureStdout = true,
                         const std::string& stderrPath = {});

// ---------------------------------------------------------------------------------------------
// The shared session: Xvfb display and Wine prefix

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

class WineEnv {
  public:
    static constexpr const char* kWine64 = "/usr/lib/wine/wine64";

    // The process-wide session, set up on first use. Throws HarnessError when it cannot be set
    // up (and again, at once, on every later call).
    static WineEnv& Get();

    const std::string& Display() const { return display_; } // ":90"
    const std::string& Prefix() const { return prefix_; }   // Linux path of WINEPREFIX
    const std::string& Wineserver() const { return wineserver_; }
    // WINEPREFIX, DISPLAY, WINEDEBUG, WINEDLLOVERRIDES: what every Wine child gets.
    const EnvVars& WineEnvVars() const { return wineVars_; }
    // DISPLAY only: for xdotool, import, xdpyinfo.
    const EnvVars& XEnvVars() const { return xVars_; }
    pid_t XvfbPid() const { return xvfbPid_; }

    WineEnv(const WineEnv&) = delete;
    WineEnv& operator=(const WineEnv&) = delete;

  private:
    WineEnv() = default;
    void Start();
    void StartXvfb();
    void PreparePrefix();
    void StartWineserver();
    void StartWatchdog();
    void Shutdown();
    static void ShutdownAtExit();

    std::string display_;
    std::string prefix_;
    std::string wineserver_;
    EnvVars wineVars_;
    EnvVars xVars_;
    pid_t xvfbPid_ = -1;
    int lockFd_ = -1;
    int watchdogFd_ = -1;
};

// ---------------------------------------------------------------------------------------------
// Windows programs

// One Windows program run by /usr/lib/wine/wine64 (whose pid is the Windows process's: the loader
// execs in place, so its exit status is the program's exit code, modulo 256). It runs in a process
// group of its own; its stdout and stderr go to files in the test's TempDir().
class WineProcess {
  public:
    // exe is a Linux path; args are passed as they are (the program sees them on its command
    // line); workingDir is a Linux path (default: this process's current directory).
    static WineProcess Start(const std::string& exeLinuxPath,
                             const std::vector<std::string>& args = {},
                             const std::optional<std::string>& workingDir = std::nullopt,
                             const EnvVars& extraEnv = {});

    WineProcess(WineProcess&& other) noexcept;
    WineProcess& operator=(WineProcess&& other) noexcept;
    WineProcess(const WineProcess&) = delete;
    WineProcess& operator=(const WineProcess&) = delete;
    ~WineProcess(); // kills the program if it is still running

    bool Running();
    // The exit code, or -1 if still running after `timeout` (it is left running then).
    int Wait(std::chrono::milliseconds timeout);
    // SIGKILLs the program and its process group, and reaps it. Harmless when it has ended.
    void Kill();

    pid_t Pid() const { return pid_; }
    std::optional<int> ExitCode() const { return exitCode_; }
    const std::string& StdoutPath() const { return stdoutPath_; }
    const std::string& StderrPath() const { return stderrPath_; }
    std::string Stdout() const; // what it has written to stdout so far
    std::string Stderr() const;

  private:
    WineProcess() = default;
    bool Poll();

    pid_t pid_ = -1;
    bool reaped_ = false;
    std::optional<int> exitCode_;
    std::string stdoutPath_;
    std::string stderrPath_;
};

// Starts the program, waits for it, kills it at the timeout; returns its exit code (-1 on timeout).
int RunWine(const std::string& exeLinuxPath, const std::vector<std::string>& args,
            std::chrono::milliseconds timeout);

struct WineResult {
    int exitCode = -1; // -1 on timeout
    std::string out;
    std::string err;
};
// The same, also handing back what it wrote to stdout and stderr.
WineResult RunWineCaptured(const std::string& exeLinuxPath, const std::vector<std::string>& args,
                           std::chrono::milliseconds timeout);

// "/tmp/a b/c.txt" -> "Z:\tmp\a b\c.txt". Pure string transform; the path must be absolute.
std::string ToWinePath(const std::string& linuxAbsPath);

// ---------------------------------------------------------------------------------------------
// Registry of the prefix, through Wine's reg.exe (which talks to the same wineserver, so values
// written by a program are seen at once).
// Keys as reg.exe takes them: "HKCU\\Software\\FizzmoLite". An empty valueName means the default
// value.

// The data of the value as reg.exe prints it (REG_SZ and REG_EXPAND_SZ: the text; REG_DWORD:
// "0x2a"), or nullopt when the key or the value is missing.
std::optional<std::string> RegQuery(const std::string& key, const std::string& valueName);
std::optional<std::uint32_t> RegQueryDword(const std::string& key, const std::string& valueName);
// Deletes the key and all below it; false when there was nothing to delete.
bool RegDeleteKey(const std::string& key);
// Throw HarnessError when reg.exe fails.
void RegAddString(const std::string& key, const std::string& valueName, const std::string& data);
void RegAddDword(const std::string& key, const std::string& valueName, std::uint32_t data);

// ---------------------------------------------------------------------------------------------
// The X display, through xdotool and ImageMagick's import

// X window ids whose title matches the (extended) regular expression.
std::vector<unsigned long> FindWindows(const std::string& nameRegex, bool onlyVisible = false);
// Position (relative to the root window) and size, or nullopt when there is no such window.
std::optional<Rect> WindowGeometry(unsigned long xid);
std::optional<std::string> WindowName(unsigned long xid);
void MouseMove(int x, int y);
void Click(int x, int y, int button = 1);
// `xdotool key`: one or more key specs separated by spaces, like "ctrl+s Return".
void Key(const std::string& keySpecs);
// `xdotool type`: the text, typed character by character.
void TypeText(const std::string& text);
// Gives the window the keyboard focus (there is no window manager on the display).
void FocusWindow(unsigned long xid);
// PNG of the whole screen.
bool Screenshot(const std::string& pngPath);

// Polls `condition` every `poll` until it holds (true) or `timeout` has passed (false); it is
// always checked at least once, and once more at the deadline.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout,
               std::chrono::milliseconds poll = 50ms);

// ---------------------------------------------------------------------------------------------
// Files

// A folder of the current test's own, emptied on its first use in this process:
// <artifacts>/<Suite>.<Test>. The same folder for every call within one test; outside a test,
// <artifacts>/global.<pid>.
std::string TempDir();
bool FileExists(const std::string& path);
// Throws HarnessError when the file cannot be read.
std::string ReadFile(const std::string& path);
// Lines without their end (LF or CRLF); no empty last line for a final line end.
std::vector<std::string> ReadLines(const std::string& path);
void WriteFile(const std::string& path, const std::string& content);

// ---------------------------------------------------------------------------------------------
// Fixture: a test that fails (and does not run its body) when the session cannot be set up.
class WineTest : public ::testing::Test {
  protected:
    void SetUp() override;
    WineEnv& Env() { return *env_; }

  private:
    WineEnv* env_ = nullptr;
};

} // namespace e2e
