// The registry work of "&Optimize": the family's reset followed by the preset for the chosen
// connection type and configuration, per adapter slot on Windows 95, 98 and Me.
#pragma once
#include "settings/OpSysInfo.h"

#include <string>
#include <vector>

// The connection types, in the order of the connection list.
enum Connection { kDialUp = 0, kLan = 1, kPppoe = 2, kSatellite = 3, kWindowsDefaults = 4 };

enum class OptimizeFamily { None, WinXP, Win2K, WinNT, WinME, Win98, Win95 };

struct AdapterSlot {
    std::string adapter;   // sub-key under System\CurrentControlSet\Services\Class\Net
    std::string protocol;  // protocol-instance key under System\CurrentControlSet\Services\Class
};

// The first true flag in the order XP, 2000, NT, Me, 98, 95; Me thus takes the 95/Me presets.
OptimizeFamily ChooseFamily(const COpSysInfo& info);

// The first of "Automatic Configuration #1" to "#4" that is chosen, otherwise 5.
int ConfigurationNumber(bool option8, bool option9, bool option10, bool option11);

// The slots that a per-adapter operation treats: all eleven fixed slots when the adapter box reads
// exactly "Default Adapter", otherwise the discovered adapter at the selected position (none when
// the position names no discovered adapter).
std::vector<AdapterSlot> SelectedSlots(const std::string& adapterText, int listIndex,
                                       const std::vector<std::string>& adapterSubkeys,
                                       const std::vector<std::string>& adapterDrivers,
                                       const std::vector<std::string>& slotSubkeys,
                                       const std::vector<std::string>& slotDrivers);

// Runs the reset and the preset. slots is only used on Windows 95, 98 and Me, the configuration
// only for connection types 0 to 3; a connection index outside 0 to 4 or a family none of whose
// flags is set writes nothing. True when the registry refused any write or deletion of the run.
bool OptimizeRegistry(const COpSysInfo& info, int connection, int configuration,
                      const std::vector<AdapterSlot>& slots);

// Where "&Optimize" reads the Windows version from; tests set it to play another family.
extern COpSysInfo::VersionCall OptimizeVersionCall;
