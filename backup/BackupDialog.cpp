#include "backup/BackupDialog.h"

#include "backup/BackupStore.h"

#include <commctrl.h>

namespace {

ui::FormArgs DialogArgs(const char* caption) {
    ui::FormArgs args;
    args.caption = caption;
    args.width = 5400;
    args.height = 4080;
    args.border = ui::BorderStyle::FixedDialog;
    args.minButton = false;
    return args;
}

}  // namespace

BackupDialog::BackupDialog(const Design& design, std::string folder)
    : ui::Form(DialogArgs(design.caption)), design_(design), folder_(std::move(folder)) {}

void BackupDialog::CreateControls() {
    AddControls({
        {&Frame1, "Frame1", -1, "", nullptr, 120, 60, 5160, 3300},
        {&Label1, "Label1", -1, design_.label1, &Frame1, 180, 240, 3240, 255},
        {&Text1, "Text1", -1, "Text1", &Frame1, 180, 510, 3240, 315},
        {&Label2, "Label2", -1, "Saved Files", &Frame1, 180, 960, 3240, 255},
        {&List1, "List1", -1, "", &Frame1, 180, 1230, 3240, 1890, On(&BackupDialog::List1_Click),
         ui::MultiSelect},
        {&Command1, "Command1", -1, "&OK", &Frame1, 3660, 510, 1335, 375,
         [this] { Command1_Click(); }, ui::Default},
        {&Command2, "Command2", -1, "&Cancel", &Frame1, 3660, 990, 1335, 375,
         On(&BackupDialog::Command2_Click), ui::Cancel},
        {&Command3, "Command3", -1, "&Delete", &Frame1, 3660, 1470, 1335, 375,
         On(&BackupDialog::Command3_Click)},
        {&Command4, "Command4", -1, "&Help", &Frame1, 3660, 2745, 1335, 375,
         On(&BackupDialog::Command4_Click)},
        {&StatusBar1, "StatusBar1", -1, "", nullptr, 0, 3720, 5400, 360},
        {&ProgressBar1, "ProgressBar1", -1, "", nullptr, 120, 3420, 5160, 240, {}, ui::Hidden},
    });
    AddTimer(Timer1, "Timer1", design_.interval, false, [this] { Timer1_Timer(); });
}

void BackupDialog::FillList() {
    List1.Clear();
    for (const std::string& name : backup::ListBackups(folder_)) List1.AddItem(name);
}

void BackupDialog::Tell(const std::string& message) {
    ui::MsgBox(hwnd(), message, "Brenvik", MB_OK | MB_ICONEXCLAMATION);
}

void BackupDialog::StartAnimation() {
    Command1.SetEnabled(false);
    ProgressBar1.SetVisible(true);
    ShowProgressInStatus(true);
    Timer1.SetEnabled(true);
}

// "&Cancel" or closing the dialog during the animation must not lose what the work left to tell.
void BackupDialog::Form_Unload(int&) {
    Timer1.SetEnabled(false);  // no tick may unload the dialog while the message is shown
    ShowProgressInStatus(false);
    std::string message;
    message.swap(tellAtUnload_);
    if (!message.empty()) Tell(message);
}

void BackupDialog::Command2_Click() { Unload(); }

void BackupDialog::Command3_Click() {
    if (List1.ListIndex() >= 0) {
        std::vector<std::string> chosen;
        for (int i = 0; i < List1.ListCount(); ++i)
            if (List1.Selected(i)) chosen.push_back(List1.List(i));
        backup::Outcome outcome = backup::DeleteBackups(folder_, chosen);
        if (!outcome.message.empty()) Tell(outcome.message);
    }
    FillList();
}

void BackupDialog::Command4_Click() {
    ui::HtmlHelp(hwnd(), ui::HelpFile(), ui::HH_DISPLAY_TOPIC_, design_.topic);
}

void BackupDialog::List1_Click() { Text1.SetText(List1.Caption()); }

void BackupDialog::Timer1_Timer() {
    SetMousePointer(ui::Pointer::Hourglass);
    if (ProgressBar1.Value() < 100) {
        ProgressBar1.SetValue(ProgressBar1.Value() + 5);
        return;
    }
    ProgressBar1.SetVisible(false);
    Timer1.SetEnabled(false);
    ProgressBar1.SetValue(0);
    SetMousePointer(ui::Pointer::Default);
    Command1.SetEnabled(true);
    ShowProgressInStatus(false);
    Unload();
}

// Covers the status bar's first panel with the progress bar, or gives the bar back, hidden.
void BackupDialog::ShowProgressInStatus(bool show) {
    if (!ProgressBar1.hwnd()) return;
    if (show)
        ProgressBar1.ShowOverPanel(StatusBar1, 0);
    else
        ProgressBar1.ReturnTo(hwnd());
}
