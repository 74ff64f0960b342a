// FizzmoLite: starts the program with its launcher and runs until the launcher unloads.
#include "program.h"
#include "win32/com_libraries.h"
#include "win32/registry_auto_start.h"
#include "win32/registry_store.h"
#include "win32/win32_code_page.h"
#include "win32/win32_file_system.h"
#include "win32/win32_toolkit.h"
#include "win32/win32_window_system.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // COM, loaded by the first screen reader's question, outlives every form's object.
    const ComLibrariesOwner com;
    {
        Win32WindowSystem windows;
        RegistryStore store;
        Win32FileSystem files;
        Win32CodePage codePage;
        RegistryAutoStart autoStart;
        Win32Toolkit toolkit(instance);
        Program program(Ports{windows, store, toolkit, files, codePage, autoStart});
        toolkit.SetSink(
            [&program](FormId form, const FormEvent& event) { program.Dispatch(form, event); });
        program.Start();
        toolkit.Run();
    }
    return 0;
}
