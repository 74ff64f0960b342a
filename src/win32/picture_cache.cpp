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

// A kept bitmap's pixels as 32-bit top-down rows; none if the system cannot give them.
std::optional<DibPixels> BitmapPixels(HBITMAP bitmap, SIZE size) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.cx, -size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    DibPixels dib{size.cx, size.cy,
                  std::vector<std::uint32_t>(static_cast<std::size_t>(size.cx) *
                                             static_cast<std::size_t>(size.cy))};
    const WindowDc screen(nullptr);
    if (!screen || GetDIBits(screen.Get(), bitmap, 0, static_cast<UINT>(size.cy), dib.pixels.data(),
                             &info, DIB_RGB_COLORS) != size.cy) {
        return std::nullopt;
    }
    return dib;
}

// A sheet for pictures: a 32-bit bitmap with top-down rows, whose pixels the program writes
// itself, without a call to the system for each picture. Its pixels, or none.
std::uint32_t* NewSheet(Bitmap& sheet, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    sheet.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    return sheet ? static_cast<std::uint32_t*>(bits) : nullptr;
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
        Bitmap loaded(LoadBitmapA(instance_, MAKEINTRESOURCEA(resource)));
        BITMAP info{};
        if (loaded && GetObject(loaded.Get(), sizeof info, &info)) {
            picture.size = SIZE{info.bmWidth, info.bmHeight};
            picture.bitmap = loaded.Get();
            bitmaps_[Key(resource, 0)] = std::move(loaded);
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
    // A picture on the sheet is read from its resource once more; any other kept its bitmap.
    const auto kept = bitmaps_.find(Key(resource, 0));
    const std::optional<DibPixels> pixels = kept == bitmaps_.end()
                                                ? ResourcePixels(instance_, resource, kCell)
                                                : BitmapPixels(kept->second.Get(), size);
    Picture fine = pixels ? Doubled(*pixels) : Picture{};
    const bool doubled = fine.fine != nullptr;
    if (!doubled && kept != bitmaps_.end()) {
        fine = Scaled(kept->second.Get(), size, resource, dpi);
    } else if (!doubled) {
        const Bitmap loaded(LoadBitmapA(instance_, MAKEINTRESOURCEA(resource)));
        fine = loaded ? Scaled(loaded.Get(), size, resource, dpi) : Picture{};
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
        sheetBits_ = NewSheet(sheet_, kSheetWidth, kCell);
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

// Doubled by Scale2x onto the fine sheet; none for a large picture or once the sheet is full.
Picture PictureCache::Doubled(const DibPixels& small) {
    const int width = small.width;
    const int height = small.height;
    if (width * 2 > kFineCell || height * 2 > kFineCell || fineUsed_ >= kFineColumns * kFineRows) {
        return Picture{};
    }
    if (!fineSheet_.Get()) {
        fineBits_ = NewSheet(fineSheet_, kFineCell * kFineColumns, kFineCell * kFineRows);
    }
    if (!fineBits_) {
        return Picture{};
    }
    const std::vector<std::uint32_t> doubled = Scale2x(small.pixels, width, height);
    Picture fine;
    fine.fineOrigin =
        POINT{fineUsed_ % kFineColumns * kFineCell, fineUsed_ / kFineColumns * kFineCell};
    fine.fineSize = SIZE{width * 2, height * 2};
    const int rowLength = kFineCell * kFineColumns;
    for (int y = 0; y < fine.fineSize.cy; ++y) {
        const auto from = doubled.begin() + static_cast<std::ptrdiff_t>(y) * fine.fineSize.cx;
        std::copy(from, from + fine.fineSize.cx,
                  fineBits_ + static_cast<std::ptrdiff_t>(fine.fineOrigin.y + y) * rowLength +
                      fine.fineOrigin.x);
    }
    fine.fine = fineSheet_.Get();
    ++fineUsed_;
    return fine;
}

// A large picture (the slide show's strip) scaled once to its size at the resolution, smoothly,
// so that its frames are plain copies.
Picture PictureCache::Scaled(HBITMAP loaded, SIZE size, int resource, int dpi) {
    const SIZE to{MulDiv(size.cx, dpi, 96), MulDiv(size.cy, dpi, 96)};
    WindowDc screen(nullptr);
    Bitmap scaled(screen ? CreateCompatibleBitmap(screen.Get(), to.cx, to.cy) : nullptr);
    MemoryDc from(screen.Get());
    MemoryDc into(screen.Get());
    Picture fine;
    if (!scaled || !from || !into) {
        return fine;
    }
    const SelectedObject source(from.Get(), loaded);
    const SelectedObject target(into.Get(), scaled.Get());
    SetStretchBltMode(into.Get(), HALFTONE);
    SetBrushOrgEx(into.Get(), 0, 0, nullptr);
    // A scaling that was not drawn is not kept: the plain picture is stretched instead.
    if (source && target &&
        StretchBlt(into.Get(), 0, 0, to.cx, to.cy, from.Get(), 0, 0, size.cx, size.cy, SRCCOPY)) {
        fine.fine = scaled.Get();
        fine.fineSize = to;
        bitmaps_[Key(resource, dpi)] = std::move(scaled);
    }
    return fine;
}
