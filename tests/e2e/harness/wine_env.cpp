// The process-wide session (one Xvfb display, the Wine prefix and its persistent wineserver),
// the registry through reg.exe, the display through xdotool, and the test's files.
#include "wine_harness.h"

#include <fcntl.h>
#include <strings.h>
#include <sys/socket.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <sstream>
#include <thread>

namespace e2e {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

std::string Env(const char* name, const std::string& otherwise) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : otherwise;
}

bool IsExecutable(const std::string& path) {
    return access(path.c_str(), X_OK) == 0;
}

// Run when this process ends without saying "done" on fd 3: $1 Xvfb's pid, $2 wineserver,
// $3 WINEPREFIX. The outer shell exits at once, so the watchdog is nobody's child and is not
// killed along with this process's tree.
constexpr const char* kWatchdogScript =
    "( trap '' HUP INT TERM PIPE\n"
    "  if read -r msg <&3 && [ \"$msg\" = done ]; then exit 0; fi\n"
    "  if [ \"$(cat /proc/$1/comm 2>/dev/null)\" = Xvfb ]; then kill -9 \"$1\"; fi\n"
    "  WINEPREFIX=\"$3\" \"$2\" -k ) >/dev/null 2>&1 &\n";

// A display whose lock names a process that is gone (an Xvfb that was killed) is free again.
void RemoveStaleDisplay(const std::string& number) {
    const std::string lock = "/tmp/.X" + number + "-lock";
    std::ifstream in(lock);
    long pid = 0;
    if (in >> pid && pid > 0 && kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) {
        std::remove(lock.c_str());
        std::remove(("/tmp/.X11-unix/X" + number).c_str());
    }
}

std::mutex gMutex;
WineEnv* gEnv = nullptr;
std::unique_ptr<std::string> gFailure;

CommandResult Reg(std::vector<std::string> args) {
    args.insert(args.begin(), {WineEnv::kWine64, "reg"});
    CommandResult result = RunCommand(args, WineEnv::Get().WineEnvVars(), 60s);
    if (result.timedOut) {
        throw HarnessError("reg.exe " + args[2] + " did not end within 60 s");
    }
    return result;
}

void XTool(std::vector<std::string> argv) {
    argv.insert(argv.begin(), "xdotool");
    if (RunCommand(argv, WineEnv::Get().XEnvVars(), 10s).exitCode != 0) {
        throw HarnessError("xdotool " + argv[1] + " failed");
    }
}

} // namespace

WineEnv& WineEnv::Get() {
    std::lock_guard<std::mutex> lock(gMutex);
    if (gEnv != nullptr) {
        return *gEnv;
    }
    if (gFailure) {
        throw HarnessError(*gFailure);
    }
    auto* env = new WineEnv();
    try {
        env->Start();
    } catch (const std::exception& error) {
        env->Shutdown();
        delete env;
        gFailure = std::make_unique<std::string>(std::string("Wine test session: ") + error.what());
        throw HarnessError(*gFailure);
    }
    gEnv = env; // never deleted: static destructors may still ask for it
    std::atexit([] {
        std::lock_guard<std::mutex> lock(gMutex);
        gEnv->Shutdown();
    });
    return *gEnv;
}

void WineEnv::Start() {
    if (!IsExecutable(kWine64)) {
        throw HarnessError(std::string(kWine64) + " is missing: install Debian's wine64 package");
    }
    for (const char* candidate : {"/usr/lib/wine/wineserver64", "/usr/lib/wine/wineserver"}) {
        if (wineserver_.empty() && IsExecutable(candidate)) {
            wineserver_ = candidate;
        }
    }
    if (wineserver_.empty()) {
        throw HarnessError("no wineserver in /usr/lib/wine: install Debian's wine64 package");
    }
    fs::create_directories(detail::ArtifactRoot());
    StartXvfb();
    prefix_ = fs::absolute(Env("FIZZMO_WINEPREFIX", "wineprefix")).lexically_normal().string();
    while (prefix_.size() > 1 && prefix_.back() == '/') {
        prefix_.pop_back();
    }
    wineVars_ = {{"WINEPREFIX", prefix_},
                 {"DISPLAY", display_},
                 {"WINEDEBUG", Env("FIZZMO_WINEDEBUG", "-all")},
                 {"WINEDLLOVERRIDES", "mscoree,mshtml="}};
    PreparePrefix();
    StartWatchdog();
    // Without the 32-bit Wine, wine64 may end an i686 program at once with status 0.
    if (Env("FIZZMO_E2E_TARGET", "") == "i686") {
        if (!IsExecutable("/usr/lib/wine/wine")) {
            throw HarnessError("the i686 programs need the 32-bit Wine: install wine32:i386");
        }
        if (!FileExists(prefix_ + "/drive_c/windows/syswow64/kernel32.dll")) {
            throw HarnessError("the Wine prefix " + prefix_ +
                               " was made without the 32-bit Wine: remove it to have it made anew");
        }
    }
}

