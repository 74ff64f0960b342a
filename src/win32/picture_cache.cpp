#include "picture_cache.h"

#include "shared/packed_dib.h"
#include "shared/scale2x.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

// A small bitmap resource's pixels, read straight from the program's image.
std::optional<DibPixels> ResourcePixels(HINSTANCE instance, int resource, int maxSide) {
    HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(resource), MAKEINTRESOURCEA(2));
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const auto* start = loaded ? static_cast<const unsigned char*>(LockResource(loaded)) : nullptr;
    return UnpackDib(start, found ? SizeofResource(instance, found) : 0, maxSide);
}

} // namespace

Picture PictureCache::Get(int resource, int dpi) {
    Picture picture = Loaded(resource);
    if (dpi > 96 && picture.bitmap) {
        const Picture fine = FineVersion(resource, picture.size, dpi);
        picture.fine = fine.fine;
        picture.fineOrigin = fine.fineOrigin;
        picture.fineSize = fine.fineSize;
    }
    return picture;
}

Picture PictureCache::Loaded(int resource) {
    if (auto it = pictures_.find(Key(resource, 0)); it != pictures_.end()) {
        return it->second;
    }
    Picture picture;
    if (!AddToSheet(resource, picture)) {
        HBITMAP loaded = LoadBitmapA(instance_, MAKEINTRESOURCEA(resource));
        BITMAP info{};
        if (loaded && GetObject(loaded, sizeof info, &info)) {
            picture.size = SIZE{info.bmWidth, info.bmHeight};
            bitmaps_[Key(resource, 0)].Reset(loaded);
            picture.bitmap = loaded;
        } else if (loaded) {
            DeleteObject(loaded);
        }
    }
    pictures_[Key(resource, 0)] = picture;
    return picture;
}

// A small picture's doubling serves every resolution; a large one is scaled for each.
Picture PictureCache::FineVersion(int resource, SIZE size, int dpi) {
    for (const int key : {Key(resource, 1), Key(resource, dpi)}) {
        if (auto it = pictures_.find(key); it != pictures_.end()) {
            return it->second;
        }
    }
    // A large picture keeps its bitmap; one on the sheet is loaded once more.
    const auto kept = bitmaps_.find(Key(resource, 0));
    HBITMAP loaded = kept != bitmaps_.end() ? kept->second.Get()
                                            : LoadBitmapA(instance_, MAKEINTRESOURCEA(resource));
    if (!loaded) {
        return Picture{};
    }
    Picture fine = Doubled(loaded, size);
    const bool doubled = fine.fine != nullptr;
    if (!doubled) {
        fine = Scaled(loaded, size, resource, dpi);
    }
    if (kept == bitmaps_.end()) {
        DeleteObject(loaded);
    }
    pictures_[Key(resource, doubled ? 1 : dpi)] = fine;
    return fine;
}

bool PictureCache::AddToSheet(int resource, Picture& picture) {
    const std::optional<DibPixels> dib = ResourcePixels(instance_, resource, kCell);
    if (!dib || sheetUsed_ + dib->width > kSheetWidth) {
        return false;
    }
    if (!sheet_.Get()) {
        // Pixels of the program's own, written without a call to the system for each picture.
        BITMAPINFO info{};
        info.bmiHeader = {
            sizeof(BITMAPINFOHEADER), kSheetWidth, -kCell, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        sheet_.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        sheetBits_ = sheet_.Get() ? static_cast<std::uint32_t*>(bits) : nullptr;
    }
    if (!sheetBits_) {
        return false;
    }
    for (int y = 0; y < dib->height; ++y) {
        const auto from = dib->pixels.begin() + static_cast<std::ptrdiff_t>(y) * dib->width;
        std::copy(from, from + dib->width,
                  sheetBits_ + static_cast<std::ptrdiff_t>(y) * kSheetWidth + sheetUsed_);
    }
    picture.origin = POINT{sheetUsed_, 0};
    picture.size = SIZE{dib->width, dib->height};
    picture.bitmap = sheet_.Get();
    sheetUsed_ += dib->width;
    return true;
}

// Doubled by Scale2x onto the fine sheet, through 32-bit pixels; none for a large picture or
// once the fine sheet is full.
Picture PictureCache::Doubled(HBITMAP loaded, SIZE size) {
    const int width = size.cx;
    const int height = size.cy;
    if (width * 2 > kFineCell || height * 2 > kFineCell || fineUsed_ >= kFineColumns * kFineRows) {
        return Picture{};
    }
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width * height));
    HDC screen = GetDC(nullptr);
    const bool read = GetDIBits(screen, loaded, 0, static_cast<UINT>(height), pixels.data(), &info,
                                DIB_RGB_COLORS) == height;
    if (read && !fineSheet_.Get()) {
        fineSheet_.Reset(
            CreateCompatibleBitmap(screen, kFineCell * kFineColumns, kFineCell * kFineRows));
    }
    const std::vector<std::uint32_t> doubled =
        read ? Scale2x(pixels, width, height) : std::vector<std::uint32_t>{};
    Picture fine;
    if (!doubled.empty() && fineSheet_.Get()) {
        fine.fineOrigin =
            POINT{fineUsed_ % kFineColumns * kFineCell, fineUsed_ / kFineColumns * kFineCell};
        info.bmiHeader.biWidth = width * 2;
        info.bmiHeader.biHeight = -height * 2;
        HDC sheetDc = CreateCompatibleDC(screen);
        HGDIOBJ old = SelectObject(sheetDc, fineSheet_.Get());
        SetDIBitsToDevice(sheetDc, fine.fineOrigin.x, fine.fineOrigin.y,
                          static_cast<DWORD>(width * 2), static_cast<DWORD>(height * 2), 0, 0, 0,
                          static_cast<UINT>(height * 2), doubled.data(), &info, DIB_RGB_COLORS);
        SelectObject(sheetDc, old);
        DeleteDC(sheetDc);
        fine.fine = fineSheet_.Get();
        fine.fineSize = SIZE{width * 2, height * 2};
        ++fineUsed_;
    }
    ReleaseDC(nullptr, screen);
    return fine;
}

// A large picture (the slide show's strip) scaled once to its size at the resolution, smoothly,
// so that its frames are plain copies.
Picture PictureCache::Scaled(HBITMAP loaded, SIZE size, int resource, int dpi) {
    const SIZE to{MulDiv(size.cx, dpi, 96), MulDiv(size.cy, dpi, 96)};
    HDC screen = GetDC(nullptr);
    Bitmap scaled(CreateCompatibleBitmap(screen, to.cx, to.cy));
    Picture fine;
    if (scaled.Get()) {
        HDC from = CreateCompatibleDC(screen);
        HDC into = CreateCompatibleDC(screen);
        HGDIOBJ oldFrom = SelectObject(from, loaded);
        HGDIOBJ oldInto = SelectObject(into, scaled.Get());
        SetStretchBltMode(into, HALFTONE);
        SetBrushOrgEx(into, 0, 0, nullptr);
        StretchBlt(into, 0, 0, to.cx, to.cy, from, 0, 0, size.cx, size.cy, SRCCOPY);
        SelectObject(from, oldFrom);
        SelectObject(into, oldInto);
        DeleteDC(from);
        DeleteDC(into);
        fine.fine = scaled.Get();
        fine.fineSize = to;
        bitmaps_[Key(resource, dpi)] = std::move(scaled);
    }
    ReleaseDC(nullptr, screen);
    return fine;
}
