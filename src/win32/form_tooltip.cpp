#include "form_tooltip.h"

FormToolTip::~FormToolTip() {
    if (tip_) {
        DestroyWindow(tip_);
    }
}

void FormToolTip::Create(HINSTANCE instance, HWND form) {
    form_ = form;
    // Unowned: Wine links a window put into the topmost band below its owned popups and then
    // drops it out of the band, so an owned tooltip would cost the form its Stay On Top.
    tip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0,
                           0, 0, nullptr, nullptr, instance, nullptr);
}

TTTOOLINFOA FormToolTip::Tool(int id) const {
    TTTOOLINFOA tool{};
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
    TTTOOLINFOA tool = Tool(id);
    tool.rect = rect;
    tool.lpszText = const_cast<char*>(text.c_str());
    SendMessageA(tip_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageA(tip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void FormToolTip::MoveTool(int id, const RECT& rect) {
    if (!tip_) {
        return;
    }
    TTTOOLINFOA tool = Tool(id);
    tool.rect = rect;
    SendMessageA(tip_, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&tool));
}
