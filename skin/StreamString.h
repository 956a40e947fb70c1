// The skin formats' string form over the framework's streams: a signed
// 32-bit byte count, then that many 8-bit characters, no terminator.
#pragma once

#include <string>

#include "framework/Stream.h"

namespace skin {

// The count is untrusted: a negative one, or one beyond the bytes left in
// the stream, is framework::EStreamError("Stream read error") before anything
// is allocated for it.
std::string ReadStreamString(framework::TStream& stream);
void WriteStreamString(framework::TStream& stream, const std::string& text);

}  // namespace skin
