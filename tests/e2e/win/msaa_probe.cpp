// A screen reader's view of the program, through Microsoft Active Accessibility from another
// process, as the tests need it:
//   msaa_probe tree TITLE            the form's client object and each child, one a line:
//     self role=R children=N action=A name=...
//     child I role=R state=0x.. location=x,y,w,h action=A value=V name=...
//     focus=I selection=I            (0 for the object itself, - for none)
//   msaa_probe do TITLE CHILD        the child's default action (0: the object's own)
//   msaa_probe point X Y             the object at a screen point: "child I name=..."
//   msaa_probe watch SECONDS         prints "watching", then "focus child=I name=..." for each
//                                    focus event of the program's windows
//   msaa_probe hold TITLE SECONDS    asks for the form's object twice and keeps the first while
//                                    the form goes and comes back, telling what it sees:
//     held same=0|1 children=N       whether both answers are one object (COM identity)
//     gone hr=0x..                   the kept object asked again once the form has gone
//     again fresh=0|1 children=N     the form's object once it is back, and the kept one
//   msaa_probe soak TITLE CYCLES     object, child count, release, CYCLES times, as a screen
//                                    reader polls: "cycles=N failed=F ms=T" (progress each 1000)
//   msaa_probe modules TITLE         the DLLs loaded in the process that owns the form's window,
//                                    "module NAME" a line, NAME in lower case
// TITLE is a visible form window's title. Names are written in UTF-8.
#include <windows.h>

#include <oleacc.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string Narrow(BSTR text) {
    if (!text) {
        return "";
    }
    const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(length > 0 ? length : 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), length, nullptr, nullptr);
    out.resize(std::strlen(out.c_str()));
    SysFreeString(text);
    return out;
}

VARIANT Child(long id) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

struct Search {
    std::string title;
    HWND found = nullptr;
};

