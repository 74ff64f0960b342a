#pragma once
#include <string>

// The per-user key/value store, addressed by application, section and key; values are text.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // The stored text, or defaultValue when the application, section or key is missing.
    virtual std::string GetSetting(const std::string& app, const std::string& section,
                                   const std::string& key, const std::string& defaultValue) = 0;
    virtual void SaveSetting(const std::string& app, const std::string& section,
                             const std::string& key, const std::string& value) = 0;
};
