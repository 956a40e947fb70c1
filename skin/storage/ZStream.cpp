#include "skin/storage/ZStream.h"

#include <zlib.h>

#include <algorithm>
#include <limits>

namespace skin {

namespace {

// The streams are initialised against this zlib interface version; zlib
// accepts any 1.x caller.
constexpr const char* kZlibVersion = "1.1.2";
// Deflate can turn one input byte into at most 1032 output bytes; a match
// in progress may add up to 258 more.
constexpr std::int64_t kMaxExpansion = 1032;
constexpr std::int64_t kMaxPendingMatch = 258;
constexpr std::size_t kSkipPiece = 4096;

[[noreturn]] void InvalidOperation(bool compression) {
    if (compression) throw ECompressionError(framework::errors::kSeekError);
    throw EDecompressionError(framework::errors::kSeekError);
}

}  // namespace

struct TCustomZlibStream::State {
    z_stream z{};
};

int ZlibLevel(TCompressionLevel level) {
    switch (level) {
        case TCompressionLevel::clNone: return 0;
        case TCompressionLevel::clFastest: return 1;
        case TCompressionLevel::clDefault: return -1;
        case TCompressionLevel::clMax: return 9;
    }
    return -1;
}

TCustomZlibStream::TCustomZlibStream(framework::TStream& underlying)
    : underlying_(underlying), underlyingPosition_(underlying.Position()), state_(std::make_unique<State>()),
      buffer_(std::make_unique<std::uint8_t[]>(kBufferSize)) {}

TCustomZlibStream::~TCustomZlibStream() = default;

void TCustomZlibStream::RestorePosition() {
    if (underlying_.Position() != underlyingPosition_) underlying_.SetPosition(underlyingPosition_);
}

void TCustomZlibStream::Progress() {
    if (onProgress_) onProgress_(*this);
}

// ---- compression --------------------------------------------------------------

TCompressionStream::TCompressionStream(TCompressionLevel level, framework::TStream& destination)
    : TCustomZlibStream(destination) {
    z_stream& z = state_->z;
    if (deflateInit_(&z, ZlibLevel(level), kZlibVersion, int(sizeof(z_stream))) != Z_OK) {
        throw ECompressionError(kZlibError);
    }
    z.next_out = buffer_.get();
    z.avail_out = kBufferSize;
}

TCompressionStream::~TCompressionStream() {
    if (!finished_) {
        try {
            Finish();
        } catch (...) {
            // A destructor cannot report; writers that must know call Finish.
        }
    }
    deflateEnd(&state_->z);
}

void TCompressionStream::FlushBuffer(std::size_t bytes) {
    underlying_.WriteBuffer(buffer_.get(), bytes);
    state_->z.next_out = buffer_.get();
    state_->z.avail_out = kBufferSize;
    underlyingPosition_ = underlying_.Position();
    Progress();
}

std::size_t TCompressionStream::Write(const void* buffer, std::size_t count) {
    if (finished_) InvalidOperation(true);
    z_stream& z = state_->z;
    RestorePosition();
    // zlib counts in 32 bits: hand the data over in pieces it can take.
    const auto* data = static_cast<const std::uint8_t*>(buffer);
    std::size_t left = count;
    while (left > 0) {
        const auto piece = static_cast<uInt>(std::min<std::size_t>(left, std::numeric_limits<uInt>::max()));
        z.next_in = const_cast<Bytef*>(data);
        z.avail_in = piece;
        while (z.avail_in > 0) {
            if (deflate(&z, Z_NO_FLUSH) == Z_STREAM_ERROR) throw ECompressionError(kZlibError);
            if (z.avail_out == 0) FlushBuffer(kBufferSize);
        }
        data += piece;
        left -= piece;
    }
    return count;
}

std::size_t TCompressionStream::Read(void*, std::size_t) { InvalidOperation(true); }

std::int64_t TCompressionStream::Position() const { return std::int64_t(state_->z.total_in); }

void TCompressionStream::SetPosition(std::int64_t position) {
    if (position != Position()) InvalidOperation(true);
}

void TCompressionStream::Finish() {
    if (finished_) return;
    finished_ = true;
    z_stream& z = state_->z;
    RestorePosition();
    z.next_in = nullptr;
    z.avail_in = 0;
    for (;;) {
        const int result = deflate(&z, Z_FINISH);
        if (result != Z_OK && result != Z_STREAM_END && result != Z_BUF_ERROR) throw ECompressionError(kZlibError);
        if (z.avail_out == 0) FlushBuffer(kBufferSize);
        if (result == Z_STREAM_END) break;
    }
    if (z.avail_out < kBufferSize) underlying_.WriteBuffer(buffer_.get(), kBufferSize - z.avail_out);
}

// ---- decompression -------------------------------------------------------------

TDecompressionStream::TDecompressionStream(framework::TStream& source)
    : TCustomZlibStream(source), start_(source.Position()) {
    z_stream& z = state_->z;
    z.next_in = buffer_.get();
    z.avail_in = 0;
    if (inflateInit_(&z, kZlibVersion, int(sizeof(z_stream))) != Z_OK) throw EDecompressionError(kZlibError);
}

TDecompressionStream::~TDecompressionStream() { inflateEnd(&state_->z); }

std::size_t TDecompressionStream::Read(void* buffer, std::size_t count) {
    z_stream& z = state_->z;
    RestorePosition();
    auto* out = static_cast<std::uint8_t*>(buffer);
    std::size_t produced = 0;
    while (produced < count && !ended_) {
        if (z.avail_in == 0) {
            const std::size_t n = underlying_.Read(buffer_.get(), kBufferSize);
            if (n == 0) break;  // the underlying stream is exhausted
            z.next_in = buffer_.get();
            z.avail_in = uInt(n);
            underlyingPosition_ = underlying_.Position();
            Progress();
        }
        const auto want = static_cast<uInt>(std::min<std::size_t>(count - produced, std::numeric_limits<uInt>::max()));
        z.next_out = out + produced;
        z.avail_out = want;
        const int result = inflate(&z, Z_NO_FLUSH);
        produced += want - z.avail_out;
        if (result == Z_STREAM_END) {
            ended_ = true;
        } else if (result == Z_BUF_ERROR) {
            // No progress with input present cannot happen with room for output.
            if (z.avail_in != 0) throw EDecompressionError(kZlibError);
        } else if (result != Z_OK) {
            throw EDecompressionError(kZlibError);
        }
    }
    return produced;
}

std::size_t TDecompressionStream::Write(const void*, std::size_t) { InvalidOperation(false); }

std::int64_t TDecompressionStream::Position() const { return std::int64_t(state_->z.total_out); }

std::int64_t TDecompressionStream::RemainingAtMost() const {
    if (ended_) return 0;
    const std::int64_t input = std::int64_t(state_->z.avail_in) + underlying_.RemainingAtMost();
    if (input > (std::numeric_limits<std::int64_t>::max() - kMaxPendingMatch) / kMaxExpansion) {
        return std::numeric_limits<std::int64_t>::max();
    }
    return input * kMaxExpansion + kMaxPendingMatch;
}

void TDecompressionStream::Restart() {
    z_stream& z = state_->z;
    if (inflateReset(&z) != Z_OK) throw EDecompressionError(kZlibError);
    z.next_in = buffer_.get();
    z.avail_in = 0;
    ended_ = false;
    // The beginning of the compressed data, where this stream started.
    underlying_.SetPosition(start_);
    underlyingPosition_ = start_;
}

void TDecompressionStream::Skip(std::int64_t count) {
    std::uint8_t piece[kSkipPiece];
    while (count > 0) {
        const std::size_t n = Read(piece, std::size_t(std::min<std::int64_t>(count, kSkipPiece)));
        if (n == 0) return;
        count -= std::int64_t(n);
    }
}

void TDecompressionStream::CheckToEnd() {
    std::uint8_t piece[kSkipPiece];
    while (!ended_) {
        // Nothing more before the end: the underlying stream is exhausted.
        if (Read(piece, sizeof piece) == 0 && !ended_) throw EDecompressionError(kZlibError);
    }
}

void TDecompressionStream::SetPosition(std::int64_t position) {
    if (position == 0) {
        Restart();
    } else if (position >= Position()) {
        Skip(position - Position());
    } else {
        InvalidOperation(false);
    }
}

}  // namespace skin
