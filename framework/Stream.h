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

// Reads bytes that someone else keeps, without copying them; they must
// outlive the stream. Writing is an error ("Stream write error").
class TBytesReader : public TStream {
public:
    explicit TBytesReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t Read(void* buffer, std::size_t count) override;
    std::size_t Write(const void*, std::size_t) override { return 0; }
    std::int64_t Size() const override { return static_cast<std::int64_t>(bytes_.size()); }
    std::int64_t Position() const override { return static_cast<std::int64_t>(position_); }
    void SetPosition(std::int64_t position) override;

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

// Reads `source` until Read gives nothing more, without trusting its Size()
// (a pipe has none), and returns the bytes. Throws EStreamError
// (errors::kStreamTooLarge) as soon as more than `limit` bytes have come.
std::vector<std::uint8_t> ReadToEnd(TStream& source, std::size_t limit);

// A file opened for reading, or created (truncated) for writing.
//
// A read or write error throws EFileStreamError naming the file and the
// system's reason; a short read means the end of the file, nothing else.
// Writes are buffered: a write that fails may only show when the file is
// closed, so whoever needs the bytes to arrive calls Close().
// A file that cannot seek (a pipe, a terminal) gives the bytes read or
// written so far as its position and as its size: nothing ahead is known,
// so Remaining() is 0, and such a file is read with ReadToEnd.
class TFileStream : public TStream {
public:
    enum class Mode { OpenRead, Create };
    // Throws EFileStreamError when the file cannot be opened; a directory
    // cannot.
    TFileStream(const std::string& fileName, Mode mode);
    // Closes the file if Close() did not, and cannot report a failure then.
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    std::size_t Read(void* buffer, std::size_t count) override;
    std::size_t Write(const void* buffer, std::size_t count) override;
    std::int64_t Size() const override;
    std::int64_t Position() const override;
    void SetPosition(std::int64_t position) override;

    // Writes out what is buffered and closes the file; throws
    // EFileStreamError ("Cannot write file ...") when that fails. Later calls
    // do nothing; any other use afterwards throws EStreamError.
    void Close();

private:
    std::FILE* File() const;
    [[noreturn]] void Fail(const char* what, int error) const;

    std::string fileName_;
    Mode mode_;
    std::FILE* file_ = nullptr;
    bool seekable_ = true;
    std::int64_t transferred_ = 0;  // bytes read or written, for a file that cannot seek
};

}  // namespace framework
