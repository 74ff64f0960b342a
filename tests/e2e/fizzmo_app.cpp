#include "fizzmo_app.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace e2e {
namespace {

namespace fs = std::filesystem;

// "left,top,right,bottom" as both probes write rectangles.
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
    for (std::string word; in >> word;) {
        const std::size_t eq = word.find('=');
        fields[word.substr(0, eq)] = eq == std::string::npos ? "" : word.substr(eq + 1);
    }
    if (tail != std::string::npos) {
        fields[lastKey] = line.substr(tail + lastKey.size() + 2);
    }
    return fields;
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

// Wine's X11 driver without a window manager's help, so windows come and go at once.
void UseUnmanagedWindows() {
    static bool done = false;
    if (!done) {
        RegAddString("HKCU\\Software\\Wine\\X11 Driver", "Managed", "N");
        done = true;
    }
}

// Scan codes of the US keyboard's keys for the characters of the sample codes.
const std::map<char, int> kKeyOf = {{')', 0x0B}, {'(', 0x0A}, {'*', 0x09}, {'-', 0x0C}, {'=', 0x0D},
                                    {'O', 0x18}, {'P', 0x19}, {'D', 0x20}, {';', 0x27}, {':', 0x27},
                                    {'"', 0x28}, {'X', 0x2D}, {'x', 0x2D}, {'B', 0x30}, {'<', 0x33},
                                    {'>', 0x34}, {'/', 0x35}};

} // namespace

std::string WindowsProgram(const std::string& name) {
    const char* dir = std::getenv("FIZZMO_WIN_BIN_DIR");
    return std::string(dir != nullptr && *dir != '\0' ? dir : FIZZMO_WIN_BIN_DIR) + "/" + name +
           ".exe";
}

void ResetSettings(const std::map<std::string, std::string>& values) {
    RegDeleteKey("HKCU\\Software\\VB and VBA Program Settings\\FizzmoLite");
    for (const auto& [name, text] : values) {
        RegAddString(kSettingsKey, name, text);
    }
}

std::optional<std::string> Setting(const std::string& name) {
    return RegQuery(kSettingsKey, name);
}

void StoreSettingOfType(const std::string& name, const std::string& type, const std::string& data) {
    const std::vector<std::string> argv = {
        WineEnv::kWine64, "reg", "add", kSettingsKey, "/v", name, "/t", type, "/d", data, "/f"};
    // As with reg.exe's other additions: once more when the first fails.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (RunCommand(argv, WineEnv::Get().WineEnvVars(), 60s, true, TempDir() + "/reg.log")
                .exitCode == 0) {
            return;
        }
    }
    throw HarnessError("reg add " + name + " as " + type + " failed; see " + TempDir() +
                       "/reg.log");
}

std::optional<ProbeChild> ProbeWindow::Child(const std::string& cls,
                                             const std::string& text) const {
    for (const ProbeChild& c : children) {
        if (c.cls == cls && c.text.rfind(text, 0) == 0) {
            return c;
        }
    }
    return std::nullopt;
}

std::vector<ProbeWindow> ProbeWindows() {
    WineResult r = RunWineCaptured(WindowsProgram("window_probe"), {}, 30s);
    if (r.exitCode != 0) {
        // Seen once under load: the probe itself ended with no output. Asked again, it answers.
        r = RunWineCaptured(WindowsProgram("window_probe"), {}, 30s);
    }
    if (r.exitCode != 0) {
        throw HarnessError("the window probe failed twice, exit " + std::to_string(r.exitCode) +
                           ": " + r.err);
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
                                          f["foreground"] == "1",
                                          ParseRect(f["rect"]),
                                          ParseRect(f["client"]),
                                          f["title"],
                                          {}});
        } else if (line.rfind("child ", 0) == 0 && !windows.empty()) {
            auto f = Fields(line, "text");
            windows.back().children.push_back(ProbeChild{f["class"], f["visible"] == "1",
                                                         ParseRect(f["rect"]), f["text"],
                                                         f["focused"] == "1"});
        }
    }
    return windows;
}

