#include "engine/storyboardrender.h"

#include "engine/captionpainter.h"
#include "engine/gldrawer.h"
#include "engine/photoframing.h"

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
#include <mutex>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <cmath>
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
    m_captionCache.clear();
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
        const int step = std::clamp(int(at.progress * 255.0), 0, 255);
        p.captionAlpha = 255 - step;
        p.incomingCaptionAlpha = step;
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
    return x.pattern == y.pattern && sameProgress && x.incomingMotion == y.incomingMotion &&
           x.captionAlpha == y.captionAlpha;
}

namespace {

// Whether a caption is drawn over the item (a title card carries its text
// in its own picture).
bool showsCaption(const ImageInfo &info)
{
    return !info.isTitleCard() && !info.caption.isEmpty();
}

} // namespace

bool StoryBoardRender::keepsPictures(int a, int b) const
{
    const FramePlan x = plan(a);
    const FramePlan y = plan(b);
    if (x.photo < 0 || x.photo != y.photo || x.incoming != y.incoming)
        return false;
    const bool caption = showsCaption(m_album->photos[x.photo]);
    const bool incomingCaption = x.incoming >= 0 && showsCaption(m_album->photos[x.incoming]);
    auto framesOwn = [&](const FramePlan &p) {
        const auto fading = [](int alpha) { return alpha > 0 && alpha < 255; };
        return (p.incoming >= 0 && p.pattern >= 0) || (caption && fading(p.captionAlpha)) ||
               (incomingCaption && fading(p.incomingCaptionAlpha));
    };
    return !framesOwn(x) && !framesOwn(y);
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
        // A title card is drawn as it is (turning it is no edit of it).
        auto orientation = [](const ImageInfo &item) {
            return item.isTitleCard() ? 0 : item.orientationCode;
        };
        drawer->drawLayer(0, orientation(photo), &p.motion);
        if (p.incoming >= 0)
            drawer->drawLayer(1, orientation(m_album->photos[p.incoming]), &p.incomingMotion);
        // The captions stand still over the photos (no pan-and-zoom) and
        // fade with them.
        const Picture *caption = captionPicture(photo);
        if (caption && p.captionAlpha > 0) {
            uploadCaption(drawer, kCaptionSlot, caption, p.captionAlpha);
            drawer->drawLayer(kCaptionSlot, 0, nullptr);
        }
        const Picture *incomingCaption =
            p.incoming >= 0 ? captionPicture(m_album->photos[p.incoming]) : nullptr;
        if (incomingCaption && p.incomingCaptionAlpha > 0) {
            uploadCaption(drawer, kIncomingCaptionSlot, incomingCaption, p.incomingCaptionAlpha);
            drawer->drawLayer(kIncomingCaptionSlot, 0, nullptr);
        }
    }
    const bool result = drawer->endFrame();
    // The photo after the visible ones decodes while these frames render.
    const int n = m_album ? int(m_album->photos.size()) : 0;
    const int shown = m_timeline.at(f).photo;
    if (shown >= 0 && shown + 1 < n)
        decodeAhead(m_album->photos[shown + 1]);
    return result;
}

int StoryBoardRender::cacheCapacity(AVPixelFormat format) const
{
    // At most kCacheSize pictures, and about 56 MiB of them: a DVD keeps
    // 32 photos (1.6 MB each). Frames larger than a DVD's (video files,
    // made front to back, where a photo is not asked for again once it is
    // gone) keep 4: the two photos of a transition, the one decoded ahead
    // and one more, so that their caches do not take the memory of the run.
    const int64_t pixels = int64_t(m_format.width) * m_format.height;
    if (pixels > kLargeFramePixels)
        return 4;
    const int64_t bytes = pixels * (format == AV_PIX_FMT_GRAY8 ? 1 : 4);
    const int64_t budget = int64_t(56) << 20;
    return int(std::clamp<int64_t>(bytes > 0 ? budget / bytes : kCacheSize, 4, kCacheSize));
}

