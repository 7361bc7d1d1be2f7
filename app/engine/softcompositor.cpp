#include "engine/softcompositor.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "engine/cpufeatures.h"

#ifdef SORVEL_HAVE_AVX2_PATH
#include <immintrin.h>
#endif

namespace {

// BGRA bytes 0, 0, 0, 255 as a little-endian word.
constexpr uint32_t kOpaqueBlack = 0xFF000000u;

// a + (b - a) * w / 256 rounded, the weight given as w << 7: what the
// vector loop's rounding multiply (vpmulhrsw) computes.
inline uint32_t lerpPixel(uint32_t a, uint32_t b, int w7)
{
    uint32_t r = 0;
    for (int c = 0; c < 32; c += 8) {
        const int x = int((a >> c) & 0xFF);
        const int y = int((b >> c) & 0xFF);
        r |= uint32_t(x + (((y - x) * w7 + 16384) >> 15)) << c;
    }
    return r;
}

// s * a + d * (255 - a), divided by 255 with rounding, channel by channel
// (exact for every sum up to 255 x 255).
inline uint32_t blendPixel(uint32_t s, uint32_t d, uint32_t a)
{
    uint32_t r = 0;
    for (int c = 0; c < 32; c += 8) {
        uint32_t x = ((s >> c) & 0xFF) * a + ((d >> c) & 0xFF) * (255 - a) + 128;
        r |= ((x + (x >> 8)) >> 8) << c;
    }
    return r;
}

// The pixels [lo, hi) whose centres p + 0.5 lie in [min(a, b), max(a, b)),
// clamped to [0, n).
void coveredSpan(double a, double b, int n, int *lo, int *hi)
{
    const double from = std::min(a, b) - 0.5;
    const double to = std::max(a, b) - 0.5;
    *lo = int(std::clamp(std::ceil(from), 0.0, double(n)));
    *hi = int(std::clamp(std::ceil(to), 0.0, double(n)));
}

// Where a pixel centre samples: the texel to its left (or above), clamped
// into [0, last], the one after it, and the second one's weight << 7.
struct Tap {
    int first;
    int second;
    int weight7;
};

Tap tapAt(double coordinate, int last)
{
    const double f = std::floor(coordinate);
    const int i = int(f);
    const int w = std::clamp(int((coordinate - f) * 256.0), 0, 255);
    return Tap{std::clamp(i, 0, last), std::clamp(i + 1, 0, last), w << 7};
}

void lerpRowPortable(const uint32_t *a, const uint32_t *b, int w7, uint32_t *out, int from, int n)
{
    for (int i = from; i < n; ++i)
        out[i] = lerpPixel(a[i], b[i], w7);
}

void sampleRowPortable(const uint32_t *texels, const int32_t *left, const int32_t *right,
                       const int16_t *weight, uint32_t *out, int from, int n)
{
    for (int i = from; i < n; ++i)
        out[i] = lerpPixel(texels[left[i]], texels[right[i]], weight[i]);
}

void blendRowPortable(const uint32_t *s, uint32_t *d, int alpha, int from, int n)
{
    for (int i = from; i < n; ++i)
        d[i] = blendPixel(s[i], d[i], alpha >= 0 ? uint32_t(alpha) : s[i] >> 24);
}

#ifdef SORVEL_HAVE_AVX2_PATH

__attribute__((target("avx2"))) inline __m256i lerp16(__m256i a, __m256i b, __m256i w7)
{
    return _mm256_add_epi16(a, _mm256_mulhrs_epi16(_mm256_sub_epi16(b, a), w7));
}

// Two rows blended, eight pixels at a time; returns the pixels done.
__attribute__((target("avx2"))) int lerpRowAvx2(const uint32_t *a, const uint32_t *b, int w7, uint32_t *out,
                                                int n)
{
    const __m256i zero = _mm256_setzero_si256();
    const __m256i w = _mm256_set1_epi16(int16_t(w7));
    int i = 0;
    for (; i + 8 <= n; i += 8) {
        const __m256i pa = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(a + i));
        const __m256i pb = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(b + i));
        const __m256i lo = lerp16(_mm256_unpacklo_epi8(pa, zero), _mm256_unpacklo_epi8(pb, zero), w);
        const __m256i hi = lerp16(_mm256_unpackhi_epi8(pa, zero), _mm256_unpackhi_epi8(pb, zero), w);
        _mm256_storeu_si256(reinterpret_cast<__m256i *>(out + i), _mm256_packus_epi16(lo, hi));
    }
    return i;
}

