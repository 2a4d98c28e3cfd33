// Fuzz target: any bytes as a backup file, read with every layout. Nothing may crash, a file that
// fails the check yields nothing to restore, and what a passing file restores stays within the
// fixed slot keys and hands each writer a value of its own kind.
#include "backup/BackupFile.h"

#include <cstdio>
#include <cstdlib>

using namespace backup;

#define REQUIRE(condition)                                               \
    do {                                                                 \
        if (!(condition)) {                                              \
            std::fprintf(stderr, "%s:%d: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                \
        }                                                                \
    } while (0)

namespace {

void CheckStep(const SettingsBackup& backup, const RestoreStep& step) {
    if (step.slot >= 0) {
        REQUIRE(step.slot < int(backup.slots.size()));
        REQUIRE(IsAdapterKey(backup.slots[step.slot].adapter));
        REQUIRE(IsProtocolKey(backup.slots[step.slot].protocol));
    }
    if (step.remove) return;
    const SavedValue& value = step.argument;
    if (backup.layout == Layout::NT) {
        REQUIRE(value.kind == SavedValue::Number && value.number != 0);
    } else if (step.slot >= 0 && step.value == SlowNetValue) {
        REQUIRE(value.kind == SavedValue::ByteArray && value.bytes.size() == 1);
    } else if (step.slot >= 0) {
        REQUIRE(value.kind == SavedValue::Text && !value.text.empty());
    } else {
        Encoding encoding = GlobalLayout[step.value].In(backup.layout);
        bool number = encoding == Encoding::TaggedNumber || encoding == Encoding::PlainNumber;
        REQUIRE(number ? value.kind == SavedValue::Number && value.number != 0
                       : value.kind == SavedValue::Text && !value.text.empty());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    const Bytes file(data, data + size);
    for (Layout layout : {Layout::NT, Layout::Win98, Layout::Win95, Layout::Fallback}) {
        FileVerdict verdict = CheckBackupFile(file, layout);
        std::optional<SettingsBackup> backup = ReadBackupFile(file, layout);
        REQUIRE(backup.has_value() == (verdict == FileVerdict::Valid));
        if (!backup) continue;
        REQUIRE(backup->layout == layout);
        size_t expected = layout == Layout::NT ? 9 : 8 * backup->slots.size() + 32;
        std::vector<RestoreStep> steps = PlanRestore(*backup);
        REQUIRE(steps.size() == expected);
        for (const RestoreStep& step : steps) CheckStep(*backup, step);
    }
    return 0;
}
