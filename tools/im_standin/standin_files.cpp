#include "standin_files.h"

#include <windows.h>

#include <charconv>

namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
constexpr LONGLONG kMaxCommandsFileSize = 1 << 20;
constexpr int kReplaceAttempts = 20;
constexpr DWORD kReplaceRetryMs = 10;

bool WriteAll(HANDLE file, const std::string& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(data.size() - done);
        if (!WriteFile(file, data.data() + done, chunk, &written, nullptr) || written == 0) {
            return false;
        }
        done += written;
    }
    return true;
}

bool ReadAll(HANDLE file, std::string& out) {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size) || size.QuadPart < 0 || size.QuadPart > kMaxCommandsFileSize) {
        return false;
    }
    out.resize(static_cast<std::size_t>(size.QuadPart));
    std::size_t done = 0;
    while (done < out.size()) {
        DWORD got = 0;
        const DWORD chunk = static_cast<DWORD>(out.size() - done);
        if (!ReadFile(file, out.data() + done, chunk, &got, nullptr) || got == 0) {
            return false;
        }
        done += got;
    }
    return true;
}

} // namespace

std::string Hex(std::uintmax_t value) {
    char buffer[32] = {};
    const auto result = std::to_chars(buffer, buffer + sizeof(buffer), value, 16);
    std::string text(buffer, result.ptr);
    for (char& c : text) {
        if (c >= 'a' && c <= 'f') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

bool CreateEmptyFile(const std::string& path) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, kShareAll, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    CloseHandle(file);
    return true;
}

bool AppendLine(const std::string& path, const std::string& line) {
    const HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, kShareAll, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const bool ok = WriteAll(file, line + "\n");
    CloseHandle(file);
    return ok;
}

bool WriteFileAtomically(const std::string& path, const std::string& content) {
    const std::string temporary = path + ".tmp";
    const HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const bool written = WriteAll(file, content);
    CloseHandle(file);
    if (!written) {
        DeleteFileA(temporary.c_str());
        return false;
    }
    // A reader holding the old file open without FILE_SHARE_DELETE blocks the move briefly.
    for (int attempt = 0; attempt < kReplaceAttempts; ++attempt) {
        if (MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
            return true;
        }
        Sleep(kReplaceRetryMs);
    }
    DeleteFileA(temporary.c_str());
    return false;
}

std::optional<std::string> TakeFile(const std::string& path) {
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        return std::nullopt;
    }
    // Share read only: a Windows writer that still has the file open makes this fail.
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    std::string content;
    const bool read = ReadAll(file, content);
    CloseHandle(file);
    if (!read || !DeleteFileA(path.c_str())) {
        return std::nullopt; // never run a file we could not delete: it would run again
    }
    return content;
}
