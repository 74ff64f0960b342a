// Pieces shared by the harness's own sources; not for tests.
#pragma once

#include "wine_harness.h"

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

namespace e2e::detail {

struct SpawnSpec {
    std::vector<std::string> argv; // argv[0] looked up in PATH
    EnvVars env;                   // on top of this process's environment
    std::string stdoutPath;        // appended; "" = /dev/null (ignored when stdoutFd >= 0)
    std::string stderrPath;        // appended; "" = /dev/null
    int stdoutFd = -1;             // when >= 0: becomes the child's stdout
    int extraFd = -1;              // when >= 0: becomes the child's fd 3
    std::optional<std::string> workingDir;
};

// posix_spawnp in a new process group (pgid == pid), stdin from /dev/null, every other
// descriptor closed (the harness opens its own with O_CLOEXEC). Throws HarnessError on failure.
pid_t Spawn(const SpawnSpec& launch);

// Decodes a waitpid status: exit status, or 128 + signal.
int DecodeStatus(int status);

// Non-blocking reap; the decoded status once it has ended.
std::optional<int> TryReap(pid_t pid);

// Like TryReap, but leaves it a zombie (so its pid is not reused until it is reaped).
std::optional<int> TryPeek(pid_t pid);

// SIGKILLs the process group and the process, then reaps it (waiting up to a few seconds).
// Returns the decoded status when it was reaped.
std::optional<int> KillAndReap(pid_t pid);

// Where the harness keeps its logs (Xvfb's, wineboot's) and the per-test folders.
std::string ArtifactRoot();
void MakeDirs(const std::string& path);

} // namespace e2e::detail
