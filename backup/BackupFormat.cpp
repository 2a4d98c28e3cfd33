#include "backup/BackupFormat.h"

#include <algorithm>

namespace backup {

SavedValue SavedValue::OfNumber(int32_t n) {
    SavedValue v;
    v.kind = Number;
    v.number = n;
    return v;
}

SavedValue SavedValue::OfText(const std::string& t) {
    SavedValue v;
    v.kind = Text;
    v.text = t;
    return v;
}

SavedValue SavedValue::OfByte(unsigned char b) {
    SavedValue v;
    v.kind = Byte;
    v.bytes = {b};
    return v;
}

SavedValue SavedValue::OfBytes(const Bytes& b) {
    SavedValue v;
    v.kind = ByteArray;
    v.bytes = b;
    return v;
}

bool SavedValue::operator==(const SavedValue& other) const {
    return kind == other.kind && number == other.number && text == other.text &&
           bytes == other.bytes;
}

namespace {

uint16_t Get16(const Record& r, size_t at) { return uint16_t(r[at] | r[at + 1] << 8); }

uint32_t Get32(const Record& r, size_t at) {
    return uint32_t(r[at]) | uint32_t(r[at + 1]) << 8 | uint32_t(r[at + 2]) << 16 |
           uint32_t(r[at + 3]) << 24;
}

void Put16(Record& r, size_t at, uint16_t v) {
    r[at] = v & 0xFF;
    r[at + 1] = v >> 8;
}

void Put32(Record& r, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) r[at + i] = (v >> (8 * i)) & 0xFF;
}

bool AllZero(const Record& r) {
    return std::all_of(r.begin(), r.end(), [](unsigned char c) { return c == 0; });
}

Record Number(uint16_t tag, int32_t n, bool tagged) {
    Record r{};
    size_t at = 0;
    if (tagged) {
        Put16(r, 0, tag);
        at = 2;
    }
    Put32(r, at, uint32_t(n));
    return r;
}

std::optional<Record> Text(const std::string& t, bool tagged) {
    size_t at = tagged ? 2 : 0;
    if (t.size() > (tagged ? MaxTaggedText : MaxPlainText)) return std::nullopt;
    Record r{};
    if (tagged) Put16(r, 0, TagText);
    Put16(r, at, uint16_t(t.size()));
    std::copy(t.begin(), t.end(), r.begin() + at + 2);
    return r;
}

std::optional<Record> ByteArray(const Bytes& b) {
    if (b.size() > MaxByteArray) return std::nullopt;
    Record r{};
    Put16(r, 0, TagByteArray);
    Put16(r, 2, 1);
    Put32(r, 4, uint32_t(b.size()));
    Put32(r, 8, 0);
    std::copy(b.begin(), b.end(), r.begin() + 12);
    return r;
}

Record Byte(unsigned char b) {
    Record r{};
    Put16(r, 0, TagByte);
    r[2] = b;
    return r;
}

bool IsNumber(const SavedValue& v) { return v.kind == SavedValue::Number || v.kind == SavedValue::Empty; }
bool IsText(const SavedValue& v) { return v.kind == SavedValue::Text || v.kind == SavedValue::Empty; }

std::optional<SavedValue> TextAt(const Record& r, size_t at, size_t max) {
    size_t length = Get16(r, at);
    if (length > max) return std::nullopt;
    auto first = r.begin() + at + 2;
    return SavedValue::OfText(std::string(first, first + length));
}

std::optional<SavedValue> ByteArrayOf(const Record& r) {
    uint32_t count = Get32(r, 4);
    if (Get16(r, 2) != 1 || count > MaxByteArray || Get32(r, 8) != 0) return std::nullopt;
    return SavedValue::OfBytes(Bytes(r.begin() + 12, r.begin() + 12 + count));
}

}  // namespace

std::optional<Record> EncodeRecord(Encoding encoding, const SavedValue& value) {
    switch (encoding) {
    case Encoding::TaggedNumber:
    case Encoding::PlainNumber:
        if (!IsNumber(value)) return std::nullopt;
        return Number(TagNumber, value.number, encoding == Encoding::TaggedNumber);
    case Encoding::TaggedText:
    case Encoding::PlainText:
        if (!IsText(value)) return std::nullopt;
        return Text(value.text, encoding == Encoding::TaggedText);
    case Encoding::SlowNetArray:
    case Encoding::SlowNetByte:
        if (value.kind == SavedValue::Empty) return Text("", true);
        if (value.kind != SavedValue::ByteArray || value.bytes.empty()) return std::nullopt;
        if (encoding == Encoding::SlowNetByte) return Byte(value.bytes[0]);
        return ByteArray(value.bytes);
    }
    return std::nullopt;
}

std::optional<SavedValue> DecodeRecord(Encoding encoding, const Record& record) {
    if (AllZero(record)) return SavedValue{};
    uint16_t tag = Get16(record, 0);
    switch (encoding) {
    case Encoding::PlainNumber:
        return SavedValue::OfNumber(int32_t(Get32(record, 0)));
    case Encoding::PlainText:
        return TextAt(record, 0, MaxPlainText);
    case Encoding::TaggedNumber:
        if (tag == TagNumber) return SavedValue::OfNumber(int32_t(Get32(record, 2)));
        break;
    case Encoding::TaggedText:
        if (tag == TagText) return TextAt(record, 2, MaxTaggedText);
        break;
    case Encoding::SlowNetArray:
        if (tag == TagText) return TextAt(record, 2, MaxTaggedText);
        if (tag == TagByteArray) return ByteArrayOf(record);
        break;
    case Encoding::SlowNetByte:
        if (tag == TagText) return TextAt(record, 2, MaxTaggedText);
        if (tag == TagByte) return SavedValue::OfByte(record[2]);
        break;
    }
    if (tag == TagEmpty) return SavedValue{};
    return std::nullopt;
}

Record RecordAt(const Bytes& file, int n) {
    Record r{};
    size_t first = size_t(n - 1) * RecordSize;
    if (n >= 1 && first < file.size()) {
        size_t count = std::min(RecordSize, file.size() - first);
        std::copy(file.begin() + first, file.begin() + first + count, r.begin());
    }
    return r;
}

void PutRecord(Bytes& file, int n, const Record& record) {
    size_t first = size_t(n - 1) * RecordSize;
    if (file.size() < first + RecordSize) file.resize(first + RecordSize, 0);
    std::copy(record.begin(), record.end(), file.begin() + first);
}

}  // namespace backup
