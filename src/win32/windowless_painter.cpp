// The windowless controls: a form paints its pictures, labels and frames itself, into one
// memory bitmap blitted at once, and finds which of them lies under the mouse.
#include "form_window.h"

#include "wide_text.h"

#include <cstring>

namespace {

// The memory DC pictures are copied from, one for a whole painting: most pictures lie on one
// sheet, which then is selected once instead of once for each.
class PictureSource {
  public:
    explicit PictureSource(HDC like) : dc_(like) {}
    ~PictureSource() {
        if (old_) {
            SelectObject(dc_.Get(), old_);
        }
    }
    PictureSource(const PictureSource&) = delete;
    PictureSource& operator=(const PictureSource&) = delete;
    // The DC with the bitmap selected; nullptr when it cannot be.
    HDC With(HBITMAP bitmap) {
        if (!dc_) {
            return nullptr;
        }
        if (bitmap != selected_) {
            HGDIOBJ previous = SelectObject(dc_.Get(), bitmap);
            if (!previous || previous == HGDI_ERROR) {
                return nullptr;
            }
            old_ = old_ ? old_ : previous;
            selected_ = bitmap;
        }
        return dc_.Get();
    }

  private:
    MemoryDc dc_;
    HGDIOBJ old_ = nullptr; // selected back before the DC goes
    HBITMAP selected_ = nullptr;
};

// Keeps drawing inside the containers around a control, as a frame clips what it holds.
void ClipToContainers(HDC dc, const FormControl& c) {
    for (const PlacedControl* up = c.container; up; up = up->container) {
        const PixelRect r = up->InForm();
        IntersectClipRect(dc, r.Left, r.Top, r.Right, r.Bottom);
    }
}

// At more than 96 dpi a picture keeps its size on the screen: drawn down from its fine
// version with the smoothing filter, never pixel-doubled.
void DrawFinePicture(HDC dc, PictureSource& pictures, const FormControl& c, const RECT& r,
                     int dpi) {
    const Picture& p = c.picture;
    RECT to = r;
    if (!c.design.stretch) {
        const int width = MulDiv(p.size.cx, dpi, 96);
        const int height = MulDiv(p.size.cy, dpi, 96);
        // In the middle of its cell when smaller, as at 96 dpi.
        const int cellWidth = r.right - r.left;
        const int cellHeight = r.bottom - r.top;
        to.left = r.left + (width < cellWidth ? (cellWidth - width) / 2 : 0);
        to.top = r.top + (height < cellHeight ? (cellHeight - height) / 2 : 0);
        to.right = to.left + width;
        to.bottom = to.top + height;
    }
    HDC source = pictures.With(p.fine);
    if (!source) {
        return;
    }
    const int width = to.right - to.left;
    const int height = to.bottom - to.top;
    if (width == p.fineSize.cx && height == p.fineSize.cy) {
        BitBlt(dc, to.left, to.top, width, height, source, p.fineOrigin.x, p.fineOrigin.y, SRCCOPY);
    } else {
        SetStretchBltMode(dc, HALFTONE);
        POINT origin;
        SetBrushOrgEx(dc, 0, 0, &origin);
        StretchBlt(dc, to.left, to.top, width, height, source, p.fineOrigin.x, p.fineOrigin.y,
                   p.fineSize.cx, p.fineSize.cy, SRCCOPY);
        SetBrushOrgEx(dc, origin.x, origin.y, nullptr);
    }
}

void DrawPicture(HDC dc, PictureSource& pictures, const FormControl& c, const RECT& r, int dpi) {
    if (!c.picture.bitmap) {
        return;
    }
    if (c.picture.fine) { // fetched for a form of more than 96 dpi
        DrawFinePicture(dc, pictures, c, r, dpi);
        return;
    }
    HDC source = pictures.With(c.picture.bitmap);
    if (!source) {
        return;
    }
    const SIZE size = c.picture.size;
    if (c.design.stretch) {
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, source,
                   c.picture.origin.x, c.picture.origin.y, size.cx, size.cy, SRCCOPY);
    } else {
        // Unscaled, in the middle of its cell when smaller.
        const int width = r.right - r.left;
        const int height = r.bottom - r.top;
        const int x = r.left + (size.cx < width ? (width - size.cx) / 2 : 0);
        const int y = r.top + (size.cy < height ? (height - size.cy) / 2 : 0);
        BitBlt(dc, x, y, size.cx, size.cy, source, c.picture.origin.x, c.picture.origin.y, SRCCOPY);
    }
}

