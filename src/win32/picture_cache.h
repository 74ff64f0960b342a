#pragma once
#include "gdi_handles.h"

#include <map>

struct Picture {
    HBITMAP bitmap = nullptr;
    SIZE size{};
};

// The program's bitmap resources, each loaded once per run and shared by every control that
// shows it; all are freed with the cache.
class PictureCache {
  public:
    explicit PictureCache(HINSTANCE instance) : instance_(instance) {}
    // An empty picture when there is no such bitmap.
    Picture Get(int resource);

  private:
    struct Loaded {
        Bitmap bitmap;
        SIZE size{};
    };
    HINSTANCE instance_;
    std::map<int, Loaded> pictures_;
};
