// The compiler's runtime (its thread support, exception frames and parts of the C library) calls
// wide-character functions of kernel32 that Windows 95, 98 and Me do not carry as working calls,
// and IsDBCSLeadByteEx, whose presence there no documentation of the time settles. Defining their
// import slots here keeps them out of the import table: the linker takes these instead of the
// import library's, and each forwards to a call that every Windows from 95 and NT 4.0 on exports.
// The runtime passes plain names only (DLL names, no semaphore name).
#include <windows.h>
#include <string>

namespace {

std::string Narrow(LPCWSTR text) {
  if (!text) return {};
  int size = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string narrow(size > 0 ? size : 1, '\0');
  WideCharToMultiByte(CP_ACP, 0, text, -1, &narrow[0], size, nullptr, nullptr);
  narrow.resize(lstrlenA(narrow.c_str()));
  return narrow;
}

HANDLE WINAPI CreateSemaphoreAnsi(LPSECURITY_ATTRIBUTES security, LONG initial, LONG maximum,
                                  LPCWSTR name) {
  std::string narrow = Narrow(name);
  return CreateSemaphoreA(security, initial, maximum, name ? narrow.c_str() : nullptr);
}

HMODULE WINAPI GetModuleHandleAnsi(LPCWSTR name) {
  std::string narrow = Narrow(name);
  return GetModuleHandleA(name ? narrow.c_str() : nullptr);
}

HMODULE WINAPI LoadLibraryAnsi(LPCWSTR name) { return LoadLibraryA(Narrow(name).c_str()); }

// The lead-byte ranges of the code page, as GetCPInfo gives them on every version.
BOOL WINAPI IsLeadByteOf(UINT codePage, BYTE byte) {
  CPINFO info;
  if (!GetCPInfo(codePage, &info)) return FALSE;
  for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i]; i += 2)
    if (byte >= info.LeadByte[i] && byte <= info.LeadByte[i + 1]) return TRUE;
  return FALSE;
}

}  // namespace

extern "C" {
void* importCreateSemaphoreW __asm__("__imp__CreateSemaphoreW@16") =
    reinterpret_cast<void*>(CreateSemaphoreAnsi);
void* importGetModuleHandleW __asm__("__imp__GetModuleHandleW@4") =
    reinterpret_cast<void*>(GetModuleHandleAnsi);
void* importLoadLibraryW __asm__("__imp__LoadLibraryW@4") =
    reinterpret_cast<void*>(LoadLibraryAnsi);
void* importIsDBCSLeadByteEx __asm__("__imp__IsDBCSLeadByteEx@8") =
    reinterpret_cast<void*>(IsLeadByteOf);
}
