#include "framework/StreamValues.h"

#include "framework/FrameworkError.h"
#include "framework/TextUtil.h"

namespace framework {

void ValueWriter::WriteSignature() { stream_.WriteBuffer(kSignature, sizeof kSignature); }

void ValueWriter::WriteName(std::string_view name) {
    if (name.size() > 255) throw EWriteError(errors::kNameTooLong);
    stream_.WriteUInt8(static_cast<std::uint8_t>(name.size()));
    stream_.WriteBuffer(name.data(), name.size());
}

void ValueWriter::WriteListEnd() { stream_.WriteUInt8(0); }

void ValueWriter::WriteInteger(std::int64_t value) {
    if (value >= -128 && value <= 127) {
        stream_.WriteUInt8(static_cast<std::uint8_t>(ValueTag::Int8));
        stream_.WriteUInt8(static_cast<std::uint8_t>(value));
    } else if (value >= -32768 && value <= 32767) {
        stream_.WriteUInt8(static_cast<std::uint8_t>(ValueTag::Int16));
        const auto v = static_cast<std::uint16_t>(value);
        const std::uint8_t bytes[2] = {std::uint8_t(v), std::uint8_t(v >> 8)};
        stream_.WriteBuffer(bytes, 2);
    } else if (value >= INT32_MIN && value <= INT32_MAX) {
        stream_.WriteUInt8(static_cast<std::uint8_t>(ValueTag::Int32));
        stream_.WriteInt32(static_cast<std::int32_t>(value));
    } else {
        throw EWriteError("Integer out of range");
    }
}

void ValueWriter::WriteString(std::string_view value) {
    if (value.size() <= 255) {
        stream_.WriteUInt8(static_cast<std::uint8_t>(ValueTag::String));
        stream_.WriteUInt8(static_cast<std::uint8_t>(value.size()));
    } else {
        if (value.size() > INT32_MAX) throw EWriteError(errors::kWriteError);
        stream_.WriteUInt8(static_cast<std::uint8_t>(ValueTag::LString));
        stream_.WriteInt32(static_cast<std::int32_t>(value.size()));
    }
    stream_.WriteBuffer(value.data(), value.size());
}

void ValueWriter::WriteIdent(std::string_view ident) {
    stream_.WriteUInt8(static_cast<std::uint8_t>(ValueTag::Ident));
    WriteName(ident);
}

void ValueWriter::WriteBoolean(bool value) {
    stream_.WriteUInt8(static_cast<std::uint8_t>(value ? ValueTag::True : ValueTag::False));
}

void ValueWriter::WriteBinary(std::span<const std::uint8_t> bytes) {
    if (bytes.size() > INT32_MAX) throw EWriteError(errors::kWriteError);
    stream_.WriteUInt8(static_cast<std::uint8_t>(ValueTag::Binary));
    stream_.WriteInt32(static_cast<std::int32_t>(bytes.size()));
    stream_.WriteBuffer(bytes.data(), bytes.size());
}

void ValueWriter::WriteSet(const std::vector<std::string>& idents) {
    stream_.WriteUInt8(static_cast<std::uint8_t>(ValueTag::Set));
    for (const std::string& ident : idents) {
        if (ident.empty()) throw EWriteError(errors::kInvalidValue);
        WriteName(ident);
    }
    WriteListEnd();
}

void ValueReader::ReadSignature() {
    char signature[sizeof kSignature];
    if (stream_.Read(signature, sizeof signature) != sizeof signature ||
        std::string_view(signature, sizeof signature) != std::string_view(kSignature, sizeof kSignature)) {
        throw EReadError(errors::kInvalidImage);
    }
}

std::string ValueReader::ReadCounted(std::int64_t length) {
    if (length < 0) throw EReadError(errors::kInvalidValue);
    if (length > stream_.RemainingAtMost()) throw EReadError(errors::kLengthTooLarge);
    std::string text(static_cast<std::size_t>(length), '\0');
    stream_.ReadBuffer(text.data(), text.size());
    return text;
}

std::string ValueReader::ReadName() {
    const std::uint8_t length = ReadByte();
    if (length > stream_.RemainingAtMost()) throw EReadError(errors::kReadError);
    return ReadCounted(length);
}

namespace {

[[noreturn]] void RejectName(std::string_view what, std::string_view name) {
    throw EReadError(std::string(what) + " " + QuotedForMessage(name) + " is not a valid identifier");
}

}  // namespace

std::string ValueReader::ReadClassName() {
    std::string name = ReadName();
    if (!IsIdentifier(name)) RejectName("Class name", name);
    return name;
}

std::string ValueReader::ReadObjectName() {
    std::string name = ReadName();
    if (!name.empty() && !IsIdentifier(name)) RejectName("Object name", name);
    return name;
}

std::string ValueReader::ReadPropertyName() {
    std::string name = ReadName();
    if (!IsDottedName(name)) RejectName("Property name", name);
    // In the text form these words end an object or start a nested one.
    if (SameText(name, "end") || SameText(name, "object")) {
        throw EReadError("Property name " + QuotedForMessage(name) + " is a reserved word");
    }
    return name;
}

std::uint8_t ValueReader::ReadByte() {
    std::uint8_t b = 0;
    if (stream_.Read(&b, 1) != 1) throw EReadError(errors::kReadError);
    return b;
}

bool ValueReader::EndOfList() {
    if (ReadByte() == 0) return true;
    stream_.SetPosition(stream_.Position() - 1);
    return false;
}

ValueTag ValueReader::ReadTag() {
    const std::uint8_t tag = ReadByte();
    switch (static_cast<ValueTag>(tag)) {
        case ValueTag::Int8:
        case ValueTag::Int16:
        case ValueTag::Int32:
        case ValueTag::String:
        case ValueTag::Ident:
        case ValueTag::False:
        case ValueTag::True:
        case ValueTag::Binary:
        case ValueTag::Set:
        case ValueTag::LString:
            return static_cast<ValueTag>(tag);
        default:
            throw EReadError(errors::kUnknownTag);
    }
}

std::int32_t ValueReader::ReadIntegerPayload(ValueTag tag) {
    switch (tag) {
        case ValueTag::Int8:
            return static_cast<std::int8_t>(ReadByte());
        case ValueTag::Int16: {
            const std::uint8_t lo = ReadByte();
            const std::uint8_t hi = ReadByte();
            return static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | hi << 8));
        }
        case ValueTag::Int32:
            if (stream_.RemainingAtMost() < 4) throw EReadError(errors::kReadError);
            return stream_.ReadInt32();
        default:
            throw EReadError(errors::kInvalidValue);
    }
}

