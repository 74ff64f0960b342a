// "Type Into Any Window" under Wine: Wine's own Notepad and WordPad as the window the user was
// working in, codes in any script read from files as editors save them, the hot key, a closed
// and a hung window, and the stand-in messenger getting exactly what it always got.
#include "fizzmo_app.h"

#include <gtest/gtest.h>

#include <strings.h>

#include <sstream>
#include <thread>

namespace e2e {
namespace {

// The codes of the first five pictures, in UTF-8; the rest are "x".
const std::vector<std::string> kCodes = {"\xF0\x9F\x98\x80", "\xE2\x86\x92ok", "Z\xC3\xBCrich",
                                         "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82", ":)"};

std::string CodesText() {
    std::string text;
    for (int i = 0; i < 128; ++i) {
        text += (i < 5 ? kCodes[static_cast<std::size_t>(i)] : std::string("x")) + "\r\n";
    }
    return text;
}

// The same file in UTF-16 with its byte-order mark, the codes as the compiler writes them.
std::string CodesTextUtf16(bool bigEndian) {
    const std::vector<std::u16string> codes = {u"\U0001F600", u"\u2192ok", u"Z\u00FCrich",
                                               u"\u041F\u0440\u0438\u0432\u0435\u0442", u":)"};
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (int i = 0; i < 128; ++i) {
        for (const char16_t unit :
             (i < 5 ? codes[static_cast<std::size_t>(i)] : std::u16string(u"x")) + u"\r\n") {
            const char hi = static_cast<char>(unit >> 8), lo = static_cast<char>(unit & 0xFF);
            out += bigEndian ? std::string{hi, lo} : std::string{lo, hi};
        }
    }
    return out;
}

// What the text probe saw of another program's window.
struct Seen {
    bool foreground = false;
    Rect rect;
    std::string focus;
    std::vector<std::pair<std::string, std::string>> children; // class, text
    // The text of the first child whose class starts so, ignoring case.
    std::optional<std::string> TextOf(const std::string& prefix) const {
        for (const auto& [cls, text] : children) {
            if (strncasecmp(cls.c_str(), prefix.c_str(), prefix.size()) == 0) {
                return text;
            }
        }
        return std::nullopt;
    }
};

std::string Unescape(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char c = text[++i];
            out += c == 'r' ? '\r' : c == 'n' ? '\n' : c;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::optional<Seen> SeeWindow(const std::string& cls, const std::string& title = "") {
    const WineResult r = RunWineCaptured(
        WindowsProgram("text_probe"),
        title.empty() ? std::vector<std::string>{cls} : std::vector<std::string>{cls, title}, 30s);
    if (r.exitCode != 0) {
        return std::nullopt;
    }
    Seen seen;
    std::istringstream in(r.out);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.rfind("window ", 0) == 0) {
            seen.foreground = line.find(" foreground=1 ") != std::string::npos;
            long l = 0, t = 0, rr = 0, b = 0;
            std::sscanf(line.c_str() + line.find(" rect=") + 6, "%ld,%ld,%ld,%ld", &l, &t, &rr, &b);
            seen.rect = Rect{int(l), int(t), int(rr - l), int(b - t)};
            seen.focus = line.substr(line.find(" focus=") + 7);
        } else if (line.rfind("child class=", 0) == 0) {
            const std::size_t text = line.find(" text=");
            seen.children.emplace_back(line.substr(12, text - 12), Unescape(line.substr(text + 6)));
        }
    }
    return seen;
}

// Wine's own program from the prefix, its window up and ready for typing.
class OtherProgram {
  public:
    OtherProgram(const std::string& exe, std::string cls, std::string editClass)
        : process_(WineProcess::Start(WineEnv::Get().WineEnvVars().at("WINEPREFIX") + exe)),
          cls_(std::move(cls)), editClass_(std::move(editClass)) {
        if (!WaitUntil([&] { return Text().has_value(); }, 60s)) {
            throw HarnessError(cls_ + " did not open");
        }
    }
    std::optional<std::string> Text() const {
        const std::optional<Seen> seen = SeeWindow(cls_);
        return seen ? seen->TextOf(editClass_) : std::nullopt;
    }
    bool InFront() const {
        const std::optional<Seen> seen = SeeWindow(cls_);
        return seen && seen->foreground && !seen->focus.empty();
    }
    // A click into its text, as the user goes on typing there.
    void ClickIn() const {
        const Rect r = SeeWindow(cls_).value().rect;
        Click(r.x + r.width / 3, r.y + r.height / 2);
        if (!WaitUntil([&] { return InFront(); }, 10s)) {
            throw HarnessError(cls_ + " did not come to the front");
        }
    }
    bool Shows(const std::string& text) const {
        return WaitUntil([&] { return Text() == text; }, 10s);
    }
    void Close() { process_.Kill(); }

