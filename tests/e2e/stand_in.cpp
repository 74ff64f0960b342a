#include "stand_in.h"

#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <thread>

namespace e2e {

std::string WindowsBin() {
    const char* fromEnv = std::getenv("FIZZMO_WIN_BIN_DIR");
    return fromEnv && *fromEnv ? fromEnv : FIZZMO_WIN_BIN_DIR;
}

std::string WindowsProgram(const std::string& name) {
    return WindowsBin() + "/" + name + ".exe";
}

void UseUnmanagedWindows() {
    static bool done = false;
    if (!done) {
        RegAddString("HKCU\\Software\\Wine\\X11 Driver", "Managed", "N");
        done = true;
    }
}

namespace {

Rect ParseRect(const std::string& text) {
    int l = 0, t = 0, r = 0, b = 0;
    std::sscanf(text.c_str(), "%d,%d,%d,%d", &l, &t, &r, &b);
    return Rect{l, t, r - l, b - t};
}

std::vector<std::string> LinesOf(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> Arguments(const std::string& dir, const std::vector<std::string>& specs,
                                   const std::string& className) {
    std::vector<std::string> args = {"--log",      ToWinePath(dir + "/log.txt"),
                                     "--state",    ToWinePath(dir + "/state.txt"),
                                     "--commands", ToWinePath(dir + "/commands.txt")};
    if (!className.empty()) {
        args.insert(args.end(), {"--class", className});
    }
    for (const std::string& layout : specs) {
        args.insert(args.end(), {"--window", layout});
    }
    return args;
}

std::string FreshFolder() {
    static int count = 0;
    const std::string dir = TempDir() + "/standin" + std::to_string(++count);
    mkdir(dir.c_str(), 0755);
    return dir;
}

} // namespace

StandIn::StandIn(const std::vector<std::string>& specs, const std::string& className)
    : dir_(FreshFolder()),
      process_((UseUnmanagedWindows(), WineProcess::Start(WindowsProgram("im_standin"),
                                                          Arguments(dir_, specs, className)))) {
    if (!WaitUntil([this] { return Ready(); }, 20s)) {
        throw HarnessError("the stand-in messenger did not come up; see " + dir_);
    }
}

StandIn::~StandIn() {
    process_.Kill();
}

bool StandIn::Ready() const {
    const std::vector<std::string> lines = LinesOf(dir_ + "/state.txt");
    return !lines.empty() && lines.back() == "ready";
}

std::vector<std::string> StandIn::Log() const {
    return LinesOf(dir_ + "/log.txt");
}

std::vector<std::string> StandIn::Received() const {
    std::vector<std::string> out;
    for (std::string line : Log()) {
        const std::size_t h = line.find(" hwnd=");
        const std::size_t end = line.find(' ', h + 1);
        if (h != std::string::npos && end != std::string::npos) {
            line.erase(h, end - h);
        }
        if (const std::size_t stamp = line.find(" us="); stamp != std::string::npos) {
            line.erase(stamp);
        }
        out.push_back(line);
    }
    return out;
}

std::vector<StandInWindow> StandIn::Windows() const {
    std::vector<StandInWindow> windows;
    for (const std::string& line : LinesOf(dir_ + "/state.txt")) {
        std::istringstream in(line);
        std::string word;
        StandInWindow w;
        if (!(in >> word) || word != "window" || !(in >> w.index)) {
            continue;
        }
        while (in >> word) {
            const std::size_t eq = word.find('=');
            const std::string key = word.substr(0, eq);
            const std::string value = eq == std::string::npos ? "" : word.substr(eq + 1);
            if (key == "hwnd") {
                w.hwnd = value;
            } else if (key == "rect") {
                w.rect = ParseRect(value);
            } else if (key == "inputRect") {
                w.input = ParseRect(value);
            }
        }
        windows.push_back(w);
    }
    return windows;
}

void StandIn::Command(const std::string& lines) {
    std::remove((dir_ + "/state.txt").c_str());
    const std::string staging = dir_ + "/commands.tmp";
    std::ofstream(staging) << lines << "\n";
    // Renamed into place whole, so the stand-in never reads half a file.
    std::rename(staging.c_str(), (dir_ + "/commands.txt").c_str());
    if (!WaitUntil([this] { return Ready(); }, 10s)) {
        throw HarnessError("the stand-in messenger did not carry out: " + lines);
    }
}

} // namespace e2e
