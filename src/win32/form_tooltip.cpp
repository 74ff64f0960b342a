#include "form_tooltip.h"

#include "wide_text.h"

FormToolTip::~FormToolTip() {
    if (tip_) {
        DestroyWindow(tip_);
    }
}

void FormToolTip::Create(HINSTANCE instance, HWND form) {
    form_ = form;
    // Unowned: Wine links a window put into the topmost band below its owned popups and then
    // drops it out of the band, so an owned tooltip would cost the form its Stay On Top.
    tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0,
                           0, 0, nullptr, nullptr, instance, nullptr);
}

TTTOOLINFOW FormToolTip::Tool(int id) const {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = form_;
    tool.uId = static_cast<UINT_PTR>(id);
    return tool;
}

void FormToolTip::SetTool(int id, const RECT& rect, const std::string& text) {
    if (!tip_) {
        return;
    }
    std::wstring wide = Wide(text);
    TTTOOLINFOW tool = Tool(id);
    tool.rect = rect;
    tool.lpszText = wide.data();
    SendMessageW(tip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void FormToolTip::MoveTool(int id, const RECT& rect) {
    if (!tip_) {
        return;
    }
    TTTOOLINFOW tool = Tool(id);
    tool.rect = rect;
    SendMessageW(tip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
}
