#include "engine/yuvconvert.h"

#include <algorithm>
#include <cmath>
#include <cstring>

// The loops are written for the compiler's vectoriser; on x86-64 they are
// built twice, for AVX2 and for the baseline, and the processor picks one
// when the program loads.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__SANITIZE_ADDRESS__)
#define SORVEL_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define SORVEL_VECTOR_CLONES
#endif

bool BgraToYuv420::setup(int width, int srcHeight, int dstHeight)
{
    if (width <= 0 || srcHeight <= 0 || dstHeight <= 0 || (width & 1) || (dstHeight & 1))
        return false;
    m_width = width;
    m_srcHeight = srcHeight;
    m_dstHeight = dstHeight;
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
    m_rows.resize(size_t(width) * 4 * 2);
    return true;
}

SORVEL_VECTOR_CLONES void BgraToYuv420::blendRow(const uint8_t *bgra, int srcStride, int row,
                                                 uint8_t *out) const
{
    const int n = m_width * 4;
    const uint8_t *a = bgra + size_t(srcStride) * size_t(m_row0[size_t(row)]);
    const int w1 = m_weight[size_t(row)];
    if (w1 == 0) {
        std::memcpy(out, a, size_t(n));
        return;
    }
    const uint8_t *b = bgra + size_t(srcStride) * size_t(m_row1[size_t(row)]);
    const int w0 = 256 - w1;
    for (int i = 0; i < n; ++i)
        out[i] = uint8_t((a[i] * w0 + b[i] * w1 + 128) >> 8);
}

SORVEL_VECTOR_CLONES void BgraToYuv420::convert(const uint8_t *bgra, int srcStride, uint8_t *const dst[3],
                                                const int dstStride[3]) const
{
    const int W = m_width;
    uint8_t *top = m_rows.data();
    uint8_t *bottom = m_rows.data() + size_t(W) * 4;
    for (int y = 0; y < m_dstHeight; y += 2) {
        blendRow(bgra, srcStride, y, top);
        blendRow(bgra, srcStride, y + 1, bottom);
        uint8_t *y0 = dst[0] + size_t(dstStride[0]) * size_t(y);
        uint8_t *y1 = y0 + dstStride[0];
        uint8_t *u = dst[1] + size_t(dstStride[1]) * size_t(y / 2);
        uint8_t *v = dst[2] + size_t(dstStride[2]) * size_t(y / 2);
        for (int x = 0; x < W; ++x) {
            const uint8_t *p = top + 4 * x;
            const uint8_t *q = bottom + 4 * x;
            y0[x] = uint8_t(((66 * p[2] + 129 * p[1] + 25 * p[0] + 128) >> 8) + 16);
            y1[x] = uint8_t(((66 * q[2] + 129 * q[1] + 25 * q[0] + 128) >> 8) + 16);
        }
        for (int x = 0; x < W / 2; ++x) {
            const uint8_t *p = top + 8 * x;
            const uint8_t *q = bottom + 8 * x;
            const int b = p[0] + p[4] + q[0] + q[4];
            const int g = p[1] + p[5] + q[1] + q[5];
            const int r = p[2] + p[6] + q[2] + q[6];
            // Sums of four pixels: the coefficients carry the division.
            u[x] = uint8_t(((-38 * r - 74 * g + 112 * b + 512) >> 10) + 128);
            v[x] = uint8_t(((112 * r - 94 * g - 18 * b + 512) >> 10) + 128);
        }
    }
}
