#pragma once
#include <windows.h>

#include <utility>

// Owns one GDI object (font, brush, bitmap) and deletes it exactly once.
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

  private:
    Handle handle_ = nullptr;
};

using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;
using Bitmap = GdiObject<HBITMAP>;
