#include "engine/yuvconvert.h"

#include <algorithm>
#include <cmath>

#include "engine/cpufeatures.h"

#ifdef SORVEL_HAVE_AVX2_PATH
#include <immintrin.h>
#endif

namespace {

inline int lerp(const uint8_t *a, const uint8_t *b, int w, int i)
{
    return (a[i] * (256 - w) + b[i] * w + 128) >> 8;
}

} // namespace

bool BgraToYuv420::setup(int width, int srcHeight, int dstHeight, Matrix matrix)
{
    if (width <= 0 || srcHeight <= 0 || dstHeight <= 0 || (width & 1) || (dstHeight & 1))
        return false;
    // Limited range: luma 219/255 and chroma 224/255 of the full-range
    // weights (BT.601: Kr 0.299, Kb 0.114; BT.709: Kr 0.2126, Kb 0.0722),
    // rounded so that the chroma rows still sum to 0.
    if (matrix == Matrix::Bt709)
        m_c = {47, 157, 16, -26, -86, 112, 112, -102, -10};
    else
        m_c = {66, 129, 25, -38, -74, 112, 112, -94, -18};
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
            r.y0[x + k] = uint8_t(((m_c.yr * pr + m_c.yg * pg + m_c.yb * pb + 128) >> 8) + 16);
            r.y1[x + k] = uint8_t(((m_c.yr * qr + m_c.yg * qg + m_c.yb * qb + 128) >> 8) + 16);
            b += pb + qb;
            g += pg + qg;
            red += pr + qr;
        }
        // Sums of four pixels: the coefficients carry the division.
        r.u[x / 2] = uint8_t(((m_c.ur * red + m_c.ug * g + m_c.ub * b + 512) >> 10) + 128);
        r.v[x / 2] = uint8_t(((m_c.vr * red + m_c.vg * g + m_c.vb * b + 512) >> 10) + 128);
    }
}

#ifdef SORVEL_HAVE_AVX2_PATH
namespace {

// Sixteen pixels of one output row as four vectors of 16-bit channels,
// split without shuffling: br[h] holds B, R and ga[h] G, A of pixels
// 8h .. 8h + 7, one pixel per 32 bits (pixels 8h .. 8h + 3 in the low lane).
// Blended from rows a and b with b's weight w of 256:
// (a (256 - w) + b w + 128) >> 8 is a + (((b - a) w + 128) >> 8), which is
// what the rounding high multiply gives for (b - a) times w << 7.
struct Row16 {
    __m256i br[2], ga[2];
};

// A weight of 0 (blend false: rows mapped one to one, as for every frame
// the writer composes at its own height) takes row a as it is.
__attribute__((target("avx2"))) inline Row16 blendRow(const uint8_t *a, const uint8_t *b, __m256i weight,
                                                      bool blend)
{
    const __m256i lowBytes = _mm256_set1_epi16(0x00FF);
    Row16 out;
#pragma GCC unroll 2
    for (int h = 0; h < 2; ++h) {
        const __m256i pa = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(a + 32 * h));
        const __m256i br = _mm256_and_si256(pa, lowBytes);
        const __m256i ga = _mm256_srli_epi16(pa, 8);
        if (!blend) {
            out.br[h] = br;
            out.ga[h] = ga;
            continue;
        }
        const __m256i pb = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(b + 32 * h));
        out.br[h] = _mm256_add_epi16(
            br, _mm256_mulhrs_epi16(_mm256_sub_epi16(_mm256_and_si256(pb, lowBytes), br), weight));
        out.ga[h] =
            _mm256_add_epi16(ga, _mm256_mulhrs_epi16(_mm256_sub_epi16(_mm256_srli_epi16(pb, 8), ga), weight));
    }
    return out;
}

