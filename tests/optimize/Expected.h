// The registry state that the automatic optimization must leave, built from the value tables of
// the resets and presets as they are documented, independently of the program's own tables.
#pragma once
#include "tests/support/RegSnapshot.h"

#include <string>
#include <vector>

struct Slot {
    std::string adapter;
    std::string protocol;
};

// Each file has its own copy (no symbol), so these tests link with others that name the keys.
const char* const kClassKey = "System\\CurrentControlSet\\Services\\Class";
const char* const kVxDKey = "System\\CurrentControlSet\\Services\\VxD";
const char* const kTcpipKey = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters";
const char* const kInternetKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

// The eleven fixed slots, and the one discovered adapter the tests install.
std::vector<Slot> FixedSlots();
Slot DiscoveredSlot();

// Every value below the keys the tuner handles (both families' keys, and the two connection
// limits of the machine and of the user).
RegSnapshot ReadHandledState();
// Removes all of it (the Tcpip parameters key keeps its other values).
void ClearHandledState();
// Puts an old value at every place a reset deletes, for the given slots and the NT key, plus
// values the tuner must leave alone.
void SeedOldState(const std::vector<Slot>& slots);

enum class Family { Win95, Win98, WinMe, NT4, Win2K, WinXP, None };
Family FamilyNamed(const std::string& testFamily);
const char* FamilyName(Family family);

// What resets and presets do to a state.
void ExpectReset9x(RegSnapshot& state, const Slot& slot);
void ExpectResetNT(RegSnapshot& state);
// Preset of a 95/Me or 98 family for a connection type (0 dial-up, 1 LAN, 2 PPPoE, 3 satellite) and
// configuration 1..5.
void ExpectPreset9x(RegSnapshot& state, Family family, int connection, int configuration,
                    const Slot& slot);
void ExpectPresetNT(RegSnapshot& state, Family family, int connection, int configuration);

// The whole run of "&Optimize" from the state before it.
RegSnapshot ExpectOptimize(RegSnapshot before, Family family, int connection, int configuration,
                           const std::vector<Slot>& slots);