std::string ValueReader::ReadStringPayload(ValueTag tag) {
    if (tag == ValueTag::String) return ReadName();
    if (tag == ValueTag::LString) {
        if (stream_.RemainingAtMost() < 4) throw EReadError(errors::kReadError);
        return ReadCounted(stream_.ReadInt32());
    }
    throw EReadError(errors::kInvalidValue);
}

std::string ValueReader::ReadIdentPayload(ValueTag tag) {
    if (tag != ValueTag::Ident) throw EReadError(errors::kInvalidValue);
    std::string ident = ReadName();
    if (!IsIdentifier(ident)) RejectName("Identifier", ident);
    if (ident == "True" || ident == "False") {
        throw EReadError("Identifier " + QuotedForMessage(ident) + " would read back as a boolean");
    }
    return ident;
}

std::vector<std::uint8_t> ValueReader::ReadBinaryPayload(ValueTag tag) {
    if (tag != ValueTag::Binary) throw EReadError(errors::kInvalidValue);
    if (stream_.RemainingAtMost() < 4) throw EReadError(errors::kReadError);
    const std::int32_t count = stream_.ReadInt32();
    if (count < 0) throw EReadError(errors::kInvalidValue);
    if (count > stream_.RemainingAtMost()) throw EReadError(errors::kLengthTooLarge);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(count));
    stream_.ReadBuffer(bytes.data(), bytes.size());
    return bytes;
}

std::vector<std::string> ValueReader::ReadSetPayload(ValueTag tag) {
    if (tag != ValueTag::Set) throw EReadError(errors::kInvalidValue);
    std::vector<std::string> idents;
    // Each identifier takes at least two bytes, so the stream's end bounds the loop.
    for (std::string ident = ReadName(); !ident.empty(); ident = ReadName()) {
        if (!IsIdentifier(ident)) RejectName("Set element", ident);
        idents.push_back(std::move(ident));
    }
    return idents;
}

}  // namespace framework
