// Times the registry work of "&Optimize" on the Windows 95 family, dial-up #3 with
// "Default Adapter" (eleven slots, each a reset and the preset), against its floor: the same
// registry calls, recorded during a run and replayed raw in the same order.
#include "tuner/Optimize.h"

#include <windows.h>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

enum class Op { Create, Open, Set, Delete, Close };

struct Call {
    Op op;
    HKEY root;
    std::string text;  // key path, or value name
    DWORD type;
    std::vector<BYTE> data;
};

std::vector<Call> recorded;
bool recording = false;

decltype(&RegCreateKeyA) realCreate;
decltype(&RegOpenKeyA) realOpen;
decltype(&RegSetValueExA) realSet;
decltype(&RegDeleteValueA) realDelete;
decltype(&RegCloseKey) realClose;

LONG WINAPI CountCreate(HKEY root, LPCSTR path, PHKEY out) {
    if (recording) recorded.push_back({Op::Create, root, path ? path : "", 0, {}});
    return realCreate(root, path, out);
}
LONG WINAPI CountOpen(HKEY root, LPCSTR path, PHKEY out) {
    if (recording) recorded.push_back({Op::Open, root, path ? path : "", 0, {}});
    return realOpen(root, path, out);
}
LONG WINAPI CountSet(HKEY key, LPCSTR name, DWORD reserved, DWORD type, const BYTE* data, DWORD size) {
    if (recording)
        recorded.push_back({Op::Set, key, name ? name : "", type, std::vector<BYTE>(data, data + size)});
    return realSet(key, name, reserved, type, data, size);
}
LONG WINAPI CountDelete(HKEY key, LPCSTR name) {
    if (recording) recorded.push_back({Op::Delete, key, name ? name : "", 0, {}});
    return realDelete(key, name);
}
LONG WINAPI CountClose(HKEY key) {
    if (recording) recorded.push_back({Op::Close, key, "", 0, {}});
    return realClose(key);
}

// Points this program's imports of the five registry calls at the counting ones above.
void HookImports() {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    auto& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    HMODULE advapi = GetModuleHandleA("advapi32.dll");
    struct { const char* name; void* hook; void** real; } table[] = {
        {"RegCreateKeyA", (void*)CountCreate, (void**)&realCreate},
        {"RegOpenKeyA", (void*)CountOpen, (void**)&realOpen},
        {"RegSetValueExA", (void*)CountSet, (void**)&realSet},
        {"RegDeleteValueA", (void*)CountDelete, (void**)&realDelete},
        {"RegCloseKey", (void*)CountClose, (void**)&realClose},
    };
    for (auto& row : table) *row.real = (void*)GetProcAddress(advapi, row.name);
    for (auto* imp = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress);
         imp->Name; ++imp) {
        auto* thunk = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imp->FirstThunk);
        for (; thunk->u1.Function; ++thunk) {
            for (auto& row : table) {
                if ((void*)thunk->u1.Function != *row.real) continue;
                DWORD old;
                VirtualProtect(&thunk->u1.Function, sizeof(void*), PAGE_READWRITE, &old);
                thunk->u1.Function = reinterpret_cast<ULONG_PTR>(row.hook);
                VirtualProtect(&thunk->u1.Function, sizeof(void*), old, &old);
            }
        }
    }
}

void Replay(const std::vector<Call>& calls) {
    HKEY current = nullptr;
    for (const Call& c : calls) {
        switch (c.op) {
            case Op::Create: realCreate(c.root, c.text.c_str(), &current); break;
            case Op::Open:
                if (realOpen(c.root, c.text.c_str(), &current) != ERROR_SUCCESS) current = nullptr;
                break;
            case Op::Set:
                realSet(current, c.text.c_str(), 0, c.type, c.data.data(), DWORD(c.data.size()));
                break;
            case Op::Delete: realDelete(current, c.text.c_str()); break;
            case Op::Close: realClose(current); current = nullptr; break;
        }
    }
}

double Now() {
    LARGE_INTEGER f, t;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&t);
    return 1000.0 * double(t.QuadPart) / double(f.QuadPart);
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 15;
    HookImports();
    OSVERSIONINFOEXA win95{};
    win95.dwOSVersionInfoSize = sizeof win95;
    win95.dwMajorVersion = 4;
    win95.dwMinorVersion = 0;
    win95.dwBuildNumber = 950;
    win95.dwPlatformId = VER_PLATFORM_WIN32_WINDOWS;
    COpSysInfo info(win95, true);
    std::vector<AdapterSlot> slots;
    for (int i = 0; i < 10; ++i) slots.push_back({"000" + std::to_string(i), "NetTrans\\000" + std::to_string(i)});
    slots.push_back({"0010", "NetTrans\\0010"});

    recording = true;
    OptimizeRegistry(info, kDialUp, 3, slots);
    recording = false;
    std::vector<Call> calls = recorded;

    std::vector<double> work, floor;
    for (int i = 0; i < runs; ++i) {
        double t0 = Now();
        OptimizeRegistry(info, kDialUp, 3, slots);
        double t1 = Now();
        Replay(calls);
        double t2 = Now();
        work.push_back(t1 - t0);
        floor.push_back(t2 - t1);
    }
    std::printf("%zu %.2f %.2f\n", calls.size(), Median(work), Median(floor));
    return 0;
}
