// The 35 lists of the custom page as the user meets them: frame, place, label and items.
#include <gtest/gtest.h>

#include <memory>

#include "tests/custom/Expected.h"
#include "tuner/frmMain.h"

namespace {

struct Row {
  int list, tab;
  const char* group;  // "" for the tab's frame itself
  const char* label;
  const char* caption;
  int labelLeft, listLeft, width, top;
};

// Twips inside the frame that holds each list.
const Row kRows[] = {
    {1, 0, "", "Label3", "MTU", 240, 1680, 1335, 240},
    {2, 0, "", "Label5", "RcvWindow", 240, 1680, 1335, 720},
    {3, 0, "", "Label4", "Max MTU", 3720, 5640, 1575, 240},
    {4, 0, "", "Label6", "MSS", 3720, 5640, 1575, 720},
    {5, 0, "", "Label7", "Force Even", 240, 1680, 1335, 1200},
    {6, 0, "", "Label8", "Point to Point IP", 3720, 5640, 1575, 1200},
    {7, 0, "", "Label9", "IPX Header Compression", 3720, 5640, 1575, 2160},
    {8, 0, "", "Label10", "Max DupAcks", 240, 1680, 1335, 1680},
    {9, 0, "", "Label11", "TcpOpts", 3720, 5640, 1575, 1680},
    {10, 0, "", "Label12", "SackOpts", 240, 1680, 1335, 2160},
    {11, 1, "", "Label13", "TTL", 240, 1920, 1455, 360},
    {12, 1, "", "Label14", "PMTU Discovery", 3960, 5640, 1455, 360},
    {13, 1, "", "Label16", "BlackHole Detection", 240, 1920, 1455, 960},
    {14, 1, "", "Label15", "PMTU Auto Detection", 3960, 5640, 1455, 960},
    {15, 1, "", "Label17", "BlackHole Enabled", 240, 1920, 1455, 1560},
    {16, 1, "", "Label18", "Session Keep Alive", 3960, 5640, 1455, 1560},
    {17, 1, "", "Label19", "Logging", 240, 1920, 1455, 2160},
    {18, 1, "", "Label20", "SlowNet", 3960, 5640, 1455, 2160},
    {19, 2, "", "Label21", "Default Cache Size", 240, 1800, 1575, 360},
    {20, 2, "", "Label22", "NDI Cache Size", 4200, 5760, 1575, 360},
    {25, 2, "Frame4", "Label27", "Default", 240, 1680, 1575, 360},
    {21, 2, "Frame4", "Label23", "Minimum", 240, 1680, 1575, 840},
    {22, 2, "Frame4", "Label24", "Maximum", 240, 1680, 1575, 1320},
    {26, 2, "Frame5", "Label28", "Default", 240, 1560, 1575, 360},
    {24, 2, "Frame5", "Label26", "Minimum", 240, 1560, 1575, 840},
    {23, 2, "Frame5", "Label25", "Maximum", 240, 1560, 1575, 1320},
    {33, 3, "", "Label35", "Default", 120, 720, 1575, 360},
    {34, 3, "", "Label36", "ncbs", 2640, 3240, 1575, 360},
    {35, 3, "", "Label37", "Sessions", 5160, 6000, 1575, 360},
    {30, 3, "Frame7", "Label32", "Default", 240, 1320, 1575, 360},
    {32, 3, "Frame7", "Label34", "Minimum", 240, 1320, 1575, 840},
    {31, 3, "Frame7", "Label33", "Maximum", 240, 1320, 1575, 1320},
    {27, 3, "Frame6", "Label29", "Default", 240, 1440, 1575, 360},
    {28, 3, "Frame6", "Label30", "Minimum", 240, 1440, 1575, 840},
    {29, 3, "Frame6", "Label31", "Maximum", 360, 1440, 1575, 1320},
};

struct Group {
  const char* name;
  int tab;
  const char* caption;
  int left, top, width, height;
};
const Group kGroups[] = {{"Frame4", 2, "Max Connections", 120, 840, 3615, 1905},
                         {"Frame5", 2, "Max Sockets", 4200, 840, 3495, 1905},
                         {"Frame7", 3, "NCBS", 120, 840, 3495, 1935},
                         {"Frame6", 3, "Sessions", 3960, 840, 3615, 1935}};

// Places pass through whole pixels, so they may be off by less than a pixel's twips.
void ExpectNear(int actual, int expected, const std::string& what) {
  EXPECT_NEAR(actual, expected, 15) << what;
}

class CustomPage : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::InitCommonControls();
    form = std::make_unique<frmMain>();
    form->Show();
    form->mnuManual_Click();  // the lists are made when their page is first shown
  }
  void TearDown() override { form->Unload(); }
  std::unique_ptr<frmMain> form;
};

