#pragma once
#include "form_control.h"

// The controls that take the focus, as child windows of their form: text boxes and buttons.
// id is the child id the form finds the control by again.
void CreateWindowedControl(FormControl& control, HWND form, int id, HINSTANCE instance);

// Colours of a text box or button: its own, else those of the brush behind it.
HBRUSH ColourWindowedControl(HDC dc, const FormControl& control, HBRUSH behind);

// A button with a background colour of its own is drawn by its form.
void DrawColouredButton(const DRAWITEMSTRUCT& item, const FormControl& control);
