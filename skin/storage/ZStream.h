// Streams that deflate what is written into an underlying stream, or
// inflate what is read from one, through zlib and one 8192-byte buffer
// each. The skin container is stored through them.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "framework/FrameworkError.h"
#include "framework/Stream.h"

namespace skin {

// zlib reported an error ("error"), or the stream was used in a way it does
// not support ("Invalid stream operation").
class EZlibError : public framework::EStreamError {
public:
    using framework::EStreamError::EStreamError;
};
class ECompressionError : public EZlibError {
public:
    using EZlibError::EZlibError;
};
class EDecompressionError : public EZlibError {
public:
    using EZlibError::EZlibError;
};

inline constexpr const char* kZlibError = "error";

enum class TCompressionLevel { clNone, clFastest, clDefault, clMax };
// zlib's level for each: 0, 1, -1 (zlib's default), 9.
int ZlibLevel(TCompressionLevel level);

class TCustomZlibStream : public framework::TStream {
public:
    static constexpr std::size_t kBufferSize = 8192;
    using ProgressEvent = std::function<void(TCustomZlibStream& sender)>;

    ~TCustomZlibStream() override;
    TCustomZlibStream(const TCustomZlibStream&) = delete;
    TCustomZlibStream& operator=(const TCustomZlibStream&) = delete;

    // Called each time a full buffer went to, or came from, the underlying stream.
    void SetOnProgress(ProgressEvent handler) { onProgress_ = std::move(handler); }

protected:
    struct State;
    explicit TCustomZlibStream(framework::TStream& underlying);
    // Puts the underlying stream back where this stream left it, should
    // someone else have moved it.
    void RestorePosition();
    void Progress();

    framework::TStream& underlying_;
    std::int64_t underlyingPosition_;
    std::unique_ptr<State> state_;
    std::unique_ptr<std::uint8_t[]> buffer_;
    ProgressEvent onProgress_;
};

// Write-only: deflates into the underlying stream. Finish completes the zlib
// stream (its end and checksum); the destructor finishes a stream that was
// not finished but cannot report a failure then, so writers that must know
// call Finish.
class TCompressionStream final : public TCustomZlibStream {
public:
    TCompressionStream(TCompressionLevel level, framework::TStream& destination);
    ~TCompressionStream() override;

    std::size_t Read(void* buffer, std::size_t count) override;  // ECompressionError
    std::size_t Write(const void* buffer, std::size_t count) override;
    // Bytes written into this stream so far.
    std::int64_t Size() const override { return Position(); }
    std::int64_t Position() const override;
    // Only the current position is accepted (a seek by 0 from it).
    void SetPosition(std::int64_t position) override;
    void Finish();

private:
    void FlushBuffer(std::size_t bytes);
    bool finished_ = false;
};

// Read-only: inflates from the underlying stream. A read returns fewer
// bytes than asked only when the underlying stream is exhausted or the
// compressed data has ended.
class TDecompressionStream final : public TCustomZlibStream {
public:
    explicit TDecompressionStream(framework::TStream& source);
    ~TDecompressionStream() override;

    std::size_t Read(void* buffer, std::size_t count) override;
    std::size_t Write(const void* buffer, std::size_t count) override;  // EDecompressionError
    // The end of the data is not known before it is reached: Size is what
    // was produced so far, and RemainingAtMost bounds the rest by the
    // largest expansion deflate allows.
    std::int64_t Size() const override { return Position(); }
    std::int64_t Position() const override;
    std::int64_t RemainingAtMost() const override;
    // 0 starts again from the beginning of the compressed data; a position
    // beyond the current one skips forward; anything else is
    // EDecompressionError("Invalid stream operation").
    void SetPosition(std::int64_t position) override;

    // Reads on to the end of the compressed data, dropping what comes, so
    // that zlib has checked all of it up to its Adler-32 checksum. Throws
    // EDecompressionError("error") when the data is damaged or the
    // underlying stream ends before the compressed data does.
    void CheckToEnd();

private:
    void Restart();
    void Skip(std::int64_t count);
    std::int64_t start_;
    bool ended_ = false;
};

}  // namespace skin