// The luma of a row's sixteen pixels, (yr R + yg G + yb B + 128) >> 8 with
// cBR = yb | yr << 16 and cGA = yg, as 16-bit values in the order
// 0..3, 8..11 | 4..7, 12..15.
__attribute__((target("avx2"))) inline __m256i luma16(const Row16 &row, __m256i cBR, __m256i cGA)
{
    const __m256i round = _mm256_set1_epi32(128);
    __m256i y[2];
#pragma GCC unroll 2
    for (int h = 0; h < 2; ++h) {
        const __m256i sum =
            _mm256_add_epi32(_mm256_madd_epi16(row.br[h], cBR), _mm256_madd_epi16(row.ga[h], cGA));
        y[h] = _mm256_srli_epi32(_mm256_add_epi32(sum, round), 8);
    }
    return _mm256_packs_epi32(y[0], y[1]);
}

// One chroma plane's weighted channel sums of the 2 x 2 blocks: 32 bits,
// the block's sum in the low half of each 64 bits (blocks 0, 1 | 2, 3 of
// the eight pixels).
__attribute__((target("avx2"))) inline __m256i blockSums(__m256i br, __m256i ga, __m256i cBR, __m256i cGA)
{
    const __m256i px = _mm256_add_epi32(_mm256_madd_epi16(br, cBR), _mm256_madd_epi16(ga, cGA));
    return _mm256_add_epi32(px, _mm256_srli_epi64(px, 32));
}

// Two 16-bit coefficients in every 32 bits, for _mm256_madd_epi16.
__attribute__((target("avx2"))) inline __m256i pair(int low, int high)
{
    return _mm256_set1_epi32(int(uint16_t(low)) | (int(uint16_t(high)) << 16));
}

} // namespace

__attribute__((target("avx2"))) int BgraToYuv420::convertAvx2(const RowPair &r) const
{
    // Luma bytes come out as 0..3, 8..11 | 4..7, 12..15 of the top row, then
    // of the bottom row; the qword permute and this shuffle put them in order.
    const __m256i lumaOrder = _mm256_setr_epi8(0, 1, 2, 3, 8, 9, 10, 11, 4, 5, 6, 7, 12, 13, 14, 15, 0, 1, 2,
                                               3, 8, 9, 10, 11, 4, 5, 6, 7, 12, 13, 14, 15);
    const __m256i lumaOffset = _mm256_set1_epi8(16);
    const __m256i cyBR = pair(m_c.yb, m_c.yr);
    const __m256i cyGA = pair(m_c.yg, 0);
    const __m256i cuBR = pair(m_c.ub, m_c.ur);
    const __m256i cuGA = pair(m_c.ug, 0);
    const __m256i cvBR = pair(m_c.vb, m_c.vr);
    const __m256i cvGA = pair(m_c.vg, 0);
    // ((sum + 512) >> 10) + 128 in one shift.
    const __m256i chromaRound = _mm256_set1_epi32(512 + (128 << 10));
    // After the packs: U0 V0 U1 V1 U4 V4 U5 V5 | U2 V2 U3 V3 U6 V6 U7 V7.
    const __m256i chromaOrder = _mm256_setr_epi8(0, 2, 4, 6, 1, 3, 5, 7, 8, 10, 12, 14, 9, 11, 13, 15, 0, 2,
                                                 4, 6, 1, 3, 5, 7, 8, 10, 12, 14, 9, 11, 13, 15);
    // A weight of 0 gives row a exactly; b is then not read.
    const __m256i w0 = _mm256_set1_epi16(int16_t(r.w0 << 7));
    const __m256i w1 = _mm256_set1_epi16(int16_t(r.w1 << 7));
    const bool blend0 = r.w0 != 0, blend1 = r.w1 != 0;
    const uint8_t *const a0 = r.a0, *const b0 = r.b0, *const a1 = r.a1, *const b1 = r.b1;
    uint8_t *const y0 = r.y0, *const y1 = r.y1, *const uOut = r.u, *const vOut = r.v;
    const int end = m_width & ~15;
    for (int x = 0; x < end; x += 16) {
        const int i = 4 * x;
        const Row16 top = blendRow(a0 + i, b0 + i, w0, blend0);
        const Row16 bottom = blendRow(a1 + i, b1 + i, w1, blend1);

        const __m256i luma = _mm256_shuffle_epi8(
            _mm256_permute4x64_epi64(_mm256_packus_epi16(luma16(top, cyBR, cyGA), luma16(bottom, cyBR, cyGA)),
                                     0xD8),
            lumaOrder);
        const __m256i lumaBytes = _mm256_add_epi8(luma, lumaOffset);
        _mm_storeu_si128(reinterpret_cast<__m128i *>(y0 + x), _mm256_castsi256_si128(lumaBytes));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(y1 + x), _mm256_extracti128_si256(lumaBytes, 1));

        // Channels of the two rows summed (at most 510): still 16 bits.
        __m256i uv[2];
#pragma GCC unroll 2
        for (int h = 0; h < 2; ++h) {
            const __m256i br = _mm256_add_epi16(top.br[h], bottom.br[h]);
            const __m256i ga = _mm256_add_epi16(top.ga[h], bottom.ga[h]);
            const __m256i u = blockSums(br, ga, cuBR, cuGA);
            const __m256i v = blockSums(br, ga, cvBR, cvGA);
            // U and V of each block side by side: U0 V0 U1 V1 | U2 V2 U3 V3.
            const __m256i both = _mm256_blend_epi32(u, _mm256_slli_epi64(v, 32), 0xAA);
            uv[h] = _mm256_srai_epi32(_mm256_add_epi32(both, chromaRound), 10);
        }
        const __m256i words = _mm256_packs_epi32(uv[0], uv[1]);
        const __m256i bytes = _mm256_shuffle_epi8(_mm256_packus_epi16(words, words), chromaOrder);
        // Low lane: U0 U1 U4 U5 V0 V1 V4 V5, high lane: U2 U3 U6 U7 V2 V3 V6 V7.
        const __m128i ordered =
            _mm_unpacklo_epi16(_mm256_castsi256_si128(bytes), _mm256_extracti128_si256(bytes, 1));
        _mm_storel_epi64(reinterpret_cast<__m128i *>(uOut + x / 2), ordered);
        _mm_storel_epi64(reinterpret_cast<__m128i *>(vOut + x / 2), _mm_srli_si128(ordered, 8));
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
    convertRange(bgra, srcStride, 0, 0, m_dstHeight, dst, dstStride);
}

