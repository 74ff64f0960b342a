#include "windowed_controls.h"

#include "wide_text.h"

void CreateWindowedControl(FormControl& c, HWND form, int id, HINSTANCE instance) {
    const ControlDesign& d = c.design;
    DWORD style = WS_CHILD | WS_TABSTOP | (d.visible ? WS_VISIBLE : 0);
    const wchar_t* className = L"EDIT";
    if (d.kind == ControlKind::TextBox) {
        style |= ES_AUTOHSCROLL | (d.readOnly ? ES_READONLY : 0);
    } else {
        className = L"BUTTON";
        style |= d.backColor ? BS_OWNERDRAW : BS_PUSHBUTTON;
    }
    const PixelRect r = c.InForm();
    // Unicode windows, so that they show the program's texts in every script.
    c.hwnd = CreateWindowExW(0, className, Wide(d.caption).c_str(), style, r.Left, r.Top,
                             r.Right - r.Left, r.Bottom - r.Top, form,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    SendMessageA(c.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(c.font.Get()), FALSE);
}

HBRUSH ColourWindowedControl(HDC dc, const FormControl& c, HBRUSH behind) {
    const ControlDesign& d = c.design;
    if (d.foreColor) {
        SetTextColor(dc, RGB(d.foreColor->r, d.foreColor->g, d.foreColor->b));
    }
    HBRUSH brush = c.background.Get() ? c.background.Get() : behind;
    LOGBRUSH lb{};
    if (brush && GetObject(brush, sizeof lb, &lb)) {
        SetBkColor(dc, lb.lbColor);
    }
    return brush ? brush : GetSysColorBrush(COLOR_WINDOW);
}

void DrawColouredButton(const DRAWITEMSTRUCT& item, const FormControl& c) {
    RECT r = item.rcItem;
    FillRect(item.hDC, &r, c.background.Get());
    DrawEdge(item.hDC, &r, (item.itemState & ODS_SELECTED) ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    wchar_t text[256] = {};
    GetWindowTextW(item.hwndItem, text, sizeof text / sizeof text[0]);
    SetBkMode(item.hDC, TRANSPARENT);
    {
        const SelectedObject font(item.hDC, c.font.Get());
        DrawTextW(item.hDC, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    if (item.itemState & ODS_FOCUS) {
        InflateRect(&r, -3, -3);
        DrawFocusRect(item.hDC, &r);
    }
}
