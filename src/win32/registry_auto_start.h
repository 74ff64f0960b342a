#pragma once
#include "shared/auto_start.h"

// The user's Run key, HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run, whose
// values the system starts at logon. Read and written in UTF-16, so that any folder name holds.
class RegistryAutoStart final : public AutoStart {
  public:
    std::optional<std::string> Command(const std::string& name) override;
    bool SetCommand(const std::string& name, const std::string& command) override;
    bool Remove(const std::string& name) override;
    std::string ProgramPath() override;
};
