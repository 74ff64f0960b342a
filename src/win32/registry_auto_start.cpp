#include "registry_auto_start.h"

#include "scoped_handles.h"
#include "wide_text.h"

#include <windows.h>

#include <vector>

namespace {
constexpr const wchar_t* kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
// A command line the system could run is far shorter; anything longer is not one of ours.
constexpr DWORD kMaxCommandBytes = 64 * 1024;
} // namespace

std::optional<std::string> RegistryAutoStart::Command(const std::string& name) {
    RegistryKey key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_QUERY_VALUE, key.Out()) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    const std::wstring value = Wide(name);
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key.Get(), value.c_str(), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ) || size > kMaxCommandBytes) {
        return std::nullopt;
    }
    std::vector<wchar_t> data(size / sizeof(wchar_t) + 1, L'\0');
    DWORD got = size;
    if (RegQueryValueExW(key.Get(), value.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(data.data()), &got) != ERROR_SUCCESS ||
        got > size) {
        return std::nullopt;
    }
    // The stored string may or may not carry its terminating NUL.
    return Utf8(data.data());
}

bool RegistryAutoStart::SetCommand(const std::string& name, const std::string& command) {
    RegistryKey key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        key.Out(), nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const std::wstring text = Wide(command);
    return RegSetValueExW(key.Get(), Wide(name).c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

bool RegistryAutoStart::Remove(const std::string& name) {
    RegistryKey key;
    return RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_SET_VALUE, key.Out()) ==
               ERROR_SUCCESS &&
           RegDeleteValueW(key.Get(), Wide(name).c_str()) == ERROR_SUCCESS;
}

std::string RegistryAutoStart::ProgramPath() {
    // Long paths do not fit MAX_PATH: grow until the whole path fits.
    std::wstring path(MAX_PATH, L'\0');
    while (true) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) {
            return {};
        }
        if (n < path.size()) {
            path.resize(n);
            return Utf8(path);
        }
        if (path.size() >= 32768) {
            return {};
        }
        path.resize(path.size() * 2);
    }
}
