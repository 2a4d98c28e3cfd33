#include "keeper/frmMenu.h"

#include "keeper/frmGetIp.h"

namespace {
ui::FormArgs MenuArgs()
{
    ui::FormArgs args;
    args.caption = "Form1";
    return args;
}
}

frmMenu::frmMenu() : ui::Form(MenuArgs()) {}

frmMenu& MenuForm()
{
    static frmMenu form;
    return form;
}

void frmMenu::CreateControls()
{
    const auto opts = [this](int16_t index) { return [this, index] { mnuOpts_Click(index); }; };
    const auto interval = [this](int16_t index) {
        return [this, index] { mnuInterval_Click(index); };
    };
    AddMenus({
        {&mnuOptions, "mnuOptions", -1, "Options", 0},
        {&mnuOpts[0], "mnuOpts", 0, "&Ping", 1, opts(0)},
        {&mnuOpts[1], "mnuOpts", 1, "&Stop Ping", 1, opts(1)},
        {&mnuOpts[2], "mnuOpts", 2, "P&ing Interval", 1},
        {&mnuInterval[0], "mnuInterval", 0, "10 seonds", 2, interval(0)},
        {&mnuInterval[1], "mnuInterval", 1, "30 seconds", 2, interval(1)},
        {&mnuInterval[2], "mnuInterval", 2, "60 seconds", 2, interval(2)},
        {&mnuInterval[3], "mnuInterval", 3, "120 seconds", 2, interval(3)},
        {&mnuOpts[3], "mnuOpts", 3, "-", 1},
        {&mnuOpts[4], "mnuOpts", 4, "&Restore", 1, opts(4)},
        {&mnuOpts[5], "mnuOpts", 5, "&Help", 1, opts(5)},
        {&mnuOpts[6], "mnuOpts", 6, "-", 1},
        {&mnuOpts[7], "mnuOpts", 7, "&Close", 1, opts(7)},
    });
}

void frmMenu::mnuOpts_Click(int16_t Index)
{
    frmGetIp& main = GetIpForm();
    switch (Index) {
    case 0:
        main.cmdPing_Click();
        break;
    case 1:
        main.Command1_Click();
        break;
    case 4:
        main.SetWindowState(0);
        main.Show();
        break;
    case 5:
        ui::HtmlHelp(hwnd(), ui::HelpFile(), ui::HH_DISPLAY_TOPIC_, "ping.htm");
        break;
    case 7:
        main.cmdExit_Click();
        break;
    default:
        break;
    }
}

void frmMenu::mnuInterval_Click(int16_t Index)
{
    if (Index >= 0 && Index < GetIpForm().Combo1.ListCount())
        GetIpForm().Combo1.SetListIndex(Index);
}