void WineEnv::StartXvfb() {
    for (int number = 90; number < 200; ++number) {
        const std::string n = std::to_string(number);
        RemoveStaleDisplay(n);
        if (FileExists("/tmp/.X" + n + "-lock") || FileExists("/tmp/.X11-unix/X" + n)) {
            continue;
        }
        const std::string log = detail::ArtifactRoot() + "/xvfb" + n + ".log";
        WriteFile(log, "");
        xvfbPid_ = detail::Spawn(
            {"Xvfb", ":" + n, "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"}, {},
            log, log);
        std::optional<int> ended;
        const bool up = WaitUntil(
            [&] {
                return (ended = detail::TryReap(xvfbPid_)) ||
                       (FileExists("/tmp/.X11-unix/X" + n) &&
                        RunCommand({"xdpyinfo", "-display", ":" + n}, {}, 3s).exitCode == 0);
            },
            10s);
        if (up && !ended) {
            display_ = ":" + n;
            xVars_ = {{"DISPLAY", display_}};
            return;
        }
        if (!ended) {
            detail::KillAndReap(xvfbPid_);
        }
        xvfbPid_ = -1;
        if (ReadFile(log).find("already active") == std::string::npos) {
            throw HarnessError("Xvfb :" + n + " did not start; see " + log);
        }
        // Another process took this display just now: try the next.
    }
    throw HarnessError("no free X display between :90 and :199");
}

// One test process at a time uses a prefix (the suites run one after another).
void WineEnv::PreparePrefix() {
    fs::create_directories(prefix_);
    if (!FileExists(prefix_ + "/system.reg")) {
        const std::string log = detail::ArtifactRoot() + "/wineboot.log";
        const CommandResult boot =
            RunCommand({kWine64, "wineboot", "-i"}, wineVars_, 300s, false, log);
        // Let the wineserver write the registry out and go.
        RunCommand({wineserver_, "-w"}, wineVars_, 60s, false);
        if (boot.exitCode != 0 || !FileExists(prefix_ + "/system.reg")) {
            throw HarnessError("`wine64 wineboot -i` did not make the prefix " + prefix_ +
                               "; see " + log);
        }
    }
    // Stop a wineserver left by an earlier run, or one going down, so the next one is ours.
    RunCommand({wineserver_, "-k"}, wineVars_, 60s, false);
    RunCommand({wineserver_, "-w"}, wineVars_, 60s, false);
    // Persistent, so that it and Wine's services need not start again for every program.
    if (RunCommand({wineserver_, "-p"}, wineVars_, 60s, false).timedOut) {
        throw HarnessError("`wineserver -p` for " + prefix_ + " did not return within 60 s");
    }
}

void WineEnv::StartWatchdog() {
    // A socket rather than a pipe: send(MSG_NOSIGNAL) cannot raise SIGPIPE should it be gone.
    int fds[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) != 0) {
        throw HarnessError("cannot make the watchdog's socket");
    }
    const pid_t shell = detail::Spawn({"/bin/sh", "-c", kWatchdogScript, "fizzmo-e2e-watchdog",
                                       std::to_string(xvfbPid_), wineserver_, prefix_},
                                      {}, "", "", std::nullopt, fds[0]);
    close(fds[0]);
    watchdogFd_ = fds[1];
    if (!WaitUntil([shell] { return detail::TryReap(shell).has_value(); }, 10s, 2ms)) {
        detail::KillAndReap(shell);
    }
}

void WineEnv::Shutdown() {
    if (!wineVars_.empty()) {
        // Stopping the wineserver ends every program of the prefix.
        RunCommand({wineserver_, "-k"}, wineVars_, 15s, false);
        RunCommand({wineserver_, "-w"}, wineVars_, 15s, false);
    }
    if (xvfbPid_ > 0) {
        // Asked to go, Xvfb removes its lock file and socket; killed, it would leave them.
        kill(xvfbPid_, SIGTERM);
        if (!WaitUntil([this] { return detail::TryReap(xvfbPid_).has_value(); }, 3s, 5ms)) {
            detail::KillAndReap(xvfbPid_);
        }
        xvfbPid_ = -1;
        RemoveStaleDisplay(display_.substr(1));
    }
    if (watchdogFd_ >= 0) {
        [[maybe_unused]] const ssize_t sent = send(watchdogFd_, "done\n", 5, MSG_NOSIGNAL);
        close(watchdogFd_);
        watchdogFd_ = -1;
    }
}

