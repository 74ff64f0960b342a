#pragma once
#include "shared/settings_store.h"

// Settings as REG_SZ values under
// HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<app>\<section>, where classic
// desktop programs keep theirs, so an existing user's settings carry over. A REG_EXPAND_SZ
// value is read as the text it holds, unexpanded; any other type is unreadable.
class RegistryStore final : public SettingsStore {
  public:
    StoredSetting ReadSetting(const std::string& app, const std::string& section,
                              const std::string& key) override;
    void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                     const std::string& value) override;
};
