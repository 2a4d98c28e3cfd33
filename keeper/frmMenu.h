// The hidden window that carries the tray icon's popup menu and receives its commands.
#pragma once
#include "ui/UI.h"

#include <cstdint>

class frmMenu : public ui::Form {
public:
    frmMenu();

    ui::MenuItem mnuOptions;
    ui::MenuItem mnuOpts[8];
    ui::MenuItem mnuInterval[4];

    void mnuOpts_Click(int16_t Index);
    void mnuInterval_Click(int16_t Index);

protected:
    void CreateControls() override;
};

// The menu window, made on first use (it is loaded separately, when first needed).
frmMenu& MenuForm();
