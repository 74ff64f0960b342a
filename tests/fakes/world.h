#pragma once
#include "fake_auto_start.h"
#include "fake_file_system.h"
#include "fake_settings_store.h"
#include "fake_toolkit.h"
#include "fake_window_system.h"
#include "program.h"
#include "shared/messenger_messages.h"

// The whole program over fakes, with a code file in place.
struct World {
    FakeWindowSystem windows;
    FakeSettingsStore store;
    FakeToolkit toolkit;
    FakeFileSystem files;
    Windows1252 codePage;
    FakeAutoStart autoStart;
    Program program{Ports{windows, store, toolkit, files, codePage, autoStart}};

    World() {
        files.AddFile("codes.dll", ":)\r\n:(\r\nhappy\r\n");
        toolkit.raise = [this](FormId form, const FormEvent& e) { program.Dispatch(form, e); };
    }

    void Store(const std::string& key, const std::string& value) {
        store.values[{"FizzmoLite", "Settings", key}] = value;
    }
    std::string Stored(const std::string& key) {
        return store.values.at({"FizzmoLite", "Settings", key});
    }
    void Clear() {
        toolkit.calls.clear();
        windows.calls.clear();
    }
    // The characters sent as WM_CHAR, to any window, in order.
    std::string TypedText() const {
        std::string text;
        for (const SentMessage& m : windows.messages) {
            if (m.message == win::kWmChar) {
                text.push_back(static_cast<char>(m.wParam));
            }
        }
        return text;
    }
};
