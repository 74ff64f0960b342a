#include "picture_cache.h"

#include "shared/scale2x.h"

#include <vector>

Picture PictureCache::Get(int resource) {
    if (auto it = pictures_.find(resource); it != pictures_.end()) {
        return it->second;
    }
    Picture picture;
    HBITMAP loaded = LoadBitmapA(instance_, MAKEINTRESOURCEA(resource));
    BITMAP info{};
    if (loaded && GetObject(loaded, sizeof info, &info)) {
        picture.size = SIZE{info.bmWidth, info.bmHeight};
        if (fineDpiX_) {
            AddFine(loaded, picture);
        }
        if (AddToSheet(loaded, picture)) {
            DeleteObject(loaded);
        } else {
            if (fineDpiX_ && !picture.fine) { // a small one past the full sheet keeps its own
                AddScaled(loaded, resource, picture);
            }
            large_[resource].Reset(loaded);
            picture.bitmap = loaded;
        }
    }
    pictures_[resource] = picture;
    return picture;
}

bool PictureCache::AddToSheet(HBITMAP loaded, Picture& picture) {
    if (picture.size.cx > kCell || picture.size.cy > kCell || sheetUsed_ >= kSlots) {
        return false;
    }
    if (!sheet_.Get()) {
        HDC screen = GetDC(nullptr);
        sheet_.Reset(CreateCompatibleBitmap(screen, kCell * kSlots, kCell));
        sheetDc_ = CreateCompatibleDC(screen);
        pictureDc_ = CreateCompatibleDC(screen);
        ReleaseDC(nullptr, screen);
    }
    // Selected only while copying: the painter selects the sheet into its own DC.
    HGDIOBJ oldSheet = SelectObject(sheetDc_, sheet_.Get());
    HGDIOBJ oldPicture = SelectObject(pictureDc_, loaded);
    picture.origin = POINT{sheetUsed_ * kCell, 0};
    BitBlt(sheetDc_, picture.origin.x, 0, picture.size.cx, picture.size.cy, pictureDc_, 0, 0,
           SRCCOPY);
    SelectObject(pictureDc_, oldPicture);
    SelectObject(sheetDc_, oldSheet);
    picture.bitmap = sheet_.Get();
    ++sheetUsed_;
    return true;
}

// Doubled by Scale2x onto the fine sheet, through 32-bit pixels.
void PictureCache::AddFine(HBITMAP loaded, Picture& picture) {
    const int width = picture.size.cx;
    const int height = picture.size.cy;
    if (width * 2 > kFineCell || height * 2 > kFineCell || fineUsed_ >= kFineColumns * kFineRows) {
        return;
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
    if (!doubled.empty() && fineSheet_.Get()) {
        picture.fineOrigin =
            POINT{fineUsed_ % kFineColumns * kFineCell, fineUsed_ / kFineColumns * kFineCell};
        info.bmiHeader.biWidth = width * 2;
        info.bmiHeader.biHeight = -height * 2;
        HDC sheetDc = CreateCompatibleDC(screen);
        HGDIOBJ old = SelectObject(sheetDc, fineSheet_.Get());
        SetDIBitsToDevice(sheetDc, picture.fineOrigin.x, picture.fineOrigin.y,
                          static_cast<DWORD>(width * 2), static_cast<DWORD>(height * 2), 0, 0, 0,
                          static_cast<UINT>(height * 2), doubled.data(), &info, DIB_RGB_COLORS);
        SelectObject(sheetDc, old);
        DeleteDC(sheetDc);
        picture.fine = fineSheet_.Get();
        picture.fineSize = SIZE{width * 2, height * 2};
        ++fineUsed_;
    }
    ReleaseDC(nullptr, screen);
}

// A large picture (the slide show's strip) scaled once to the screen, smoothly, so that its
// frames are plain copies.
void PictureCache::AddScaled(HBITMAP loaded, int resource, Picture& picture) {
    const SIZE to{MulDiv(picture.size.cx, fineDpiX_, 96), MulDiv(picture.size.cy, fineDpiY_, 96)};
    HDC screen = GetDC(nullptr);
    HBITMAP scaled = CreateCompatibleBitmap(screen, to.cx, to.cy);
    if (scaled) {
        HDC from = CreateCompatibleDC(screen);
        HDC into = CreateCompatibleDC(screen);
        HGDIOBJ oldFrom = SelectObject(from, loaded);
        HGDIOBJ oldInto = SelectObject(into, scaled);
        SetStretchBltMode(into, HALFTONE);
        SetBrushOrgEx(into, 0, 0, nullptr);
        StretchBlt(into, 0, 0, to.cx, to.cy, from, 0, 0, picture.size.cx, picture.size.cy, SRCCOPY);
        SelectObject(from, oldFrom);
        SelectObject(into, oldInto);
        DeleteDC(from);
        DeleteDC(into);
        scaled_[resource].Reset(scaled);
        picture.fine = scaled;
        picture.fineSize = to;
    }
    ReleaseDC(nullptr, screen);
}

PictureCache::~PictureCache() {
    if (sheetDc_) {
        DeleteDC(sheetDc_);
        DeleteDC(pictureDc_);
    }
}
