#pragma once
#include <string>
#include <vector>

class CodePage;
class FileSystem;

struct CommandOutput {
    int status = 0;
    std::string out; // for standard output
    std::string err; // for standard error
};

// fizzmo-codes with its arguments (without the program name), reading files as the program
// does, for a system with this code page: what it prints and its exit status.
CommandOutput RunCodesCommand(const std::vector<std::string>& args, FileSystem& files,
                              CodePage& codePage);
