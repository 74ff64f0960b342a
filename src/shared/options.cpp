#include "options.h"

#include "rounding.h"

#include <charconv>

namespace {

constexpr std::int32_t kDefaultPosition = 100;

VbBool ReadSwitch(SettingsStore& store, const char* key, const char* byDefault = "T") {
    return ToVbBool(store.GetSetting(kSettingsApp, kSettingsSection, key, byDefault) == "T");
}

void WriteSwitch(SettingsStore& store, const char* key, VbBool value) {
    store.SaveSetting(kSettingsApp, kSettingsSection, key, value == VbTrue ? "T" : "F");
}

} // namespace

std::int32_t ParseSavedPosition(const std::string& text) {
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+') {
        ++first; // from_chars takes no plus sign, but a hand-edited "+100" is still a number
        if (first != last && *first == '-') {
            return kDefaultPosition;
        }
    }
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (first == last || error != std::errc() || end != last) {
        return kDefaultPosition;
    }
    return value;
}

// The switch's name as the first version stored it, odd capital and all: existing settings are
// found under it, and so it stays.
constexpr const char* kSendOnClickName = "SendOnCLick";

void LoadOptions(OptionsRecord& options, SettingsStore& store) {
    options.StayOnTop = ReadSwitch(store, "StayOnTop");
    options.SendOnClick = ReadSwitch(store, kSendOnClickName);
    options.StickToPM = ReadSwitch(store, "StickToPM");
    options.KeepOpen = ReadSwitch(store, "KeepOpen");
    // Newer than the others: off unless the user turned it on.
    options.AnyWindow = ReadSwitch(store, "AnyWindow", "F");
    options.SavedLeft =
        ParseSavedPosition(store.GetSetting(kSettingsApp, kSettingsSection, "Left", "100"));
    options.SavedTop =
        ParseSavedPosition(store.GetSetting(kSettingsApp, kSettingsSection, "top", "100"));
}

void SaveOptions(OptionsRecord& options, SettingsStore& store, Twips launcherLeft,
                 Twips launcherTop) {
    WriteSwitch(store, "StayOnTop", options.StayOnTop);
    WriteSwitch(store, kSendOnClickName, options.SendOnClick);
    WriteSwitch(store, "StickToPM", options.StickToPM);
    WriteSwitch(store, "KeepOpen", options.KeepOpen);
    WriteSwitch(store, "AnyWindow", options.AnyWindow);
    options.SavedLeft = RoundHalfEvenToInt32(launcherLeft.value);
    options.SavedTop = RoundHalfEvenToInt32(launcherTop.value);
    store.SaveSetting(kSettingsApp, kSettingsSection, "Left", std::to_string(options.SavedLeft));
    store.SaveSetting(kSettingsApp, kSettingsSection, "top", std::to_string(options.SavedTop));
}

int LoadPositionDpi(SettingsStore& store) {
    const std::string text =
        store.GetSetting(kSettingsApp, kSettingsSection, kPositionDpiSetting, "");
    int dpi = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), dpi);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !IsUsableDpi(dpi)) {
        return 0;
    }
    return dpi;
}

void SavePositionDpi(SettingsStore& store, int dpi) {
    store.SaveSetting(kSettingsApp, kSettingsSection, kPositionDpiSetting, std::to_string(dpi));
}

Twips AtThisDpi(std::int32_t savedTwips, int savedDpi, int dpiNow) {
    if (savedDpi <= 0 || dpiNow <= 0 || savedDpi == dpiNow) {
        return Twips(static_cast<float>(savedTwips));
    }
    return Twips(static_cast<float>(static_cast<double>(savedTwips) * savedDpi / dpiNow));
}
