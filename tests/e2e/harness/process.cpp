// Subprocesses: spawning, RunCommand, WineProcess, RunWine.
#include "harness_internal.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <thread>

extern char** environ;

namespace e2e {
namespace detail {
namespace {

using Clock = std::chrono::steady_clock;

std::string Joined(const std::vector<std::string>& argv) {
    std::string text;
    for (const auto& arg : argv) {
        if (!text.empty()) {
            text += ' ';
        }
        text += arg;
    }
    return text;
}

// This process's environment with `overrides` set on top, as "NAME=value" strings.
std::vector<std::string> MergedEnvironment(const EnvVars& overrides) {
    std::vector<std::string> merged;
    for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
        const std::string text = *entry;
        const auto eq = text.find('=');
        const std::string name = text.substr(0, eq);
        if (overrides.find(name) == overrides.end()) {
            merged.push_back(text);
        }
    }
    for (const auto& [name, value] : overrides) {
        merged.push_back(name + "=" + value);
    }
    return merged;
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    pointers.reserve(strings.size() + 1);
    for (auto& text : strings) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

class FileActions {
  public:
    FileActions() { posix_spawn_file_actions_init(&actions_); }
    ~FileActions() { posix_spawn_file_actions_destroy(&actions_); }
    FileActions(const FileActions&) = delete;
    FileActions& operator=(const FileActions&) = delete;
    posix_spawn_file_actions_t* get() { return &actions_; }

  private:
    posix_spawn_file_actions_t actions_;
};

class SpawnAttr {
  public:
    SpawnAttr() { posix_spawnattr_init(&attr_); }
    ~SpawnAttr() { posix_spawnattr_destroy(&attr_); }
    SpawnAttr(const SpawnAttr&) = delete;
    SpawnAttr& operator=(const SpawnAttr&) = delete;
    posix_spawnattr_t* get() { return &attr_; }

