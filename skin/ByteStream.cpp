#include "skin/ByteStream.h"

#include <cstring>

#include "skin/SkinError.h"

namespace skin {

std::size_t MemoryStream::Read(void* buffer, std::size_t count) {
    std::size_t n = count < Remaining() ? count : std::size_t(Remaining());
    if (n > 0) std::memcpy(buffer, data_.data() + position_, n);
    position_ += n;
    return n;
}

void MemoryStream::Write(const void* buffer, std::size_t count) {
    if (count == 0) return;
    if (position_ + count > data_.size()) data_.resize(position_ + count);
    std::memcpy(data_.data() + position_, buffer, count);
    position_ += count;
}

void ReadExact(ByteStream& stream, void* buffer, std::size_t count) {
    if (count == 0) return;
    if (stream.Read(buffer, count) != count) throw SkinError(kStreamReadError);
}

std::int32_t ReadInt32(ByteStream& stream) {
    std::uint8_t bytes[4];
    ReadExact(stream, bytes, 4);
    return std::int32_t(std::uint32_t(bytes[0]) | (std::uint32_t(bytes[1]) << 8) |
                        (std::uint32_t(bytes[2]) << 16) | (std::uint32_t(bytes[3]) << 24));
}

void WriteInt32(ByteStream& stream, std::int32_t value) {
    std::uint32_t v = std::uint32_t(value);
    std::uint8_t bytes[4] = {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16),
                             std::uint8_t(v >> 24)};
    stream.Write(bytes, 4);
}

std::string ReadStreamString(ByteStream& stream) {
    std::int32_t length = ReadInt32(stream);
    if (length < 0 || std::uint64_t(length) > stream.Remaining()) throw SkinError(kStreamReadError);
    std::string text(std::size_t(length), '\0');
    ReadExact(stream, text.data(), text.size());
    return text;
}

void WriteStreamString(ByteStream& stream, const std::string& text) {
    WriteInt32(stream, std::int32_t(text.size()));
    stream.Write(text.data(), text.size());
}

}  // namespace skin
