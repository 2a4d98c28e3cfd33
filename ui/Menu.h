// Menus built from a table. Windows menus have no hidden items, so a hidden item is taken out of
// its menu and put back in its place when it is shown again.
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include <vector>

namespace ui {

class MenuItem {
 public:
  MenuItem() = default;
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;
  ~MenuItem() = default;  // the window destroys its menus with it

  const std::string& Name() const { return name_; }
  int Index() const { return index_; }
  UINT Id() const { return id_; }
  HMENU Submenu() const { return submenu_; }
  bool IsSeparator() const { return caption_ == "-"; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);

  std::function<void()> onClick;

 private:
  friend class MenuBar;
  void Rebuild();  // refills this item's submenu from its visible children
  void Refresh();

  std::string name_;
  int index_ = -1;
  std::string caption_;
  UINT id_ = 0;
  bool visible_ = true, enabled_ = true, checked_ = false;
  MenuItem* parent_ = nullptr;
  std::vector<MenuItem*> children_;
  HMENU submenu_ = nullptr;
  HMENU bar_ = nullptr;  // the menu bar, for top-level items
  HWND window_ = nullptr;
};

struct MenuRow {
  MenuItem* item;
  const char* name;
  int index;                  // -1 when not in a control array
  const char* caption;        // "-" for a separator line
  int level;                  // 0 a menu of the bar, 1 its item, 2 an item of a submenu
  std::function<void()> click = {};
  unsigned flags = 0;         // ui::Hidden, ui::Disabled
};

class MenuBar {
 public:
  // Builds the bar and attaches it to the window; ids are handed out from firstId on.
  void Build(HWND window, const MenuRow* rows, int count, UINT firstId = 1000);
  void Detach();
  MenuItem* FindById(UINT id) const;
  MenuItem* Find(const std::string& name, int index = -1) const;
  HMENU Handle() const { return bar_; }

 private:
  std::vector<MenuItem*> items_;
  std::vector<MenuItem*> top_;
  HMENU bar_ = nullptr;
};

}  // namespace ui