// One row sampled horizontally, eight pixels at a time: each pixel's two
// texels, blended with its weight (lanes: per eight pixels, the weights of
// pixels 0, 1, 4 and 5 four times each, then those of 2, 3, 6 and 7, the
// order in which the byte unpacking leaves them). Where the eight pixels'
// texels lie within nine neighbours (a picture drawn at its size or
// larger: `window` holds the first one's index, else -1), they are picked
// from two loads by permutes; elsewhere they are gathered.
__attribute__((target("avx2"))) int sampleRowAvx2(const uint32_t *texels, const int32_t *left,
                                                  const int32_t *right, const int32_t *window,
                                                  const int16_t *lanes, uint32_t *out, int n)
{
    const __m256i zero = _mm256_setzero_si256();
    const int *base = reinterpret_cast<const int *>(texels);
    int i = 0;
    for (; i + 8 <= n; i += 8) {
        const __m256i l = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(left + i));
        __m256i pa, pb;
        const int first = window[i / 8];
        if (first >= 0) {
            const __m256i offset = _mm256_sub_epi32(l, _mm256_set1_epi32(first));
            pa = _mm256_permutevar8x32_epi32(
                _mm256_loadu_si256(reinterpret_cast<const __m256i *>(texels + first)), offset);
            pb = _mm256_permutevar8x32_epi32(
                _mm256_loadu_si256(reinterpret_cast<const __m256i *>(texels + first + 1)), offset);
        } else {
            const __m256i r = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(right + i));
            pa = _mm256_i32gather_epi32(base, l, 4);
            pb = _mm256_i32gather_epi32(base, r, 4);
        }
        const __m256i wlo = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(lanes + 4 * i));
        const __m256i whi = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(lanes + 4 * i + 16));
        const __m256i lo = lerp16(_mm256_unpacklo_epi8(pa, zero), _mm256_unpacklo_epi8(pb, zero), wlo);
        const __m256i hi = lerp16(_mm256_unpackhi_epi8(pa, zero), _mm256_unpackhi_epi8(pb, zero), whi);
        _mm256_storeu_si256(reinterpret_cast<__m256i *>(out + i), _mm256_packus_epi16(lo, hi));
    }
    return i;
}

// s * a + d * (255 - a) over 255, rounded, on 16-bit lanes.
__attribute__((target("avx2"))) inline __m256i blend16(__m256i s, __m256i d, __m256i a)
{
    const __m256i x =
        _mm256_add_epi16(_mm256_add_epi16(_mm256_mullo_epi16(s, a),
                                          _mm256_mullo_epi16(d, _mm256_sub_epi16(_mm256_set1_epi16(255), a))),
                         _mm256_set1_epi16(128));
    return _mm256_srli_epi16(_mm256_add_epi16(x, _mm256_srli_epi16(x, 8)), 8);
}

// Blends s over d with one alpha (alpha >= 0) or each pixel's own.
__attribute__((target("avx2"))) int blendRowAvx2(const uint32_t *s, uint32_t *d, int alpha, int n)
{
    const __m256i zero = _mm256_setzero_si256();
    const __m256i constant = _mm256_set1_epi16(int16_t(alpha));
    int i = 0;
    for (; i + 8 <= n; i += 8) {
        const __m256i ps = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(s + i));
        const __m256i pd = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(d + i));
        const __m256i slo = _mm256_unpacklo_epi8(ps, zero);
        const __m256i shi = _mm256_unpackhi_epi8(ps, zero);
        // Each pixel's alpha (its fourth 16-bit lane) in all four lanes.
        const __m256i alo =
            alpha >= 0 ? constant : _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(slo, 0xFF), 0xFF);
        const __m256i ahi =
            alpha >= 0 ? constant : _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(shi, 0xFF), 0xFF);
        const __m256i lo = blend16(slo, _mm256_unpacklo_epi8(pd, zero), alo);
        const __m256i hi = blend16(shi, _mm256_unpackhi_epi8(pd, zero), ahi);
        _mm256_storeu_si256(reinterpret_cast<__m256i *>(d + i), _mm256_packus_epi16(lo, hi));
    }
    return i;
}

