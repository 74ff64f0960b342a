#pragma once
#include <windows.h>

#include <commctrl.h>

#include <string>

// One tooltip window for a whole form, with one tool per windowless control that has a text.
class FormToolTip {
  public:
    FormToolTip() = default;
    ~FormToolTip();
    FormToolTip(const FormToolTip&) = delete;
    FormToolTip& operator=(const FormToolTip&) = delete;

    void Create(HINSTANCE instance, HWND form);
    // Adds the tool, or gives it its new text (UTF-8).
    void SetTool(int id, const RECT& rect, const std::string& text);
    void MoveTool(int id, const RECT& rect);

  private:
    TTTOOLINFOW Tool(int id) const;
    HWND form_ = nullptr;
    HWND tip_ = nullptr;
};
