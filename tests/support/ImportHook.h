// Swaps one entry of this program's import table, so a test can watch the calls that the code
// under test makes into a system DLL.
#pragma once
#include <windows.h>

// Points the import of `function` from `dll` at `replacement`; returns the previous target, or
// nullptr when the program does not import it.
void* ReplaceImport(const char* dll, const char* function, void* replacement);

// One import pointed at `replacement` while this lives; the destructor puts the previous target
// back, so a test that stops early leaves no stand-in behind for the next one.
class ImportSwap {
 public:
  ImportSwap(const char* dll, const char* function, void* replacement)
      : dll_(dll), function_(function), real_(ReplaceImport(dll, function, replacement)) {}
  ~ImportSwap() {
    if (real_) ReplaceImport(dll_, function_, real_);
  }
  ImportSwap(const ImportSwap&) = delete;
  ImportSwap& operator=(const ImportSwap&) = delete;

  // The previous target, or nullptr when the program does not import the function.
  void* real() const { return real_; }

 private:
  const char* dll_;
  const char* function_;
  void* real_;
};
