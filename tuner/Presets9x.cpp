#include "tuner/Presets9x.h"

#include "settings/AdapterSettings.h"
#include "settings/GlobalSettings.h"

#include <cstdint>
#include <cstdlib>

namespace {

// One writer of either variant, whichever keys and kind of value it takes.
class Writer {
public:
    using SlotText = void (*)(const std::string&, const std::string&, const std::string&);
    using AdapterText = void (*)(const std::string&, const std::string&);
    using GlobalText = void (*)(const std::string&);
    using GlobalNumber = void (*)(int32_t);

    constexpr Writer(SlotText f) : slot_(f) {}
    constexpr Writer(AdapterText f) : adapter_(f) {}
    constexpr Writer(GlobalText f) : text_(f) {}
    constexpr Writer(GlobalNumber f) : number_(f) {}

    bool Is(GlobalText f) const { return text_ == f; }

    // A cell is the value's text; a number writer gets its digits as a number.
    void Write(const std::string& adapter, const std::string& protocol, const char* cell) const {
        if (slot_) slot_(adapter, protocol, cell);
        if (adapter_) adapter_(adapter, cell);
        if (text_) text_(cell);
        if (number_) number_(static_cast<int32_t>(std::strtol(cell, nullptr, 10)));
    }

private:
    SlotText slot_ = nullptr;
    AdapterText adapter_ = nullptr;
    GlobalText text_ = nullptr;
    GlobalNumber number_ = nullptr;
};

// The value sets. Lan2, Pppoe2 and Satellite2 share B2; Pppoe3 and Satellite3 share B3; Lan4,
// Pppoe4 and Satellite4 share B4; every #5 preset is C5.
enum Column { D1, D2, D3, D4, L1, L3, P1, S1, B2, B3, B4, C5, kColumns };

struct Row {
    Writer set95Me;  // the 95/Me writer; a bare number below goes to it as a number
    Writer set98;    // the 98 writer takes every cell as text
    const char* cells[kColumns];
};

constexpr const char* no = nullptr;  // the preset does not call this writer

const Row kPresets[] = {
    //                                                                D1      D2      D3       D4       L1      L3        P1       S1       B2        B3        B4        C5
    {SetIPMTU, SetIPMTU98,                                           {"576",  "576",  "1500",  "1500",  "1500", "1500",   "1500",  "1500",  "1500",   "1492",   "1500",   no}},
    {SetMaxMTU, SetMaxMTU98,                                         {"576",  "576",  "1500",  "1500",  "1500", "1500",   "1500",  "1500",  "1500",   "1492",   "1500",   no}},
    {SetMSS, SetMSS98,                                               {"536",  "536",  "1460",  "1460",  "1460", "1460",   "1460",  "1460",  "1460",   "1452",   "1460",   no}},
    {SetMaxMSS, SetMaxMSS98,                                         {"536",  "536",  "1460",  "1460",  "1460", "1460",   "1460",  "1460",  "1460",   "1452",   "1460",   no}},
    {SetLogging, SetLogging98,                                       {no,     no,     "0",     no,      no,     "0",      no,      no,      no,       "0",      no,       no}},
    {SetIPXHeaderCompression, SetIPXHeaderCompression98,             {no,     no,     "1",     no,      no,     "1",      no,      no,      no,       "1",      no,       no}},
    {SetPointToPointIP, SetPointToPointIP98,                         {no,     no,     "1",     no,      no,     "1",      no,      no,      no,       "1",      no,       no}},
    {SetDefaultRcvWindow, SetDefaultRcvWindow98,                     {"2144", "2144", "23360", "23360", "5840", "373760", "64240", "64240", "373760", "371712", "373760", "4288"}},
    {SetDefaultTTL, SetDefaultTTL98,                                 {"64",   "64",   "128",   "128",   "64",   "128",    "128",   "64",    "128",    "128",    "128",    "128"}},
    {SetPMTUDiscovery, SetPMTUDiscovery98,                           {"1",    "1",    no,      "1",     "1",    no,       "1",     "1",     "1",      no,       "1",      "1"}},
    {SetPMTUBlackHoleDetect, SetPMTUBlackHoleDetect98,               {no,     no,     "0",     "0",     no,     "0",      no,      no,      "0",      "0",      "0",      "0"}},
    {SetPMTUBlackHoleEnabled, SetPMTUBlackHoleEnabled98,             {no,     no,     "0",     no,      no,     "0",      no,      no,      no,       "0",      no,       no}},
    {SetSessionKeepAlive, SetSessionKeepAlive98,                     {no,     no,     "60000", "60000", no,     "60000",  no,      no,      "60000",  "60000",  "60000",  "60000"}},
    {SetSackOpts, SetSackOpts98,                                     {no,     no,     "1",     no,      no,     "1",      "1",     "1",     "1",      "1",      no,       no}},
    {SetTcp1323Opts, SetTcp1323Opts98,                               {no,     no,     no,      no,      no,     "3",      no,      "3",     "3",      "3",      no,       no}},
    {SetMaxDupAcks, SetMaxDupAcks98,                                 {no,     no,     "3",     no,      no,     "3",      "3",     "3",     no,       "3",      no,       no}},
    {SetNWLinkCacheSize, SetNWLinkCacheSize98,                       {"16",   "64",   "0",     "0",     "16",   "0",      no,      no,      "0",      "0",      "0",      no}},
    {SetNWLinkForceEvenDefault, SetNWLinkForceEvenDefault98,         {no,     no,     "1",     no,      no,     "1",      no,      no,      no,       "1",      no,       no}},
    {SetNWLinkMaxConnectMin, SetNWLinkMaxConnectMin98,               {no,     no,     "2",     no,      no,     "2",      no,      no,      no,       "2",      no,       no}},
    {SetNWLinkMaxConnectMax, SetNWLinkMaxConnectMax98,               {no,     no,     "128",   no,      no,     "128",    no,      no,      no,       "128",    no,       no}},
    {SetNWLinkMaxConnectDefault, SetNWLinkMaxConnectDefault98,       {no,     no,     "64",    no,      no,     "64",     no,      no,      no,       "64",     no,       no}},
    {SetNWLinkMaxSocketsMin, SetNWLinkMaxSocketsMin98,               {no,     no,     "32",    no,      no,     "32",     no,      no,      no,       "32",     no,       no}},
    {SetNWLinkMaxSocketsMax, SetNWLinkMaxSocketsMax98,               {no,     no,     "1020",  no,      no,     "1020",   no,      no,      no,       "1020",   no,       no}},
    {SetNWLinkMaxSocketsDefault, SetNWLinkMaxSocketsDefault98,       {no,     no,     "255",   no,      no,     "255",    no,      no,      no,       "255",    no,       no}},
    {SetMaxConnectionsPerServer, SetMaxConnectionsPerServer98,       {no,     no,     "8",     no,      no,     "8",      no,      no,      no,       "8",      no,       "8"}},
    {SetMaxConnectionsPer1_0Server, SetMaxConnectionsPer1_0Server98, {no,     no,     "16",    no,      no,     "16",     no,      no,      no,       "16",     no,       "16"}},
    {SetNetBEUIDefault, SetNetBEUIDefault98,                         {no,     no,     "32",    no,      no,     "32",     no,      no,      no,       "32",     no,       no}},
    {SetNetBEUINcbs, SetNetBEUINcbs98,                               {no,     no,     "16",    no,      no,     "16",     no,      no,      no,       "16",     no,       no}},
    {SetNetBEUISessions, SetNetBEUISessions98,                       {no,     no,     "32",    no,      no,     "32",     no,      no,      no,       "32",     no,       no}},
    {SetNetBEUINcbsDefault, SetNetBEUINcbsDefault98,                 {no,     no,     "64",    no,      no,     "64",     no,      no,      no,       "64",     no,       no}},
    {SetNetBEUINcbsMin, SetNetBEUINcbsMin98,                         {no,     no,     "8",     no,      no,     "8",      no,      no,      no,       "8",      no,       no}},
    {SetNetBEUINcbsMax, SetNetBEUINcbsMax98,                         {no,     no,     "255",   no,      no,     "255",    no,      no,      no,       "255",    no,       no}},
    {SetNetBEUISessionsDefault, SetNetBEUISessionsDefault98,         {no,     no,     "32",    no,      no,     "32",     no,      no,      no,       "32",     no,       no}},
    {SetNetBEUISessionsMin, SetNetBEUISessionsMin98,                 {no,     no,     "4",     no,      no,     "4",      no,      no,      no,       "4",      no,       no}},
    {SetNetBEUISessionsMax, SetNetBEUISessionsMax98,                 {no,     no,     "117",   no,      no,     "117",    no,      no,      no,       "117",    no,       no}},
};

void Write95Me(Column column, const std::string& adapter, const std::string& protocol) {
    for (const Row& row : kPresets)
        if (const char* cell = row.cells[column]) row.set95Me.Write(adapter, protocol, cell);
}

// Windows 98's #3 presets of LAN, PPPoE and satellite leave window scaling alone.
enum class Tcp1323 { Write, Skip };

void Write98(Column column, const std::string& adapter, const std::string& protocol,
             Tcp1323 tcp1323 = Tcp1323::Write) {
    for (const Row& row : kPresets) {
        if (tcp1323 == Tcp1323::Skip && row.set98.Is(SetTcp1323Opts98)) continue;
        if (const char* cell = row.cells[column]) row.set98.Write(adapter, protocol, cell);
    }
}

}  // namespace

