#include "tests/custom/Expected.h"

#include <cstdlib>

const char kTcpipNT[] = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters";

namespace {

const std::string kT = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
const std::string kTP = kT + "\\Parameters";
const std::string kNW = "System\\CurrentControlSet\\Services\\VxD\\NWLink";
const std::string kNWp = kNW + "\\Ndi\\params\\";
const std::string kNB = "System\\CurrentControlSet\\Services\\VxD\\NETBEUI";
const std::string kNBp = kNB + "\\Ndi\\params\\";
const std::string kClass = "System\\CurrentControlSet\\Services\\Class\\";

using Strings = std::vector<std::string>;
const Strings kMtu = {"576", "1006", "1492", "1500", "1524", "4352", "4464", "9180", "17914"};
const Strings kRcv = {"8576", "15456", "23232", "23360", "23744", "68992", "70784", "146240", "285984"};
const Strings kMss = {"536", "966", "1452", "1460", "1484", "4312", "4424", "9140", "17874"};
const Strings kOnOff = {"On", "Off"};
const Strings kOneZero = {"1", "0"};
const Strings kTtl = {"4", "8", "16", "32", "64", "128", "256"};
const Strings kMinutes = {"5", "10", "20", "30", "40", "50", "60"};
const Strings kMillis = {"300000", "600000", "1200000", "1800000", "2400000", "3000000", "3600000"};
const Strings kNWLink = {"2", "4", "8", "16", "32", "64", "128", "255"};
const Strings kNetBEUI = {"4", "8", "16", "32", "64", "128", "255"};

const Form Num = Form::Num;

ListCase Text(int list, const Strings& items, std::vector<Place> writes, std::vector<Place> unnamed = {}) {
  return {list, items, items, writes, unnamed};
}
ListCase Switch(int list, std::vector<Place> writes, std::vector<Place> unnamed = {}) {
  return {list, kOnOff, kOneZero, writes, unnamed};
}
std::vector<Place> CacheSize() {
  return {{kNW, "cachesize"},         {kNWp + "cachesize", "default"}, {kNWp + "cachesize", "0"},
          {kNWp + "cachesize", "1"}, {kNWp + "cachesize", "NdiValue"}};
}

}  // namespace

bool ListCase::perAdapter() const {
  for (const Place& p : writes)
    if (p.key.rfind("{", 0) == 0) return true;
  return false;
}

const std::vector<ListCase>& ListCases9x() {
  static const std::vector<ListCase> cases = {
      Text(1, kMtu, {{"{A}", "IPMTU"}, {"{A}\\Ndi\\Params\\IPMTU", "default"}, {"{P}", "IPMTU"}},
           {{"{A}\\Ndi\\Params\\IPMTU", ""}}),
      Text(2, kRcv, {{kT, "DefaultRcvWindow", Num}, {kTP, "DefaultRcvWindow", Num}}),
      Text(3, kMtu, {{"{A}", "MaxMTU"}, {"{P}", "MaxMTU"}}),
      Text(4, kMss, {{"{A}", "MSS"}, {"{P}", "MSS"}, {kT, "DefaultMSS"}}),
      Switch(5, {{kNWp + "forceeven", "default"}}, {{kNWp + "forceeven", ""}}),
      Switch(6, {{"{A}", "PointToPointIP"}, {"{A}\\Ndi\\Params\\PointToPointIP", "default"}},
             {{"{A}\\Ndi\\Params\\PointToPointIP", ""}}),
      Switch(7, {{"{A}", "IPXHeaderCompression"}, {"{A}\\Ndi\\Params\\IPXHeaderCompression", "default"}},
             {{"{A}\\Ndi\\Params\\IPXHeaderCompression", ""}}),
      Switch(8, {{kTP, "MaxDupAcks", Num}}),
      Switch(9, {{kT, "Tcp1323Opts", Num}, {kTP, "Tcp1323Opts", Num}}),
      Switch(10, {{kT, "SackOpts", Num}, {kTP, "SackOpts", Num}}),
      Text(11, kTtl, {{kT, "DefaultTTL"}}),
      Switch(12, {{kT, "PMTUDiscovery", Num}}),
      Switch(13, {{kT, "PMTUBlackHoleDetect", Num}}),
      Switch(14, {{kT, "PMTUAutoDetection", Num}}),
      Switch(15, {{kT, "PMTUBlackHoleEnabled", Num}}),
      {16, kMinutes, kMillis, {{kT, "SessionKeepAlive"}}, {}},
      Switch(17, {{"{A}", "Logging"}, {"{A}\\Ndi\\Params\\Logging", "default"}},
             {{"{A}\\Ndi\\Params\\Logging", ""}}),
      Switch(18, {{"{A}", "SLOWNET", Form::Bin}, {"{P}", "SLOWNET", Form::Dword}}),
      Text(19, kNWLink, CacheSize(), {{kNWp + "cachesize", ""}}),
      Text(20, kNWLink, CacheSize(), {{kNWp + "cachesize", ""}}),
      Text(21, kNWLink, {{kNWp + "maxconnect", "min"}}),
      Text(22, kNWLink, {{kNWp + "maxconnect", "max"}}),
      Text(23, kNWLink, {{kNWp + "maxsockets", "max"}}),
      Text(24, kNWLink, {{kNWp + "maxsockets", "min"}}),
      Text(25, kNWLink, {{kNWp + "maxconnect", "default"}}, {{kNWp + "maxconnect", ""}}),
      Text(26, kNWLink, {{kNWp + "maxsockets", "default"}}, {{kNWp + "maxsockets", ""}}),
      Text(27, kNetBEUI, {{kNBp + "sessions", "default"}}),
      Text(28, kNetBEUI, {{kNBp + "sessions", "min"}}),
      Text(29, kNetBEUI, {{kNBp + "sessions", "max"}}),
      Text(30, kNetBEUI, {{kNBp + "ncbs", "default"}}),
      Text(31, kNetBEUI, {{kNBp + "ncbs", "max"}}),
      Text(32, kNetBEUI, {{kNBp + "ncbs", "min"}}),
      Text(33, kNetBEUI, {{kNB, "default"}}),
      Text(34, kNetBEUI, {{kNB, "ncbs"}}),
      Text(35, kNetBEUI, {{kNB, "sessions"}}),
  };
  return cases;
}

