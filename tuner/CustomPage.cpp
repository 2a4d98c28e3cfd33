// The lists of the "Custom Optimization" page, inside the four frames frmCustom(0) to (3), built
// from the layout table; each list gets its design-time items and starts without a choice.
#include "tuner/CustomLists.h"
#include "tuner/frmMain.h"

#include <cstring>
#include <map>
#include <string>

// Made in tab order, since the order of making is the order of the tab key; a group frame is made
// as its first list is reached.
void frmMain::CreateCustomLists() {
  std::map<std::string, ui::Frame*> groups;
  for (int number : CustomListTabOrder()) {
    const CustomListLayout& row = CustomListLayouts()[number - 1];
    ui::Control* parent = &frmCustom[row.tab];
    if (row.group) {
      ui::Frame*& group = groups[row.group];
      if (!group) group = &AddGroupFrame(row.group);
      parent = group;
    }
    AddOwned<ui::Label>({nullptr, row.labelName, -1, row.caption, parent, row.labelLeft, row.top,
                         row.labelWidth, kCustomLabelHeight});
    const std::string name = CustomListName(row.list);
    ui::ComboBox& list = Combo[row.list];
    AddControls({{&list, name.c_str(), -1, "", parent, row.listLeft, row.top, row.listWidth,
                  kCustomListHeight}});
    for (const std::string& item : *row.items) list.AddItem(item);
  }
}

ui::Frame& frmMain::AddGroupFrame(const char* name) {
  const CustomGroupFrame* g = &CustomGroupFrames().front();
  while (std::strcmp(g->name, name) != 0) ++g;
  return AddOwned<ui::Frame>(
      {nullptr, g->name, -1, g->caption, &frmCustom[g->tab], g->left, g->top, g->width, g->height});
}
