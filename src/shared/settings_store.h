#pragma once
#include <string>
#include <utility>

// What the store holds under one key.
struct StoredSetting {
    enum class Kind {
        Missing,        // no such application, section or key
        Text,           // a text value
        ExpandableText, // a text written to have variables expanded, given as written
        Unreadable,     // something, but no short text: another type of value, or too long
    };
    Kind kind = Kind::Missing;
    std::string text; // Text and ExpandableText only
};

// The per-user key/value store, addressed by application, section and key; values are text.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    virtual StoredSetting ReadSetting(const std::string& app, const std::string& section,
                                      const std::string& key) = 0;
    virtual void SaveSetting(const std::string& app, const std::string& section,
                             const std::string& key, const std::string& value) = 0;

    // The stored text, or defaultValue when the key is missing or holds no plain text.
    std::string GetSetting(const std::string& app, const std::string& section,
                           const std::string& key, const std::string& defaultValue) {
        StoredSetting stored = ReadSetting(app, section, key);
        return stored.kind == StoredSetting::Kind::Text ? std::move(stored.text) : defaultValue;
    }
};