void WineTest::SetUp() {
    try {
        WineEnv::Get();
    } catch (const std::exception& error) {
        GTEST_FAIL() << error.what();
    }
}

std::string detail::ArtifactRoot() {
    return Env("FIZZMO_E2E_ARTIFACTS", FIZZMO_E2E_ARTIFACT_ROOT);
}

std::string ToWinePath(const std::string& linuxAbsPath) {
    if (linuxAbsPath.empty() || linuxAbsPath.front() != '/') {
        throw HarnessError("not an absolute path: " + linuxAbsPath);
    }
    std::string result = "Z:";
    for (const char c : linuxAbsPath) {
        if (c != '/') {
            result += c;
        } else if (result.back() != '\\') {
            result += '\\';
        }
    }
    return result;
}

std::string TempDir() {
    static std::map<std::string, std::string> made; // test name -> folder
    std::string name = "global." + std::to_string(getpid());
    if (const auto* info = ::testing::UnitTest::GetInstance()->current_test_info()) {
        name = std::string(info->test_suite_name()) + "." + info->name();
    }
    if (auto found = made.find(name); found != made.end()) {
        return found->second;
    }
    const std::string dir = detail::ArtifactRoot() + "/" + name;
    fs::remove_all(dir);
    fs::create_directories(dir);
    return made[name] = dir;
}

bool FileExists(const std::string& path) {
    return access(path.c_str(), F_OK) == 0;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw HarnessError("cannot read " + path);
    }
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!(out << content)) {
        throw HarnessError("cannot write " + path);
    }
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout,
               std::chrono::milliseconds poll) {
    const auto deadline = Clock::now() + timeout;
    while (!condition()) {
        const auto now = Clock::now();
        if (now >= deadline) {
            return condition();
        }
        std::this_thread::sleep_for(std::min<Clock::duration>(poll, deadline - now));
    }
    return true;
}

// reg.exe prints each value as "    NAME    TYPE    DATA"; names are matched without case.
std::optional<std::string> RegQuery(const std::string& key, const std::string& valueName) {
    const CommandResult result = Reg({"query", key, "/v", valueName});
    std::istringstream lines(result.out);
    for (std::string line; result.exitCode == 0 && std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const std::size_t typeAt = line.find("    REG_");
        const std::size_t nameAt = line.find_first_not_of(' ');
        if (typeAt == std::string::npos ||
            strcasecmp(line.substr(nameAt, typeAt - nameAt).c_str(), valueName.c_str()) != 0) {
            continue;
        }
        const std::size_t dataAt = line.find("    ", typeAt + 4);
        return dataAt == std::string::npos ? "" : line.substr(dataAt + 4);
    }
    return std::nullopt;
}

bool RegDeleteKey(const std::string& key) {
    return Reg({"delete", key, "/f"}).exitCode == 0;
}

void RegAddString(const std::string& key, const std::string& valueName, const std::string& data) {
    if (Reg({"add", key, "/v", valueName, "/t", "REG_SZ", "/d", data, "/f"}).exitCode != 0) {
        throw HarnessError("reg add " + key + " /v " + valueName + " failed");
    }
}

void RegAddDword(const std::string& key, const std::string& valueName, std::uint32_t data) {
    if (Reg({"add", key, "/v", valueName, "/t", "REG_DWORD", "/d", std::to_string(data), "/f"})
            .exitCode != 0) {
        throw HarnessError("reg add " + key + " /v " + valueName + " failed");
    }
}

void MouseMove(int x, int y) {
    XTool({"mousemove", std::to_string(x), std::to_string(y)});
}

void Click(int x, int y, int button) {
    XTool({"mousemove", std::to_string(x), std::to_string(y), "click", std::to_string(button)});
}

void Key(const std::string& keySpecs) {
    std::vector<std::string> argv = {"key", "--delay", "30", "--"};
    std::istringstream words(keySpecs);
    for (std::string word; words >> word;) {
        argv.push_back(word);
    }
    XTool(argv);
}

void TypeText(const std::string& text) {
    XTool({"type", "--delay", "30", "--", text});
}

bool Screenshot(const std::string& pngPath) {
    return RunCommand({"import", "-window", "root", pngPath}, WineEnv::Get().XEnvVars(), 20s)
                   .exitCode == 0 &&
           FileExists(pngPath);
}

} // namespace e2e
