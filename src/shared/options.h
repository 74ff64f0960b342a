#pragma once
#include "settings_store.h"
#include "units.h"
#include "vb_bool.h"

#include <cstdint>

// The four switches and the launcher's last position; every field is 0 until loaded.
struct OptionsRecord {
    VbBool SendOnClick = VbFalse;
    VbBool StayOnTop = VbFalse;
    VbBool StickToPM = VbFalse;
    VbBool KeepOpen = VbFalse;
    std::int32_t SavedLeft = 0; // twips
    std::int32_t SavedTop = 0;  // twips
};

inline constexpr const char* kSettingsApp = "FizzmoLite";
inline constexpr const char* kSettingsSection = "Settings";

void LoadOptions(OptionsRecord& options, SettingsStore& store);
void SaveOptions(OptionsRecord& options, SettingsStore& store, Twips launcherLeft,
                 Twips launcherTop);

// A stored position: a plain decimal 32-bit integer, anything else reads as 100.
std::int32_t ParseSavedPosition(const std::string& text);
