#pragma once
#include <ostream>
#include <string>
#include <vector>

class CodePage;

// fizzmo-codes with its arguments (without the program name), for a system with this code
// page: prints to out, or the usage to err, and gives the exit status.
int RunCodesCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    CodePage& codePage);
