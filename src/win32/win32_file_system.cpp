#include "win32_file_system.h"

#include "scoped_handles.h"

#include <windows.h>

std::string Win32FileSystem::ProgramFolder() {
    char path[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, n);
    const std::size_t slash = folder.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : folder.substr(0, slash);
}

std::optional<FileAttributes> Win32FileSystem::GetAttributes(const std::string& path) {
    const DWORD a = GetFileAttributesA(path.c_str());
    if (a == INVALID_FILE_ATTRIBUTES) {
        return std::nullopt;
    }
    return FileAttributes{(a & FILE_ATTRIBUTE_DIRECTORY) != 0, (a & FILE_ATTRIBUTE_HIDDEN) != 0,
                          (a & FILE_ATTRIBUTE_SYSTEM) != 0};
}

std::optional<std::string> Win32FileSystem::ReadFilePrefix(const std::string& path,
                                                           std::size_t maxBytes) {
    const KernelHandle file(CreateFileA(path.c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return std::nullopt;
    }
    std::string text;
    char buffer[16384];
    while (text.size() < maxBytes) {
        DWORD got = 0;
        const auto want =
            static_cast<DWORD>(std::min<std::size_t>(sizeof buffer, maxBytes - text.size()));
        if (!ReadFile(file.Get(), buffer, want, &got, nullptr)) {
            return std::nullopt; // a file that cannot be read whole is not read at all
        }
        if (got == 0) {
            break;
        }
        text.append(buffer, got);
    }
    return text;
}
