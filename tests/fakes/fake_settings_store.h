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

    std::string GetSetting(const std::string& app, const std::string& section,
                           const std::string& key, const std::string& defaultValue) override {
        reads.push_back(key);
        auto it = values.find({app, section, key});
        return it == values.end() ? defaultValue : it->second;
    }
    void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                     const std::string& value) override {
        writes.push_back(key + "=" + value);
        values[{app, section, key}] = value;
    }

    std::map<Address, std::string> values;
    std::vector<std::string> reads;
    std::vector<std::string> writes;
};
