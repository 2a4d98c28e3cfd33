// Swaps one entry of this program's import table, so a test can watch the calls that the code
// under test makes into a system DLL.
#pragma once
#include <windows.h>

// Points the import of `function` from `dll` at `replacement`; returns the previous target, or
// nullptr when the program does not import it.
void* ReplaceImport(const char* dll, const char* function, void* replacement);
