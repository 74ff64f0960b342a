// artgen: draws all of FizzmoLite's artwork from code, deterministically.
//   artgen OUTDIR          the 64 emoticons, the slide-show strip, the icon and the cursor
//   artgen --sheet OUTDIR  contact sheets: contact_sheet.bmp (6x) and contact_sheet_1x.bmp
//   artgen --check DIR     exit 1 unless DIR holds exactly what `artgen DIR` would write
#include <cstdio>
#include <exception>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "bmp_writer.h"
#include "icon_cursor.h"
#include "palette.h"
#include "sheet.h"
#include "smileys.h"
#include "strip.h"

namespace {

using Outputs = std::vector<std::pair<std::string, Bytes>>;

Outputs Artwork() {
    Outputs out;
    for (int i = 0; i < kSmileyCount; ++i)
        out.emplace_back("smiley_" + std::to_string(kFirstSmileyResource + i) + ".bmp",
                         Bmp8(DrawSmiley(i), SmileyPalette()));
    out.emplace_back("slideshow_165.bmp", Bmp24(DrawStrip()));
    out.emplace_back("fizzmo.ico", ProgramIcon());
    out.emplace_back("palette.cur", PaletteCursor());
    return out;
}

std::string Join(const std::string& dir, const std::string& name) {
    return dir.empty() || dir.back() == '/' ? dir + name : dir + "/" + name;
}

int Check(const std::string& dir) {
    int bad = 0;
    for (const auto& [name, bytes] : Artwork()) {
        std::ifstream in(Join(dir, name), std::ios::binary);
        const Bytes have((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (have != bytes) {
            std::fprintf(stderr, "artgen: %s differs from what artgen draws\n", name.c_str());
            ++bad;
        }
    }
    if (bad)
        std::fprintf(stderr, "artgen: run `artgen %s` to bring the artwork up to date\n",
                     dir.c_str());
    return bad ? 1 : 0;
}

int Usage() {
    std::fprintf(stderr, "usage: artgen OUTDIR | artgen --sheet OUTDIR | artgen --check DIR\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
        if (args.size() == 1 && !args[0].starts_with("--")) {
            for (const auto& [name, bytes] : Artwork())
                WriteFile(Join(args[0], name), bytes);
            return 0;
        }
        if (args.size() == 2 && args[0] == "--sheet") {
            WriteFile(Join(args[1], "contact_sheet.bmp"), Bmp24(ContactSheet(6)));
            WriteFile(Join(args[1], "contact_sheet_1x.bmp"), Bmp24(ContactSheet(1)));
            return 0;
        }
        if (args.size() == 2 && args[0] == "--check")
            return Check(args[1]);
        return Usage();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "artgen: %s\n", e.what());
        return 1;
    }
}
