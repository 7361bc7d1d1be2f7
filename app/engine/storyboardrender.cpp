#include "engine/storyboardrender.h"

#include "engine/gldrawer.h"

extern "C" {
#include <libavutil/imgutils.h>
#include <libavutil/mem.h>
#include <libswscale/swscale.h>
}

#include <QImage>
#include <QImageReader>

#include "album/heifimage.h"
#include "album/probe.h"
#include <QLoggingCategory>
#include <QTransform>

#include <atomic>
#include <climits>
#include <cstring>

Q_LOGGING_CATEGORY(lcStory, "sorvel.storyboard")

StoryBoardRender::StoryBoardRender(QObject *parent) : QThread(parent) {}

StoryBoardRender::~StoryBoardRender()
{
    if (isRunning()) {
        stopPrefetch();
        wait();
    }
    clearCaches();
}

void StoryBoardRender::freeRing()
{
    m_ring = AudioRing();
    m_ringMemory.reset();
}

void StoryBoardRender::clearCaches()
{
    m_prefetchEnded.load(std::memory_order_acquire);
    m_pictureIndex.clear();
    m_photoCache.clear();
    m_patternCache.clear();
    dropDecodesAhead();
    for (PhotoMemo &m : m_photoMemo)
        m = PhotoMemo();
    freeRing();
}

bool StoryBoardRender::setFormat(const OutputFormat &format)
{
    clearCaches();
    m_format = format;
    m_bytesPerFrame = int32_t(int64_t(format.audioBitsPerSample) * format.frameRateDen *
                              format.audioSampleRate * format.audioChannels / format.frameRateNum / 8);
    m_ringMemory.reset(static_cast<uint8_t *>(av_mallocz(size_t(m_bytesPerFrame + 750) * 256)));
    m_ring.data = m_ringMemory.get();
    m_ring.capacity = m_bytesPerFrame * 256;
    m_ring.filled = m_ring.read = 0;
    rebuildTimeline();
    m_soundtrack.setup(m_album, m_format, sampleAt(m_timeline.totalFrames()));
    return m_ring.data != nullptr;
}

void StoryBoardRender::rebuildTimeline()
{
    m_timeline = m_album ? Timeline::of(*m_album, m_format)
                         : Timeline(0, 0, 0, m_format.frameRateNum, m_format.frameRateDen);
}

StoryBoardRender::FramePlan StoryBoardRender::plan(int f) const
{
    FramePlan p;
    const Timeline::Position at = m_timeline.at(f);
    // A timeline older than the album's photos (rebuilt on the next
    // change) shows nothing rather than a photo that is gone.
    if (!m_album || at.photo < 0 || at.photo >= m_album->photos.size() ||
        (at.inTransition && at.photo + 1 >= m_album->photos.size()))
        return p;
    const Album &album = *m_album;
    const int g = at.photo;
    const bool dynamic = album.settings.useDynamicEffect;
    p.photo = g;
    p.motion = interpolateMotion(album.photos[g], m_timeline.appearance(g, f), dynamic);
    if (at.inTransition) {
        p.incoming = g + 1;
        p.progress = at.progress;
        p.pattern =
            album.settings.dissolveOnly || album.patternFiles.isEmpty() ? -1 : g % album.patternFiles.size();
        p.incomingMotion = interpolateMotion(album.photos[g + 1], m_timeline.appearance(g + 1, f), dynamic);
    }
    return p;
}

bool StoryBoardRender::sameFrame(int a, int b) const
{
    const FramePlan x = plan(a);
    const FramePlan y = plan(b);
    if (x.photo != y.photo || x.incoming != y.incoming || !(x.motion == y.motion))
        return false;
    if (x.incoming < 0)
        return true;
    // A dissolve draws the incoming photo with an alpha byte; a wipe's ramp
    // follows the progress itself.
    const bool sameProgress =
        x.pattern < 0 ? int(x.progress * 255.0) == int(y.progress * 255.0) : x.progress == y.progress;
    return x.pattern == y.pattern && sameProgress && x.incomingMotion == y.incomingMotion;
}

