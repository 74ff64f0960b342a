// fizzmo-codes: checks an emoticon code file the way FizzmoLite will read it.
#include "codes_command.h"
#ifdef _WIN32
#include "win32/win32_code_page.h"
#include "win32/win32_file_system.h"
#else
#include "posix_file_system.h"
#include "shared/code_page.h"
#endif

#include <cstdio>

namespace {

// The C library's streams: iostreams would bring their locales into the .exe.
void Print(const std::string& text, std::FILE* stream) {
    std::fwrite(text.data(), 1, text.size(), stream);
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
#ifdef _WIN32
    Win32FileSystem files;  // the program's own reader
    Win32CodePage codePage; // the one FizzmoLite converts to on this system
#else
    PosixFileSystem files;
    Windows1252 codePage;
#endif
    const CommandOutput output = RunCodesCommand(args, files, codePage);
    Print(output.out, stdout);
    Print(output.err, stderr);
    return output.status;
}