using S = const std::string&;

void Optimize95MeDialUp1(S a, S p) { Write95Me(D1, a, p); }
void Optimize95MeDialUp2(S a, S p) { Write95Me(D2, a, p); }
void Optimize95MeDialUp3(S a, S p) { Write95Me(D3, a, p); }
void Optimize95MeDialUp4(S a, S p) { Write95Me(D4, a, p); }
void Optimize95MeDialUp5(S a, S p) { Write95Me(C5, a, p); }
void Optimize95MeLan1(S a, S p) { Write95Me(L1, a, p); }
void Optimize95MeLan2(S a, S p) { Write95Me(B2, a, p); }
void Optimize95MeLan3(S a, S p) { Write95Me(L3, a, p); }
void Optimize95MeLan4(S a, S p) { Write95Me(B4, a, p); }
void Optimize95MeLan5(S a, S p) { Write95Me(C5, a, p); }
void Optimize95MePppoe1(S a, S p) { Write95Me(P1, a, p); }
void Optimize95MePppoe2(S a, S p) { Write95Me(B2, a, p); }
void Optimize95MePppoe3(S a, S p) { Write95Me(B3, a, p); }
void Optimize95MePppoe4(S a, S p) { Write95Me(B4, a, p); }
void Optimize95MePppoe5(S a, S p) { Write95Me(C5, a, p); }
void Optimize95MeSatellite1(S a, S p) { Write95Me(S1, a, p); }
void Optimize95MeSatellite2(S a, S p) { Write95Me(B2, a, p); }
void Optimize95MeSatellite3(S a, S p) { Write95Me(B3, a, p); }
void Optimize95MeSatellite4(S a, S p) { Write95Me(B4, a, p); }
void Optimize95MeSatellite5(S a, S p) { Write95Me(C5, a, p); }