bool StoryBoardRender::renderFrame(int f, bool seekAudioFlag, GLDrawer *drawer)
{
    if (seekAudioFlag)
        seekAudio(f);
    drawer->beginFrame();
    const FramePlan p = plan(f);
    if (p.photo >= 0) {
        const ImageInfo &photo = m_album->photos[p.photo];
        const Picture *pic = photoPicture(photo);
        drawer->uploadPicture(0, pic->data[0], pic->linesize[0], pic->serial, true);
        if (p.incoming >= 0) {
            const ImageInfo &nextPhoto = m_album->photos[p.incoming];
            const Picture *next = photoPicture(nextPhoto);
            if (p.pattern < 0) {
                drawer->uploadDissolve(1, p.progress, next->data[0], next->linesize[0], next->serial);
            } else {
                const Picture *mask = patternPicture(m_album->patternFiles[p.pattern]);
                drawer->uploadMasked(1, 1.0 - p.progress, 0.1, mask->data[0], next->data[0],
                                     mask->linesize[0], next->linesize[0]);
            }
        }
        drawer->drawLayer(0, photo.orientationCode, &p.motion);
        if (p.incoming >= 0)
            drawer->drawLayer(1, m_album->photos[p.incoming].orientationCode, &p.incomingMotion);
    }
    const bool result = drawer->endFrame();
    // The photo after the visible ones decodes while these frames render.
    const int n = m_album ? int(m_album->photos.size()) : 0;
    const int shown = m_timeline.at(f).photo;
    if (shown >= 0 && shown + 1 < n)
        decodeAhead(m_album->photos[shown + 1]);
    return result;
}

std::unique_ptr<Picture> StoryBoardRender::takeSlot(Cache &cache, AVPixelFormat format)
{
    if (int(cache.size()) >= kCacheSize) {
        auto victim = cache.begin();
        for (auto it = cache.begin(); it != cache.end(); ++it) {
            if (it->second->age < victim->second->age)
                victim = it;
        }
        std::unique_ptr<Picture> pic = std::move(victim->second);
        pic->age = 0xFFFFFFFFu;
        m_pictureIndex.erase(victim->first);
        cache.erase(victim);
        return pic;
    }
    auto pic = std::make_unique<Picture>();
    uint8_t *data[4] = {};
    if (av_image_alloc(data, pic->linesize, m_format.width, m_format.height, format, 32) < 0)
        return nullptr;
    pic->pixels.reset(data[0]);
    std::copy(std::begin(data), std::end(data), pic->data);
    std::memset(pic->data[0], 0, size_t(pic->linesize[0]) * m_format.height);
    return pic;
}

Picture *StoryBoardRender::store(Cache &cache, const QString &key, std::unique_ptr<Picture> picture)
{
    Picture *filled = picture.get();
    m_pictureIndex[key] = filled;
    cache[key] = std::move(picture);
    for (auto &entry : cache) {
        if (entry.second.get() == filled)
            entry.second->age |= 0x80000000u;
        else
            entry.second->age >>= 1;
    }
    return filled;
}

void StoryBoardRender::rememberPhoto(const QString &path, bool turned, Picture *picture)
{
    m_photoMemo[1] = m_photoMemo[0];
    m_photoMemo[0] = PhotoMemo{path, turned, picture};
}

