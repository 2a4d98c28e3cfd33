// The 35 drop-down lists of the "Custom Optimization" page: where each one sits, its label and its
// items. The page creates them from this table and the apply reads their items from it.
#pragma once
#include <string>
#include <vector>

constexpr int kCustomListCount = 35;

// A frame inside one of the four custom tabs that groups some of the lists.
struct CustomGroupFrame {
  const char* name;     // "Frame4"
  int tab;              // 0 to 3: the frmCustom frame it lies in
  const char* caption;  // "Max Connections"
  int left, top, width, height;  // twips, inside the tab's frame
};

struct CustomListLayout {
  int list;               // n of Combo<n>
  int tab;                // 0 General, 1 TCP/IP, 2 NWlink, 3 NetBeui
  const char* group;      // the group frame it sits in, or nullptr for the tab's frame itself
  const char* labelName;  // "Label3"
  const char* caption;    // "MTU"
  int labelLeft, labelWidth;
  int listLeft, listWidth;
  int top;                // label and list share the row; twips inside their frame
  const std::vector<std::string>* items;  // item 0 is always "Default"
};

constexpr int kCustomListHeight = 315;
constexpr int kCustomLabelHeight = 255;

const std::vector<CustomListLayout>& CustomListLayouts();  // ordered Combo1..Combo35
const std::vector<CustomGroupFrame>& CustomGroupFrames();
// The list numbers in tab order: each tab as it is read, a column of lists from top to bottom,
// the left column first.
const std::vector<int>& CustomListTabOrder();

// The items of Combo<list>, "Default" first; empty for a number outside 1 to 35.
const std::vector<std::string>& CustomListItems(int list);

// The name of the list control: "Combo7".
std::string CustomListName(int list);