  private:
    posix_spawnattr_t attr_;
};

} // namespace

pid_t Spawn(const SpawnSpec& launch) {
    if (launch.argv.empty()) {
        throw HarnessError("Spawn: empty command line");
    }
    constexpr int kAppend = O_WRONLY | O_CREAT | O_APPEND;
    FileActions actions;
    int rc = posix_spawn_file_actions_addopen(actions.get(), 0, "/dev/null", O_RDONLY, 0);
    if (rc == 0 && launch.stdoutFd >= 0) {
        rc = posix_spawn_file_actions_adddup2(actions.get(), launch.stdoutFd, 1);
    } else if (rc == 0) {
        const char* out = launch.stdoutPath.empty() ? "/dev/null" : launch.stdoutPath.c_str();
        rc = posix_spawn_file_actions_addopen(actions.get(), 1, out, kAppend, 0644);
    }
    if (rc == 0) {
        const char* err = launch.stderrPath.empty() ? "/dev/null" : launch.stderrPath.c_str();
        rc = posix_spawn_file_actions_addopen(actions.get(), 2, err, kAppend, 0644);
    }
    if (rc == 0 && launch.extraFd >= 0) {
        rc = posix_spawn_file_actions_adddup2(actions.get(), launch.extraFd, 3);
    }
    if (rc == 0) {
        rc = posix_spawn_file_actions_addclosefrom_np(actions.get(), launch.extraFd >= 0 ? 4 : 3);
    }
    if (rc == 0 && launch.workingDir) {
        rc = posix_spawn_file_actions_addchdir_np(actions.get(), launch.workingDir->c_str());
    }
    SpawnAttr attr;
    if (rc == 0) {
        rc = posix_spawnattr_setpgroup(attr.get(), 0);
    }
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    sigaddset(&defaults, SIGINT);
    sigaddset(&defaults, SIGTERM);
    sigaddset(&defaults, SIGHUP);
    sigset_t noMask;
    sigemptyset(&noMask);
    if (rc == 0) {
        rc = posix_spawnattr_setsigdefault(attr.get(), &defaults);
    }
    if (rc == 0) {
        rc = posix_spawnattr_setsigmask(attr.get(), &noMask);
    }
    if (rc == 0) {
        rc = posix_spawnattr_setflags(attr.get(), POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGDEF |
                                                      POSIX_SPAWN_SETSIGMASK);
    }
    if (rc != 0) {
        throw HarnessError("Spawn: cannot prepare `" + Joined(launch.argv) +
                           "`: " + std::strerror(rc));
    }

    std::vector<std::string> argvStrings = launch.argv;
    std::vector<std::string> envStrings = MergedEnvironment(launch.env);
    auto argvPointers = Pointers(argvStrings);
    auto envPointers = Pointers(envStrings);
    pid_t pid = -1;
    rc = posix_spawnp(&pid, argvPointers[0], actions.get(), attr.get(), argvPointers.data(),
                      envPointers.data());
    if (rc != 0) {
        throw HarnessError("cannot run `" + Joined(launch.argv) + "`: " + std::strerror(rc) +
                           (rc == ENOENT ? " (is it installed?)" : ""));
    }
    return pid;
}

int DecodeStatus(int status) {
    if (WIFEXITED(status)) {
        return WEXITSTATUS(status);
    }
    if (WIFSIGNALED(status)) {
        return 128 + WTERMSIG(status);
    }
    return -1;
}

std::optional<int> TryReap(pid_t pid) {
    int status = 0;
    pid_t got;
    do {
        got = waitpid(pid, &status, WNOHANG);
    } while (got < 0 && errno == EINTR);
    if (got == pid) {
        return DecodeStatus(status);
    }
    if (got < 0 && errno == ECHILD) {
        return -1; // not ours (any more): nothing to wait for
    }
    return std::nullopt;
}

std::optional<int> TryPeek(pid_t pid) {
    siginfo_t info{};
    int rc;
    do {
        rc = waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT);
    } while (rc < 0 && errno == EINTR);
    if (rc < 0) {
        return -1; // not ours (any more)
    }
    if (info.si_pid != pid) {
        return std::nullopt;
    }
    if (info.si_code == CLD_EXITED) {
        return info.si_status;
    }
    return 128 + info.si_status;
}

std::optional<int> KillAndReap(pid_t pid) {
    if (pid <= 0) {
        return std::nullopt;
    }
    kill(-pid, SIGKILL);
    kill(pid, SIGKILL);
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    while (true) {
        if (auto status = TryReap(pid)) {
            return status;
        }
        if (Clock::now() >= deadline) {
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

} // namespace detail

using detail::Clock;

CommandResult RunCommand(const std::vector<std::string>& argv, const EnvVars& env,
                         std::chrono::milliseconds timeout, bool captureStdout,
                         const std::string& stderrPath) {
    int pipeFds[2] = {-1, -1};
    if (captureStdout && pipe2(pipeFds, O_CLOEXEC) != 0) {
        throw HarnessError(std::string("RunCommand: pipe: ") + std::strerror(errno));
    }
    detail::SpawnSpec launch;
    launch.argv = argv;
    launch.env = env;
    launch.stderrPath = stderrPath;
    launch.stdoutFd = captureStdout ? pipeFds[1] : -1;
    pid_t pid = -1;
    try {
        pid = detail::Spawn(launch);
    } catch (...) {
        if (captureStdout) {
            close(pipeFds[0]);
            close(pipeFds[1]);
        }
        throw;
    }

    CommandResult result;
    const auto deadline = Clock::now() + timeout;
    if (captureStdout) {
        close(pipeFds[1]);
        fcntl(pipeFds[0], F_SETFL, fcntl(pipeFds[0], F_GETFL) | O_NONBLOCK);
    }
    // Reads what is there; false once the pipe is at its end (or unusable).
    auto drain = [&]() {
        char buffer[4096];
        while (true) {
            const ssize_t n = read(pipeFds[0], buffer, sizeof buffer);
            if (n > 0) {
                result.out.append(buffer, static_cast<std::size_t>(n));
            } else if (n < 0 && errno == EINTR) {
                continue;
            } else {
                return n < 0 && errno == EAGAIN;
            }
        }
    };
    bool pipeOpen = captureStdout;
    std::optional<int> status;
    while (true) {
        status = detail::TryReap(pid);
        if (status) {
            break;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            result.timedOut = true;
            detail::KillAndReap(pid);
            break;
        }
        const int wait = static_cast<int>(std::min<long long>(left.count(), 10));
        if (pipeOpen) {
            pollfd entry{pipeFds[0], POLLIN, 0};
            if (poll(&entry, 1, wait) > 0) {
                pipeOpen = drain();
            }
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(wait));
        }
    }
    if (captureStdout) {
        // Whatever the child wrote is in the pipe now; a daemon it left behind may hold the
        // pipe open, so take what is there and do not wait for its end.
        drain();
        close(pipeFds[0]);
    }
    if (!result.timedOut) {
        result.exitCode = *status;
    }
    return result;
}

// ---------------------------------------------------------------------------------------------

namespace {

std::string LogBaseFor(const std::string& exePath) {
    static std::atomic<int> counter{0};
    std::string stem = std::filesystem::path(exePath).stem().string();
    if (stem.empty()) {
        stem = "wine";
    }
    return TempDir() + "/" + stem + "." + std::to_string(++counter);
}

} // namespace

WineProcess WineProcess::Start(const std::string& exeLinuxPath,
                               const std::vector<std::string>& args,
                               const std::optional<std::string>& workingDir,
                               const EnvVars& extraEnv) {
    WineEnv& env = WineEnv::Get();
    if (!FileExists(exeLinuxPath)) {
        throw HarnessError("WineProcess: no such program: " + exeLinuxPath);
    }
    WineProcess process;
    const std::string base = LogBaseFor(exeLinuxPath);
    process.stdoutPath_ = base + ".stdout.log";
    process.stderrPath_ = base + ".stderr.log";
    detail::SpawnSpec launch;
    launch.argv = {WineEnv::kWine64, exeLinuxPath};
    launch.argv.insert(launch.argv.end(), args.begin(), args.end());
    launch.env = env.WineEnvVars();
    for (const auto& [name, value] : extraEnv) {
        launch.env[name] = value;
    }
    launch.stdoutPath = process.stdoutPath_;
    launch.stderrPath = process.stderrPath_;
    launch.workingDir = workingDir;
    // Make the files even if the program never writes, so that reading them always works.
    WriteFile(process.stdoutPath_, "");
    WriteFile(process.stderrPath_, "");
    process.pid_ = detail::Spawn(launch);
    return process;
}

WineProcess::WineProcess(WineProcess&& other) noexcept
    : pid_(other.pid_), reaped_(other.reaped_), exitCode_(other.exitCode_),
      stdoutPath_(std::move(other.stdoutPath_)), stderrPath_(std::move(other.stderrPath_)) {
    other.pid_ = -1;
}

WineProcess& WineProcess::operator=(WineProcess&& other) noexcept {
    if (this != &other) {
        Kill();
        pid_ = other.pid_;
        reaped_ = other.reaped_;
        exitCode_ = other.exitCode_;
        stdoutPath_ = std::move(other.stdoutPath_);
        stderrPath_ = std::move(other.stderrPath_);
        other.pid_ = -1;
    }
    return *this;
}

WineProcess::~WineProcess() {
    Kill();
}

bool WineProcess::Poll() {
    if (pid_ > 0 && !exitCode_) {
        // Not reaped yet: as a zombie it keeps its pid, and so its process group id, from reuse
        // until Kill() has dealt with whatever is left in the group.
        exitCode_ = detail::TryPeek(pid_);
    }
    return exitCode_.has_value();
}

bool WineProcess::Running() {
    return pid_ > 0 && !Poll();
}

int WineProcess::Wait(std::chrono::milliseconds timeout) {
    if (pid_ <= 0) {
        return -1;
    }
    const auto deadline = Clock::now() + timeout;
    while (!Poll()) {
        if (Clock::now() >= deadline) {
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return *exitCode_;
}

void WineProcess::Kill() {
    if (pid_ <= 0 || reaped_) {
        return;
    }
    const bool ended = Poll();
    // Also when it has ended: what it started in its group may not have.
    const auto status = detail::KillAndReap(pid_);
    reaped_ = true;
    if (!ended) {
        exitCode_ = status;
    }
}

std::string WineProcess::Stdout() const {
    return FileExists(stdoutPath_) ? ReadFile(stdoutPath_) : "";
}
std::string WineProcess::Stderr() const {
    return FileExists(stderrPath_) ? ReadFile(stderrPath_) : "";
}

WineResult RunWineCaptured(const std::string& exeLinuxPath, const std::vector<std::string>& args,
                           std::chrono::milliseconds timeout) {
    WineProcess process = WineProcess::Start(exeLinuxPath, args);
    WineResult result;
    result.exitCode = process.Wait(timeout);
    process.Kill();
    result.out = process.Stdout();
    result.err = process.Stderr();
    return result;
}

int RunWine(const std::string& exeLinuxPath, const std::vector<std::string>& args,
            std::chrono::milliseconds timeout) {
    return RunWineCaptured(exeLinuxPath, args, timeout).exitCode;
}

} // namespace e2e
