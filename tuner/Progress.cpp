// The progress animation after "&Optimize" and "&Apply": the bar moves into a new status-bar panel
// and fills in steps of 5 every 100 ms; the status bar is then left with one fresh panel.
#include "tuner/frmMain.h"

const char kRefusedTitle[] = "Brenvik";
const char kRefusedMessage[] =
    "Brenvik could not write some settings to the registry. Run it as an administrator and try "
    "again.";

void frmMain::StartProgress(ui::Timer& timer) {
  ProgressBar1.SetMin(0);
  ProgressBar1.SetMax(100);
  ShowStatusProgress(true);
  timer.SetEnabled(true);
}

void frmMain::ShowStatusProgress(bool show) {
  StatusBar1.AddPanel(2);
  StatusBar1.SetPanelWidth(2, StatusBar1.Width() - 1);
  if (show)
    ProgressBar1.ShowOverPanel(StatusBar1, 1);
  else
    ProgressBar1.ReturnTo(hwnd());
}

namespace {

// One tick of either animation; true when it ended with this tick.
bool Tick(frmMain& form, int32_t& progress, ui::Timer& timer, ui::Button& button) {
  progress += 5;
  form.SetMousePointer(ui::Pointer::Hourglass);
  form.Toolbar1.SetEnabled(false);
  bool ended = progress > 100;
  if (ended) {
    timer.SetEnabled(false);
    form.ShowStatusProgress(false);
    button.SetEnabled(true);
    progress = 0;
    form.StatusBar1.RemovePanel(1);
    form.StatusBar1.RemovePanel(2);
    form.StatusBar1.SetPanelAutoSize(1, ui::AutoSize::Spring);
    form.StatusBar1.SetPanelBevel(1, ui::Bevel::Inset);
    form.SetMousePointer(ui::Pointer::Default);
    form.Toolbar1.SetEnabled(true);
  }
  return ended;
}

}  // namespace

// A refused write shows its message in place of the restart panel: the panel of an earlier run
// would say that all went well.
void frmMain::Timer1_Timer() {
  bool ended = Tick(*this, OptimizeProgress, Timer1, Command1);
  if (ended) Frame3.SetVisible(!OptimizeRefused);
  ProgressBar1.SetValue(OptimizeProgress);
  if (ended && OptimizeRefused) {
    OptimizeRefused = false;
    ShowRefusedMessage();
  }
}

void frmMain::Timer2_Timer() {
  bool ended = Tick(*this, ApplyProgress, Timer2, Command4);
  ProgressBar1.SetValue(ApplyProgress);
  if (ended && ApplyRefused) {
    ApplyRefused = false;
    ShowRefusedMessage();
  }
}

// A refused "&Apply" leaves the restart panel alone: what an earlier "&Optimize" wrote still
// needs the restart.
void frmMain::ShowRefusedMessage() {
  ui::MsgBox(hwnd(), kRefusedMessage, kRefusedTitle, MB_OK | MB_ICONEXCLAMATION);
}
