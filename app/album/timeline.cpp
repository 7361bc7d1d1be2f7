#include "album/timeline.h"

#include "album/album.h"

#include <algorithm>

namespace {
// floor(a / b) for b > 0 and any a.
int64_t floorDiv(int64_t a, int64_t b)
{
    const int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}
} // namespace

Timeline::Timeline(int photoCount, int photoMs, int transitionMs, int rateNum, int rateDen)
    : m_photos(std::max(0, photoCount)), m_photoMs(std::max(0, photoMs)),
      m_transitionMs(std::max(0, transitionMs)), m_num(rateNum > 0 ? rateNum : 25),
      m_den(rateDen > 0 ? rateDen : 1)
{
    finish();
}

Timeline::Timeline(const std::vector<int> &itemMs, int transitionMs, int rateNum, int rateDen)
    : m_photos(int(itemMs.size())), m_photoMs(itemMs.empty() ? 0 : std::max(0, itemMs.front())),
      m_transitionMs(std::max(0, transitionMs)), m_num(rateNum > 0 ? rateNum : 25),
      m_den(rateDen > 0 ? rateDen : 1)
{
    const bool uniform =
        std::all_of(itemMs.begin(), itemMs.end(), [&](int ms) { return std::max(0, ms) == m_photoMs; });
    if (!uniform) {
        m_startMs.reserve(itemMs.size() + 1);
        int64_t t = 0;
        for (int ms : itemMs) {
            m_startMs.push_back(t);
            t += std::max(0, ms) + m_transitionMs;
        }
        m_startMs.push_back(t);
    }
    finish();
}

void Timeline::finish()
{
    m_total = m_photos > 0 ? frameAt(boundaryMs(m_photos - 1) + itemMs(m_photos - 1)) : 0;
}

int Timeline::itemMs(int k) const
{
    if (k < 0 || k >= m_photos)
        return 0;
    if (m_startMs.empty())
        return int(m_photoMs);
    return int(m_startMs[size_t(k) + 1] - m_startMs[size_t(k)] - m_transitionMs);
}

Timeline Timeline::of(const Album &album, const OutputFormat &format)
{
    std::vector<int> items(size_t(album.photos.size()));
    for (int k = 0; k < int(items.size()); ++k)
        items[size_t(k)] = album.itemDurationMs(k);
    const int transitionMs = album.settings.useTransition ? album.settings.transitionDurationMs : 0;
    if (items.empty())
        return Timeline(0, album.settings.photoDurationMs, transitionMs, format.frameRateNum,
                        format.frameRateDen);
    return Timeline(items, transitionMs, format.frameRateNum, format.frameRateDen);
}

int64_t Timeline::frameAt(int64_t ms) const
{
    // round(ms * num / (1000 * den)), halves up, in integers: exact for any
    // show length (a 999-second photo times 10000 photos times 30000 still
    // fits 64 bits many times over).
    return floorDiv(2 * ms * m_num + 1000 * m_den, 2000 * m_den);
}

double Timeline::frameSeconds(int64_t frame) const
{
    return double(frame) * double(m_den) / double(m_num);
}

int Timeline::msOf(int64_t frames) const
{
    return int(floorDiv(2 * frames * 1000 * m_den + m_num, 2 * m_num));
}

int64_t Timeline::photoStart(int k) const
{
    if (k <= 0)
        return 0;
    if (k >= m_photos)
        return m_total;
    return frameAt(boundaryMs(k));
}

int64_t Timeline::transitionStart(int k) const
{
    if (k < 0)
        return 0;
    if (k >= m_photos - 1)
        return m_total;
    return frameAt(boundaryMs(k) + itemMs(k));
}

Timeline::Position Timeline::at(int64_t frame) const
{
    Position p;
    if (m_photos <= 0 || frame < 0 || frame >= m_total)
        return p;
    int k = 0;
    if (m_startMs.empty()) {
        const int64_t cycleMs = m_photoMs + m_transitionMs;
        // A first guess from the cycle, then the exact boundaries.
        k = cycleMs > 0 ? int(std::min<int64_t>(frame * 1000 * m_den / (m_num * cycleMs), m_photos - 1)) : 0;
    } else {
        // The last item that starts at or before the frame (the starts
        // grow with k), then the exact boundaries.
        int lo = 0, hi = m_photos - 1;
        while (lo < hi) {
            const int mid = (lo + hi + 1) / 2;
            if (photoStart(mid) <= frame)
                lo = mid;
            else
                hi = mid - 1;
        }
        k = lo;
    }
    while (k + 1 < m_photos && photoStart(k + 1) <= frame)
        ++k;
    while (k > 0 && photoStart(k) > frame)
        --k;
    p.photo = k;
    const int64_t from = transitionStart(k);
    if (k + 1 < m_photos && frame >= from) {
        p.inTransition = true;
        p.progress = double(frame - from) / double(photoStart(k + 1) - from);
    }
    return p;
}

double Timeline::appearance(int k, int64_t frame) const
{
    const double length = double(itemMs(k) + 2 * m_transitionMs);
    if (length <= 0 || k < 0 || k >= m_photos)
        return 0.0;
    const double middleMs = (double(frame) + 0.5) * 1000.0 * double(m_den) / double(m_num);
    const double startMs = double(boundaryMs(k) - m_transitionMs);
    return (middleMs - startMs) / length;
}

int Timeline::snapDurationMs(int requestedMs, int currentMs) const
{
    int64_t k = std::max<int64_t>(0, int64_t(requestedMs) * m_num / (1000 * m_den));
    if (requestedMs < currentMs) {
        // The longest whole-frame duration not above the request.
        while (msOf(k + 1) <= requestedMs)
            ++k;
        while (k > 0 && msOf(k) > requestedMs)
            --k;
    } else {
        // The shortest whole-frame duration above it.
        while (msOf(k) <= requestedMs)
            ++k;
        while (k > 0 && msOf(k - 1) > requestedMs)
            --k;
    }
    return msOf(k);
}

bool Timeline::operator==(const Timeline &o) const
{
    return m_photos == o.m_photos && m_photoMs == o.m_photoMs && m_transitionMs == o.m_transitionMs &&
           m_startMs == o.m_startMs && m_num * o.m_den == o.m_num * m_den;
}
