// Everything of the window layer in one include.
#pragma once
#include "ui/AnsiText.h"
#include "ui/App.h"
#include "ui/CommonControls.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Menu.h"
#include "ui/Timer.h"
#include "ui/Twips.h"
