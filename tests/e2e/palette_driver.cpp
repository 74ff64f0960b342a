#include "palette_driver.h"

#include "shared/scan_codes.h"

#include <cstdio>

namespace e2e {

SmileyEntry Sample(int index) {
    return LookupSmiley(ReadCatalogue(ReadFile(FIZZMO_SAMPLE_CODES)), index);
}

std::vector<Rect> Pictures(const ProbeWindow& palette) {
    std::vector<Rect> pictures;
    for (const ProbeChild& c : palette.children) {
        if (c.cls == "FizzmoImage" && pictures.size() < kSmileyCount) {
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
        // The double quote is typed with the apostrophe's key, though the table has no entry.
        const std::string scanCode = c == '"' ? "28" : CharToScanCode(std::string(1, c));
        char line[96];
        std::snprintf(line, sizeof line, "WM_CHAR window=%d kind=input wParam=%d lParam=0x%X0001",
                      window, static_cast<unsigned char>(c),
                      static_cast<unsigned>(std::stoul(scanCode, nullptr, 16)));
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