  private:
    WineProcess process_;
    std::string cls_;
    std::string editClass_;
};

class AnyWindow : public WineTest {
  protected:
    // The launcher at 1000, 100: the palette opens clear of the other programs' windows.
    void Start(const std::string& codes, const std::map<std::string, std::string>& more = {}) {
        std::map<std::string, std::string> all = {{"AnyWindow", "T"}, {"StickToPM", "F"},
                                                  {"Left", "15000"},  {"top", "1500"},
                                                  {"KeepOpen", "F"},  {"SendOnCLick", "F"}};
        for (const auto& [k, v] : more) {
            all[k] = v;
        }
        ResetSettings(all);
        app_.emplace(FizzmoApp::Setup{true, codes});
    }
    // The user, working in the other program, clicks the launcher and then the picture.
    void Pick(int index) {
        ClickCentre(Pictures(app_->OpenPalette())[static_cast<std::size_t>(index)]);
        ASSERT_TRUE(WaitWindowHidden("Smilies"));
    }
    std::optional<FizzmoApp> app_;
};

TEST_F(AnyWindow, NotepadGetsEveryCodeExactlyFromFilesOfEachUnicodeEncoding) {
    const std::vector<std::pair<std::string, std::string>> files = {
        {"UTF-8 with a mark", "\xEF\xBB\xBF" + CodesText()},
        {"UTF-8 without a mark", CodesText()},
        {"UTF-16 little-endian", CodesTextUtf16(false)},
        {"UTF-16 big-endian", CodesTextUtf16(true)},
    };
    for (const auto& [name, file] : files) {
        SCOPED_TRACE(name);
        Start(file);
        OtherProgram notepad("/drive_c/windows/notepad.exe", "Notepad", "Edit");
        notepad.ClickIn();
        std::string expected;
        for (int i = 0; i < 5; ++i) {
            Pick(i);
            expected += kCodes[static_cast<std::size_t>(i)];
            ASSERT_TRUE(notepad.Shows(expected)) << notepad.Text().value_or("(none)");
            EXPECT_TRUE(notepad.InFront()) << "the user goes on typing where they were";
        }
        app_.reset();
        notepad.Close();
    }
    EXPECT_EQ(Setting("AnyWindow"), "T");
}

TEST_F(AnyWindow, SendOnClickPressesEnterAndTheHotKeyTypesWhereTheUserWas) {
    Start("\xEF\xBB\xBF" + CodesText(), {{"SendOnCLick", "T"}});
    OtherProgram notepad("/drive_c/windows/notepad.exe", "Notepad", "Edit");
    notepad.ClickIn();
    Pick(3);
    const std::string first = kCodes[3] + "\r\n";
    ASSERT_TRUE(notepad.Shows(first)) << notepad.Text().value_or("(none)");
    // The user types on in Notepad at once, and what they type lands after the code.
    TypeText("ab");
    ASSERT_TRUE(notepad.Shows(first + "ab")) << notepad.Text().value_or("(none)");
    Key("BackSpace BackSpace");
    ASSERT_TRUE(notepad.Shows(first)) << notepad.Text().value_or("(none)");
    // The hot key opens on the picture picked last: the same emoticon again is hot key, Enter.
    Key("ctrl+shift+F8");
    WaitVisibleWindow("Smilies");
    Key("Return");
    ASSERT_TRUE(notepad.Shows(first + first)) << notepad.Text().value_or("(none)");
    Key("ctrl+shift+F8");
    WaitVisibleWindow("Smilies");
    Key("Left Return");
    EXPECT_TRUE(notepad.Shows(first + first + kCodes[2] + "\r\n"))
        << notepad.Text().value_or("(none)");
    EXPECT_TRUE(notepad.InFront());
}

TEST_F(AnyWindow, WordPadGetsTheCodesToo) {
    Start("\xEF\xBB\xBF" + CodesText());
    OtherProgram wordpad("/drive_c/Program Files/Windows NT/Accessories/wordpad.exe", "WORDPADTOP",
                         "RichEdit");
    wordpad.ClickIn();
    Pick(0);
    Pick(3);
    EXPECT_TRUE(wordpad.Shows(kCodes[0] + kCodes[3])) << wordpad.Text().value_or("(none)");
}

TEST_F(AnyWindow, TheMessengerAsTheWindowGetsExactlyWhatItAlwaysGot) {
    StandIn standIn({"300,300,500,400"});
    Start(TestCodesFile(), {{"SendOnCLick", "T"}});
    ClickCentre(standIn.Windows().at(0).input);
    Pick(9);
    EXPECT_TRUE(WaitUntil([&] { return standIn.Received() == Expected(TestCode(9), true); }, 5s))
        << ::testing::PrintToString(standIn.Received());
}

// Pointed at, a code in another script shows in the palette's text box exactly, read back in
// Unicode; the file is UTF-8 without a mark, as Notepad saves it.
TEST_F(AnyWindow, ThePalettesTextBoxShowsACodeInAnyScript) {
    std::string file = kCodes[3] + "\r\n";
    for (int i = 1; i < 64; ++i) {
        file += "x\r\n";
    }
    Start(file + "label\r\n");
    const Rect first = Pictures(app_->OpenPalette()).at(0);
    MouseMove(Centre(first).x, Centre(first).y);
    std::optional<std::string> shown;
    EXPECT_TRUE(WaitUntil(
        [&] {
            const std::optional<Seen> palette = SeeWindow("FizzmoForm", "Smilies");
            shown = palette ? palette->TextOf("Edit") : std::nullopt;
            return shown == "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82   label";
        },
        10s))
        << shown.value_or("(no text box)");
}

// A file in the code page that is not UTF-8 reaches the messenger byte for byte, as it always
// did: a lone "\xE9", and two bytes that would be a letter in UTF-8 as the two bytes they are.
TEST_F(AnyWindow, TheMessengerGetsAnAnsiFilesBytesAsEver) {
    StandIn standIn({"300,300,500,400"});
    std::string file = "P\xE9"
                       "D\r\nP\xC3\xA9\r\n";
    for (int i = 2; i < 128; ++i) {
        file += "x\r\n";
    }
    Start(file, {{"AnyWindow", "F"}});
    Pick(0);
    Pick(1);
    const std::vector<std::string> expected = {
        "WM_CHAR window=0 kind=input wParam=80 lParam=0x190001",
        "WM_CHAR window=0 kind=input wParam=233 lParam=0x1",
        "WM_CHAR window=0 kind=input wParam=68 lParam=0x200001",
        "WM_CHAR window=0 kind=input wParam=80 lParam=0x190001",
        "WM_CHAR window=0 kind=input wParam=195 lParam=0x1",
        "WM_CHAR window=0 kind=input wParam=169 lParam=0x1",
    };
    EXPECT_TRUE(WaitUntil([&] { return standIn.Received() == expected; }, 5s))
        << ::testing::PrintToString(standIn.Received());
}

TEST_F(AnyWindow, AClosedWindowIsForgottenAndAHungOneGetsNothing) {
    StandIn standIn({"300,300,500,400"});
    Start(TestCodesFile());
    {
        OtherProgram notepad("/drive_c/windows/notepad.exe", "Notepad", "Edit");
        notepad.ClickIn();
        notepad.Close();
    }
    std::this_thread::sleep_for(1s);
    Pick(4);
    EXPECT_TRUE(WaitUntil([&] { return standIn.Received() == Expected(TestCode(4), false); }, 5s))
        << ::testing::PrintToString(standIn.Received());
    // A chat window of another program that stops answering: nothing typed, and the program
    // answers at once after.
    StandIn chat({"700,500,400,300"}, "OtherChatClass");
    ClickCentre(chat.Windows().at(0).input);
    chat.Hang(6s);
    const auto before = std::chrono::steady_clock::now();
    Pick(5);
    EXPECT_LT(std::chrono::steady_clock::now() - before, 5s);
    std::this_thread::sleep_for(6s); // it answers again, and would show what it was sent
    for (const std::string& line : chat.Received()) {
        EXPECT_NE(line.rfind("WM_CHAR", 0), 0u) << line;
    }
}

} // namespace
} // namespace e2e