void Optimize98DialUp1(S a, S p) { Write98(D1, a, p); }
void Optimize98DialUp2(S a, S p) { Write98(D4, a, p); }  // not D2: 98 dial-up #2 equals #4
void Optimize98DialUp3(S a, S p) { Write98(D3, a, p); }
void Optimize98DialUp4(S a, S p) { Write98(D4, a, p); }
void Optimize98DialUp5(S a, S p) { Write98(C5, a, p); }
void Optimize98Lan1(S a, S p) { Write98(L1, a, p); }
void Optimize98Lan2(S a, S p) { Write98(B2, a, p); }
void Optimize98Lan3(S a, S p) { Write98(L3, a, p, Tcp1323::Skip); }
void Optimize98Lan4(S a, S p) { Write98(B4, a, p); }
void Optimize98Lan5(S a, S p) { Write98(C5, a, p); }
void Optimize98Pppoe1(S a, S p) { Write98(P1, a, p); }
void Optimize98Pppoe2(S a, S p) { Write98(B2, a, p); }
void Optimize98Pppoe3(S a, S p) { Write98(B3, a, p, Tcp1323::Skip); }
void Optimize98Pppoe4(S a, S p) { Write98(B4, a, p); }
void Optimize98Pppoe5(S a, S p) { Write98(C5, a, p); }
void Optimize98Satellite1(S a, S p) { Write98(S1, a, p); }
void Optimize98Satellite2(S a, S p) { Write98(B2, a, p); }
void Optimize98Satellite3(S a, S p) { Write98(B3, a, p, Tcp1323::Skip); }
void Optimize98Satellite4(S a, S p) { Write98(B4, a, p); }
void Optimize98Satellite5(S a, S p) { Write98(C5, a, p); }
