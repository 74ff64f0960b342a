#pragma once
#include <windows.h>

#include <oleacc.h>

// What the forms' accessible objects use of COM and Active Accessibility. Only screen readers
// need them, so the libraries are not imported: they are loaded, from the system's folder only,
// at the first reader's question.
struct ComLibraries {
    // ole32
    decltype(&::CoInitializeEx) CoInitializeEx;
    decltype(&::CoUninitialize) CoUninitialize;
    decltype(&::CoDisconnectObject) CoDisconnectObject;
    decltype(&::CoMarshalInterface) CoMarshalInterface;
    decltype(&::CoReleaseMarshalData) CoReleaseMarshalData;
    decltype(&::CreateStreamOnHGlobal) CreateStreamOnHGlobal;
    // oleaut32
    decltype(&::SysAllocStringLen) SysAllocStringLen;
    decltype(&::VariantInit) VariantInit;
    // oleacc
    decltype(&::AccessibleObjectFromWindow) AccessibleObjectFromWindow;
    decltype(&::CreateStdAccessibleObject) CreateStdAccessibleObject;
    decltype(&::LresultFromObject) LresultFromObject;
};

// The libraries, loaded and COM initialised on the calling thread (the user interface's) at the
// first call; nullptr, then and ever after, if they cannot be had.
const ComLibraries* Com();

// Owns what Com() loads: when it goes, after every form and so every accessible object has
// gone, COM is uninitialised if it was initialised and the libraries are freed.
class ComLibrariesOwner {
  public:
    ComLibrariesOwner() = default;
    ~ComLibrariesOwner();
    ComLibrariesOwner(const ComLibrariesOwner&) = delete;
    ComLibrariesOwner& operator=(const ComLibrariesOwner&) = delete;
};
