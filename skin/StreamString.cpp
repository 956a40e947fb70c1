#include "skin/StreamString.h"

#include "framework/FrameworkError.h"

namespace skin {

std::string ReadStreamString(framework::TStream& stream) {
    const std::int32_t length = stream.ReadInt32();
    if (length < 0 || length > stream.RemainingAtMost()) throw framework::EStreamError(framework::errors::kReadError);
    std::string text(std::size_t(length), '\0');
    stream.ReadBuffer(text.data(), text.size());
    return text;
}

void WriteStreamString(framework::TStream& stream, const std::string& text) {
    stream.WriteInt32(std::int32_t(text.size()));
    stream.WriteBuffer(text.data(), text.size());
}

}  // namespace skin
