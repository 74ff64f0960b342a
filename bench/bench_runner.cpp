// Measures FizzmoLite under Wine on Xvfb beside a minimal Win32 program and the stand-in
// messenger, and prints the figures as a table and as JSON.
//
//   bench_runner --win32-bin DIR --catalogue-bench PATH --fuzz-log PATH --json PATH
//
// BENCH_RUNS (default 5) sets how many runs each figure is the median of; BENCH_IDLE_SECONDS
// (default 60) how long each idle run lasts.
#include "fizzmo_app.h"
#include "screen_frames.h"

#include <signal.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <iostream>
#include <map>
#include <sstream>
#include <thread>

namespace {

using namespace e2e;
namespace fs = std::filesystem;

int EnvInt(const char* name, int fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && std::atoi(text) > 0 ? std::atoi(text) : fallback;
}

// A figure the probe printed; -1 for one it could not take ("unknown").
double Figure(const std::string& text) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    return end != text.c_str() ? value : -1;
}

double Median(std::vector<double> values) {
    if (values.empty()) {
        return -1;
    }
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 == 1 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

// "a=1 b=2" -> {a: 1, b: 2}
std::map<std::string, std::string> Words(const std::string& line) {
    std::map<std::string, std::string> words;
    std::istringstream in(line);
    for (std::string word; in >> word;) {
        const std::size_t eq = word.find('=');
        if (eq != std::string::npos) {
            words[word.substr(0, eq)] = word.substr(eq + 1);
        }
    }
    return words;
}

// Run directly rather than as a WineProcess, whose end takes its process group, and so the
// program the probe launched, with it.
std::map<std::string, std::string> Probe(const std::vector<std::string>& args) {
    std::vector<std::string> argv = {WineEnv::kWine64, WindowsProgram("bench_probe")};
    argv.insert(argv.end(), args.begin(), args.end());
    const std::string errPath = TempDir() + "/bench_probe.err";
    const CommandResult r = RunCommand(argv, WineEnv::Get().WineEnvVars(), 60s, true, errPath);
    if (r.exitCode != 0) {
        throw HarnessError("bench_probe " + args.front() + " failed: " + ReadFile(errPath));
    }
    return Words(r.out);
}

double Ms(const std::string& microseconds) {
    return std::stod(microseconds) / 1000.0;
}

// The Linux process that runs the Windows program started from this path.
pid_t LinuxPid(const std::string& exe) {
    const std::string wanted = ToWinePath(exe);
    for (const auto& entry : fs::directory_iterator("/proc")) {
        const std::string name = entry.path().filename();
        if (name.find_first_not_of("0123456789") != std::string::npos) {
            continue;
        }
        std::string cmdline = ReadFile(entry.path().string() + "/cmdline");
        cmdline = cmdline.substr(0, cmdline.find('\0'));
        if (cmdline == wanted) {
            return std::stoi(name);
        }
    }
    throw HarnessError("no Linux process runs " + wanted);
}

void KillProgram(pid_t pid) {
    kill(pid, SIGKILL);
    WaitUntil([pid] { return kill(pid, 0) != 0; }, 10s, 20ms);
}

struct Memory {
    double privateKiB = 0;  // pages the process alone owns
    double residentKiB = 0; // its working set, the shared Wine libraries included
};

Memory MemoryOf(pid_t pid) {
    Memory m;
    std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
    for (std::string line; std::getline(rollup, line);) { // "Rss:    21804 kB"
        std::istringstream fields(line);
        std::string key;
        double kib = 0;
        if (!(fields >> key >> kib)) {
            continue;
        }
        if (key == "Rss:") {
            m.residentKiB = kib;
        } else if (key == "Private_Clean:" || key == "Private_Dirty:") {
            m.privateKiB += kib;
        }
    }
    return m;
}

// CPU time of all the process's threads, in nanoseconds.
double CpuNs(pid_t pid) {
    double total = 0;
    for (const auto& task : fs::directory_iterator("/proc/" + std::to_string(pid) + "/task")) {
        std::istringstream in(ReadFile(task.path().string() + "/schedstat"));
        double ns = 0;
        in >> ns;
        total += ns;
    }
    return total;
}

struct Figures {
    std::vector<double> startup, baselineStartup, paletteFirst, paletteLater, typing;
    std::vector<double> privateKiB, residentKiB, baselinePrivateKiB, baselineResidentKiB;
    std::vector<double> idlePercent, idleAnyWindowPercent, notepadTyping, notepadFloor;
    std::vector<double> inputFloor, windows, paletteWindows, gdi, baselineGdi;
    // From the X server's frames: the press, or the start, to the pixels as they stay.
    std::vector<double> startupPixels, baselineStartupPixels, paletteFirstPixels,
        paletteLaterPixels, plainWindowPixels;
    double gdiAfterCycles = -1;
};

struct Launched {
    pid_t pid;
    std::string windowsPid;
    double shownMs;
    std::uint64_t startedUs; // on the clock of bench::NowUs
};

Launched Launch(const std::string& exe, const std::string& folder, const std::string& cls) {
    const std::uint64_t before = bench::NowUs();
    auto out = Probe({"launch", ToWinePath(exe), ToWinePath(folder), cls});
    const std::uint64_t started = std::stoull(out["started_us"]);
    // The frames' times and the probe's are compared: they must be of one clock.
    if (started < before || started > bench::NowUs()) {
        throw HarnessError("Wine's performance counter does not run on CLOCK_MONOTONIC_RAW here");
    }
    return Launched{LinuxPid(exe), out["pid"], Ms(out["shown_us"]), started};
}

// Where the pointer rests while nothing is clicked: over none of the windows measured.
constexpr int kAsideX = 20, kAsideY = 740;
// Long enough for any showing measured here, short of the hover time after which a tooltip
// would change the picture.
constexpr std::uint64_t kSettleUs = 300000;

double SinceMs(std::uint64_t from, std::uint64_t to) {
    return to > from ? static_cast<double>(to - from) / 1000.0 : -1;
}

// Starts the program and gives it with how long after its start the area looked as it stays.
std::pair<Launched, double> LaunchToPixels(bench::ScreenFrames& screen, const std::string& exe,
                                           const std::string& folder, const std::string& cls,
                                           const Rect& area) {
    screen.MoveTo(kAsideX, kAsideY);
    auto launched = std::async(std::launch::async, [&] { return Launch(exe, folder, cls); });
    const std::vector<bench::Frame> frames = screen.Watch(area, bench::NowUs() + 3000000);
    const Launched app = launched.get();
    return {app, SinceMs(app.startedUs, bench::SettledAt(frames))};
}

// Clicks the point and gives how long after the press the area looked as it then stays.
double ClickToPixels(bench::ScreenFrames& screen, const Rect& point, const Rect& area) {
    screen.MoveTo(point.x, point.y);
    std::this_thread::sleep_for(50ms); // as in the probe's clicks
    const std::uint64_t pressed = screen.Click();
    const auto frames = screen.Watch(area, pressed + kSettleUs);
    return SinceMs(pressed, bench::SettledAt(frames));
}

// Where the launcher and the palette stand with the benchmark's settings.
struct Areas {
    Rect launcher, palette;
};

// A picture whose code has four characters, for the typing figure.
int FourCharacterPicture() {
    for (std::size_t i = 0; i < kSampleCodes.size(); ++i) {
        if (kSampleCodes[i].size() == 4) {
            return static_cast<int>(i);
        }
    }
    throw HarnessError("the sample code file has no four-character code");
}

// Clicks the picture and returns how long after the click the last of its messages arrived.
double TypeOnce(StandIn& standIn, const Rect& picture, const std::string& code) {
    const std::size_t before = standIn.Log().size();
    const Rect c = Centre(picture);
    auto out = Probe({"click", std::to_string(c.x), std::to_string(c.y), "-"});
    const std::size_t expected = code.size() + 1; // and Enter
    if (!WaitUntil([&] { return standIn.Log().size() >= before + expected; }, 10s, 20ms)) {
        throw HarnessError("the code " + code + " did not arrive complete");
    }
    const std::vector<std::string> received = standIn.Received();
    const std::vector<std::string> tail(received.begin() + static_cast<long>(before),
                                        received.end());
    if (tail != Expected(code, true)) {
        throw HarnessError("the stand-in received something else than " + code + " and Enter");
    }
    const std::string last = standIn.Log().back();
    return Ms(Words(last)["us"]) - Ms(out["clicked_us"]);
}

const std::map<std::string, std::string> kQuietSettings = {{"StayOnTop", "T"}, {"SendOnCLick", "T"},
                                                           {"StickToPM", "F"}, {"KeepOpen", "F"},
                                                           {"Left", "4500"},   {"top", "3000"}};

// The baseline's window, and the one a click on it shows, as it places them.
const Rect kBaselineWindow{100, 100, 200, 120};
const Rect kBaselinePopup{100, 260, 200, 240};

void InteractiveRun(Figures& f, StandIn& standIn, bench::ScreenFrames& screen,
                    const std::string& exe, int run) {
    const std::string folder = fs::path(exe).parent_path();
    const std::string baselineExe = WindowsProgram("baseline");
    auto baselineRun = [&] {
        const auto [b, pixelsMs] =
            LaunchToPixels(screen, baselineExe, TempDir(), "FizzmoBaseline", kBaselineWindow);
        f.baselineStartup.push_back(b.shownMs);
        f.baselineStartupPixels.push_back(pixelsMs);
        const Memory m = MemoryOf(b.pid);
        f.baselinePrivateKiB.push_back(m.privateKiB);
        f.baselineResidentKiB.push_back(m.residentKiB);
        f.baselineGdi.push_back(Figure(Probe({"gdi", b.windowsPid})["gdi"]));
        // The middle of the window's client area.
        const Rect middle{200, 160, 0, 0};
        f.inputFloor.push_back(Ms(Probe({"click", "200", "160", "Baseline clicked"})["shown_us"]));
        std::vector<double> plain;
        for (int i = 0; i < 5; ++i) { // each click hides the popup, the next shows it
            ClickToPixels(screen, middle, kBaselinePopup);
            plain.push_back(ClickToPixels(screen, middle, kBaselinePopup));
        }
        f.plainWindowPixels.push_back(Median(plain));
        KillProgram(b.pid);
    };
    if (run % 2 == 1) { // take turns going first
        baselineRun();
    }
    ResetSettings(kQuietSettings);
    const Launched app = Launch(exe, folder, "FizzmoForm");
    f.startup.push_back(app.shownMs);
    const Rect launcher = Centre(WaitVisibleWindow(kLauncher).rect);
    std::this_thread::sleep_for(1s); // a person's first click comes no sooner
    const double windowsBefore = std::stod(Probe({"windows", app.windowsPid})["windows"]);
    auto openPalette = [&] {
        return Ms(Probe({"click", std::to_string(launcher.x), std::to_string(launcher.y),
                         "Smilies"})["shown_us"]);
    };
    f.paletteFirst.push_back(openPalette());
    f.paletteWindows.push_back(std::stod(Probe({"windows", app.windowsPid})["windows"]) -
                               windowsBefore);
    const int index = FourCharacterPicture();
    const Rect picture = Pictures(WaitVisibleWindow("Smilies")).at(static_cast<std::size_t>(index));
    const std::string code = kSampleCodes.at(static_cast<std::size_t>(index));
    std::vector<double> later, typing;
    for (int i = 0; i < 5; ++i) {
        typing.push_back(TypeOnce(standIn, picture, code));
        WaitWindowHidden("Smilies"); // no Keep Open: hidden, not unloaded
        later.push_back(openPalette());
    }
    f.paletteLater.push_back(Median(later));
    f.typing.push_back(Median(typing));
    Key("Escape"); // the palette stands over the launcher
    WaitWindowHidden("Smilies");
    ChooseLauncherMenuItem(WaitVisibleWindow(kLauncher).rect, FizzmoApp::kAbout);
    WaitVisibleWindow("About FizzmoLIte");
    Key("Return");
    WaitWindowHidden("About FizzmoLIte");
    f.windows.push_back(std::stod(Probe({"windows", app.windowsPid})["windows"]));
    f.gdi.push_back(Figure(Probe({"gdi", app.windowsPid})["gdi"]));
    if (run == 0) { // a hundred loads and unloads of the palette leave no object behind
        for (int i = 0; i < 100; ++i) {
            Probe({"click", std::to_string(launcher.x), std::to_string(launcher.y), "Smilies"});
            Key("Escape");
            std::this_thread::sleep_for(100ms);
        }
        WaitWindowHidden("Smilies");
        f.gdiAfterCycles = Figure(Probe({"gdi", app.windowsPid})["gdi"]);
    }
    const Memory m = MemoryOf(app.pid);
    f.privateKiB.push_back(m.privateKiB);
    f.residentKiB.push_back(m.residentKiB);
    KillProgram(app.pid);
    if (run % 2 == 0) {
        baselineRun();
    }
}

// What the user sees of the program: its start to the launcher's pixels, and the palette's
// first and later showings from the press to its pixels complete.
void PixelRun(Figures& f, bench::ScreenFrames& screen, const std::string& exe, const Areas& areas) {
    ResetSettings(kQuietSettings);
    const auto [app, startupMs] =
        LaunchToPixels(screen, exe, fs::path(exe).parent_path(), "FizzmoForm", areas.launcher);
    f.startupPixels.push_back(startupMs);
    std::this_thread::sleep_for(1s); // a person's first click comes no sooner
    const Rect launcher = Centre(areas.launcher);
    f.paletteFirstPixels.push_back(ClickToPixels(screen, launcher, areas.palette));
    const Rect picture = Centre(Pictures(WaitVisibleWindow("Smilies")).at(0));
    std::vector<double> later;
    for (int i = 0; i < 5; ++i) {
        Click(picture.x, picture.y); // a pick hides it; Escape would unload it
        WaitWindowHidden("Smilies");
        std::this_thread::sleep_for(300ms);
        later.push_back(ClickToPixels(screen, launcher, areas.palette));
    }
    f.paletteLaterPixels.push_back(Median(later));
    Key("Escape");
    KillProgram(app.pid);
}

Areas FindAreas(const std::string& exe) {
    ResetSettings(kQuietSettings);
    const Launched app = Launch(exe, fs::path(exe).parent_path(), "FizzmoForm");
    Areas areas;
    areas.launcher = WaitVisibleWindow(kLauncher).rect;
    const Rect c = Centre(areas.launcher);
    Probe({"click", std::to_string(c.x), std::to_string(c.y), "Smilies"});
    areas.palette = WaitVisibleWindow("Smilies").rect;
    KillProgram(app.pid);
    return areas;
}

// With "Type Into Any Window" on, from Notepad: the click on a picture to its code in Notepad's
// text, a pick at a time (Enter makes two characters more).
void NotepadRun(Figures& f, const std::string& exe) {
    auto settings = kQuietSettings;
    settings["AnyWindow"] = "T";
    ResetSettings(settings);
    const Launched app = Launch(exe, fs::path(exe).parent_path(), "FizzmoForm");
    const std::string prefix = WineEnv::Get().WineEnvVars().at("WINEPREFIX");
    WineProcess notepad = WineProcess::Start(prefix + "/drive_c/windows/notepad.exe");
    if (!WaitUntil(
            [] {
                return RunWineCaptured(WindowsProgram("text_probe"), {"Notepad"}, 30s).exitCode ==
                       0;
            },
            60s, 500ms)) {
        throw HarnessError("Notepad did not open");
    }
    const Rect launcher = Centre(WaitVisibleWindow(kLauncher).rect);
    Click(500, 600); // into Notepad's text, clear of the launcher, palette and stand-in
    std::this_thread::sleep_for(500ms);
    const int index = FourCharacterPicture();
    const std::string code = kSampleCodes.at(static_cast<std::size_t>(index));
    std::vector<double> typing;
    for (int i = 0; i < 5; ++i) {
        Probe({"click", std::to_string(launcher.x), std::to_string(launcher.y), "Smilies"});
        const Rect c =
            Centre(Pictures(WaitVisibleWindow("Smilies")).at(static_cast<std::size_t>(index)));
        const int length = static_cast<int>((code.size() + 2) * static_cast<std::size_t>(i + 1));
        typing.push_back(Ms(Probe({"clicktext", std::to_string(c.x), std::to_string(c.y), "Notepad",
                                   std::to_string(length)})["typed_us"]));
        WaitWindowHidden("Smilies");
    }
    f.notepadTyping.push_back(Median(typing));
    // The floor: as many key presses from a program of our own into Notepad, already in front.
    const int typed = static_cast<int>((code.size() + 2) * 5);
    f.notepadFloor.push_back(
        Ms(Probe({"typetext", "Notepad", std::to_string(code.size() + 2),
                  std::to_string(typed + static_cast<int>(code.size()) + 2)})["typed_us"]));
    notepad.Kill();
    KillProgram(app.pid);
}

void IdleRun(Figures& f, const std::string& exe, int seconds, bool anyWindow) {
    auto settings = kQuietSettings;
    settings["StickToPM"] = "T";
    settings["AnyWindow"] = anyWindow ? "T" : "F";
    ResetSettings(settings);
    const Launched app = Launch(exe, fs::path(exe).parent_path(), "FizzmoForm");
    std::this_thread::sleep_for(3s); // docked by now
    const double before = CpuNs(app.pid);
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    const double used = CpuNs(app.pid) - before;
    (anyWindow ? f.idleAnyWindowPercent : f.idlePercent).push_back(used / (seconds * 1e9) * 100);
    KillProgram(app.pid);
}

struct ExeFacts {
    double kib = 0;
    std::vector<std::string> dlls;
};

ExeFacts Inspect(const std::string& exe, const std::string& objdump) {
    ExeFacts facts;
    facts.kib = static_cast<double>(fs::file_size(exe)) / 1024;
    const CommandResult r = RunCommand({objdump, "-p", exe}, {}, 30s, true);
    std::istringstream lines(r.out);
    for (std::string line; std::getline(lines, line);) {
        const std::size_t at = line.find("DLL Name: ");
        if (at != std::string::npos) {
            facts.dlls.push_back(line.substr(at + 10));
        }
    }
    return facts;
}

bool SystemDllsOnly(const ExeFacts& facts) {
    for (std::string dll : facts.dlls) {
        std::transform(dll.begin(), dll.end(), dll.begin(), ::tolower);
        const bool system = dll == "kernel32.dll" || dll == "user32.dll" || dll == "gdi32.dll" ||
                            dll == "advapi32.dll" || dll == "comctl32.dll" || dll == "msvcrt.dll" ||
                            // screen readers: COM and Active Accessibility, in every Windows
                            dll == "ole32.dll" || dll == "oleaut32.dll" || dll == "oleacc.dll" ||
                            dll.rfind("api-ms-win-crt-", 0) == 0 || dll == "ucrtbase.dll";
        if (!system) {
            return false;
        }
    }
    return !facts.dlls.empty();
}

// name -> median real time in microseconds, from Google Benchmark's CSV.
std::map<std::string, double> CatalogueFigures(const std::string& benchPath) {
    const CommandResult r =
        RunCommand({benchPath, "--benchmark_format=csv", "--benchmark_repetitions=5",
                    "--benchmark_report_aggregates_only=true"},
                   {}, std::chrono::minutes(10), true);
    std::map<std::string, double> figures;
    std::istringstream lines(r.out);
    for (std::string line; std::getline(lines, line);) {
        const std::size_t nameEnd = line.find("_median\",");
        if (line.rfind('"', 0) != 0 || nameEnd == std::string::npos) {
            continue;
        }
        std::istringstream fields(line.substr(nameEnd + 9));
        std::string iterations, realTime;
        std::getline(fields, iterations, ',');
        std::getline(fields, realTime, ',');
        figures[line.substr(1, nameEnd - 1)] = std::stod(realTime);
    }
    return figures;
}

long long FuzzRuns(const std::string& logPath) {
    long long runs = -1;
    std::ifstream lines(logPath);
    for (std::string line; std::getline(lines, line);) {
        const std::size_t at = line.find("stat::number_of_executed_units:");
        if (at != std::string::npos) {
            runs = std::stoll(line.substr(at + 31));
        }
    }
    return runs;
}

struct Row {
    std::string key, figure, value, baseline, target;
    bool met;
};

std::string Fixed(double v, int decimals = 1) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, v);
    return text;
}

