// "&Launch" on the launcher page, "&Olandri" and "Restart".
#include "tuner/frmMain.h"

void frmMain::Command2_Click() {}

void frmMain::mnuLaunch_Click() { Command2_Click(); }

void frmMain::mnuOlandri_Click() {}

void frmMain::Command13_Click() {}
