// The tuner's pictures, drawn by code: the toolbar's seven images, the about box's logo, the link
// cursor, and the program's icon (a resource made by scripts/make-icon.py).
#pragma once
#include <windows.h>
#include <commctrl.h>

HIMAGELIST ToolbarImages();  // images 1 to 7, 24 x 24
HBITMAP LogoBitmap();        // 64 x 64
HCURSOR LinkCursor();        // 32 x 32 pointing hand
HICON ProgramIcon();         // nullptr when the program carries no icon resource
