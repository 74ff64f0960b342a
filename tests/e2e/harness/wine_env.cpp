// The process-wide session: one Xvfb display, the Wine prefix and its persistent wineserver.
#include "harness_internal.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <thread>

namespace e2e {
namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

constexpr int kFirstDisplay = 90;
constexpr int kLastDisplay = 199;
constexpr auto kXvfbReadyTimeout = std::chrono::seconds(10);
constexpr auto kWinebootTimeout = std::chrono::seconds(300);
constexpr auto kWineserverTimeout = std::chrono::seconds(60);
constexpr auto kPrefixLockTimeout = std::chrono::seconds(420);
constexpr const char* kLockName = ".fizzmo-e2e-harness.lock";

std::string Tail(const std::string& path, std::size_t chars = 2000) {
    if (!FileExists(path)) {
        return "(no log)";
    }
    std::string text = ReadFile(path);
    if (text.size() > chars) {
        text = "..." + text.substr(text.size() - chars);
    }
    return text.empty() ? "(empty log)" : text;
}

bool IsExecutable(const std::string& path) {
    return access(path.c_str(), X_OK) == 0;
}

std::string FindWineserver() {
    for (const char* candidate :
         {"/usr/lib/wine/wineserver64", "/usr/lib/wine/wineserver", "/usr/bin/wineserver"}) {
        if (IsExecutable(candidate)) {
            return candidate;
        }
    }
    throw HarnessError("no wineserver found (looked for /usr/lib/wine/wineserver64, "
                       "/usr/lib/wine/wineserver, /usr/bin/wineserver): install Debian's wine64");
}

// Takes the lock with flock(), waiting up to `timeout`; false when it could not be had.
bool LockWithin(int fd, int operation, std::chrono::seconds timeout) {
    const auto deadline = Clock::now() + timeout;
    while (flock(fd, operation | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || Clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return true;
}

// What the watchdog does when this process ends without saying "done" on its fd 3:
// $1 Xvfb's pid, $2 wineserver, $3 WINEPREFIX, $4 the prefix's lock file. The outer shell exits at
// once, so the watchdog is nobody's child and is not killed along with this process's tree.
constexpr const char* kWatchdogScript =
    "( trap '' HUP INT TERM PIPE\n"
    "  if read -r msg <&3 && [ \"$msg\" = done ]; then exit 0; fi\n"
    "  if [ \"$(cat /proc/$1/comm 2>/dev/null)\" = Xvfb ]; then kill -9 \"$1\"; fi\n"
    "  if command -v flock >/dev/null; then\n"
    "    WINEPREFIX=\"$3\" flock -n -x \"$4\" \"$2\" -k\n"
    "  else\n"
    "    WINEPREFIX=\"$3\" \"$2\" -k\n"
    "  fi ) >/dev/null 2>&1 &\n";

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
    gEnv = env;
    std::atexit(&WineEnv::ShutdownAtExit);
    return *gEnv;
}

void WineEnv::ShutdownAtExit() {
    std::lock_guard<std::mutex> lock(gMutex);
    if (gEnv != nullptr) {
        gEnv->Shutdown();
        // Left allocated on purpose: other static destructors may still ask for it.
    }
}

void WineEnv::Start() {
    if (!IsExecutable(kWine64)) {
        throw HarnessError(std::string("Wine's 64-bit loader ") + kWine64 +
                           " is missing or not executable: install Debian's wine64 package");
    }
    wineserver_ = FindWineserver();
    detail::MakeDirs(detail::ArtifactRoot());
    StartXvfb();

    const char* prefixVar = std::getenv("FIZZMO_WINEPREFIX");
    fs::path prefix = (prefixVar != nullptr && *prefixVar != '\0')
                          ? fs::path(prefixVar)
                          : fs::current_path() / "wineprefix";
    prefix_ = fs::absolute(prefix).lexically_normal().string();
    while (prefix_.size() > 1 && prefix_.back() == '/') {
        prefix_.pop_back();
    }
    const char* debugVar = std::getenv("FIZZMO_WINEDEBUG");
    wineVars_ = {
        {"WINEPREFIX", prefix_},
        {"DISPLAY", display_},
        {"WINEDEBUG", debugVar != nullptr ? debugVar : "-all"},
        {"WINEDLLOVERRIDES", "mscoree,mshtml="},
    };
    PreparePrefix();
    StartWatchdog();
    // Without the 32-bit Wine, wine64 may end an i686 program at once with status 0.
    const char* target = std::getenv("FIZZMO_E2E_TARGET");
    if (target != nullptr && std::string(target) == "i686") {
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
    for (int number = kFirstDisplay; number <= kLastDisplay; ++number) {
        const std::string n = std::to_string(number);
        RemoveStaleDisplay(n);
        if (FileExists("/tmp/.X" + n + "-lock") || FileExists("/tmp/.X11-unix/X" + n)) {
            continue;
        }
        const std::string display = ":" + n;
        const std::string log = detail::ArtifactRoot() + "/xvfb" + n + ".log";
        WriteFile(log, "");
        detail::SpawnSpec launch;
        launch.argv = {"Xvfb",         display,     "-screen", "0",
                       "1280x1024x24", "-nolisten", "tcp",     "-noreset"};
        launch.stdoutPath = log;
        launch.stderrPath = log;
        try {
            xvfbPid_ = detail::Spawn(launch);
        } catch (const HarnessError& error) {
            throw HarnessError(std::string(error.what()) + " -- install Debian's xvfb package");
        }
        const auto deadline = Clock::now() + kXvfbReadyTimeout;
        bool lostRace = false;
        while (true) {
            if (auto status = detail::TryReap(xvfbPid_)) {
                xvfbPid_ = -1;
                const std::string text = Tail(log);
                if (text.find("already active") != std::string::npos) {
                    lostRace = true; // another process took this display just now
                    break;
                }
                throw HarnessError("Xvfb " + display + " exited with status " +
                                   std::to_string(*status) + "; its log " + log + ":\n" + text);
            }
            if (FileExists("/tmp/.X11-unix/X" + n) &&
                RunCommand({"xdpyinfo", "-display", display}, {}, std::chrono::seconds(3), true)
                        .exitCode == 0) {
                display_ = display;
                xVars_ = {{"DISPLAY", display_}};
                return;
            }
            if (Clock::now() >= deadline) {
                detail::KillAndReap(xvfbPid_);
                xvfbPid_ = -1;
                throw HarnessError("Xvfb " + display + " did not answer within 10 s; its log " +
                                   log + ":\n" + Tail(log));
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        if (!lostRace) {
            break;
        }
    }
    throw HarnessError("no free X display between :" + std::to_string(kFirstDisplay) + " and :" +
                       std::to_string(kLastDisplay) + " (see /tmp/.X*-lock and /tmp/.X11-unix)");
}

void WineEnv::PreparePrefix() {
    detail::MakeDirs(prefix_);
    const std::string lockPath = prefix_ + "/" + kLockName;
    lockFd_ = open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (lockFd_ < 0) {
        throw HarnessError("cannot open " + lockPath + ": " + std::strerror(errno));
    }
    // Exclusive while the prefix is made and its wineserver started; shared (one per test
    // process using the prefix) afterwards, so that only the last one stops the wineserver.
    if (!LockWithin(lockFd_, LOCK_EX, kPrefixLockTimeout)) {
        throw HarnessError("another process kept the Wine prefix " + prefix_ + " locked (" +
                           lockPath + ")");
    }
    if (!FileExists(prefix_ + "/system.reg")) {
        const std::string log = detail::ArtifactRoot() + "/wineboot.log";
        WriteFile(log, "");
        const auto boot =
            RunCommand({kWine64, "wineboot", "-i"}, wineVars_, kWinebootTimeout, false, log);
        if (boot.timedOut) {
            RunCommand({wineserver_, "-k"}, wineVars_, kWineserverTimeout, false);
            throw HarnessError("`wine64 wineboot -i` for the new prefix " + prefix_ +
                               " did not end within 300 s; log " + log + ":\n" + Tail(log));
        }
        // Let the wineserver write the registry out and go.
        RunCommand({wineserver_, "-w"}, wineVars_, kWineserverTimeout, false);
        if (boot.exitCode != 0 || !FileExists(prefix_ + "/system.reg")) {
            throw HarnessError("`wine64 wineboot -i` failed (status " +
                               std::to_string(boot.exitCode) + ") to make the prefix " + prefix_ +
                               "; log " + log + ":\n" + Tail(log));
        }
    }
    // No other test process uses the prefix now: stop a wineserver left by an earlier run, or one
    // still going down, and wait for it to save the registry, so the one started next is ours.
    RunCommand({wineserver_, "-k"}, wineVars_, kWineserverTimeout, false);
    RunCommand({wineserver_, "-w"}, wineVars_, kWineserverTimeout, false);
    StartWineserver();
    flock(lockFd_, LOCK_SH);
}

void WineEnv::StartWineserver() {
    // Persistent, so that it (and Wine's services) need not start again for every program run.
    // When one is running already for this prefix this one just says so and exits.
    const std::string log = detail::ArtifactRoot() + "/wineserver.log";
    const auto started = RunCommand({wineserver_, "-p"}, wineVars_, kWineserverTimeout, false, log);
    if (started.timedOut) {
        throw HarnessError("`wineserver -p` for " + prefix_ + " did not return within 60 s");
    }
}

void WineEnv::StartWatchdog() {
    // A socket rather than a pipe: send(MSG_NOSIGNAL) cannot raise SIGPIPE should it be gone.
    int fds[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) != 0) {
        throw HarnessError(std::string("watchdog socket: ") + std::strerror(errno));
    }
    detail::SpawnSpec launch;
    launch.argv = {"/bin/sh",
                   "-c",
                   kWatchdogScript,
                   "fizzmo-e2e-watchdog",
                   std::to_string(xvfbPid_),
                   wineserver_,
                   prefix_,
                   prefix_ + "/" + kLockName};
    launch.extraFd = fds[0];
    pid_t shell = -1;
    try {
        shell = detail::Spawn(launch);
    } catch (...) {
        close(fds[0]);
        close(fds[1]);
        throw;
    }
    close(fds[0]);
    watchdogFd_ = fds[1];
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    while (!detail::TryReap(shell)) {
        if (Clock::now() >= deadline) {
            detail::KillAndReap(shell);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

void WineEnv::Shutdown() {
    if (lockFd_ >= 0) {
        // The last test process using the prefix stops its wineserver (and so every Wine program).
        if (flock(lockFd_, LOCK_EX | LOCK_NB) == 0 && !prefix_.empty()) {
            RunCommand({wineserver_, "-k"}, wineVars_, std::chrono::seconds(15), false);
            RunCommand({wineserver_, "-w"}, wineVars_, std::chrono::seconds(15), false);
        }
        close(lockFd_);
        lockFd_ = -1;
    }
    if (xvfbPid_ > 0) {
        // Asked to go, Xvfb removes its lock file and socket; killed, it would leave them.
        kill(xvfbPid_, SIGTERM);
        const auto deadline = Clock::now() + std::chrono::seconds(3);
        while (!detail::TryReap(xvfbPid_)) {
            if (Clock::now() >= deadline) {
                detail::KillAndReap(xvfbPid_);
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        xvfbPid_ = -1;
        if (display_.size() > 1) {
            RemoveStaleDisplay(display_.substr(1));
        }
    }
    if (watchdogFd_ >= 0) {
        const char done[] = "done\n";
        [[maybe_unused]] const ssize_t sent =
            send(watchdogFd_, done, sizeof done - 1, MSG_NOSIGNAL);
        close(watchdogFd_);
        watchdogFd_ = -1;
    }
}

} // namespace e2e