BOOL CALLBACK EachTop(HWND hwnd, LPARAM lParam) {
    auto& search = *reinterpret_cast<Search*>(lParam);
    char cls[64] = {};
    char title[256] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    GetWindowTextA(hwnd, title, sizeof title);
    if (std::strcmp(cls, "FizzmoForm") == 0 && IsWindowVisible(hwnd) && search.title == title) {
        search.found = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND Visible(const std::string& title) {
    Search search{title};
    EnumWindows(EachTop, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

IAccessible* ClientOf(const std::string& title) {
    HWND form = Visible(title);
    IAccessible* object = nullptr;
    if (!form ||
        FAILED(AccessibleObjectFromWindow(form, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&object)))) {
        std::printf("no accessible object for \"%s\"\n", title.c_str());
        std::exit(1);
    }
    return object;
}

// The child's own object when it has one, else the parent with the child's id.
struct Element {
    IAccessible* object;
    VARIANT id;
};

Element ElementOf(IAccessible* parent, long id) {
    IDispatch* dispatch = nullptr;
    if (id != CHILDID_SELF && parent->get_accChild(Child(id), &dispatch) == S_OK && dispatch) {
        IAccessible* own = nullptr;
        dispatch->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&own));
        dispatch->Release();
        if (own) {
            return {own, Child(CHILDID_SELF)};
        }
    }
    parent->AddRef();
    return {parent, Child(id)};
}

std::string Describe(IAccessible* parent, long id) {
    Element e = ElementOf(parent, id);
    BSTR name = nullptr;
    BSTR action = nullptr;
    BSTR value = nullptr;
    VARIANT role;
    VARIANT state;
    VariantInit(&role);
    VariantInit(&state);
    e.object->get_accName(e.id, &name);
    e.object->get_accValue(e.id, &value);
    e.object->get_accDefaultAction(e.id, &action);
    e.object->get_accRole(e.id, &role);
    e.object->get_accState(e.id, &state);
    long x = 0, y = 0, w = 0, h = 0;
    e.object->accLocation(&x, &y, &w, &h, e.id);
    e.object->Release();
    char line[256];
    std::snprintf(line, sizeof line, "role=%ld state=0x%lx location=%ld,%ld,%ld,%ld action=",
                  role.vt == VT_I4 ? role.lVal : -1L, state.vt == VT_I4 ? state.lVal : 0L, x, y, w,
                  h);
    return line + Narrow(action) + " value=" + Narrow(value) + " name=" + Narrow(name);
}

std::string IdText(const VARIANT& v) {
    return v.vt == VT_I4 ? std::to_string(v.lVal) : v.vt == VT_DISPATCH ? "object" : "-";
}

int Tree(const std::string& title) {
    IAccessible* client = ClientOf(title);
    long count = 0;
    client->get_accChildCount(&count);
    VARIANT role;
    VariantInit(&role);
    client->get_accRole(Child(CHILDID_SELF), &role);
    BSTR name = nullptr;
    BSTR action = nullptr;
    client->get_accName(Child(CHILDID_SELF), &name);
    client->get_accDefaultAction(Child(CHILDID_SELF), &action);
    std::printf("self role=%ld children=%ld action=%s name=%s\n", role.lVal, count,
                Narrow(action).c_str(), Narrow(name).c_str());
    for (long i = 1; i <= count; ++i) {
        std::printf("child %ld %s\n", i, Describe(client, i).c_str());
    }
    VARIANT focus;
    VARIANT selection;
    VariantInit(&focus);
    VariantInit(&selection);
    client->get_accFocus(&focus);
    client->get_accSelection(&selection);
    std::printf("focus=%s selection=%s\n", IdText(focus).c_str(), IdText(selection).c_str());
    client->Release();
    return 0;
}

void CALLBACK OnFocus(HWINEVENTHOOK, DWORD, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
    char cls[64] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (std::strcmp(cls, "FizzmoForm") != 0) {
        return;
    }
    IAccessible* found = nullptr;
    VARIANT id;
    VariantInit(&id);
    if (SUCCEEDED(AccessibleObjectFromEvent(hwnd, object, child, &found, &id)) && found) {
        BSTR name = nullptr;
        found->get_accName(id, &name);
        std::printf("focus child=%ld name=%s\n", child, Narrow(name).c_str());
        std::fflush(stdout);
        found->Release();
    }
}

int Watch(int seconds) {
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, OnFocus,
                                         0, 0, WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
    if (!hook) {
        std::printf("no hook\n");
        return 1;
    }
    std::printf("watching\n");
    std::fflush(stdout);
    const DWORD end = GetTickCount() + static_cast<DWORD>(seconds) * 1000;
    while (GetTickCount() < end) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&msg);
        }
    }
    UnhookWinEvent(hook);
    return 0;
}

// Proxies of one object share its identity: the IUnknown they answer is the same pointer.
bool SameObject(IAccessible* a, IAccessible* b) {
    IUnknown* ua = nullptr;
    IUnknown* ub = nullptr;
    a->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&ua));
    b->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&ub));
    const bool same = ua && ua == ub;
    if (ua) {
        ua->Release();
    }
    if (ub) {
        ub->Release();
    }
    return same;
}

bool WaitFor(bool shown, const std::string& title, DWORD end) {
    while ((Visible(title) != nullptr) != shown) {
        if (GetTickCount() > end) {
            return false;
        }
        Sleep(50);
    }
    return true;
}

int Hold(const std::string& title, int seconds) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(seconds) * 1000;
    IAccessible* kept = ClientOf(title);
    IAccessible* second = ClientOf(title);
    long count = 0;
    second->get_accChildCount(&count);
    std::printf("held same=%d children=%ld\n", SameObject(kept, second) ? 1 : 0, count);
    std::fflush(stdout);
    second->Release();
    int status = 1;
    if (WaitFor(false, title, end)) {
        count = 0;
        const HRESULT hr = kept->get_accChildCount(&count);
        std::printf("gone hr=0x%lx\n", static_cast<unsigned long>(hr));
        std::fflush(stdout);
        if (WaitFor(true, title, end)) {
            IAccessible* again = ClientOf(title);
            count = 0;
            again->get_accChildCount(&count);
            std::printf("again fresh=%d children=%ld\n", SameObject(kept, again) ? 0 : 1, count);
            again->Release();
            status = 0;
        }
    }
    kept->Release();
    return status;
}

