#include "fizzmo_app.h"

#include "stand_in.h"

#include <sys/stat.h>

#include <filesystem>
#include <sstream>
#include <thread>

namespace e2e {

namespace fs = std::filesystem;

void ResetSettings(const std::map<std::string, std::string>& values) {
    RegDeleteKey("HKCU\\Software\\VB and VBA Program Settings\\FizzmoLite");
    for (const auto& [name, text] : values) {
        RegAddString(kSettingsKey, name, text);
    }
}

std::optional<std::string> Setting(const std::string& name) {
    return RegQuery(kSettingsKey, name);
}

namespace {

Rect ParseRect(const std::string& text) {
    long l = 0, t = 0, r = 0, b = 0;
    std::sscanf(text.c_str(), "%ld,%ld,%ld,%ld", &l, &t, &r, &b);
    return Rect{int(l), int(t), int(r - l), int(b - t)};
}

// "key=value" words up to the last key, whose value runs to the end of the line.
std::map<std::string, std::string> Fields(const std::string& line, const std::string& lastKey) {
    std::map<std::string, std::string> fields;
    const std::size_t tail = line.find(" " + lastKey + "=");
    std::istringstream in(line.substr(0, tail));
    std::string word;
    while (in >> word) {
        const std::size_t eq = word.find('=');
        if (eq != std::string::npos) {
            fields[word.substr(0, eq)] = word.substr(eq + 1);
        }
    }
    if (tail != std::string::npos) {
        fields[lastKey] = line.substr(tail + lastKey.size() + 2);
    }
    return fields;
}

} // namespace

std::vector<ProbeWindow> ProbeWindows() {
    const WineResult r = RunWineCaptured(WindowsProgram("window_probe"), {}, 30s);
    if (r.exitCode != 0) {
        throw HarnessError("the window probe failed: " + r.err);
    }
    std::vector<ProbeWindow> windows;
    std::istringstream lines(r.out);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.rfind("top ", 0) == 0) {
            auto f = Fields(line, "title");
            windows.push_back(ProbeWindow{f["hwnd"],
                                          f["class"],
                                          f["visible"] == "1",
                                          f["topmost"] == "1",
                                          ParseRect(f["rect"]),
                                          f["title"],
                                          {}});
        } else if (line.rfind("child ", 0) == 0 && !windows.empty()) {
            auto f = Fields(line, "text");
            windows.back().children.push_back(
                ProbeChild{f["class"], f["visible"] == "1", ParseRect(f["rect"]), f["text"]});
        }
    }
    return windows;
}

std::string PrepareProgramFolder(const std::string& folder, const FizzmoApp::Setup& setup) {
    UseUnmanagedWindows();
    fs::create_directories(folder);
    fs::copy_file(WindowsProgram("FizzmoLite"), folder + "/FizzmoLite.exe",
                  fs::copy_options::overwrite_existing);
    fs::remove(folder + "/codes.dll");
    if (setup.codes) {
        WriteFile(folder + "/codes.dll", *setup.codes);
    } else if (setup.withCodes) {
        fs::copy_file(WindowsBin() + "/codes.dll", folder + "/codes.dll");
    }
    return folder + "/FizzmoLite.exe";
}

// Started from the test's folder, not its own: the code file must be found beside the .exe.
FizzmoApp::FizzmoApp(const Setup& setup)
    : folder_(TempDir() + "/app"),
      process_(WineProcess::Start(PrepareProgramFolder(folder_, setup), {}, TempDir())) {}

FizzmoApp::~FizzmoApp() {
    process_.Kill();
}

std::optional<ProbeWindow> FizzmoApp::Visible(const std::string& title) const {
    return VisibleWindow(title);
}

ProbeWindow FizzmoApp::WaitVisible(const std::string& title,
                                   std::chrono::milliseconds timeout) const {
    return WaitVisibleWindow(title, timeout);
}

bool FizzmoApp::WaitHidden(const std::string& title, std::chrono::milliseconds timeout) const {
    return WaitWindowHidden(title, timeout);
}

std::optional<ProbeWindow> VisibleWindow(const std::string& title) {
    for (const ProbeWindow& w : ProbeWindows()) {
        if (!w.visible || w.title != title) {
            continue;
        }
        if (!title.empty() ||
            (w.cls == "FizzmoForm" && w.rect.width == 52 && w.rect.height == 51)) {
            return w;
        }
    }
    return std::nullopt;
}

ProbeWindow WaitVisibleWindow(const std::string& title, std::chrono::milliseconds timeout) {
    std::optional<ProbeWindow> found;
    WaitUntil([&] { return (found = VisibleWindow(title)).has_value(); }, timeout, 100ms);
    if (!found) {
        throw HarnessError("no visible window titled \"" + title + "\"");
    }
    return *found;
}

bool WaitWindowHidden(const std::string& title, std::chrono::milliseconds timeout) {
    return WaitUntil([&] { return !VisibleWindow(title); }, timeout, 100ms);
}

void FizzmoApp::ChooseMenuItem(int index) {
    ChooseLauncherMenuItem(WaitVisible("").rect, index);
}

void ChooseLauncherMenuItem(const Rect& launcher, int index) {
    Click(launcher.x + 26, launcher.y + 25, 3);
    if (!WaitUntil(
            [] {
                for (const ProbeWindow& w : ProbeWindows()) {
                    if (w.cls == "#32768" && w.visible) {
                        return true;
                    }
                }
                return false;
            },
            10s, 100ms)) {
        throw HarnessError("the options menu did not open");
    }
    std::string keys;
    for (int i = 0; i <= index; ++i) {
        keys += "Down ";
    }
    Key(keys + "Return");
}

Rect Centre(const Rect& r) {
    return Rect{r.x + r.width / 2, r.y + r.height / 2, 0, 0};
}

} // namespace e2e
