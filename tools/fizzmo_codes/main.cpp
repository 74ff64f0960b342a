// fizzmo-codes: checks an emoticon code file the way FizzmoLite will read it.
#include "codes_command.h"

#include <iostream>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    return RunCodesCommand(args, std::cout, std::cerr);
}
