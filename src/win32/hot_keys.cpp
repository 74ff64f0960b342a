// The program's system-wide hot keys, each owned by a form's window.
#include "win32_toolkit.h"

#ifndef MOD_NOREPEAT
#define MOD_NOREPEAT 0x4000
#endif

bool Win32Toolkit::RegisterHotKey(FormId id, int hotKeyId, const HotKey& key) {
    FormWindow* form = Hosted(id);
    if (!form) {
        return false;
    }
    const UINT modifiers = (key.ctrl ? MOD_CONTROL : 0) | (key.shift ? MOD_SHIFT : 0) |
                           (key.alt ? MOD_ALT : 0) | (key.win ? MOD_WIN : 0);
    // Held down, the key would open and hide the palette over and over.
    if (::RegisterHotKey(form->Handle(), hotKeyId, modifiers | MOD_NOREPEAT,
                         static_cast<UINT>(key.keyCode))) {
        return true;
    }
    // Systems before Windows 7 know no MOD_NOREPEAT.
    return ::RegisterHotKey(form->Handle(), hotKeyId, modifiers, static_cast<UINT>(key.keyCode)) !=
           FALSE;
}

void Win32Toolkit::UnregisterHotKey(FormId id, int hotKeyId) {
    if (FormWindow* form = Hosted(id)) {
        ::UnregisterHotKey(form->Handle(), hotKeyId);
    }
}
