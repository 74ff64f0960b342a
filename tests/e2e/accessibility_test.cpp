// What a screen reader finds in the real program under Wine, read through Active Accessibility
// from another process (msaa_probe): the palette's pictures by name and place, the highlight
// followed as the focus, default actions, and the texts of the launcher, About box and slide show.
#include "fizzmo_app.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <thread>

namespace e2e {
namespace {

// Roles and states as Active Accessibility numbers them.
constexpr int kRoleList = 0x21;
constexpr int kRoleListItem = 0x22;
constexpr int kRoleStaticText = 0x29;
constexpr int kRoleText = 0x2A;
constexpr int kRolePushButton = 0x2B;
constexpr long kStateSelected = 0x2;
constexpr long kStateFocused = 0x4;
constexpr long kStateInvisible = 0x8000;

struct Element {
    int role = -1;
    long state = 0;
    Rect location;
    std::string action;
    std::string value;
    std::string name;
};

struct Tree {
    int role = -1;
    std::string action;
    std::string name;
    std::vector<Element> children;
    std::string focus;
    std::string selection;
    std::string text; // as the probe printed it, for messages
    // The first child of the role named so, if any.
    const Element* Find(int role, const std::string& name) const {
        for (const Element& e : children) {
            if (e.role == role && e.name == name) {
                return &e;
            }
        }
        return nullptr;
    }
};

std::vector<std::string> Probe(const std::vector<std::string>& args) {
    const WineResult r = RunWineCaptured(WindowsProgram("msaa_probe"), args, 30s);
    std::vector<std::string> lines;
    std::istringstream in(r.out);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

// "key=value" up to the next " key2=" given.
std::string Field(const std::string& line, const std::string& key, const std::string& next) {
    const std::size_t start = line.find(key + "=");
    if (start == std::string::npos) {
        return "";
    }
    const std::size_t from = start + key.size() + 1;
    const std::size_t end = next.empty() ? std::string::npos : line.find(" " + next + "=", from);
    return line.substr(from, end == std::string::npos ? std::string::npos : end - from);
}

Tree ReadTree(const std::string& title) {
    Tree tree;
    for (const std::string& line : Probe({"tree", title})) {
        tree.text += "\n" + line;
        if (line.rfind("self ", 0) == 0) {
            tree.role = std::stoi(Field(line, "role", "children"));
            tree.action = Field(line, "action", "name");
            tree.name = Field(line, "name", "");
        } else if (line.rfind("child ", 0) == 0) {
            Element e;
            e.role = std::stoi(Field(line, "role", "state"));
            e.state = std::stol(Field(line, "state", "location"), nullptr, 16);
            std::sscanf(Field(line, "location", "action").c_str(), "%d,%d,%d,%d", &e.location.x,
                        &e.location.y, &e.location.width, &e.location.height);
            e.action = Field(line, "action", "value");
            e.value = Field(line, "value", "name");
            e.name = Field(line, "name", "");
            tree.children.push_back(e);
        } else if (line.rfind("focus=", 0) == 0) {
            tree.focus = Field(line, "focus", "selection");
            tree.selection = Field(line, "selection", "");
        }
    }
    return tree;
}

class Accessibility : public WineTest {
  protected:
    void SetUp() override {
        WineTest::SetUp();
        ResetSettings({{"StickToPM", "F"},
                       {"Left", "3000"},
                       {"top", "2250"},
                       {"SendOnCLick", "T"},
                       {"KeepOpen", "T"}});
    }
};

TEST_F(Accessibility, EveryPictureIsAListItemNamedByItsHoverTextWhereItStands) {
    FizzmoApp app(FizzmoApp::Setup{true, TestCodesFile()});
    const ProbeWindow palette = app.OpenPalette();
    const Tree tree = ReadTree("Smilies");
    EXPECT_EQ(tree.role, kRoleList);
    EXPECT_EQ(tree.name, "Smilies");
    ASSERT_GE(tree.children.size(), 64u);
    const std::vector<Rect> pictures = Pictures(palette);
    for (int i = 0; i < 64; ++i) {
        const Element& e = tree.children[static_cast<std::size_t>(i)];
        EXPECT_EQ(e.role, kRoleListItem) << i;
        EXPECT_EQ(e.name, TestHoverText(i)) << i;
        EXPECT_EQ(e.action, "Type") << i;
        EXPECT_EQ(Text(e.location), Text(pictures[static_cast<std::size_t>(i)])) << i;
    }
    EXPECT_TRUE(tree.Find(kRoleStaticText, "Smiley"));
    EXPECT_TRUE(tree.Find(kRoleText, "")) << "the text box";
    // A new code file between showings: the names follow it, in any script (the file is UTF-8
    // without a mark now, as Notepad saves it).
    std::string renamed = TestCodesFile();
    renamed.replace(renamed.find("n0\r\n"), 2, "zero \xD0\xBD\xD0\xBE\xD0\xBB\xD1\x8C");
    WriteFile(TempDir() + "/app/codes.dll", renamed);
    Key("Escape");
    ASSERT_TRUE(WaitWindowHidden("Smilies"));
    app.OpenPalette();
    EXPECT_EQ(ReadTree("Smilies").children.at(0).name,
              TestCode(0) + "   zero \xD0\xBD\xD0\xBE\xD0\xBB\xD1\x8C");
}

TEST_F(Accessibility, TheHighlightIsTheFocusAndEveryMoveIsAnnounced) {
    FizzmoApp app(FizzmoApp::Setup{true, TestCodesFile()});
    WineProcess watcher = WineProcess::Start(WindowsProgram("msaa_probe"), {"watch", "60"});
    ASSERT_TRUE(
        WaitUntil([&] { return watcher.Stdout().find("watching") != std::string::npos; }, 30s));
    const ProbeWindow palette = app.OpenPalette();
    const Rect c = Centre(Pictures(palette)[9]);
    MouseMove(c.x, c.y);
    const std::string onTen = "focus child=10 name=" + TestHoverText(9);
    EXPECT_TRUE(WaitUntil([&] { return watcher.Stdout().find(onTen) != std::string::npos; }, 5s))
        << watcher.Stdout();
    Key("Right");
    const std::string onEleven = "focus child=11 name=" + TestHoverText(10);
    EXPECT_TRUE(WaitUntil([&] { return watcher.Stdout().find(onEleven) != std::string::npos; }, 5s))
        << watcher.Stdout();
    const Tree tree = ReadTree("Smilies");
    EXPECT_EQ(tree.focus, "11");
    EXPECT_EQ(tree.selection, "11");
    EXPECT_EQ(tree.children.at(10).state & (kStateFocused | kStateSelected),
              kStateFocused | kStateSelected);
    EXPECT_EQ(tree.children.at(9).state & (kStateFocused | kStateSelected), 0);
}

TEST_F(Accessibility, DefaultActionTypesTheCodeAndAPointFindsItsPicture) {
    StandIn standIn({"600,100,500,400"});
    FizzmoApp app(FizzmoApp::Setup{true, TestCodesFile()});
    const ProbeWindow palette = app.OpenPalette();
    EXPECT_EQ(Probe({"do", "Smilies", "6"}).at(0), "done 0x0");
    EXPECT_TRUE(WaitUntil([&] { return standIn.Received() == Expected(TestCode(5), true); }, 5s))
        << ::testing::PrintToString(standIn.Received());
    const Rect c = Centre(Pictures(palette)[20]);
    EXPECT_EQ(Probe({"point", std::to_string(c.x), std::to_string(c.y)}).at(0),
              "child 21 name=" + TestHoverText(20));
}

// A screen reader asking again and again gets the form's one object, not a new one each time;
// one that keeps it past the form's end gets errors, and the form loaded again a new object.
TEST_F(Accessibility, AFormIsOneObjectForItsLife) {
    FizzmoApp app(FizzmoApp::Setup{true, TestCodesFile()});
    app.OpenPalette();
    WineProcess reader =
        WineProcess::Start(WindowsProgram("msaa_probe"), {"hold", "Smilies", "60"});
    const auto said = [&](const std::string& what) {
        return WaitUntil([&] { return reader.Stdout().find(what) != std::string::npos; }, 30s);
    };
    ASSERT_TRUE(said("held ")) << reader.Stdout();
    EXPECT_TRUE(said("held same=1 children=66")) << reader.Stdout();
    Key("Escape");
    ASSERT_TRUE(WaitWindowHidden("Smilies"));
    ASSERT_TRUE(said("gone ")) << reader.Stdout();
    const bool disconnected = reader.Stdout().find("gone hr=0x80010108") != std::string::npos ||
                              reader.Stdout().find("gone hr=0x800401fd") != std::string::npos;
    EXPECT_TRUE(disconnected) << reader.Stdout();
    app.OpenPalette();
    EXPECT_TRUE(said("again fresh=1 children=66")) << reader.Stdout();
    EXPECT_EQ(reader.Wait(10s), 0) << reader.Stdout();
}

TEST_F(Accessibility, TheLauncherIsOneButtonThatOpensThePalette) {
    FizzmoApp app;
    WaitVisibleWindow(kLauncher);
    const Tree tree = ReadTree(kLauncher);
    EXPECT_EQ(tree.role, kRolePushButton);
    EXPECT_EQ(tree.name, "Open the emoticon palette");
    EXPECT_EQ(tree.action, "Open");
    EXPECT_TRUE(tree.children.empty());
    EXPECT_EQ(Probe({"do", kLauncher, "0"}).at(0), "done 0x0");
    WaitVisibleWindow("Smilies");
}

// COM and Active Accessibility cost memory from the start: only a screen reader's first question
// brings them into the program.
TEST_F(Accessibility, TheAccessibilityLibrariesComeWithTheFirstQuestion) {
    FizzmoApp app;
    WaitVisibleWindow(kLauncher);
    const auto has = [](const std::vector<std::string>& lines, const std::string& dll) {
        return std::find(lines.begin(), lines.end(), "module " + dll) != lines.end();
    };
    const std::vector<std::string> before = Probe({"modules", kLauncher});
    ASSERT_TRUE(has(before, "user32.dll")) << ::testing::PrintToString(before);
    // Not ole32: Wine itself loads it into a program with windows, before any question.
    for (const char* dll : {"oleaut32.dll", "oleacc.dll"}) {
        EXPECT_FALSE(has(before, dll)) << dll;
    }
    EXPECT_EQ(ReadTree(kLauncher).role, kRolePushButton);
    const std::vector<std::string> after = Probe({"modules", kLauncher});
    for (const char* dll : {"ole32.dll", "oleaut32.dll", "oleacc.dll"}) {
        EXPECT_TRUE(has(after, dll)) << dll << ::testing::PrintToString(after);
    }
}

TEST_F(Accessibility, EveryTextOfTheAboutBoxAndTheSlideShowIsRead) {
    FizzmoApp app;
    app.ChooseMenuItem(FizzmoApp::kAbout);
    WaitVisibleWindow("About FizzmoLIte");
    const Tree about = ReadTree("About FizzmoLIte");
    for (const char* text :
         {"FizzmoLite", "Developed By Oskvel", "Yahoo Messenger Emoticon Support."}) {
        EXPECT_TRUE(about.Find(kRoleStaticText, text)) << text;
    }
    EXPECT_TRUE(about.Find(kRolePushButton, "Chaos")) << about.text;
    bool mail = false;
    for (const Element& e : about.children) {
        mail = mail || (e.role == kRoleText && e.value.rfind("E-Mail > ", 0) == 0);
    }
    EXPECT_TRUE(mail);
    Key("Escape");
    ASSERT_TRUE(WaitWindowHidden("About FizzmoLIte"));
    app.OpenPalette();
    TypeText("uuuus");
    WaitVisibleWindow("Dialog Caption");
    // Its label says "Loading pictures" only until the pictures are there; then it is empty
    // and hidden, and the button is its only text.
    const Tree show = ReadTree("Dialog Caption");
    const Element* button = show.Find(kRolePushButton, "Dedicated to my friends");
    ASSERT_TRUE(button) << show.text;
    EXPECT_EQ(button->action, "Press");
    for (const Element& e : show.children) {
        EXPECT_TRUE(!e.name.empty() || (e.state & kStateInvisible)) << show.text;
    }
    const long buttonId = button - show.children.data() + 1;
    EXPECT_EQ(Probe({"do", "Dialog Caption", std::to_string(buttonId)}).at(0), "done 0x0");
    EXPECT_TRUE(WaitWindowHidden("Dialog Caption"));
}

} // namespace
} // namespace e2e
