#include "file_system.h"

bool IsOrdinaryFile(FileSystem& files, const std::string& path) {
    const std::optional<FileAttributes> attributes = files.GetAttributes(path);
    return attributes && !attributes->directory && !attributes->hidden && !attributes->system;
}
