// Paths and files, the registry through reg.exe, the X display through xdotool, the fixture.
#include "harness_internal.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>
#include <thread>

namespace e2e {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr auto kRegTimeout = std::chrono::seconds(60);
constexpr auto kXToolTimeout = std::chrono::seconds(10);

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// ---- reg.exe -------------------------------------------------------------------------------

CommandResult Reg(const std::vector<std::string>& regArgs) {
    WineEnv& env = WineEnv::Get();
    std::vector<std::string> argv = {WineEnv::kWine64, "reg"};
    argv.insert(argv.end(), regArgs.begin(), regArgs.end());
    auto result = RunCommand(argv, env.WineEnvVars(), kRegTimeout, true);
    if (result.timedOut) {
        throw HarnessError("reg.exe " + regArgs.front() + " did not end within 60 s");
    }
    return result;
}

std::vector<std::string> ValueSelector(const std::string& valueName) {
    if (valueName.empty()) {
        return {"/ve"};
    }
    return {"/v", valueName};
}

// reg.exe prints each value as "    NAME    TYPE    DATA" (four spaces between the fields).
std::optional<std::string> ParseRegValue(const std::string& output, const std::string& valueName) {
    const std::string wanted = Lower(valueName.empty() ? "(Default)" : valueName);
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const auto typeAt = line.find("    REG_");
        if (typeAt == std::string::npos) {
            continue;
        }
        std::string name = line.substr(0, typeAt);
        name.erase(0, name.find_first_not_of(' '));
        if (Lower(name) != wanted) {
            continue;
        }
        const auto dataAt = line.find("    ", typeAt + 4);
        if (dataAt == std::string::npos) {
            return std::string(); // empty data: reg.exe prints nothing after the type
        }
        return line.substr(dataAt + 4);
    }
    return std::nullopt;
}

// ---- xdotool ---------------------------------------------------------------------------------

CommandResult XTool(const std::vector<std::string>& argv, bool mustSucceed) {
    WineEnv& env = WineEnv::Get();
    auto result = RunCommand(argv, env.XEnvVars(), kXToolTimeout, true);
    if (mustSucceed && result.exitCode != 0) {
        std::string text;
        for (const auto& arg : argv) {
            text += (text.empty() ? "" : " ") + arg;
        }
        throw HarnessError("`" + text + "` failed (" +
                           (result.timedOut ? std::string("timed out")
                                            : "status " + std::to_string(result.exitCode)) +
                           ")");
    }
    return result;
}

std::vector<std::string> SplitSpaces(const std::string& text) {
    std::vector<std::string> words;
    std::istringstream in(text);
    std::string word;
    while (in >> word) {
        words.push_back(word);
    }
    return words;
}

} // namespace

namespace detail {

std::string ArtifactRoot() {
    const char* fromEnv = std::getenv("FIZZMO_E2E_ARTIFACTS");
    if (fromEnv != nullptr && *fromEnv != '\0') {
        return fromEnv;
    }
#ifdef FIZZMO_E2E_ARTIFACT_ROOT
    return FIZZMO_E2E_ARTIFACT_ROOT;
#else
    return "/tmp/fizzmo-e2e";
#endif
}

void MakeDirs(const std::string& path) {
    std::error_code error;
    fs::create_directories(path, error);
    if (error || !fs::is_directory(path)) {
        throw HarnessError("cannot make the folder " + path + ": " + error.message());
    }
}

} // namespace detail

// ---- paths and files -------------------------------------------------------------------------

std::string ToWinePath(const std::string& linuxAbsPath) {
    if (linuxAbsPath.empty() || linuxAbsPath.front() != '/') {
        throw HarnessError("ToWinePath needs an absolute path, not \"" + linuxAbsPath + "\"");
    }
    std::string result = "Z:";
    bool lastWasSlash = false;
    for (const char c : linuxAbsPath) {
        if (c == '/') {
            if (!lastWasSlash) {
                result += '\\';
            }
            lastWasSlash = true;
        } else {
            result += c;
            lastWasSlash = false;
        }
    }
    return result;
}

std::string TempDir() {
    static std::mutex mutex;
    static std::map<std::string, std::string> made; // test name -> folder
    std::string name;
    if (const auto* info = ::testing::UnitTest::GetInstance()->current_test_info()) {
        name = std::string(info->test_suite_name()) + "." + info->name();
    } else {
        name = "global." + std::to_string(getpid());
    }
    for (char& c : name) {
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '_' || c == '-')) {
            c = '_';
        }
    }
    std::lock_guard<std::mutex> lock(mutex);
    if (auto found = made.find(name); found != made.end()) {
        return found->second;
    }
    const std::string dir = detail::ArtifactRoot() + "/" + name;
    std::error_code ignored;
    fs::remove_all(dir, ignored);
    detail::MakeDirs(dir);
    made[name] = dir;
    return dir;
}

bool FileExists(const std::string& path) {
    return access(path.c_str(), F_OK) == 0;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw HarnessError("cannot read " + path + ": " + std::strerror(errno));
    }
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::vector<std::string> ReadLines(const std::string& path) {
    std::vector<std::string> lines;
    std::istringstream in(ReadFile(path));
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    out.close();
    if (!out) {
        throw HarnessError("cannot write " + path);
    }
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout,
               std::chrono::milliseconds poll) {
    const auto deadline = Clock::now() + timeout;
    while (true) {
        if (condition()) {
            return true;
        }
        const auto now = Clock::now();
        if (now >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::min<Clock::duration>(poll, deadline - now));
    }
}

