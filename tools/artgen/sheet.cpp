#include "sheet.h"

#include "palette.h"
#include "smileys.h"

RgbImage ContactSheet(int scale) {
    const int cell = 18 * scale, gap = 1, n = 8;
    const int side = n * cell + (n + 1) * gap;
    const Palette& pal = SmileyPalette();
    RgbImage sheet(side, side, Rgb{0, 64, 0});
    for (int i = 0; i < kSmileyCount; ++i) {
        const Canvas pic = DrawSmiley(i);
        const int ox = gap + (i % n) * (cell + gap), oy = gap + (i / n) * (cell + gap);
        for (int y = 0; y < cell; ++y)
            for (int x = 0; x < cell; ++x)
                sheet.set(ox + x, oy + y, pal[pic.at(x / scale, y / scale)]);
    }
    return sheet;
}
