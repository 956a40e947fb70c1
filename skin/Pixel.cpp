#include "skin/Pixel.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace skin {

namespace {
std::uint32_t ClampByte(int v) { return std::uint32_t(std::clamp(v, 0, 255)); }
}  // namespace

TPixel MakePixel(std::int16_t red, std::int16_t green, std::int16_t blue, std::uint8_t alpha) {
    return (std::uint32_t{alpha} << 24) | (ClampByte(red) << 16) | (ClampByte(green) << 8) |
           ClampByte(blue);
}

TPixel ColorToPixel(TColor color) {
    std::uint32_t rgb = std::uint32_t(ResolveSystemColor(color));
    return 0xFF000000u | ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

TColor PixelToColor(TPixel pixel) {
    return TColor(PixelRed(pixel) | (std::uint32_t{PixelGreen(pixel)} << 8) |
                  (std::uint32_t{PixelBlue(pixel)} << 16));
}

TPixel SubtractPixel(TPixel pixel, int red, int green, int blue, int alpha) {
    std::uint32_t a = std::uint32_t(PixelAlpha(pixel) - alpha) & 0xFF;
    return (a << 24) | (ClampByte(PixelRed(pixel) - red) << 16) |
           (ClampByte(PixelGreen(pixel) - green) << 8) | ClampByte(PixelBlue(pixel) - blue);
}

namespace {

void BlendRowScalar(const TPixel* source, TPixel* destination, int count) {
    for (int i = 0; i < count; ++i) {
        TPixel s = source[i];
        TPixel d = destination[i];
        std::uint32_t a = s >> 24;
        TPixel blended = BlendPart(s, a) + BlendPart(d, 255 - a);
        TPixel kept = a == 0 ? d : blended;
        destination[i] = a == 255 ? s : kept;
    }
}

}  // namespace

#if defined(__SSE2__)

// Four pixels at a time, each byte in a 16-bit lane: (v × w + 128) >> 8 per
// byte is exactly what the two-channels-at-once rule computes, since neither
// form lets a byte's product carry into its neighbour.
void BlendRow(const TPixel* source, TPixel* destination, int count) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i round = _mm_set1_epi16(128);
    const __m128i full = _mm_set1_epi16(255);
    const __m128i alphaMask = _mm_set1_epi32(int(0xFF000000u));
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + i));
        __m128i alpha = _mm_and_si128(s, alphaMask);
        __m128i opaque = _mm_cmpeq_epi32(alpha, alphaMask);
        __m128i clear = _mm_cmpeq_epi32(alpha, zero);
        // Paint buffers are mostly whole areas of opaque or clear pixels.
        if (_mm_movemask_epi8(opaque) == 0xFFFF) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(destination + i), s);
            continue;
        }
        if (_mm_movemask_epi8(clear) == 0xFFFF) continue;
        __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(destination + i));
        __m128i sLo = _mm_unpacklo_epi8(s, zero);
        __m128i sHi = _mm_unpackhi_epi8(s, zero);
        __m128i dLo = _mm_unpacklo_epi8(d, zero);
        __m128i dHi = _mm_unpackhi_epi8(d, zero);
        __m128i aLo = _mm_shufflehi_epi16(_mm_shufflelo_epi16(sLo, 0xFF), 0xFF);
        __m128i aHi = _mm_shufflehi_epi16(_mm_shufflelo_epi16(sHi, 0xFF), 0xFF);
        __m128i lo = _mm_add_epi16(
            _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(sLo, aLo), round), 8),
            _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(dLo, _mm_sub_epi16(full, aLo)), round), 8));
        __m128i hi = _mm_add_epi16(
            _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(sHi, aHi), round), 8),
            _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(dHi, _mm_sub_epi16(full, aHi)), round), 8));
        __m128i blended = _mm_packus_epi16(lo, hi);
        __m128i partial = _mm_andnot_si128(_mm_or_si128(opaque, clear), blended);
        __m128i result = _mm_or_si128(_mm_or_si128(_mm_and_si128(opaque, s), _mm_and_si128(clear, d)), partial);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(destination + i), result);
    }
    BlendRowScalar(source + i, destination + i, count - i);
}

#else

void BlendRow(const TPixel* source, TPixel* destination, int count) { BlendRowScalar(source, destination, count); }

#endif

}  // namespace skin
