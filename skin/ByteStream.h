// The byte streams that skin data is read from and written to, and the
// library's shared stream forms: little-endian 32-bit integers and strings of
// a 32-bit byte count followed by 8-bit characters.
//
// Everything read here is untrusted: a count is checked against the bytes
// the stream still holds before anything is allocated for it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace skin {

class ByteStream {
public:
    virtual ~ByteStream() = default;
    // Reads up to `count` bytes and returns how many were read.
    virtual std::size_t Read(void* buffer, std::size_t count) = 0;
    virtual void Write(const void* buffer, std::size_t count) = 0;
    // Bytes between the current position and the end.
    virtual std::uint64_t Remaining() const = 0;
};

// A growable stream in memory, read and written at one position.
class MemoryStream final : public ByteStream {
public:
    MemoryStream() = default;
    explicit MemoryStream(std::vector<std::uint8_t> data) : data_(std::move(data)) {}

    std::size_t Read(void* buffer, std::size_t count) override;
    void Write(const void* buffer, std::size_t count) override;
    std::uint64_t Remaining() const override { return data_.size() - position_; }

    void Seek(std::size_t position) { position_ = position < data_.size() ? position : data_.size(); }
    std::size_t Position() const { return position_; }
    const std::vector<std::uint8_t>& Data() const { return data_; }

private:
    std::vector<std::uint8_t> data_;
    std::size_t position_ = 0;
};

// Reads exactly `count` bytes or throws SkinError("Stream read error").
void ReadExact(ByteStream& stream, void* buffer, std::size_t count);

std::int32_t ReadInt32(ByteStream& stream);
void WriteInt32(ByteStream& stream, std::int32_t value);

// A negative count, or one beyond the bytes left, is a read error.
std::string ReadStreamString(ByteStream& stream);
void WriteStreamString(ByteStream& stream, const std::string& text);

}  // namespace skin