QImage StoryBoardRender::decodePhoto(const QString &path, bool turned, int W, int H)
{
    if (Heif::isHeifFile(path)) {
        // Decoded whole (libheif does not scale while decoding), scaled to
        // twice the frame, then treated as any other photo.
        QString error;
        const QSize box = turned ? QSize(2 * H, 2 * W) : QSize(2 * W, 2 * H);
        QImage image = Heif::decode(path, &error, qint64(kImageAllocationLimitMb) * 1024 * 1024 / 4, box);
        if (image.isNull()) {
            qCWarning(lcStory).noquote() << "cannot decode" << path << error;
            return QImage();
        }
        if (turned)
            image = image.transformed(QTransform().rotate(90), Qt::FastTransformation);
        image = image.scaled(W, H, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        return image.convertToFormat(QImage::Format_RGB32).mirrored(false, true);
    }
    QImageReader reader(path);
    reader.setAutoTransform(false);
    const QSize source = reader.size();
    QImage image;
    if (source.isValid()) {
        // Decode at a reduced size where the format can (JPEG's DCT
        // scaling), never below twice the size the photo ends at, then
        // scale smoothly.
        const QSize shown = turned ? source.transposed() : source;
        const QSize fit = shown.scaled(W, H, Qt::KeepAspectRatio);
        const QSize fitSource = turned ? fit.transposed() : fit;
        if (source.width() >= 4 * fitSource.width() && source.height() >= 4 * fitSource.height()) {
            QSize decoded = fitSource * 2;
            // JPEG's inverse DCT scales by k/8: asked for exactly such a
            // size (the smallest of at least twice the fit), the decoder
            // does not scale its picture a second time before ours. A 12-
            // Mpixel photo decodes 20 % faster, and a little closer to a
            // full decode (47.1 against 46.9 dB).
            if (reader.format() == "jpeg") {
                for (int k = 1; k <= 8; ++k) {
                    const QSize dct((source.width() * k + 7) / 8, (source.height() * k + 7) / 8);
                    if (dct.width() >= decoded.width() && dct.height() >= decoded.height()) {
                        decoded = dct;
                        break;
                    }
                }
            }
            reader.setScaledSize(decoded);
        }
    }
    if (!reader.read(&image) || image.isNull()) {
        qCWarning(lcStory).noquote() << "cannot decode" << path << reader.errorString();
        return QImage();
    }
    if (turned)
        image = image.transformed(QTransform().rotate(90), Qt::FastTransformation);
    image = image.scaled(W, H, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image.convertToFormat(QImage::Format_RGB32).mirrored(false, true);
}

void StoryBoardRender::decodeAhead(const ImageInfo &info)
{
    const bool turned = info.orientationCode > 3;
    if (turned == m_aheadTurned && info.path == m_aheadPath)
        return; // asked already (no key built per frame)
    m_aheadPath = info.path;
    m_aheadTurned = turned;
    const QString key = info.path + QLatin1Char(turned ? '1' : '0');
    if (m_pictureIndex.count(key) || m_ahead.count(key) || m_ahead.size() >= 2)
        return;
    m_ahead.emplace(key, std::async(std::launch::async, &StoryBoardRender::decodePhoto, info.path, turned,
                                    m_format.width, m_format.height));
}

void StoryBoardRender::decodeFirstPhotosAhead()
{
    if (!m_album || m_timeline.totalFrames() <= 0)
        return;
    const int first = plan(0).photo;
    for (int i = first; i >= 0 && i < first + 2 && i < int(m_album->photos.size()); ++i)
        decodeAhead(m_album->photos[i]);
}

void StoryBoardRender::dropDecodesAhead()
{
    for (auto &entry : m_ahead) {
        if (entry.second.valid())
            entry.second.wait();
    }
    m_ahead.clear();
    m_aheadPath.clear();
}

const Picture *StoryBoardRender::photoPicture(const ImageInfo &info)
{
    // The two latest lookups are remembered, so a frame finds its photos
    // without building a key (no allocation per frame).
    const bool turnedKey = info.orientationCode > 3;
    for (const PhotoMemo &m : m_photoMemo) {
        if (m.picture && m.turned == turnedKey && m.path == info.path)
            return m.picture;
    }
    const QString key = info.path + QLatin1Char(turnedKey ? '1' : '0');
    if (auto it = m_pictureIndex.find(key); it != m_pictureIndex.end()) {
        rememberPhoto(info.path, turnedKey, it->second);
        return it->second;
    }
    // A miss may evict a remembered picture.
    for (PhotoMemo &m : m_photoMemo)
        m = PhotoMemo();
    std::unique_ptr<Picture> pic = takeSlot(m_photoCache, AV_PIX_FMT_BGRA);
    if (!pic) {
        static const Picture empty;
        return &empty;
    }
    const int W = m_format.width;
    const int H = m_format.height;
    uint8_t *base = pic->data[0];
    const int stride = pic->linesize[0];
    for (int y = 0; y < H; ++y)
        std::memset(base + size_t(stride) * y, 0, size_t(W) * 4);

    ++m_photoDecodes;
    QImage image;
    if (auto it = m_ahead.find(key); it != m_ahead.end()) {
        image = it->second.get();
        m_ahead.erase(it);
    } else {
        image = decodePhoto(info.path, turnedKey, W, H);
    }
    if (!image.isNull()) {
        const int rowOffset = (H - image.height()) / 2;
        const int colOffset = (W - image.width()) / 2;
        for (int y = 0; y < image.height() && y + rowOffset < H; ++y) {
            std::memcpy(base + size_t(stride) * (y + rowOffset) + size_t(colOffset) * 4,
                        image.constScanLine(y), size_t(std::min(image.width(), W - colOffset)) * 4);
        }
    }
    // Every alpha byte is 255, the border's too (an undecodable photo shows
    // black).
    for (int y = 0; y < H; ++y) {
        uint8_t *row = base + size_t(stride) * y;
        for (int x = 0; x < W; ++x)
            row[4 * x + 3] = 255;
    }
    static std::atomic<uint64_t> nextSerial{1};
    pic->serial = nextSerial++;
    Picture *stored = store(m_photoCache, key, std::move(pic));
    rememberPhoto(info.path, turnedKey, stored);
    return stored;
}

const Picture *StoryBoardRender::patternPicture(const QString &path)
{
    if (auto it = m_pictureIndex.find(path); it != m_pictureIndex.end())
        return it->second;
    std::unique_ptr<Picture> pic = takeSlot(m_patternCache, AV_PIX_FMT_GRAY8);
    if (!pic) {
        static const Picture empty;
        return &empty;
    }
    const int W = m_format.width;
    const int H = m_format.height;
    QImage image(path);
    if (image.isNull()) {
        qCWarning(lcStory).noquote() << "cannot decode pattern" << path;
        for (int y = 0; y < H; ++y)
            std::memset(pic->data[0] + size_t(pic->linesize[0]) * y, 0, size_t(W));
    } else {
        image = image.convertToFormat(QImage::Format_RGB888);
        const av::Sws sws(sws_getContext(image.width(), image.height(), AV_PIX_FMT_RGB24, W, H,
                                         AV_PIX_FMT_GRAY8, SWS_BICUBIC, nullptr, nullptr, nullptr));
        if (sws) {
            const uint8_t *src[4] = {image.constBits(), nullptr, nullptr, nullptr};
            const int srcStride[4] = {int(image.bytesPerLine()), 0, 0, 0};
            sws_scale(sws.get(), src, srcStride, 0, image.height(), pic->data, pic->linesize);
        }
    }
    return store(m_patternCache, path, std::move(pic));
}

int64_t StoryBoardRender::sampleAt(int64_t frame) const
{
    return frame * m_format.audioSampleRate * m_format.frameRateDen / m_format.frameRateNum;
}

void StoryBoardRender::seekAudio(int f)
{
    // Planned again on every seek: the album may have changed since.
    m_soundtrack.setup(m_album, m_format, sampleAt(m_timeline.totalFrames()));
    m_soundtrack.seek(sampleAt(std::max(0, f)));
}

void StoryBoardRender::startPrefetch()
{
    m_ring.filled = m_ring.read = 0;
    m_prefetchEnded.store(false, std::memory_order_relaxed);
    // Stops asked for while no thread ran are dropped here, before the
    // thread starts: dropped in the thread, they would also swallow a stop
    // that comes before the thread is scheduled (play, then pause at once),
    // and wait() would never return.
    if (!isRunning())
        m_stopSignal.acquire(m_stopSignal.available());
    start(QThread::InheritPriority);
}

void StoryBoardRender::stopPrefetch()
{
    m_stopSignal.release(1);
}

void StoryBoardRender::run()
{
    while (!m_stopSignal.tryAcquire(1))
        prefetchStep();
    m_prefetchEnded.store(true, std::memory_order_release);
}

void StoryBoardRender::prefetchStep()
{
    if (!m_ringLock.tryLock()) {
        QThread::usleep(1000);
        return;
    }
    if (!m_ring.data || m_ring.filled >= m_ring.capacity) {
        m_ringLock.unlock();
        // The consumer frees space at most once per video frame: a short
        // nap keeps the poll from taking a core away from rendering.
        QThread::usleep(2000);
        return;
    }
    // A few frames' worth at a time keeps the lock short.
    const int frameBytes = m_format.audioChannels * 2;
    const int32_t start = m_ring.filled - m_ring.filled % frameBytes;
    const int count = std::min<int32_t>((m_ring.capacity - start) / frameBytes, 8192);
    if (count > 0)
        m_soundtrack.read(reinterpret_cast<int16_t *>(m_ring.data + start), count);
    m_ring.filled = start + count * frameBytes;
    if (count <= 0)
        m_ring.filled = m_ring.capacity;
    m_ringLock.unlock();
}
