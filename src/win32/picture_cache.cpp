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
    HDC screen = GetDC(nullptr);
    if (!sheet_.Get()) {
        sheet_.Reset(CreateCompatibleBitmap(screen, kCell * kSlots, kCell));
    }
    HDC to = CreateCompatibleDC(screen);
    HDC from = CreateCompatibleDC(screen);
    HGDIOBJ oldTo = SelectObject(to, sheet_.Get());
    HGDIOBJ oldFrom = SelectObject(from, loaded);
    picture.origin = POINT{sheetUsed_ * kCell, 0};
    BitBlt(to, picture.origin.x, 0, picture.size.cx, picture.size.cy, from, 0, 0, SRCCOPY);
    SelectObject(from, oldFrom);
    SelectObject(to, oldTo);
    DeleteDC(from);
    DeleteDC(to);
    ReleaseDC(nullptr, screen);
    picture.bitmap = sheet_.Get();
    ++sheetUsed_;
    return true;
}