// The ramp's alpha computed for sixteen mask bytes at a time: the clamped
// distance from lo times 255, divided by hi - lo with a multiply by its
// reciprocal and corrected to the exact quotient (the table's values).
// Needs 0 < hi - lo <= 257, so that the products fit 16 bits.
__attribute__((target("avx2"))) int mergeMaskAvx2(const uint8_t *bgra, const uint8_t *mask, uint8_t *dst,
                                                  int n, int lo, int hi)
{
    const int span = hi - lo;
    const __m256i vlo = _mm256_set1_epi16(int16_t(lo));
    const __m256i vspan = _mm256_set1_epi16(int16_t(span));
    const __m256i below = _mm256_set1_epi16(int16_t(span - 1));
    const __m256i reciprocal = _mm256_set1_epi16(int16_t(uint16_t(65535 / span)));
    const __m256i v255 = _mm256_set1_epi16(255);
    const __m256i colour = _mm256_set1_epi32(0x00FFFFFF);
    int i = 0;
    for (; i + 16 <= n; i += 16) {
        const __m256i m = _mm256_cvtepu8_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i *>(mask + i)));
        const __m256i t =
            _mm256_min_epi16(_mm256_max_epi16(_mm256_sub_epi16(m, vlo), _mm256_setzero_si256()), vspan);
        const __m256i x = _mm256_mullo_epi16(t, v255);
        // The estimate x * floor(65535 / span) / 65536 is less than one
        // below x / span: its floor is the quotient or one less.
        __m256i q = _mm256_mulhi_epu16(x, reciprocal);
        const __m256i r = _mm256_sub_epi16(x, _mm256_mullo_epi16(q, vspan));
        const __m256i more = _mm256_cmpgt_epi16(r, below); // r >= span: one more
        q = _mm256_sub_epi16(q, more);
        const __m256i a0 = _mm256_slli_epi32(_mm256_cvtepu16_epi32(_mm256_castsi256_si128(q)), 24);
        const __m256i a1 = _mm256_slli_epi32(_mm256_cvtepu16_epi32(_mm256_extracti128_si256(q, 1)), 24);
        const __m256i p0 = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(bgra + 4 * i));
        const __m256i p1 = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(bgra + 4 * i + 32));
        _mm256_storeu_si256(reinterpret_cast<__m256i *>(dst + 4 * i),
                            _mm256_or_si256(_mm256_and_si256(p0, colour), a0));
        _mm256_storeu_si256(reinterpret_cast<__m256i *>(dst + 4 * i + 32),
                            _mm256_or_si256(_mm256_and_si256(p1, colour), a1));
    }
    return i;
}

#endif

} // namespace

void SoftCompositor::mergeMaskRow(const uint8_t *bgra, const uint8_t *mask, uint8_t *dst, int n,
                                  const uint8_t ramp[256], int lo, int hi) const
{
    int done = 0;
#ifdef SORVEL_HAVE_AVX2_PATH
    if (m_vector && hi > lo && hi - lo <= 257)
        done = mergeMaskAvx2(bgra, mask, dst, n, lo, hi);
#endif
    // Each BGRA pixel keeps its colour bytes and takes the ramp's alpha
    // (little-endian: alpha is the top byte of the word).
    for (int x = done; x < n; ++x) {
        uint32_t px;
        std::memcpy(&px, bgra + 4 * x, 4);
        px = (px & 0x00FFFFFFu) | (uint32_t(ramp[mask[x]]) << 24);
        std::memcpy(dst + 4 * x, &px, 4);
    }
}

bool SoftCompositor::setup(int width, int height, bool flipRows)
{
    if (width <= 0 || height <= 0)
        return false;
    m_width = width;
    m_height = height;
    m_flipRows = flipRows;
    m_vector = processorHasAvx2();
    const size_t texels = size_t(width) + 2;
    m_black.assign(texels, kOpaqueBlack);
    // Texels 0 and width + 1 are the border and stay black; the vertical
    // pass writes only the picture's texels in between.
    m_texels.assign(texels, kOpaqueBlack);
    m_line.assign(size_t(width), 0);
    m_layers.clear();
    return true;
}

void SoftCompositor::setVectorised(bool on)
{
    m_vector = on && processorHasAvx2();
}

void SoftCompositor::fillBlack(uint8_t *dst, int dstStride, int y0, int y1, int x0, int x1) const
{
    if (x0 >= x1)
        return;
    for (int y = y0; y < y1; ++y)
        std::memcpy(dst + size_t(dstStride) * size_t(y) + 4 * size_t(x0), m_black.data(),
                    4 * size_t(x1 - x0));
}

void SoftCompositor::compose(const SoftLayer *layers, int count, uint8_t *dst, int dstStride)
{
    composeInBands(layers, count, dst, dstStride, m_height, nullptr);
}

void SoftCompositor::composeInBands(const SoftLayer *layers, int count, uint8_t *band, int bandStride,
                                    int bandRows, const BandDone &done)
{
    Frame frame;
    frame.layers = layers;
    frame.count = count;
    frame.band = band;
    frame.bandStride = bandStride;
    frame.done = done;
    composeFramesInBands(&frame, 1, bandRows);
}

