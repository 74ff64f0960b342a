#pragma once
#include "settings_store.h"

#include <optional>
#include <string>
#include <string_view>

// A key combination that calls up the palette from anywhere.
struct HotKey {
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
    bool win = false;
    int keyCode = 0; // a Windows virtual-key code
    bool operator==(const HotKey&) const = default;
};

// Function keys type no character on any keyboard layout, Ctrl+Shift is never AltGr, and the
// system keeps none of the Ctrl+Shift+F keys for itself (it keeps F12 for debuggers).
inline constexpr const char* kDefaultHotKeyText = "Ctrl+Shift+F8";
inline constexpr const char* kHotKeySetting = "HotKey";

// "Ctrl+Shift+F8", "Alt+Win+E", "ctrl + shift + space": modifiers and one key, in any case,
// spaces ignored. nullopt when the text names no such combination, or one that would take a
// key people type with: a letter, digit, Space or editing key needs Ctrl, Alt or Win, and not
// Ctrl+Alt alone (AltGr on many layouts).
std::optional<HotKey> ParseHotKey(std::string_view text);

// The user's hot key from the settings: the default only when none is stored; none when it is
// stored as "None", empty, as text that names no usable key, or as a value that is no short
// text. Never writes to the store.
std::optional<HotKey> LoadHotKey(SettingsStore& store);
