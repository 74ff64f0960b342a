#include "registry_store.h"

#include "scoped_handles.h"

#include <windows.h>

#include <vector>

namespace {

// Anything longer is not one of ours: unreadable, rather than read whole.
constexpr DWORD kMaxValueBytes = 4096;

std::string KeyPath(const std::string& app, const std::string& section) {
    return "Software\\VB and VBA Program Settings\\" + app + "\\" + section;
}

} // namespace

StoredSetting RegistryStore::ReadSetting(const std::string& app, const std::string& section,
                                         const std::string& key) {
    using Kind = StoredSetting::Kind;
    RegistryKey hkey;
    const LONG opened = RegOpenKeyExA(HKEY_CURRENT_USER, KeyPath(app, section).c_str(), 0,
                                      KEY_QUERY_VALUE, hkey.Out());
    if (opened != ERROR_SUCCESS) {
        return {opened == ERROR_FILE_NOT_FOUND ? Kind::Missing : Kind::Unreadable, {}};
    }
    DWORD type = 0;
    DWORD size = 0;
    const LONG found = RegQueryValueExA(hkey.Get(), key.c_str(), nullptr, &type, nullptr, &size);
    if (found == ERROR_FILE_NOT_FOUND) {
        return {Kind::Missing, {}};
    }
    if (found != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ) ||
        size > kMaxValueBytes) {
        return {Kind::Unreadable, {}};
    }
    const DWORD typeFound = type;
    std::vector<char> data(size + 1, '\0');
    if (RegQueryValueExA(hkey.Get(), key.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS ||
        type != typeFound) {
        return {Kind::Unreadable, {}};
    }
    // The stored string may or may not carry its terminating NUL.
    return {type == REG_SZ ? Kind::Text : Kind::ExpandableText, std::string(data.data())};
}

void RegistryStore::SaveSetting(const std::string& app, const std::string& section,
                                const std::string& key, const std::string& value) {
    RegistryKey hkey;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, KeyPath(app, section).c_str(), 0, nullptr, 0,
                        KEY_SET_VALUE, nullptr, hkey.Out(), nullptr) != ERROR_SUCCESS) {
        return;
    }
    RegSetValueExA(hkey.Get(), key.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
}
