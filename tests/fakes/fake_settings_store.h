#pragma once
#include "shared/settings_store.h"

#include <map>
#include <string>
#include <tuple>
#include <vector>

// An in-memory store that distinguishes the case of keys, as a strict store would.
class FakeSettingsStore final : public SettingsStore {
  public:
    using Address = std::tuple<std::string, std::string, std::string>;

    StoredSetting ReadSetting(const std::string& app, const std::string& section,
                              const std::string& key) override {
        reads.push_back(key);
        if (auto other = otherValues.find({app, section, key}); other != otherValues.end()) {
            return other->second;
        }
        auto it = values.find({app, section, key});
        return it == values.end() ? StoredSetting{}
                                  : StoredSetting{StoredSetting::Kind::Text, it->second};
    }
    void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                     const std::string& value) override {
        writes.push_back(key + "=" + value);
        otherValues.erase({app, section, key});
        values[{app, section, key}] = value;
    }

    std::map<Address, std::string> values; // plain texts
    // Values of other kinds (expandable, unreadable), which hide a plain text at their address.
    std::map<Address, StoredSetting> otherValues;
    std::vector<std::string> reads;
    std::vector<std::string> writes;
};
