// Byte streams: the source and target of every stored format.
//
// A stream knows its size, so that readers of untrusted data can check a
// stored length against the bytes actually left before allocating anything.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

namespace framework {

class TStream {
public:
    virtual ~TStream() = default;

    // Reads up to `count` bytes; returns how many were read.
    virtual std::size_t Read(void* buffer, std::size_t count) = 0;
    // Writes up to `count` bytes; returns how many were written.
    virtual std::size_t Write(const void* buffer, std::size_t count) = 0;
    virtual std::int64_t Size() const = 0;
    virtual std::int64_t Position() const = 0;
    // Moves to an absolute position within 0..Size(); throws EStreamError otherwise.
    virtual void SetPosition(std::int64_t position) = 0;

    // Bytes between the position and the end; never negative. A stream
    // that cannot know its end before reaching it (a decompressing stream)
    // answers 0 here and bounds what may still come with RemainingAtMost.
    std::int64_t Remaining() const;
    // At most this many bytes can still be read. Readers of untrusted data
    // check stored lengths against it before allocating for them.
    virtual std::int64_t RemainingAtMost() const { return Remaining(); }

    // Read or write exactly `count` bytes, or throw EStreamError
    // ("Stream read error" / "Stream write error").
    void ReadBuffer(void* buffer, std::size_t count);
    void WriteBuffer(const void* buffer, std::size_t count);

    // Little-endian fixed-size integers.
    std::uint8_t ReadUInt8();
    std::int32_t ReadInt32();
    std::uint32_t ReadUInt32();
    void WriteUInt8(std::uint8_t value);
    void WriteInt32(std::int32_t value);
    void WriteUInt32(std::uint32_t value);

    // Copies `count` bytes from `source` (all remaining ones when count < 0).
    void CopyFrom(TStream& source, std::int64_t count = -1);
};

// A growable stream in memory.
class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::span<const std::uint8_t> bytes);
    explicit TMemoryStream(const std::string& bytes);

    std::size_t Read(void* buffer, std::size_t count) override;
    std::size_t Write(const void* buffer, std::size_t count) override;
    std::int64_t Size() const override { return static_cast<std::int64_t>(data_.size()); }
    std::int64_t Position() const override { return static_cast<std::int64_t>(position_); }
    void SetPosition(std::int64_t position) override;

    const std::vector<std::uint8_t>& Bytes() const { return data_; }
    std::string Text() const { return std::string(data_.begin(), data_.end()); }
    void Clear();

private:
    std::vector<std::uint8_t> data_;
    std::size_t position_ = 0;
};

// A file opened for reading, or created (truncated) for writing.
class TFileStream : public TStream {
public:
    enum class Mode { OpenRead, Create };
    // Throws EFileStreamError when the file cannot be opened.
    TFileStream(const std::string& fileName, Mode mode);
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    std::size_t Read(void* buffer, std::size_t count) override;
    std::size_t Write(const void* buffer, std::size_t count) override;
    std::int64_t Size() const override;
    std::int64_t Position() const override;
    void SetPosition(std::int64_t position) override;

private:
    std::FILE* file_ = nullptr;
};

}  // namespace framework
