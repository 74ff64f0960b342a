// fizzmo-codes: checks an emoticon code file the way FizzmoLite will read it.
#include "codes_command.h"
#ifdef _WIN32
#include "win32/win32_code_page.h"
#else
#include "shared/code_page.h"
#endif

#include <iostream>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
#ifdef _WIN32
    Win32CodePage codePage; // the one FizzmoLite converts to on this system
#else
    Windows1252 codePage;
#endif
    return RunCodesCommand(args, std::cout, std::cerr, codePage);
}
