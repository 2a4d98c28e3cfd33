// Presses "Restart" on brenvik's main window, in whatever Wine prefix it is started in.
#include "tuner/frmMain.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  frmMain form;
  form.Load();
  form.Show();
  SendMessageA(form.Command13.hwnd(), BM_CLICK, 0, 0);
  form.Unload();
  return 0;
}
