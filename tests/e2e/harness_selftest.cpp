// Checks the end-to-end harness for real: the display, Wine programs and their exit codes, output,
// killing, the registry through reg.exe, and the X helpers on a real Wine window.
// The Windows probe is exit_code_probe.exe (harness/exit_code_probe.c): its path is taken from
// FIZZMO_EXIT_CODE_PROBE, or else from FIZZMO_WIN64_BIN_DIR/exit_code_probe.exe.
#include "wine_harness.h"

#include <gtest/gtest.h>

#include <signal.h>

#include <cerrno>
#include <cstdlib>
#include <regex>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

std::string ProbePath() {
    if (const char* path = std::getenv("FIZZMO_EXIT_CODE_PROBE");
        path != nullptr && *path != '\0') {
        return path;
    }
    if (const char* dir = std::getenv("FIZZMO_WIN64_BIN_DIR"); dir != nullptr && *dir != '\0') {
        return std::string(dir) + "/exit_code_probe.exe";
    }
    return {};
}

class HarnessSelftest : public e2e::WineTest {
  protected:
    void SetUp() override {
        e2e::WineTest::SetUp();
        if (HasFatalFailure()) {
            return;
        }
        probe_ = ProbePath();
        ASSERT_FALSE(probe_.empty())
            << "set FIZZMO_WIN64_BIN_DIR (the x86_64 Windows build's programs, "
               "with exit_code_probe.exe) or FIZZMO_EXIT_CODE_PROBE";
        ASSERT_TRUE(e2e::FileExists(probe_)) << "no probe at " << probe_;
    }

    struct ProbeWindow {
        e2e::WineProcess process;
        unsigned long xid = 0; // 0: none showed up
    };
    // Starts the probe's window and waits for its X window.
    ProbeWindow OpenProbeWindow(const std::string& title) {
        ProbeWindow window{e2e::WineProcess::Start(probe_, {"window", title})};
        std::vector<unsigned long> ids;
        e2e::WaitUntil(
            [&] {
                return !(ids = e2e::FindWindows("^" + title + "$", true)).empty() ||
                       !window.process.Running();
            },
            30s);
        window.xid = ids.empty() ? 0 : ids.front();
        return window;
    }

    std::string probe_;
};

TEST(HarnessPaths, ToWinePath) {
    EXPECT_EQ(e2e::ToWinePath("/tmp/a b/c.txt"), "Z:\\tmp\\a b\\c.txt");
    EXPECT_EQ(e2e::ToWinePath("/"), "Z:\\");
    EXPECT_EQ(e2e::ToWinePath("/work//main/"), "Z:\\work\\main\\");
    EXPECT_THROW(e2e::ToWinePath("relative/path"), e2e::HarnessError);
}

TEST(HarnessFiles, TempDirAndLines) {
    const std::string dir = e2e::TempDir();
    EXPECT_EQ(dir, e2e::TempDir());
    EXPECT_NE(dir.find("HarnessFiles.TempDirAndLines"), std::string::npos) << dir;
    const std::string path = dir + "/lines.txt";
    e2e::WriteFile(path, "one\r\ntwo\n\nfour");
    EXPECT_EQ(e2e::ReadLines(path), (std::vector<std::string>{"one", "two", "", "four"}));
    EXPECT_EQ(e2e::ReadFile(path).size(), 14u); // bytes as written: no line end translation
    EXPECT_THROW(e2e::ReadFile(dir + "/missing"), e2e::HarnessError);
}

TEST(HarnessCommands, RunCommandCapturesAndTimesOut) {
    const auto echo =
        e2e::RunCommand({"sh", "-c", "echo \"$GREETING\"; exit 3"}, {{"GREETING", "hi there"}}, 5s);
    EXPECT_EQ(echo.exitCode, 3);
    EXPECT_EQ(echo.out, "hi there\n");
    EXPECT_FALSE(echo.timedOut);

    const auto start = Clock::now();
    const auto hang = e2e::RunCommand({"sh", "-c", "sleep 30 & sleep 30"}, {}, 300ms);
    EXPECT_TRUE(hang.timedOut);
    EXPECT_EQ(hang.exitCode, -1);
    EXPECT_LT(Clock::now() - start, 5s);

    EXPECT_THROW(e2e::RunCommand({"/nonexistent/program"}, {}, 1s), e2e::HarnessError);
}

TEST(HarnessCommands, WaitUntil) {
    int calls = 0;
    EXPECT_TRUE(e2e::WaitUntil([&] { return ++calls == 3; }, 2s, 10ms));
    EXPECT_EQ(calls, 3);
    const auto start = Clock::now();
    EXPECT_FALSE(e2e::WaitUntil([] { return false; }, 200ms));
    EXPECT_GE(Clock::now() - start, 200ms);
}

TEST_F(HarnessSelftest, DisplayComesUp) {
    EXPECT_TRUE(std::regex_match(Env().Display(), std::regex(":[0-9]+"))) << Env().Display();
    const auto info = e2e::RunCommand({"xdpyinfo"}, Env().XEnvVars(), 10s);
    ASSERT_EQ(info.exitCode, 0);
    EXPECT_NE(info.out.find("1280x1024 pixels"), std::string::npos) << info.out;
    EXPECT_TRUE(e2e::FileExists(Env().Prefix() + "/system.reg"));
}

TEST_F(HarnessSelftest, ExitCodeComesBack) {
    EXPECT_EQ(e2e::RunWine(probe_, {"exit", "42"}, 60s), 42);
    EXPECT_EQ(e2e::RunWine(probe_, {"exit", "0"}, 60s), 0);
    EXPECT_EQ(e2e::RunWine(probe_, {"exit", "255"}, 60s), 255);
}

