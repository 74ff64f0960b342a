#include "picture_cache.h"

Picture PictureCache::Get(int resource) {
    if (auto it = pictures_.find(resource); it != pictures_.end()) {
        return it->second;
    }
    Picture picture;
    HBITMAP loaded = LoadBitmapA(instance_, MAKEINTRESOURCEA(resource));
    BITMAP info{};
    if (loaded && GetObject(loaded, sizeof info, &info)) {
        picture.size = SIZE{info.bmWidth, info.bmHeight};
        if (AddToSheet(loaded, picture)) {
            DeleteObject(loaded);
        } else {
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

PictureCache::~PictureCache() {
    if (sheetDc_) {
        DeleteDC(sheetDc_);
        DeleteDC(pictureDc_);
    }
}
