// Helpers for the help tests: the built help file, and the help windows this process has open.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace helptest {

// <build>/bin/trasko.chm, seen from a test program in <build>/tests-bin.
std::string BuiltHelpFile();
// A path beside it where no help file is.
std::string MissingHelpFile();

// Top-level windows of class "HH Parent" that belong to this process.
std::vector<HWND> OpenHelpWindows();
std::string CaptionOf(HWND window);
// HH_CLOSE_ALL, then the messages that closing leaves in the queue.
void CloseHelpWindows();
void PumpMessages();

}  // namespace helptest
