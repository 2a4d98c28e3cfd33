// brenvik starts by loading its main window; the program ends when the last window is unloaded.
#include "tuner/frmMain.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  ui::InitCommonControls();
  ui::SetQuitWhenLastFormUnloads(true);
  frmMain main;
  main.Show();
  return ui::RunMessageLoop();
}