TEST_F(CustomPage, GroupFramesSitInTheirTabs) {
  for (const Group& g : kGroups) {
    ui::Control* frame = form->Find(g.name);
    ASSERT_NE(frame, nullptr) << g.name;
    EXPECT_EQ(GetParent(frame->hwnd()), form->frmCustom[g.tab].hwnd()) << g.name;
    EXPECT_EQ(frame->Caption(), g.caption);
    ExpectNear(frame->Left(), g.left, g.name);
    ExpectNear(frame->Top(), g.top, g.name);
    ExpectNear(frame->Width(), g.width, g.name);
    ExpectNear(frame->Height(), g.height, g.name);
  }
}

TEST_F(CustomPage, EveryListHasItsPlaceLabelAndItemsAndNoChoice) {
  for (const Row& r : kRows) {
    const std::string name = "Combo" + std::to_string(r.list);
    ui::ComboBox& list = form->Combo[r.list];
    ASSERT_EQ(form->Find(name), &list) << name;
    HWND parent = *r.group ? form->Find(r.group)->hwnd() : form->frmCustom[r.tab].hwnd();
    EXPECT_EQ(GetParent(list.hwnd()), parent) << name;
    EXPECT_EQ(GetWindowLongA(list.hwnd(), GWL_STYLE) & 3, CBS_DROPDOWNLIST) << name;
    ExpectNear(list.Left(), r.listLeft, name);
    ExpectNear(list.Top(), r.top, name);
    ExpectNear(list.Width(), r.width, name);
    EXPECT_EQ(list.ListIndex(), -1) << name;

    std::vector<std::string> items;
    for (int i = 0; i < list.ListCount(); ++i) items.push_back(list.List(i));
    std::vector<std::string> expected = {"Default"};
    const ListCase& c = ListCase9x(r.list);
    expected.insert(expected.end(), c.items.begin(), c.items.end());
    EXPECT_EQ(items, expected) << name;

    ui::Control* label = form->Find(r.label);
    ASSERT_NE(label, nullptr) << r.label;
    EXPECT_EQ(label->Caption(), r.caption) << r.label;
    EXPECT_EQ(GetParent(label->hwnd()), parent) << r.label;
    ExpectNear(label->Left(), r.labelLeft, r.label);
    ExpectNear(label->Top(), r.top, r.label);
    EXPECT_LE(label->Left() + label->Width(), list.Left()) << r.label;
  }
}

}  // namespace

namespace {
BOOL CALLBACK CountLists(HWND window, LPARAM count) {
  char name[32] = {};
  GetClassNameA(window, name, sizeof name);
  if (lstrcmpiA(name, "COMBOBOX") == 0) ++*reinterpret_cast<int*>(count);
  return TRUE;
}
}  // namespace

TEST_F(CustomPage, ListsAreMadeOnceHoweverOftenThePageShows) {
  form->mnuAuto_Click();
  form->mnuManual_Click();
  int lists = 0;
  for (int tab = 0; tab < 4; ++tab)
    EnumChildWindows(form->frmCustom[tab].hwnd(), CountLists, LPARAM(&lists));
  EXPECT_EQ(lists, 35);
}
