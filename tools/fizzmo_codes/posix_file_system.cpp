#include "posix_file_system.h"

#include <cstdio>
#include <memory>

#include <sys/stat.h>

namespace {

struct CloseFile {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

std::string PosixFileSystem::ProgramFolder() {
    return "."; // the checker is given the path of every file it reads
}

std::optional<FileAttributes> PosixFileSystem::GetAttributes(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) {
        return std::nullopt;
    }
    // Devices and pipes are no code files either: they are refused as a folder is.
    return FileAttributes{!S_ISREG(status.st_mode), false, false};
}

std::optional<std::string> PosixFileSystem::ReadFilePrefix(const std::string& path,
                                                           std::size_t maxBytes) {
    const std::unique_ptr<std::FILE, CloseFile> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return std::nullopt;
    }
    std::string text(maxBytes, '\0');
    text.resize(std::fread(text.data(), 1, text.size(), file.get()));
    if (std::ferror(file.get())) {
        return std::nullopt;
    }
    return text;
}
