// Where the keyboard focus may rest in a form. Focus.cpp also keeps the forms' focus, in the tab
// order that IsDialogMessage walks for Tab: the windows in their Z order, frames
// (WS_EX_CONTROLPARENT) entered in place.
#pragma once
#include <windows.h>

namespace ui {

// Whether the window lies in the form and can take the focus: it and every parent up to the form
// shown and enabled.
bool CanTakeFocus(HWND form, HWND window);

// Held while a control handles the loss of its focus. The notifications it sends meanwhile (a
// combo box's CBN_SELENDCANCEL and CBN_KILLFOCUS) move no focus: given back to the control there,
// the focus would stay with a combo box that believes it has lost it and draws no highlight. The
// form sees to the focus when it arrives.
class LosingFocus {
 public:
  LosingFocus();
  ~LosingFocus();
  LosingFocus(const LosingFocus&) = delete;
  LosingFocus& operator=(const LosingFocus&) = delete;
};

}  // namespace ui
