#pragma once

// BGRA (any size) to planar YUV 4:2:0 (limited range, with BT.601's matrix
// as libswscale's default for standard definition, or BT.709's for HD) with
// bilinear vertical scaling and no horizontal scaling, in one pass over the
// picture. Rows are mapped centre to centre.
// The writer's frames are composed at the stored height (720 x 576 or 480),
// so for them the rows map one to one and nothing is resampled.
//
// On x86-64 processors with AVX2 the pass runs sixteen pixels at a time
// (chosen when the converter is set up); every other processor runs the
// portable loop. Both give the very same bytes.

#include <cstdint>
#include <vector>

class BgraToYuv420
{
public:
    enum class Matrix { Bt601, Bt709 };

    // Prepares the row mapping; false when the sizes are not supported (the
    // widths differ, or a size is odd or not positive).
    bool setup(int width, int srcHeight, int dstHeight, Matrix matrix = Matrix::Bt601);
    void convert(const uint8_t *bgra, int srcStride, uint8_t *const dst[3], const int dstStride[3]) const;
    // Whether each output row is its source row (the heights are equal):
    // then a frame can be converted in bands of rows as they are made.
    bool rowsOneToOne() const { return m_width > 0 && m_srcHeight == m_dstHeight; }
    // Output rows [y0, y1) (both even) from their source rows, `rows` being
    // source row y0; only when rowsOneToOne(), else nothing is written.
    void convertRows(const uint8_t *rows, int srcStride, int y0, int y1, uint8_t *const dst[3],
                     const int dstStride[3]) const;

    // Whether convert() takes the AVX2 path; false forces the portable loop
    // (tests compare the two).
    bool vectorised() const { return m_vector; }
    void setVectorised(bool on);

private:
    // One output row pair from its four source rows (top: a0/b0 with b0's
    // weight w0 of 256, bottom: a1/b1 with w1), pixels [from, m_width).
    struct RowPair {
        const uint8_t *a0, *b0, *a1, *b1;
        int w0, w1;
        uint8_t *y0, *y1, *u, *v;
    };
    void convertRange(const uint8_t *rows, int srcStride, int firstRow, int y0, int y1, uint8_t *const dst[3],
                      const int dstStride[3]) const;
    void convertPortable(const RowPair &r, int from) const;
    int convertAvx2(const RowPair &r) const; // returns the pixels done

    // The matrix in steps of 1/256 (luma) and 1/1024 over a 2 x 2 block's
    // sums (chroma); each chroma row sums to 0, so grey stays neutral.
    struct Coefficients {
        int yr, yg, yb, ur, ug, ub, vr, vg, vb;
    };
    Coefficients m_c = {66, 129, 25, -38, -74, 112, 112, -94, -18};
    int m_width = 0;
    int m_srcHeight = 0;
    int m_dstHeight = 0;
    bool m_vector = false;
    std::vector<int> m_row0, m_row1, m_weight; // per output row: rows and weight of row1 (0..256)
};
