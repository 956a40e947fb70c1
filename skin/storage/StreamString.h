// The skin formats' string form over the framework's streams: a signed
// 32-bit byte count, then that many 8-bit characters, no terminator.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/Stream.h"

namespace skin {

// The count is untrusted: a negative one, or one beyond the bytes left in
// the stream, is framework::EStreamError("Stream read error") before anything
// is allocated for it.
std::string ReadStreamString(framework::TStream& stream);
void WriteStreamString(framework::TStream& stream, const std::string& text);

// For readers that take what a short stream holds: false, with `text` or
// `value` unchanged, when the stream ends within the field (a count beyond
// what the stream can still hold ends it without allocating). A negative
// count is still inconsistent: EStreamError("Stream read error").
bool TryReadStreamString(framework::TStream& stream, std::string& text);

// A signed 32-bit byte count, then the bytes: the same form for binary data.
std::vector<std::uint8_t> ReadStreamBytes(framework::TStream& stream);
void WriteStreamBytes(framework::TStream& stream, const std::vector<std::uint8_t>& bytes);
bool TryReadInt32(framework::TStream& stream, std::int32_t& value);

}  // namespace skin
