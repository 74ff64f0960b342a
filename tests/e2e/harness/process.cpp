// Subprocesses: spawning, RunCommand, WineProcess.
#include "wine_harness.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <thread>

extern char** environ;

namespace e2e {
namespace {

void Redirect(int fd, const std::string& path, int flags) {
    const int opened = open(path.empty() ? "/dev/null" : path.c_str(), flags, 0644);
    if (opened >= 0 && opened != fd) {
        dup2(opened, fd);
        close(opened);
    }
}

int Decode(int status) {
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

} // namespace

namespace detail {

pid_t Spawn(const std::vector<std::string>& argv, const EnvVars& env, const std::string& stdoutPath,
            const std::string& stderrPath, const std::optional<std::string>& workingDir) {
    std::vector<char*> args;
    for (const std::string& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);
    // Made before the fork: the child only calls what is safe between fork and exec.
    std::vector<std::string> vars;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        if (env.find(text.substr(0, text.find('='))) == env.end()) {
            vars.push_back(text);
        }
    }
    for (const auto& [name, value] : env) {
        vars.push_back(name + "=" + value);
    }
    std::vector<char*> envp;
    for (std::string& var : vars) {
        envp.push_back(var.data());
    }
    envp.push_back(nullptr);
    const pid_t pid = argv.empty() ? -1 : fork();
    if (pid == 0) {
        setpgid(0, 0);
        for (int sig : {SIGPIPE, SIGINT, SIGTERM, SIGHUP}) {
            signal(sig, SIG_DFL);
        }
        sigset_t none;
        sigemptyset(&none);
        sigprocmask(SIG_SETMASK, &none, nullptr);
        closefrom(3);
        Redirect(0, "", O_RDONLY);
        Redirect(1, stdoutPath, O_WRONLY | O_CREAT | O_APPEND);
        Redirect(2, stderrPath, O_WRONLY | O_CREAT | O_APPEND);
        if (!workingDir || chdir(workingDir->c_str()) == 0) {
            execvpe(args[0], args.data(), envp.data());
        }
        _exit(127); // what cannot start exits as the shell's "command not found"
    }
    if (pid < 0) {
        throw HarnessError("cannot start `" + (argv.empty() ? "" : argv[0]) + "`");
    }
    return pid;
}

std::optional<int> TryReap(pid_t pid) {
    int status = 0;
    const pid_t got = waitpid(pid, &status, WNOHANG);
    if (got == pid) {
        return Decode(status);
    }
    return got < 0 && errno == ECHILD ? std::optional<int>(-1) : std::nullopt;
}

void KillAndReap(pid_t pid) {
    if (pid > 0) {
        kill(-pid, SIGKILL);
        kill(pid, SIGKILL);
        WaitUntil([pid] { return TryReap(pid).has_value(); }, 10s, 5ms);
    }
}

} // namespace detail

CommandResult RunCommand(const std::vector<std::string>& argv, const EnvVars& env,
                         std::chrono::milliseconds timeout, bool captureStdout,
                         const std::string& stderrPath) {
    static std::atomic<int> count{0};
    const std::string outPath = captureStdout
                                    ? detail::ArtifactRoot() + "/out." + std::to_string(getpid()) +
                                          "." + std::to_string(++count)
                                    : "";
    std::filesystem::create_directories(detail::ArtifactRoot());
    const pid_t pid = detail::Spawn(argv, env, outPath, stderrPath);
    CommandResult result;
    std::optional<int> status;
    result.timedOut =
        !WaitUntil([&] { return (status = detail::TryReap(pid)).has_value(); }, timeout, 5ms);
    if (result.timedOut) {
        detail::KillAndReap(pid);
    } else {
        result.exitCode = *status;
    }
    if (captureStdout) {
        result.out = FileExists(outPath) ? ReadFile(outPath) : "";
        std::remove(outPath.c_str());
    }
    return result;
}

WineProcess WineProcess::Start(const std::string& exeLinuxPath,
                               const std::vector<std::string>& args,
                               const std::optional<std::string>& workingDir) {
    static std::atomic<int> count{0};
    WineEnv& env = WineEnv::Get();
    if (!FileExists(exeLinuxPath)) {
        throw HarnessError("no such program: " + exeLinuxPath);
    }
    WineProcess process;
    process.logBase_ = TempDir() + "/" + std::filesystem::path(exeLinuxPath).stem().string() + "." +
                       std::to_string(++count);
    std::vector<std::string> argv = {WineEnv::kWine64, exeLinuxPath};
    argv.insert(argv.end(), args.begin(), args.end());
    process.pid_ = detail::Spawn(argv, env.WineEnvVars(), process.logBase_ + ".stdout.log",
                                 process.logBase_ + ".stderr.log", workingDir);
    return process;
}

WineProcess::WineProcess(WineProcess&& other) noexcept
    : pid_(other.pid_), reaped_(other.reaped_), exitCode_(other.exitCode_),
      logBase_(std::move(other.logBase_)) {
    other.pid_ = -1;
}

WineProcess::~WineProcess() {
    Kill();
}

bool WineProcess::Poll() {
    if (pid_ > 0 && !exitCode_) {
        // Left a zombie, so that its pid, and so its process group's id, is not reused before
        // Kill() has dealt with what is left in the group.
        siginfo_t info{};
        if (waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED | WNOHANG | WNOWAIT) != 0) {
            exitCode_ = -1;
        } else if (info.si_pid == pid_) {
            exitCode_ = info.si_code == CLD_EXITED ? info.si_status : 128 + info.si_status;
        }
    }
    return exitCode_.has_value();
}

bool WineProcess::Running() {
    return pid_ > 0 && !Poll();
}

int WineProcess::Wait(std::chrono::milliseconds timeout) {
    return pid_ > 0 && WaitUntil([this] { return Poll(); }, timeout, 5ms) ? *exitCode_ : -1;
}

void WineProcess::Kill() {
    if (pid_ > 0 && !reaped_) {
        Poll();
        detail::KillAndReap(pid_); // also when it has ended: what it started may not have
        reaped_ = true;
    }
}

std::string WineProcess::Stdout() const {
    return FileExists(logBase_ + ".stdout.log") ? ReadFile(logBase_ + ".stdout.log") : "";
}

std::string WineProcess::Stderr() const {
    return FileExists(logBase_ + ".stderr.log") ? ReadFile(logBase_ + ".stderr.log") : "";
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
