// The automatic presets of Windows NT, 2000 and XP: fixed global values under the Tcpip
// parameters key. Several connection types and configurations share one preset.
#pragma once

using GlobalPreset = void (*)();

void OptimizeNTDialUp1();
void OptimizeNTDialUp2();
void OptimizeNTDialUp3();
void OptimizeNTLan1();
void OptimizeNTLan3();
void OptimizeNTPppoe1();
void OptimizeNTSatellite1();
void OptimizeNTBroadband2();
void OptimizeNTBroadband3();
void OptimizeNTBroadband4();
void OptimizeNTConfig5();