void BgraToYuv420::convertRows(const uint8_t *rows, int srcStride, int y0, int y1, uint8_t *const dst[3],
                               const int dstStride[3]) const
{
    if (!rowsOneToOne() || y0 < 0 || y1 > m_dstHeight || (y0 & 1) || (y1 & 1))
        return;
    convertRange(rows, srcStride, y0, y0, y1, dst, dstStride);
}

void BgraToYuv420::convertRange(const uint8_t *rows, int srcStride, int firstRow, int y0, int y1,
                                uint8_t *const dst[3], const int dstStride[3]) const
{
    // Source row k is at rows + (k - firstRow) x srcStride.
    auto row = [&](int index) { return rows + ptrdiff_t(srcStride) * ptrdiff_t(index - firstRow); };
    for (int y = y0; y < y1; y += 2) {
        RowPair r;
        r.a0 = row(m_row0[size_t(y)]);
        r.w0 = m_weight[size_t(y)];
        // A row taken whole reads nothing of the next one (which may lie
        // outside the rows given).
        r.b0 = r.w0 != 0 ? row(m_row1[size_t(y)]) : r.a0;
        r.a1 = row(m_row0[size_t(y + 1)]);
        r.w1 = m_weight[size_t(y + 1)];
        r.b1 = r.w1 != 0 ? row(m_row1[size_t(y + 1)]) : r.a1;
        r.y0 = dst[0] + size_t(dstStride[0]) * size_t(y);
        r.y1 = r.y0 + dstStride[0];
        r.u = dst[1] + size_t(dstStride[1]) * size_t(y / 2);
        r.v = dst[2] + size_t(dstStride[2]) * size_t(y / 2);
        convertPortable(r, m_vector ? convertAvx2(r) : 0);
    }
}
