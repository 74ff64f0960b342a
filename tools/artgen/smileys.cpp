#include "smileys.h"

#include <stdexcept>

namespace {

struct Entry {
    const char* code;
    const char* label;
};

// Lines 1-64 and 65-128 of resources/codes.dll.
constexpr Entry kEntries[kSmileyCount] = {
    {":)", "happy"},
    {":(", "sad"},
    {";)", "winking"},
    {":D", "big grin"},
    {";;)", "batting eyelashes"},
    {">:D<", "big hug"},
    {":-/", "confused"},
    {":x", "love struck"},
    {":\">", "blushing"},
    {":P", "tongue"},
    {":-*", "kiss"},
    {"=((", "broken heart"},
    {":-O", "surprise"},
    {"X(", "angry"},
    {":>", "smug"},
    {"B-)", "cool"},
    {":-S", "worried"},
    {"#:-S", "whew!"},
    {">:)", "devil"},
    {":((", "crying"},
    {":))", "laughing"},
    {":|", "straight face"},
    {"/:)", "raised eyebrows"},
    {"=))", "rolling on the floor"},
    {"O:-)", "angel"},
    {":-B", "nerd"},
    {"=;", "talk to the hand"},
    {"I-)", "sleepy"},
    {"8-|", "rolling eyes"},
    {"L-)", "loser"},
    {":-&", "sick"},
    {":-$", "don't tell anyone"},
    {"[-(", "not talking"},
    {":O)", "clown"},
    {"8-}", "silly"},
    {"<:-P", "party"},
    {"(:|", "yawn"},
    {"=P~", "drooling"},
    {":-?", "thinking"},
    {"#-o", "d'oh"},
    {"=D>", "applause"},
    {":-SS", "nail biting"},
    {"@-)", "hypnotized"},
    {":^o", "liar"},
    {":-w", "waiting"},
    {":-<", "sigh"},
    {">:P", "phbbbbt"},
    {"<):)", "cowboy"},
    {":@)", "pig"},
    {"3:-O", "cow"},
    {":(|)", "monkey"},
    {"~:>", "chicken"},
    {"@};-", "rose"},
    {"%%-", "good luck"},
    {"**==", "flag"},
    {"(~~)", "pumpkin"},
    {"~O)", "coffee"},
    {"*-:)", "idea"},
    {"8-X", "skull"},
    {"=:)", "bug"},
    {">-)", "alien"},
    {":-L", "frustrated"},
    {"[-O<", "praying"},
    {"$-)", "money eyes"},
};

const Entry& At(int index) {
    if (index < 0 || index >= kSmileyCount)
        throw std::out_of_range("no such emoticon");
    return kEntries[index];
}

} // namespace

Canvas DrawSmiley(int index) {
    At(index);
    Canvas c(18, 18, BG);
    if (index < 24)
        kFacesA[index](c);
    else if (index < 48)
        kFacesB[index - 24](c);
    else
        kFigures[index - 48](c);
    return c;
}

const char* SmileyCode(int index) {
    return At(index).code;
}
const char* SmileyLabel(int index) {
    return At(index).label;
}