std::string Json(const std::vector<Row>& rows, const std::map<std::string, double>& numbers) {
    std::string json = "{\n  \"figures\": {\n";
    for (auto it = numbers.begin(); it != numbers.end(); ++it) {
        json += "    \"" + it->first + "\": " + Fixed(it->second, 4) +
                (std::next(it) == numbers.end() ? "\n" : ",\n");
    }
    json += "  },\n  \"targets_met\": {\n";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        json += "    \"" + rows[i].key + "\": " + (rows[i].met ? "true" : "false") +
                (i + 1 == rows.size() ? "\n" : ",\n");
    }
    return json + "  }\n}\n";
}

} // namespace

int main(int argc, char** argv) {
    std::map<std::string, std::string> args;
    for (int i = 1; i + 1 < argc; i += 2) {
        args[argv[i]] = argv[i + 1];
    }
    for (const char* needed : {"--win32-bin", "--catalogue-bench", "--fuzz-log", "--json"}) {
        if (!args.count(needed)) {
            std::cerr << "usage: bench_runner --win32-bin DIR --catalogue-bench PATH "
                         "--fuzz-log PATH --json PATH\n";
            return 2;
        }
    }
    const int runs = EnvInt("BENCH_RUNS", 5);
    const int idleSeconds = EnvInt("BENCH_IDLE_SECONDS", 60);
    Figures f;
    try {
        const std::string exe = PrepareProgramFolder(TempDir() + "/app", FizzmoApp::Setup{});
        {
            StandIn standIn({"700,450,400,300"});
            bench::ScreenFrames screen(WineEnv::Get().XEnvVars().at("DISPLAY"));
            const Areas areas = FindAreas(exe);
            for (int run = 0; run < runs; ++run) {
                std::cerr << "run " << run + 1 << " of " << runs << ": start-up, palette, typing\n";
                InteractiveRun(f, standIn, screen, exe, run);
                PixelRun(f, screen, exe, areas);
            }
            for (int run = 0; run < runs; ++run) {
                std::cerr << "run " << run + 1 << " of " << runs << ": typing into Notepad\n";
                NotepadRun(f, exe);
            }
            for (int run = 0; run < runs; ++run) {
                std::cerr << "run " << run + 1 << " of " << runs << ": idle " << idleSeconds
                          << " s\n";
                IdleRun(f, exe, idleSeconds, run % 2 == 1); // the switch on, every other run
            }
        }
    } catch (const std::exception& error) {
        std::cerr << "benchmark failed: " << error.what() << "\n";
        return 1;
    }
    const ExeFacts win64 = Inspect(WindowsProgram("FizzmoLite"), "x86_64-w64-mingw32-objdump");
    const ExeFacts win32 =
        Inspect(args["--win32-bin"] + "/FizzmoLite.exe", "i686-w64-mingw32-objdump");
    const auto catalogue = CatalogueFigures(args["--catalogue-bench"]);
    const long long fuzzRuns = FuzzRuns(args["--fuzz-log"]);

    std::map<std::string, double> n;
    n["startup_ms"] = Median(f.startup);
    n["baseline_startup_ms"] = Median(f.baselineStartup);
    n["startup_ratio"] = n["startup_ms"] / n["baseline_startup_ms"];
    n["palette_first_ms"] = Median(f.paletteFirst);
    n["palette_later_ms"] = Median(f.paletteLater);
    n["typing_ms"] = Median(f.typing);
    n["idle_cpu_percent"] = Median(f.idlePercent);
    n["idle_cpu_any_window_percent"] = Median(f.idleAnyWindowPercent);
    n["notepad_typing_ms"] = Median(f.notepadTyping);
    n["notepad_floor_ms"] = Median(f.notepadFloor);
    n["private_kib"] = Median(f.privateKiB);
    n["baseline_private_kib"] = Median(f.baselinePrivateKiB);
    n["resident_kib"] = Median(f.residentKiB);
    n["baseline_resident_kib"] = Median(f.baselineResidentKiB);
    n["i686_exe_kib"] = win32.kib;
    n["x86_64_exe_kib"] = win64.kib;
    n["fuzz_inputs"] = static_cast<double>(fuzzRuns);
    n["input_floor_ms"] = Median(f.inputFloor);
    n["windows"] = Median(f.windows);
    n["palette_windows"] = Median(f.paletteWindows);
    n["gdi_objects"] = Median(f.gdi);
    n["baseline_gdi_objects"] = Median(f.baselineGdi);
    n["gdi_objects_after_100_cycles"] = f.gdiAfterCycles;
    n["startup_pixels_ms"] = Median(f.startupPixels);
    n["baseline_startup_pixels_ms"] = Median(f.baselineStartupPixels);
    n["palette_first_pixels_ms"] = Median(f.paletteFirstPixels);
    n["palette_later_pixels_ms"] = Median(f.paletteLaterPixels);
    n["plain_window_pixels_ms"] = Median(f.plainWindowPixels);
    for (const auto& [name, us] : catalogue) {
        n["catalogue_" + name + "_us"] = us;
    }
    auto joined = [](const std::vector<std::string>& dlls) {
        std::string text;
        for (const std::string& d : dlls) {
            text += (text.empty() ? "" : " ") + d;
        }
        return text;
    };
    const double sample =
        catalogue.count("sample_129_fields") ? catalogue.at("sample_129_fields") : -1;
    const double worst100 =
        catalogue.count("no_separator_100MB") ? catalogue.at("no_separator_100MB") : -1;
    const double worst10 =
        catalogue.count("no_separator_10MB") ? catalogue.at("no_separator_10MB") : -1;
    const double floorMs = n["input_floor_ms"];
    const double startupPixelsRatio = n["startup_pixels_ms"] / n["baseline_startup_pixels_ms"];
    const double firstRatio = n["palette_first_pixels_ms"] / n["palette_later_pixels_ms"];
    const double laterRatio = n["palette_later_pixels_ms"] / n["plain_window_pixels_ms"];
    const std::vector<Row> rows = {
        {"startup", "start-up to launcher shown (ms)", Fixed(n["startup_ms"]),
         Fixed(n["baseline_startup_ms"]),
         "<= 1.1 x baseline (" + Fixed(n["startup_ratio"], 2) + " x)", n["startup_ratio"] <= 1.1},
        {"startup_pixels", "start-up to the launcher's pixels on the screen (ms)",
         Fixed(n["startup_pixels_ms"]), Fixed(n["baseline_startup_pixels_ms"]),
         "<= 1.1 x baseline (" + Fixed(startupPixelsRatio, 2) + " x)",
         n["startup_pixels_ms"] > 0 && startupPixelsRatio <= 1.1},
        {"input_floor", "click to a plain window's button-up (ms)", "-", Fixed(floorMs, 2), "-",
         floorMs > 0},
        {"palette_first", "palette, first showing, click to visible (ms)",
         Fixed(n["palette_first_ms"]), "-", "-", n["palette_first_ms"] > 0},
        {"palette_later", "palette, later showings, click to visible (ms)",
         Fixed(n["palette_later_ms"]), Fixed(floorMs, 2),
         "<= 2 x input floor (" + Fixed(n["palette_later_ms"] / floorMs, 1) + " x)",
         n["palette_later_ms"] <= 2 * floorMs},
        {"palette_first_pixels", "palette, first showing, click to complete on the screen (ms)",
         Fixed(n["palette_first_pixels_ms"]), Fixed(n["palette_later_pixels_ms"]),
         "<= 1.3 x a later one (" + Fixed(firstRatio, 2) + " x)",
         n["palette_first_pixels_ms"] > 0 && firstRatio <= 1.3},
        {"palette_later_pixels", "palette, later showings, click to complete on the screen (ms)",
         Fixed(n["palette_later_pixels_ms"]), Fixed(n["plain_window_pixels_ms"]),
         "<= 1.5 x a plain window (" + Fixed(laterRatio, 2) + " x)",
         n["palette_later_pixels_ms"] > 0 && laterRatio <= 1.5},
        {"typing", "click to last message of 4 chars + Enter (ms)", Fixed(n["typing_ms"], 2), "-",
         "<= 5 and <= 3 x floor (" + Fixed(n["typing_ms"] / floorMs, 1) + " x)",
         n["typing_ms"] <= 5 && n["typing_ms"] <= 3 * floorMs},
        {"typing_notepad", "the same into Notepad as keys, Type Into Any Window (ms)",
         Fixed(n["notepad_typing_ms"], 2), Fixed(n["notepad_floor_ms"], 2),
         "beside the IM path (" + Fixed(n["notepad_typing_ms"] / n["typing_ms"], 1) + " x)",
         n["notepad_typing_ms"] > 0},
        {"idle", "idle CPU, Stick To PM on (% of a core)", Fixed(n["idle_cpu_percent"], 3), "-",
         "<= 0.05", n["idle_cpu_percent"] <= 0.05},
        {"idle_any_window", "the same with Type Into Any Window on (% of a core)",
         Fixed(n["idle_cpu_any_window_percent"], 3), "-", "<= 0.05",
         n["idle_cpu_any_window_percent"] <= 0.05},
        {"memory_private", "private memory after palette + About (KiB)", Fixed(n["private_kib"], 0),
         Fixed(n["baseline_private_kib"], 0), "<= 1.4 x baseline",
         n["private_kib"] <= 1.4 * n["baseline_private_kib"]},
        {"memory_resident", "working set, Wine's shared libraries included (KiB)",
         Fixed(n["resident_kib"], 0), Fixed(n["baseline_resident_kib"], 0), "-", true},
        {"windows", "windows of the process after palette + About (palette's)",
         Fixed(n["windows"], 0) + " (" + Fixed(n["palette_windows"], 0) + ")", "-", "<= 12 (<= 4)",
         n["windows"] <= 12 && n["palette_windows"] <= 4},
        {"gdi", "GDI objects after palette + About (after 100 more loads)",
         Fixed(n["gdi_objects"], 0) + " (" + Fixed(f.gdiAfterCycles, 0) + ")",
         Fixed(n["baseline_gdi_objects"], 0), "<= 150, unchanged",
         n["gdi_objects"] >= 0 && n["gdi_objects"] <= 150 && f.gdiAfterCycles <= n["gdi_objects"]},
        {"size_i686", "i686 FizzmoLite.exe (KiB)", Fixed(win32.kib, 0), "-",
         "< 600, system DLLs only", win32.kib < 600 && SystemDllsOnly(win32)},
        {"size_x86_64", "x86_64 FizzmoLite.exe (KiB)", Fixed(win64.kib, 0), "-", "system DLLs only",
         SystemDllsOnly(win64)},
        {"catalogue", "read codes.dll + lay out grid, 129 fields (us)", Fixed(sample, 1), "-", "-",
         sample >= 0},
        {"catalogue_garbage",
         "the same, 100 MB without separators (us; 10 MB: " + Fixed(worst10, 1) + ")",
         Fixed(worst100, 1), "-", "independent of size",
         worst100 >= 0 && worst100 < 2 * worst10 + 1000},
        {"fuzz", "fuzzed code files, no crash", std::to_string(fuzzRuns), "-", ">= 1000000",
         fuzzRuns >= 1000000},
    };
    const std::string heading = "figure (median of " + std::to_string(runs) + " runs)";
    std::printf("\n%-62s %12s %10s  %-28s %s\n", heading.c_str(), "FizzmoLite", "baseline",
                "target", "met");
    for (const Row& r : rows) {
        std::printf("%-62s %12s %10s  %-28s %s\n", r.figure.c_str(), r.value.c_str(),
                    r.baseline.c_str(), r.target.c_str(), r.met ? "yes" : "NO");
    }
    std::printf("\nimports, i686:   %s\nimports, x86_64: %s\n", joined(win32.dlls).c_str(),
                joined(win64.dlls).c_str());
    std::ofstream(args["--json"]) << Json(rows, n);
    std::printf("\nfigures written to %s\n", args["--json"].c_str());
    return 0;
}
