#include "cli/Digests.h"

#include <array>
#include <cstdio>

namespace runner {
namespace {

constexpr std::array<std::uint32_t, 256> CrcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}
constexpr auto kCrcTable = CrcTable();

std::uint32_t RotateLeft(std::uint32_t x, int n) { return (x << n) | (x >> (32 - n)); }

class Sha1 {
public:
    void Update(std::span<const std::uint8_t> bytes) {
        for (std::uint8_t b : bytes) {
            block_[filled_++] = b;
            if (filled_ == 64) Compress();
        }
        length_ += bytes.size();
    }

    std::string Finish() {
        const std::uint64_t bits = length_ * 8;
        const std::uint8_t one = 0x80, zero = 0;
        Update({&one, 1});
        while (filled_ != 56) Update({&zero, 1});
        for (int i = 7; i >= 0; --i) {
            const auto b = static_cast<std::uint8_t>(bits >> (8 * i));
            block_[filled_++] = b;
        }
        Compress();
        std::string hex;
        char digits[9];
        for (std::uint32_t word : h_) {
            std::snprintf(digits, sizeof digits, "%08x", static_cast<unsigned>(word));
            hex += digits;
        }
        return hex;
    }

private:
    void Compress() {
        std::uint32_t w[80];
        for (int i = 0; i < 16; ++i)
            w[i] = std::uint32_t{block_[4 * i]} << 24 | std::uint32_t{block_[4 * i + 1]} << 16 |
                   std::uint32_t{block_[4 * i + 2]} << 8 | block_[4 * i + 3];
        for (int i = 16; i < 80; ++i) w[i] = RotateLeft(w[i - 3] ^ w[i - 8] ^ w[i - 14] ^ w[i - 16], 1);
        std::uint32_t a = h_[0], b = h_[1], c = h_[2], d = h_[3], e = h_[4];
        for (int i = 0; i < 80; ++i) {
            std::uint32_t f, k;
            if (i < 20) f = (b & c) | (~b & d), k = 0x5A827999;
            else if (i < 40) f = b ^ c ^ d, k = 0x6ED9EBA1;
            else if (i < 60) f = (b & c) | (b & d) | (c & d), k = 0x8F1BBCDC;
            else f = b ^ c ^ d, k = 0xCA62C1D6;
            const std::uint32_t t = RotateLeft(a, 5) + f + e + k + w[i];
            e = d;
            d = c;
            c = RotateLeft(b, 30);
            b = a;
            a = t;
        }
        h_[0] += a, h_[1] += b, h_[2] += c, h_[3] += d, h_[4] += e;
        filled_ = 0;
    }

    std::array<std::uint32_t, 5> h_{0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0};
    std::array<std::uint8_t, 64> block_{};
    std::size_t filled_ = 0;
    std::uint64_t length_ = 0;
};

}  // namespace

std::uint32_t Crc32(std::span<const std::uint8_t> bytes) {
    std::uint32_t c = 0xFFFFFFFFu;
    for (std::uint8_t b : bytes) c = kCrcTable[(c ^ b) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

std::string Sha1Hex(std::span<const std::uint8_t> bytes) {
    Sha1 sha;
    sha.Update(bytes);
    return sha.Finish();
}

std::string DigestLine(const std::string& path, std::span<const std::uint8_t> bytes) {
    char crc[16];
    std::snprintf(crc, sizeof crc, "%08X", static_cast<unsigned>(Crc32(bytes)));
    return "'" + path + "': " + std::to_string(bytes.size()) + " bytes, CRC-32 " + crc + ", SHA-1 " + Sha1Hex(bytes);
}

}  // namespace runner