void DrawLabel(HDC dc, const FormControl& c, const RECT& r) {
    if (c.background.Get()) {
        FillRect(dc, &r, c.background.Get());
    }
    const ControlDesign& d = c.design;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, d.foreColor ? RGB(d.foreColor->r, d.foreColor->g, d.foreColor->b) : 0);
    const SelectedObject font(dc, c.font.Get());
    RECT box = r;
    DrawTextW(dc, Wide(c.text).c_str(), -1, &box,
              DT_LEFT | DT_TOP | DT_NOPREFIX | (d.wordWrap ? DT_WORDBREAK : DT_SINGLELINE));
}

} // namespace

HBRUSH FormWindow::BrushBehind(const FormControl& c) const {
    for (const FormControl* up = c.Container(); up; up = up->Container()) {
        if (up->background.Get()) {
            return up->background.Get();
        }
    }
    return background_.Get();
}

void FormWindow::Paint() {
    const PaintDc screen(hwnd_);
    const RECT dirty = screen.Invalid();
    const int width = dirty.right - dirty.left;
    const int height = dirty.bottom - dirty.top;
    if (!screen || width <= 0 || height <= 0) {
        return;
    }
    // Drawn off the screen and blitted at once, so nothing flickers; straight onto the screen
    // when the system has no memory for that, never a blit of a bitmap not drawn.
    const MemoryDc memory(screen.Get());
    const Bitmap bitmap(memory ? CreateCompatibleBitmap(screen.Get(), width, height) : nullptr);
    const SelectedObject into(memory.Get(), bitmap.Get());
    if (!into) {
        PaintWindowless(screen.Get(), dirty);
        return;
    }
    SetViewportOrgEx(memory.Get(), -dirty.left, -dirty.top, nullptr);
    PaintWindowless(memory.Get(), dirty);
    SetViewportOrgEx(memory.Get(), 0, 0, nullptr);
    BitBlt(screen.Get(), dirty.left, dirty.top, width, height, memory.Get(), 0, 0, SRCCOPY);
}

void FormWindow::PaintWindowless(HDC dc, const RECT& dirty) {
    FillRect(dc, &dirty, background_.Get());
    PictureSource pictures(dc);
    for (const auto& owned : controls_) {
        const FormControl& c = *owned;
        RECT r = ToRect(c.InForm());
        RECT overlap;
        if (!c.Windowless() || !c.Shown() || !IntersectRect(&overlap, &r, &dirty)) {
            continue;
        }
        const int saved = SaveDC(dc);
        ClipToContainers(dc, c);
        switch (c.design.kind) {
        case ControlKind::Image:
            FillRect(dc, &r, BrushBehind(c));
            DrawPicture(dc, pictures, c, r, Dpi());
            if (c.borderStyle == 1) {
                FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
            }
            break;
        case ControlKind::Label:
            DrawLabel(dc, c, r);
            break;
        default: // frames and picture boxes: their background
            FillRect(dc, &r, c.background.Get() ? c.background.Get() : BrushBehind(c));
            break;
        }
        RestoreDC(dc, saved);
    }
}

FormControl* FormWindow::HitTest(PixelPoint p) {
    return TopmostAt(controls_, p);
}

// A one-line label as wide as its text, so that no font's metrics cut off its last word.
void FormWindow::FitLabel(FormControl& c) {
    if (c.design.kind != ControlKind::Label || c.design.wordWrap || c.text.empty()) {
        return;
    }
    const int width = TextWidth(c, c.text);
    if (width > c.placed.Right - c.placed.Left) {
        c.placed.Right = c.placed.Left + width;
    }
}

int FormWindow::TextWidth(const FormControl& c, const std::string& text) {
    SIZE extent{};
    {
        const WindowDc dc(hwnd_);
        const SelectedObject font(dc.Get(), c.font.Get());
        const std::wstring wide = Wide(text);
        GetTextExtentPoint32W(dc.Get(), wide.c_str(), static_cast<int>(wide.size()), &extent);
    }
    if (c.hwnd && c.design.kind == ControlKind::TextBox) {
        const LRESULT margins = SendMessageA(c.hwnd, EM_GETMARGINS, 0, 0);
        extent.cx += LOWORD(margins) + HIWORD(margins);
    }
    return extent.cx;
}
