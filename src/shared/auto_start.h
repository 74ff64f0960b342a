#pragma once
// "Start With Windows": the program's entry in the user's list of programs the system starts at
// logon. It is the system's setting, read and written at once, never one of the options.
#include <optional>
#include <string>

// The user's own list of programs started at logon.
class AutoStart {
  public:
    virtual ~AutoStart() = default;
    // The command line the entry of this name holds; none when there is no such entry, or it
    // cannot be read as text.
    virtual std::optional<std::string> Command(const std::string& name) = 0;
    // False when the system would not have it.
    virtual bool SetCommand(const std::string& name, const std::string& command) = 0;
    virtual bool Remove(const std::string& name) = 0;
    // The full path of this very program, UTF-8.
    virtual std::string ProgramPath() = 0;
};

inline constexpr const char* kAutoStartName = "FizzmoLite";

// The command that starts the program: its path quoted, so that a folder with spaces in its name
// cannot be taken for another program.
std::string AutoStartCommand(const std::string& programPath);
// Whether the program's entry starts this very program. One that points elsewhere (the folder
// was moved) does not.
bool StartsWithWindows(AutoStart& list);
// Adds the entry, or removes it when it starts this program; whether the program now starts with
// Windows. An entry that points elsewhere is pointed here.
bool ToggleStartWithWindows(AutoStart& list);
