// Harness for the end-to-end tests: runs the real Windows programs (x86_64 or i686) under Wine,
// from GoogleTest tests on Linux. Each test program runs inside session.sh, which gives it a
// private Xvfb display (DISPLAY), the Wine prefix (WINEPREFIX) and its wineserver, and ends them.
// What cannot be done throws HarnessError, which fails the test: nothing is silently skipped.
// FIZZMO_E2E_ARTIFACTS names where TempDir() makes the per-test folders.
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

class HarnessError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Variables set on top of this process's own environment for a child.
using EnvVars = std::map<std::string, std::string>;

struct CommandResult {
    int exitCode = -1; // 128 + signal when killed by one; -1 on timeout
    bool timedOut = false;
    std::string out; // standard output
};

// Runs argv (argv[0] looked up in PATH) in a process group of its own, stdin from /dev/null,
// stderr appended to stderrPath (or dropped); at the timeout the group is killed.
CommandResult RunCommand(const std::vector<std::string>& argv, const EnvVars& env,
                         std::chrono::milliseconds timeout, bool captureStdout = true,
                         const std::string& stderrPath = {});

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The session that session.sh set up.
class WineEnv {
  public:
    static constexpr const char* kWine64 = "/usr/lib/wine/wine64";

    static WineEnv& Get(); // throws HarnessError outside a session
    const EnvVars& WineEnvVars() const { return wineVars_; } // WINEPREFIX, DISPLAY, ...
    const EnvVars& XEnvVars() const { return xVars_; }       // DISPLAY only

  private:
    EnvVars wineVars_;
    EnvVars xVars_;
};

// One Windows program run by wine64, whose pid is the Windows process's (the loader execs in
// place); in a process group of its own, its output in files of the test's TempDir().
class WineProcess {
  public:
    static WineProcess Start(const std::string& exeLinuxPath,
                             const std::vector<std::string>& args = {},
                             const std::optional<std::string>& workingDir = std::nullopt);

    WineProcess(WineProcess&& other) noexcept;
    WineProcess& operator=(WineProcess&& other) = delete;
    WineProcess(const WineProcess&) = delete;
    ~WineProcess(); // kills the program if it is still running

    bool Running();
    int Wait(std::chrono::milliseconds timeout); // the exit code, or -1 while still running
    void Kill(); // the program and its process group; harmless when it has ended

    pid_t Pid() const { return pid_; }
    std::string Stdout() const;
    std::string Stderr() const;

  private:
    WineProcess() = default;
    bool Poll();

    pid_t pid_ = -1;
    bool reaped_ = false;
    std::optional<int> exitCode_;
    std::string logBase_;
};

struct WineResult {
    int exitCode = -1; // -1 on timeout
    std::string out;
    std::string err;
};
// Starts the program, waits for it, kills it at the timeout.
WineResult RunWineCaptured(const std::string& exeLinuxPath, const std::vector<std::string>& args,
                           std::chrono::milliseconds timeout);
int RunWine(const std::string& exeLinuxPath, const std::vector<std::string>& args,
            std::chrono::milliseconds timeout);

// "/tmp/a b/c.txt" -> "Z:\tmp\a b\c.txt"; the path must be absolute.
std::string ToWinePath(const std::string& linuxAbsPath);

// The registry of the prefix through Wine's reg.exe; keys as it takes them: "HKCU\\Software\\X".
// The data as reg.exe prints it, or nullopt when the key or the value is missing.
std::optional<std::string> RegQuery(const std::string& key, const std::string& valueName);
bool RegDeleteKey(const std::string& key); // and all below it
bool RegDeleteValue(const std::string& key, const std::string& valueName);
void RegAddString(const std::string& key, const std::string& valueName, const std::string& data);
void RegAddDword(const std::string& key, const std::string& valueName, std::uint32_t data);

// The display, through xdotool and ImageMagick's import.
void MouseMove(int x, int y);
void Click(int x, int y, int button = 1);
void Key(const std::string& keySpecs); // "ctrl+s Return"
void TypeText(const std::string& text);
bool Screenshot(const std::string& pngPath);
// The mouse pointer's shape as X shows it now.
struct PointerShape {
    int width = 0;
    int height = 0;
    int hotX = 0;
    int hotY = 0;
};
std::optional<PointerShape> CurrentPointer();

// Polls until the condition holds (true) or the timeout has passed (false).
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout,
               std::chrono::milliseconds poll = 50ms);

// A folder of the current test's own, emptied on its first use in this process.
std::string TempDir();
bool FileExists(const std::string& path);
std::string ReadFile(const std::string& path); // throws HarnessError when it cannot
void WriteFile(const std::string& path, const std::string& content);

// A test that fails, without running its body, when the session cannot be set up.
class WineTest : public ::testing::Test {
  protected:
    void SetUp() override;
};

namespace detail {
std::string ArtifactRoot();
// Starts argv in a process group of its own; stdout and stderr appended to the files (or
// dropped). Throws HarnessError when it cannot start.
pid_t Spawn(const std::vector<std::string>& argv, const EnvVars& env, const std::string& stdoutPath,
            const std::string& stderrPath,
            const std::optional<std::string>& workingDir = std::nullopt);
std::optional<int> TryReap(pid_t pid); // the status once it has ended
void KillAndReap(pid_t pid);           // SIGKILLs its group and it, and reaps it
} // namespace detail

} // namespace e2e
