#pragma once
#include "scoped_handles.h"

#include <windows.h>

#include <string>
#include <vector>

// A form's tooltip, drawn by the program itself as the classic forms toolkit drew its own: a
// small top-most window in the system's tooltip colours and font, shown after the system's
// hover time over a windowless control that has a text, just below the pointer.
class FormToolTip {
  public:
    FormToolTip() = default;
    ~FormToolTip();
    FormToolTip(const FormToolTip&) = delete;
    FormToolTip& operator=(const FormToolTip&) = delete;

    static void RegisterWindowClass(HINSTANCE instance);

    void Create(HINSTANCE instance, HWND form);
    // Adds the tool, or gives it its new text (UTF-8); an empty text shows no tip.
    void SetTool(int id, const RECT& rect, const std::string& text);
    void MoveTool(int id, const RECT& rect);

    // What the form's window reports: the pointer moved within its client area (at the
    // form's dots per inch), left it, a button or key was pressed.
    void MouseMoved(POINT client, int dpi);
    void MouseLeft();
    void Dismiss();
    // Hides the tip at once (the form hides, or the pointer has left).
    void Hide();

  private:
    struct Tool {
        int id = 0;
        RECT rect{};
        std::wstring text;
    };
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    const Tool* ToolAt(POINT client) const;
    Tool* Find(int id);
    void CreateWindowOnce();
    void HoverTimeUp();
    void Show(const Tool& tool);
    void MakeFont();
    void Paint();

    HINSTANCE instance_ = nullptr;
    HWND form_ = nullptr;
    HWND tip_ = nullptr; // made the first time a tip is due
    std::vector<Tool> tools_;
    int hovered_ = 0; // the tool under the pointer, 0 for none
    int pending_ = 0; // waits for the hover time
    int shown_ = 0;
    int quiet_ = 0; // pressed while under the pointer: no tip until the pointer leaves it
    bool tracking_ = false;
    int dpi_ = 96;
    int fontDpi_ = 0;
    Font font_;
};
