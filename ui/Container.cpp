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
        return 0;
      }
      break;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (Control* control = Sender(header->hwndFrom)) return control->OnNotify(header);
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
    case WM_CTLCOLORBTN:
      SetBkColor(HDC(wParam), GetSysColor(COLOR_BTNFACE));
      if (Control* control = Control::FromHwnd(HWND(lParam)))
        if (control->HasForeColor()) SetTextColor(HDC(wParam), control->ForeColor());
      return LRESULT(GetSysColorBrush(COLOR_BTNFACE));
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void Container::OnPaint(HDC, const RECT&) {}
void Container::OnContainerMouseMove(WPARAM, int, int) {}

}  // namespace ui
