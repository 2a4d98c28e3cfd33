// A form: a top-level window created from a table of its controls, with its menus and timers.
// It is loaded on first use (Load, Show or ShowModal), runs Form_Load then, and runs Form_Unload
// when it is unloaded; unloading destroys its window, and the next use loads it afresh.
#pragma once
#include "ui/CommonControls.h"
#include "ui/Container.h"
#include "ui/Controls.h"
#include "ui/Menu.h"
#include "ui/Timer.h"
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ui {

// One row of a form's table of controls. Places are in twips relative to the parent; a parent of
// nullptr is the form itself.
struct ControlRow {
  Control* control;
  const char* name;
  int index;  // position in a control array, -1 when not in one
  const char* caption;
  Control* parent;
  int left, top, width, height;
  std::function<void()> click = {};
  unsigned flags = 0;
};

enum class BorderStyle { FixedSingle, Sizable, FixedDialog };

struct FormArgs {
  std::string caption;
  int width = 4800, height = 3600;  // client area, twips
  BorderStyle border = BorderStyle::FixedSingle;
  bool minButton = true;
  bool maxButton = false;
  HICON icon = nullptr;
};

class Form : public Container {
 public:
  explicit Form(FormArgs args);
  ~Form() override;

  void Load(HWND owner = nullptr);
  void Unload();
  bool Loaded() const { return window_ != nullptr; }
  void Show();
  void Hide();
  // Shows the form and waits until it is unloaded; the owner is disabled meanwhile.
  void ShowModal(Form* owner);
  HWND hwnd() const { return window_; }

  std::string Caption() const;
  void SetCaption(const std::string& caption);
  int Left() const;  // twips, the outer window on the screen
  int Top() const;
  // Left and Top of the place a minimised or maximised window comes back to; of a normal window,
  // Left and Top.
  int RestoredLeft() const;
  int RestoredTop() const;
  // Whether the window, moved to left, top (twips), would show a part of itself in the work area
  // of a monitor.
  bool ShowsInWorkArea(int left, int top) const;
  int Width() const;
  int Height() const;
  void Move(int left, int top);
  bool Minimized() const;
  void SetWindowState(int state);  // 0 normal, 1 minimised
  Pointer MousePointer() const { return pointer_; }
  void SetMousePointer(Pointer pointer);

  // Lookup for code and tests: "Frame1", 0 or "Frame1(0)".
  Control* Find(const std::string& name, int index = -1) const;
  MenuItem* FindMenu(const std::string& name, int index = -1) const;
  Timer* FindTimer(const std::string& name) const;
  HMENU MenuHandle() const { return menus_.Handle(); }
  const std::vector<Control*>& Controls() const { return controls_; }

  virtual void Form_Load() {}
  virtual void Form_Unload(int& cancel) { (void)cancel; }
  virtual void Form_MouseMove(int button, int shift, int x, int y) {
    (void)button, (void)shift, (void)x, (void)y;
  }
  virtual void Form_Resize() {}

  // The keyboard focus, kept as the forms' runtime keeps it (Focus.cpp). A control of the form
  // tells when it gets the focus.
  void ControlGotFocus(HWND control);
  // While the form is the active window, the focus never rests on a control that is hidden or
  // disabled, nor on the bare window: it goes on to the next control in tab order that can take it
  // (from the bare window, back to the control that had it last when that one can). While the form
  // is minimised, no control has it.
  void KeepFocusOnView();
  // The focused push button is drawn as the default, or else the form's default button.
  void ShowDefault();

 protected:
  // Called while loading, before Form_Load: the form builds its controls, menus and timers here.
  virtual void CreateControls() {}

  void AddControls(const ControlRow* rows, int count);
  void AddControls(std::initializer_list<ControlRow> rows);
  // Creates a control that the form owns, for controls that have no member of their own.
  template <class T>
  T& AddOwned(const ControlRow& row) {
    owned_.push_back(std::make_unique<T>());
    T& control = static_cast<T&>(*owned_.back());
    ControlRow copy = row;
    copy.control = &control;
    AddControls(&copy, 1);
    return control;
  }
  void AddMenus(const MenuRow* rows, int count);
  void AddMenus(std::initializer_list<MenuRow> rows);
  void AddTimer(Timer& timer, const char* name, int interval, bool enabled,
                std::function<void()> tick);

  // A handler member function bound to this form, for the tables.
  template <class F>
  std::function<void()> On(void (F::*handler)()) {
    F* self = static_cast<F*>(this);
    return [self, handler] { (self->*handler)(); };
  }

  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnContainerMouseMove(WPARAM keys, int x, int y) override;

 private:
  FormArgs args_;
  std::vector<Control*> controls_;
  std::vector<std::unique_ptr<Control>> owned_;
  std::vector<Timer*> timers_;
  MenuBar menus_;
  Pointer pointer_ = Pointer::Default;
  UINT nextTimerId_ = 1;
  HWND modalOwner_ = nullptr;
  bool unloading_ = false;
  RECT normalPlace_{};  // the outer window's last place in the normal state, screen pixels

  HWND lastFocus_ = nullptr;  // the control that had the focus last, kept while inactive
  Control* default_ = nullptr;  // pressed by Enter
  Control* cancel_ = nullptr;   // pressed by Esc

  RECT RestoredRect() const;
  // Back to the control that had the focus, or on to the next one when it cannot take it.
  void RestoreFocus();
  // Enter (IDOK) and Esc (IDCANCEL) as IsDialogMessage sends them.
  void PressDialogKey(UINT id);
};

}  // namespace ui
