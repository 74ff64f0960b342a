#pragma once
#include <cstddef>
#include <optional>
#include <string>

struct FileAttributes {
    bool directory = false;
    bool hidden = false;
    bool system = false;
};

class FileSystem {
  public:
    virtual ~FileSystem() = default;
    // The folder the program was started from, without a trailing separator.
    virtual std::string ProgramFolder() = 0;
    // Nothing when there is no file or folder of that name.
    virtual std::optional<FileAttributes> GetAttributes(const std::string& path) = 0;
    // At most maxBytes from the start of the file; nothing when it cannot be read.
    virtual std::optional<std::string> ReadFilePrefix(const std::string& path,
                                                      std::size_t maxBytes) = 0;
};

// An ordinary file: present, not a folder, not marked hidden or system.
bool IsOrdinaryFile(FileSystem& files, const std::string& path);
