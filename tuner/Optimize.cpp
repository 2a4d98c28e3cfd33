#include "tuner/Optimize.h"

#include "settings/RegFunctions.h"
#include "tuner/Presets9x.h"
#include "tuner/PresetsNT.h"
#include "tuner/Resets.h"

COpSysInfo::VersionCall OptimizeVersionCall = GetVersionExA;

namespace {

// Preset by connection type (rows) and configuration #1 to #5 (columns).
const SlotPreset kPresets95Me[4][5] = {
    {Optimize95MeDialUp1, Optimize95MeDialUp2, Optimize95MeDialUp3, Optimize95MeDialUp4, Optimize95MeDialUp5},
    {Optimize95MeLan1, Optimize95MeLan2, Optimize95MeLan3, Optimize95MeLan4, Optimize95MeLan5},
    {Optimize95MePppoe1, Optimize95MePppoe2, Optimize95MePppoe3, Optimize95MePppoe4, Optimize95MePppoe5},
    {Optimize95MeSatellite1, Optimize95MeSatellite2, Optimize95MeSatellite3, Optimize95MeSatellite4,
     Optimize95MeSatellite5},
};

const SlotPreset kPresets98[4][5] = {
    {Optimize98DialUp1, Optimize98DialUp2, Optimize98DialUp3, Optimize98DialUp4, Optimize98DialUp5},
    {Optimize98Lan1, Optimize98Lan2, Optimize98Lan3, Optimize98Lan4, Optimize98Lan5},
    {Optimize98Pppoe1, Optimize98Pppoe2, Optimize98Pppoe3, Optimize98Pppoe4, Optimize98Pppoe5},
    {Optimize98Satellite1, Optimize98Satellite2, Optimize98Satellite3, Optimize98Satellite4, Optimize98Satellite5},
};

const GlobalPreset kPresetsNT[4][5] = {
    {OptimizeNTDialUp1, OptimizeNTDialUp2, OptimizeNTDialUp3, OptimizeNTDialUp2, OptimizeNTConfig5},
    {OptimizeNTLan1, OptimizeNTBroadband2, OptimizeNTLan3, OptimizeNTBroadband4, OptimizeNTConfig5},
    {OptimizeNTPppoe1, OptimizeNTBroadband2, OptimizeNTBroadband3, OptimizeNTBroadband4, OptimizeNTConfig5},
    {OptimizeNTSatellite1, OptimizeNTBroadband2, OptimizeNTBroadband3, OptimizeNTBroadband4, OptimizeNTConfig5},
};

// Windows XP serves LAN #2 to #4 with the dial-up presets.
const GlobalPreset kLanPresetsXP[5] = {
    OptimizeNTLan1, OptimizeNTDialUp2, OptimizeNTDialUp3, OptimizeNTDialUp2, OptimizeNTConfig5,
};

int Column(int configuration) { return configuration >= 1 && configuration <= 4 ? configuration - 1 : 4; }

void OptimizeNT(OptimizeFamily family, int connection, int configuration) {
    ResetDefaultsNT();
    if (connection == kWindowsDefaults) return;
    const GlobalPreset* row = family == OptimizeFamily::WinXP && connection == kLan ? kLanPresetsXP
                                                                                     : kPresetsNT[connection];
    row[Column(configuration)]();
}

void Optimize9x(OptimizeFamily family, int connection, int configuration, const std::vector<AdapterSlot>& slots) {
    const bool is98 = family == OptimizeFamily::Win98;
    const auto reset = is98 ? &ResetDefaults98 : &ResetDefaults95Me;
    const SlotPreset(&presets)[4][5] = is98 ? kPresets98 : kPresets95Me;
    for (const AdapterSlot& slot : slots) {
        reset(slot.adapter, slot.protocol);
        if (connection != kWindowsDefaults) presets[connection][Column(configuration)](slot.adapter, slot.protocol);
    }
}

}  // namespace

OptimizeFamily ChooseFamily(const COpSysInfo& info) {
    if (info.IsWinXP()) return OptimizeFamily::WinXP;
    if (info.IsWin2K()) return OptimizeFamily::Win2K;
    if (info.IsWinNT()) return OptimizeFamily::WinNT;
    if (info.IsWinME()) return OptimizeFamily::WinME;
    if (info.IsWin98()) return OptimizeFamily::Win98;
    if (info.IsWin95()) return OptimizeFamily::Win95;
    return OptimizeFamily::None;
}

int ConfigurationNumber(bool option8, bool option9, bool option10, bool option11) {
    if (option8) return 1;
    if (option9) return 2;
    if (option10) return 3;
    if (option11) return 4;
    return 5;
}

std::vector<AdapterSlot> SelectedSlots(const std::string& adapterText, int listIndex,
                                       const std::vector<std::string>& adapterSubkeys,
                                       const std::vector<std::string>& adapterDrivers,
                                       const std::vector<std::string>& slotSubkeys,
                                       const std::vector<std::string>& slotDrivers) {
    std::vector<AdapterSlot> slots;
    if (adapterText == "Default Adapter") {
        for (size_t i = 0; i < slotSubkeys.size() && i < slotDrivers.size(); ++i)
            slots.push_back({slotSubkeys[i], slotDrivers[i]});
    } else if (listIndex >= 0 && size_t(listIndex) < adapterSubkeys.size() &&
               size_t(listIndex) < adapterDrivers.size()) {
        slots.push_back({adapterSubkeys[listIndex], adapterDrivers[listIndex]});
    }
    return slots;
}

bool OptimizeRegistry(const COpSysInfo& info, int connection, int configuration,
                      const std::vector<AdapterSlot>& slots) {
    const unsigned failuresBefore = RegFailureCount();
    const OptimizeFamily family = ChooseFamily(info);
    if (connection >= kDialUp && connection <= kWindowsDefaults) {
        switch (family) {
        case OptimizeFamily::WinXP:
        case OptimizeFamily::Win2K:
        case OptimizeFamily::WinNT: OptimizeNT(family, connection, configuration); break;
        case OptimizeFamily::WinME:
        case OptimizeFamily::Win98:
        case OptimizeFamily::Win95: Optimize9x(family, connection, configuration, slots); break;
        case OptimizeFamily::None: break;
        }
    }
    return RegFailureCount() != failuresBefore;
}