int Soak(const std::string& title, long cycles) {
    HWND form = Visible(title);
    if (!form) {
        std::printf("no window \"%s\"\n", title.c_str());
        return 1;
    }
    const DWORD start = GetTickCount();
    long failed = 0;
    for (long i = 1; i <= cycles; ++i) {
        IAccessible* object = nullptr;
        long count = 0;
        if (FAILED(AccessibleObjectFromWindow(form, static_cast<DWORD>(OBJID_CLIENT),
                                              IID_IAccessible,
                                              reinterpret_cast<void**>(&object))) ||
            !object || FAILED(object->get_accChildCount(&count))) {
            ++failed;
        }
        if (object) {
            object->Release();
        }
        if (i % 1000 == 0 || i == cycles) {
            std::printf("cycles=%ld failed=%ld ms=%lu\n", i, failed,
                        static_cast<unsigned long>(GetTickCount() - start));
            std::fflush(stdout);
        }
    }
    return failed ? 1 : 0;
}

int Modules(const std::string& title) {
    HWND form = Visible(title);
    DWORD process = 0;
    if (!form || !GetWindowThreadProcessId(form, &process)) {
        std::printf("no window \"%s\"\n", title.c_str());
        return 1;
    }
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, process);
    if (snapshot == INVALID_HANDLE_VALUE) {
        std::printf("no snapshot error=%lu\n", GetLastError());
        return 1;
    }
    MODULEENTRY32W module;
    module.dwSize = sizeof module;
    for (BOOL more = Module32FirstW(snapshot, &module); more;
         more = Module32NextW(snapshot, &module)) {
        CharLowerW(module.szModule);
        char name[MAX_PATH * 3] = {};
        WideCharToMultiByte(CP_UTF8, 0, module.szModule, -1, name, sizeof name, nullptr, nullptr);
        std::printf("module %s\n", name);
    }
    CloseHandle(snapshot);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    CoInitialize(nullptr);
    const std::string command = argc > 1 ? argv[1] : "";
    int status = 2;
    if (command == "tree" && argc == 3) {
        status = Tree(argv[2]);
    } else if (command == "do" && argc == 4) {
        IAccessible* client = ClientOf(argv[2]);
        const HRESULT hr = client->accDoDefaultAction(Child(std::atol(argv[3])));
        std::printf("done 0x%lx\n", static_cast<unsigned long>(hr));
        client->Release();
        status = SUCCEEDED(hr) ? 0 : 1;
    } else if (command == "point" && argc == 4) {
        IAccessible* found = nullptr;
        VARIANT id;
        VariantInit(&id);
        if (SUCCEEDED(AccessibleObjectFromPoint(POINT{std::atol(argv[2]), std::atol(argv[3])},
                                                &found, &id)) &&
            found) {
            BSTR name = nullptr;
            found->get_accName(id, &name);
            std::printf("child %s name=%s\n", IdText(id).c_str(), Narrow(name).c_str());
            found->Release();
            status = 0;
        }
    } else if (command == "watch" && argc == 3) {
        status = Watch(std::atoi(argv[2]));
    } else if (command == "hold" && argc == 4) {
        status = Hold(argv[2], std::atoi(argv[3]));
    } else if (command == "soak" && argc == 4) {
        status = Soak(argv[2], std::atol(argv[3]));
    } else if (command == "modules" && argc == 3) {
        status = Modules(argv[2]);
    }
    std::fflush(stdout);
    CoUninitialize();
    return status;
}
