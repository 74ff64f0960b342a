// Five keys typed into the palette's text box whose codes add up to 583 open the slide show.
#include "palette/frm_smilies.h"
#include "program.h"

namespace {
constexpr std::int16_t kHiddenCode = 583;
constexpr std::int16_t kGroupLength = 5;
} // namespace

void FrmSmilies::Text1_KeyPress(int keyAscii) {
    KeySum = static_cast<std::int16_t>(KeySum + keyAscii);
    program_.KeyCount = static_cast<std::int16_t>(program_.KeyCount + 1);
    if (program_.KeyCount >= kGroupLength) {
        const bool open = KeySum == kHiddenCode;
        program_.KeyCount = 0;
        KeySum = 0;
        if (open) {
            program_.frmSlideShow.Show(FormId::Smilies);
        }
    }
}