std::unique_ptr<Picture> StoryBoardRender::takeSlot(Cache &cache, AVPixelFormat format)
{
    if (int(cache.size()) >= cacheCapacity(format)) {
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

void StoryBoardRender::rememberPhoto(const QString &path, bool turned, PhotoFraming framing, Picture *picture)
{
    m_photoMemo[1] = m_photoMemo[0];
    m_photoMemo[0] = PhotoMemo{path, turned, framing, picture};
}

QImage StoryBoardRender::decodePhoto(const QString &path, bool turned, const OutputFormat &format,
                                     PhotoFraming framing)
{
    if (Heif::isHeifFile(path)) {
        // Decoded whole (libheif does not scale while decoding), scaled to
        // fit twice the frame's displayed size (four times that when the
        // photo fills the frame and may be cut), then laid into the frame
        // as any other photo.
        QString error;
        const int reach = framing == PhotoFraming::Fill ? 4 : 2;
        const QSize frame(int(std::ceil(format.displayWidth())) * reach, format.height * reach);
        const QSize box = turned ? frame.transposed() : frame;
        QImage image = Heif::decode(path, &error, qint64(kImageAllocationLimitMb) * 1024 * 1024 / 4, box);
        if (image.isNull()) {
            qCWarning(lcStory).noquote() << "cannot decode" << path << error;
            return QImage();
        }
        if (turned)
            image = image.transformed(QTransform().rotate(90), Qt::FastTransformation);
        return Framing::compose(image, format, framing);
    }
    QImageReader reader(path);
    reader.setAutoTransform(false);
    const QSize source = reader.size();
    QImage image;
    if (source.isValid()) {
        // Decode at a reduced size where the format can (JPEG's DCT
        // scaling), never below twice the size the photo is drawn at, then
        // scale it once into the frame.
        const QSize shown = turned ? source.transposed() : source;
        const QSize drawn = Framing::drawnSize(shown, format, framing);
        const QSize drawnSource = turned ? drawn.transposed() : drawn;
        const QSize twice = drawnSource * 2;
        if (reader.format() == "jpeg") {
            // JPEG's inverse DCT scales by k/8: asked for exactly such a
            // size (the smallest of at least twice the drawn size), the
            // decoder does not scale its picture a second time before ours.
            // A 12-Mpixel photo decodes 20 % faster, and a little closer to
            // a full decode (47.1 against 46.9 dB). For an HD frame that is
            // 6/8 of the photo instead of all of it: a 4000 x 3000 photo
            // holds 27 MB while it decodes instead of 48 MB.
            for (int k = 1; k < 8; ++k) {
                const QSize dct((source.width() * k + 7) / 8, (source.height() * k + 7) / 8);
                if (dct.width() >= twice.width() && dct.height() >= twice.height()) {
                    reader.setScaledSize(dct);
                    break;
                }
            }
        } else if (source.width() >= 4 * drawnSource.width() && source.height() >= 4 * drawnSource.height()) {
            reader.setScaledSize(twice);
        }
    }
    if (!reader.read(&image) || image.isNull()) {
        qCWarning(lcStory).noquote() << "cannot decode" << path << reader.errorString();
        return QImage();
    }
    if (turned)
        image = image.transformed(QTransform().rotate(90), Qt::FastTransformation);
    return Framing::compose(image, format, framing);
}

QImage StoryBoardRender::decodePhotoAhead(const QString &path, bool turned, const OutputFormat &format,
                                          PhotoFraming framing)
{
    QImage image = decodePhoto(path, turned, format, framing);
#ifdef __GLIBC__
    // A decode's large buffers (a 12-Mpixel photo holds tens of MB on its
    // way into the frame) come from this short-lived thread's own malloc
    // arena, which keeps them after they are freed; handing the free pages
    // back keeps a long file's memory at what its frames need.
    malloc_trim(0);
#endif
    return image;
}

QString StoryBoardRender::photoKey(const QString &path, bool turned, PhotoFraming framing)
{
    // The picture depends on the file, the quarter turn and the framing
    // (the format is the same for every entry: setFormat empties the cache).
    return path + QLatin1Char(turned ? '1' : '0') + QLatin1Char(char('a' + int(framing)));
}

void StoryBoardRender::decodeAhead(const ImageInfo &info)
{
    if (info.isTitleCard())
        return; // drawn when shown, from no file
    const bool turned = info.orientationCode > 3;
    const PhotoFraming framing = m_album ? m_album->settings.framing : PhotoFraming::Fit;
    if (turned == m_aheadTurned && framing == m_aheadFraming && info.path == m_aheadPath)
        return; // asked already (no key built per frame)
    // Pictures decoded ahead in another framing will not be asked for.
    if (framing != m_aheadFraming)
        dropDecodesAhead();
    m_aheadPath = info.path;
    m_aheadTurned = turned;
    m_aheadFraming = framing;
    const QString key = photoKey(info.path, turned, framing);
    // Two decodes at once for DVD-sized frames; one for larger frames,
    // whose decodes each hold a photo of several times the frame's size.
    const size_t decodes = int64_t(m_format.width) * m_format.height > kLargeFramePixels ? 1 : 2;
    if (m_pictureIndex.count(key) || m_ahead.count(key))
        return;
    if (std::future<QImage> early = takeEarlyDecode(key); early.valid()) {
        m_ahead.emplace(key, std::move(early));
        return;
    }
    if (m_ahead.size() >= decodes)
        return;
    m_ahead.emplace(key, std::async(std::launch::async, &StoryBoardRender::decodePhotoAhead, info.path,
                                    turned, m_format, framing));
}

namespace {

// The decode decodeEarly started, until a storyboard takes or drops it.
struct EarlyDecode {
    std::mutex mutex;
    QString key;
    OutputFormat format;
    std::future<QImage> image;
};

EarlyDecode &earlyDecode()
{
    static EarlyDecode early;
    return early;
}

} // namespace

void StoryBoardRender::decodeEarly(const ImageInfo &info, const OutputFormat &format, PhotoFraming framing)
{
    if (info.isTitleCard() || info.missing)
        return;
    const bool turned = info.orientationCode > 3;
    EarlyDecode &early = earlyDecode();
    std::lock_guard<std::mutex> lock(early.mutex);
    if (early.image.valid())
        return;
    early.key = photoKey(info.path, turned, framing);
    early.format = format;
    early.image = std::async(std::launch::async, &StoryBoardRender::decodePhotoAhead, info.path, turned,
                             format, framing);
}

std::future<QImage> StoryBoardRender::takeEarlyDecode(const QString &key) const
{
    EarlyDecode &early = earlyDecode();
    std::future<QImage> taken;
    {
        std::lock_guard<std::mutex> lock(early.mutex);
        if (!early.image.valid())
            return taken;
        taken = std::move(early.image);
        if (early.key == key && early.format == m_format)
            return taken;
    }
    // Another photo or format: waited for here (outside the lock) and
    // dropped.
    taken = std::future<QImage>();
    return taken;
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
    if (info.isTitleCard())
        return cardPicture(info);
    // The two latest lookups are remembered, so a frame finds its photos
    // without building a key (no allocation per frame).
    const bool turnedKey = info.orientationCode > 3;
    const PhotoFraming framing = m_album ? m_album->settings.framing : PhotoFraming::Fit;
    for (const PhotoMemo &m : m_photoMemo) {
        if (m.picture && m.turned == turnedKey && m.framing == framing && m.path == info.path)
            return m.picture;
    }
    const QString key = photoKey(info.path, turnedKey, framing);
    if (auto it = m_pictureIndex.find(key); it != m_pictureIndex.end()) {
        rememberPhoto(info.path, turnedKey, framing, it->second);
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

    ++m_photoDecodes;
    QImage image;
    if (auto it = m_ahead.find(key); it != m_ahead.end()) {
        image = it->second.get();
        m_ahead.erase(it);
    } else if (std::future<QImage> early = takeEarlyDecode(key); early.valid()) {
        image = early.get();
    } else {
        image = decodePhoto(info.path, turnedKey, m_format, framing);
    }
    if (image.width() == W && image.height() == H) {
        // The picture's rows run bottom-up, as OpenGL's do; its pixels are
        // opaque (RGB32 keeps every alpha byte at 255).
        for (int y = 0; y < H; ++y)
            std::memcpy(base + size_t(stride) * (H - 1 - y), image.constScanLine(y), size_t(W) * 4);
    } else {
        // An undecodable photo shows opaque black.
        for (int y = 0; y < H; ++y) {
            uint32_t *row = reinterpret_cast<uint32_t *>(base + size_t(stride) * y);
            std::fill(row, row + W, 0xFF000000u);
        }
    }
    static std::atomic<uint64_t> nextSerial{1};
    pic->serial = nextSerial++;
    Picture *stored = store(m_photoCache, key, std::move(pic));
    rememberPhoto(info.path, turnedKey, framing, stored);
    return stored;
}

double StoryBoardRender::squeeze() const
{
    const double display = double(m_format.height) * m_format.aspectNum / std::max(1, m_format.aspectDen);
    return display > 0.0 ? double(m_format.width) / display : 1.0;
}

bool StoryBoardRender::fillPicture(Picture *pic, const QImage &image) const
{
    const int W = m_format.width;
    const int H = m_format.height;
    if (image.width() != W || image.height() != H || image.depth() != 32)
        return false;
    for (int y = 0; y < H; ++y)
        std::memcpy(pic->data[0] + size_t(pic->linesize[0]) * size_t(H - 1 - y), image.constScanLine(y),
                    size_t(W) * 4);
    static std::atomic<uint64_t> nextSerial{1u << 30};
    pic->serial = nextSerial++;
    return true;
}

namespace {

// A key for everything a caption's or a card's picture depends on.
QString styleKey(const CaptionStyle &s)
{
    return QStringLiteral("%1|%2|%3|%4%5|%6%7%8")
        .arg(s.fontFamily)
        .arg(s.sizePerMille)
        .arg(s.colour.name(QColor::HexArgb))
        .arg(int(s.bold))
        .arg(int(s.italic))
        .arg(int(s.place))
        .arg(int(s.align))
        .arg(int(s.backdrop));
}

} // namespace

const Picture *StoryBoardRender::cardPicture(const ImageInfo &info)
{
    const TitleCard &card = *info.titleCard;
    // Keys of cards start with a character no path starts with.
    const QString key = QStringLiteral("\x01card|%1|%2|%3|%4|%5|%6")
                            .arg(styleKey(card.style), QString::number(int(card.background)),
                                 card.colour.name(QColor::HexArgb), card.colour2.name(QColor::HexArgb),
                                 card.photoPath, card.text);
    if (auto it = m_pictureIndex.find(key); it != m_pictureIndex.end())
        return it->second;
    std::unique_ptr<Picture> pic = takeSlot(m_photoCache, AV_PIX_FMT_BGRA);
    if (!pic) {
        static const Picture empty;
        return &empty;
    }
    const QSize frame(m_format.width, m_format.height);
    const QImage backdrop = card.background == CardBackground::BlurredPhoto
                                ? CaptionPainter::cardBackdrop(card.photoPath, frame)
                                : QImage();
    if (!fillPicture(pic.get(), CaptionPainter::titleCard(card, frame, squeeze(), backdrop))) {
        for (int y = 0; y < m_format.height; ++y) {
            uint32_t *row = reinterpret_cast<uint32_t *>(pic->data[0] + size_t(pic->linesize[0]) * y);
            std::fill(row, row + m_format.width, 0xFF000000u);
        }
    }
    return store(m_photoCache, key, std::move(pic));
}

const Picture *StoryBoardRender::captionPicture(const ImageInfo &info)
{
    if (!showsCaption(info))
        return nullptr;
    const QString key = QStringLiteral("%1|%2").arg(styleKey(info.caption.style), info.caption.text);
    if (auto it = m_captionCache.find(key); it != m_captionCache.end())
        return it->second.get();
    std::unique_ptr<Picture> pic = takeSlot(m_captionCache, AV_PIX_FMT_BGRA);
    if (!pic)
        return nullptr;
    const QImage image =
        CaptionPainter::caption(info.caption, QSize(m_format.width, m_format.height), squeeze());
    if (!fillPicture(pic.get(), image))
        return nullptr;
    // Captions are kept in their own cache, not in the index the photos
    // and patterns share (a caption's key could be any text).
    Picture *filled = pic.get();
    m_captionCache[key] = std::move(pic);
    for (auto &entry : m_captionCache) {
        if (entry.second.get() == filled)
            entry.second->age |= 0x80000000u;
        else
            entry.second->age >>= 1;
    }
    return filled;
}

void StoryBoardRender::uploadCaption(GLDrawer *drawer, int slot, const Picture *caption, int alphaByte)
{
    if (alphaByte >= 255) {
        drawer->uploadPicture(slot, caption->data[0], caption->linesize[0], caption->serial, false);
        return;
    }
    // The caption's own alpha times the fade, rounded, the colours kept:
    // the drawing core then blends it as it blends any picture with alpha
    // (the same bytes on OpenGL and on the processor).
    const int W = m_format.width;
    const int H = m_format.height;
    std::vector<uint8_t> &buffer = m_fadeBuffer[slot == kCaptionSlot ? 0 : 1];
    buffer.resize(size_t(W) * size_t(H) * 4);
    for (int y = 0; y < H; ++y) {
        const uint8_t *src = caption->data[0] + size_t(caption->linesize[0]) * size_t(y);
        uint8_t *dst = buffer.data() + size_t(W) * 4 * size_t(y);
        std::memcpy(dst, src, size_t(W) * 4);
        for (int x = 0; x < W; ++x) {
            uint8_t &a = dst[4 * x + 3];
            if (a)
                a = uint8_t((a * alphaByte + 127) / 255);
        }
    }
    drawer->uploadPicture(slot, buffer.data(), W * 4, 0, false);
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
