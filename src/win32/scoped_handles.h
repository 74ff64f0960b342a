#pragma once
#include <windows.h>

#include <unknwn.h>

#include <utility>

// Owners for the handles the program pairs: each is released exactly once, on every path out.

// One GDI object (font, brush, bitmap), deleted when it goes.
template <typename Handle> class GdiObject {
  public:
    GdiObject() = default;
    explicit GdiObject(Handle h) : handle_(h) {}
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            Reset(std::exchange(other.handle_, nullptr));
        }
        return *this;
    }
    ~GdiObject() { Reset(nullptr); }

    void Reset(Handle h) {
        if (handle_) {
            DeleteObject(handle_);
        }
        handle_ = h;
    }
    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

  private:
    Handle handle_ = nullptr;
};

using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;
using Bitmap = GdiObject<HBITMAP>;

// An icon made for the program (not a shared one), destroyed when it goes.
class IconHandle {
  public:
    IconHandle() = default;
    explicit IconHandle(HICON icon) : icon_(icon) {}
    ~IconHandle() { Reset(); }
    IconHandle(const IconHandle&) = delete;
    IconHandle& operator=(const IconHandle&) = delete;
    IconHandle& operator=(IconHandle&& other) noexcept {
        if (this != &other) {
            Reset();
            icon_ = std::exchange(other.icon_, nullptr);
        }
        return *this;
    }
    void Reset() {
        if (icon_) {
            DestroyIcon(std::exchange(icon_, nullptr));
        }
    }
    HICON Get() const { return icon_; }
    explicit operator bool() const { return icon_ != nullptr; }

  private:
    HICON icon_ = nullptr;
};

// A window's device context (the screen's for no window), released when it goes.
class WindowDc {
  public:
    explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    ~WindowDc() {
        if (dc_) {
            ReleaseDC(hwnd_, dc_);
        }
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

  private:
    HWND hwnd_;
    HDC dc_;
};

// The painting of a window's invalid part, from BeginPaint to EndPaint.
class PaintDc {
  public:
    explicit PaintDc(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &paint_)) {}
    ~PaintDc() { EndPaint(hwnd_, &paint_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    HDC Get() const { return dc_; }
    const RECT& Invalid() const { return paint_.rcPaint; }
    explicit operator bool() const { return dc_ != nullptr; }

  private:
    HWND hwnd_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// A memory device context like another, deleted when it goes.
class MemoryDc {
  public:
    explicit MemoryDc(HDC like) : dc_(CreateCompatibleDC(like)) {}
    ~MemoryDc() {
        if (dc_) {
            DeleteDC(dc_);
        }
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

  private:
    HDC dc_;
};

// An object selected into a device context, and the one it replaced selected back when it goes.
// Nothing is selected into no context, or for no object.
class SelectedObject {
  public:
    SelectedObject(HDC dc, HGDIOBJ object)
        : dc_(dc), old_(dc && object ? SelectObject(dc, object) : nullptr) {}
    ~SelectedObject() {
        if (old_ && old_ != HGDI_ERROR) {
            SelectObject(dc_, old_);
        }
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    explicit operator bool() const { return old_ && old_ != HGDI_ERROR; }

  private:
    HDC dc_;
    HGDIOBJ old_;
};

// A kernel object's handle, closed when it goes. CreateFile's INVALID_HANDLE_VALUE is none.
class KernelHandle {
  public:
    KernelHandle() = default;
    explicit KernelHandle(HANDLE h) : handle_(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
    ~KernelHandle() { Reset(nullptr); }
    KernelHandle(const KernelHandle&) = delete;
    KernelHandle& operator=(const KernelHandle&) = delete;
    void Reset(HANDLE h) {
        if (handle_) {
            CloseHandle(handle_);
        }
        handle_ = h == INVALID_HANDLE_VALUE ? nullptr : h;
    }
    HANDLE Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

  private:
    HANDLE handle_ = nullptr;
};

// An open registry key, closed when it goes.
class RegistryKey {
  public:
    RegistryKey() = default;
    ~RegistryKey() {
        if (key_) {
            RegCloseKey(key_);
        }
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    // For the call that opens it.
    HKEY* Out() { return &key_; }
    HKEY Get() const { return key_; }

  private:
    HKEY key_ = nullptr;
};

// One reference to a COM object, released when it goes.
template <typename Interface> class ComPtr {
  public:
    ComPtr() = default;
    explicit ComPtr(Interface* adopted) : p_(adopted) {}
    ~ComPtr() { Reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            Reset();
            p_ = std::exchange(other.p_, nullptr);
        }
        return *this;
    }

    void Reset() {
        if (p_) {
            std::exchange(p_, nullptr)->Release();
        }
    }
    // For a call that hands out a reference: what it held is released first.
    Interface** Put() {
        Reset();
        return &p_;
    }
    void** PutVoid() { return reinterpret_cast<void**>(Put()); }
    Interface* Get() const { return p_; }
    Interface* operator->() const { return p_; }
    // The reference, for a caller that takes it over.
    Interface* Detach() { return std::exchange(p_, nullptr); }
    explicit operator bool() const { return p_ != nullptr; }

  private:
    Interface* p_ = nullptr;
};
