#pragma once

// BGRA (any size) to planar YUV 4:2:0 (BT.601, limited range, as
// libswscale's default) with bilinear vertical scaling and no horizontal
// scaling: the writer's 720 x 540 -> 720 x 576 / 720 x 480 conversion in one
// pass over the picture. Rows are mapped centre to centre.

#include <cstdint>
#include <vector>

class BgraToYuv420
{
public:
    // Prepares the row mapping; false when the sizes are not supported (the
    // widths differ, or a size is odd or not positive).
    bool setup(int width, int srcHeight, int dstHeight);
    void convert(const uint8_t *bgra, int srcStride, uint8_t *const dst[3], const int dstStride[3]) const;

private:
    void blendRow(const uint8_t *bgra, int srcStride, int row, uint8_t *out) const;
    int m_width = 0;
    int m_srcHeight = 0;
    int m_dstHeight = 0;
    std::vector<int> m_row0, m_row1, m_weight; // per output row: rows and weight of row1 (0..256)
    mutable std::vector<uint8_t> m_rows;       // two blended rows, BGRA
};
