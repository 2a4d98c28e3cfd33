// Shared set-up for the keeper's window tests: a clean settings key, the tray calls, message boxes
// and help calls recorded, and the keeper's window loaded as at program start.
#pragma once
#include "keeper/TrayIcon.h"
#include "keeper/frmGetIp.h"
#include "keeper/frmMenu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

struct TrayCall {
    DWORD command;
    NOTIFYICONDATAA record;
    int image;
    BOOL result;
};

std::vector<TrayCall>& TrayCalls();
std::vector<std::string>& Messages();   // "title|text|style"
std::vector<std::string>& HelpCalls();  // "owner-is-main|file|command|topic"

// Removes the keeper's settings key and the autostart value.
void ClearKeeperSettings();
std::string KeeperSetting(const char* name);   // "" when absent
bool AutostartPresent();
std::string AutostartData();
// Handles waiting messages for about ms milliseconds.
void Pump(int ms = 0);

// The last image the tray icon was given, 0 when none.
int LastTrayImage();

class KeeperWindow : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Loads the window as the program does (shown unless it starts hidden).
    void Start();
    frmGetIp& form = GetIpForm();
    frmMenu& menu = MenuForm();
};
