#pragma once
#include "shared/file_system.h"

// Files as the checker finds them on Linux, where it runs for the tests and for developers.
class PosixFileSystem final : public FileSystem {
  public:
    std::string ProgramFolder() override;
    std::optional<FileAttributes> GetAttributes(const std::string& path) override;
    std::optional<std::string> ReadFilePrefix(const std::string& path,
                                              std::size_t maxBytes) override;
};
