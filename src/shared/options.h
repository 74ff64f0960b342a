#pragma once
#include "settings_store.h"
#include "units.h"
#include "vb_bool.h"

#include <cstdint>

// The five switches and the launcher's last position; every field is 0 until loaded.
struct OptionsRecord {
    VbBool SendOnClick = VbFalse;
    VbBool StayOnTop = VbFalse;
    VbBool StickToPM = VbFalse;
    VbBool KeepOpen = VbFalse;
    VbBool AnyWindow = VbFalse; // picks go to the window the user was working in
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

// The screen's dots per inch when the position was saved, kept beside it so that the launcher
// comes back to the same pixels after the display's scale has changed; 0 when none is stored
// (a store from before, or a value that is no dpi).
inline constexpr const char* kPositionDpiSetting = "Dpi";
int LoadPositionDpi(SettingsStore& store);
void SavePositionDpi(SettingsStore& store, int dpi);
// A position stored in twips at savedDpi, in twips at dpiNow: the same pixels on the screen.
// Unchanged when either is unknown or they are the same.
Twips AtThisDpi(std::int32_t savedTwips, int savedDpi, int dpiNow);