std::optional<ProbeWindow> VisibleWindow(const std::string& title) {
    for (const ProbeWindow& w : ProbeWindows()) {
        if (w.visible && w.title == title &&
            (!title.empty() ||
             (w.cls == "FizzmoForm" && w.rect.width >= 52 && w.rect.width <= 104 &&
              std::abs(w.rect.width - w.rect.height) <= 2))) {
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

std::optional<ProbeWindow> WaitWindowOfClass(const std::string& cls) {
    std::optional<ProbeWindow> found;
    WaitUntil(
        [&] {
            for (const ProbeWindow& w : ProbeWindows()) {
                if (w.cls == cls && w.visible) {
                    found = w;
                }
            }
            return found.has_value();
        },
        15s, 100ms);
    return found;
}

std::optional<ProbeWindow> WaitToolTip(const std::string& text) {
    std::optional<ProbeWindow> tip;
    WaitUntil(
        [&] {
            tip.reset();
            for (const ProbeWindow& w : ProbeWindows()) {
                if (w.cls == "FizzmoToolTip" && w.visible) {
                    tip = w;
                }
            }
            return tip && tip->title == text;
        },
        5s, 100ms);
    return tip;
}

bool WaitToolTipHidden() {
    return WaitUntil(
        [] {
            for (const ProbeWindow& w : ProbeWindows()) {
                if (w.cls == "FizzmoToolTip" && w.visible) {
                    return false;
                }
            }
            return true;
        },
        5s, 100ms);
}

bool SendToWindow(const ProbeWindow& window, unsigned message, unsigned long long wParam,
                  unsigned long long lParam) {
    const WineResult r = RunWineCaptured(WindowsProgram("window_probe"),
                                         {"send", window.hwnd, std::to_string(message),
                                          std::to_string(wParam), std::to_string(lParam)},
                                         30s);
    return r.exitCode == 0;
}

Rect Centre(const Rect& r) {
    return Rect{r.x + r.width / 2, r.y + r.height / 2, 0, 0};
}

std::string Text(const Rect& r) {
    return std::to_string(r.x) + "," + std::to_string(r.y) + " " + std::to_string(r.width) + "x" +
           std::to_string(r.height);
}

void ClickCentre(const Rect& r, int button) {
    const Rect c = Centre(r);
    Click(c.x, c.y, button);
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
        fs::copy_file(fs::path(WindowsProgram("FizzmoLite")).parent_path() / "codes.dll",
                      folder + "/codes.dll");
    }
    return folder + "/FizzmoLite.exe";
}

// Started from the test's folder, not its own: the code file must be found beside the .exe.
FizzmoApp::FizzmoApp(const Setup& setup)
    : process_(WineProcess::Start(PrepareProgramFolder(TempDir() + "/app", setup), {}, TempDir())) {
}

void FizzmoApp::ChooseMenuItem(int index) {
    ChooseLauncherMenuItem(WaitVisibleWindow(kLauncher).rect, index);
}

ProbeWindow FizzmoApp::OpenPalette() {
    ClickCentre(WaitVisibleWindow(kLauncher).rect);
    return WaitVisibleWindow("Smilies");
}

void ChooseLauncherMenuItem(const Rect& launcher, int index) {
    ClickCentre(launcher, 3);
    if (!WaitWindowOfClass("#32768")) {
        throw HarnessError("the options menu did not open");
    }
    std::string keys;
    for (int i = 0; i <= index; ++i) {
        keys += "Down ";
    }
    Key(keys + "Return");
}

// The grid's frame stands 5 pixels in; its first cell 5 and 12 pixels into the frame, and the
// cells are 22 pixels square (75, 175 and 330 twips at 96 dots per inch).
std::vector<Rect> Pictures(const ProbeWindow& palette) {
    std::vector<Rect> pictures;
    for (int i = 0; i < 64; ++i) {
        pictures.push_back(palette.InClient(10 + 22 * (i % 8), 12 + 22 * (i / 8), 22, 22));
    }
    return pictures;
}

std::string Crop(const std::string& png, const Rect& r) {
    return png + "[" + std::to_string(r.width) + "x" + std::to_string(r.height) + "+" +
           std::to_string(r.x) + "+" + std::to_string(r.y) + "]";
}

long DifferingPixels(const std::vector<std::string>& pictures) {
    const std::string report = TempDir() + "/compare.txt";
    std::remove(report.c_str());
    std::vector<std::string> argv = {"compare", "-metric", "AE"};
    argv.insert(argv.end(), pictures.begin(), pictures.end());
    argv.push_back("null:");
    const int status = RunCommand(argv, {}, 30s, true, report).exitCode;
    if (status != 0 && status != 1) {
        throw HarnessError("compare failed: " + ReadFile(report));
    }
    return std::stol(ReadFile(report));
}

long PixelsOfColour(const std::string& png, const Rect& r, const std::string& colour) {
    const std::string size = std::to_string(r.width) + "x" + std::to_string(r.height);
    return long(r.width) * r.height -
           DifferingPixels({"-fuzz", "15%", Crop(png, r), "-size", size, "xc:" + colour});
}

bool ScreenshotWhen(const std::string& png, const std::function<bool(const std::string&)>& wanted,
                    std::chrono::milliseconds timeout) {
    const auto until = std::chrono::steady_clock::now() + timeout;
    while (true) {
        if (Screenshot(png) && wanted(png)) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= until) {
            return false;
        }
        std::this_thread::sleep_for(100ms);
    }
}

bool ScreenshotWhenStill(const std::string& png) {
    const std::string previous = png + ".previous.png";
    Screenshot(previous);
    return ScreenshotWhen(png, [&](const std::string& shot) {
        const bool still = DifferingPixels({previous, shot}) == 0;
        std::filesystem::copy_file(shot, previous,
                                   std::filesystem::copy_options::overwrite_existing);
        return still;
    });
}

std::string WaitText1(const std::function<bool(const std::string&)>& wanted,
                      std::chrono::milliseconds timeout) {
    std::string shown;
    WaitUntil(
        [&] {
            const std::optional<ProbeWindow> palette = VisibleWindow("Smilies");
            const std::optional<ProbeChild> box = palette ? palette->Child("Edit") : std::nullopt;
            shown = box ? box->text : "";
            return wanted(shown);
        },
        timeout, 100ms);
    return shown;
}

std::string TestCode(int index) {
    static const std::string digits = ")(*-=ODB";
    return std::string("P") + digits[static_cast<std::size_t>(index / 8)] +
           digits[static_cast<std::size_t>(index % 8)];
}

std::string TestHoverText(int index) {
    return TestCode(index) + "   n" + std::to_string(index);
}

std::string TestCodesFile() {
    std::string text;
    for (int i = 0; i < 64; ++i) {
        text += TestCode(i) + "\r\n";
    }
    for (int i = 0; i < 64; ++i) {
        text += "n" + std::to_string(i) + "\r\n";
    }
    return text;
}

std::vector<std::string> Expected(const std::string& code, bool enter, int window) {
    std::vector<std::string> lines;
    for (char c : code) {
        char line[96];
        std::snprintf(line, sizeof line, "WM_CHAR window=%d kind=input wParam=%d lParam=0x%X0001",
                      window, static_cast<unsigned char>(c), static_cast<unsigned>(kKeyOf.at(c)));
        lines.push_back(line);
    }
    if (enter) {
        lines.push_back("WM_KEYDOWN window=" + std::to_string(window) +
                        " kind=input wParam=13 lParam=0x1C0001");
    }
    return lines;
}

namespace {

std::string FreshFolder() {
    static int count = 0;
    const std::string dir = TempDir() + "/standin" + std::to_string(++count);
    mkdir(dir.c_str(), 0755);
    return dir;
}

std::vector<std::string> StandInArguments(const std::string& dir,
                                          const std::vector<std::string>& specs,
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

bool Ready(const std::string& dir) {
    const std::vector<std::string> lines = LinesOf(dir + "/state.txt");
    return !lines.empty() && lines.back() == "ready";
}

} // namespace

StandIn::StandIn(const std::vector<std::string>& specs, const std::string& className)
    : dir_(FreshFolder()),
      process_(
          (UseUnmanagedWindows(), WineProcess::Start(WindowsProgram("im_standin"),
                                                     StandInArguments(dir_, specs, className)))) {
    if (!WaitUntil([this] { return Ready(dir_); }, 60s)) { // a fresh prefix starts slowly
        throw HarnessError("the stand-in messenger did not come up; see " + dir_);
    }
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
        if (line.rfind("window ", 0) == 0) {
            auto f = Fields(line, "");
            windows.push_back(StandInWindow{ParseRect(f["rect"]), ParseRect(f["inputRect"])});
        }
    }
    return windows;
}

std::string StandIn::Focus() const {
    std::string focus;
    for (const std::string& line : LinesOf(dir_ + "/state.txt")) {
        if (line.rfind("foreground ", 0) == 0 || line.rfind("focus ", 0) == 0) {
            focus += (focus.empty() ? "" : ";") + line;
        }
    }
    return focus;
}

void StandIn::Send(const std::string& lines) {
    std::remove((dir_ + "/state.txt").c_str());
    const std::string staging = dir_ + "/commands.tmp";
    std::ofstream(staging) << lines << "\n";
    // Renamed into place whole, so the stand-in never reads half a file.
    std::rename(staging.c_str(), (dir_ + "/commands.txt").c_str());
}

void StandIn::Command(const std::string& lines) {
    Send(lines);
    if (!WaitUntil([this] { return Ready(dir_); }, 10s)) {
        throw HarnessError("the stand-in messenger did not carry out: " + lines);
    }
}

void StandIn::Hang(std::chrono::milliseconds duration) {
    Send("hang " + std::to_string(duration.count()));
    const auto hanging = [this] {
        const std::vector<std::string> lines = LinesOf(dir_ + "/state.txt");
        return std::find(lines.begin(), lines.end(), "hanging") != lines.end();
    };
    if (!WaitUntil(hanging, 10s)) {
        throw HarnessError("the stand-in messenger did not start hanging");
    }
}

} // namespace e2e
