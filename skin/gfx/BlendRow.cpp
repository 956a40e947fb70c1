// Row compositing, the innermost loop of every half-transparent paint. The
// vector kernels hold each byte in a 16-bit lane and compute
// (v × w + 128) >> 8 per byte, exactly what the two-channels-at-once rule of
// BlendPart computes, since neither form lets a byte's product carry into its
// neighbour. Results are therefore identical on every path.
#include "skin/gfx/Pixel.h"

#if defined(__SSE2__)
#include <immintrin.h>
#endif

namespace skin {

namespace {

void BlendScalar(const TPixel* source, TPixel* destination, int count) {
    for (int i = 0; i < count; ++i) {
        TPixel s = source[i];
        TPixel d = destination[i];
        std::uint32_t a = s >> 24;
        TPixel blended = BlendPart(s, a) + BlendPart(d, 255 - a);
        TPixel kept = a == 0 ? d : blended;
        destination[i] = a == 255 ? s : kept;
    }
}

#if defined(__SSE2__)

// Four pixels at a time; returns how many pixels it did.
int BlendSse2(const TPixel* source, TPixel* destination, int count) {
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
    return i;
}

// The same eight pixels at a time, for processors that have AVX2 (chosen at
// run time). Unpacking and packing work within each 128-bit half, so the
// pixels keep their order.
__attribute__((target("avx2"))) int BlendAvx2(const TPixel* source, TPixel* destination, int count) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i round = _mm256_set1_epi16(128);
    const __m256i full = _mm256_set1_epi16(255);
    const __m256i alphaMask = _mm256_set1_epi32(int(0xFF000000u));
    int i = 0;
    for (; i + 8 <= count; i += 8) {
        __m256i s = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(source + i));
        __m256i alpha = _mm256_and_si256(s, alphaMask);
        __m256i opaque = _mm256_cmpeq_epi32(alpha, alphaMask);
        __m256i clear = _mm256_cmpeq_epi32(alpha, zero);
        if (_mm256_movemask_epi8(opaque) == -1) {
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(destination + i), s);
            continue;
        }
        if (_mm256_movemask_epi8(clear) == -1) continue;
        __m256i d = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(destination + i));
        __m256i sLo = _mm256_unpacklo_epi8(s, zero);
        __m256i sHi = _mm256_unpackhi_epi8(s, zero);
        __m256i dLo = _mm256_unpacklo_epi8(d, zero);
        __m256i dHi = _mm256_unpackhi_epi8(d, zero);
        __m256i aLo = _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(sLo, 0xFF), 0xFF);
        __m256i aHi = _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(sHi, 0xFF), 0xFF);
        __m256i lo = _mm256_add_epi16(
            _mm256_srli_epi16(_mm256_add_epi16(_mm256_mullo_epi16(sLo, aLo), round), 8),
            _mm256_srli_epi16(_mm256_add_epi16(_mm256_mullo_epi16(dLo, _mm256_sub_epi16(full, aLo)), round), 8));
        __m256i hi = _mm256_add_epi16(
            _mm256_srli_epi16(_mm256_add_epi16(_mm256_mullo_epi16(sHi, aHi), round), 8),
            _mm256_srli_epi16(_mm256_add_epi16(_mm256_mullo_epi16(dHi, _mm256_sub_epi16(full, aHi)), round), 8));
        __m256i blended = _mm256_packus_epi16(lo, hi);
        __m256i partial = _mm256_andnot_si256(_mm256_or_si256(opaque, clear), blended);
        __m256i result =
            _mm256_or_si256(_mm256_or_si256(_mm256_and_si256(opaque, s), _mm256_and_si256(clear, d)), partial);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(destination + i), result);
    }
    return i;
}

bool HasAvx2() {
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}

#endif

}  // namespace

void BlendRow(const TPixel* source, TPixel* destination, int count) {
    int done = 0;
#if defined(__SSE2__)
    if (count >= 8 && HasAvx2()) done = BlendAvx2(source, destination, count);
    done += BlendSse2(source + done, destination + done, count - done);
#endif
    BlendScalar(source + done, destination + done, count - done);
}

}  // namespace skin
