#include "picture_cache.h"

Picture PictureCache::Get(int resource) {
    auto it = pictures_.find(resource);
    if (it == pictures_.end()) {
        Loaded loaded;
        loaded.bitmap.Reset(LoadBitmapA(instance_, MAKEINTRESOURCEA(resource)));
        BITMAP info{};
        if (loaded.bitmap.Get() && GetObject(loaded.bitmap.Get(), sizeof info, &info)) {
            loaded.size = SIZE{info.bmWidth, info.bmHeight};
        }
        it = pictures_.emplace(resource, std::move(loaded)).first;
    }
    return Picture{it->second.bitmap.Get(), it->second.size};
}
