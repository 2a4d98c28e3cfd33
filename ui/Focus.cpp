#include "ui/Focus.h"
#include "ui/Form.h"

#include <vector>

namespace ui {
namespace {

int losingFocus = 0;  // controls inside their WM_KILLFOCUS

bool IsFrame(HWND window) { return GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_CONTROLPARENT; }

void Walk(HWND parent, std::vector<HWND>& windows) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    windows.push_back(child);
    if (IsFrame(child)) Walk(child, windows);
  }
}

Button* PushButton(HWND window) { return dynamic_cast<Button*>(Control::FromHwnd(window)); }

// A frame has the focus only when Windows handed it back from a child that was hidden itself.
bool HoldsFocus(HWND form, HWND window) { return CanTakeFocus(form, window) && !IsFrame(window); }

bool IsTabStop(HWND form, HWND window) {
  return (GetWindowLongA(window, GWL_STYLE) & WS_TABSTOP) && HoldsFocus(form, window);
}

// The first tab stop after the window that can take the focus, wrapping round; with no window, or
// one the walk does not reach, the first of the form. Null when no control can take the focus.
HWND NextTabStop(HWND form, HWND after) {
  std::vector<HWND> windows;
  Walk(form, windows);
  size_t start = 0;
  for (size_t i = 0; i < windows.size(); ++i)
    if (windows[i] == after) start = i + 1;
  for (size_t i = 0; i < windows.size(); ++i) {
    HWND window = windows[(start + i) % windows.size()];
    if (IsTabStop(form, window)) return window;
  }
  return nullptr;
}

// Where the focus goes when no control can take it: to the form, or, while the form is minimised
// and so can take it no more than its controls can, to no window.
void FocusForm(HWND form) {
  HWND target = IsIconic(form) ? nullptr : form;
  if (GetFocus() != target) SetFocus(target);
}

// An edit's whole text is selected, as the dialog manager does, so that typing replaces it.
void FocusControl(HWND control) {
  if (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
    SendMessageA(control, EM_SETSEL, 0, -1);
  SetFocus(control);
}

}  // namespace

// No control of a minimised form takes the focus, as in the dialog manager, so that no key reaches
// a control that cannot be seen.
bool CanTakeFocus(HWND form, HWND window) {
  if (!form || !window || window == form || !IsChild(form, window)) return false;
  if (IsIconic(form) || !IsWindowVisible(window)) return false;
  for (HWND at = window; at && at != form; at = GetParent(at))
    if (!IsWindowEnabled(at)) return false;
  return true;
}

LosingFocus::LosingFocus() { ++losingFocus; }
LosingFocus::~LosingFocus() { --losingFocus; }

void Form::ControlGotFocus(HWND control) {
  lastFocus_ = control;
  ShowDefault();
}

void Form::RestoreFocus() {
  if (HoldsFocus(window_, lastFocus_)) {
    SetFocus(lastFocus_);
  } else if (HWND next = NextTabStop(window_, lastFocus_)) {
    FocusControl(next);
  } else {
    FocusForm(window_);
  }
}

void Form::KeepFocusOnView() {
  if (!window_ || losingFocus || GetActiveWindow() != window_) return;
  HWND focus = GetFocus();
  if (HoldsFocus(window_, focus)) return;
  if (!focus || !IsChild(window_, focus)) return RestoreFocus();
  if (HWND next = NextTabStop(window_, focus)) FocusControl(next);
  else FocusForm(window_);  // never left on a hidden control
}

void Form::ShowDefault() {
  if (!window_) return;
  HWND focus = GetFocus();
  HWND look = default_ ? default_->hwnd() : nullptr;
  if (PushButton(focus) && IsChild(window_, focus)) look = focus;
  for (Control* control : controls_)
    if (Button* button = dynamic_cast<Button*>(control))
      button->SetDefaultLook(button->hwnd() == look);
}

// The focused push button takes Enter itself; otherwise the default button does, as in a dialog.
void Form::PressDialogKey(UINT id) {
  HWND focus = GetFocus();
  Control* target = id == IDOK ? default_ : cancel_;
  if (id == IDOK && PushButton(focus) && IsChild(window_, focus)) target = PushButton(focus);
  if (target && CanTakeFocus(window_, target->hwnd())) target->OnCommand(BN_CLICKED);
}

}  // namespace ui