// ---- registry --------------------------------------------------------------------------------

std::optional<std::string> RegQuery(const std::string& key, const std::string& valueName) {
    std::vector<std::string> args = {"query", key};
    for (auto& arg : ValueSelector(valueName)) {
        args.push_back(arg);
    }
    const auto result = Reg(args);
    if (result.exitCode != 0) {
        return std::nullopt;
    }
    return ParseRegValue(result.out, valueName);
}

std::optional<std::uint32_t> RegQueryDword(const std::string& key, const std::string& valueName) {
    const auto text = RegQuery(key, valueName);
    if (!text) {
        return std::nullopt;
    }
    try {
        std::size_t used = 0;
        const unsigned long value = std::stoul(*text, &used, 0);
        if (used == text->size()) {
            return static_cast<std::uint32_t>(value);
        }
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

bool RegDeleteKey(const std::string& key) {
    return Reg({"delete", key, "/f"}).exitCode == 0;
}

namespace {
void RegAdd(const std::string& key, const std::string& valueName, const std::string& type,
            const std::string& data) {
    std::vector<std::string> args = {"add", key};
    for (auto& arg : ValueSelector(valueName)) {
        args.push_back(arg);
    }
    for (const std::string& arg :
         {std::string("/t"), type, std::string("/d"), data, std::string("/f")}) {
        args.push_back(arg);
    }
    const auto result = Reg(args);
    if (result.exitCode != 0) {
        throw HarnessError("reg add " + key + " /v " + valueName + " failed with status " +
                           std::to_string(result.exitCode));
    }
}
} // namespace

void RegAddString(const std::string& key, const std::string& valueName, const std::string& data) {
    RegAdd(key, valueName, "REG_SZ", data);
}

void RegAddDword(const std::string& key, const std::string& valueName, std::uint32_t data) {
    RegAdd(key, valueName, "REG_DWORD", std::to_string(data));
}

// ---- X display -------------------------------------------------------------------------------

std::vector<unsigned long> FindWindows(const std::string& nameRegex, bool onlyVisible) {
    std::vector<std::string> argv = {"xdotool", "search"};
    if (onlyVisible) {
        argv.push_back("--onlyvisible");
    }
    argv.push_back("--name");
    argv.push_back(nameRegex);
    const auto result = XTool(argv, false); // status 1: no window matched
    std::vector<unsigned long> ids;
    for (const auto& word : SplitSpaces(result.out)) {
        try {
            ids.push_back(std::stoul(word));
        } catch (const std::exception&) {
        }
    }
    return ids;
}

std::optional<Rect> WindowGeometry(unsigned long xid) {
    const auto result =
        XTool({"xdotool", "getwindowgeometry", "--shell", std::to_string(xid)}, false);
    if (result.exitCode != 0) {
        return std::nullopt;
    }
    Rect rect;
    int seen = 0;
    std::istringstream lines(result.out);
    std::string line;
    while (std::getline(lines, line)) {
        const auto eq = line.find('=');
        if (eq == std::string::npos) {
            continue;
        }
        const std::string name = line.substr(0, eq);
        int* field = name == "X"        ? &rect.x
                     : name == "Y"      ? &rect.y
                     : name == "WIDTH"  ? &rect.width
                     : name == "HEIGHT" ? &rect.height
                                        : nullptr;
        if (field != nullptr) {
            try {
                *field = std::stoi(line.substr(eq + 1));
                ++seen;
            } catch (const std::exception&) {
            }
        }
    }
    if (seen != 4) {
        return std::nullopt;
    }
    return rect;
}

std::optional<std::string> WindowName(unsigned long xid) {
    auto result = XTool({"xdotool", "getwindowname", std::to_string(xid)}, false);
    if (result.exitCode != 0) {
        return std::nullopt;
    }
    while (!result.out.empty() && (result.out.back() == '\n' || result.out.back() == '\r')) {
        result.out.pop_back();
    }
    return result.out;
}

void MouseMove(int x, int y) {
    XTool({"xdotool", "mousemove", std::to_string(x), std::to_string(y)}, true);
}

void Click(int x, int y, int button) {
    XTool({"xdotool", "mousemove", std::to_string(x), std::to_string(y), "click",
           std::to_string(button)},
          true);
}

void Key(const std::string& keySpecs) {
    std::vector<std::string> argv = {"xdotool", "key", "--delay", "30", "--"};
    for (auto& word : SplitSpaces(keySpecs)) {
        argv.push_back(word);
    }
    XTool(argv, true);
}

void TypeText(const std::string& text) {
    XTool({"xdotool", "type", "--delay", "30", "--", text}, true);
}

void FocusWindow(unsigned long xid) {
    XTool({"xdotool", "windowfocus", "--sync", std::to_string(xid)}, true);
}

bool Screenshot(const std::string& pngPath) {
    WineEnv& env = WineEnv::Get();
    const auto result = RunCommand({"import", "-window", "root", pngPath}, env.XEnvVars(),
                                   std::chrono::seconds(20), false);
    return result.exitCode == 0 && FileExists(pngPath);
}

// ---- fixture ---------------------------------------------------------------------------------

void WineTest::SetUp() {
    try {
        env_ = &WineEnv::Get();
    } catch (const std::exception& error) {
        GTEST_FAIL() << error.what();
    }
}

} // namespace e2e