const ListCase& ListCase9x(int list) { return ListCases9x()[list - 1]; }

const std::vector<NTCase>& NTCases() {
  static const std::vector<NTCase> cases = {
      {2, "TcpWindowSize", {8576, 15456, 23232, 23360, 23744, 68992, 70784, 146240, 285984}},
      {8, "TcpMaxDupAcks", {1, 0}},
      {9, "Tcp1323Opts", {1, 0}},
      {10, "SackOpts", {1, 0}},
      {11, "DefaultTTL", {4, 8, 16, 32, 64, 128, 256}},
      {12, "EnablePMTUDiscovery", {1, 0}},
      {13, "EnablePMTUBHDetect", {1, 0}},
      {16, "SessionKeepAlive", {300000, 600000, 1200000, 1800000, 2400000, 3000000, 3600000}},
  };
  return cases;
}

std::string KeyOf(const Place& place, const Slot& slot) {
  if (place.key.rfind("{A}", 0) == 0) return kClass + "Net\\" + slot.subkey + place.key.substr(3);
  if (place.key.rfind("{P}", 0) == 0) return kClass + slot.driver + place.key.substr(3);
  return place.key;
}

std::string EntryOf(const Place& place, const std::string& value, bool is98) {
  const DWORD number = std::strtoul(value.c_str(), nullptr, 10);
  switch (place.form) {
    case Form::Sz: return SzEntry(value);
    case Form::Num: return is98 ? SzEntry(value) : DwordEntry(number);
    case Form::Bin: return HexEntry(std::string(1, static_cast<char>(number)));
    case Form::Dword: return DwordEntry(number);
  }
  return "";
}

namespace {
const std::vector<std::string> kTrees9x = {kClass + "Net", kClass + "NetTrans", kT, kNW, kNB};
}

RegSnapshot Snapshot9x() {
  RegSnapshot out;
  for (const std::string& tree : kTrees9x) {
    RegSnapshot part = SnapshotTree(HKEY_LOCAL_MACHINE, tree);
    out.insert(part.begin(), part.end());
  }
  return out;
}

void Clear9x() {
  for (const std::string& tree : kTrees9x) DeleteTree(HKEY_LOCAL_MACHINE, tree);
}

void ClearNT() {
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kTcpipNT, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
  for (const NTCase& c : NTCases()) RegDeleteValueA(key, c.name.c_str());
  RegCloseKey(key);
}
