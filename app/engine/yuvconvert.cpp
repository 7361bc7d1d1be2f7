#include "engine/yuvconvert.h"

#include <algorithm>
#include <cmath>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define SORVEL_HAVE_AVX2_PATH 1
#endif

namespace {

inline int lerp(const uint8_t *a, const uint8_t *b, int w, int i)
{
    return (a[i] * (256 - w) + b[i] * w + 128) >> 8;
}

bool processorHasAvx2()
{
#ifdef SORVEL_HAVE_AVX2_PATH
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
#else
    return false;
#endif
}

} // namespace

bool BgraToYuv420::setup(int width, int srcHeight, int dstHeight)
{
    if (width <= 0 || srcHeight <= 0 || dstHeight <= 0 || (width & 1) || (dstHeight & 1))
        return false;
    m_width = width;
    m_srcHeight = srcHeight;
    m_dstHeight = dstHeight;
    m_vector = processorHasAvx2();
    m_row0.resize(size_t(dstHeight));
    m_row1.resize(size_t(dstHeight));
    m_weight.resize(size_t(dstHeight));
    for (int y = 0; y < dstHeight; ++y) {
        const double src = (y + 0.5) * double(srcHeight) / double(dstHeight) - 0.5;
        int y0 = int(std::floor(src));
        int w = int(std::lround((src - y0) * 256.0));
        if (y0 < 0) {
            y0 = 0;
            w = 0;
        }
        if (y0 >= srcHeight - 1) {
            y0 = srcHeight - 1;
            w = 0;
        }
        if (w >= 256) {
            ++y0;
            w = 0;
        }
        m_row0[size_t(y)] = y0;
        m_row1[size_t(y)] = std::min(y0 + 1, srcHeight - 1);
        m_weight[size_t(y)] = w;
    }
    return true;
}

void BgraToYuv420::setVectorised(bool on)
{
    m_vector = on && processorHasAvx2();
}

void BgraToYuv420::convertPortable(const RowPair &r, int from) const
{
    for (int x = from; x < m_width; x += 2) {
        int b = 0, g = 0, red = 0;
        for (int k = 0; k < 2; ++k) {
            const int i = 4 * (x + k);
            const int pb = lerp(r.a0, r.b0, r.w0, i), pg = lerp(r.a0, r.b0, r.w0, i + 1),
                      pr = lerp(r.a0, r.b0, r.w0, i + 2);
            const int qb = lerp(r.a1, r.b1, r.w1, i), qg = lerp(r.a1, r.b1, r.w1, i + 1),
                      qr = lerp(r.a1, r.b1, r.w1, i + 2);
            r.y0[x + k] = uint8_t(((66 * pr + 129 * pg + 25 * pb + 128) >> 8) + 16);
            r.y1[x + k] = uint8_t(((66 * qr + 129 * qg + 25 * qb + 128) >> 8) + 16);
            b += pb + qb;
            g += pg + qg;
            red += pr + qr;
        }
        // Sums of four pixels: the coefficients carry the division.
        r.u[x / 2] = uint8_t(((-38 * red - 74 * g + 112 * b + 512) >> 10) + 128);
        r.v[x / 2] = uint8_t(((112 * red - 94 * g - 18 * b + 512) >> 10) + 128);
    }
}

#ifdef SORVEL_HAVE_AVX2_PATH
namespace {

// Eight BGRA pixels of one output row, blended from rows a and b, as two
// vectors of 16-bit channels: `lo` holds pixels 0, 1 | 4, 5 and `hi`
// pixels 2, 3 | 6, 7 (the unpack works within each 128-bit lane).
__attribute__((target("avx2"))) inline void blend8(const uint8_t *a, const uint8_t *b, int w, __m256i *lo,
                                                   __m256i *hi)
{
    const __m256i zero = _mm256_setzero_si256();
    const __m256i pa = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(a));
    __m256i l = _mm256_unpacklo_epi8(pa, zero);
    __m256i h = _mm256_unpackhi_epi8(pa, zero);
    if (w != 0) {
        const __m256i pb = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(b));
        const __m256i wa = _mm256_set1_epi16(int16_t(256 - w));
        const __m256i wb = _mm256_set1_epi16(int16_t(w));
        const __m256i round = _mm256_set1_epi16(128);
        // a * (256 - w) + b * w + 128 stays below 65536: unsigned 16 bits.
        l = _mm256_srli_epi16(
            _mm256_add_epi16(_mm256_add_epi16(_mm256_mullo_epi16(l, wa),
                                              _mm256_mullo_epi16(_mm256_unpacklo_epi8(pb, zero), wb)),
                             round),
            8);
        h = _mm256_srli_epi16(
            _mm256_add_epi16(_mm256_add_epi16(_mm256_mullo_epi16(h, wa),
                                              _mm256_mullo_epi16(_mm256_unpackhi_epi8(pb, zero), wb)),
                             round),
            8);
    }
    *lo = l;
    *hi = h;
}

// Per pixel sum of the channels times the coefficients (B, G, R, A order),
// 32 bits, pixels 0..3 | 4..7.
__attribute__((target("avx2"))) inline __m256i weigh8(__m256i lo, __m256i hi, __m256i coefficients)
{
    return _mm256_hadd_epi32(_mm256_madd_epi16(lo, coefficients), _mm256_madd_epi16(hi, coefficients));
}

