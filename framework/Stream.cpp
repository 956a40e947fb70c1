#include "framework/Stream.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <utility>

#include "framework/FrameworkError.h"

namespace framework {

std::int64_t TStream::Remaining() const {
    return std::max<std::int64_t>(0, Size() - Position());
}

void TStream::ReadBuffer(void* buffer, std::size_t count) {
    if (count != 0 && Read(buffer, count) != count) throw EStreamError(errors::kReadError);
}

void TStream::WriteBuffer(const void* buffer, std::size_t count) {
    if (count != 0 && Write(buffer, count) != count) throw EStreamError(errors::kWriteError);
}

std::uint8_t TStream::ReadUInt8() {
    std::uint8_t value = 0;
    ReadBuffer(&value, 1);
    return value;
}

std::uint32_t TStream::ReadUInt32() {
    std::uint8_t bytes[4];
    ReadBuffer(bytes, 4);
    return std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 | std::uint32_t(bytes[2]) << 16 |
           std::uint32_t(bytes[3]) << 24;
}

std::int32_t TStream::ReadInt32() { return static_cast<std::int32_t>(ReadUInt32()); }

void TStream::WriteUInt8(std::uint8_t value) { WriteBuffer(&value, 1); }

void TStream::WriteUInt32(std::uint32_t value) {
    const std::uint8_t bytes[4] = {std::uint8_t(value), std::uint8_t(value >> 8), std::uint8_t(value >> 16),
                                   std::uint8_t(value >> 24)};
    WriteBuffer(bytes, 4);
}

void TStream::WriteInt32(std::int32_t value) { WriteUInt32(static_cast<std::uint32_t>(value)); }

void TStream::CopyFrom(TStream& source, std::int64_t count) {
    if (count < 0) count = source.Remaining();
    std::uint8_t chunk[8192];
    while (count > 0) {
        const auto n = static_cast<std::size_t>(std::min<std::int64_t>(count, sizeof chunk));
        source.ReadBuffer(chunk, n);
        WriteBuffer(chunk, n);
        count -= static_cast<std::int64_t>(n);
    }
}

std::vector<std::uint8_t> ReadToEnd(TStream& source, std::size_t limit) {
    std::vector<std::uint8_t> bytes;
    std::uint8_t chunk[16384];
    while (const std::size_t n = source.Read(chunk, sizeof chunk)) {
        if (n > limit - bytes.size()) throw EStreamError(errors::kStreamTooLarge);
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
    return bytes;
}

std::size_t TBytesReader::Read(void* buffer, std::size_t count) {
    const std::size_t n = std::min(count, bytes_.size() - position_);
    if (n != 0) std::memcpy(buffer, bytes_.data() + position_, n);
    position_ += n;
    return n;
}

void TBytesReader::SetPosition(std::int64_t position) {
    if (position < 0 || position > Size()) throw EStreamError(errors::kSeekError);
    position_ = static_cast<std::size_t>(position);
}

TMemoryStream::TMemoryStream(std::span<const std::uint8_t> bytes) : data_(bytes.begin(), bytes.end()) {}

TMemoryStream::TMemoryStream(const std::string& bytes) : data_(bytes.begin(), bytes.end()) {}

std::size_t TMemoryStream::Read(void* buffer, std::size_t count) {
    const std::size_t n = std::min(count, data_.size() - position_);
    if (n != 0) std::memcpy(buffer, data_.data() + position_, n);
    position_ += n;
    return n;
}

std::size_t TMemoryStream::Write(const void* buffer, std::size_t count) {
    if (count == 0) return 0;
    if (position_ + count > data_.size()) data_.resize(position_ + count);
    std::memcpy(data_.data() + position_, buffer, count);
    position_ += count;
    return count;
}

void TMemoryStream::SetPosition(std::int64_t position) {
    if (position < 0 || position > Size()) throw EStreamError(errors::kSeekError);
    position_ = static_cast<std::size_t>(position);
}

void TMemoryStream::Clear() {
    data_.clear();
    position_ = 0;
}

TFileStream::TFileStream(const std::string& fileName, Mode mode) : fileName_(fileName), mode_(mode) {
    const char* failure = mode == Mode::OpenRead ? "Cannot open file" : "Cannot create file";
    // Some systems open a directory for reading, and then tell any size.
    std::error_code ignored;
    if (std::filesystem::is_directory(fileName, ignored))
        throw EFileStreamError(std::string(failure) + " \"" + fileName + "\": it is a directory");
    file_ = std::fopen(fileName.c_str(), mode == Mode::OpenRead ? "rb" : "wb");
    if (!file_) Fail(failure, errno);
    seekable_ = std::ftell(file_) >= 0;
}

TFileStream::~TFileStream() {
    if (file_) std::fclose(file_);
}

void TFileStream::Fail(const char* what, int error) const {
    throw EFileStreamError(std::string(what) + " \"" + fileName_ + "\": " + std::strerror(error != 0 ? error : EIO));
}

std::FILE* TFileStream::File() const {
    if (!file_) throw EStreamError(errors::kSeekError);  // used after Close()
    return file_;
}

void TFileStream::Close() {
    if (!file_) return;
    // Earlier read and write errors have thrown already; what is left is
    // the buffered rest.
    std::FILE* file = std::exchange(file_, nullptr);
    errno = 0;
    if (std::fclose(file) != 0) Fail(mode_ == Mode::Create ? "Cannot write file" : "Cannot close file", errno);
}

std::size_t TFileStream::Read(void* buffer, std::size_t count) {
    const std::size_t read = std::fread(buffer, 1, count, File());
    if (read < count && std::ferror(file_)) Fail("Cannot read file", errno);
    transferred_ += static_cast<std::int64_t>(read);
    return read;
}

std::size_t TFileStream::Write(const void* buffer, std::size_t count) {
    const std::size_t written = std::fwrite(buffer, 1, count, File());
    if (written < count) Fail("Cannot write file", errno);
    transferred_ += static_cast<std::int64_t>(written);
    return written;
}

std::int64_t TFileStream::Position() const {
    std::FILE* file = File();
    return seekable_ ? static_cast<std::int64_t>(std::ftell(file)) : transferred_;
}

std::int64_t TFileStream::Size() const {
    std::FILE* file = File();
    if (!seekable_) return transferred_;
    const long here = std::ftell(file);
    std::fseek(file, 0, SEEK_END);
    const long size = std::ftell(file);
    std::fseek(file, here, SEEK_SET);
    return size;
}

void TFileStream::SetPosition(std::int64_t position) {
    if (position < 0 || position > Size() || std::fseek(File(), static_cast<long>(position), SEEK_SET) != 0) {
        throw EStreamError(errors::kSeekError);
    }
}

}  // namespace framework
