#include "tuner/CustomApply.h"

#include <cstdlib>
#include <type_traits>
#include <variant>

#include "settings/Settings.h"

namespace {

using Text = const std::string&;
using GlobalText = void (*)(Text);
using GlobalNumber = void (*)(int32_t);
using AdapterText = void (*)(Text adapter, Text value);
using AdapterProtocolText = void (*)(Text adapter, Text protocol, Text value);
using AdapterProtocolBytes = void (*)(Text adapter, Text protocol, const Bytes& value);
// The writer's own type decides the form of the value: text, a 32-bit number or a byte array.
using Writer = std::variant<GlobalText, GlobalNumber, AdapterText, AdapterProtocolText,
                            AdapterProtocolBytes>;

// Per-adapter rows run once for every slot; an AdapterProtocol row's writer also takes the slot's
// protocol-instance key. Global rows run once.
enum class Scope { Global, Adapter, AdapterProtocol };
// What an item stands for: its own text, "On"/"Off" as 1/0, or minutes as milliseconds.
enum class Meaning { ItemText, OnOff, Minutes };
// Where a deletion happens: a fixed key, or one built from the adapter's sub-key or its
// protocol-instance key.
enum class Base { Fixed, Adapter, Protocol };

struct Deletion {
  Base base;
  const char* key;   // the fixed key, or the text that follows the adapter key ("" for itself)
  const char* name;  // "" is the unnamed value
};

struct ApplyRow {
  int list;
  Scope scope;
  Meaning meaning;
  Writer write95Me;
  Writer write98;
  std::vector<Deletion> deletions;
};

const char kMstcp[] = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
const char kMstcpParameters[] = "System\\CurrentControlSet\\Services\\VxD\\MSTCP\\Parameters";
const char kForceEven[] = "System\\CurrentControlSet\\Services\\VxD\\NWLink\\Ndi\\params\\forceeven";
const char kNWLink[] = "System\\CurrentControlSet\\Services\\VxD\\NWLink";
const char kCacheSize[] = "System\\CurrentControlSet\\Services\\VxD\\NWLink\\Ndi\\params\\cachesize";
const char kMaxConnect[] = "System\\CurrentControlSet\\Services\\VxD\\NWLink\\Ndi\\params\\maxconnect";
const char kMaxSockets[] = "System\\CurrentControlSet\\Services\\VxD\\NWLink\\Ndi\\params\\maxsockets";
const char kNetBEUI[] = "System\\CurrentControlSet\\Services\\VxD\\NETBEUI";
const char kNcbs[] = "System\\CurrentControlSet\\Services\\VxD\\NETBEUI\\Ndi\\params\\ncbs";
const char kSessions[] = "System\\CurrentControlSet\\Services\\VxD\\NETBEUI\\Ndi\\params\\sessions";
const char kTcpipNT[] = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters";

Deletion Fixed(const char* key, const char* name) { return {Base::Fixed, key, name}; }
Deletion AtAdapter(const char* suffix, const char* name) { return {Base::Adapter, suffix, name}; }
Deletion AtProtocol(const char* name) { return {Base::Protocol, "", name}; }

const std::vector<Deletion> kCacheSizeDeletions = {
    Fixed(kNWLink, "cachesize"), Fixed(kCacheSize, ""),  Fixed(kCacheSize, "default"),
    Fixed(kCacheSize, "0"),      Fixed(kCacheSize, "1"), Fixed(kCacheSize, "NdiValue")};

const std::vector<ApplyRow>& ApplyRows9x() {
  using S = Scope;
  using M = Meaning;
  static const std::vector<ApplyRow> rows = {
      // General
      {1, S::AdapterProtocol, M::ItemText, SetIPMTU, SetIPMTU98,
       {AtAdapter("", "IPMTU"), AtAdapter("\\Ndi\\Params\\IPMTU", ""),
        AtAdapter("\\Ndi\\Params\\IPMTU", "default"), AtProtocol("IPMTU")}},
      {2, S::Global, M::ItemText, SetDefaultRcvWindow, SetDefaultRcvWindow98,
       {Fixed(kMstcp, "DefaultRcvWindow"), Fixed(kMstcpParameters, "DefaultRcvWindow")}},
      {3, S::AdapterProtocol, M::ItemText, SetMaxMTU, SetMaxMTU98,
       {AtAdapter("", "MaxMTU"), AtProtocol("MaxMTU")}},
      {4, S::AdapterProtocol, M::ItemText, SetMSS, SetMSS98,
       {AtAdapter("", "MSS"), AtProtocol("MSS"), Fixed(kMstcp, "DefaultMSS")}},
      {5, S::Global, M::OnOff, SetNWLinkForceEvenDefault, SetNWLinkForceEvenDefault98,
       {Fixed(kForceEven, "default"), Fixed(kForceEven, "")}},
      {6, S::Adapter, M::OnOff, SetPointToPointIP, SetPointToPointIP98,
       {AtAdapter("", "PointToPointIP"), AtAdapter("\\Ndi\\Params\\PointToPointIP", ""),
        AtAdapter("\\Ndi\\Params\\PointToPointIP", "default")}},
      {7, S::Adapter, M::OnOff, SetIPXHeaderCompression, SetIPXHeaderCompression98,
       {AtAdapter("", "IPXHeaderCompression"), AtAdapter("\\Ndi\\Params\\IPXHeaderCompression", ""),
        AtAdapter("\\Ndi\\Params\\IPXHeaderCompression", "default")}},
      {8, S::Global, M::OnOff, SetMaxDupAcks, SetMaxDupAcks98,
       {Fixed(kMstcpParameters, "MaxDupAcks")}},
      {9, S::Global, M::OnOff, SetTcp1323Opts, SetTcp1323Opts98,
       {Fixed(kMstcp, "Tcp1323Opts"), Fixed(kMstcpParameters, "Tcp1323Opts")}},
      {10, S::Global, M::OnOff, SetSackOpts, SetSackOpts98,
       {Fixed(kMstcp, "SackOpts"), Fixed(kMstcpParameters, "SackOpts")}},
      // TCP/IP
      {11, S::Global, M::ItemText, SetDefaultTTL, SetDefaultTTL98, {Fixed(kMstcp, "DefaultTTL")}},
      {12, S::Global, M::OnOff, SetPMTUDiscovery, SetPMTUDiscovery98,
       {Fixed(kMstcp, "PMTUDiscovery")}},
      {13, S::Global, M::OnOff, SetPMTUBlackHoleDetect, SetPMTUBlackHoleDetect98,
       {Fixed(kMstcp, "PMTUBlackHoleDetect")}},
      {14, S::Global, M::OnOff, SetPMTUAutoDetection, SetPMTUAutoDetection98,
       {Fixed(kMstcp, "PMTUAutoDetection")}},
      {15, S::Global, M::OnOff, SetPMTUBlackHoleEnabled, SetPMTUBlackHoleEnabled98,
       {Fixed(kMstcp, "PMTUBlackHoleEnabled")}},
      {16, S::Global, M::Minutes, SetSessionKeepAlive, SetSessionKeepAlive98,
       {Fixed(kMstcp, "SessionKeepAlive")}},
      {17, S::Adapter, M::OnOff, SetLogging, SetLogging98,
       {AtAdapter("", "Logging"), AtAdapter("\\Ndi\\Params\\Logging", ""),
        AtAdapter("\\Ndi\\Params\\Logging", "default")}},
      {18, S::AdapterProtocol, M::OnOff, SetSLOWNET, SetSLOWNET98,
       {AtAdapter("", "SLOWNET"), AtProtocol("SLOWNET")}},
      // NWlink
      {19, S::Global, M::ItemText, SetNWLinkCacheSize, SetNWLinkCacheSize98, kCacheSizeDeletions},
      {20, S::Global, M::ItemText, SetNWLinkCacheSize, SetNWLinkCacheSize98, kCacheSizeDeletions},
      {21, S::Global, M::ItemText, SetNWLinkMaxConnectMin, SetNWLinkMaxConnectMin98,
       {Fixed(kMaxConnect, "min")}},
      {22, S::Global, M::ItemText, SetNWLinkMaxConnectMax, SetNWLinkMaxConnectMax98,
       {Fixed(kMaxConnect, "max")}},
      {23, S::Global, M::ItemText, SetNWLinkMaxSocketsMax, SetNWLinkMaxSocketsMax98,
       {Fixed(kMaxSockets, "max")}},
      {24, S::Global, M::ItemText, SetNWLinkMaxSocketsMin, SetNWLinkMaxSocketsMin98,
       {Fixed(kMaxSockets, "min")}},
      {25, S::Global, M::ItemText, SetNWLinkMaxConnectDefault, SetNWLinkMaxConnectDefault98,
       {Fixed(kMaxConnect, "default"), Fixed(kMaxConnect, "")}},
      {26, S::Global, M::ItemText, SetNWLinkMaxSocketsDefault, SetNWLinkMaxSocketsDefault98,
       {Fixed(kMaxSockets, "default"), Fixed(kMaxSockets, "")}},
      // NetBeui
      {27, S::Global, M::ItemText, SetNetBEUISessionsDefault, SetNetBEUISessionsDefault98,
       {Fixed(kSessions, "default")}},
      {28, S::Global, M::ItemText, SetNetBEUISessionsMin, SetNetBEUISessionsMin98,
       {Fixed(kSessions, "min")}},
      {29, S::Global, M::ItemText, SetNetBEUISessionsMax, SetNetBEUISessionsMax98,
       {Fixed(kSessions, "max")}},
      {30, S::Global, M::ItemText, SetNetBEUINcbsDefault, SetNetBEUINcbsDefault98,
       {Fixed(kNcbs, "default")}},
      {31, S::Global, M::ItemText, SetNetBEUINcbsMax, SetNetBEUINcbsMax98, {Fixed(kNcbs, "max")}},
      {32, S::Global, M::ItemText, SetNetBEUINcbsMin, SetNetBEUINcbsMin98, {Fixed(kNcbs, "min")}},
      {33, S::Global, M::ItemText, SetNetBEUIDefault, SetNetBEUIDefault98,
       {Fixed(kNetBEUI, "default")}},
      {34, S::Global, M::ItemText, SetNetBEUINcbs, SetNetBEUINcbs98, {Fixed(kNetBEUI, "ncbs")}},
      {35, S::Global, M::ItemText, SetNetBEUISessions, SetNetBEUISessions98,
       {Fixed(kNetBEUI, "sessions")}},
  };
  return rows;
}

struct ApplyRowNT {
  int list;
  Meaning meaning;
  const char* name;
  void (*write)(int32_t);
};

const std::vector<ApplyRowNT>& ApplyRowsNT() {
  static const std::vector<ApplyRowNT> rows = {
      {2, Meaning::ItemText, "TcpWindowSize", SetTcpWindowSizeNT},
      {8, Meaning::OnOff, "TcpMaxDupAcks", SetTcpMaxDupAcksNT},
      {9, Meaning::OnOff, "Tcp1323Opts", SetTcp1323OptsNT},
      {10, Meaning::OnOff, "SackOpts", SetSackOptsNT},
      {11, Meaning::ItemText, "DefaultTTL", SetDefaultTTLNT},
      {12, Meaning::OnOff, "EnablePMTUDiscovery", SetEnablePMTUDiscoveryNT},
      {13, Meaning::OnOff, "EnablePMTUBHDetect", SetEnablePMTUBHDetectNT},
      {16, Meaning::Minutes, "SessionKeepAlive", SetSessionKeepAliveNT},
  };
  return rows;
}

// The value that item `index` of a list stands for, as text: "8576", "1", "1800000".
std::string ItemValue(int list, int index, Meaning meaning) {
  const std::string& item = CustomListItems(list)[index];
  switch (meaning) {
    case Meaning::OnOff: return item == "On" ? "1" : "0";
    case Meaning::Minutes: return std::to_string(std::strtol(item.c_str(), nullptr, 10) * 60000L);
    case Meaning::ItemText: break;
  }
  return item;
}

int32_t AsNumber(const std::string& value) {
  return static_cast<int32_t>(std::strtol(value.c_str(), nullptr, 10));
}

void Write(const Writer& writer, const AdapterSlot& slot, const std::string& value) {
  std::visit(
      [&](auto write) {
        using W = decltype(write);
        if constexpr (std::is_same_v<W, GlobalText>) write(value);
        else if constexpr (std::is_same_v<W, GlobalNumber>) write(AsNumber(value));
        else if constexpr (std::is_same_v<W, AdapterText>) write(slot.adapter, value);
        else if constexpr (std::is_same_v<W, AdapterProtocolText>)
          write(slot.adapter, slot.protocol, value);
        else write(slot.adapter, slot.protocol, Bytes{static_cast<unsigned char>(AsNumber(value))});
      },
      writer);
}

// The key a deletion acts on; empty where the adapter has no protocol instance.
std::string KeyOf(const Deletion& d, const AdapterSlot& slot) {
  switch (d.base) {
    case Base::Adapter: return AdapterKey(slot.adapter) + d.key;
    case Base::Protocol: return ProtocolInstanceKey(slot.protocol);
    case Base::Fixed: break;
  }
  return d.key;
}

void Delete(const std::vector<Deletion>& deletions, const AdapterSlot& slot) {
  for (const Deletion& d : deletions)
    if (const std::string key = KeyOf(d, slot); !key.empty())
      DeleteRegValue(HKEY_LOCAL_MACHINE, key, d.name);
}

void Apply9x(const CustomChoices& choices, const std::vector<AdapterSlot>& slots, bool is98) {
  // An empty slot stands in for the adapter that global rows do not use.
  const std::vector<AdapterSlot> once(1);
  for (const ApplyRow& row : ApplyRows9x()) {
    const int index = choices[row.list];
    if (index < 0 || index >= static_cast<int>(CustomListItems(row.list).size())) continue;
    const std::vector<AdapterSlot>& targets = row.scope == Scope::Global ? once : slots;
    for (const AdapterSlot& slot : targets) {
      if (index == 0) Delete(row.deletions, slot);
      else Write(is98 ? row.write98 : row.write95Me, slot, ItemValue(row.list, index, row.meaning));
    }
  }
}

}  // namespace

void ApplyCustomSettings95Me(const CustomChoices& choices, const std::vector<AdapterSlot>& slots) {
  Apply9x(choices, slots, false);
}

void ApplyCustomSettings98(const CustomChoices& choices, const std::vector<AdapterSlot>& slots) {
  Apply9x(choices, slots, true);
}

void ApplyCustomSettingsNT(const CustomChoices& choices) {
  for (const ApplyRowNT& row : ApplyRowsNT()) {
    const int index = choices[row.list];
    if (index < 0 || index >= static_cast<int>(CustomListItems(row.list).size())) continue;
    if (index == 0) DeleteRegValue(HKEY_LOCAL_MACHINE, kTcpipNT, row.name);
    else row.write(AsNumber(ItemValue(row.list, index, row.meaning)));
  }
}

ApplyFamily ApplyFamilyOf(const COpSysInfo& info) {
  if (info.IsWinXP() || info.IsWin2K() || info.IsWinNT()) return ApplyFamily::NT;
  if (info.IsWinME()) return ApplyFamily::Win95Me;
  if (info.IsWin98()) return ApplyFamily::Win98;
  if (info.IsWin95()) return ApplyFamily::Win95Me;
  return ApplyFamily::None;
}

