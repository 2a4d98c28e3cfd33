// Which record holds which value, per layout. The layout follows from the Windows family alone;
// the file carries no mark of it.
#pragma once
#include "backup/BackupFormat.h"

#include <array>
#include <string>

namespace backup {

enum class Layout { NT, Win98, Win95, Fallback };

// The first true test decides, in the order XP, 2000, NT, 98 (which Me also answers), 95.
Layout ChooseLayout(bool isWinXP, bool isWin2K, bool isWinNT, bool isWin98, bool isWin95);

// NT layout: record 1 is never written; records 2 to 10 hold the nine values.
struct NTRow {
    int record;
    const char* value;
};
extern const std::array<NTRow, 9> NTLayout;

// 95, 98 and fallback layouts: eight values per adapter slot, then 32 machine-wide values.
struct LayoutRow {
    const char* value;
    Encoding win95;
    Encoding fallback;
    Encoding win98;
    Encoding In(Layout layout) const;
};
extern const std::array<LayoutRow, 8> AdapterLayout;
extern const std::array<LayoutRow, 32> GlobalLayout;
constexpr int SlowNetValue = 7;  // the row of SLOWNET in AdapterLayout

// The writer always covers the eleven fixed adapter slots 0 to 10.
constexpr int HighestFixedSlot = 10;
std::string FixedAdapterKey(int slot);   // "0000" ... "0009", "0010"
std::string FixedProtocolKey(int slot);  // "NetTrans\0000" ... "NetTrans\0010"
// The forms a slot key must have to be restored: four decimal digits, after "NetTrans\".
bool IsAdapterKey(const std::string& key);
bool IsProtocolKey(const std::string& key);

// Record numbers of the 95, 98 and fallback layouts for the highest slot index n.
constexpr int CountRecord = 1;
constexpr int AdapterKeyRecord(int slot) { return 2 + 2 * slot; }
constexpr int ProtocolKeyRecord(int slot) { return 3 + 2 * slot; }
constexpr int AdapterValueRecord(int n, int slot, int k) { return 2 * n + 4 + 8 * slot + k; }
constexpr int GlobalRecord(int n, int g) { return 10 * n + 12 + g; }
// The last record a layout reads (for the 95, 98 and fallback layouts with n as highest slot).
int LastRecord(Layout layout, int n);

}  // namespace backup
