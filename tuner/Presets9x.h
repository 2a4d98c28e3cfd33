// The automatic presets of Windows 95 and Me (95/Me writers) and of Windows 98 (98 writers).
// Each writes its fixed values for one adapter slot: the adapter sub-key and the protocol-instance
// key. The configuration #5 presets write global values only and leave the slot alone.
#pragma once
#include <string>

using SlotPreset = void (*)(const std::string& adapter, const std::string& protocol);

void Optimize95MeDialUp1(const std::string& adapter, const std::string& protocol);
void Optimize95MeDialUp2(const std::string& adapter, const std::string& protocol);
void Optimize95MeDialUp3(const std::string& adapter, const std::string& protocol);
void Optimize95MeDialUp4(const std::string& adapter, const std::string& protocol);
void Optimize95MeDialUp5(const std::string& adapter, const std::string& protocol);
void Optimize95MeLan1(const std::string& adapter, const std::string& protocol);
void Optimize95MeLan2(const std::string& adapter, const std::string& protocol);
void Optimize95MeLan3(const std::string& adapter, const std::string& protocol);
void Optimize95MeLan4(const std::string& adapter, const std::string& protocol);
void Optimize95MeLan5(const std::string& adapter, const std::string& protocol);
void Optimize95MePppoe1(const std::string& adapter, const std::string& protocol);
void Optimize95MePppoe2(const std::string& adapter, const std::string& protocol);
void Optimize95MePppoe3(const std::string& adapter, const std::string& protocol);
void Optimize95MePppoe4(const std::string& adapter, const std::string& protocol);
void Optimize95MePppoe5(const std::string& adapter, const std::string& protocol);
void Optimize95MeSatellite1(const std::string& adapter, const std::string& protocol);
void Optimize95MeSatellite2(const std::string& adapter, const std::string& protocol);
void Optimize95MeSatellite3(const std::string& adapter, const std::string& protocol);
void Optimize95MeSatellite4(const std::string& adapter, const std::string& protocol);
void Optimize95MeSatellite5(const std::string& adapter, const std::string& protocol);

void Optimize98DialUp1(const std::string& adapter, const std::string& protocol);
void Optimize98DialUp2(const std::string& adapter, const std::string& protocol);
void Optimize98DialUp3(const std::string& adapter, const std::string& protocol);
void Optimize98DialUp4(const std::string& adapter, const std::string& protocol);
void Optimize98DialUp5(const std::string& adapter, const std::string& protocol);
void Optimize98Lan1(const std::string& adapter, const std::string& protocol);
void Optimize98Lan2(const std::string& adapter, const std::string& protocol);
void Optimize98Lan3(const std::string& adapter, const std::string& protocol);
void Optimize98Lan4(const std::string& adapter, const std::string& protocol);
void Optimize98Lan5(const std::string& adapter, const std::string& protocol);
void Optimize98Pppoe1(const std::string& adapter, const std::string& protocol);
void Optimize98Pppoe2(const std::string& adapter, const std::string& protocol);
void Optimize98Pppoe3(const std::string& adapter, const std::string& protocol);
void Optimize98Pppoe4(const std::string& adapter, const std::string& protocol);
void Optimize98Pppoe5(const std::string& adapter, const std::string& protocol);
void Optimize98Satellite1(const std::string& adapter, const std::string& protocol);
void Optimize98Satellite2(const std::string& adapter, const std::string& protocol);
void Optimize98Satellite3(const std::string& adapter, const std::string& protocol);
void Optimize98Satellite4(const std::string& adapter, const std::string& protocol);
void Optimize98Satellite5(const std::string& adapter, const std::string& protocol);
