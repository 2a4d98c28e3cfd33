// Where the keyboard focus may rest in a form, and the tab order that leads there: the windows of
// the form in their Z order, frames (WS_EX_CONTROLPARENT) entered in place, as IsDialogMessage
// walks them for Tab.
#pragma once
#include <windows.h>

namespace ui {

// Whether the window lies in the form and can take the focus: it and every parent up to the form
// shown and enabled.
bool CanTakeFocus(HWND form, HWND window);
// The first tab stop after the window that can take the focus, wrapping round; with no window, or
// one the walk does not reach, the first of the form. Null when no control can take the focus.
HWND NextTabStop(HWND form, HWND after);
// Gives the control the focus; an edit's whole text is selected, as the dialog manager does, so
// that typing replaces it.
void FocusControl(HWND control);

}  // namespace ui