// Sixteen luma values (32 bits, pixels 0..7 and 8..15 in order) to bytes.
__attribute__((target("avx2"))) inline void storeLuma(__m256i first, __m256i second, uint8_t *out)
{
    const __m256i round = _mm256_set1_epi32(128);
    const __m256i offset = _mm256_set1_epi32(16);
    first = _mm256_add_epi32(_mm256_srai_epi32(_mm256_add_epi32(first, round), 8), offset);
    second = _mm256_add_epi32(_mm256_srai_epi32(_mm256_add_epi32(second, round), 8), offset);
    // packs: 0..3, 8..11 | 4..7, 12..15; the permute puts the quads in order.
    const __m256i words = _mm256_permute4x64_epi64(_mm256_packs_epi32(first, second), 0xD8);
    const __m128i bytes = _mm_packus_epi16(_mm256_castsi256_si128(words), _mm256_extracti128_si256(words, 1));
    _mm_storeu_si128(reinterpret_cast<__m128i *>(out), bytes);
}

// Eight chroma values from the per-pixel sums of sixteen pixels.
__attribute__((target("avx2"))) inline __m256i chroma8(__m256i first, __m256i second)
{
    // hadd: pairs 0, 1, 4, 5 | 2, 3, 6, 7; the permute puts them in order.
    const __m256i pairs = _mm256_permutevar8x32_epi32(_mm256_hadd_epi32(first, second),
                                                      _mm256_setr_epi32(0, 1, 4, 5, 2, 3, 6, 7));
    return _mm256_add_epi32(_mm256_srai_epi32(_mm256_add_epi32(pairs, _mm256_set1_epi32(512)), 10),
                            _mm256_set1_epi32(128));
}

} // namespace

__attribute__((target("avx2"))) int BgraToYuv420::convertAvx2(const RowPair &r) const
{
    const __m256i cy = _mm256_setr_epi16(25, 129, 66, 0, 25, 129, 66, 0, 25, 129, 66, 0, 25, 129, 66, 0);
    const __m256i cu =
        _mm256_setr_epi16(112, -74, -38, 0, 112, -74, -38, 0, 112, -74, -38, 0, 112, -74, -38, 0);
    const __m256i cv =
        _mm256_setr_epi16(-18, -94, 112, 0, -18, -94, 112, 0, -18, -94, 112, 0, -18, -94, 112, 0);
    const int end = m_width & ~15;
    for (int x = 0; x < end; x += 16) {
        __m256i yTop[2], yBottom[2], u[2], v[2];
        for (int half = 0; half < 2; ++half) {
            const int i = 4 * (x + 8 * half);
            __m256i tl, th, bl, bh;
            blend8(r.a0 + i, r.b0 + i, r.w0, &tl, &th);
            blend8(r.a1 + i, r.b1 + i, r.w1, &bl, &bh);
            yTop[half] = weigh8(tl, th, cy);
            yBottom[half] = weigh8(bl, bh, cy);
            // Channels of the two rows summed (at most 510): 16 bits.
            const __m256i sl = _mm256_add_epi16(tl, bl), sh = _mm256_add_epi16(th, bh);
            u[half] = weigh8(sl, sh, cu);
            v[half] = weigh8(sl, sh, cv);
        }
        storeLuma(yTop[0], yTop[1], r.y0 + x);
        storeLuma(yBottom[0], yBottom[1], r.y1 + x);
        // U and V packed together: U 0..3, V 0..3 | U 4..7, V 4..7, then
        // put in order U 0..7, V 0..7.
        const __m256i uv =
            _mm256_permute4x64_epi64(_mm256_packs_epi32(chroma8(u[0], u[1]), chroma8(v[0], v[1])), 0xD8);
        const __m128i bytes = _mm_packus_epi16(_mm256_castsi256_si128(uv), _mm256_extracti128_si256(uv, 1));
        _mm_storel_epi64(reinterpret_cast<__m128i *>(r.u + x / 2), bytes);
        _mm_storel_epi64(reinterpret_cast<__m128i *>(r.v + x / 2), _mm_srli_si128(bytes, 8));
    }
    return end;
}
#else
int BgraToYuv420::convertAvx2(const RowPair &) const
{
    return 0;
}
#endif

void BgraToYuv420::convert(const uint8_t *bgra, int srcStride, uint8_t *const dst[3],
                           const int dstStride[3]) const
{
    auto row = [&](int index) { return bgra + size_t(srcStride) * size_t(index); };
    for (int y = 0; y < m_dstHeight; y += 2) {
        RowPair r;
        r.a0 = row(m_row0[size_t(y)]);
        r.b0 = row(m_row1[size_t(y)]);
        r.w0 = m_weight[size_t(y)];
        r.a1 = row(m_row0[size_t(y + 1)]);
        r.b1 = row(m_row1[size_t(y + 1)]);
        r.w1 = m_weight[size_t(y + 1)];
        r.y0 = dst[0] + size_t(dstStride[0]) * size_t(y);
        r.y1 = r.y0 + dstStride[0];
        r.u = dst[1] + size_t(dstStride[1]) * size_t(y / 2);
        r.v = dst[2] + size_t(dstStride[2]) * size_t(y / 2);
        convertPortable(r, m_vector ? convertAvx2(r) : 0);
    }
}
