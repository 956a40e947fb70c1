// The value layer of the component stream's binary form: the signature,
// one-byte-length names, and tagged values. ComponentWriter/ComponentReader
// and the text conversion are built on it; a class with a binary property
// may use it for its own payload.
//
// Binary form of one object:
//   "TPF0" (top level only), class name, object name, properties (name then
//   value) ended by an empty name (a 0 byte), nested objects (each without the
//   signature) ended by a 0 byte.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Stream.h"

namespace framework {

enum class ValueTag : std::uint8_t {
    Null = 0,       // not supported
    List = 1,       // not supported
    Int8 = 2,
    Int16 = 3,
    Int32 = 4,
    Extended = 5,   // not supported
    String = 6,     // one length byte, then the characters
    Ident = 7,      // one length byte, then the characters
    False = 8,
    True = 9,
    Binary = 10,    // signed 32-bit count, then the bytes
    Set = 11,       // identifiers, ended by an empty one
    LString = 12,   // signed 32-bit length, then the characters
};

inline constexpr char kSignature[4] = {'T', 'P', 'F', '0'};
// Deepest nesting of objects the readers accept; deeper input is rejected
// instead of exhausting the call stack.
inline constexpr int kMaxObjectDepth = 32;

// Writes values, each integer in the smallest tag that holds it.
class ValueWriter {
public:
    explicit ValueWriter(TStream& stream) : stream_(stream) {}

    void WriteSignature();
    // A name of at most 255 characters (EWriteError otherwise).
    void WriteName(std::string_view name);
    void WriteListEnd();  // the 0 byte that ends properties or nested objects
    // Throws EWriteError when the value does not fit 32 bits.
    void WriteInteger(std::int64_t value);
    void WriteString(std::string_view value);  // tag 6 up to 255 characters, else 12
    void WriteIdent(std::string_view ident);
    void WriteBoolean(bool value);
    void WriteBinary(std::span<const std::uint8_t> bytes);
    void WriteSet(const std::vector<std::string>& idents);

private:
    TStream& stream_;
};

// Reads values. Every length is checked against the bytes that can still be
// read (RemainingAtMost) before anything is allocated; errors are EReadError
// with a fixed text (see FrameworkError.h).
class ValueReader {
public:
    explicit ValueReader(TStream& stream) : stream_(stream) {}

    // Throws EReadError("Invalid stream format") unless "TPF0" follows.
    void ReadSignature();
    // One length byte, then the characters, taken as they are.
    std::string ReadName();
    // Names checked so that their text form reads back as the same bytes;
    // each throws EReadError naming the bad name otherwise. A class name is
    // an identifier, an object name an identifier or empty, a property name
    // identifiers joined by dots and not the word "end" or "object".
    std::string ReadClassName();
    std::string ReadObjectName();
    std::string ReadPropertyName();
    // Consumes a 0 byte and returns true when a list ends here; otherwise
    // leaves the position unchanged and returns false.
    bool EndOfList();

    // A value's tag; throws "Unknown property value tag" for tags outside 2..12.
    ValueTag ReadTag();
    // Payloads of the tag just read; each throws "Invalid property value"
    // when the tag does not fit the call. Identifiers and set elements must
    // be identifiers, and an identifier must not be True or False (which
    // the text form reads as booleans).
    std::int32_t ReadIntegerPayload(ValueTag tag);
    std::string ReadStringPayload(ValueTag tag);
    std::string ReadIdentPayload(ValueTag tag);
    std::vector<std::uint8_t> ReadBinaryPayload(ValueTag tag);
    std::vector<std::string> ReadSetPayload(ValueTag tag);

    std::int64_t Remaining() const { return stream_.Remaining(); }

    static bool IsInteger(ValueTag tag) {
        return tag == ValueTag::Int8 || tag == ValueTag::Int16 || tag == ValueTag::Int32;
    }
    static bool IsString(ValueTag tag) { return tag == ValueTag::String || tag == ValueTag::LString; }

private:
    std::uint8_t ReadByte();
    std::string ReadCounted(std::int64_t length);

    TStream& stream_;
};

}  // namespace framework
