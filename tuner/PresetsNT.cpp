#include "tuner/PresetsNT.h"

#include "settings/SettingsNT.h"

#include <cstdint>

namespace {

enum Column { DialUp1, DialUp2, DialUp3, Lan1, Lan3, Pppoe1, Satellite1, Broadband2, Broadband3, Broadband4,
              Config5, kColumns };

struct Row {
    void (*write)(int32_t);
    int32_t cells[kColumns];
};

constexpr int32_t no = -1;  // the preset does not call this writer

const Row kPresets[] = {
    //                                 DialUp1 DialUp2 DialUp3 Lan1  Lan3    Pppoe1 Satellite1 Broadband2 Broadband3 Broadband4 Config5
    {SetTcpWindowSizeNT,              {2144,   23360,  23360,  5840, 373760, 64240, 64240,     373760,    371712,    373760,    4288}},
    {SetDefaultTTLNT,                 {64,     128,    128,    64,   128,    128,   64,        128,       128,       128,       128}},
    {SetEnablePMTUDiscoveryNT,        {1,      1,      no,     1,    no,     1,     1,         1,         no,        1,         1}},
    {SetEnablePMTUBHDetectNT,         {no,     0,      0,      no,   0,      no,    no,        0,         0,         0,         0}},
    {SetSessionKeepAliveNT,           {no,     60000,  60000,  no,   60000,  no,    no,        60000,     60000,     60000,     60000}},
    {SetSackOptsNT,                   {no,     no,     1,      no,   1,      no,    no,        1,         1,         no,        no}},
    {SetTcp1323OptsNT,                {no,     no,     no,     no,   3,      no,    no,        3,         3,         no,        no}},
    {SetTcpMaxDupAcksNT,              {no,     no,     3,      no,   3,      no,    no,        no,        3,         no,        no}},
};

void WriteNT(Column column) {
    for (const Row& row : kPresets)
        if (row.cells[column] != no) row.write(row.cells[column]);
}

}  // namespace

void OptimizeNTDialUp1() { WriteNT(DialUp1); }
void OptimizeNTDialUp2() { WriteNT(DialUp2); }
void OptimizeNTDialUp3() { WriteNT(DialUp3); }
void OptimizeNTLan1() { WriteNT(Lan1); }
void OptimizeNTLan3() { WriteNT(Lan3); }
void OptimizeNTPppoe1() { WriteNT(Pppoe1); }
void OptimizeNTSatellite1() { WriteNT(Satellite1); }
void OptimizeNTBroadband2() { WriteNT(Broadband2); }
void OptimizeNTBroadband3() { WriteNT(Broadband3); }
void OptimizeNTBroadband4() { WriteNT(Broadband4); }
void OptimizeNTConfig5() { WriteNT(Config5); }
