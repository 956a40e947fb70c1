// zlib's own verdict on compressed bytes, for the targets whose readers sit
// on the skin container's zlib stream.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <span>

namespace fuzz {

// True when `bytes` begin with a whole zlib stream that zlib accepts, its
// Adler-32 checksum included; bytes after its end are not looked at.
inline bool ZlibAcceptsWhole(std::span<const std::uint8_t> bytes) {
    z_stream z{};
    if (inflateInit(&z) != Z_OK) return false;
    z.next_in = const_cast<Bytef*>(bytes.data());
    z.avail_in = uInt(bytes.size());
    std::uint8_t out[16384];
    int result = Z_OK;
    while (result == Z_OK) {
        z.next_out = out;
        z.avail_out = sizeof out;
        result = inflate(&z, Z_NO_FLUSH);
    }
    inflateEnd(&z);
    return result == Z_STREAM_END;
}

}  // namespace fuzz
