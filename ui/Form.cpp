#include "ui/Form.h"
#include "ui/App.h"
#include "ui/Focus.h"
#include "ui/Monitors.h"
#include "ui/Twips.h"
#include <windowsx.h>
#include <cstdlib>

namespace ui {
namespace {

DWORD StyleOf(const FormArgs& args) {
  DWORD style = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  if (args.border == BorderStyle::FixedDialog) return style | WS_POPUP | DS_MODALFRAME;
  style |= WS_OVERLAPPED;
  if (args.border == BorderStyle::Sizable) style |= WS_THICKFRAME;
  if (args.minButton) style |= WS_MINIMIZEBOX;
  if (args.maxButton) style |= WS_MAXIMIZEBOX;
  return style;
}

DWORD ExStyleOf(const FormArgs& args) {
  DWORD exStyle = WS_EX_CONTROLPARENT;
  if (args.border == BorderStyle::FixedDialog) exStyle |= WS_EX_DLGMODALFRAME;
  return exStyle;
}

bool IsOption(HWND window) { return dynamic_cast<OptionButton*>(Control::FromHwnd(window)); }

// Option buttons that follow one another in a parent form one group, which the arrow keys go
// round: the first of them and the first control after them each start a group.
void MarkGroupStart(HWND window) {
  HWND previous = GetWindow(window, GW_HWNDPREV);
  if (IsOption(window) != (previous && IsOption(previous)))
    SetWindowLongA(window, GWL_STYLE, GetWindowLongA(window, GWL_STYLE) | WS_GROUP);
}

RECT OuterRect(const Form& form) {
  RECT rect{};
  if (form.hwnd()) GetWindowRect(form.hwnd(), &rect);
  return rect;
}

}  // namespace

Form::Form(FormArgs args) : args_(std::move(args)) {}

Form::~Form() {
  if (window_ && IsWindow(window_)) DestroyWindow(window_);
  FormUnloaded(this);
}

void Form::Load(HWND owner) {
  if (Loaded()) return;
  InitCommonControls();
  lastFocus_ = nullptr;
  RECT outer{0, 0, ToPixelsX(args_.width), ToPixelsY(args_.height)};
  AdjustWindowRectEx(&outer, StyleOf(args_), FALSE, ExStyleOf(args_));
  int width = outer.right - outer.left, height = outer.bottom - outer.top;
  CreateWindowExA(ExStyleOf(args_), WindowClass(), args_.caption.c_str(), StyleOf(args_),
                  (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                  (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, owner, nullptr,
                  GetModuleHandleA(nullptr), static_cast<Container*>(this));
  if (!window_) return;
  GetWindowRect(window_, &normalPlace_);
  if (args_.icon) {
    SendMessageA(window_, WM_SETICON, ICON_BIG, LPARAM(args_.icon));
    SendMessageA(window_, WM_SETICON, ICON_SMALL, LPARAM(args_.icon));
  }
  CreateControls();
  if (GetMenu(window_)) {
    RECT withMenu{0, 0, ToPixelsX(args_.width), ToPixelsY(args_.height)};
    AdjustWindowRectEx(&withMenu, StyleOf(args_), TRUE, ExStyleOf(args_));
    height = withMenu.bottom - withMenu.top;
    SetWindowPos(window_, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  FormLoaded(this);
  Form_Load();
}

void Form::Unload() {
  if (!Loaded() || unloading_) return;
  int cancel = 0;
  unloading_ = true;  // a box that Form_Unload shows must not let a second unload in
  Form_Unload(cancel);
  unloading_ = false;
  if (cancel || !Loaded()) return;
  for (Timer* timer : timers_) timer->Unbind();
  timers_.clear();
  if (modalOwner_) EnableWindow(modalOwner_, TRUE);
  DestroyWindow(window_);
  window_ = nullptr;
  for (Control* control : controls_) control->Detach();
  controls_.clear();
  lastFocus_ = nullptr;
  default_ = cancel_ = nullptr;
  owned_.clear();
  menus_.Detach();
  pointer_ = Pointer::Default;
  FormUnloaded(this);
}

void Form::Show() {
  Load();
  if (!Loaded()) return;
  bool inView = IsWindowVisible(window_);
  ShowWindow(window_, SW_SHOW);
  // Shown while already in view, the window comes to the front, as a click on it would bring it.
  if (inView && !IsIconic(window_)) SetForegroundWindow(window_);
  UpdateWindow(window_);
  KeepFocusOnView();
}

void Form::Hide() {
  if (Loaded()) ShowWindow(window_, SW_HIDE);
}

void Form::ShowModal(Form* owner) {
  HWND ownerWindow = owner ? owner->hwnd() : nullptr;
  if (Loaded()) SetWindowLongPtrA(window_, GWLP_HWNDPARENT, LONG_PTR(ownerWindow));
  else Load(ownerWindow);
  if (!Loaded()) return;
  modalOwner_ = ownerWindow;
  if (ownerWindow) EnableWindow(ownerWindow, FALSE);
  Show();
  MSG message;
  while (Loaded()) {
    BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got <= 0) {
      PostQuitMessage(int(message.wParam));
      break;
    }
    RouteMessage(window_, message);
  }
  if (ownerWindow && IsWindow(ownerWindow)) {
    EnableWindow(ownerWindow, TRUE);
    SetActiveWindow(ownerWindow);
  }
  modalOwner_ = nullptr;
}

std::string Form::Caption() const {
  if (!window_) return args_.caption;
  char text[256] = "";
  GetWindowTextA(window_, text, sizeof text);
  return text;
}

void Form::SetCaption(const std::string& caption) {
  args_.caption = caption;
  if (window_) SetWindowTextA(window_, caption.c_str());
}

int Form::Left() const { return ToTwipsX(OuterRect(*this).left); }
int Form::Top() const { return ToTwipsY(OuterRect(*this).top); }
// A minimised window stands far off the screen and a maximised one covers its monitor; either
// comes back to the last place it had in the normal state.
RECT Form::RestoredRect() const {
  if (window_ && (IsIconic(window_) || IsZoomed(window_))) return normalPlace_;
  return OuterRect(*this);
}

int Form::RestoredLeft() const { return ToTwipsX(RestoredRect().left); }
int Form::RestoredTop() const { return ToTwipsY(RestoredRect().top); }

bool Form::ShowsInWorkArea(int left, int top) const {
  RECT outer = OuterRect(*this);
  RECT moved{ToPixelsX(left), ToPixelsY(top), 0, 0};
  moved.right = moved.left + (outer.right - outer.left);
  moved.bottom = moved.top + (outer.bottom - outer.top);
  return ShowsInAWorkArea(moved);
}

int Form::Width() const {
  RECT rect = OuterRect(*this);
  return ToTwipsX(rect.right - rect.left);
}
int Form::Height() const {
  RECT rect = OuterRect(*this);
  return ToTwipsY(rect.bottom - rect.top);
}

void Form::Move(int left, int top) {
  if (window_)
    SetWindowPos(window_, nullptr, ToPixelsX(left), ToPixelsY(top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Form::Minimized() const { return window_ && IsIconic(window_); }

void Form::SetWindowState(int state) {
  if (!window_) return;
  if (state == 1) ShowWindow(window_, SW_MINIMIZE);
  else if (IsIconic(window_)) ShowWindow(window_, SW_RESTORE);
}

void Form::SetMousePointer(Pointer pointer) {
  pointer_ = pointer;
  if (!window_) return;
  POINT cursor;
  GetCursorPos(&cursor);
  HWND under = WindowFromPoint(cursor);
  if (under && TopLevel(under) == window_)
    SetCursor(LoadCursor(nullptr, pointer == Pointer::Hourglass ? IDC_WAIT : IDC_ARROW));
}

Control* Form::Find(const std::string& name, int index) const {
  std::string base = name;
  size_t open = name.find('(');
  if (index < 0 && open != std::string::npos) {
    base = name.substr(0, open);
    index = std::atoi(name.c_str() + open + 1);
  }
  for (Control* control : controls_)
    if (control->Name() == base && (index < 0 || control->Index() == index)) return control;
  return nullptr;
}

MenuItem* Form::FindMenu(const std::string& name, int index) const {
  return menus_.Find(name, index);
}

Timer* Form::FindTimer(const std::string& name) const {
  for (Timer* timer : timers_)
    if (timer->Name() == name) return timer;
  return nullptr;
}

void Form::AddControls(const ControlRow* rows, int count) {
  for (int i = 0; i < count; ++i) {
    const ControlRow& row = rows[i];
    CreateArgs args;
    args.parent = row.parent ? row.parent->hwnd() : window_;
    args.name = row.name;
    args.index = row.index;
    args.caption = row.caption ? row.caption : "";
    args.left = row.left;
    args.top = row.top;
    args.width = row.width;
    args.height = row.height;
    args.flags = row.flags;
    row.control->Create(args);
    if (row.control->hwnd()) MarkGroupStart(row.control->hwnd());
    if (row.flags & Default) default_ = row.control;
    if (row.flags & Cancel) cancel_ = row.control;
    if (row.click) row.control->onClick = row.click;
    controls_.push_back(row.control);
  }
}

void Form::AddControls(std::initializer_list<ControlRow> rows) {
  AddControls(rows.begin(), int(rows.size()));
}

void Form::AddMenus(const MenuRow* rows, int count) { menus_.Build(window_, rows, count); }

void Form::AddMenus(std::initializer_list<MenuRow> rows) {
  AddMenus(rows.begin(), int(rows.size()));
}

void Form::AddTimer(Timer& timer, const char* name, int interval, bool enabled,
                    std::function<void()> tick) {
  timer.Unbind();
  timer.SetInterval(interval);
  timer.SetEnabled(enabled);
  timer.onTimer = std::move(tick);
  timer.Bind(window_, nextTimerId_++, name);
  timers_.push_back(&timer);
}

LRESULT Form::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (lParam == 0) {
        // Menu ids start above IDOK and IDCANCEL, which Enter and Esc send.
        if (wParam == IDOK || wParam == IDCANCEL) PressDialogKey(UINT(wParam));
        else if (MenuItem* item = menus_.FindById(LOWORD(wParam)))
          if (item->onClick) item->onClick();
        KeepFocusOnView();
        return 0;
      }
      break;
    case WM_TIMER:
      for (Timer* timer : timers_)
        if (timer->Id() == wParam) {
          timer->Tick();
          break;
        }
      KeepFocusOnView();
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam)) {
        RestoreFocus();
        return 0;
      }
      break;
    case WM_SETFOCUS:
      RestoreFocus();
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      if (wParam) EndSession();
      return 0;
    case WM_CLOSE:
      Unload();
      return 0;
    case WM_WINDOWPOSCHANGED:
      // Kept in screen coordinates as the window moves: the placement's normal place is in
      // workspace coordinates on Windows and in screen coordinates under Wine.
      if (!IsIconic(window) && !IsZoomed(window)) GetWindowRect(window, &normalPlace_);
      break;
    case WM_SIZE:
      KeepFocusOnView();  // off the controls when minimised, back to the last one when restored
      for (Control* control : controls_) {
        if (auto* bar = dynamic_cast<StatusBar*>(control)) {
          SendMessageA(bar->hwnd(), WM_SIZE, 0, 0);
          bar->Layout();
        } else if (auto* tools = dynamic_cast<Toolbar*>(control)) {
          tools->Layout();
        }
      }
      Form_Resize();
      return 0;
  }
  return Container::HandleMessage(window, message, wParam, lParam);
}

void Form::OnContainerMouseMove(WPARAM keys, int x, int y) {
  Form_MouseMove(MouseButtons(keys), ShiftKeys(keys), ToTwipsX(x), ToTwipsY(y));
}

}  // namespace ui
