#include "ui/Menu.h"
#include "ui/Control.h"

namespace ui {

// Items of a menu are refreshed by refilling their menu; menus of the bar are changed in place.
void MenuItem::SetCaption(const std::string& caption) {
  caption_ = caption;
  Refresh();
}

void MenuItem::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  Refresh();
}

void MenuItem::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Refresh();
}

void MenuItem::SetChecked(bool checked) {
  checked_ = checked;
  Refresh();
}

void MenuItem::Refresh() {
  if (parent_) {
    parent_->Rebuild();
  } else if (bar_) {
    for (int position = 0; position < GetMenuItemCount(bar_); ++position) {
      if (GetSubMenu(bar_, position) != submenu_) continue;
      ModifyMenuA(bar_, position, MF_BYPOSITION | MF_POPUP | (enabled_ ? 0 : MF_GRAYED),
                  UINT_PTR(submenu_), caption_.c_str());
    }
    if (window_) DrawMenuBar(window_);
  }
}

void MenuItem::Rebuild() {
  if (!submenu_) return;
  while (GetMenuItemCount(submenu_) > 0) RemoveMenu(submenu_, 0, MF_BYPOSITION);
  for (MenuItem* child : children_) {
    if (!child->visible_) continue;
    UINT flags = child->enabled_ ? MF_ENABLED : MF_GRAYED;
    if (child->checked_) flags |= MF_CHECKED;
    if (child->IsSeparator())
      AppendMenuA(submenu_, MF_SEPARATOR, 0, nullptr);
    else if (child->submenu_)
      AppendMenuA(submenu_, flags | MF_POPUP, UINT_PTR(child->submenu_), child->caption_.c_str());
    else
      AppendMenuA(submenu_, flags | MF_STRING, child->id_, child->caption_.c_str());
  }
}

void MenuBar::Build(HWND window, const MenuRow* rows, int count, UINT firstId) {
  bar_ = CreateMenu();
  UINT id = firstId;
  MenuItem* last[3] = {nullptr, nullptr, nullptr};
  for (int i = 0; i < count; ++i) {
    const MenuRow& row = rows[i];
    MenuItem* item = row.item;
    item->name_ = row.name;
    item->index_ = row.index;
    item->caption_ = row.caption;
    item->id_ = id++;
    item->visible_ = !(row.flags & Hidden);
    item->enabled_ = !(row.flags & Disabled);
    item->checked_ = false;
    item->children_.clear();
    item->submenu_ = nullptr;
    item->window_ = window;
    item->bar_ = row.level == 0 ? bar_ : nullptr;
    item->parent_ = row.level > 0 ? last[row.level - 1] : nullptr;
    if (row.click) item->onClick = row.click;
    if (item->parent_) {
      item->parent_->children_.push_back(item);
      if (!item->parent_->submenu_) item->parent_->submenu_ = CreatePopupMenu();
    }
    last[row.level] = item;
    items_.push_back(item);
    if (row.level == 0) top_.push_back(item);
  }
  for (MenuItem* item : items_) item->Rebuild();
  for (MenuItem* item : top_) {
    if (!item->submenu_) item->submenu_ = CreatePopupMenu();
    AppendMenuA(bar_, MF_POPUP | (item->enabled_ ? 0 : MF_GRAYED), UINT_PTR(item->submenu_),
                item->caption_.c_str());
  }
  SetMenu(window, bar_);
}

// The window destroys the bar and its submenus with it.
void MenuBar::Detach() {
  for (MenuItem* item : items_) {
    item->submenu_ = nullptr;
    item->bar_ = nullptr;
    item->parent_ = nullptr;
    item->window_ = nullptr;
    item->children_.clear();
  }
  items_.clear();
  top_.clear();
  bar_ = nullptr;
}

MenuItem* MenuBar::FindById(UINT id) const {
  for (MenuItem* item : items_)
    if (item->id_ == id) return item;
  return nullptr;
}

MenuItem* MenuBar::Find(const std::string& name, int index) const {
  for (MenuItem* item : items_)
    if (item->name_ == name && (index < 0 || item->index_ == index)) return item;
  return nullptr;
}

}  // namespace ui
