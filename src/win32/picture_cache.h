#pragma once
#include "scoped_handles.h"
#include "shared/packed_dib.h"

#include <cstdint>
#include <map>

// A picture to draw: a part of a bitmap, from origin, of size (its pixels at 96 dpi); and, for a
// form of more dots per inch, a finer one to draw it from at its size there: small pictures
// doubled without pixel doubling's steps, large ones scaled once with a smoothing filter to the
// form's size.
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
// a sheet, so that they cost one GDI object instead of 64, and their doublings another.
class PictureCache {
  public:
    explicit PictureCache(HINSTANCE instance) : instance_(instance) {}
    PictureCache(const PictureCache&) = delete;
    PictureCache& operator=(const PictureCache&) = delete;
    // The picture for a form of this resolution; an empty one when there is no such bitmap. Fine
    // versions are made the first time a resolution above 96 dpi asks for them.
    Picture Get(int resource, int dpi);

  private:
    static constexpr int kCell = 32; // the largest picture that goes onto the sheet
    // Side by side, each as wide as it is: room for some 80 emoticons of 18 pixels.
    static constexpr int kSheetWidth = 1536;
    static constexpr int kFineCell = 2 * 20; // small pictures up to 20 pixels are doubled
    static constexpr int kFineColumns = 16;
    static constexpr int kFineRows = 5;
    // What the maps file under a resource: its picture as loaded (0), its doubling (1), its
    // scaling for a resolution (that resolution).
    static int Key(int resource, int version) { return resource * 1024 + version; }

    Picture Loaded(int resource);
    // A small picture copied onto the sheet straight from its resource, with no bitmap of its
    // own made and deleted on the way; false when it does not fit or the sheet is full.
    bool AddToSheet(int resource, Picture& picture);
    // A picture whose fine version alone is filled in.
    Picture FineVersion(int resource, SIZE size, int dpi);
    Picture Doubled(const DibPixels& small);
    Picture Scaled(HBITMAP loaded, SIZE size, int resource, int dpi);

    HINSTANCE instance_;
    Bitmap sheet_;
    std::uint32_t* sheetBits_ = nullptr; // its pixels, top-down rows
    int sheetUsed_ = 0;                  // pixels of its width
    Bitmap fineSheet_;
    std::uint32_t* fineBits_ = nullptr; // its pixels, top-down rows
    int fineUsed_ = 0;
    std::map<int, Bitmap> bitmaps_;   // large pictures and scalings, by Key
    std::map<int, Picture> pictures_; // by Key
};
