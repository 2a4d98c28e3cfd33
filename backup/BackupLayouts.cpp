#include "backup/BackupLayouts.h"

#include <cctype>

namespace backup {

Layout ChooseLayout(bool isWinXP, bool isWin2K, bool isWinNT, bool isWin98, bool isWin95) {
    if (isWinXP || isWin2K || isWinNT) return Layout::NT;
    if (isWin98) return Layout::Win98;
    if (isWin95) return Layout::Win95;
    return Layout::Fallback;
}

const std::array<NTRow, 9> NTLayout = {{
    {2, "TcpWindowSize"},
    {3, "DefaultTTL"},
    {4, "SessionKeepAlive"},
    {5, "EnablePMTUBHDetect"},
    {6, "EnablePMTUDiscovery"},
    {7, "SackOpts"},
    {8, "Tcp1323Opts"},
    {9, "TcpUseRFC1122UrgentPointer"},
    {10, "TcpMaxDupAcks"},
}};

Encoding LayoutRow::In(Layout layout) const {
    switch (layout) {
    case Layout::Win98: return win98;
    case Layout::Win95: return win95;
    default: return fallback;
    }
}

namespace {
constexpr Encoding Num = Encoding::TaggedNumber;
constexpr Encoding Txt = Encoding::TaggedText;
constexpr Encoding PlainNum = Encoding::PlainNumber;
constexpr Encoding PlainTxt = Encoding::PlainText;
}  // namespace

//                                     value            95   fallback  98
const std::array<LayoutRow, 8> AdapterLayout = {{
    {"IPMTU", Txt, Txt, Txt},
    {"IPXHeaderCompression", Txt, Txt, Txt},
    {"Logging", Txt, Txt, Txt},
    {"MaxMSS", Txt, Txt, Txt},
    {"MaxMTU", Txt, Txt, Txt},
    {"MSS", Txt, Txt, Txt},
    {"PointToPointIP", Txt, Txt, Txt},
    {"SLOWNET", Encoding::SlowNetArray, Encoding::SlowNetArray, Encoding::SlowNetByte},
}};

const std::array<LayoutRow, 32> GlobalLayout = {{
    {"BSDUrgent", Num, Num, Txt},
    {"DefaultRcvWindow", Num, Num, Txt},
    {"DefaultTTL", Txt, Txt, Txt},
    {"LocalCopyMade", Txt, Txt, Txt},
    {"SessionKeepAlive", Txt, Txt, Txt},
    {"NWLink cachesize", Txt, Txt, Txt},
    {"NWLink forceeven default", Txt, Txt, Txt},
    {"NWLink maxconnect default", Txt, Txt, Txt},
    {"NWLink maxconnect max", Txt, Txt, Txt},
    {"NWLink maxconnect min", Txt, Txt, Txt},
    {"NWLink maxsockets default", Txt, Txt, Txt},
    {"NWLink maxsockets max", Txt, Txt, Txt},
    {"NWLink maxsockets min", Txt, Txt, Txt},
    {"PMTUAutoDetection", Num, Num, Txt},
    {"PMTUBlackHoleDetect", Num, Num, Txt},
    {"PMTUBlackHoleEnabled", Num, Num, Txt},
    {"PMTUDiscovery", Num, Num, Txt},
    {"SackOpts", Num, Num, Txt},
    {"Tcp1323Opts", Num, Num, Txt},
    {"TcpUseRFC1122UrgentPointer", Num, Num, Txt},
    {"MaxDupAcks", Num, Num, Txt},
    {"MaxConnectionsPerServer", Num, Num, Txt},
    {"MaxConnectionsPer1_0Server", Num, PlainNum, Txt},
    {"NetBEUI default", Txt, Txt, Txt},
    {"NetBEUI ncbs", Txt, Txt, Txt},
    {"NetBEUI sessions", Txt, Txt, Txt},
    {"NetBEUI ncbs default", Txt, Txt, Txt},
    {"NetBEUI ncbs max", Txt, Txt, Txt},
    {"NetBEUI ncbs min", Txt, Txt, Txt},
    {"NetBEUI sessions default", Txt, Txt, Txt},
    {"NetBEUI sessions max", Txt, Txt, Txt},
    {"NetBEUI sessions min", Txt, Txt, PlainTxt},
}};

std::string FixedAdapterKey(int slot) {
    return slot == 10 ? "0010" : "000" + std::to_string(slot);
}

std::string FixedProtocolKey(int slot) {
    return slot == 10 ? "NetTrans\\0010" : "NetTrans\\000" + std::to_string(slot);
}

bool IsAdapterKey(const std::string& key) {
    if (key.size() != 4) return false;
    for (char c : key)
        if (c < '0' || c > '9') return false;
    return true;
}

bool IsProtocolKey(const std::string& key) {
    const std::string prefix = "NetTrans\\";
    return key.compare(0, prefix.size(), prefix) == 0 && key.size() == prefix.size() + 4 &&
           IsAdapterKey(key.substr(prefix.size()));
}

int LastRecord(Layout layout, int n) {
    return layout == Layout::NT ? 10 : GlobalRecord(n, 31);
}

}  // namespace backup
