#pragma once
// Driving the real program's palette: its pictures, its text box, and what a click on a
// picture must type.
#include "fizzmo_app.h"

#include <string>
#include <vector>

namespace e2e {

// The codes of the sample codes.dll's first two rows of pictures, in picture order.
inline const std::vector<std::string> kSampleCodes = {":)",  ":(", ";)",   ":D", ";;)", ">:D<",
                                                      ":-/", ":x", ":\">", ":P", ":-*", "=((",
                                                      ":-O", "X(", ":>",   "B-)"};

// The 64 pictures' screen rectangles, in picture order.
std::vector<Rect> Pictures(const ProbeWindow& palette);
std::string Text1(const ProbeWindow& palette);

// What the stand-in's IM window receives for a typed code, with the Enter key press when asked.
std::vector<std::string> Expected(const std::string& code, bool enter, int window = 0);

void ClickCentre(const Rect& r, int button = 1);
// Clicks the launcher's picture and waits for the palette.
ProbeWindow OpenPalette(FizzmoApp& app);

} // namespace e2e
