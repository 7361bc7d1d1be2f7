#pragma once

// The drawing core's frames composed on the processor, for frames whose
// layers all lie parallel to the screen (a picture scaled about the frame's
// centre, moved, maybe mirrored: stills, kind-0 pan and zoom, dissolves and
// pattern wipes). It gives the pixels that the OpenGL path gives, to within
// a level of rounding:
//  - each picture is sampled bilinearly as the slot texture holds it, with
//    its ring of one opaque black texel, clamped at the edges;
//  - a layer covers the pixels whose centres its quad covers;
//  - the blends are those of the OpenGL path: replace (an opaque layer),
//    the layer's one alpha (a dissolve), the picture's own alpha (a wipe);
//    all four channels are blended alike, as OpenGL blends them;
//  - the frame is written in OpenGL's row order (glReadPixels: the bottom
//    row first), over opaque black.
//
// Why: with a software OpenGL (Mesa's llvmpipe, the only OpenGL of many
// servers and virtual machines) the rasteriser took about a fifth of the
// processor time of a DVD; this does the same drawing in a quarter of the
// time or less. With a hardware OpenGL the writer keeps drawing with it.
//
// On x86-64 processors with AVX2, eight pixels at a time (chosen at setup);
// every other processor runs the portable loop. Both give the same bytes.

#include <cstdint>
#include <functional>
#include <vector>

struct SoftLayer {
    enum Blend { Replace, ConstantAlpha, SourceAlpha };
    // The picture: width x height BGRA pixels, its first row is the slot
    // texture's first row (as it was uploaded).
    const uint8_t *bgra = nullptr;
    int stride = 0; // bytes per picture row
    // The quad's place: its corners (+-width/2, +-height/2), mirrored, moved
    // by (tx, ty), then scaled by `scale` about the centre.
    float tx = 0.f;
    float ty = 0.f;
    float scale = 1.f;
    bool mirrorX = false;
    bool mirrorY = false;
    Blend blend = Replace;
    int alpha = 255; // ConstantAlpha: the layer's alpha byte
};

class SoftCompositor
{
public:
    // flipRows: the picture's rows run against OpenGL's (the writer's).
    bool setup(int width, int height, bool flipRows);
    // Composes the layers, first to last, over opaque black into dst
    // (width x height BGRA pixels, rows of dstStride bytes).
    void compose(const SoftLayer *layers, int count, uint8_t *dst, int dstStride);
    // The same frame composed a band of rows at a time into `band`
    // (bandRows rows of bandStride bytes, reused): after each band,
    // done(firstRow, rows) takes it before the next one overwrites it. A
    // consumer of the rows (the encoder's colour conversion) then reads
    // them from the processor's cache instead of a whole frame from memory.
    using BandDone = std::function<void(int firstRow, int rows)>;
    void composeInBands(const SoftLayer *layers, int count, uint8_t *band, int bandStride, int bandRows,
                        const BandDone &done);
    // Several frames composed together, band by band: the first band of
    // each, then the second of each, and so on, each handed to its own
    // done. Consecutive frames of a slow pan-and-zoom read nearly the same
    // picture rows, so the rows a band reads come from memory once and
    // serve every frame from the processor's cache (each picture row read
    // from memory was the largest cost of composing a frame). Every
    // frame's pixels are those composeInBands gives it alone.
    struct Frame {
        const SoftLayer *layers = nullptr;
        int count = 0;
        uint8_t *band = nullptr; // bandRows rows of bandStride bytes
        int bandStride = 0;
        BandDone done;
    };
    void composeFramesInBands(const Frame *frames, int frameCount, int bandRows);

    // One row of a pattern wipe's picture: each pixel's colour with the
    // ramp's alpha for its mask byte (ramp[m]: 0 below lo, 255 from hi on,
    // (m - lo) x 255 / (hi - lo) rounded down in between). dst may be bgra.
    void mergeMaskRow(const uint8_t *bgra, const uint8_t *mask, uint8_t *dst, int n, const uint8_t ramp[256],
                      int lo, int hi) const;

    bool vectorised() const { return m_vector; }
    // False forces the portable loop (tests compare the two).
    void setVectorised(bool on);

private:
    // A layer's place and columns, computed once per frame.
    struct Prepared {
        int x0 = 0, x1 = 0, y0 = 0, y1 = 0; // the pixels it covers
        bool drawn = false;
        bool onGrid = false;       // every pixel exactly on a texel, in order
        int from = 0, span = 0;    // the picture's texels it reads
        std::vector<int32_t> left; // per column: its left and right texel
        std::vector<int32_t> right;
        std::vector<int16_t> weight; // per column: the right texel's weight << 7
        std::vector<int16_t> lanes;  // the weights in the vector loop's lanes
        std::vector<int32_t> window; // per eight columns: their first texel, or -1
    };
    void prepareLayer(const SoftLayer &layer, Prepared &prepared);
    // Frame rows [r0, r1) of the layer, drawn into band (frame row r0 is its
    // first row).
    void drawRows(const SoftLayer &layer, const Prepared &prepared, bool first, uint8_t *band, int bandStride,
                  int r0, int r1);
    // Rows [y0, y1) of dst with opaque black in columns [x0, x1).
    void fillBlack(uint8_t *dst, int dstStride, int y0, int y1, int x0, int x1) const;

    int m_width = 0;
    int m_height = 0;
    bool m_flipRows = false;
    bool m_vector = false;
    std::vector<uint32_t> m_black;  // a row of black texels (width + 2)
    std::vector<uint32_t> m_texels; // one row of texels, sampled vertically
    std::vector<uint32_t> m_line;   // one row of the layer, sampled
    std::vector<Prepared> m_layers; // every frame's layers, one after another
};
