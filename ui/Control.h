// The base of every control: a thin wrapper over one child window. The container that parents a
// control reflects WM_COMMAND and WM_NOTIFY back to it, so each control handles its own
// notifications and raises its events (onClick, onMouseMove) to the form's handler functions.
#pragma once
#include <windows.h>
#include <functional>
#include <string>

namespace ui {

// Creation flags, as a form's table of controls gives them.
enum Flag : unsigned {
  Hidden = 1u << 0,
  Disabled = 1u << 1,
  Bold = 1u << 2,
  MultiSelect = 1u << 3,   // list box: extended selection
  Border3D = 1u << 4,      // picture box: sunken border
  Centered = 1u << 5,      // label: centred text
  NoTabStop = 1u << 6,
  Stretch = 1u << 7,       // picture box: the picture fills the box
  Default = 1u << 8,       // button: pressed by Enter, drawn as the default
  Cancel = 1u << 9,        // button: pressed by Esc
};

// Mouse pointers by the numbers forms use for them.
enum class Pointer { Default = 0, Arrow = 1, Hourglass = 11, Custom = 99 };

struct CreateArgs {
  HWND parent = nullptr;
  std::string name;
  int index = -1;          // position in a control array, -1 when not in one
  std::string caption;
  int left = 0, top = 0, width = 0, height = 0;  // twips, relative to the parent
  unsigned flags = 0;
};

class Control {
 public:
  Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control();

  virtual void Create(const CreateArgs& args) = 0;
  // Forgets the window after its parent destroyed it.
  virtual void Detach();

  HWND hwnd() const { return hwnd_; }
  const std::string& Name() const { return name_; }
  int Index() const { return index_; }
  std::string FullName() const;  // "Frame1(0)" for an array element, else the name

  bool Visible() const;  // the control's own flag, whatever its parents show
  void SetVisible(bool visible);
  bool Enabled() const;
  virtual void SetEnabled(bool enabled);
  virtual std::string Caption() const;
  virtual void SetCaption(const std::string& text);
  std::string Text() const { return Caption(); }
  void SetText(const std::string& text) { SetCaption(text); }
  bool IsBold() const { return bold_; }
  virtual void SetBold(bool bold);
  Pointer MousePointer() const { return pointer_; }
  void SetMousePointer(Pointer pointer, HCURSOR custom = nullptr);
  HCURSOR CursorFor() const;  // the cursor this control asks for, nullptr for the default
  void SetForeColor(COLORREF color);
  bool HasForeColor() const { return hasForeColor_; }
  COLORREF ForeColor() const { return foreColor_; }

  int Left() const;
  int Top() const;
  int Width() const;
  int Height() const;
  void Move(int left, int top, int width, int height);  // twips, relative to the parent

  std::function<void()> onClick;
  std::function<void(int button, int shift, int x, int y)> onMouseMove;  // x, y in twips

  virtual void OnCommand(int code);
  virtual void OnCommandFrom(WPARAM wParam) { OnCommand(HIWORD(wParam)); }
  virtual LRESULT OnNotify(NMHDR* header);
  virtual void OnMouseMove(WPARAM keys, int x, int y);

  static Control* FromHwnd(HWND window);

 protected:
  void CreateWindowFor(const char* windowClass, DWORD style, DWORD exStyle, const CreateArgs& args,
                       void* param = nullptr);
  void Attach(HWND window, const CreateArgs& args);
  RECT PlaceInPixels() const;

  HWND hwnd_ = nullptr;
  std::string name_;
  int index_ = -1;
  bool bold_ = false;
  Pointer pointer_ = Pointer::Default;
  HCURSOR customCursor_ = nullptr;
  bool hasForeColor_ = false;
  COLORREF foreColor_ = 0;
};

HFONT NormalFont();
HFONT BoldFont();
// Mouse buttons and shift keys as event arguments give them (1 left, 2 right, 4 middle; 1 shift,
// 2 ctrl).
int MouseButtons(WPARAM keys);
int ShiftKeys(WPARAM keys);

}  // namespace ui
