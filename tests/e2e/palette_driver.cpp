#include "palette_driver.h"

#include <cstdio>
#include <map>

namespace e2e {
namespace {

// Scan codes of the US keyboard's keys for the characters of the codes above.
const std::map<char, int> kKeyOf = {{')', 0x0B}, {'(', 0x0A}, {'*', 0x09}, {'-', 0x0C}, {'=', 0x0D},
                                    {'O', 0x18}, {'P', 0x19}, {'D', 0x20}, {';', 0x27}, {':', 0x27},
                                    {'"', 0x28}, {'X', 0x2D}, {'x', 0x2D}, {'B', 0x30}, {'<', 0x33},
                                    {'>', 0x34}, {'/', 0x35}};

} // namespace

std::vector<Rect> Pictures(const ProbeWindow& palette) {
    std::vector<Rect> pictures;
    for (const ProbeChild& c : palette.children) {
        if (c.cls == "FizzmoImage" && pictures.size() < 64) {
            pictures.push_back(c.rect);
        }
    }
    return pictures;
}

std::string Text1(const ProbeWindow& palette) {
    for (const ProbeChild& c : palette.children) {
        if (c.cls == "Edit") {
            return c.text;
        }
    }
    return "<no text box>";
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

void ClickCentre(const Rect& r, int button) {
    const Rect c = Centre(r);
    Click(c.x, c.y, button);
}

ProbeWindow OpenPalette(FizzmoApp& app) {
    ClickCentre(app.WaitVisible("").rect);
    return app.WaitVisible("Smilies");
}

} // namespace e2e
