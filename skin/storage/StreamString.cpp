#include "skin/storage/StreamString.h"

#include <limits>

#include "framework/FrameworkError.h"

namespace skin {

std::string ReadStreamString(framework::TStream& stream) {
    const std::int32_t length = stream.ReadInt32();
    if (length < 0 || length > stream.RemainingAtMost()) throw framework::EStreamError(framework::errors::kReadError);
    std::string text(std::size_t(length), '\0');
    stream.ReadBuffer(text.data(), text.size());
    return text;
}

bool TryReadInt32(framework::TStream& stream, std::int32_t& value) {
    std::uint8_t bytes[4];
    if (stream.Read(bytes, 4) != 4) return false;
    value = std::int32_t(std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 | std::uint32_t(bytes[2]) << 16 |
                         std::uint32_t(bytes[3]) << 24);
    return true;
}

bool TryReadStreamString(framework::TStream& stream, std::string& text) {
    std::int32_t length = 0;
    if (!TryReadInt32(stream, length)) return false;
    if (length < 0) throw framework::EStreamError(framework::errors::kReadError);
    if (length > stream.RemainingAtMost()) return false;
    std::string read(std::size_t(length), '\0');
    if (stream.Read(read.data(), read.size()) != read.size()) return false;
    text = std::move(read);
    return true;
}

void WriteStreamString(framework::TStream& stream, const std::string& text) {
    stream.WriteInt32(std::int32_t(text.size()));
    stream.WriteBuffer(text.data(), text.size());
}

}  // namespace skin

namespace skin {

std::vector<std::uint8_t> ReadStreamBytes(framework::TStream& stream) {
    const std::int32_t count = stream.ReadInt32();
    if (count < 0 || count > stream.RemainingAtMost()) throw framework::EStreamError(framework::errors::kReadError);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(count));
    stream.ReadBuffer(bytes.data(), bytes.size());
    return bytes;
}

void WriteStreamBytes(framework::TStream& stream, const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() > std::size_t(std::numeric_limits<std::int32_t>::max())) {
        throw framework::EWriteError(framework::errors::kWriteError);
    }
    stream.WriteInt32(std::int32_t(bytes.size()));
    stream.WriteBuffer(bytes.data(), bytes.size());
}

}  // namespace skin
