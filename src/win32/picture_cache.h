#pragma once
#include "gdi_handles.h"

#include <map>

// A picture to draw: a part of a bitmap, from origin, of size (its pixels at 96 dpi); and, where
// the screen has more dots per inch, a finer one to draw it from at its size on that screen:
// small pictures doubled without pixel doubling's steps, large ones scaled once with a smoothing
// filter to the screen's size.
struct Picture {
    HBITMAP bitmap = nullptr;
    POINT origin{};
    SIZE size{};
    HBITMAP fine = nullptr;
    POINT fineOrigin{};
    SIZE fineSize{};
};

// The program's bitmap resources, each loaded once per run and shared by every control that
// shows it; all are freed with the cache. Small pictures (the 64 emoticons) share one bitmap,
// a sheet, so that they cost one GDI object instead of 64.
class PictureCache {
  public:
    explicit PictureCache(HINSTANCE instance) : instance_(instance) {}
    // Pictures get fine versions from now on, for a screen of more than 96 dpi.
    void MakeFinePictures(int dpiX, int dpiY) {
        fineDpiX_ = dpiX;
        fineDpiY_ = dpiY;
    }
    ~PictureCache();
    PictureCache(const PictureCache&) = delete;
    PictureCache& operator=(const PictureCache&) = delete;
    // An empty picture when there is no such bitmap.
    Picture Get(int resource);

  private:
    static constexpr int kCell = 32;   // the largest picture that goes onto the sheet
    static constexpr int kSlots = 128; // pictures the sheet holds
    bool AddToSheet(HBITMAP loaded, Picture& picture);
    void AddFine(HBITMAP loaded, Picture& picture);
    void AddScaled(HBITMAP loaded, int resource, Picture& picture);
    static constexpr int kFineCell = 2 * 20; // small pictures up to 20 pixels
    static constexpr int kFineColumns = 16;
    static constexpr int kFineRows = 5;

    HINSTANCE instance_;
    Bitmap sheet_;
    HDC sheetDc_ = nullptr; // kept for the copying onto the sheet
    HDC pictureDc_ = nullptr;
    int sheetUsed_ = 0;
    int fineDpiX_ = 0; // none made while 0
    int fineDpiY_ = 0;
    Bitmap fineSheet_;
    int fineUsed_ = 0;
    std::map<int, Bitmap> large_;
    std::map<int, Bitmap> scaled_;
    std::map<int, Picture> pictures_;
};
