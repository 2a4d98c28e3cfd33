// A whole backup: the values of one layout, how they become records, the check a file must pass
// before anything of it is restored, and what a restore does with each value.
#pragma once
#include "backup/BackupFormat.h"
#include "backup/BackupLayouts.h"

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace backup {

struct AdapterSlot {
    std::string adapter;   // sub-key of the network class key, "0003"
    std::string protocol;  // protocol instance under the class key, "NetTrans\0003"
};

struct SettingsBackup {
    Layout layout = Layout::NT;
    // 95, 98 and fallback layouts: the slots and their eight values each (order of AdapterLayout).
    std::vector<AdapterSlot> slots;
    std::vector<std::array<SavedValue, 8>> adapterValues;
    // The nine NT values (order of NTLayout), or the 32 machine-wide values (GlobalLayout).
    std::vector<SavedValue> globals;
};

// An empty backup of a layout, sized as the writer writes it (the eleven fixed slots).
SettingsBackup NewBackup(Layout layout);

struct EncodedBackup {
    std::vector<std::pair<int, Record>> records;  // ascending record numbers
    std::string tooLong;  // set when a value does not fit its record: which value it is
};
EncodedBackup EncodeBackup(const SettingsBackup& backup);

// Writes the records over an existing file image; records it does not name keep their content.
Bytes WriteRecords(Bytes file, const std::vector<std::pair<int, Record>>& records);

enum class FileVerdict { Valid, OtherLayout, Damaged };
// Checks everything the layout reads: the size, N between 0 and 10, slot keys of the fixed form
// and every record's kind. OtherLayout: the file is no backup of this layout but passes the
// check of another one.
FileVerdict CheckBackupFile(const Bytes& file, Layout layout);
// The values of a file that passes the check; nothing otherwise.
std::optional<SettingsBackup> ReadBackupFile(const Bytes& file, Layout layout);

// One action of a restore: write the argument with the value's writer, or delete the value at
// every place its writer would have put it.
struct RestoreStep {
    int slot;   // the adapter slot, or -1 for the machine-wide (and NT) values
    int value;  // row in AdapterLayout, GlobalLayout or NTLayout
    bool remove;
    SavedValue argument;  // Number, Text, or for SLOWNET an array of one byte
};
// Slot by slot, eight values each, then the machine-wide values in table order.
std::vector<RestoreStep> PlanRestore(const SettingsBackup& backup);

}  // namespace backup
