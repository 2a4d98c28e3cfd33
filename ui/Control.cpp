#include "ui/Control.h"
#include "ui/Container.h"
#include "ui/Focus.h"
#include "ui/Form.h"
#include "ui/Twips.h"
#include <windowsx.h>

namespace ui {
namespace {

const char kControlProp[] = "ui.control";

HFONT MakeFont(int weight) {
  HDC screen = GetDC(nullptr);
  int height = -MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  return CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_SWISS, "MS Shell Dlg");
}

const char kOriginalProcProp[] = "ui.proc";

// Every control window is subclassed so that its mouse moves reach the control's event. The
// window procedure is swapped with SetWindowLongA: the subclass calls of the common controls
// exist only in their version 6.
LRESULT CALLBACK ControlSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto original = reinterpret_cast<WNDPROC>(GetPropA(window, kOriginalProcProp));
  if (message == WM_MOUSEMOVE) {
    if (Control* control = Control::FromHwnd(window))
      control->OnMouseMove(wParam, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
  } else if (message == WM_SETFOCUS) {
    if (Form* form = Container::OwningForm(window)) form->ControlGotFocus(window);
  } else if (message == WM_KILLFOCUS) {
    LosingFocus losing;
    return CallWindowProcA(original, window, message, wParam, lParam);
  } else if (message == WM_NCDESTROY) {
    RemovePropA(window, kOriginalProcProp);
    RemovePropA(window, kControlProp);
  }
  return CallWindowProcA(original, window, message, wParam, lParam);
}

void Subclass(HWND window) {
  if (GetPropA(window, kOriginalProcProp)) return;
  LONG original = GetWindowLongA(window, GWL_WNDPROC);
  SetPropA(window, kOriginalProcProp, reinterpret_cast<HANDLE>(original));
  SetWindowLongA(window, GWL_WNDPROC, reinterpret_cast<LONG>(ControlSubclass));
}

}  // namespace

HFONT NormalFont() {
  static HFONT font = MakeFont(FW_NORMAL);
  return font;
}

HFONT BoldFont() {
  static HFONT font = MakeFont(FW_BOLD);
  return font;
}

int MouseButtons(WPARAM keys) {
  return ((keys & MK_LBUTTON) ? 1 : 0) | ((keys & MK_RBUTTON) ? 2 : 0) |
         ((keys & MK_MBUTTON) ? 4 : 0);
}

int ShiftKeys(WPARAM keys) {
  return ((keys & MK_SHIFT) ? 1 : 0) | ((keys & MK_CONTROL) ? 2 : 0);
}

Control::~Control() {
  if (hwnd_ && IsWindow(hwnd_)) RemovePropA(hwnd_, kControlProp);
}

void Control::Detach() { hwnd_ = nullptr; }

Control* Control::FromHwnd(HWND window) {
  return window ? static_cast<Control*>(GetPropA(window, kControlProp)) : nullptr;
}

std::string Control::FullName() const {
  return index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")";
}

void Control::CreateWindowFor(const char* windowClass, DWORD style, DWORD exStyle,
                              const CreateArgs& args, void* param) {
  if (!(args.flags & Hidden)) style |= WS_VISIBLE;
  if (args.flags & Disabled) style |= WS_DISABLED;
  HWND window = CreateWindowExA(exStyle, windowClass, args.caption.c_str(),
                                style | WS_CHILD | WS_CLIPSIBLINGS, ToPixelsX(args.left),
                                ToPixelsY(args.top), ToPixelsX(args.width),
                                ToPixelsY(args.height), args.parent, nullptr,
                                GetModuleHandleA(nullptr), param);
  Attach(window, args);
}

void Control::Attach(HWND window, const CreateArgs& args) {
  hwnd_ = window;
  name_ = args.name;
  index_ = args.index;
  pointer_ = Pointer::Default;
  customCursor_ = nullptr;
  if (!hwnd_) return;
  SetPropA(hwnd_, kControlProp, this);
  Subclass(hwnd_);
  bold_ = false;
  SetBold((args.flags & Bold) != 0);
}

bool Control::Visible() const {
  return hwnd_ && (GetWindowLongA(hwnd_, GWL_STYLE) & WS_VISIBLE);
}

void Control::SetVisible(bool visible) {
  if (hwnd_) ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
}

bool Control::Enabled() const { return hwnd_ && IsWindowEnabled(hwnd_); }

void Control::SetEnabled(bool enabled) {
  if (hwnd_) EnableWindow(hwnd_, enabled);
}

std::string Control::Caption() const {
  if (!hwnd_) return {};
  std::string text(GetWindowTextLengthA(hwnd_) + 1, '\0');
  text.resize(GetWindowTextA(hwnd_, &text[0], int(text.size())));
  return text;
}

void Control::SetCaption(const std::string& text) {
  if (hwnd_) SetWindowTextA(hwnd_, text.c_str());
}

void Control::SetBold(bool bold) {
  bold_ = bold;
  if (hwnd_) SendMessageA(hwnd_, WM_SETFONT, WPARAM(bold ? BoldFont() : NormalFont()), TRUE);
}

void Control::SetMousePointer(Pointer pointer, HCURSOR custom) {
  pointer_ = pointer;
  customCursor_ = custom;
}

void Control::SetForeColor(COLORREF color) {
  hasForeColor_ = true;
  foreColor_ = color;
  if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

HCURSOR Control::CursorFor() const {
  switch (pointer_) {
    case Pointer::Arrow: return LoadCursor(nullptr, IDC_ARROW);
    case Pointer::Hourglass: return LoadCursor(nullptr, IDC_WAIT);
    case Pointer::Custom: return customCursor_;
    default: return nullptr;
  }
}

RECT Control::PlaceInPixels() const {
  RECT place{};
  if (!hwnd_) return place;
  GetWindowRect(hwnd_, &place);
  MapWindowPoints(HWND_DESKTOP, GetParent(hwnd_), reinterpret_cast<POINT*>(&place), 2);
  return place;
}

int Control::Left() const { return ToTwipsX(PlaceInPixels().left); }
int Control::Top() const { return ToTwipsY(PlaceInPixels().top); }
int Control::Width() const {
  RECT place = PlaceInPixels();
  return ToTwipsX(place.right - place.left);
}
int Control::Height() const {
  RECT place = PlaceInPixels();
  return ToTwipsY(place.bottom - place.top);
}

void Control::Move(int left, int top, int width, int height) {
  if (hwnd_)
    MoveWindow(hwnd_, ToPixelsX(left), ToPixelsY(top), ToPixelsX(width), ToPixelsY(height), TRUE);
}

void Control::OnCommand(int) {}
LRESULT Control::OnNotify(NMHDR*) { return 0; }

void Control::OnMouseMove(WPARAM keys, int x, int y) {
  if (onMouseMove) onMouseMove(MouseButtons(keys), ShiftKeys(keys), ToTwipsX(x), ToTwipsY(y));
}

}  // namespace ui
