#include "ui/Container.h"
#include "ui/Control.h"
#include "ui/Form.h"
#include <windowsx.h>

namespace ui {
namespace {

const char kClassName[] = "BrenvikContainer";

// Tool tips and other helper windows forward their notifications through the control that made
// them; the control marks them with the same property as its own window.
Control* Sender(HWND window) { return Control::FromHwnd(window); }

int Lightness(COLORREF color) {
  return (299 * GetRValue(color) + 587 * GetGValue(color) + 114 * GetBValue(color)) / 1000;
}

// A colour of the program's own, such as a link's blue, is kept only where it reads on the
// scheme's face colour; on a dark face the scheme's own text colour is taken instead.
bool Contrasts(COLORREF text, COLORREF face) {
  int difference = Lightness(text) - Lightness(face);
  return difference > 100 || difference < -100;
}

// What a control's event did may have hidden or disabled the control with the focus.
void KeepFocus(HWND container) {
  if (!IsWindow(container)) return;
  if (Form* form = Container::OwningForm(container)) form->KeepFocusOnView();
}

}  // namespace

const char* Container::WindowClass() {
  static bool registered = false;
  if (!registered) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = Proc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = HBRUSH(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    RegisterClassExA(&windowClass);
    registered = true;
  }
  return kClassName;
}

Container* Container::FromHwnd(HWND window) {
  if (!window) return nullptr;
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  if (lstrcmpiA(name, kClassName) != 0) return nullptr;
  return reinterpret_cast<Container*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

Form* Container::OwningForm(HWND window) {
  return dynamic_cast<Form*>(FromHwnd(TopLevel(window)));
}

HWND Container::TopLevel(HWND window) {
  while (window && (GetWindowLongA(window, GWL_STYLE) & WS_CHILD)) window = GetParent(window);
  return window;
}

LRESULT CALLBACK Container::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    auto* self = static_cast<Container*>(create->lpCreateParams);
    SetWindowLongPtrA(window, GWLP_USERDATA, LONG_PTR(self));
    if (self) self->window_ = window;
  }
  auto* self = reinterpret_cast<Container*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self) return DefWindowProcA(window, message, wParam, lParam);
  LRESULT result = self->HandleMessage(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    if (self->window_ == window) self->window_ = nullptr;
  }
  return result;
}

LRESULT Container::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (Control* control = Sender(HWND(lParam))) {
        control->OnCommandFrom(wParam);
        KeepFocus(window);
        return 0;
      }
      break;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (Control* control = Sender(header->hwndFrom)) {
        LRESULT result = control->OnNotify(header);
        if (header->code == TCN_SELCHANGE) KeepFocus(window);
        return result;
      }
      break;
    }
    case WM_SETCURSOR: {
      HCURSOR cursor = nullptr;
      Form* form = OwningForm(window);
      if (form && form->MousePointer() == Pointer::Hourglass) cursor = LoadCursor(nullptr, IDC_WAIT);
      else if (Control* control = Control::FromHwnd(HWND(wParam))) cursor = control->CursorFor();
      if (cursor && LOWORD(lParam) == HTCLIENT) {
        SetCursor(cursor);
        return TRUE;
      }
      break;
    }
    case WM_MOUSEMOVE:
      OnContainerMouseMove(wParam, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      RECT client;
      GetClientRect(window, &client);
      OnPaint(dc, client);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_PRINTCLIENT: {
      RECT client;
      GetClientRect(window, &client);
      OnPaint(HDC(wParam), client);
      return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      COLORREF face = GetSysColor(COLOR_BTNFACE), text = GetSysColor(COLOR_BTNTEXT);
      if (Control* control = Control::FromHwnd(HWND(lParam)))
        if (control->HasForeColor() && Contrasts(control->ForeColor(), face))
          text = control->ForeColor();
      SetBkColor(HDC(wParam), face);
      SetTextColor(HDC(wParam), text);
      return LRESULT(GetSysColorBrush(COLOR_BTNFACE));
    }
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void Container::OnPaint(HDC, const RECT&) {}
void Container::OnContainerMouseMove(WPARAM, int, int) {}

}  // namespace ui
