#pragma once
#include <ostream>
#include <string>
#include <vector>

// fizzmo-codes with its arguments (without the program name): prints to out, or the usage to
// err, and gives the exit status.
int RunCodesCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
