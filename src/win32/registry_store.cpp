#include "registry_store.h"

#include <windows.h>

#include <vector>

namespace {

// Anything longer is not one of ours; treat it as absent rather than reading it all.
constexpr DWORD kMaxValueBytes = 4096;

class RegKey {
  public:
    RegKey() = default;
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;
    ~RegKey() {
        if (key_) {
            RegCloseKey(key_);
        }
    }
    HKEY* Out() { return &key_; }
    HKEY Get() const { return key_; }

  private:
    HKEY key_ = nullptr;
};

std::string KeyPath(const std::string& app, const std::string& section) {
    return "Software\\VB and VBA Program Settings\\" + app + "\\" + section;
}

} // namespace

std::string RegistryStore::GetSetting(const std::string& app, const std::string& section,
                                      const std::string& key, const std::string& defaultValue) {
    RegKey hkey;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, KeyPath(app, section).c_str(), 0, KEY_QUERY_VALUE,
                      hkey.Out()) != ERROR_SUCCESS) {
        return defaultValue;
    }
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(hkey.Get(), key.c_str(), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS ||
        type != REG_SZ || size > kMaxValueBytes) {
        return defaultValue;
    }
    std::vector<char> data(size + 1, '\0');
    if (RegQueryValueExA(hkey.Get(), key.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS ||
        type != REG_SZ) {
        return defaultValue;
    }
    // The stored string may or may not carry its terminating NUL.
    return std::string(data.data());
}

void RegistryStore::SaveSetting(const std::string& app, const std::string& section,
                                const std::string& key, const std::string& value) {
    RegKey hkey;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, KeyPath(app, section).c_str(), 0, nullptr, 0,
                        KEY_SET_VALUE, nullptr, hkey.Out(), nullptr) != ERROR_SUCCESS) {
        return;
    }
    RegSetValueExA(hkey.Get(), key.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
}
