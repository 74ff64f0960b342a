#pragma once
#include "shared/auto_start.h"

#include <map>
#include <string>

// The user's list of programs started at logon, in memory; it may refuse every change, as a
// locked-down system does.
class FakeAutoStart final : public AutoStart {
  public:
    std::optional<std::string> Command(const std::string& name) override {
        const auto it = entries.find(name);
        return it == entries.end() ? std::nullopt : std::optional<std::string>(it->second);
    }
    bool SetCommand(const std::string& name, const std::string& command) override {
        ++changes;
        if (!refuse) {
            entries[name] = command;
        }
        return !refuse;
    }
    bool Remove(const std::string& name) override {
        ++changes;
        return !refuse && entries.erase(name) == 1;
    }
    std::string ProgramPath() override { return programPath; }

    std::map<std::string, std::string> entries;
    std::string programPath = "C:\\Program Files\\FizzmoLite\\FizzmoLite.exe";
    bool refuse = false;
    int changes = 0;
};