void SoftCompositor::composeFramesInBands(const Frame *frames, int frameCount, int bandRows)
{
    if (m_width <= 0 || bandRows <= 0 || frameCount <= 0)
        return;
    size_t layers = 0;
    for (int f = 0; f < frameCount; ++f) {
        if (!frames[f].band)
            return;
        layers += size_t(std::max(frames[f].count, 0));
    }
    if (m_layers.size() < layers)
        m_layers.resize(layers);
    size_t next = 0;
    for (int f = 0; f < frameCount; ++f) {
        for (int i = 0; i < frames[f].count; ++i)
            prepareLayer(frames[f].layers[i], m_layers[next++]);
    }
    for (int y = 0; y < m_height; y += bandRows) {
        const int rows = std::min(bandRows, m_height - y);
        size_t prepared = 0;
        for (int f = 0; f < frameCount; ++f) {
            const Frame &fr = frames[f];
            const int count = std::max(fr.count, 0);
            // Row py of the frame is row py - y of its band.
            if (count == 0)
                fillBlack(fr.band, fr.bandStride, 0, rows, 0, m_width);
            for (int i = 0; i < count; ++i)
                drawRows(fr.layers[i], m_layers[prepared + size_t(i)], i == 0, fr.band, fr.bandStride, y,
                         y + rows);
            prepared += size_t(count);
            if (fr.done)
                fr.done(y, rows);
        }
    }
}

void SoftCompositor::prepareLayer(const SoftLayer &l, Prepared &p)
{
    const int W = m_width;
    const int H = m_height;
    // The quad's corners in window coordinates, computed as the OpenGL path
    // computes its vertices (in floats), then its orthographic projection.
    const float hx = float(W / 2);
    const float hy = float(H / 2);
    const float mx = l.mirrorX ? -1.f : 1.f;
    const float my = l.mirrorY ? -1.f : 1.f;
    const double cx = W / 2.0;
    const double cy = H / 2.0;
    int x0 = 0, x1 = 0, y0 = 0, y1 = 0;
    coveredSpan(double((mx * -hx + l.tx) * l.scale) + cx, double((mx * hx + l.tx) * l.scale) + cx, W, &x0,
                &x1);
    coveredSpan(double((my * -hy + l.ty) * l.scale) + cy, double((my * hy + l.ty) * l.scale) + cy, H, &y0,
                &y1);
    if (x0 >= x1 || y0 >= y1)
        y0 = y1 = x0 = x1 = 0;
    p.x0 = x0;
    p.x1 = x1;
    p.y0 = y0;
    p.y1 = y1;
    p.drawn = x0 < x1 && l.bgra && l.scale != 0.f;
    if (!p.drawn)
        return;

    // Columns: each pixel centre's texels and weight, the same on every row
    // (texel i is the picture's column i - 1; 0 and W + 1 are the border).
    const int n = x1 - x0;
    p.left.resize(size_t(n));
    p.right.resize(size_t(n));
    p.weight.resize(size_t(n));
    p.lanes.assign((size_t(n) / 8 + 1) * 32, 0);
    p.window.assign(size_t(n) / 8 + 1, -1);
    int lowest = W + 1, highest = 0;
    bool aligned = true; // every pixel exactly on a texel, in order
    for (int k = 0; k < n; ++k) {
        const double x = mx * ((x0 + k + 0.5 - cx) / l.scale - l.tx);
        const Tap t = tapAt(x + W / 2 + 0.5, W + 1);
        p.left[size_t(k)] = t.first;
        p.right[size_t(k)] = t.second;
        p.weight[size_t(k)] = int16_t(t.weight7);
        lowest = std::min(lowest, t.first);
        highest = std::max(highest, t.second);
        aligned = aligned && t.weight7 == 0 && t.first == p.left[0] + k;
    }
    for (int g = 0; g + 8 <= n; g += 8) {
        static const int kOrder[8] = {0, 1, 4, 5, 2, 3, 6, 7};
        for (int q = 0; q < 8; ++q) {
            for (int c = 0; c < 4; ++c)
                p.lanes[size_t(4 * g + 4 * q + c)] = p.weight[size_t(g + kOrder[q])];
        }
        // Texels first .. first + 8 hold all that these eight pixels read
        // (in either order; both loads stay inside the row of width + 2
        // texels).
        const auto group = p.left.begin() + g;
        const auto [least, most] = std::minmax_element(group, group + 8);
        const int first = *least;
        bool window = first + 9 <= W + 2 && *most - first <= 7;
        for (int q = 0; q < 8 && window; ++q)
            window = p.right[size_t(g + q)] == p.left[size_t(g + q)] + 1;
        p.window[size_t(g / 8)] = window ? first : -1;
    }
    // The picture's texels this layer reads: [from, to].
    p.from = std::max(lowest, 1);
    p.span = std::min(highest, W) - p.from + 1;
    // Every pixel exactly on a texel of the picture, in order: rows are
    // copied as they are.
    p.onGrid = aligned && p.left[0] >= 1 && p.left[0] + n - 1 <= W;
}

