// The palette from the keyboard under Wine, with real key presses: the arrows, Home and End,
// Enter, the hot key, and the focus going back to the conversation after a pick.
#include "fizzmo_app.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

namespace e2e {
namespace {

// Waits until the palette's text box shows the picture's hover text.
bool ShowsHoverTextOf(int index) {
    const std::string shown =
        WaitText1([&](const std::string& s) { return s == TestHoverText(index); });
    EXPECT_EQ(shown, TestHoverText(index));
    return shown == TestHoverText(index);
}

void Hover(const ProbeWindow& palette, int index) {
    const Rect c = Centre(Pictures(palette)[index]);
    MouseMove(c.x, c.y);
    ASSERT_TRUE(ShowsHoverTextOf(index));
}

bool ReceivedWithin(const StandIn& standIn, const std::vector<std::string>& expected) {
    return WaitUntil([&] { return standIn.Received() == expected; }, 5s);
}

// The characters the stand-in's input box took, in order.
std::string CharsTyped(const StandIn& standIn) {
    std::string chars;
    for (const std::string& line : standIn.Received()) {
        const std::size_t w = line.find(" wParam=");
        if (line.rfind("WM_CHAR window=0 kind=input", 0) == 0 && w != std::string::npos) {
            chars += static_cast<char>(std::stoi(line.substr(w + 8)));
        }
    }
    return chars;
}

const std::string kConversationHasFocus = "foreground window=0;focus window=0 kind=input";

class Keyboard : public WineTest {
  protected:
    void SetUp() override {
        WineTest::SetUp();
        // The launcher at 200, 150; the palette opens over it, clear of the messenger.
        settings_ = {{"StickToPM", "F"}, {"Left", "3000"}, {"top", "2250"}};
    }
    void Start(const std::map<std::string, std::string>& more) {
        std::map<std::string, std::string> all = settings_;
        all.insert(more.begin(), more.end());
        ResetSettings(all);
        app_.emplace(FizzmoApp::Setup{true, TestCodesFile()});
    }
    std::map<std::string, std::string> settings_;
    std::optional<FizzmoApp> app_;
};

TEST_F(Keyboard, ArrowsHomeAndEndMoveTheHighlightFromThePointerAndEnterTypesIt) {
    StandIn standIn({"600,100,500,400"});
    Start({{"SendOnCLick", "T"}, {"KeepOpen", "T"}});
    const ProbeWindow palette = app_->OpenPalette();
    Hover(palette, 9); // the keys go on from where the pointer left the highlight
    const std::vector<std::pair<std::string, int>> steps = {
        {"Right", 10}, {"Down", 18},     {"Home", 16},     {"Left", 15}, {"Up", 7},
        {"Right", 8},  {"End", 15},      {"ctrl+End", 63}, {"Down", 63}, {"Right", 63},
        {"Left", 62},  {"ctrl+Home", 0}, {"Up", 0},        {"Left", 0},
    };
    for (const auto& [key, index] : steps) {
        Key(key);
        ASSERT_TRUE(ShowsHoverTextOf(index)) << "after " << key;
    }
    Key("Return");
    EXPECT_TRUE(ReceivedWithin(standIn, Expected(TestCode(0), true)));
    // Keep Open: the palette keeps the keys for the next pick.
    Key("Down Return");
    std::vector<std::string> both = Expected(TestCode(0), true);
    for (const std::string& line : Expected(TestCode(8), true)) {
        both.push_back(line);
    }
    EXPECT_TRUE(ReceivedWithin(standIn, both));
    EXPECT_TRUE(VisibleWindow("Smilies"));
}

TEST_F(Keyboard, APickThatHidesThePaletteLeavesTheUserTypingInTheConversation) {
    StandIn standIn({"600,100,500,400"});
    Start({{"SendOnCLick", "F"}, {"KeepOpen", "F"}});
    Hover(app_->OpenPalette(), 3);
    Key("Return");
    // Exactly the code; the Enter key's release then goes to the conversation, as it should.
    ASSERT_TRUE(WaitUntil([&] { return CharsTyped(standIn) == TestCode(3); }, 5s));
    const std::vector<std::string> code = Expected(TestCode(3), false);
    const std::vector<std::string> all = standIn.Received();
    EXPECT_EQ(std::vector<std::string>(all.begin(), all.begin() + 3), code);
    EXPECT_TRUE(WaitWindowHidden("Smilies"));
    EXPECT_TRUE(WaitUntil([&] { return standIn.Focus() == kConversationHasFocus; }, 5s))
        << standIn.Focus();
    TypeText("ab");
    EXPECT_TRUE(WaitUntil([&] { return CharsTyped(standIn) == TestCode(3) + "ab"; }, 5s))
        << CharsTyped(standIn);
    // A click on a picture does the same.
    const ProbeWindow palette = app_->OpenPalette();
    ClickCentre(Pictures(palette)[5]);
    EXPECT_TRUE(
        WaitUntil([&] { return CharsTyped(standIn) == TestCode(3) + "ab" + TestCode(5); }, 5s));
    EXPECT_TRUE(WaitUntil([&] { return standIn.Focus() == kConversationHasFocus; }, 5s));
    TypeText("c");
    EXPECT_TRUE(WaitUntil(
        [&] { return CharsTyped(standIn) == TestCode(3) + "ab" + TestCode(5) + "c"; }, 5s))
        << CharsTyped(standIn);
}

// Five character keys summing to 583 open the slide show. The arrows, Home and End are no
// character keys; Enter is one, and counts as it always did.
TEST_F(Keyboard, TheHiddenKeysCountOnlyCharacterKeysWithEnterAmongThem) {
    Start({{"KeepOpen", "T"}});
    app_->OpenPalette();
    TypeText("uu");
    Key("Left Right Home End Up Down ctrl+Home ctrl+End");
    TypeText("uus");
    ClickCentre(WaitVisibleWindow("Dialog Caption").Child("Button").value().rect);
    ASSERT_TRUE(WaitWindowHidden("Dialog Caption"));
    app_->OpenPalette();
    // u u u Enter s: five keys, 479. Were Enter not counted, u u u s u would make 583 here.
    TypeText("uuu");
    Key("Return");
    TypeText("su");
    std::this_thread::sleep_for(1500ms);
    EXPECT_FALSE(VisibleWindow("Dialog Caption"));
    TypeText("uuus"); // u u u u s after the first u: 583
    WaitVisibleWindow("Dialog Caption");
}

TEST_F(Keyboard, HotKeyOpensBesideTheLauncherOnTheFirstPictureAndHidesAgain) {
    StandIn standIn({"600,100,500,400"});
    Start({{"SendOnCLick", "F"}, {"KeepOpen", "F"}});
    const Rect launcher = WaitVisibleWindow(kLauncher).rect;
    ClickCentre(standIn.Windows().at(0).input); // the user is typing in the conversation
    ASSERT_TRUE(WaitUntil([&] { return standIn.Focus() == kConversationHasFocus; }, 5s));
    MouseMove(1000, 900); // the pointer over nothing of ours
    Key("ctrl+shift+F8");
    const ProbeWindow palette = WaitVisibleWindow("Smilies");
    EXPECT_EQ(palette.rect.x, launcher.x);
    EXPECT_EQ(palette.rect.y, launcher.y);
    ASSERT_TRUE(ShowsHoverTextOf(0));
    Key("Right Return");
    EXPECT_TRUE(WaitUntil([&] { return CharsTyped(standIn) == TestCode(1); }, 5s))
        << ::testing::PrintToString(standIn.Received());
    // The code's messages exactly, among the hot key's own presses and releases, which went
    // to the conversation.
    const std::vector<std::string> code = Expected(TestCode(1), false);
    const std::vector<std::string> all = standIn.Received();
    const auto first = std::find_if(
        all.begin(), all.end(), [](const std::string& l) { return l.rfind("WM_CHAR", 0) == 0; });
    ASSERT_GE(all.end() - first, static_cast<long>(code.size()));
    EXPECT_EQ(std::vector<std::string>(first, first + static_cast<long>(code.size())), code);
    EXPECT_TRUE(WaitUntil([&] { return standIn.Focus() == kConversationHasFocus; }, 5s));
    Key("ctrl+shift+F8");
    WaitVisibleWindow("Smilies");
    Key("ctrl+shift+F8");
    EXPECT_TRUE(WaitWindowHidden("Smilies"));
    app_.reset();
    EXPECT_EQ(Setting("HotKey"), std::nullopt) << "nothing stored that the user did not set";
}

// The palette appearing under a pointer at rest is reported as a move of the pointer; it must
// not take the highlight the hot key put on the first picture.
TEST_F(Keyboard, TheHotKeyAndEnterTypeTheFirstPictureWhereverThePointerRests) {
    StandIn standIn({"600,100,500,400"});
    Start({{"SendOnCLick", "F"}, {"KeepOpen", "F"}});
    WaitVisibleWindow(kLauncher);
    MouseMove(1000, 900);
    Key("ctrl+shift+F8");
    const Rect picture20 = Centre(Pictures(WaitVisibleWindow("Smilies"))[20]);
    Key("ctrl+shift+F8");
    ASSERT_TRUE(WaitWindowHidden("Smilies"));
    MouseMove(picture20.x, picture20.y); // parked where picture 20 will appear
    Key("ctrl+shift+F8");
    WaitVisibleWindow("Smilies");
    ASSERT_TRUE(ShowsHoverTextOf(0));
    std::this_thread::sleep_for(500ms); // time for the move the appearing window reports
    Key("Return");
    EXPECT_TRUE(WaitUntil([&] { return CharsTyped(standIn) == TestCode(0); }, 5s))
        << CharsTyped(standIn);
    // Moved by one pixel, the pointer hovers at once.
    Key("ctrl+shift+F8");
    WaitVisibleWindow("Smilies");
    MouseMove(picture20.x + 1, picture20.y);
    ASSERT_TRUE(ShowsHoverTextOf(20));
    Key("Return");
    EXPECT_TRUE(WaitUntil([&] { return CharsTyped(standIn) == TestCode(0) + TestCode(20); }, 5s))
        << CharsTyped(standIn);
}

TEST_F(Keyboard, AHotKeyFromTheSettingsOrHeldElsewhere) {
    {
        Start({{"HotKey", "Shift+F9"}});
        WaitVisibleWindow(kLauncher);
        MouseMove(1000, 900);
        Key("ctrl+shift+F8");
        std::this_thread::sleep_for(1s);
        EXPECT_FALSE(VisibleWindow("Smilies"));
        Key("shift+F9");
        WaitVisibleWindow("Smilies");
        app_.reset();
        EXPECT_EQ(Setting("HotKey"), "Shift+F9");
    }
    // Another program holds the key: the program runs as ever, without one.
    WineProcess holder = WineProcess::Start(WindowsProgram("hot_key_holder"));
    ASSERT_TRUE(WaitUntil([&] { return holder.Stdout().find("held") != std::string::npos; }, 30s));
    StandIn standIn({"600,100,500,400"});
    Start({{"SendOnCLick", "F"}, {"KeepOpen", "F"}});
    WaitVisibleWindow(kLauncher);
    Key("ctrl+shift+F8");
    EXPECT_TRUE(
        WaitUntil([&] { return holder.Stdout().find("pressed") != std::string::npos; }, 5s));
    EXPECT_FALSE(VisibleWindow("Smilies"));
    ClickCentre(Pictures(app_->OpenPalette())[2]);
    EXPECT_TRUE(ReceivedWithin(standIn, Expected(TestCode(2), false)));
}

// Only a missing HotKey means the default: a number, or a key's name padded past what a name
// can be, leaves the program without a hot key; an expandable string reads as the text it holds.
TEST_F(Keyboard, OddHotKeyValuesNeverTakeTheDefault) {
    auto startWith = [&](const std::string& type, const std::string& data) {
        ResetSettings(settings_);
        StoreSettingOfType("HotKey", type, data);
        app_.emplace(FizzmoApp::Setup{true, TestCodesFile()});
        WaitVisibleWindow(kLauncher);
        MouseMove(1000, 900);
    };
    const std::vector<std::pair<std::string, std::string>> noKey = {
        {"REG_DWORD", "119"}, // F8's key code
        {"REG_SZ", std::string(5000, ' ') + "Ctrl+Shift+F8"},
    };
    for (const auto& [type, data] : noKey) {
        startWith(type, data);
        Key("ctrl+shift+F8");
        std::this_thread::sleep_for(1s);
        EXPECT_FALSE(VisibleWindow("Smilies")) << type;
        app_.reset();
    }
    startWith("REG_EXPAND_SZ", "Ctrl+Shift+F9");
    Key("ctrl+shift+F9");
    WaitVisibleWindow("Smilies");
}

} // namespace
} // namespace e2e
