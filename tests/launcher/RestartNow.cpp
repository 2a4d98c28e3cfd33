// Runs brenvik's restart, as its "Restart" button does, in whatever Wine prefix it is started in.
#include "tuner/Launcher.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  RestartWindows();
  return 0;
}