void SoftCompositor::drawRows(const SoftLayer &l, const Prepared &p, bool first, uint8_t *band,
                              int bandStride, int r0, int r1)
{
    const int W = m_width;
    const int H = m_height;
    // Frame row py is band row py - r0.
    auto bandRow = [&](int py) { return band + size_t(bandStride) * size_t(py - r0); };
    if (first) {
        // The background is opaque black; an opaque first layer replaces it
        // where it lies.
        if (l.blend != SoftLayer::Replace || p.x0 >= p.x1) {
            fillBlack(band, bandStride, 0, r1 - r0, 0, W);
        } else {
            const int c0 = std::clamp(p.y0, r0, r1);
            const int c1 = std::clamp(p.y1, r0, r1);
            fillBlack(band, bandStride, 0, c0 - r0, 0, W);
            fillBlack(band, bandStride, c1 - r0, r1 - r0, 0, W);
            fillBlack(band, bandStride, c0 - r0, c1 - r0, 0, p.x0);
            fillBlack(band, bandStride, c0 - r0, c1 - r0, p.x1, W);
        }
    }
    if (!p.drawn)
        return;

    const float my = l.mirrorY ? -1.f : 1.f;
    const double cy = H / 2.0;
    const int x0 = p.x0;
    const int n = p.x1 - p.x0;
    const int from = p.from;
    const int span = p.span;
    auto texelRow = [&](int j) -> const uint32_t * {
        // Texel row j as the picture's pixels, indexed by texel - 1.
        if (j <= 0 || j >= H + 1)
            return m_black.data() + 1;
        return reinterpret_cast<const uint32_t *>(l.bgra + size_t(l.stride) * size_t(j - 1));
    };

    const int rowEnd = std::min(p.y1, r1);
    for (int py = std::max(p.y0, r0); py < rowEnd; ++py) {
        const double yo = my * ((py + 0.5 - cy) / l.scale - l.ty);
        const Tap t = tapAt((m_flipRows ? -yo : yo) + H / 2 + 0.5, H + 1);
        uint32_t *out = reinterpret_cast<uint32_t *>(bandRow(py)) + x0;
        uint32_t *line = l.blend == SoftLayer::Replace ? out : m_line.data();
        const uint32_t *sampled = line;
        const uint32_t *top = texelRow(t.first);

        if (p.onGrid && t.weight7 == 0) {
            // On the texel grid: the picture's row as it is.
            if (line == out)
                std::memcpy(out, top + (p.left[0] - 1), 4 * size_t(n));
            else
                sampled = top + (p.left[0] - 1);
        } else {
            // Vertically into the texel row, then horizontally.
            uint32_t *texels = m_texels.data();
            if (span > 0) {
                const uint32_t *a = top + (from - 1);
                const uint32_t *b = texelRow(t.second) + (from - 1);
                if (t.weight7 == 0) {
                    std::memcpy(texels + from, a, 4 * size_t(span));
                } else {
                    int done = 0;
#ifdef SORVEL_HAVE_AVX2_PATH
                    if (m_vector)
                        done = lerpRowAvx2(a, b, t.weight7, texels + from, span);
#endif
                    lerpRowPortable(a, b, t.weight7, texels + from, done, span);
                }
            }
            int done = 0;
#ifdef SORVEL_HAVE_AVX2_PATH
            if (m_vector)
                done = sampleRowAvx2(texels, p.left.data(), p.right.data(), p.window.data(), p.lanes.data(),
                                     line, n);
#endif
            sampleRowPortable(texels, p.left.data(), p.right.data(), p.weight.data(), line, done, n);
        }
        if (line == out)
            continue;
        const int alpha = l.blend == SoftLayer::ConstantAlpha ? std::clamp(l.alpha, 0, 255) : -1;
        int done = 0;
#ifdef SORVEL_HAVE_AVX2_PATH
        if (m_vector)
            done = blendRowAvx2(sampled, out, alpha, n);
#endif
        blendRowPortable(sampled, out, alpha, done, n);
    }
}
