// COM and Active Accessibility, loaded when a screen reader first asks for a form's object.
#include "com_libraries.h"

#include <initializer_list>
#include <string>

namespace {

struct Loaded {
    bool tried = false;
    bool available = false;
    bool comInitialised = false;
    HMODULE ole32 = nullptr;
    HMODULE oleaut32 = nullptr;
    HMODULE oleacc = nullptr;
    ComLibraries functions{};
};

Loaded& State() {
    static Loaded loaded;
    return loaded;
}

// The system's copy only, never one of the same name beside the program or in its folder.
HMODULE LoadSystemLibrary(const wchar_t* name) {
    // Windows without AddDllDirectory rejects the search flags; an absolute path does as well.
    const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    if (kernel && GetProcAddress(kernel, "AddDllDirectory")) {
        return LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return nullptr;
    }
    const std::wstring path = std::wstring(folder, length) + L"\\" + name;
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

template <typename Function> bool Resolve(HMODULE library, const char* name, Function& out) {
    // Through void(*)(), the one function type any other may be cast to without a warning.
    out = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
    return out != nullptr;
}

bool Load(Loaded& l) {
    l.ole32 = LoadSystemLibrary(L"ole32.dll");
    l.oleaut32 = LoadSystemLibrary(L"oleaut32.dll");
    l.oleacc = LoadSystemLibrary(L"oleacc.dll");
    if (!l.ole32 || !l.oleaut32 || !l.oleacc) {
        return false;
    }
    ComLibraries& f = l.functions;
    return Resolve(l.ole32, "CoInitializeEx", f.CoInitializeEx) &&
           Resolve(l.ole32, "CoUninitialize", f.CoUninitialize) &&
           Resolve(l.ole32, "CoDisconnectObject", f.CoDisconnectObject) &&
           Resolve(l.ole32, "CoMarshalInterface", f.CoMarshalInterface) &&
           Resolve(l.ole32, "CoReleaseMarshalData", f.CoReleaseMarshalData) &&
           Resolve(l.ole32, "CreateStreamOnHGlobal", f.CreateStreamOnHGlobal) &&
           Resolve(l.oleaut32, "SysAllocStringLen", f.SysAllocStringLen) &&
           Resolve(l.oleaut32, "VariantInit", f.VariantInit) &&
           Resolve(l.oleacc, "AccessibleObjectFromWindow", f.AccessibleObjectFromWindow) &&
           Resolve(l.oleacc, "CreateStdAccessibleObject", f.CreateStdAccessibleObject) &&
           Resolve(l.oleacc, "LresultFromObject", f.LresultFromObject);
}

} // namespace

const ComLibraries* Com() {
    Loaded& l = State();
    if (!l.tried) {
        l.tried = true;
        if (Load(l)) {
            // Screen readers reach the forms' objects through this thread's apartment.
            l.comInitialised =
                SUCCEEDED(l.functions.CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
            l.available = l.comInitialised;
        }
    }
    return l.available ? &l.functions : nullptr;
}

ComLibrariesOwner::~ComLibrariesOwner() {
    Loaded& l = State();
    if (l.comInitialised) {
        l.functions.CoUninitialize();
    }
    for (HMODULE library : {l.oleacc, l.oleaut32, l.ole32}) {
        if (library) {
            FreeLibrary(library);
        }
    }
    l = Loaded{};
}
