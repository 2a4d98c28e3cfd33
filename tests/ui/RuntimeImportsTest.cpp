// The stand-ins that keep the runtime's wide-character calls out of the programs' import tables,
// called as the runtime calls them and held against what Windows itself answers.
#include <windows.h>

#include <gtest/gtest.h>

namespace {

TEST(RuntimeImports, WideNamesReachTheAnsiCalls) {
  EXPECT_EQ(GetModuleHandleW(L"kernel32.dll"), GetModuleHandleA("kernel32.dll"));
  EXPECT_EQ(GetModuleHandleW(nullptr), GetModuleHandleA(nullptr));
  EXPECT_EQ(GetModuleHandleW(L"no-such-module.dll"), nullptr);
  HMODULE loaded = LoadLibraryW(L"version.dll");
  EXPECT_NE(loaded, nullptr);
  EXPECT_EQ(loaded, GetModuleHandleA("version.dll"));

  HANDLE semaphore = CreateSemaphoreW(nullptr, 0, 1, nullptr);
  ASSERT_NE(semaphore, nullptr);
  EXPECT_EQ(WaitForSingleObject(semaphore, 0), DWORD(WAIT_TIMEOUT));
  EXPECT_TRUE(ReleaseSemaphore(semaphore, 1, nullptr));
  EXPECT_EQ(WaitForSingleObject(semaphore, 0), DWORD(WAIT_OBJECT_0));
  CloseHandle(semaphore);
}

// Every byte of single- and double-byte code pages, against kernel32's own answer.
TEST(RuntimeImports, LeadBytesAreThoseOfTheCodePage) {
  using LeadByteCall = BOOL(WINAPI*)(UINT, BYTE);
  auto system = reinterpret_cast<LeadByteCall>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("kernel32.dll"), "IsDBCSLeadByteEx")));
  ASSERT_NE(system, nullptr);
  for (UINT codePage : {UINT(CP_ACP), 932u, 936u, 949u, 950u, 1252u}) {
    SCOPED_TRACE(codePage);
    int leadBytes = 0;
    for (int byte = 0; byte < 256; ++byte) {
      EXPECT_EQ(IsDBCSLeadByteEx(codePage, BYTE(byte)) != 0, system(codePage, BYTE(byte)) != 0)
          << byte;
      leadBytes += IsDBCSLeadByteEx(codePage, BYTE(byte)) != 0;
    }
    if (codePage == 932) {
      EXPECT_GT(leadBytes, 0);
    }
  }
}

}  // namespace
