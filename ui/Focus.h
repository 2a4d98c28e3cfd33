// Where the keyboard focus may rest in a form. Focus.cpp also keeps the forms' focus, in the tab
// order that IsDialogMessage walks for Tab: the windows in their Z order, frames
// (WS_EX_CONTROLPARENT) entered in place.
#pragma once
#include <windows.h>

namespace ui {

// Whether the window lies in the form and can take the focus: it and every parent up to the form
// shown and enabled.
bool CanTakeFocus(HWND form, HWND window);

}  // namespace ui
