// The records of a backup file: 128 bytes each, numbered from 1, one value per record starting at
// its first byte, little-endian throughout. Plain C++ with no Windows header, so that the file
// check can be built and fuzzed on any host.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace backup {

using Bytes = std::vector<unsigned char>;
constexpr size_t RecordSize = 128;
using Record = std::array<unsigned char, RecordSize>;

// The type tags of tagged values (the OLE Automation variant numbers).
enum Tag : uint16_t { TagEmpty = 0, TagNumber = 3, TagText = 8, TagByte = 17, TagByteArray = 8209 };

constexpr size_t MaxTaggedText = 124;
constexpr size_t MaxPlainText = 126;
constexpr size_t MaxByteArray = 116;

// A value as held in one record.
struct SavedValue {
    enum Kind { Empty, Number, Text, Byte, ByteArray };
    Kind kind = Empty;
    int32_t number = 0;
    std::string text;
    Bytes bytes;  // Byte: one element; ByteArray: the whole array

    static SavedValue OfNumber(int32_t n);
    static SavedValue OfText(const std::string& t);
    static SavedValue OfByte(unsigned char b);
    static SavedValue OfBytes(const Bytes& b);
    bool operator==(const SavedValue& other) const;
};

// How a record is encoded.
enum class Encoding {
    TaggedNumber,
    TaggedText,
    PlainNumber,
    PlainText,
    SlowNetArray,  // SLOWNET: the whole byte array (tag 8209), or empty text when missing
    SlowNetByte,   // SLOWNET: its first byte (tag 17), or empty text when missing
};

// Encodes a value; nothing when it does not fit its record or is not of the encoding's kind.
std::optional<Record> EncodeRecord(Encoding encoding, const SavedValue& value);

// Decodes a record; nothing when it does not hold a value of the encoding's kind. An all-zero
// record, or one that holds the empty tag, is the empty value under every encoding.
std::optional<SavedValue> DecodeRecord(Encoding encoding, const Record& record);

// Record n of a file image: its bytes, zero beyond the end of the file.
Record RecordAt(const Bytes& file, int n);
// Writes record n into a file image, growing it with zero records when needed.
void PutRecord(Bytes& file, int n, const Record& record);

}  // namespace backup
