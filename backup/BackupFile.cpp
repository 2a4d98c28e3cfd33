#include "backup/BackupFile.h"

namespace backup {

namespace {

SavedValue EmptyOf(Encoding encoding) {
    switch (encoding) {
    case Encoding::TaggedNumber:
    case Encoding::PlainNumber: return SavedValue::OfNumber(0);
    case Encoding::TaggedText:
    case Encoding::PlainText: return SavedValue::OfText("");
    default: return SavedValue{};
    }
}

bool Add(EncodedBackup& out, int record, Encoding encoding, const SavedValue& value,
         const std::string& name) {
    auto encoded = EncodeRecord(encoding, value);
    if (!encoded) {
        out.tooLong = name;
        return false;
    }
    out.records.emplace_back(record, *encoded);
    return true;
}

std::optional<SettingsBackup> Decode(const Bytes& file, Layout layout) {
    SettingsBackup backup;
    backup.layout = layout;
    if (layout == Layout::NT) {
        if (file.size() < size_t(LastRecord(layout, 0)) * RecordSize) return std::nullopt;
        for (const NTRow& row : NTLayout) {
            auto value = DecodeRecord(Encoding::TaggedNumber, RecordAt(file, row.record));
            if (!value) return std::nullopt;
            backup.globals.push_back(*value);
        }
        return backup;
    }
    Record first = RecordAt(file, CountRecord);
    int n = int16_t(first[0] | first[1] << 8);
    if (n < 0 || n > HighestFixedSlot) return std::nullopt;
    if (file.size() < size_t(LastRecord(layout, n)) * RecordSize) return std::nullopt;
    for (int s = 0; s <= n; ++s) {
        auto adapter = DecodeRecord(Encoding::TaggedText, RecordAt(file, AdapterKeyRecord(s)));
        auto protocol = DecodeRecord(Encoding::TaggedText, RecordAt(file, ProtocolKeyRecord(s)));
        if (!adapter || !protocol || !IsAdapterKey(adapter->text) ||
            !IsProtocolKey(protocol->text))
            return std::nullopt;
        backup.slots.push_back({adapter->text, protocol->text});
    }
    for (int s = 0; s <= n; ++s) {
        std::array<SavedValue, 8> values;
        for (int k = 0; k < 8; ++k) {
            auto value = DecodeRecord(AdapterLayout[k].In(layout),
                                      RecordAt(file, AdapterValueRecord(n, s, k)));
            if (!value) return std::nullopt;
            values[k] = *value;
        }
        backup.adapterValues.push_back(values);
    }
    for (int g = 0; g < 32; ++g) {
        auto value = DecodeRecord(GlobalLayout[g].In(layout), RecordAt(file, GlobalRecord(n, g)));
        if (!value) return std::nullopt;
        backup.globals.push_back(*value);
    }
    return backup;
}

bool IsNumberEncoding(Encoding e) { return e == Encoding::TaggedNumber || e == Encoding::PlainNumber; }

// A saved number or text of one value: empty means "delete it".
RestoreStep Step(int slot, int value, const SavedValue& saved, bool number) {
    if (number) {
        int32_t n = saved.kind == SavedValue::Number ? saved.number : 0;
        return {slot, value, n == 0, n == 0 ? SavedValue{} : SavedValue::OfNumber(n)};
    }
    bool empty = saved.kind != SavedValue::Text || saved.text.empty();
    return {slot, value, empty, empty ? SavedValue{} : SavedValue::OfText(saved.text)};
}

// SLOWNET comes back as one byte: the saved byte, or the first byte of the saved array. A saved
// text of any length stands for a missing value.
RestoreStep SlowNetStep(int slot, const SavedValue& saved) {
    bool has = (saved.kind == SavedValue::Byte || saved.kind == SavedValue::ByteArray) &&
               !saved.bytes.empty();
    return {slot, SlowNetValue, !has, has ? SavedValue::OfBytes({saved.bytes[0]}) : SavedValue{}};
}

}  // namespace

SettingsBackup NewBackup(Layout layout) {
    SettingsBackup backup;
    backup.layout = layout;
    if (layout == Layout::NT) {
        backup.globals.assign(NTLayout.size(), SavedValue::OfNumber(0));
        return backup;
    }
    for (int s = 0; s <= HighestFixedSlot; ++s) {
        backup.slots.push_back({FixedAdapterKey(s), FixedProtocolKey(s)});
        std::array<SavedValue, 8> values;
        for (int k = 0; k < 8; ++k) values[k] = EmptyOf(AdapterLayout[k].In(layout));
        backup.adapterValues.push_back(values);
    }
    for (const LayoutRow& row : GlobalLayout) backup.globals.push_back(EmptyOf(row.In(layout)));
    return backup;
}

EncodedBackup EncodeBackup(const SettingsBackup& backup) {
    EncodedBackup out;
    if (backup.layout == Layout::NT) {
        for (size_t i = 0; i < NTLayout.size(); ++i)
            if (!Add(out, NTLayout[i].record, Encoding::TaggedNumber, backup.globals[i],
                     NTLayout[i].value))
                return out;
        return out;
    }
    int n = int(backup.slots.size()) - 1;
    out.records.emplace_back(CountRecord, *EncodeRecord(Encoding::PlainNumber, SavedValue::OfNumber(n)));
    for (int s = 0; s <= n; ++s) {
        const AdapterSlot& slot = backup.slots[s];
        if (!Add(out, AdapterKeyRecord(s), Encoding::TaggedText, SavedValue::OfText(slot.adapter),
                 "adapter " + slot.adapter) ||
            !Add(out, ProtocolKeyRecord(s), Encoding::TaggedText, SavedValue::OfText(slot.protocol),
                 "adapter " + slot.protocol))
            return out;
    }
    for (int s = 0; s <= n; ++s)
        for (int k = 0; k < 8; ++k)
            if (!Add(out, AdapterValueRecord(n, s, k), AdapterLayout[k].In(backup.layout),
                     backup.adapterValues[s][k],
                     std::string(AdapterLayout[k].value) + " of adapter " + backup.slots[s].adapter))
                return out;
    for (int g = 0; g < 32; ++g)
        if (!Add(out, GlobalRecord(n, g), GlobalLayout[g].In(backup.layout), backup.globals[g],
                 GlobalLayout[g].value))
            return out;
    return out;
}

Bytes WriteRecords(Bytes file, const std::vector<std::pair<int, Record>>& records) {
    for (const auto& [number, record] : records) PutRecord(file, number, record);
    return file;
}

FileVerdict CheckBackupFile(const Bytes& file, Layout layout) {
    if (Decode(file, layout)) return FileVerdict::Valid;
    for (Layout other : {Layout::NT, Layout::Win98, Layout::Win95, Layout::Fallback})
        if (other != layout && Decode(file, other)) return FileVerdict::OtherLayout;
    return FileVerdict::Damaged;
}

std::optional<SettingsBackup> ReadBackupFile(const Bytes& file, Layout layout) {
    return Decode(file, layout);
}

std::vector<RestoreStep> PlanRestore(const SettingsBackup& backup) {
    std::vector<RestoreStep> steps;
    if (backup.layout == Layout::NT) {
        for (size_t i = 0; i < backup.globals.size(); ++i)
            steps.push_back(Step(-1, int(i), backup.globals[i], true));
        return steps;
    }
    for (size_t s = 0; s < backup.adapterValues.size(); ++s)
        for (int k = 0; k < 8; ++k)
            steps.push_back(k == SlowNetValue ? SlowNetStep(int(s), backup.adapterValues[s][k])
                                              : Step(int(s), k, backup.adapterValues[s][k], false));
    for (size_t g = 0; g < backup.globals.size(); ++g)
        steps.push_back(Step(-1, int(g), backup.globals[g],
                             IsNumberEncoding(GlobalLayout[g].In(backup.layout))));
    return steps;
}

}  // namespace backup
