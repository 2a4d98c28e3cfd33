// A window that holds controls: a form, a frame or a picture box. Its window procedure reflects
// WM_COMMAND and WM_NOTIFY to the control that sent them and asks the owning form for the mouse
// pointer; everything else goes to the container's own handlers.
#pragma once
#include <windows.h>

namespace ui {

class Form;

class Container {
 public:
  virtual ~Container() = default;
  HWND ContainerWindow() const { return window_; }

  // The registered class of every container window; lpCreateParams carries the Container*.
  static const char* WindowClass();
  static Container* FromHwnd(HWND window);
  static Form* OwningForm(HWND window);
  // The top-level window that holds the window (itself when it is one).
  static HWND TopLevel(HWND window);

 protected:
  virtual LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  virtual void OnPaint(HDC dc, const RECT& client);
  virtual void OnContainerMouseMove(WPARAM keys, int x, int y);

  HWND window_ = nullptr;

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace ui
