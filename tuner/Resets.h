// Resets to the Windows defaults: they delete the tuned values so that Windows falls back on its
// own, and write nothing.
#pragma once
#include <string>

// Windows 95, 98 and Me: one adapter slot per call (adapter sub-key, protocol-instance key), plus
// the global values. Both names perform the same deletions.
void ResetDefaults95Me(const std::string& adapter, const std::string& protocol);
void ResetDefaults98(const std::string& adapter, const std::string& protocol);

// Windows NT, 2000 and XP: the global values under the Tcpip parameters key.
void ResetDefaultsNT();