TEST_F(HarnessSelftest, OutputAndArguments) {
    const auto echo = e2e::RunWineCaptured(probe_, {"echo", "hello", "wine"}, 60s);
    EXPECT_EQ(echo.exitCode, 0);
    EXPECT_EQ(echo.out, "hello wine\r\n") << echo.err;

    e2e::WineProcess process =
        e2e::WineProcess::Start(probe_, {"args", "a b", "", "Z:\\x y\\z", "q\"uote"});
    ASSERT_EQ(process.Wait(60s), 0);
    EXPECT_EQ(e2e::ReadLines(process.StdoutPath()),
              (std::vector<std::string>{"a b", "", "Z:\\x y\\z", "q\"uote"}));
    EXPECT_EQ(process.StdoutPath().rfind(e2e::TempDir(), 0), 0u) << process.StdoutPath();
}

TEST_F(HarnessSelftest, KillStopsAHangingProgram) {
    e2e::WineProcess process = e2e::WineProcess::Start(probe_, {"sleep", "600000"});
    EXPECT_TRUE(process.Running());
    EXPECT_EQ(process.Wait(500ms), -1);
    EXPECT_TRUE(process.Running());
    const auto start = Clock::now();
    process.Kill();
    EXPECT_LT(Clock::now() - start, 5s);
    EXPECT_FALSE(process.Running());
    EXPECT_NE(process.Wait(1s), -1); // ended (by SIGKILL)
    EXPECT_EQ(kill(process.Pid(), 0), -1);

    // Wine still works afterwards.
    EXPECT_EQ(e2e::RunWine(probe_, {"exit", "7"}, 60s), 7);
}

TEST_F(HarnessSelftest, DestructorAndRunWineTimeoutKill) {
    pid_t pid = -1;
    {
        e2e::WineProcess process = e2e::WineProcess::Start(probe_, {"sleep", "600000"});
        pid = process.Pid();
        ASSERT_TRUE(process.Running());
    }
    EXPECT_EQ(kill(pid, 0), -1);
    EXPECT_EQ(errno, ESRCH);

    const auto start = Clock::now();
    EXPECT_EQ(e2e::RunWine(probe_, {"sleep", "600000"}, 1s), -1);
    EXPECT_LT(Clock::now() - start, 10s);
}

TEST_F(HarnessSelftest, Registry) {
    const std::string key = "HKCU\\Software\\FizzmoHarnessSelftest";
    e2e::RegDeleteKey(key);
    EXPECT_EQ(e2e::RegQuery(key, "Greeting"), std::nullopt);

    e2e::RegAddString(key, "Greeting", "hello  wine world");
    EXPECT_EQ(e2e::RegQuery(key, "Greeting"), "hello  wine world");
    EXPECT_EQ(e2e::RegQuery(key, "greeting"), "hello  wine world"); // names are case-insensitive
    EXPECT_EQ(e2e::RegQuery(key, "Other"), std::nullopt);

    e2e::RegAddString(key, "Empty", "");
    EXPECT_EQ(e2e::RegQuery(key, "Empty"), "");
    e2e::RegAddString(key, "", "default data");
    EXPECT_EQ(e2e::RegQuery(key, ""), "default data");

    e2e::RegAddDword(key, "Count", 42);
    EXPECT_EQ(e2e::RegQueryDword(key, "Count"), 42u);
    e2e::RegAddDword(key, "Count", 4294967295u);
    EXPECT_EQ(e2e::RegQueryDword(key, "Count"), 4294967295u);

    EXPECT_TRUE(e2e::RegDeleteKey(key));
    EXPECT_EQ(e2e::RegQuery(key, "Greeting"), std::nullopt);
    EXPECT_FALSE(e2e::RegDeleteKey(key));
}

TEST_F(HarnessSelftest, WindowClickAndScreenshot) {
    auto [process, xid] = OpenProbeWindow("Harness Probe Click");
    ASSERT_NE(xid, 0u) << "no X window for the probe; its stderr: " << process.Stderr();
    EXPECT_EQ(e2e::WindowName(xid), "Harness Probe Click");
    const auto rect = e2e::WindowGeometry(xid);
    ASSERT_TRUE(rect.has_value());
    EXPECT_GE(rect->width, 200);
    EXPECT_GE(rect->height, 100);
    EXPECT_LE(rect->width, 320);
    EXPECT_LE(rect->height, 220);

    const std::string png = e2e::TempDir() + "/screen.png";
    EXPECT_TRUE(e2e::Screenshot(png));
    EXPECT_GT(e2e::ReadFile(png).size(), 1000u);

    e2e::Click(rect->x + rect->width / 2, rect->y + rect->height / 2, 3);
    EXPECT_EQ(process.Wait(20s), 13);
}

TEST_F(HarnessSelftest, WindowKeys) {
    auto [process, xid] = OpenProbeWindow("Harness Probe Keys");
    ASSERT_NE(xid, 0u) << "no X window for the probe; its stderr: " << process.Stderr();
    const auto rect = e2e::WindowGeometry(xid);
    ASSERT_TRUE(rect.has_value());
    e2e::MouseMove(rect->x + rect->width / 2, rect->y + rect->height / 2);
    e2e::FocusWindow(xid);
    e2e::Key("F5");
    EXPECT_EQ(process.Wait(20s), 100 + 0x74); // VK_F5
}

} // namespace
