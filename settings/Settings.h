// Everything the settings store offers.
#pragma once
#include "settings/RegFunctions.h"
#include "settings/OpSysInfo.h"
#include "settings/AdapterSettings.h"
#include "settings/GlobalSettings.h"
#include "settings/SettingsNT.h"
