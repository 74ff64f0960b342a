// The session's variables, the registry through reg.exe, the display through xdotool, and the
// test's files.
#include "wine_harness.h"

#include <strings.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
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

CommandResult Reg(std::vector<std::string> args) {
    args.insert(args.begin(), {WineEnv::kWine64, "reg"});
    CommandResult result =
        RunCommand(args, WineEnv::Get().WineEnvVars(), 60s, true, TempDir() + "/reg.log");
    if (result.timedOut) {
        throw HarnessError("reg.exe " + args[2] + " did not end within 60 s");
    }
    return result;
}

// reg.exe now and then fails to add a value just after a killed program's end: once more.
void RegAdd(const std::vector<std::string>& args) {
    if (Reg(args).exitCode != 0 && Reg(args).exitCode != 0) {
        throw HarnessError("reg add " + args[1] + " /v " + args[3] + " failed; see " + TempDir() +
                           "/reg.log");
    }
}

void XTool(std::vector<std::string> argv) {
    argv.insert(argv.begin(), "xdotool");
    if (RunCommand(argv, WineEnv::Get().XEnvVars(), 10s).exitCode != 0) {
        throw HarnessError("xdotool " + argv[1] + " failed");
    }
}

} // namespace

WineEnv& WineEnv::Get() {
    static WineEnv env;
    if (env.wineVars_.empty()) {
        for (const char* name : {"DISPLAY", "WINEPREFIX", "WINEDEBUG", "WINEDLLOVERRIDES"}) {
            if (Env(name, "").empty()) {
                throw HarnessError(std::string(name) + " is not set: run the test in session.sh");
            }
            env.wineVars_[name] = Env(name, "");
        }
        env.xVars_ = {{"DISPLAY", env.wineVars_["DISPLAY"]}};
    }
    return env;
}

void WineTest::SetUp() {
    try {
        WineEnv::Get();
    } catch (const std::exception& error) {
        GTEST_FAIL() << error.what();
    }
}

std::string detail::ArtifactRoot() {
    return Env("FIZZMO_E2E_ARTIFACTS", "/tmp/fizzmo-e2e");
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

bool RegDeleteValue(const std::string& key, const std::string& valueName) {
    return Reg({"delete", key, "/v", valueName, "/f"}).exitCode == 0;
}

void RegAddString(const std::string& key, const std::string& valueName, const std::string& data) {
    RegAdd({"add", key, "/v", valueName, "/t", "REG_SZ", "/d", data, "/f"});
}

void RegAddDword(const std::string& key, const std::string& valueName, std::uint32_t data) {
    RegAdd({"add", key, "/v", valueName, "/t", "REG_DWORD", "/d", std::to_string(data), "/f"});
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
