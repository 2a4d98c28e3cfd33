#include "tuner/CustomLists.h"

namespace {

using Items = std::vector<std::string>;

const Items kMtu = {"Default", "576", "1006", "1492", "1500", "1524", "4352", "4464", "9180", "17914"};
const Items kRcvWindow = {"Default", "8576",  "15456",  "23232",  "23360", "23744",
                          "68992",   "70784", "146240", "285984"};
const Items kMss = {"Default", "536", "966", "1452", "1460", "1484", "4312", "4424", "9140", "17874"};
const Items kOnOff = {"Default", "On", "Off"};
const Items kTtl = {"Default", "4", "8", "16", "32", "64", "128", "256"};
const Items kMinutes = {"Default", "5", "10", "20", "30", "40", "50", "60"};
const Items kNWLink = {"Default", "2", "4", "8", "16", "32", "64", "128", "255"};
const Items kNetBEUI = {"Default", "4", "8", "16", "32", "64", "128", "255"};
const Items kNone;

// A label ends a little short of its list.
constexpr int kGap = 60;

CustomListLayout Row(int list, int tab, const char* group, const char* labelName, const char* caption,
                     int labelLeft, int listLeft, int listWidth, int top, const Items& items) {
  return {list, tab, group, labelName, caption, labelLeft, listLeft - labelLeft - kGap,
          listLeft, listWidth, top, &items};
}

std::vector<CustomListLayout> MakeLayouts() {
  const char* none = nullptr;
  std::vector<CustomListLayout> rows = {
      // General
      Row(1, 0, none, "Label3", "MTU", 240, 1680, 1335, 240, kMtu),
      Row(2, 0, none, "Label5", "RcvWindow", 240, 1680, 1335, 720, kRcvWindow),
      Row(3, 0, none, "Label4", "Max MTU", 3720, 5640, 1575, 240, kMtu),
      Row(4, 0, none, "Label6", "MSS", 3720, 5640, 1575, 720, kMss),
      Row(5, 0, none, "Label7", "Force Even", 240, 1680, 1335, 1200, kOnOff),
      Row(6, 0, none, "Label8", "Point to Point IP", 3720, 5640, 1575, 1200, kOnOff),
      Row(7, 0, none, "Label9", "IPX Header Compression", 3720, 5640, 1575, 2160, kOnOff),
      Row(8, 0, none, "Label10", "Max DupAcks", 240, 1680, 1335, 1680, kOnOff),
      Row(9, 0, none, "Label11", "TcpOpts", 3720, 5640, 1575, 1680, kOnOff),
      Row(10, 0, none, "Label12", "SackOpts", 240, 1680, 1335, 2160, kOnOff),
      // TCP/IP
      Row(11, 1, none, "Label13", "TTL", 240, 1920, 1455, 360, kTtl),
      Row(12, 1, none, "Label14", "PMTU Discovery", 3960, 5640, 1455, 360, kOnOff),
      Row(13, 1, none, "Label16", "BlackHole Detection", 240, 1920, 1455, 960, kOnOff),
      Row(14, 1, none, "Label15", "PMTU Auto Detection", 3960, 5640, 1455, 960, kOnOff),
      Row(15, 1, none, "Label17", "BlackHole Enabled", 240, 1920, 1455, 1560, kOnOff),
      Row(16, 1, none, "Label18", "Session Keep Alive", 3960, 5640, 1455, 1560, kMinutes),
      Row(17, 1, none, "Label19", "Logging", 240, 1920, 1455, 2160, kOnOff),
      Row(18, 1, none, "Label20", "SlowNet", 3960, 5640, 1455, 2160, kOnOff),
      // NWlink
      Row(19, 2, none, "Label21", "Default Cache Size", 240, 1800, 1575, 360, kNWLink),
      Row(20, 2, none, "Label22", "NDI Cache Size", 4200, 5760, 1575, 360, kNWLink),
      Row(21, 2, "Frame4", "Label23", "Minimum", 240, 1680, 1575, 840, kNWLink),
      Row(22, 2, "Frame4", "Label24", "Maximum", 240, 1680, 1575, 1320, kNWLink),
      Row(23, 2, "Frame5", "Label25", "Maximum", 240, 1560, 1575, 1320, kNWLink),
      Row(24, 2, "Frame5", "Label26", "Minimum", 240, 1560, 1575, 840, kNWLink),
      Row(25, 2, "Frame4", "Label27", "Default", 240, 1680, 1575, 360, kNWLink),
      Row(26, 2, "Frame5", "Label28", "Default", 240, 1560, 1575, 360, kNWLink),
      // NetBeui
      Row(27, 3, "Frame6", "Label29", "Default", 240, 1440, 1575, 360, kNetBEUI),
      Row(28, 3, "Frame6", "Label30", "Minimum", 240, 1440, 1575, 840, kNetBEUI),
      Row(29, 3, "Frame6", "Label31", "Maximum", 360, 1440, 1575, 1320, kNetBEUI),
      Row(30, 3, "Frame7", "Label32", "Default", 240, 1320, 1575, 360, kNetBEUI),
      Row(31, 3, "Frame7", "Label33", "Maximum", 240, 1320, 1575, 1320, kNetBEUI),
      Row(32, 3, "Frame7", "Label34", "Minimum", 240, 1320, 1575, 840, kNetBEUI),
      Row(33, 3, none, "Label35", "Default", 120, 720, 1575, 360, kNetBEUI),
      Row(34, 3, none, "Label36", "ncbs", 2640, 3240, 1575, 360, kNetBEUI),
      Row(35, 3, none, "Label37", "Sessions", 5160, 6000, 1575, 360, kNetBEUI),
  };
  return rows;
}

}  // namespace

const std::vector<CustomListLayout>& CustomListLayouts() {
  static const std::vector<CustomListLayout> layouts = MakeLayouts();
  return layouts;
}

const std::vector<CustomGroupFrame>& CustomGroupFrames() {
  static const std::vector<CustomGroupFrame> frames = {
      {"Frame4", 2, "Max Connections", 120, 840, 3615, 1905},
      {"Frame5", 2, "Max Sockets", 4200, 840, 3495, 1905},
      {"Frame7", 3, "NCBS", 120, 840, 3495, 1935},
      {"Frame6", 3, "Sessions", 3960, 840, 3615, 1935},
  };
  return frames;
}

const std::vector<int>& CustomListTabOrder() {
  static const std::vector<int> order = {
      1,  2,  5,  8,  10, 3,  4,  6,  9,  7,   // General: two columns
      11, 13, 15, 17, 12, 14, 16, 18,          // TCP/IP: two columns
      19, 25, 21, 22, 20, 26, 24, 23,          // NWlink: each column a list, then its frame
      33, 34, 35, 30, 32, 31, 27, 28, 29,      // NetBeui: the top row, then the two frames
  };
  return order;
}

const std::vector<std::string>& CustomListItems(int list) {
  if (list < 1 || list > kCustomListCount) return kNone;
  return *CustomListLayouts()[list - 1].items;
}

std::string CustomListName(int list) { return "Combo" + std::to_string(list); }
